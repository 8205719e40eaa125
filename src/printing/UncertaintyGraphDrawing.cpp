#include "printing/UncertaintyGraphDrawing.h"

#include <string>

#include "printing/PageEngine.h"
#include "printing/PrintRow.h"

namespace pramo {
namespace {

constexpr RgbColor kGridGrey{128, 128, 128};
constexpr int kLabelPoints = 8;

// The plot: x 30 … 330 for 0 … 100 % of the flow (3 pixels a percent), y 270 … 20 for 0 … the scale.
constexpr int kPlotLeft = 30;
constexpr int kPlotRight = 330;
constexpr int kPlotTop = 20;
constexpr int kPlotBottom = 270;
constexpr int kTickOuter = 26;
constexpr int kTickInner = 34;
constexpr int kLabelTop = 276;
constexpr int kLabelRight = 22;

void Line(PageCanvas& canvas, int x0, int y0, int x1, int y1, int width, RgbColor color) {
  canvas.SetPenWidth(width);
  canvas.SetPenColor(color);
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

void LabelCentredAbove(PageCanvas& canvas, int x, int top, const std::string& text) {
  canvas.DrawText(x - canvas.TextWidth(text) / 2, top, text);
}

void LabelLeftOf(PageCanvas& canvas, int right, int middle, const std::string& text) {
  canvas.DrawText(right - canvas.TextWidth(text), middle - canvas.TextHeight(text) / 2, text);
}

void DrawHorizontalAxis(PageCanvas& canvas) {
  Line(canvas, kTickOuter, kPlotBottom, kPlotRight, kPlotBottom, 2, kBlack);
  LabelCentredAbove(canvas, kPlotLeft, kLabelTop, "0");
  for (int i = 1; i <= 10; ++i) {
    const int x = kPlotLeft + 30 * i;
    Line(canvas, x, 274, x, 266, 1, kBlack);
    Line(canvas, x, 266, x, kPlotTop, 1, kGridGrey);
    LabelCentredAbove(canvas, x, kLabelTop, std::to_string(10 * i));
  }
}

// Divisions of the vertical axis from the top: 10 for the scales 10, 20 and 100, 8 for 40 and 80, 12 for
// 60, so that every label is a whole number.
int DivisionsOf(int scale) {
  switch (scale) {
    case 40:
    case 80:
      return 8;
    case 60:
      return 12;
    default:
      return 10;
  }
}

void DrawVerticalAxis(PageCanvas& canvas, int scale) {
  Line(canvas, kPlotLeft, kPlotTop, kPlotLeft, 274, 2, kBlack);
  Line(canvas, kTickOuter, kPlotBottom, kTickInner, kPlotBottom, 1, kBlack);
  LabelLeftOf(canvas, kLabelRight, 275, "0");
  const int divisions = DivisionsOf(scale);
  const double step = 250.0 / divisions;
  for (int l = 0; l < divisions; ++l) {
    const int y = RoundPixel(kPlotTop + step * l);
    Line(canvas, kTickOuter, y, kTickInner, y, 1, kBlack);
    Line(canvas, kTickInner, y, kPlotRight, y, 1, kGridGrey);
    // The twelfth divisions keep the labels on a step of 20.83 pixels.
    const int labelY = divisions == 12 ? RoundPixel(kPlotTop + 20.83 * l) : y;
    LabelLeftOf(canvas, kLabelRight, labelY, std::to_string(scale / divisions * (divisions - l)));
  }
}

// Values above the scale lie above the plot and are drawn there; points without a value (0) break the
// line.
void DrawCurve(PageCanvas& canvas, const UncertaintyCurve& curve, int scale, RgbColor color) {
  canvas.SetPenWidth(kCurvePen);
  canvas.SetPenColor(color);
  const auto point = [&](int k) {
    return PixelPoint{kPlotLeft + 3 * k, RoundPixel(kPlotBottom - 2.5 * (100 * curve[k - 1] / scale))};
  };
  PixelPoint at = point(1);
  canvas.MoveTo(at.X, at.Y);
  for (int k = 2; k <= kCurvePoints; ++k) {
    at = point(k);
    if (curve[k - 2] == 0) canvas.MoveTo(at.X, at.Y);
    if (curve[k - 1] != 0) canvas.LineTo(at.X, at.Y);
  }
}

}  // namespace

void DrawUncertaintyGraph(PageCanvas& canvas, const UncertaintyCurves& curves, const GraphView& view) {
  const int scale = ScaleStep(view.Scale);
  canvas.FillRect({0, 0, kGraphBitmapWidth, kGraphBitmapHeight});
  canvas.SetFontName(kBodyFontName);
  canvas.SetFontSize(kLabelPoints);
  canvas.SetFontStyle(FontStyle::Plain);
  DrawHorizontalAxis(canvas);
  DrawVerticalAxis(canvas, scale);
  if (view.Single) DrawCurve(canvas, curves.single, scale, kSingleCurveColor);
  if (view.Cascade) DrawCurve(canvas, curves.cascade, scale, kCascadeCurveColor);
  canvas.SetPenColor(kBlack);
}

}  // namespace pramo
