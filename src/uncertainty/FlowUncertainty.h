#pragma once

#include <array>

#include "core/CalculationState.h"
#include "core/Messages.h"

namespace pramo {

// Relative uncertainties in %. The discharge coefficient's uncertainty of the element alone, without the
// additional uncertainties of the shortened straight lengths and of the larger offset.
double DischargeCoefficientUncertainty(PrimaryElementKind kind, double beta, double pipeDiameter, double reD);

// Uncertainty of ε at the operating point (u_ε0); 0 for water and liquids.
double ExpansibilityUncertainty(FluidKind fluid, PrimaryElementKind kind, double beta, double dp,
                                double pressure);

// Uncertainty of ε at another differential pressure dp: u_ε0 widened by the deviation of ε between the
// operating point and dp; 0 for water and liquids. Reads UncertaintyEpsilon, Beta, Dp, Kappa, Pressure
// and Epsilon of the state.
double ExpansibilityUncertaintyAt(const CalculationState& state, double dp);

// The flow uncertainty combined from the state's coefficient and diameter terms, the given ε and Δp
// terms and the density accuracy. May exceed 100 or be infinite for β at or above 1.
double CombinedFlowUncertainty(const CalculationState& state, double epsilonUncertainty,
                               double dpUncertainty);

// UncertaintyC, UncertaintyEpsilon, UncertaintyD, UncertaintyBore, UncertaintyDp and the flow
// uncertainty at the operating, minimum and maximum flow, each at most 100; the terms at minimum and
// maximum flow go to the derived values. dpMax is the differential pressure at the maximum flow (the one
// the result was sized for), dpMin the one at the minimum flow, (qm_min/qm_max)²·dpMax.
void ComputeFlowUncertainties(CalculationState& state, DerivedValues& derived, double dpMin, double dpMax);

inline constexpr int kCurvePoints = 100;

// Flow uncertainty at 1 % … 100 % of the maximum flow (element k-1 for k %); 0 where the point has no
// value (a term or the result above 100 %, or a flow below the minimum the Reynolds number permits).
using UncertaintyCurve = std::array<double, kCurvePoints>;

struct UncertaintyCurves {
  UncertaintyCurve single;   // transmitter 1 alone over the whole range
  UncertaintyCurve cascade;  // the transmitter of the cascade that covers each point
};

// Both curves from the state's results and its cascade as last read (ReadCascadeGrid); transmitter 1's
// range is the differential pressure at the maximum flow.
UncertaintyCurves ComputeUncertaintyCurves(const CalculationState& state);

// Whether every used cascade transmitter 2 to 4 (range 0: unused) has a range below `dp`.
bool CascadeRangesBelow(const CalculationState& state, double dp);

// Every used cascade transmitter 2 to 4 must have a range below that of transmitter 1; otherwise the
// warning is shown and false returned.
bool CheckCascade(const CalculationState& state, Messages& messages);

}  // namespace pramo
