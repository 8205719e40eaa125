#include "legacy/windows/tfstavprevodu.h"

#include <chrono>

#include <QCloseEvent>

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "legacy/ConversionRun.h"
#include "storage/DatabaseRecord.h"
#include "strings/legacy.h"
#include "ui_tfstavprevodu.h"

namespace pramo {

namespace {

// Records are converted for this long per tick; the rest of the time the window answers the user.
constexpr std::chrono::milliseconds kStepBudget{30};

}  // namespace

TFStavPrevodu::TFStavPrevodu(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFStavPrevodu>()) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  TConvert.setInterval(1);
  connect(&TConvert, &QTimer::timeout, this, &TFStavPrevodu::TConvertTimer);
  connect(ui->BStorno, &QPushButton::clicked, this, &TFStavPrevodu::BStornoClick);
}

TFStavPrevodu::~TFStavPrevodu() = default;

void TFStavPrevodu::Run(ConversionRun& run) {
  m_run = &run;
  ui->StrZkonvertovanVypocet->setText(ToQt(Tr(str::kConvertProgressCalculations)));
  ui->LZkonvertovan->setText(ToQt(Tr(str::kConvertProgressConverted)));
  ui->LCisloVypoctu->clear();
  ui->PBPrubehPrevodu->setRange(0, static_cast<int>(run.Progress().total));
  ui->PBPrubehPrevodu->setValue(0);
  show();
  TConvert.start();
}

void TFStavPrevodu::ShowProgress() {
  const ConversionProgress& progress = m_run->Progress();
  ui->PBPrubehPrevodu->setValue(static_cast<int>(progress.done));
  if (progress.done > 0) ui->LCisloVypoctu->setText(ToQt(PaddedNumber(progress.lastCount, 5)));
}

void TFStavPrevodu::TConvertTimer() {
  if (!m_run) return;
  if (m_run->Phase() == ConversionPhase::Calculations) {
    m_run->StepFor(kStepBudget);
    ShowProgress();
    if (m_run->Phase() == ConversionPhase::Companies) {
      ui->StrZkonvertovanVypocet->setText(ToQt(Tr(str::kConvertProgressCompanies)));
      ui->LZkonvertovan->clear();
      ui->LCisloVypoctu->clear();
    }
    if (m_run->Phase() != ConversionPhase::Calculations && m_run->Phase() != ConversionPhase::Companies)
      close();
    return;
  }
  TConvert.stop();
  if (m_run->Phase() == ConversionPhase::Companies) m_run->StoreCompanies();
  close();
}

void TFStavPrevodu::BStornoClick() {
  close();
}

// While the run goes on, closing asks whether to stop it; with the question open no record is converted.
void TFStavPrevodu::closeEvent(QCloseEvent* event) {
  const bool going = m_run && (m_run->Phase() == ConversionPhase::Calculations ||
                               m_run->Phase() == ConversionPhase::Companies);
  if (going) {
    TConvert.stop();
    if (!m_run->AskCancel()) {
      TConvert.start();
      event->ignore();
      return;
    }
  }
  TConvert.stop();
  m_run = nullptr;
  QDialog::closeEvent(event);
}

}  // namespace pramo
