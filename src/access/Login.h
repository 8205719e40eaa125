#pragma once

#include <optional>
#include <string>

#include "access/Users.h"
#include "core/Messages.h"
#include "storage/Configuration.h"
#include "storage/DatabaseFile.h"
#include "storage/FileSystem.h"

namespace pramo {

// The administrator's password while the configuration holds none: the program has not been set up yet.
inline constexpr const char* kInitialAdministratorPassword = "tesov";

// Whether a login name is the administrator's (exact comparison): such a login never reaches the users
// of a database.
bool IsAdministratorLogin(const std::string& login);

// The first start: the configuration holds no administrator password yet. A configuration file that
// could not be read whole may hold one: that is never a first start.
bool IsFirstStart(const Configuration& configuration);

// The administrator password in the form the configuration keeps ("komponenta"); nothing for a password
// with a character the code page cannot hold.
std::optional<std::string> AdministratorPasswordCode(const std::string& password);

// A user's login into the open database: the user's full name, or nothing after "Nejste oprávněn pro
// vstup do databáze!" (after the message of an invalid format), or after the scan's message alone when
// the database could not be read.
std::optional<std::string> LogInUser(DatabaseAccess& db, const std::string& login,
                                     const std::string& password);

// The administrator's login against the stored password code. At the first start only the initial
// password is accepted, and the administrator must then set a password before doing anything else. A
// refusal is told; the greetings of a granted login are for the window to show.
enum class AdministratorLogin { Refused, FirstStart, Granted };
AdministratorLogin LogInAdministrator(const Configuration& configuration, const std::string& password,
                                      Messages& messages);

// The outcome of "OK" in the password change window: refused with the edits kept, refused with both
// edits emptied (to be typed again), or done (changed, or a failure told) and the window closes.
enum class PasswordChange { Refused, TypeAgain, Changed, Failed };

// A user changes his own password: the checks, then ChangeUser for the login name used at login with the
// user's own full name; the outcome is told.
PasswordChange ChangeOwnPassword(DatabaseAccess& db, const std::string& login, const std::string& fullName,
                                 const std::string& newPassword, const std::string& repeated);

// The administrator sets a new password (at the first start, or any time later): the checks, the
// refusal of the initial password, then the transform written to the configuration file. A configuration
// that cannot be written is told and leaves the password unchanged (TypeAgain keeps the window open).
PasswordChange ChangeAdministratorPassword(FileSystem& fs, const std::string& configurationFile,
                                           const std::string& newPassword, const std::string& repeated,
                                           Messages& messages);

// Whether the password change window may close: not during the administrator's first start, before the
// initial password has been replaced (told).
bool MayClosePasswordChange(bool administrator, bool firstStart, Messages& messages);

}  // namespace pramo
