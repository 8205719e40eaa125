#pragma once

#include <memory>
#include <string>

#include <QMainWindow>

#include "app/windows/sessioncontroller.h"
#include "core/CalculationState.h"
#include "core/InputForm.h"
#include "core/Messages.h"
#include "storage/Configuration.h"
#include "storage/windows/CalculationFileDialog.h"

class QComboBox;
class QProgressBar;
class QToolButton;

namespace Ui {
class TfMain;
}

namespace pramo {

class TFZadej;
class TFZadej2;
class TFRadaTlakDif;
class TFJmenoTekutiny;
class TFOProgramu;
class TFZmenaHesla2;
class AdministrationPage;
class CertificatePrinter;
class TFNahled;
class TFNastaveniTisku;
class TFZapati;
class TFGraf;
class TFTabulkaNejistot;
class TFPrutok2mA;
class TFConvert;
class TSZadani;
class TSVysledky;
class TSDatabaze;
class CalculationActions;

// The main window "Pramo": the frame of the input, results, database and administration pages, with the
// menus and the tool bar, shown in the mode the session is in.
class TfMain : public QMainWindow, public SessionWindow {
  Q_OBJECT

 public:
  TfMain(Messages& messages, Configuration configuration, std::string configurationPath,
         QWidget* parent = nullptr);
  ~TfMain() override;

  // The secondary windows it opens, created by the start-up in their order.
  void SetDialogs(TFZadej* zadej, TFRadaTlakDif* radaTlakDif, TFZadej2* zadej2, TFOProgramu* oProgramu,
                  TFJmenoTekutiny* jmenoTekutiny);
  // The password change window of the menu "Změnit přístupové heslo".
  void SetPasswordChange(TFZmenaHesla2* zmenaHesla2) { m_zmenaHesla2 = zmenaHesla2; }
  // The printer and the windows of printing: the print options are taken from the configuration.
  void SetPrintWindows(CertificatePrinter* printer, TFNahled* nahled, TFNastaveniTisku* nastaveniTisku,
                       TFZapati* zapati);
  void SetUncertaintyWindows(TFGraf* graf, TFTabulkaNejistot* tabulkaNejistot);
  void SetFlowTableWindow(TFPrutok2mA* prutok2mA);
  void SetConversionWindow(TFConvert* convert) { m_convert = convert; }
  // How the export and import choose their file; the system's file dialog unless told otherwise.
  void SetFileChooser(CalculationFileChooser chooser);

  // Puts every page into its initial state.
  void Environment_ReInit();
  // The start-up language switch: the configured language's module and help, the login window's list.
  void SwitchLanguage(QComboBox& languageList);

  // The login window is shown (at start and after every logout): the reserved bytes of the calculation
  // are cleared, the database page's filter goes back to every calculation and nothing counts as unsaved.
  void LoginShown() override;
  void UseConfiguration(const Configuration& configuration) override;
  void SetListingProgress(QProgressBar* bar) override;
  void UseShortDateFormat(std::string format) override;
  // A successful login: the user mode on the chosen database, or the administrator mode. False when the
  // user's database could not be listed (told).
  bool StartSession(const Session& session) override;
  void EnterSession() override { show(); }
  // Closing asks about unsaved work (closeEvent).
  bool EndProgram() override { return close(); }

  void SetMode(MainMode mode);
  MainMode Mode() const { return m_session.Mode(); }
  CalculationState& State() { return m_state; }
  bool SettingsChanged() const { return m_session.SettingsChanged(); }
  bool TextsChanged() const { return m_session.TextsChanged(); }
  bool LogoutFlag() const { return m_session.LogoutFlag(); }
  bool SaveAll() const { return m_session.SaveAll(); }

  // The handlers of the actions and menus, named after their control and event.
  void AKonecExecute();
  void AOdhlasitExecute();
  void BBKonecClick();
  void ChBZapatiClick();
  void ZmenitprstupovehesloClick();
  void Oprogramu1Click();
  void BBZapatiClick();
  // "Kvantora -> Pramo" on the administration page.
  void BBConvertClick();

 signals:
  // The user logged out: the login window takes over.
  void LoggedOut();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void ConnectHandlers();
  void ConnectPages();
  void ShowPage(QWidget* page);

  // Leaving.
  void LogOut(bool withInterfaceState);
  bool AdministratorMayLeave();
  void SaveProgramSettings();
  void SaveInterfaceStateIfConfigured();

  std::unique_ptr<Ui::TfMain> ui;
  Messages& m_messages;
  SessionController m_session;
  CalculationState m_state;
  DerivedValues m_derived;

  TSZadani* m_zadani = nullptr;
  TSVysledky* m_vysledky = nullptr;
  TSDatabaze* m_databaze = nullptr;
  AdministrationPage* m_administration = nullptr;
  CalculationActions* m_actions = nullptr;
  QToolButton* TBUzivatel = nullptr;

  TFOProgramu* m_oProgramu = nullptr;
  TFZmenaHesla2* m_zmenaHesla2 = nullptr;
  TFConvert* m_convert = nullptr;
};

}  // namespace pramo
