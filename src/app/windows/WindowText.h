#pragma once

#include <string>

#include <QString>

#include "core/Messages.h"

namespace pramo {

// Engine texts (UTF-8, line breaks as "\r\n") for the widgets, and widget texts for the engine.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// The help file of an interface language, named after the program and the language, in the program's data
// folders (ProgramDataFolders); the English one where that is missing, then the Czech one. Empty for an
// unknown language or when there is none.
std::string HelpFileOf(const std::string& language);

// The help file the program opens from now on (chosen by the language at start-up).
void UseHelpFile(const std::string& path);

// Opens the help file with the desktop's viewer; tells when there is none or it cannot be opened.
void OpenHelp(Messages& messages);

// The locale's short date format in the form the database listing shows dates (d, dd, M, MM, yy, yyyy and
// literal characters), its date separator cut down to one character.
std::string ShortDateFormat();

// The cut-down of a short date format in that form: a separator of several characters (as ". " in
// "d. M. yyyy") is trimmed to its first character and replaced by it throughout.
std::string SingleSeparatorDateFormat(const std::string& format);

// The decimal separator of the user's locale, as the engine's number texts take it.
char DecimalSeparator();

}  // namespace pramo
