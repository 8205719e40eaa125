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
