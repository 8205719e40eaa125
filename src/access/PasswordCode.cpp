#include "access/PasswordCode.h"

namespace pramo {
namespace {

constexpr std::uint16_t kPasswordFiller = 20;
constexpr std::size_t kLoginPeriod = 5;
constexpr std::uint8_t kAdminKey = 0x6E;

std::uint16_t CodeOf(char c) {
  return static_cast<std::uint8_t>(c);
}

}  // namespace

PasswordCodeValues PasswordCode(std::string_view loginBytes, std::string_view passwordBytes) {
  PasswordCodeValues code{};
  for (std::size_t i = 1; i <= kPasswordCodeLength; ++i) {
    const std::size_t loginPosition = i % kLoginPeriod;
    const std::uint16_t login =
        loginPosition != 0 && loginPosition <= loginBytes.size() ? CodeOf(loginBytes[loginPosition - 1]) : 0;
    const std::uint16_t password = i <= passwordBytes.size() ? CodeOf(passwordBytes[i - 1]) : kPasswordFiller;
    code[i - 1] = static_cast<std::uint16_t>(login + password);
  }
  return code;
}

std::string AdminPasswordTransform(std::string_view passwordBytes, std::string_view keyBytes) {
  std::string text;
  text.reserve(2 * passwordBytes.size());
  const std::size_t keyLength = keyBytes.size();
  for (std::size_t i = 1; i <= passwordBytes.size(); ++i) {
    text += static_cast<char>(static_cast<std::uint8_t>(passwordBytes[i - 1]) ^ kAdminKey);
    const std::size_t keyPosition = keyLength == 0 ? 0 : i % keyLength;
    const std::uint8_t key = keyPosition == 0 ? 0 : static_cast<std::uint8_t>(keyBytes[keyPosition - 1]);
    text += static_cast<char>(key ^ kAdminKey);
  }
  return text;
}

}  // namespace pramo
