#include "app/windows/tfmain.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

#include "access/Users.h"
#include "access/windows/administrationpage.h"
#include "access/windows/tfzmenahesla2.h"
#include "app/CalculationRun.h"
#include "app/windows/HiddenKeys.h"
#include "app/windows/Help.h"
#include "app/windows/Icons.h"
#include "app/windows/Language.h"
#include "app/windows/WindowText.h"
#include "app/windows/tfoprogramu.h"
#include "app/windows/tsdatabaze.h"
#include "app/windows/tsvysledky.h"
#include "app/windows/tszadani.h"
#include "core/InputGathering.h"
#include "core/NumberText.h"
#include "legacy/windows/tfconvert.h"
#include "printing/qt/LocaleFormats.h"
#include "printing/windows/CertificatePrinter.h"
#include "printing/windows/tfnahled.h"
#include "printing/windows/tfnastavenitisku.h"
#include "printing/windows/tfzapati.h"
#include "storage/ExportImport.h"
#include "storage/FileSystem.h"
#include "strings/app.h"
#include "strings/storage.h"
#include "uncertainty/FlowUncertainty.h"
#include "uncertainty/windows/tfgraf.h"
#include "uncertainty/windows/tftabulkanejistot.h"
#include "ui_tfmain.h"

namespace pramo {
namespace {

constexpr int kClientWidth = 792;
constexpr int kClientHeight = 559;

// The administrator leaves with unsaved settings: a warning with Yes, No and Cancel.
Answer AskSaveSettings(Messages& messages) {
  return messages.Show(Message{MessageKind::Warning,
                               str::kSettingsNotSaved.id,
                               Tr(str::kSettingsNotSaved),
                               {Answer::Yes, Answer::No, Answer::Cancel}});
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
  BuildMenuButtons();
  const int toolRow =
      std::max(ui->TBPramo11->sizeHint().height(), findChild<QToolBar*>("TBMenu")->sizeHint().height());
  ui->PCNastaveni->setGeometry(0, 0, kClientWidth, kClientHeight - toolRow);
  setFixedSize(kClientWidth, kClientHeight);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  ui->PCNastaveni->hide();

  const std::pair<QAction*, ToolGlyph> glyphs[] = {
      {ui->AUlozit, ToolGlyph::Save},
      {ui->AExport, ToolGlyph::Export},
      {ui->AImport, ToolGlyph::Import},
      {ui->AVypocetParametru5, ToolGlyph::Calculate},
      {ui->AZobrazGrafNejistot, ToolGlyph::Graph},
      {ui->AZobrazTabulkuNejistot, ToolGlyph::Table},
      {ui->ANahled, ToolGlyph::Preview},
      {ui->ANapovedaObsah, ToolGlyph::Help},
  };
  const char* buttonNames[] = {"TBUlozit",       "TBExport",          "TBImport", "TBVypocet",
                               "TBGrafNejistot", "TBTabulkaNejistot", "TBNahled", "TBNapoveda"};
  ui->ATiskOsvedceni->setIcon(PrintIcon());
  for (std::size_t i = 0; i < std::size(glyphs); ++i) {
    glyphs[i].first->setIcon(ToolIcon(glyphs[i].second));
    if (QWidget* button = ui->TBPramo11->widgetForAction(glyphs[i].first))
      button->setObjectName(QString::fromLatin1(buttonNames[i]));
  }
  ConnectHandlers();
  ConnectPages();
  m_zadani->RebuildButtonHints();
}

// The menus are shown as the four buttons of a tool bar in front of the action buttons; the menu bar
// itself stays hidden, its actions (and their keys) belong to the window.
void TfMain::BuildMenuButtons() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("TBMenu"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  insertToolBar(ui->TBPramo11, bar);
  const std::pair<QMenu*, const char*> menus[] = {{ui->MSoubor, "TBMMSoubor"},
                                                  {ui->MVypocet, "TBMMVypocet"},
                                                  {ui->MNastaveni, "TBMMNastaveni"},
                                                  {ui->MNapoveda, "TBMMNapoveda"}};
  QToolButton* first = nullptr;
  for (const auto& [menu, name] : menus) {
    // A button of its own, not the menu's action, keeps the title's mnemonic: Alt and the letter open it.
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(menu->title());
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    bar->addWidget(button);
    QAction* menuAction = menu->menuAction();
    // The menu's action changes with its state and, on a language change, with its title.
    connect(menuAction, &QAction::changed, button, [button, menu, menuAction] {
      button->setEnabled(menuAction->isEnabled());
      button->setText(menu->title());
    });
    if (!first) first = button;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) addAction(action);
  }
  ui->MMPramo->hide();
  // F10 opens the first menu, as it does a menu bar.
  connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, first, [first] {
    if (first->isEnabled()) first->showMenu();
  });
  // The logged-in user's name, at the end of the action buttons.
  ui->TBPramo11->addSeparator();
  TBUzivatel = new QToolButton(ui->TBPramo11);
  TBUzivatel->setObjectName(QStringLiteral("TBUzivatel"));
  TBUzivatel->setToolButtonStyle(Qt::ToolButtonTextOnly);
  TBUzivatel->setFocusPolicy(Qt::NoFocus);
  ui->TBPramo11->addWidget(TBUzivatel);
}

