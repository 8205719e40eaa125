#include "app/SettingsDialogs.h"

#include <gtest/gtest.h>

#include "strings/app.h"
#include "support/MessageIds.h"

namespace pramo {
namespace {

using test::MessageIds;

class Settings : public testing::Test {
 protected:
  MessageRecorder recorder;
  CalculationState state;
};

TEST_F(Settings, ValuePromptsShowTheStoredValueInTheirFormat) {
  const ValuePrompt accuracy = ValuePromptFor(ValuePurpose::DpTransmitterAccuracy, state, ',');
  EXPECT_EQ(accuracy.label, "Zadejte přesnost snímače tlakové diference.");
  EXPECT_EQ(accuracy.unit, "%");
  EXPECT_EQ(accuracy.text, "0,200");
  EXPECT_EQ(ValuePromptFor(ValuePurpose::DensityAccuracy, state).text, "1.00");
  const ValuePrompt barometric = ValuePromptFor(ValuePurpose::BarometricPressure, state);
  EXPECT_EQ(barometric.unit, "Pa");
  EXPECT_EQ(barometric.text, "101325.00");
  state.BarometricPressure = 5;
  EXPECT_EQ(ValuePromptFor(ValuePurpose::BarometricPressure, state).text, "    5.00");
  EXPECT_EQ(StandardValueText(ValuePurpose::DpTransmitterAccuracy), "0.200");
  EXPECT_EQ(StandardValueText(ValuePurpose::BarometricPressure, ','), "101325,00");
}

TEST_F(Settings, TransmitterAccuracyHasALowerLimit) {
  EXPECT_EQ(AcceptValue(ValuePurpose::DpTransmitterAccuracy, "0.00005", state, recorder),
            ValueAnswer::Refused);
  EXPECT_EQ(state.DpTransmitterAccuracy, 0.2);
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kAccuracyTooSmall.id});
  EXPECT_EQ(recorder.Shown()[0].kind, MessageKind::Warning);
  EXPECT_EQ(AcceptValue(ValuePurpose::DpTransmitterAccuracy, "0,0001", state, recorder), ValueAnswer::Stored);
  EXPECT_EQ(state.DpTransmitterAccuracy, 0.0001);
  // The other purposes take any number, a decimal comma included.
  EXPECT_EQ(AcceptValue(ValuePurpose::DensityAccuracy, "0", state, recorder), ValueAnswer::Stored);
  EXPECT_EQ(AcceptValue(ValuePurpose::BarometricPressure, " 98066,5 ", state, recorder), ValueAnswer::Stored);
  EXPECT_EQ(state.BarometricPressure, 98066.5);
}

TEST_F(Settings, TextThatIsNoNumberIsRefusedWithAnError) {
  for (const char* text : {"", "abc", "1.2.3", "12 Pa"}) {
    recorder.Clear();
    EXPECT_EQ(AcceptValue(ValuePurpose::DensityAccuracy, text, state, recorder), ValueAnswer::NotANumber);
    EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kNumberExpected.id}) << text;
    EXPECT_EQ(recorder.Shown()[0].kind, MessageKind::Error);
  }
  EXPECT_EQ(state.DensityAccuracy, 1.0);
}

TEST_F(Settings, ReferenceConditionsStoreEnteredUnitAndBaseValue) {
  const ReferenceAnswer answer = AcceptReference(ReferencePurpose::Flow, "1", 5, "68", 2, state, recorder);
  EXPECT_TRUE(answer.Complete());
  EXPECT_EQ(state.FlowRefPressureEntered, 1);
  EXPECT_EQ(state.FlowRefPressureUnit, 5);
  EXPECT_EQ(state.FlowRefPressure, 100000);
  EXPECT_EQ(state.FlowRefTemperatureEntered, 68);
  EXPECT_EQ(state.FlowRefTemperatureUnit, 2);
  EXPECT_DOUBLE_EQ(state.FlowRefTemperature, 20);
  EXPECT_EQ(state.DensityRefPressure, 101325);  // the other condition stays
  EXPECT_TRUE(recorder.Shown().empty());

  const ReferenceTexts texts = ReferenceTextsOf(ReferencePurpose::Flow, state);
  EXPECT_EQ(texts.heading, "Vztažné podmínky - průtok");
  EXPECT_EQ(texts.pressure, "1");
  EXPECT_EQ(texts.pressureUnit, 5);
  EXPECT_EQ(texts.temperature, "68");
  EXPECT_EQ(ReferenceTextsOf(ReferencePurpose::Density, state).heading, "Vztažné podmínky - hustota");
}

TEST_F(Settings, AReferenceValueThatFailsLeavesItsFieldAndTellsOnce) {
  const ReferenceAnswer answer =
      AcceptReference(ReferencePurpose::Density, "x", 0, "300", 1, state, recorder);
  EXPECT_FALSE(answer.pressureStored);
  EXPECT_TRUE(answer.temperatureStored);
  EXPECT_EQ(state.DensityRefPressure, 101325);
  EXPECT_DOUBLE_EQ(state.DensityRefTemperature, 300 - 273.15);
  AcceptReference(ReferencePurpose::Density, "x", 0, "y", 0, state, recorder);
  EXPECT_EQ(MessageIds(recorder), (std::vector<int>{str::kNumberExpected.id, str::kNumberExpected.id}));
}

TEST_F(Settings, DpSeriesStoresWholeNumbersAndMarksTheRest) {
  auto texts = DpSeriesTexts(state.DpSeries);
  EXPECT_EQ(texts[0], "6300");
  EXPECT_EQ(texts[9], "400000");
  texts[0] = "6300,5";
  texts[1] = "12000";
  texts[2] = "";
  texts[3] = " 30000 ";
  texts[4] = "4e4";
  const std::array<bool, 10> failed = AcceptDpSeries(texts, state);
  EXPECT_EQ(failed,
            (std::array<bool, 10>{true, false, true, false, true, false, false, false, false, false}));
  EXPECT_EQ(state.DpSeries[0], 6300);
  EXPECT_EQ(state.DpSeries[1], 12000);
  EXPECT_EQ(state.DpSeries[3], 30000);
  EXPECT_EQ(StandardDpSeries()[5], 63000);
}

TEST_F(Settings, FluidNameKeepsTwentyCharacters) {
  EXPECT_EQ(FluidNameFromText("zemní plyn"), "zemní plyn");
  EXPECT_EQ(FluidNameFromText("čččččččččččččččččččččččč"), "čččččččččččččččččččč");
  EXPECT_EQ(FluidNameFromText("123456789012345678901"), "12345678901234567890");
  EXPECT_EQ(FluidNameFromText(""), "");
}

}  // namespace
}  // namespace pramo
