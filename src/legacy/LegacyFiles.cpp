#include "legacy/LegacyFiles.h"

#include <system_error>

#include "strings/legacy.h"

namespace pramo {

bool LegacyRecordFile::Open(const std::filesystem::path& path) {
  Close();
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size < kLegacyHeaderSize) return false;
  m_stream.open(path, std::ios::binary);
  if (!m_stream || !m_stream.seekg(static_cast<std::streamoff>(kLegacyHeaderSize))) {
    Close();
    return false;
  }
  m_recordCount = static_cast<std::size_t>((size - kLegacyHeaderSize) / m_recordSize);
  m_trailingBytes = static_cast<std::size_t>((size - kLegacyHeaderSize) % m_recordSize);
  return true;
}

void LegacyRecordFile::Close() {
  m_stream.close();
  m_stream.clear();
  m_recordCount = m_trailingBytes = m_recordsRead = 0;
  m_failed = false;
}

bool LegacyRecordFile::Next(std::span<std::uint8_t> record) {
  if (m_failed || m_recordsRead >= m_recordCount || record.size() != m_recordSize) return false;
  m_stream.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(m_recordSize));
  if (static_cast<std::size_t>(m_stream.gcount()) != m_recordSize) {
    m_failed = true;
    return false;
  }
  ++m_recordsRead;
  return true;
}

void LegacyCompanies::Add(std::string number, std::string name) {
  m_firstPosition.try_emplace(number, m_numbers.size());
  m_numbers.push_back(std::move(number));
  m_names.push_back(std::move(name));
}

void LegacyCompanies::Clear() {
  m_numbers.clear();
  m_names.clear();
  m_firstPosition.clear();
}

std::optional<std::size_t> LegacyCompanies::Find(const std::string& number) const {
  const auto it = m_firstPosition.find(number);
  if (it == m_firstPosition.end()) return std::nullopt;
  return it->second;
}

std::string LegacyField(LegacyEncoding encoding, std::span<const std::uint8_t> bytes) {
  const std::string text =
      RecodeText(encoding, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return std::string(TrimBlanks(text));
}

namespace {

namespace company_offset {
constexpr std::size_t kName = 1;
constexpr std::size_t kNameWidth = 30;
constexpr std::size_t kNumber = 116;
constexpr std::size_t kNumberWidth = 9;
}  // namespace company_offset

}  // namespace

bool ReadLegacyCompanies(const std::filesystem::path& path, LegacyEncoding encoding,
                         LegacyCompanies& companies, Messages& messages) {
  companies.Clear();
  if (path.empty()) return true;
  LegacyRecordFile file(kLegacyCompanyRecordSize);
  bool ok = file.Open(path);
  if (ok) {
    std::vector<std::uint8_t> record(kLegacyCompanyRecordSize);
    const std::span<const std::uint8_t> bytes(record);
    while (file.Next(record)) {
      std::string name =
          LegacyField(encoding, bytes.subspan(company_offset::kName, company_offset::kNameWidth));
      std::string number =
          LegacyField(encoding, bytes.subspan(company_offset::kNumber, company_offset::kNumberWidth));
      if (!name.empty() && !number.empty()) companies.Add(std::move(number), std::move(name));
    }
    ok = !file.Failed();
  }
  if (!ok) Tell(messages, MessageKind::Error, str::kLegacyCompaniesReadFailed);
  return ok;
}

}  // namespace pramo