void TfMain::SetDialogs(TFZadej* zadej, TFRadaTlakDif* radaTlakDif, TFZadej2* zadej2, TFOProgramu* oProgramu,
                        TFJmenoTekutiny* jmenoTekutiny) {
  m_zadani->SetDialogs(zadej, radaTlakDif, zadej2, jmenoTekutiny);
  m_oProgramu = oProgramu;
  m_oProgramu->SetVersion(VersionLabel());
}

void TfMain::ConnectHandlers() {
  connect(ui->AVypocetParametru5, &QAction::triggered, this, &TfMain::AVypocetParametru5Execute);
  connect(ui->AUlozit, &QAction::triggered, this, &TfMain::ActionSaveExecute);
  connect(ui->AKonec, &QAction::triggered, this, &TfMain::AKonecExecute);
  connect(ui->AOdhlasit, &QAction::triggered, this, &TfMain::AOdhlasitExecute);
  connect(ui->Oprogramu1, &QAction::triggered, this, &TfMain::Oprogramu1Click);
  connect(ui->ANapovedaObsah, &QAction::triggered, this, [this] { OpenHelp(m_messages); });
  connect(ui->Zmenitprstupoveheslo, &QAction::triggered, this, &TfMain::ZmenitprstupovehesloClick);
  TSZadani* page = m_zadani;
  connect(ui->Presnostsnimacetlakovediference1, &QAction::triggered, page,
          [page] { page->OpenValueDialog(ValuePurpose::DpTransmitterAccuracy); });
  connect(ui->Presnoststanovenimernehmotnosti1, &QAction::triggered, page,
          [page] { page->OpenValueDialog(ValuePurpose::DensityAccuracy); });
  connect(ui->BarometrickyTlak1, &QAction::triggered, page,
          [page] { page->OpenValueDialog(ValuePurpose::BarometricPressure); });
  connect(ui->Radahodnottlakovediference1, &QAction::triggered, page,
          &TSZadani::Radahodnottlakovediference1Click);
  connect(ui->Vztaznepodminkypromernouhmotnost1, &QAction::triggered, page,
          [page] { page->OpenReferenceDialog(ReferencePurpose::Density); });
  connect(ui->Vztaznepodminkyproprutok1, &QAction::triggered, page,
          [page] { page->OpenReferenceDialog(ReferencePurpose::Flow); });

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
  connect(m_zadani, &TSZadani::KindChanged, this, &TfMain::LayOutResultsGrid);
  connect(m_zadani, &TSZadani::PageWanted, this, [this] { ShowPage(m_zadani); });
  connect(m_vysledky, &TSVysledky::BoreSized, m_zadani, &TSZadani::ShowSizedBore);
  connect(m_vysledky, &TSVysledky::FirstTransmitterShown, m_zadani, &TSZadani::ShowFirstTransmitter);
  connect(m_databaze, &TSDatabaze::PageWanted, this, [this] { ShowPage(m_databaze); });
  connect(m_databaze, &TSDatabaze::NumberTyped, m_vysledky, &TSVysledky::ShowNumber);
  connect(m_databaze, &TSDatabaze::CompaniesChanged, m_zadani, &TSZadani::FillCompanyList);
  connect(m_databaze, &TSDatabaze::ListingChoiceChanged, this, [this] { SetMode(MainMode::User); });
  connect(m_databaze, &TSDatabaze::CalculationOpened, this, &TfMain::ShowStoredCalculation);
  connect(m_databaze, &TSDatabaze::EditingWanted, this, &TfMain::EnterEditing);
}

