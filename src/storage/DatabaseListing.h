#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Dates.h"
#include "storage/DatabaseFile.h"

namespace pramo {

// The first filter list: which property the second list chooses.
enum class FilterKind { All = 0, Company = 1, Fluid = 2, Program = 3, Date = 4 };

struct ListingFilter {
  FilterKind kind = FilterKind::All;
  int item = -1;        // index chosen in the second list; -1 for none
  std::string company;  // the chosen text for the company filter
};

// How numbers and dates are shown: the locale's decimal separator and short date format (d, dd, M, MM,
// yy, yyyy and literal characters).
struct DisplayFormat {
  char decimalSeparator = ',';
  std::string shortDate = kPlainListingDatePattern;
};

inline constexpr int kListingColumns = 7;

// The calculation rows of a listing, seven texts each, in grid order. The texts lie in large shared
// blocks rather than one string per cell, so that a listing of the largest database takes about the
// memory of its text.
class DatabaseListing {
 public:
  std::size_t RowCount() const { return m_rows.size(); }
  // Column 0 number text, 1 measuring point, 2 fluid, 3 primary element, 4 pipe diameter, 5 date,
  // 6 company/department. Row 0 is the first calculation row.
  std::string_view Cell(std::size_t row, int column) const;
  // The largest running count of all calculation records, filters not applied.
  std::uint32_t HighestRunningCount() const { return m_highestCount; }
  // Whether a row's number text is this one.
  bool HoldsNumber(const std::string& numberText) const;
  // Reverses the order of the rows.
  void Reverse();
  void Clear();

  // Used while listing.
  void AddRow(const std::string (&cells)[kListingColumns]);
  void NoteRunningCount(std::uint32_t count);
  void Reserve(std::size_t rows) { m_rows.reserve(rows); }
  // Memory held by the rows (for the benchmark).
  std::size_t MemoryBytes() const;

 private:
  static constexpr std::size_t kBlockSize = 1 << 16;
  std::vector<std::unique_ptr<char[]>> m_blocks;
  std::size_t m_used = kBlockSize;  // bytes used in the last block
  std::vector<const char*> m_rows;  // each row: its seven cells, each a two-byte length and the text
  std::uint32_t m_highestCount = 0;
};

struct ListingRequest {
  ListingFilter filter;
  double today = 0;  // day count since 30 December 1899
  DisplayFormat format;
  bool descending = false;
  std::function<void(int percent)> progress;  // the progress bar, optional
};

// Lists the calculations of the database that pass the filter, in file order or reversed. A record with
// an unknown version tag stops the listing with a warning and leaves it empty.
bool ListDatabase(DatabaseAccess& db, const ListingRequest& request, DatabaseListing& listing);

// How many days back each item of the date filter reaches (today, a week, two weeks, a month, a year).
inline constexpr int kDateFilterDays[] = {0, 7, 14, 30, 365};
// The first day of the date filter for the chosen item, 0 for none.
double FirstDayOfDateFilter(int item, double today);

// Items of the second filter list for a kind of the first (the company list comes from the database).
std::vector<std::string> SecondFilterItems(FilterKind kind, const std::vector<std::string>& companies);

// " " + shown row + " / " + row count + " ".
std::string CounterText(std::size_t shownRow, std::size_t rowCount);

// The selection (1-based) after the rows were reversed.
std::size_t SelectionAfterReversal(std::size_t rowCount, std::size_t selectedRow);

// A number in its shortest form that reads back exactly, with the given decimal separator.
std::string ShortestDecimal(double value, char decimalSeparator);

}  // namespace pramo
