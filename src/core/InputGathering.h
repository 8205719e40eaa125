#pragma once

#include <cstdint>
#include <string>

#include "core/CalculationState.h"
#include "core/Dates.h"
#include "core/InputForm.h"
#include "core/Messages.h"

namespace pramo {

// What the gathering needs besides the input page: who computes, where and when.
struct GatherContext {
  Messages& messages;
  bool showMessages = true;  // a calculation run shows the two messages that an export keeps quiet
  std::string designer;      // full name of the logged-in user
  std::uint16_t installation = 1;
  double today = 0;              // day count from 30 December 1899
  int selectedSeriesEntry = -1;  // the entry of the Δp series chosen on the results page, -1 for none
};

// Fills the calculation state from the input page: every value as typed with its unit, in base units,
// the derived working values and the fluid properties the user left to the program. Bad inputs are
// marked in the form. Returns false when the input-error flag was raised.
bool GatherInputs(InputForm& form, CalculationState& state, DerivedValues& derived,
                  const GatherContext& context);

// The texts and the identification of the calculation (description, company, measuring point, designer,
// number, date) and the cascade grid. Part of every gathering; storing repeats it alone. Returns false when
// a text holds a character that cannot be stored or a grid cell is no number (the user is told which).
bool GatherTexts(InputForm& form, CalculationState& state, const GatherContext& context);

// Range of cascade transmitter 1: the differential pressure at the maximum flow of the shown result. In
// the Δp kind that is the computed Dp (the maximum flow is the operating flow there); otherwise the typed
// maximum when given, else the series value of the chosen series entry (entry 0 when none of 0..9 is).
double Transmitter1Range(const CalculationState& state, int selectedSeriesEntry);

// Reads the cascade grid into CascadeRange and CascadeAccuracy: transmitter 1 from Transmitter1Range and
// DpTransmitterAccuracy, transmitters 2 to 4 from the grid's cells. A cell that does not hold a number
// is selected, the reading stops with its message and false is returned; the state keeps what was read
// before. An accuracy below 0.0001 for a used transmitter is reported but read. textsChanged is set when
// a range or accuracy of transmitters 2 to 4 differs from the state's previous value.
bool ReadCascadeGrid(CascadeGrid& grid, CalculationState& state, int selectedSeriesEntry, Messages& messages,
                     bool& textsChanged);

}  // namespace pramo
