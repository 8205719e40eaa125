#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"

namespace pramo {

// Brings a calculation of an older version up to the current one: fitting boxes of the older standard
// cleared ("ver2.2", "ver3.3"), material indices of the short lists remapped ("ver2.2" to "ver3.4"), each
// with its warning, and the tag raised to "ver3.5".
void RaiseOlderVersion(CalculationState& state, Messages& messages);
std::uint8_t RemapElementMaterial(std::uint8_t oldIndex);
std::uint8_t RemapPipeMaterial(std::uint8_t oldIndex);

// The question before unsaved work is thrown away; true only for Yes.
bool ConfirmDiscardUnsaved(Messages& messages);

// The checks common to show, copy and recompute; the number text of the selected row (1-based) when
// they pass.
std::optional<std::string> SelectedNumberText(const DatabaseListing& listing, std::size_t selectedRow,
                                              bool unsavedChanges, Messages& messages);

// Whether a number edit's text (blanks around it aside) is a whole number of at most nine digits.
bool IsWholeNumberText(const std::string& text);

// The text a number edit shows when it is left: the typed whole number with `digits` digits, or the text it
// had on entry (after telling the user) when the typed text is no whole number.
std::string NumberEditOnExit(const std::string& text, const std::string& textOnEntry, int digits,
                             Messages& messages);

// " Vypočtené hodnoty - číslo výpočtu " + running count + "-" + index + " " (without "-" and index while
// the index edit is empty).
std::string ResultGroupCaption(const std::string& countText, const std::string& indexText);

// The "*.flw" files of the folder, as the login window offers them.
std::vector<std::string> DatabaseFileNames(FileSystem& fs, const std::string& folder);
// The items of the database choice: "<založit novou databázi>" and the "*.flw" files of the folder.
std::vector<std::string> DatabaseChoiceItems(FileSystem& fs, const std::string& folder);
// Before asking for the name of a new database.
void WarnAboutSeveralDatabases(Messages& messages);
// The path of a new database of that name in the folder; nothing when such a file exists or the name is
// unusable.
std::optional<std::string> NewDatabasePath(FileSystem& fs, const std::string& folder, const std::string& name,
                                           Messages& messages);
// The path of a chosen existing database; nothing when its file is missing.
std::optional<std::string> ChosenDatabasePath(FileSystem& fs, const std::string& folder,
                                              const std::string& item, Messages& messages);

// "Pramo - " and the database path, shortened to 60 characters when longer.
std::string WindowCaption(const std::string& databasePath);

}  // namespace pramo
