#include "legacy/LegacyText.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "core/CodePage1250.h"

namespace pramo {
namespace {

constexpr std::string_view kLetters = "áÁčČďĎéÉěĚíÍňŇóÓřŘšŠťŤúÚůŮýÝžŽ";
constexpr std::string_view kSentence = "Příliš žluťoučký kůň úpěl ďábelské ódy";
constexpr std::string_view kSentenceCapitals = "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY";

// The sentences as the old program wrote them (byte values of the Kamenický and 852 code page tables).
constexpr std::string_view kSentenceKamenicky =
    "P\xA9\xA1li\xA8 \x91lu\x9Fou\x87k\x98 k\x96\xA4 \xA3p\x88l \x83\xA0\x62\x65lsk\x82 \xA2\x64y";
constexpr std::string_view kCapitalsKamenicky =
    "P\x9E\x8BLI\x9B \x92LU\x86OU\x80K\x9D K\xA6\xA5 \x97P\x89L \x85\x8F\x42\x45LSK\x90 \x95\x44Y";
constexpr std::string_view kSentence852 =
    "P\xFD\xA1li\xE7 \xA7lu\x9Cou\x9Fk\xEC k\x85\xE5 \xA3p\xD8l \xD4\xA0\x62\x65lsk\x82 \xA2\x64y";
constexpr std::string_view kCapitals852 =
    "P\xFC\xD6LI\xE6 \xA6LU\x9BOU\xACK\xED K\xDE\xD5 \xE9P\xB7L \xD2\xB5\x42\x45LSK\x90 \xE0\x44Y";

TEST(RecodeText, CzechSentenceInEveryEncoding) {
  EXPECT_EQ(RecodeText(LegacyEncoding::Kamenicky, kSentenceKamenicky), kSentence);
  EXPECT_EQ(RecodeText(LegacyEncoding::Kamenicky, kCapitalsKamenicky), kSentenceCapitals);
  EXPECT_EQ(RecodeText(LegacyEncoding::Latin2, kSentence852), kSentence);
  EXPECT_EQ(RecodeText(LegacyEncoding::Latin2, kCapitals852), kSentenceCapitals);
  EXPECT_EQ(RecodeText(LegacyEncoding::Plain, "Prilis zlutoucky kun upel dabelske ody"),
            "Prilis zlutoucky kun upel dabelske ody");
}

TEST(RecodeText, WrongEncodingGivesBlanksOrOtherLettersButNeverBrokenText) {
  // A text in 852 read as Kamenický: letters that the other code page puts elsewhere are lost, but the
  // result is valid text that the database can store.
  const std::string text = RecodeText(LegacyEncoding::Kamenicky, kSentence852);
  EXPECT_EQ(CharacterCount(text), kSentence852.size());
  EXPECT_TRUE(To1250(text).has_value());
  EXPECT_EQ(text.substr(0, 1), "P");
}

TEST(RecodeText, PlainLettersTurnEveryHighByteIntoABlank) {
  EXPECT_EQ(RecodeText(LegacyEncoding::Plain, kSentence852), "P  li   lu ou k  k    p l   belsk   dy");
  for (int b = 0x80; b < 0x100; ++b) {
    EXPECT_EQ(RecodeText(LegacyEncoding::Plain, std::string(1, static_cast<char>(b))), " ") << b;
  }
}

TEST(RecodeText, EachOfTheThirtyLettersInEachSelectableEncoding) {
  const std::string letters1250 = *To1250(kLetters);
  for (int row = 0; row < 2; ++row) {
    for (std::size_t j = 0; j < kLegacyLetterCount; ++j) {
      const char byte = static_cast<char>(kLegacyLetterTable[row][j]);
      EXPECT_EQ(RecodeText(static_cast<LegacyEncoding>(row), std::string(1, byte)),
                Utf8From1250(letters1250.substr(j, 1)))
          << "row " << row << " letter " << j;
    }
  }
}

TEST(RecodeText, TableRowsAreTheLettersOfTheirEncodings) {
  // Row 4 is Windows-1250, the code page of the stored texts; row 2 the letters without diacritics.
  const std::string letters1250 = *To1250(kLetters);
  for (std::size_t j = 0; j < kLegacyLetterCount; ++j) {
    EXPECT_EQ(kLegacyLetterTable[kLegacyWindows1250Row][j], static_cast<std::uint8_t>(letters1250[j])) << j;
  }
  EXPECT_EQ(std::string(kLegacyLetterTable[2].begin(), kLegacyLetterTable[2].end()),
            "aAcCdDeEeEiInNoOrRsStTuUuUyYzZ");
  // Every row of a real code page names 30 different bytes of the upper half.
  for (std::size_t row : {std::size_t{0}, std::size_t{1}, kLegacyKoi8CsRow, kLegacyWindows1250Row}) {
    const std::set<std::uint8_t> bytes(kLegacyLetterTable[row].begin(), kLegacyLetterTable[row].end());
    EXPECT_EQ(bytes.size(), kLegacyLetterCount) << row;
    EXPECT_GE(*bytes.begin(), 0x80) << row;
  }
}

TEST(RecodeText, OnlyTheThirtyLettersOfTheUpperHalfAreKnown) {
  for (auto encoding : {LegacyEncoding::Kamenicky, LegacyEncoding::Latin2}) {
    int known = 0;
    for (int b = 0x80; b < 0x100; ++b) {
      if (RecodeText(encoding, std::string(1, static_cast<char>(b))) != " ") ++known;
    }
    EXPECT_EQ(known, 30);
  }
}

TEST(RecodeText, AsciiStaysControlBytesBecomeBlanks) {
  std::string ascii;
  for (int b = 0x20; b < 0x7F; ++b) ascii += static_cast<char>(b);
  for (auto encoding : {LegacyEncoding::Kamenicky, LegacyEncoding::Latin2, LegacyEncoding::Plain}) {
    EXPECT_EQ(RecodeText(encoding, ascii), ascii);
    EXPECT_EQ(RecodeText(encoding, std::string("a\0b\tc\x1F\x7F", 7)), "a b c  ");
  }
}

TEST(RecodeText, AnyBytesGiveTextTheDatabaseCanStore) {
  std::string all;
  for (int b = 0; b < 0x100; ++b) all += static_cast<char>(b);
  for (auto encoding : {LegacyEncoding::Kamenicky, LegacyEncoding::Latin2, LegacyEncoding::Plain}) {
    const std::string text = RecodeText(encoding, all);
    EXPECT_EQ(CharacterCount(text), 256u);
    const auto stored = To1250(text);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->size(), 256u);
  }
}

TEST(EncodeLegacyText, IsTheInverseForTheCzechLetters) {
  EXPECT_EQ(EncodeLegacyText(LegacyEncoding::Kamenicky, kSentence), kSentenceKamenicky);
  EXPECT_EQ(EncodeLegacyText(LegacyEncoding::Latin2, kSentenceCapitals), kCapitals852);
  EXPECT_EQ(EncodeLegacyText(LegacyEncoding::Plain, kSentenceCapitals),
            "PRILIS ZLUTOUCKY KUN UPEL DABELSKE ODY");
  // Characters outside the 30 letters and ASCII take one blank each.
  EXPECT_EQ(EncodeLegacyText(LegacyEncoding::Latin2, "a€ä✓b"), "a   b");
}

TEST(TrimBlanks, OnlyBlanksAreTrimmed) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("     "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
}

}  // namespace
}  // namespace pramo
