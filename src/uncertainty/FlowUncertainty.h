#pragma once

#include "core/CalculationState.h"

namespace pramo {

// Uncertainties of C, ε and Δp and of the flow at the operating, minimum and maximum flow, stored in the
// state (and the minimum/maximum flow terms in the derived values). dpMin is the differential pressure
// at the minimum flow, (qm_min/qm_max)²·Δp_max.
void ComputeFlowUncertainties(CalculationState& state, DerivedValues& derived, double dpMin);

}  // namespace pramo
