// Export and import of the inputs through the main window's actions, with the file dialog answered by
// the test.

#include <QFile>
#include <QFileInfo>

#include "ProgramFixture.h"
#include "strings/storage.h"

using namespace pramo;
using pramo::testing::Program;

class ExportImportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void ExportedInputsComeBackIntoANewCalculation() {
    Program p;
    std::vector<CalculationFileChoice> asked;
    std::string answer = p.folder.filePath(QStringLiteral("voda.txt")).toStdString();
    p.main().SetFileChooser([&](QWidget*, const CalculationFileChoice& choice) {
      asked.push_back(choice);
      return answer;
    });
    p.storeWater();
    p.type("EMericiMisto", "FT 7");  // shown calculations are read-only: this typed nothing
    p.get<QAction>("AExport")->trigger();
    QCOMPARE(asked.size(), std::size_t{1});
    QVERIFY(asked[0].save);
    QCOMPARE(asked[0].title, std::string("Export zadání"));
    QCOMPARE(asked[0].proposedName, std::string("0100001-01"));
    QCOMPARE(p.shown(), std::vector<int>{str::kExported.id});
    const QString written = p.folder.filePath(QStringLiteral("voda.cln"));
    QCOMPARE(QFileInfo(written).size(), qint64{973});
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(7).mid(1), QByteArray("ver3.5"));
    file.close();

    // Exporting onto the same file again and cancelling leaves it as it was.
    p.messages.Clear();
    p.messages.Prepare(Answer::Cancel);
    answer = written.toStdString();
    p.get<QAction>("AExport")->trigger();
    QCOMPARE(p.shown(), std::vector<int>{str::kOverwriteFile.id});

    p.newCalculation();
    p.messages.Clear();
    QVERIFY(p.get<QAction>("AImport")->isEnabled());
    p.get<QAction>("AImport")->trigger();
    QVERIFY(!asked.back().save);
    QCOMPARE(asked.back().title, std::string("Import zadání"));
    const std::vector<int> shown = p.shown();
    QVERIFY(std::find(shown.begin(), shown.end(), str::kImported.id) != shown.end());
    QCOMPARE(p.list("CBTekutina5")->currentText(), QStringLiteral("voda"));
    QCOMPARE(p.edit("EPrutokMax")->text(), QStringLiteral("45"));
    QCOMPARE(p.edit("EPrumerPotrubiPri20C")->text(), QStringLiteral("100"));
    QCOMPARE(p.edit("eCisloVypoctuCount")->text(), QStringLiteral("00002"));  // the new number stays
    p.pressF5();
    QVERIFY(p.get<QAction>("AUlozit")->isEnabled());
  }

  void UnreadableFileIsRefused() {
    Program p;
    const QString path = p.folder.filePath(QStringLiteral("kratky.cln"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("ver2.2 too short");
    file.close();
    p.main().SetFileChooser([&](QWidget*, const CalculationFileChoice&) { return path.toStdString(); });
    p.newCalculation();
    p.messages.Clear();
    p.get<QAction>("AImport")->trigger();
    QCOMPARE(p.shown(), std::vector<int>{str::kNotImported.id});
    QCOMPARE(p.list("CBTekutina5")->currentText(), QStringLiteral("sytá pára"));
  }
};

QTEST_MAIN(ExportImportTest)
#include "ExportImportTest.moc"
