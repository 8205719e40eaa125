#pragma once

#include <string>

namespace pramo {

// The forms of the locale in force (the system's regional settings) that the certificate, the program's
// windows and the tools share.

// The locale's short date pattern as the system gives it (Qt's letters); the engine derives its forms.
std::string LocaleDatePattern();
// A day count since 30 December 1899 as the locale's short date, with a four-digit year.
std::string LocaleShortDate(double dayCount);
// The locale's decimal separator; "." where it is not a single ASCII character.
char LocaleDecimalPoint();

}  // namespace pramo
