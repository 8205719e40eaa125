#pragma once

#include <functional>
#include <string>

#include <QString>

class QComboBox;
class QWidget;

namespace pramo {

// The interface languages in their fixed order: the name shown in the login window and stored as
// "LangID", the suffix of the language module and of the help.
struct InterfaceLanguage {
  const char* name;
  const char* moduleSuffix;  // program + ".EN"
  const char* helpSuffix;    // program + "_EN"
  const char* qtLocale;      // Qt's own dialogs in this language
};
const InterfaceLanguage* LanguageNamed(const std::string& name);

// Qt's own dialogs in the built-in Czech, until a language module says otherwise.
void UseBuiltInQtTexts();

// Makes the module file the source of every window text and string-table entry from now on; the module
// loaded before is released. A file that is missing, empty, damaged or not one of this program's modules
// changes nothing (false).
bool LoadLanguageModule(const QString& path, const char* qtLocale);

// Re-reads the texts of every existing window from the language in force, in place.
void ReloadWindows();

// The start-up language switch: fills the login window's list with the languages whose module is present,
// loads the configured language's module, chooses its help and reloads the windows.
void SwitchLanguage(QComboBox& languageList, const std::string& configuredLanguage);

// Calls retranslate whenever the window is to re-read its texts: the window's own hook for the texts of
// its .ui and the texts it sets itself.
void RetranslateOnLanguageChange(QWidget* window, std::function<void()> retranslate);

}  // namespace pramo
