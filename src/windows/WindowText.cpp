#include "windows/WindowText.h"

#include <QLineEdit>

#include "printing/qt/LocaleFormats.h"

namespace pramo {

QString ToQt(const std::string& text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

std::string FromQt(const QString& text) {
  return text.toStdString();
}

char DecimalSeparator() {
  return LocaleDecimalPoint();
}

void ShowEditText(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setCursorPosition(0);
}

}  // namespace pramo