void TfMain::ShowPage(QWidget* page) {
  ui->PCNastaveni->setCurrentWidget(page);
}

InputForm TfMain::FormOfPages() const {
  InputForm form = m_zadani->FormOfPage();
  m_databaze->PutNumberInto(form);
  return form;
}

void TfMain::LayOutResultsGrid() {
  m_vysledky->LayOutResultsGrid(m_zadani->Kind(), m_zadani->ElementMaterialOther());
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
  LayOutResultsGrid();
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

void TfMain::SetToolHints() {
  const QAction* actions[] = {ui->AUlozit,
                              ui->AExport,
                              ui->AImport,
                              ui->AVypocetParametru5,
                              ui->AZobrazGrafNejistot,
                              ui->AZobrazTabulkuNejistot,
                              ui->ANahled,
                              ui->ANapovedaObsah};
  for (std::size_t i = 0; i < std::size(actions); ++i)
    if (QWidget* button = ui->TBPramo11->widgetForAction(const_cast<QAction*>(actions[i])))
      button->setToolTip(ToQt(Tr(str::kToolHints[i])));
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
  SetToolHints();
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
  for (QAction* print : {ui->ANastaveniTisku, ui->ATiskOsvedceni, ui->ANahled})
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
    if (m_session.Unsaved()) {
      switch (AskSaveSettings(m_messages)) {
        case Answer::Yes:
          SaveProgramSettings();
          break;
        case Answer::Cancel:
          mayClose = false;
          break;
        default:
          break;
      }
    }
  } else if (m_session.CalculationUnstored()) {
    switch (Ask(m_messages, str::kCalculationNotStored, {Answer::Yes, Answer::No, Answer::Cancel})) {
      case Answer::Yes:
        mayClose = StoreCurrent();
        break;
      case Answer::Cancel:
        mayClose = false;
        break;
      default:
        break;
    }
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
  Configuration& configuration = m_session.Settings();
  TakeWorkingSettings(m_state, configuration.Working);
  configuration.Working.PrintFooter = ui->ChBZapati->isChecked();
  if (SaveSettings(LocalFileSystem(), m_session.ConfigurationPath(), configuration, m_messages,
                   DecimalSeparator()))
    m_session.ClearChanges();
}

void TfMain::SaveInterfaceStateIfConfigured() {
  InterfaceState& interface = m_session.Settings().Interface;
  if (m_nastaveniTisku) {
    const PrintOptions options = m_nastaveniTisku->Options();
    interface.PrintDescription = options.Description;
    interface.PrintCascade = options.Cascade;
    interface.PrintGraph = options.Graph;
    interface.PrintUncertaintyTable = options.Table;
    interface.CascadeOnNewPage = options.CascadeNewPage;
  }
  if (LocalFileSystem().Exists(m_session.ConfigurationPath()))
    SaveInterfaceState(LocalFileSystem(), m_session.ConfigurationPath(), interface, m_messages);
}

void TfMain::AKonecExecute() {
  m_session.SetLogout(false);
  close();
}

// The administration page's "Konec": unsaved settings lead back to the login window whatever the answer
// (but Cancel); without them the program ends.
void TfMain::BBKonecClick() {
  if (m_session.Mode() == MainMode::Administrator && m_session.Unsaved()) {
    AdministratorLogOut();
    return;
  }
  AKonecExecute();
}

void TfMain::AdministratorLogOut() {
  if (m_session.Unsaved()) {
    const Answer answer = AskSaveSettings(m_messages);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes) SaveProgramSettings();
  }
  LogOut(false);
}

