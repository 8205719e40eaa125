#include "uncertainty/UncertaintyGraph.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace pramo {
namespace {

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
