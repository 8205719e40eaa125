#include "app/windows/HiddenKeys.h"

#include <QAction>
#include <QInputDialog>
#include <QWidget>

#include "app/FlowTable.h"
#include "windows/WindowText.h"
#include "app/windows/tfprutok2ma.h"
#include "strings/app.h"

namespace pramo {

HiddenKeys::HiddenKeys(QWidget& window, SessionController& session, CalculationState& state,
                       Messages& messages, TFPrutok2mA* prutok2mA)
    : QObject(&window),
      m_window(window),
      m_session(session),
      m_state(state),
      m_messages(messages),
      m_prutok2mA(prutok2mA) {
  struct HiddenAction {
    const char* name;
    const char* keys;
    void (HiddenKeys::*handler)();
  };
  const HiddenAction hidden[] = {
      {"AOD1", "Ctrl+Alt+K", &HiddenKeys::OD11Click},
      {"AOD2", "Ctrl+Alt+W", &HiddenKeys::OD21Click},
      {"OD32", "Ctrl+Alt+J", &HiddenKeys::OD31Click},
      {"PovolUlozeniVsechVypoctu2", "Ctrl+Alt+Y", &HiddenKeys::Povoluloenvechvpot1Click},
      {"Aq2mA", "Ctrl+I", &HiddenKeys::q2mA1Click},
  };
  for (const HiddenAction& h : hidden) {
    auto* action = new QAction(&window);
    action->setObjectName(QString::fromLatin1(h.name));
    action->setShortcut(QKeySequence(QString::fromLatin1(h.keys)));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    connect(action, &QAction::triggered, this, h.handler);
  }
}

void HiddenKeys::OD11Click() {
  m_keyStep1 = true;
}

// Out of order, the sequence starts again.
void HiddenKeys::OD21Click() {
  if (m_keyStep1)
    m_keyStep2 = true;
  else
    m_keyStep1 = m_keyStep2 = false;
}

// Only a stored calculation (shown, never edited) is exported.
void HiddenKeys::OD31Click() {
  const bool unlocked = m_keyStep1 && m_keyStep2;
  m_keyStep1 = m_keyStep2 = false;
  if (!unlocked || m_session.Mode() != MainMode::Viewing) return;
  bool confirmed = false;
  const QString path =
      QInputDialog::getText(&m_window, ToQt(Tr(str::kDiagnosticTitle)), ToQt(Tr(str::kDiagnosticPrompt)),
                            QLineEdit::Normal, m_diagnosticPath, &confirmed);
  if (!confirmed) return;
  m_diagnosticPath = path;
  WriteDiagnosticExport(FromQt(path), m_state, m_messages);
}

void HiddenKeys::Povoluloenvechvpot1Click() {
  const bool unlocked = m_keyStep1 && m_keyStep2;
  m_keyStep1 = m_keyStep2 = false;
  if (!unlocked) return;
  Tell(m_messages, MessageKind::Warning, str::kDeveloperMode);
  m_session.AllowSaveAll();
}

void HiddenKeys::q2mA1Click() {
  if (m_prutok2mA && m_session.Mode() == MainMode::Viewing) m_prutok2mA->ShowFor(m_state, DecimalSeparator());
}

}  // namespace pramo
