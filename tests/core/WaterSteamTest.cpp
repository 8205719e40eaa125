#include "core/WaterSteam.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace pramo {
namespace {

// Passes when actual rounds to expected at the given number of significant digits.
testing::AssertionResult AgreesTo(double actual, double expected, int digits) {
  const double halfUnit = 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - digits + 1);
  if (std::fabs(actual - expected) <= halfUnit) return testing::AssertionSuccess();
  return testing::AssertionFailure() << actual << " differs from " << expected << " by more than "
                                     << halfUnit;
}

constexpr double kMPa = 1e6;

// Specific volumes (m3/kg) at (T in K, p in MPa): the verification tables of the IAPWS-IF97 release,
// given there to 9 significant digits.
struct VolumeCase {
  double T;
  double p;
  double v;
};

TEST(IF97Verification, Region1Volumes) {
  for (const auto& c : {VolumeCase{300, 3, 1.002151680e-03}, VolumeCase{300, 80, 9.711808940e-04},
                        VolumeCase{500, 3, 1.202418000e-03}})
    EXPECT_TRUE(AgreesTo(1 / Region1Density(c.p * kMPa, c.T), c.v, 9)) << c.T << " K, " << c.p << " MPa";
}

TEST(IF97Verification, Region2Volumes) {
  for (const auto& c : {VolumeCase{300, 0.0035, 3.949138660e+01}, VolumeCase{700, 0.0035, 9.230158980e+01},
                        VolumeCase{700, 30, 5.429466190e-03}})
    EXPECT_TRUE(AgreesTo(1 / Region2Density(c.p * kMPa, c.T), c.v, 9)) << c.T << " K, " << c.p << " MPa";
}

TEST(IF97Verification, Region5VolumesOfThe1997Release) {
  for (const auto& c : {VolumeCase{1500, 0.5, 1.384553540e+00}, VolumeCase{1500, 8, 8.651566160e-02},
                        VolumeCase{2000, 8, 1.157431460e-01}})
    EXPECT_TRUE(AgreesTo(1 / Region5Density(c.p * kMPa, c.T), c.v, 9)) << c.T << " K, " << c.p << " MPa";
}

TEST(IF97Verification, SaturationLine) {
  EXPECT_TRUE(AgreesTo(SaturationPressure(300 - 273.15) / kMPa, 3.536589410e-03, 9));
  EXPECT_TRUE(AgreesTo(SaturationPressure(500 - 273.15) / kMPa, 2.638897760e+00, 9));
  EXPECT_TRUE(AgreesTo(SaturationPressure(600 - 273.15) / kMPa, 1.234431460e+01, 9));
  EXPECT_TRUE(AgreesTo(SaturationTemperature(0.1 * kMPa) + 273.15, 3.727559190e+02, 9));
  EXPECT_TRUE(AgreesTo(SaturationTemperature(1 * kMPa) + 273.15, 4.530356320e+02, 9));
  EXPECT_TRUE(AgreesTo(SaturationTemperature(10 * kMPa) + 273.15, 5.841494880e+02, 9));
}

TEST(IF97Verification, BoundaryBetweenRegions2And3) {
  EXPECT_TRUE(AgreesTo(B23Pressure(623.15) / kMPa, 0.165291643e2, 9));
  EXPECT_TRUE(AgreesTo(B23Temperature(16.5291643 * kMPa) + 273.15, 0.623150000e3, 9));
}

TEST(SaturatedSteamTemperature, FollowsTheSaturationLineThenTheB23LineUpTo100MPa) {
  EXPECT_FALSE(SaturatedSteamTemperature(611.2).has_value());
  ASSERT_TRUE(SaturatedSteamTemperature(611.213).has_value());
  EXPECT_NEAR(*SaturatedSteamTemperature(611.213), 0, 1e-4);  // the saturation pressure at 0 °C
  EXPECT_NEAR(*SaturatedSteamTemperature(1 * kMPa), 179.886, 5e-4);
  EXPECT_DOUBLE_EQ(*SaturatedSteamTemperature(22.064 * kMPa), SaturationTemperature(22.064 * kMPa));
  EXPECT_DOUBLE_EQ(*SaturatedSteamTemperature(22.1 * kMPa), B23Temperature(22.1 * kMPa));
  EXPECT_DOUBLE_EQ(*SaturatedSteamTemperature(100 * kMPa), B23Temperature(100 * kMPa));
  EXPECT_FALSE(SaturatedSteamTemperature(100.001 * kMPa).has_value());
}

void ExpectDensity(const WaterSteamResult& result, double density) {
  EXPECT_EQ(result.outcome, WaterSteamOutcome::Density);
  EXPECT_DOUBLE_EQ(result.density, density);
}

void ExpectRefused(const WaterSteamResult& result, WaterSteamOutcome outcome) {
  EXPECT_EQ(result.outcome, outcome);
  EXPECT_EQ(result.density, 1e-5);
}

