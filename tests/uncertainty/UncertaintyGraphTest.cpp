#include "uncertainty/UncertaintyGraph.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "printing/RecordingCanvas.h"

namespace pramo {
namespace {

constexpr RgbColor kGrey{128, 128, 128};
constexpr RgbColor kBlue{0, 0, 255};

UncertaintyCurve CurveWithPeak(double peak) {
  UncertaintyCurve curve{};
  for (int k = 1; k <= kCurvePoints; ++k) curve[k - 1] = 1.0 + (peak - 1.0) / k;
  return curve;
}

TEST(GraphScale, OpensAtTheSmallestStepAboveTheLargestValuePlusOne) {
  struct Case {
    double peak;
    int scale;
  };
  // The largest value plus one, rounded to the nearest whole number (halves to even), against the steps.
  const Case cases[] = {
      {0, 10},    // no values at all
      {9, 10},    // never above 9 %: the smallest scale
      {9.4, 10},  // 10.4 rounds to 10
      {9.5, 10},  // 10.5 rounds to even 10
      {9.6, 20},  // 10.6 rounds to 11
      {19, 20},  {19.6, 40}, {39, 40}, {40.03, 60}, {59.4, 60}, {79, 80}, {79.6, 100}, {99, 100}, {100, 100},
  };
  for (const Case& c : cases) {
    UncertaintyCurve curve{};
    curve[37] = c.peak;
    EXPECT_EQ(AutomaticScale(curve), c.scale) << c.peak;
  }
}

TEST(GraphScale, ZoomStepsStopAtBothEnds) {
  std::vector<int> in{100};
  while (CanZoomIn(in.back())) in.push_back(ZoomedIn(in.back()));
  EXPECT_EQ(in, (std::vector<int>{100, 80, 60, 40, 20, 10}));
  EXPECT_EQ(ZoomedIn(10), 10);
  EXPECT_FALSE(CanZoomIn(10));
  EXPECT_TRUE(CanZoomIn(20));

  std::vector<int> out{10};
  while (CanZoomOut(out.back())) out.push_back(ZoomedOut(out.back()));
  EXPECT_EQ(out, (std::vector<int>{10, 20, 40, 60, 80, 100}));
  EXPECT_EQ(ZoomedOut(100), 100);
  EXPECT_FALSE(CanZoomOut(100));
}

class GraphDrawing : public ::testing::Test {
 protected:
  void Draw(const UncertaintyCurves& curves, GraphView view) { DrawUncertaintyGraph(bitmap, curves, view); }
  std::vector<testing::DrawnLine> LinesOf(RgbColor color, int pen) const {
    std::vector<testing::DrawnLine> result;
    for (const auto& line : bitmap.lines)
      if (line.color == color && line.pen == pen) result.push_back(line);
    return result;
  }
  std::vector<std::string> Labels() const {
    std::vector<std::string> result;
    for (const auto& t : bitmap.texts) result.push_back(t.text);
    return result;
  }

  std::vector<testing::BitmapDrawing> sink;
  testing::FakeBitmap bitmap{kGraphBitmapWidth, kGraphBitmapHeight, sink};
};

TEST_F(GraphDrawing, AxesGridAndLabelsFollowTheScale) {
  Draw({}, {60, true, true});
  ASSERT_FALSE(bitmap.filled.empty());
  EXPECT_EQ(bitmap.filled.front().Right, kGraphBitmapWidth);
  EXPECT_EQ(bitmap.filled.front().Bottom, kGraphBitmapHeight);

  // Ten vertical grid lines of the flow axis and twelve horizontal ones of the scale 60, in grey.
  const auto grid = LinesOf(kGrey, 1);
  const auto vertical = std::count_if(grid.begin(), grid.end(), [](auto& l) { return l.x0 == l.x1; });
  EXPECT_EQ(vertical, 10);
  EXPECT_EQ(grid.size(), 22u);
  // The divisions of 60 lie 250/12 pixels apart from the top of the plot.
  EXPECT_TRUE(std::any_of(grid.begin(), grid.end(), [](auto& l) { return l.y0 == 20 && l.y1 == 20; }));
  EXPECT_TRUE(std::any_of(grid.begin(), grid.end(), [](auto& l) { return l.y0 == 41 && l.x1 == 330; }));

  const auto labels = Labels();
  for (const char* label : {"0", "10", "100", "60", "55", "5"})
    EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end()) << label;
  EXPECT_EQ(std::find(labels.begin(), labels.end(), "65"), labels.end());

