#include "tools/certificate_output.h"

#include <QDir>
#include <QImage>
#include <QString>

#include "core/Dates.h"
#include "printing/qt/HeadlessGui.h"
#include "printing/qt/ImagePreviewCanvas.h"
#include "printing/qt/LocaleFormats.h"
#include "printing/qt/PdfPrinterCanvas.h"

namespace pramo::tools {

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool WritePages(const ImagePreviewCanvas& preview, const std::string& dir, std::string& error) {
  if (!QDir().mkpath(FromUtf8(dir))) {
    error = "cannot create the folder " + dir;
    return false;
  }
  const QDir folder(FromUtf8(dir));
  for (std::size_t page = 0; page < preview.Pages().size(); ++page) {
    const QString name = QStringLiteral("page-%1.png").arg(page + 1);
    if (!preview.Pages()[page].save(folder.filePath(name), "PNG")) {
      error = "cannot write " + folder.filePath(name).toStdString();
      return false;
    }
  }
  return true;
}

bool RenderCertificateFiles(const CalculationState& state, const CertificateRequest& request,
                            Messages& messages, std::string& error) {
  CertificateSettings settings = request.settings;
  if (!request.separatorGiven) settings.DecimalSeparator = LocaleDecimalPoint();
  if (settings.Today.empty()) settings.Today = LocaleShortDate(TodayDayCount());
  if (settings.CalculationDate.empty()) settings.CalculationDate = LocaleShortDate(state.Date);
  if (settings.Fields.Pressure.empty() && settings.Fields.DpMax.empty())
    settings.Fields = InputFieldTextsOf(state, settings.DecimalSeparator);

  HeadlessGui gui;
  // The preview is laid out for the same printer, which is only measured: its file is written only when
  // the document is begun.
  PdfPrinterCanvas printer(FromUtf8(request.pdfPath));
  printer.SetDocumentInfo(CertificateDocumentInfo(state, settings));
  if (!request.pdfPath.empty() && !RenderCertificate(state, settings, printer, messages)) {
    error = "the certificate could not be written to " + request.pdfPath;
    return false;
  }
  if (request.pngDir.empty()) return true;
  ImagePreviewCanvas preview;
  if (!RenderCertificatePreview(state, settings, printer, preview, request.zoom, messages)) {
    error = "the certificate preview could not be drawn";
    return false;
  }
  return WritePages(preview, request.pngDir, error);
}

}  // namespace

}  // namespace pramo::tools

extern "C" __attribute__((visibility("default"))) bool pramo_write_certificate(
    const pramo::CalculationState& state, const pramo::tools::CertificateRequest& request,
    pramo::Messages& messages, std::string& error) {
  return pramo::tools::RenderCertificateFiles(state, request, messages, error);
}
