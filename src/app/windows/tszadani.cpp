#include "app/windows/tszadani.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include "app/InputPage.h"
#include "app/windows/CascadeGridView.h"
#include "app/windows/EditChangeTracker.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
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

// The page's controls with the fields of the form they show, for reading the form and filling it alike;
// the kind, element and fluid lists are read only, since choosing them has consequences of its own.
struct PageFields {
  std::vector<std::pair<QLineEdit*, std::string InputForm::*>> edits;
  std::vector<std::pair<QComboBox*, int InputForm::*>> lists;
  std::vector<std::pair<QCheckBox*, bool InputForm::*>> boxes;
};

PageFields FieldsOf(const Ui::TSZadani& ui) {
  using F = InputForm;
  return {{{ui.ETlak, &F::ETlak},
           {ui.EProvozniTeplota, &F::EProvozniTeplota},
           {ui.EMernaHmotnost, &F::EMernaHmotnost},
           {ui.EDynamickaViskozita, &F::EDynamickaViskozita},
           {ui.EVlhkost, &F::EVlhkost},
           {ui.EIzentropickyExponent7, &F::EIzentropickyExponent7},
           {ui.EPrutokProvozni, &F::EPrutokProvozni},
           {ui.EPrutokMax, &F::EPrutokMax},
           {ui.EPrutokMin, &F::EPrutokMin},
           {ui.EDifTlakMax, &F::EDifTlakMax},
           {ui.EPrumerPotrubiPri20C, &F::EPrumerPotrubiPri20C},
           {ui.ePrumerOtvoru_d20, &F::ePrumerOtvoru_d20},
           {ui.EPopis, &F::EPopis},
           {ui.EMericiMisto, &F::EMericiMisto}},
          {{ui.CBJednTlakH, &F::CBJednTlakH},
           {ui.CBJednProvozniTeplota, &F::CBJednProvozniTeplota},
           {ui.CBJednMernaHmotnost, &F::CBJednMernaHmotnost},
           {ui.CBJednViskozita, &F::CBJednViskozita},
           {ui.CBFlowUnit, &F::CBFlowUnit},
           {ui.CBJednDifTlakMaxH, &F::CBJednDifTlakMaxH},
           {ui.CBJednPrumerPotrubiPri20C, &F::CBJednPrumerPotrubiPri20C},
           {ui.cbMaterialPrimPrvku, &F::cbMaterialPrimPrvku},
           {ui.cbMaterialPotrubi, &F::cbMaterialPotrubi}},
          {{ui.ChBProvozniTeplota, &F::ChBProvozniTeplota},
           {ui.ChBMernaHmotnost, &F::ChBMernaHmotnost},
           {ui.ChBDynamickaViskozita, &F::ChBDynamickaViskozita},
           {ui.ChBIzentropickyExponent, &F::ChBIzentropickyExponent},
           {ui.ChBSuchyVzduch, &F::ChBSuchyVzduch},
           {ui.ChBDifTlakMax, &F::ChBDifTlakMax},
           {ui.ChBNejistota05, &F::ChBNejistota05},
           {ui.ChBNejistota02, &F::ChBNejistota02}}};
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
  auto* tracker = new EditChangeTracker(m_session, this);
  for (QLineEdit* edit : m_numericEdits) tracker->WatchNumeric(edit);
  for (QObject* field : std::initializer_list<QObject*>{ui->EPopis, ui->EMericiMisto, ui->CBUtvar})
    tracker->WatchText(field);
  tracker->OnEnteredByUser([this](QObject* field) {
    if (field == ui->EPrutokMax) Tell(m_messages, MessageKind::Warning, str::kFlowMaxWarning);
  });
  ui->CBUtvar->lineEdit()->setMaxLength(static_cast<int>(kCompanyCapacity));
  for (QComboBox* list : {ui->cbMaterialPrimPrvku, ui->cbMaterialPotrubi}) list->view()->setMinimumWidth(340);

  SetUpCascadeGrid(*ui->SGKaskada2);

  connect(ui->BBBarometrickyTlak1, &QToolButton::clicked, this,
          [this] { OpenValueDialog(ValuePurpose::BarometricPressure); });
  connect(ui->BBVPMH, &QToolButton::clicked, this,
          [this] { OpenReferenceDialog(ReferencePurpose::Density); });
  connect(ui->BBVPP, &QToolButton::clicked, this, [this] { OpenReferenceDialog(ReferencePurpose::Flow); });
  connect(ui->BBTekutina7, &QToolButton::clicked, this, &TSZadani::BBTekutina7Click);

  const std::pair<QComboBox*, void (TSZadani::*)(int)> lists[] = {
      {ui->CBTekutina5, &TSZadani::CBTekutina5Change},
      {ui->CBPrimarniPrvek, &TSZadani::CBPrimarniPrvekChange},
      {ui->cbDruhVypoctu, &TSZadani::cbDruhVypoctuChange},
      {ui->CBJednTlakH, &TSZadani::CBJednTlakHChange},
      {ui->CBJednMernaHmotnost, &TSZadani::CBJednMernaHmotnostChange},
      {ui->CBFlowUnit, &TSZadani::CBFlowUnitChange},
      {ui->CBJednProvozniTeplota, &TSZadani::CBJednProvozniTeplotaChange},
      {ui->CBJednViskozita, &TSZadani::CBJednViskozitaChange},
      {ui->CBJednDifTlakMaxH, &TSZadani::CBJednDifTlakMaxHChange},
      {ui->CBJednPrumerPotrubiPri20C, &TSZadani::CBJednPrumerPotrubiPri20CChange},
      {ui->cbMaterialPrimPrvku, &TSZadani::cbMaterialPrimPrvkuChange},
      {ui->cbMaterialPotrubi, &TSZadani::cbMaterialPotrubiChange},
      {ui->CBUtvar, &TSZadani::CBUtvarChange}};
  for (const auto& [list, handler] : lists) connect(list, &QComboBox::activated, this, handler);
  std::vector<std::pair<QCheckBox*, void (TSZadani::*)()>> boxes = {
      {ui->ChBProvozniTeplota, &TSZadani::ChBProvozniTeplotaClick},
      {ui->ChBMernaHmotnost, &TSZadani::ChBMernaHmotnostClick},
      {ui->ChBDynamickaViskozita, &TSZadani::ChBDynamickaViskozitaClick},
      {ui->ChBIzentropickyExponent, &TSZadani::ChBIzentropickyExponentClick},
      {ui->ChBSuchyVzduch, &TSZadani::ChBSuchyVzduchClick},
      {ui->ChBDifTlakMax, &TSZadani::ChBDifTlakMaxClick},
      {ui->ChBNejistota05, &TSZadani::ChBNejistota05Click},
      {ui->ChBNejistota02, &TSZadani::ChBNejistota02Click}};
  for (QCheckBox* box : m_fittingBoxes) boxes.emplace_back(box, &TSZadani::chbTvarovkaClick);
  for (const auto& [box, handler] : boxes) connect(box, &QCheckBox::clicked, this, handler);
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
  ClearCascadeGrid(*ui->SGKaskada2);
  ui->lDiferencniTlak->move(ui->lDiferencniTlak->x(), ui->ChBDifTlakMax->y());
  CBTekutina5Change(ui->CBTekutina5->currentIndex());
  LayOutCascadeGrid(*ui->SGKaskada2);
}

