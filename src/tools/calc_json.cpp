#include "tools/calc_json.h"

#include <set>

#include "app/FlowTable.h"
#include "core/Units.h"
#include "tools/state_json.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo::tools {
namespace {

using nlohmann::json;

// The fields a calculation is given by; everything else the calculation computes.
const std::set<std::string, std::less<>> kInputKeys = {"CalcKind",
                                                       "ElementKind",
                                                       "Fluid",
                                                       "FluidName",
                                                       "PressureEntered",
                                                       "PressureUnit",
                                                       "TemperatureGiven",
                                                       "TemperatureEntered",
                                                       "TemperatureUnit",
                                                       "DensityGiven",
                                                       "DensityEntered",
                                                       "DensityUnit",
                                                       "ViscosityGiven",
                                                       "ViscosityEntered",
                                                       "ViscosityUnit",
                                                       "FlowAsDryAir",
                                                       "Humidity",
                                                       "KappaGiven",
                                                       "KappaEntered",
                                                       "FlowEntered",
                                                       "FlowMaxEntered",
                                                       "FlowMinEntered",
                                                       "FlowUnit",
                                                       "DpMaxGiven",
                                                       "DpMaxEntered",
                                                       "DpUnit",
                                                       "PipeDiameterEntered",
                                                       "PipeDiameterUnit",
                                                       "Bore20",
                                                       "ElementMaterial",
                                                       "PipeMaterial",
                                                       "Fittings",
                                                       "AddedUncertaintyShortLengths",
                                                       "AddedUncertaintyOffset",
                                                       "DpSeries",
                                                       "DpTransmitterAccuracy",
                                                       "DensityAccuracy",
                                                       "BarometricPressure",
                                                       "FlowRefPressure",
                                                       "FlowRefTemperature",
                                                       "DensityRefPressure",
                                                       "DensityRefTemperature",
                                                       "CascadeRange",
                                                       "CascadeAccuracy"};

}  // namespace

std::optional<UnusableInput> ReadInputs(const json& input, CalculationState& state) {
  if (!input.is_object()) return UnusableInput{"", "each calculation must be a JSON object"};
  for (const auto& [key, value] : input.items())
    if (!kInputKeys.contains(key)) return UnusableInput{key, "unknown key"};
  if (auto key = StateFromJson(input, state)) return UnusableInput{*key, "wrong type, or outside its range"};
  // The unit lists offer only the units that fit the fluid.
  if (static_cast<int>(state.DensityUnit) >= DensityUnitItemCount(state.Fluid))
    return UnusableInput{"DensityUnit", "this density unit is not offered for the fluid"};
  if (FlowUnitItemOfKind(state.FlowUnit) >= FlowUnitItemCount(state.Fluid))
    return UnusableInput{"FlowUnit", "this flow unit is not offered for the fluid"};
  // The fluid list writes its own name for the fluids the program knows; user fluids keep a given name.
  const bool namedByUser = state.Fluid == FluidKind::Gas || state.Fluid == FluidKind::Liquid ||
                           state.Fluid == FluidKind::Undetermined;
  if (!namedByUser || !input.contains("FluidName")) {
    if (state.Fluid != FluidKind::Undetermined) state.FluidName = FluidItemText(state.Fluid);
  }
  // Reference conditions typed in base units (Pa, °C).
  state.FlowRefPressureEntered = state.FlowRefPressure;
  state.FlowRefTemperatureEntered = state.FlowRefTemperature;
  state.DensityRefPressureEntered = state.DensityRefPressure;
  state.DensityRefTemperatureEntered = state.DensityRefTemperature;
  return std::nullopt;
}

