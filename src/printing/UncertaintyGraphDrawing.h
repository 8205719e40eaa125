#pragma once

#include "printing/PageCanvas.h"
#include "uncertainty/UncertaintyGraph.h"

namespace pramo {

// The uncertainty graph drawn: both curves over 0 … 100 % of the maximum flow on a bitmap of fixed size.
// The graph window shows the bitmap; the certificate draws the same drawing scaled into a rectangle of its
// page.

// Size of the graph bitmap: the plot spans x 30 … 330 and y 20 … 270, the rest holds the axis labels.
inline constexpr int kGraphBitmapWidth = 345;
inline constexpr int kGraphBitmapHeight = 295;

// The pens of the two curves: transmitter 1 blue, the cascade black, both kCurvePen pixels wide.
inline constexpr RgbColor kSingleCurveColor{0, 0, 255};
inline constexpr RgbColor kCascadeCurveColor = kBlack;
inline constexpr int kCurvePen = 3;

// Draws the graph on a bitmap of kGraphBitmapWidth x kGraphBitmapHeight pixels: the cleared area, the
// axes with their divisions and grid, and the switched-on curves (transmitter 1 blue, cascade black).
void DrawUncertaintyGraph(PageCanvas& canvas, const UncertaintyCurves& curves, const GraphView& view);

}  // namespace pramo
