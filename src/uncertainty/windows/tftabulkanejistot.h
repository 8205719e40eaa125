#pragma once

#include <memory>

#include <QDialog>

#include "core/CalculationState.h"
#include "uncertainty/FlowUncertainty.h"

class QTableWidget;

namespace Ui {
class TFTabulkaNejistot;
}

namespace pramo {

// "Nejistoty průtoku": both uncertainty curves at 10, 20, … 100 % and at 2, 4, … 20 % of the maximum flow.
class TFTabulkaNejistot : public QDialog {
  Q_OBJECT

 public:
  explicit TFTabulkaNejistot(QWidget* parent = nullptr);
  ~TFTabulkaNejistot() override;

  // Computes the curves of the calculation, fills both grids and shows the window.
  void ShowFor(const CalculationState& state, char decimalSeparator);

 private:
  void FillGrid(QTableWidget* grid, int table, const UncertaintyCurves& curves, char decimalSeparator);

  std::unique_ptr<Ui::TFTabulkaNejistot> ui;
};

}  // namespace pramo
