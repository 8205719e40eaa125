#include "core/StraightLengths.h"

#include <vector>

#include <gtest/gtest.h>

namespace pramo {
namespace {

using Boxes = std::array<double, kFittingBoxCount>;

// Rows below are transcribed from the straight-length tables of ČSN EN ISO 5167 as this program uses
// them (current parts for "ver3.4"/"ver3.5", the earlier edition for older tags); exact values.
struct RowCase {
  const char* tag;
  PrimaryElementKind kind;
  double beta;
  bool shortLengths;
  Boxes boxes;
  double downstream;
};

class StraightLengthRows : public testing::TestWithParam<RowCase> {};

TEST_P(StraightLengthRows, MatchTheTable) {
  const RowCase& c = GetParam();
  const StraightLengthRow row = StraightLengthsFor(c.tag, c.kind, c.beta, c.shortLengths);
  EXPECT_EQ(row.boxes, c.boxes);
  EXPECT_EQ(row.downstream, c.downstream);
}

constexpr PrimaryElementKind kOrifice = PrimaryElementKind::OrificeDD2;
constexpr PrimaryElementKind kNozzle = PrimaryElementKind::NozzleIsa1932;
constexpr PrimaryElementKind kVenturi = PrimaryElementKind::VenturiMachined;

INSTANTIATE_TEST_SUITE_P(
    CurrentOrifice, StraightLengthRows,
    testing::Values(
        RowCase{"ver3.5", kOrifice, 0.1, false, {6, 10, 10, 19, 34, 3, 7, 5, 6, 12, 30, 5}, 4},
        RowCase{"ver3.5", kOrifice, 0.2, false, {6, 10, 10, 19, 34, 3, 7, 5, 6, 12, 30, 5}, 4},
        // A band includes its upper limit; just above it the next band starts.
        RowCase{"ver3.5", kOrifice, 0.4, false, {16, 10, 10, 44, 50, 9, 30, 5, 12, 12, 30, 5}, 6},
        RowCase{"ver3.5", kOrifice, 0.4000001, false, {22, 18, 22, 44, 75, 19, 30, 8, 20, 12, 30, 5}, 6},
        RowCase{"ver3.5", kOrifice, 0.6, false, {42, 30, 42, 44, 65, 29, 30, 9, 26, 14, 30, 5}, 7},
        RowCase{"ver3.4", kOrifice, 0.67, false, {44, 44, 44, 44, 60, 36, 44, 12, 28, 18, 30, 5}, 7},
        RowCase{"ver3.5", kOrifice, 0.6700001, false, {44, 44, 44, 44, 75, 44, 44, 13, 36, 18, 30, 5}, 8},
        RowCase{"ver3.5", kOrifice, 1.2, false, {44, 44, 44, 44, 75, 44, 44, 13, 36, 18, 30, 5}, 8},
        RowCase{"ver3.5", kOrifice, 0.3, true, {3, 10, 10, 18, 25, 3, 30, 5, 8, 6, 15, 3}, 3},
        RowCase{"ver3.5", kOrifice, 0.55, true, {13, 18, 18, 18, 25, 18, 18, 5, 11, 7, 15, 3}, 3.5},
        RowCase{"ver3.5", kOrifice, 0.8, true, {20, 18, 22, 20, 18, 18, 18, 8, 18, 9, 15, 3}, 4}));

INSTANTIATE_TEST_SUITE_P(
    CurrentNozzle, StraightLengthRows,
    testing::Values(RowCase{"ver3.5", kNozzle, 0.25, false, {10, 14, 34, 5, 16, 18, 12, 30, 5, 20}, 4},
                    RowCase{"ver3.5", kNozzle, 0.42, false, {14, 18, 38, 5, 17, 20, 12, 30, 5, 20}, 6},
                    RowCase{"ver3.5",
                            PrimaryElementKind::VenturiNozzle,
                            0.75,
                            false,
                            {36, 42, 70, 22, 38, 36, 24, 30, 5, 20},
                            8},
                    RowCase{"ver3.5",
                            PrimaryElementKind::NozzleLongRadius,
                            0.7500001,
                            false,
                            {46, 50, 80, 30, 54, 44, 30, 30, 5, 20},
                            8},
                    RowCase{"ver3.5", kNozzle, 0.3, true, {6, 8, 17, 5, 8, 9, 6, 30, 5, 20}, 2.5},
                    RowCase{"ver3.5", kNozzle, 0.62, true, {11, 16, 27, 6, 13, 14, 8, 30, 5, 20}, 3.5},
                    RowCase{"ver3.5", kNozzle, 0.9, true, {23, 25, 40, 15, 27, 22, 15, 30, 5, 20}, 4}));

INSTANTIATE_TEST_SUITE_P(
    CurrentVenturiTube, StraightLengthRows,
    testing::Values(
        RowCase{"ver3.5", kVenturi, 0.3, false, {8, 8, 4, 4, 2.5, 2.5, 2.5}, 0},
        RowCase{"ver3.5", PrimaryElementKind::VenturiCast, 0.5, false, {9, 10, 4, 5, 5.5, 2.5, 3.5}, 0},
        RowCase{"ver3.5", kVenturi, 0.7, false, {14, 18, 4, 7, 10.5, 5.5, 5.5}, 0},
        RowCase{"ver3.5", PrimaryElementKind::VenturiWelded, 0.71, false, {16, 22, 4, 7, 11.5, 6.5, 5.5}, 0},
        RowCase{"ver3.5", kVenturi, 0.45, true, {3, 3, 4, 4, 2.5, 2.5, 2.5}, 0},
        RowCase{"ver3.5", kVenturi, 0.65, true, {3, 3, 4, 5, 2.5, 3.5, 3.5}, 0},
        RowCase{"ver3.5", kVenturi, 0.8, true, {8, 8, 4, 6, 11.5, 4.5, 3.5}, 0}));

INSTANTIATE_TEST_SUITE_P(
    Older, StraightLengthRows,
    testing::Values(RowCase{"ver3.3", kOrifice, 0.45, false, {14, 18, 38, 5, 17, 20, 12, 30, 5, 20}, 6},
                    RowCase{"ver2.2", kNozzle, 0.1, false, {10, 14, 34, 5, 16, 18, 12, 30, 5, 20}, 4},
                    RowCase{"ver3.3", kOrifice, 0.45, true, {7, 9, 19, 5, 9, 10, 6, 15, 3, 10}, 6},
                    RowCase{"ver2.2", kNozzle, 0.8, true, {23, 25, 40, 15, 27, 22, 15, 15, 3, 10}, 8},
                    RowCase{"ver3.3", kVenturi, 0.3, false, {0.5, 1.5, 0.5, 0.5, 1.5, 1.5}, 0},
                    RowCase{"ver2.2", kVenturi, 0.35, false, {0.5, 1.5, 0.5, 1.5, 1.5, 2.5}, 0},
                    RowCase{"ver3.3", kVenturi, 0.75, false, {4.5, 4.5, 29.5, 11.5, 6.5, 5.5}, 0},
                    RowCase{"ver3.3", kVenturi, 0.6, true, {1, 2.5, 17.5, 0.5, 1.5, 2.5}, 0},
                    RowCase{"ver3.3", kVenturi, 0.68, true, {2, 2.5, 27.5, 2.5, 3.5, 3.5}, 0},
                    // An unknown tag is older as well.
                    RowCase{"", kVenturi, 0.9, true, {3, 3.5, 29.5, 3.5, 4.5, 3.5}, 0}));

// The shortened tables come from the standard ones by fixed rules. Deriving them again and comparing,
// band by band, catches a mistyped entry in either.
std::vector<double> BandProbes(std::vector<double> upperLimits) {
  upperLimits.push_back(upperLimits.back() + 0.1);
  return upperLimits;
}

double Half(double x) {
  return x / 2;
}

TEST(ShortenedLengths, CurrentNozzlesFollowTheirRules) {
  for (double beta : BandProbes({0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70, 0.75})) {
    SCOPED_TRACE(beta);
    const auto s = StraightLengthsFor("ver3.5", kNozzle, beta, false);
    const auto h = StraightLengthsFor("ver3.5", kNozzle, beta, true);
    EXPECT_EQ(h.boxes[0], beta <= 0.35 ? 6 : Half(s.boxes[0]));
    EXPECT_EQ(h.boxes[1], Half(s.boxes[1]));
    EXPECT_EQ(h.boxes[2], Half(s.boxes[2]));
    const double box4 = s.boxes[3];
    EXPECT_EQ(h.boxes[3], box4 <= 9 ? 5 : box4 == 11 ? 6 : Half(box4));
    const double box5 = s.boxes[4];
    EXPECT_EQ(h.boxes[4], box5 == 17 ? 9 : box5 == 25 ? 13 : Half(box5));
    EXPECT_EQ(h.boxes[5], Half(s.boxes[5]));
    EXPECT_EQ(h.boxes[6], Half(s.boxes[6]));
    EXPECT_EQ((std::array{h.boxes[7], h.boxes[8], h.boxes[9]}), (std::array{30.0, 5.0, 20.0}));
    EXPECT_EQ(h.downstream, Half(s.downstream));
  }
}

TEST(ShortenedLengths, OlderOrificesAndNozzlesFollowTheirRules) {
  for (PrimaryElementKind kind : {kOrifice, kNozzle}) {
    for (double beta : BandProbes({0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70, 0.75})) {
      SCOPED_TRACE(beta);
      const auto s = StraightLengthsFor("ver3.3", kind, beta, false);
      const auto h = StraightLengthsFor("ver3.3", kind, beta, true);
      EXPECT_EQ(h.boxes[0], s.boxes[0] == 10 ? 6 : Half(s.boxes[0]));
      EXPECT_EQ(h.boxes[1], Half(s.boxes[1]));
      EXPECT_EQ(h.boxes[2], Half(s.boxes[2]));
      EXPECT_EQ(h.boxes[3], s.boxes[3] <= 9 ? 5 : s.boxes[3] == 11 ? 6 : Half(s.boxes[3]));
      EXPECT_EQ(h.boxes[4], s.boxes[4] == 17 ? 9 : s.boxes[4] == 25 ? 13 : Half(s.boxes[4]));
      EXPECT_EQ(h.boxes[5], Half(s.boxes[5]));
      EXPECT_EQ(h.boxes[6], Half(s.boxes[6]));
      EXPECT_EQ((std::array{h.boxes[7], h.boxes[8], h.boxes[9]}), (std::array{15.0, 3.0, 10.0}));
      EXPECT_EQ(h.downstream, s.downstream);
      EXPECT_EQ((std::array{h.boxes[10], h.boxes[11]}), (std::array{0.0, 0.0}));
    }
  }
}

TEST(ShortenedLengths, CurrentOrificesHalveBox10AndDownstreamAndShortenBoxes11And12) {
  for (double beta : BandProbes({0.20, 0.40, 0.50, 0.60, 0.67})) {
    SCOPED_TRACE(beta);
    const auto s = StraightLengthsFor("ver3.5", kOrifice, beta, false);
    const auto h = StraightLengthsFor("ver3.5", kOrifice, beta, true);
    EXPECT_EQ(h.boxes[9], Half(s.boxes[9]));
    EXPECT_EQ(h.downstream, Half(s.downstream));
    EXPECT_EQ((std::array{h.boxes[10], h.boxes[11]}), (std::array{15.0, 3.0}));
  }
}

TEST(ShortenedLengths, CurrentVenturiTubesFollowTheirRules) {
  for (double beta : BandProbes({0.40, 0.50, 0.60, 0.70})) {
    SCOPED_TRACE(beta);
    const auto s = StraightLengthsFor("ver3.5", kVenturi, beta, false);
    const auto h = StraightLengthsFor("ver3.5", kVenturi, beta, true);
    const int range = beta <= 0.6 ? 0 : beta <= 0.7 ? 1 : 2;
    EXPECT_EQ(h.boxes[0], beta <= 0.7 ? 3 : 8);
    EXPECT_EQ(h.boxes[1], beta <= 0.7 ? 3 : 8);
    EXPECT_EQ(h.boxes[2], 4);
    EXPECT_EQ(h.boxes[3], 4 + range);
    EXPECT_EQ(h.boxes[4], beta <= 0.7 ? 2.5 : s.boxes[4]);
    EXPECT_EQ(h.boxes[5], 2.5 + range);
    EXPECT_EQ(h.boxes[6], s.boxes[6] > 4.5 ? 3.5 : 2.5);
    EXPECT_EQ(h.downstream, 0);
  }
}

CalculationState OrificeState(double beta) {
  CalculationState state;
  state.ElementKind = PrimaryElementKind::OrificeCorner;
  state.Beta = beta;
  state.PipeDiameter = 0.2;
  state.Fittings = {};
  return state;
}

TEST(ComputeStraightLengths, ThermowellAloneOnAnOrificeNeedsFiveDiametersOrThreeWhenShortened) {
  CalculationState state = OrificeState(0.5);
  state.Fittings[11] = true;  // "Teploměrová jímka <=0,03D"
  ComputeStraightLengths(state);
  EXPECT_EQ(state.UpstreamLength, 5);
  EXPECT_EQ(state.FittingLengths11and12, (std::array<std::uint8_t, 2>{30, 5}));

  state.AddedUncertaintyShortLengths = 0.5;
  ComputeStraightLengths(state);
  EXPECT_EQ(state.UpstreamLength, 3);
  EXPECT_EQ(state.FittingLengths11and12, (std::array<std::uint8_t, 2>{15, 3}));
}

TEST(ComputeStraightLengths, EveryBoxGetsItsLengthAndUpstreamIsTheLargestTicked) {
  CalculationState state = OrificeState(0.45);
  state.Fittings[0] = true;   // 22
  state.Fittings[7] = true;   // 8
  state.Fittings[10] = true;  // 30 (byte length)
  ComputeStraightLengths(state);
  EXPECT_EQ(state.FittingLengths, (std::array<double, 10>{22, 18, 22, 44, 75, 19, 30, 8, 20, 12}));
  EXPECT_EQ(state.DownstreamLength, 6);
  EXPECT_EQ(state.UpstreamLength, 30);
  EXPECT_DOUBLE_EQ(MinimumStraightLength(state), (30 + 6) * 0.2);

  state.Fittings = {};
  ComputeStraightLengths(state);
  EXPECT_EQ(state.UpstreamLength, 0);
}

TEST(ComputeStraightLengths, OffsetOptionChangesNoLength) {
  CalculationState plain = OrificeState(0.62);
  plain.Fittings[4] = true;
  CalculationState offset = plain;
  offset.AddedUncertaintyOffset = 0.2;
  ComputeStraightLengths(plain);
  ComputeStraightLengths(offset);
  EXPECT_EQ(plain.FittingLengths, offset.FittingLengths);
  EXPECT_EQ(plain.FittingLengths11and12, offset.FittingLengths11and12);
  EXPECT_EQ(plain.UpstreamLength, offset.UpstreamLength);
  EXPECT_EQ(plain.DownstreamLength, offset.DownstreamLength);
}

TEST(ComputeStraightLengths, VenturiTubeNeedsNothingDownstream) {
  CalculationState state = OrificeState(0.55);
  state.ElementKind = PrimaryElementKind::VenturiCast;
  state.Fittings[1] = true;
  state.Fittings[11] = true;  // hidden for Venturi tubes: the table has no such fitting
  ComputeStraightLengths(state);
  EXPECT_EQ(state.DownstreamLength, 0);
  EXPECT_EQ(state.UpstreamLength, 10);
  EXPECT_EQ(state.FittingLengths11and12, (std::array<std::uint8_t, 2>{0, 0}));
  EXPECT_DOUBLE_EQ(MinimumStraightLength(state), 10 * 0.2);
}

TEST(ComputeStraightLengths, OlderTagKeepsTheOlderLengths) {
  CalculationState state = OrificeState(0.5);
  state.VersionTag = "ver3.3";
  state.Fittings[0] = true;
  state.Fittings[11] = true;
  ComputeStraightLengths(state);
  EXPECT_EQ(state.FittingLengths[0], 14);
  EXPECT_EQ(state.FittingLengths11and12, (std::array<std::uint8_t, 2>{0, 0}));
  EXPECT_EQ(state.UpstreamLength, 14);
}

TEST(ComputeStraightLengths, BetaOutsideTheValidRangeTakesTheFirstOrLastRow) {
  CalculationState state = OrificeState(0.05);
  state.Fittings[0] = true;
  ComputeStraightLengths(state);
  EXPECT_EQ(state.UpstreamLength, 6);
  state.Beta = 0.99999999999;
  ComputeStraightLengths(state);
  EXPECT_EQ(state.UpstreamLength, 44);
}

TEST(FittingBoxes, CurrentOrificeShowsTwelveBoxesWithTheThermowellLast) {
  const FittingBoxes f = FittingBoxesFor("ver3.5", PrimaryElementKind::OrificeFlange);
  for (const FittingBox& box : f.boxes) EXPECT_TRUE(box.visible);
  EXPECT_EQ(f.boxes[0].caption, "Koleno 90° nebo dvě kolena, S>30D");
  EXPECT_EQ(f.boxes[11].caption, "Teploměrová jímka <=0,03D");
  EXPECT_TRUE(f.offsetOptionVisible);
  EXPECT_EQ(f.pipeMaterialLabel, "Materiál potrubí");
}

TEST(FittingBoxes, NozzlesAndTheVenturiNozzleShowTen) {
  for (PrimaryElementKind kind : {PrimaryElementKind::NozzleIsa1932, PrimaryElementKind::VenturiNozzle}) {
    const FittingBoxes f = FittingBoxesFor("ver3.4", kind);
    EXPECT_TRUE(f.boxes[9].visible);
    EXPECT_EQ(f.boxes[9].caption, "Teploměrová jímka 0,03-0,13D");
    EXPECT_EQ(f.boxes[5].caption, "Zcela otevřený přímý ventil");
    EXPECT_FALSE(f.boxes[10].visible);
    EXPECT_FALSE(f.boxes[11].visible);
    EXPECT_TRUE(f.offsetOptionVisible);
  }
}

TEST(FittingBoxes, VenturiTubesShowSevenAndNoOffsetOption) {
  const FittingBoxes f = FittingBoxesFor("ver3.5", PrimaryElementKind::VenturiWelded);
  EXPECT_EQ(f.boxes[6].caption, "Zcela otevřené šoupě");
  EXPECT_FALSE(f.boxes[7].visible);
  EXPECT_FALSE(f.offsetOptionVisible);
  EXPECT_EQ(f.pipeMaterialLabel, "Materiál vstupního válce");
}

TEST(FittingBoxes, OlderTagsShowTheOlderLists) {
  const FittingBoxes orifice = FittingBoxesFor("ver3.3", PrimaryElementKind::OrificeCorner);
  EXPECT_EQ(orifice.boxes[0].caption, "Koleno 90° nebo T kus");
  EXPECT_EQ(orifice.boxes[5].caption, "Plně otevřený přímý ventil");
  EXPECT_TRUE(orifice.boxes[9].visible);
  EXPECT_FALSE(orifice.boxes[10].visible);
  EXPECT_TRUE(orifice.offsetOptionVisible);

  const FittingBoxes venturi = FittingBoxesFor("ver2.2", PrimaryElementKind::VenturiCast);
  EXPECT_EQ(venturi.boxes[3].caption, "Zúžení ze 3D na D");
  EXPECT_EQ(venturi.boxes[5].caption, "Plně otevřené šoupě");
  EXPECT_FALSE(venturi.boxes[6].visible);
  EXPECT_FALSE(venturi.offsetOptionVisible);
  EXPECT_EQ(venturi.pipeMaterialLabel, "Materiál vstupního válce");
}

}  // namespace
}  // namespace pramo
