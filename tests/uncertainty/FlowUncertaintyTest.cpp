#include "uncertainty/FlowUncertainty.h"

#include <cmath>

#include <gtest/gtest.h>

namespace pramo {
namespace {

// Reference values below were computed independently (Python, double precision) from the combination
// u = √((u_C + a05 + a02)² + u_ε² + (2β⁴/(1 − β⁴))²·u_D² + (2/(1 − β⁴))²·u_d² + u_Δp²/4 + u_ρ²/4).
constexpr double kTolerance = 1e-12;

// Superheated steam through an orifice plate, β = 0.5 in a 100 mm pipe: Δp 25 kPa at the operating flow,
// 40 kPa at the maximum flow, 6.4 kPa at the minimum flow (q_min/q_max = 0.4).
CalculationState SteamOrifice() {
  CalculationState state;
  state.ElementKind = PrimaryElementKind::OrificeCorner;
  state.Fluid = FluidKind::SuperheatedSteam;
  state.Beta = 0.5;
  state.PipeDiameter = 0.1;
  state.ReD = 1e6;
  state.Dp = 25000;
  state.Pressure = 1e6;
  state.Kappa = 1.3;
  state.Epsilon = 0.99;
  state.MassFlowMax = 10;
  state.MassFlowMin = 4;
  state.DpTransmitterAccuracy = 0.2;
  state.DensityAccuracy = 1.0;
  return state;
}

CalculationState WaterOrifice() {
  CalculationState state = SteamOrifice();
  state.Fluid = FluidKind::Water;
  return state;
}

TEST(DischargeCoefficientUncertainty, OrificePlateBands) {
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeCorner, 0.1, 0.1, 1e6), 0.6,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeDD2, 0.6, 0.1, 1e6), 0.5,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeFlange, 0.7, 0.1, 1e6),
              1.667 * 0.7 - 0.5, kTolerance);
  // Low Reynolds numbers add 0.5 only above β = 0.5.
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeCorner, 0.5, 0.1, 5000), 0.5,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeCorner, 0.55, 0.1, 9999), 1.0,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeCorner, 0.55, 0.1, 10000), 0.5,
              kTolerance);
}

TEST(DischargeCoefficientUncertainty, SmallPipeAdditionBelow71_12mm) {
  // 0.5 + 0.9·(0.75 − 0.5)·(2.8 − 50/25.4)
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeCorner, 0.5, 0.05, 1e6),
              0.6870866141732284, kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeCorner, 0.5, 0.07112, 1e6), 0.5,
              kTolerance);
  EXPECT_GT(DischargeCoefficientUncertainty(PrimaryElementKind::OrificeCorner, 0.5, 0.0711, 1e6), 0.5);
  // Nozzles know no small-pipe addition.
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::NozzleIsa1932, 0.5, 0.05, 1e6), 0.8,
              kTolerance);
}

TEST(DischargeCoefficientUncertainty, NozzlesAndVenturiTubes) {
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::NozzleIsa1932, 0.6, 0.1, 1e6), 0.8,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::NozzleIsa1932, 0.7, 0.1, 1e6), 1.0,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::NozzleLongRadius, 0.3, 0.1, 1e6), 2.0,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::VenturiCast, 0.3, 0.1, 1e6), 0.7,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::VenturiMachined, 0.3, 0.1, 1e6), 1.0,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::VenturiWelded, 0.3, 0.1, 1e6), 1.5,
              kTolerance);
  EXPECT_NEAR(DischargeCoefficientUncertainty(PrimaryElementKind::VenturiNozzle, 0.5, 0.1, 1e6), 1.29375,
              kTolerance);
}

TEST(ExpansibilityUncertainty, OnlyCompressibleFluidsHaveOne) {
  const auto at = [](FluidKind fluid, PrimaryElementKind kind) {
    return ExpansibilityUncertainty(fluid, kind, 0.5, 10000, 1e6);
  };
  EXPECT_NEAR(at(FluidKind::SaturatedSteam, PrimaryElementKind::OrificeDD2), 0.035, kTolerance);
  EXPECT_NEAR(at(FluidKind::DryAir, PrimaryElementKind::NozzleLongRadius), 0.02, kTolerance);
  EXPECT_NEAR(at(FluidKind::Gas, PrimaryElementKind::VenturiCast), (4 + 100.0 / 256) * 0.01, kTolerance);
  EXPECT_NEAR(at(FluidKind::HumidAir, PrimaryElementKind::VenturiNozzle), (4 + 100.0 / 256) * 0.01,
              kTolerance);
  EXPECT_EQ(at(FluidKind::Water, PrimaryElementKind::OrificeDD2), 0);
  EXPECT_EQ(at(FluidKind::Liquid, PrimaryElementKind::OrificeDD2), 0);
  EXPECT_EQ(at(FluidKind::Undetermined, PrimaryElementKind::OrificeDD2), 0);
}

