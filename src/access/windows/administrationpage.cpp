#include "access/windows/administrationpage.h"

#include <QInputDialog>

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "storage/DatabasePage.h"
#include "strings/access.h"
#include "strings/storage.h"
#include "ui_administrationpage.h"

namespace pramo {

AdministrationPage::AdministrationPage(Messages& messages, Configuration& configuration, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::AdministrationPage>()),
      m_messages(messages),
      m_configuration(configuration) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  // The login-name box takes a new name as typed and a user only as picked from its list: no completion,
  // and Enter on a listed name picks nothing.
  QComboBox* logins = ui->CBSUPrihlasovaciJmeno;
  logins->lineEdit()->setMaxLength(static_cast<int>(kUserTextCapacity));
  logins->setCompleter(nullptr);
  logins->setInsertPolicy(QComboBox::NoInsert);
  // The box would pick a listed name typed whole when its edit is finished (Enter or leaving it).
  disconnect(logins->lineEdit(), &QLineEdit::editingFinished, logins, nullptr);
  connect(ui->CBVyberDatabazi, &QComboBox::activated, this, &AdministrationPage::CBVyberDatabaziChange);
  connect(logins, &QComboBox::activated, this, &AdministrationPage::CBSUPrihlasovaciJmenoClick);
  connect(logins->lineEdit(), &QLineEdit::textEdited, this, &AdministrationPage::CBSUPrihlasovaciJmenoEdited);
  connect(ui->BBPridejUzivatele, &QPushButton::clicked, this, &AdministrationPage::BBPridejUzivateleClick);
  connect(ui->BBZmen, &QPushButton::clicked, this, &AdministrationPage::BBZmenClick);
  connect(ui->BBOdstranUzivatele2, &QPushButton::clicked, this,
          &AdministrationPage::BBOdstranUzivatele2Click);
  connect(ui->BBUlozitNastaveni, &QPushButton::clicked, this, &AdministrationPage::SaveRequested);
  connect(ui->DLBDatabaze, &QLineEdit::editingFinished, this, &AdministrationPage::DLBDatabazeChange);
  connect(ui->EVlastnik, &QLineEdit::textEdited, this, [this](const QString& text) {
    m_configuration.OwnerName = FromQt(text.trimmed());
    emit TextsChanged();
  });
  // Enter walks down the user's edits as far as the repeated password.
  connect(ui->CBSUPrihlasovaciJmeno->lineEdit(), &QLineEdit::returnPressed, ui->ESUJmenoUzivatele,
          [this] { ui->ESUJmenoUzivatele->setFocus(); });
  connect(ui->ESUJmenoUzivatele, &QLineEdit::returnPressed, ui->ESUNoveHeslo,
          [this] { ui->ESUNoveHeslo->setFocus(); });
  connect(ui->ESUNoveHeslo, &QLineEdit::returnPressed, ui->ESUZopakujHeslo,
          [this] { ui->ESUZopakujHeslo->setFocus(); });
}

AdministrationPage::~AdministrationPage() = default;

void AdministrationPage::ShowConfiguration() {
  ShowEditText(ui->DLBDatabaze, ToQt(m_configuration.DatabaseFolder));
  ShowEditText(ui->EVlastnik, ToQt(m_configuration.OwnerName));
  m_databasePath.clear();
  FillDatabaseChoice();
}

bool AdministrationPage::NewDatabaseWithoutUsers() const {
  return ui->BBPridejUzivatele->isEnabled() && !ui->BBZmen->isEnabled();
}

void AdministrationPage::DLBDatabazeChange() {
  const std::string folder = FromQt(ui->DLBDatabaze->text().trimmed());
  if (folder == m_configuration.DatabaseFolder) return;
  m_configuration.DatabaseFolder = folder;
  m_databasePath.clear();
  FillDatabaseChoice();
  emit TextsChanged();
}

// No database is chosen after filling: the user buttons wait for the choice.
void AdministrationPage::FillDatabaseChoice() {
  ui->CBVyberDatabazi->clear();
  for (const std::string& item : DatabaseChoiceItems(LocalFileSystem(), m_configuration.DatabaseFolder))
    ui->CBVyberDatabazi->addItem(ToQt(item));
  ui->CBVyberDatabazi->setCurrentIndex(-1);
  m_currentLogin.clear();
  ui->CBSUPrihlasovaciJmeno->clear();
  ui->ESUJmenoUzivatele->clear();
  ui->BBPridejUzivatele->setEnabled(false);
  ui->BBZmen->setEnabled(false);
  ui->BBOdstranUzivatele2->setEnabled(false);
}

void AdministrationPage::CBVyberDatabaziChange(int index) {
  if (index < 0) return;
  const std::string& folder = m_configuration.DatabaseFolder;
  if (index == 0) {
    WarnAboutSeveralDatabases(m_messages);
    bool confirmed = false;
    const QString name =
        QInputDialog::getText(this, ToQt(Tr(str::kCreateDatabaseTitle)), ToQt(Tr(str::kCreateDatabasePrompt)),
                              QLineEdit::Normal, QString(), &confirmed);
    if (!confirmed) return;
    const auto path = NewDatabasePath(LocalFileSystem(), folder, FromQt(name.trimmed()), m_messages);
    if (!path) return;
    m_databasePath = *path;
    emit DatabaseChosen();
    m_currentLogin.clear();
    ui->CBSUPrihlasovaciJmeno->clear();
    EmptyUserEdits();
    ui->BBPridejUzivatele->setEnabled(true);
    ui->BBZmen->setEnabled(false);
    ui->BBOdstranUzivatele2->setEnabled(false);
    ui->CBSUPrihlasovaciJmeno->setFocus();
    return;
  }
  const auto path =
      ChosenDatabasePath(LocalFileSystem(), folder, FromQt(ui->CBVyberDatabazi->itemText(index)), m_messages);
  if (!path) return;
  m_databasePath = *path;
  emit DatabaseChosen();
  ShowUsers();
  ui->BBPridejUzivatele->setEnabled(true);
  EmptyUserEdits();
}

