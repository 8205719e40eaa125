#include "storage/DatabasePage.h"

#include <algorithm>
#include <cctype>

#include "core/CodePage1250.h"
#include "strings/storage.h"

namespace pramo {
namespace {

// Old material lists (eight items) to the current list, for the primary element and for the pipe.
constexpr std::uint8_t kElementMaterialOfOld[] = {12, 6, 8, 12, 13, 13, 16, 1};
constexpr std::uint8_t kPipeMaterialOfOld[] = {0, 6, 8, 12, 12, 13, 13, 16};

std::string LastCharacters(const std::string& utf8, std::size_t count) {
  const std::size_t total = CharacterCount(utf8);
  if (total <= count) return utf8;
  return utf8.substr(FirstCharacters(utf8, total - count).size());
}

bool ListsAsDatabase(const std::string& name) {
  if (name.size() <= 4) return false;
  std::string extension = name.substr(name.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".flw";
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

std::uint8_t RemapElementMaterial(std::uint8_t oldIndex) {
  return oldIndex < std::size(kElementMaterialOfOld) ? kElementMaterialOfOld[oldIndex] : oldIndex;
}

std::uint8_t RemapPipeMaterial(std::uint8_t oldIndex) {
  return oldIndex < std::size(kPipeMaterialOfOld) ? kPipeMaterialOfOld[oldIndex] : oldIndex;
}

void RaiseOlderVersion(CalculationState& state, Messages& messages) {
  const std::string& tag = state.VersionTag;
  if (tag == "ver2.2" || tag == "ver3.3") {
    Ask(messages, MessageKind::Warning, str::kOlderStandard, {Answer::Yes});
    state.Fittings = {};
  }
  if (tag == "ver2.2" || tag == "ver3.3" || tag == "ver3.4") {
    Ask(messages, MessageKind::Warning, str::kOlderProgram, {Answer::Yes});
    state.ElementMaterial = RemapElementMaterial(state.ElementMaterial);
    state.PipeMaterial = RemapPipeMaterial(state.PipeMaterial);
  }
  state.VersionTag = kCurrentVersionTag;
}

bool ConfirmDiscardUnsaved(Messages& messages) {
  return Ask(messages, MessageKind::Warning, str::kUnsavedLost, {Answer::Yes, Answer::No, Answer::Cancel}) ==
         Answer::Yes;
}

std::optional<std::string> SelectedNumberText(const DatabaseListing& listing, std::size_t selectedRow,
                                              bool unsavedChanges, Messages& messages) {
  if (listing.RowCount() == 0 || listing.Cell(0, 0).empty()) {
    Tell(messages, MessageKind::Error, str::kNoCalculationInDatabase);
    return std::nullopt;
  }
  if (selectedRow < 1 || listing.Cell(selectedRow - 1, 0).empty()) {
    Tell(messages, MessageKind::Information, str::kSelectCalculation);
    return std::nullopt;
  }
  if (unsavedChanges && !ConfirmDiscardUnsaved(messages)) return std::nullopt;
  return std::string(listing.Cell(selectedRow - 1, 0));
}

bool IsWholeNumberText(const std::string& text) {
  const std::string trimmed = Trimmed(text);
  return !trimmed.empty() && trimmed.size() <= 9 &&
         std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string NumberEditOnExit(const std::string& text, const std::string& textOnEntry, int digits,
                             Messages& messages) {
  if (!IsWholeNumberText(text)) {
    Tell(messages, MessageKind::Error, str::kWholeNumberExpected);
    return textOnEntry;
  }
  return PaddedNumber(std::stoull(Trimmed(text)), digits);
}

std::string ResultGroupCaption(const std::string& countText, const std::string& indexText) {
  std::string caption = Tr(str::kResultGroupCaption) + countText;
  if (!indexText.empty()) caption += "-" + indexText;
  return caption + " ";
}

std::vector<std::string> DatabaseFileNames(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& name : fs.FileNames(folder))
    if (ListsAsDatabase(name)) names.push_back(name);
  return names;
}

std::vector<std::string> DatabaseChoiceItems(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> items{Tr(str::kCreateDatabaseItem)};
  for (std::string& name : DatabaseFileNames(fs, folder)) items.push_back(std::move(name));
  return items;
}

void WarnAboutSeveralDatabases(Messages& messages) {
  Tell(messages, MessageKind::Warning, str::kSeveralDatabases);
}

std::optional<std::string> NewDatabasePath(FileSystem& fs, const std::string& folder, const std::string& name,
                                           Messages& messages) {
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
    Tell(messages, MessageKind::Error, str::kDatabaseNameInvalid);
    return std::nullopt;
  }
  const std::string path = folder + "/" + WithExtension(name, ".flw");
  if (fs.Exists(path)) {
    Tell(messages, MessageKind::Error, str::kDatabaseFileExists);
    return std::nullopt;
  }
  Tell(messages, MessageKind::Information, str::kRegisterUser);
  return path;
}

std::optional<std::string> ChosenDatabasePath(FileSystem& fs, const std::string& folder,
                                              const std::string& item, Messages& messages) {
  const std::string path = folder + "/" + WithExtension(item, ".flw");
  if (!fs.Exists(path)) {
    Tell(messages, MessageKind::Error, str::kDatabaseFileMissing);
    return std::nullopt;
  }
  return path;
}

std::string WindowCaption(const std::string& databasePath) {
  std::string shown = databasePath;
  if (CharacterCount(databasePath) > 60)
    shown = FirstCharacters(databasePath, 27) + " .. " + LastCharacters(databasePath, 29);
  return Tr(str::kCaptionPrefix) + shown;
}

}  // namespace pramo
