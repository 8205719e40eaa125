#include "core/SizingIterations.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/NumberText.h"
#include "core/Validity.h"
#include "strings/core.h"

namespace pramo {
namespace {

// Operating states of the reference cases (base units).
struct Fluid {
  FluidKind kind;
  double t, p1, rho, mu, kappa, qm, qmMax, qmMin;
  std::uint8_t pipeMaterial, elementMaterial;
};

constexpr Fluid kWater{FluidKind::Water, 80, 5e5, 971.8, 3.55e-4, 1.0, 10, 12, 3, 5, 9};
constexpr Fluid kSteam{FluidKind::SuperheatedSteam, 300, 4e6, 15.9, 19.8e-6, 1.3, 5, 6, 2, 0, 9};
constexpr Fluid kAir{FluidKind::DryAir, 20, 6e5, 7.13, 18.2e-6, 1.41, 1.5, 2, 0.4, 0, 5};

struct Calc {
  CalculationState state;
  DerivedValues derived;
  MessageRecorder messages;
};

void Load(Calc& run, const Fluid& f, PrimaryElementKind kind, double pipe20, double bore20 = 0) {
  CalculationState& s = run.state;
  s.ElementKind = kind;
  s.Fluid = f.kind;
  s.Temperature = f.t;
  s.Pressure = f.p1;
  s.Density = f.rho;
  s.Viscosity = f.mu;
  s.Kappa = f.kappa;
  s.MassFlow = f.qm;
  s.MassFlowMax = f.qmMax;
  s.MassFlowMin = f.qmMin;
  s.PipeMaterial = f.pipeMaterial;
  s.ElementMaterial = f.elementMaterial;
  s.PipeDiameter20 = pipe20;
  s.Bore20 = bore20;
  run.derived.TemperatureBand = TemperatureBandOf(f.t);
}

bool Near(double actual, double expected, double relative) {
  return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

// Every double of the state that an iteration writes is a finite number.
void ExpectFiniteResults(const CalculationState& s) {
  for (double v : {s.PipeDiameter, s.Dp, s.ReD, s.ReDMax, s.ReDMin, s.Velocity, s.VelocityMax, s.Epsilon, s.C,
                   s.Beta, s.Bore, s.Bore20, s.Residual, s.MassFlow, s.MassFlowMax, s.MassFlowMin,
                   s.PressureLoss, s.MassFlowMinAllowed, s.ReDMinAllowed}) {
    EXPECT_TRUE(std::isfinite(v)) << v;
  }
}

// Reference results: the iterations as written (start values, tolerance 1e-20, at most 100 steps,
// thermal correction by the expansion table) run independently in Python 3 on the same inputs.
// Tolerance 1e-10 relative: some cases end in a last-digit oscillation after 100 steps.
struct BoreCase {
  const Fluid* fluid;
  PrimaryElementKind kind;
  double pipe20, dpMax;
  double bore20, beta, c, epsilon, dp, pressureLoss;
};

const BoreCase kBoreCases[] = {
    {&kWater, PrimaryElementKind::OrificeCorner, 0.1, 25000, 0.05823929710173504, 0.5823929710173503,
     0.6067618008340168, 1.0, 17361.111111111113, 16024.935417685427},
    {&kSteam, PrimaryElementKind::OrificeDD2, 0.2, 40000, 0.10358061728344936, 0.5185243975574547,
     0.6034815464334462, 0.9979985736532241, 27777.77777777778, 28466.19957708088},
    {&kAir, PrimaryElementKind::OrificeFlange, 0.1, 16000, 0.08183182280347794, 0.8183182280347793,
     0.595404093443486, 0.9930400240539703, 9000.0, 4821.799963111256},
    {&kSteam, PrimaryElementKind::NozzleIsa1932, 0.15, 63000, 0.07311244962010505, 0.4880010679922485,
     0.9779557159198087, 0.9931720784226035, 43750.00000000001, 38629.76372951284},
    {&kWater, PrimaryElementKind::NozzleLongRadius, 0.1, 40000, 0.04149495782836442, 0.41494957828364415,
     0.9894728856298661, 1.0, 27777.77777777778, 28203.889617725647},
    {&kAir, PrimaryElementKind::VenturiCast, 0.2, 10000, 0.08239487418630942, 0.4119743709315471, 0.984,
     0.99480484241364, 5625.0, 7101.823163730214},
    {&kWater, PrimaryElementKind::VenturiMachined, 0.1, 25000, 0.04634015184622691, 0.46340151846226907,
     0.995, 1.0, 17361.111111111113, 16024.935417685427},
    {&kSteam, PrimaryElementKind::VenturiWelded, 0.25, 25000, 0.09249734336372156, 0.37043323742386997, 0.985,
     0.997429486873499, 17361.111111111113, 18996.530319696474},
    {&kAir, PrimaryElementKind::VenturiNozzle, 0.1, 40000, 0.05793404946695169, 0.5793404946695169,
     0.9689942245065329, 0.9765817331026957, 22500.0, 19468.216604961664},
};

TEST(SizeBore, MatchesIndependentIterationForEveryElementKind) {
  for (const auto& c : kBoreCases) {
    Calc run;
    Load(run, *c.fluid, c.kind, c.pipe20);
    ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
    ASSERT_TRUE(SizeBore(run.state, run.derived, c.dpMax)) << static_cast<int>(c.kind);
    const CalculationState& s = run.state;
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_TRUE(Near(s.Bore20, c.bore20, 1e-10)) << s.Bore20;
    EXPECT_TRUE(Near(s.Beta, c.beta, 1e-10)) << s.Beta;
    EXPECT_TRUE(Near(s.C, c.c, 1e-10)) << s.C;
    EXPECT_TRUE(Near(s.Epsilon, c.epsilon, 1e-10)) << s.Epsilon;
    EXPECT_TRUE(Near(s.Dp, c.dp, 1e-12)) << s.Dp;
    EXPECT_TRUE(Near(s.PressureLoss, c.pressureLoss, 1e-9)) << s.PressureLoss;
    EXPECT_DOUBLE_EQ(s.Bore, s.Beta * s.PipeDiameter);
    EXPECT_LT(s.Residual, 1e-14);
    EXPECT_FALSE(s.LimitFlags[kFlagConvergence]);
    EXPECT_TRUE(run.messages.Shown().empty());
  }
}

TEST(SizeBore, WaterOrificeConvergesFarBelowTheBoundAndReproducesItsFlow) {
  Calc run;
  Load(run, kWater, PrimaryElementKind::OrificeCorner, 0.1);
  run.state.MassFlowMax = run.state.MassFlow;  // qm = qm_max: the operating Δp is the maximum
  ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
  ASSERT_TRUE(SizeBore(run.state, run.derived, 25000));
  EXPECT_EQ(run.state.Dp, 25000);
  EXPECT_LT(run.state.Residual, 1e-14);
  EXPECT_FALSE(run.state.LimitFlags[kFlagConvergence]);
  EXPECT_EQ(BoreEditText(run.state), GeneralText(run.state.Bore20 * 1000, 15));

  // The sized bore, typed into the flow kind at the same Δp, gives the flow back.
  run.state.DpMax = 25000;
  ASSERT_TRUE(SizeFlow(run.state, run.derived));
  EXPECT_NEAR(run.state.MassFlow, kWater.qm, 1e-11 * kWater.qm);
}

TEST(SizeBore, BetaOfExactlyOneEndsTheLoopWithTheStartValues) {
  Calc run;
  Load(run, kWater, PrimaryElementKind::OrificeCorner, 0.1);
  ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
  // A differential pressure this small makes X² swamp the 1 in X²/(1 + X²).
  ASSERT_TRUE(SizeBore(run.state, run.derived, 1e-14));
  const CalculationState& s = run.state;
  EXPECT_EQ(s.Beta, kBetaBelowOne);
  EXPECT_EQ(s.Bore, s.PipeDiameter);
  EXPECT_EQ(s.C, 0.606);
  EXPECT_EQ(s.Epsilon, 1.0);
  EXPECT_EQ(s.Residual, 1.0);
  EXPECT_TRUE(s.LimitFlags[kFlagConvergence]);
  EXPECT_TRUE(s.LimitFlags[kFlagBeta]);
  ExpectFiniteResults(s);
}

TEST(SizeBore, WritesTheBoreAt20DegreesBackThroughTheElementMaterial) {
  Calc run;
  Load(run, kSteam, PrimaryElementKind::OrificeCorner, 0.2);
  ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
  ASSERT_TRUE(SizeBore(run.state, run.derived, 40000));
  const double k = 1 + 17.2e-6 * (300 - 20);  // material 9, band 2
  EXPECT_NEAR(run.state.Bore20, run.state.Bore / k, 1e-15);
  EXPECT_NEAR(run.state.PipeDiameter, 0.2 * (1 + 12.9e-6 * 280), 1e-15);  // material 0, band 2
}

TEST(BoreEditText, ShowsMillimetresWithUpTo15SignificantDigits) {
  CalculationState s;
  s.Bore20 = 0.05;
  EXPECT_EQ(BoreEditText(s), "50");
  s.Bore20 = 0.05823929710173504;
  EXPECT_EQ(BoreEditText(s), "58.239297101735");
  EXPECT_EQ(BoreEditText(s, ','), "58,239297101735");
  s.Bore20 = 1.25e-8;
  EXPECT_EQ(BoreEditText(s), "1.25e-05");
}

struct DpCase {
  const Fluid* fluid;
  PrimaryElementKind kind;
  double pipe20, bore20;
  double dp, epsilon, c, beta;
};

const DpCase kDpCases[] = {
    {&kWater, PrimaryElementKind::OrificeCorner, 0.1, 0.05, 34080.70885605571, 1.0, 0.6047414744884313, 0.5},
    {&kSteam, PrimaryElementKind::NozzleIsa1932, 0.15, 0.09, 18024.775105767552, 0.9968807938805562,
     0.9619095952275415, 0.6007198000821035},
    {&kAir, PrimaryElementKind::VenturiNozzle, 0.1, 0.06, 19180.608296529717, 0.9795677849303399,
     0.9661240052465956, 0.6},
    {&kAir, PrimaryElementKind::OrificeDD2, 0.1, 0.055, 74390.12798224135, 0.9657507686923967,
     0.6049987710614563, 0.55},
};

TEST(SizeDp, MatchesIndependentIteration) {
  for (const auto& c : kDpCases) {
    Calc run;
    Load(run, *c.fluid, c.kind, c.pipe20, c.bore20);
    run.state.MassFlowMax = run.state.MassFlowMin = run.state.MassFlow;
    ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
    ASSERT_TRUE(SizeDp(run.state, run.derived));
    const CalculationState& s = run.state;
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_TRUE(Near(s.Dp, c.dp, 1e-10)) << s.Dp;
    EXPECT_TRUE(Near(s.Epsilon, c.epsilon, 1e-12)) << s.Epsilon;
    EXPECT_TRUE(Near(s.C, c.c, 1e-12)) << s.C;
    EXPECT_TRUE(Near(s.Beta, c.beta, 1e-14)) << s.Beta;
    EXPECT_EQ(s.ReDMax, s.ReD);
    EXPECT_EQ(s.ReDMin, 0);
    EXPECT_EQ(s.VelocityMax, s.Velocity);
    EXPECT_LT(s.Residual, 1e-14);
  }
}

TEST(SizeDp, LiquidEndsAfterOneStepWithEpsilonOne) {
  Calc run;
  Load(run, kWater, PrimaryElementKind::OrificeCorner, 0.1, 0.05);
  run.state.MassFlowMax = run.state.MassFlowMin = run.state.MassFlow;
  ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
  ASSERT_TRUE(SizeDp(run.state, run.derived));
  const CalculationState& s = run.state;
  EXPECT_EQ(s.Epsilon, 1.0);
  EXPECT_EQ(s.Residual, 0.0);
  // One step: Δp is K itself.
  const double b4 = std::pow(s.Beta, 4);
  const double q = s.MassFlow / (s.C * 3.141592653589793 * s.Bore * s.Bore);
  EXPECT_DOUBLE_EQ(s.Dp, (1 - b4) * 8 / s.Density * q * q);
}

struct FlowCase {
  const Fluid* fluid;
  PrimaryElementKind kind;
  double pipe20, bore20, dpMax;
  double massFlow, reD, c, epsilon;
};

const FlowCase kFlowCases[] = {
    {&kWater, PrimaryElementKind::OrificeCorner, 0.1, 0.05, 25000, 8.567463960319552, 306986.9629548672,
     0.6049317037764289, 1.0},
    {&kSteam, PrimaryElementKind::NozzleIsa1932, 0.15, 0.09, 40000, 7.420285855498574, 3169629.206531521,
     0.961945183491485, 0.9930765455940478},
    {&kAir, PrimaryElementKind::OrificeFlange, 0.1, 0.06, 16000, 0.8715281876358293, 609705.578488629,
     0.6066496936428315, 0.9924091511258336},
    {&kAir, PrimaryElementKind::VenturiMachined, 0.1, 0.06, 16000, 1.4158366918908387, 990494.1016496869,
     0.995, 0.9829634900327502},
};

TEST(SizeFlow, MatchesIndependentIterationAndSetsEveryFlowToTheResult) {
  for (const auto& c : kFlowCases) {
    Calc run;
    Load(run, *c.fluid, c.kind, c.pipe20, c.bore20);
    run.state.DpMax = c.dpMax;
    ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
    ASSERT_TRUE(SizeFlow(run.state, run.derived));
    const CalculationState& s = run.state;
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_TRUE(Near(s.MassFlow, c.massFlow, 1e-12)) << s.MassFlow;
    EXPECT_TRUE(Near(s.ReD, c.reD, 1e-12)) << s.ReD;
    EXPECT_TRUE(Near(s.C, c.c, 1e-12)) << s.C;
    EXPECT_TRUE(Near(s.Epsilon, c.epsilon, 1e-12)) << s.Epsilon;
    EXPECT_EQ(s.MassFlowMax, s.MassFlow);
    EXPECT_EQ(s.MassFlowMin, s.MassFlow);
    EXPECT_EQ(s.ReDMax, s.ReD);
    EXPECT_EQ(s.ReDMin, 0);
    EXPECT_EQ(s.VelocityMax, s.Velocity);
    EXPECT_EQ(s.Dp, c.dpMax);
  }
}

TEST(SizeFlow, MinimumFlowCheckComparesTheComputedFlowWithTheMinimumPermitted) {
  for (double viscosity : {3.55e-4, 3.55}) {  // Re_D far above, and far below the minimum
    Calc run;
    Load(run, kWater, PrimaryElementKind::OrificeCorner, 0.1, 0.05);
    run.state.Viscosity = viscosity;
    run.state.DpMax = 25000;
    ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
    ASSERT_TRUE(SizeFlow(run.state, run.derived));
    EXPECT_EQ(run.state.LimitFlags[kFlagMinimumFlow], run.state.MassFlow < run.state.MassFlowMinAllowed);
    EXPECT_EQ(run.state.LimitFlags[kFlagMinimumFlow], viscosity > 1) << viscosity;
  }
}

TEST(Prepare, SetsPipeReynoldsNumbersVelocitiesLimitsAndTappings) {
  Calc run;
  Load(run, kAir, PrimaryElementKind::OrificeFlange, 0.1);
  run.state.Pressure = 1.5e6;
  ASSERT_TRUE(Prepare(run.state, run.derived, run.messages));
  const CalculationState& s = run.state;
  const double pi = 3.141592653589793;
  EXPECT_DOUBLE_EQ(s.PipeDiameter, 0.1);  // 20 °C: no expansion
  EXPECT_DOUBLE_EQ(s.ReD, 4 * 1.5 / (pi * 0.1 * 18.2e-6));
  EXPECT_DOUBLE_EQ(s.ReDMax, 4 * 2.0 / (pi * 0.1 * 18.2e-6));
  EXPECT_DOUBLE_EQ(s.ReDMin, 4 * 0.4 / (pi * 0.1 * 18.2e-6));
  EXPECT_DOUBLE_EQ(s.Velocity, 4 * 1.5 / (7.13 * 0.01 * pi));
  EXPECT_DOUBLE_EQ(s.VelocityMax, 4 * 2.0 / (7.13 * 0.01 * pi));
  EXPECT_EQ(s.VelocityLow, 0.0001);
  EXPECT_EQ(s.VelocityHigh, 10);
  EXPECT_DOUBLE_EQ(run.derived.TappingL1, 0.254);
  EXPECT_DOUBLE_EQ(run.derived.TappingL2, 0.254);
}

TEST(Prepare, RefusesIndicesOutOfRangeWithItsMessage) {
  const auto spoil = {
      +[](Calc& r) { r.derived.TemperatureBand = 8; },
      +[](Calc& r) { r.derived.TemperatureBand = -1; },
      +[](Calc& r) { r.state.PipeMaterial = 19; },
      +[](Calc& r) { r.state.ElementMaterial = 19; },
  };
  for (auto change : spoil) {
    Calc run;
    Load(run, kWater, PrimaryElementKind::OrificeCorner, 0.1);
    change(run);
    EXPECT_FALSE(Prepare(run.state, run.derived, run.messages));
    ASSERT_EQ(run.messages.Shown().size(), 1u);
    EXPECT_EQ(run.messages.Shown()[0].id, str::kBadIndexSettings.id);
    EXPECT_EQ(run.messages.Shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(run.state.PipeDiameter, 0);  // nothing computed
  }
}

TEST(Prepare, FloatingPointFaultFailsAsACalculation) {
  for (auto spoil :
       {+[](CalculationState& s) { s.PipeDiameter20 = 0; }, +[](CalculationState& s) { s.Viscosity = 0; },
        +[](CalculationState& s) { s.Density = 0; }, +[](CalculationState& s) { s.MassFlowMax = 1e307; }}) {
    Calc run;
    Load(run, kWater, PrimaryElementKind::OrificeFlange, 0.1);
    spoil(run.state);
    EXPECT_FALSE(Prepare(run.state, run.derived, run.messages));
    ASSERT_EQ(run.messages.Shown().size(), 1u);
    EXPECT_EQ(run.messages.Shown()[0].id, str::kCalculationFailed.id);
    ExpectFiniteResults(run.state);
  }
}

// Floating-point faults inside an iteration: the iteration fails, the finishing step does not run and no
// NaN or infinity reaches the state.
struct FaultCase {
  const char* name;
  PrimaryElementKind kind;
  const Fluid* fluid;
  double bore20;
  void (*spoil)(CalculationState&);  // applied after Prepare
  bool (*iterate)(Calc&);
};

bool Bore(Calc& r) {
  return SizeBore(r.state, r.derived, 25000);
}
bool Dp(Calc& r) {
  return SizeDp(r.state, r.derived);
}
bool Flow(Calc& r) {
  return SizeFlow(r.state, r.derived);
}

const FaultCase kFaultCases[] = {
    {"bore, zero density", PrimaryElementKind::OrificeCorner, &kWater, 0,
     [](CalculationState& s) { s.Density = 0; }, Bore},
    {"bore, zero viscosity", PrimaryElementKind::OrificeCorner, &kWater, 0,
     [](CalculationState& s) { s.Viscosity = 0; }, Bore},
    {"bore, zero maximum flow", PrimaryElementKind::VenturiCast, &kWater, 0,
     [](CalculationState& s) { s.MassFlowMax = 0; }, Bore},
    {"bore, zero flow", PrimaryElementKind::VenturiCast, &kWater, 0,
     [](CalculationState& s) {
       s.MassFlow = 0;
       s.ReD = 0;
     },
     Bore},
    {"bore, nozzle with kappa 1", PrimaryElementKind::NozzleIsa1932, &kAir, 0,
     [](CalculationState& s) { s.Kappa = 1; }, Bore},
    {"bore, negative differential pressure", PrimaryElementKind::OrificeCorner, &kWater, 0,
     [](CalculationState& s) { s.MassFlow = -s.MassFlow; },
     [](Calc& r) { return SizeBore(r.state, r.derived, -25000); }},
    {"dp, zero density", PrimaryElementKind::OrificeCorner, &kWater, 0.05,
     [](CalculationState& s) { s.Density = 0; }, Dp},
    {"dp, zero bore", PrimaryElementKind::OrificeCorner, &kWater, 0.0, [](CalculationState&) {}, Dp},
    {"dp, bore as large as the pipe", PrimaryElementKind::VenturiCast, &kWater, 0.1, [](CalculationState&) {},
     Dp},
    {"flow, zero viscosity", PrimaryElementKind::OrificeCorner, &kWater, 0.05,
     [](CalculationState& s) { s.Viscosity = 0; }, Flow},
    {"flow, bore larger than the pipe", PrimaryElementKind::OrificeCorner, &kWater, 0.12,
     [](CalculationState&) {}, Flow},
    {"flow, zero differential pressure on a nozzle", PrimaryElementKind::NozzleLongRadius, &kAir, 0.05,
     [](CalculationState& s) { s.DpMax = 0; }, Flow},
};

TEST(SizingIterations, FloatingPointFaultFailsWithoutNaNInTheState) {
  for (const auto& c : kFaultCases) {
    Calc run;
    Load(run, *c.fluid, c.kind, 0.1, c.bore20);
    run.state.DpMax = 25000;
    run.state.MassFlowMax = run.state.MassFlowMin = run.state.MassFlow;
    ASSERT_TRUE(Prepare(run.state, run.derived, run.messages)) << c.name;
    c.spoil(run.state);
    run.state.PressureLoss = -7;  // the finishing step would overwrite it
    run.state.LimitFlags.fill(true);
    EXPECT_FALSE(c.iterate(run)) << c.name;
    EXPECT_EQ(run.state.PressureLoss, -7) << c.name;
    EXPECT_TRUE(run.state.LimitFlags[kFlagReDMax]) << c.name;
    SCOPED_TRACE(c.name);
    ExpectFiniteResults(run.state);
  }
}

}  // namespace
}  // namespace pramo
