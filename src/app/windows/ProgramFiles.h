#pragma once

#include <QString>

namespace pramo {

// A file or folder that belongs to the program (a language module, a help folder), named after the program
// file: the program's path without its extension followed by the suffix. Looked for next to the program
// first, then in the installed data folder; empty when neither holds it.
QString FindProgramFile(const QString& suffix);

}  // namespace pramo
