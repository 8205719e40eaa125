#include "uncertainty/windows/tfgraf.h"

#include <QPixmap>
#include <QShortcut>

#include "windows/Language.h"
#include "printing/qt/PainterCanvas.h"
#include "ui_tfgraf.h"

namespace pramo {

TFGraf::TFGraf(Messages& messages, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFGraf>()), m_messages(messages) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  QFont bold = ui->BBZoomIn->font();
  bold.setBold(true);
  ui->BBZoomIn->setFont(bold);
  ui->BBZoomOut->setFont(bold);
  connect(ui->BBZoomIn, &QPushButton::clicked, this, &TFGraf::BBZoomInClick);
  connect(ui->BBZoomOut, &QPushButton::clicked, this, &TFGraf::BBZoomOutClick);
  connect(ui->BProTisk, &QPushButton::clicked, this, &TFGraf::BProTiskClick);
  connect(ui->BGrafZpet, &QPushButton::clicked, this, &QDialog::close);
  connect(ui->ChBNejistota1, &QCheckBox::toggled, this, &TFGraf::Draw);
  connect(ui->ChBNejistota, &QCheckBox::toggled, this, &TFGraf::Draw);
}

TFGraf::~TFGraf() = default;

void TFGraf::ShowFor(const CalculationState& state) {
  m_curves = ComputeUncertaintyCurves(state);
  m_scale = AutomaticScale(m_curves.single);
  ui->BBZoomIn->setEnabled(true);
  ui->BBZoomOut->setEnabled(true);
  const QSignalBlocker singleBlocker(ui->ChBNejistota1);
  const QSignalBlocker cascadeBlocker(ui->ChBNejistota);
  ui->ChBNejistota1->setChecked(true);
  // The cascade switch keeps its state while there is a cascade to show.
  const bool cascade = HasCascadeTransmitters(state);
  if (!cascade) ui->ChBNejistota->setChecked(false);
  ui->ChBNejistota->setEnabled(cascade);
  Draw();
  show();
}

GraphView TFGraf::View() const {
  return {m_scale, ui->ChBNejistota1->isChecked(), ui->ChBNejistota->isChecked()};
}

bool TFGraf::CascadeSwitch() const {
  return ui->ChBNejistota->isChecked();
}

void TFGraf::Draw() {
  ImageBitmap bitmap(kGraphBitmapWidth, kGraphBitmapHeight, logicalDpiY());
  DrawUncertaintyGraph(bitmap, m_curves, View());
  m_graph = bitmap.Image().copy();
  ui->IGraf->setPixmap(QPixmap::fromImage(m_graph));
}

void TFGraf::BBZoomInClick() {
  m_scale = ZoomedIn(m_scale);
  ui->BBZoomIn->setEnabled(CanZoomIn(m_scale));
  ui->BBZoomOut->setEnabled(true);
  Draw();
}

void TFGraf::BBZoomOutClick() {
  m_scale = ZoomedOut(m_scale);
  ui->BBZoomOut->setEnabled(CanZoomOut(m_scale));
  ui->BBZoomIn->setEnabled(true);
  Draw();
}

void TFGraf::BProTiskClick() {
  StoreGraphPrintSettings(View(), m_printSettings, m_messages);
}

}  // namespace pramo
