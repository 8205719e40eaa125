#include "printing/UncertaintyGraphDrawing.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "RecordingCanvas.h"

namespace pramo {
namespace {

constexpr RgbColor kGrey{128, 128, 128};
constexpr RgbColor kBlue{0, 0, 255};

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

}  // namespace
}  // namespace pramo
