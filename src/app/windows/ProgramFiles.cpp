#include "app/windows/ProgramFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace pramo {

QString FindProgramFile(const QString& suffix) {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  const QString name = program.completeBaseName() + suffix;
  for (const QString& folder : {program.absolutePath(), QStringLiteral(PRAMO_DATA_DIR)}) {
    const QString path = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

}  // namespace pramo
