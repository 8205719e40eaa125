#pragma once

#include <string>

#include "storage/Configuration.h"

class QProgressBar;

namespace pramo {

// Who works in the program: set by the login.
struct Session {
  std::string userName;  // login name; "admin" for the administrator
  std::string fullName;  // signs and numbers the calculations
  std::string databasePath;
};

// The window a login leads into, as the login window reaches it.
class SessionWindow {
 public:
  // How listings show dates (the locale's short date format, one separator character).
  virtual void UseShortDateFormat(std::string format) = 0;
  // The progress bar a listing of the database drives.
  virtual void SetListingProgress(QProgressBar* bar) = 0;
  // The login window is shown: nothing of the last session counts as unsaved any more.
  virtual void LoginShown() = 0;
  // The configuration as the login window read it.
  virtual void UseConfiguration(const Configuration& configuration) = 0;
  // False when the session could not start (told).
  virtual bool StartSession(const Session& session) = 0;
  virtual void EnterSession() = 0;
  // False when the user chose to stay.
  virtual bool EndProgram() = 0;

 protected:
  ~SessionWindow() = default;
};

}  // namespace pramo
