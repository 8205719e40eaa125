#include "app/windows/tszadani.h"

#include <cmath>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/InputPage.h"
#include "app/windows/FixedGrid.h"
#include "app/windows/Language.h"
#include "app/windows/WindowText.h"
#include "app/windows/tfjmenotekutiny.h"
#include "app/windows/tfradatlakdif.h"
#include "app/windows/tfzadej.h"
#include "app/windows/tfzadej2.h"
#include "core/InputGathering.h"
#include "core/NumberText.h"
#include "core/SizingIterations.h"
#include "core/StraightLengths.h"
#include "storage/DatabaseRecord.h"
#include "strings/app.h"
#include "uncertainty/FlowUncertainty.h"
#include "ui_tszadani.h"

namespace pramo {
namespace {

constexpr int kRowTop = 18;  // the kind row of the group "Základní"
constexpr int kRowHeight = 24;
constexpr int kCascadeRowHeight = 22;
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

}  // namespace

TSZadani::TSZadani(SessionController& session, CalculationState& state, Messages& messages, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::TSZadani>()),
      m_session(session),
      m_state(state),
      m_messages(messages) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] {
    ui->retranslateUi(this);
    RebuildButtonHints();
  });
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
  ui->EMericiMisto->installEventFilter(this);
  ui->CBUtvar->installEventFilter(this);
  ui->CBUtvar->lineEdit()->setMaxLength(static_cast<int>(kCompanyCapacity));
  for (QComboBox* list : {ui->cbMaterialPrimPrvku, ui->cbMaterialPotrubi}) list->view()->setMinimumWidth(340);

  // The grid keeps its column widths; a smaller font lets the longest titles fit them.
  QTableWidget* grid = ui->SGKaskada2;
  QFont gridFont = grid->font();
  gridFont.setPointSize(8);
  grid->setFont(gridFont);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setRowCount(3);
  grid->setColumnCount(5);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(kCascadeRowHeight);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c)
      grid->setItem(r, c, r > 0 && c >= 2 ? new QTableWidgetItem() : FixedItem(QString()));

  connect(ui->BBBarometrickyTlak1, &QToolButton::clicked, this,
          [this] { OpenValueDialog(ValuePurpose::BarometricPressure); });
  connect(ui->BBVPMH, &QToolButton::clicked, this,
          [this] { OpenReferenceDialog(ReferencePurpose::Density); });
  connect(ui->BBVPP, &QToolButton::clicked, this, [this] { OpenReferenceDialog(ReferencePurpose::Flow); });
  connect(ui->BBTekutina7, &QToolButton::clicked, this, &TSZadani::BBTekutina7Click);

  connect(ui->CBTekutina5, &QComboBox::activated, this, &TSZadani::CBTekutina5Change);
  connect(ui->CBPrimarniPrvek, &QComboBox::activated, this, &TSZadani::CBPrimarniPrvekChange);
  connect(ui->cbDruhVypoctu, &QComboBox::activated, this, &TSZadani::cbDruhVypoctuChange);
  connect(ui->CBJednTlakH, &QComboBox::activated, this, &TSZadani::CBJednTlakHChange);
  connect(ui->CBJednMernaHmotnost, &QComboBox::activated, this, &TSZadani::CBJednMernaHmotnostChange);
  connect(ui->CBFlowUnit, &QComboBox::activated, this, &TSZadani::CBFlowUnitChange);
  connect(ui->CBJednProvozniTeplota, &QComboBox::activated, this, &TSZadani::CBJednProvozniTeplotaChange);
  connect(ui->CBJednViskozita, &QComboBox::activated, this, &TSZadani::CBJednViskozitaChange);
  connect(ui->CBJednDifTlakMaxH, &QComboBox::activated, this, &TSZadani::CBJednDifTlakMaxHChange);
  connect(ui->CBJednPrumerPotrubiPri20C, &QComboBox::activated, this,
          &TSZadani::CBJednPrumerPotrubiPri20CChange);
  connect(ui->cbMaterialPrimPrvku, &QComboBox::activated, this, &TSZadani::cbMaterialPrimPrvkuChange);
  connect(ui->cbMaterialPotrubi, &QComboBox::activated, this, &TSZadani::cbMaterialPotrubiChange);
  connect(ui->CBUtvar, &QComboBox::activated, this, &TSZadani::CBUtvarChange);

  connect(ui->ChBProvozniTeplota, &QCheckBox::clicked, this, &TSZadani::ChBProvozniTeplotaClick);
  connect(ui->ChBMernaHmotnost, &QCheckBox::clicked, this, &TSZadani::ChBMernaHmotnostClick);
  connect(ui->ChBDynamickaViskozita, &QCheckBox::clicked, this, &TSZadani::ChBDynamickaViskozitaClick);
  connect(ui->ChBIzentropickyExponent, &QCheckBox::clicked, this, &TSZadani::ChBIzentropickyExponentClick);
  connect(ui->ChBSuchyVzduch, &QCheckBox::clicked, this, &TSZadani::ChBSuchyVzduchClick);
  connect(ui->ChBDifTlakMax, &QCheckBox::clicked, this, &TSZadani::ChBDifTlakMaxClick);
  for (QCheckBox* box : m_fittingBoxes) connect(box, &QCheckBox::clicked, this, &TSZadani::chbTvarovkaClick);
  connect(ui->ChBNejistota05, &QCheckBox::clicked, this, &TSZadani::ChBNejistota05Click);
  connect(ui->ChBNejistota02, &QCheckBox::clicked, this, &TSZadani::ChBNejistota02Click);
  connect(ui->SGKaskada2, &QTableWidget::itemChanged, this, &TSZadani::SGKaskada2Edited);
}