// Another database lists other users: nothing is picked.
void AdministrationPage::ShowUsers() {
  m_currentLogin.clear();
  ui->CBSUPrihlasovaciJmeno->clear();
  DatabaseAccess db = Database();
  if (const auto users = ListUsers(db))
    for (const std::string& login : *users) ui->CBSUPrihlasovaciJmeno->addItem(ToQt(login));
  ui->CBSUPrihlasovaciJmeno->setCurrentIndex(-1);
  ui->BBOdstranUzivatele2->setEnabled(UserRemovable(ui->CBSUPrihlasovaciJmeno->count()));
  ui->BBZmen->setEnabled(true);
}

void AdministrationPage::EmptyUserEdits() {
  ui->ESUJmenoUzivatele->clear();
  ui->ESUNoveHeslo->clear();
  ui->ESUZopakujHeslo->clear();
}

void AdministrationPage::CBSUPrihlasovaciJmenoClick(int index) {
  m_currentLogin = FromQt(ui->CBSUPrihlasovaciJmeno->itemText(index));
  ui->ESUNoveHeslo->clear();
  ui->ESUZopakujHeslo->clear();
  DatabaseAccess db = Database();
  ShowEditText(ui->ESUJmenoUzivatele, ToQt(FindUserFullName(db, m_currentLogin)));
}

// Typing over the picked user's name leaves nobody picked: the text is a name to add.
void AdministrationPage::CBSUPrihlasovaciJmenoEdited(const QString& text) {
  if (m_currentLogin.empty() || FromQt(text) == m_currentLogin) return;
  m_currentLogin.clear();
  ui->CBSUPrihlasovaciJmeno->setCurrentIndex(-1);
  ui->CBSUPrihlasovaciJmeno->setEditText(text);
  EmptyUserEdits();
}

void AdministrationPage::BBPridejUzivateleClick() {
  UserForm form = Form();
  form.login = FromQt(ui->CBSUPrihlasovaciJmeno->currentText());
  DatabaseAccess db = Database();
  const bool newDatabase = !ui->BBZmen->isEnabled() && !LocalFileSystem().Exists(m_databasePath);
  const AddUserOutcome outcome = AddUserFromForm(db, ListedUsers(), form, newDatabase);
  if (outcome == AddUserOutcome::Failed) return;
  if (outcome == AddUserOutcome::DatabaseCreated) {
    const QString created = ToQt(m_databasePath).section(QLatin1Char('/'), -1);
    FillDatabaseChoice();
    ui->CBVyberDatabazi->setCurrentIndex(ui->CBVyberDatabazi->findText(created));
    ui->BBPridejUzivatele->setEnabled(true);
  }
  const std::string added = form.login;
  ShowUsers();
  m_currentLogin = added;
  ui->CBSUPrihlasovaciJmeno->setCurrentIndex(ui->CBSUPrihlasovaciJmeno->findText(ToQt(added)));
  ShowEditText(ui->ESUJmenoUzivatele, ToQt(FindUserFullName(db, m_currentLogin)));
  ui->ESUNoveHeslo->clear();
  ui->ESUZopakujHeslo->clear();
}

void AdministrationPage::BBZmenClick() {
  DatabaseAccess db = Database();
  if (!ChangeUserFromForm(db, Form())) return;
  ui->ESUNoveHeslo->clear();
  ui->ESUZopakujHeslo->clear();
}

void AdministrationPage::BBOdstranUzivatele2Click() {
  DatabaseAccess db = Database();
  if (m_currentLogin.empty())
    Tell(m_messages, MessageKind::Error, str::kUserNotFound);
  else if (RemoveUserFromList(db, m_currentLogin))
    ShowUsers();
  EmptyUserEdits();
  ui->BBOdstranUzivatele2->setEnabled(UserRemovable(ui->CBSUPrihlasovaciJmeno->count()));
}

// The form acts on the user picked from the list (or added last), never on whatever is typed.
UserForm AdministrationPage::Form() const {
  return UserForm{m_currentLogin, FromQt(ui->ESUJmenoUzivatele->text()), FromQt(ui->ESUNoveHeslo->text()),
                  FromQt(ui->ESUZopakujHeslo->text())};
}

DatabaseAccess AdministrationPage::Database() {
  return DatabaseAccess{LocalFileSystem(), PathsOf(m_databasePath), m_messages};
}

std::vector<std::string> AdministrationPage::ListedUsers() const {
  std::vector<std::string> users;
  for (int i = 0; i < ui->CBSUPrihlasovaciJmeno->count(); ++i)
    users.push_back(FromQt(ui->CBSUPrihlasovaciJmeno->itemText(i)));
  return users;
}

}  // namespace pramo
