#include "app/windows/tfmain.h"

#include <cmath>

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>

#include "access/windows/administrationpage.h"
#include "access/windows/tfzmenahesla2.h"
#include "app/InputPage.h"
#include "app/FlowTable.h"
#include "app/InputPageRules.h"
#include "app/ResultsPage.h"
#include "app/windows/Icons.h"
#include "app/windows/Help.h"
#include "app/windows/Language.h"
#include "app/windows/WindowText.h"
#include "app/windows/tfjmenotekutiny.h"
#include "app/windows/tfoprogramu.h"
#include "app/windows/tfprutok2ma.h"
#include "app/windows/tfradatlakdif.h"
#include "app/windows/tfzadej.h"
#include "app/windows/tfzadej2.h"
#include "core/InputGathering.h"
#include "core/NumberText.h"
#include "core/SizingIterations.h"
#include "core/StraightLengths.h"
#include "core/Validity.h"
#include "legacy/windows/tfconvert.h"
#include "printing/qt/LocaleFormats.h"
#include "printing/windows/CertificatePrinter.h"
#include "printing/windows/tfnahled.h"
#include "printing/windows/tfnastavenitisku.h"
#include "printing/windows/tfzapati.h"
#include "uncertainty/FlowUncertainty.h"
#include "uncertainty/windows/tfgraf.h"
#include "uncertainty/windows/tftabulkanejistot.h"
#include "storage/DatabaseRecord.h"
#include "storage/ExportImport.h"
#include "storage/FileSystem.h"
#include "storage/windows/companiesgroup.h"
#include "strings/app.h"
#include "strings/storage.h"
#include "ui_tfmain.h"

namespace pramo {
namespace {

constexpr int kClientWidth = 792;
constexpr int kClientHeight = 559;
constexpr int kRowTop = 18;  // the kind row of the group "Základní"
constexpr int kRowHeight = 24;
constexpr int kResultRowHeight = 22;
constexpr int kCascadeTitleWidth = 135;
constexpr const char* kRememberedIndex = "rememberedIndex";
const QString kYellow = QStringLiteral("QLineEdit { background: yellow; }");

int RowY(int row) {
  return kRowTop + (row + 1) * kRowHeight;
}

// Puts the widgets of one input row at the row, or hides them.
void PlaceRow(std::initializer_list<QWidget*> widgets, int row) {
  for (QWidget* w : widgets) {
    if (row < 0) {
      w->hide();
    } else {
      w->move(w->x(), RowY(row));
      w->show();
    }
  }
}

void FillList(QComboBox* list, const std::vector<std::string>& items) {
  const QSignalBlocker blocker(list);
  list->clear();
  for (const auto& item : items) list->addItem(ToQt(item));
  list->setCurrentIndex(0);
  list->setProperty(kRememberedIndex, 0);
}

// An open list is as wide as its longest entry, so that a long material or element name reads whole.
void FitPopupToItems(QComboBox* list) {
  QAbstractItemView* view = list->view();
  view->setMinimumWidth(view->sizeHintForColumn(0) + view->verticalScrollBar()->sizeHint().width() +
                        2 * view->frameWidth());
}

void SelectItem(QComboBox* list, int index) {
  const QSignalBlocker blocker(list);
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
  list->setProperty(kRememberedIndex, list->currentIndex());
}

void SetChecked(QCheckBox* box, bool checked) {
  const QSignalBlocker blocker(box);
  box->setChecked(checked);
}

// One entry of the series list: its status icon, then each field under the header section of its number.
void DrawSeriesEntry(QPainter& painter, const QRect& rect, const QString& text, bool isEntry, bool selected,
                     const QPalette& palette, const QHeaderView* header) {
  painter.save();
  painter.fillRect(rect, selected ? palette.highlight() : palette.base());
  painter.setPen(selected ? palette.highlightedText().color() : palette.text().color());
  if (!isEntry) {
    painter.drawText(rect.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    painter.restore();
    return;
  }
  const SeriesEntryFields entry = SplitSeriesEntry(FromQt(text));
  const int iconSize = std::min(16, rect.height() - 2);
  painter.drawPixmap(rect.left() + 3, rect.top() + (rect.height() - iconSize) / 2,
                     StatusIcon(entry.status, iconSize));
  for (std::size_t i = 0; i < entry.fields.size() && static_cast<int>(i) + 1 < header->count(); ++i) {
    const int section = static_cast<int>(i) + 1;
    const QRect cell(rect.left() + header->sectionViewportPosition(section) + 1, rect.top(),
                     header->sectionSize(section) - 2, rect.height());
    painter.drawText(cell, Qt::AlignVCenter | Qt::AlignLeft, ToQt(entry.fields[i]));
  }
  painter.restore();
}

class SeriesEntryDelegate : public QStyledItemDelegate {
 public:
  SeriesEntryDelegate(const QHeaderView* header, QObject* parent)
      : QStyledItemDelegate(parent), m_header(header) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    DrawSeriesEntry(*painter, option.rect, index.data().toString(), index.data(Qt::UserRole).toBool(),
                    option.state & QStyle::State_Selected, option.palette, m_header);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), 20));
    return size;
  }

 private:
  const QHeaderView* m_header;
};

// The administrator leaves with unsaved settings: a warning with Yes, No and Cancel.
Answer AskSaveSettings(Messages& messages) {
  return messages.Show(Message{MessageKind::Warning,
                               str::kSettingsNotSaved.id,
                               Tr(str::kSettingsNotSaved),
                               {Answer::Yes, Answer::No, Answer::Cancel}});
}

QTableWidgetItem* FixedItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace

TfMain::TfMain(Messages& messages, Configuration configuration, std::string configurationPath,
               QWidget* parent)
    : QMainWindow(parent),
      ui(std::make_unique<Ui::TfMain>()),
      m_messages(messages),
      m_configuration(std::move(configuration)),
      m_configurationPath(std::move(configurationPath)) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] {
    ui->retranslateUi(this);
    RetranslateDatabasePage();
    RebuildButtonHints();
  });
  m_administration = new AdministrationPage(m_messages, m_configuration, ui->TSAdmin);
  FormCreate();
}

TfMain::~TfMain() = default;