void TfMain::AOdhlasitExecute() {
  if (m_session.Mode() == MainMode::Administrator) {
    AdministratorLogOut();
    return;
  }
  if (m_session.CalculationUnstored()) {
    const Answer answer =
        Ask(m_messages, str::kCalculationNotStored, {Answer::Yes, Answer::No, Answer::Cancel});
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes && !StoreCurrent()) return;
  }
  LogOut(true);
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
// The calculation: run, open, edit and store.

void TfMain::AVypocetParametru5Execute() {
  if (!ui->AVypocetParametru5->isEnabled()) return;
  m_vysledky->ClearResults();
  m_vysledky->ClearMemo();
  m_zadani->ClearMarks();
  InputForm form = FormOfPages();
  const Session& session = m_session.Current();
  const GatherContext context{
      m_messages, true, session.fullName, m_session.Settings().InstallationNumber, TodayDayCount(), -1};
  const RunOutcome outcome = RunCalculation(form, m_state, m_derived, context, DecimalSeparator());
  if (outcome.stopped && form.CBTekutina5 == static_cast<int>(FluidKind::Undetermined)) {
    ShowPage(m_zadani);
    m_zadani->FocusFluidList();
    return;
  }
  if (outcome.stopped) return;
  m_zadani->ShowForm(form);
  if (form.textsChanged) m_session.MarkTextsChanged();
  if (m_vysledky->ShowEntries(outcome.entries)) {
    ShowPage(m_vysledky);
    m_vysledky->FocusSeriesList();
  }
  if (outcome.clearChangeFlags) m_session.ClearChanges();
  if (outcome.dropDownList) m_vysledky->DropDownSeriesList();
}

void TfMain::EnterEditing(const CalculationState& state, bool countWritable, bool newCalculation) {
  ForgetGraphPrintSettings();
  if (newCalculation) {
    m_state = state;
    m_zadani->ResetForNewCalculation();
    m_vysledky->ClearResults();
    m_vysledky->ClearMemo();
    LayOutResultsGrid();
  } else {
    m_zadani->ShowCalculationOnPage(state);
    m_vysledky->ShowStoredResults();
  }
  m_databaze->ShowIdentification(m_state, countWritable);
  SetMode(MainMode::Editing);
  m_session.MarkSettingsChanged();
  m_zadani->RebuildButtonHints();
}

void TfMain::ShowStoredCalculation(const CalculationState& state) {
  ForgetGraphPrintSettings();
  m_zadani->ShowCalculationOnPage(state);
  m_vysledky->ShowStoredResults();
  m_databaze->ShowIdentification(m_state, false);
  SetMode(MainMode::Viewing);
  ShowPage(m_vysledky);
  m_session.ClearChanges();
}

// The graph's view chosen for printing belongs to the calculation it was chosen for.
void TfMain::ForgetGraphPrintSettings() {
  if (m_graf) m_graf->ClearPrintSettings();
}

void TfMain::ActionSaveExecute() {
  if (ui->AUlozit->isEnabled()) StoreCurrent();
}

