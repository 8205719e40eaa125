#include "access/Users.h"

#include <algorithm>

#include "core/CalculationBlockCodec.h"
#include "core/CodePage1250.h"
#include "storage/ListOrder.h"
#include "strings/access.h"
#include "strings/storage.h"

namespace pramo {
namespace {

constexpr std::size_t kUserSlotSize = record_offset::kCompany - record_offset::kUserLogin;

std::string LoginOf(RecordView record) {
  return StoredText(record, record_offset::kUserLogin, kUserTextCapacity, true);
}

std::string FullNameOf(RecordView record) {
  return StoredText(record, record_offset::kUserFullName, kUserTextCapacity, true);
}

PasswordCodeValues StoredCode(RecordView record) {
  PasswordCodeValues code{};
  for (std::size_t i = 0; i < code.size(); ++i) {
    const std::size_t at = record_offset::kUserPassword + 2 * i;
    code[i] = static_cast<std::uint16_t>(record[at] | record[at + 1] << 8);
  }
  return code;
}

void PutCode(std::span<std::uint8_t> bytes, std::size_t offset, const PasswordCodeValues& code) {
  for (std::size_t i = 0; i < code.size(); ++i) {
    bytes[offset + 2 * i] = static_cast<std::uint8_t>(code[i] & 0xFF);
    bytes[offset + 2 * i + 1] = static_cast<std::uint8_t>(code[i] >> 8);
  }
}

// The code of a password for a login name, both as texts; nothing when either holds a character the code
// page cannot hold or the password is longer than an edit takes.
std::optional<PasswordCodeValues> CodeOf(const std::string& login, const std::string& password) {
  const auto loginBytes = To1250(login), passwordBytes = To1250(password);
  if (!loginBytes || !passwordBytes || passwordBytes->size() > kUserTextCapacity) return std::nullopt;
  return PasswordCode(*loginBytes, *passwordBytes);
}

// The three checks of a login name, full name or password: not too short (with the message of the
// window's check), not longer than its edit, only characters of the stored code page.
bool AcceptableText(Messages& messages, const std::string& text, const Text& tooShort, const Text& tooLong,
                    const Text& badCharacters, MessageKind tooShortKind = MessageKind::Error) {
  const auto bytes = To1250(text);
  if (CharacterCount(text) < kUserTextMinimum) {
    Tell(messages, tooShortKind, tooShort);
    return false;
  }
  if (!bytes) {
    Tell(messages, MessageKind::Error, badCharacters);
    return false;
  }
  if (bytes->size() > kUserTextCapacity) {
    Tell(messages, MessageKind::Error, tooLong);
    return false;
  }
  return true;
}

AddUserOutcome AddToExistingDatabase(DatabaseAccess& db, const std::string& login,
                                     std::span<const std::uint8_t> slot) {
  SafeRewrite rewrite(db);
  if (!rewrite.Begin()) return AddUserOutcome::Failed;
  bool stored = false, duplicate = false;
  DatabaseRecord changed;
  while (const std::uint8_t* bytes = rewrite.NextRecord()) {
    const RecordView record = AsRecord(bytes);
    const bool inUse = SlotInUse(record, Slot::User);
    duplicate = duplicate || (inUse && LoginOf(record) == login);
    if (stored || inUse) {
      rewrite.Keep();
      continue;
    }
    std::copy(record.begin(), record.end(), changed.begin());
    std::copy(slot.begin(), slot.end(), changed.begin() + record_offset::kUserLogin);
    changed[record_offset::kUserFlag] = 1;
    rewrite.Write(changed);
    stored = true;
  }
  if (duplicate) {
    rewrite.Abandon();
    Tell(db.messages, MessageKind::Error, str::kUserExists);
    return AddUserOutcome::Failed;
  }
  if (!stored) rewrite.Write(RecordWithSlot(Slot::User, slot));
  if (!rewrite.End()) return AddUserOutcome::Failed;
  Tell(db.messages, MessageKind::Information, str::kUserAdded);
  return AddUserOutcome::Added;
}

void TellLastUserStays(Messages& messages) {
  Tell(messages, MessageKind::Error, str::kLastUser);
}

}  // namespace

std::string AdministratorLoginName() {
  return Tr(str::kAdminLogin);
}

std::optional<std::vector<std::string>> ListUsers(DatabaseAccess& db) {
  std::vector<std::string> logins;
  const ScanResult scan = ScanDatabase(db, [&](RecordView record) {
    if (SlotInUse(record, Slot::User)) logins.push_back(LoginOf(record));
    return true;
  });
  if (!scan.ok) return std::nullopt;
  SortLikeList(logins);
  return logins;
}

std::string FindUserFullName(DatabaseAccess& db, const std::string& login) {
  std::string fullName;
  ScanDatabase(db, [&](RecordView record) {
    if (!SlotInUse(record, Slot::User) || LoginOf(record) != login) return true;
    fullName = FullNameOf(record);
    return false;
  });
  return fullName;
}

AddUserOutcome AddUser(DatabaseAccess& db, const std::string& login, const std::string& fullName,
                       const PasswordCodeValues& code, bool newDatabase) {
  std::array<std::uint8_t, kUserSlotSize> slot{};
  constexpr std::size_t kFullNameAt = record_offset::kUserFullName - record_offset::kUserLogin;
  constexpr std::size_t kCodeAt = record_offset::kUserPassword - record_offset::kUserLogin;
  if (!PutStoredText(slot, 0, kUserTextCapacity, login, true)) {
    Tell(db.messages, MessageKind::Error, str::kLoginCharacters);
    return AddUserOutcome::Failed;
  }
  if (!PutStoredText(slot, kFullNameAt, kUserTextCapacity, fullName, true)) {
    Tell(db.messages, MessageKind::Error, str::kFullNameCharacters);
    return AddUserOutcome::Failed;
  }
  PutCode(slot, kCodeAt, code);
  if (!newDatabase) return AddToExistingDatabase(db, login, slot);
  // A file of that name that appeared meanwhile belongs to someone else: it is not taken over.
  if (db.fs.Exists(db.paths.database)) {
    Tell(db.messages, MessageKind::Error, str::kDatabaseFileExists);
    return AddUserOutcome::Failed;
  }
  if (!AddToFirstFreeSlot(db, Slot::User, slot, true)) {
    Tell(db.messages, MessageKind::Error, str::kCannotCreateDatabase);
    return AddUserOutcome::Failed;
  }
  Tell(db.messages, MessageKind::Information, str::kDatabaseCreated);
  return AddUserOutcome::DatabaseCreated;
}

bool ChangeUser(DatabaseAccess& db, const std::string& login, const std::string& fullName,
                const std::string& password) {
  const auto code = CodeOf(login, password);
  if (!code) {
    Tell(db.messages, MessageKind::Error, str::kPasswordCharacters);
    return false;
  }
  const auto fullNameBytes = To1250(fullName);
  if (!fullNameBytes || fullNameBytes->size() > kUserTextCapacity) {
    Tell(db.messages, MessageKind::Error, fullNameBytes ? str::kFullNameTooLong : str::kFullNameCharacters);
    return false;
  }
  bool matched = false;
  const bool rewritten = ChangeRecords(db, [&](std::span<std::uint8_t, kRecordSize> record) {
    if (!SlotInUse(record, Slot::User) || LoginOf(record) != login) return;
    PutStoredText(record, record_offset::kUserFullName, kUserTextCapacity, fullName, true);
    PutCode(record, record_offset::kUserPassword, *code);
    matched = true;
  });
  if (!rewritten) return false;
  if (!matched) Tell(db.messages, MessageKind::Error, str::kUserNotFound);
  return matched;
}

bool UserRemovable(std::size_t userCount) {
  return userCount >= 2;
}

bool UserRemovable(std::size_t userCount, Messages& messages) {
  if (UserRemovable(userCount)) return true;
  TellLastUserStays(messages);
  return false;
}

RemoveUserOutcome RemoveUser(DatabaseAccess& db, const std::string& login) {
  SafeRewrite rewrite(db);
  if (!rewrite.Begin()) return RemoveUserOutcome::NotFound;
  bool matched = false;
  std::size_t users = 0;
  DatabaseRecord changed;
  while (const std::uint8_t* bytes = rewrite.NextRecord()) {
    const RecordView record = AsRecord(bytes);
    if (!SlotInUse(record, Slot::User)) {
      rewrite.Keep();
      continue;
    }
    ++users;
    if (matched || LoginOf(record) != login) {
      rewrite.Keep();
      continue;
    }
    std::copy(record.begin(), record.end(), changed.begin());
    changed[record_offset::kUserFlag] = 0;
    rewrite.Write(changed);
    matched = true;
  }
  // Counted in the same pass that removes: another administrator's removal in the meantime is seen.
  if (matched && !UserRemovable(users)) {
    rewrite.Abandon();
    TellLastUserStays(db.messages);
    return RemoveUserOutcome::LastUser;
  }
  // Finished even without a match, so that a failure of the rewrite is told as such.
  return rewrite.End() && matched ? RemoveUserOutcome::Removed : RemoveUserOutcome::NotFound;
}

std::optional<std::string> CheckUserLogin(DatabaseAccess& db, const std::string& login,
                                          const std::string& password, bool* databaseRead) {
  bool valid = true;
  std::optional<std::string> fullName;
  const ScanResult scan = ScanDatabase(db, [&](RecordView record) {
    if (!IsKnownVersionTag(BlockVersionTag(record))) {
      Tell(db.messages, MessageKind::Error, str::kInvalidDatabase);
      valid = false;
      return false;
    }
    if (!SlotInUse(record, Slot::User)) return true;
    const std::string storedLogin = LoginOf(record);
    if (storedLogin != login) return true;
    if (CharacterCount(password) >= kUserTextMinimum) {
      const auto code = CodeOf(storedLogin, password);
      if (code && *code == StoredCode(record)) fullName = FullNameOf(record);
    }
    return false;
  });
  if (databaseRead) *databaseRead = scan.ok;
  if (!scan.ok || !valid) return std::nullopt;
  return fullName;
}

PasswordCheck CheckNewPassword(Messages& messages, const std::string& password, const std::string& repeated,
                               PasswordWindow window) {
  const bool page = window == PasswordWindow::AdministrationPage;
  if (!AcceptableText(messages, password, str::kPasswordTooShort, str::kPasswordTooLong,
                      str::kPasswordCharacters, page ? MessageKind::Error : MessageKind::Information))
    return PasswordCheck::Refused;
  if (repeated != password) {
    Tell(messages, page ? MessageKind::Error : MessageKind::Warning, str::kPasswordsDiffer);
    return PasswordCheck::Differs;
  }
  return PasswordCheck::Accepted;
}

AddUserOutcome AddUserFromForm(DatabaseAccess& db, const std::vector<std::string>& listed,
                               const UserForm& form, bool newDatabase) {
  Messages& messages = db.messages;
  if (!AcceptableText(messages, form.login, str::kLoginTooShort, str::kLoginTooLong, str::kLoginCharacters))
    return AddUserOutcome::Failed;
  if (form.login == AdministratorLoginName()) {
    Tell(messages, MessageKind::Error, str::kLoginIsAdmin);
    return AddUserOutcome::Failed;
  }
  if (!AcceptableText(messages, form.fullName, str::kFullNameTooShort, str::kFullNameTooLong,
                      str::kFullNameCharacters))
    return AddUserOutcome::Failed;
  if (CheckNewPassword(messages, form.newPassword, form.repeatedPassword,
                       PasswordWindow::AdministrationPage) != PasswordCheck::Accepted)
    return AddUserOutcome::Failed;
  if (std::find(listed.begin(), listed.end(), form.login) != listed.end()) {
    Tell(messages, MessageKind::Error, str::kUserExists);
    return AddUserOutcome::Failed;
  }
  const auto code = CodeOf(form.login, form.newPassword);
  return AddUser(db, form.login, form.fullName, *code, newDatabase);
}

bool ChangeUserFromForm(DatabaseAccess& db, const UserForm& form) {
  Messages& messages = db.messages;
  if (!AcceptableText(messages, form.fullName, str::kFullNameTooShort, str::kFullNameTooLong,
                      str::kFullNameCharacters))
    return false;
  if (CheckNewPassword(messages, form.newPassword, form.repeatedPassword,
                       PasswordWindow::AdministrationPage) != PasswordCheck::Accepted)
    return false;
  if (!ChangeUser(db, form.login, form.fullName, form.newPassword)) {
    Tell(messages, MessageKind::Error, str::kUserNotFoundLoginFixed);
    return false;
  }
  Tell(messages, MessageKind::Information, str::kUserUpdated);
  return true;
}

bool RemoveUserFromList(DatabaseAccess& db, const std::string& login) {
  Messages& messages = db.messages;
  if (CharacterCount(login) < kUserTextMinimum) {
    Tell(messages, MessageKind::Error, str::kLoginTooShort);
    return false;
  }
  if (Ask(messages, str::kConfirmRemoveUser, {Answer::Yes, Answer::Cancel}) != Answer::Yes) return false;
  switch (RemoveUser(db, login)) {
    case RemoveUserOutcome::Removed:
      Tell(messages, MessageKind::Information, str::kUserRemoved);
      return true;
    case RemoveUserOutcome::NotFound:
      Tell(messages, MessageKind::Error, str::kUserNotFound);
      return false;
    case RemoveUserOutcome::LastUser:
      return false;
  }
  return false;
}

}  // namespace pramo
