#include "tools/JsonWriter.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <fmt/format.h>

namespace pramo::tools {
namespace {

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void WritePair(std::uint32_t pair, char* out) {
  std::memcpy(out, kPairs + pair * 2, 2);
}

// Writes n as `count` digits (leading zeros where n has fewer) and returns where they end. Eight digits at a
// time in 32-bit pieces that do not wait on each other: the significand of a double has up to 17.
char* WriteDigits(std::uint64_t n, int count, char* out) {
  char* p = out + count;
  for (; p - out > 8; p -= 8, n /= 100000000) {
    const auto low = static_cast<std::uint32_t>(n % 100000000);
    const std::uint32_t high4 = low / 10000, low4 = low % 10000;
    WritePair(high4 / 100, p - 8);
    WritePair(high4 % 100, p - 6);
    WritePair(low4 / 100, p - 4);
    WritePair(low4 % 100, p - 2);
  }
  auto rest = static_cast<std::uint32_t>(n);
  for (; p - out > 1; p -= 2, rest /= 100) WritePair(rest % 100, p - 2);
  if (p > out) *--p = static_cast<char>('0' + rest);
  return out + count;
}

int DigitCount(std::uint64_t n) {
  static constexpr std::uint64_t kPowers[] = {1ull,
                                              10ull,
                                              100ull,
                                              1000ull,
                                              10000ull,
                                              100000ull,
                                              1000000ull,
                                              10000000ull,
                                              100000000ull,
                                              1000000000ull,
                                              10000000000ull,
                                              100000000000ull,
                                              1000000000000ull,
                                              10000000000000ull,
                                              100000000000000ull,
                                              1000000000000000ull,
                                              10000000000000000ull,
                                              100000000000000000ull,
                                              1000000000000000000ull,
                                              10000000000000000000ull};
  // 1233 / 4096 is just over log10(2): a first guess at most one too small.
  const auto guess = static_cast<std::size_t>(std::bit_width(n) * 1233 >> 12);
  return static_cast<int>(guess) + (n >= kPowers[guess] ? 1 : 0);
}

// The text std::to_chars gives a finite, non-zero double (its shortest round-trip digits, in fixed or in
// scientific notation, whichever is shorter, fixed on a tie), with ".0" after a whole number so that it
// stays a floating-point number for readers that tell integers apart. A result line holds some 250
// numbers; this takes half the time of the library's own conversion. The digits come from the Dragonbox
// conversion of libfmt (the one function of its detail namespace that the tool uses), the rest is plain
// writing.
char* FloatingPointText(double value, char* out) {
  const auto decimal = fmt::detail::dragonbox::to_decimal(value);
  const std::uint64_t significand = decimal.significand;
  const int exponent = decimal.exponent;  // value = ±significand · 10^exponent
  const int digits = DigitCount(significand);
  if (value < 0) *out++ = '-';
  const int scientificExponent = digits - 1 + exponent;
  const int exponentDigits = std::abs(scientificExponent) >= 100 ? 3 : 2;
  const int scientificLength = digits + (digits > 1 ? 1 : 0) + 2 + exponentDigits;
  const int fixedLength = exponent >= 0           ? digits + exponent
                          : digits + exponent > 0 ? digits + 1
                                                  : 2 - exponent;
  if (fixedLength <= scientificLength) {
    if (exponent >= 0) {
      // Fixed notation writes a whole number's exact digits; beyond 2^53 the shortest ones padded with zeros
      // may differ from them, and the library writes those rare numbers.
      if (std::fabs(value) >= 0x1p53) {
        out = std::to_chars(out, out + 24, std::fabs(value)).ptr;
      } else {
        out = WriteDigits(significand, digits, out);
        std::memset(out, '0', static_cast<std::size_t>(exponent));
        out += exponent;
      }
      *out++ = '.';
      *out++ = '0';
      return out;
    }
    const int whole = digits + exponent;
    if (whole > 0) {
      WriteDigits(significand, digits, out + 1);
      std::memmove(out, out + 1, static_cast<std::size_t>(whole));
      out[whole] = '.';
      return out + digits + 1;
    }
    out[0] = '0';
    out[1] = '.';
    std::memset(out + 2, '0', static_cast<std::size_t>(-whole));
    return WriteDigits(significand, digits, out + 2 - whole);
  }
  WriteDigits(significand, digits, out + 1);
  out[0] = out[1];
  if (digits > 1) {
    out[1] = '.';
    out += digits + 1;
  } else {
    out += 1;
  }
  *out++ = 'e';
  *out++ = scientificExponent < 0 ? '-' : '+';
  return WriteDigits(static_cast<std::uint64_t>(std::abs(scientificExponent)), exponentDigits, out);
}

}  // namespace

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

void JsonWriter::Clear() {
  m_out.clear();
  m_first = true;
  m_afterKey = false;
}

void JsonWriter::EndValue(std::string_view after) {
  m_out += after;
  m_first = true;
}

void JsonWriter::Key(std::string_view key) {
  // Keys are the program's own names: nothing in them needs escaping.
  Separate();
  const std::size_t at = m_out.size();
  m_out.resize(at + key.size() + 3);
  char* p = m_out.data() + at;
  *p++ = '"';
  p = std::copy(key.begin(), key.end(), p);
  *p++ = '"';
  *p = ':';
  m_afterKey = true;
}

void JsonWriter::Raw(std::string_view json) {
  Separate();
  m_out += json;
}

void JsonWriter::Repeat(std::size_t begin, std::size_t end) {
  Separate();
  m_out.append(m_out, begin, end - begin);
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
  // Formatted in place: a result writes hundreds of numbers, and a copy of each would show. At most 26
  // characters ("-1.2345678901234567e-100"; fixed notation only where it is not longer; ".0").
  constexpr std::size_t kLongest = 28;
  const std::size_t at = m_out.size();
  m_out.resize(at + kLongest);
  char* const first = m_out.data() + at;
  m_out.resize(static_cast<std::size_t>(FloatingPointText(value, first) - m_out.data()));
}

void JsonWriter::Integer(long long value) {
  Separate();
  char buffer[24];
  m_out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
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
