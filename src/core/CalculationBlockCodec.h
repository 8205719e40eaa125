#pragma once

#include <span>
#include <string>

#include "core/CalculationState.h"

namespace pramo {

// The calculation block as it lies in a database record and in an export file: little-endian numbers,
// length-prefixed Windows-1250 strings of fixed capacity, five of them scrambled.
CalculationBlock EncodeBlock(const CalculationState& state);

// Reads a block. Nothing in it is trusted: a length byte beyond its capacity reads as the full capacity,
// enumeration bytes keep whatever value they hold. The block is kept in the state as its stored image.
CalculationState DecodeBlock(const CalculationBlock& block);

// XOR of every character byte with the string key; the same call scrambles and unscrambles.
void ScrambleString(std::span<std::uint8_t> characters);

// The version tag of a block, exactly as its seven bytes hold it (length byte respected).
std::string BlockVersionTag(std::span<const std::uint8_t> block);

// Whether a tag is one of the four a database may hold: "ver2.2", "ver3.3", "ver3.4", "ver3.5".
bool IsKnownVersionTag(const std::string& tag);

// Offsets of the fields the database reads without decoding a whole block.
namespace block_offset {
inline constexpr std::size_t kNumberInstallation = 947;
inline constexpr std::size_t kNumberCount = 949;
inline constexpr std::size_t kNumberIndex = 968;
inline constexpr std::size_t kResultsValid = 828;
inline constexpr std::size_t kLimitFlags = 656;
}  // namespace block_offset

}  // namespace pramo
