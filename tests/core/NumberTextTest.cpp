#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>

#include "core/NumberText.h"

namespace pramo {
namespace {

// Fixed notation rounds the exact binary value, halves to even, as to_chars does: the integer fast path
// must never differ from the library by a digit, at exact halves and over the whole range of values.
TEST(FixedText, SameDigitsAsToChars) {
  std::mt19937_64 random(5167);
  for (int i = 0; i < 100000; ++i) {
    const int decimals = static_cast<int>(random() % 13);
    const double exactHalf = std::ldexp(2.0 * static_cast<double>(random() % 1000000) + 1, -(decimals + 1));
    const double any =
        std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 140) - 120);
    for (double value : {exactHalf, -any, 0.0, -0.0, 4.9e-324, 2.675, 9.1e15, 1e20, HUGE_VAL, std::nan("")}) {
      char buffer[400];
      const auto end = std::to_chars(buffer, buffer + 400, value, std::chars_format::fixed, decimals).ptr;
      ASSERT_EQ(FixedText(value, decimals), std::string(buffer, end)) << value << " " << decimals;
    }
  }
  EXPECT_EQ(PaddedFixedText(-0.00004, 4, 9, ','), "  -0,0000");
}

}  // namespace
}  // namespace pramo
