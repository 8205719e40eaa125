#include "tools/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace pramo::tools {

void JsonWriter::Separate() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (!m_first) m_out += ',';
  m_first = false;
}

void JsonWriter::Open(char bracket) {
  Separate();
  m_out += bracket;
  m_first = true;
}

void JsonWriter::Close(char bracket) {
  m_out += bracket;
  m_first = false;
}

void JsonWriter::Key(std::string_view key) {
  // Keys are the program's own names: nothing in them needs escaping.
  Separate();
  m_out += '"';
  m_out += key;
  m_out += "\":";
  m_afterKey = true;
}

void JsonWriter::Number(double value) {
  Separate();
  if (!std::isfinite(value)) {  // JSON has no such numbers
    m_out += "null";
    return;
  }
  if (value == 0) {
    m_out += std::signbit(value) ? "-0.0" : "0.0";
    return;
  }
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  const std::string_view text(buffer, end - buffer);
  m_out += text;
  // Keep it a floating-point number for readers that tell integers apart.
  if (text.find_first_of(".e") == std::string_view::npos) m_out += ".0";
}

void JsonWriter::Integer(long long value) {
  Separate();
  m_out += std::to_string(value);
}

void JsonWriter::Boolean(bool value) {
  Separate();
  m_out += value ? "true" : "false";
}

void JsonWriter::String(std::string_view text) {
  Separate();
  m_out += '"';
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        m_out += "\\\"";
        break;
      case '\\':
        m_out += "\\\\";
        break;
      case '\n':
        m_out += "\\n";
        break;
      case '\r':
        m_out += "\\r";
        break;
      case '\t':
        m_out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          m_out += "\\u00";
          m_out += kHex[byte >> 4];
          m_out += kHex[byte & 0xF];
        } else {
          m_out += c;
        }
    }
  }
  m_out += '"';
}

}  // namespace pramo::tools
