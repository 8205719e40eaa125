#include "core/Validity.h"

#include <cmath>

#include "core/NumberText.h"
#include "strings/core.h"

namespace pramo {
namespace {

constexpr double kPi = 3.141592653589793;

// Closed ranges of the standard by element kind; a bound of 0 is not checked.
struct ElementLimits {
  double bore20Min;         // m, at 20 °C
  double pipeMin, pipeMax;  // m, at operating temperature
  double betaMin, betaMax;
  double reDMaxUpper;  // Re_D at maximum flow
};

constexpr ElementLimits kLimits[kElementKindCount] = {
    {0.0125, 0.05, 1.0, 0.1, 0.75, 0},      // orifice, corner tappings
    {0.0125, 0.05, 1.0, 0.1, 0.75, 0},      // orifice, D and D/2 tappings
    {0.0125, 0.05, 1.0, 0.1, 0.75, 0},      // orifice, flange tappings
    {0, 0.05, 0.5, 0.3, 0.8, 1e7},          // ISA 1932 nozzle
    {0, 0.05, 0.63, 0.2, 0.8, 1e7},         // long radius nozzle
    {0, 0.1, 0.8, 0.3, 0.75, 2e6},          // Venturi tube, as-cast convergent
    {0, 0.05, 0.25, 0.4, 0.75, 1e6},        // Venturi tube, machined convergent
    {0, 0.2, 1.2, 0.4, 0.7, 2e6},           // Venturi tube, welded sheet-iron convergent
    {0.05, 0.065, 0.5, 0.316, 0.775, 2e6},  // Venturi nozzle
};

bool Outside(double value, double low, double high) {
  return value < low || value > high;
}

}  // namespace

int ResultStatus(const std::array<bool, 8>& limitFlags) {
  for (int i = 0; i < 8; ++i) {
    if (i != kFlagVelocity && limitFlags[i]) return kStatusOutsideStandard;
  }
  return limitFlags[kFlagVelocity] ? kStatusVelocityOnly : kStatusValid;
}

VelocityRange RecommendedVelocity(FluidKind fluid, double p1) {
  switch (fluid) {
    case FluidKind::SaturatedSteam:
      return {20, 30};
    case FluidKind::SuperheatedSteam:
      return {30, 50};
    case FluidKind::Water:
    case FluidKind::Liquid:
      return {0.7, 3.5};
    case FluidKind::DryAir:
    case FluidKind::HumidAir:
    case FluidKind::Gas:
      if (p1 <= 0.7e6) return {0.0001, 20};
      if (p1 <= 1.1e6) return {0.0001, 15};
      if (p1 <= 2.1e6) return {0.0001, 10};
      if (p1 <= 3.1e6) return {0.0001, 8};
      return {0.0001, 6};
    case FluidKind::Undetermined:
      break;
  }
  // No fluid chosen: a range that no velocity meets.
  return {100, 0};
}

double MinimumReynolds(PrimaryElementKind kind, double beta, double pipeDiameter) {
  switch (kind) {
    case PrimaryElementKind::OrificeCorner:
    case PrimaryElementKind::OrificeDD2:
      return beta <= 0.56 ? 5000.0 : 16000.0 * beta * beta;
    case PrimaryElementKind::OrificeFlange: {
      const double required = 170.0 * beta * beta * pipeDiameter * 1000.0;
      return required > 5000.0 ? required : 5000.0;
    }
    case PrimaryElementKind::NozzleIsa1932:
      return beta < 0.44 ? 70000.0 : 20000.0;
    case PrimaryElementKind::NozzleLongRadius:
      return 10000.0;
    case PrimaryElementKind::VenturiNozzle:
      return 150000.0;
    case PrimaryElementKind::VenturiCast:
    case PrimaryElementKind::VenturiMachined:
    case PrimaryElementKind::VenturiWelded:
      break;
  }
  return 200000.0;
}

void SetLimitFlags(CalculationState& state, double dpMax) {
  state.ReDMinAllowed = MinimumReynolds(state.ElementKind, state.Beta, state.PipeDiameter);
  state.MassFlowMinAllowed = kPi * state.ReDMinAllowed * state.Viscosity * state.PipeDiameter / 4.0;

  const ElementLimits& limits = kLimits[static_cast<int>(state.ElementKind)];
  auto& flags = state.LimitFlags;
  flags[kFlagBore] = limits.bore20Min > 0 && state.Bore20 < limits.bore20Min;
  flags[kFlagPipe] = Outside(state.PipeDiameter, limits.pipeMin, limits.pipeMax);
  flags[kFlagBeta] = Outside(state.Beta, limits.betaMin, limits.betaMax);
  flags[kFlagMinimumFlow] = state.MassFlowMin < state.MassFlowMinAllowed;
  flags[kFlagPressureRatio] = IsGas(state.Fluid) && (state.Pressure - dpMax) / state.Pressure < 0.75;
  flags[kFlagConvergence] = state.Residual > kConvergenceBound;
  flags[kFlagVelocity] = state.VelocityMax < state.VelocityLow || state.VelocityMax > state.VelocityHigh;
  flags[kFlagReDMax] = limits.reDMaxUpper > 0 && state.ReDMax > limits.reDMaxUpper;
}

BoreCheck CheckBore(const CalculationState& state, double dpMax, double tolerance) {
  const double beta2 = state.Beta * state.Beta;
  const double flow = state.C / std::sqrt(1.0 - beta2 * beta2) * state.Epsilon * kPi / 4.0 * state.Bore *
                      state.Bore * std::sqrt(2.0 * dpMax * state.Density);
  BoreCheck check;
  if (std::isfinite(flow) && flow > 0) check.deviation = std::fabs(flow - state.MassFlowMax) / flow * 100.0;
  const bool outsideStandard = ResultStatus(state.LimitFlags) == kStatusOutsideStandard;
  check.passed = outsideStandard || (check.deviation && *check.deviation <= tolerance);
  return check;
}

std::vector<std::string> ListLimitMessages(const CalculationState& state, char decimalSeparator) {
  const auto& flags = state.LimitFlags;
  std::vector<std::string> lines;
  if (state.VersionTag == "ver2.2") {
    if (flags[kFlagBore]) lines.push_back(Tr(str::kOldCalculationWrong));
    return lines;
  }
  if (flags[kFlagReDMax]) lines.push_back(Tr(str::kLimitReDMax));
  if (flags[kFlagBore]) lines.push_back(Tr(str::kLimitBore));
  if (flags[kFlagPipe]) lines.push_back(Tr(str::kLimitPipe));
  if (flags[kFlagConvergence]) {
    lines.push_back(Format(str::kLimitConvergence, {FixedText(state.Residual, 0, decimalSeparator)}));
  }
  if (flags[kFlagBeta]) lines.push_back(Tr(str::kLimitBeta));
  if (flags[kFlagMinimumFlow]) lines.push_back(Tr(str::kLimitMinimumFlow));
  if (flags[kFlagPressureRatio]) lines.push_back(Tr(str::kLimitPressureRatio));
  if (flags[kFlagVelocity]) {
    lines.push_back(Format(str::kLimitVelocity, {FixedText(state.VelocityLow, 1, decimalSeparator),
                                                 FixedText(state.VelocityHigh, 1, decimalSeparator)}));
  }
  return lines;
}

std::vector<std::string> BoreCheckFailureLines() {
  std::vector<std::string> lines;
  for (const Text& line : str::kBoreCheckFailed) lines.push_back(Tr(line));
  return lines;
}

std::string BoreDeviationText(std::optional<double> deviation, char decimalSeparator) {
  if (!deviation) return " % ";
  std::string text = " ";
  text += ScientificText(*deviation, 6, decimalSeparator);
  text += " % ";
  return text;
}

}  // namespace pramo
