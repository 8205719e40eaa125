#include "access/windows/tfzmenahesla2.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "access/Login.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "storage/FileSystem.h"
#include "ui_tfzmenahesla2.h"

namespace pramo {

TFZmenaHesla2::TFZmenaHesla2(Messages& messages, std::string configurationPath, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFZmenaHesla2>()),
      m_messages(messages),
      m_configurationPath(std::move(configurationPath)) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  ui->EHesloNove->installEventFilter(this);
  connect(ui->BOK, &QPushButton::clicked, this, &TFZmenaHesla2::BOKClick);
  connect(ui->EHesloZnovu, &QLineEdit::returnPressed, this, &TFZmenaHesla2::BOKClick);
  connect(ui->BZpet, &QPushButton::clicked, this, &TFZmenaHesla2::close);
}

TFZmenaHesla2::~TFZmenaHesla2() = default;

void TFZmenaHesla2::ShowFor(const PasswordAccount& account, bool firstStart) {
  m_account = account;
  m_firstStart = account.administrator && firstStart;
  ui->EHesloNove->clear();
  ui->EHesloZnovu->clear();
  show();
  ui->EHesloNove->setFocus();
}

void TFZmenaHesla2::BOKClick() {
  const std::string password = FromQt(ui->EHesloNove->text());
  const std::string repeated = FromQt(ui->EHesloZnovu->text());
  PasswordChange outcome = PasswordChange::Refused;
  if (m_account.administrator) {
    outcome =
        ChangeAdministratorPassword(LocalFileSystem(), m_configurationPath, password, repeated, m_messages);
    if (outcome == PasswordChange::Changed) m_firstStart = false;
  } else {
    DatabaseAccess db{LocalFileSystem(), PathsOf(m_account.databasePath), m_messages};
    outcome = ChangeOwnPassword(db, m_account.login, m_account.fullName, password, repeated);
  }
  switch (outcome) {
    case PasswordChange::Refused:
      break;
    case PasswordChange::TypeAgain:
      ui->EHesloNove->clear();
      ui->EHesloZnovu->clear();
      ui->EHesloNove->setFocus();
      break;
    case PasswordChange::Changed:
    case PasswordChange::Failed:
      close();
      break;
  }
}

bool TFZmenaHesla2::FormCloseQuery() {
  return MayClosePasswordChange(m_account.administrator, m_firstStart, m_messages);
}

void TFZmenaHesla2::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery())
    event->accept();
  else
    event->ignore();
}

// Escape closes a dialog without a close event; it must face the same question.
void TFZmenaHesla2::reject() {
  if (FormCloseQuery()) QDialog::reject();
}

bool TFZmenaHesla2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui->EHesloNove && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ui->EHesloZnovu->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace pramo
