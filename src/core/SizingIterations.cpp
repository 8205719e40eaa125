#include "core/SizingIterations.h"

#include <cfenv>
#include <cmath>
#include <limits>
#if defined(__SSE2__)
#include <immintrin.h>
#endif

#include "core/DischargeCoefficient.h"
#include "core/NumberText.h"
#include "core/Numerics.h"
#include "core/StraightLengths.h"
#include "core/Validity.h"
#include "strings/core.h"

namespace pramo {
namespace {

constexpr double kFourOverPi = 1.2732395447351627;
constexpr double kPiOverFour = 0.7853981633974483;
constexpr double kPi = 3.141592653589793;

// A division by zero, an invalid operation or an overflow makes a calculation fail. Every value is
// checked before it is stored, so no NaN or infinity reaches the state; the processor's sticky exception
// flags, read once before an iteration's result is accepted, catch a fault in an intermediate value that
// a later operation hid (x/inf = 0).
#if defined(__SSE2__)
// The core computes with SSE only; its status register is far cheaper to reset and read than the whole
// floating-point environment (which includes the x87 unit).
constexpr unsigned kFaultFlags = 0x01 | 0x04 | 0x08;  // invalid operation, division by zero, overflow
void ClearFaultFlags() {
  _mm_setcsr(_mm_getcsr() & ~kFaultFlags);
}
bool FaultFlagsRaised() {
  return (_mm_getcsr() & kFaultFlags) != 0;
}
#else
constexpr int kFaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
void ClearFaultFlags() {
  std::feclearexcept(kFaultFlags);
}
bool FaultFlagsRaised() {
  return std::fetestexcept(kFaultFlags) != 0;
}
#endif

class FaultWatch {
 public:
  FaultWatch() { ClearFaultFlags(); }
  // Forgets the faults so far, once they have been checked for.
  void Restart() const { ClearFaultFlags(); }

