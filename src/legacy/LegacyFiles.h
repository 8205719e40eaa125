#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Messages.h"
#include "legacy/LegacyText.h"

namespace pramo {

// Both files of the older program: a 6-byte header (not used), then fixed-size records until fewer
// bytes than a record remain.
inline constexpr std::size_t kLegacyHeaderSize = 6;
inline constexpr std::size_t kLegacyRecordSize = 400;         // calculations file
inline constexpr std::size_t kLegacyCompanyRecordSize = 327;  // companies file

// Reads the records of an old file one after another. Nothing about the file is trusted: its size
// decides how many complete records it holds, a tail shorter than a record is left alone, and a file
// that changes under the reader ends the reading with a failure instead of a short record.
class LegacyRecordFile {
 public:
  explicit LegacyRecordFile(std::size_t recordSize) : m_recordSize(recordSize) {}

  // Opens the file and reads past its header. False when it cannot be opened or read, or when it is
  // shorter than its header.
  bool Open(const std::filesystem::path& path);
  void Close();

  std::size_t RecordCount() const { return m_recordCount; }
  // Bytes after the last complete record.
  std::size_t TrailingBytes() const { return m_trailingBytes; }
  std::size_t RecordsRead() const { return m_recordsRead; }

  // Reads the next complete record into `record` (its size must be the record size). False after the
  // last record, and when reading fails (then `Failed` says so).
  bool Next(std::span<std::uint8_t> record);
  bool Failed() const { return m_failed; }

 private:
  std::size_t m_recordSize;
  std::ifstream m_stream;
  std::size_t m_recordCount = 0;
  std::size_t m_trailingBytes = 0;
  std::size_t m_recordsRead = 0;
  bool m_failed = false;
};

// The companies file as two parallel lists in file order, company identification numbers and names
// (both UTF-8, duplicates kept), with a lookup of the first position of each number.
class LegacyCompanies {
 public:
  void Add(std::string number, std::string name);
  void Clear();

  const std::vector<std::string>& Numbers() const { return m_numbers; }
  const std::vector<std::string>& Names() const { return m_names; }
  std::size_t Size() const { return m_numbers.size(); }

  // The position of the first entry with this number.
  std::optional<std::size_t> Find(const std::string& number) const;

 private:
  std::vector<std::string> m_numbers;
  std::vector<std::string> m_names;
  std::unordered_map<std::string, std::size_t> m_firstPosition;
};

// A text field of an old record as the program uses it: recoded from the given encoding, then trimmed
// of blanks (so that bytes the encoding does not know, which become blanks, are trimmed too).
std::string LegacyField(LegacyEncoding encoding, std::span<const std::uint8_t> bytes);

// Reads the companies file into `companies` (cleared first). A record whose name or number is empty
// is skipped; names and numbers are recoded from the encoding. An empty path means no companies file:
// the lists stay empty and the call succeeds. A file that cannot be read, or is shorter than its
// header, is reported ("Nepodařilo se přečíst soubor databází firem!") and the call fails, keeping
// what was read before the failure.
bool ReadLegacyCompanies(const std::filesystem::path& path, LegacyEncoding encoding,
                         LegacyCompanies& companies, Messages& messages);

}  // namespace pramo
