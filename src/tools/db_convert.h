#pragma once

#include <string>
#include <vector>

#include "core/Messages.h"

namespace pramo {

// pramo-db convert VYPOCTY.000 DB [--companies FIRMY.000] [--encoding kamenicky|latin2|plain]
// [--all-companies]
//
// Converts the older program's calculations file (and companies file) into the database DB, which keeps
// its users and loses its calculations and companies. `args` are the words after "convert"; the
// confirmation question is answered by `messages`. On a terminal a progress line goes to stderr, and
// Ctrl+C asks whether to stop (without a terminal on stdin it stops, keeping what was converted). The
// final counts go to stdout. Returns the exit status: 0 converted, 1 refused, failed or stopped, 2 for
// a usage error.
int ConvertCommand(const std::vector<std::string>& args, Messages& messages);

}  // namespace pramo
