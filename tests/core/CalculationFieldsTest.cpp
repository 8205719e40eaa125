#include "core/CalculationFields.h"

#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "core/CalculationBlockCodec.h"

namespace pramo {
namespace {

// A block whose one byte (or double) is set, read back and checked.
std::optional<std::string> FaultWithByte(std::size_t offset, std::uint8_t value) {
  CalculationBlock block = EncodeBlock(CalculationState{});
  block[offset] = value;
  return FieldOutOfRange(DecodeBlock(block));
}

TEST(CalculationFields, EveryListIndexOutsideItsListIsNamedAndEveryItemPasses) {
  const CalculationState defaults;
  ASSERT_EQ(FieldOutOfRange(defaults), std::nullopt);
  int lists = 0;
  for (const CalculationField& field : CalculationFields()) {
    if (field.range != FieldRange::List) continue;
    ++lists;
    const std::size_t at = ElementOffset(field, 0);
    for (int item = 0; item < field.listSize; ++item)
      EXPECT_EQ(FaultWithByte(at, static_cast<std::uint8_t>(item)), std::nullopt) << field.name;
    EXPECT_EQ(FaultWithByte(at, static_cast<std::uint8_t>(field.listSize)),
              std::string(field.name) + " = " + std::to_string(field.listSize));
    EXPECT_EQ(FaultWithByte(at, 200), std::string(field.name) + " = 200");
  }
  // Kind, element, fluid, flow unit kind and the ten unit indices (the four of the reference conditions).
  EXPECT_EQ(lists, 14);
}

TEST(CalculationFields, NonFiniteSettingsAreNamedWhileResultsAndMaterialsAreLeftToTheRun) {
  const struct {
    const char* field;
    std::size_t offset;
    double value;
    std::optional<std::string> fault;
  } rows[] = {
      {"BarometricPressure", 319, std::numeric_limits<double>::quiet_NaN(), "BarometricPressure = NaN"},
      {"DpSeries", 159 + 8 * 4, std::numeric_limits<double>::infinity(), "DpSeries[5] = inf"},
      {"CascadeRange", 263 + 8 * 2, -std::numeric_limits<double>::infinity(), "CascadeRange[3] = -inf"},
      {"Date", 953, std::numeric_limits<double>::quiet_NaN(), "Date = NaN"},
      {"Bore", 592, std::numeric_limits<double>::quiet_NaN(), std::nullopt},  // a result
  };
  for (const auto& row : rows) {
    CalculationBlock block = EncodeBlock(CalculationState{});
    std::memcpy(block.data() + row.offset, &row.value, sizeof row.value);
    EXPECT_EQ(FieldOutOfRange(DecodeBlock(block)), row.fault) << row.field;
  }
  EXPECT_EQ(FaultWithByte(131, 19), std::nullopt);  // ElementMaterial: Prepare refuses it
  EXPECT_EQ(FaultWithByte(132, 255), std::nullopt);
}

TEST(CalculationFields, NamesAreFoundAndUnique) {
  for (const CalculationField& field : CalculationFields())
    EXPECT_EQ(FindCalculationField(field.name), &field);
  EXPECT_EQ(FindCalculationField("Nothing"), nullptr);
  EXPECT_EQ(ElementOffset(*FindCalculationField("Fittings"), 11), 972u);
}

}  // namespace
}  // namespace pramo