void TfMain::FormCreate() {
  m_keyStep1 = m_keyStep2 = m_saveAll = false;
  m_state.ResultsValid = false;
  m_settingsChanged = m_textsChanged = m_logout = false;
  m_selectedRow = 1;
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

  m_numericEdits = {ui->ETlak,
                    ui->EProvozniTeplota,
                    ui->EMernaHmotnost,
                    ui->EDynamickaViskozita,
                    ui->EVlhkost,
                    ui->EIzentropickyExponent7,
                    ui->EPrutokProvozni,
                    ui->EPrutokMax,
                    ui->EPrutokMin,
                    ui->EDifTlakMax,
                    ui->EPrumerPotrubiPri20C,
                    ui->ePrumerOtvoru_d20};
  m_fittingBoxes = {ui->chbTvarovka01, ui->chbTvarovka02, ui->chbTvarovka03, ui->chbTvarovka04,
                    ui->chbTvarovka05, ui->chbTvarovka06, ui->chbTvarovka07, ui->chbTvarovka08,
                    ui->chbTvarovka09, ui->chbTvarovka10, ui->chbTvarovka11, ui->chbTvarovka12};
  for (QLineEdit* edit : m_numericEdits) edit->installEventFilter(this);
  ui->EPopis->installEventFilter(this);
  for (QLineEdit* number : {ui->eCisloVypoctuCount, ui->eCisloVypoctuIdx}) {
    number->installEventFilter(this);
    connect(number, &QLineEdit::textChanged, this, &TfMain::eCisloVypoctuCountChange);
  }
  ui->EMericiMisto->installEventFilter(this);
  ui->CBUtvar->installEventFilter(this);
  ui->CBUtvar->lineEdit()->setMaxLength(static_cast<int>(kCompanyCapacity));

  // The series list draws its entries itself, under the sections of its header.
  HCVyber = new QHeaderView(Qt::Horizontal, ui->HCVyberHolder);
  HCVyber->setObjectName(QStringLiteral("HCVyber"));
  HCVyber->setModel(new QStandardItemModel(0, 10, HCVyber));
  HCVyber->setGeometry(0, 0, ui->HCVyberHolder->width(), ui->HCVyberHolder->height());
  HCVyber->setSectionResizeMode(QHeaderView::Fixed);
  HCVyber->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int sectionWidths[] = {26, 96, 70, 70, 80, 62, 74, 74, 62, 150};
  for (int i = 0; i < 10; ++i) HCVyber->resizeSection(i, sectionWidths[i]);
  ui->cbVyberZRady->setItemDelegate(new SeriesEntryDelegate(HCVyber, ui->cbVyberZRady));
  ui->cbVyberZRady->installEventFilter(this);

  // The grids keep their column widths; a smaller font lets the longest labels fit them.
  QFont gridFont = ui->SGVysledky->font();
  gridFont.setPointSize(8);
  ui->SGVysledky->setFont(gridFont);
  ui->SGKaskada2->setFont(gridFont);
  for (QTableWidget* grid : {ui->SGVysledky, ui->SGKaskada2}) {
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  for (QComboBox* list : {ui->cbMaterialPrimPrvku, ui->cbMaterialPotrubi}) list->view()->setMinimumWidth(340);
  ui->SGVysledky->setRowCount(kResultRows);
  ui->SGVysledky->setColumnCount(kResultColumns);
  ui->SGVysledky->horizontalHeader()->hide();
  ui->SGVysledky->verticalHeader()->hide();
  ui->SGVysledky->verticalHeader()->setDefaultSectionSize(kResultRowHeight);
  ui->SGVysledky->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ui->SGVysledky->setSelectionMode(QAbstractItemView::NoSelection);
  ui->SGVysledky->setFocusPolicy(Qt::NoFocus);
  const int resultWidths[] = {140, 70, 257, 160, 70, 42};
  for (int c = 0; c < kResultColumns; ++c) ui->SGVysledky->setColumnWidth(c, resultWidths[c]);
  for (int r = 0; r < kResultRows; ++r)
    for (int c = 0; c < kResultColumns; ++c) {
      QTableWidgetItem* item = FixedItem(QString());
      if (c == 1 || c == 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      ui->SGVysledky->setItem(r, c, item);
    }

  ui->SGKaskada2->setRowCount(3);
  ui->SGKaskada2->setColumnCount(5);
  ui->SGKaskada2->horizontalHeader()->hide();
  ui->SGKaskada2->verticalHeader()->hide();
  ui->SGKaskada2->verticalHeader()->setDefaultSectionSize(kResultRowHeight);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c)
      ui->SGKaskada2->setItem(r, c, r > 0 && c >= 2 ? new QTableWidgetItem() : FixedItem(QString()));

  SetUpDatabasePage();

  ConnectHandlers();
  RebuildButtonHints();
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
  m_zadej = zadej;
  m_radaTlakDif = radaTlakDif;
  m_zadej2 = zadej2;
  m_oProgramu = oProgramu;
  m_jmenoTekutiny = jmenoTekutiny;
  connect(m_zadej, &TFZadej::ValueStored, this, &TfMain::ValueStored);
  connect(m_zadej, &QDialog::finished, this, &TfMain::RebuildButtonHints);
  connect(m_zadej2, &QDialog::finished, this, &TfMain::RebuildButtonHints);
  connect(m_jmenoTekutiny, &TFJmenoTekutiny::NameStored, this,
          [this] { ui->BBTekutina7->setToolTip(ToQt(m_state.FluidName)); });
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
  connect(ui->Presnostsnimacetlakovediference1, &QAction::triggered, this,
          [this] { OpenValueDialog(ValuePurpose::DpTransmitterAccuracy); });
  connect(ui->Presnoststanovenimernehmotnosti1, &QAction::triggered, this,
          [this] { OpenValueDialog(ValuePurpose::DensityAccuracy); });
  connect(ui->BarometrickyTlak1, &QAction::triggered, this,
          [this] { OpenValueDialog(ValuePurpose::BarometricPressure); });
  connect(ui->Radahodnottlakovediference1, &QAction::triggered, this,
          &TfMain::Radahodnottlakovediference1Click);
  connect(ui->Vztaznepodminkypromernouhmotnost1, &QAction::triggered, this,
          [this] { OpenReferenceDialog(ReferencePurpose::Density); });
  connect(ui->Vztaznepodminkyproprutok1, &QAction::triggered, this,
          [this] { OpenReferenceDialog(ReferencePurpose::Flow); });
  connect(ui->BBBarometrickyTlak1, &QToolButton::clicked, this,
          [this] { OpenValueDialog(ValuePurpose::BarometricPressure); });
  connect(ui->BBVPMH, &QToolButton::clicked, this,
          [this] { OpenReferenceDialog(ReferencePurpose::Density); });
  connect(ui->BBVPP, &QToolButton::clicked, this, [this] { OpenReferenceDialog(ReferencePurpose::Flow); });
  connect(ui->BBTekutina7, &QToolButton::clicked, this, &TfMain::BBTekutina7Click);

  connect(ui->CBTekutina5, &QComboBox::activated, this, &TfMain::CBTekutina5Change);
  connect(ui->CBPrimarniPrvek, &QComboBox::activated, this, &TfMain::CBPrimarniPrvekChange);
  connect(ui->cbDruhVypoctu, &QComboBox::activated, this, &TfMain::cbDruhVypoctuChange);
  connect(ui->CBJednTlakH, &QComboBox::activated, this, &TfMain::CBJednTlakHChange);
  connect(ui->CBJednMernaHmotnost, &QComboBox::activated, this, &TfMain::CBJednMernaHmotnostChange);
  connect(ui->CBFlowUnit, &QComboBox::activated, this, &TfMain::CBFlowUnitChange);
  connect(ui->CBJednProvozniTeplota, &QComboBox::activated, this, &TfMain::CBJednProvozniTeplotaChange);
  connect(ui->CBJednViskozita, &QComboBox::activated, this, &TfMain::CBJednViskozitaChange);
  connect(ui->CBJednDifTlakMaxH, &QComboBox::activated, this, &TfMain::CBJednDifTlakMaxHChange);
  connect(ui->CBJednPrumerPotrubiPri20C, &QComboBox::activated, this,
          &TfMain::CBJednPrumerPotrubiPri20CChange);
  connect(ui->cbMaterialPrimPrvku, &QComboBox::activated, this, &TfMain::cbMaterialPrimPrvkuChange);
  connect(ui->cbMaterialPotrubi, &QComboBox::activated, this, &TfMain::cbMaterialPotrubiChange);
  connect(ui->CBUtvar, &QComboBox::activated, this, &TfMain::CBUtvarChange);

  connect(ui->ChBProvozniTeplota, &QCheckBox::clicked, this, &TfMain::ChBProvozniTeplotaClick);
  connect(ui->ChBMernaHmotnost, &QCheckBox::clicked, this, &TfMain::ChBMernaHmotnostClick);
  connect(ui->ChBDynamickaViskozita, &QCheckBox::clicked, this, &TfMain::ChBDynamickaViskozitaClick);
  connect(ui->ChBIzentropickyExponent, &QCheckBox::clicked, this, &TfMain::ChBIzentropickyExponentClick);
  connect(ui->ChBSuchyVzduch, &QCheckBox::clicked, this, &TfMain::ChBSuchyVzduchClick);
  connect(ui->ChBDifTlakMax, &QCheckBox::clicked, this, &TfMain::ChBDifTlakMaxClick);
  for (QCheckBox* box : m_fittingBoxes) connect(box, &QCheckBox::clicked, this, &TfMain::chbTvarovkaClick);
  connect(ui->ChBNejistota05, &QCheckBox::clicked, this, &TfMain::ChBNejistota05Click);
  connect(ui->ChBNejistota02, &QCheckBox::clicked, this, &TfMain::ChBNejistota02Click);
  connect(ui->SGKaskada2, &QTableWidget::itemChanged, this, &TfMain::SGKaskada2Edited);

  connect(ui->cbVyberZRady, &QComboBox::activated, this, &TfMain::cbVyberZRadyChange);

  connect(ui->bZobrazitvypocet1, &QPushButton::clicked, this, &TfMain::bZobrazitvypocet1Click);
  connect(ui->bNovyvypocet1, &QPushButton::clicked, this, &TfMain::bNovyvypocet1Click);
  connect(ui->bbKopievypoctu1, &QPushButton::clicked, this, &TfMain::bbKopievypoctu1Click);
  connect(ui->bbPrepocitatvypocet1, &QPushButton::clicked, this, &TfMain::bbPrepocitatvypocet1Click);
  connect(ui->BBKonec, &QPushButton::clicked, this, &TfMain::BBKonecClick);
  connect(ui->BBOdhlasit, &QPushButton::clicked, this, &TfMain::AOdhlasitExecute);
  connect(ui->BBConvert, &QPushButton::clicked, this, &TfMain::BBConvertClick);
  connect(ui->BBZapati, &QPushButton::clicked, this, &TfMain::BBZapatiClick);
  connect(ui->ChBZapati, &QCheckBox::clicked, this, &TfMain::ChBZapatiClick);
  connect(m_administration, &AdministrationPage::DatabaseChosen, this, [this] {
    m_session.databasePath = m_administration->DatabasePath();
    setWindowTitle(ToQt(WindowCaption(m_session.databasePath)));
  });
  connect(m_administration, &AdministrationPage::TextsChanged, this, [this] { m_textsChanged = true; });
  connect(m_administration, &AdministrationPage::SaveRequested, this, &TfMain::SaveProgramSettings);
}

// ---------------------------------------------------------------------------------------------------------
// Start-up, modes and leaving.

void TfMain::SwitchLanguage(QComboBox& languageList) {
  pramo::SwitchLanguage(languageList, ReadLanguage(LocalFileSystem(), m_configurationPath));
}

void TfMain::Environment_ReInit() {
  ResetInputPage();
  ClearResults();
  ui->MChyboveHlaseni->clear();
  ClearCascadeGrid();
  ui->lDiferencniTlak->move(ui->lDiferencniTlak->x(), ui->ChBDifTlakMax->y());
  CBTekutina5Change(ui->CBTekutina5->currentIndex());
  LayOutResultsGrid();
  LayOutCascadeGrid();
  ShowSortButton(0);
  m_settingsChanged = m_textsChanged = false;
}

// The value cells of the cascade grid; its titles stay.
void TfMain::ClearCascadeGrid() {
  const QSignalBlocker blocker(ui->SGKaskada2);
  for (int r = 1; r < 3; ++r)
    for (int c = 1; c < 5; ++c) ui->SGKaskada2->item(r, c)->setText(QString());
}

void TfMain::LoginShown() {
  constexpr std::size_t kReservedOffset = 961;
  constexpr std::size_t kReservedBytes = 6;
  std::fill_n(m_state.StoredImage.begin() + kReservedOffset, kReservedBytes, std::uint8_t{0});
  ResetFilter();
  m_logout = false;
  m_settingsChanged = m_textsChanged = false;
}

void TfMain::LayOutCascadeGrid() {
  QTableWidget* grid = ui->SGKaskada2;
  const int available = grid->width() - 2 * grid->frameWidth();
  grid->setColumnWidth(0, kCascadeTitleWidth);
  const int width = static_cast<int>(std::lround((available - kCascadeTitleWidth) / 4.0)) - 2;
  for (int c = 1; c < 5; ++c) grid->setColumnWidth(c, width);
  const QSignalBlocker blocker(grid);
  for (int c = 0; c < 5; ++c) grid->item(0, c)->setText(ToQt(Tr(str::kCascadeHeader[c])));
  grid->item(1, 0)->setText(ToQt(Tr(str::kCascadeRangeTitle)));
  grid->item(2, 0)->setText(ToQt(Tr(str::kCascadeAccuracyTitle)));
}

void TfMain::LayOutResultsGrid() {
  const auto kind = static_cast<CalculationKind>(ui->cbDruhVypoctu->currentIndex());
  const bool other = ui->cbMaterialPrimPrvku->currentIndex() == ui->cbMaterialPrimPrvku->count() - 1;
  const ResultsGrid grid = ResultsGridLayout(kind, other);
  for (int r = 0; r < kResultRows; ++r)
    for (int c : {0, 2, 3, 5}) ui->SGVysledky->item(r, c)->setText(ToQt(grid[r][c]));
  LayOutSeriesHeader();
}

void TfMain::LayOutSeriesHeader() {
  const auto sections = SeriesHeaderSections(static_cast<CalculationKind>(ui->cbDruhVypoctu->currentIndex()));
  for (int i = 0; i < 10; ++i) HCVyber->model()->setHeaderData(i, Qt::Horizontal, ToQt(sections[i]));
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

void TfMain::RebuildButtonHints() {
  const char separator = DecimalSeparator();
  ui->BBVPMH->setToolTip(ToQt(DensityReferenceHint(m_state, separator)));
  ui->BBVPP->setToolTip(ToQt(FlowReferenceHint(m_state, separator)));
  ui->BBBarometrickyTlak1->setToolTip(ToQt(BarometricPressureHint(m_state, separator)));
}

bool TfMain::StartSession(const Session& session) {
  m_session = session;
  m_saveAll = false;
  m_logout = false;
  m_settingsChanged = m_textsChanged = false;
  ui->AUlozit->setEnabled(false);
  if (session.userName == AdministratorLoginName()) {
    ui->PCNastaveni->show();
    SetMode(MainMode::Administrator);
    // The settings menu's dialogs edit the working settings through the calculation state.
    ApplyWorkingSettings(m_configuration.Working, m_state);
    RebuildButtonHints();
    m_administration->ShowConfiguration();
    SetChecked(ui->ChBZapati, m_configuration.Working.PrintFooter);
    return true;
  }
  ResetDatabasePage();
  if (!ListDatabaseIntoGrid()) return false;
  m_state.ResultsValid = false;
  SetToolHints();
  TBUzivatel->setText(ToQt(session.fullName));
  ui->PCNastaveni->show();
  SetMode(MainMode::User);
  return true;
}

void TfMain::SetMode(MainMode mode) {
  m_mode = mode;
  const bool admin = mode == MainMode::Administrator;
  const bool user = mode == MainMode::User;
  const bool editing = mode == MainMode::Editing;
  const bool viewing = mode == MainMode::Viewing;
  QTabWidget* pages = ui->PCNastaveni;
  pages->show();
  pages->setTabVisible(pages->indexOf(ui->TSZadani), editing || viewing);
  pages->setTabVisible(pages->indexOf(ui->TSVysledky), editing || viewing);
  pages->setTabVisible(pages->indexOf(ui->TSDatabaze), !admin);
  pages->setTabVisible(pages->indexOf(ui->TSAdmin), admin);
  // A shown calculation is read, not edited: both of its pages are locked.
  ui->TSZadani->setEnabled(editing);
  ui->TSVysledky->setEnabled(editing);
  ui->cbVyberZRady->setEnabled(editing);
  ui->GBCisloVypoctu->setEnabled(editing);
  if (editing) pages->setCurrentWidget(ui->TSZadani);
  if (user) pages->setCurrentWidget(ui->TSDatabaze);
  if (admin) pages->setCurrentWidget(ui->TSAdmin);
  ui->TBPramo11->setVisible(!admin);
  TBUzivatel->setVisible(!admin);

  ui->MSoubor->menuAction()->setEnabled(!admin);
  ui->AUlozit->setEnabled(editing);
  ui->AExport->setEnabled(editing || viewing);
  ui->AImport->setEnabled(editing);
  for (QAction* print : {ui->ANastaveniTisku, ui->ATiskOsvedceni, ui->ANahled}) print->setEnabled(viewing);
  ui->MVypocet->menuAction()->setEnabled(editing || viewing);
  ui->AVypocetParametru5->setEnabled(editing);
  ui->AZobrazGrafNejistot->setEnabled(editing || viewing);
  ui->AZobrazTabulkuNejistot->setEnabled(editing || viewing);
  if (auto* flowTable = findChild<QAction*>(QStringLiteral("Aq2mA")))
    flowTable->setEnabled(editing || viewing);
  for (QAction* setting : {ui->Presnostsnimacetlakovediference1, ui->Presnoststanovenimernehmotnosti1,
                           ui->Radahodnottlakovediference1, ui->BarometrickyTlak1,
                           ui->Vztaznepodminkypromernouhmotnost1, ui->Vztaznepodminkyproprutok1})
    setting->setEnabled(admin || editing);

  if (user) {
    for (QLineEdit* edit : {ui->eCisloVypoctuInstal, ui->eCisloVypoctuCount, ui->eCisloVypoctuIdx,
                            ui->EProjektant, ui->EMericiMisto})
      edit->clear();
    ui->CBUtvar->setCurrentText(QString());
  }
  setWindowTitle(admin || m_session.databasePath.empty() ? QStringLiteral("Pramo")
                                                         : ToQt(WindowCaption(m_session.databasePath)));
}

void TfMain::closeEvent(QCloseEvent* event) {
  // Hidden behind the login window after a logout: ending the program there asks nothing.
  if (isHidden()) {
    SaveInterfaceStateIfConfigured();
    event->accept();
    return;
  }
  // A second close request while a question is open is the same request.
  if (m_closing) {
    event->ignore();
    return;
  }
  m_closing = true;
  bool mayClose = true;
  if (m_mode == MainMode::Administrator) {
    if (m_administration->NewDatabaseWithoutUsers())
      Tell(m_messages, MessageKind::Warning, str::kNoUserInNewDatabase);
    if (m_settingsChanged || m_textsChanged) {
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
  } else if (ui->AUlozit->isEnabled()) {
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
  m_closing = false;
  if (!mayClose) {
    event->ignore();
    return;
  }
  SaveInterfaceStateIfConfigured();
  event->accept();
}

void TfMain::SaveProgramSettings() {
  TakeWorkingSettings(m_state, m_configuration.Working);
  m_configuration.Working.PrintFooter = ui->ChBZapati->isChecked();
  if (SaveSettings(LocalFileSystem(), m_configurationPath, m_configuration, m_messages, DecimalSeparator()))
    m_settingsChanged = m_textsChanged = false;
}

void TfMain::SaveInterfaceStateIfConfigured() {
  if (m_nastaveniTisku) {
    const PrintOptions options = m_nastaveniTisku->Options();
    InterfaceState& interface = m_configuration.Interface;
    interface.PrintDescription = options.Description;
    interface.PrintCascade = options.Cascade;
    interface.PrintGraph = options.Graph;
    interface.PrintUncertaintyTable = options.Table;
    interface.CascadeOnNewPage = options.CascadeNewPage;
  }
  if (LocalFileSystem().Exists(m_configurationPath))
    SaveInterfaceState(LocalFileSystem(), m_configurationPath, m_configuration.Interface, m_messages);
}

void TfMain::AKonecExecute() {
  m_logout = false;
  close();
}

// The administration page's "Konec": unsaved settings lead back to the login window whatever the answer
// (but Cancel); without them the program ends.
void TfMain::BBKonecClick() {
  if (m_mode == MainMode::Administrator && (m_settingsChanged || m_textsChanged)) {
    AdministratorLogOut();
    return;
  }
  AKonecExecute();
}

void TfMain::AdministratorLogOut() {
  if (m_settingsChanged || m_textsChanged) {
    const Answer answer = AskSaveSettings(m_messages);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes) SaveProgramSettings();
  }
  LogOut(false);
}

void TfMain::AOdhlasitExecute() {
  if (m_mode == MainMode::Administrator) {
    AdministratorLogOut();
    return;
  }
  if (ui->AUlozit->isEnabled()) {
    const Answer answer =
        Ask(m_messages, str::kCalculationNotStored, {Answer::Yes, Answer::No, Answer::Cancel});
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes && !StoreCurrent()) return;
  }
  LogOut(true);
}

void TfMain::LogOut(bool withInterfaceState) {
  if (withInterfaceState) SaveInterfaceStateIfConfigured();
  m_logout = true;
  m_settingsChanged = m_textsChanged = false;
  hide();
  emit LoggedOut();
}

// The switch itself is taken over when the settings are saved.
void TfMain::ChBZapatiClick() {
  m_textsChanged = true;
}

void TfMain::ZmenitprstupovehesloClick() {
  if (!m_zmenaHesla2) return;
  const bool administrator = m_mode == MainMode::Administrator;
  m_zmenaHesla2->ShowFor(
      PasswordAccount{administrator, m_session.userName, m_session.fullName, m_session.databasePath}, false);
}

void TfMain::Oprogramu1Click() {
  if (m_oProgramu) m_oProgramu->ShowFor(m_configuration.OwnerName);
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui->cbVyberZRady && event->type() == QEvent::Paint) {
    QComboBox* list = ui->cbVyberZRady;
    QStylePainter painter(list);
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    option.frame = true;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    DrawSeriesEntry(painter, field, list->currentText(), list->currentData(Qt::UserRole).toBool(),
                    list->hasFocus(), list->palette(), HCVyber);
    return true;
  }
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit == ui->eCisloVypoctuCount || edit == ui->eCisloVypoctuIdx) {
    const bool focusChange = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    const auto reason = focusChange ? static_cast<QFocusEvent*>(event)->reason() : Qt::OtherFocusReason;
    // A message box or a pop-up taking the focus for a moment neither enters nor leaves the edit.
    if (focusChange && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (event->type() == QEvent::FocusIn)
        m_textOnEntry = edit->text().trimmed();
      else
        edit == ui->eCisloVypoctuCount ? EAkceTypExit2() : eCisloVypoctuIdxExit();
    }
    return QMainWindow::eventFilter(watched, event);
  }
  // The company field is watched as a whole: its line edit hands focus and keys to the list.
  const bool company = watched == ui->CBUtvar;
  if (!edit && !company) return QMainWindow::eventFilter(watched, event);
  const bool text = company || edit == ui->EPopis || edit == ui->EMericiMisto;
  switch (event->type()) {
    case QEvent::FocusIn: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // Coming back from a message box or a pop-up list is no entering by the user.
      const bool byUser = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
      text ? OnEditEnter2(watched) : OnEditEnter(watched, byUser);
      break;
    }
    case QEvent::FocusOut:
      text ? OnEditExit2(watched) : OnEditExit1(watched);
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        text ? OnEKeyPress2(watched) : OnEKeyPress1(watched);
        return true;  // swallowed: Enter neither closes nor adds anything
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------------
// Input page.

// The edits of the page: a numeric edit (…1) marks the settings as changed when its trimmed text differs
// from the text it had when entered, a description edit or the company field (…2) the texts; Enter counts
// as leaving and entering again.
QString TfMain::FieldText(QObject* field) const {
  if (field == ui->CBUtvar) return ui->CBUtvar->currentText().trimmed();
  return static_cast<QLineEdit*>(field)->text().trimmed();
}

void TfMain::OnEditEnter(QObject* field, bool byUser) {
  m_textOnEntry = FieldText(field);
  if (field == ui->EPrutokMax && byUser) Tell(m_messages, MessageKind::Warning, str::kFlowMaxWarning);
}

void TfMain::OnEditEnter2(QObject* field) {
  m_textOnEntry = FieldText(field);
}

void TfMain::OnEditExit1(QObject* field) {
  if (FieldText(field) != m_textOnEntry) m_settingsChanged = true;
}

void TfMain::OnEditExit2(QObject* field) {
  if (FieldText(field) != m_textOnEntry) m_textsChanged = true;
}

void TfMain::OnEKeyPress1(QObject* field) {
  OnEditExit1(field);
  m_textOnEntry = FieldText(field);
}

void TfMain::OnEKeyPress2(QObject* field) {
  OnEditExit2(field);
  m_textOnEntry = FieldText(field);
}

void TfMain::MarkChanged() {
  m_settingsChanged = true;
  m_state.ResultsValid = false;
}

bool TfMain::ListIndexChanged(QComboBox* list, int index) {
  if (list->property(kRememberedIndex).toInt() == index) return false;
  list->setProperty(kRememberedIndex, index);
  return true;
}

void TfMain::FillMaterialLists() {
  FillList(ui->cbMaterialPrimPrvku, ElementMaterialItems(m_state.VersionTag));
  FillList(ui->cbMaterialPotrubi, PipeMaterialItems(m_state.VersionTag));
  for (QComboBox* list : {ui->cbMaterialPrimPrvku, ui->cbMaterialPotrubi, ui->CBPrimarniPrvek})
    FitPopupToItems(list);
}

void TfMain::ResetInputPage() {
  SelectItem(ui->CBPrimarniPrvek, 0);
  SelectItem(ui->CBTekutina5, 0);
  m_element = PrimaryElementKind::OrificeCorner;
  for (QLineEdit* edit : m_numericEdits) {
    edit->clear();
    edit->setStyleSheet(QString());
  }
  for (QComboBox* list :
       {ui->CBJednTlakH, ui->CBJednProvozniTeplota, ui->CBJednMernaHmotnost, ui->CBJednViskozita,
        ui->CBFlowUnit, ui->CBJednDifTlakMaxH, ui->CBJednPrumerPotrubiPri20C})
    SelectItem(list, 0);
  for (QCheckBox* box :
       {ui->ChBProvozniTeplota, ui->ChBMernaHmotnost, ui->ChBDynamickaViskozita, ui->ChBIzentropickyExponent,
        ui->ChBSuchyVzduch, ui->ChBDifTlakMax, ui->ChBNejistota05, ui->ChBNejistota02})
    SetChecked(box, false);
  ui->EIzentropickyExponent7->setEnabled(false);
  ui->BBBarometrickyTlak1->setEnabled(false);
  FillMaterialLists();
  ui->lPrumerOtvoru_d20->setText(ToQt(Tr(str::kLabelBoreAt20)));
  ui->LPrumerPotrubiPri20C->setText(ToQt(Tr(str::kLabelPipeDiameter20)));
  for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) SetChecked(m_fittingBoxes[i], i == 0);
  ui->EPopis->clear();
  ZobrazeniTvarovekNejistot();
  SyncPropertyEdits();
  ArrangeRowsForKind();
}

