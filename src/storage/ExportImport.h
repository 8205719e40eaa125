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

// Reads an export file: tags "ver3.3", "ver3.4" and "ver3.5" are accepted. Nothing (and no message) for a
// file that cannot be read, is shorter than a block or carries another tag.
std::optional<CalculationState> ReadExportFile(FileSystem& fs, const std::string& path);

// The import: reads the file, warns when its settings differ from the working settings, raises an older
// version, and tells success or failure. The calculation to put into the window, or nothing.
std::optional<CalculationState> ImportInputs(FileSystem& fs, const std::string& path,
                                             const WorkingSettings& settings, Messages& messages);

}  // namespace pramo
