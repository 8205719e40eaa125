#pragma once

#include <memory>

#include <QDialog>

#include "core/CalculationState.h"

namespace Ui {
class TFJmenoTekutiny;
}

namespace pramo {

// "Zadejte": the name of a user fluid.
class TFJmenoTekutiny : public QDialog {
  Q_OBJECT

 public:
  explicit TFJmenoTekutiny(CalculationState& state, QWidget* parent = nullptr);
  ~TFJmenoTekutiny() override;

  void ShowName();

 signals:
  void NameStored();

 private:
  void BOKClick();

  std::unique_ptr<Ui::TFJmenoTekutiny> ui;
  CalculationState& m_state;
};

}  // namespace pramo
