#pragma once

#include <optional>
#include <string>

#include "core/Messages.h"
#include "legacy/ConversionRun.h"

namespace pramo {

struct ConvertOptions {
  ConversionRequest request;
  std::string database;
};

// The older program's text encoding by its name on the command line: kamenicky, latin2 or plain.
LegacyEncoding LegacyEncodingNamed(const std::string& name);

// pramo-db convert VYPOCTY.000 DB [--companies FIRMY.000] [--encoding kamenicky|latin2|plain]
// [--all-companies]
//
// Converts the older program's calculations file (and companies file) into the database DB, which keeps
// its users and loses its calculations and companies. The confirmation question is answered by
// `messages`. On a terminal a progress line goes to stderr, and Ctrl+C asks whether to stop (without a
// terminal on stdin it stops, keeping what was converted). The final counts go to stdout. Returns the
// exit status: 0 converted, 1 refused, failed or stopped.
int ConvertCommand(const ConvertOptions& options, Messages& messages);

}  // namespace pramo
