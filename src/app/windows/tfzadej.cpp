#include "app/windows/tfzadej.h"

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "ui_tfzadej.h"

namespace pramo {

TFZadej::TFZadej(CalculationState& state, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::TFZadej>()),
      m_state(state),
      m_messages(messages) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  ui->BOK->setDefault(true);
  connect(ui->BOK, &QPushButton::clicked, this, &TFZadej::BOKClick);
  connect(ui->BStandard, &QPushButton::clicked, this, &TFZadej::BStandardClick);
  connect(ui->BZpet, &QPushButton::clicked, this, &QDialog::reject);
}

TFZadej::~TFZadej() = default;

void TFZadej::ShowFor(ValuePurpose purpose) {
  m_purpose = purpose;
  const ValuePrompt prompt = ValuePromptFor(purpose, m_state, DecimalSeparator());
  ui->LZadej->setText(ToQt(prompt.label));
  ui->LJednZadej->setText(ToQt(prompt.unit));
  ShowEditText(ui->EZadej, ToQt(prompt.text));
  show();
  FocusValue();
}

void TFZadej::FocusValue() {
  ui->EZadej->selectAll();
  ui->EZadej->setFocus();
}

void TFZadej::BStandardClick() {
  ShowEditText(ui->EZadej, ToQt(StandardValueText(m_purpose, DecimalSeparator())));
}

void TFZadej::BOKClick() {
  switch (AcceptValue(m_purpose, FromQt(ui->EZadej->text()), m_state, m_messages)) {
    case ValueAnswer::NotANumber:
      ShowEditText(ui->EZadej, ToQt(ValuePromptFor(m_purpose, m_state, DecimalSeparator()).text));
      FocusValue();
      return;
    case ValueAnswer::Refused:
      FocusValue();
      return;
    case ValueAnswer::Stored:
      break;
  }
  emit ValueStored(m_purpose);
  accept();
}

}  // namespace pramo
