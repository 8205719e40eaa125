#include "tools/calc_json.h"

#include <functional>
#include <map>

#include "app/FlowTable.h"
#include "core/CodePage1250.h"
#include "core/Units.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo::tools {
namespace {

using nlohmann::json;
using Setter = std::function<std::optional<std::string>(const json&, CalculationState&)>;

std::optional<std::string> ReadDouble(const json& v, double& field) {
  if (!v.is_number()) return "a number is expected";
  field = v.get<double>();
  return std::nullopt;
}

std::optional<std::string> ReadBool(const json& v, bool& field) {
  if (!v.is_boolean()) return "true or false is expected";
  field = v.get<bool>();
  return std::nullopt;
}

// A list index or a byte: a whole number in [0, count).
template <class T>
std::optional<std::string> ReadIndex(const json& v, T& field, int count) {
  if (!v.is_number_integer()) return "a whole number is expected";
  const auto n = v.get<long long>();
  if (n < 0 || n >= count) return "must lie in 0.." + std::to_string(count - 1);
  field = static_cast<T>(n);
  return std::nullopt;
}

template <std::size_t N>
std::optional<std::string> ReadDoubles(const json& v, double* first) {
  if (!v.is_array() || v.size() != N) return "an array of " + std::to_string(N) + " numbers is expected";
  for (std::size_t i = 0; i < N; ++i)
    if (auto error = ReadDouble(v[i], first[i])) return error;
  return std::nullopt;
}

Setter Number(double CalculationState::*member) {
  return [member](const json& v, CalculationState& s) { return ReadDouble(v, s.*member); };
}
Setter Flag(bool CalculationState::*member) {
  return [member](const json& v, CalculationState& s) { return ReadBool(v, s.*member); };
}
template <class T>
Setter Index(T CalculationState::*member, int count) {
  return [member, count](const json& v, CalculationState& s) { return ReadIndex(v, s.*member, count); };
}

const std::map<std::string, Setter>& Setters() {
  static const std::map<std::string, Setter> setters = {
      {"CalcKind", Index(&CalculationState::CalcKind, kCalculationKindCount)},
      {"ElementKind", Index(&CalculationState::ElementKind, kElementKindCount)},
      {"Fluid", Index(&CalculationState::Fluid, kFluidKindCount)},
      {"FluidName",
       [](const json& v, CalculationState& s) -> std::optional<std::string> {
         if (!v.is_string()) return "a text is expected";
         const auto text = v.get<std::string>();
         if (!To1250(text)) return "holds a character that cannot be stored";
         s.FluidName = FirstCharacters(text, kFluidNameCapacity);
         return std::nullopt;
       }},
      {"PressureEntered", Number(&CalculationState::PressureEntered)},
      {"PressureUnit", Index(&CalculationState::PressureUnit, kPressureUnitCount)},
      {"TemperatureGiven", Flag(&CalculationState::TemperatureGiven)},
      {"TemperatureEntered", Number(&CalculationState::TemperatureEntered)},
      {"TemperatureUnit", Index(&CalculationState::TemperatureUnit, kTemperatureUnitCount)},
      {"DensityGiven", Flag(&CalculationState::DensityGiven)},
      {"DensityEntered", Number(&CalculationState::DensityEntered)},
      {"DensityUnit", Index(&CalculationState::DensityUnit, kDensityUnitCount)},
      {"ViscosityGiven", Flag(&CalculationState::ViscosityGiven)},
      {"ViscosityEntered", Number(&CalculationState::ViscosityEntered)},
      {"ViscosityUnit", Index(&CalculationState::ViscosityUnit, kViscosityUnitCount)},
      {"FlowAsDryAir", Flag(&CalculationState::FlowAsDryAir)},
      {"Humidity", Number(&CalculationState::Humidity)},
      {"KappaGiven", Flag(&CalculationState::KappaGiven)},
      {"KappaEntered", Number(&CalculationState::KappaEntered)},
      {"FlowEntered", Number(&CalculationState::FlowEntered)},
      {"FlowMaxEntered", Number(&CalculationState::FlowMaxEntered)},
      {"FlowMinEntered", Number(&CalculationState::FlowMinEntered)},
      {"FlowUnit", Index(&CalculationState::FlowUnit, kFlowUnitKindCount)},
      {"DpMaxGiven", Flag(&CalculationState::DpMaxGiven)},
      {"DpMaxEntered", Number(&CalculationState::DpMaxEntered)},
      {"DpUnit", Index(&CalculationState::DpUnit, kDpUnitCount)},
      {"PipeDiameterEntered", Number(&CalculationState::PipeDiameterEntered)},
      {"PipeDiameterUnit", Index(&CalculationState::PipeDiameterUnit, kPipeDiameterUnitCount)},
      {"Bore20", Number(&CalculationState::Bore20)},
      {"ElementMaterial", Index(&CalculationState::ElementMaterial, 256)},
      {"PipeMaterial", Index(&CalculationState::PipeMaterial, 256)},
      {"Fittings",
       [](const json& v, CalculationState& s) -> std::optional<std::string> {
         if (!v.is_array() || v.size() != 12) return "an array of 12 booleans is expected";
         for (std::size_t i = 0; i < 12; ++i)
           if (auto error = ReadBool(v[i], s.Fittings[i])) return error;
         return std::nullopt;
       }},
      {"AddedUncertaintyShortLengths", Number(&CalculationState::AddedUncertaintyShortLengths)},
      {"AddedUncertaintyOffset", Number(&CalculationState::AddedUncertaintyOffset)},
      {"DpSeries", [](const json& v, CalculationState& s) { return ReadDoubles<10>(v, s.DpSeries.data()); }},
      {"DpTransmitterAccuracy", Number(&CalculationState::DpTransmitterAccuracy)},
      {"DensityAccuracy", Number(&CalculationState::DensityAccuracy)},
      {"BarometricPressure", Number(&CalculationState::BarometricPressure)},
      {"FlowRefPressure", Number(&CalculationState::FlowRefPressure)},
      {"FlowRefTemperature", Number(&CalculationState::FlowRefTemperature)},
      {"DensityRefPressure", Number(&CalculationState::DensityRefPressure)},
      {"DensityRefTemperature", Number(&CalculationState::DensityRefTemperature)},
      {"CascadeRange",
       [](const json& v, CalculationState& s) { return ReadDoubles<3>(v, &s.CascadeRange[1]); }},
      {"CascadeAccuracy",
       [](const json& v, CalculationState& s) { return ReadDoubles<3>(v, &s.CascadeAccuracy[1]); }},
  };
  return setters;
}

}  // namespace

std::optional<UnusableInput> ReadInputs(const json& input, CalculationState& state) {
  if (!input.is_object()) return UnusableInput{"", "each calculation must be a JSON object"};
  const auto& setters = Setters();
  for (const auto& [key, value] : input.items()) {
    const auto setter = setters.find(key);
    if (setter == setters.end()) return UnusableInput{key, "unknown key"};
    if (auto error = setter->second(value, state)) return UnusableInput{key, *error};
  }
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
