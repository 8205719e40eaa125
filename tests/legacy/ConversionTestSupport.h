#pragma once

// Target databases and old calculations files for the conversion tests, laid out byte by byte.
#include <filesystem>
#include <string>
#include <vector>

#include "core/CalculationBlockCodec.h"
#include "legacy/LegacyRecordBuilder.h"
#include "storage/DatabaseRecord.h"
#include "storage/StorageTestSupport.h"

namespace pramo::test {

inline std::string LegacyFixture(const char* name) {
  return (std::filesystem::path(PRAMO_TEST_DATA) / "legacy" / name).string();
}

// A stored string: length byte and characters, scrambled.
inline void PutScrambled(DatabaseRecord& record, std::size_t offset, const std::string& text) {
  record[offset] = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    record[offset + 1 + i] = static_cast<std::uint8_t>(text[i]) ^ 0x5B;
}

inline DatabaseRecord WithUser(DatabaseRecord record, const std::string& login, std::uint8_t passwordSeed) {
  PutScrambled(record, record_offset::kUserLogin, login);
  PutScrambled(record, record_offset::kUserFullName, "Jmeno " + login);
  for (std::size_t i = 0; i < 50; ++i)
    record[record_offset::kUserPassword + i] = static_cast<std::uint8_t>(passwordSeed + 3 * i);
  record[record_offset::kUserFlag] = 1;
  return record;
}

inline DatabaseRecord WithCompany(DatabaseRecord record, const std::string& name) {
  PutScrambled(record, record_offset::kCompany, name);
  record[record_offset::kCompanyFlag] = 1;
  return record;
}

inline DatabaseRecord WithCalculation(DatabaseRecord record, std::uint32_t count) {
  const CalculationBlock block = EncodeBlock(ComputedCalculation(count));
  std::copy(block.begin(), block.end(), record.begin());
  record[record_offset::kCalculationFlag] = 1;
  return record;
}

inline std::vector<std::uint8_t> Bytes(const std::vector<DatabaseRecord>& records) {
  std::vector<std::uint8_t> bytes;
  for (const auto& record : records) bytes.insert(bytes.end(), record.begin(), record.end());
  return bytes;
}

inline std::vector<DatabaseRecord> Records(const std::string& path) {
  const auto bytes = ReadBytes(path);
  EXPECT_EQ(bytes.size() % kRecordSize, 0u);
  std::vector<DatabaseRecord> records(bytes.size() / kRecordSize);
  for (std::size_t i = 0; i < records.size(); ++i)
    std::copy_n(bytes.begin() + i * kRecordSize, kRecordSize, records[i].begin());
  return records;
}

inline bool SameUserSlot(const DatabaseRecord& a, const DatabaseRecord& b) {
  const SlotLayout user = LayoutOf(Slot::User);
  return std::equal(a.begin() + user.offset, a.begin() + user.offset + user.size, b.begin() + user.offset) &&
         a[user.flagOffset] == b[user.flagOffset];
}

inline std::string CompanyName(const DatabaseRecord& record) {
  return StoredText(record, record_offset::kCompany, kCompanyCapacity, true);
}

// The old calculations file: header and `count` steam records numbered 07 / first, first + 1, ...
inline std::string OldCalculations(const std::filesystem::path& path, std::size_t count,
                                   std::uint32_t first = 1) {
  std::string bytes(kLegacyHeaderSize, '\0');
  for (std::size_t i = 0; i < count; ++i) {
    auto builder = SteamRecord();
    builder.Text(legacy_offset::kCount, 5, PaddedNumber(first + i, 5));
    const LegacyRecord& record = builder.Record();
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  WriteBytes(path.string(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  return path.string();
}

}  // namespace pramo::test
