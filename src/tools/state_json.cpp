#include "state_json.h"

#include <algorithm>
#include <cstdint>
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

using simdjson::dom::element;

// Reads one element of a field from a JSON item; false when its type or range does not fit.
bool ElementFromJson(element item, const CalculationField& field, std::string& value) {
  std::string_view view;
  if (item.get_string().get(view)) return false;
  std::string text(view);
  if (!To1250(text) || CharacterCount(text) > field.capacity) return false;
  value = std::move(text);
  return true;
}
bool ElementFromJson(element item, const CalculationField&, bool& value) {
  return !item.get_bool().get(value);
}
bool ElementFromJson(element item, const CalculationField& field, double& value) {
  double number = 0;
  if (item.get_double().get(number) || !FitsRange(field, number)) return false;
  value = number;
  return true;
}
template <class T>
bool ElementFromJson(element item, const CalculationField& field, T& value) {
  // A number with a fraction or an exponent is no integer, even where its value is whole.
  std::int64_t number = 0;
  if (item.get_int64().get(number)) return false;
  if (number < 0 || number > static_cast<std::int64_t>(std::numeric_limits<T>::max()) ||
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

std::optional<std::string> StateFromJson(simdjson::dom::object object, CalculationState& state,
                                         std::span<const std::string_view> passedOver) {
  for (const simdjson::dom::key_value_pair member : object) {
    const std::string_view key = member.key;
    const element given = member.value;
    if (std::find(passedOver.begin(), passedOver.end(), key) != passedOver.end()) continue;
    const CalculationField* field = FindCalculationField(key);
    if (!field) return std::string(key);
    const bool fits = std::visit(
        [&](auto elements) {
          if (field->count == 1) return ElementFromJson(given, *field, elements[0]);
          simdjson::dom::array array;
          if (given.get_array().get(array) || array.size() != elements.size()) return false;
          // All elements or none: a bad element leaves the field as it was.
          std::vector<typename decltype(elements)::value_type> read(elements.begin(), elements.end());
          std::size_t i = 0;
          for (const element item : array) {
            typename decltype(elements)::value_type value = read[i];  // read may be a vector of bits
            if (!ElementFromJson(item, *field, value)) return false;
            read[i++] = value;
          }
          std::copy(read.begin(), read.end(), elements.begin());
          return true;
        },
        ValuesIn(*field, state));
    if (!fits) return std::string(key);
  }
  return std::nullopt;
}

}  // namespace pramo
