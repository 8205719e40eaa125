#include "state_json.h"

#include <limits>

#include "core/CodePage1250.h"

namespace pramo {
namespace {

// A field of the state with the JSON name it goes by and, for indices, its largest value.
template <class T>
struct Field {
  const char* name;
  T& value;
  int largest = -1;          // -1: the type's full range
  std::size_t capacity = 0;  // texts: characters
};

template <class T>
Field<T> F(const char* name, T& value, int largest = -1, std::size_t capacity = 0) {
  return Field<T>{name, value, largest, capacity};
}

// Every field in stored order, handed to `visit`.
template <class State, class Visit>
void VisitFields(State& s, Visit&& visit) {
  visit(F("VersionTag", s.VersionTag, -1, kVersionTagCapacity));
  visit(F("ElementKind", s.ElementKind, kElementKindCount - 1));
  visit(F("Fluid", s.Fluid, kFluidKindCount - 1));
  visit(F("FluidName", s.FluidName, -1, kFluidNameCapacity));
  visit(F("PressureEntered", s.PressureEntered));
  visit(F("PressureUnit", s.PressureUnit, 15));
  visit(F("TemperatureGiven", s.TemperatureGiven));
  visit(F("TemperatureEntered", s.TemperatureEntered));
  visit(F("TemperatureUnit", s.TemperatureUnit, 2));
  visit(F("DensityGiven", s.DensityGiven));
  visit(F("DensityEntered", s.DensityEntered));
  visit(F("DensityUnit", s.DensityUnit, 3));
  visit(F("ViscosityGiven", s.ViscosityGiven));
  visit(F("ViscosityEntered", s.ViscosityEntered));
  visit(F("ViscosityUnit", s.ViscosityUnit, 10));
  visit(F("FlowAsDryAir", s.FlowAsDryAir));
  visit(F("Humidity", s.Humidity));
  visit(F("KappaGiven", s.KappaGiven));
  visit(F("KappaEntered", s.KappaEntered));
  visit(F("FlowEntered", s.FlowEntered));
  visit(F("FlowMaxEntered", s.FlowMaxEntered));
  visit(F("FlowMinEntered", s.FlowMinEntered));
  visit(F("FlowUnit", s.FlowUnit, kFlowUnitKindCount - 1));
  visit(F("DpMaxGiven", s.DpMaxGiven));
  visit(F("DpMaxEntered", s.DpMaxEntered));
  visit(F("DpUnit", s.DpUnit, 7));
  visit(F("PipeDiameterEntered", s.PipeDiameterEntered));
  visit(F("PipeDiameterUnit", s.PipeDiameterUnit, 3));
  visit(F("ElementMaterial", s.ElementMaterial));
  visit(F("PipeMaterial", s.PipeMaterial));
  visit(F("Fittings", s.Fittings));
  visit(F("AddedUncertaintyShortLengths", s.AddedUncertaintyShortLengths));
  visit(F("AddedUncertaintyOffset", s.AddedUncertaintyOffset));
  visit(F("DpSeries", s.DpSeries));
  visit(F("DpTransmitterAccuracy", s.DpTransmitterAccuracy));
  visit(F("DensityAccuracy", s.DensityAccuracy));
  visit(F("CascadeRange1", s.CascadeRange[0]));
  visit(F("CascadeRange", s.CascadeRange[1]));  // with its two neighbours: see below
  visit(F("CascadeAccuracy1", s.CascadeAccuracy[0]));
  visit(F("CascadeAccuracy", s.CascadeAccuracy[1]));
  visit(F("BarometricPressure", s.BarometricPressure));
  visit(F("Description", s.Description, -1, kDescriptionCapacity));
  visit(F("Pressure", s.Pressure));
  visit(F("Temperature", s.Temperature));
  visit(F("Density", s.Density));
  visit(F("Viscosity", s.Viscosity));
  visit(F("Kappa", s.Kappa));
  visit(F("MassFlow", s.MassFlow));
  visit(F("MassFlowMax", s.MassFlowMax));
  visit(F("MassFlowMin", s.MassFlowMin));
  visit(F("PipeDiameter", s.PipeDiameter));
  visit(F("DpMax", s.DpMax));
  visit(F("Dp", s.Dp));
  visit(F("ReDMax", s.ReDMax));
  visit(F("VelocityMax", s.VelocityMax));
  visit(F("Epsilon", s.Epsilon));
  visit(F("C", s.C));
  visit(F("Beta", s.Beta));
  visit(F("Bore20", s.Bore20));
  visit(F("FlowUncertainty", s.FlowUncertainty));
  visit(F("FlowUncertaintyMax", s.FlowUncertaintyMax));
  visit(F("FlowUncertaintyMin", s.FlowUncertaintyMin));
  visit(F("MassFlowMinAllowed", s.MassFlowMinAllowed));
  visit(F("DownstreamLength", s.DownstreamLength));
  visit(F("UpstreamLength", s.UpstreamLength));
  visit(F("PipeDiameter20", s.PipeDiameter20));
  visit(F("ReDMin", s.ReDMin));
  visit(F("Velocity", s.Velocity));
  visit(F("PressureLoss", s.PressureLoss));
  visit(F("ReD", s.ReD));
  visit(F("Bore", s.Bore));
  visit(F("UncertaintyC", s.UncertaintyC));
  visit(F("UncertaintyEpsilon", s.UncertaintyEpsilon));
  visit(F("UncertaintyD", s.UncertaintyD));
  visit(F("UncertaintyBore", s.UncertaintyBore));
  visit(F("UncertaintyDp", s.UncertaintyDp));
  visit(F("VelocityLow", s.VelocityLow));
  visit(F("VelocityHigh", s.VelocityHigh));
  visit(F("LimitFlags", s.LimitFlags));
  visit(F("Residual", s.Residual));
  visit(F("ReDMinAllowed", s.ReDMinAllowed));
  visit(F("FittingLengths", s.FittingLengths));
  visit(F("FlowRefPressureEntered", s.FlowRefPressureEntered));
  visit(F("FlowRefPressureUnit", s.FlowRefPressureUnit, 7));
  visit(F("FlowRefPressure", s.FlowRefPressure));
  visit(F("FlowRefTemperatureEntered", s.FlowRefTemperatureEntered));
  visit(F("FlowRefTemperatureUnit", s.FlowRefTemperatureUnit, 2));
  visit(F("FlowRefTemperature", s.FlowRefTemperature));
  visit(F("DensityRefPressureEntered", s.DensityRefPressureEntered));
  visit(F("DensityRefPressureUnit", s.DensityRefPressureUnit, 7));
  visit(F("DensityRefPressure", s.DensityRefPressure));
  visit(F("DensityRefTemperatureEntered", s.DensityRefTemperatureEntered));
  visit(F("DensityRefTemperatureUnit", s.DensityRefTemperatureUnit, 2));
  visit(F("DensityRefTemperature", s.DensityRefTemperature));
  visit(F("ResultsValid", s.ResultsValid));
  visit(F("Designer", s.Designer, -1, kDesignerCapacity));
  visit(F("Company", s.Company, -1, kCompanyCapacity));
  visit(F("MeasuringPoint", s.MeasuringPoint, -1, kMeasuringPointCapacity));
  visit(F("NumberInstallation", s.NumberInstallation));
  visit(F("NumberCount", s.NumberCount));
  visit(F("Date", s.Date));
  visit(F("CalcKind", s.CalcKind, kCalculationKindCount - 1));
  visit(F("NumberIndex", s.NumberIndex));
  visit(F("FittingLengths11and12", s.FittingLengths11and12));
}

// The JSON form of one value.
template <class T>
nlohmann::ordered_json ToJson(const T& value) {
  if constexpr (std::is_enum_v<T>) {
    return static_cast<int>(value);
  } else {
    return value;
  }
}

// Reads one value of a JSON item; false when its type or range does not fit.
template <class T>
bool FromJson(const nlohmann::json& item, T& value, int largest, std::size_t capacity) {
  if constexpr (std::is_same_v<T, std::string>) {
    if (!item.is_string()) return false;
    const std::string text = item.get<std::string>();
    if (!To1250(text) || CharacterCount(text) > capacity) return false;
    value = text;
    return true;
  } else if constexpr (std::is_same_v<T, bool>) {
    if (!item.is_boolean()) return false;
    value = item.get<bool>();
    return true;
  } else if constexpr (std::is_same_v<T, double>) {
    if (!item.is_number()) return false;
    value = item.get<double>();
    return true;
  } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
    using Underlying = std::conditional_t<std::is_enum_v<T>, std::underlying_type<T>, std::type_identity<T>>;
    using U = typename Underlying::type;
    if (!item.is_number_integer()) return false;
    const long long number = item.get<long long>();
    const long long top = largest >= 0 ? largest : static_cast<long long>(std::numeric_limits<U>::max());
    if (number < 0 || number > top) return false;
    value = static_cast<T>(number);
    return true;
  } else {
    // Arrays of a fixed size.
    if (!item.is_array() || item.size() != value.size()) return false;
    for (std::size_t i = 0; i < value.size(); ++i)
      if (!FromJson(item[i], value[i], largest, capacity)) return false;
    return true;
  }
}

}  // namespace

