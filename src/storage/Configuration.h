#pragma once

#include <cstdint>
#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "storage/FileSystem.h"
#include "storage/WorkingSettings.h"

namespace pramo {

// Where the configuration lives: "$XDG_CONFIG_HOME/Pramo/Pramo.ini" (default ~/.config), and the default
// folder of the databases: "$ALLUSERSPROFILE/Pramo" where that is set, otherwise "$XDG_DATA_HOME/Pramo"
// (default ~/.local/share). An XDG variable holding a relative path counts as unset.
struct ConfigurationPaths {
  std::string file;
  std::string defaultDatabaseFolder;
};
ConfigurationPaths DefaultConfigurationPaths();

// The interface state, written when the main window closes or the user logs out.
struct InterfaceState {
  std::string LastDatabase;  // file name last chosen at login
  bool PrintDescription = true;
  bool PrintCascade = true;
  bool PrintGraph = true;
  bool PrintUncertaintyTable = true;
  bool CascadeOnNewPage = false;
  bool PrintStandard = true;
  bool PrintSignatures = true;
  bool PrintNonComplianceReasons = true;
  int SortOrder = 0;  // 1 = the database page lists in reverse file order
};

struct Configuration {
  // The administrator password in its transformed form, as the code-page bytes the transform makes;
  // empty until the program is set up.
  std::string AdministratorPasswordCode;
  std::string DatabaseFolder;
  std::string OwnerName;  // at most 26 characters
  std::uint16_t InstallationNumber = 1;
  WorkingSettings Working;
  InterfaceState Interface;
  std::string Language = "Česky";
  bool DatabaseFolderExists = false;
  // The file is there but could not be read whole (unreadable, oversized, damaged): every key reads as
  // its default, yet this is no first start, and nothing is written into the file.
  bool FileUnusable = false;
};

// Reads every key (a missing file or key reads as its default). Creates the default database folder when
// it does not exist, and tells when the configured database folder does not exist and when the file is
// unusable.
Configuration ReadConfiguration(FileSystem& fs, const ConfigurationPaths& paths, Messages& messages);

// The interface language ("LangID"), "Česky" where the file or the key is missing.
std::string ReadLanguage(FileSystem& fs, const std::string& file);

// The working settings alone (a new calculation, the settings comparison, import).
WorkingSettings ReadWorkingSettings(FileSystem& fs, const std::string& file);

// Writers, one per occasion. Each changes only its keys and keeps every other line of the file; the
// folder is created when missing, and a file that cannot be written is told about (false), as is one that
// cannot be read whole, which is left as it is. The file is readable by its owner only.
// Floating-point values are written with the given decimal separator and read with either.
bool SaveSettings(FileSystem& fs, const std::string& file, const Configuration& configuration,
                  Messages& messages, char decimalSeparator = '.');
bool SaveInterfaceState(FileSystem& fs, const std::string& file, const InterfaceState& state,
                        Messages& messages);
bool SaveAdministratorPassword(FileSystem& fs, const std::string& file, const std::string& code,
                               Messages& messages);
// Also tells that the language takes effect at the next start.
bool SaveLanguage(FileSystem& fs, const std::string& file, const std::string& language, Messages& messages);

// The decimal separator of the user's locale.
char LocaleDecimalSeparator();

}  // namespace pramo
