#pragma once

#include <string>

#include <QString>

#include "core/Messages.h"

namespace pramo {

// Engine texts (UTF-8, line breaks as "\r\n") for the widgets, and widget texts for the engine.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// Opens the help file with the desktop's viewer; tells when there is none.
void OpenHelp(Messages& messages);

// The decimal separator of the user's locale, as the engine's number texts take it.
char DecimalSeparator();

}  // namespace pramo
