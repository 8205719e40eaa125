#include "windows/FixedGrid.h"

#include <QHeaderView>
#include <QTableWidget>

namespace pramo {

void SetUpFixedGrid(QTableWidget* grid, int rows, std::span<const int> columnWidths, int rowHeight) {
  const int columns = static_cast<int>(columnWidths.size());
  grid->setColumnCount(columns);
  grid->setRowCount(rows);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  QFont small = grid->font();
  small.setPointSize(8);
  grid->setFont(small);
  grid->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px; }"));
  grid->setTextElideMode(Qt::ElideNone);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int c = 0; c < columns; ++c) grid->setColumnWidth(c, columnWidths[c]);
  for (int r = 0; r < rows; ++r) {
    grid->setRowHeight(r, rowHeight);
    for (int c = 0; c < columns; ++c) grid->setItem(r, c, new QTableWidgetItem);
  }
}

QTableWidgetItem* FixedItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace pramo
