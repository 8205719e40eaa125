#pragma once

#include <optional>
#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "storage/FileSystem.h"
#include "storage/WorkingSettings.h"

namespace pramo {

// The export file: one calculation block of 973 bytes, strings scrambled, no header.

// The path the export is written to: the chosen name with its extension replaced by ".cln".
std::string ExportFilePath(const std::string& chosenPath);

// Whether to go on writing to that path: asks before an existing file is overwritten.
bool ConfirmExportPath(FileSystem& fs, const std::string& path, Messages& messages);

// Writes a block as an export file; the file is replaced as a whole, so a failure never leaves a part.
bool WriteExportFile(FileSystem& fs, const std::string& path, const CalculationBlock& block);

// The export of the current calculation, with its message of success or failure.
bool ExportInputs(FileSystem& fs, const std::string& path, const CalculationState& state, Messages& messages);

// The one reader of export files, for the window and the tools. Accepts the tags "ver3.3", "ver3.4" and
// "ver3.5" (the first block of the file counts) and refuses a block holding a value its field may not
// hold, naming the field; nothing is taken from a refused file. Then warns when the file's settings
// differ from the working settings, raises an older version and tells success. The calculation read, or
// nothing (told).
std::optional<CalculationState> ImportInputs(FileSystem& fs, const std::string& path,
                                             const WorkingSettings& settings, Messages& messages);

}  // namespace pramo
