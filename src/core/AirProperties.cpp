#include "core/AirProperties.h"

#include "core/Units.h"

namespace pramo {
namespace {

constexpr double kDryAirDensityN = 1.1659;
constexpr double kDryAirDensityNN = 1.2928;
constexpr double kVapourDensityNN = 0.804;
constexpr double kPascalPerMmHg = 133.32;
constexpr double kGravity = 9.80665;

// Saturation pressure of water vapour in mm of mercury, in t/100.
constexpr double kSaturationMmHg[] = {4.5126878766, 34.077255314,  105.2659502,  200.73263058,
                                      260.22913044, -37.964697384, 370.04595809, -177.5906332};

// Viscosity of air in 1e-6 kgf·s/m², in t/100.
constexpr double kAirViscosityKgf[] = {
    1.7500179136,   0.44047066515,    0.14356511545,     -0.15805568043,   0.066810374981,   -0.014324867748,
    0.001448417349, -1.054821921e-05, -1.1954768619e-05, 1.0504068269e-06, -2.9088765614e-08};

// Saturated vapour density above the boiling point at atmospheric pressure, where the saturation pressure
// is held at 101 325 Pa.
constexpr double kVapourDensityAbove100 = 0.588458951263428;

}  // namespace

double Polynomial(std::span<const double> coefficients, double x) {
  if (coefficients.empty()) return 0;
  double result = coefficients.back();
  for (auto c = coefficients.rbegin() + 1; c != coefficients.rend(); ++c) result = result * x + *c;
  return result;
}

VapourSaturationValues VapourSaturation(double t) {
  if (t < -19) return {0, 0};
  if (t > 100) return {kPressureNN, kVapourDensityAbove100};
  const double ps = kPascalPerMmHg * Polynomial(kSaturationMmHg, t / 100);
  return {ps, ps * kVapourDensityNN * kTemperatureNN / (t + kZeroCelsius) / kPressureNN};
}

double AirViscosity(double t) {
  return kGravity * Polynomial(kAirViscosityKgf, t / 100);
}

double AirDensity(const AirDensityInput& in, DerivedValues& derived) {
  const double T = in.t + kZeroCelsius;
  const double flowRefT = in.flowRefTemperature + kZeroCelsius;
  if (in.fluid != FluidKind::HumidAir) {
    derived.DensityAtN = kDryAirDensityN;
    derived.DensityAtNN = kDryAirDensityNN;
    derived.DensityAtFlowRef = in.flowRefPressure * kDryAirDensityN * kTemperatureN / kPressureN / flowRefT;
    return in.p1 * kDryAirDensityN * kTemperatureN / kPressureN / T;
  }

  const VapourSaturationValues saturation = VapourSaturation(in.t);
  derived.SaturationPressure = saturation.pressure;
  derived.SaturationVapourDensity = saturation.vapourDensity;
  const double share = in.humidity / 100;
  const double dry =
      (in.p1 - share * saturation.pressure) * kDryAirDensityNN * kTemperatureNN / T / kPressureNN;
  derived.DryAirDensity = dry;
  derived.DryAirDensityAtFlowRef = dry * in.flowRefPressure * T / in.p1 / flowRefT;
  derived.DryAirDensityAtN = T * dry * kPressureN / in.p1 / kTemperatureN;
  derived.DryAirDensityAtNN = T * dry * kPressureNN / in.p1 / kTemperatureNN;
  const double rho = dry + share * saturation.vapourDensity;
  derived.DensityAtFlowRef = in.flowRefPressure * rho * T / in.p1 / flowRefT;
  derived.DensityAtN = T * rho * kPressureN / in.p1 / kTemperatureN;
  derived.DensityAtNN = T * rho * kPressureNN / in.p1 / kTemperatureNN;
  return rho;
}

}  // namespace pramo
