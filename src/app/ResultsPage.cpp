#include "app/ResultsPage.h"

#include <cmath>
#include <cstdio>

#include "app/CalculationRun.h"
#include "app/InputPage.h"
#include "core/NumberText.h"
#include "core/StraightLengths.h"
#include "core/Validity.h"
#include "strings/app.h"

namespace pramo {
namespace {

constexpr std::uint8_t kOldListOther = 6;  // stored index of "jiný" in the older element list

struct Cell {
  const Text* label;
  const Text* unit;
};

// Label and unit of one side of a row; both null for an empty side.
using RowLayout = std::array<Cell, 2>;

std::array<RowLayout, kResultRows> LayoutOf(CalculationKind kind) {
  using namespace str;
  const RowLayout common[5] = {
      {Cell{&kResultAbsolutePressure, &kGridUnitPa}, {&kResultReD, &kGridUnitNone}},
      {Cell{&kResultTemperature, &kGridUnitCelsius}, {&kResultVelocity, &kGridUnitMetresPerSecond}},
      {Cell{&kResultDensity, &kGridUnitDensity}, {&kResultEpsilon, &kGridUnitNone}},
      {Cell{&kResultViscosity, &kGridUnitViscosity}, {&kResultC, &kGridUnitNone}},
      {Cell{&kResultKappa, &kGridUnitNone}, {&kResultBeta, &kGridUnitNone}},
  };
  std::array<RowLayout, kResultRows> rows{};
  for (int r = 0; r < 5; ++r) rows[r] = common[r];
  switch (kind) {
    case CalculationKind::Bore:
      rows[0][1] = {&kResultReDMax, &kGridUnitNone};
      rows[1][1] = {&kResultVelocityMax, &kGridUnitMetresPerSecond};
      rows[5] = {Cell{&kResultFlow, &kGridUnitKgPerHour}, {&kResultBore, &kGridUnitMm}};
      rows[6] = {Cell{&kResultFlowMax, &kGridUnitKgPerHour}, {&kResultUncertainty, &kGridUnitPercent}};
      rows[7] = {Cell{&kResultFlowMinGiven, &kGridUnitKgPerHour},
                 {&kResultUncertaintyMin, &kGridUnitPercentInf}};
      rows[8] = {Cell{&kResultPipeDiameter, &kGridUnitMm}, {&kResultUncertaintyMax, &kGridUnitPercentInf}};
      rows[9] = {Cell{&kResultDpMax, &kGridUnitPa}, {&kResultFlowMinAllowed, &kGridUnitKgPerHour}};
      rows[10] = {Cell{&kResultDpOperating, &kGridUnitPa}, {&kResultStraightLength, &kGridUnitMetres}};
      break;
    case CalculationKind::Dp:
      rows[5] = {Cell{&kResultPipeDiameter, &kGridUnitMm}, {&kResultUncertaintyOnly, &kGridUnitPercent}};
      rows[6] = {Cell{&kResultFlowOnly, &kGridUnitKgPerHour}, {&kResultStraightLength, &kGridUnitMetres}};
      rows[7] = {Cell{&kResultDp, &kGridUnitPa}, {}};
      break;
    case CalculationKind::Flow:
      rows[5] = {Cell{&kResultFlowOnly, &kGridUnitKgPerHour}, {&kResultBore, &kGridUnitMm}};
      rows[6] = {Cell{&kResultPipeDiameter, &kGridUnitMm}, {&kResultUncertainty, &kGridUnitPercent}};
      rows[7] = {Cell{&kResultDp, &kGridUnitPa}, {&kResultFlowMinAllowed, &kGridUnitKgPerHour}};
      rows[8] = {Cell{}, {&kResultStraightLength, &kGridUnitMetres}};
      break;
  }
  return rows;
}

}  // namespace

bool ElementMaterialIsOther(const CalculationState& state) {
  return UsesOldMaterialLists(state.VersionTag) ? state.ElementMaterial == kOldListOther
                                                : state.ElementMaterial == kMaterialOther;
}

std::string ResultText(double value, int decimals, char separator, int precision) {
  if (!std::isfinite(value)) return FixedText(value, decimals, separator);
  if (value != 0 && std::fabs(value) >= std::pow(10.0, precision))
    return ScientificText(value, precision, separator);
  // Rounded to the significant digits first, as the page has always shown them.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
  return FixedText(std::strtod(buffer, nullptr), decimals, separator);
}

std::string DensityResultText(double density, char separator) {
  return ResultText(density, density > 100 ? 2 : 6, separator);
}

std::string ViscosityResultText(double viscosity, char separator) {
  return ResultText(viscosity * 1e6, viscosity <= 9.99e-4 ? 5 : 2, separator);
}

ResultsGrid ResultsGridLayout(CalculationKind kind, bool elementMaterialOther) {
  ResultsGrid grid;
  const auto rows = LayoutOf(kind);
  for (int r = 0; r < kResultRows; ++r) {
    for (int side = 0; side < 2; ++side) {
      const Cell& cell = rows[r][side];
      if (cell.label == nullptr) continue;
      grid[r][side * 3] = Tr(*cell.label);
      grid[r][side * 3 + 2] = Tr(*cell.unit);
      if (cell.label == &str::kResultBore) grid[r][side * 3] += elementMaterialOther ? "1" : "20";
    }
  }
  return grid;
}

ResultsGrid ResultsGridOf(const CalculationState& s, double seriesValue, char sep) {
  const bool other = ElementMaterialIsOther(s);
  ResultsGrid grid = ResultsGridLayout(s.CalcKind, other);
  auto fixed = [sep](double v, int decimals) { return ResultText(v, decimals, sep); };
  const std::string bore = fixed((other ? s.Bore : s.Bore20) * 1000.0, 3);
  const std::string pipe = fixed(s.PipeDiameter * 1000.0, 3);
  const std::string flow = fixed(s.MassFlow * 3600.0, 2);
  const std::string length = fixed(MinimumStraightLength(s), 2);
  const std::string dp = fixed(s.Dp, 0);
  const std::string flowMinAllowed = fixed(s.MassFlowMinAllowed * 3600.0, 0);

  grid[0][1] = fixed(s.Pressure, 0);
  grid[1][1] = fixed(s.Temperature, 2);
  grid[2][1] = DensityResultText(s.Density, sep);
  grid[3][1] = ViscosityResultText(s.Viscosity, sep);
  grid[4][1] = fixed(s.Kappa, 3);
  grid[2][4] = fixed(s.Epsilon, 4);
  grid[3][4] = fixed(s.C, 4);
  grid[4][4] = fixed(s.Beta, 4);
  switch (s.CalcKind) {
    case CalculationKind::Bore:
      grid[0][4] = fixed(s.ReDMax, 0);
      grid[1][4] = fixed(s.VelocityMax, 2);
      grid[5][1] = flow;
      grid[5][4] = bore;
      grid[6][1] = fixed(s.MassFlowMax * 3600.0, 2);
      grid[6][4] = fixed(s.FlowUncertainty, 2);
      grid[7][1] = fixed(s.MassFlowMin * 3600.0, 2);
      grid[7][4] = ResultText(s.FlowUncertaintyMin, 2, sep, 6);
      grid[8][1] = pipe;
      grid[8][4] = ResultText(s.FlowUncertaintyMax, 2, sep, 6);
      grid[9][1] = fixed(s.DpMaxGiven ? s.DpMax : seriesValue, 0);
      grid[9][4] = flowMinAllowed;
      grid[10][1] = dp;
      grid[10][4] = length;
      break;
    case CalculationKind::Dp:
      grid[0][4] = fixed(s.ReD, 0);
      grid[1][4] = fixed(s.Velocity, 2);
      grid[5][1] = pipe;
      grid[5][4] = fixed(s.FlowUncertainty, 2);
      grid[6][1] = flow;
      grid[6][4] = length;
      grid[7][1] = dp;
      break;
    case CalculationKind::Flow:
      grid[0][4] = fixed(s.ReD, 0);
      grid[1][4] = fixed(s.Velocity, 2);
      grid[5][1] = flow;
      grid[5][4] = bore;
      grid[6][1] = pipe;
      grid[6][4] = fixed(s.FlowUncertainty, 2);
      grid[7][1] = dp;
      grid[7][4] = flowMinAllowed;
      grid[8][4] = length;
      break;
  }
  return grid;
}

std::string StoredSeriesEntryText(const CalculationState& state, char separator) {
  if (state.ResultsValid) return SeriesEntryText(state, DpAtMaximumFlow(state), separator);
  CalculationState asBore = state;
  asBore.CalcKind = CalculationKind::Bore;
  std::string text = SeriesEntryText(asBore, state.DpMax, separator);
  text[0] = state.LimitFlags[kFlagBore] ? '2' : '0';
  text.erase(text.rfind(';') + 1);
  return text + PaddedFixedText(state.PressureLoss, 0, 10, separator);
}

std::array<std::string, 10> SeriesHeaderSections(CalculationKind kind) {
  std::array<std::string, 10> sections;
  for (int i = 0; i < 9; ++i) sections[i + 1] = Tr(str::kSeriesHeaderBore[i]);
  if (kind != CalculationKind::Bore) sections[6] = sections[7] = "";
  if (kind == CalculationKind::Flow) sections[1] = Tr(str::kSeriesHeaderFlow);
  return sections;
}

SeriesEntryFields SplitSeriesEntry(const std::string& text) {
  SeriesEntryFields entry;
  std::size_t start = 0;
  bool first = true;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    std::string field = text.substr(start, end - start);
    if (first) {
      if (field.size() == 1 && field[0] >= '0' && field[0] <= '2') entry.status = field[0] - '0';
      first = false;
    } else {
      entry.fields.push_back(std::move(field));
    }
    start = end + 1;
  }
  return entry;
}

}  // namespace pramo
