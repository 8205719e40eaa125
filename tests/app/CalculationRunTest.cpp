#include "app/CalculationRun.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/FlowTable.h"
#include "core/CalculationBlockCodec.h"
#include "strings/app.h"
#include "core/NumberText.h"
#include "strings/core.h"
#include "support/MessageIds.h"

namespace pramo {
namespace {

using test::MessageIds;

// Water through an orifice plate in a 100 mm pipe, sized over the Δp series.
InputForm WaterOrifice() {
  InputForm f;
  f.CBTekutina5 = static_cast<int>(FluidKind::Water);
  f.ETlak = "5";
  f.CBJednTlakH = 5;
  f.ChBProvozniTeplota = true;
  f.EProvozniTeplota = "20";
  f.EPrutokProvozni = "36";
  f.EPrutokMax = "45";
  f.EPrutokMin = "10";
  f.CBFlowUnit = 1;  // t/h
  f.EPrumerPotrubiPri20C = "100";
  return f;
}

class Run : public testing::Test {
 protected:
  RunOutcome Calculate(InputForm& form) {
    const GatherContext context{recorder, true, "Tester", 1, 46000};
    return RunCalculation(form, state, derived, context);
  }
  MessageRecorder recorder;
  CalculationState state;
  DerivedValues derived;
};

TEST_F(Run, SeriesGivesTenEntriesAndLeavesEntryZeroComputed) {
  InputForm f = WaterOrifice();
  const RunOutcome outcome = Calculate(f);
  ASSERT_EQ(outcome.entries.size(), 10u);
  EXPECT_TRUE(outcome.dropDownList);
  EXPECT_TRUE(outcome.clearChangeFlags);
  EXPECT_TRUE(state.ResultsValid);
  EXPECT_TRUE(MessageIds(recorder).empty());
  for (std::size_t i = 0; i < 10; ++i) {
    const auto& e = outcome.entries[i];
    EXPECT_EQ(e.seriesValue, state.DpSeries[i]);
    EXPECT_EQ(e.text.front(), static_cast<char>('0' + e.status));
    EXPECT_EQ(std::count(e.text.begin(), e.text.end(), ';'), 9);
  }
  EXPECT_EQ(outcome.entries[3].text.substr(1, 12), ";     25000;");
  // The state holds entry 0 again, as chosen in the list, with transmitter 1 at its Δp.
  EXPECT_EQ(state.Bore, outcome.entries[0].result.Bore);
  EXPECT_EQ(state.CascadeRange[0], 6300);
  EXPECT_EQ(state.CascadeAccuracy[0], state.DpTransmitterAccuracy);
  EXPECT_EQ(f.ePrumerOtvoru_d20, GeneralText(state.Bore20 * 1000, 15));
  // Water properties went back into the page.
  EXPECT_EQ(f.EMernaHmotnost, FixedText(state.Density, 2));
  EXPECT_EQ(f.EDynamickaViskozita, FixedText(state.Viscosity * 1e6, 2));

  ASSERT_TRUE(ChooseSeriesEntry(4, state, derived, recorder));
  EXPECT_EQ(state.CascadeRange[0], 40000);
  EXPECT_EQ(state.Bore, outcome.entries[4].result.Bore);
}

// The run takes entry 0 from its copy instead of sizing it again: the state and the derived terms are
// those that sizing it again on the state the series left gives.
TEST_F(Run, EntryZeroFromItsCopyIsEntryZeroSizedAgain) {
  InputForm f = WaterOrifice();
  const RunOutcome outcome = Calculate(f);
  ASSERT_EQ(outcome.entries.size(), 10u);
  CalculationState sizedAgain = outcome.entries.back().result;
  DerivedValues derivedAgain = derived;
  ASSERT_TRUE(ChooseSeriesEntry(0, sizedAgain, derivedAgain, recorder));
  sizedAgain.ResultsValid = true;
  EXPECT_EQ(EncodeBlock(sizedAgain), EncodeBlock(state));
  EXPECT_EQ(derivedAgain.EpsilonUncertaintyMin, derived.EpsilonUncertaintyMin);
  EXPECT_EQ(derivedAgain.EpsilonUncertaintyMax, derived.EpsilonUncertaintyMax);
  EXPECT_EQ(derivedAgain.DpUncertaintyMin, derived.DpUncertaintyMin);
}

TEST_F(Run, TypedMaximumGivesOneEntryThatDoesNotDropDown) {
  InputForm f = WaterOrifice();
  f.ChBDifTlakMax = true;
  f.EDifTlakMax = "25";
  f.CBJednDifTlakMaxH = 1;
  const RunOutcome outcome = Calculate(f);
  ASSERT_EQ(outcome.entries.size(), 1u);
  EXPECT_FALSE(outcome.dropDownList);
  EXPECT_EQ(outcome.entries[0].seriesValue, 25000);
}

TEST_F(Run, VenturiEntryHasNoPressureLoss) {
  InputForm f = WaterOrifice();
  f.CBPrimarniPrvek = static_cast<int>(PrimaryElementKind::VenturiMachined);
  const RunOutcome outcome = Calculate(f);
  ASSERT_FALSE(outcome.entries.empty());
  for (const auto& e : outcome.entries) EXPECT_EQ(e.text.back(), '-');
}

TEST_F(Run, InputErrorStillWritesBackTheSaturationTemperature) {
  InputForm f = WaterOrifice();
  f.CBTekutina5 = static_cast<int>(FluidKind::SaturatedSteam);
  f.ChBProvozniTeplota = false;
  f.CBFlowUnit = 0;
  f.EPrutokMax = "x";
  const RunOutcome outcome = Calculate(f);
  EXPECT_TRUE(outcome.entries.empty());
  EXPECT_FALSE(state.ResultsValid);
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kBadInput.id});
  EXPECT_EQ(f.EProvozniTeplota, "151.84");  // saturation at 5 bar
}

