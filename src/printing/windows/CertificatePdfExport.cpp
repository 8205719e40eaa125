#include "printing/windows/CertificatePdfExport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "windows/WindowText.h"
#include "printing/qt/PdfPrinterCanvas.h"
#include "strings/printing.h"

namespace pramo {

std::string ChooseCertificatePdfFile(QWidget* parent, const CalculationFileChoice& choice) {
  return ChooseFile(parent, choice,
                    {QStringLiteral("SDExportPdf"), Tr(str::kPdfExportFilter), QStringLiteral("pdf"), false});
}

bool CertificatePdfExport::Export(QWidget* parent, const CalculationState& state,
                                  const CertificateSettings& settings, Messages& messages) {
  if (m_folder.isEmpty()) m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const std::string number = CertificateFrame(state, settings).NumberText;
  const QString name =
      ToQt(number.empty() ? Tr(str::kPdfExportFallbackName) : number) + QStringLiteral(".pdf");
  const std::string chosen =
      m_choose(parent, {true, Tr(str::kPdfExportTitle), FromQt(QDir(m_folder).filePath(name))});
  if (chosen.empty()) return false;
  const QString path = ToQt(chosen);
  m_folder = QFileInfo(path).absolutePath();

  PdfPrinterCanvas pdf(path);
  pdf.SetDocumentInfo(CertificateDocumentInfo(state, settings));
  if (!RenderCertificate(state, settings, pdf, messages)) return false;
  Tell(messages, MessageKind::Information, str::kPdfWritten,
       Format(str::kPdfWritten, {FromQt(QDir::toNativeSeparators(path))}));
  return true;
}

}  // namespace pramo
