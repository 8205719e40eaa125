#include "access/windows/tflogin.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "access/Login.h"
#include "access/windows/tfzmenahesla2.h"
#include "windows/Help.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "core/Dates.h"
#include "printing/qt/LocaleFormats.h"
#include "storage/DatabasePage.h"
#include "strings/access.h"
#include "ui_tflogin.h"

namespace pramo {

TFLogin::TFLogin(SessionWindow& main, TFZmenaHesla2& passwordChange, Messages& messages,
                 ConfigurationPaths paths)
    : ui(std::make_unique<Ui::TFLogin>()),
      m_main(main),
      m_passwordChange(passwordChange),
      m_messages(messages),
      m_paths(std::move(paths)) {
  ui->setupUi(this);
  ui->pbNactiDatabazi->hide();
  // Dates are shown with a single separator character wherever the program shows them.
  m_main.UseShortDateFormat(ListingDatePattern(LocaleDatePattern()));
  m_main.SetListingProgress(ui->pbNactiDatabazi);
  auto setTexts = [this] {
    ui->retranslateUi(this);
    QStringList lines;
    for (const Text& line : str::kFirstStartInfo) lines << ToQt(Tr(line));
    ui->MInfo->setPlainText(lines.join(QLatin1Char('\n')));
  };
  setTexts();
  RetranslateOnLanguageChange(this, setTexts);
  ui->EUser->installEventFilter(this);
  connect(ui->BBPrihlasit, &QPushButton::clicked, this, &TFLogin::BBPrihlasitClick);
  connect(ui->EHeslo, &QLineEdit::returnPressed, this, &TFLogin::BBPrihlasitClick);
  connect(ui->BBKonec, &QPushButton::clicked, this, &TFLogin::BBKonecClick);
  connect(ui->BBNapoveda, &QPushButton::clicked, this, &TFLogin::BBNapovedaClick);
  connect(ui->CBJazykProgramu, &QComboBox::activated, this, &TFLogin::CBJazykProgramuChange);
}

TFLogin::~TFLogin() = default;

void TFLogin::ShowAgain() {
  FormShow();
  show();
}

void TFLogin::FormShow() {
  m_main.LoginShown();
  ui->EUser->setFocus();
  m_configuration = ReadConfiguration(LocalFileSystem(), m_paths, m_messages);
  const bool firstStart = IsFirstStart(m_configuration);
  ShowFirstStartPanel(firstStart);
  if (!firstStart) FillDatabaseList();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

// The panel hangs below the login controls; the window grows to show it and shrinks to hide it.
void TFLogin::ShowFirstStartPanel(bool shown) {
  const QRect panel = ui->PInfo->geometry();
  ui->PInfo->setVisible(shown);
  setFixedSize(width(), shown ? panel.bottom() + 1 + 6 : panel.top() - 6);
}

void TFLogin::FillDatabaseList() {
  ui->CBDatabaze->clear();
  if (!m_configuration.DatabaseFolderExists) return;
  // A database whose rewrite was interrupted (the program killed, the power cut) is put back first, so
  // that it is offered.
  RecoverDatabasesIn(LocalFileSystem(), m_configuration.DatabaseFolder, m_messages);
  for (const std::string& name : DatabaseFileNames(LocalFileSystem(), m_configuration.DatabaseFolder))
    ui->CBDatabaze->addItem(ToQt(name));
  const int remembered = ui->CBDatabaze->findText(ToQt(m_configuration.Interface.LastDatabase));
  ui->CBDatabaze->setCurrentIndex(remembered < 0 ? 0 : remembered);
}

void TFLogin::BBPrihlasitClick() {
  const std::string login = FromQt(ui->EUser->text());
  const std::string password = FromQt(ui->EHeslo->text());
  if (IsAdministratorLogin(login))
    LogInAsAdministrator(password);
  else
    LogInAsUser(login, password);
}

void TFLogin::LogInAsUser(const std::string& login, const std::string& password) {
  const std::string name = FromQt(ui->CBDatabaze->currentText());
  const std::string path = m_configuration.DatabaseFolder + "/" + name;
  DatabaseAccess db{LocalFileSystem(), PathsOf(path), m_messages};
  const auto fullName = LogInUser(db, login, password);
  if (!fullName) {
    Refuse();
    return;
  }
  m_configuration.Interface.LastDatabase = name;
  m_main.UseConfiguration(m_configuration);
  if (!m_main.StartSession(Session{login, *fullName, path})) return;
  EnterMain();
}

void TFLogin::LogInAsAdministrator(const std::string& password) {
  const AdministratorLogin granted = LogInAdministrator(m_configuration, password, m_messages);
  if (granted == AdministratorLogin::Refused) {
    Refuse();
    return;
  }
  const std::string admin = AdministratorLoginName();
  m_main.UseConfiguration(m_configuration);
  m_main.StartSession(Session{admin, admin, {}});
  const bool firstStart = granted == AdministratorLogin::FirstStart;
  Tell(m_messages, MessageKind::Information, firstStart ? str::kFirstLogin : str::kAdministratorLoggedIn);
  EnterMain();
  if (firstStart) m_passwordChange.ShowFor(PasswordAccount{true, admin, admin, {}}, true);
}

void TFLogin::Refuse() {
  ui->EHeslo->clear();
  ui->EUser->setFocus();
}

void TFLogin::EnterMain() {
  ui->EUser->clear();
  ui->EHeslo->clear();
  m_main.EnterSession();
  hide();
}

void TFLogin::BBKonecClick() {
  if (!m_main.EndProgram()) return;
  hide();
  emit ProgramEnded();
}

void TFLogin::BBNapovedaClick() {
  OpenHelpTopic(m_messages, HelpTopicAt(this));
}

QComboBox& TFLogin::LanguageList() {
  return *ui->CBJazykProgramu;
}

void TFLogin::CBJazykProgramuChange(int index) {
  SaveLanguage(LocalFileSystem(), m_paths.file, FromQt(ui->CBJazykProgramu->itemText(index).trimmed()),
               m_messages);
}

// The window's close box and Escape end the program as "Konec" does.
void TFLogin::closeEvent(QCloseEvent* event) {
  event->ignore();
  BBKonecClick();
}

void TFLogin::reject() {
  BBKonecClick();
}

bool TFLogin::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui->EUser && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ui->EHeslo->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace pramo
