#pragma once

#include <span>

class QString;
class QTableWidget;
class QTableWidgetItem;

namespace pramo {

// Prepares a read-only grid of fixed geometry in the manner of the program's small tables: no headers,
// no scroll bars, a smaller face without cell padding so that narrow columns hold their numbers whole,
// and an empty item in every cell so that callers only set texts.
void SetUpFixedGrid(QTableWidget* grid, int rows, std::span<const int> columnWidths, int rowHeight);

// A cell of a grid that shows, never takes, a value: neither editable nor selectable.
QTableWidgetItem* FixedItem(const QString& text);

}  // namespace pramo
