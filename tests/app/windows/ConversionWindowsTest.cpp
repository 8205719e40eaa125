// The conversion window and its progress window: the older program's files converted into a database.

#include <QTableWidget>
#include <QToolButton>

#include "ProgramFixture.h"
#include "storage/Companies.h"
#include "strings/legacy.h"

using namespace pramo;
using pramo::testing::Program;
using pramo::testing::Screenshot;

class ConversionWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale::c());
    ApplyProgramAppearance();
  }

  void ConvertsEveryCalculationWithProgress() {
    Program p;
    TFConvert& convert = p.windows->FConvert;
    std::vector<std::string> titles;
    convert.SetFileChooser([&](QWidget*, const std::string& title, const std::string&) {
      titles.push_back(title);
      return std::string(PRAMO_TEST_DATA) +
             (titles.size() == 1 ? "/legacy/vypocty.000" : "/legacy/firmy.000");
    });
    p.main().BBConvertClick();
    QVERIFY(convert.isVisible());
    auto* target = convert.findChild<QComboBox*>(QStringLiteral("CBDatabazePramo"));
    QCOMPARE(target->currentText(), QStringLiteral("Pramo.flw"));

    // Without a calculations file nothing starts.
    convert.findChild<QPushButton*>(QStringLiteral("BPrevedVsechny"))->click();
    QCOMPARE(p.shown(), std::vector<int>{str::kConvertNoCalculationsFile.id});

    convert.findChild<QToolButton*>(QStringLiteral("BBSoubVypocty"))->click();
    convert.findChild<QToolButton*>(QStringLiteral("BBSoubFirmy"))->click();
    QCOMPARE(titles, (std::vector<std::string>{"Soubor databáze výpočtů", "Soubor databáze firem"}));
    auto* list = convert.findChild<QTableWidget*>(QStringLiteral("SGVypVer20"));
    QVERIFY(list->rowCount() > 0);
    QCOMPARE(list->item(0, 0)->text().size(), 7);  // installation and running count, no index
    Screenshot(&convert, QStringLiteral("tfconvert"));

    p.messages.Clear();
    p.messages.Prepare(Answer::Yes);
    convert.findChild<QPushButton*>(QStringLiteral("BPrevedVsechny"))->click();
    QVERIFY(p.windows->FStavPrevodu.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!p.windows->FStavPrevodu.isVisible(), 10000);
    QCOMPARE(convert.Run()->Phase(), ConversionPhase::Finished);
    QCOMPARE(convert.Run()->Progress().done, static_cast<std::size_t>(list->rowCount()));
    QCOMPARE(p.shown(), (std::vector<int>{str::kConvertConfirm.id, str::kConvertDone.id}));
  }

  // The target receives the main window's company list (as the decoding extends it), not its own old one.
  void CompanyPhaseStartsFromTheMainWindowsList() {
    Program p;
    auto* names = p.list("CBUtvarDB");
    names->setEditText(QStringLiteral("Energetika"));
    p.get<QPushButton>("BBPridejUtvar")->click();
    const std::string target = p.folder.filePath(QStringLiteral("Cil.flw")).toStdString();
    LocalFileSystem().Create(target, NewFile::Shared);
    DatabaseAccess db{LocalFileSystem(), PathsOf(target), p.messages};
    QVERIFY(AddCompany(db, {}, "Stará firma"));

    TFConvert& convert = p.windows->FConvert;
    int chosen = 0;
    convert.SetFileChooser([&](QWidget*, const std::string&, const std::string&) {
      return std::string(PRAMO_TEST_DATA) + (++chosen == 1 ? "/legacy/vypocty.000" : "/legacy/firmy.000");
    });
    p.main().BBConvertClick();
    convert.findChild<QComboBox*>(QStringLiteral("CBDatabazePramo"))
        ->setCurrentText(QStringLiteral("Cil.flw"));
    convert.findChild<QToolButton*>(QStringLiteral("BBSoubVypocty"))->click();
    convert.findChild<QToolButton*>(QStringLiteral("BBSoubFirmy"))->click();
    p.messages.Prepare(Answer::Yes);
    convert.findChild<QPushButton*>(QStringLiteral("BPrevedVsechny"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!p.windows->FStavPrevodu.isVisible(), 10000);
    const auto stored = ListCompanies(db);
    QVERIFY(stored && !stored->empty());
    QCOMPARE(stored->front(), std::string("Energetika"));
    QVERIFY(std::find(stored->begin(), stored->end(), "Stará firma") == stored->end());
  }
};

QTEST_MAIN(ConversionWindowsTest)
#include "ConversionWindowsTest.moc"