TSZadani::~TSZadani() = default;

void TSZadani::SetDialogs(TFZadej* zadej, TFRadaTlakDif* radaTlakDif, TFZadej2* zadej2,
                          TFJmenoTekutiny* jmenoTekutiny) {
  m_zadej = zadej;
  m_radaTlakDif = radaTlakDif;
  m_zadej2 = zadej2;
  m_jmenoTekutiny = jmenoTekutiny;
  connect(m_zadej, &TFZadej::ValueStored, this, &TSZadani::ValueStored);
  connect(m_zadej, &QDialog::finished, this, &TSZadani::RebuildButtonHints);
  connect(m_zadej2, &QDialog::finished, this, &TSZadani::RebuildButtonHints);
  connect(m_jmenoTekutiny, &TFJmenoTekutiny::NameStored, this,
          [this] { ui->BBTekutina7->setToolTip(ToQt(m_state.FluidName)); });
}

void TSZadani::ResetForStart() {
  ResetInputPage();
  ClearCascadeGrid();
  ui->lDiferencniTlak->move(ui->lDiferencniTlak->x(), ui->ChBDifTlakMax->y());
  CBTekutina5Change(ui->CBTekutina5->currentIndex());
  LayOutCascadeGrid();
}

void TSZadani::ResetForNewCalculation() {
  ResetInputPage();
  SelectItem(ui->cbDruhVypoctu, 0);
  ArrangeRowsForKind();
  CBTekutina5Change(0);
  ClearIdentification();
  ClearCascadeGrid();
}

// The value cells of the cascade grid; its titles stay.
void TSZadani::ClearCascadeGrid() {
  const QSignalBlocker blocker(ui->SGKaskada2);
  for (int r = 1; r < 3; ++r)
    for (int c = 1; c < 5; ++c) ui->SGKaskada2->item(r, c)->setText(QString());
}

