#pragma once

#include "printing/Certificate.h"
#include "storage/Configuration.h"

namespace pramo {

// The print options as the interface state of the configuration keeps them, and back.
PrintOptions PrintOptionsOf(const InterfaceState& state);
void TakePrintOptions(const PrintOptions& options, InterfaceState& state);

}  // namespace pramo
