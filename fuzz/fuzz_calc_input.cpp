// The tools' JSON input of a calculation, read as pramo-calc reads a line and, when accepted, computed: no
// crash, no sanitizer report, and accepted input holds no value outside its field's range.
#include <cstdlib>
#include <string>

#include "app/CalculationRun.h"
#include "app/InputPage.h"
#include "core/CalculationFields.h"
#include "core/InputGathering.h"
#include "tools/calc_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pramo;
  static simdjson::dom::parser parser;
  const std::string text(reinterpret_cast<const char*>(data), size);
  simdjson::dom::element input;
  if (tools::ParseJson(parser, text, input)) return 0;
  CalculationState state;
  if (tools::ReadInputs(input, state)) return 0;
  if (FieldOutOfRange(state)) std::abort();
  MessageRecorder messages(Answer::Ok);
  InputForm form = FormFromState(state, NumberTexts::Exact);
  DerivedValues derived;
  RunCalculation(form, state, derived, {messages, true, "", 1, 45000});
  return 0;
}
