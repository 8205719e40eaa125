#pragma once

#include <array>
#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/PageCanvas.h"
#include "uncertainty/FlowUncertainty.h"

namespace pramo {

// The uncertainty graph: both curves over 0 … 100 % of the maximum flow on a bitmap of fixed size, with
// a choice of the top of the vertical axis. The graph window shows the bitmap; the certificate draws the
// same drawing scaled into a rectangle of its page.

// Size of the graph bitmap: the plot spans x 30 … 330 and y 20 … 270, the rest holds the axis labels.
inline constexpr int kGraphBitmapWidth = 345;
inline constexpr int kGraphBitmapHeight = 295;

// The pens of the two curves: transmitter 1 blue, the cascade black, both kCurvePen pixels wide.
inline constexpr RgbColor kSingleCurveColor{0, 0, 255};
inline constexpr RgbColor kCascadeCurveColor = kBlack;
inline constexpr int kCurvePen = 3;

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

// Draws the graph on a bitmap of kGraphBitmapWidth x kGraphBitmapHeight pixels: the cleared area, the
// axes with their divisions and grid, and the switched-on curves (transmitter 1 blue, cascade black).
void DrawUncertaintyGraph(PageCanvas& canvas, const UncertaintyCurves& curves, const GraphView& view);

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
