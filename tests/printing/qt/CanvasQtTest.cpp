#include <clocale>
#include <cstdio>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/Messages.h"
#include "printing/PageEngine.h"
#include "printing/qt/CertificateFonts.h"
#include "printing/qt/HeadlessGui.h"
#include "printing/qt/ImagePreviewCanvas.h"
#include "printing/qt/LocaleFormats.h"
#include "printing/qt/PdfPrinterCanvas.h"

namespace pramo {
namespace {

const QString kOutput = QStringLiteral(PRAMO_TEST_OUTPUT);

PageFrame SampleFrame() {
  CalculationState state;
  state.CalcKind = CalculationKind::Flow;
  state.NumberInstallation = 1;
  state.NumberCount = 12;
  state.Company = "Teplárna Žďár/Údržba";
  state.MeasuringPoint = "Přívod páry K3";
  state.Designer = "Ing. Jiří Novák";
  PageFrame frame = PageFrameOf(state);
  frame.OwnerName = "Teplárny Žďár a.s.";
  frame.Today = "01.02.2024";
  frame.CalculationDate = "31.01.2024";
  frame.DatabasePath = "/srv/pramo/Výpočty.flw";
  frame.FooterOn = true;
  frame.FooterText = "Firma x Telefon x URL";
  return frame;
}

// A page and a half of rows, a framed table and a picture stretched into the page.
void SampleContent(PageEngine& engine) {
  engine.Cell(kCellHeading).Text = "Zadané hodnoty";
  engine.EmitRow();
  engine.Cell(kCellUnit).Align = 1;
  engine.Cell(kCellValue).Align = 1;
  for (int i = 1; i <= 20; ++i) {
    const bool noted = i % 3 == 0;
    engine.Cell(kCellLabel).Text = noted ? "Měrná hmotnost" : "Průměr otvoru primárního prvku d při 20°C";
    engine.Cell(kCellNote).Text = noted ? "[101325 Pa, 20.00 °C]" : "";
    engine.Cell(kCellUnit).Text = "[mm] :";
    engine.Cell(kCellValue).Text = std::to_string(100 + i) + ".125";
    engine.EmitRow();
  }
  const double w = engine.LayoutWidth();
  const double top = engine.CurrentY() + engine.LineHeight();
  const double bottom = top + 3 * engine.LineHeight();
  const int edge = PageEngine::FramePen(engine.VerticalResolution());
  engine.DrawLine(0.07 * w, top, 0.93 * w, top, edge, 2);
  engine.DrawLine(0.93 * w, top, 0.93 * w, bottom, edge, 2);
  engine.DrawLine(0.93 * w, bottom, 0.07 * w, bottom, edge, 2);
  engine.DrawLine(0.07 * w, bottom, 0.07 * w, top, edge, 2);
  engine.DrawLine(0.07 * w, (top + bottom) / 2, 0.93 * w, (top + bottom) / 2, 1, 1);
  engine.SetCurrentY(bottom);

  std::unique_ptr<CanvasBitmap> graph = engine.Target().CreateBitmap(400, 300);
  graph->SetPenWidth(3);
  graph->MoveTo(20, 280);
  graph->LineTo(380, 20);
  graph->SetFontName(kBodyFontName);
  graph->SetFontSize(9);
  graph->DrawText(30, 30, "nejistota [%]");
  const double graphTop = engine.CurrentY() + engine.LineHeight();
  engine.Target().StretchDraw(engine.TargetRect(w / 3, graphTop, 2 * w / 3, graphTop + w / 4), *graph);
  engine.SetCurrentY(graphTop + w / 4);

  for (int i = 1; i <= 40; ++i) {
    engine.Cell(kCellLabel).Text = "Reynoldsovo číslo při maximálním průtoku " + std::to_string(i);
    engine.Cell(kCellUnit).Text = std::string(":");  // a literal here trips GCC 12 -Wrestrict at -O2
    engine.Cell(kCellValue).Text = "    285402";
    engine.EmitRow();
  }
}

// Page objects of a PDF (not the page tree nodes, "/Type /Pages").
int PdfPageCount(const QByteArray& pdf) {
  int count = 0;
  auto match = QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")).globalMatch(QString::fromLatin1(pdf));
  while (match.hasNext()) {
    match.next();
    ++count;
  }
  return count;
}

int DarkPixels(const QImage& image, int fromRow = 0, int toRow = -1) {
  if (toRow < 0) toRow = image.height();
  int dark = 0;
  for (int y = fromRow; y < toRow; ++y)
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

TEST(CertificateFonts, TheCertificateFacesAreTheLiberationFamilies) {
  const QFont body = CertificateQFont({kBodyFontName, 9, FontStyle::Plain}, 600);
  EXPECT_EQ(QFontInfo(body).family(), "Liberation Sans");
  EXPECT_EQ(body.pixelSize(), 75);  // 9 pt at 600 pixels per inch
  const QFont title = CertificateQFont({kTitleFontName, 12, FontStyle::Bold}, 96);
  EXPECT_EQ(QFontInfo(title).family(), "Liberation Serif");
  EXPECT_TRUE(QFontInfo(title).bold());
  EXPECT_EQ(title.pixelSize(), 16);
}

TEST(PdfPrinterCanvas, IsAnA4LaserPrinterAt600Dpi) {
  PdfPrinterCanvas printer(QDir(kOutput).filePath("unused.pdf"));
  const auto settings = printer.ReadSettings();
  ASSERT_TRUE(settings.has_value());
  EXPECT_EQ(settings->DeviceName, "PDF A4 600 dpi");
  EXPECT_EQ(settings->PrintQuality, 600);
  EXPECT_EQ(settings->VerticalResolution, 600);
  // A4 as 595 x 842 pt (4958 x 7017 pixels) less 12 pt = 100 pixels at every edge.
  EXPECT_EQ(printer.PageWidth(), 4758);
  EXPECT_EQ(printer.PageHeight(), 6817);
  printer.SetFontName(kBodyFontName);
  printer.SetFontSize(9);
  // Liberation Sans: ascent 0.905 and descent 0.212 of the 75 pixel em.
  EXPECT_NEAR(printer.TextHeight("HkjiL"), 84, 2);
  EXPECT_GT(printer.TextWidth("Osvědčení"), 300);
  EXPECT_FALSE(QFileInfo::exists(QDir(kOutput).filePath("unused.pdf")));  // nothing written unless begun
}

TEST(QtCanvases, ATwoPageSampleBecomesAPdfAndPreviewImages) {
  const QString pdfPath = QDir(kOutput).filePath("sample.pdf");
  QFile::remove(pdfPath);
  const PageFrame frame = SampleFrame();
  MessageRecorder messages;

  PdfPrinterCanvas printer(pdfPath);
  {
    PageEngine engine(printer, frame, messages);
    ASSERT_TRUE(engine.Render(SampleContent));
    EXPECT_EQ(engine.PageNumber(), 2);
  }
  ASSERT_TRUE(messages.Shown().empty());
  ASSERT_TRUE(QFileInfo::exists(pdfPath));
  QFile pdf(pdfPath);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(PdfPageCount(bytes), 2);
  // Both faces are embedded as font programs.
  EXPECT_TRUE(bytes.contains("LiberationSans"));
  EXPECT_TRUE(bytes.contains("LiberationSerif"));
  EXPECT_TRUE(bytes.contains("/FontFile2"));
  EXPECT_TRUE(bytes.contains(QByteArray("\0000\0001\0000\0000\0000\0001\0002", 14)));  // job title, UTF-16

  ImagePreviewCanvas preview;
  PageEngine engine(printer, preview, PreviewBitmapWidth(PreviewZoom::Full), frame, messages);
  ASSERT_TRUE(engine.Render(SampleContent));
  ASSERT_EQ(preview.Pages().size(), 2u);
  const int bitmapHeight = engine.PreviewHeight();
  EXPECT_NEAR(bitmapHeight, 859, 1);
  for (std::size_t i = 0; i < preview.Pages().size(); ++i) {
    const QImage& page = preview.Pages()[i];
    EXPECT_EQ(page.width(), 600);
    EXPECT_EQ(page.height(), bitmapHeight - kPreviewCutRows);
    EXPECT_GT(DarkPixels(page), 2000) << "page " << i + 1;
    // The header's first line and the footer are drawn; the margins stay blank.
    EXPECT_GT(DarkPixels(page, 25, 40), 50) << "page " << i + 1;
    EXPECT_GT(DarkPixels(page, 826, 840), 300) << "page " << i + 1;
    EXPECT_EQ(DarkPixels(page, 0, 15), 0) << "page " << i + 1;
    const QString png = QDir(kOutput).filePath(QStringLiteral("sample-%1.png").arg(i + 1));
    ASSERT_TRUE(page.save(png));
    EXPECT_EQ(QImage(png).size(), page.size());
  }
}

TEST(QtCanvases, PaperTooSmallWritesNoFile) {
  const QString pdfPath = QDir(kOutput).filePath("a6.pdf");
  QFile::remove(pdfPath);
  PdfPrinterCanvas printer(pdfPath, QPageSize(QPageSize::A6));
  MessageRecorder messages;
  PageEngine engine(printer, SampleFrame(), messages);
  EXPECT_FALSE(engine.Render(SampleContent));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].id, 6001);
  EXPECT_FALSE(QFileInfo::exists(pdfPath));
}

TEST(QtCanvases, AnUnwritableFileIsAPrinterErrorAndLeavesNothing) {
  QTemporaryDir dir;
  const QString pdfPath = dir.filePath("missing-folder/out.pdf");
  PdfPrinterCanvas printer(pdfPath);
  MessageRecorder messages;
  PageEngine engine(printer, SampleFrame(), messages);
  EXPECT_FALSE(engine.Render(SampleContent));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].id, 6000);
  EXPECT_FALSE(QFileInfo::exists(pdfPath));
}

TEST(LocaleFormats, OneShortDateWithAFourDigitYearInEveryLocale) {
  const struct {
    QLocale locale;
    const char* date;
    char separator;
  } cases[] = {
      {QLocale(QLocale::Czech, QLocale::Czechia), "09.12.2026", ','},
      {QLocale::c(), "09.12.2026", '.'},
      {QLocale(QLocale::English, QLocale::UnitedStates), "12/9/2026", '.'},
      {QLocale(QLocale::German, QLocale::Germany), "09.12.2026", ','},
  };
  for (const auto& c : cases) {
    QLocale::setDefault(c.locale);
    EXPECT_EQ(LocaleShortDate(46365), c.date) << c.locale.name().toStdString();
    EXPECT_EQ(LocaleDecimalPoint(), c.separator) << c.locale.name().toStdString();
  }
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  pramo::HeadlessGui gui;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