TEST(ComputeFlowUncertainties, SteamOrificeAtTheThreeFlows) {
  CalculationState state = SteamOrifice();
  DerivedValues derived;
  ComputeFlowUncertainties(state, derived, 6400, 40000);
  EXPECT_NEAR(state.UncertaintyC, 0.5, kTolerance);
  EXPECT_NEAR(state.UncertaintyEpsilon, 0.0875, kTolerance);
  EXPECT_EQ(state.UncertaintyD, 0.4);
  EXPECT_EQ(state.UncertaintyBore, 0.07);
  EXPECT_NEAR(state.UncertaintyDp, 0.32, kTolerance);
  EXPECT_NEAR(state.FlowUncertainty, 0.7472624297319442, kTolerance);
  EXPECT_NEAR(derived.EpsilonUncertaintyMax, 0.5108994948301298, kTolerance);
  EXPECT_NEAR(state.FlowUncertaintyMax, 0.8922797670610775, kTolerance);
  EXPECT_NEAR(derived.EpsilonUncertaintyMin, 0.6302584617234962, kTolerance);
  EXPECT_NEAR(derived.DpUncertaintyMin, 1.25, kTolerance);
  EXPECT_NEAR(state.FlowUncertaintyMin, 1.1458602085171457, kTolerance);
}

TEST(ComputeFlowUncertainties, WaterHasNoExpansibilityTerms) {
  CalculationState state = WaterOrifice();
  DerivedValues derived;
  ComputeFlowUncertainties(state, derived, 6400, 40000);
  EXPECT_EQ(state.UncertaintyEpsilon, 0);
  EXPECT_EQ(derived.EpsilonUncertaintyMax, 0);
  EXPECT_EQ(derived.EpsilonUncertaintyMin, 0);
}

TEST(ComputeFlowUncertainties, AdditionalUncertaintiesAddToTheCoefficientTerm) {
  CalculationState state = WaterOrifice();
  state.AddedUncertaintyShortLengths = 0.5;
  state.AddedUncertaintyOffset = 0.2;
  state.Dp = 40000;
  DerivedValues derived;
  ComputeFlowUncertainties(state, derived, 6400, 40000);
  EXPECT_NEAR(state.UncertaintyC, 0.5, kTolerance);  // the element's own uncertainty only
  // Coefficient term 0.5 + 0.5 + 0.2 = 1.2, u_Δp = A_1 at the operating flow.
  EXPECT_NEAR(state.FlowUncertainty, 1.3134477107555096, kTolerance);
}

TEST(ComputeFlowUncertainties, UncomputableValuesAreStoredAs100) {
  CalculationState state = WaterOrifice();
  state.Beta = 0.99999999999;  // a bore equal to the pipe
  DerivedValues derived;
  ComputeFlowUncertainties(state, derived, 0, 40000);  // no minimum flow
  EXPECT_EQ(state.FlowUncertainty, 100);
  EXPECT_EQ(state.FlowUncertaintyMax, 100);
  EXPECT_EQ(state.FlowUncertaintyMin, 100);
  EXPECT_EQ(derived.DpUncertaintyMin, 100);

  state = WaterOrifice();
  state.Dp = 0;
  ComputeFlowUncertainties(state, derived, 0, 0);
  EXPECT_EQ(state.UncertaintyDp, 100);
  EXPECT_EQ(derived.DpUncertaintyMin, 100);
  EXPECT_TRUE(std::isfinite(state.FlowUncertainty));
}

// The state after a run: components computed, transmitter 1 covering 40 kPa.
CalculationState Computed(CalculationState state) {
  DerivedValues derived;
  state.CascadeRange[0] = 40000;
  ComputeFlowUncertainties(state, derived, 6400, 40000);
  return state;
}

