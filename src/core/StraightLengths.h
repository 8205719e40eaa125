#pragma once

#include "core/CalculationState.h"

namespace pramo {

// Required straight lengths upstream of the element for every fitting box, the upstream length of the
// ticked fittings and the downstream length, in multiples of D.
void ComputeStraightLengths(CalculationState& state);

}  // namespace pramo
