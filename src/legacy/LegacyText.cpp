#include "legacy/LegacyText.h"

#include <algorithm>

#include "core/CodePage1250.h"

namespace pramo {

const std::array<std::array<std::uint8_t, kLegacyLetterCount>, 5> kLegacyLetterTable = {{
    // Kamenický
    {0xA0, 0x8F, 0x87, 0x80, 0x83, 0x85, 0x82, 0x90, 0x88, 0x89, 0xA1, 0x8B, 0xA4, 0xA5, 0xA2,
     0x95, 0xA9, 0x9E, 0xA8, 0x9B, 0x9F, 0x86, 0xA3, 0x97, 0x96, 0xA6, 0x98, 0x9D, 0x91, 0x92},
    // code page 852
    {0xA0, 0xB5, 0x9F, 0xAC, 0xD4, 0xD2, 0x82, 0x90, 0xD8, 0xB7, 0xA1, 0xD6, 0xE5, 0xD5, 0xA2,
     0xE0, 0xFD, 0xFC, 0xE7, 0xE6, 0x9C, 0x9B, 0xA3, 0xE9, 0x85, 0xDE, 0xEC, 0xED, 0xA7, 0xA6},
    // plain letters
    {'a', 'A', 'c', 'C', 'd', 'D', 'e', 'E', 'e', 'E', 'i', 'I', 'n', 'N', 'o',
     'O', 'r', 'R', 's', 'S', 't', 'T', 'u', 'U', 'u', 'U', 'y', 'Y', 'z', 'Z'},
    // KOI8-ČS
    {0xC1, 0xE1, 0xC3, 0xE3, 0xC4, 0xE4, 0xD7, 0xF7, 0xC5, 0xE5, 0xC9, 0xE9, 0xCE, 0xEE, 0xCF,
     0xEF, 0xD2, 0xF2, 0xD3, 0xF3, 0xD4, 0xF4, 0xD5, 0xF5, 0xCA, 0xEA, 0xD9, 0xF9, 0xDA, 0xFA},
    // Windows-1250
    {0xE1, 0xC1, 0xE8, 0xC8, 0xEF, 0xCF, 0xE9, 0xC9, 0xEC, 0xCC, 0xED, 0xCD, 0xF2, 0xD2, 0xF3,
     0xD3, 0xF8, 0xD8, 0x9A, 0x8A, 0x9D, 0x8D, 0xFA, 0xDA, 0xF9, 0xD9, 0xFD, 0xDD, 0x9E, 0x8E},
}};

namespace {

using ByteMap = std::array<std::uint8_t, 256>;

// Byte of an old encoding -> Windows-1250 byte, built once per encoding from the letter table.
ByteMap BuildDecodingMap(std::size_t row) {
  ByteMap map{};
  for (int b = 0; b < 256; ++b) map[b] = b >= 0x20 && b < 0x7F ? b : ' ';  // control bytes too
  for (std::size_t j = 0; j < kLegacyLetterCount; ++j) {
    const std::uint8_t from = kLegacyLetterTable[row][j];
    if (from >= 0x80) map[from] = kLegacyLetterTable[kLegacyWindows1250Row][j];
  }
  return map;
}

// Windows-1250 byte -> byte of an old encoding.
ByteMap BuildEncodingMap(std::size_t row) {
  ByteMap map{};
  for (int b = 0; b < 256; ++b) map[b] = b < 0x80 ? b : ' ';
  for (std::size_t j = 0; j < kLegacyLetterCount; ++j) {
    map[kLegacyLetterTable[kLegacyWindows1250Row][j]] = kLegacyLetterTable[row][j];
  }
  return map;
}

template <ByteMap (*Build)(std::size_t)>
const ByteMap& MapFor(LegacyEncoding encoding) {
  static const std::array<ByteMap, kLegacyEncodingCount> maps = {Build(0), Build(1), Build(2)};
  const auto row = static_cast<std::size_t>(encoding);
  return maps[row < maps.size() ? row : static_cast<std::size_t>(LegacyEncoding::Plain)];
}

}  // namespace

std::string RecodeText(LegacyEncoding encoding, std::string_view bytes) {
  const ByteMap& map = MapFor<BuildDecodingMap>(encoding);
  std::string cp1250(bytes.size(), ' ');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    cp1250[i] = static_cast<char>(map[static_cast<std::uint8_t>(bytes[i])]);
  }
  return Utf8From1250(cp1250);
}

std::string EncodeLegacyText(LegacyEncoding encoding, std::string_view utf8) {
  const ByteMap& map = MapFor<BuildEncodingMap>(encoding);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    // One character at a time, so that a character outside Windows-1250 costs one blank, not the text.
    std::size_t length = 1;
    const auto lead = static_cast<std::uint8_t>(utf8[pos]);
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    length = std::min(length, utf8.size() - pos);
    const auto cp1250 = To1250(utf8.substr(pos, length));
    out +=
        cp1250 && cp1250->size() == 1 ? static_cast<char>(map[static_cast<std::uint8_t>((*cp1250)[0])]) : ' ';
    pos += length;
  }
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace pramo
