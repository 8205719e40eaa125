#include "app/windows/tfmain.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

#include "access/windows/administrationpage.h"
#include "access/windows/tfzmenahesla2.h"
#include "app/windows/CalculationActions.h"
#include "app/windows/HiddenKeys.h"
#include "windows/Help.h"
#include "windows/Icons.h"
#include "windows/Language.h"
#include "app/windows/MainToolBars.h"
#include "windows/WindowText.h"
#include "app/windows/tfoprogramu.h"
#include "app/windows/tsdatabaze.h"
#include "app/windows/tsvysledky.h"
#include "app/windows/tszadani.h"
#include "legacy/windows/tfconvert.h"
#include "storage/FileSystem.h"
#include "strings/app.h"
#include "strings/storage.h"
#include "ui_tfmain.h"

namespace pramo {
namespace {

constexpr int kClientWidth = 792;
constexpr int kClientHeight = 559;

ToolActions ToolActionsOf(const Ui::TfMain& ui) {
  return {ui.AUlozit,
          ui.AExport,
          ui.AImport,
          ui.AVypocetParametru5,
          ui.AZobrazGrafNejistot,
          ui.AZobrazTabulkuNejistot,
          ui.ANahled,
          ui.ANapovedaObsah};
}

}  // namespace

TfMain::TfMain(Messages& messages, Configuration configuration, std::string configurationPath,
               QWidget* parent)
    : QMainWindow(parent),
      ui(std::make_unique<Ui::TfMain>()),
      m_messages(messages),
      m_session(std::move(configuration), std::move(configurationPath)) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  // The pages in their order before the administration page, each titled by its own title.
  m_zadani = new TSZadani(m_session, m_state, m_messages);
  m_vysledky = new TSVysledky(m_state, m_derived, m_messages);
  m_databaze = new TSDatabaze(m_session, m_messages);
  QTabWidget* pages = ui->PCNastaveni;
  for (QWidget* page : std::initializer_list<QWidget*>{m_zadani, m_vysledky, m_databaze}) {
    pages->insertTab(pages->indexOf(ui->TSAdmin), page, page->windowTitle());
    connect(page, &QWidget::windowTitleChanged, pages,
            [pages, page](const QString& title) { pages->setTabText(pages->indexOf(page), title); });
  }
  m_administration = new AdministrationPage(m_messages, m_session.Settings(), ui->TSAdmin);
  m_actions = new CalculationActions(*this, m_session, m_state, m_derived, m_messages,
                                     CalculationPages{*m_zadani, *m_vysledky, *m_databaze});
  FormCreate();
}

TfMain::~TfMain() = default;

void TfMain::FormCreate() {
  m_state.ResultsValid = false;
  m_session.ClearChanges();
  m_session.SetLogout(false);
  setWindowIcon(ProgramIcon());
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  ui->TBPramo11->setIconSize(QSize(22, 22));
  BuildMenuButtons(*this, *ui->MMPramo, *ui->TBPramo11,
                   {ui->MSoubor, ui->MVypocet, ui->MNastaveni, ui->MNapoveda});
  TBUzivatel = AddUserButton(*ui->TBPramo11);
  const int toolRow =
      std::max(ui->TBPramo11->sizeHint().height(), findChild<QToolBar*>("TBMenu")->sizeHint().height());
  ui->PCNastaveni->setGeometry(0, 0, kClientWidth, kClientHeight - toolRow);
  setFixedSize(kClientWidth, kClientHeight);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  ui->PCNastaveni->hide();
  ui->ATiskOsvedceni->setIcon(PrintIcon());
  DecorateActionButtons(*ui->TBPramo11, ToolActionsOf(*ui));
  ConnectHandlers();
  ConnectPages();
  m_zadani->RebuildButtonHints();
}

void TfMain::SetDialogs(TFZadej* zadej, TFRadaTlakDif* radaTlakDif, TFZadej2* zadej2, TFOProgramu* oProgramu,
                        TFJmenoTekutiny* jmenoTekutiny) {
  m_zadani->SetDialogs(zadej, radaTlakDif, zadej2, jmenoTekutiny);
  m_oProgramu = oProgramu;
  m_oProgramu->SetVersion(VersionLabel());
}

