#include "printing/qt/CertificateFonts.h"

#include <cmath>

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include "printing/PageEngine.h"

namespace pramo {

namespace {

// Debian's fonts-liberation, and fonts-liberation2 where that is installed instead.
const char* const kFontFolders[] = {"/usr/share/fonts/truetype/liberation/",
                                    "/usr/share/fonts/truetype/liberation2/"};

struct FaceFamilies {
  QString sans;
  QString serif;
};

// Loads the regular and bold files of a face and returns the family they registered, or the face's
// usual family name (left to the system's font matching) when no file could be loaded.
QString LoadFamily(const char* filePrefix, const char* fallbackFamily) {
  QString family;
  for (const char* folder : kFontFolders) {
    for (const char* weight : {"-Regular.ttf", "-Bold.ttf"}) {
      const QString path = QString::fromLatin1(folder) + filePrefix + weight;
      if (!QFile::exists(path)) continue;
      const QStringList families =
          QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path));
      if (!families.isEmpty() && family.isEmpty()) family = families.front();
    }
    if (!family.isEmpty()) return family;
  }
  return QString::fromLatin1(fallbackFamily);
}

const FaceFamilies& Families() {
  static const FaceFamilies families{LoadFamily("LiberationSans", "Liberation Sans"),
                                     LoadFamily("LiberationSerif", "Liberation Serif")};
  return families;
}

}  // namespace

QFont CertificateQFont(const CanvasFont& font, double pixelsPerInch) {
  QFont qfont;
  if (font.Name == kBodyFontName) {
    qfont.setFamily(Families().sans);
    qfont.setStyleHint(QFont::SansSerif);
  } else if (font.Name == kTitleFontName) {
    qfont.setFamily(Families().serif);
    qfont.setStyleHint(QFont::Serif);
  } else {
    qfont.setFamily(QString::fromStdString(font.Name));
  }
  // Font points become whole pixels as on the printer: the em height rounded to the nearest pixel.
  qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Points * pixelsPerInch / 72))));
  qfont.setBold(font.Style == FontStyle::Bold);
  return qfont;
}

}  // namespace pramo
