#include "printing/PrintRow.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace pramo {

PrintRow DefaultPrintRow() {
  PrintRow row;
  constexpr double kAnchors[] = {7, 7, 25, 64, 50, 93};
  for (std::size_t i = 0; i < row.size(); ++i) row[i].X = kAnchors[i];
  return row;
}

PixelPoint PlaceText(PixelPoint anchor, int width, int height, std::uint8_t align) {
  const int halfWidth = width / 2;
  const int halfHeight = height / 2;
  switch (align) {
    case 1:
      return {anchor.X - width, anchor.Y};
    case 2:
      return {anchor.X - halfWidth, anchor.Y};
    case 3:
      return {anchor.X, anchor.Y - height};
    case 4:
      return {anchor.X - width, anchor.Y - height};
    case 5:
      return {anchor.X - halfWidth, anchor.Y - height};
    case 6:
      return {anchor.X - halfWidth, anchor.Y - halfHeight};
    default:
      return anchor;
  }
}

int RoundPixel(double value) {
  if (std::isnan(value)) return 0;
  // The default floating-point environment rounds to nearest with ties to even.
  const double rounded = std::nearbyint(value);
  return static_cast<int>(
      std::clamp(rounded, double{std::numeric_limits<int>::min()}, double{std::numeric_limits<int>::max()}));
}

namespace {

enum class Growth { Right, Left, Both };

Growth GrowthOf(std::uint8_t align) {
  switch (align) {
    case 1:
    case 4:
      return Growth::Left;
    case 2:
    case 5:
    case 6:
      return Growth::Both;
    default:
      return Growth::Right;
  }
}

// Keeps the texts of neighbouring columns apart by half a layout percent.
constexpr double kColumnGapPercent = 0.5;

// Length of the UTF-8 character starting at text[at].
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return end - at;
}

}  // namespace

std::array<CellRoom, 6> CellRooms(const PrintRow& row, const std::array<int, 6>& widths,
                                  double pixelsPerPercent) {
  std::array<CellRoom, 6> rooms{};
  std::vector<int> order;
  for (int i = 0; i < 6; ++i)
    if (!row[i].Text.empty()) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return row[a].X < row[b].X; });
  const double gap = kColumnGapPercent * pixelsPerPercent;
  for (int i : order) {
    const double x = row[i].X * pixelsPerPercent;
    const Growth growth = GrowthOf(row[i].Align);
    rooms[i].Left = growth == Growth::Right ? x : (growth == Growth::Left ? 7 : 0) * pixelsPerPercent;
    rooms[i].Right = growth == Growth::Left ? x : (growth == Growth::Right ? 93 : 100) * pixelsPerPercent;
  }
  for (std::size_t k = 1; k < order.size(); ++k) {
    const int a = order[k - 1];
    const int b = order[k];
    const double ax = row[a].X * pixelsPerPercent;
    const double bx = row[b].X * pixelsPerPercent;
    const Growth ga = GrowthOf(row[a].Align);
    const Growth gb = GrowthOf(row[b].Align);
    // Where b may begin and a has to end.
    double bLeft = (ax + bx) / 2 + gap / 2;
    if (gb == Growth::Right) {
      bLeft = bx;
    } else if (ga == Growth::Left) {
      bLeft = ax + gap;
    } else if (ga == Growth::Right && gb == Growth::Left) {
      bLeft = std::max(bx - widths[b], std::min(ax + widths[a], (ax + bx) / 2) + gap);
    }
    if (ga != Growth::Left) rooms[a].Right = std::min(rooms[a].Right, bLeft - gap);
    if (gb != Growth::Right) rooms[b].Left = std::max(rooms[b].Left, bLeft);
  }
  for (int i : order) {
    if (GrowthOf(row[i].Align) != Growth::Both) continue;
    const double x = row[i].X * pixelsPerPercent;
    const double half = std::min(x - rooms[i].Left, rooms[i].Right - x);
    rooms[i] = {x - half, x + half};
  }
  return rooms;
}

std::vector<std::string> WrapText(const std::string& text, double room,
                                  const std::function<int(std::string_view)>& width) {
  if (width(text) <= room) return {text};
  std::vector<std::string> lines;
  std::string line;
  const auto fits = [&](std::string_view candidate) { return width(candidate) <= room; };
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    std::size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(at, end - at);
    at = end;
    const std::string joined = line.empty() ? word : line + ' ' + word;
    if (fits(joined)) {
      line = joined;
      continue;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    // A word wider than the room is cut where it fills a line; at least one character goes on each.
    while (!fits(word)) {
      std::size_t cut = CharacterLength(word, 0);
      while (cut < word.size()) {
        const std::size_t next = cut + CharacterLength(word, cut);
        if (!fits(std::string_view(word).substr(0, next))) break;
        cut = next;
      }
      lines.push_back(word.substr(0, cut));
      word.erase(0, cut);
    }
    line = std::move(word);
  }
  if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace pramo
