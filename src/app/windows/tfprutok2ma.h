#pragma once

#include <memory>

#include <QDialog>

#include "core/CalculationState.h"

namespace Ui {
class TFPrutok2mA;
}

namespace pramo {

// "Prutok2mA": flow, differential pressure and transmitter current at 0, 10 … 100 % of the maximum flow.
class TFPrutok2mA : public QDialog {
  Q_OBJECT

 public:
  explicit TFPrutok2mA(QWidget* parent = nullptr);
  ~TFPrutok2mA() override;

  void ShowFor(const CalculationState& state, char decimalSeparator);

 private:
  std::unique_ptr<Ui::TFPrutok2mA> ui;
};

}  // namespace pramo
