#include "windows/WindowText.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include <QLineEdit>
#include <QLocale>

namespace pramo {

QString ToQt(const std::string& text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

std::string FromQt(const QString& text) {
  return text.toStdString();
}

std::string SingleSeparatorDateFormat(const std::string& format) {
  auto isField = [](char c) { return c == 'd' || c == 'M' || c == 'y'; };
  const auto fieldStart = std::find_if(format.begin(), format.end(), isField);
  const auto fieldEnd = std::find_if_not(fieldStart, format.end(), isField);
  const auto separatorEnd = std::find_if(fieldEnd, format.end(), isField);
  const std::string separator(fieldEnd, separatorEnd);
  if (separator.size() <= 1 || separatorEnd == format.end()) return format;
  const auto kept = separator.find_first_not_of(' ');
  const char single = kept == std::string::npos ? ' ' : separator[kept];
  std::string result;
  for (std::size_t i = 0; i < format.size();) {
    if (format.compare(i, separator.size(), separator) == 0) {
      result += single;
      i += separator.size();
    } else {
      result += format[i++];
    }
  }
  return result;
}

std::string ShortDateFormat() {
  const std::string format = SingleSeparatorDateFormat(FromQt(QLocale().dateFormat(QLocale::ShortFormat)));
  // Month and day names, eras and quoted texts are beyond the listing's formats.
  const bool plain = std::all_of(format.begin(), format.end(), [](char c) {
    return c == 'd' || c == 'M' || c == 'y' || (c != '\'' && !std::isalpha(static_cast<unsigned char>(c)));
  });
  const bool shortFields = format.find("ddd") == std::string::npos && format.find("MMM") == std::string::npos;
  return plain && shortFields && !format.empty() ? format : std::string("d.M.yyyy");
}

char DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

void ShowEditText(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setCursorPosition(0);
}

}  // namespace pramo
