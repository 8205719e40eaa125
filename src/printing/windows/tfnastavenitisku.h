#pragma once

#include <memory>

#include <QDialog>

#include "printing/Certificate.h"

namespace Ui {
class TFNastaveniTisku;
}

namespace pramo {

class CertificatePrinter;

// "Nastavení tisku.": the print options, which the certificate reads when it is rendered, and the
// printer set-up.
class TFNastaveniTisku : public QDialog {
  Q_OBJECT

 public:
  explicit TFNastaveniTisku(CertificatePrinter& printer, QWidget* parent = nullptr);
  ~TFNastaveniTisku() override;

  PrintOptions Options() const;
  void SetOptions(const PrintOptions& options);

  void BOKClick();
  void BZpetClick();
  void BBTiskarnaClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TFNastaveniTisku> ui;
  CertificatePrinter& m_printer;
  PrintOptions m_onShow;
};

}  // namespace pramo