void TfMain::ZobrazeniTvarovekNejistot() {
  const auto kind = static_cast<PrimaryElementKind>(ui->CBPrimarniPrvek->currentIndex());
  const FittingBoxes boxes = FittingBoxesFor(m_state.VersionTag, kind);
  for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) {
    m_fittingBoxes[i]->setText(ToQt(boxes.boxes[i].caption));
    m_fittingBoxes[i]->setVisible(boxes.boxes[i].visible);
  }
  ui->ChBNejistota02->setVisible(boxes.offsetOptionVisible);
  ui->LMaterialPotrubi->setText(ToQt(boxes.pipeMaterialLabel));
}

void TfMain::FollowBox(QCheckBox* box, QLineEdit* edit, QComboBox* unit) {
  if (!box->isChecked()) edit->clear();
  edit->setEnabled(box->isChecked());
  if (unit) unit->setEnabled(box->isChecked());
}

// The edits follow their boxes after the page was filled, without emptying anything.
void TfMain::SyncPropertyEdits() {
  const std::pair<QCheckBox*, std::pair<QLineEdit*, QComboBox*>> rows[] = {
      {ui->ChBProvozniTeplota, {ui->EProvozniTeplota, ui->CBJednProvozniTeplota}},
      {ui->ChBMernaHmotnost, {ui->EMernaHmotnost, ui->CBJednMernaHmotnost}},
      {ui->ChBDynamickaViskozita, {ui->EDynamickaViskozita, ui->CBJednViskozita}},
      {ui->ChBIzentropickyExponent, {ui->EIzentropickyExponent7, nullptr}},
      {ui->ChBDifTlakMax, {ui->EDifTlakMax, ui->CBJednDifTlakMaxH}},
  };
  for (const auto& [box, controls] : rows) {
    controls.first->setEnabled(box->isChecked());
    if (controls.second) controls.second->setEnabled(box->isChecked());
  }
  ui->BBVPMH->setEnabled(ui->ChBMernaHmotnost->isChecked() &&
                         ui->CBJednMernaHmotnost->currentIndex() == kDensityUnitVp);
  ui->BBVPP->setEnabled(IsFlowUnitVp(ui->CBFlowUnit->currentIndex()));
  ui->BBBarometrickyTlak1->setEnabled(IsGaugePressureUnit(ui->CBJednTlakH->currentIndex()));
}

