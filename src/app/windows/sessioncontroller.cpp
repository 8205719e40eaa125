#include "app/windows/sessioncontroller.h"

#include "access/Users.h"

namespace pramo {

ModeControls ControlsOf(MainMode mode) {
  const bool admin = mode == MainMode::Administrator;
  const bool editing = mode == MainMode::Editing;
  const bool viewing = mode == MainMode::Viewing;
  ModeControls c;
  c.inputPages = editing || viewing;
  c.inputEditable = editing;
  c.databasePage = !admin;
  c.administrationPage = admin;
  c.toolBar = !admin;
  c.fileMenu = !admin;
  c.save = editing;
  c.exportInputs = editing || viewing;
  c.importInputs = editing;
  c.printing = viewing;
  c.calculationMenu = editing || viewing;
  c.run = editing;
  c.uncertainties = editing || viewing;
  c.settingsEntries = admin || editing;
  return c;
}

SessionController::SessionController(Configuration configuration, std::string configurationPath)
    : m_configuration(std::move(configuration)), m_configurationPath(std::move(configurationPath)) {}

void SessionController::Start(const Session& session) {
  m_session = session;
  m_saveAll = false;
  m_logout = false;
  ClearChanges();
}

bool SessionController::IsAdministrator() const {
  return m_session.userName == AdministratorLoginName();
}

}  // namespace pramo
