#include "app/windows/CascadeGridView.h"

#include <cmath>

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

#include "windows/FixedGrid.h"
#include "windows/WindowText.h"
#include "strings/app.h"

namespace pramo {
namespace {

constexpr int kRows = 3;
constexpr int kColumns = 5;
constexpr int kRowHeight = 22;
constexpr int kTitleWidth = 135;

}  // namespace

void SetUpCascadeGrid(QTableWidget& grid) {
  // The grid keeps its column widths; a smaller font lets the longest titles fit them.
  QFont gridFont = grid.font();
  gridFont.setPointSize(8);
  grid.setFont(gridFont);
  grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid.setRowCount(kRows);
  grid.setColumnCount(kColumns);
  grid.horizontalHeader()->hide();
  grid.verticalHeader()->hide();
  grid.verticalHeader()->setDefaultSectionSize(kRowHeight);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c)
      grid.setItem(r, c, r > 0 && c >= 2 ? new QTableWidgetItem() : FixedItem(QString()));
}

void LayOutCascadeGrid(QTableWidget& grid) {
  const int available = grid.width() - 2 * grid.frameWidth();
  grid.setColumnWidth(0, kTitleWidth);
  const int width = static_cast<int>(std::lround((available - kTitleWidth) / 4.0)) - 2;
  for (int c = 1; c < kColumns; ++c) grid.setColumnWidth(c, width);
  const QSignalBlocker blocker(grid);
  for (int c = 0; c < kColumns; ++c) grid.item(0, c)->setText(ToQt(Tr(str::kCascadeHeader[c])));
  grid.item(1, 0)->setText(ToQt(Tr(str::kCascadeRangeTitle)));
  grid.item(2, 0)->setText(ToQt(Tr(str::kCascadeAccuracyTitle)));
}

void ClearCascadeGrid(QTableWidget& grid) {
  ShowCascadeCells(grid, CascadeGrid{});
}

bool ShowCascadeCells(QTableWidget& grid, const CascadeGrid& cascade) {
  const QSignalBlocker blocker(grid);
  for (int r = 1; r < kRows; ++r)
    for (int c = 1; c < kColumns; ++c) grid.item(r, c)->setText(ToQt(cascade.cells[r][c]));
  return cascade.selectedRow >= 1 && cascade.selectedColumn >= 1;
}

void ReadCascadeCells(const QTableWidget& grid, CascadeGrid& cascade) {
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) cascade.cells[r][c] = FromQt(grid.item(r, c)->text());
}

void SetCascadeCell(QTableWidget& grid, int row, int column, const QString& text) {
  const QSignalBlocker blocker(grid);
  grid.item(row, column)->setText(text);
}

}  // namespace pramo
