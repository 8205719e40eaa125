// The flow and current table of a stored calculation and the hidden key sequence of the main window.

#include <QTableWidget>

#include "ProgramFixture.h"
#include "strings/app.h"

using namespace pramo;
using pramo::testing::Program;
using pramo::testing::Screenshot;

class FlowTableTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale::c());
    ApplyProgramAppearance();
  }

  void TableOfAStoredCalculation() {
    Program p;
    p.newCalculation();
    p.get<QAction>("Aq2mA")->trigger();  // nothing stored yet
    QVERIFY(!p.windows->FPrutok2mA.isVisible());
    p.storeWater();
    p.get<QAction>("Aq2mA")->trigger();
    QVERIFY(p.windows->FPrutok2mA.isVisible());
    auto* grid = p.windows->FPrutok2mA.findChild<QTableWidget*>(QStringLiteral("SGPrutok2mA"));
    auto cell = [&](int row, int column) { return grid->item(row, column)->text().trimmed(); };
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral(" Průtok [%]"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("  0"));
    QCOMPARE(cell(1, 1), QStringLiteral("0.000"));
    QCOMPARE(cell(1, 2), QStringLiteral("0.0"));
    QCOMPARE(cell(1, 3), QStringLiteral("4.0"));
    QCOMPARE(cell(1, 4), QStringLiteral("0.0"));
    // 45 t/h at the top of the range, where the transmitter gives its full current.
    QCOMPARE(cell(11, 0), QStringLiteral("100"));
    QCOMPARE(cell(11, 1), QStringLiteral("45000.000"));
    QCOMPARE(cell(11, 3), QStringLiteral("20.0"));
    QCOMPARE(cell(11, 4), QStringLiteral("20.0"));
    // The current follows the differential pressure, which goes with the square of the flow.
    QCOMPARE(cell(6, 4), QStringLiteral("5.0"));
    Screenshot(&p.windows->FPrutok2mA, QStringLiteral("tfprutok2ma"));
  }

  void KeySequenceUnlocksStoringEverything() {
    Program p;
    auto trigger = [&](const char* name) { p.get<QAction>(name)->trigger(); };
    trigger("AOD2");
    trigger("AOD1");
    trigger("PovolUlozeniVsechVypoctu2");  // out of order
    QVERIFY(p.messages.Shown().empty());
    QVERIFY(!p.main().SaveAll());
    trigger("AOD1");
    trigger("AOD2");
    trigger("PovolUlozeniVsechVypoctu2");
    QCOMPARE(p.shown(), std::vector<int>{str::kDeveloperMode.id});
    QVERIFY(p.main().SaveAll());
    p.messages.Clear();
    trigger("PovolUlozeniVsechVypoctu2");  // the sequence starts again after use
    QVERIFY(p.messages.Shown().empty());
    QCOMPARE(p.get<QAction>("OD32")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+J")));
  }
};

QTEST_MAIN(FlowTableTest)
#include "FlowTableTest.moc"
