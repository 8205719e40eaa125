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

// (factor·β)^y as Power() forms it, with ln(factor) taken once; the same up to rounding.
double ScaledPower(double factor, double logFactor, double beta, double logBeta, double y) {
  if (factor > 0 && beta > 0) return std::exp(y * (logFactor + logBeta));
  return Pow(factor * beta, y);
}

double LogOfPositive(double x) {
  return x > 0 ? std::log(x) : 0.0;
}

// x^y as Pow() forms it, from ln x already taken for another term.
double PowerOfLog(double x, double logX, double y) {
  return std::isfinite(x) && x > 0 && std::isfinite(y) ? std::exp(y * logX) : Pow(x, y);
}

}  // namespace

TappingSpacing TappingSpacingOf(PrimaryElementKind kind, double pipeDiameter) {
  switch (kind) {
    case PrimaryElementKind::OrificeDD2:
      return {1.0, 0.47};
    case PrimaryElementKind::OrificeFlange:
      return {0.0254 / pipeDiameter, 0.0254 / pipeDiameter};
    default:
      return {0.0, 0.0};
  }
}

double StartDischargeCoefficient(PrimaryElementKind kind) {
  return IsOrifice(kind) ? 0.606 : 1.0;
}

double StartExpansibility(FluidKind fluid) {
  return IsLiquid(fluid) ? 1.0 : 0.97;
}

DischargeCoefficientAtReynolds::DischargeCoefficientAtReynolds(PrimaryElementKind kind, double reD,
                                                               double pipeDiameter, double l1, double l2)
    : m_kind(kind),
      m_orifice(IsOrifice(kind)),
      m_pipeDiameter(pipeDiameter),
      m_l2(l2),
      m_per19000(19000.0 / reD),
      m_perMillion(1e6 / reD) {
  // The orifice terms are formed for every element: a Reynolds number of zero fails whatever the
  // element, as it always has.
  m_fault = !std::isfinite(m_per19000);
  m_logPer19000 = LogOfPositive(m_per19000);
  m_logPerMillion = LogOfPositive(m_perMillion);
  m_perMillionPow03 = PowerOfLog(m_perMillion, m_logPerMillion, 0.3);
  m_perMillionPow115 = PowerOfLog(m_perMillion, m_logPerMillion, 1.15);
  // Corner tappings (L1 = 0) need no exponentials: e^0 is 1.
  m_upstream =
      l1 == 0 ? 0.043 + 0.080 - 0.123 : 0.043 + 0.080 * std::exp(-10.0 * l1) - 0.123 * std::exp(-7.0 * l1);
}

double DischargeCoefficientAtReynolds::operator()(double beta) const {
  if (m_fault || !std::isfinite(beta)) return kFault;
  // A = (19000·β/Re_D)^0.8 and M2' = 2·L2'/(1 − β), formed for every element: a diameter ratio of one
  // fails whatever the element.
  const double m2 = 2.0 * m_l2 / (1.0 - beta);
  // The power of M2' is the longest chain of operations from β to an orifice's C; asked for first, it is
  // worked on while the powers of β are formed.
  const double m2Power = m_orifice ? Pow(m2, 1.1) : 0.0;
  const double logBeta = LogOfPositive(beta);
  const double a = ScaledPower(m_per19000, m_logPer19000, beta, logBeta, 0.8);
  if (!std::isfinite(a) || !std::isfinite(m2)) return kFault;

  // β^y as Power() forms it.
  const auto betaPower = [&](double y) { return beta > 0 ? std::exp(y * logBeta) : 0.0; };
  double c = kFault;
  switch (m_kind) {
    case PrimaryElementKind::OrificeCorner:
    case PrimaryElementKind::OrificeDD2:
    case PrimaryElementKind::OrificeFlange:
      c = Orifice(beta, logBeta, a, m2, m2Power);
      break;
    case PrimaryElementKind::NozzleIsa1932:
      c = 0.9900 - 0.2262 * betaPower(4.1) -
          (0.00175 * beta * beta - 0.0033 * betaPower(4.15)) * m_perMillionPow115;
      break;
    case PrimaryElementKind::NozzleLongRadius:
      c = 0.9965 - 0.00653 * ScaledPower(m_perMillion, m_logPerMillion, beta, logBeta, 0.5);
      break;
    case PrimaryElementKind::VenturiCast:
      c = 0.984;
      break;
    case PrimaryElementKind::VenturiMachined:
      c = 0.995;
      break;
    case PrimaryElementKind::VenturiWelded:
      c = 0.985;
      break;
    case PrimaryElementKind::VenturiNozzle:
      c = 0.9858 - 0.196 * betaPower(4.5);
      break;
  }
  return std::isfinite(c) ? c : kFault;
}

