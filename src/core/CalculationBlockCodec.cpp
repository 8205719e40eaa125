#include "core/CalculationBlockCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/CalculationFields.h"
#include "core/CodePage1250.h"

namespace pramo {
namespace {

constexpr std::uint8_t kStringKey = 0x5B;

std::string ReadText(const CalculationBlock& block, std::size_t offset, std::size_t capacity,
                     bool scrambled) {
  const std::size_t length = std::min<std::size_t>(block[offset], capacity);
  std::string bytes(reinterpret_cast<const char*>(block.data() + offset + 1), length);
  if (scrambled)
    for (char& c : bytes) c = static_cast<char>(static_cast<std::uint8_t>(c) ^ kStringKey);
  return Utf8From1250(bytes);
}

template <class T>
T ReadNumber(const CalculationBlock& block, std::size_t offset) {
  std::uint8_t bytes[sizeof(T)];
  std::copy_n(block.begin() + offset, sizeof(T), bytes);  // little-endian on disk
  if constexpr (std::endian::native == std::endian::big) std::reverse(std::begin(bytes), std::end(bytes));
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

template <class T>
void WriteNumber(CalculationBlock& block, std::size_t offset, T value) {
  std::uint8_t bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  if constexpr (std::endian::native == std::endian::big) std::reverse(std::begin(bytes), std::end(bytes));
  std::copy(std::begin(bytes), std::end(bytes), block.begin() + offset);
}

void WriteText(CalculationBlock& block, std::size_t offset, std::size_t capacity, bool scrambled,
               const std::string& value) {
  if (ReadText(block, offset, capacity, scrambled) == value) return;
  // Texts are checked for the code page when they are entered; anything that still cannot be held is
  // cut at the first such character rather than written wrongly.
  std::string bytes;
  for (std::size_t n = CharacterCount(value); n > 0; --n) {
    if (auto encoded = To1250(FirstCharacters(value, n))) {
      bytes = std::move(*encoded);
      break;
    }
  }
  if (bytes.size() > capacity) bytes.resize(capacity);
  block[offset] = static_cast<std::uint8_t>(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(bytes[i]);
    block[offset + 1 + i] = scrambled ? b ^ kStringKey : b;
  }
}

void ReadElement(const CalculationBlock& block, const CalculationField& field, std::size_t at,
                 std::string& value) {
  value = ReadText(block, at, field.capacity, field.scrambled);
}
void ReadElement(const CalculationBlock& block, const CalculationField&, std::size_t at, bool& value) {
  value = block[at] != 0;
}
template <class T>
void ReadElement(const CalculationBlock& block, const CalculationField&, std::size_t at, T& value) {
  value = ReadNumber<T>(block, at);
}

// A field whose image already reads as the same value is left alone, so an unchanged block is written
// back byte for byte whatever odd bytes it held.
void WriteElement(CalculationBlock& block, const CalculationField& field, std::size_t at,
                  const std::string& value) {
  WriteText(block, at, field.capacity, field.scrambled, value);
}
void WriteElement(CalculationBlock& block, const CalculationField&, std::size_t at, bool value) {
  if ((block[at] != 0) != value) block[at] = value ? 1 : 0;
}
template <class T>
void WriteElement(CalculationBlock& block, const CalculationField&, std::size_t at, T value) {
  WriteNumber(block, at, value);
}

}  // namespace

CalculationBlock EncodeBlock(const CalculationState& state) {
  CalculationBlock block = state.StoredImage;
  for (const CalculationField& field : CalculationFields())
    std::visit(
        [&](auto elements) {
          for (std::size_t i = 0; i < elements.size(); ++i)
            WriteElement(block, field, ElementOffset(field, i), elements[i]);
        },
        ValuesIn(field, state));
  return block;
}

CalculationState DecodeBlock(const CalculationBlock& block) {
  CalculationState state;
  for (const CalculationField& field : CalculationFields())
    std::visit(
        [&](auto elements) {
          for (std::size_t i = 0; i < elements.size(); ++i)
            ReadElement(block, field, ElementOffset(field, i), elements[i]);
        },
        ValuesIn(field, state));
  state.StoredImage = block;
  return state;
}

void ScrambleString(std::span<std::uint8_t> characters) {
  for (auto& c : characters) c ^= kStringKey;
}

std::string BlockVersionTag(std::span<const std::uint8_t> block) {
  if (block.size() < kVersionTagCapacity + 1) return {};
  const std::size_t length = std::min<std::size_t>(block[0], kVersionTagCapacity);
  return std::string(reinterpret_cast<const char*>(block.data() + 1), length);
}

bool IsKnownVersionTag(const std::string& tag) {
  return tag == "ver2.2" || tag == "ver3.3" || tag == "ver3.4" || tag == "ver3.5";
}

}  // namespace pramo
