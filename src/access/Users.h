#pragma once

#include <optional>
#include <string>
#include <vector>

#include "access/PasswordCode.h"
#include "storage/DatabaseFile.h"

namespace pramo {

// Login names, full names and passwords hold 5 to 25 characters of the stored code page.
inline constexpr std::size_t kUserTextCapacity = 25;
inline constexpr std::size_t kUserTextMinimum = 5;

// The administrator's fixed login name, in the language in force ("admin"). Never a user of a database.
std::string AdministratorLoginName();

// The login names of the open database, sorted as the list shows them; nothing when it could not be read
// (told).
std::optional<std::vector<std::string>> ListUsers(DatabaseAccess& db);

// The full name of the user with that login name, or empty.
std::string FindUserFullName(DatabaseAccess& db, const std::string& login);

// The operations on the users of a database. Each goes through the safe rewrite; the record of a user keeps
// its other slots byte for byte, and a removed user's slot is reused by the next one added.

enum class AddUserOutcome { Failed, Added, DatabaseCreated };
// Puts the user into the first free user slot, or a record appended for it. With `newDatabase` the
// database file does not exist yet and is created holding this one user; an existing file is then left
// alone. A login name the file already holds (another administrator was quicker) is refused. Success is
// told.
AddUserOutcome AddUser(DatabaseAccess& db, const std::string& login, const std::string& fullName,
                       const PasswordCodeValues& code, bool newDatabase);

// Sets the full name and password of the user with that login name (the login name itself never changes).
// "Uživatel nebyl nalezen!" when the database has no such user.
bool ChangeUser(DatabaseAccess& db, const std::string& login, const std::string& fullName,
                const std::string& password);

// The last user of a database stays, since nobody could log into it afterwards: whether a user may be
// removed while `userCount` are registered ("Odstraň" is offered only then). With messages, a refusal is
// told.
bool UserRemovable(std::size_t userCount);
bool UserRemovable(std::size_t userCount, Messages& messages);

enum class RemoveUserOutcome { Removed, NotFound, LastUser };
// Clears the user's flag; the record stays. The last user of a database is not removed (told), since
// nobody could log into it afterwards.
RemoveUserOutcome RemoveUser(DatabaseAccess& db, const std::string& login);

// The user's full name when the login name is registered and the password (at least 5 characters) forms
// the stored code; nothing otherwise. A record with an unknown version tag ends the check (told).
// `databaseRead` becomes false when the database could not be read at all (missing, busy, a disk
// failure: told by the scan), which is no refusal of the login.
std::optional<std::string> CheckUserLogin(DatabaseAccess& db, const std::string& login,
                                          const std::string& password, bool* databaseRead = nullptr);

// The administration page's group of users: the current login name, the full name and the two password
// edits.
struct UserForm {
  std::string login;
  std::string fullName;
  std::string newPassword;
  std::string repeatedPassword;
};

// "Přidej": the checks in their order (login name, not the administrator's, full name, password, its
// repetition, not yet in the list `listed`), each told as it fails, then AddUser.
AddUserOutcome AddUserFromForm(DatabaseAccess& db, const std::vector<std::string>& listed,
                               const UserForm& form, bool newDatabase);

// "Změň": the checks of full name and passwords, then ChangeUser for the form's login name; the outcome is
// told.
bool ChangeUserFromForm(DatabaseAccess& db, const UserForm& form);

// "Odstraň": the login name's check, the confirmation, then RemoveUser; the outcome is told.
bool RemoveUserFromList(DatabaseAccess& db, const std::string& login);

// The checks of a new password and its repetition, each failure told. The administration page tells both
// as errors; the password change window tells the shortness as information and the difference as a
// warning (and then empties its edits).
enum class PasswordWindow { AdministrationPage, PasswordChange };
enum class PasswordCheck { Accepted, Refused, Differs };
PasswordCheck CheckNewPassword(Messages& messages, const std::string& password, const std::string& repeated,
                               PasswordWindow window);

}  // namespace pramo
