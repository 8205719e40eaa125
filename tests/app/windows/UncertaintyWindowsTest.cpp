// The uncertainty graph and table windows, opened from the main window.

#include <QFile>
#include <QInputDialog>
#include <QTableWidget>
#include <QTimer>

#include "ProgramFixture.h"
#include "strings/uncertainty.h"

using namespace pramo;
using pramo::testing::Program;
using pramo::testing::Screenshot;

namespace {

// The hidden key sequence's diagnostic export of the shown calculation into `path`, the file's lines back.
QByteArray DiagnosticExport(Program& p, const QString& path) {
  for (const char* step : {"AOD1", "AOD2", "OD32"}) {
    if (step[0] == 'O')
      QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog) qFatal("no input dialog");
        dialog->setTextValue(path);
        dialog->accept();
      });
    p.get<QAction>(step)->trigger();
  }
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

int BluePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
  return count;
}

}  // namespace

class UncertaintyWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale::c());
    ApplyProgramAppearance();
  }

  void NothingOpensWithoutResults() {
    Program p;
    p.newCalculation();
    p.messages.Clear();
    p.get<QAction>("AZobrazGrafNejistot")->trigger();
    p.get<QAction>("AZobrazTabulkuNejistot")->trigger();
    QCOMPARE(p.shown(), (std::vector<int>{str::kNoValuesComputed.id, str::kNoValuesComputed.id}));
    QVERIFY(!p.windows->FGraf.isVisible());
    QVERIFY(!p.windows->FTabulkaNejistot.isVisible());
  }

  void GraphDrawsZoomsAndStoresItsView() {
    Program p;
    p.storeWater();
    p.get<QAction>("AZobrazGrafNejistot")->trigger();
    TFGraf& graf = p.windows->FGraf;
    QVERIFY(graf.isVisible());
    QCOMPARE(graf.Graph().size(), QSize(kGraphBitmapWidth, kGraphBitmapHeight));
    // No cascade transmitters: only transmitter 1's curve, and the cascade switch is off.
    auto* cascade = graf.findChild<QCheckBox*>(QStringLiteral("ChBNejistota"));
    QVERIFY(!cascade->isEnabled() && !cascade->isChecked());
    const int scale = graf.View().Scale;
    QVERIFY(scale < 100);
    const int blueAtScale = BluePixels(graf.Graph());
    QVERIFY(blueAtScale > 100);
    Screenshot(&graf, QStringLiteral("tfgraf"));

    auto* zoomIn = graf.findChild<QPushButton*>(QStringLiteral("BBZoomIn"));
    auto* zoomOut = graf.findChild<QPushButton*>(QStringLiteral("BBZoomOut"));
    zoomOut->click();
    QCOMPARE(graf.View().Scale, ZoomedOut(scale));
    QVERIFY(BluePixels(graf.Graph()) != blueAtScale);  // the curve is drawn flatter
    while (zoomIn->isEnabled()) zoomIn->click();
    QCOMPARE(graf.View().Scale, 10);
    QVERIFY(zoomOut->isEnabled());

    p.messages.Clear();
    graf.findChild<QPushButton*>(QStringLiteral("BProTisk"))->click();
    QCOMPARE(p.shown(), std::vector<int>{str::kGraphSettingsStored.id});
    QVERIFY(graf.PrintSettings().Set);
    QCOMPARE(graf.PrintSettings().View.Scale, 10);
    zoomOut->click();  // zooming later does not touch what was stored
    QCOMPARE(graf.PrintSettings().View.Scale, 10);

    graf.findChild<QCheckBox*>(QStringLiteral("ChBNejistota1"))->click();
    QCOMPARE(BluePixels(graf.Graph()), 0);
    p.messages.Clear();
    graf.findChild<QPushButton*>(QStringLiteral("BProTisk"))->click();
    QCOMPARE(p.shown(), std::vector<int>{str::kNoCurveChosen.id});
    graf.close();

    // A new calculation forgets the stored view.
    p.newCalculation();
    QVERIFY(!graf.PrintSettings().Set);
  }

  // The view stored for printing belongs to its calculation: showing, copying or recomputing a calculation
  // forgets it.
  void GraphPrintSettingsBelongToTheirCalculation() {
    Program p;
    p.storeWater();
    TFGraf& graf = p.windows->FGraf;
    for (const char* command : {"bZobrazitvypocet1", "bbKopievypoctu1", "bbPrepocitatvypocet1"}) {
      p.get<QAction>("AZobrazGrafNejistot")->trigger();
      graf.findChild<QPushButton*>(QStringLiteral("BProTisk"))->click();
      QVERIFY(graf.PrintSettings().Set);
      graf.close();
      p.messages.Prepare(Answer::Yes);  // the copy is thrown away unsaved
      p.click(p.get<QPushButton>(command));
      QVERIFY2(!graf.PrintSettings().Set, command);
    }
  }

  // The diagnostic export leaves the shown calculation as it was, and its rows are those of the calculation
  // itself, whatever was computed before it.
  void DiagnosticExportLeavesTheShownCalculation() {
    Program fresh;
    fresh.storeWater();
    fresh.click(fresh.get<QPushButton>("bZobrazitvypocet1"));
    const QByteArray expected = DiagnosticExport(fresh, fresh.folder.filePath(QStringLiteral("d.txt")));

    Program p;
    p.storeWater();
    p.newCalculation();
    p.typeWater();
    p.type("EProvozniTeplota", "250");  // another temperature band
    p.type("ETlak", "50");
    p.pressF5();
    p.messages.Prepare(Answer::Yes);
    p.click(p.get<QPushButton>("bZobrazitvypocet1"));
    const CalculationState before = p.main().State();
    QCOMPARE(DiagnosticExport(p, p.folder.filePath(QStringLiteral("d.txt"))), expected);
    QCOMPARE(p.main().State().PipeDiameter, before.PipeDiameter);
    QCOMPARE(p.main().State().Bore, before.Bore);
  }

  void TableListsTheCurveAtItsPoints() {
    Program p;
    p.storeWater();
    p.get<QAction>("AZobrazTabulkuNejistot")->trigger();
    TFTabulkaNejistot& table = p.windows->FTabulkaNejistot;
    QVERIFY(table.isVisible());
    auto* first = table.findChild<QTableWidget*>(QStringLiteral("SGTab1"));
    auto* second = table.findChild<QTableWidget*>(QStringLiteral("SGTab2"));
    QCOMPARE(first->item(0, 0)->text(), QStringLiteral("Průtok [%]"));
    QCOMPARE(first->item(0, 1)->text(), QStringLiteral("10"));
    QCOMPARE(first->item(0, 10)->text(), QStringLiteral("100"));
    QCOMPARE(second->item(0, 10)->text(), QStringLiteral("20"));
    QCOMPARE(first->item(2, 0)->text(), QStringLiteral("Nej. kaskáda [%]"));
    // Transmitter 1's uncertainty falls as the flow rises; the values have two decimals.
    const QString at50 = first->item(1, 5)->text();
    const QString at100 = first->item(1, 10)->text();
    QVERIFY(at50.contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d$"))));
    QVERIFY(at100.toDouble() < at50.toDouble());
    QCOMPARE(first->columnWidth(0), 95);
    QCOMPARE(first->columnWidth(1), 33);
    Screenshot(&table, QStringLiteral("tftabulkanejistot"));
  }
};

QTEST_MAIN(UncertaintyWindowsTest)
#include "UncertaintyWindowsTest.moc"
