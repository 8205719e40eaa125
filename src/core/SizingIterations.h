#pragma once

#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"

namespace pramo {

// Bounds of the sizing iterations: the relative residual they aim at and the most steps they take.
inline constexpr double kIterationTolerance = 1e-20;
inline constexpr int kIterationMaxSteps = 100;

// The diameter ratio a bore sizing reports when the bore came out as large as the pipe.
inline constexpr double kBetaBelowOne = 0.99999999999;

// Preparation before every iteration: checks the material indices and the temperature band, then sets
// the pipe diameter at operating temperature, the Reynolds numbers and velocities of the given flows, the
// recommended velocities and the tapping spacings. An index out of range is reported through messages
// and gives false; so does a floating-point fault (a pipe diameter of zero), with the message of a failed
// calculation. Non-finite values never reach the state.
bool Prepare(CalculationState& state, DerivedValues& derived, Messages& messages);

// The three iterations, after Prepare. Each returns false on a floating-point fault (division by zero,
// invalid operation, overflow) without running the finishing step; the values stored before the fault
// stay in the state, no NaN or infinity is stored. On success each ends with Finish.

// Bore d for the flows and the differential pressure dpMax at maximum flow; writes Bore20 back.
bool SizeBore(CalculationState& state, DerivedValues& derived, double dpMax);
// Differential pressure at the operating flow for the typed bore. The caller sets MassFlowMax and
// MassFlowMin to MassFlow first. A bore not smaller than the pipe fails.
bool SizeDp(CalculationState& state, DerivedValues& derived);
// Flow for the typed bore at DpMax; the operating, maximum and minimum flow all become that flow. A bore
// not smaller than the pipe fails.
bool SizeFlow(CalculationState& state, DerivedValues& derived);

// The common finishing step: straight lengths, minimum permitted flow, pressure loss and validity flags.
// dpMax is the differential pressure that corresponds to the maximum flow. The uncertainties of the result
// are left to the caller: the uncertainty model builds on the core, not the core on it.
void Finish(CalculationState& state, double dpMax);

// The differential pressure at maximum flow of the current result: in the Δp kind the maximum flow is
// the operating flow, so it is the computed Δp; otherwise the given maximum.
double DpAtMaximumFlow(const CalculationState& state);

// The bore at 20 °C in mm as the bore edit of the input page shows it after a sizing (up to 15
// significant digits).
std::string BoreEditText(const CalculationState& state, char decimalSeparator = '.');

}  // namespace pramo
