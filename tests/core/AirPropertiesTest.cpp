#include "core/AirProperties.h"

#include <array>
#include <vector>

#include <gtest/gtest.h>

namespace pramo {
namespace {

TEST(Polynomial, EvaluatesFromTheConstantTermUp) {
  EXPECT_DOUBLE_EQ(Polynomial(std::array{1.0, 2.0, 3.0}, 2), 17);  // 1 + 2·2 + 3·4
  EXPECT_DOUBLE_EQ(Polynomial(std::array{4.0}, 10), 4);
  EXPECT_DOUBLE_EQ(Polynomial(std::vector<double>(17, 1.0), 2), 131071);  // degree 16: 2^17 − 1
}

TEST(AirViscosity, AgreesWithTabulatedAir) {
  EXPECT_NEAR(AirViscosity(20), 18.1, 0.05);  // 18.1e-6 Pa·s at 20 °C
  EXPECT_NEAR(AirViscosity(0), 9.80665 * 1.7500179136, 1e-12);
}

TEST(VapourSaturation, PolynomialBetweenMinus19And100DegreesAndFixedValuesOutside) {
  const auto at20 = VapourSaturation(20);
  EXPECT_NEAR(at20.pressure, 2339, 5);  // steam tables: 2339 Pa
  EXPECT_DOUBLE_EQ(at20.vapourDensity, at20.pressure * 0.804 * 273.15 / 293.15 / 101325);
  EXPECT_GT(VapourSaturation(-19).pressure, 0);
  EXPECT_EQ(VapourSaturation(-19.5).pressure, 0);
  EXPECT_EQ(VapourSaturation(-19.5).vapourDensity, 0);
  EXPECT_LT(VapourSaturation(100).pressure, 101325);
  EXPECT_EQ(VapourSaturation(100.5).pressure, 101325);
  EXPECT_EQ(VapourSaturation(100.5).vapourDensity, 0.588458951263428);
}

TEST(AirDensity, DryAirFollowsTheConstantAt20DegreesAndKeepsTheReferenceConstants) {
  DerivedValues derived;
  const double rho = AirDensity({FluidKind::DryAir, 101325, 0, 0, 98066.5, 20}, derived);
  EXPECT_NEAR(rho, 1.29284, 5e-6);
  EXPECT_EQ(derived.DensityAtNN, 1.2928);
  EXPECT_EQ(derived.DensityAtN, 1.1659);
  EXPECT_DOUBLE_EQ(derived.DensityAtFlowRef, 1.1659);
  EXPECT_EQ(derived.DryAirDensity, 0);
  EXPECT_EQ(derived.SaturationPressure, 0);
}

TEST(AirDensity, HumidAirWithoutVapourIsDryAirFromTheConstantAt0Degrees) {
  DerivedValues derived;
  const double rho = AirDensity({FluidKind::HumidAir, 200000, 50, 0, 101325, 0}, derived);
  const double T = 323.15;
  EXPECT_DOUBLE_EQ(rho, 200000 * 1.2928 * 273.15 / T / 101325);
  EXPECT_DOUBLE_EQ(derived.DryAirDensity, rho);
  EXPECT_DOUBLE_EQ(derived.DensityAtNN, 1.2928);
  EXPECT_DOUBLE_EQ(derived.DryAirDensityAtNN, 1.2928);
  EXPECT_DOUBLE_EQ(derived.DensityAtN, 1.2928 * 273.15 / 293.15 * 98066.5 / 101325);
  EXPECT_DOUBLE_EQ(derived.DensityAtFlowRef, 1.2928);
  EXPECT_DOUBLE_EQ(derived.SaturationPressure, VapourSaturation(50).pressure);
}

TEST(AirDensity, VapourMakesAirLighter) {
  DerivedValues dry;
  DerivedValues humid;
  AirDensity({FluidKind::HumidAir, 101325, 30, 0, 101325, 0}, dry);
  const double rho = AirDensity({FluidKind::HumidAir, 101325, 30, 80, 101325, 0}, humid);
  EXPECT_LT(rho, dry.DryAirDensity);
  EXPECT_LT(humid.DryAirDensity, rho);
  EXPECT_DOUBLE_EQ(rho, humid.DryAirDensity + 0.8 * humid.SaturationVapourDensity);
}

TEST(AirDensity, SaturatedAirAbove100DegreesAtAtmosphericPressureHasNoDryAir) {
  DerivedValues derived;
  const double rho = AirDensity({FluidKind::HumidAir, 101325, 120, 100, 101325, 0}, derived);
  EXPECT_EQ(derived.SaturationPressure, 101325);
  EXPECT_EQ(derived.DryAirDensity, 0);
  EXPECT_EQ(derived.DryAirDensityAtN, 0);
  EXPECT_EQ(derived.DryAirDensityAtNN, 0);
  EXPECT_EQ(derived.DryAirDensityAtFlowRef, 0);
  EXPECT_DOUBLE_EQ(rho, 0.588458951263428);
}

}  // namespace
}  // namespace pramo