bool TfMain::StoreCurrent() {
  if (!m_databaze->NumberEditsHoldNumbers()) return false;
  InputForm form = FormOfPages();
  const int chosen = m_vysledky->ChosenEntry();
  const Session& session = m_session.Current();
  const GatherContext context{
      m_messages, true, session.fullName, m_session.Settings().InstallationNumber, TodayDayCount(), chosen};
  if (!GatherTexts(form, m_state, context)) return false;
  StoreRequest request;
  request.mode = m_databaze->CountWritable() ? SaveMode::NewNumber : SaveMode::NextIndex;
  request.settingsChanged = m_session.SettingsChanged();
  request.saveAll = m_session.SaveAll();
  request.dpMaxBoxVisible = m_zadani->DpMaxBoxShown();
  const std::vector<SeriesEntry>& entries = m_vysledky->SeriesEntries();
  if (chosen >= 0 && chosen < static_cast<int>(entries.size()))
    request.chosenSeriesValue = entries[chosen].seriesValue;
  DatabaseAccess db = m_databaze->Database();
  const StoreOutcome outcome =
      StoreCalculation(db, m_state, request, m_databaze->Listing(), m_databaze->CurrentListingRequest());
  if (outcome == StoreOutcome::Conflict) {
    // The database was read again: the grid shows that reading, and the number is to be corrected.
    m_databaze->ShowNewListing();
    m_databaze->AskForOtherNumber();
  }
  if (outcome != StoreOutcome::Stored) return false;
  m_session.ClearChanges();
  m_zadani->ShowStoredDpMax();
  m_databaze->ShowNewListing();
  SetMode(MainMode::Viewing);
  return true;
}

// ---------------------------------------------------------------------------------------------------------
// Printing.

void TfMain::SetPrintWindows(CertificatePrinter* printer, TFNahled* nahled, TFNastaveniTisku* nastaveniTisku,
                             TFZapati* zapati) {
  m_printer = printer;
  m_nahled = nahled;
  m_nastaveniTisku = nastaveniTisku;
  m_zapati = zapati;
  const InterfaceState& interface = m_session.Settings().Interface;
  m_nastaveniTisku->SetOptions({interface.PrintDescription, interface.PrintCascade, interface.PrintGraph,
                                interface.PrintUncertaintyTable, interface.CascadeOnNewPage});
  connect(ui->ATiskOsvedceni, &QAction::triggered, this, &TfMain::ATiskOsvedceniExecute);
  connect(ui->ANahled, &QAction::triggered, this, &TfMain::ANahledExecute);
  connect(ui->ANastaveniTisku, &QAction::triggered, this, &TfMain::ANastaveniTiskuExecute);
  connect(m_zapati, &TFZapati::TextsChanged, this, [this] { m_session.MarkTextsChanged(); });
  connect(m_zapati, &TFZapati::FooterTaken, this,
          [this](const std::string& footer) { m_session.Settings().Working.Footer = footer; });
}

CertificateSettings TfMain::CertificateSettingsNow() const {
  const Configuration& configuration = m_session.Settings();
  CertificateSettings settings;
  if (m_nastaveniTisku) settings.Options = m_nastaveniTisku->Options();
  settings.FooterText = configuration.Working.Footer;
  settings.FooterOn = configuration.Working.PrintFooter;
  settings.OwnerName = configuration.OwnerName;
  settings.DatabasePath = m_session.Current().databasePath;
  settings.Today = LocaleShortDate(TodayDayCount());
  settings.CalculationDate = LocaleShortDate(m_state.Date);
  settings.DecimalSeparator = DecimalSeparator();
  settings.Fields = InputFieldTextsOf(m_state, settings.DecimalSeparator);
  if (m_graf) {
    settings.GraphSettings = m_graf->PrintSettings();
    settings.GraphCascadeSwitch = m_graf->CascadeSwitch();
  }
  return settings;
}

void TfMain::ATiskOsvedceniExecute() {
  if (m_printer) m_printer->AskAndPrint(this, m_state, CertificateSettingsNow(), m_messages);
}

void TfMain::ANahledExecute() {
  if (m_nahled && m_nahled->Render(m_state, CertificateSettingsNow())) m_nahled->showMaximized();
}

void TfMain::ANastaveniTiskuExecute() {
  if (m_nastaveniTisku) m_nastaveniTisku->show();
}

void TfMain::BBZapatiClick() {
  if (m_zapati) m_zapati->ShowFor(m_session.Settings().Working.Footer);
}

// ---------------------------------------------------------------------------------------------------------
// Uncertainty graph and table, export and import of the inputs.

