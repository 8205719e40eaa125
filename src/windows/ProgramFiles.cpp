#include "windows/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pramo {

QStringList ProgramDataFolders() {
  const QDir program(QCoreApplication::applicationDirPath());
  // The data folder relative to the program's folder, from the install layout of the build description,
  // so that a package unpacked or installed under any prefix finds its files.
  return {program.absolutePath(),
          QDir::cleanPath(program.absoluteFilePath(QStringLiteral(PRAMO_DATA_FROM_PROGRAM)))};
}

QString ProgramDataFile(const QString& name) {
  for (const QString& folder : ProgramDataFolders()) {
    const QString path = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

QString FindProgramFile(const QString& suffix) {
  return ProgramDataFile(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + suffix);
}

}  // namespace pramo
