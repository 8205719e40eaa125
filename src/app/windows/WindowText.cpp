#include "app/windows/WindowText.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

#include "strings/app.h"

namespace pramo {

QString ToQt(const std::string& text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

std::string FromQt(const QString& text) {
  return text.toStdString();
}

void OpenHelp(Messages& messages) {
  const QString help = QCoreApplication::applicationDirPath() + QStringLiteral("/Pramo.html");
  if (!QFileInfo::exists(help) || !QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
    Tell(messages, MessageKind::Error, str::kHelpMissing);
}

char DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace pramo
