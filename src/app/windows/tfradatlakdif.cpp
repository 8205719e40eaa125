#include "app/windows/tfradatlakdif.h"

#include "app/SettingsDialogs.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "ui_tfradatlakdif.h"

namespace pramo {

TFRadaTlakDif::TFRadaTlakDif(CalculationState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::TFRadaTlakDif>()),
      m_state(state) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  m_edits = {ui->ERada0, ui->ERada1, ui->ERada2, ui->ERada3, ui->ERada4,
             ui->ERada5, ui->ERada6, ui->ERada7, ui->ERada8, ui->ERada9};
  ui->BOK->setDefault(true);
  connect(ui->BOK, &QPushButton::clicked, this, &TFRadaTlakDif::BOKClick);
  connect(ui->BStandard, &QPushButton::clicked, this, &TFRadaTlakDif::BStandardClick);
  connect(ui->BZpet, &QPushButton::clicked, this, &QDialog::reject);
}

TFRadaTlakDif::~TFRadaTlakDif() = default;

void TFRadaTlakDif::ShowSeries() {
  ShowValues(m_state.DpSeries);
  show();
  m_edits[0]->setFocus();
}

void TFRadaTlakDif::ShowValues(const std::array<double, 10>& series) {
  MarkFailed({});
  const auto texts = DpSeriesTexts(series, DecimalSeparator());
  for (std::size_t i = 0; i < m_edits.size(); ++i) ShowEditText(m_edits[i], ToQt(texts[i]));
}

void TFRadaTlakDif::MarkFailed(const std::array<bool, 10>& failed) {
  for (std::size_t i = 0; i < m_edits.size(); ++i)
    m_edits[i]->setStyleSheet(failed[i] ? QStringLiteral("QLineEdit { background: yellow; }") : QString());
}

void TFRadaTlakDif::BStandardClick() {
  ShowValues(StandardDpSeries());
}

void TFRadaTlakDif::BOKClick() {
  std::array<std::string, 10> texts;
  for (std::size_t i = 0; i < m_edits.size(); ++i) texts[i] = FromQt(m_edits[i]->text());
  const std::array<bool, 10> failed = AcceptDpSeries(texts, m_state);
  MarkFailed(failed);
  if (std::find(failed.begin(), failed.end(), true) == failed.end()) accept();
}

}  // namespace pramo