void TSZadani::LayOutCascadeGrid() {
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

void TSZadani::RebuildButtonHints() {
  const char separator = DecimalSeparator();
  ui->BBVPMH->setToolTip(ToQt(DensityReferenceHint(m_state, separator)));
  ui->BBVPP->setToolTip(ToQt(FlowReferenceHint(m_state, separator)));
  ui->BBBarometrickyTlak1->setToolTip(ToQt(BarometricPressureHint(m_state, separator)));
}

CalculationKind TSZadani::Kind() const {
  return static_cast<CalculationKind>(ui->cbDruhVypoctu->currentIndex());
}

bool TSZadani::ElementMaterialOther() const {
  return ui->cbMaterialPrimPrvku->currentIndex() == ui->cbMaterialPrimPrvku->count() - 1;
}

bool TSZadani::DpMaxBoxShown() const {
  return !ui->ChBDifTlakMax->isHidden();
}

void TSZadani::ClearMarks() {
  for (QLineEdit* edit : m_numericEdits) edit->setStyleSheet(QString());
}

void TSZadani::FocusFluidList() {
  ui->CBTekutina5->setFocus();
}

void TSZadani::ClearIdentification() {
  ui->EMericiMisto->clear();
  ui->CBUtvar->setCurrentText(QString());
}

void TSZadani::ShowSizedBore() {
  ShowEditText(ui->ePrumerOtvoru_d20, ToQt(BoreEditText(m_state, DecimalSeparator())));
}

void TSZadani::ShowFirstTransmitter(double range, double accuracy) {
  const char separator = DecimalSeparator();
  const QSignalBlocker blocker(ui->SGKaskada2);
  ui->SGKaskada2->item(1, 1)->setText(ToQt(GeneralText(range, 15, separator)));
  ui->SGKaskada2->item(2, 1)->setText(ToQt(FixedText(accuracy, 3, separator)));
  ui->SGKaskada2->clearSelection();
  ui->SGKaskada2->setCurrentItem(nullptr);
}

void TSZadani::ShowStoredDpMax() {
  SetChecked(ui->ChBDifTlakMax, m_state.DpMaxGiven);
  ShowEditText(ui->EDifTlakMax, ToQt(GeneralText(m_state.DpMaxEntered, 15, DecimalSeparator())));
}

bool TSZadani::ReadCascadeOfPage(int chosenEntry) {
  if (m_session.Mode() != MainMode::Editing) return true;
  InputForm form = FormOfPage();
  bool textsChanged = false;
  const bool read = ReadCascadeGrid(form.SGKaskada2, m_state, chosenEntry, m_messages, textsChanged);
  ShowCascadeGrid(form.SGKaskada2);
  if (textsChanged) m_session.MarkTextsChanged();
  return read;
}

bool TSZadani::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  // The company field is watched as a whole: its line edit hands focus and keys to the list.
  const bool company = watched == ui->CBUtvar;
  if (!edit && !company) return QWidget::eventFilter(watched, event);
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
  return QWidget::eventFilter(watched, event);
}

// The edits of the page: a numeric edit (…1) marks the settings as changed when its trimmed text differs
// from the text it had when entered, a description edit or the company field (…2) the texts; Enter counts
// as leaving and entering again.
QString TSZadani::FieldText(QObject* field) const {
  if (field == ui->CBUtvar) return ui->CBUtvar->currentText().trimmed();
  return static_cast<QLineEdit*>(field)->text().trimmed();
}

void TSZadani::OnEditEnter(QObject* field, bool byUser) {
  m_textOnEntry = FieldText(field);
  if (field == ui->EPrutokMax && byUser) Tell(m_messages, MessageKind::Warning, str::kFlowMaxWarning);
}

void TSZadani::OnEditEnter2(QObject* field) {
  m_textOnEntry = FieldText(field);
}

void TSZadani::OnEditExit1(QObject* field) {
  if (FieldText(field) != m_textOnEntry) m_session.MarkSettingsChanged();
}

void TSZadani::OnEditExit2(QObject* field) {
  if (FieldText(field) != m_textOnEntry) m_session.MarkTextsChanged();
}

void TSZadani::OnEKeyPress1(QObject* field) {
  OnEditExit1(field);
  m_textOnEntry = FieldText(field);
}

void TSZadani::OnEKeyPress2(QObject* field) {
  OnEditExit2(field);
  m_textOnEntry = FieldText(field);
}

void TSZadani::MarkChanged() {
  m_session.MarkSettingsChanged();
  m_state.ResultsValid = false;
}

bool TSZadani::ListIndexChanged(QComboBox* list, int index) {
  if (list->property(kRememberedIndex).toInt() == index) return false;
  list->setProperty(kRememberedIndex, index);
  return true;
}

