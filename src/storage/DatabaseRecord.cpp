#include "storage/DatabaseRecord.h"

#include <algorithm>
#include <cstring>

#include "core/CalculationBlockCodec.h"
#include "core/CodePage1250.h"

namespace pramo {
namespace {

constexpr std::size_t kRecordsPerChunk = 916;  // about one megabyte

template <class T>
T LittleEndianAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  T value = 0;
  for (std::size_t i = sizeof(T); i-- > 0;) value = static_cast<T>((value << 8) | bytes[offset + i]);
  return value;
}

}  // namespace

SlotLayout LayoutOf(Slot slot) {
  switch (slot) {
    case Slot::Calculation:
      return {0, kBlockSize, record_offset::kCalculationFlag};
    case Slot::User:
      return {record_offset::kUserLogin, record_offset::kCompany - record_offset::kUserLogin,
              record_offset::kUserFlag};
    case Slot::Company:
      return {record_offset::kCompany, record_offset::kCalculationFlag - record_offset::kCompany,
              record_offset::kCompanyFlag};
  }
  return {0, kBlockSize, record_offset::kCalculationFlag};
}

bool SlotInUse(RecordView record, Slot slot) {
  return record[LayoutOf(slot).flagOffset] != 0;
}

DatabaseRecord EmptyRecord() {
  DatabaseRecord record{};
  const std::string tag = kCurrentVersionTag;
  record[0] = static_cast<std::uint8_t>(tag.size());
  std::copy(tag.begin(), tag.end(), record.begin() + 1);
  return record;
}

DatabaseRecord RecordWithSlot(Slot slot, std::span<const std::uint8_t> content) {
  DatabaseRecord record = EmptyRecord();
  const SlotLayout layout = LayoutOf(slot);
  std::copy_n(content.begin(), std::min(content.size(), layout.size), record.begin() + layout.offset);
  record[layout.flagOffset] = 1;
  return record;
}

CalculationNumber NumberOfBlock(std::span<const std::uint8_t> block) {
  return {LittleEndianAt<std::uint16_t>(block, block_offset::kNumberInstallation),
          LittleEndianAt<std::uint32_t>(block, block_offset::kNumberCount),
          block[block_offset::kNumberIndex]};
}

std::string PaddedNumber(std::uint64_t value, int digits) {
  std::string text = std::to_string(value);
  if (text.size() < static_cast<std::size_t>(digits)) text.insert(0, digits - text.size(), '0');
  return text;
}

std::string NumberText(const std::string& versionTag, const CalculationNumber& number) {
  if (versionTag == "ver3.4" || versionTag == "ver3.5") return FullNumberText(number);
  return PaddedNumber(number.installation, 2) + PaddedNumber(number.count, 5);
}

std::string FullNumberText(const CalculationNumber& number) {
  return PaddedNumber(number.installation, 2) + PaddedNumber(number.count, 5) + "-" +
         PaddedNumber(number.index, 2);
}

std::string StoredText(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t capacity,
                       bool scrambled) {
  const std::size_t length = std::min<std::size_t>(bytes[offset], capacity);
  std::string text(reinterpret_cast<const char*>(bytes.data() + offset + 1), length);
  if (scrambled) ScrambleString(std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size()));
  return Utf8From1250(text);
}

bool PutStoredText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t capacity,
                   const std::string& text, bool scrambled) {
  auto characters = To1250(text);
  if (!characters || characters->size() > capacity) return false;
  const auto field = bytes.subspan(offset, capacity + 1);
  std::fill(field.begin(), field.end(), 0);
  field[0] = static_cast<std::uint8_t>(characters->size());
  std::copy(characters->begin(), characters->end(), field.begin() + 1);
  if (scrambled) ScrambleString(field.subspan(1, characters->size()));
  return true;
}

RecordReader::RecordReader(File& file) : m_file(file), m_buffer(kRecordsPerChunk * kRecordSize) {}

const std::uint8_t* RecordReader::Next() {
  if (m_status != IoStatus::Ok) return nullptr;
  if (m_filled - m_position < kRecordSize) {
    if (m_atEnd) {
      m_trailing = m_filled - m_position;
      return nullptr;
    }
    // Keep a partial record and refill behind it.
    const std::size_t kept = m_filled - m_position;
    std::memmove(m_buffer.data(), m_buffer.data() + m_position, kept);
    std::size_t count = 0;
    m_status = m_file.Read(std::span(m_buffer).subspan(kept), count);
    if (m_status != IoStatus::Ok) return nullptr;
    m_filled = kept + count;
    m_position = 0;
    m_atEnd = m_filled < m_buffer.size();
    if (m_filled < kRecordSize) {
      m_trailing = m_filled;
      return nullptr;
    }
  }
  const std::uint8_t* record = m_buffer.data() + m_position;
  m_position += kRecordSize;
  m_delivered += kRecordSize;
  return record;
}

}  // namespace pramo
