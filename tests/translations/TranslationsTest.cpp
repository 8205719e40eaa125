#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Entry {
  QString context;
  QString source;
  QString comment;
  QString translation;
  bool unfinished = false;
};

std::vector<Entry> ReadEntries(const QString& file) {
  QFile ts(file);
  EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
  QXmlStreamReader xml(&ts);
  std::vector<Entry> entries;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      entries.push_back({context, {}, {}, {}, false});
    } else if (name == QLatin1String("source")) {
      entries.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (name == QLatin1String("comment")) {
      entries.back().comment = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      entries.back().unfinished =
          xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
      entries.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return entries;
}

QStringList Arguments(const QString& text) {
  QStringList found;
  static const QRegularExpression argument(QStringLiteral("%[1-9]"));
  for (const QRegularExpressionMatch& match : argument.globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

// Every text of every window and every string-table entry has its translation in each shipped module, with
// the same %-arguments and line breaks as its Czech source. The sources are first brought up to date with
// the program's texts, so a new or changed text that nobody translated shows up as unfinished.
TEST(Translations, EveryTextHasItsTranslation) {
  for (const char* module : {"pramo_en.ts", "pramo_cs.ts"}) {
    SCOPED_TRACE(module);
    QTemporaryDir temp;
    const QString copy = temp.filePath(QString::fromLatin1(module));
    ASSERT_TRUE(
        QFile::copy(QDir(QStringLiteral(PRAMO_TRANSLATION_DIR)).filePath(QString::fromLatin1(module)), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(PRAMO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete"), QStringLiteral("@" PRAMO_TRANSLATION_SOURCE_LIST),
                   QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::vector<Entry> entries = ReadEntries(copy);
    EXPECT_GT(entries.size(), 800u);
    for (const Entry& entry : entries) {
      const std::string where =
          (entry.context + QLatin1Char(' ') + entry.comment + QStringLiteral(": ") + entry.source)
              .toStdString();
      EXPECT_FALSE(entry.unfinished || entry.translation.isEmpty()) << "untranslated " << where;
      EXPECT_EQ(Arguments(entry.translation), Arguments(entry.source)) << where;
      EXPECT_EQ(entry.translation.count(QLatin1Char('\n')), entry.source.count(QLatin1Char('\n'))) << where;
    }
  }
}

}  // namespace
