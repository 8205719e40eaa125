#pragma once

#include <optional>
#include <string>

#include "access/windows/SessionWindow.h"
#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/Certificate.h"
#include "storage/Configuration.h"
#include "app/CalculationCommands.h"
#include "storage/DatabasePage.h"

namespace pramo {

// The four modes the main window shows itself in.
enum class MainMode { Administrator, User, Editing, Viewing };

// What a mode shows and enables in the main window.
struct ModeControls {
  bool inputPages = false;     // the input and results pages are shown
  bool inputEditable = false;  // and accept edits; so do the series list and the calculation number
  bool databasePage = false;
  bool administrationPage = false;
  bool toolBar = false;
  bool fileMenu = false;
  bool save = false;
  bool exportInputs = false;
  bool importInputs = false;
  bool printing = false;  // print settings, certificate and preview
  bool calculationMenu = false;
  bool run = false;
  bool uncertainties = false;  // the graph, the table and the flow table
  bool settingsEntries = false;
};
ModeControls ControlsOf(MainMode mode);

// The login, the mode it leads to and the program-wide flags of unsaved work, for the main window and its
// pages alike.
class SessionController {
 public:
  SessionController(Configuration configuration, std::string configurationPath);

  // A successful login: nothing counts as unsaved, and storing outside the standard's limits is locked.
  void Start(const Session& session);
  const Session& Current() const { return m_session; }
  bool IsAdministrator() const;
  // The administrator chose another database on the administration page.
  void UseDatabase(const std::string& path) { m_session.databasePath = path; }
  Signer SignerNow() const { return Signer{m_session.fullName, m_configuration.InstallationNumber}; }

  MainMode Mode() const { return m_mode; }
  void SetMode(MainMode mode) { m_mode = mode; }
  // The open calculation has not been stored yet.
  bool CalculationUnstored() const { return m_mode == MainMode::Editing; }

  // The configuration as the login window read it last; the windows change it as the user works.
  Configuration& Settings() { return m_configuration; }
  const Configuration& Settings() const { return m_configuration; }
  void UseConfiguration(const Configuration& configuration) { m_configuration = configuration; }
  const std::string& ConfigurationPath() const { return m_configurationPath; }

  bool SettingsChanged() const { return m_settingsChanged; }
  bool TextsChanged() const { return m_textsChanged; }
  bool Unsaved() const { return m_settingsChanged || m_textsChanged; }
  void MarkSettingsChanged() { m_settingsChanged = true; }
  void MarkTextsChanged() { m_textsChanged = true; }
  void ClearChanges() { m_settingsChanged = m_textsChanged = false; }

  // Saves the settings: the working settings as the state holds them and the footer switch. Nothing
  // counts as unsaved afterwards.
  void SaveProgramSettings(const CalculationState& state, bool printFooter, Messages& messages,
                           char decimalSeparator);
  // The interface state, with the print options in force, where the configuration file exists.
  void SaveInterfaceStateIfConfigured(const std::optional<PrintOptions>& options, Messages& messages);
  // The administrator leaves: unsaved settings are asked about, Yes saves them; false when he stays.
  bool AdministratorMayLeave(const CalculationState& state, bool printFooter, Messages& messages,
                             char decimalSeparator);

  bool SaveAll() const { return m_saveAll; }
  void AllowSaveAll() { m_saveAll = true; }

  bool LogoutFlag() const { return m_logout; }
  void SetLogout(bool logout) { m_logout = logout; }

  // A close request is being asked about; a second one meanwhile is the same request.
  bool Closing() const { return m_closing; }
  void SetClosing(bool closing) { m_closing = closing; }

 private:
  Session m_session;
  Configuration m_configuration;
  std::string m_configurationPath;
  MainMode m_mode = MainMode::User;
  bool m_settingsChanged = false;
  bool m_textsChanged = false;
  bool m_logout = false;
  bool m_saveAll = false;
  bool m_closing = false;
};

}  // namespace pramo
