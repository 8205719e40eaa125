#include "core/Dates.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <ctime>

namespace pramo {

namespace {

constexpr std::chrono::sys_days kEpoch = std::chrono::year{1899} / std::chrono::December / 30;
constexpr const char* kNumericPattern = "dd.MM.yyyy";

std::string Padded(unsigned value, int digits) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

}  // namespace

std::optional<CivilDate> CivilDateOf(double dayCount) {
  // Beyond about ±11000 years from the epoch no day of the years 1 … 9999 remains.
  if (!std::isfinite(dayCount) || std::fabs(dayCount) > 4.0e6) return std::nullopt;
  const std::chrono::year_month_day date{kEpoch + std::chrono::days{static_cast<long>(std::floor(dayCount))}};
  const int year = static_cast<int>(date.year());
  if (!date.ok() || year < 1 || year > 9999) return std::nullopt;
  return CivilDate{year, static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())};
}

double DayCountOf(const CivilDate& date) {
  const std::chrono::sys_days day{std::chrono::year{date.Year} / std::chrono::month{date.Month} /
                                  std::chrono::day{date.Day}};
  return static_cast<double>((day - kEpoch).count());
}

double TodayDayCount() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DayCountOf(
      {local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday)});
}

std::string FourDigitYearPattern(std::string_view localePattern) {
  std::string pattern;
  bool day = false;
  bool month = false;
  bool year = false;
  for (std::size_t i = 0; i < localePattern.size();) {
    const char c = localePattern[i];
    std::size_t run = 1;
    while (i + run < localePattern.size() && localePattern[i + run] == c) ++run;
    i += run;
    if (c == 'y') {
      pattern += "yyyy";
      year = true;
    } else if (c == 'd' || c == 'M') {
      if (run > 2) return kNumericPattern;
      pattern.append(run, c);
      (c == 'd' ? day : month) = true;
    } else if (c == '\'' || std::isalpha(static_cast<unsigned char>(c))) {
      return kNumericPattern;
    } else {
      pattern.append(run, c);
    }
  }
  return day && month && year ? pattern : kNumericPattern;
}

std::string SingleSeparatorDateFormat(std::string_view pattern) {
  const std::string format(pattern);
  auto isField = [](char c) { return c == 'd' || c == 'M' || c == 'y'; };
  const auto fieldStart = std::find_if(format.begin(), format.end(), isField);
  const auto fieldEnd = std::find_if_not(fieldStart, format.end(), isField);
  const auto separatorEnd = std::find_if(fieldEnd, format.end(), isField);
  const std::string separator(fieldEnd, separatorEnd);
  if (separator.size() <= 1 || separatorEnd == format.end()) return format;
  const auto kept = separator.find_first_not_of(' ');
  const char single = kept == std::string::npos ? ' ' : separator[kept];
  std::string result;
  for (std::size_t i = 0; i < format.size();) {
    if (format.compare(i, separator.size(), separator) == 0) {
      result += single;
      i += separator.size();
    } else {
      result += format[i++];
    }
  }
  return result;
}

std::string ListingDatePattern(std::string_view localePattern) {
  const std::string format = SingleSeparatorDateFormat(localePattern);
  const bool plain = std::all_of(format.begin(), format.end(), [](char c) {
    return c == 'd' || c == 'M' || c == 'y' || (c != '\'' && !std::isalpha(static_cast<unsigned char>(c)));
  });
  const bool shortFields = format.find("ddd") == std::string::npos && format.find("MMM") == std::string::npos;
  return plain && shortFields && !format.empty() ? format : std::string(kPlainListingDatePattern);
}

std::string DateText(double dayCount, std::string_view pattern) {
  const std::optional<CivilDate> date = CivilDateOf(dayCount);
  if (!date) return {};
  std::string text;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    i += run;
    if (c == 'd') {
      text += Padded(date->Day, run >= 2 ? 2 : 1);
    } else if (c == 'M') {
      text += Padded(date->Month, run >= 2 ? 2 : 1);
    } else if (c == 'y') {
      const auto year = static_cast<unsigned>(date->Year);
      text += run >= 3 ? Padded(year, 4) : Padded(year % 100, 2);
    } else {
      text.append(run, c);
    }
  }
  return text;
}

}  // namespace pramo
