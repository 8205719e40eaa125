#include "app/windows/EditChangeTracker.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace pramo {
namespace {

// A list with an edit is watched as a whole: its line edit hands focus and keys to the list.
QString FieldText(const QObject* field) {
  if (const auto* list = qobject_cast<const QComboBox*>(field)) return list->currentText().trimmed();
  return static_cast<const QLineEdit*>(field)->text().trimmed();
}

}  // namespace

EditChangeTracker::EditChangeTracker(SessionController& session, QObject* parent)
    : QObject(parent), m_session(session) {}

void EditChangeTracker::WatchNumeric(QObject* field) {
  field->installEventFilter(this);
}

void EditChangeTracker::WatchText(QObject* field) {
  m_textFields.insert(field);
  field->installEventFilter(this);
}

bool EditChangeTracker::eventFilter(QObject* watched, QEvent* event) {
  const bool text = m_textFields.contains(watched);
  switch (event->type()) {
    case QEvent::FocusIn: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // Coming back from a message box or a pop-up list is no entering by the user.
      const bool byUser = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
      text ? OnEditEnter2(watched) : OnEditEnter(watched, byUser);
      break;
    }
    case QEvent::FocusOut:
      text ? OnEditExit2(watched) : OnEditExit1(watched);
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        text ? OnEKeyPress2(watched) : OnEKeyPress1(watched);
        return true;  // swallowed: Enter neither closes nor adds anything
      }
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void EditChangeTracker::OnEditEnter(QObject* field, bool byUser) {
  m_textOnEntry = FieldText(field);
  if (byUser && m_enteredByUser) m_enteredByUser(field);
}

void EditChangeTracker::OnEditEnter2(QObject* field) {
  m_textOnEntry = FieldText(field);
}

void EditChangeTracker::OnEditExit1(QObject* field) {
  if (FieldText(field) != m_textOnEntry) m_session.MarkSettingsChanged();
}

void EditChangeTracker::OnEditExit2(QObject* field) {
  if (FieldText(field) != m_textOnEntry) m_session.MarkTextsChanged();
}

void EditChangeTracker::OnEKeyPress1(QObject* field) {
  OnEditExit1(field);
  m_textOnEntry = FieldText(field);
}

void EditChangeTracker::OnEKeyPress2(QObject* field) {
  OnEditExit2(field);
  m_textOnEntry = FieldText(field);
}

}  // namespace pramo
