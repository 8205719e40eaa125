#pragma once

#include <memory>

#include <QDialog>

#include "app/SettingsDialogs.h"

namespace Ui {
class TFZadej;
}

namespace pramo {

// "Zadání hodnoty": one number of the settings, for the purpose its opener sets.
class TFZadej : public QDialog {
  Q_OBJECT

 public:
  TFZadej(CalculationState& state, Messages& messages, QWidget* parent = nullptr);
  ~TFZadej() override;

  void ShowFor(ValuePurpose purpose);
  ValuePurpose Purpose() const { return m_purpose; }

 signals:
  void ValueStored(pramo::ValuePurpose purpose);

 private:
  void BOKClick();
  void BStandardClick();
  void FocusValue();

  std::unique_ptr<Ui::TFZadej> ui;
  CalculationState& m_state;
  Messages& m_messages;
  ValuePurpose m_purpose = ValuePurpose::DpTransmitterAccuracy;
};

}  // namespace pramo
