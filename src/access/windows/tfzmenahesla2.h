#pragma once

#include <memory>
#include <string>

#include <QDialog>

#include "core/Messages.h"

namespace Ui {
class TFZmenaHesla2;
}

namespace pramo {

// Whose password the window changes: the administrator's (kept in the configuration file) or the
// logged-in user's own (kept in the open database).
struct PasswordAccount {
  bool administrator = false;
  std::string login;
  std::string fullName;
  std::string databasePath;
};

// "Změna hesla": a new password typed twice.
class TFZmenaHesla2 : public QDialog {
  Q_OBJECT

 public:
  TFZmenaHesla2(Messages& messages, std::string configurationPath, QWidget* parent = nullptr);
  ~TFZmenaHesla2() override;

  // At the administrator's first start the window cannot be left before the initial password is replaced.
  void ShowFor(const PasswordAccount& account, bool firstStart);
  bool FirstStart() const { return m_firstStart; }

  void BOKClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FormCloseQuery();

  std::unique_ptr<Ui::TFZmenaHesla2> ui;
  Messages& m_messages;
  std::string m_configurationPath;
  PasswordAccount m_account;
  bool m_firstStart = false;
};

}  // namespace pramo
