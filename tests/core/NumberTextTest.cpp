#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>

#include "core/NumberText.h"

namespace pramo {
namespace {

std::string ToChars(double value, int decimals) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

// The fixed notation rounds the exact binary value, halves to even, as to_chars does; the fast integer path
// and the library must never differ by a digit.
TEST(FixedText, SameDigitsAsToChars) {
  const double values[] = {0.0,      -0.0,  0.5,    1.5,    2.5,  0.125, -2.5,     1e-300, -1e-5,
                           4.9e-324, 2.675, 99.995, 9.1e15, 1e20, 1e300, INFINITY, NAN};
  for (double value : values)
    for (int decimals = 0; decimals <= 12; ++decimals)
      EXPECT_EQ(FixedText(value, decimals), ToChars(value, decimals)) << value << " " << decimals;

  std::mt19937_64 random(5167);
  for (int i = 0; i < 200000; ++i) {
    const int decimals = static_cast<int>(random() % 10);
    const double exactHalf = std::ldexp(static_cast<double>(2 * (random() % 1000000) + 1), -(decimals + 1));
    const double scattered =
        std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 90) - 70);
    for (double value : {exactHalf, -scattered})
      ASSERT_EQ(FixedText(value, decimals), ToChars(value, decimals)) << value << " " << decimals;
  }
  EXPECT_EQ(PaddedFixedText(-0.00004, 4, 9, ','), "  -0,0000");
}

}  // namespace
}  // namespace pramo
