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

namespace {

// The length of the well-formed UTF-8 sequence that starts at text[i], 0 when it is none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

void JsonWriter::String(std::string_view text) {
  Separate();
  m_out += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
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
        } else if (byte < 0x80) {
          m_out += c;
        } else if (const std::size_t length = Utf8SequenceLength(text, i)) {
          m_out.append(text.substr(i, length));
          i += length - 1;
        } else {
          // A byte of no character (an echo of broken input): JSON text must stay UTF-8.
          m_out += "\\ufffd";
        }
    }
  }
  m_out += '"';
}

}  // namespace pramo::tools
