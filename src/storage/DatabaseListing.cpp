#include "storage/DatabaseListing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/CalculationBlockCodec.h"
#include "core/Dates.h"
#include "strings/core.h"
#include "strings/storage.h"

namespace pramo {
namespace {

std::string PipeDiameterText(RecordView record, char separator) {
  double diameter;
  std::memcpy(&diameter, record.data() + 122, sizeof diameter);
  const std::uint8_t unit = record[130];
  std::string text = ShortestDecimal(diameter, separator);
  text += ' ';
  if (unit < std::size(str::kPipeDiameterUnitItem)) text += Tr(str::kPipeDiameterUnitItem[unit]);
  return text;
}

double DateOf(RecordView record) {
  double date;
  std::memcpy(&date, record.data() + 953, sizeof date);
  return date;
}

bool PassesFilter(RecordView record, const std::string& tag, const std::string& company,
                  const ListingFilter& filter, double firstDay, double today) {
  switch (filter.kind) {
    case FilterKind::All:
      return true;
    case FilterKind::Company:
      return company == filter.company;
    case FilterKind::Fluid:
      return record[8] == filter.item;
    case FilterKind::Program:
      return (filter.item == 0 && tag == "ver2.2") || (filter.item == 1 && tag == "ver3.3") ||
             (filter.item == 2 && (tag == "ver3.4" || tag == "ver3.5"));
    case FilterKind::Date: {
      const double date = DateOf(record);
      return date >= firstDay && date <= today;
    }
  }
  return false;
}

}  // namespace

std::string_view DatabaseListing::Cell(std::size_t row, int column) const {
  if (row >= m_rows.size() || column < 0 || column >= kListingColumns) return {};
  const char* cell = m_rows[row];
  for (int i = 0;; ++i) {
    const std::size_t length = static_cast<unsigned char>(cell[0]) | static_cast<unsigned char>(cell[1]) << 8;
    if (i == column) return {cell + 2, length};
    cell += 2 + length;
  }
}

bool DatabaseListing::HoldsNumber(const std::string& numberText) const {
  for (std::size_t row = 0; row < m_rows.size(); ++row)
    if (Cell(row, 0) == numberText) return true;
  return false;
}

void DatabaseListing::Reverse() {
  std::reverse(m_rows.begin(), m_rows.end());
}

void DatabaseListing::Clear() {
  m_blocks.clear();
  m_rows.clear();
  m_used = kBlockSize;
  m_highestCount = 0;
}

void DatabaseListing::AddRow(const std::string (&cells)[kListingColumns]) {
  // Each cell is its length (two bytes) and its text: a decoded stored text may hold any character,
  // '\0' among them.
  std::size_t size = 0;
  for (const auto& cell : cells) size += 2 + std::min<std::size_t>(cell.size(), 0xFFFF);
  if (m_used + size > kBlockSize) {
    m_blocks.push_back(std::make_unique<char[]>(std::max(size, kBlockSize)));
    m_used = 0;
  }
  char* start = m_blocks.back().get() + m_used;
  char* out = start;
  for (const auto& cell : cells) {
    const std::size_t length = std::min<std::size_t>(cell.size(), 0xFFFF);
    *out++ = static_cast<char>(length & 0xFF);
    *out++ = static_cast<char>(length >> 8);
    out = std::copy_n(cell.begin(), length, out);
  }
  m_used += size;
  m_rows.push_back(start);
}

void DatabaseListing::NoteRunningCount(std::uint32_t count) {
  m_highestCount = std::max(m_highestCount, count);
}

std::size_t DatabaseListing::MemoryBytes() const {
  return m_blocks.size() * kBlockSize + m_rows.capacity() * sizeof(const char*);
}

bool ListDatabase(DatabaseAccess& db, const ListingRequest& request, DatabaseListing& listing) {
  listing.Clear();
  if (request.progress) request.progress(0);
  const double firstDay =
      request.filter.kind == FilterKind::Date ? FirstDayOfDateFilter(request.filter.item, request.today) : 0;
  const std::uint64_t expected = db.fs.FileSize(db.paths.database).value_or(0) / kRecordSize;
  listing.Reserve(static_cast<std::size_t>(std::min<std::uint64_t>(expected, 1u << 24)));
  bool invalid = false;
  std::string cells[kListingColumns];
  const ScanResult scan = ScanDatabase(db, [&](RecordView record) {
    if (request.progress && expected > 0)
      request.progress(static_cast<int>(std::lround(listing.RowCount() * 100.0 / expected)));
    const std::string tag = BlockVersionTag(record);
    if (!IsKnownVersionTag(tag)) {
      invalid = true;
      return false;
    }
    if (!SlotInUse(record, Slot::Calculation)) return true;
    const CalculationNumber number = NumberOfBlock(record);
    listing.NoteRunningCount(number.count);
    std::string company = StoredText(record, 855, kCompanyCapacity, true);
    if (!PassesFilter(record, tag, company, request.filter, firstDay, request.today)) return true;
    cells[0] = NumberText(tag, number);
    cells[1] = StoredText(record, 906, kMeasuringPointCapacity, true);
    cells[2] = StoredText(record, 9, kFluidNameCapacity, true);
    cells[3] = ElementItemText(static_cast<PrimaryElementKind>(record[7]));
    cells[4] = PipeDiameterText(record, request.format.decimalSeparator);
    cells[5] = DateText(DateOf(record), request.format.shortDate);
    cells[6] = std::move(company);
    listing.AddRow(cells);
    return true;
  });
  if (invalid) Tell(db.messages, MessageKind::Warning, str::kInvalidDatabase);
  if (!scan.ok || invalid) {
    listing.Clear();
    return false;
  }
  if (scan.trailingBytes)
    Tell(db.messages, MessageKind::Warning, str::kIncompleteLastRecord,
         Format(str::kIncompleteLastRecord, {std::to_string(scan.trailingBytes)}));
  if (request.descending) listing.Reverse();
  if (request.progress) request.progress(100);
  return true;
}

double FirstDayOfDateFilter(int item, double today) {
  if (item < 0 || item >= static_cast<int>(std::size(kDateFilterDays))) return 0;
  return today - kDateFilterDays[item];
}

std::vector<std::string> SecondFilterItems(FilterKind kind, const std::vector<std::string>& companies) {
  std::vector<std::string> items;
  auto add = [&](const auto& texts) {
    for (const Text& text : texts) items.push_back(Tr(text));
  };
  switch (kind) {
    case FilterKind::All:
      break;
    case FilterKind::Company:
      items = companies;
      break;
    case FilterKind::Fluid:
      add(str::kFluidItem);
      break;
    case FilterKind::Program:
      add(str::kProgramFilterItem);
      break;
    case FilterKind::Date:
      add(str::kDateFilterItem);
      break;
  }
  return items;
}

std::string CounterText(std::size_t shownRow, std::size_t rowCount) {
  std::string text(" ");
  text.append(std::to_string(shownRow)).append(" / ").append(std::to_string(rowCount)).append(" ");
  return text;
}

std::size_t SelectionAfterReversal(std::size_t rowCount, std::size_t selectedRow) {
  if (selectedRow > rowCount) return 1;
  return std::max<std::size_t>(rowCount - selectedRow + 1, 1);
}

std::string ShortestDecimal(double value, char decimalSeparator) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

}  // namespace pramo