void TfMain::ConnectHandlers() {
  const std::pair<QAction*, void (CalculationActions::*)()> calculation[] = {
      {ui->AVypocetParametru5, &CalculationActions::AVypocetParametru5Execute},
      {ui->AUlozit, &CalculationActions::ActionSaveExecute},
      {ui->ATiskOsvedceni, &CalculationActions::ATiskOsvedceniExecute},
      {ui->ANahled, &CalculationActions::ANahledExecute},
      {ui->AExportPdf, &CalculationActions::AExportPdfExecute},
      {ui->AZobrazGrafNejistot, &CalculationActions::AZobrazGrafNejistotExecute},
      {ui->AZobrazTabulkuNejistot, &CalculationActions::ActionZobrazTabulkuNejistotExecute},
      {ui->AExport, &CalculationActions::AExportExecute},
      {ui->AImport, &CalculationActions::AImportExecute},
      {ui->ANastaveniTisku, &CalculationActions::ANastaveniTiskuExecute}};
  for (const auto& [action, handler] : calculation) connect(action, &QAction::triggered, m_actions, handler);
  connect(ui->AKonec, &QAction::triggered, this, &TfMain::AKonecExecute);
  connect(ui->AOdhlasit, &QAction::triggered, this, &TfMain::AOdhlasitExecute);
  connect(ui->Oprogramu1, &QAction::triggered, this, &TfMain::Oprogramu1Click);
  connect(ui->ANapovedaObsah, &QAction::triggered, this, [this] { OpenHelp(m_messages); });
  connect(ui->Zmenitprstupoveheslo, &QAction::triggered, this, &TfMain::ZmenitprstupovehesloClick);
  // The settings menu opens the input page's dialogs.
  TSZadani* page = m_zadani;
  for (const auto& [action, purpose] :
       {std::pair{ui->Presnostsnimacetlakovediference1, ValuePurpose::DpTransmitterAccuracy},
        std::pair{ui->Presnoststanovenimernehmotnosti1, ValuePurpose::DensityAccuracy},
        std::pair{ui->BarometrickyTlak1, ValuePurpose::BarometricPressure}})
    connect(action, &QAction::triggered, page, [page, purpose] { page->OpenValueDialog(purpose); });
  for (const auto& [action, purpose] :
       {std::pair{ui->Vztaznepodminkypromernouhmotnost1, ReferencePurpose::Density},
        std::pair{ui->Vztaznepodminkyproprutok1, ReferencePurpose::Flow}})
    connect(action, &QAction::triggered, page, [page, purpose] { page->OpenReferenceDialog(purpose); });
  connect(ui->Radahodnottlakovediference1, &QAction::triggered, page,
          &TSZadani::Radahodnottlakovediference1Click);

  connect(ui->BBKonec, &QPushButton::clicked, this, &TfMain::BBKonecClick);
  connect(ui->BBOdhlasit, &QPushButton::clicked, this, &TfMain::AOdhlasitExecute);
  connect(ui->BBConvert, &QPushButton::clicked, this, &TfMain::BBConvertClick);
  connect(ui->BBZapati, &QPushButton::clicked, this, &TfMain::BBZapatiClick);
  connect(ui->ChBZapati, &QCheckBox::clicked, this, &TfMain::ChBZapatiClick);
  connect(m_administration, &AdministrationPage::DatabaseChosen, this, [this] {
    m_session.UseDatabase(m_administration->DatabasePath());
    setWindowTitle(ToQt(WindowCaption(m_session.Current().databasePath)));
  });
  connect(m_administration, &AdministrationPage::TextsChanged, this,
          [this] { m_session.MarkTextsChanged(); });
  connect(m_administration, &AdministrationPage::SaveRequested, this, &TfMain::SaveProgramSettings);
}

// The pages hear of each other through the frame.
void TfMain::ConnectPages() {
  connect(m_zadani, &TSZadani::KindChanged, m_actions, &CalculationActions::LayOutResultsGrid);
  connect(m_actions, &CalculationActions::ModeWanted, this, &TfMain::SetMode);
  connect(m_actions, &CalculationActions::PageWanted, this, &TfMain::ShowPage);
  connect(m_zadani, &TSZadani::PageWanted, this, [this] { ShowPage(m_zadani); });
  connect(m_vysledky, &TSVysledky::BoreSized, m_zadani, &TSZadani::ShowSizedBore);
  connect(m_vysledky, &TSVysledky::FirstTransmitterShown, m_zadani, &TSZadani::ShowFirstTransmitter);
  connect(m_databaze, &TSDatabaze::PageWanted, this, [this] { ShowPage(m_databaze); });
  connect(m_databaze, &TSDatabaze::NumberTyped, m_vysledky, &TSVysledky::ShowNumber);
  connect(m_databaze, &TSDatabaze::CompaniesChanged, m_zadani, &TSZadani::FillCompanyList);
  connect(m_databaze, &TSDatabaze::ListingChoiceChanged, this, [this] { SetMode(MainMode::User); });
  connect(m_databaze, &TSDatabaze::CalculationOpened, m_actions, &CalculationActions::ShowStoredCalculation);
  connect(m_databaze, &TSDatabaze::EditingWanted, m_actions, &CalculationActions::EnterEditing);
}

void TfMain::ShowPage(QWidget* page) {
  ui->PCNastaveni->setCurrentWidget(page);
}

