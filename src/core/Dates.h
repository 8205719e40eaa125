#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pramo {

// Dates of calculations and database records are whole days since 30 December 1899 (fractions are
// times of day and are ignored). Every date the program prints or shows goes through this module, so
// that one calculation reads the same date in the program and in the tools.

struct CivilDate {
  int Year = 1899;
  unsigned Month = 12;
  unsigned Day = 30;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The day of a day count; empty outside the years 1 to 9999 and for a count that is not a number.
std::optional<CivilDate> CivilDateOf(double dayCount);
double DayCountOf(const CivilDate& date);
// Today in the local time zone.
double TodayDayCount();

// The locale's short date pattern (Qt/ICU letters: d, dd, M, MM, yy, yyyy and separators) made to show
// a four-digit year. A pattern with names of months or days, eras, quoted texts or without all three
// fields gives "dd.MM.yyyy".
std::string FourDigitYearPattern(std::string_view localePattern);

// The locale's short date pattern as the database listing shows dates: its date separator cut down to one
// character, the year as the locale writes it. A pattern with names of months or days, eras or quoted
// texts gives the plain pattern.
inline constexpr const char* kPlainListingDatePattern = "d.M.yyyy";
std::string ListingDatePattern(std::string_view localePattern);
// The cut-down: a separator of several characters (as ". " in "d. M. yyyy") is trimmed to its first
// character that is no blank and replaced by it throughout.
std::string SingleSeparatorDateFormat(std::string_view pattern);

// The form of the dates that the tools give scripts.
inline constexpr std::string_view kIsoDatePattern = "yyyy-MM-dd";

// The day count in the pattern's form (d and M with one or two digits, yy with two, yyyy with four);
// empty where CivilDateOf has no date.
std::string DateText(double dayCount, std::string_view pattern);

}  // namespace pramo
