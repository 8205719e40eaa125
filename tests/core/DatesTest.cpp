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

TEST(Dates, TheListingsFormsOfALocalePattern) {
  const struct {
    const char* locale;
    const char* listed;
  } patterns[] = {
      {"d. M. yyyy", "d.M.yyyy"},       {"dd.MM.yy", "dd.MM.yy"}, {"M/d/yy", "M/d/yy"},
      {"yyyy - MM - dd", "yyyy-MM-dd"}, {"yyyy", "yyyy"},         {"d MMM yyyy", "d.M.yyyy"},
      {"d 'de' M", "d.M.yyyy"},         {"", "d.M.yyyy"},
  };
  for (const auto& p : patterns) EXPECT_EQ(ListingDatePattern(p.locale), p.listed) << p.locale;
  EXPECT_EQ(SingleSeparatorDateFormat("d. M. yyyy"), "d.M.yyyy");
  EXPECT_EQ(SingleSeparatorDateFormat(""), "");
  const struct {
    double days;
    const char* pattern;
    const char* text;
  } dates[] = {
      {2, "d.M.yyyy", "1.1.1900"},
      {60, "dd.MM.yyyy", "28.02.1900"},
      {45351.75, "d. M. yy", "29. 2. 24"},
      {45351, "d.M.y", "29.2.24"},
      {0, kIsoDatePattern.data(), "1899-12-30"},
      {1e300, "d.M.yyyy", ""},
  };
  for (const auto& d : dates) EXPECT_EQ(DateText(d.days, d.pattern), d.text) << d.pattern;
}

}  // namespace
}  // namespace pramo
