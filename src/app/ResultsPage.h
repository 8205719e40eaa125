#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/CalculationState.h"

namespace pramo {

// The results grid SGVysledky: columns 0 and 3 labels, 1 and 4 values, 2 and 5 units.
inline constexpr int kResultRows = 11;
inline constexpr int kResultColumns = 6;
using ResultsGrid = std::array<std::array<std::string, kResultColumns>, kResultRows>;

// Whether the element material is the last item of its list ("jiný"): the bore is then given at operating
// temperature and shown as d1 rather than d20.
bool ElementMaterialIsOther(const CalculationState& state);

// Labels and units of the grid for a kind of calculation, value cells empty.
ResultsGrid ResultsGridLayout(CalculationKind kind, bool elementMaterialOther);

// The whole grid for the state's current result; seriesValue is the maximum differential pressure the
// result was sized for (bore kind).
ResultsGrid ResultsGridOf(const CalculationState& state, double seriesValue, char decimalSeparator = '.');

// The one series list entry of a stored calculation, shown without an iteration: built as in a run (bore
// kind: for the stored maximum differential pressure) when its results were valid; otherwise the bore
// kind's fields with status 2 when the bore flag is set (0 otherwise) and the pressure loss always a number.
std::string StoredSeriesEntryText(const CalculationState& state, char decimalSeparator = '.');

// Header sections 1 to 9 above the series list (index 0 stands above the status icon and stays empty).
std::array<std::string, 10> SeriesHeaderSections(CalculationKind kind);

// An entry of the series list split for drawing: its status (0..2; 2 for an unreadable digit) and the nine
// fields in header-section order.
struct SeriesEntryFields {
  int status = 2;
  std::vector<std::string> fields;
};
SeriesEntryFields SplitSeriesEntry(const std::string& text);

// Fixed notation as the results page writes it: the value rounded to `precision` significant digits and
// shown with `decimals` decimals; a value with more integer digits than `precision` in scientific notation.
std::string ResultText(double value, int decimals, char decimalSeparator = '.', int precision = 10);

// Density and viscosity as the results and the write-back show them: fewer decimals for the large values.
std::string DensityResultText(double density, char decimalSeparator = '.');
std::string ViscosityResultText(double viscosity, char decimalSeparator = '.');

}  // namespace pramo
