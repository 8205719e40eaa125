#pragma once

#include <string>

#include <QString>

class QLineEdit;

#include "core/Messages.h"

namespace pramo {

// Engine texts (UTF-8, line breaks as "\r\n") for the widgets, and widget texts for the engine.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// The decimal separator of the user's locale, as the engine's number texts take it.
char DecimalSeparator();

// A text the program writes into an edit, shown from its beginning as a user reads it (not scrolled to its
// end, where a long number would lose its leading digits).
void ShowEditText(QLineEdit* edit, const QString& text);

}  // namespace pramo
