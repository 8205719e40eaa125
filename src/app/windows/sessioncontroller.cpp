#include "app/windows/sessioncontroller.h"

#include "access/Users.h"
#include "printing/PrintOptionsConfiguration.h"
#include "storage/FileSystem.h"
#include "strings/storage.h"

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

void SessionController::SaveProgramSettings(const CalculationState& state, bool printFooter,
                                            Messages& messages, char decimalSeparator) {
  TakeWorkingSettings(state, m_configuration.Working);
  m_configuration.Working.PrintFooter = printFooter;
  if (SaveSettings(LocalFileSystem(), m_configurationPath, m_configuration, messages, decimalSeparator))
    ClearChanges();
}

void SessionController::SaveInterfaceStateIfConfigured(const std::optional<PrintOptions>& options,
                                                       Messages& messages) {
  InterfaceState& interface = m_configuration.Interface;
  if (options) TakePrintOptions(*options, interface);
  if (LocalFileSystem().Exists(m_configurationPath))
    SaveInterfaceState(LocalFileSystem(), m_configurationPath, interface, messages);
}

bool SessionController::AdministratorMayLeave(const CalculationState& state, bool printFooter,
                                              Messages& messages, char decimalSeparator) {
  if (!Unsaved()) return true;
  const Answer answer = messages.Show(Message{MessageKind::Warning,
                                              str::kSettingsNotSaved.id,
                                              Tr(str::kSettingsNotSaved),
                                              {Answer::Yes, Answer::No, Answer::Cancel}});
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) SaveProgramSettings(state, printFooter, messages, decimalSeparator);
  return true;
}

}  // namespace pramo
