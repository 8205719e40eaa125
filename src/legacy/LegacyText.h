#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pramo {

// How the older DOS program wrote the Czech letters into its files; the user picks one for a conversion.
enum class LegacyEncoding : std::uint8_t {
  Kamenicky = 0,  // the Kamenický code page
  Latin2 = 1,     // code page 852
  Plain = 2,      // letters without diacritics
};
inline constexpr int kLegacyEncodingCount = 3;

inline constexpr std::size_t kLegacyLetterCount = 30;

// The byte of each of the 30 Czech letters "áÁčČďĎéÉěĚíÍňŇóÓřŘšŠťŤúÚůŮýÝžŽ" (in this order) in five
// encodings: the three selectable ones (rows 0 to 2, in the order of `LegacyEncoding`), KOI8-ČS (row 3,
// never selected) and Windows-1250 (row 4, always the target).
inline constexpr std::size_t kLegacyKoi8CsRow = 3;
inline constexpr std::size_t kLegacyWindows1250Row = 4;
extern const std::array<std::array<std::uint8_t, kLegacyLetterCount>, 5> kLegacyLetterTable;

// An old text (bytes in the given encoding) as UTF-8. Bytes below 128 stay as they are; a byte of 128 or
// above that is one of the 30 letters in the encoding becomes that letter, any other becomes a blank (so
// with `Plain` every such byte is a blank). Control bytes (0..31 and 127) also become blanks: the old
// fields are padded with blanks, and a control byte in one is damage that must not reach a stored text.
std::string RecodeText(LegacyEncoding encoding, std::string_view bytes);

// The bytes of a UTF-8 text in an old encoding: the inverse of `RecodeText` for ASCII and the 30 letters;
// any other character becomes a blank.
std::string EncodeLegacyText(LegacyEncoding encoding, std::string_view utf8);

// The text without leading and trailing blanks (only the blank character counts).
std::string_view TrimBlanks(std::string_view text);

}  // namespace pramo
