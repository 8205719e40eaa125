#pragma once

#include <optional>
#include <string_view>

#include "core/CalculationState.h"

namespace pramo {

// Reads a number as the user typed it: "," and "." both stand for the decimal separator whatever the
// locale; optional sign and exponent, blanks around it allowed. Nothing for any other text.
std::optional<double> ReadNumber(std::string_view text);

// Absolute zero on the Celsius scale, and the reference conditions of the normal volume units and of the
// densities the certificate shows: "n" at 98 066.5 Pa and 20 °C, "N" at 101 325 Pa and 0 °C.
inline constexpr double kZeroCelsius = 273.15;    // K
inline constexpr double kPressureN = 98066.5;     // Pa
inline constexpr double kTemperatureN = 293.15;   // K
inline constexpr double kPressureNN = 101325;     // Pa
inline constexpr double kTemperatureNN = 273.15;  // K

// Unit lists: the index is the unit byte stored in the calculation.
inline constexpr int kPressureUnitCount = 16;  // 0..7 absolute, 8..15 the same units gauge
inline constexpr int kDpUnitCount = 8;
inline constexpr int kTemperatureUnitCount = 3;
inline constexpr int kPipeDiameterUnitCount = 4;
inline constexpr int kViscosityUnitCount = 11;
inline constexpr int kDensityUnitCount = 4;

// Absolute pressure in Pa; gauge units add the barometric pressure.
double PressureToPa(int unit, double value, double barometricPressure);
// Differential pressure (and the reference pressures of the settings) in Pa.
double DpToPa(int unit, double value);
double TemperatureToCelsius(int unit, double value);
double PipeDiameterToMetres(int unit, double value);
// Dynamic viscosity in Pa·s; the kinematic units take the operating density.
double ViscosityToPaS(int unit, double value, double density);

// The flow unit list shows only the units offered for the fluid; its items map onto the stored kinds.
FlowUnitKind FlowUnitKindOfItem(int item);
int FlowUnitItemOfKind(FlowUnitKind kind);
int FlowUnitItemCount(FluidKind fluid);
int DensityUnitItemCount(FluidKind fluid);

// Everything the conversion of a typed flow into a mass flow needs besides the value and its unit.
struct FlowConversion {
  double density;  // operating density
  const DerivedValues& derived;
  bool asDryAir;    // humid air whose flow is given as dry air
  double pressure;  // absolute operating pressure
  double humidity;  // %
};

// Mass flow in kg/s of a typed flow; a value <= 0 gives 0.
double MassFlowOf(FlowUnitKind unit, double value, const FlowConversion& c);

// Isentropic exponent of a fluid when none is typed.
double DefaultKappa(FluidKind fluid);

}  // namespace pramo
