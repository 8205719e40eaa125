// An export file read as the import reads it and, when accepted, computed: no crash, no sanitizer report,
// and an accepted file holds no value outside its field's range.
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/CalculationRun.h"
#include "app/InputPage.h"
#include "core/CalculationFields.h"
#include "core/InputGathering.h"
#include "storage/ExportImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pramo;
  static const std::string path = "/tmp/pramo-fuzz-export-" + std::to_string(getpid()) + ".cln";
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
  MessageRecorder messages(Answer::Yes);
  auto state = ImportInputs(LocalFileSystem(), path, WorkingSettings{}, messages);
  if (!state) return 0;
  if (FieldOutOfRange(*state)) std::abort();
  InputForm form = FormFromState(*state, NumberTexts::Exact);
  DerivedValues derived;
  const GatherContext context{messages, true, "", 1, 45000};
  RunCalculation(form, *state, derived, context);
  return 0;
}
