#include "printing/qt/LocaleFormats.h"

#include <QLocale>
#include <QString>

#include "core/Dates.h"

namespace pramo {

std::string LocaleDatePattern() {
  return QLocale().dateFormat(QLocale::ShortFormat).toStdString();
}

std::string LocaleShortDate(double dayCount) {
  return DateText(dayCount, FourDigitYearPattern(LocaleDatePattern()));
}

char LocaleDecimalPoint() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace pramo
