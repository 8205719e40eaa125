#include "printing/windows/tfzapati.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "ui_tfzapati.h"

namespace pramo {

TFZapati::TFZapati(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFZapati>()) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  ui->BBOK->setAutoDefault(false);
  ui->EZapati->installEventFilter(this);
  connect(ui->BBOK, &QPushButton::clicked, this, &TFZapati::BBOKClick);
}

TFZapati::~TFZapati() = default;

void TFZapati::ShowFor(const std::string& footer) {
  ui->EZapati->setText(ToQt(footer));
  show();
}

std::string TFZapati::Footer() const {
  return FromQt(ui->EZapati->text());
}

void TFZapati::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (ui->EZapati->isEnabled()) ui->EZapati->setFocus();
  m_textOnEntry = ui->EZapati->text().trimmed();
}

void TFZapati::closeEvent(QCloseEvent* event) {
  emit FooterTaken(Footer());
  QDialog::closeEvent(event);
}

bool TFZapati::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui->EZapati) {
    if (event->type() == QEvent::FocusIn) {
      m_textOnEntry = ui->EZapati->text().trimmed();
    } else if (event->type() == QEvent::FocusOut) {
      EZapatiExit();
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        EZapatiExit();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

// Only a real change counts; the comparison is case-sensitive.
void TFZapati::EZapatiExit() {
  const QString text = ui->EZapati->text().trimmed();
  if (text != m_textOnEntry) {
    m_textOnEntry = text;
    emit TextsChanged();
  }
}

void TFZapati::BBOKClick() {
  emit TextsChanged();
  close();
}

}  // namespace pramo
