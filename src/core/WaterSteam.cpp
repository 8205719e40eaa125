#include "core/WaterSteam.h"

#include <cmath>
#include <span>

#include "core/Numerics.h"
#include "core/Units.h"

namespace pramo {
namespace {

constexpr double kGasConstant = 461.526;  // J/(kg·K)
constexpr double kCriticalPressure = 22.064e6;
constexpr double kMinSaturationPressure = 611.213;  // on the saturation line at 0 °C
constexpr double kMaxPressure = 100e6;
constexpr double kRegion5MaxPressure = 10e6;

// Temperature bounds of the regions, K.
constexpr double kRegion1MaxT = 623.15;
constexpr double kB23MaxT = 863.15;
constexpr double kRegion2MaxT = 1073.15;
constexpr double kRegion5MaxT = 2273.15;

struct GibbsTerm {
  int I;
  int J;
  double n;
};

constexpr GibbsTerm kRegion1[] = {
    {0, -2, 1.46329712131670e-01},    {0, -1, -8.45481871691140e-01},   {0, 0, -3.75636036720400e+00},
    {0, 1, 3.38551691683850e+00},     {0, 2, -9.57919633878720e-01},    {0, 3, 1.57720385132280e-01},
    {0, 4, -1.66164171995010e-02},    {0, 5, 8.12146299835680e-04},     {1, -9, 2.83190801238040e-04},
    {1, -7, -6.07063015658740e-04},   {1, -1, -1.89900682184190e-02},   {1, 0, -3.25297487705050e-02},
    {1, 1, -2.18417171754140e-02},    {1, 3, -5.28383579699300e-05},    {2, -3, -4.71843210732670e-04},
    {2, 0, -3.00017807930260e-04},    {2, 1, 4.76613939069870e-05},     {2, 3, -4.41418453308460e-06},
    {2, 17, -7.26949962975940e-16},   {3, -4, -3.16796448450540e-05},   {3, 0, -2.82707979853120e-06},
    {3, 6, -8.52051281201030e-10},    {4, -5, -2.24252819080000e-06},   {4, -2, -6.51712228956010e-07},
    {4, 10, -1.43417299379240e-13},   {5, -8, -4.05169968601170e-07},   {8, -11, -1.27343017416410e-09},
    {8, -6, -1.74248712306340e-10},   {21, -29, -6.87621312955310e-19}, {23, -31, 1.44783078285210e-20},
    {29, -38, 2.63357816627950e-23},  {30, -39, -1.19476226400710e-23}, {31, -40, 1.82280945814040e-24},
    {32, -41, -9.35370872924580e-26},
};

constexpr GibbsTerm kRegion2Residual[] = {
    {1, 0, -1.77317424732130e-03},   {1, 1, -1.78348622923580e-02},   {1, 2, -4.59960136963650e-02},
    {1, 3, -5.75812590834320e-02},   {1, 6, -5.03252787279300e-02},   {2, 1, -3.30326416702030e-05},
    {2, 2, -1.89489875163150e-04},   {2, 4, -3.93927772433550e-03},   {2, 7, -4.37972956505730e-02},
    {2, 36, -2.66745479140870e-05},  {3, 0, 2.04817376923090e-08},    {3, 1, 4.38706672844350e-07},
    {3, 3, -3.22776772385700e-05},   {3, 6, -1.50339245421480e-03},   {3, 35, -4.06682535626490e-02},
    {4, 1, -7.88473095593670e-10},   {4, 2, 1.27907178522850e-08},    {4, 3, 4.82253727185070e-07},
    {5, 7, 2.29220763376610e-06},    {6, 3, -1.67147664510610e-11},   {6, 16, -2.11714723213550e-03},
    {6, 35, -2.38957419341040e+01},  {7, 0, -5.90595643242700e-18},   {7, 11, -1.26218088991010e-06},
    {7, 25, -3.89468424357390e-02},  {8, 8, 1.12562113604590e-11},    {8, 36, -8.23113408979980e+00},
    {9, 13, 1.98097128020880e-08},   {10, 4, 1.04069652101740e-19},   {10, 10, -1.02347470959290e-13},
    {10, 14, -1.00181793795110e-09}, {16, 29, -8.08829086469850e-11}, {16, 50, 1.06930318794090e-01},
    {18, 57, -3.36622505741710e-01}, {20, 20, 8.91858453554210e-25},  {20, 35, 3.06293168762320e-13},
    {20, 48, -4.20024676982080e-06}, {21, 21, -5.90560296856390e-26}, {22, 53, 3.78269476134570e-06},
    {23, 39, -1.27686089346810e-15}, {24, 26, 7.30876105950610e-29},  {24, 40, 5.54147153507780e-17},
    {24, 58, -9.43697072412100e-07},
};

// The 1997 release's five terms (valid to 10 MPa), not the later six-term revision.
constexpr GibbsTerm kRegion5Residual[] = {
    {1, 0, -1.25631835895920e-04}, {1, 1, 2.17746787145710e-03}, {1, 3, -4.59428208999100e-03},
    {2, 9, -3.97248283595690e-06}, {3, 3, 1.29192282897840e-07},
};

// Saturation line coefficients n1..n10 (index 0..9).
constexpr double kN[] = {
    1.16705214527670e+03,  -7.24213167032060e+05, -1.70738469400920e+01, 1.20208247024700e+04,
    -3.23255503223330e+06, 1.49151086135300e+01,  -4.82326573615910e+03, 4.05113405420570e+05,
    -2.38555575678490e-01, 6.50175348447980e+02,
};

constexpr double kB23[] = {348.05185628969, -1.1671859879975, 0.0010192970039326, 572.54459862746,
                           13.91883977887};

// Derivative of the reduced Gibbs function by π for regions 2 and 5: ideal part 1/π plus the residual sum
// in π and the shifted reduced temperature.
double VapourGammaPi(std::span<const GibbsTerm> residual, double pi, double tauShifted) {
  double sum = 1 / pi;
  for (const auto& term : residual)
    sum += term.n * term.I * Power(pi, term.I - 1) * Power(tauShifted, term.J);
  return sum;
}

// ρ = p / (R·T·π·γπ).
double DensityFromGammaPi(double p, double T, double pi, double gammaPi) {
  return p / (kGasConstant * T * pi * gammaPi);
}

// IAPS viscosity coefficients b_ij, rows i = 0..5 (temperature), columns j = 0..4 (density).
constexpr double kViscosityB[6][5] = {
    {0.501938, 0.235622, -0.274637, 0.145831, -0.0270448},
    {0.162888, 0.789393, -0.743539, 0.263129, -0.0253093},
    {-0.130356, 0.673665, -0.959456, 0.347247, -0.0267758},
    {0.907919, 1.207552, -0.687343, 0.213486, -0.08229041},
    {-0.551119, 0.0670665, -0.497089, 0.100754, 0.0602253},
    {0.146543, -0.08433701, 0.195286, -0.032932, -0.0202595},
};

}  // namespace

double SaturationPressure(double t) {
  const double T = t + kZeroCelsius;
  const double theta = T + kN[8] / (T - kN[9]);
  const double a = theta * theta + kN[0] * theta + kN[1];
  const double b = kN[2] * theta * theta + kN[3] * theta + kN[4];
  const double c = kN[5] * theta * theta + kN[6] * theta + kN[7];
  return Power(2 * c / (-b + std::sqrt(b * b - 4 * a * c)), 4) * 1e6;
}

double SaturationTemperature(double p) {
  const double beta = Power(p / 1e6, 0.25);
  const double e = beta * beta + kN[2] * beta + kN[5];
  const double f = kN[0] * beta * beta + kN[3] * beta + kN[6];
  const double g = kN[1] * beta * beta + kN[4] * beta + kN[7];
  const double d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
  const double T = (kN[9] + d - std::sqrt(Power(kN[9] + d, 2) - 4 * (kN[8] + kN[9] * d))) / 2;
  return T - kZeroCelsius;
}

double B23Pressure(double T) {
  return (kB23[0] + kB23[1] * T + kB23[2] * Power(T, 2)) * 1e6;
}

double B23Temperature(double p) {
  return kB23[3] + std::sqrt((p / 1e6 - kB23[4]) / kB23[2]) - kZeroCelsius;
}

double Region1Density(double p, double T) {
  const double pi = p / 16.53e6;
  const double tau = 1386 / T;
  double gammaPi = 0;
  for (const auto& term : kRegion1)
    gammaPi -= term.n * term.I * Power(7.1 - pi, term.I - 1) * Power(tau - 1.222, term.J);
  return DensityFromGammaPi(p, T, pi, gammaPi);
}

double Region2Density(double p, double T) {
  const double pi = p / 1e6;
  return DensityFromGammaPi(p, T, pi, VapourGammaPi(kRegion2Residual, pi, 540 / T - 0.5));
}

double Region5Density(double p, double T) {
  const double pi = p / 1e6;
  return DensityFromGammaPi(p, T, pi, VapourGammaPi(kRegion5Residual, pi, 1000 / T));
}

std::optional<double> SaturatedSteamTemperature(double p) {
  if (p < kMinSaturationPressure || p > kMaxPressure) return std::nullopt;
  return p <= kCriticalPressure ? SaturationTemperature(p) : B23Temperature(p);
}

WaterSteamResult WaterSteamDensity(FluidKind fluid, double p, double t, bool temperatureFromSaturation) {
  const double T = t + kZeroCelsius;
  const bool liquidRange = T >= kZeroCelsius && T <= kRegion1MaxT;
  const double ps = liquidRange ? SaturationPressure(t) : kMaxPressure;
  const double pB = B23Pressure(T);

  if (fluid == FluidKind::SaturatedSteam && T >= kZeroCelsius && T <= kB23MaxT && p > 0 &&
      p <= kMaxPressure) {
    if (!temperatureFromSaturation) return {WaterSteamOutcome::SaturatedNeedsTypedProperties};
    return {WaterSteamOutcome::Density, Region2Density(p, T)};
  }

  // The regions are tried in this order, so a state on a shared boundary belongs to the first.
  if (liquidRange && p >= ps && p <= kMaxPressure) {
    if (fluid != FluidKind::Water) return {WaterSteamOutcome::StateIsWater};
    return {WaterSteamOutcome::Density, Region1Density(p, T)};
  }
  const bool region2 = p > 0 && ((liquidRange && p <= ps) || (T > kRegion1MaxT && T <= kB23MaxT && p <= pB) ||
                                 (T > kB23MaxT && T <= kRegion2MaxT && p <= kMaxPressure));
  if (region2) {
    if (fluid != FluidKind::SuperheatedSteam) return {WaterSteamOutcome::StateIsSteam};
    return {WaterSteamOutcome::Density, Region2Density(p, T)};
  }
  if (T >= kRegion2MaxT && T <= kRegion5MaxT && p > 0 && p <= kRegion5MaxPressure) {
    if (fluid != FluidKind::SuperheatedSteam) return {WaterSteamOutcome::StateIsSteam};
    return {WaterSteamOutcome::Density, Region5Density(p, T)};
  }
  return {WaterSteamOutcome::NotComputable};
}

std::optional<double> WaterViscosity(double density, double t) {
  const double reducedT = (t + kZeroCelsius) / 647.3;
  const double reducedRho = density / 317.763;
  const double inverseT = 1 / reducedT;
  const double mu0 =
      1 / (std::sqrt(inverseT) * (0.0181583 + 0.0177624 * inverseT + 0.0105287 * Power(inverseT, 2) -
                                  0.0036744 * Power(inverseT, 3)));
  // Both bases go negative across the formulation's range, so these are true integer powers.
  const double x = inverseT - 1;
  const double y = reducedRho - 1;
  double sum = 0;
  double xi = 1;
  for (const auto& row : kViscosityB) {
    double yj = 1;
    for (double b : row) {
      sum += b * xi * yj;
      yj *= y;
    }
    xi *= x;
  }
  const double mu = mu0 * std::exp(reducedRho * sum);
  // A density far above the liquid's drives the exponential to zero: a viscosity of 0 would only fail
  // later as a division by zero, so it counts as a failure here.
  if (!std::isfinite(mu0) || !std::isfinite(sum) || !std::isfinite(mu) || mu <= 0) return std::nullopt;
  return mu;
}

}  // namespace pramo
