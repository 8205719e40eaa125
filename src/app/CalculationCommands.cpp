#include "app/CalculationCommands.h"

#include "storage/DatabasePage.h"
#include "storage/ExportImport.h"
#include "strings/storage.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo {
namespace {

// The signature every numbering puts on the calculation it numbers.
void Sign(CalculationState& state, const Signer& signer) {
  state.VersionTag = kCurrentVersionTag;
  state.Designer = signer.designer;
  state.NumberInstallation = signer.installation;
}

}  // namespace

void NumberAsNew(CalculationState& state, std::uint32_t highestRunningCount, const Signer& signer) {
  Sign(state, signer);
  state.NumberCount = highestRunningCount + 1;
  state.NumberIndex = 1;
}

void NumberAsNextIndex(CalculationState& state, const LoadedCalculation& stored, const Signer& signer) {
  Sign(state, signer);
  state.NumberCount = stored.state.NumberCount;
  state.NumberIndex = static_cast<std::uint8_t>(stored.highestIndex + 1);
}

std::optional<LoadedCalculation> LoadForNextIndex(DatabaseAccess& db, const std::string& numberText,
                                                  const WorkingSettings& settings) {
  auto loaded = LoadCalculation(db, numberText, &settings);
  if (!loaded || !RoomForNextIndex(loaded->highestIndex, db.messages)) return std::nullopt;
  return loaded;
}

std::optional<CalculationState> ShowCalculation(DatabaseAccess& db, const DatabaseListing& listing,
                                                std::size_t selectedRow, bool unsavedChanges) {
  const auto numberText = SelectedNumberText(listing, selectedRow, unsavedChanges, db.messages);
  if (!numberText) return std::nullopt;
  auto loaded = LoadCalculation(db, *numberText, nullptr);
  if (!loaded) return std::nullopt;
  return std::move(loaded->state);
}

std::optional<CalculationState> NewCalculation(Messages& messages, bool settingsChanged,
                                               std::uint32_t highestRunningCount,
                                               const WorkingSettings& settings, const Signer& signer) {
  if (settingsChanged && !ConfirmDiscardUnsaved(messages)) return std::nullopt;
  if (!RoomForNewNumber(highestRunningCount, messages)) return std::nullopt;
  CalculationState state;
  NumberAsNew(state, highestRunningCount, signer);
  ApplyWorkingSettings(settings, state);
  return state;
}

std::optional<CalculationState> CopyCalculation(DatabaseAccess& db, const DatabaseListing& listing,
                                                std::size_t selectedRow, bool unsavedChanges,
                                                const WorkingSettings& settings, const Signer& signer) {
  const auto numberText = SelectedNumberText(listing, selectedRow, unsavedChanges, db.messages);
  if (!numberText || !RoomForNewNumber(listing.HighestRunningCount(), db.messages)) return std::nullopt;
  auto loaded = LoadCalculation(db, *numberText, &settings);
  if (!loaded) return std::nullopt;
  RaiseOlderVersion(loaded->state, db.messages);
  NumberAsNew(loaded->state, listing.HighestRunningCount(), signer);
  return std::move(loaded->state);
}

std::optional<CalculationState> RecomputeCalculation(DatabaseAccess& db, const DatabaseListing& listing,
                                                     std::size_t selectedRow, bool unsavedChanges,
                                                     const WorkingSettings& settings, const Signer& signer) {
  const auto numberText = SelectedNumberText(listing, selectedRow, unsavedChanges, db.messages);
  if (!numberText) return std::nullopt;
  auto loaded = LoadForNextIndex(db, *numberText, settings);
  if (!loaded) return std::nullopt;
  RaiseOlderVersion(loaded->state, db.messages);
  NumberAsNextIndex(loaded->state, *loaded, signer);
  return std::move(loaded->state);
}

std::optional<CalculationState> ImportForEditing(FileSystem& fs, const std::string& path,
                                                 const WorkingSettings& settings,
                                                 const CalculationState& edited, Messages& messages) {
  auto imported = ImportInputs(fs, path, settings, messages);
  if (!imported) return std::nullopt;
  imported->NumberInstallation = edited.NumberInstallation;
  imported->NumberCount = edited.NumberCount;
  imported->NumberIndex = edited.NumberIndex;
  imported->Designer = edited.Designer;
  imported->Date = edited.Date;
  return imported;
}

StoreOutcome StoreCalculation(DatabaseAccess& db, CalculationState& state, const StoreRequest& request,
                              DatabaseListing& listing, const ListingRequest& listingRequest) {
  Messages& messages = db.messages;
  if (!state.ResultsValid || request.settingsChanged) {
    Tell(messages, MessageKind::Warning, str::kComputeFirst);
    return StoreOutcome::Refused;
  }
  if (!request.saveAll) {
    // The flag of the recommended velocity (the seventh) does not make a calculation non-compliant.
    for (std::size_t i = 0; i < state.LimitFlags.size(); ++i) {
      if (i != 6 && state.LimitFlags[i]) {
        Tell(messages, MessageKind::Information, str::kNotCompliantNotStored);
        return StoreOutcome::Refused;
      }
    }
  }
  if (!CascadeRangesBelow(state, state.DpMax)) {
    Tell(messages, MessageKind::Warning, str::kCascadeRangeTooHigh);
    return StoreOutcome::Refused;
  }
  if (request.mode == SaveMode::NewNumber) {
    const CalculationNumber number{state.NumberInstallation, state.NumberCount, state.NumberIndex};
    if (listing.HoldsNumber(FullNumberText(number))) {
      Tell(messages, MessageKind::Error, str::kNumberExists);
      return StoreOutcome::Refused;
    }
    if (state.NumberCount <= listing.HighestRunningCount()) {
      Tell(messages, MessageKind::Error, str::kNumberBelowHighest);
      return StoreOutcome::Refused;
    }
    if (state.NumberCount > kHighestRunningCount) {
      Tell(messages, MessageKind::Error, str::kNumberInvalid);
      return StoreOutcome::Refused;
    }
  }
  const std::vector<Answer> yesNo{Answer::Yes, Answer::No};
  if (state.Company.empty() && state.MeasuringPoint.empty()) {
    if (Ask(messages, MessageKind::Information, str::kNoCompanyNoPoint, yesNo) != Answer::Yes)
      return StoreOutcome::Refused;
  } else if (state.Company.empty()) {
    if (Ask(messages, MessageKind::Information, str::kNoCompany, yesNo) != Answer::Yes)
      return StoreOutcome::Refused;
  } else if (state.MeasuringPoint.empty()) {
    if (Ask(messages, MessageKind::Information, str::kNoMeasuringPoint, yesNo) != Answer::Yes)
      return StoreOutcome::Refused;
  }
  if (!state.DpMaxGiven && request.dpMaxBoxVisible && request.chosenSeriesValue) {
    state.DpMaxEntered = state.DpMax = *request.chosenSeriesValue;
    state.DpUnit = 0;
    state.DpMaxGiven = true;
  }
  state.ResultsValid = true;
  const SaveOutcome saved = SaveCalculation(db, state, request.mode, &state.NumberCount);
  if (saved != SaveOutcome::Failed) ListDatabase(db, listingRequest, listing);
  if (saved == SaveOutcome::Stored) {
    Tell(messages, MessageKind::Information, str::kStored);
    return StoreOutcome::Stored;
  }
  Tell(messages, MessageKind::Error, str::kStoreFailed);
  return saved == SaveOutcome::Conflict ? StoreOutcome::Conflict : StoreOutcome::Failed;
}

}  // namespace pramo