void TfMain::ApplyFluidLists() {
  const auto fluid = static_cast<FluidKind>(ui->CBTekutina5->currentIndex());
  const FluidControls controls = FluidControlsFor(fluid);
  if (fluid != FluidKind::Undetermined) m_state.FluidName = FluidItemText(fluid);
  ui->BBTekutina7->setEnabled(controls.namedByUser);
  FillList(ui->CBFlowUnit, FlowUnitItems(fluid));
  FillList(ui->CBJednMernaHmotnost, DensityUnitItems(fluid));
  for (QWidget* w :
       std::initializer_list<QWidget*>{ui->LVlhkost, ui->EVlhkost, ui->LJednVlhkost, ui->ChBSuchyVzduch})
    w->setEnabled(controls.humidity);
  if (!controls.humidity) ui->EVlhkost->clear();
  ui->ChBIzentropickyExponent->setEnabled(controls.kappaBox);
  if (!controls.kappaBox) ui->EIzentropickyExponent7->clear();
  ui->EIzentropickyExponent7->setEnabled(controls.kappaBox && ui->ChBIzentropickyExponent->isChecked());
  ui->BBTekutina7->setToolTip(ToQt(m_state.FluidName));
  ui->BBVPMH->setEnabled(false);
  ui->BBVPP->setEnabled(false);
}

void TfMain::CBTekutina5Change(int index) {
  if (ListIndexChanged(ui->CBTekutina5, index)) MarkChanged();
  for (QCheckBox* box :
       {ui->ChBProvozniTeplota, ui->ChBDynamickaViskozita, ui->ChBMernaHmotnost, ui->ChBIzentropickyExponent})
    SetChecked(box, false);
  ui->EIzentropickyExponent7->clear();
  ui->EIzentropickyExponent7->setEnabled(false);
  ChBProvozniTeplotaClick();
  ChBDynamickaViskozitaClick();
  ChBMernaHmotnostClick();
  ChBIzentropickyExponentClick();
  SetChecked(ui->ChBSuchyVzduch, false);
  ApplyFluidLists();
  if (FluidControlsFor(static_cast<FluidKind>(index)).namedByUser) BBTekutina7Click();
}

