#include "app/windows/WindowText.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

#include "app/windows/ProgramFiles.h"
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

namespace {

std::string& HelpFile() {
  static std::string path;
  return path;
}

}  // namespace

std::string HelpFileOf(const std::string& language) {
  struct LanguageHelp {
    const char* language;
    const char* suffix;
  };
  static constexpr LanguageHelp kHelp[] = {{"Česky", "_CSY"},    {"Deutsch", "_DE"}, {"English", "_EN"},
                                           {"Espanol", "_ESP"},  {"France", "_FR"},  {"Po Polski", "_PLK"},
                                           {"Slovensky", "_SKY"}};
  const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  const auto chosen = std::find_if(std::begin(kHelp), std::end(kHelp),
                                   [&](const LanguageHelp& help) { return language == help.language; });
  if (chosen == std::end(kHelp)) return {};
  for (const char* suffix : {chosen->suffix, "_EN", "_CZ"}) {
    const QString path = ProgramDataFile(base + QLatin1String(suffix) + QStringLiteral(".chm"));
    if (!path.isEmpty()) return FromQt(path);
  }
  return {};
}

void UseHelpFile(const std::string& path) {
  HelpFile() = path;
}

void OpenHelp(Messages& messages) {
  const QString help = ToQt(HelpFile());
  if (help.isEmpty() || !QFileInfo::exists(help) || !QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
    Tell(messages, MessageKind::Error, str::kHelpMissing);
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

}  // namespace pramo
