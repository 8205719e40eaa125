#include "uncertainty/FlowUncertainty.h"

#include <array>
#include <cmath>

#include "core/Numerics.h"
#include "strings/uncertainty.h"

namespace pramo {
namespace {

constexpr double kPipeDiameterUncertainty = 0.4;
constexpr double kBoreUncertainty = 0.07;
constexpr double kUncertaintyLimit = 100;

// The flow fractions of the curve points, k / 100.0 for k % as the division gives them; formed once
// rather than for every point of every curve.
constexpr auto kCurveFractions = [] {
  std::array<double, kCurvePoints> fractions{};
  for (int k = 1; k <= kCurvePoints; ++k) fractions[k - 1] = k / 100.0;
  return fractions;
}();

// A result that cannot be trusted (above 100 %, or not finite because β reached 1) is reported as 100.
double LimitTo100(double value) {
  return value <= kUncertaintyLimit ? value : kUncertaintyLimit;
}

}  // namespace

double DischargeCoefficientUncertainty(PrimaryElementKind kind, double beta, double pipeDiameter,
                                       double reD) {
  switch (kind) {
    case PrimaryElementKind::OrificeCorner:
    case PrimaryElementKind::OrificeDD2:
    case PrimaryElementKind::OrificeFlange: {
      double u = beta <= 0.2 ? 0.7 - beta : beta <= 0.6 ? 0.5 : 1.667 * beta - 0.5;
      // Pipes below 2.8 in (71.12 mm) and low Reynolds numbers at large β widen the uncertainty.
      if (pipeDiameter < 0.07112) u += 0.9 * (0.75 - beta) * (2.8 - 1000 * pipeDiameter / 25.4);
      if (beta > 0.5 && reD < 10000) u += 0.5;
      return u;
    }
    case PrimaryElementKind::NozzleIsa1932:
      return beta <= 0.6 ? 0.8 : 2 * beta - 0.4;
    case PrimaryElementKind::NozzleLongRadius:
      return 2.0;
    case PrimaryElementKind::VenturiCast:
      return 0.7;
    case PrimaryElementKind::VenturiMachined:
      return 1.0;
    case PrimaryElementKind::VenturiWelded:
      return 1.5;
    case PrimaryElementKind::VenturiNozzle:
      return 1.2 + 1.5 * Power(beta, 4);
  }
  return 0;
}

double ExpansibilityUncertainty(FluidKind fluid, PrimaryElementKind kind, double beta, double dp,
                                double pressure) {
  if (!IsGas(fluid)) return 0;
  double factor = 0;
  if (IsOrifice(kind)) {
    factor = 3.5;
  } else if (IsNozzle(kind)) {
    factor = 2;
  } else {
    factor = 4 + 100 * Power(beta, 8);
  }
  return factor * dp / pressure;
}

namespace {

// The flow uncertainty of one result as a function of its expansibility and differential pressure terms.
// The terms that stay the same along the flow range are worked out once.
class FlowUncertaintyModel {
 public:
  explicit FlowUncertaintyModel(const CalculationState& state)
      : m_gas(IsGas(state.Fluid)),
        m_epsilon0(state.UncertaintyEpsilon),
        m_dpOperating(state.Dp),
        m_deviationDivisor(state.Kappa * state.Pressure * state.Epsilon) {
    // The additional uncertainties add to that of C before squaring; they are not independent of it.
    const double coefficient =
        state.UncertaintyC + state.AddedUncertaintyShortLengths + state.AddedUncertaintyOffset;
    const double beta4 = Power(state.Beta, 4);
    m_deviationFactor = 0.41 + 0.35 * beta4;
    const double pipeWeight = 2 * beta4 / (1 - beta4);
    const double boreWeight = 2 / (1 - beta4);
    m_coefficient2 = coefficient * coefficient;
    m_pipe2 = pipeWeight * pipeWeight * state.UncertaintyD * state.UncertaintyD;
    m_bore2 = boreWeight * boreWeight * state.UncertaintyBore * state.UncertaintyBore;
    m_density2 = state.DensityAccuracy * state.DensityAccuracy / 4;
  }

  // u_ε at a differential pressure: the uncertainty at the operating point and the deviation of ε from it.
  double EpsilonAt(double dp) const {
    if (!m_gas) return 0;
    const double deviation = m_deviationFactor * (m_dpOperating - dp) / m_deviationDivisor * 100;
    return std::sqrt(m_epsilon0 * m_epsilon0 + deviation * deviation);
  }

  double Combined(double epsilonUncertainty, double dpUncertainty) const {
    return std::sqrt(m_coefficient2 + epsilonUncertainty * epsilonUncertainty + m_pipe2 + m_bore2 +
                     dpUncertainty * dpUncertainty / 4 + m_density2);
  }

