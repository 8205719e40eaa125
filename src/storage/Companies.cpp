#include "storage/Companies.h"

#include <algorithm>
#include <array>

#include "core/CodePage1250.h"
#include "storage/ListOrder.h"
#include "strings/storage.h"

namespace pramo {
namespace {

std::string CompanyOf(RecordView record) {
  return StoredText(record, record_offset::kCompany, kCompanyNameCapacity, true);
}

// The checks of a new name, common to adding and renaming; each failure is told.
bool AcceptableName(Messages& messages, const std::vector<std::string>& listed, const std::string& name) {
  if (name.empty()) {
    Tell(messages, MessageKind::Warning, str::kCompanyNameMissing);
    return false;
  }
  if (std::find(listed.begin(), listed.end(), name) != listed.end()) {
    Tell(messages, MessageKind::Warning, str::kCompanyExists);
    return false;
  }
  const auto bytes = To1250(name);
  if (!bytes) {
    Tell(messages, MessageKind::Error, str::kCompanyCharacters);
    return false;
  }
  if (bytes->size() > kCompanyNameCapacity) {
    Tell(messages, MessageKind::Error, str::kCompanyTooLong);
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> ListCompanies(DatabaseAccess& db) {
  std::vector<std::string> names;
  const ScanResult scan = ScanDatabase(db, [&](RecordView record) {
    if (SlotInUse(record, Slot::Company)) names.push_back(CompanyOf(record));
    return true;
  });
  if (!scan.ok) return std::nullopt;
  SortLikeList(names);
  return names;
}

std::string CompanyCounterText(std::optional<std::size_t> chosen, std::size_t count) {
  std::string text(1, ' ');
  text += std::to_string(chosen ? *chosen + 1 : 0);
  text += " / ";
  text += std::to_string(count);
  text += ' ';
  return text;
}

bool AddCompany(DatabaseAccess& db, const std::vector<std::string>& listed, const std::string& name) {
  if (!AcceptableName(db.messages, listed, name)) return false;
  std::array<std::uint8_t, kCompanyNameCapacity + 1> slot{};
  PutStoredText(slot, 0, kCompanyNameCapacity, name, true);
  if (!AddToFirstFreeSlot(db, Slot::Company, slot, false)) return false;
  Tell(db.messages, MessageKind::Information, str::kCompanyAdded);
  return true;
}

bool RenameCompany(DatabaseAccess& db, const std::vector<std::string>& listed,
                   std::optional<std::size_t> chosen, const std::string& newName) {
  if (chosen && *chosen >= listed.size()) chosen.reset();
  if (!chosen) Tell(db.messages, MessageKind::Information, str::kNoCompanyChosen);
  if (!AcceptableName(db.messages, listed, newName)) return false;
  bool matched = false;
  bool rewritten = false;
  if (chosen) {
    const std::string& oldName = listed[*chosen];
    rewritten = ChangeRecords(db, [&](std::span<std::uint8_t, kRecordSize> record) {
      if (!SlotInUse(record, Slot::Company) || CompanyOf(record) != oldName) return;
      PutStoredText(record, record_offset::kCompany, kCompanyNameCapacity, newName, true);
      matched = true;
    });
  }
  if (!rewritten || !matched) {
    Tell(db.messages, MessageKind::Warning, str::kCompanyNotRenamed);
    return false;
  }
  Tell(db.messages, MessageKind::Information, str::kCompanyRenamed);
  return true;
}

bool RemoveCompany(DatabaseAccess& db, const std::string& name) {
  if (Ask(db.messages, str::kConfirmRemoveCompany, {Answer::Yes, Answer::Cancel}) != Answer::Yes)
    return false;
  bool matched = false;
  const bool rewritten = ChangeRecords(db, [&](std::span<std::uint8_t, kRecordSize> record) {
    if (!SlotInUse(record, Slot::Company) || CompanyOf(record) != name) return;
    record[record_offset::kCompanyFlag] = 0;
    matched = true;
  });
  if (!rewritten || !matched) {
    Tell(db.messages, MessageKind::Warning, str::kCompanyNotRemoved);
    return false;
  }
  Tell(db.messages, MessageKind::Information, str::kCompanyRemoved);
  return true;
}

}  // namespace pramo
