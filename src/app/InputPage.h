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

// The rules the page enforces on its check boxes for the fluid (FluidControlsFor) and the kind of
// calculation (InputRowsFor): the boxes a fluid forces on ticked, the isentropic exponent and dry air only
// where shown, the maximum differential pressure box as the kind decides it.
void ApplyPageRules(InputForm& form);

}  // namespace pramo
