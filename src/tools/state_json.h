#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>
#include <simdjson.h>

#include "core/CalculationState.h"

namespace pramo {

// The calculation state as JSON, every field under its name in the calculation state's table
// (`PrimaryElementKind`, `Fluid`, ... `Fittings` as twelve booleans, `CascadeRange` and `CascadeAccuracy` as
// the three values of transmitters 2 to 4 with `CascadeRange1` and `CascadeAccuracy1` beside them), the
// identification included. Numbers round-trip.
nlohmann::ordered_json StateToJson(const CalculationState& state);

// Takes the keys present in a JSON object into the state; the `passedOver` keys are no fields and are not
// read. On a key that is unknown, of the wrong type, out of its range or a text the stored code page cannot
// hold, returns that key's name (and the state may be partly changed).
std::optional<std::string> StateFromJson(simdjson::dom::object object, CalculationState& state,
                                         std::span<const std::string_view> passedOver = {});

}  // namespace pramo
