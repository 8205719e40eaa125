#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pramo {

// What a user slot keeps instead of the password. Databases of earlier versions hold these values, so
// they are formed exactly as those versions formed them. They are no protection: whoever can read the
// file can find a password from them.
inline constexpr std::size_t kPasswordCodeLength = 25;
using PasswordCodeValues = std::array<std::uint16_t, kPasswordCodeLength>;

// The code of a login name and a password, both as Windows-1250 bytes. Position i (from 1) holds the
// character code of the login name's (i mod 5)-th character (0 at every fifth position, and past the end of
// a shorter name) plus the password's i-th character code, or plus 20 past the end of the password. Only
// the first four characters of the login name and the first 25 of the password enter.
PasswordCodeValues PasswordCode(std::string_view loginBytes, std::string_view passwordBytes);

// The administrator password as the configuration keeps it: for every character of the password (bytes
// of the code page) two bytes, the character XOR 0x6E and then the key's (i mod L)-th character XOR 0x6E,
// or 0x6E at every L-th position, with L the length of the key. The key is the administrator's login name.
// Like the password code, an obfuscation that earlier versions' configuration files depend on.
std::string AdminPasswordTransform(std::string_view passwordBytes, std::string_view keyBytes);

}  // namespace pramo