void TSZadani::FillMaterialLists() {
  FillList(ui->cbMaterialPrimPrvku, ElementMaterialItems(m_state.VersionTag));
  FillList(ui->cbMaterialPotrubi, PipeMaterialItems(m_state.VersionTag));
  for (QComboBox* list : {ui->cbMaterialPrimPrvku, ui->cbMaterialPotrubi, ui->CBPrimarniPrvek})
    FitPopupToItems(list);
}

void TSZadani::ResetInputPage() {
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

void TSZadani::ZobrazeniTvarovekNejistot() {
  const auto kind = static_cast<PrimaryElementKind>(ui->CBPrimarniPrvek->currentIndex());
  const FittingBoxes boxes = FittingBoxesFor(m_state.VersionTag, kind);
  for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) {
    m_fittingBoxes[i]->setText(ToQt(boxes.boxes[i].caption));
    m_fittingBoxes[i]->setVisible(boxes.boxes[i].visible);
  }
  ui->ChBNejistota02->setVisible(boxes.offsetOptionVisible);
  ui->LMaterialPotrubi->setText(ToQt(boxes.pipeMaterialLabel));
}

void TSZadani::FollowBox(QCheckBox* box, QLineEdit* edit, QComboBox* unit) {
  if (!box->isChecked()) edit->clear();
  edit->setEnabled(box->isChecked());
  if (unit) unit->setEnabled(box->isChecked());
}

