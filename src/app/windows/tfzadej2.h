#pragma once

#include <memory>

#include <QDialog>

#include "app/SettingsDialogs.h"

namespace Ui {
class TFZadej2;
}

namespace pramo {

// "Zadejte": the reference condition (pressure and temperature) of the flow or of the density.
class TFZadej2 : public QDialog {
  Q_OBJECT

 public:
  TFZadej2(CalculationState& state, Messages& messages, QWidget* parent = nullptr);
  ~TFZadej2() override;

  void ShowFor(ReferencePurpose purpose);

 private:
  void BOKClick();
  void ShowStored(bool pressure, bool temperature);

  std::unique_ptr<Ui::TFZadej2> ui;
  CalculationState& m_state;
  Messages& m_messages;
  ReferencePurpose m_purpose = ReferencePurpose::Flow;
};

}  // namespace pramo