TEST(WaterSteamDensity, ComputesEachFluidInItsOwnRegion) {
  const auto water = WaterSteamDensity(FluidKind::Water, 1 * kMPa, 20, false);
  EXPECT_EQ(water.outcome, WaterSteamOutcome::Density);
  EXPECT_NEAR(water.density, 998.62, 0.005);

  const double tSat = *SaturatedSteamTemperature(1 * kMPa);
  const auto saturated = WaterSteamDensity(FluidKind::SaturatedSteam, 1 * kMPa, tSat, true);
  EXPECT_EQ(saturated.outcome, WaterSteamOutcome::Density);
  EXPECT_NEAR(saturated.density, 5.1454, 5e-5);

  // 20 MPa at 400 °C lies below the B23 line (24.24 MPa at 673.15 K), so region 2 still holds.
  ExpectDensity(WaterSteamDensity(FluidKind::SuperheatedSteam, 20 * kMPa, 400, false),
                Region2Density(20 * kMPa, 673.15));
  ExpectDensity(WaterSteamDensity(FluidKind::SuperheatedSteam, 5 * kMPa, 900, false),
                Region5Density(5 * kMPa, 1173.15));
  ExpectDensity(WaterSteamDensity(FluidKind::SuperheatedSteam, 50 * kMPa, 700, false),
                Region2Density(50 * kMPa, 973.15));
}

TEST(WaterSteamDensity, SaturatedSteamWithATypedTemperatureNeedsTypedDensityAndViscosity) {
  ExpectRefused(WaterSteamDensity(FluidKind::SaturatedSteam, 1 * kMPa, 179.886, false),
                WaterSteamOutcome::SaturatedNeedsTypedProperties);
  // Outside the shortcut's temperature range the state decides, as for any fluid.
  ExpectRefused(WaterSteamDensity(FluidKind::SaturatedSteam, 1 * kMPa, 700, false),
                WaterSteamOutcome::StateIsSteam);
  ExpectRefused(WaterSteamDensity(FluidKind::SaturatedSteam, 1 * kMPa, -5, true),
                WaterSteamOutcome::NotComputable);
}

TEST(WaterSteamDensity, RefusesAStateThatDoesNotFitTheFluid) {
  ExpectRefused(WaterSteamDensity(FluidKind::SuperheatedSteam, 1 * kMPa, 150, false),
                WaterSteamOutcome::StateIsWater);
  ExpectRefused(WaterSteamDensity(FluidKind::Water, 1 * kMPa, 200, false), WaterSteamOutcome::StateIsSteam);
  ExpectRefused(WaterSteamDensity(FluidKind::Water, 5 * kMPa, 900, false), WaterSteamOutcome::StateIsSteam);
}

TEST(WaterSteamDensity, RefusesStatesOutsideTheComputedRegions) {
  const auto superheated = [](double p, double t) {
    return WaterSteamDensity(FluidKind::SuperheatedSteam, p, t, false);
  };
  ExpectRefused(superheated(30 * kMPa, 400), WaterSteamOutcome::NotComputable);  // region 3
  ExpectRefused(superheated(20 * kMPa, 900), WaterSteamOutcome::NotComputable);  // region 5 ends at 10 MPa
  ExpectRefused(superheated(5 * kMPa, 2001), WaterSteamOutcome::NotComputable);
  ExpectRefused(superheated(0, 400), WaterSteamOutcome::NotComputable);
  ExpectRefused(WaterSteamDensity(FluidKind::Water, 1 * kMPa, -0.5, false), WaterSteamOutcome::NotComputable);
  ExpectRefused(WaterSteamDensity(FluidKind::Water, 101 * kMPa, 20, false), WaterSteamOutcome::NotComputable);
}

TEST(WaterSteamDensity, AStateOnABoundaryTakesTheFirstRegionThatAdmitsIt) {
  // On the saturation line the liquid wins.
  const double ps100 = SaturationPressure(100);
  ExpectDensity(WaterSteamDensity(FluidKind::Water, ps100, 100, false), Region1Density(ps100, 373.15));
  ExpectRefused(WaterSteamDensity(FluidKind::SuperheatedSteam, ps100, 100, false),
                WaterSteamOutcome::StateIsWater);
  // At 623.15 K: liquid down to the saturation pressure, vapour just below it.
  const double ps350 = SaturationPressure(350);
  ExpectDensity(WaterSteamDensity(FluidKind::Water, ps350, 350, false), Region1Density(ps350, 623.15));
  ExpectDensity(WaterSteamDensity(FluidKind::SuperheatedSteam, ps350 - 1, 350, false),
                Region2Density(ps350 - 1, 623.15));
  // At 1073.15 K region 2 comes before region 5.
  ExpectDensity(WaterSteamDensity(FluidKind::SuperheatedSteam, 5 * kMPa, 800, false),
                Region2Density(5 * kMPa, 1073.15));
  // On the B23 line region 2 still holds; just above it is region 3.
  const double pB = B23Pressure(673.15);
  ExpectDensity(WaterSteamDensity(FluidKind::SuperheatedSteam, pB, 400, false), Region2Density(pB, 673.15));
  ExpectRefused(WaterSteamDensity(FluidKind::SuperheatedSteam, pB + 1, 400, false),
                WaterSteamOutcome::NotComputable);
}

TEST(WaterViscosity, MatchesTheIapsReferenceValues) {
  ASSERT_TRUE(WaterViscosity(998.2, 20).has_value());
  EXPECT_NEAR(*WaterViscosity(998.2, 20), 1003.09, 0.005);
  ASSERT_TRUE(WaterViscosity(5.1454, 179.886).has_value());
  EXPECT_NEAR(*WaterViscosity(5.1454, 179.886), 15.07, 0.005);
}

TEST(WaterViscosity, ReportsAComputationThatBreaksDown) {
  EXPECT_FALSE(WaterViscosity(317.763, -273).has_value());  // overflows
  EXPECT_FALSE(WaterViscosity(1e4, 20).has_value());        // underflows to zero
  EXPECT_FALSE(WaterViscosity(std::numeric_limits<double>::quiet_NaN(), 20).has_value());
}

}  // namespace
}  // namespace pramo
