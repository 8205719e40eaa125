#include "printing/qt/HeadlessGui.h"

#include <QtGlobal>

namespace pramo {

HeadlessGui::HeadlessGui() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace pramo