void WriteResult(JsonWriter& out, const SeriesEntry& entry) {
  CalculationState s = entry.result;
  // Transmitter 1 of the cascade measures up to the differential pressure of this result.
  s.CascadeRange[0] = entry.seriesValue;
  s.CascadeAccuracy[0] = s.DpTransmitterAccuracy;
  const UncertaintyCurves curves = ComputeUncertaintyCurves(s);
  const std::pair<const char*, double> numbers[] = {
      {"SeriesValue", entry.seriesValue},
      {"Pressure", s.Pressure},
      {"Temperature", s.Temperature},
      {"Density", s.Density},
      {"Viscosity", s.Viscosity},
      {"Kappa", s.Kappa},
      {"MassFlow", s.MassFlow},
      {"MassFlowMax", s.MassFlowMax},
      {"MassFlowMin", s.MassFlowMin},
      {"PipeDiameter", s.PipeDiameter},
      {"PipeDiameter20", s.PipeDiameter20},
      {"DpMax", s.DpMax},
      {"Dp", s.Dp},
      {"ReD", s.ReD},
      {"ReDMax", s.ReDMax},
      {"ReDMin", s.ReDMin},
      {"Velocity", s.Velocity},
      {"VelocityMax", s.VelocityMax},
      {"Epsilon", s.Epsilon},
      {"C", s.C},
      {"Beta", s.Beta},
      {"Bore", s.Bore},
      {"Bore20", s.Bore20},
      {"FlowUncertainty", s.FlowUncertainty},
      {"FlowUncertaintyMax", s.FlowUncertaintyMax},
      {"FlowUncertaintyMin", s.FlowUncertaintyMin},
      {"MassFlowMinAllowed", s.MassFlowMinAllowed},
      {"ReDMinAllowed", s.ReDMinAllowed},
      {"UpstreamLength", s.UpstreamLength},
      {"DownstreamLength", s.DownstreamLength},
      {"PressureLoss", s.PressureLoss},
      {"Residual", s.Residual},
      {"VelocityLow", s.VelocityLow},
      {"VelocityHigh", s.VelocityHigh},
      {"UncertaintyC", s.UncertaintyC},
      {"UncertaintyEpsilon", s.UncertaintyEpsilon},
      {"UncertaintyD", s.UncertaintyD},
      {"UncertaintyBore", s.UncertaintyBore},
      {"UncertaintyDp", s.UncertaintyDp},
  };
  out.BeginObject();
  out.Key("Status");
  out.Integer(entry.status);
  for (const auto& [key, value] : numbers) {
    out.Key(key);
    out.Number(value);
  }
  out.Key("FittingLengths");
  out.BeginArray();
  for (double length : s.FittingLengths) out.Number(length);
  for (auto length : s.FittingLengths11and12) out.Number(length);
  out.EndArray();
  out.Key("LimitFlags");
  out.BeginArray();
  for (bool flag : s.LimitFlags) out.Boolean(flag);
  out.EndArray();
  out.Key("LimitMessages");
  out.BeginArray();
  for (const auto& line : ResultMemo(s, entry.seriesValue)) out.String(line);
  out.EndArray();
  out.Key("CurveSingle");
  out.Numbers(curves.single);
  out.Key("CurveCascade");
  out.Numbers(curves.cascade);
  out.Key("SeriesEntry");
  out.String(entry.text);
  out.EndObject();
}

void WriteFlowTable(JsonWriter& out, const CalculationState& state) {
  out.BeginArray();
  for (const auto& row : FlowCurrentTable(state)) {
    out.BeginObject();
    out.Key("Percent");
    out.Integer(row.percent);
    const std::pair<const char*, double> values[] = {{"FlowKgPerHour", row.flowKgPerHour},
                                                     {"Dp", row.dp},
                                                     {"Current4to20", row.current4to20},
                                                     {"Current0to20", row.current0to20}};
    for (const auto& [key, value] : values) {
      out.Key(key);
      out.Number(value);
    }
    out.EndObject();
  }
  out.EndArray();
}

void WriteMessages(JsonWriter& out, const std::vector<Message>& messages) {
  out.BeginArray();
  for (const auto& m : messages) {
    out.BeginObject();
    out.Key("kind");
    out.String(KindName(m.kind));
    out.Key("text");
    out.String(m.text);
    out.EndObject();
  }
  out.EndArray();
}

}  // namespace pramo::tools
