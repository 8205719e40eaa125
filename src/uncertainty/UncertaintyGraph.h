#pragma once

#include <array>
#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo {

// The uncertainty graph's view: which curves it shows over 0 … 100 % of the maximum flow and the top of
// its vertical axis. Its drawing belongs to the printing, which the graph window shares.

// Tops of the vertical axis in %, in zoom order.
inline constexpr std::array<int, 6> kGraphScales{10, 20, 40, 60, 80, 100};

// Which curves are drawn and the top of the vertical axis.
struct GraphView {
  int Scale = 100;
  bool Single = true;   // "První snímač": transmitter 1 alone
  bool Cascade = true;  // "Kaskáda"
};

// What "Pro tisk" handed to the certificate for the current calculation; not set for a new one.
struct GraphPrintSettings {
  bool Set = false;
  GraphView View;
};

// Whether a second, third or fourth transmitter of the cascade has a range.
bool HasCascadeTransmitters(const CalculationState& state);

// The scale the graph opens with: the smallest that holds the largest value of transmitter 1's curve
// plus one, rounded.
int AutomaticScale(const UncertaintyCurve& single);

// Zooming in lowers the top of the axis by one step (20 goes to 10), zooming out raises it; both stop
// at the ends. A scale that is not one of the steps is taken as 100.
int ZoomedIn(int scale);
int ZoomedOut(int scale);
bool CanZoomIn(int scale);
bool CanZoomOut(int scale);
// The step a scale is drawn at: the scale itself when it is one of the steps, otherwise 100.
int ScaleStep(int scale);

// "Pro tisk": stores the view as the print settings of the graph and tells so; refuses (and tells why)
// when no curve is switched on. Returns whether the settings were stored.
bool StoreGraphPrintSettings(const GraphView& view, GraphPrintSettings& settings, Messages& messages);

// The graph and the table open only for a computed result whose cascade passes its check; otherwise the
// user has been told why.
bool CanShowUncertainties(const CalculationState& state, Messages& messages);

// The flow points of the two uncertainty tables, in % of the maximum flow: 10, 20, … 100 and 2, 4, … 20.
inline constexpr int kTablePoints = 10;
std::array<int, kTablePoints> UncertaintyTablePoints(int table);

// The curve's value at a whole flow percentage 1 … 100 (0 outside).
double CurveValueAt(const UncertaintyCurve& curve, int percent);

// A value of the uncertainty tables: "%4.2f", or "-" for a point without a value (exactly 0).
std::string UncertaintyCellText(double value, char decimalSeparator = '.');

}  // namespace pramo
