#include "core/NumberText.h"

#include <array>
#include <charconv>

namespace pramo {
namespace {

std::string Written(double value, std::chars_format format, int precision, char decimalSeparator) {
  // Fixed notation of 1e308 needs 309 digits before the point.
  std::array<char, 400> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  std::string text(buffer.data(), result.ptr);
  if (const auto point = text.find('.'); point != std::string::npos) text[point] = decimalSeparator;
  return text;
}

}  // namespace

std::string FixedText(double value, int decimals, char decimalSeparator) {
  return Written(value, std::chars_format::fixed, decimals, decimalSeparator);
}

std::string PaddedFixedText(double value, int decimals, int width, char decimalSeparator) {
  std::string text = FixedText(value, decimals, decimalSeparator);
  if (width > static_cast<int>(text.size()))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
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