// ---------------------------------------------------------------------------------------------------------
// Start-up, modes and leaving.

void TfMain::SwitchLanguage(QComboBox& languageList) {
  pramo::SwitchLanguage(languageList, ReadLanguage(LocalFileSystem(), m_session.ConfigurationPath()));
}

void TfMain::Environment_ReInit() {
  m_zadani->ResetForStart();
  m_vysledky->ClearResults();
  m_vysledky->ClearMemo();
  m_actions->LayOutResultsGrid();
  m_databaze->ShowSortButton(0);
  m_session.ClearChanges();
}

void TfMain::LoginShown() {
  constexpr std::size_t kReservedOffset = 961;
  constexpr std::size_t kReservedBytes = 6;
  std::fill_n(m_state.StoredImage.begin() + kReservedOffset, kReservedBytes, std::uint8_t{0});
  m_databaze->ResetFilter();
  m_session.SetLogout(false);
  m_session.ClearChanges();
}

void TfMain::UseConfiguration(const Configuration& configuration) {
  m_session.UseConfiguration(configuration);
}

void TfMain::SetListingProgress(QProgressBar* bar) {
  m_databaze->SetListingProgress(bar);
}

void TfMain::UseShortDateFormat(std::string format) {
  m_databaze->UseShortDateFormat(std::move(format));
}

bool TfMain::StartSession(const Session& session) {
  m_session.Start(session);
  ui->AUlozit->setEnabled(false);
  if (m_session.IsAdministrator()) {
    ui->PCNastaveni->show();
    SetMode(MainMode::Administrator);
    // The settings menu's dialogs edit the working settings through the calculation state.
    ApplyWorkingSettings(m_session.Settings().Working, m_state);
    m_zadani->RebuildButtonHints();
    m_administration->ShowConfiguration();
    const QSignalBlocker blocker(ui->ChBZapati);
    ui->ChBZapati->setChecked(m_session.Settings().Working.PrintFooter);
    return true;
  }
  m_databaze->ResetDatabasePage();
  if (!m_databaze->ListDatabaseIntoGrid()) return false;
  m_state.ResultsValid = false;
  SetToolHints(*ui->TBPramo11, ToolActionsOf(*ui));
  TBUzivatel->setText(ToQt(session.fullName));
  ui->PCNastaveni->show();
  SetMode(MainMode::User);
  return true;
}

void TfMain::SetMode(MainMode mode) {
  m_session.SetMode(mode);
  const ModeControls controls = ControlsOf(mode);
  QTabWidget* pages = ui->PCNastaveni;
  pages->show();
  pages->setTabVisible(pages->indexOf(m_zadani), controls.inputPages);
  pages->setTabVisible(pages->indexOf(m_vysledky), controls.inputPages);
  pages->setTabVisible(pages->indexOf(m_databaze), controls.databasePage);
  pages->setTabVisible(pages->indexOf(ui->TSAdmin), controls.administrationPage);
  // A shown calculation is read, not edited: both of its pages are locked.
  m_zadani->setEnabled(controls.inputEditable);
  m_vysledky->setEnabled(controls.inputEditable);
  m_vysledky->AllowChoice(controls.inputEditable);
  m_databaze->AllowNumberEdits(controls.inputEditable);
  if (mode == MainMode::Editing) ShowPage(m_zadani);
  if (mode == MainMode::User) ShowPage(m_databaze);
  if (mode == MainMode::Administrator) ShowPage(ui->TSAdmin);
  ui->TBPramo11->setVisible(controls.toolBar);
  TBUzivatel->setVisible(controls.toolBar);

  ui->MSoubor->menuAction()->setEnabled(controls.fileMenu);
  ui->AUlozit->setEnabled(controls.save);
  ui->AExport->setEnabled(controls.exportInputs);
  ui->AImport->setEnabled(controls.importInputs);
  for (QAction* print : {ui->ANastaveniTisku, ui->ATiskOsvedceni, ui->ANahled, ui->AExportPdf})
    print->setEnabled(controls.printing);
  ui->MVypocet->menuAction()->setEnabled(controls.calculationMenu);
  ui->AVypocetParametru5->setEnabled(controls.run);
  ui->AZobrazGrafNejistot->setEnabled(controls.uncertainties);
  ui->AZobrazTabulkuNejistot->setEnabled(controls.uncertainties);
  if (auto* flowTable = findChild<QAction*>(QStringLiteral("Aq2mA")))
    flowTable->setEnabled(controls.uncertainties);
  for (QAction* setting : {ui->Presnostsnimacetlakovediference1, ui->Presnoststanovenimernehmotnosti1,
                           ui->Radahodnottlakovediference1, ui->BarometrickyTlak1,
                           ui->Vztaznepodminkypromernouhmotnost1, ui->Vztaznepodminkyproprutok1})
    setting->setEnabled(controls.settingsEntries);

  if (mode == MainMode::User) {
    m_databaze->ClearIdentification();
    m_zadani->ClearIdentification();
  }
  const std::string& path = m_session.Current().databasePath;
  setWindowTitle(mode == MainMode::Administrator || path.empty() ? QStringLiteral("Pramo")
                                                                 : ToQt(WindowCaption(path)));
}