// Reader-Harris/Gallagher equation.
double DischargeCoefficientAtReynolds::Orifice(double beta, double logBeta, double a, double m2,
                                               double m2Power) const {
  const double beta2 = beta * beta;
  const double beta4 = beta2 * beta2;
  const double beta8 = beta4 * beta4;
  const double beta35 = beta > 0 ? std::exp(3.5 * logBeta) : 0.0;
  const double beta13 = beta > 0 ? std::exp(1.3 * logBeta) : 0.0;
  double c = 0.5961 + 0.0261 * beta2 - 0.216 * beta8 +
             0.000521 * ScaledPower(m_perMillion, m_logPerMillion, beta, logBeta, 0.7) +
             (0.0188 + 0.0063 * a) * beta35 * m_perMillionPow03 +
             m_upstream * (1.0 - 0.11 * a) * beta4 / (1.0 - beta4) - 0.031 * (m2 - 0.8 * m2Power) * beta13;
  // Pipes below 71.12 mm (2.8 in).
  if (m_pipeDiameter < 0.07112) c += 0.011 * (0.75 - beta) * (2.8 - m_pipeDiameter * 1000.0 / 25.4);
  return c;
}

ExpansibilityAtPressure::ExpansibilityAtPressure(PrimaryElementKind kind, FluidKind fluid, double dp,
                                                 double p1, double kappa)
    : m_liquid(IsLiquid(fluid)), m_orifice(IsOrifice(kind)) {
  if (m_liquid) return;
  if (m_orifice) {
    // At Δp >= p1 the pressure ratio is not positive and its power is taken as 0.
    m_ratioTerm = 1.0 - Pow((p1 - dp) / p1, 1.0 / kappa);
  } else {
    const double tau = std::fabs((p1 - dp) / p1);
    const double logTau = LogOfPositive(tau);
    m_tau2k = PowerOfLog(tau, logTau, 2.0 / kappa);
    m_lead = kappa * m_tau2k / (kappa - 1.0);
    m_tail = (1.0 - PowerOfLog(tau, logTau, (kappa - 1.0) / kappa)) / (1.0 - tau);
  }
}

double ExpansibilityAtPressure::operator()(double beta) const {
  if (m_liquid) return 1.0;
  const double beta4 = beta * beta * beta * beta;
  const double epsilon = m_orifice ? 1.0 - (0.351 + 0.256 * beta4 + 0.93 * beta4 * beta4) * m_ratioTerm
                                   : std::sqrt(m_lead * ((1.0 - beta4) / (1.0 - beta4 * m_tau2k)) * m_tail);
  return std::isfinite(epsilon) ? epsilon : kFault;
}

double DischargeCoefficient(PrimaryElementKind kind, double beta, double reD, double pipeDiameter, double l1,
                            double l2) {
  return DischargeCoefficientAtReynolds(kind, reD, pipeDiameter, l1, l2)(beta);
}

double Expansibility(PrimaryElementKind kind, FluidKind fluid, double beta, double dp, double p1,
                     double kappa) {
  return ExpansibilityAtPressure(kind, fluid, dp, p1, kappa)(beta);
}

}  // namespace pramo