void TSZadani::ResetForNewCalculation() {
  ResetInputPage();
  SelectItem(ui->cbDruhVypoctu, 0);
  ArrangeRowsForKind();
  CBTekutina5Change(0);
  ClearIdentification();
  ClearCascadeGrid(*ui->SGKaskada2);
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
  SetCascadeCell(*ui->SGKaskada2, 1, 1, ToQt(GeneralText(range, 15, separator)));
  SetCascadeCell(*ui->SGKaskada2, 2, 1, ToQt(FixedText(accuracy, 3, separator)));
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
  f.cbDruhVypoctu = ui->cbDruhVypoctu->currentIndex();
  f.CBPrimarniPrvek = ui->CBPrimarniPrvek->currentIndex();
  f.CBTekutina5 = ui->CBTekutina5->currentIndex();
  const PageFields fields = FieldsOf(*ui);
  for (const auto& [edit, field] : fields.edits) f.*field = FromQt(edit->text());
  for (const auto& [list, field] : fields.lists) f.*field = list->currentIndex();
  for (const auto& [box, field] : fields.boxes) f.*field = box->isChecked();
  f.EDifTlakMaxVisible = !ui->EDifTlakMax->isHidden();
  for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) f.chbTvarovka[i] = m_fittingBoxes[i]->isChecked();
  f.CBUtvar = FromQt(ui->CBUtvar->currentText());
  ReadCascadeCells(*ui->SGKaskada2, f.SGKaskada2);
  return f;
}

void TSZadani::ShowForm(const InputForm& f) {
  const PageFields fields = FieldsOf(*ui);
  for (const auto& [edit, field] : fields.edits) ShowEditText(edit, ToQt(f.*field));
  for (const auto& [list, field] : fields.lists) SelectItem(list, f.*field);
  for (const auto& [box, field] : fields.boxes) SetChecked(box, f.*field);
  for (std::size_t i = 0; i < m_fittingBoxes.size(); ++i) SetChecked(m_fittingBoxes[i], f.chbTvarovka[i]);
  ShowCascadeGrid(f.SGKaskada2);
  ShowCompany(ToQt(f.CBUtvar));
  for (std::size_t i = 0; i < m_numericEdits.size(); ++i)
    m_numericEdits[i]->setStyleSheet(f.marked.contains(static_cast<InputField>(i)) ? kYellow : QString());
  UpdateMaterialLabels();
  SyncPropertyEdits();
  ui->ChBIzentropickyExponent->setEnabled(
      FluidControlsFor(static_cast<FluidKind>(ui->CBTekutina5->currentIndex())).kappaBox);
}

// The grid's value cells, with the cell a reading refused selected for correction.
void TSZadani::ShowCascadeGrid(const CascadeGrid& cascade) {
  if (!ShowCascadeCells(*ui->SGKaskada2, cascade)) return;
  emit PageWanted();
  ui->SGKaskada2->setCurrentCell(cascade.selectedRow, cascade.selectedColumn);
  ui->SGKaskada2->setFocus(Qt::OtherFocusReason);
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
  SetCascadeCell(*ui->SGKaskada2, 2, 1,
                 ToQt(FixedText(m_state.DpTransmitterAccuracy, 3, DecimalSeparator())));
}

}  // namespace pramo
