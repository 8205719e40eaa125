#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/CalculationCommands.h"
#include "app/CalculationRun.h"
#include "app/InputPageRules.h"
#include "app/SettingsDialogs.h"
#include "core/CalculationState.h"
#include "core/InputForm.h"
#include "core/Messages.h"
#include "storage/Configuration.h"
#include "storage/DatabaseListing.h"
#include "storage/DatabasePage.h"
#include "storage/windows/CalculationFileDialog.h"

class QCheckBox;
class QComboBox;
class QHeaderView;
class QLineEdit;
class QProgressBar;
class QTableWidget;
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
class CompaniesGroup;
class CertificatePrinter;
class TFNahled;
class TFNastaveniTisku;
class TFZapati;
struct CertificateSettings;
class TFGraf;
class TFTabulkaNejistot;
class TFPrutok2mA;
class TFConvert;

// The four modes the main window shows itself in.
enum class MainMode { Administrator, User, Editing, Viewing };

// Who works in the window: set by the login.
struct Session {
  std::string userName;  // login name; "admin" for the administrator
  std::string fullName;  // signs and numbers the calculations
  std::string databasePath;
};

// The main window "Pramo": the input, results, database and administration pages.
class TfMain : public QMainWindow {
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

  // The configuration as the login window read it last.
  void UseConfiguration(const Configuration& configuration) { m_configuration = configuration; }
  // The printer and the windows of printing: the print options are taken from the configuration.
  void SetPrintWindows(CertificatePrinter* printer, TFNahled* nahled, TFNastaveniTisku* nastaveniTisku,
                       TFZapati* zapati);

  void SetUncertaintyWindows(TFGraf* graf, TFTabulkaNejistot* tabulkaNejistot);
  void SetFlowTableWindow(TFPrutok2mA* prutok2mA);
  void SetConversionWindow(TFConvert* convert);
  // How the export and import choose their file; the system's file dialog unless told otherwise.
  void SetFileChooser(CalculationFileChooser chooser) { m_chooseFile = std::move(chooser); }

  // Puts every page into its initial state.
  void Environment_ReInit();
  // The start-up language switch: the configured language's module and help, the login window's list.
  void SwitchLanguage(QComboBox& languageList);

  // The login window is shown (at start and after every logout): the reserved bytes of the calculation
  // are cleared, the database page's filter goes back to every calculation and nothing counts as unsaved.
  void LoginShown();
  // The progress bar a listing of the database drives (the login window's).
  void SetListingProgress(QProgressBar* bar) { m_listingProgress = bar; }
  // How the database page shows dates (the locale's short date format, one separator character).
  void UseShortDateFormat(std::string format) { m_shortDateFormat = std::move(format); }

  // A successful login: the user mode on the chosen database, or the administrator mode. False when the
  // user's database could not be listed (told).
  bool StartSession(const Session& session);

  void SetMode(MainMode mode);
  MainMode Mode() const { return m_mode; }

  CalculationState& State() { return m_state; }
  bool SettingsChanged() const { return m_settingsChanged; }
  bool LogoutFlag() const { return m_logout; }
  bool TextsChanged() const { return m_textsChanged; }
  const std::vector<SeriesEntry>& SeriesEntries() const { return m_entries; }

  // The input page as the engine's form, and the form put back onto the page.
  InputForm FormOfPage() const;
  void ShowForm(const InputForm& form);

