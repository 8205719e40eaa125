#include "printing/windows/CertificatePrinter.h"

#include <algorithm>

#include <QPrintDialog>
#include <QPrinterInfo>

#include "printing/windows/QtPrinterCanvas.h"

namespace pramo {

CertificatePrinter::CertificatePrinter() : m_printer(QPrinter::HighResolution) {
  m_printer.setResolution(600);
  m_printer.setPageSize(QPageSize(QPageSize::A4));
  if (QPrinterInfo::availablePrinters().isEmpty()) m_printer.setOutputFormat(QPrinter::PdfFormat);
}

bool CertificatePrinter::AskAndPrint(QWidget* parent, const CalculationState& state,
                                     const CertificateSettings& settings, Messages& messages) {
  m_printer.setCollateCopies(true);
  QPrintDialog PrintDialog1(&m_printer, parent);
  PrintDialog1.setObjectName(QStringLiteral("PrintDialog1"));
  if (PrintDialog1.exec() != QDialog::Accepted) return false;
  // The copies are separate jobs, not the driver's copies of one job.
  const int copies = std::max(1, m_printer.copyCount());
  m_printer.setCopyCount(1);
  for (int copy = 0; copy < copies; ++copy) Print(state, settings, messages);
  return true;
}

bool CertificatePrinter::Print(const CalculationState& state, const CertificateSettings& settings,
                               Messages& messages) {
  QtPrinterCanvas canvas(m_printer);
  return RenderCertificate(state, settings, canvas, messages);
}

QString CertificatePrinter::PrinterName() {
  QtPrinterCanvas canvas(m_printer);
  const auto settings = canvas.ReadSettings();
  return settings ? QString::fromStdString(settings->DeviceName) : QString();
}

}  // namespace pramo
