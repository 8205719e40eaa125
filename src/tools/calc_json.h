#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "app/CalculationRun.h"
#include "core/CalculationState.h"
#include "core/Messages.h"
#include "tools/JsonWriter.h"

namespace pramo::tools {

// Input that cannot be used at all: the key it concerns and why.
struct UnusableInput {
  std::string key;
  std::string reason;
};

// Sets the input fields of a new calculation from one JSON object whose keys are the state's field names,
// each in the unit of that field. Unknown keys, wrong types and list indices outside their list are
// unusable input.
std::optional<UnusableInput> ReadInputs(const nlohmann::json& input, CalculationState& state);

// One result of a run by the state's field names, with its series value, status, memo lines, both
// uncertainty curves and the series list entry.
void WriteResult(JsonWriter& out, const SeriesEntry& entry);

// The flow and current table of a result.
void WriteFlowTable(JsonWriter& out, const CalculationState& state);

void WriteMessages(JsonWriter& out, const std::vector<Message>& messages);

}  // namespace pramo::tools
