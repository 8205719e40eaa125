#include "state_json.h"

#include <limits>
#include <vector>

#include "core/CalculationFields.h"
#include "core/CodePage1250.h"

namespace pramo {
namespace {

nlohmann::ordered_json ElementToJson(const std::string& value) {
  return value;
}
template <class T>
nlohmann::ordered_json ElementToJson(T value) {
  if constexpr (std::is_same_v<T, std::uint8_t>)
    return static_cast<int>(value);
  else
    return value;
}

// Reads one element of a field from a JSON item; false when its type or range does not fit.
bool ElementFromJson(const nlohmann::json& item, const CalculationField& field, std::string& value) {
  if (!item.is_string()) return false;
  const std::string text = item.get<std::string>();
  if (!To1250(text) || CharacterCount(text) > field.capacity) return false;
  value = text;
  return true;
}
bool ElementFromJson(const nlohmann::json& item, const CalculationField&, bool& value) {
  if (!item.is_boolean()) return false;
  value = item.get<bool>();
  return true;
}
bool ElementFromJson(const nlohmann::json& item, const CalculationField& field, double& value) {
  if (!item.is_number() || !FitsRange(field, item.get<double>())) return false;
  value = item.get<double>();
  return true;
}
template <class T>
bool ElementFromJson(const nlohmann::json& item, const CalculationField& field, T& value) {
  if (!item.is_number_integer()) return false;
  const long long number = item.get<long long>();
  if (number < 0 || number > static_cast<long long>(std::numeric_limits<T>::max()) ||
      !FitsRange(field, static_cast<double>(number)))
    return false;
  value = static_cast<T>(number);
  return true;
}

}  // namespace

nlohmann::ordered_json StateToJson(const CalculationState& state) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const CalculationField& field : CalculationFields()) {
    std::visit(
        [&](auto elements) {
          auto& item = json[std::string(field.name)];
          if (field.count == 1) {
            item = ElementToJson(elements[0]);
            return;
          }
          item = nlohmann::ordered_json::array();
          for (const auto& element : elements) item.push_back(ElementToJson(element));
        },
        ValuesIn(field, state));
  }
  return json;
}

std::optional<std::string> StateFromJson(const nlohmann::json& object, CalculationState& state) {
  if (!object.is_object()) return std::string("(input)");
  for (const auto& [key, item] : object.items()) {
    const CalculationField* field = FindCalculationField(key);
    if (!field) return key;
    const bool fits = std::visit(
        [&](auto elements) {
          if (field->count == 1) return ElementFromJson(item, *field, elements[0]);
          if (!item.is_array() || item.size() != elements.size()) return false;
          // All elements or none: a bad element leaves the field as it was.
          std::vector<typename decltype(elements)::value_type> read(elements.begin(), elements.end());
          for (std::size_t i = 0; i < read.size(); ++i) {
            typename decltype(elements)::value_type value = read[i];
            if (!ElementFromJson(item[i], *field, value)) return false;
            read[i] = value;
          }
          std::copy(read.begin(), read.end(), elements.begin());
          return true;
        },
        ValuesIn(*field, state));
    if (!fits) return key;
  }
  return std::nullopt;
}

}  // namespace pramo
