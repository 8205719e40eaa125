#include "uncertainty/windows/tftabulkanejistot.h"

#include <QTableWidget>
#include <array>

#include "windows/FixedGrid.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "strings/uncertainty.h"
#include "ui_tftabulkanejistot.h"
#include "uncertainty/UncertaintyGraph.h"

namespace pramo {

namespace {

constexpr int kTitleColumnWidth = 95;
constexpr int kValueColumnWidth = 33;
constexpr int kRowHeight = 22;

void LayOutGrid(QTableWidget* grid) {
  std::array<int, kTablePoints + 1> widths;
  widths.fill(kValueColumnWidth);
  widths[0] = kTitleColumnWidth;
  SetUpFixedGrid(grid, 3, widths, kRowHeight);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c <= kTablePoints; ++c)
      grid->item(r, c)->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
  grid->resize(kTitleColumnWidth + kTablePoints * kValueColumnWidth + 2 * grid->frameWidth(),
               3 * kRowHeight + 2 * grid->frameWidth());
}

}  // namespace

TFTabulkaNejistot::TFTabulkaNejistot(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFTabulkaNejistot>()) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setWindowModality(Qt::ApplicationModal);
  LayOutGrid(ui->SGTab1);
  LayOutGrid(ui->SGTab2);
  ui->BBZpet->setDefault(true);
  connect(ui->BBZpet, &QPushButton::clicked, this, &QDialog::close);
}

TFTabulkaNejistot::~TFTabulkaNejistot() = default;

void TFTabulkaNejistot::ShowFor(const CalculationState& state, char decimalSeparator) {
  const UncertaintyCurves curves = ComputeUncertaintyCurves(state);
  FillGrid(ui->SGTab1, 0, curves, decimalSeparator);
  FillGrid(ui->SGTab2, 1, curves, decimalSeparator);
  show();
}

void TFTabulkaNejistot::FillGrid(QTableWidget* grid, int table, const UncertaintyCurves& curves,
                                 char decimalSeparator) {
  grid->item(0, 0)->setText(ToQt(Tr(str::kTableFlowLabel)));
  grid->item(1, 0)->setText(ToQt(Tr(str::kTableSingleLabel)));
  grid->item(2, 0)->setText(ToQt(Tr(str::kTableCascadeLabel)));
  const auto points = UncertaintyTablePoints(table);
  for (int i = 0; i < kTablePoints; ++i) {
    const int point = points[static_cast<std::size_t>(i)];
    grid->item(0, i + 1)->setText(QString::number(point));
    grid->item(1, i + 1)->setText(
        ToQt(UncertaintyCellText(CurveValueAt(curves.single, point), decimalSeparator)));
    grid->item(2, i + 1)->setText(
        ToQt(UncertaintyCellText(CurveValueAt(curves.cascade, point), decimalSeparator)));
  }
  // No cell shows as selected.
  grid->clearSelection();
  grid->setCurrentItem(nullptr);
}

}  // namespace pramo
