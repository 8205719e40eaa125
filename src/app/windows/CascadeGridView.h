#pragma once

#include "core/InputForm.h"

class QString;
class QTableWidget;

namespace pramo {

// The grid of the cascade of differential-pressure transmitters on the input page: titles in row 0 and
// column 0, ranges in row 1 and accuracies in row 2 of the columns 1 to 4, of which the user types into
// columns 2 to 4.
void SetUpCascadeGrid(QTableWidget& grid);
// Column 0 keeps its width, the others share the rest; the titles in the language in force.
void LayOutCascadeGrid(QTableWidget& grid);
// The value cells; the titles stay.
void ClearCascadeGrid(QTableWidget& grid);
// The value cells as the form holds them; true when a cell a reading refused is to be selected.
bool ShowCascadeCells(QTableWidget& grid, const CascadeGrid& cascade);
void ReadCascadeCells(const QTableWidget& grid, CascadeGrid& cascade);
// One value cell set by the program, which is no edit of the user's.
void SetCascadeCell(QTableWidget& grid, int row, int column, const QString& text);

}  // namespace pramo
