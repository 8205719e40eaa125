#include "printing/PrintRow.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

}  // namespace pramo