// A property box the fluid forces on stays ticked; its edit and unit follow it.
void TfMain::FollowPropertyBox(bool FluidControls::*forced, QCheckBox* box, QLineEdit* edit,
                               QComboBox* unit) {
  if (FluidControlsFor(static_cast<FluidKind>(ui->CBTekutina5->currentIndex())).*forced)
    SetChecked(box, true);
  FollowBox(box, edit, unit);
  MarkChanged();
}

void TfMain::ChBProvozniTeplotaClick() {
  FollowPropertyBox(&FluidControls::temperatureForced, ui->ChBProvozniTeplota, ui->EProvozniTeplota,
                    ui->CBJednProvozniTeplota);
}

void TfMain::ChBMernaHmotnostClick() {
  FollowPropertyBox(&FluidControls::densityForced, ui->ChBMernaHmotnost, ui->EMernaHmotnost,
                    ui->CBJednMernaHmotnost);
  ui->BBVPMH->setEnabled(ui->ChBMernaHmotnost->isChecked() &&
                         ui->CBJednMernaHmotnost->currentIndex() == kDensityUnitVp);
}

void TfMain::ChBDynamickaViskozitaClick() {
  FollowPropertyBox(&FluidControls::viscosityForced, ui->ChBDynamickaViskozita, ui->EDynamickaViskozita,
                    ui->CBJednViskozita);
}

void TfMain::ChBIzentropickyExponentClick() {
  FollowBox(ui->ChBIzentropickyExponent, ui->EIzentropickyExponent7, nullptr);
  MarkChanged();
}

void TfMain::ChBSuchyVzduchClick() {
  MarkChanged();
}

void TfMain::ChBDifTlakMaxClick() {
  FollowBox(ui->ChBDifTlakMax, ui->EDifTlakMax, ui->CBJednDifTlakMaxH);
  MarkChanged();
}

void TfMain::CBPrimarniPrvekChange(int index) {
  if (!ListIndexChanged(ui->CBPrimarniPrvek, index)) return;
  MarkChanged();
  const auto element = static_cast<PrimaryElementKind>(index);
  if (GroupOf(element) != GroupOf(m_element)) {
    for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) SetChecked(m_fittingBoxes[i], i == 0);
    SetChecked(ui->ChBNejistota02, false);
    ZobrazeniTvarovekNejistot();
  }
  m_element = element;
}

void TfMain::cbDruhVypoctuChange(int index) {
  if (!ListIndexChanged(ui->cbDruhVypoctu, index)) return;
  m_state.CalcKind = static_cast<CalculationKind>(index);
  // Results of another kind must not be stored under this one.
  MarkChanged();
  LayOutResultsGrid();
  ArrangeRowsForKind();
}

void TfMain::ArrangeRowsForKind() {
  const auto kind = static_cast<CalculationKind>(ui->cbDruhVypoctu->currentIndex());
  const InputRowLayout rows = InputRowsFor(kind);
  PlaceRow({ui->LPrutokProvozni, ui->EPrutokProvozni, ui->CBFlowUnit, ui->BBVPP}, rows.flowOperating);
  ui->LPrutokProvozni->setText(ToQt(Tr(rows.flowLabelShort ? str::kLabelFlow : str::kLabelFlowOperating)));
  PlaceRow({ui->LPrutokMax, ui->EPrutokMax}, rows.flowMax);
  PlaceRow({ui->LPrutokMin, ui->EPrutokMin}, rows.flowMin);
  PlaceRow({ui->ChBSuchyVzduch}, rows.dryAir);
  if (rows.dryAir < 0) SetChecked(ui->ChBSuchyVzduch, false);
  PlaceRow({ui->EDifTlakMax, ui->CBJednDifTlakMaxH}, rows.dpMax);
  PlaceRow({ui->ChBDifTlakMax}, rows.dpMaxBoxShown ? rows.dpMax : -1);
  PlaceRow({ui->lDiferencniTlak}, rows.dpMaxBoxShown ? -1 : rows.dpMax);
  if (kind == CalculationKind::Dp) SetChecked(ui->ChBDifTlakMax, false);
  if (kind == CalculationKind::Flow) SetChecked(ui->ChBDifTlakMax, true);
  if (kind != CalculationKind::Bore) FollowBox(ui->ChBDifTlakMax, ui->EDifTlakMax, ui->CBJednDifTlakMaxH);
  if (kind == CalculationKind::Bore) {
    ui->EDifTlakMax->setEnabled(ui->ChBDifTlakMax->isChecked());
    ui->CBJednDifTlakMaxH->setEnabled(ui->ChBDifTlakMax->isChecked());
  }
  PlaceRow({ui->LPrumerPotrubiPri20C, ui->EPrumerPotrubiPri20C, ui->CBJednPrumerPotrubiPri20C},
           rows.pipeDiameter);
  PlaceRow({ui->lPrumerOtvoru_d20, ui->ePrumerOtvoru_d20, ui->LJednPrumerOtvoru}, rows.bore);
  ui->GBKaskada->setVisible(rows.cascadeShown);
}

void TfMain::CBJednTlakHChange(int index) {
  if (!ListIndexChanged(ui->CBJednTlakH, index)) return;
  MarkChanged();
  ui->BBBarometrickyTlak1->setEnabled(IsGaugePressureUnit(index));
  if (IsGaugePressureUnit(index)) OpenValueDialog(ValuePurpose::BarometricPressure);
}

void TfMain::CBJednMernaHmotnostChange(int index) {
  if (!ListIndexChanged(ui->CBJednMernaHmotnost, index)) return;
  MarkChanged();
  ui->BBVPMH->setEnabled(index == kDensityUnitVp);
  if (index == kDensityUnitVp) OpenReferenceDialog(ReferencePurpose::Density);
}

void TfMain::CBFlowUnitChange(int index) {
  if (!ListIndexChanged(ui->CBFlowUnit, index)) return;
  MarkChanged();
  ui->BBVPP->setEnabled(IsFlowUnitVp(index));
  if (IsFlowUnitVp(index)) OpenReferenceDialog(ReferencePurpose::Flow);
}

void TfMain::CBJednProvozniTeplotaChange(int index) {
  if (ListIndexChanged(ui->CBJednProvozniTeplota, index)) MarkChanged();
}

void TfMain::CBJednViskozitaChange(int index) {
  if (ListIndexChanged(ui->CBJednViskozita, index)) MarkChanged();
}

void TfMain::CBJednDifTlakMaxHChange(int index) {
  if (ListIndexChanged(ui->CBJednDifTlakMaxH, index)) MarkChanged();
}

void TfMain::CBJednPrumerPotrubiPri20CChange(int index) {
  if (ListIndexChanged(ui->CBJednPrumerPotrubiPri20C, index)) MarkChanged();
}

void TfMain::UpdateMaterialLabels() {
  const auto last = [](QComboBox* list) { return list->currentIndex() == list->count() - 1; };
  ui->lPrumerOtvoru_d20->setText(ToQt(BoreLabel(last(ui->cbMaterialPrimPrvku))));
  ui->LPrumerPotrubiPri20C->setText(ToQt(PipeDiameterLabel(last(ui->cbMaterialPotrubi))));
}

void TfMain::cbMaterialPrimPrvkuChange(int index) {
  if (!ListIndexChanged(ui->cbMaterialPrimPrvku, index)) return;
  MarkChanged();
  UpdateMaterialLabels();
}

void TfMain::cbMaterialPotrubiChange(int index) {
  if (!ListIndexChanged(ui->cbMaterialPotrubi, index)) return;
  MarkChanged();
  UpdateMaterialLabels();
}

void TfMain::chbTvarovkaClick() {
  MarkChanged();
}

void TfMain::ChBNejistota05Click() {
  MarkChanged();
}

void TfMain::ChBNejistota02Click() {
  MarkChanged();
}

void TfMain::CBUtvarChange(int index) {
  if (ListIndexChanged(ui->CBUtvar, index)) m_textsChanged = true;
}

void TfMain::SGKaskada2Edited() {
  m_textsChanged = true;
}

void TfMain::FillCompanyList() {
  const QString shown = ui->CBUtvar->currentText();
  {
    const QSignalBlocker blocker(ui->CBUtvar);
    ui->CBUtvar->clear();
    for (const std::string& name : m_companies->Names()) ui->CBUtvar->addItem(ToQt(name));
  }
  ShowCompany(shown);
}

// A name that is not in the list is shown as typed, with no entry chosen.
void TfMain::ShowCompany(const QString& name) {
  const QSignalBlocker blocker(ui->CBUtvar);
  ui->CBUtvar->setCurrentIndex(ui->CBUtvar->findText(name));
  ShowEditText(ui->CBUtvar->lineEdit(), name);
  ui->CBUtvar->setProperty(kRememberedIndex, ui->CBUtvar->currentIndex());
}

void TfMain::BBTekutina7Click() {
  m_settingsChanged = true;
  if (m_jmenoTekutiny) m_jmenoTekutiny->ShowName();
}

