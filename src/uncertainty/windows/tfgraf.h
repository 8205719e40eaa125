#pragma once

#include <memory>

#include <QDialog>
#include <QImage>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/UncertaintyGraphDrawing.h"

namespace Ui {
class TFGraf;
}

namespace pramo {

// "Graf nejistot průtoku.": both uncertainty curves over the flow range, with zoom, and the view handed
// to the certificate with "Pro tisk".
class TFGraf : public QDialog {
  Q_OBJECT

 public:
  explicit TFGraf(Messages& messages, QWidget* parent = nullptr);
  ~TFGraf() override;

  // Computes the curves of the calculation, opens at their automatic scale and shows the window.
  void ShowFor(const CalculationState& state);

  GraphView View() const;
  const QImage& Graph() const { return m_graph; }
  // What "Pro tisk" stored for the current calculation; cleared for a new one.
  const GraphPrintSettings& PrintSettings() const { return m_printSettings; }
  void ClearPrintSettings() { m_printSettings = {}; }
  bool CascadeSwitch() const;

  void BBZoomInClick();
  void BBZoomOutClick();
  void BProTiskClick();

 private:
  void Draw();

  std::unique_ptr<Ui::TFGraf> ui;
  Messages& m_messages;
  UncertaintyCurves m_curves;
  int m_scale = 100;
  GraphPrintSettings m_printSettings;
  QImage m_graph;
};

}  // namespace pramo
