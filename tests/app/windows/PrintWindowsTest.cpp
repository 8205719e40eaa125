// The certificate preview, the print settings and the footer window, opened from the main window.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "ProgramFixture.h"
#include "windows/Icons.h"
#include "printing/PageEngine.h"
#include "strings/printing.h"

using namespace pramo;
using pramo::testing::Program;
using pramo::testing::Screenshot;

class PrintWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale::c());
    ApplyProgramAppearance();
  }

  void PreviewShowsThePagesAndPagesThem() {
    Program p;
    p.storeWater();
    QCOMPARE(p.main().Mode(), MainMode::Viewing);
    p.get<QAction>("ANahled")->trigger();
    TFNahled& preview = p.windows->FNahled;
    QVERIFY(preview.isVisible());
    QVERIFY(p.messages.Shown().empty());
    const int pages = static_cast<int>(preview.Pages().size());
    QVERIFY(pages >= 2);
    QCOMPARE(preview.Pages().front().width(), PreviewBitmapWidth(PreviewZoom::Full));
    QCOMPARE(preview.CurrentPage(), 1);
    QCOMPARE(preview.PageStatus(), QStringLiteral("Strana 1 z %1").arg(pages));
    auto button = [&](const char* name) {
      return preview.findChild<QToolButton*>(QString::fromLatin1(name));
    };
    QVERIFY(button("TBTisk5")->isEnabled());
    QVERIFY(!button("TBPrvni")->isEnabled());
    QVERIFY(!button("TBPredchozi")->isEnabled());
    QVERIFY(button("TBDalsi")->isEnabled());
    Screenshot(&preview, QStringLiteral("tfnahled"));

    button("TBPosledni")->click();
    QCOMPARE(preview.CurrentPage(), pages);
    QVERIFY(!button("TBDalsi")->isEnabled());
    QVERIFY(!button("TBPosledni")->isEnabled());
    QVERIFY(button("TBPrvni")->isEnabled());
    Screenshot(&preview, QStringLiteral("tfnahled-last"));
    for (int i = 1; i < pages; ++i) button("TBPredchozi")->click();
    QCOMPARE(preview.CurrentPage(), 1);
    QVERIFY(!button("TBPredchozi")->isEnabled());
    QVERIFY(button("TBDalsi")->isEnabled());

    // A zoom change rebuilds every page at its width and keeps the page shown.
    button("TBDalsi")->click();
    auto* zoom = preview.findChild<QComboBox*>(QStringLiteral("CBMeritko"));
    QCOMPARE(zoom->currentText(), QStringLiteral("100 %"));
    zoom->setCurrentIndex(0);
    emit zoom->activated(0);
    QCOMPARE(preview.Pages().front().width(), PreviewBitmapWidth(PreviewZoom::Half));
    QCOMPARE(static_cast<int>(preview.Pages().size()), pages);
    QCOMPARE(preview.CurrentPage(), 2);
    zoom->setCurrentIndex(3);
    emit zoom->activated(3);
    QCOMPARE(preview.Pages().back().width(), PreviewBitmapWidth(PreviewZoom::OneAndHalf));
  }

  // "Export PDF ..." beside print writes the printer's pages into the file chosen: proposed by the
  // calculation's number, the next time in the folder used before.
  void PreviewExportsThePagesAsPdf() {
    Program p;
    p.storeWater();
    p.get<QAction>("ANahled")->trigger();
    TFNahled& preview = p.windows->FNahled;
    std::vector<QFileInfo> proposed;
    const QString path = p.folder.filePath(QStringLiteral("osvedceni.pdf"));
    p.windows->printer.PdfExport().SetFileChooser([&](QWidget*, const CalculationFileChoice& choice) {
      proposed.emplace_back(QString::fromStdString(choice.proposedName));
      return path.toStdString();
    });
    p.messages.Clear();
    preview.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&preview));
    QTest::keyClick(&preview, Qt::Key_E, Qt::ControlModifier);
    QTRY_COMPARE(proposed.size(), std::size_t{1});  // the button's shortcut clicks it a moment later
    QCOMPARE(proposed[0].fileName(), QStringLiteral("0100001-01.pdf"));
    QCOMPARE(p.shown(), std::vector<int>{str::kPdfWritten.id});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(file.readAll());
    QVERIFY(pdf.startsWith(QStringLiteral("%PDF")));
    QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))),
             static_cast<qsizetype>(preview.Pages().size()));
    preview.findChild<QToolButton*>(QStringLiteral("TBExportPdf"))->click();
    QCOMPARE(proposed.at(1).absolutePath(), QFileInfo(path).absolutePath());
  }

  void PrintOptionsGoIntoTheCertificate() {
    Program p;
    p.storeWater();
    p.get<QAction>("ANahled")->trigger();
    const auto withGraph = p.windows->FNahled.Pages().size();
    p.windows->FNahled.close();

    TFNastaveniTisku& settings = p.windows->FNastaveniTisku;
    p.get<QAction>("ANastaveniTisku")->trigger();
    QVERIFY(settings.isVisible());
    auto* graph = settings.findChild<QCheckBox*>(QStringLiteral("ChBGrafNejistot5"));
    auto* table = settings.findChild<QCheckBox*>(QStringLiteral("ChBTabulkaNejistot"));
    QVERIFY(graph->isChecked() && table->isChecked());
    graph->click();
    table->click();
    settings.findChild<QPushButton*>(QStringLiteral("BZpet"))->click();
    QVERIFY(!settings.isVisible());
    QVERIFY(graph->isChecked() && table->isChecked());

    p.get<QAction>("ANastaveniTisku")->trigger();
    graph->click();
    table->click();
    Screenshot(&settings, QStringLiteral("tfnastavenitisku"));
    settings.close();  // the close box keeps the changes
    QVERIFY(!settings.Options().Graph && !settings.Options().Table);

    p.get<QAction>("ANahled")->trigger();
    QVERIFY(p.windows->FNahled.Pages().size() < withGraph);
  }

  // "Tiskárna" offers the choice of the printer; the print command and button carry the print icon.
  void PrinterChoiceAndPrintIcons() {
    Program p;
    QDialog* opened = nullptr;
    QTimer::singleShot(0, [&opened] {
      opened = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (opened) opened->reject();
    });
    p.windows->FNastaveniTisku.findChild<QPushButton*>(QStringLiteral("BBTiskarna"))->click();
    QVERIFY(opened);
    const QImage print = PrintIcon().pixmap(16).toImage();
    QCOMPARE(p.get<QAction>("ATiskOsvedceni")->icon().pixmap(16).toImage(), print);
    QCOMPARE(
        p.windows->FNahled.findChild<QToolButton*>(QStringLiteral("TBTisk5"))->icon().pixmap(16).toImage(),
        print);
  }

  void FooterWindowMarksOnlyRealChanges() {
    Program p;
    TFZapati& footer = p.windows->FZapati;
    p.main().BBZapatiClick();
    QVERIFY(footer.isVisible());
    auto* edit = footer.findChild<QLineEdit*>(QStringLiteral("EZapati"));
    QCOMPARE(edit->text(), QStringLiteral("Firma x Telefon x URL"));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(footer.isVisible());  // Enter is swallowed
    QVERIFY(!p.main().TextsChanged());
    edit->setText(QStringLiteral("  Firma x Telefon x URL "));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!p.main().TextsChanged());  // the same text once trimmed
    edit->setText(QStringLiteral("Měřicí technika, s.r.o."));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(p.main().TextsChanged());
    Screenshot(&footer, QStringLiteral("tfzapati"));
    footer.close();
    QCOMPARE(footer.Footer(), std::string("Měřicí technika, s.r.o."));
  }
};

QTEST_MAIN(PrintWindowsTest)
#include "PrintWindowsTest.moc"
