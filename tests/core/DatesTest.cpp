#include "core/Dates.h"

#include <limits>

#include <gtest/gtest.h>

namespace pramo {
namespace {

TEST(Dates, LocalePatternsShowAFourDigitYearAndOnlyNumbers) {
  const struct {
    const char* locale;
    const char* shown;
  } cases[] = {
      {"dd.MM.yy", "dd.MM.yyyy"},     // Czech
      {"d. M. yy", "d. M. yyyy"},     // Slovak
      {"M/d/yy", "M/d/yyyy"},         // US
      {"yyyy-MM-dd", "yyyy-MM-dd"},   // ISO
      {"dd/MM/y", "dd/MM/yyyy"},      // a one-letter year
      {"d MMM yyyy", "dd.MM.yyyy"},   // C: month names
      {"dddd d.M.yy", "dd.MM.yyyy"},  // day names
      {"d 'de' M", "dd.MM.yyyy"},     // quoted text
      {"dd.MM.", "dd.MM.yyyy"},       // no year
      {"", "dd.MM.yyyy"},
  };
  for (const auto& c : cases) EXPECT_EQ(FourDigitYearPattern(c.locale), c.shown) << c.locale;
}

TEST(Dates, DayCountsFromTheLastDayOf1899) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double days;
    const char* text;
  } cases[] = {
      {0, "30.12.1899"},
      {46365, "09.12.2026"},
      {46365.99, "09.12.2026"},
      {-693593, "01.01.0001"},
      {2958465, "31.12.9999"},
      {2958466, ""},
      {-693594, ""},
      {nan, ""},
      {std::numeric_limits<double>::infinity(), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DateText(c.days, "dd.MM.yyyy"), c.text) << c.days;
  EXPECT_EQ(DateText(46365, "M/d/yyyy"), "12/9/2026");
  EXPECT_EQ(DayCountOf({2026, 12, 9}), 46365);
  EXPECT_EQ(CivilDateOf(TodayDayCount()).has_value(), true);
}

}  // namespace
}  // namespace pramo
