#pragma once

#include <string>

#include <QString>

namespace pramo {

// Engine texts (UTF-8, line breaks as "\r\n") for the widgets, and widget texts for the engine.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// The decimal separator of the user's locale, as the engine's number texts take it.
char DecimalSeparator();

}  // namespace pramo
