#include "core/DischargeCoefficient.h"

#include <cmath>
#include <limits>

#include "core/Numerics.h"

namespace pramo {
namespace {

constexpr double kFault = std::numeric_limits<double>::quiet_NaN();

// Power() takes a NaN base as non-positive and answers 0, which would hide a fault that happened before
// it (0/0, an overflowed 1/κ); here a base or exponent that is no finite number stays a fault.
double Pow(double x, double y) {
  return std::isfinite(x) && std::isfinite(y) ? Power(x, y) : kFault;
}

bool IsLiquid(FluidKind fluid) {
  return fluid == FluidKind::Water || fluid == FluidKind::Liquid;
}

// Reader-Harris/Gallagher equation; a = (19000·β/Re_D)^0.8, m2 = M2' = 2·L2'/(1 − β).
double OrificeCoefficient(double beta, double reD, double pipeDiameter, double l1, double a, double m2) {
  const double beta2 = beta * beta;
  const double beta4 = beta2 * beta2;
  const double beta8 = beta4 * beta4;
  double c = 0.5961 + 0.0261 * beta2 - 0.216 * beta8 + 0.000521 * Pow(1e6 * beta / reD, 0.7) +
             (0.0188 + 0.0063 * a) * Pow(beta, 3.5) * Pow(1e6 / reD, 0.3) +
             (0.043 + 0.080 * std::exp(-10.0 * l1) - 0.123 * std::exp(-7.0 * l1)) * (1.0 - 0.11 * a) * beta4 /
                 (1.0 - beta4) -
             0.031 * (m2 - 0.8 * Pow(m2, 1.1)) * Pow(beta, 1.3);
  // Pipes below 71.12 mm (2.8 in).
  if (pipeDiameter < 0.07112) c += 0.011 * (0.75 - beta) * (2.8 - pipeDiameter * 1000.0 / 25.4);
  return c;
}

}  // namespace

TappingSpacing TappingSpacingOf(ElementKind kind, double pipeDiameter) {
  switch (kind) {
    case ElementKind::OrificeDD2:
      return {1.0, 0.47};
    case ElementKind::OrificeFlange:
      return {0.0254 / pipeDiameter, 0.0254 / pipeDiameter};
    default:
      return {0.0, 0.0};
  }
}

double StartDischargeCoefficient(ElementKind kind) {
  return IsOrifice(kind) ? 0.606 : 1.0;
}

double StartExpansibility(FluidKind fluid) {
  return IsLiquid(fluid) ? 1.0 : 0.97;
}

double DischargeCoefficient(ElementKind kind, double beta, double reD, double pipeDiameter, double l1,
                            double l2) {
  // The orifice terms are formed for every element: a Reynolds number of zero or a diameter ratio of one
  // fails whatever the element, as it always has.
  const double a = Pow(19000.0 * beta / reD, 0.8);
  const double m2 = 2.0 * l2 / (1.0 - beta);
  if (!std::isfinite(a) || !std::isfinite(m2)) return kFault;

  double c = kFault;
  switch (kind) {
    case ElementKind::OrificeCorner:
    case ElementKind::OrificeDD2:
    case ElementKind::OrificeFlange:
      c = OrificeCoefficient(beta, reD, pipeDiameter, l1, a, m2);
      break;
    case ElementKind::NozzleIsa1932:
      c = 0.9900 - 0.2262 * Pow(beta, 4.1) -
          (0.00175 * beta * beta - 0.0033 * Pow(beta, 4.15)) * Pow(1e6 / reD, 1.15);
      break;
    case ElementKind::NozzleLongRadius:
      c = 0.9965 - 0.00653 * Pow(1e6 * beta / reD, 0.5);
      break;
    case ElementKind::VenturiCast:
      c = 0.984;
      break;
    case ElementKind::VenturiMachined:
      c = 0.995;
      break;
    case ElementKind::VenturiWelded:
      c = 0.985;
      break;
    case ElementKind::VenturiNozzle:
      c = 0.9858 - 0.196 * Pow(beta, 4.5);
      break;
  }
  return std::isfinite(c) ? c : kFault;
}

double Expansibility(ElementKind kind, FluidKind fluid, double beta, double dp, double p1, double kappa) {
  if (IsLiquid(fluid)) return 1.0;
  const double beta4 = beta * beta * beta * beta;
  double epsilon = kFault;
  if (IsOrifice(kind)) {
    // At Δp >= p1 the pressure ratio is not positive and its power is taken as 0.
    const double ratio = (p1 - dp) / p1;
    epsilon = 1.0 - (0.351 + 0.256 * beta4 + 0.93 * beta4 * beta4) * (1.0 - Pow(ratio, 1.0 / kappa));
  } else {
    const double tau = std::fabs((p1 - dp) / p1);
    const double tau2k = Pow(tau, 2.0 / kappa);
    const double square = (kappa * tau2k / (kappa - 1.0)) * ((1.0 - beta4) / (1.0 - beta4 * tau2k)) *
                          ((1.0 - Pow(tau, (kappa - 1.0) / kappa)) / (1.0 - tau));
    epsilon = std::sqrt(square);
  }
  return std::isfinite(epsilon) ? epsilon : kFault;
}

}  // namespace pramo