nlohmann::ordered_json StateToJson(const CalculationState& state) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  VisitFields(state, [&](const auto& field) {
    const std::string name = field.name;
    if (name == "CascadeRange" || name == "CascadeAccuracy") {
      const auto& values = name == "CascadeRange" ? state.CascadeRange : state.CascadeAccuracy;
      json[name] = {values[1], values[2], values[3]};
    } else {
      json[name] = ToJson(field.value);
    }
  });
  return json;
}

std::optional<std::string> StateFromJson(const nlohmann::json& object, CalculationState& state) {
  if (!object.is_object()) return std::string("(input)");
  for (const auto& [key, item] : object.items()) {
    bool known = false, fits = false;
    VisitFields(state, [&](auto field) {
      if (known || key != field.name) return;
      known = true;
      if (key == "CascadeRange" || key == "CascadeAccuracy") {
        auto& values = key == "CascadeRange" ? state.CascadeRange : state.CascadeAccuracy;
        std::array<double, 3> slots{};
        fits = FromJson(item, slots, -1, 0);
        if (fits) std::copy(slots.begin(), slots.end(), values.begin() + 1);
      } else {
        fits = FromJson(item, field.value, field.largest, field.capacity);
      }
    });
    if (!known || !fits) return key;
  }
  return std::nullopt;
}

}  // namespace pramo