  // The handlers of the actions, menus and pages, named after their control and event.
  void AVypocetParametru5Execute();
  void cbVyberZRadyChange(int index);
  void ActionSaveExecute();
  void AKonecExecute();
  void AOdhlasitExecute();
  void BBKonecClick();
  void ChBZapatiClick();
  void ZmenitprstupovehesloClick();
  void Oprogramu1Click();
  void ATiskOsvedceniExecute();
  void ANahledExecute();
  void ANastaveniTiskuExecute();
  void BBZapatiClick();
  void AZobrazGrafNejistotExecute();
  void ActionZobrazTabulkuNejistotExecute();
  void AExportExecute();
  void AImportExecute();
  // The hidden key sequence (Ctrl+Alt+K, Ctrl+Alt+W, then Ctrl+Alt+J or Ctrl+Alt+Y) and the flow table.
  void OD11Click();
  void OD21Click();
  void OD31Click();
  void Povoluloenvechvpot1Click();
  void q2mA1Click();
  // "Kvantora -> Pramo" on the administration page.
  void BBConvertClick();
  bool SaveAll() const { return m_saveAll; }

 signals:
  // The user logged out: the login window takes over.
  void LoggedOut();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Start-up and layout.
  void FormCreate();
  void BuildMenuButtons();
  void ConnectHandlers();
  void LayOutCascadeGrid();
  void LayOutResultsGrid();
  void LayOutSeriesHeader();
  void SetToolHints();
  void RebuildButtonHints();

  // Input page.
  void ResetInputPage();
  void ShowCalculationOnPage(const CalculationState& state);
  void MarkChanged();
  QString FieldText(QObject* field) const;
  void OnEditEnter(QObject* field, bool byUser);
  void OnEditEnter2(QObject* field);
  void OnEditExit1(QObject* field);
  void OnEditExit2(QObject* field);
  void OnEKeyPress1(QObject* field);
  void OnEKeyPress2(QObject* field);
  bool ListIndexChanged(QComboBox* list, int index);
  void ApplyFluidLists();
  void ZobrazeniTvarovekNejistot();
  void ArrangeRowsForKind();
  void UpdateMaterialLabels();
  void FollowBox(QCheckBox* box, QLineEdit* edit, QComboBox* unit);
  void FollowPropertyBox(bool FluidControls::*forced, QCheckBox* box, QLineEdit* edit, QComboBox* unit);
  void SyncPropertyEdits();
  void FillMaterialLists();
  // The company field offers the names of the open database; the name it shows stays.
  void FillCompanyList();
  void ShowCompany(const QString& name);

  void CBTekutina5Change(int index);
  void CBPrimarniPrvekChange(int index);
  void cbDruhVypoctuChange(int index);
  void ChBProvozniTeplotaClick();
  void ChBMernaHmotnostClick();
  void ChBDynamickaViskozitaClick();
  void ChBIzentropickyExponentClick();
  void ChBSuchyVzduchClick();
  void ChBDifTlakMaxClick();
  void CBJednTlakHChange(int index);
  void CBJednMernaHmotnostChange(int index);
  void CBFlowUnitChange(int index);
  void CBJednProvozniTeplotaChange(int index);
  void CBJednViskozitaChange(int index);
  void CBJednDifTlakMaxHChange(int index);
  void CBJednPrumerPotrubiPri20CChange(int index);
  void cbMaterialPrimPrvkuChange(int index);
  void cbMaterialPotrubiChange(int index);
  void chbTvarovkaClick();
  void ChBNejistota05Click();
  void ChBNejistota02Click();
  void CBUtvarChange(int index);
  void BBTekutina7Click();
  void SGKaskada2Edited();
  void ClearCascadeGrid();
  void ShowCascadeGrid(const CascadeGrid& cascade);
  bool ReadCascadeOfPage();

  // Settings dialogs.
  void OpenValueDialog(ValuePurpose purpose);
  void OpenReferenceDialog(ReferencePurpose purpose);
  void Radahodnottlakovediference1Click();
  void ValueStored(ValuePurpose purpose);

  // Results page.
  void ClearResults();
  void ShowResults();
  void ShowStoredResults();

