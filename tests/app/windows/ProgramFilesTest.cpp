// The help folder lookup in the program's data folders: next to the program (the build folder), then the
// installed data folder beside bin/.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "windows/Help.h"
#include "windows/Language.h"
#include "windows/ProgramFiles.h"

using namespace pramo;

class ProgramFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void HelpFileFromBothDataFolders() {
    const QStringList folders = ProgramDataFolders();
    QCOMPARE(folders.size(), 2);
    QCOMPARE(folders[0], QCoreApplication::applicationDirPath());
    QCOMPARE(QFileInfo(folders[1]).fileName(), QStringLiteral("pramo"));
    QVERIFY(QDir().mkpath(folders[1]));
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    auto help = [&](int folder, const char* suffix) {
      return folders[folder] + QLatin1Char('/') + base + QLatin1String(suffix);
    };
    struct Case {
      QStringList present;
      const char* language;
      QString expected;
    };
    const Case cases[] = {
        {{}, "Deutsch", QString()},
        {{help(1, "_EN")}, "Deutsch", help(1, "_EN")},
        {{help(0, "_EN"), help(1, "_DE")}, "Deutsch", help(1, "_DE")},
        {{help(0, "_DE"), help(1, "_DE")}, "Deutsch", help(0, "_DE")},
        {{help(1, "_CZ")}, "Česky", help(1, "_CZ")},
        {{help(0, "_EN")}, "Klingon", help(0, "_EN")},
    };
    for (const Case& c : cases) {
      for (const QString& folder : c.present) QVERIFY(QDir().mkpath(folder));
      QCOMPARE(HelpFileOf(LanguageNamed(c.language)), c.expected);
      for (const QString& folder : c.present) QDir(folder).removeRecursively();
    }
    QDir().rmpath(folders[1]);
  }
};

QTEST_GUILESS_MAIN(ProgramFilesTest)
#include "ProgramFilesTest.moc"
