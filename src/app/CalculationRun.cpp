#include "app/CalculationRun.h"

#include "app/ResultsPage.h"
#include "core/NumberText.h"
#include "core/SizingIterations.h"
#include "core/Validity.h"
#include "strings/app.h"
#include "strings/core.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo {
namespace {

void Fail(Messages& messages) {
  Tell(messages, MessageKind::Error, str::kCalculationFailed);
}

// The uncertainties refer to the differential pressure this result was sized for, not to a transmitter
// range left from an earlier result of the series.
void AddUncertainties(CalculationState& state, DerivedValues& derived, double dpMax) {
  const double flowRatio = state.MassFlowMin / state.MassFlowMax;
  ComputeFlowUncertainties(state, derived, flowRatio * flowRatio * dpMax, dpMax);
}

// Sizes one result of the kind and appends its entry; false when the iteration failed.
bool SizeAndList(CalculationState& state, DerivedValues& derived, double seriesValue, RunOutcome& outcome,
                 char separator) {
  if (!SizeResult(state, derived, state.CalcKind, seriesValue)) return false;
  if (state.CalcKind != CalculationKind::Bore) seriesValue = DpAtMaximumFlow(state);
  outcome.entries.push_back(
      {seriesValue, ResultStatus(state.LimitFlags), SeriesEntryText(state, seriesValue, separator), state});
  return true;
}

// The values the program computed go back into the edits the user left empty.
void WriteBack(InputForm& form, const CalculationState& state, char separator) {
  if (!state.TemperatureGiven) form.EProvozniTeplota = FixedText(state.Temperature, 2, separator);
  if (!state.DensityGiven) {
    form.EMernaHmotnost = DensityResultText(state.Density, separator);
    form.CBJednMernaHmotnost = 0;
  }
  if (!state.ViscosityGiven) {
    form.EDynamickaViskozita = ViscosityResultText(state.Viscosity, separator);
    form.CBJednViskozita = 0;
  }
  if (!state.KappaGiven) form.EIzentropickyExponent7 = FixedText(state.Kappa, 3, separator);
}

}  // namespace

bool SizeResult(CalculationState& state, DerivedValues& derived, CalculationKind kind, double dpMax) {
  bool ok = false;
  switch (kind) {
    case CalculationKind::Bore:
      ok = SizeBore(state, derived, dpMax);
      break;
    case CalculationKind::Dp:
      ok = SizeDp(state, derived);
      dpMax = state.Dp;
      break;
    default:
      ok = SizeFlow(state, derived);
      dpMax = state.Dp;
      break;
  }
  if (!ok) return false;
  AddUncertainties(state, derived, dpMax);
  return true;
}

std::string SeriesEntryText(const CalculationState& s, double seriesValue, char separator) {
  const bool bore = s.CalcKind == CalculationKind::Bore;
  std::string first;
  if (s.CalcKind == CalculationKind::Flow)
    first = FixedText(s.MassFlow * 3600.0, 2, separator);
  else
    first = PaddedFixedText(bore ? seriesValue : s.Dp, 0, 10, separator);
  const bool noLoss = static_cast<int>(s.ElementKind) > 4 || s.PressureLoss < 0;
  const std::string fields[] = {
      std::to_string(ResultStatus(s.LimitFlags)),
      first,
      PaddedFixedText(s.C, 4, 8, separator),
      PaddedFixedText(s.Beta, 4, 8, separator),
      PaddedFixedText(s.Bore * 1000.0, 3, 8, separator),
      PaddedFixedText(s.FlowUncertainty, 1, 6, separator),
      bore ? PaddedFixedText(s.FlowUncertaintyMin, 1, 8, separator) : "-",
      bore ? PaddedFixedText(s.FlowUncertaintyMax, 1, 8, separator) : "-",
      PaddedFixedText((s.UpstreamLength + s.DownstreamLength) * s.PipeDiameter, 1, 6, separator),
      noLoss ? "-" : PaddedFixedText(s.PressureLoss, 0, 10, separator),
  };
  std::string text;
  for (const auto& field : fields) {
    if (!text.empty()) text += ';';
    text += field;
  }
  return text;
}

std::vector<std::string> ResultMemo(const CalculationState& state, double seriesValue, char separator) {
  std::vector<std::string> lines = ListLimitMessages(state, separator);
  if (state.CalcKind == CalculationKind::Bore && !CheckBore(state, seriesValue).passed) {
    for (auto& line : BoreCheckFailureLines()) lines.push_back(std::move(line));
  }
  return lines;
}

bool ChooseSeriesEntry(int index, CalculationState& state, DerivedValues& derived, Messages& messages) {
  double dpMax = DpAtMaximumFlow(state);
  if (state.CalcKind == CalculationKind::Bore && !state.DpMaxGiven) {
    if (index < 0 || index > 9) index = 0;
    dpMax = state.DpSeries[index];
    if (!SizeResult(state, derived, CalculationKind::Bore, dpMax)) {
      Fail(messages);
      return false;
    }
  }
  SetFirstTransmitter(state, dpMax);
  return true;
}

void SetFirstTransmitter(CalculationState& state, double dpMax) {
  state.CascadeRange[0] = dpMax;
  state.CascadeAccuracy[0] = state.DpTransmitterAccuracy;
}

RunOutcome RunCalculation(InputForm& form, CalculationState& state, DerivedValues& derived,
                          const GatherContext& context, char separator) {
  RunOutcome outcome;
  form.marked.clear();
  if (form.CBTekutina5 == static_cast<int>(FluidKind::Undetermined)) {
    Tell(context.messages, MessageKind::Error, str::kChooseFluid);
    outcome.stopped = true;
    return outcome;
  }
  if (!GatherInputs(form, state, derived, context)) {
    Tell(context.messages, MessageKind::Error, str::kBadInput);
    state.ResultsValid = false;
    WriteBack(form, state, separator);
    return outcome;
  }
  if (!Prepare(state, derived, context.messages)) {
    // The gathering has already replaced the inputs the last results belong to.
    state.ResultsValid = false;
    outcome.stopped = true;
    return outcome;
  }
  const bool series = state.CalcKind == CalculationKind::Bore && !state.DpMaxGiven;
  if (series) {
    outcome.entries.reserve(state.DpSeries.size());
    for (double value : state.DpSeries) {
      if (!SizeAndList(state, derived, value, outcome, separator)) {
        Fail(context.messages);
        break;
      }
    }
  } else {
    if (state.CalcKind == CalculationKind::Dp) state.MassFlowMax = state.MassFlowMin = state.MassFlow;
    if (!SizeAndList(state, derived, state.DpMax, outcome, separator)) Fail(context.messages);
  }
  if (outcome.entries.empty()) {
    state.ResultsValid = false;
  } else if (series) {
    // Choosing entry 0 would size its Δp again, on a state that differs from the entry's copy only in what
    // a sizing writes: the copy serves, and only the derived terms it does not hold are formed again.
    state = outcome.entries.front().result;
    AddUncertainties(state, derived, state.DpSeries[0]);
    SetFirstTransmitter(state, state.DpSeries[0]);
    state.ResultsValid = true;
    outcome.clearChangeFlags = true;
  } else if (ChooseSeriesEntry(0, state, derived, context.messages)) {
    state.ResultsValid = true;
    outcome.clearChangeFlags = true;
  }
  WriteBack(form, state, separator);
  if (state.CalcKind == CalculationKind::Bore) form.ePrumerOtvoru_d20 = BoreEditText(state, separator);
  outcome.dropDownList = outcome.entries.size() > 1;
  return outcome;
}

}  // namespace pramo
