#include "uncertainty/FlowUncertainty.h"

namespace pramo {

// The uncertainty model comes with its own change; until then the uncertainty fields stay as they are.
void ComputeFlowUncertainties(CalculationState&, DerivedValues&, double) {}

}  // namespace pramo