  // True when every value is a finite number.
  template <class... Values>
  static bool Finite(Values... values) {
    return (std::isfinite(values) && ...);
  }
  // True when the values are finite and no fault has happened since the watch began.
  template <class... Values>
  bool Clean(Values... values) const {
    return Finite(values...) && !FaultFlagsRaised();
  }
};

double AtTemperature(const CalculationState& state, const DerivedValues& derived, double diameter20,
                     int material) {
  return DiameterAtTemperature(diameter20, material, derived.TemperatureBand, state.Temperature);
}

double PipeVelocity(const CalculationState& state, double massFlow, double pipeDiameter) {
  return 4.0 * massFlow / (state.Density * pipeDiameter * pipeDiameter * kPi);
}

double DischargeCoefficientOf(const CalculationState& state, const DerivedValues& derived, double beta,
                              double reD) {
  return DischargeCoefficient(state.ElementKind, beta, reD, state.PipeDiameter, derived.TappingL1,
                              derived.TappingL2);
}

double ExpansibilityOf(const CalculationState& state, double beta, double dp) {
  return Expansibility(state.ElementKind, state.Fluid, beta, dp, state.Pressure, state.Kappa);
}

// Bore and pipe at operating temperature from their typed 20 °C values, and their ratio, for the Δp and
// flow kinds. A bore as large as the pipe or larger cannot be computed.
bool SetTypedBore(CalculationState& state, const DerivedValues& derived, const FaultWatch& watch) {
  const double bore = AtTemperature(state, derived, state.Bore20, state.ElementMaterial);
  const double pipe = AtTemperature(state, derived, state.PipeDiameter20, state.PipeMaterial);
  if (!watch.Clean(bore, pipe)) return false;
  state.Bore = bore;
  state.PipeDiameter = pipe;
  const double beta = bore / pipe;
  if (!watch.Clean(beta) || beta >= 1.0) return false;
  state.Beta = beta;
  return true;
}

}  // namespace

bool Prepare(CalculationState& state, DerivedValues& derived, Messages& messages) {
  const int band = derived.TemperatureBand;
  if (band < 0 || band >= kTemperatureBandCount || state.PipeMaterial >= kMaterialCount ||
      state.ElementMaterial >= kMaterialCount) {
    Tell(messages, MessageKind::Error, str::kBadIndexSettings);
    return false;
  }
  const FaultWatch watch;
  const double pipe = AtTemperature(state, derived, state.PipeDiameter20, state.PipeMaterial);
  const double reynoldsPerFlow = kFourOverPi / (pipe * state.Viscosity);
  const double reD = reynoldsPerFlow * state.MassFlow;
  const double reDMax = reynoldsPerFlow * state.MassFlowMax;
  const double reDMin = reynoldsPerFlow * state.MassFlowMin;
  const double velocity = PipeVelocity(state, state.MassFlow, pipe);
  const double velocityMax = PipeVelocity(state, state.MassFlowMax, pipe);
  const TappingSpacing tappings = TappingSpacingOf(state.ElementKind, pipe);
  if (!watch.Clean(pipe, reD, reDMax, reDMin, velocity, velocityMax, tappings.l1, tappings.l2)) {
    Tell(messages, MessageKind::Error, str::kCalculationFailed);
    return false;
  }
  state.PipeDiameter = pipe;
  state.ReD = reD;
  state.ReDMax = reDMax;
  state.ReDMin = reDMin;
  state.Velocity = velocity;
  state.VelocityMax = velocityMax;
  const VelocityRange recommended = RecommendedVelocity(state.Fluid, state.Pressure);
  state.VelocityLow = recommended.low;
  state.VelocityHigh = recommended.high;
  derived.TappingL1 = tappings.l1;
  derived.TappingL2 = tappings.l2;
  return true;
}

bool SizeBore(CalculationState& state, DerivedValues& derived, double dpMax) {
  const FaultWatch watch;
  const double flowRatio = state.MassFlow / state.MassFlowMax;
  const double dp = flowRatio * flowRatio * dpMax;
  if (!watch.Clean(dp)) return false;
  state.Dp = dp;
  const double a2 = state.Viscosity * state.ReD / (state.PipeDiameter * std::sqrt(2.0 * dp * state.Density));
  if (!watch.Clean(a2)) return false;

  // The equations at this Re_D and Δp, as functions of β. A fault in forming them shows as NaN when they
  // are used; one that is never used (β reaching 1 at once) does not fail the sizing.
  const DischargeCoefficientAtReynolds coefficient(state.ElementKind, state.ReD, state.PipeDiameter,
                                                   derived.TappingL1, derived.TappingL2);
  const ExpansibilityAtPressure expansibility(state.ElementKind, state.Fluid, dp, state.Pressure,
                                              state.Kappa);
  watch.Restart();

  state.C = StartDischargeCoefficient(state.ElementKind);
  state.Epsilon = StartExpansibility(state.Fluid);
  state.Residual = 1.0;
  // The β the state's C and ε were evaluated at; the start values belong to none.
  double evaluatedBeta = std::numeric_limits<double>::quiet_NaN();
  for (int step = 0; state.Residual > kIterationTolerance && step < kIterationMaxSteps; ++step) {
    const double x = a2 / (state.C * state.Epsilon);
    const double x2 = x * x;
    const double beta = Power(x2 / (1.0 + x2), 0.25);
    if (!FaultWatch::Finite(x2, beta)) return false;
    state.Beta = beta;
    state.Bore = beta * state.PipeDiameter;
    if (beta == 1.0) {
      // The bore came out as the pipe itself: report a ratio just below one and keep the last step's
      // C, ε and residual.
      state.Beta = kBetaBelowOne;
      break;
    }
    // A settled iteration gives back the β of the step before; C and ε at that β are already known, and
    // evaluating them again is the better part of a step.
    const bool settled = beta == evaluatedBeta;
    const double c = settled ? state.C : coefficient(beta);
    const double epsilon = settled ? state.Epsilon : expansibility(beta);
    evaluatedBeta = beta;
    const double residual = std::fabs(a2 - x * c * epsilon) / a2;
    if (!FaultWatch::Finite(c, epsilon, residual)) return false;
    // A step that gives back the C and ε it started from would be repeated unchanged up to the step limit.
    const bool fixedPoint = c == state.C && epsilon == state.Epsilon;
    state.C = c;
    state.Epsilon = epsilon;
    state.Residual = residual;
    if (fixedPoint) break;
  }

  const double bore20 =
      DiameterAt20(state.Bore, state.ElementMaterial, derived.TemperatureBand, state.Temperature);
  if (!watch.Clean(bore20)) return false;
  state.Bore20 = bore20;
  Finish(state, dpMax);
  return true;
}

bool SizeDp(CalculationState& state, DerivedValues& derived) {
  const FaultWatch watch;
  if (!SetTypedBore(state, derived, watch)) return false;
  state.ReDMax = state.ReD;
  state.ReDMin = 0;
  state.VelocityMax = state.Velocity;

  const double beta = state.Beta;
  const double c = DischargeCoefficientOf(state, derived, beta, state.ReD);
  if (!watch.Clean(c)) return false;
  state.C = c;
  const double beta2 = beta * beta;
  const double flowTerm = state.MassFlow / (c * kPi * state.Bore * state.Bore);
  const double dpEpsilon2 = (1.0 - beta2 * beta2) * 8.0 / state.Density * flowTerm * flowTerm;  // Δp·ε²
  if (!watch.Clean(dpEpsilon2)) return false;

  double epsilon = 1.0;
  double residual = 1.0;
  for (int step = 0; residual > kIterationTolerance && step < kIterationMaxSteps; ++step) {
    const double dp = dpEpsilon2 / (epsilon * epsilon);
    const double next = ExpansibilityOf(state, beta, dp);
    residual = std::fabs(dpEpsilon2 - next * next * dp) / dpEpsilon2;
    if (!FaultWatch::Finite(dp, next, residual)) return false;
    state.Dp = dp;
    state.Epsilon = next;
    state.Residual = residual;
    // An unchanged ε would give the same step again up to the step limit.
    if (next == epsilon) break;
    epsilon = next;
  }
  if (!watch.Clean()) return false;
  Finish(state, state.Dp);
  return true;
}

bool SizeFlow(CalculationState& state, DerivedValues& derived) {
  const FaultWatch watch;
  if (!SetTypedBore(state, derived, watch)) return false;
  const double beta = state.Beta;
  const double epsilon = ExpansibilityOf(state, beta, state.DpMax);
  if (!watch.Clean(epsilon)) return false;
  state.Epsilon = epsilon;
  const double beta2 = beta * beta;
  // Re_D = r·C.
  const double r = state.Bore * state.Bore * epsilon * std::sqrt(2.0 * state.DpMax * state.Density) /
                   (state.Viscosity * state.PipeDiameter * std::sqrt(1.0 - beta2 * beta2));
  if (!watch.Clean(r)) return false;

  // A huge start value makes the first step evaluate C at a very large Reynolds number.
  double c = 1e16;
  double reD = 0;
  double residual = 1.0;
  for (int step = 0; residual > kIterationTolerance && step < kIterationMaxSteps; ++step) {
    reD = r * c;
    const double next = DischargeCoefficientOf(state, derived, beta, reD);
    residual = std::fabs(r - reD / next) / r;
    if (!FaultWatch::Finite(reD, next, residual)) return false;
    state.C = next;
    state.Residual = residual;
    // An unchanged C would give the same step again up to the step limit.
    if (next == c) break;
    c = next;
  }

  const double massFlow = kPiOverFour * state.Viscosity * state.PipeDiameter * reD;
  const double velocity = PipeVelocity(state, massFlow, state.PipeDiameter);
  if (!watch.Clean(massFlow, velocity)) return false;
  state.MassFlow = state.MassFlowMax = state.MassFlowMin = massFlow;
  state.ReD = state.ReDMax = reD;
  state.ReDMin = 0;
  state.Velocity = state.VelocityMax = velocity;
  state.Dp = state.DpMax;
  Finish(state, state.Dp);
  return true;
}

void Finish(CalculationState& state, double dpMax) {
  ComputeStraightLengths(state);
  const double beta2 = state.Beta * state.Beta;
  const double root = std::sqrt(1.0 - beta2 * beta2);
  const double cBeta2 = state.C * beta2;
  state.PressureLoss = (root - cBeta2) / (root + cBeta2) * dpMax;
  SetLimitFlags(state, dpMax);
}

double DpAtMaximumFlow(const CalculationState& state) {
  return state.CalcKind == CalculationKind::Dp ? state.Dp : state.DpMax;
}

std::string BoreEditText(const CalculationState& state, char decimalSeparator) {
  return GeneralText(state.Bore20 * 1000.0, 15, decimalSeparator);
}

}  // namespace pramo
