#pragma once

#include <optional>

#include "core/CalculationState.h"

namespace pramo {

// Water and steam after the industrial formulation IAPWS-IF97 (1997 release) and the IAPS viscosity
// formulation. Pressures in Pa absolute, t in °C, T in K.

double SaturationPressure(double t);     // Pa, on the saturation line at t
double SaturationTemperature(double p);  // °C, on the saturation line at p
double B23Pressure(double T);            // Pa, on the boundary between regions 2 and 3
double B23Temperature(double p);         // °C, on the same boundary

// Densities in kg/m3 from the Gibbs function of each region; no check that (p, T) lies in the region.
double Region1Density(double p, double T);
double Region2Density(double p, double T);
double Region5Density(double p, double T);

// Temperature of saturated steam when the user did not type one: the saturation line up to the critical
// pressure, the 2-3 boundary from there up to 100 MPa, nothing outside 611.213 Pa .. 100 MPa.
std::optional<double> SaturatedSteamTemperature(double p);

enum class WaterSteamOutcome {
  Density,                        // the density was computed
  SaturatedNeedsTypedProperties,  // saturated steam with a typed temperature needs typed density and
                                  // viscosity
  StateIsWater,                   // the state is liquid but the fluid is not water
  StateIsSteam,                   // the state is vapour but the fluid is not superheated steam
  NotComputable,                  // outside the regions the program computes (region 3 included)
};

struct WaterSteamResult {
  WaterSteamOutcome outcome;
  double density = 1e-5;  // kg/m3; 1e-5 unless the outcome is Density
};

// Density of saturated steam, superheated steam or water at p and t, after locating the state in the
// regions of the formulation. `temperatureFromSaturation` is true when t is the saturation temperature
// computed for saturated steam (temperature not typed) or when the user typed density and viscosity as
// well; only then may saturated steam with a temperature be computed.
WaterSteamResult WaterSteamDensity(FluidKind fluid, double p, double t, bool temperatureFromSaturation);

// Dynamic viscosity of water and steam in 1e-6 Pa·s; nothing when the computation is not finite or
// underflows to zero (a density or temperature far outside the formulation).
std::optional<double> WaterViscosity(double density, double t);

}  // namespace pramo
