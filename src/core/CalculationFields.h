#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/CalculationState.h"

namespace pramo {

// The kinds of values the calculation block holds.
enum class FieldType : std::uint8_t {
  Text,    // length byte and `capacity` Windows-1250 characters
  Flag,    // one byte, 0 or 1
  Byte,    // one unsigned byte: enumerations, unit and material indices, small counts
  UInt16,  // little-endian
  UInt32,  // little-endian
  Real,    // IEEE double, little-endian
};

// The elements of one field inside a state, of its own type.
using FieldValues = std::variant<std::span<std::string>, std::span<bool>, std::span<std::uint8_t>,
                                 std::span<std::uint16_t>, std::span<std::uint32_t>, std::span<double>>;

// What values a field may hold.
enum class FieldRange : std::uint8_t {
  Any,        // every value of its type can be meant (results, texts, counts)
  List,       // an index into a list of `listSize` items; any other value is refused where a block is read
  ListAtRun,  // material indices: older versions hold indices of shorter lists that the raising of the
              // version remaps, so a value outside the list is refused by the run's preparation
  Finite,     // a real number a run takes as it is: a non-finite value cannot be meant
};

// One field of the calculation state: its name (also its JSON key), where it lies in the block and what
// it may hold. Array fields hold `count` elements of their type one after another; the fitting boxes lie
// in two places (the elements from `splitAt` on at `splitOffset`).
struct CalculationField {
  std::string_view name{};
  std::size_t offset = 0;
  FieldType type = FieldType::Real;
  FieldValues (*values)(CalculationState&) = nullptr;  // the elements of the field in a state
  std::size_t count = 1;
  FieldRange range = FieldRange::Any;
  int listSize = 0;          // List and ListAtRun: the number of items of the list
  std::size_t capacity = 0;  // Text: characters
  bool scrambled = false;    // Text: stored XOR the string key
  std::size_t splitAt = 0;   // 0: stored in one piece
  std::size_t splitOffset = 0;
};

// Every field of the state in stored order; together they cover the block but for its reserved bytes.
std::span<const CalculationField> CalculationFields();

// The field of that name, looked up in a table; nothing for an unknown name.
const CalculationField* FindCalculationField(std::string_view name);

// Bytes one element of the field takes in the block (a text: its length byte and its capacity).
std::size_t ElementWidth(const CalculationField& field);
// Where element `index` of the field lies in the block.
std::size_t ElementOffset(const CalculationField& field, std::size_t index);

// The elements of a field in a state. The const form is for reading only.
FieldValues ValuesIn(const CalculationField& field, CalculationState& state);
FieldValues ValuesIn(const CalculationField& field, const CalculationState& state);

// Whether an element value lies in the field's range as the reading of a block checks it.
bool FitsRange(const CalculationField& field, double value);

// The first field of a state holding a value it may not hold, as "name = value" (an array element as
// "name[i] = value", counted from 1); nothing when every field holds what it may.
std::optional<std::string> FieldOutOfRange(const CalculationState& state);

}  // namespace pramo