TEST(UncertaintyCurves, TenPercentOfMaximumFlowNeeds100TimesTheAccuracy) {
  CalculationState state = Computed(WaterOrifice());
  UncertaintyCurves curves = ComputeUncertaintyCurves(state);
  EXPECT_NEAR(curves.single[9], 10.02622286251851, 1e-9);  // u_Δp = 100·0.2
  EXPECT_EQ(curves.single[99], state.FlowUncertaintyMax);
  EXPECT_EQ(curves.cascade, curves.single);  // no cascade transmitter

  state.DpTransmitterAccuracy = 1.01;
  curves = ComputeUncertaintyCurves(state);
  EXPECT_EQ(curves.single[9], 0);  // u_Δp = 101 %
  EXPECT_GT(curves.single[10], 0);
}

TEST(UncertaintyCurves, GasCurveWidensTheExpansibilityTermAwayFromTheOperatingPoint) {
  const CalculationState state = Computed(SteamOrifice());
  const UncertaintyCurves curves = ComputeUncertaintyCurves(state);
  EXPECT_NEAR(curves.single[49], 0.9727091974000095, kTolerance);  // Δp 10 kPa at 50 %
  EXPECT_NEAR(curves.single[99], state.FlowUncertaintyMax, kTolerance);
}

TEST(UncertaintyCurves, PointsBelowTheMinimumPermittedFlowHaveNoValue) {
  CalculationState state = Computed(WaterOrifice());
  state.MassFlowMinAllowed = 2.05;  // 20.5 % of the maximum flow
  const UncertaintyCurves curves = ComputeUncertaintyCurves(state);
  EXPECT_EQ(curves.single[19], 0);
  EXPECT_EQ(curves.cascade[19], 0);
  EXPECT_GT(curves.single[20], 0);
}

TEST(UncertaintyCurves, CascadeUsesTheFirstOfSlots4To2WhoseRangeReachesTheDp) {
  CalculationState state = Computed(WaterOrifice());
  state.CascadeRange[2] = 5000;  // slot 3; slot 2 unused
  state.CascadeAccuracy[2] = 0.1;
  UncertaintyCurves curves = ComputeUncertaintyCurves(state);
  // 35 % → 4900 Pa: slot 3; 36 % → 5184 Pa: transmitter 1.
  EXPECT_NEAR(curves.cascade[34], CombinedFlowUncertainty(state, 0, 0.1 * 5000 / 4900.0), 1e-9);
  EXPECT_EQ(curves.cascade[35], curves.single[35]);
  EXPECT_LT(curves.cascade[9], curves.single[9]);

  // Slot 4 is tried before slot 2 whatever their ranges.
  state.CascadeRange = {40000, 10000, 0, 20000};
  state.CascadeAccuracy = {0.2, 0.1, 0, 0.15};
  curves = ComputeUncertaintyCurves(state);
  EXPECT_NEAR(curves.cascade[34], CombinedFlowUncertainty(state, 0, 0.15 * 20000 / 4900.0), 1e-9);
}

TEST(UncertaintyCurves, NoMaximumDifferentialPressureGivesNoValues) {
  CalculationState state = Computed(SteamOrifice());
  state.CascadeRange[0] = 0;
  const UncertaintyCurves curves = ComputeUncertaintyCurves(state);
  for (int k = 0; k < kCurvePoints; ++k) {
    EXPECT_EQ(curves.single[k], 0);
    EXPECT_EQ(curves.cascade[k], 0);
  }
}

TEST(Transmitter1Range, FollowsTheKindAndTheChosenSeriesEntry) {
  CalculationState state;
  state.Dp = 1234;
  state.DpMax = 50000;
  EXPECT_EQ(Transmitter1Range(state, 4), 40000);
  EXPECT_EQ(Transmitter1Range(state, -1), 6300);
  EXPECT_EQ(Transmitter1Range(state, 10), 6300);
  state.DpMaxGiven = true;
  EXPECT_EQ(Transmitter1Range(state, 4), 50000);
  state.CalcKind = CalculationKind::Dp;  // the maximum flow is the operating flow
  EXPECT_EQ(Transmitter1Range(state, 4), 1234);
}

CascadeGrid Grid(std::array<const char*, 3> ranges, std::array<const char*, 3> accuracies) {
  CascadeGrid grid;
  for (int transmitter = 2; transmitter <= 4; ++transmitter) {
    grid.cells[1][transmitter] = ranges[transmitter - 2];
    grid.cells[2][transmitter] = accuracies[transmitter - 2];
  }
  return grid;
}

