#pragma once

#include <QObject>
#include <QString>

#include "app/windows/sessioncontroller.h"
#include "core/CalculationState.h"
#include "core/Messages.h"

class QWidget;

namespace pramo {

class TFPrutok2mA;

// The main window's actions without a menu entry: the hidden key sequence (Ctrl+Alt+K, Ctrl+Alt+W, then
// Ctrl+Alt+J for the diagnostic export or Ctrl+Alt+Y to store outside the standard's limits) and the flow
// table (Ctrl+I).
class HiddenKeys : public QObject {
  Q_OBJECT

 public:
  HiddenKeys(QWidget& window, SessionController& session, CalculationState& state, Messages& messages,
             TFPrutok2mA* prutok2mA);

  void OD11Click();
  void OD21Click();
  void OD31Click();
  void Povoluloenvechvpot1Click();
  void q2mA1Click();

 private:
  QWidget& m_window;
  SessionController& m_session;
  CalculationState& m_state;
  Messages& m_messages;
  TFPrutok2mA* m_prutok2mA;
  bool m_keyStep1 = false;
  bool m_keyStep2 = false;
  QString m_diagnosticPath;
};

}  // namespace pramo