void TfMain::closeEvent(QCloseEvent* event) {
  // Hidden behind the login window after a logout: ending the program there asks nothing.
  if (isHidden()) {
    SaveInterfaceStateIfConfigured();
    event->accept();
    return;
  }
  // A second close request while a question is open is the same request.
  if (m_session.Closing()) {
    event->ignore();
    return;
  }
  m_session.SetClosing(true);
  bool mayClose = true;
  if (m_session.Mode() == MainMode::Administrator) {
    if (m_administration->NewDatabaseWithoutUsers())
      Tell(m_messages, MessageKind::Warning, str::kNoUserInNewDatabase);
    mayClose = AdministratorMayLeave();
  } else {
    mayClose = m_actions->MayLeaveCalculation();
  }
  m_session.SetClosing(false);
  if (!mayClose) {
    event->ignore();
    return;
  }
  SaveInterfaceStateIfConfigured();
  event->accept();
}

void TfMain::SaveProgramSettings() {
  m_session.SaveProgramSettings(m_state, ui->ChBZapati->isChecked(), m_messages, DecimalSeparator());
}

bool TfMain::AdministratorMayLeave() {
  return m_session.AdministratorMayLeave(m_state, ui->ChBZapati->isChecked(), m_messages, DecimalSeparator());
}

void TfMain::SaveInterfaceStateIfConfigured() {
  m_session.SaveInterfaceStateIfConfigured(m_actions->PrintOptionsNow(), m_messages);
}

void TfMain::AKonecExecute() {
  m_session.SetLogout(false);
  close();
}

// The administration page's "Konec": unsaved settings lead back to the login window whatever the answer
// (but Cancel); without them the program ends.
void TfMain::BBKonecClick() {
  if (m_session.Mode() == MainMode::Administrator && m_session.Unsaved()) {
    if (AdministratorMayLeave()) LogOut(false);
    return;
  }
  AKonecExecute();
}

void TfMain::AOdhlasitExecute() {
  if (m_session.Mode() == MainMode::Administrator) {
    if (AdministratorMayLeave()) LogOut(false);
    return;
  }
  if (m_actions->MayLeaveCalculation()) LogOut(true);
}

void TfMain::LogOut(bool withInterfaceState) {
  if (withInterfaceState) SaveInterfaceStateIfConfigured();
  m_session.SetLogout(true);
  m_session.ClearChanges();
  hide();
  emit LoggedOut();
}

// The switch itself is taken over when the settings are saved.
void TfMain::ChBZapatiClick() {
  m_session.MarkTextsChanged();
}

void TfMain::ZmenitprstupovehesloClick() {
  if (!m_zmenaHesla2) return;
  const Session& session = m_session.Current();
  m_zmenaHesla2->ShowFor(PasswordAccount{m_session.Mode() == MainMode::Administrator, session.userName,
                                         session.fullName, session.databasePath},
                         false);
}

void TfMain::Oprogramu1Click() {
  if (m_oProgramu) m_oProgramu->ShowFor(m_session.Settings().OwnerName);
}

// ---------------------------------------------------------------------------------------------------------
// The windows the frame opens.

void TfMain::SetPrintWindows(CertificatePrinter* printer, TFNahled* nahled, TFNastaveniTisku* nastaveniTisku,
                             TFZapati* zapati) {
  m_actions->SetPrintWindows(printer, nahled, nastaveniTisku, zapati);
}

void TfMain::SetUncertaintyWindows(TFGraf* graf, TFTabulkaNejistot* tabulkaNejistot) {
  m_actions->SetUncertaintyWindows(graf, tabulkaNejistot);
}

void TfMain::SetFileChooser(CalculationFileChooser chooser) {
  m_actions->SetFileChooser(std::move(chooser));
}

void TfMain::BBZapatiClick() {
  m_actions->BBZapatiClick();
}

void TfMain::SetFlowTableWindow(TFPrutok2mA* prutok2mA) {
  // A child of the window, which keeps it for the window's life.
  new HiddenKeys(*this, m_session, m_state, m_messages, prutok2mA);
}

void TfMain::BBConvertClick() {
  if (m_convert)
    m_convert->ShowFor(m_session.Settings().DatabaseFolder,
                       FromQt(QFileInfo(ToQt(m_session.Current().databasePath)).fileName()),
                       m_databaze->CompanyNames());
}

}  // namespace pramo