void TfMain::SetUncertaintyWindows(TFGraf* graf, TFTabulkaNejistot* tabulkaNejistot) {
  m_graf = graf;
  m_tabulkaNejistot = tabulkaNejistot;
  connect(ui->AZobrazGrafNejistot, &QAction::triggered, this, &TfMain::AZobrazGrafNejistotExecute);
  connect(ui->AZobrazTabulkuNejistot, &QAction::triggered, this, &TfMain::ActionZobrazTabulkuNejistotExecute);
  connect(ui->AExport, &QAction::triggered, this, &TfMain::AExportExecute);
  connect(ui->AImport, &QAction::triggered, this, &TfMain::AImportExecute);
}

void TfMain::AZobrazGrafNejistotExecute() {
  if (m_graf && m_zadani->ReadCascadeOfPage(m_vysledky->ChosenEntry()) &&
      CanShowUncertainties(m_state, m_messages))
    m_graf->ShowFor(m_state);
}

void TfMain::ActionZobrazTabulkuNejistotExecute() {
  if (m_tabulkaNejistot && m_zadani->ReadCascadeOfPage(m_vysledky->ChosenEntry()) &&
      CanShowUncertainties(m_state, m_messages))
    m_tabulkaNejistot->ShowFor(m_state, DecimalSeparator());
}

void TfMain::AExportExecute() {
  const CalculationNumber number{m_state.NumberInstallation, m_state.NumberCount, m_state.NumberIndex};
  const std::string chosen = m_chooseFile(this, {true, Tr(str::kExportDialogTitle), FullNumberText(number)});
  if (chosen.empty()) return;
  const std::string path = ExportFilePath(chosen);
  FileSystem& fs = LocalFileSystem();
  if (!ConfirmExportPath(fs, path, m_messages)) return;
  // The file carries the inputs as the page shows them now; the export keeps the run's messages quiet.
  InputForm form = FormOfPages();
  const Session& session = m_session.Current();
  const GatherContext context{m_messages,       false,
                              session.fullName, m_session.Settings().InstallationNumber,
                              TodayDayCount(),  m_vysledky->ChosenEntry()};
  if (m_session.Mode() == MainMode::Editing && !GatherInputs(form, m_state, m_derived, context)) {
    m_zadani->ShowForm(form);
    return;
  }
  if (!GatherTexts(form, m_state, context)) return;
  if (ExportInputs(fs, path, m_state, m_messages)) m_session.ClearChanges();
}

void TfMain::AImportExecute() {
  const std::string path = m_chooseFile(this, {false, Tr(str::kImportDialogTitle), {}});
  if (path.empty()) return;
  FileSystem& fs = LocalFileSystem();
  std::optional<CalculationState> imported =
      ImportInputs(fs, path, ReadWorkingSettings(fs, m_session.ConfigurationPath()), m_messages);
  if (!imported) return;
  // The calculation being edited keeps its number, designer and date.
  imported->NumberInstallation = m_state.NumberInstallation;
  imported->NumberCount = m_state.NumberCount;
  imported->NumberIndex = m_state.NumberIndex;
  imported->Designer = m_state.Designer;
  imported->Date = m_state.Date;
  m_zadani->ShowCalculationOnPage(*imported);
  m_vysledky->ClearResults();
  m_zadani->MarkChanged();
}

// ---------------------------------------------------------------------------------------------------------
// The flow table and the hidden key sequence; the conversion of the older program's databases.

void TfMain::SetFlowTableWindow(TFPrutok2mA* prutok2mA) {
  m_hiddenKeys = new HiddenKeys(*this, m_session, m_state, m_messages, prutok2mA);
}

void TfMain::BBConvertClick() {
  if (m_convert)
    m_convert->ShowFor(m_session.Settings().DatabaseFolder,
                       FromQt(QFileInfo(ToQt(m_session.Current().databasePath)).fileName()),
                       m_databaze->CompanyNames());
}

}  // namespace pramo
