#include "printing/windows/tfnastavenitisku.h"

#include <QPrintDialog>

#include "windows/Language.h"
#include "printing/windows/CertificatePrinter.h"
#include "ui_tfnastavenitisku.h"

namespace pramo {

TFNastaveniTisku::TFNastaveniTisku(CertificatePrinter& printer, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFNastaveniTisku>()), m_printer(printer) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  ui->BOK->setDefault(true);
  SetOptions(PrintOptions{});
  connect(ui->BOK, &QPushButton::clicked, this, &TFNastaveniTisku::BOKClick);
  connect(ui->BZpet, &QPushButton::clicked, this, &TFNastaveniTisku::BZpetClick);
  connect(ui->BBTiskarna, &QPushButton::clicked, this, &TFNastaveniTisku::BBTiskarnaClick);
}

TFNastaveniTisku::~TFNastaveniTisku() = default;

PrintOptions TFNastaveniTisku::Options() const {
  PrintOptions options;
  options.Description = ui->ChBPopis->isChecked();
  options.Cascade = ui->ChBKaskadu->isChecked();
  options.Graph = ui->ChBGrafNejistot5->isChecked();
  options.Table = ui->ChBTabulkaNejistot->isChecked();
  options.CascadeNewPage = ui->ChBKaskadaNovaStrana->isChecked();
  options.Standard = ui->ChBNorma->isChecked();
  options.Signatures = ui->ChBPodpisy->isChecked();
  options.NonComplianceReasons = ui->ChBDuvodyNesplneni->isChecked();
  return options;
}

void TFNastaveniTisku::SetOptions(const PrintOptions& options) {
  ui->ChBPopis->setChecked(options.Description);
  ui->ChBKaskadu->setChecked(options.Cascade);
  ui->ChBGrafNejistot5->setChecked(options.Graph);
  ui->ChBTabulkaNejistot->setChecked(options.Table);
  ui->ChBKaskadaNovaStrana->setChecked(options.CascadeNewPage);
  ui->ChBNorma->setChecked(options.Standard);
  ui->ChBPodpisy->setChecked(options.Signatures);
  ui->ChBDuvodyNesplneni->setChecked(options.NonComplianceReasons);
}

void TFNastaveniTisku::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_onShow = Options();
}

// Closing by the window's close box keeps the changes as "OK" does.
void TFNastaveniTisku::BOKClick() {
  close();
}

void TFNastaveniTisku::BZpetClick() {
  SetOptions(m_onShow);
  close();
}

// The choice of the printer with its paper and orientation; the certificate is printed later, by the print
// command.
void TFNastaveniTisku::BBTiskarnaClick() {
  QPrintDialog choice(&m_printer.Printer(), this);
  choice.setOption(QAbstractPrintDialog::PrintPageRange, false);
  choice.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  choice.exec();
}

}  // namespace pramo
