#pragma once

#include <array>
#include <memory>

#include <QDialog>
#include <QLineEdit>

#include "core/CalculationState.h"

namespace Ui {
class TFRadaTlakDif;
}

namespace pramo {

// "Řada tlakové diference.": the ten differential-pressure ranges a bore is sized over.
class TFRadaTlakDif : public QDialog {
  Q_OBJECT

 public:
  explicit TFRadaTlakDif(CalculationState& state, QWidget* parent = nullptr);
  ~TFRadaTlakDif() override;

  void ShowSeries();

 private:
  void BOKClick();
  void BStandardClick();
  void ShowValues(const std::array<double, 10>& series);
  void MarkFailed(const std::array<bool, 10>& failed);

  std::unique_ptr<Ui::TFRadaTlakDif> ui;
  CalculationState& m_state;
  std::array<QLineEdit*, 10> m_edits{};
};

}  // namespace pramo
