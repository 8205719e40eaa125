#pragma once

#include "core/CalculationState.h"
#include "core/InputForm.h"

namespace pramo {

// How numbers are put into the edits: as the page shows them (general format, up to 15 significant
// digits) or exactly (the shortest text that reads back as the same double), for callers that fill the
// page from values rather than from what a user typed.
enum class NumberTexts { AsShown, Exact };

// The input page filled from a calculation: every control from the entered fields, in the order the page
// shows a stored calculation. Numbers as shown carry the given decimal separator.
InputForm FormFromState(const CalculationState& state, NumberTexts numbers = NumberTexts::AsShown,
                        char decimalSeparator = '.');

// The rules the page enforces on its check boxes for the fluid and the kind of calculation: the
// temperature box on for every fluid but saturated steam, density and viscosity on for user gas and
// liquid, the isentropic exponent only for user gas, dry air only for humid air outside the flow kind,
// the maximum differential pressure off in the Δp kind and on (its edit shown) in the flow kind.
void ApplyPageRules(InputForm& form);

}  // namespace pramo
