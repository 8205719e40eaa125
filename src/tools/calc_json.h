#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include <simdjson.h>

#include "app/CalculationRun.h"
#include "core/CalculationState.h"
#include "core/InputForm.h"
#include "core/Messages.h"
#include "tools/JsonWriter.h"

namespace pramo::tools {

// Input that cannot be used at all: the key it concerns and why.
struct UnusableInput {
  std::string key;
  std::string reason;
};

// Parses one JSON text into `parsed`, which lives as long as the parser or until its next parse. On
// failure, the reason ("not valid JSON: ...").
std::optional<std::string> ParseJson(simdjson::dom::parser& parser, const std::string& text,
                                     simdjson::dom::element& parsed);

// Sets the input fields of a new calculation from one JSON object whose keys are the state's field names,
// each in the unit of that field. Unknown keys, wrong types and list indices outside their list are
// unusable input.
std::optional<UnusableInput> ReadInputs(simdjson::dom::element input, CalculationState& state);

// What the input page adds to the fields taken from `input`: the units checked against the fluid, the
// fluid's name as the fluid list writes it, the reference conditions as typed.
std::optional<UnusableInput> CompleteInputs(simdjson::dom::object input, CalculationState& state);

// One result of a run by the state's field names, with its series value, status, memo lines, both
// uncertainty curves and the series list entry.
void WriteResult(JsonWriter& out, const SeriesEntry& entry);

// The flow and current table of a result.
void WriteFlowTable(JsonWriter& out, const CalculationState& state);

// The input keys of the edits a gathering marked as wrong.
std::vector<std::string> MarkedInputKeys(const std::set<InputField>& marked);

// The messages by kind and text; the input error names the keys it concerns beside its text.
void WriteMessages(JsonWriter& out, const std::vector<Message>& messages,
                   const std::set<InputField>& marked = {});

// The names the program shows for the codes of a calculation (kind, element, fluid, units, materials),
// by the codes' keys.
void WriteNames(JsonWriter& out, const CalculationState& state);

// The unit of every numeric key in base units (results, flow table, stored fields), once; a key typed in
// a unit of its own (`PressureEntered`, ...) has it named by its unit key.
void WriteUnits(JsonWriter& out);

// The codes of the input keys with the names the program shows for them, for the tools' help.
std::string InputCodesHelp();

}  // namespace pramo::tools