  // Both axes 2 pixels wide, black.
  const auto axes = LinesOf(kBlack, 2);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(axes[0].x0, 26);
  EXPECT_EQ(axes[0].x1, 330);
  EXPECT_EQ(axes[1].y0, 20);
  EXPECT_EQ(axes[1].y1, 274);
}

TEST_F(GraphDrawing, ScalesOfFortyAndEightyHaveEightDivisions) {
  for (int scale : {40, 80}) {
    bitmap.lines.clear();
    bitmap.texts.clear();
    Draw({}, {scale, false, false});
    const auto grid = LinesOf(kGrey, 1);
    EXPECT_EQ(grid.size(), 18u) << scale;
    const auto labels = Labels();
    EXPECT_NE(std::find(labels.begin(), labels.end(), std::to_string(scale / 8)), labels.end());
  }
}

TEST_F(GraphDrawing, CurvePointsAreScaledAndZeroValuesBreakTheLine) {
  UncertaintyCurves curves{};
  for (int k = 11; k <= kCurvePoints; ++k) curves.single[k - 1] = 30;
  curves.single[49] = 0;  // no value at 50 %
  Draw(curves, {60, true, false});

  const auto blue = LinesOf(kBlue, 3);
  // A line to every point with a value from the second point on: 11 … 100 less the one at 50 %.
  EXPECT_EQ(blue.size(), 89u);
  // 30 % at the scale 60 lies halfway up the plot: y = 270 − 2.5 × 50.
  for (const auto& line : blue) EXPECT_EQ(line.y1, 145);
  // The first value after a gap starts afresh: no line crosses 50 %, the one to 51 % starts at 51 %.
  for (const auto& line : blue) EXPECT_FALSE(line.x0 < 180 && line.x1 > 180) << line.x0 << "-" << line.x1;
  EXPECT_TRUE(std::any_of(blue.begin(), blue.end(), [](auto& l) { return l.x0 == 183 && l.x1 == 183; }));
  EXPECT_TRUE(LinesOf(kBlack, 3).empty());
}

TEST_F(GraphDrawing, ValuesAboveTheScaleAreDrawnAboveThePlot) {
  UncertaintyCurves curves{};
  curves.cascade.fill(15);
  Draw(curves, {10, false, true});
  const auto black = LinesOf(kBlack, 3);
  ASSERT_EQ(black.size(), 99u);
  EXPECT_EQ(black.front().y1, 270 - 375);
  EXPECT_TRUE(LinesOf(kBlue, 3).empty());
}

TEST(GraphPrintSettings, ProTiskStoresOnlyWithACurveChosen) {
  MessageRecorder messages;
  GraphPrintSettings settings;
  EXPECT_FALSE(StoreGraphPrintSettings({40, false, false}, settings, messages));
  EXPECT_FALSE(settings.Set);
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].id, 2110);
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Information);

  EXPECT_TRUE(StoreGraphPrintSettings({40, false, true}, settings, messages));
  EXPECT_TRUE(settings.Set);
  EXPECT_EQ(settings.View.Scale, 40);
  EXPECT_FALSE(settings.View.Single);
  EXPECT_TRUE(settings.View.Cascade);
  EXPECT_EQ(messages.Shown().back().id, 2111);
}

TEST(GraphPrintSettings, WindowsOpenOnlyForComputedResults) {
  MessageRecorder messages;
  CalculationState state;
  state.ResultsValid = false;
  EXPECT_FALSE(CanShowUncertainties(state, messages));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].id, 2100);

  // A cascade transmitter whose range is not below transmitter 1's fails the cascade check.
  state.ResultsValid = true;
  state.CascadeRange = {10000, 20000, 0, 0};
  messages.Clear();
  EXPECT_FALSE(CanShowUncertainties(state, messages));
  EXPECT_EQ(messages.Shown().size(), 1u);
  state.CascadeRange = {10000, 2500, 0, 0};
  messages.Clear();
  EXPECT_TRUE(CanShowUncertainties(state, messages));
  EXPECT_TRUE(messages.Shown().empty());
}

TEST(UncertaintyTable, PointsAndCellTexts) {
  EXPECT_EQ(UncertaintyTablePoints(0), (std::array<int, 10>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  EXPECT_EQ(UncertaintyTablePoints(1), (std::array<int, 10>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
  EXPECT_EQ(UncertaintyCellText(0), "-");
  EXPECT_EQ(UncertaintyCellText(0.001, ','), "0,00");  // only exactly 0 has no value
  EXPECT_EQ(UncertaintyCellText(2.5, ','), "2,50");
  EXPECT_EQ(UncertaintyCellText(27.8249, '.'), "27.82");
  const UncertaintyCurve curve = CurveWithPeak(50);
  EXPECT_EQ(CurveValueAt(curve, 1), curve[0]);
  EXPECT_EQ(CurveValueAt(curve, 100), curve[99]);
  EXPECT_EQ(CurveValueAt(curve, 0), 0);
  EXPECT_EQ(CurveValueAt(curve, 101), 0);
}

TEST(UncertaintyTable, CascadeTransmittersAreSlotsTwoToFour) {
  CalculationState state;
  state.CascadeRange = {40000, 0, 0, 0};
  EXPECT_FALSE(HasCascadeTransmitters(state));
  state.CascadeRange[3] = 1000;
  EXPECT_TRUE(HasCascadeTransmitters(state));
}

}  // namespace
}  // namespace pramo
