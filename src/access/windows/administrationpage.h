#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "access/Users.h"
#include "core/Messages.h"
#include "storage/Configuration.h"

namespace Ui {
class AdministrationPage;
}

namespace pramo {

// The administrator's page: the program settings kept in the configuration file, the choice and creation
// of a database, and the users of the chosen database.
class AdministrationPage : public QWidget {
  Q_OBJECT

 public:
  // The settings edited here are those of `configuration`, which the main window saves.
  AdministrationPage(Messages& messages, Configuration& configuration, QWidget* parent = nullptr);
  ~AdministrationPage() override;

  // After the administrator's login: the settings as read, the databases of the folder, no database chosen.
  void ShowConfiguration();

  const std::string& DatabasePath() const { return m_databasePath; }
  // A new database is chosen but has no user yet, so its file does not exist.
  bool NewDatabaseWithoutUsers() const;

  void CBVyberDatabaziChange(int index);
  void CBSUPrihlasovaciJmenoClick(int index);
  void CBSUPrihlasovaciJmenoEdited(const QString& text);
  void BBPridejUzivateleClick();
  void BBZmenClick();
  void BBOdstranUzivatele2Click();

 signals:
  // The administrator opened or created another database (the caption follows it).
  void DatabaseChosen();
  // A text setting was edited; it stays unsaved until "Uložit nastavení".
  void TextsChanged();
  // "Uložit nastavení".
  void SaveRequested();

 private:
  void FillDatabaseChoice();
  void ShowUsers();
  void EmptyUserEdits();
  void DLBDatabazeChange();
  UserForm Form() const;
  DatabaseAccess Database();
  std::vector<std::string> ListedUsers() const;

  std::unique_ptr<Ui::AdministrationPage> ui;
  Messages& m_messages;
  Configuration& m_configuration;
  std::string m_databasePath;
  std::string m_currentLogin;
};

}  // namespace pramo
