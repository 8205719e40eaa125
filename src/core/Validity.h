#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/CalculationState.h"

namespace pramo {

// Positions of the validity flags in CalculationState::LimitFlags.
inline constexpr int kFlagBore = 0;
inline constexpr int kFlagPipe = 1;
inline constexpr int kFlagBeta = 2;
inline constexpr int kFlagMinimumFlow = 3;
inline constexpr int kFlagPressureRatio = 4;
inline constexpr int kFlagConvergence = 5;
inline constexpr int kFlagVelocity = 6;
inline constexpr int kFlagReDMax = 7;

// Status of a result: 0 valid, 1 only the recommended velocity is not met, 2 outside the standard.
inline constexpr int kStatusValid = 0;
inline constexpr int kStatusVelocityOnly = 1;
inline constexpr int kStatusOutsideStandard = 2;
int ResultStatus(const std::array<bool, 8>& limitFlags);

// Residual of a sizing iteration above which the result counts as not converged.
inline constexpr double kConvergenceBound = 1e-8;

// Recommended range of the pipe velocity at maximum flow, m/s, for the fluid at absolute pressure p1 (Pa).
struct VelocityRange {
  double low = 0;
  double high = 0;
};
VelocityRange RecommendedVelocity(FluidKind fluid, double p1);

// Smallest pipe Reynolds number the standard permits for the element at diameter ratio beta in a pipe of
// diameter pipeDiameter (m).
double MinimumReynolds(PrimaryElementKind kind, double beta, double pipeDiameter);

// Sets ReDMinAllowed, MassFlowMinAllowed and the eight validity flags of a computed result; dpMax is the
// differential pressure at the maximum flow of the result.
void SetLimitFlags(CalculationState& state, double dpMax);

// Consistency check of a sized bore: the flow the final C, ε, β and d give at dpMax against MassFlowMax.
// deviation is that difference in % of the recomputed flow, empty when that flow is no positive number.
// A result already outside the standard passes whatever the deviation.
inline constexpr double kBoreCheckTolerance = 0.1;  // %
struct BoreCheck {
  bool passed = false;
  std::optional<double> deviation;
};
BoreCheck CheckBore(const CalculationState& state, double dpMax, double tolerance = kBoreCheckTolerance);

// The lines of the error memo for the set validity flags. Calculations of version "ver2.2" knew only the
// bore flag and get a single line for it.
std::vector<std::string> ListLimitMessages(const CalculationState& state, char decimalSeparator = '.');

// The lines appended to the memo when CheckBore fails.
std::vector<std::string> BoreCheckFailureLines();

// The deviation of CheckBore as the results page shows it: " 1.23457E-002 % ", or " % " without one.
std::string BoreDeviationText(std::optional<double> deviation, char decimalSeparator = '.');

}  // namespace pramo
