#include "access/PasswordCode.h"

#include <gtest/gtest.h>

#include "access/Login.h"
#include "core/CodePage1250.h"

namespace pramo {
namespace {

std::string Bytes(const std::string& utf8) {
  return To1250(utf8).value();
}

// Reference values worked out by hand from the definition: c[i] = n(i) + password[i] for i <= k and
// n(i) + 20 beyond, n(i) the (i mod 5)-th character of the login name and 0 at every fifth position.
TEST(PasswordCode, MatchesTheDefinitionValueForValue) {
  // "karel1": k 107, a 97, r 114, e 101. "heslo": h 104, e 101, s 115, l 108, o 111.
  const PasswordCodeValues expected{211, 198, 229, 209, 111, 127, 117, 134, 121, 20,  127, 117, 134,
                                    121, 20,  127, 117, 134, 121, 20,  127, 117, 134, 121, 20};
  EXPECT_EQ(PasswordCode("karel1", "heslo"), expected);
}

TEST(PasswordCode, CzechLettersTakeTheirCodePageCodesAndExceed255) {
  // "Šárka": Š 0x8A, á 0xE1, r 114, k 107. "žluťoučký": ž 0x9E, l, u, ť 0x9D, o, u, č 0xE8, k, ý 0xFD.
  const PasswordCodeValues code = PasswordCode(Bytes("Šárka"), Bytes("žluťoučký"));
  const PasswordCodeValues expected{
      138 + 158, 225 + 108, 114 + 117, 107 + 157, 0 + 111,  138 + 117, 225 + 232, 114 + 107, 107 + 253,
      0 + 20,    138 + 20,  225 + 20,  114 + 20,  107 + 20, 20,        138 + 20,  225 + 20,  114 + 20,
      107 + 20,  20,        138 + 20,  225 + 20,  114 + 20, 107 + 20,  20};
  EXPECT_EQ(code, expected);
}

TEST(PasswordCode, PasswordLengthsAtTheLimits) {
  const std::string login = "novak";  // n 110, o 111, v 118, a 97
  const std::uint16_t n[5] = {0, 110, 111, 118, 97};
  // 25 characters: every value from the password.
  const std::string full = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  PasswordCodeValues code = PasswordCode(login, full);
  for (std::size_t i = 1; i <= 25; ++i) EXPECT_EQ(code[i - 1], n[i % 5] + full[i - 1]) << i;
  // 5 characters: c[6..25] from the login name and 20 alone.
  code = PasswordCode(login, "ABCDE");
  for (std::size_t i = 6; i <= 25; ++i) EXPECT_EQ(code[i - 1], n[i % 5] + 20) << i;
  // 4 characters: the fifth value already takes the filler.
  EXPECT_EQ(PasswordCode(login, "ABCD")[4], 20);
  // A 26th character never enters.
  EXPECT_EQ(PasswordCode(login, full + "Z"), PasswordCode(login, full));
}

TEST(PasswordCode, OnlyTheFirstFourCharactersOfTheLoginEnter) {
  EXPECT_EQ(PasswordCode("karel1", "tajne heslo"), PasswordCode("karel2", "tajne heslo"));
  EXPECT_EQ(PasswordCode("karel", "tajne heslo"), PasswordCode("kareldlouhy", "tajne heslo"));
  // Differing in the fourth character: only c[4], c[9], c[14], c[19], c[24] differ, by the difference.
  const PasswordCodeValues a = PasswordCode("karel", "tajne heslo"), b = PasswordCode("karol", "tajne heslo");
  for (std::size_t i = 1; i <= 25; ++i) {
    if (i % 5 == 4)
      EXPECT_EQ(b[i - 1] - a[i - 1], 'o' - 'e') << i;
    else
      EXPECT_EQ(a[i - 1], b[i - 1]) << i;
  }
}

TEST(AdminPasswordTransform, InterleavesThePasswordWithTheKey) {
  // h^6E 06, a^6E 0F, e 0B, d 0A, s 1D, m 03, l 02, i 07, o 01, at the fifth position 6E, 1 5F, a 0F.
  const std::string expected{'\x06', '\x0F', '\x0B', '\x0A', '\x1D', '\x03',
                             '\x02', '\x07', '\x01', '\x6E', '\x5F', '\x0F'};
  EXPECT_EQ(AdminPasswordTransform("heslo1", "admin"), expected);
  EXPECT_EQ(AdminPasswordTransform("", "admin"), "");
  // The character 'n' becomes the byte 0, which is kept.
  EXPECT_EQ(AdminPasswordTransform("n", "admin"), std::string("\0\x0F", 2));
  // A Czech letter: ř is 0xF8 in the code page.
  EXPECT_EQ(AdminPasswordTransform(Bytes("ř"), "admin"), std::string("\x96\x0F"));
}

TEST(AdminPasswordTransform, FollowsTheAdministratorLoginText) {
  // The configuration's form of a password of the program's administrator ("admin").
  EXPECT_EQ(AdministratorPasswordCode("heslo1"), AdminPasswordTransform("heslo1", "admin"));
  EXPECT_EQ(AdministratorPasswordCode("Жheslo"), std::nullopt);
  // A key of another length repeats with its own period.
  EXPECT_EQ(AdminPasswordTransform("abc", "xy"), std::string("\x0F\x16\x0C\x6E\x0D\x16"));
}

}  // namespace
}  // namespace pramo