InputForm TfMain::FormOfPage() const {
  InputForm f;
  auto text = [](const QLineEdit* edit) { return FromQt(edit->text()); };
  f.cbDruhVypoctu = ui->cbDruhVypoctu->currentIndex();
  f.CBPrimarniPrvek = ui->CBPrimarniPrvek->currentIndex();
  f.CBTekutina5 = ui->CBTekutina5->currentIndex();
  f.ETlak = text(ui->ETlak);
  f.CBJednTlakH = ui->CBJednTlakH->currentIndex();
  f.ChBProvozniTeplota = ui->ChBProvozniTeplota->isChecked();
  f.EProvozniTeplota = text(ui->EProvozniTeplota);
  f.CBJednProvozniTeplota = ui->CBJednProvozniTeplota->currentIndex();
  f.ChBMernaHmotnost = ui->ChBMernaHmotnost->isChecked();
  f.EMernaHmotnost = text(ui->EMernaHmotnost);
  f.CBJednMernaHmotnost = ui->CBJednMernaHmotnost->currentIndex();
  f.ChBDynamickaViskozita = ui->ChBDynamickaViskozita->isChecked();
  f.EDynamickaViskozita = text(ui->EDynamickaViskozita);
  f.CBJednViskozita = ui->CBJednViskozita->currentIndex();
  f.EVlhkost = text(ui->EVlhkost);
  f.ChBIzentropickyExponent = ui->ChBIzentropickyExponent->isChecked();
  f.EIzentropickyExponent7 = text(ui->EIzentropickyExponent7);
  f.EPrutokProvozni = text(ui->EPrutokProvozni);
  f.EPrutokMax = text(ui->EPrutokMax);
  f.EPrutokMin = text(ui->EPrutokMin);
  f.CBFlowUnit = ui->CBFlowUnit->currentIndex();
  f.ChBSuchyVzduch = ui->ChBSuchyVzduch->isChecked();
  f.ChBDifTlakMax = ui->ChBDifTlakMax->isChecked();
  f.EDifTlakMaxVisible = !ui->EDifTlakMax->isHidden();
  f.EDifTlakMax = text(ui->EDifTlakMax);
  f.CBJednDifTlakMaxH = ui->CBJednDifTlakMaxH->currentIndex();
  f.EPrumerPotrubiPri20C = text(ui->EPrumerPotrubiPri20C);
  f.CBJednPrumerPotrubiPri20C = ui->CBJednPrumerPotrubiPri20C->currentIndex();
  f.ePrumerOtvoru_d20 = text(ui->ePrumerOtvoru_d20);
  f.cbMaterialPrimPrvku = ui->cbMaterialPrimPrvku->currentIndex();
  f.cbMaterialPotrubi = ui->cbMaterialPotrubi->currentIndex();
  for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) f.chbTvarovka[i] = m_fittingBoxes[i]->isChecked();
  f.ChBNejistota05 = ui->ChBNejistota05->isChecked();
  f.ChBNejistota02 = ui->ChBNejistota02->isChecked();
  f.CBUtvar = FromQt(ui->CBUtvar->currentText());
  f.EMericiMisto = text(ui->EMericiMisto);
  f.EPopis = text(ui->EPopis);
  f.eCisloVypoctuCount = text(ui->eCisloVypoctuCount);
  f.eCisloVypoctuIdx = text(ui->eCisloVypoctuIdx);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) f.SGKaskada2.cells[r][c] = FromQt(ui->SGKaskada2->item(r, c)->text());
  return f;
}

void TfMain::ShowForm(const InputForm& f) {
  auto set = [](QLineEdit* edit, const std::string& text) { ShowEditText(edit, ToQt(text)); };
  SelectItem(ui->CBJednTlakH, f.CBJednTlakH);
  set(ui->ETlak, f.ETlak);
  SetChecked(ui->ChBProvozniTeplota, f.ChBProvozniTeplota);
  set(ui->EProvozniTeplota, f.EProvozniTeplota);
  SelectItem(ui->CBJednProvozniTeplota, f.CBJednProvozniTeplota);
  SetChecked(ui->ChBMernaHmotnost, f.ChBMernaHmotnost);
  set(ui->EMernaHmotnost, f.EMernaHmotnost);
  SelectItem(ui->CBJednMernaHmotnost, f.CBJednMernaHmotnost);
  SetChecked(ui->ChBDynamickaViskozita, f.ChBDynamickaViskozita);
  set(ui->EDynamickaViskozita, f.EDynamickaViskozita);
  SelectItem(ui->CBJednViskozita, f.CBJednViskozita);
  set(ui->EVlhkost, f.EVlhkost);
  SetChecked(ui->ChBIzentropickyExponent, f.ChBIzentropickyExponent);
  set(ui->EIzentropickyExponent7, f.EIzentropickyExponent7);
  set(ui->EPrutokProvozni, f.EPrutokProvozni);
  set(ui->EPrutokMax, f.EPrutokMax);
  set(ui->EPrutokMin, f.EPrutokMin);
  SelectItem(ui->CBFlowUnit, f.CBFlowUnit);
  SetChecked(ui->ChBSuchyVzduch, f.ChBSuchyVzduch);
  SetChecked(ui->ChBDifTlakMax, f.ChBDifTlakMax);
  set(ui->EDifTlakMax, f.EDifTlakMax);
  SelectItem(ui->CBJednDifTlakMaxH, f.CBJednDifTlakMaxH);
  set(ui->EPrumerPotrubiPri20C, f.EPrumerPotrubiPri20C);
  SelectItem(ui->CBJednPrumerPotrubiPri20C, f.CBJednPrumerPotrubiPri20C);
  set(ui->ePrumerOtvoru_d20, f.ePrumerOtvoru_d20);
  SelectItem(ui->cbMaterialPrimPrvku, f.cbMaterialPrimPrvku);
  SelectItem(ui->cbMaterialPotrubi, f.cbMaterialPotrubi);
  for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) SetChecked(m_fittingBoxes[i], f.chbTvarovka[i]);
  SetChecked(ui->ChBNejistota05, f.ChBNejistota05);
  SetChecked(ui->ChBNejistota02, f.ChBNejistota02);
  set(ui->EPopis, f.EPopis);
  ShowCascadeGrid(f.SGKaskada2);
  ShowCompany(ToQt(f.CBUtvar));
  set(ui->EMericiMisto, f.EMericiMisto);
  for (std::size_t i = 0; i < m_numericEdits.size(); ++i)
    m_numericEdits[i]->setStyleSheet(f.marked.contains(static_cast<InputField>(i)) ? kYellow : QString());
  UpdateMaterialLabels();
  SyncPropertyEdits();
  ui->ChBIzentropickyExponent->setEnabled(
      FluidControlsFor(static_cast<FluidKind>(ui->CBTekutina5->currentIndex())).kappaBox);
}

// The grid's value cells, with the cell a reading refused selected for correction.
void TfMain::ShowCascadeGrid(const CascadeGrid& cascade) {
  QTableWidget* grid = ui->SGKaskada2;
  const QSignalBlocker blocker(grid);
  for (int r = 1; r < 3; ++r)
    for (int c = 1; c < 5; ++c) grid->item(r, c)->setText(ToQt(cascade.cells[r][c]));
  if (cascade.selectedRow < 1 || cascade.selectedColumn < 1) return;
  ui->PCNastaveni->setCurrentWidget(ui->TSZadani);
  grid->setCurrentCell(cascade.selectedRow, cascade.selectedColumn);
  grid->setFocus(Qt::OtherFocusReason);
}

void TfMain::ShowCalculationOnPage(const CalculationState& state) {
  m_state = state;
  SelectItem(ui->cbDruhVypoctu, static_cast<int>(state.CalcKind));
  LayOutResultsGrid();
  ArrangeRowsForKind();
  SelectItem(ui->CBPrimarniPrvek, static_cast<int>(state.ElementKind));
  m_element = state.ElementKind;
  ZobrazeniTvarovekNejistot();
  SelectItem(ui->CBTekutina5, static_cast<int>(state.Fluid));
  const std::string fluidName = state.FluidName;
  ApplyFluidLists();
  m_state.FluidName = fluidName;  // a stored calculation keeps the name it was stored with
  ui->BBTekutina7->setToolTip(ToQt(fluidName));
  FillMaterialLists();
  ShowForm(FormFromState(state, NumberTexts::AsShown, DecimalSeparator()));
  ArrangeRowsForKind();
  RebuildButtonHints();
}

// ---------------------------------------------------------------------------------------------------------
// Settings dialogs.

void TfMain::OpenValueDialog(ValuePurpose purpose) {
  m_settingsChanged = true;
  if (m_zadej) m_zadej->ShowFor(purpose);
}

void TfMain::OpenReferenceDialog(ReferencePurpose purpose) {
  m_settingsChanged = true;
  if (m_zadej2) m_zadej2->ShowFor(purpose);
}

void TfMain::Radahodnottlakovediference1Click() {
  m_settingsChanged = true;
  if (m_radaTlakDif) m_radaTlakDif->ShowSeries();
}

void TfMain::ValueStored(ValuePurpose purpose) {
  if (purpose != ValuePurpose::DpTransmitterAccuracy) return;
  const QSignalBlocker blocker(ui->SGKaskada2);
  ui->SGKaskada2->item(2, 1)->setText(ToQt(FixedText(m_state.DpTransmitterAccuracy, 3, DecimalSeparator())));
}

// ---------------------------------------------------------------------------------------------------------
// Calculation run and results page.

void TfMain::ClearResults() {
  {
    const QSignalBlocker blocker(ui->cbVyberZRady);
    ui->cbVyberZRady->clear();
    ui->cbVyberZRady->addItem(ToQt(Tr(str::kNoSeriesValues)));
    ui->cbVyberZRady->setCurrentIndex(0);
  }
  m_entries.clear();
  m_resultsStored = false;
  for (int r = 0; r < kResultRows; ++r)
    for (int c : {1, 4}) ui->SGVysledky->item(r, c)->setText(QString());
  ui->SGVysledky->setCurrentItem(nullptr);
  ui->LChybaVypoctu->setText(QStringLiteral(" % "));
}

