#pragma once

#include <string>
#include <utility>

#include <QString>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/Certificate.h"
#include "storage/windows/CalculationFileDialog.h"

class QWidget;

namespace pramo {

// The save dialog for a certificate's PDF file: filters "Dokumenty PDF" (*.pdf) and "Všechny soubory",
// default extension "pdf", the proposed name a path. The dialog itself asks before it replaces a file.
std::string ChooseCertificatePdfFile(QWidget* parent, const CalculationFileChoice& choice);

// Certificates exported as PDF files, into the folder last used during the run.
class CertificatePdfExport {
 public:
  // Asks for the file, proposing the calculation's number as its name, and writes the certificate into it
  // through the printer's renderer: the pages the printer would print. Tells when the file is written.
  // False when the dialog was cancelled or the certificate could not be written (the user has been told).
  bool Export(QWidget* parent, const CalculationState& state, const CertificateSettings& settings,
              Messages& messages);

  // The program asks with the save dialog; tests choose without one.
  void SetFileChooser(CalculationFileChooser chooser) { m_choose = std::move(chooser); }

 private:
  CalculationFileChooser m_choose = ChooseCertificatePdfFile;
  QString m_folder;  // the folder last used; the documents folder before
};

}  // namespace pramo
