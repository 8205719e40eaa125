#pragma once

#include <string>
#include <vector>

#include "core/CalculationState.h"
#include "core/InputForm.h"
#include "core/InputGathering.h"
#include "core/SizingIterations.h"

namespace pramo {

// One entry of the series list: a result of the run.
struct SeriesEntry {
  double seriesValue = 0;   // the differential pressure at maximum flow the result was finished with, Pa
  int status = 0;           // 0 valid, 1 only the recommended velocity missed, 2 outside the standard
  std::string text;         // the status digit and nine fields separated by ";"
  CalculationState result;  // the state right after this result was computed
};

// What a run leaves for the window besides the state and the form.
struct RunOutcome {
  std::vector<SeriesEntry> entries;  // empty when nothing was computed
  bool stopped = false;              // the run ended before the write-back (unknown fluid, preparation)
  bool clearChangeFlags = false;     // the settings-changed and texts-changed flags are to be cleared
  bool dropDownList = false;         // more than one entry: the list opens by itself
};

// The action "Výpočet parametrů": gathers the inputs, sizes (over the Δp series in the bore kind without a
// typed maximum), finishes each result, and afterwards holds the state of entry 0 as chosen in the list.
// The computed fluid properties are written back into the form.
RunOutcome RunCalculation(InputForm& form, CalculationState& state, DerivedValues& derived,
                          const GatherContext& context, char decimalSeparator = '.');

// A choice in the series list: recomputes the result of that entry (bore kind over the series) and sets
// transmitter 1 of the cascade to its differential pressure. Returns false (message shown) when the
// recomputation fails.
bool ChooseSeriesEntry(int index, CalculationState& state, DerivedValues& derived, Messages& messages);

// Transmitter 1 of the cascade measures up to the maximum differential pressure of the shown result, with
// the accuracy of the differential-pressure transmitter.
void SetFirstTransmitter(CalculationState& state, double dpMax);

// The series list entry of the state's current result.
std::string SeriesEntryText(const CalculationState& state, double seriesValue, char decimalSeparator = '.');

// The error memo of the shown result: the limit messages and, in the bore kind, the lines of a failed
// consistency check of the bore at the differential pressure the result was sized for.
std::vector<std::string> ResultMemo(const CalculationState& state, double seriesValue,
                                    char decimalSeparator = '.');

// Sizes a result of the given kind (the bore for the differential pressure dpMax at maximum flow; the Δp
// and flow kinds take theirs from the state) and adds its uncertainties. False when the iteration failed.
bool SizeResult(CalculationState& state, DerivedValues& derived, CalculationKind kind, double dpMax);

}  // namespace pramo