void TfMain::AVypocetParametru5Execute() {
  if (!ui->AVypocetParametru5->isEnabled()) return;
  ClearResults();
  ui->MChyboveHlaseni->clear();
  for (QLineEdit* edit : m_numericEdits) edit->setStyleSheet(QString());
  InputForm form = FormOfPage();
  const GatherContext context{m_messages,      true, m_session.fullName, m_configuration.InstallationNumber,
                              TodayDayCount(), -1};
  const RunOutcome outcome = RunCalculation(form, m_state, m_derived, context, DecimalSeparator());
  if (outcome.stopped && form.CBTekutina5 == static_cast<int>(FluidKind::Undetermined)) {
    ui->PCNastaveni->setCurrentWidget(ui->TSZadani);
    ui->CBTekutina5->setFocus();
    return;
  }
  if (outcome.stopped) return;
  ShowForm(form);
  if (form.textsChanged) m_textsChanged = true;
  m_entries = outcome.entries;
  if (!m_entries.empty()) {
    {
      const QSignalBlocker blocker(ui->cbVyberZRady);
      ui->cbVyberZRady->clear();
      for (const SeriesEntry& entry : m_entries) ui->cbVyberZRady->addItem(ToQt(entry.text), true);
      ui->cbVyberZRady->setCurrentIndex(0);
    }
    cbVyberZRadyChange(0);
    ui->PCNastaveni->setCurrentWidget(ui->TSVysledky);
    ui->cbVyberZRady->setFocus();
  }
  if (outcome.clearChangeFlags) m_settingsChanged = m_textsChanged = false;
  if (outcome.dropDownList && ui->cbVyberZRady->isVisible()) ui->cbVyberZRady->showPopup();
}

void TfMain::cbVyberZRadyChange(int index) {
  if (m_entries.empty()) return;
  if (index < 0 || index >= static_cast<int>(m_entries.size())) index = 0;
  // A stored calculation holds its results and the values its iteration needs are not prepared: it is
  // shown as stored, never recomputed.
  if (m_resultsStored) {
    SetFirstTransmitter(m_state, m_entries.front().seriesValue);
  } else {
    if (!ChooseSeriesEntry(index, m_state, m_derived, m_messages)) return;
    // The sized bore of the chosen entry is what a later check of the flow or Δp starts from.
    if (m_state.CalcKind == CalculationKind::Bore)
      ShowEditText(ui->ePrumerOtvoru_d20, ToQt(BoreEditText(m_state, DecimalSeparator())));
  }
  ShowResults();
}

void TfMain::ShowResults() {
  const char separator = DecimalSeparator();
  const double dpMax = m_state.CascadeRange[0];
  const ResultsGrid grid = ResultsGridOf(m_state, dpMax, separator);
  for (int r = 0; r < kResultRows; ++r)
    for (int c = 0; c < kResultColumns; ++c) ui->SGVysledky->item(r, c)->setText(ToQt(grid[r][c]));
  LayOutSeriesHeader();
  QStringList memo;
  for (const auto& line : ResultMemo(m_state, dpMax, separator)) memo << ToQt(line);
  ui->MChyboveHlaseni->setPlainText(memo.join(QLatin1Char('\n')));
  if (m_state.CalcKind == CalculationKind::Bore)
    ui->LChybaVypoctu->setText(ToQt(BoreDeviationText(CheckBore(m_state, dpMax).deviation, separator)));
  const QSignalBlocker blocker(ui->SGKaskada2);
  ui->SGKaskada2->item(1, 1)->setText(ToQt(GeneralText(dpMax, 15, separator)));
  ui->SGKaskada2->item(2, 1)->setText(ToQt(FixedText(m_state.CascadeAccuracy[0], 3, separator)));
  ui->SGKaskada2->clearSelection();
  ui->SGKaskada2->setCurrentItem(nullptr);
}

void TfMain::ShowStoredResults() {
  ClearResults();
  m_resultsStored = true;
  SeriesEntry entry{DpAtMaximumFlow(m_state), ResultStatus(m_state.LimitFlags),
                    StoredSeriesEntryText(m_state, DecimalSeparator()), m_state};
  m_entries = {entry};
  {
    const QSignalBlocker blocker(ui->cbVyberZRady);
    ui->cbVyberZRady->clear();
    ui->cbVyberZRady->addItem(ToQt(entry.text), true);
    ui->cbVyberZRady->setCurrentIndex(0);
  }
  cbVyberZRadyChange(0);
}

// ---------------------------------------------------------------------------------------------------------
// Database page.

DatabaseAccess TfMain::Database() {
  return DatabaseAccess{LocalFileSystem(), PathsOf(m_session.databasePath), m_messages};
}

bool TfMain::ListDatabaseIntoGrid() {
  DatabaseAccess db = Database();
  ListingRequest request = CurrentListingRequest();
  // The login window's progress bar follows the records read; it is painted at once, since the listing
  // runs in one go without returning to the event loop.
  QProgressBar* bar = m_listingProgress;
  if (bar) {
    bar->setValue(0);
    bar->show();
    request.progress = [bar](int percent) {
      if (percent == bar->value()) return;
      bar->setValue(percent);
      bar->repaint();
    };
  }
  const bool listed = ListDatabase(db, request, m_listing);
  if (bar) bar->hide();
  ShowNewListing();
  return listed;
}

void TfMain::ShowIdentification(const CalculationState& state, bool countWritable) {
  auto digits = [](unsigned value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
  };
  ShowEditText(ui->eCisloVypoctuInstal, digits(state.NumberInstallation, 2));
  ShowEditText(ui->eCisloVypoctuCount, digits(state.NumberCount, 5));
  ShowEditText(ui->eCisloVypoctuIdx, digits(state.NumberIndex, 2));
  ShowEditText(ui->EProjektant, ToQt(state.Designer));
  ui->eCisloVypoctuCount->setReadOnly(!countWritable);
  m_countWritable = countWritable;
}

void TfMain::EnterEditing(const CalculationState& state, bool countWritable, bool newCalculation) {
  ForgetGraphPrintSettings();
  if (newCalculation) {
    m_state = state;
    ResetInputPage();
    SelectItem(ui->cbDruhVypoctu, 0);
    ArrangeRowsForKind();
    CBTekutina5Change(0);
    ClearResults();
    ui->MChyboveHlaseni->clear();
    ui->CBUtvar->setCurrentText(QString());
    ui->EMericiMisto->clear();
    ClearCascadeGrid();
    LayOutResultsGrid();
  } else {
    ShowCalculationOnPage(state);
    ShowStoredResults();
  }
  ShowIdentification(m_state, countWritable);
  SetMode(MainMode::Editing);
  m_settingsChanged = true;
  RebuildButtonHints();
}

void TfMain::bNovyvypocet1Click() {
  const auto state =
      NewCalculation(m_messages, m_settingsChanged, m_listing.HighestRunningCount(), m_configuration.Working,
                     Signer{m_session.fullName, m_configuration.InstallationNumber});
  if (!state) return;
  EnterEditing(*state, true, true);
}

void TfMain::bZobrazitvypocet1Click() {
  DatabaseAccess db = Database();
  const auto state =
      ShowCalculation(db, m_listing, m_selectedRow, m_settingsChanged || ui->AUlozit->isEnabled());
  if (!state) return;
  ForgetGraphPrintSettings();
  ShowCalculationOnPage(*state);
  ShowStoredResults();
  ShowIdentification(m_state, false);
  SetMode(MainMode::Viewing);
  ui->PCNastaveni->setCurrentWidget(ui->TSVysledky);
  m_settingsChanged = m_textsChanged = false;
}

// The graph's view chosen for printing belongs to the calculation it was chosen for.
void TfMain::ForgetGraphPrintSettings() {
  if (m_graf) m_graf->ClearPrintSettings();
}

void TfMain::bbKopievypoctu1Click() {
  EditSelectedCalculation(true);
}

void TfMain::bbPrepocitatvypocet1Click() {
  EditSelectedCalculation(false);
}

// The selected calculation as a copy under a new number, or recomputed under the next index of its own.
void TfMain::EditSelectedCalculation(bool asCopy) {
  DatabaseAccess db = Database();
  const auto load = asCopy ? CopyCalculation : RecomputeCalculation;
  const auto state =
      load(db, m_listing, m_selectedRow, m_settingsChanged || m_textsChanged, m_configuration.Working,
           Signer{m_session.fullName, m_configuration.InstallationNumber});
  if (state) EnterEditing(*state, asCopy, false);
}

void TfMain::ActionSaveExecute() {
  if (ui->AUlozit->isEnabled()) StoreCurrent();
}

bool TfMain::StoreCurrent() {
  if (!NumberEditsHoldNumbers()) return false;
  InputForm form = FormOfPage();
  const int chosen = ui->cbVyberZRady->currentIndex();
  const GatherContext context{m_messages,      true,  m_session.fullName, m_configuration.InstallationNumber,
                              TodayDayCount(), chosen};
  if (!GatherTexts(form, m_state, context)) return false;
  StoreRequest request;
  request.mode = m_countWritable ? SaveMode::NewNumber : SaveMode::NextIndex;
  request.settingsChanged = m_settingsChanged;
  request.saveAll = m_saveAll;
  request.dpMaxBoxVisible = !ui->ChBDifTlakMax->isHidden();
  if (chosen >= 0 && chosen < static_cast<int>(m_entries.size()))
    request.chosenSeriesValue = m_entries[chosen].seriesValue;
  DatabaseAccess db = Database();
  const StoreOutcome outcome = StoreCalculation(db, m_state, request, m_listing, CurrentListingRequest());
  if (outcome == StoreOutcome::Conflict) {
    // The database was read again: the grid shows that reading, and the number is to be corrected.
    ShowNewListing();
    ui->PCNastaveni->setCurrentWidget(ui->TSDatabaze);
    ui->eCisloVypoctuCount->setFocus(Qt::OtherFocusReason);
  }
  if (outcome != StoreOutcome::Stored) return false;
  m_settingsChanged = m_textsChanged = false;
  SetChecked(ui->ChBDifTlakMax, m_state.DpMaxGiven);
  ShowEditText(ui->EDifTlakMax, ToQt(GeneralText(m_state.DpMaxEntered, 15, DecimalSeparator())));
  ShowNewListing();
  SetMode(MainMode::Viewing);
  return true;
}

