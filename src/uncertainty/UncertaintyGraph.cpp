#include "uncertainty/UncertaintyGraph.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/NumberText.h"
#include "strings/uncertainty.h"

namespace pramo {

namespace {

int StepIndex(int scale) {
  const auto found = std::find(kGraphScales.begin(), kGraphScales.end(), scale);
  return found == kGraphScales.end() ? static_cast<int>(kGraphScales.size()) - 1
                                     : static_cast<int>(found - kGraphScales.begin());
}

}  // namespace

bool HasCascadeTransmitters(const CalculationState& state) {
  return std::any_of(std::next(state.CascadeRange.begin()), state.CascadeRange.end(),
                     [](double range) { return range != 0; });
}

int AutomaticScale(const UncertaintyCurve& single) {
  const double largest = *std::max_element(single.begin(), single.end());
  // Rounded to the nearest whole number, halves to even (the default rounding mode); a value that is no
  // number takes the smallest scale.
  const double top = std::nearbyint(largest + 1);
  for (int scale : kGraphScales)
    if (!(top > scale)) return scale;
  return kGraphScales.back();
}

int ZoomedIn(int scale) {
  return kGraphScales[std::max(StepIndex(scale) - 1, 0)];
}

int ZoomedOut(int scale) {
  return kGraphScales[std::min<std::size_t>(StepIndex(scale) + 1, kGraphScales.size() - 1)];
}

bool CanZoomIn(int scale) {
  return StepIndex(scale) > 0;
}

bool CanZoomOut(int scale) {
  return StepIndex(scale) + 1 < static_cast<int>(kGraphScales.size());
}

int ScaleStep(int scale) {
  return kGraphScales[StepIndex(scale)];
}

bool StoreGraphPrintSettings(const GraphView& view, GraphPrintSettings& settings, Messages& messages) {
  if (!view.Single && !view.Cascade) {
    Tell(messages, MessageKind::Information, str::kNoCurveChosen);
    return false;
  }
  settings = {true, view};
  Tell(messages, MessageKind::Information, str::kGraphSettingsStored);
  return true;
}

bool CanShowUncertainties(const CalculationState& state, Messages& messages) {
  if (!state.ResultsValid) {
    Tell(messages, MessageKind::Information, str::kNoValuesComputed);
    return false;
  }
  return CheckCascade(state, messages);
}

std::array<int, kTablePoints> UncertaintyTablePoints(int table) {
  std::array<int, kTablePoints> points{};
  const int step = table == 0 ? 10 : 2;
  for (int i = 0; i < kTablePoints; ++i) points[i] = step * (i + 1);
  return points;
}

double CurveValueAt(const UncertaintyCurve& curve, int percent) {
  return percent >= 1 && percent <= kCurvePoints ? curve[percent - 1] : 0.0;
}

std::string UncertaintyCellText(double value, char decimalSeparator) {
  return value == 0 ? std::string("-") : PaddedFixedText(value, 2, 4, decimalSeparator);
}

}  // namespace pramo