// The edits follow their boxes after the page was filled, without emptying anything.
void TSZadani::SyncPropertyEdits() {
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

void TSZadani::ApplyFluidLists() {
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

void TSZadani::CBTekutina5Change(int index) {
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
void TSZadani::FollowPropertyBox(bool FluidControls::*forced, QCheckBox* box, QLineEdit* edit,
                                 QComboBox* unit) {
  if (FluidControlsFor(static_cast<FluidKind>(ui->CBTekutina5->currentIndex())).*forced)
    SetChecked(box, true);
  FollowBox(box, edit, unit);
  MarkChanged();
}

void TSZadani::ChBProvozniTeplotaClick() {
  FollowPropertyBox(&FluidControls::temperatureForced, ui->ChBProvozniTeplota, ui->EProvozniTeplota,
                    ui->CBJednProvozniTeplota);
}

void TSZadani::ChBMernaHmotnostClick() {
  FollowPropertyBox(&FluidControls::densityForced, ui->ChBMernaHmotnost, ui->EMernaHmotnost,
                    ui->CBJednMernaHmotnost);
  ui->BBVPMH->setEnabled(ui->ChBMernaHmotnost->isChecked() &&
                         ui->CBJednMernaHmotnost->currentIndex() == kDensityUnitVp);
}

void TSZadani::ChBDynamickaViskozitaClick() {
  FollowPropertyBox(&FluidControls::viscosityForced, ui->ChBDynamickaViskozita, ui->EDynamickaViskozita,
                    ui->CBJednViskozita);
}

void TSZadani::ChBIzentropickyExponentClick() {
  FollowBox(ui->ChBIzentropickyExponent, ui->EIzentropickyExponent7, nullptr);
  MarkChanged();
}

void TSZadani::ChBSuchyVzduchClick() {
  MarkChanged();
}

void TSZadani::ChBDifTlakMaxClick() {
  FollowBox(ui->ChBDifTlakMax, ui->EDifTlakMax, ui->CBJednDifTlakMaxH);
  MarkChanged();
}

void TSZadani::CBPrimarniPrvekChange(int index) {
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

void TSZadani::cbDruhVypoctuChange(int index) {
  if (!ListIndexChanged(ui->cbDruhVypoctu, index)) return;
  m_state.CalcKind = static_cast<CalculationKind>(index);
  // Results of another kind must not be stored under this one.
  MarkChanged();
  emit KindChanged();
  ArrangeRowsForKind();
}

void TSZadani::ArrangeRowsForKind() {
  const InputRowLayout rows = InputRowsFor(Kind());
  PlaceRow({ui->LPrutokProvozni, ui->EPrutokProvozni, ui->CBFlowUnit, ui->BBVPP}, rows.flowOperating);
  ui->LPrutokProvozni->setText(ToQt(Tr(rows.flowLabelShort ? str::kLabelFlow : str::kLabelFlowOperating)));
  PlaceRow({ui->LPrutokMax, ui->EPrutokMax}, rows.flowMax);
  PlaceRow({ui->LPrutokMin, ui->EPrutokMin}, rows.flowMin);
  PlaceRow({ui->ChBSuchyVzduch}, rows.dryAir);
  if (rows.dryAir < 0) SetChecked(ui->ChBSuchyVzduch, false);
  PlaceRow({ui->EDifTlakMax, ui->CBJednDifTlakMaxH}, rows.dpMax);
  PlaceRow({ui->ChBDifTlakMax}, rows.dpMaxBoxShown ? rows.dpMax : -1);
  PlaceRow({ui->lDiferencniTlak}, rows.dpMaxBoxShown ? -1 : rows.dpMax);
  if (rows.dpMaxChecked) {
    SetChecked(ui->ChBDifTlakMax, *rows.dpMaxChecked);
    FollowBox(ui->ChBDifTlakMax, ui->EDifTlakMax, ui->CBJednDifTlakMaxH);
  } else {
    ui->EDifTlakMax->setEnabled(ui->ChBDifTlakMax->isChecked());
    ui->CBJednDifTlakMaxH->setEnabled(ui->ChBDifTlakMax->isChecked());
  }
  PlaceRow({ui->LPrumerPotrubiPri20C, ui->EPrumerPotrubiPri20C, ui->CBJednPrumerPotrubiPri20C},
           rows.pipeDiameter);
  PlaceRow({ui->lPrumerOtvoru_d20, ui->ePrumerOtvoru_d20, ui->LJednPrumerOtvoru}, rows.bore);
  ui->GBKaskada->setVisible(rows.cascadeShown);
}

void TSZadani::CBJednTlakHChange(int index) {
  if (!ListIndexChanged(ui->CBJednTlakH, index)) return;
  MarkChanged();
  ui->BBBarometrickyTlak1->setEnabled(IsGaugePressureUnit(index));
  if (IsGaugePressureUnit(index)) OpenValueDialog(ValuePurpose::BarometricPressure);
}

void TSZadani::CBJednMernaHmotnostChange(int index) {
  if (!ListIndexChanged(ui->CBJednMernaHmotnost, index)) return;
  MarkChanged();
  ui->BBVPMH->setEnabled(index == kDensityUnitVp);
  if (index == kDensityUnitVp) OpenReferenceDialog(ReferencePurpose::Density);
}

void TSZadani::CBFlowUnitChange(int index) {
  if (!ListIndexChanged(ui->CBFlowUnit, index)) return;
  MarkChanged();
  ui->BBVPP->setEnabled(IsFlowUnitVp(index));
  if (IsFlowUnitVp(index)) OpenReferenceDialog(ReferencePurpose::Flow);
}

void TSZadani::CBJednProvozniTeplotaChange(int index) {
  if (ListIndexChanged(ui->CBJednProvozniTeplota, index)) MarkChanged();
}

void TSZadani::CBJednViskozitaChange(int index) {
  if (ListIndexChanged(ui->CBJednViskozita, index)) MarkChanged();
}

void TSZadani::CBJednDifTlakMaxHChange(int index) {
  if (ListIndexChanged(ui->CBJednDifTlakMaxH, index)) MarkChanged();
}

void TSZadani::CBJednPrumerPotrubiPri20CChange(int index) {
  if (ListIndexChanged(ui->CBJednPrumerPotrubiPri20C, index)) MarkChanged();
}

void TSZadani::UpdateMaterialLabels() {
  const auto last = [](QComboBox* list) { return list->currentIndex() == list->count() - 1; };
  ui->lPrumerOtvoru_d20->setText(ToQt(BoreLabel(last(ui->cbMaterialPrimPrvku))));
  ui->LPrumerPotrubiPri20C->setText(ToQt(PipeDiameterLabel(last(ui->cbMaterialPotrubi))));
}

void TSZadani::cbMaterialPrimPrvkuChange(int index) {
  if (!ListIndexChanged(ui->cbMaterialPrimPrvku, index)) return;
  MarkChanged();
  UpdateMaterialLabels();
}

void TSZadani::cbMaterialPotrubiChange(int index) {
  if (!ListIndexChanged(ui->cbMaterialPotrubi, index)) return;
  MarkChanged();
  UpdateMaterialLabels();
}

void TSZadani::chbTvarovkaClick() {
  MarkChanged();
}

void TSZadani::ChBNejistota05Click() {
  MarkChanged();
}

void TSZadani::ChBNejistota02Click() {
  MarkChanged();
}

void TSZadani::CBUtvarChange(int index) {
  if (ListIndexChanged(ui->CBUtvar, index)) m_session.MarkTextsChanged();
}

void TSZadani::SGKaskada2Edited() {
  m_session.MarkTextsChanged();
}

void TSZadani::FillCompanyList(const std::vector<std::string>& names) {
  const QString shown = ui->CBUtvar->currentText();
  {
    const QSignalBlocker blocker(ui->CBUtvar);
    ui->CBUtvar->clear();
    for (const std::string& name : names) ui->CBUtvar->addItem(ToQt(name));
  }
  ShowCompany(shown);
}

// A name that is not in the list is shown as typed, with no entry chosen.
void TSZadani::ShowCompany(const QString& name) {
  const QSignalBlocker blocker(ui->CBUtvar);
  ui->CBUtvar->setCurrentIndex(ui->CBUtvar->findText(name));
  ShowEditText(ui->CBUtvar->lineEdit(), name);
  ui->CBUtvar->setProperty(kRememberedIndex, ui->CBUtvar->currentIndex());
}

void TSZadani::BBTekutina7Click() {
  m_session.MarkSettingsChanged();
  if (m_jmenoTekutiny) m_jmenoTekutiny->ShowName();
}

InputForm TSZadani::FormOfPage() const {
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
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) f.SGKaskada2.cells[r][c] = FromQt(ui->SGKaskada2->item(r, c)->text());
  return f;
}

void TSZadani::ShowForm(const InputForm& f) {
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
void TSZadani::ShowCascadeGrid(const CascadeGrid& cascade) {
  QTableWidget* grid = ui->SGKaskada2;
  const QSignalBlocker blocker(grid);
  for (int r = 1; r < 3; ++r)
    for (int c = 1; c < 5; ++c) grid->item(r, c)->setText(ToQt(cascade.cells[r][c]));
  if (cascade.selectedRow < 1 || cascade.selectedColumn < 1) return;
  emit PageWanted();
  grid->setCurrentCell(cascade.selectedRow, cascade.selectedColumn);
  grid->setFocus(Qt::OtherFocusReason);
}

void TSZadani::ShowCalculationOnPage(const CalculationState& state) {
  m_state = state;
  SelectItem(ui->cbDruhVypoctu, static_cast<int>(state.CalcKind));
  emit KindChanged();
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

void TSZadani::OpenValueDialog(ValuePurpose purpose) {
  m_session.MarkSettingsChanged();
  if (m_zadej) m_zadej->ShowFor(purpose);
}

void TSZadani::OpenReferenceDialog(ReferencePurpose purpose) {
  m_session.MarkSettingsChanged();
  if (m_zadej2) m_zadej2->ShowFor(purpose);
}

void TSZadani::Radahodnottlakovediference1Click() {
  m_session.MarkSettingsChanged();
  if (m_radaTlakDif) m_radaTlakDif->ShowSeries();
}

void TSZadani::ValueStored(ValuePurpose purpose) {
  if (purpose != ValuePurpose::DpTransmitterAccuracy) return;
  const QSignalBlocker blocker(ui->SGKaskada2);
  ui->SGKaskada2->item(2, 1)->setText(ToQt(FixedText(m_state.DpTransmitterAccuracy, 3, DecimalSeparator())));
}

}  // namespace pramo
