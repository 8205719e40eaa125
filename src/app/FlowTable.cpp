#include "app/FlowTable.h"

#include <cmath>
#include <fstream>
#include <numbers>

#include "app/CalculationRun.h"
#include "core/NumberText.h"
#include "core/SizingIterations.h"
#include "strings/app.h"
#include "strings/core.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo {
namespace {}  // namespace

std::array<FlowTableRow, 11> FlowCurrentTable(const CalculationState& s, char separator) {
  const double dpMax = DpAtMaximumFlow(s);
  const double beta2 = s.Beta * s.Beta;
  const double area = std::numbers::pi * s.C * s.Epsilon * s.Bore * s.Bore;
  std::array<FlowTableRow, 11> rows;
  for (int i = 0; i <= 10; ++i) {
    FlowTableRow& row = rows[i];
    row.percent = 10 * i;
    const double q = row.percent * s.MassFlowMax / 100.0;
    const double root = 4.0 * q * std::sqrt(1.0 - beta2 * beta2) / area;
    row.flowKgPerHour = q * 3600.0;
    row.dp = root * root / (2.0 * s.Density);
    row.current4to20 = 4.0 + 16.0 * row.dp / dpMax;
    row.current0to20 = 20.0 * row.dp / dpMax;
    row.texts = {"  " + std::to_string(row.percent), PaddedFixedText(row.flowKgPerHour, 3, 10, separator),
                 PaddedFixedText(row.dp, 1, 10, separator),
                 PaddedFixedText(row.current4to20, 1, 10, separator),
                 PaddedFixedText(row.current0to20, 1, 10, separator)};
  }
  return rows;
}

std::string DiagnosticNumber(double value) {
  std::string text = ScientificText(value, 15);  // d.ddddddddddddddE+xxx
  const auto e = text.find('E');
  if (e != std::string::npos) {
    const std::string digits = text.substr(e + 2);
    text = text.substr(0, e + 2) + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
  }
  return value >= 0 ? " " + text : text;
}

bool WriteDiagnosticExport(const std::string& path, const CalculationState& calculation, Messages& messages) {
  CalculationState state = calculation;
  DerivedValues derived;
  derived.TemperatureBand = TemperatureBandOf(state.Temperature);
  const double dpMax = DpAtMaximumFlow(state);
  const UncertaintyCurves curves = ComputeUncertaintyCurves(state);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << Tr(str::kDiagnosticHeader) << "\r\n";
  bool sized = true;
  for (int k = 1; k <= kCurvePoints && sized; ++k) {
    state.MassFlow = k * calculation.MassFlowMax / 100.0;
    sized = Prepare(state, derived, messages) && SizeResult(state, derived, CalculationKind::Bore, dpMax);
    if (!sized) {
      Tell(messages, MessageKind::Error, str::kCalculationFailed);
      break;
    }
    const double dp = (k / 100.0) * (k / 100.0) * dpMax;
    const double fields[] = {state.MassFlow * 3600.0,
                             state.C,
                             state.Epsilon,
                             state.Beta,
                             state.Bore,
                             state.Bore20,
                             state.UncertaintyC,
                             state.UncertaintyEpsilon,
                             state.UncertaintyD,
                             state.UncertaintyBore,
                             state.UncertaintyDp,
                             curves.single[k - 1],
                             curves.cascade[k - 1],
                             state.AddedUncertaintyShortLengths,
                             ExpansibilityUncertaintyAt(calculation, dp)};
    std::string line;
    for (double field : fields) {
      if (!line.empty()) line += ';';
      line += DiagnosticNumber(field);
    }
    file << line << "\r\n";
  }
  file.close();
  const bool written = static_cast<bool>(file);
  Tell(messages, written ? MessageKind::Information : MessageKind::Warning,
       written ? str::kDiagnosticSaved : str::kDiagnosticNotSaved);
  return written && sized;
}

}  // namespace pramo
