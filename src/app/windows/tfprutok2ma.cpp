#include "app/windows/tfprutok2ma.h"

#include "app/FlowTable.h"
#include "windows/FixedGrid.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "strings/app.h"
#include "ui_tfprutok2ma.h"

namespace pramo {

namespace {

constexpr int kColumns = 5;
constexpr int kRows = 12;
constexpr int kColumnWidths[kColumns] = {60, 90, 90, 90, 90};
constexpr int kRowHeight = 22;

}  // namespace

TFPrutok2mA::TFPrutok2mA(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFPrutok2mA>()) {
  ui->setupUi(this);
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  QTableWidget* grid = ui->SGPrutok2mA;
  SetUpFixedGrid(grid, kRows, kColumnWidths, kRowHeight);
  auto setTexts = [this, grid] {
    ui->retranslateUi(this);
    for (int c = 0; c < kColumns; ++c) grid->item(0, c)->setText(ToQt(Tr(str::kTableHeader[c])));
  };
  setTexts();
  RetranslateOnLanguageChange(this, setTexts);
  // "Zpět" closes on Enter as well as Esc.
  ui->BBZpet->setDefault(true);
  connect(ui->BBZpet, &QPushButton::clicked, this, &QDialog::close);
}

TFPrutok2mA::~TFPrutok2mA() = default;

void TFPrutok2mA::ShowFor(const CalculationState& state, char decimalSeparator) {
  const auto rows = FlowCurrentTable(state, decimalSeparator);
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (int c = 0; c < kColumns; ++c)
      ui->SGPrutok2mA->item(static_cast<int>(i) + 1, c)
          ->setText(ToQt(rows[i].texts[static_cast<std::size_t>(c)]));
  show();
}

}  // namespace pramo
