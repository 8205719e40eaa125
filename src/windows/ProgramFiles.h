#pragma once

#include <QString>
#include <QStringList>

namespace pramo {

// The folders that hold the program's data files (help files, language modules), in the order they are
// searched: the program's own folder, where a build folder keeps them, then the installed data folder
// <prefix>/share/pramo that belongs to a program in <prefix>/bin.
QStringList ProgramDataFolders();

// The path of the data file of this name in the first of those folders that holds it; empty when none does.
QString ProgramDataFile(const QString& name);

// A file or folder that belongs to the program (a language module, a help folder), named after the program
// file: the program's name without its extension followed by the suffix, looked for as ProgramDataFile.
QString FindProgramFile(const QString& suffix);

}  // namespace pramo
