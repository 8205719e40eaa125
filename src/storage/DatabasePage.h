#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "storage/WorkingSettings.h"

namespace pramo {

// Who numbers and signs a calculation: the logged-in user's full name and the installation number.
struct Signer {
  std::string designer;
  std::uint16_t installation = 1;
};

// Brings a calculation of an older version up to the current one: fitting boxes of the older standard
// cleared ("ver2.2", "ver3.3"), material indices of the short lists remapped ("ver2.2" to "ver3.4"), each
// with its warning, and the tag raised to "ver3.5".
void RaiseOlderVersion(CalculationState& state, Messages& messages);
std::uint8_t RemapElementMaterial(std::uint8_t oldIndex);
std::uint8_t RemapPipeMaterial(std::uint8_t oldIndex);

// Numbering as a new calculation (highest running count + 1, index 1) or as the next index of its
// number; both set the current tag, the designer and the installation number.
void NumberAsNew(CalculationState& state, std::uint32_t highestRunningCount, const Signer& signer);
void NumberAsNextIndex(CalculationState& state, std::uint8_t highestIndex, const Signer& signer);

// The question before unsaved work is thrown away; true only for Yes.
bool ConfirmDiscardUnsaved(Messages& messages);

// The checks common to show, copy and recompute; the number text of the selected row (1-based) when
// they pass.
std::optional<std::string> SelectedNumberText(const DatabaseListing& listing, std::size_t selectedRow,
                                              bool unsavedChanges, Messages& messages);

// The four commands of the database page. Each returns the calculation to put into the window, or
// nothing when it was refused (told) or the user chose not to go on.
std::optional<CalculationState> ShowCalculation(DatabaseAccess& db, const DatabaseListing& listing,
                                                std::size_t selectedRow, bool unsavedChanges);
std::optional<CalculationState> NewCalculation(Messages& messages, bool settingsChanged,
                                               std::uint32_t highestRunningCount,
                                               const WorkingSettings& settings, const Signer& signer);
std::optional<CalculationState> CopyCalculation(DatabaseAccess& db, const DatabaseListing& listing,
                                                std::size_t selectedRow, bool unsavedChanges,
                                                const WorkingSettings& settings, const Signer& signer);
std::optional<CalculationState> RecomputeCalculation(DatabaseAccess& db, const DatabaseListing& listing,
                                                     std::size_t selectedRow, bool unsavedChanges,
                                                     const WorkingSettings& settings, const Signer& signer);

// What storing needs besides the calculation (whose texts, identification and cascade the caller has
// already taken from the window).
struct StoreRequest {
  SaveMode mode = SaveMode::NewNumber;  // the running count edit writable: a new number
  bool settingsChanged = false;
  bool saveAll = false;  // lifts the refusal of a calculation that does not comply with the standard
  bool dpMaxBoxVisible = true;
  std::optional<double> chosenSeriesValue;  // the series value chosen on the results page, Pa
};
// Conflict: another instance took or overtook the number meanwhile; nothing was stored.
enum class StoreOutcome { Stored, Refused, Conflict, Failed };

// Stores the current calculation under the save rules. After a store and after a number conflict the
// database is listed again into `listing`.
StoreOutcome StoreCalculation(DatabaseAccess& db, CalculationState& state, const StoreRequest& request,
                              DatabaseListing& listing, const ListingRequest& listingRequest);

// Whether no cascade transmitter's range (slots 2 to 4; 0 = unused) reaches the maximum differential
// pressure.
bool CascadeRangesBelowDpMax(const CalculationState& state);

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
