#include "storage/ExportImport.h"

#include <algorithm>

#include "core/CalculationBlockCodec.h"
#include "core/CalculationFields.h"
#include "storage/DatabasePage.h"
#include "strings/storage.h"

namespace pramo {

std::string ExportFilePath(const std::string& chosenPath) {
  return WithExtension(chosenPath, ".cln");
}

bool ConfirmExportPath(FileSystem& fs, const std::string& path, Messages& messages) {
  if (!fs.Exists(path)) return true;
  return Ask(messages, str::kOverwriteFile, {Answer::Yes, Answer::Cancel}) == Answer::Yes;
}

bool WriteExportFile(FileSystem& fs, const std::string& path, const CalculationBlock& block) {
  return ReplaceFileContent(fs, path, block) == IoStatus::Ok;
}

bool ExportInputs(FileSystem& fs, const std::string& path, const CalculationState& state,
                  Messages& messages) {
  const bool written = WriteExportFile(fs, path, EncodeBlock(state));
  if (written)
    Tell(messages, MessageKind::Information, str::kExported);
  else
    Tell(messages, MessageKind::Information, str::kNotExported);
  return written;
}

std::optional<CalculationState> ImportInputs(FileSystem& fs, const std::string& path,
                                             const WorkingSettings& settings, Messages& messages) {
  // Only the first block counts; whatever follows it is ignored, as the older program did.
  const FileContent content = ReadFileContent(fs, path, kBlockSize);
  CalculationBlock block;
  if (content.status == IoStatus::Ok && content.bytes.size() >= kBlockSize)
    std::copy_n(content.bytes.begin(), kBlockSize, block.begin());
  const std::string tag = content.bytes.size() >= kBlockSize ? BlockVersionTag(block) : std::string();
  if (content.status != IoStatus::Ok || (tag != "ver3.3" && tag != "ver3.4" && tag != "ver3.5")) {
    Tell(messages, MessageKind::Error, str::kNotImported);
    return std::nullopt;
  }
  CalculationState state = DecodeBlock(block);
  if (const auto fault = FieldOutOfRange(state)) {
    Tell(messages, MessageKind::Error, str::kImportValueInvalid, Format(str::kImportValueInvalid, {*fault}));
    return std::nullopt;
  }
  if (DiffersFromWorkingSettings(state, settings)) Tell(messages, MessageKind::Warning, str::kSettingsDiffer);
  RaiseOlderVersion(state, messages);
  Tell(messages, MessageKind::Information, str::kImported);
  return state;
}

}  // namespace pramo
