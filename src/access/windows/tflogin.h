#pragma once

#include <memory>
#include <string>

#include <QDialog>

#include "access/windows/SessionWindow.h"
#include "core/Messages.h"
#include "storage/Configuration.h"

class QComboBox;

namespace Ui {
class TFLogin;
}

namespace pramo {

class TFZmenaHesla2;

// "Přihlášení": the database, the language and the account; every run and every logout passes through it.
class TFLogin : public QDialog {
  Q_OBJECT

 public:
  TFLogin(SessionWindow& main, TFZmenaHesla2& passwordChange, Messages& messages, ConfigurationPaths paths);
  ~TFLogin() override;

  // Each showing reads the configuration again, so settings saved by the administrator apply to the next
  // login.
  void FormShow();
  // After a logout: shown again for the next login.
  void ShowAgain();

  void BBPrihlasitClick();
  void BBKonecClick();
  void BBNapovedaClick();
  void CBJazykProgramuChange(int index);
  // The list of interface languages, filled by the start-up language switch.
  QComboBox& LanguageList();

 signals:
  // "Konec": the main window has closed, the program ends.
  void ProgramEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFirstStartPanel(bool shown);
  void FillDatabaseList();
  void LogInAsUser(const std::string& login, const std::string& password);
  void LogInAsAdministrator(const std::string& password);
  void Refuse();
  void EnterMain();

  std::unique_ptr<Ui::TFLogin> ui;
  SessionWindow& m_main;
  TFZmenaHesla2& m_passwordChange;
  Messages& m_messages;
  ConfigurationPaths m_paths;
  Configuration m_configuration;
};

}  // namespace pramo
