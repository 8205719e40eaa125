// The help file lookup in the program's data folders: next to the program (the build folder), then the
// installed data folder beside bin/.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "app/windows/ProgramFiles.h"
#include "app/windows/WindowText.h"

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
      return folders[folder] + QLatin1Char('/') + base + QLatin1String(suffix) + QStringLiteral(".chm");
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
        {{help(0, "_EN")}, "Klingon", QString()},
    };
    for (const Case& c : cases) {
      for (const QString& file : c.present) QVERIFY(QFile(file).open(QIODevice::WriteOnly));
      QCOMPARE(ToQt(HelpFileOf(c.language)), c.expected);
      for (const QString& file : c.present) QFile::remove(file);
    }
    QDir().rmpath(folders[1]);
  }
};

QTEST_GUILESS_MAIN(ProgramFilesTest)
#include "ProgramFilesTest.moc"
