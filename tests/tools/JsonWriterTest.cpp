#include "tools/JsonWriter.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace pramo::tools {
namespace {

// What the tools promised before they formatted numbers themselves: std::to_chars's shortest round-trip
// text, with ".0" after a whole number.
std::string Expected(double value) {
  char buffer[64];
  std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string Written(double value) {
  JsonWriter out;
  out.Number(value);
  return out.Text();
}

TEST(JsonWriter, NumbersAreTheShortestRoundTripText) {
  using limits = std::numeric_limits<double>;
  const double chosen[] = {1.0,
                           -1.0,
                           0.1,
                           1e16,
                           1e15,
                           123456789012345680.0,
                           1e22,
                           1e23,
                           1e-5,
                           1.5e-5,
                           1e-4,
                           1e-7,
                           9.999999999999999e22,
                           0.3,
                           2.0 / 3,
                           25000.0,
                           1e100,
                           1.5e-100,
                           1e-300,
                           limits::max(),
                           limits::min(),
                           limits::denorm_min(),
                           -limits::max(),
                           4.0e15,
                           12345678.0,
                           1e21,
                           100.5};
  for (const double value : chosen) EXPECT_EQ(Written(value), Expected(value)) << Expected(value);

  // Every exponent and many digit patterns: random bits, and random values of the sizes results have.
  std::mt19937_64 random(5167);
  std::uniform_real_distribution<double> unit(0.5, 5.0);
  for (int i = 0; i < 300000; ++i) {
    const double bits = std::bit_cast<double>(random());
    if (std::isfinite(bits) && bits != 0) {
      ASSERT_EQ(Written(bits), Expected(bits));
    }
    const double sized = unit(random) * std::pow(10.0, static_cast<int>(random() % 40) - 20);
    ASSERT_EQ(Written(sized), Expected(sized));
  }
  EXPECT_EQ(Written(0.0) + Written(-0.0) + Written(limits::quiet_NaN()), "0.0-0.0null");
}

}  // namespace
}  // namespace pramo::tools
