#include "app/windows/tfzadej2.h"

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "ui_tfzadej2.h"

namespace pramo {

TFZadej2::TFZadej2(CalculationState& state, Messages& messages, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFZadej2>()), m_state(state), m_messages(messages) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  ui->BOK->setDefault(true);
  ui->CBJVztPodmTlak->setCurrentIndex(0);
  ui->CBJVztPodmTeplota->setCurrentIndex(0);
  connect(ui->BOK, &QPushButton::clicked, this, &TFZadej2::BOKClick);
  connect(ui->BZpet, &QPushButton::clicked, this, &QDialog::reject);
}

TFZadej2::~TFZadej2() = default;

void TFZadej2::ShowFor(ReferencePurpose purpose) {
  m_purpose = purpose;
  ui->LVztaznePodminky->setText(ToQt(ReferenceTextsOf(purpose, m_state).heading));
  ShowStored(true, true);
  show();
  ui->EVztazPodmTlak->selectAll();
  ui->EVztazPodmTlak->setFocus();
}

// Puts the stored values of the reference condition back into the chosen edits.
void TFZadej2::ShowStored(bool pressure, bool temperature) {
  const ReferenceTexts texts = ReferenceTextsOf(m_purpose, m_state, DecimalSeparator());
  if (pressure) {
    ShowEditText(ui->EVztazPodmTlak, ToQt(texts.pressure));
    ui->CBJVztPodmTlak->setCurrentIndex(texts.pressureUnit < ui->CBJVztPodmTlak->count() ? texts.pressureUnit
                                                                                         : 0);
  }
  if (temperature) {
    ShowEditText(ui->EVztazPodmTeplota, ToQt(texts.temperature));
    ui->CBJVztPodmTeplota->setCurrentIndex(
        texts.temperatureUnit < ui->CBJVztPodmTeplota->count() ? texts.temperatureUnit : 0);
  }
}

void TFZadej2::BOKClick() {
  const ReferenceAnswer answer = AcceptReference(
      m_purpose, FromQt(ui->EVztazPodmTlak->text()), ui->CBJVztPodmTlak->currentIndex(),
      FromQt(ui->EVztazPodmTeplota->text()), ui->CBJVztPodmTeplota->currentIndex(), m_state, m_messages);
  if (answer.Complete()) {
    accept();
    return;
  }
  ShowStored(!answer.pressureStored, !answer.temperatureStored);
  QLineEdit* failed = answer.pressureStored ? ui->EVztazPodmTeplota : ui->EVztazPodmTlak;
  failed->selectAll();
  failed->setFocus();
}

}  // namespace pramo
