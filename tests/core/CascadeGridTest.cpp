#include <array>

#include <gtest/gtest.h>

#include "core/InputGathering.h"

namespace pramo {
namespace {

TEST(Transmitter1Range, FollowsTheKindAndTheChosenSeriesEntry) {
  CalculationState state;
  state.Dp = 1234;
  state.DpMax = 50000;
  EXPECT_EQ(Transmitter1Range(state, 4), 40000);
  EXPECT_EQ(Transmitter1Range(state, -1), 6300);
  EXPECT_EQ(Transmitter1Range(state, 10), 6300);
  state.DpMaxGiven = true;
  EXPECT_EQ(Transmitter1Range(state, 4), 50000);
  state.CalcKind = CalculationKind::Dp;  // the maximum flow is the operating flow
  EXPECT_EQ(Transmitter1Range(state, 4), 1234);
}

CascadeGrid Grid(std::array<const char*, 3> ranges, std::array<const char*, 3> accuracies) {
  CascadeGrid grid;
  for (int transmitter = 2; transmitter <= 4; ++transmitter) {
    grid.cells[1][transmitter] = ranges[transmitter - 2];
    grid.cells[2][transmitter] = accuracies[transmitter - 2];
  }
  return grid;
}

TEST(ReadCascadeGrid, ReadsBothSeparatorsAndClearsUnusedCells) {
  CalculationState state;
  state.DpMaxGiven = true;
  state.DpMax = 40000;
  state.DpTransmitterAccuracy = 0.25;
  CascadeGrid grid = Grid({" 10000 ", "2,5e3", "   "}, {"0.1", " 0,15", "0,3"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(state.CascadeRange, (std::array<double, 4>{40000, 10000, 2500, 0}));
  EXPECT_EQ(state.CascadeAccuracy, (std::array<double, 4>{0.25, 0.1, 0.15, 0}));
  EXPECT_EQ(grid.cells[1][4], "");
  EXPECT_EQ(grid.cells[2][4], "");  // accuracy of an unused transmitter
  EXPECT_TRUE(textsChanged);

  textsChanged = false;
  EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  EXPECT_FALSE(textsChanged);
}

TEST(ReadCascadeGrid, BadRangeStopsTheReadingKeepingWhatWasRead) {
  CalculationState state;
  state.CascadeRange = {0, 111, 222, 333};
  state.CascadeAccuracy = {0, 1, 2, 3};
  CascadeGrid grid = Grid({"7000", "5 000", "9000"}, {"0.1", "0.1", "0.1"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_FALSE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text, "Špatně zadán diferenční tlak kaskády!");
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
  EXPECT_EQ(grid.cells[1][3], "");
  EXPECT_EQ(grid.selectedRow, 1);
  EXPECT_EQ(grid.selectedColumn, 3);
  // Slot 4 was read before the failure, slot 2 and every accuracy not at all.
  EXPECT_EQ(state.CascadeRange, (std::array<double, 4>{6300, 111, 222, 9000}));
  EXPECT_EQ(state.CascadeAccuracy, (std::array<double, 4>{0.2, 1, 2, 3}));
  EXPECT_TRUE(textsChanged);
}

TEST(ReadCascadeGrid, BadAccuracySelectsItsCell) {
  CalculationState state;
  CascadeGrid grid = Grid({"7000", "", "9000"}, {"1.2.3", "x", "0.1"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_FALSE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].text, "Špatně zadána přesnost snímače tlakové diference!");
  EXPECT_EQ(grid.cells[2][3], "");  // unused transmitter: cleared, not an error
  EXPECT_EQ(grid.cells[2][2], "1.2.3");
  EXPECT_EQ(grid.selectedRow, 2);
  EXPECT_EQ(grid.selectedColumn, 2);
  EXPECT_EQ(state.CascadeAccuracy[3], 0.1);
}

TEST(ReadCascadeGrid, TooSmallAccuraciesAreReportedInTransmitterOrder) {
  CalculationState state;
  CascadeGrid grid = Grid({"7000", "8000", "9000"}, {"0.00001", "0.0001", "-1"});
  MessageRecorder messages;
  bool textsChanged = false;
  EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  ASSERT_EQ(messages.Shown().size(), 2u);
  EXPECT_EQ(messages.Shown()[0].text, "Zadaná přesnost snímače tlakové diference 2 je příliš malá!");
  EXPECT_EQ(messages.Shown()[1].text, "Zadaná přesnost snímače tlakové diference 4 je příliš malá!");
  EXPECT_EQ(messages.Shown()[1].kind, MessageKind::Error);
  EXPECT_EQ(state.CascadeAccuracy[1], 0.00001);
}

TEST(ReadCascadeGrid, NumberTextsOutsideTheRuleAreRefused) {
  for (const char* text : {"+-5", "1e", "nan", "inf", "0x10", "1 000", "--1", "+"}) {
    SCOPED_TRACE(text);
    CalculationState state;
    CascadeGrid grid = Grid({"", "", text}, {"", "", ""});
    MessageRecorder messages;
    bool textsChanged = false;
    EXPECT_FALSE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  }
  for (const char* text : {"+5", "-5", ".5", "5.", "1E3", "\t12,5\t"}) {
    SCOPED_TRACE(text);
    CalculationState state;
    CascadeGrid grid = Grid({"", "", text}, {"", "", "1"});
    MessageRecorder messages;
    bool textsChanged = false;
    EXPECT_TRUE(ReadCascadeGrid(grid, state, 0, messages, textsChanged));
  }
}

}  // namespace
}  // namespace pramo