 private:
  bool m_gas;
  double m_epsilon0, m_dpOperating, m_deviationDivisor;
  double m_deviationFactor = 0, m_coefficient2 = 0, m_pipe2 = 0, m_bore2 = 0, m_density2 = 0;
};

}  // namespace

double ExpansibilityUncertaintyAt(const CalculationState& state, double dp) {
  return FlowUncertaintyModel(state).EpsilonAt(dp);
}

double CombinedFlowUncertainty(const CalculationState& state, double epsilonUncertainty,
                               double dpUncertainty) {
  return FlowUncertaintyModel(state).Combined(epsilonUncertainty, dpUncertainty);
}

void ComputeFlowUncertainties(CalculationState& state, DerivedValues& derived, double dpMin, double dpMax) {
  state.UncertaintyC =
      DischargeCoefficientUncertainty(state.ElementKind, state.Beta, state.PipeDiameter, state.ReD);
  state.UncertaintyEpsilon =
      ExpansibilityUncertainty(state.Fluid, state.ElementKind, state.Beta, state.Dp, state.Pressure);
  state.UncertaintyD = kPipeDiameterUncertainty;
  state.UncertaintyBore = kBoreUncertainty;

  // Everything the model reads is set above; the results below leave it unchanged.
  const FlowUncertaintyModel model(state);
  const double accuracy = state.DpTransmitterAccuracy;
  state.UncertaintyDp = LimitTo100(accuracy * dpMax / state.Dp);
  state.FlowUncertainty = LimitTo100(model.Combined(state.UncertaintyEpsilon, state.UncertaintyDp));

  derived.EpsilonUncertaintyMax = model.EpsilonAt(dpMax);
  state.FlowUncertaintyMax = LimitTo100(model.Combined(derived.EpsilonUncertaintyMax, accuracy));

  derived.EpsilonUncertaintyMin = model.EpsilonAt(dpMin);
  derived.DpUncertaintyMin = LimitTo100(accuracy * dpMax / dpMin);
  state.FlowUncertaintyMin =
      LimitTo100(model.Combined(derived.EpsilonUncertaintyMin, derived.DpUncertaintyMin));
}

UncertaintyCurves ComputeUncertaintyCurves(const CalculationState& state) {
  const double dpMax = state.CascadeRange[0];
  const double accuracy = state.DpTransmitterAccuracy;
  // The transmitter that measures dp: the first of 4, 3, 2 whose range reaches dp, else transmitter 1.
  const auto cascadeDpUncertaintyAt = [&](double dp) {
    for (int slot = kCascadeTransmitters - 1; slot >= 1; --slot) {
      const double range = state.CascadeRange[slot];
      if (range != 0 && range >= dp) return state.CascadeAccuracy[slot] * range / dp;
    }
    return accuracy * dpMax / dp;
  };
  const FlowUncertaintyModel model(state);
  // A term above 100 % leaves the point without a value, as does a result above 100 % (or not finite).
  const auto pointValue = [&](double epsilonUncertainty, double dpUncertainty) {
    if (!(epsilonUncertainty <= kUncertaintyLimit && dpUncertainty <= kUncertaintyLimit)) return 0.0;
    const double u = model.Combined(epsilonUncertainty, dpUncertainty);
    return u <= kUncertaintyLimit ? u : 0.0;
  };

  UncertaintyCurves curves{};
  if (!(dpMax > 0)) return curves;
  for (int k = 1; k <= kCurvePoints; ++k) {
    const double fraction = kCurveFractions[k - 1];
    if (fraction * state.MassFlowMax < state.MassFlowMinAllowed) continue;
    const double dp = fraction * fraction * dpMax;
    const double epsilonUncertainty = model.EpsilonAt(dp);
    const double singleDpUncertainty = accuracy * dpMax / dp;
    const double cascadeDpUncertainty = cascadeDpUncertaintyAt(dp);
    curves.single[k - 1] = pointValue(epsilonUncertainty, singleDpUncertainty);
    // Where the cascade measures with transmitter 1 its point is the single curve's: the same terms give
    // the same value, and the square roots are most of a curve's cost.
    curves.cascade[k - 1] = cascadeDpUncertainty == singleDpUncertainty
                                ? curves.single[k - 1]
                                : pointValue(epsilonUncertainty, cascadeDpUncertainty);
  }
  return curves;
}

bool CascadeRangesBelow(const CalculationState& state, double dp) {
  for (int slot = 1; slot < kCascadeTransmitters; ++slot) {
    const double range = state.CascadeRange[slot];
    if (range != 0 && !(range < dp)) return false;
  }
  return true;
}

bool CheckCascade(const CalculationState& state, Messages& messages) {
  if (CascadeRangesBelow(state, state.CascadeRange[0])) return true;
  Tell(messages, MessageKind::Warning, str::kCascadeRangeNotBelowDpMax);
  return false;
}

}  // namespace pramo
