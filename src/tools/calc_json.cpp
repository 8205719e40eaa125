#include "tools/calc_json.h"

#include <set>

#include "app/FlowTable.h"
#include "core/Units.h"
#include "strings/app.h"
#include "strings/core.h"
#include "tools/state_json.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo::tools {
namespace {

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

std::optional<std::string> ParseJson(simdjson::dom::parser& parser, const std::string& text,
                                     simdjson::dom::element& parsed) {
  using namespace simdjson;
  const error_code error = parser.parse(text).get(parsed);
  if (!error) return std::nullopt;
  std::string reason;
  switch (error) {
    case NUMBER_ERROR:
    case NUMBER_OUT_OF_RANGE:
      reason = "a number is malformed or out of the range of a double";
      break;
    case DEPTH_ERROR:
      reason = "nested deeper than " + std::to_string(DEFAULT_MAX_DEPTH) + " levels";
      break;
    case UTF8_ERROR:
      reason = "not UTF-8 text";
      break;
    case EMPTY:
      reason = "no JSON value";
      break;
    default:
      reason = error_message(error);
  }
  return "not valid JSON: " + reason;
}

std::optional<UnusableInput> ReadInputs(simdjson::dom::element input, CalculationState& state) {
  simdjson::dom::object object;
  if (input.get_object().get(object)) return UnusableInput{"", "each calculation must be a JSON object"};
  for (const simdjson::dom::key_value_pair member : object)
    if (!kInputKeys.contains(member.key)) return UnusableInput{std::string(member.key), "unknown key"};
  if (auto key = StateFromJson(object, state)) return UnusableInput{*key, "wrong type, or outside its range"};
  return CompleteInputs(object, state);
}

std::optional<UnusableInput> CompleteInputs(simdjson::dom::object input, CalculationState& state) {
  // The unit lists offer only the units that fit the fluid.
  if (static_cast<int>(state.DensityUnit) >= DensityUnitItemCount(state.Fluid))
    return UnusableInput{"DensityUnit", "this density unit is not offered for the fluid"};
  if (FlowUnitItemOfKind(state.FlowUnit) >= FlowUnitItemCount(state.Fluid))
    return UnusableInput{"FlowUnit", "this flow unit is not offered for the fluid"};
  // The fluid list writes its own name for the fluids the program knows; user fluids keep a given name.
  const bool namedByUser = state.Fluid == FluidKind::Gas || state.Fluid == FluidKind::Liquid ||
                           state.Fluid == FluidKind::Undetermined;
  if (!namedByUser || input["FluidName"].error()) {
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
  const std::size_t singleStart = out.Text().size();
  out.Numbers(curves.single);
  const std::size_t singleEnd = out.Text().size();
  out.Key("CurveCascade");
  // Without further transmitters the cascade's curve is the single one: its text is written again, not
  // formatted a second time.
  if (curves.cascade == curves.single)
    out.Repeat(singleStart, singleEnd);
  else
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

std::vector<std::string> MarkedInputKeys(const std::set<InputField>& marked) {
  static constexpr std::pair<InputField, const char*> kKeys[] = {
      {InputField::ETlak, "PressureEntered"},
      {InputField::EProvozniTeplota, "TemperatureEntered"},
      {InputField::EMernaHmotnost, "DensityEntered"},
      {InputField::EDynamickaViskozita, "ViscosityEntered"},
      {InputField::EVlhkost, "Humidity"},
      {InputField::EIzentropickyExponent7, "KappaEntered"},
      {InputField::EPrutokProvozni, "FlowEntered"},
      {InputField::EPrutokMax, "FlowMaxEntered"},
      {InputField::EPrutokMin, "FlowMinEntered"},
      {InputField::EDifTlakMax, "DpMaxEntered"},
      {InputField::EPrumerPotrubiPri20C, "PipeDiameterEntered"},
      {InputField::ePrumerOtvoru_d20, "Bore20"},
  };
  std::vector<std::string> keys;
  for (const auto& [field, key] : kKeys)
    if (marked.contains(field)) keys.push_back(key);
  return keys;
}

void WriteMessages(JsonWriter& out, const std::vector<Message>& messages,
                   const std::set<InputField>& marked) {
  out.BeginArray();
  for (const auto& m : messages) {
    out.BeginObject();
    out.Key("kind");
    out.String(KindName(m.kind));
    out.Key("text");
    out.String(m.text);
    if (m.id == str::kBadInput.id) {
      out.Key("keys");
      out.BeginArray();
      for (const std::string& key : MarkedInputKeys(marked)) out.String(key);
      out.EndArray();
    }
    out.EndObject();
  }
  out.EndArray();
}

namespace {

template <std::size_t N>
std::string Item(const Text (&items)[N], int index) {
  return index >= 0 && index < static_cast<int>(N) ? Tr(items[index]) : std::string();
}

// The names the program shows for the codes of each list, for the help and the output's "names".
constexpr auto kCalcKindName = [](int i) { return CalculationKindText(static_cast<CalculationKind>(i)); };
constexpr auto kElementName = [](int i) { return ElementItemText(static_cast<PrimaryElementKind>(i)); };
constexpr auto kFluidName = [](int i) { return FluidItemText(static_cast<FluidKind>(i)); };
constexpr auto kPressureUnitName = [](int i) { return Item(str::kPressureUnitItem, i); };
constexpr auto kTemperatureUnitName = [](int i) { return Item(str::kTemperatureUnitItem, i); };
constexpr auto kDensityUnitName = [](int i) { return Item(str::kDensityUnitItem, i); };
constexpr auto kViscosityUnitName = [](int i) { return Item(str::kViscosityUnitItem, i); };
constexpr auto kFlowUnitName = [](int i) { return Item(str::kFlowUnitKindText, i); };
constexpr auto kDpUnitName = [](int i) { return Item(str::kDpUnitItem, i); };
constexpr auto kPipeDiameterUnitName = [](int i) { return Item(str::kPipeDiameterUnitItem, i); };
constexpr auto kMaterialName = [](int i) { return MaterialText(i); };

// A code's name as a JSON string. Every result line names its codes: the names of a list are made and
// quoted once, on first use.
template <class Name>
std::string_view QuotedName(Name name, int count, int code) {
  static const std::vector<std::string> quoted = [&] {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
      JsonWriter text;
      text.String(name(i));
      texts.push_back(std::move(text.Text()));
    }
    return texts;
  }();
  return code >= 0 && code < count ? std::string_view(quoted[static_cast<std::size_t>(code)]) : "\"\"";
}

}  // namespace

void WriteNames(JsonWriter& out, const CalculationState& s) {
  const std::pair<const char*, std::string_view> names[] = {
      {"CalcKind", QuotedName(kCalcKindName, kCalculationKindCount, static_cast<int>(s.CalcKind))},
      {"ElementKind", QuotedName(kElementName, kElementKindCount, static_cast<int>(s.ElementKind))},
      {"Fluid", QuotedName(kFluidName, kFluidKindCount, static_cast<int>(s.Fluid))},
      {"PressureUnit", QuotedName(kPressureUnitName, kPressureUnitCount, s.PressureUnit)},
      {"TemperatureUnit", QuotedName(kTemperatureUnitName, kTemperatureUnitCount, s.TemperatureUnit)},
      {"DensityUnit", QuotedName(kDensityUnitName, kDensityUnitCount, s.DensityUnit)},
      {"ViscosityUnit", QuotedName(kViscosityUnitName, kViscosityUnitCount, s.ViscosityUnit)},
      {"FlowUnit", QuotedName(kFlowUnitName, kFlowUnitKindCount, static_cast<int>(s.FlowUnit))},
      {"DpUnit", QuotedName(kDpUnitName, kDpUnitCount, s.DpUnit)},
      {"PipeDiameterUnit", QuotedName(kPipeDiameterUnitName, kPipeDiameterUnitCount, s.PipeDiameterUnit)},
      {"ElementMaterial", QuotedName(kMaterialName, kMaterialCount, s.ElementMaterial)},
      {"PipeMaterial", QuotedName(kMaterialName, kMaterialCount, s.PipeMaterial)},
  };
  out.BeginObject();
  for (const auto& [key, name] : names) {
    out.Key(key);
    out.Raw(name);
  }
  out.EndObject();
}

namespace {

void WriteUnitsObject(JsonWriter& out) {
  static constexpr std::pair<const char*, const char*> kUnits[] = {
      {"SeriesValue", "Pa"},
      {"Pressure", "Pa"},
      {"Temperature", "°C"},
      {"Density", "kg/m3"},
      {"Viscosity", "Pa.s"},
      {"Kappa", "1"},
      {"MassFlow", "kg/s"},
      {"MassFlowMax", "kg/s"},
      {"MassFlowMin", "kg/s"},
      {"PipeDiameter", "m"},
      {"PipeDiameter20", "m"},
      {"DpMax", "Pa"},
      {"Dp", "Pa"},
      {"ReD", "1"},
      {"ReDMax", "1"},
      {"ReDMin", "1"},
      {"Velocity", "m/s"},
      {"VelocityMax", "m/s"},
      {"Epsilon", "1"},
      {"C", "1"},
      {"Beta", "1"},
      {"Bore", "m"},
      {"Bore20", "m"},
      {"FlowUncertainty", "%"},
      {"FlowUncertaintyMax", "%"},
      {"FlowUncertaintyMin", "%"},
      {"MassFlowMinAllowed", "kg/s"},
      {"ReDMinAllowed", "1"},
      {"UpstreamLength", "m"},
      {"DownstreamLength", "m"},
      {"PressureLoss", "Pa"},
      {"Residual", "1"},
      {"VelocityLow", "m/s"},
      {"VelocityHigh", "m/s"},
      {"UncertaintyC", "%"},
      {"UncertaintyEpsilon", "%"},
      {"UncertaintyD", "%"},
      {"UncertaintyBore", "%"},
      {"UncertaintyDp", "%"},
      {"FittingLengths", "D"},
      {"CurveSingle", "%"},
      {"CurveCascade", "%"},
      {"FlowKgPerHour", "kg/h"},
      {"Current4to20", "mA"},
      {"Current0to20", "mA"},
      {"Percent", "%"},
      {"DpSeries", "Pa"},
      {"BarometricPressure", "Pa"},
      {"CascadeRange", "Pa"},
      {"CascadeAccuracy", "%"},
      {"DpTransmitterAccuracy", "%"},
      {"DensityAccuracy", "%"},
      {"Humidity", "%"},
      {"FlowRefPressure", "Pa"},
      {"FlowRefTemperature", "°C"},
      {"DensityRefPressure", "Pa"},
      {"DensityRefTemperature", "°C"},
      {"AddedUncertaintyShortLengths", "%"},
      {"AddedUncertaintyOffset", "%"},
      {"Date", "days since 1899-12-30"},
  };
  out.BeginObject();
  for (const auto& [key, unit] : kUnits) {
    out.Key(key);
    out.String(unit);
  }
  out.EndObject();
}

}  // namespace

void WriteUnits(JsonWriter& out) {
  // The same object closes every result line: it is written once and then copied.
  static const std::string kText = [] {
    JsonWriter units;
    WriteUnitsObject(units);
    return std::move(units.Text());
  }();
  out.Raw(kText);
}

std::string InputCodesHelp() {
  std::string text = "Codes of the input keys:\n";
  auto list = [&](const char* key, int count, auto name) {
    text += "  ";
    text += key;
    text += ":";
    for (int i = 0; i < count; ++i) {
      text += i ? ", " : " ";
      text += std::to_string(i);
      text += ' ';
      text += name(i);
    }
    text += "\n";
  };
  list("CalcKind", kCalculationKindCount, kCalcKindName);
  list("ElementKind", kElementKindCount, kElementName);
  list("Fluid", kFluidKindCount, kFluidName);
  list("PressureUnit", kPressureUnitCount, kPressureUnitName);
  list("TemperatureUnit", kTemperatureUnitCount, kTemperatureUnitName);
  list("DensityUnit", kDensityUnitCount, kDensityUnitName);
  list("ViscosityUnit", kViscosityUnitCount, kViscosityUnitName);
  list("FlowUnit", kFlowUnitKindCount, kFlowUnitName);
  list("DpUnit", kDpUnitCount, kDpUnitName);
  list("PipeDiameterUnit", kPipeDiameterUnitCount, kPipeDiameterUnitName);
  list("ElementMaterial, PipeMaterial", kMaterialCount, kMaterialName);
  return text;
}

}  // namespace pramo::tools
