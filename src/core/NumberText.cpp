#include "core/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace pramo {
namespace {

// Fixed notation of a value whose digits fit in 64 bits, from its exact binary value m·2^e with integer
// arithmetic: the same text as to_chars (which rounds the exact value, halves to even), several times
// faster for the short numbers of the result lists. Returns nullptr, having written nothing, for other
// values.
char* FixedOfExactValue(double value, int decimals, char* out) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 9) return nullptr;
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const int biasedExponent = static_cast<int>(bits >> 52 & 0x7ff);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t mantissa = biasedExponent == 0 ? fraction : fraction | std::uint64_t{1} << 52;
  const int exponent = (biasedExponent == 0 ? 1 : biasedExponent) - 1075;
  if (exponent > 0) return nullptr;  // 2^53 and above
  std::uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // |value|·10^decimals = scaled·2^exponent, below 2^83.
  const unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) * scale;
  const int shift = -exponent;
  unsigned __int128 digits = 0;
  if (shift < 100) {
    digits = scaled >> shift;
    if (shift > 0) {
      const unsigned __int128 rest = scaled & ((static_cast<unsigned __int128>(1) << shift) - 1);
      const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
      if (rest > half || (rest == half && (digits & 1) != 0)) ++digits;
    }
  }  // else below 2^-16 after scaling: rounds to zero
  if (digits >> 64 != 0) return nullptr;

  std::array<char, 24> reversed;
  int count = 0;
  for (auto n = static_cast<std::uint64_t>(digits); n != 0 || count <= decimals; n /= 10)
    reversed[count++] = static_cast<char>('0' + n % 10);
  if (std::signbit(value)) *out++ = '-';
  while (count > 0) {
    if (count == decimals) *out++ = '.';
    *out++ = reversed[--count];
  }
  return out;
}

// The text of the value, right-justified with blanks in at least width characters.
std::string Written(double value, std::chars_format format, int precision, char decimalSeparator,
                    int width = 0) {
  // Fixed notation of 1e308 needs 309 digits before the point.
  std::array<char, 400> buffer;
  char* end =
      format == std::chars_format::fixed ? FixedOfExactValue(value, precision, buffer.data()) : nullptr;
  if (!end) end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision).ptr;
  std::replace(buffer.data(), end, '.', decimalSeparator);  // to_chars writes at most one point
  const auto length = static_cast<int>(end - buffer.data());
  std::string text(width > length ? static_cast<std::size_t>(width - length) : 0, ' ');
  text.append(buffer.data(), end);
  return text;
}

}  // namespace

std::string FixedText(double value, int decimals, char decimalSeparator) {
  return Written(value, std::chars_format::fixed, decimals, decimalSeparator);
}

std::string PaddedFixedText(double value, int decimals, int width, char decimalSeparator) {
  return Written(value, std::chars_format::fixed, decimals, decimalSeparator, width);
}

std::string GeneralText(double value, int significantDigits, char decimalSeparator) {
  return Written(value, std::chars_format::general, significantDigits, decimalSeparator);
}

std::string ScientificText(double value, int significantDigits, char decimalSeparator) {
  std::string text = Written(value, std::chars_format::scientific, significantDigits - 1, decimalSeparator);
  const auto e = text.find('e');
  if (e == std::string::npos) return text;  // inf, nan
  text[e] = 'E';
  // to_chars writes at least two exponent digits after the sign.
  const std::size_t digits = text.size() - (e + 2);
  if (digits < 3) text.insert(e + 2, 3 - digits, '0');
  return text;
}

}  // namespace pramo
