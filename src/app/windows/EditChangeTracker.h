#pragma once

#include <functional>
#include <set>

#include <QObject>
#include <QString>

#include "app/windows/sessioncontroller.h"

namespace pramo {

// The edits of the input page as they mark unsaved work: a numeric edit (…1) marks the settings as
// changed when its trimmed text on leaving differs from the text it had when entered, a text edit or a
// list with an edit (…2) the texts; Enter counts as leaving and entering again, and goes no further.
class EditChangeTracker : public QObject {
 public:
  EditChangeTracker(SessionController& session, QObject* parent);

  void WatchNumeric(QObject* field);
  void WatchText(QObject* field);
  // A numeric edit entered by the user (not regained from a message box or a pop-up list).
  void OnEnteredByUser(std::function<void(QObject*)> entered) { m_enteredByUser = std::move(entered); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnEditEnter(QObject* field, bool byUser);
  void OnEditEnter2(QObject* field);
  void OnEditExit1(QObject* field);
  void OnEditExit2(QObject* field);
  void OnEKeyPress1(QObject* field);
  void OnEKeyPress2(QObject* field);

  SessionController& m_session;
  std::set<const QObject*> m_textFields;
  std::function<void(QObject*)> m_enteredByUser;
  QString m_textOnEntry;
};

}  // namespace pramo