// Storing takes the number from the edits: neither may hold anything but a whole number then.
bool TfMain::NumberEditsHoldNumbers() {
  for (QLineEdit* edit : {ui->eCisloVypoctuCount, ui->eCisloVypoctuIdx}) {
    if (IsWholeNumberText(FromQt(edit->text()))) continue;
    Tell(m_messages, MessageKind::Error, str::kWholeNumberExpected);
    ui->PCNastaveni->setCurrentWidget(ui->TSDatabaze);
    edit->setFocus(Qt::OtherFocusReason);
    return false;
  }
  return true;
}

// Leaving a number edit: a whole number is shown with its digits, anything else gives way to the text the
// edit had on entry.
void TfMain::NumberEditExit(QLineEdit* edit, int digits) {
  const QString shown =
      ToQt(NumberEditOnExit(FromQt(edit->text()), FromQt(m_textOnEntry), digits, m_messages));
  if (shown != m_textOnEntry) m_settingsChanged = true;
  ShowEditText(edit, shown);
}

void TfMain::EAkceTypExit2() {
  NumberEditExit(ui->eCisloVypoctuCount, 5);
}

void TfMain::eCisloVypoctuIdxExit() {
  NumberEditExit(ui->eCisloVypoctuIdx, 2);
}

void TfMain::eCisloVypoctuCountChange() {
  ui->GBVysledky->setTitle(
      ToQt(ResultGroupCaption(FromQt(ui->eCisloVypoctuCount->text()), FromQt(ui->eCisloVypoctuIdx->text()))));
}

// ---------------------------------------------------------------------------------------------------------
// Printing.

void TfMain::SetPrintWindows(CertificatePrinter* printer, TFNahled* nahled, TFNastaveniTisku* nastaveniTisku,
                             TFZapati* zapati) {
  m_printer = printer;
  m_nahled = nahled;
  m_nastaveniTisku = nastaveniTisku;
  m_zapati = zapati;
  const InterfaceState& interface = m_configuration.Interface;
  m_nastaveniTisku->SetOptions({interface.PrintDescription, interface.PrintCascade, interface.PrintGraph,
                                interface.PrintUncertaintyTable, interface.CascadeOnNewPage});
  connect(ui->ATiskOsvedceni, &QAction::triggered, this, &TfMain::ATiskOsvedceniExecute);
  connect(ui->ANahled, &QAction::triggered, this, &TfMain::ANahledExecute);
  connect(ui->ANastaveniTisku, &QAction::triggered, this, &TfMain::ANastaveniTiskuExecute);
  connect(m_zapati, &TFZapati::TextsChanged, this, [this] { m_textsChanged = true; });
  connect(m_zapati, &TFZapati::FooterTaken, this,
          [this](const std::string& footer) { m_configuration.Working.Footer = footer; });
}

CertificateSettings TfMain::CertificateSettingsNow() const {
  CertificateSettings settings;
  if (m_nastaveniTisku) settings.Options = m_nastaveniTisku->Options();
  settings.FooterText = m_configuration.Working.Footer;
  settings.FooterOn = m_configuration.Working.PrintFooter;
  settings.OwnerName = m_configuration.OwnerName;
  settings.DatabasePath = m_session.databasePath;
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
  if (m_zapati) m_zapati->ShowFor(m_configuration.Working.Footer);
}

// ---------------------------------------------------------------------------------------------------------
// Uncertainty graph and table.

void TfMain::SetUncertaintyWindows(TFGraf* graf, TFTabulkaNejistot* tabulkaNejistot) {
  m_graf = graf;
  m_tabulkaNejistot = tabulkaNejistot;
  connect(ui->AZobrazGrafNejistot, &QAction::triggered, this, &TfMain::AZobrazGrafNejistotExecute);
  connect(ui->AZobrazTabulkuNejistot, &QAction::triggered, this, &TfMain::ActionZobrazTabulkuNejistotExecute);
  connect(ui->AExport, &QAction::triggered, this, &TfMain::AExportExecute);
  connect(ui->AImport, &QAction::triggered, this, &TfMain::AImportExecute);
}

// A calculation being edited is drawn with the cascade the grid holds now, read and checked as for a run.
bool TfMain::ReadCascadeOfPage() {
  if (m_mode != MainMode::Editing) return true;
  InputForm form = FormOfPage();
  bool textsChanged = false;
  const bool read =
      ReadCascadeGrid(form.SGKaskada2, m_state, ui->cbVyberZRady->currentIndex(), m_messages, textsChanged);
  ShowCascadeGrid(form.SGKaskada2);
  if (textsChanged) m_textsChanged = true;
  return read;
}

void TfMain::AZobrazGrafNejistotExecute() {
  if (m_graf && ReadCascadeOfPage() && CanShowUncertainties(m_state, m_messages)) m_graf->ShowFor(m_state);
}

void TfMain::ActionZobrazTabulkuNejistotExecute() {
  if (m_tabulkaNejistot && ReadCascadeOfPage() && CanShowUncertainties(m_state, m_messages))
    m_tabulkaNejistot->ShowFor(m_state, DecimalSeparator());
}

// ---------------------------------------------------------------------------------------------------------
// Export and import of the inputs.

void TfMain::AExportExecute() {
  const CalculationNumber number{m_state.NumberInstallation, m_state.NumberCount, m_state.NumberIndex};
  const std::string chosen = m_chooseFile(this, {true, Tr(str::kExportDialogTitle), FullNumberText(number)});
  if (chosen.empty()) return;
  const std::string path = ExportFilePath(chosen);
  FileSystem& fs = LocalFileSystem();
  if (!ConfirmExportPath(fs, path, m_messages)) return;
  // The file carries the inputs as the page shows them now; the export keeps the run's messages quiet.
  InputForm form = FormOfPage();
  const GatherContext context{m_messages,         false,
                              m_session.fullName, m_configuration.InstallationNumber,
                              TodayDayCount(),    ui->cbVyberZRady->currentIndex()};
  if (m_mode == MainMode::Editing && !GatherInputs(form, m_state, m_derived, context)) {
    ShowForm(form);
    return;
  }
  if (!GatherTexts(form, m_state, context)) return;
  if (ExportInputs(fs, path, m_state, m_messages)) m_settingsChanged = m_textsChanged = false;
}

void TfMain::AImportExecute() {
  const std::string path = m_chooseFile(this, {false, Tr(str::kImportDialogTitle), {}});
  if (path.empty()) return;
  FileSystem& fs = LocalFileSystem();
  const std::optional<CalculationState> imported =
      ImportForEditing(fs, path, ReadWorkingSettings(fs, m_configurationPath), m_state, m_messages);
  if (!imported) return;
  ShowCalculationOnPage(*imported);
  ClearResults();
  MarkChanged();
}

// ---------------------------------------------------------------------------------------------------------
// The hidden key sequence and the flow and current table.

void TfMain::SetFlowTableWindow(TFPrutok2mA* prutok2mA) {
  m_prutok2mA = prutok2mA;
  struct HiddenAction {
    const char* name;
    const char* keys;
    void (TfMain::*handler)();
  };
  const HiddenAction hidden[] = {
      {"AOD1", "Ctrl+Alt+K", &TfMain::OD11Click},
      {"AOD2", "Ctrl+Alt+W", &TfMain::OD21Click},
      {"OD32", "Ctrl+Alt+J", &TfMain::OD31Click},
      {"PovolUlozeniVsechVypoctu2", "Ctrl+Alt+Y", &TfMain::Povoluloenvechvpot1Click},
      {"Aq2mA", "Ctrl+I", &TfMain::q2mA1Click},
  };
  for (const HiddenAction& h : hidden) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(h.name));
    action->setShortcut(QKeySequence(QString::fromLatin1(h.keys)));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, h.handler);
  }
}

void TfMain::OD11Click() {
  m_keyStep1 = true;
}

// Out of order, the sequence starts again.
void TfMain::OD21Click() {
  if (m_keyStep1)
    m_keyStep2 = true;
  else
    m_keyStep1 = m_keyStep2 = false;
}

// Only a stored calculation (shown, never edited) is exported.
void TfMain::OD31Click() {
  const bool unlocked = m_keyStep1 && m_keyStep2;
  m_keyStep1 = m_keyStep2 = false;
  if (!unlocked || m_mode != MainMode::Viewing) return;
  bool confirmed = false;
  const QString path =
      QInputDialog::getText(this, ToQt(Tr(str::kDiagnosticTitle)), ToQt(Tr(str::kDiagnosticPrompt)),
                            QLineEdit::Normal, m_diagnosticPath, &confirmed);
  if (!confirmed) return;
  m_diagnosticPath = path;
  WriteDiagnosticExport(FromQt(path), m_state, m_messages);
}

void TfMain::Povoluloenvechvpot1Click() {
  const bool unlocked = m_keyStep1 && m_keyStep2;
  m_keyStep1 = m_keyStep2 = false;
  if (!unlocked) return;
  Tell(m_messages, MessageKind::Warning, str::kDeveloperMode);
  m_saveAll = true;
}

void TfMain::q2mA1Click() {
  if (m_prutok2mA && m_mode == MainMode::Viewing) m_prutok2mA->ShowFor(m_state, DecimalSeparator());
}

// ---------------------------------------------------------------------------------------------------------
// Conversion of the older program's databases.

void TfMain::SetConversionWindow(TFConvert* convert) {
  m_convert = convert;
}

void TfMain::BBConvertClick() {
  if (m_convert)
    m_convert->ShowFor(m_configuration.DatabaseFolder,
                       FromQt(QFileInfo(ToQt(m_session.databasePath)).fileName()), m_companies->Names());
}

}  // namespace pramo
