#pragma once

#include <array>
#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"

namespace pramo {

// One row of the flow and current table: n % of the maximum flow, the differential pressure it makes at
// the design point's C and ε, and the current of a transmitter without square-root extraction.
struct FlowTableRow {
  int percent = 0;
  double flowKgPerHour = 0;
  double dp = 0;                     // Pa
  double current4to20 = 0;           // mA
  double current0to20 = 0;           // mA
  std::array<std::string, 5> texts;  // the grid's cells
};

// The rows for 0 %, 10 % … 100 % of the maximum flow.
std::array<FlowTableRow, 11> FlowCurrentTable(const CalculationState& state, char decimalSeparator = '.');

// A number of the diagnostic export: scientific with 15 significant digits, a point, a four-digit exponent
// and a blank before a positive value (" 1.50000000000000E+0000").
std::string DiagnosticNumber(double value);

// The diagnostic export over the flow range: a header and one line of 15 fields for each per cent of the
// maximum flow, the bore sized anew at each. The sizing works on a copy with values derived from the
// calculation itself, so the calculation (shown or printed) stays as it was. Reports its outcome through
// messages; returns false when nothing or not everything was written.
bool WriteDiagnosticExport(const std::string& path, const CalculationState& calculation, Messages& messages);

}  // namespace pramo
