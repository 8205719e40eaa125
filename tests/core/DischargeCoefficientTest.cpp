#include "core/DischargeCoefficient.h"

#include <cmath>

#include <gtest/gtest.h>

namespace pramo {
namespace {

// Reference values: the equations of ISO 5167-2/-3/-4:2003 evaluated independently in Python 3 with
// math.exp and the ** operator (the tapping spacings written out per kind). Tolerance: 1e-13 relative,
// the spread of two correct double evaluations.
struct CoefficientCase {
  PrimaryElementKind kind;
  double beta, reD, pipeDiameter, expected;
};

constexpr CoefficientCase kCoefficientCases[] = {
    {PrimaryElementKind::OrificeCorner, 0.5, 1e5, 0.1, 0.6068731632649672},
    {PrimaryElementKind::OrificeDD2, 0.6, 2e5, 0.2, 0.6097540006963169},
    {PrimaryElementKind::OrificeFlange, 0.4, 5e4, 0.1, 0.6034068608801151},
    {PrimaryElementKind::OrificeFlange, 0.5, 3e4, 0.05, 0.6121309352977491},  // small-pipe term
    {PrimaryElementKind::NozzleIsa1932, 0.6, 3e5, 0.15, 0.9612105336415929},
    {PrimaryElementKind::NozzleLongRadius, 0.5, 2e5, 0.1, 0.9861751634395503},
    {PrimaryElementKind::VenturiCast, 0.5, 1e6, 0.2, 0.984},
    {PrimaryElementKind::VenturiMachined, 0.6, 5e5, 0.1, 0.995},
    {PrimaryElementKind::VenturiWelded, 0.5, 1e6, 0.4, 0.985},
    {PrimaryElementKind::VenturiNozzle, 0.55, 5e5, 0.1, 0.972498881148928},
    // Flange tappings, D = 73.91 mm, d = 22.2 mm, 0.12 kg/s of air (μ = 18.5 µPa·s): the documented
    // example of the Python "fluids" library's C_Reader_Harris_Gallagher gives 0.5990326277163659.
    {PrimaryElementKind::OrificeFlange, 0.0222 / 0.07391, 4 * 0.12 / (3.141592653589793 * 0.07391 * 1.85e-5),
     0.07391, 0.5990326277163659},
};

TEST(DischargeCoefficient, MatchesTheStandardsEquationsForEveryElementKind) {
  for (const auto& c : kCoefficientCases) {
    const TappingSpacing taps = TappingSpacingOf(c.kind, c.pipeDiameter);
    EXPECT_NEAR(DischargeCoefficient(c.kind, c.beta, c.reD, c.pipeDiameter, taps.l1, taps.l2), c.expected,
                1e-13 * c.expected)
        << "kind " << static_cast<int>(c.kind) << " beta " << c.beta;
  }
}

TEST(DischargeCoefficient, SmallPipeTermStartsBelow71_12mm) {
  const auto corner = [](double beta, double pipe) {
    return DischargeCoefficient(PrimaryElementKind::OrificeCorner, beta, 1e5, pipe, 0, 0);
  };
  // Corner tappings have no spacing, so only the small-pipe term depends on D.
  EXPECT_EQ(corner(0.5, 0.07112), corner(0.5, 0.5));
  EXPECT_NEAR(corner(0.5, 0.05) - corner(0.5, 0.5), 0.011 * 0.25 * (2.8 - 50.0 / 25.4), 1e-15);
  EXPECT_NEAR(corner(0.5, 0.05) - corner(0.5, 0.5), 0.002287, 5e-7);
}

TEST(DischargeCoefficient, TappingSpacingsByElementKind) {
  struct Row {
    PrimaryElementKind kind;
    double l1, l2;
  };
  constexpr Row rows[] = {
      {PrimaryElementKind::OrificeCorner, 0, 0},         {PrimaryElementKind::OrificeDD2, 1, 0.47},
      {PrimaryElementKind::OrificeFlange, 0.254, 0.254}, {PrimaryElementKind::NozzleIsa1932, 0, 0},
      {PrimaryElementKind::VenturiNozzle, 0, 0},
  };
  for (const auto& r : rows) {
    const TappingSpacing taps = TappingSpacingOf(r.kind, 0.1);
    EXPECT_DOUBLE_EQ(taps.l1, r.l1) << static_cast<int>(r.kind);
    EXPECT_DOUBLE_EQ(taps.l2, r.l2) << static_cast<int>(r.kind);
  }
}

TEST(DischargeCoefficient, VenturiTubesIgnoreReynoldsNumberAndBeta) {
  for (PrimaryElementKind kind : {PrimaryElementKind::VenturiCast, PrimaryElementKind::VenturiMachined,
                                  PrimaryElementKind::VenturiWelded}) {
    const double reference = DischargeCoefficient(kind, 0.5, 1e6, 0.2, 0, 0);
    EXPECT_EQ(DischargeCoefficient(kind, 0.3, 2e4, 0.2, 0, 0), reference);
    EXPECT_EQ(DischargeCoefficient(kind, 0.74, 3e7, 0.2, 0, 0), reference);
  }
}

TEST(DischargeCoefficient, StartValues) {
  for (int k = 0; k < kElementKindCount; ++k) {
    EXPECT_EQ(StartDischargeCoefficient(static_cast<PrimaryElementKind>(k)), k <= 2 ? 0.606 : 1.0) << k;
  }
  for (int f = 0; f < kFluidKindCount; ++f) {
    const bool liquid = f == 2 || f == 6;
    EXPECT_EQ(StartExpansibility(static_cast<FluidKind>(f)), liquid ? 1.0 : 0.97) << f;
  }
}

TEST(DischargeCoefficient, ZeroReynoldsNumberOrBetaOfOneFailsForEveryElementKind) {
  for (int k = 0; k < kElementKindCount; ++k) {
    const auto kind = static_cast<PrimaryElementKind>(k);
    EXPECT_TRUE(std::isnan(DischargeCoefficient(kind, 0.5, 0.0, 0.1, 0, 0))) << k;
    EXPECT_TRUE(std::isnan(DischargeCoefficient(kind, 1.0, 1e5, 0.1, 0, 0))) << k;
    EXPECT_TRUE(std::isnan(DischargeCoefficient(kind, 1.0, 1e5, 0.1, 1, 0.47))) << k;
  }
}

// Expansibility references: evaluated as above; tolerance 1e-13 relative.
struct ExpansibilityCase {
  PrimaryElementKind kind;
  double beta, dp, p1, kappa, expected;
};

constexpr ExpansibilityCase kExpansibilityCases[] = {
    {PrimaryElementKind::OrificeCorner, 0.5, 20000, 200000, 1.4, 0.9731308307348583},
    {PrimaryElementKind::OrificeFlange, 0.7, 50000, 150000, 1.135, 0.8599928834778595},
    {PrimaryElementKind::NozzleIsa1932, 0.6, 30000, 500000, 1.3, 0.9584022723938818},
    {PrimaryElementKind::VenturiNozzle, 0.5, 10000, 120000, 1.41, 0.9509608407371353},
    {PrimaryElementKind::VenturiCast, 0.7, 80000, 1e6, 1.35, 0.9375481225161008},
};

TEST(Expansibility, MatchesTheStandardsEquationsForGases) {
  for (const auto& c : kExpansibilityCases) {
    for (FluidKind gas :
         {FluidKind::SaturatedSteam, FluidKind::DryAir, FluidKind::Gas, FluidKind::Undetermined}) {
      EXPECT_NEAR(Expansibility(c.kind, gas, c.beta, c.dp, c.p1, c.kappa), c.expected, 1e-13)
          << "kind " << static_cast<int>(c.kind) << " fluid " << static_cast<int>(gas);
    }
  }
}

TEST(Expansibility, LiquidsGetExactlyOneWhateverTheDifferentialPressure) {
  for (FluidKind liquid : {FluidKind::Water, FluidKind::Liquid}) {
    for (double dp : {0.0, 1e3, 5e5, 1e9}) {
      EXPECT_EQ(Expansibility(PrimaryElementKind::OrificeCorner, liquid, 0.6, dp, 2e5, 1.0), 1.0);
      EXPECT_EQ(Expansibility(PrimaryElementKind::NozzleIsa1932, liquid, 0.6, dp, 2e5, 1.0), 1.0);
    }
  }
}

TEST(Expansibility, OrificeTakesTheRatioPowerAsZeroWhenDpReachesP1) {
  const double beta = 0.6, b4 = beta * beta * beta * beta;
  const double floor = 1.0 - (0.351 + 0.256 * b4 + 0.93 * b4 * b4);
  EXPECT_DOUBLE_EQ(Expansibility(PrimaryElementKind::OrificeDD2, FluidKind::DryAir, beta, 2e5, 2e5, 1.4),
                   floor);
  EXPECT_DOUBLE_EQ(Expansibility(PrimaryElementKind::OrificeDD2, FluidKind::DryAir, beta, 3e5, 2e5, 1.4),
                   floor);
}

TEST(Expansibility, FloatingPointFaultsGiveNaN) {
  // κ = 1 divides by zero, Δp = 0 makes τ = 1 (0/0) in the nozzle and Venturi equation; a denormal κ
  // overflows 1/κ in the orifice equation.
  EXPECT_TRUE(
      std::isnan(Expansibility(PrimaryElementKind::NozzleIsa1932, FluidKind::Gas, 0.5, 1e4, 2e5, 1.0)));
  EXPECT_TRUE(
      std::isnan(Expansibility(PrimaryElementKind::VenturiNozzle, FluidKind::Gas, 0.5, 0.0, 2e5, 1.4)));
  EXPECT_TRUE(
      std::isnan(Expansibility(PrimaryElementKind::OrificeCorner, FluidKind::Gas, 0.5, 1e4, 2e5, 1e-310)));
  EXPECT_TRUE(
      std::isnan(Expansibility(PrimaryElementKind::OrificeCorner, FluidKind::Gas, 0.5, 1e4, 0.0, 1.4)));
}

}  // namespace
}  // namespace pramo
