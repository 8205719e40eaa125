#include "storage/IniFile.h"

#include <algorithm>
#include <cstdint>

#include "core/CodePage1250.h"

namespace pramo {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  return Trim(trimmed.substr(1, trimmed.size() - 2));
}

bool NeedsEscape(std::uint8_t byte, bool atEdge) {
  switch (byte) {
    case 0x81:
    case 0x83:
    case 0x88:
    case 0x90:
    case 0x98:  // undefined in the code page
    case 0x7F:
    case '\\':
      return true;
    case ' ':
    case '\t':
      return atEdge;
    default:
      return byte < 0x20;
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t extra = 0;
    if (lead < 0x80) {
      extra = 0;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
    } else {
      return false;
    }
    if (i + extra >= text.size() && extra > 0) return false;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

IniFile IniFile::Parse(std::string_view fileBytes) {
  if (fileBytes.substr(0, 3) == "\xEF\xBB\xBF") fileBytes.remove_prefix(3);
  const std::string text = IsValidUtf8(fileBytes) ? std::string(fileBytes) : Utf8From1250(fileBytes);
  IniFile file;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    file.m_lines.push_back(std::move(line));
    start = end + 1;
  }
  return file;
}

bool IniFile::Readable(std::string_view fileBytes) {
  const IniFile file = Parse(fileBytes);
  const auto blank = [](const std::string& line) { return Trim(line).empty(); };
  const auto section = [](const std::string& line) { return SectionName(line).has_value(); };
  return std::all_of(file.m_lines.begin(), file.m_lines.end(), blank) ||
         std::any_of(file.m_lines.begin(), file.m_lines.end(), section);
}

std::optional<std::size_t> IniFile::SectionLine(std::string_view section) const {
  for (std::size_t i = 0; i < m_lines.size(); ++i)
    if (const auto name = SectionName(m_lines[i]); name && SameName(*name, section)) return i;
  return std::nullopt;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  const auto header = SectionLine(section);
  if (!header) return std::nullopt;
  for (std::size_t i = *header + 1; i < m_lines.size() && !SectionName(m_lines[i]); ++i) {
    const std::string_view line = m_lines[i];
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || !SameName(Trim(line.substr(0, equals)), key)) continue;
    return UnescapeIniValue(Trim(line.substr(equals + 1)));
  }
  return std::nullopt;
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::string line = std::string(key) + "=" + EscapeIniValue(value);
  const auto header = SectionLine(section);
  if (!header) {
    if (!m_lines.empty() && !Trim(m_lines.back()).empty()) m_lines.emplace_back();
    std::string headerLine("[");
    headerLine.append(section).append("]");
    m_lines.push_back(std::move(headerLine));
    m_lines.push_back(line);
    return;
  }
  std::size_t insertAt = *header + 1;
  for (std::size_t i = *header + 1; i < m_lines.size() && !SectionName(m_lines[i]); ++i) {
    const std::string_view existing = m_lines[i];
    const std::size_t equals = existing.find('=');
    if (equals != std::string_view::npos && SameName(Trim(existing.substr(0, equals)), key)) {
      m_lines[i] = std::string(Trim(existing.substr(0, equals))) + "=" + EscapeIniValue(value);
      return;
    }
    if (!Trim(existing).empty()) insertAt = i + 1;
  }
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string IniFile::Serialize() const {
  std::string text;
  for (const std::string& line : m_lines) text += line + "\n";
  return text;
}

std::string EscapeIniValue(std::string_view bytes) {
  std::string escaped;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(bytes[i]);
    if (NeedsEscape(byte, i == 0 || i + 1 == bytes.size())) {
      constexpr char kHex[] = "0123456789ABCDEF";
      escaped += "\\x";
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0F];
    } else {
      escaped += static_cast<char>(byte);
    }
  }
  return Utf8From1250(escaped);
}

std::string UnescapeIniValue(std::string_view text) {
  // Back to code-page bytes first: an escape stands for one byte, whatever character the rest may be.
  const std::string bytes = To1250(text).value_or(std::string(text));
  std::string value;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x' && HexDigit(bytes[i + 2]) >= 0 &&
        HexDigit(bytes[i + 3]) >= 0) {
      value += static_cast<char>(HexDigit(bytes[i + 2]) * 16 + HexDigit(bytes[i + 3]));
      i += 3;
    } else {
      value += bytes[i];
    }
  }
  return value;
}

}  // namespace pramo