  // Database page.
  DatabaseAccess Database();
  bool ListDatabaseIntoGrid();
  void ShowIdentification(const CalculationState& state, bool countWritable);
  void EnterEditing(const CalculationState& state, bool countWritable, bool newCalculation);
  void bZobrazitvypocet1Click();
  void bNovyvypocet1Click();
  void bbKopievypoctu1Click();
  void bbPrepocitatvypocet1Click();
  void EditSelectedCalculation(bool asCopy);
  void ForgetGraphPrintSettings();
  void ShowNewListing();
  // The running count and index edits.
  void EAkceTypExit2();
  void eCisloVypoctuIdxExit();
  void eCisloVypoctuCountChange();
  void NumberEditExit(QLineEdit* edit, int digits);
  bool NumberEditsHoldNumbers();
  void SetUpDatabasePage();
  // The database page's texts set in code, in the language in force.
  void RetranslateDatabasePage();
  void ResetDatabasePage();
  void ResetFilter();
  void ShowSortButton(int sortOrder);
  ListingFilter CurrentFilter() const;
  ListingRequest CurrentListingRequest() const;
  void FillDatabaseGrid();
  void EmptyDatabaseGrid();
  bool FilterChangeAllowed();
  void SGDatabaze6SelectCell(int row);
  void CBFiltr1Change(int index);
  void CBFiltr2Change(int index);
  void sbSeraditDleCislaVypoctuClick();
  void CompaniesChanged();

  // Printing: what the certificate shows besides the calculation, as the windows hold it now.
  CertificateSettings CertificateSettingsNow() const;

  // Leaving.
  bool StoreCurrent();
  void LogOut(bool withInterfaceState);
  void AdministratorLogOut();
  void SaveProgramSettings();
  void SaveInterfaceStateIfConfigured();

  std::unique_ptr<Ui::TfMain> ui;
  Messages& m_messages;
  Configuration m_configuration;
  std::string m_configurationPath;
  Session m_session;

  CalculationState m_state;
  DerivedValues m_derived;
  std::vector<SeriesEntry> m_entries;
  bool m_resultsStored = false;  // the results page shows a stored calculation, not a run
  DatabaseListing m_listing;
  std::size_t m_selectedRow = 1;
  int m_filterKind = 0;   // the index of CBFiltr1 the grid was listed with
  int m_filterItem = -1;  // and of CBFiltr2
  CompaniesGroup* m_companies = nullptr;
  bool m_countWritable = true;

  MainMode m_mode = MainMode::User;
  bool m_settingsChanged = false;
  bool m_textsChanged = false;
  bool m_logout = false;
  bool m_saveAll = false;
  bool m_closing = false;
  PrimaryElementKind m_element = PrimaryElementKind::OrificeCorner;

  QHeaderView* HCVyber = nullptr;
  QToolButton* TBUzivatel = nullptr;
  QProgressBar* m_listingProgress = nullptr;
  std::string m_shortDateFormat = kPlainListingDatePattern;
  std::vector<QLineEdit*> m_numericEdits;
  std::vector<QCheckBox*> m_fittingBoxes;
  QString m_textOnEntry;

  TFZadej* m_zadej = nullptr;
  TFRadaTlakDif* m_radaTlakDif = nullptr;
  TFZadej2* m_zadej2 = nullptr;
  TFOProgramu* m_oProgramu = nullptr;
  TFJmenoTekutiny* m_jmenoTekutiny = nullptr;
  TFZmenaHesla2* m_zmenaHesla2 = nullptr;
  AdministrationPage* m_administration = nullptr;
  CertificatePrinter* m_printer = nullptr;
  TFNahled* m_nahled = nullptr;
  TFNastaveniTisku* m_nastaveniTisku = nullptr;
  TFZapati* m_zapati = nullptr;
  TFGraf* m_graf = nullptr;
  TFTabulkaNejistot* m_tabulkaNejistot = nullptr;
  CalculationFileChooser m_chooseFile = ChooseCalculationFile;
  TFPrutok2mA* m_prutok2mA = nullptr;
  TFConvert* m_convert = nullptr;
  bool m_keyStep1 = false;
  bool m_keyStep2 = false;
  QString m_diagnosticPath;
};

}  // namespace pramo
