#include "core/StraightLengths.h"

namespace pramo {

// The straight-length tables come with their own change; until then the lengths stay as they are.
void ComputeStraightLengths(CalculationState&) {}

}  // namespace pramo
