#include <chrono>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "app/CalculationRun.h"
#include "core/InputGathering.h"
#include "printing/Certificate.h"
#include "printing/qt/ImagePreviewCanvas.h"
#include "printing/qt/PdfPrinterCanvas.h"

namespace pramo {
namespace {

const QString kOutput = QStringLiteral(PRAMO_TEST_OUTPUT);

// Water through an orifice plate in a 100 mm pipe, sized for a maximum differential pressure of 25 kPa,
// with a second transmitter in the cascade: the certificate has every section.
// The texts are assigned as strings: GCC 12 at -O2 warns falsely (-Wrestrict) on short literals here.
CalculationState ComputedWaterOrifice() {
  InputForm f;
  f.CBTekutina5 = static_cast<int>(FluidKind::Water);
  f.ETlak = std::string("5");
  f.CBJednTlakH = 5;
  f.ChBProvozniTeplota = true;
  f.EProvozniTeplota = std::string("20");
  f.EPrutokProvozni = std::string("36");
  f.EPrutokMax = std::string("45");
  f.EPrutokMin = std::string("10");
  f.CBFlowUnit = 1;  // t/h
  f.ChBDifTlakMax = true;
  f.EDifTlakMax = std::string("25000");
  f.EPrumerPotrubiPri20C = std::string("100");
  f.EPopis = std::string("Napájecí voda K3");
  f.SGKaskada2.cells[1][2] = std::string("4000");
  f.SGKaskada2.cells[2][2] = std::string("0,1");
  MessageRecorder messages(Answer::Ok);
  CalculationState state;
  DerivedValues derived;
  const GatherContext context{messages, true, "Ing. Novák", 1, 45000};
  const RunOutcome outcome = RunCalculation(f, state, derived, context, ',');
  EXPECT_EQ(outcome.entries.size(), 1u);
  return state;
}

int NonWhitePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != qRgb(255, 255, 255);
  return count;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

TEST(CertificateQt, RealCalculationAsPdfAndPreviewPages) {
  const CalculationState state = ComputedWaterOrifice();
  ASSERT_TRUE(state.ResultsValid);
  ASSERT_GT(state.CascadeRange[1], 0);
  CertificateSettings settings;
  settings.DecimalSeparator = ',';
  settings.Fields = InputFieldTextsOf(state, ',');
  settings.OwnerName = "Teplárny Žďár a.s.";
  settings.Today = "01.02.2024";
  settings.CalculationDate = "15.03.2023";
  settings.FooterOn = true;

  const QString pdfPath = kOutput + "/certificate-water.pdf";
  MessageRecorder messages;
  const auto started = std::chrono::steady_clock::now();
  {
    PdfPrinterCanvas printer(pdfPath);
    ASSERT_TRUE(RenderCertificate(state, settings, printer, messages));
  }
  const double pdfMs = Milliseconds(std::chrono::steady_clock::now() - started);
  EXPECT_TRUE(messages.Shown().empty());
  QFile pdf(pdfPath);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
  const int pdfPages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                       bytes.count("/Type /Page/") + bytes.count("/Type /Page>");

  PdfPrinterCanvas measured(kOutput + "/never-written.pdf");
  ImagePreviewCanvas preview;
  const auto previewStarted = std::chrono::steady_clock::now();
  ASSERT_TRUE(RenderCertificatePreview(state, settings, measured, preview, PreviewZoom::Full, messages));
  const double previewMs = Milliseconds(std::chrono::steady_clock::now() - previewStarted);
  const auto& pages = preview.Pages();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pdfPages, 2);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].width(), 600);
    EXPECT_GT(NonWhitePixels(pages[i]), 5000) << "page " << i + 1;
    pages[i].save(kOutput + QStringLiteral("/certificate-water-%1.png").arg(i + 1));
  }
  // The graph: blue pixels of transmitter 1's curve on one of the pages.
  int blue = 0;
  for (const QImage& page : pages)
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) {
        const QRgb pixel = page.pixel(x, y);
        blue += qBlue(pixel) > 200 && qRed(pixel) < 120 && qGreen(pixel) < 120;
      }
  EXPECT_GT(blue, 20);
  std::printf("certificate: PDF %.1f ms, preview at 100 %% %.1f ms for %zu pages\n", pdfMs, previewMs,
              pages.size());
}

TEST(CertificateQt, PreviewWidthsFollowTheZoom) {
  const CalculationState state = ComputedWaterOrifice();
  CertificateSettings settings;
  settings.Fields = InputFieldTextsOf(state);
  for (auto [zoom, width] : {std::pair{PreviewZoom::Half, 300}, std::pair{PreviewZoom::ThreeQuarters, 450},
                             std::pair{PreviewZoom::OneAndHalf, 750}}) {
    PdfPrinterCanvas measured(kOutput + "/never-written.pdf");
    ImagePreviewCanvas preview;
    MessageRecorder messages;
    ASSERT_TRUE(RenderCertificatePreview(state, settings, measured, preview, zoom, messages));
    ASSERT_FALSE(preview.Pages().empty());
    for (const QImage& page : preview.Pages()) EXPECT_EQ(page.width(), width);
  }
  EXPECT_FALSE(QFile::exists(kOutput + "/never-written.pdf"));
}

}  // namespace
}  // namespace pramo