TEST(ReadCascadeGrid, ReadsBothSeparatorsAndClearsUnusedCells) {
  CalculationState state;
  state.DpMaxGiven = true;
  state.DpMax = 40000;
  state.DpTransmitterAccuracy = 0.25;
  CascadeGrid grid = Grid({" 10000 ", "2,5e3", "   "}, {"0.1", " 0,15", "0,3"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(state.CascadeRange, (std::array<double, 4>{40000, 10000, 2500, 0}));
  EXPECT_EQ(state.CascadeAccuracy, (std::array<double, 4>{0.25, 0.1, 0.15, 0}));
  EXPECT_EQ(grid.cells[1][4], "");
  EXPECT_EQ(grid.cells[2][4], "");  // accuracy of an unused transmitter
  EXPECT_TRUE(textsChanged);

  textsChanged = false;
  EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  EXPECT_FALSE(textsChanged);
}

TEST(ReadCascadeGrid, BadRangeStopsTheReadingKeepingWhatWasRead) {
  CalculationState state;
  state.CascadeRange = {0, 111, 222, 333};
  state.CascadeAccuracy = {0, 1, 2, 3};
  CascadeGrid grid = Grid({"7000", "5 000", "9000"}, {"0.1", "0.1", "0.1"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_FALSE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text, "Špatně zadán diferenční tlak kaskády!");
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
  EXPECT_EQ(grid.cells[1][3], "");
  EXPECT_EQ(grid.selectedRow, 1);
  EXPECT_EQ(grid.selectedColumn, 3);
  // Slot 4 was read before the failure, slot 2 and every accuracy not at all.
  EXPECT_EQ(state.CascadeRange, (std::array<double, 4>{6300, 111, 222, 9000}));
  EXPECT_EQ(state.CascadeAccuracy, (std::array<double, 4>{0.2, 1, 2, 3}));
  EXPECT_TRUE(textsChanged);
}

TEST(ReadCascadeGrid, BadAccuracySelectsItsCell) {
  CalculationState state;
  CascadeGrid grid = Grid({"7000", "", "9000"}, {"1.2.3", "x", "0.1"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_FALSE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text, "Špatně zadána přesnost snímače tlakové diference!");
  EXPECT_EQ(grid.cells[2][3], "");  // unused transmitter: cleared, not an error
  EXPECT_EQ(grid.cells[2][2], "1.2.3");
  EXPECT_EQ(grid.selectedRow, 2);
  EXPECT_EQ(grid.selectedColumn, 2);
  EXPECT_EQ(state.CascadeAccuracy[3], 0.1);
}

TEST(ReadCascadeGrid, TooSmallAccuraciesAreReportedInTransmitterOrder) {
  CalculationState state;
  CascadeGrid grid = Grid({"7000", "8000", "9000"}, {"0.00001", "0.0001", "-1"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  ASSERT_EQ(messages.Shown().size(), 2u);
  EXPECT_EQ(messages.Shown()[0].text, "Zadaná přesnost snímače tlakové diference 2 je příliš malá!");
  EXPECT_EQ(messages.Shown()[1].text, "Zadaná přesnost snímače tlakové diference 4 je příliš malá!");
  EXPECT_EQ(messages.Shown()[1].kind, MessageKind::Error);
  EXPECT_EQ(state.CascadeAccuracy[1], 0.00001);
}

TEST(ReadCascadeGrid, NumberTextsOutsideTheRuleAreRefused) {
  for (const char* text : {"+-5", "1e", "nan", "inf", "0x10", "1 000", "--1", "+"}) {
    SCOPED_TRACE(text);
    CalculationState state;
    CascadeGrid grid = Grid({"", "", text}, {"", "", ""});
    MessageRecorder messages;
    bool textsChanged = false;
    EXPECT_FALSE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  }
  for (const char* text : {"+5", "-5", ".5", "5.", "1E3", "\t12,5\t"}) {
    SCOPED_TRACE(text);
    CalculationState state;
    CascadeGrid grid = Grid({"", "", text}, {"", "", "1"});
    MessageRecorder messages;
    bool textsChanged = false;
    EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  }
}

TEST(CheckCascade, RangeEqualToTheMaximumDpFails) {
  CalculationState state;
  state.CascadeRange = {40000, 0, 39999, 0};
  MessageRecorder messages;
  EXPECT_TRUE(CheckCascade(state, messages));
  EXPECT_TRUE(messages.Shown().empty());

  state.CascadeRange[3] = 40000;
  EXPECT_FALSE(CheckCascade(state, messages));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.Shown()[0].text,
            "Rozsah kaskádního snímače tlakové diference musí být menší než diferenční\r\n"
            "tlak při maximálním průtoku!");
}

}  // namespace
}  // namespace pramo
