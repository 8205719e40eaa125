#pragma once

#include <QPrinter>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/Certificate.h"
#include "printing/windows/CertificatePdfExport.h"

class QWidget;

namespace pramo {

// The printer certificates go to: chosen in the print dialog or the printer set-up, kept for the run.
class CertificatePrinter {
 public:
  CertificatePrinter();

  QPrinter& Printer() { return m_printer; }

  // The print dialog (collated copies); when confirmed, one complete print job per copy, each with page
  // numbers from 1. False when the dialog was cancelled.
  bool AskAndPrint(QWidget* parent, const CalculationState& state, const CertificateSettings& settings,
                   Messages& messages);
  // One print job on the chosen printer; false when it was refused.
  bool Print(const CalculationState& state, const CertificateSettings& settings, Messages& messages);
  // The printer's name as the last rendering reported it.
  QString PrinterName();
  // Certificates written as PDF files instead, for the preview's and the main window's export.
  CertificatePdfExport& PdfExport() { return m_pdfExport; }

 private:
  QPrinter m_printer;
  CertificatePdfExport m_pdfExport;
};

}  // namespace pramo
