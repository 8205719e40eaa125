#include "access/Login.h"

#include "core/CodePage1250.h"
#include "storage/Configuration.h"
#include "strings/access.h"

namespace pramo {

bool IsAdministratorLogin(const std::string& login) {
  return login == AdministratorLoginName();
}

bool IsFirstStart(const Configuration& configuration) {
  return !configuration.FileUnusable && configuration.AdministratorPasswordCode.empty();
}

std::optional<std::string> AdministratorPasswordCode(const std::string& password) {
  const auto passwordBytes = To1250(password);
  const auto keyBytes = To1250(AdministratorLoginName());
  if (!passwordBytes || !keyBytes) return std::nullopt;
  return AdminPasswordTransform(*passwordBytes, *keyBytes);
}

std::optional<std::string> LogInUser(DatabaseAccess& db, const std::string& login,
                                     const std::string& password) {
  bool databaseRead = true;
  auto fullName = CheckUserLogin(db, login, password, &databaseRead);
  // A database that could not be read was told as such: the user's password may well be right.
  if (!fullName && databaseRead) Tell(db.messages, MessageKind::Error, str::kNotAuthorised);
  return fullName;
}

AdministratorLogin LogInAdministrator(const Configuration& configuration, const std::string& password,
                                      Messages& messages) {
  if (IsFirstStart(configuration)) {
    if (password == kInitialAdministratorPassword) return AdministratorLogin::FirstStart;
  } else if (!configuration.FileUnusable &&
             AdministratorPasswordCode(password) == configuration.AdministratorPasswordCode) {
    return AdministratorLogin::Granted;
  }
  Tell(messages, MessageKind::Error, str::kNotAdministrator);
  return AdministratorLogin::Refused;
}

namespace {

PasswordChange RefusalOf(PasswordCheck check) {
  return check == PasswordCheck::Differs ? PasswordChange::TypeAgain : PasswordChange::Refused;
}

}  // namespace

PasswordChange ChangeOwnPassword(DatabaseAccess& db, const std::string& login, const std::string& fullName,
                                 const std::string& newPassword, const std::string& repeated) {
  const PasswordCheck check =
      CheckNewPassword(db.messages, newPassword, repeated, PasswordWindow::PasswordChange);
  if (check != PasswordCheck::Accepted) return RefusalOf(check);
  if (!ChangeUser(db, login, fullName, newPassword)) {
    Tell(db.messages, MessageKind::Error, str::kUserNotUpdated);
    return PasswordChange::Failed;
  }
  Tell(db.messages, MessageKind::Information, str::kUserUpdated);
  return PasswordChange::Changed;
}

PasswordChange ChangeAdministratorPassword(FileSystem& fs, const std::string& configurationFile,
                                           const std::string& newPassword, const std::string& repeated,
                                           Messages& messages) {
  const PasswordCheck check =
      CheckNewPassword(messages, newPassword, repeated, PasswordWindow::PasswordChange);
  if (check != PasswordCheck::Accepted) return RefusalOf(check);
  if (newPassword == kInitialAdministratorPassword) {
    Tell(messages, MessageKind::Warning, str::kPasswordIsInitial);
    return PasswordChange::TypeAgain;
  }
  const auto code = AdministratorPasswordCode(newPassword);
  if (!code) {
    Tell(messages, MessageKind::Error, str::kPasswordCharacters);
    return PasswordChange::Refused;
  }
  if (!SaveAdministratorPassword(fs, configurationFile, *code, messages)) return PasswordChange::TypeAgain;
  Tell(messages, MessageKind::Information, str::kPasswordChanged);
  return PasswordChange::Changed;
}

bool MayClosePasswordChange(bool administrator, bool firstStart, Messages& messages) {
  if (!administrator || !firstStart) return true;
  Tell(messages, MessageKind::Warning, str::kMustChangePassword);
  return false;
}

}  // namespace pramo