TEST_F(Run, UndeterminedFluidIsRefusedBeforeAnything) {
  InputForm f = WaterOrifice();
  f.CBTekutina5 = static_cast<int>(FluidKind::Undetermined);
  state.ResultsValid = true;
  const RunOutcome outcome = Calculate(f);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kChooseFluid.id});
  EXPECT_TRUE(state.ResultsValid);
}

TEST_F(Run, IndexErrorInPreparationStopsAndInvalidatesTheLastResults) {
  InputForm f = WaterOrifice();
  ASSERT_EQ(Calculate(f).entries.size(), 10u);
  f.cbMaterialPotrubi = 19;  // one past the material list, as only a damaged input can hold
  const RunOutcome outcome = Calculate(f);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_TRUE(outcome.entries.empty());
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kBadIndexSettings.id});
  EXPECT_FALSE(state.ResultsValid);  // the state's inputs no longer match its results
}

TEST_F(Run, FailureInTheSeriesKeepsTheEarlierEntries) {
  InputForm f = WaterOrifice();
  state.DpSeries[3] = 0;  // nothing can be sized for no differential pressure
  const RunOutcome outcome = Calculate(f);
  EXPECT_EQ(outcome.entries.size(), 3u);
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kCalculationFailed.id});
  EXPECT_TRUE(state.ResultsValid);
}

TEST_F(Run, DpAndFlowKindsTakeTheirDifferentialPressureAtMaximumFlow) {
  InputForm f = WaterOrifice();
  f.cbDruhVypoctu = static_cast<int>(CalculationKind::Dp);
  state.CalcKind = CalculationKind::Dp;  // what choosing the kind on the page does
  f.ePrumerOtvoru_d20 = "60";
  RunOutcome outcome = Calculate(f);
  ASSERT_EQ(outcome.entries.size(), 1u);
  EXPECT_EQ(state.MassFlowMax, state.MassFlow);
  EXPECT_EQ(outcome.entries[0].seriesValue, state.Dp);
  EXPECT_EQ(state.CascadeRange[0], state.Dp);
  EXPECT_NE(outcome.entries[0].text.find(";-;-;"), std::string::npos);

  const double dp = state.Dp;
  f.cbDruhVypoctu = static_cast<int>(CalculationKind::Flow);
  state.CalcKind = CalculationKind::Flow;
  f.ChBDifTlakMax = true;
  f.EDifTlakMax = GeneralText(dp, 17);
  f.CBJednDifTlakMaxH = 0;
  outcome = Calculate(f);
  ASSERT_EQ(outcome.entries.size(), 1u);
  EXPECT_NEAR(state.MassFlow * 3600, 36000, 1e-6);  // the flow comes back from its own Δp
}

TEST_F(Run, FlowAndCurrentTable) {
  InputForm f = WaterOrifice();
  f.ChBDifTlakMax = true;
  f.EDifTlakMax = "25000";
  Calculate(f);
  const auto rows = FlowCurrentTable(state);
  EXPECT_EQ(rows[0].texts[0], "  0");
  EXPECT_EQ(rows[0].texts[1], "     0.000");
  EXPECT_EQ(rows[0].texts[3], "       4.0");
  EXPECT_EQ(rows[0].texts[4], "       0.0");
  EXPECT_NEAR(rows[10].flowKgPerHour, 45000, 1e-9);
  // At full flow the design point's C and ε give back the sized differential pressure.
  EXPECT_NEAR(rows[10].dp, 25000, 25000 * 1e-9);
  EXPECT_NEAR(rows[10].current4to20, 20, 1e-9);
  EXPECT_NEAR(rows[5].dp, 25000 * 0.25, 1e-6);
}

TEST(DiagnosticExport, NumberFormat) {
  EXPECT_EQ(DiagnosticNumber(1.5), " 1.50000000000000E+0000");
  EXPECT_EQ(DiagnosticNumber(-0.000123), "-1.23000000000000E-0004");
  EXPECT_EQ(DiagnosticNumber(0), " 0.00000000000000E+0000");
}

TEST_F(Run, DiagnosticExportWritesAHundredRowsAndRestoresTheCalculation) {
  InputForm f = WaterOrifice();
  f.ChBDifTlakMax = true;
  f.EDifTlakMax = "25000";
  Calculate(f);
  const CalculationState before = state;
  const std::string path = (std::filesystem::temp_directory_path() / "pramo-diagnostic.txt").string();
  ASSERT_TRUE(WriteDiagnosticExport(path, state, recorder));
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kDiagnosticSaved.id});
  std::ifstream file(path, std::ios::binary);
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(file, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(lines[0], Tr(str::kDiagnosticHeader) + "\r");
  EXPECT_EQ(std::count(lines[100].begin(), lines[100].end(), ';'), 14);
  EXPECT_EQ(lines[100].substr(0, 23), DiagnosticNumber(45000));
  EXPECT_EQ(state.MassFlow, before.MassFlow);
  EXPECT_EQ(state.Bore, before.Bore);

  recorder.Clear();
  EXPECT_FALSE(WriteDiagnosticExport("/nonexistent-folder/x.txt", state, recorder));
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kDiagnosticNotSaved.id});
}

}  // namespace
}  // namespace pramo
