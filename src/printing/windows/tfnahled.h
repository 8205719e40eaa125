#pragma once

#include <memory>
#include <vector>

#include <QDialog>
#include <QImage>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/Certificate.h"
#include "printing/qt/ImagePreviewCanvas.h"

class QLabel;

namespace Ui {
class TFNahled;
}

namespace pramo {

class CertificatePrinter;

// "Preview - náhled před tiskem.": the certificate's pages at the chosen zoom, paging and printing.
class TFNahled : public QDialog {
  Q_OBJECT

 public:
  TFNahled(Messages& messages, CertificatePrinter& printer, QWidget* parent = nullptr);
  ~TFNahled() override;

  // Renders the certificate into the page store at the zoom of the list, keeping the calculation and the
  // settings for a later zoom change or print. False when the printer or paper was refused.
  bool Render(const CalculationState& state, const CertificateSettings& settings);

  PreviewZoom Zoom() const;
  const std::vector<QImage>& Pages() const { return m_preview.Pages(); }
  int CurrentPage() const { return m_current; }
  QString PageStatus() const;

  void TBTisk5Click();
  void TBExportPdfClick();
  void TBPrvniClick();
  void TBPredchoziClick();
  void TBDalsiClick();
  void TBPosledniClick();
  void CBMeritkoChange(int index);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void LoadPage();
  void ShowPageStatus();
  void EnablePaging(bool backwards, bool forwards);

  std::unique_ptr<Ui::TFNahled> ui;
  Messages& m_messages;
  CertificatePrinter& m_printer;
  ImagePreviewCanvas m_preview;
  CalculationState m_state;
  CertificateSettings m_settings;
  int m_current = 0;
  QLabel* m_statusPage = nullptr;
  QLabel* m_statusPrinter = nullptr;
};

}  // namespace pramo
