#pragma once

#include <span>

#include "core/CalculationState.h"

namespace pramo {

// Horner evaluation of c0 + c1·x + ... + cn·xⁿ, coefficients from c0 up.
double Polynomial(std::span<const double> coefficients, double x);

struct VapourSaturationValues {
  double pressure;       // Pa
  double vapourDensity;  // kg/m3
};

// Saturation pressure and density of the water vapour in humid air at t (°C). Below −19 °C there is no
// vapour; above 100 °C the values at 100 °C and 101 325 Pa hold.
VapourSaturationValues VapourSaturation(double t);

// Dynamic viscosity of air at t (°C) in 1e-6 Pa·s, for 0..1000 °C.
double AirViscosity(double t);

struct AirDensityInput {
  FluidKind fluid;  // HumidAir, or dry air for any other kind
  double p1;        // absolute operating pressure, Pa
  double t;         // operating temperature, °C
  double humidity;  // relative humidity, %
  double flowRefPressure;
  double flowRefTemperature;  // °C
};

// Operating density of dry or humid air in kg/m3. Fills the densities at the flow reference conditions,
// at 98 066.5 Pa and 20 °C and at 101 325 Pa and 0 °C; for humid air also the dry-air share of each and
// the vapour saturation values.
double AirDensity(const AirDensityInput& in, DerivedValues& derived);

}  // namespace pramo
