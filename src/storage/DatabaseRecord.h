#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/CalculationState.h"
#include "storage/FileSystem.h"

namespace pramo {

// A database record: a calculation slot, a user slot and a company slot, each with its own presence flag,
// and reserved bytes. Records have no key and no order but their position.
inline constexpr std::size_t kRecordSize = 1145;
using DatabaseRecord = std::array<std::uint8_t, kRecordSize>;
using RecordView = std::span<const std::uint8_t, kRecordSize>;

namespace record_offset {
inline constexpr std::size_t kUserLogin = 973;      // string[25], scrambled
inline constexpr std::size_t kUserFullName = 999;   // string[25], scrambled
inline constexpr std::size_t kUserPassword = 1025;  // 25 × uint16
inline constexpr std::size_t kCompany = 1075;       // string[50], scrambled
inline constexpr std::size_t kCalculationFlag = 1126;
inline constexpr std::size_t kUserFlag = 1127;
inline constexpr std::size_t kCompanyFlag = 1128;
inline constexpr std::size_t kReserved = 1129;
}  // namespace record_offset

enum class Slot { Calculation, User, Company };

struct SlotLayout {
  std::size_t offset;
  std::size_t size;
  std::size_t flagOffset;
};
SlotLayout LayoutOf(Slot slot);

// A flag byte other than 0 counts as "in use": a reader must never take a slot for free and overwrite it.
bool SlotInUse(RecordView record, Slot slot);

// A record with nothing in it but the current version tag, which every record must carry.
DatabaseRecord EmptyRecord();

// A record that holds only the given slot content (its flag set, the other two flags clear).
DatabaseRecord RecordWithSlot(Slot slot, std::span<const std::uint8_t> content);

// The three parts of a calculation number as a block (or the calculation slot of a record) holds them.
struct CalculationNumber {
  std::uint16_t installation = 0;
  std::uint32_t count = 0;
  std::uint8_t index = 0;
  bool operator==(const CalculationNumber&) const = default;
};
CalculationNumber NumberOfBlock(std::span<const std::uint8_t> block);

// An integer shown with at least `digits` digits, padded with "0"; a wider value is shown in full.
std::string PaddedNumber(std::uint64_t value, int digits);

// The number text in the form the version tag prescribes: installation and running count for "ver2.2" and
// "ver3.3" (0100012), with "-" and the index for "ver3.4" and "ver3.5" (0100012-01).
std::string NumberText(const std::string& versionTag, const CalculationNumber& number);
// The long form, which every calculation this program numbers carries.
std::string FullNumberText(const CalculationNumber& number);

// A stored string of the record (or block) at `offset` as UTF-8; the length byte is never trusted beyond
// the capacity.
std::string StoredText(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t capacity,
                       bool scrambled);

// Writes a UTF-8 text as a stored string at `offset`: its length byte and its Windows-1250 characters,
// the bytes after them zero. False (nothing written) when the text is longer than the capacity or holds a
// character the code page cannot hold.
bool PutStoredText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t capacity,
                   const std::string& text, bool scrambled);

// Reads whole records from an open file in large chunks. The file's size is not trusted: records are
// read until the end, and bytes after the last whole record are counted, not delivered.
class RecordReader {
 public:
  explicit RecordReader(File& file);
  // The next record, or nothing at the end of the file or after a read failure (see Status()).
  const std::uint8_t* Next();
  IoStatus Status() const { return m_status; }
  std::size_t TrailingBytes() const { return m_trailing; }
  // Position in the file of the record Next() returned last.
  std::uint64_t LastOffset() const { return m_delivered - kRecordSize; }

 private:
  File& m_file;
  std::vector<std::uint8_t> m_buffer;
  std::size_t m_filled = 0;
  std::size_t m_position = 0;
  bool m_atEnd = false;
  std::size_t m_trailing = 0;
  IoStatus m_status = IoStatus::Ok;
  std::uint64_t m_delivered = 0;
};

inline RecordView AsRecord(const std::uint8_t* bytes) {
  return RecordView(bytes, kRecordSize);
}

}  // namespace pramo
