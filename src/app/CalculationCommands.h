#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "storage/FileSystem.h"
#include "storage/WorkingSettings.h"

namespace pramo {

// Who numbers and signs a calculation: the logged-in user's full name and the installation number.
struct Signer {
  std::string designer;
  std::uint16_t installation = 1;
};

// Numbering as a new calculation (highest running count + 1, index 1) or as the next index of a stored
// calculation's number; both set the current tag, the designer and the installation number.
void NumberAsNew(CalculationState& state, std::uint32_t highestRunningCount, const Signer& signer);
void NumberAsNextIndex(CalculationState& state, const LoadedCalculation& stored, const Signer& signer);

// The stored calculation a next index is numbered after, read with the settings comparison; nothing when
// it cannot be read or its number has no index left (told).
std::optional<LoadedCalculation> LoadForNextIndex(DatabaseAccess& db, const std::string& numberText,
                                                  const WorkingSettings& settings);

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

// "Import ...": the inputs of an export file for the calculation being edited, which keeps its number,
// designer and date; nothing when the file was refused (told).
std::optional<CalculationState> ImportForEditing(FileSystem& fs, const std::string& path,
                                                 const WorkingSettings& settings,
                                                 const CalculationState& edited, Messages& messages);

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

}  // namespace pramo
