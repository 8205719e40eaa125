#include "app/ResultsPage.h"

#include <gtest/gtest.h>

#include "app/CalculationRun.h"
#include "core/NumberText.h"

namespace pramo {
namespace {

InputForm WaterOrifice(int kind) {
  InputForm f;
  f.cbDruhVypoctu = kind;
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
  f.ePrumerOtvoru_d20 = "60";
  f.ChBDifTlakMax = kind == 2;
  f.EDifTlakMax = "25000";
  return f;
}

CalculationState Computed(int kind, std::vector<SeriesEntry>* entries = nullptr) {
  MessageRecorder recorder;
  InputForm f = WaterOrifice(kind);
  CalculationState state;
  state.CalcKind = static_cast<CalculationKind>(kind);  // the kind switch keeps the kind in the state
  DerivedValues derived;
  const GatherContext context{recorder, true, "Tester", 1, 46000};
  RunOutcome outcome = RunCalculation(f, state, derived, context);
  EXPECT_FALSE(outcome.entries.empty());
  if (entries) *entries = outcome.entries;
  return state;
}

TEST(ResultsGrid, BoreKindLabelsUnitsAndValues) {
  std::vector<SeriesEntry> entries;
  const CalculationState s = Computed(0, &entries);
  const ResultsGrid grid = ResultsGridOf(s, 6300, ',');
  EXPECT_EQ(grid[0][0], "Absolutní tlak");
  EXPECT_EQ(grid[0][1], "500000");
  EXPECT_EQ(grid[0][2], "Pa");
  EXPECT_EQ(grid[0][3], "Reynoldsovo číslo Re_Dmax");
  EXPECT_EQ(grid[1][1], "20,00");
  EXPECT_EQ(grid[2][1], FixedText(s.Density, 2, ','));  // water: above 100 kg/m3, two decimals
  EXPECT_EQ(grid[3][2], "1E-6 Pa.s");
  EXPECT_EQ(grid[5][1], "36000,00");
  EXPECT_EQ(grid[5][3], "Prům. otvoru prim. prvku d20");
  EXPECT_EQ(grid[5][4], FixedText(s.Bore20 * 1000, 3, ','));
  EXPECT_EQ(grid[6][1], "45000,00");
  EXPECT_EQ(grid[7][5], "% inf");
  EXPECT_EQ(grid[8][1], FixedText(s.PipeDiameter * 1000, 3, ','));
  EXPECT_EQ(grid[9][1], "6300");  // the series value the result was sized for
  EXPECT_EQ(grid[10][3], "Minimální přímá délka");
  EXPECT_EQ(grid[10][5], "m");
}

TEST(ResultsGrid, DpAndFlowKindsLeaveTheirUnusedCellsEmpty) {
  const CalculationState dp = Computed(1);
  const ResultsGrid g = ResultsGridOf(dp, 0);
  EXPECT_EQ(g[0][3], "Reynoldsovo číslo Re");
  EXPECT_EQ(g[1][3], "Rychlost");
  EXPECT_EQ(g[5][0], "Průměr potrubí provozní");
  EXPECT_EQ(g[5][3], "Nejistota průtoku");
  EXPECT_EQ(g[6][0], "Průtok");
  EXPECT_EQ(g[7][0], "Diferenční tlak");
  EXPECT_EQ(g[7][1], FixedText(dp.Dp, 0));
  for (int c = 3; c < 6; ++c) EXPECT_EQ(g[7][c], "");
  for (int r = 8; r < kResultRows; ++r)
    for (int c = 0; c < kResultColumns; ++c) EXPECT_EQ(g[r][c], "") << r << "," << c;

  const CalculationState flow = Computed(2);
  const ResultsGrid f = ResultsGridOf(flow, 0);
  EXPECT_EQ(f[5][0], "Průtok");
  EXPECT_EQ(f[5][1], FixedText(flow.MassFlow * 3600, 2));
  EXPECT_EQ(f[7][3], "Min. průtok (vypočtený)");
  EXPECT_EQ(f[8][0], "");
  EXPECT_EQ(f[8][3], "Minimální přímá délka");
  EXPECT_EQ(f[9][0], "");
}

TEST(ResultsGrid, OtherElementMaterialShowsTheBoreAtOperatingTemperature) {
  CalculationState s;
  s.ElementMaterial = kMaterialOther;
  s.Bore = 0.05;
  s.Bore20 = 0.049;
  EXPECT_TRUE(ElementMaterialIsOther(s));
  EXPECT_EQ(ResultsGridOf(s, 0)[5][3], "Prům. otvoru prim. prvku d1");
  EXPECT_EQ(ResultsGridOf(s, 0)[5][4], "50.000");
  // The older lists have "jiný" as their last item, which calculations of those versions store as 6.
  s.VersionTag = "ver3.3";
  EXPECT_FALSE(ElementMaterialIsOther(s));
  s.ElementMaterial = 6;
  EXPECT_TRUE(ElementMaterialIsOther(s));
}

TEST(ResultText, RoundsToSignificantDigitsAndFallsBackToScientific) {
  EXPECT_EQ(ResultText(1.23456789, 2), "1.23");
  EXPECT_EQ(ResultText(0.1234567, 2, ',', 6), "0,12");
  EXPECT_EQ(ResultText(1234567.891, 2, '.', 6), "1.23457E+006");
  EXPECT_EQ(ResultText(-12.5, 1), "-12.5");
  EXPECT_EQ(DensityResultText(5.14541), "5.145410");
  EXPECT_EQ(DensityResultText(998.2), "998.20");
  EXPECT_EQ(ViscosityResultText(15.07e-6), "15.07000");
  EXPECT_EQ(ViscosityResultText(1.5e-3), "1500.00");
}

TEST(SeriesList, HeaderSectionsByKind) {
  auto bore = SeriesHeaderSections(CalculationKind::Bore);
  EXPECT_EQ(bore[0], "");
  EXPECT_EQ(bore[1], "Delta_p [Pa]");
  EXPECT_EQ(bore[6], "e_min [%]");
  EXPECT_EQ(bore[9], "Tlaková ztráta [Pa]");
  auto dp = SeriesHeaderSections(CalculationKind::Dp);
  EXPECT_EQ(dp[1], "Delta_p [Pa]");
  EXPECT_EQ(dp[6], "");
  EXPECT_EQ(dp[7], "");
  EXPECT_EQ(SeriesHeaderSections(CalculationKind::Flow)[1], "Průtok [kg/h]");
}

TEST(SeriesList, EntriesSplitIntoStatusAndNineFields) {
  std::vector<SeriesEntry> entries;
  Computed(0, &entries);
  for (const auto& e : entries) {
    const SeriesEntryFields split = SplitSeriesEntry(e.text);
    EXPECT_EQ(split.status, e.status);
    ASSERT_EQ(split.fields.size(), 9u);
  }
  EXPECT_EQ(SplitSeriesEntry("x;1").status, 2);  // an unreadable status draws the warning icon
  EXPECT_EQ(SplitSeriesEntry("").fields.size(), 0u);
  EXPECT_EQ(SplitSeriesEntry("0;a;;b").fields, (std::vector<std::string>{"a", "", "b"}));
}

TEST(SeriesList, StoredCalculationShowsOneEntryWithoutIterating) {
  CalculationState s = Computed(2);
  s.ResultsValid = true;
  EXPECT_EQ(StoredSeriesEntryText(s), SeriesEntryText(s, DpAtMaximumFlow(s)));
  // Stored without valid results: the bore kind's fields, the bore flag's status, the loss as a number.
  s.ResultsValid = false;
  s.ElementKind = PrimaryElementKind::VenturiCast;
  s.PressureLoss = -5;
  s.LimitFlags = {};
  std::string text = StoredSeriesEntryText(s);
  SeriesEntryFields split = SplitSeriesEntry(text);
  EXPECT_EQ(split.status, 0);
  ASSERT_EQ(split.fields.size(), 9u);
  EXPECT_EQ(split.fields[0], PaddedFixedText(s.DpMax, 0, 10));
  EXPECT_EQ(split.fields[5], PaddedFixedText(s.FlowUncertaintyMin, 1, 8));
  EXPECT_EQ(split.fields[8], "        -5");
  s.LimitFlags[0] = true;
  EXPECT_EQ(SplitSeriesEntry(StoredSeriesEntryText(s)).status, 2);
}

}  // namespace
}  // namespace pramo
