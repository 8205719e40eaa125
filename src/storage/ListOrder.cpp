#include "storage/ListOrder.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/CodePage1250.h"

namespace pramo {
namespace {

// For every Windows-1250 byte: the lower-case letter without accent, and the lower-case letter.
struct Weights {
  std::array<std::uint8_t, 256> base{};
  std::array<std::uint8_t, 256> lower{};
};

const Weights& CodePageWeights() {
  static const Weights weights = [] {
    Weights w;
    for (int c = 0; c < 256; ++c) {
      w.base[c] = w.lower[c] = static_cast<std::uint8_t>(c);
      if (c >= 'A' && c <= 'Z') w.base[c] = w.lower[c] = static_cast<std::uint8_t>(c - 'A' + 'a');
    }
    // Each group: the base letter, then pairs of lower- and upper-case accented letters.
    const char* const groups[] = {"a áÁäÄąĄăĂâÂ", "c čČćĆçÇ",   "d ďĎđĐ",     "e éÉěĚëËęĘ", "i íÍîÎ",
                                  "l ĺĹľĽłŁ",     "n ňŇńŃ",     "o óÓôÔöÖőŐ", "r řŘŕŔ",     "s šŠśŚşŞ",
                                  "t ťŤţŢ",       "u úÚůŮüÜűŰ", "y ýÝ",       "z žŽźŹżŻ"};
    for (const char* group : groups) {
      const std::string bytes = To1250(group).value_or(std::string());
      const auto baseLetter = static_cast<std::uint8_t>(bytes[0]);
      for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto lowerLetter = static_cast<std::uint8_t>(bytes[i]);
        const auto upperLetter = static_cast<std::uint8_t>(bytes[i + 1]);
        w.base[lowerLetter] = w.base[upperLetter] = baseLetter;
        w.lower[lowerLetter] = w.lower[upperLetter] = lowerLetter;
      }
    }
    return w;
  }();
  return weights;
}

std::string Keyed(const std::string& text, const std::array<std::uint8_t, 256>& weight) {
  std::string key = text;
  for (char& c : key) c = static_cast<char>(weight[static_cast<std::uint8_t>(c)]);
  return key;
}

}  // namespace

bool ListOrderLess(const std::string& a, const std::string& b) {
  // A name the code page cannot hold is compared by its UTF-8 bytes: the lists never hold one.
  const std::string x = To1250(a).value_or(a), y = To1250(b).value_or(b);
  const Weights& w = CodePageWeights();
  const auto unsignedLess = [](const std::string& p, const std::string& q) {
    return std::lexicographical_compare(p.begin(), p.end(), q.begin(), q.end(), [](char l, char r) {
      return static_cast<unsigned char>(l) < static_cast<unsigned char>(r);
    });
  };
  const std::string xb = Keyed(x, w.base), yb = Keyed(y, w.base);
  if (xb != yb) return unsignedLess(xb, yb);
  const std::string xl = Keyed(x, w.lower), yl = Keyed(y, w.lower);
  if (xl != yl) return unsignedLess(xl, yl);
  return unsignedLess(x, y);
}

void SortLikeList(std::vector<std::string>& names) {
  std::stable_sort(names.begin(), names.end(), ListOrderLess);
}

}  // namespace pramo
