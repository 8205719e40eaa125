#include "app/windows/tfjmenotekutiny.h"

#include "app/SettingsDialogs.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "ui_tfjmenotekutiny.h"

namespace pramo {

TFJmenoTekutiny::TFJmenoTekutiny(CalculationState& state, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFJmenoTekutiny>()), m_state(state) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  ui->BOK->setDefault(true);
  connect(ui->BOK, &QPushButton::clicked, this, &TFJmenoTekutiny::BOKClick);
  connect(ui->BZpet, &QPushButton::clicked, this, &QDialog::reject);
}

TFJmenoTekutiny::~TFJmenoTekutiny() = default;

void TFJmenoTekutiny::ShowName() {
  ShowEditText(ui->EJmenoTekutiny, ToQt(m_state.FluidName));
  show();
  ui->EJmenoTekutiny->selectAll();
  ui->EJmenoTekutiny->setFocus();
}

void TFJmenoTekutiny::BOKClick() {
  m_state.FluidName = FluidNameFromText(FromQt(ui->EJmenoTekutiny->text()));
  emit NameStored();
  accept();
}

}  // namespace pramo
