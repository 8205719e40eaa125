#include "core/Validity.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/NumberText.h"

namespace pramo {
namespace {

// A result inside every limit of an orifice plate with corner tappings, water, valid velocity.
CalculationState ValidOrifice() {
  CalculationState s;
  s.ElementKind = PrimaryElementKind::OrificeCorner;
  s.Fluid = FluidKind::Water;
  s.Pressure = 5e5;
  s.Viscosity = 1e-3;
  s.Density = 998;
  s.PipeDiameter = 0.1;
  s.Bore20 = 0.05;
  s.Bore = 0.05;
  s.Beta = 0.5;
  s.MassFlowMax = 12;
  s.MassFlowMin = 50;  // above the minimum permitted flow of every row below
  s.ReDMax = 1.5e5;
  s.Residual = 0;
  s.VelocityMax = 1.5;
  s.VelocityLow = 0.7;
  s.VelocityHigh = 3.5;
  return s;
}

std::array<bool, 8> FlagsOf(CalculationState s, double dpMax = 25000) {
  SetLimitFlags(s, dpMax);
  return s.LimitFlags;
}

TEST(SetLimitFlags, ValidResultSetsNoFlag) {
  CalculationState s = ValidOrifice();
  SetLimitFlags(s, 25000);
  EXPECT_EQ(s.LimitFlags, (std::array<bool, 8>{}));
  EXPECT_EQ(s.ReDMinAllowed, 5000);
  EXPECT_DOUBLE_EQ(s.MassFlowMinAllowed, 3.141592653589793 * 5000 * 1e-3 * 0.1 / 4);
  EXPECT_EQ(ResultStatus(s.LimitFlags), kStatusValid);
}

// Each row changes one value of a valid orifice result and names the flag it must set (or -1: none).
struct FlagCase {
  const char* name;
  void (*change)(CalculationState&);
  int flag;
};

const FlagCase kFlagCases[] = {
    {"beta 0.75 is inside", [](CalculationState& s) { s.Beta = 0.75; }, -1},
    {"beta 0.7500001", [](CalculationState& s) { s.Beta = 0.7500001; }, kFlagBeta},
    {"beta 0.1 is inside", [](CalculationState& s) { s.Beta = 0.1; }, -1},
    {"beta 0.0999", [](CalculationState& s) { s.Beta = 0.0999; }, kFlagBeta},
    {"d20 12.5 mm is inside", [](CalculationState& s) { s.Bore20 = 0.0125; }, -1},
    {"d20 12.4 mm", [](CalculationState& s) { s.Bore20 = 0.0124; }, kFlagBore},
    {"D 50 mm is inside", [](CalculationState& s) { s.PipeDiameter = 0.05; }, -1},
    {"D 1.0001 m", [](CalculationState& s) { s.PipeDiameter = 1.0001; }, kFlagPipe},
    {"orifice never checks Re_D at maximum flow", [](CalculationState& s) { s.ReDMax = 1e12; }, -1},
    {"minimum flow below permitted", [](CalculationState& s) { s.MassFlowMin = 1e-4; }, kFlagMinimumFlow},
    {"residual 1e-8 is converged", [](CalculationState& s) { s.Residual = 1e-8; }, -1},
    {"residual above 1e-8", [](CalculationState& s) { s.Residual = 1.1e-8; }, kFlagConvergence},
    {"velocity below range", [](CalculationState& s) { s.VelocityMax = 0.69; }, kFlagVelocity},
    {"velocity above range", [](CalculationState& s) { s.VelocityMax = 3.51; }, kFlagVelocity},
    {"water never gets the pressure ratio flag", [](CalculationState& s) { s.Pressure = 1e5; }, -1},
    {"air below p2/p1 0.75",
     [](CalculationState& s) {
       s.Fluid = FluidKind::DryAir;
       s.Pressure = 99999;  // (p1 - 25000)/p1 just below 0.75
       s.VelocityHigh = 20;
     },
     kFlagPressureRatio},
    {"air at p2/p1 0.75 exactly",
     [](CalculationState& s) {
       s.Fluid = FluidKind::DryAir;
       s.Pressure = 100000;
     },
     -1},
    {"nozzle Re_D above 1e7",
     [](CalculationState& s) {
       s.ElementKind = PrimaryElementKind::NozzleIsa1932;
       s.ReDMax = 1.0000001e7;
     },
     kFlagReDMax},
    {"nozzle Re_D 1e7 is inside",
     [](CalculationState& s) {
       s.ElementKind = PrimaryElementKind::NozzleIsa1932;
       s.ReDMax = 1e7;
     },
     -1},
    {"Venturi nozzle d20 below 50 mm",
     [](CalculationState& s) {
       s.ElementKind = PrimaryElementKind::VenturiNozzle;
       s.Bore20 = 0.0499;
       s.ReDMax = 1e6;
     },
     kFlagBore},
    {"Venturi tube has no bore limit",
     [](CalculationState& s) {
       s.ElementKind = PrimaryElementKind::VenturiCast;
       s.PipeDiameter = 0.2;
       s.Bore20 = 0.001;
     },
     -1},
};

TEST(SetLimitFlags, EachLimitSetsItsOwnFlagAtItsBoundary) {
  for (const auto& c : kFlagCases) {
    CalculationState s = ValidOrifice();
    c.change(s);
    std::array<bool, 8> expected{};
    if (c.flag >= 0) expected[c.flag] = true;
    EXPECT_EQ(FlagsOf(s), expected) << c.name;
  }
}

TEST(SetLimitFlags, WaterNeverGetsThePressureRatioFlag) {
  CalculationState s = ValidOrifice();
  EXPECT_FALSE(FlagsOf(s, 1e9)[kFlagPressureRatio]);
  s.Fluid = FluidKind::Liquid;
  EXPECT_FALSE(FlagsOf(s, 1e9)[kFlagPressureRatio]);
  s.Fluid = FluidKind::SaturatedSteam;
  EXPECT_TRUE(FlagsOf(s, 1e9)[kFlagPressureRatio]);
}

TEST(MinimumReynolds, ByElementKind) {
  struct Row {
    PrimaryElementKind kind;
    double beta, pipe, expected;
  };
  const Row rows[] = {
      {PrimaryElementKind::OrificeCorner, 0.56, 0.1, 5000},
      {PrimaryElementKind::OrificeDD2, 0.7, 0.1, 16000 * 0.49},
      {PrimaryElementKind::OrificeFlange, 0.6, 0.5, 30600},  // 170·0.36·500
      {PrimaryElementKind::OrificeFlange, 0.3, 0.1, 5000},   // 1530 is below the floor
      {PrimaryElementKind::NozzleIsa1932, 0.43, 0.1, 70000},
      {PrimaryElementKind::NozzleIsa1932, 0.44, 0.1, 20000},
      {PrimaryElementKind::NozzleLongRadius, 0.5, 0.1, 10000},
      {PrimaryElementKind::VenturiCast, 0.5, 0.1, 200000},
      {PrimaryElementKind::VenturiMachined, 0.5, 0.1, 200000},
      {PrimaryElementKind::VenturiWelded, 0.5, 0.1, 200000},
      {PrimaryElementKind::VenturiNozzle, 0.5, 0.1, 150000},
  };
  for (const auto& r : rows) {
    EXPECT_NEAR(MinimumReynolds(r.kind, r.beta, r.pipe), r.expected, 1e-9) << static_cast<int>(r.kind);
  }
}

TEST(RecommendedVelocity, ByFluidAndPressure) {
  struct Row {
    FluidKind fluid;
    double p1, low, high;
  };
  const Row rows[] = {
      {FluidKind::SaturatedSteam, 1e6, 20, 30}, {FluidKind::SuperheatedSteam, 1e7, 30, 50},
      {FluidKind::Water, 1e6, 0.7, 3.5},        {FluidKind::Liquid, 1e6, 0.7, 3.5},
      {FluidKind::DryAir, 0.7e6, 0.0001, 20},   {FluidKind::HumidAir, 0.7e6 + 1, 0.0001, 15},
      {FluidKind::Gas, 1.1e6, 0.0001, 15},      {FluidKind::Gas, 2.1e6, 0.0001, 10},
      {FluidKind::Gas, 3.1e6, 0.0001, 8},       {FluidKind::Gas, 3.1e6 + 1, 0.0001, 6},
      {FluidKind::Undetermined, 1e5, 100, 0},
  };
  for (const auto& r : rows) {
    const VelocityRange range = RecommendedVelocity(r.fluid, r.p1);
    EXPECT_EQ(range.low, r.low) << static_cast<int>(r.fluid) << " " << r.p1;
    EXPECT_EQ(range.high, r.high) << static_cast<int>(r.fluid) << " " << r.p1;
  }
}

TEST(ResultStatus, VelocityAloneGivesOneAnyOtherFlagTwo) {
  std::array<bool, 8> flags{};
  EXPECT_EQ(ResultStatus(flags), 0);
  flags[kFlagVelocity] = true;
  EXPECT_EQ(ResultStatus(flags), 1);
  for (int i = 0; i < 8; ++i) {
    if (i == kFlagVelocity) continue;
    std::array<bool, 8> one{};
    one[i] = true;
    EXPECT_EQ(ResultStatus(one), 2) << i;
    one[kFlagVelocity] = true;
    EXPECT_EQ(ResultStatus(one), 2) << i;
  }
}

TEST(ListLimitMessages, SaturatedSteamTooFastHasStatusOneAndNamesItsRange) {
  CalculationState s = ValidOrifice();
  s.Fluid = FluidKind::SaturatedSteam;
  s.Pressure = 1e7;
  s.VelocityLow = 20;
  s.VelocityHigh = 30;
  s.VelocityMax = 31;
  SetLimitFlags(s, 25000);
  EXPECT_EQ(ResultStatus(s.LimitFlags), kStatusVelocityOnly);
  EXPECT_EQ(ListLimitMessages(s), std::vector<std::string>{"Rychlost mimo 20.0 - 30.0 m/s   inf."});
  EXPECT_EQ(ListLimitMessages(s, ','), std::vector<std::string>{"Rychlost mimo 20,0 - 30,0 m/s   inf."});
}

TEST(ListLimitMessages, AllFlagsInTheirOrderWithExactTexts) {
  CalculationState s = ValidOrifice();
  s.LimitFlags.fill(true);
  s.Residual = 1;
  s.VelocityLow = 0.0001;
  s.VelocityHigh = 20;
  const std::vector<std::string> expected = {
      "Re_Dmax přesahuje meze!",   "Průměr otvoru primárního prvku mimo meze!",
      "Průměr potrubí mimo meze!", "Výpočet nekonverguje - 1!",
      "Beta mimo meze!",           "Mimimální průtok nevyhovuje!",
      "Poměr tlaků p2/p1 < 0.75!", "Rychlost mimo 0.0 - 20.0 m/s   inf.",
  };
  EXPECT_EQ(ListLimitMessages(s), expected);
  s.Residual = 0.3;  // fixed notation without decimals
  EXPECT_EQ(ListLimitMessages(s)[3], "Výpočet nekonverguje - 0!");
  s.LimitFlags = {};
  EXPECT_TRUE(ListLimitMessages(s).empty());
}

TEST(ListLimitMessages, Version22KnowsOnlyTheBoreFlag) {
  CalculationState s = ValidOrifice();
  s.VersionTag = "ver2.2";
  s.LimitFlags.fill(true);
  EXPECT_EQ(ListLimitMessages(s), std::vector<std::string>{"Výpočet je chybný!"});
  s.LimitFlags[kFlagBore] = false;
  EXPECT_TRUE(ListLimitMessages(s).empty());
}

TEST(CheckBore, ComparesTheRecomputedFlowWithTheMaximumFlow) {
  CalculationState s = ValidOrifice();
  s.C = 0.6067;
  s.Epsilon = 0.98;
  const double b4 = std::pow(s.Beta, 4);
  const double q = s.C / std::sqrt(1 - b4) * s.Epsilon * 3.141592653589793 / 4 * s.Bore * s.Bore *
                   std::sqrt(2 * 25000 * s.Density);
  s.MassFlowMax = q;
  BoreCheck check = CheckBore(s, 25000);
  EXPECT_TRUE(check.passed);
  ASSERT_TRUE(check.deviation.has_value());
  EXPECT_NEAR(*check.deviation, 0, 1e-12);

  s.MassFlowMax = q * 1.002;  // 0.2 % off
  check = CheckBore(s, 25000);
  EXPECT_FALSE(check.passed);
  EXPECT_NEAR(*check.deviation, 0.2, 1e-9);

  s.LimitFlags[kFlagVelocity] = true;  // the velocity flag does not excuse it
  EXPECT_FALSE(CheckBore(s, 25000).passed);
  s.LimitFlags[kFlagBeta] = true;  // a result outside the standard passes
  EXPECT_TRUE(CheckBore(s, 25000).passed);
}

TEST(CheckBore, NoDeviationWithoutARecomputableFlow) {
  CalculationState s = ValidOrifice();  // C and ε are 0
  const BoreCheck check = CheckBore(s, 25000);
  EXPECT_FALSE(check.passed);
  EXPECT_FALSE(check.deviation.has_value());
  EXPECT_EQ(BoreDeviationText(check.deviation), " % ");
}

TEST(BoreDeviationText, ScientificWithSixDigitsAndThreeExponentDigits) {
  EXPECT_EQ(BoreDeviationText(0.0123), " 1.23000E-002 % ");
  EXPECT_EQ(BoreDeviationText(0.0), " 0.00000E+000 % ");
  EXPECT_EQ(BoreDeviationText(123456.789, ','), " 1,23457E+005 % ");
  EXPECT_EQ(ScientificText(1e-300, 6), "1.00000E-300");
}

TEST(BoreCheckFailureLines, FiveLines) {
  const auto lines = BoreCheckFailureLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Chyba výpočtu !");
  EXPECT_EQ(lines[1], "Proveďte prosím export zadání");
  EXPECT_EQ(lines[2], "a zašlete ho do Tavor");
  EXPECT_EQ(lines[4], "Děkujeme.");
}

TEST(NumberText, FormatsLikePrintfWhateverTheLocale) {
  EXPECT_EQ(FixedText(20, 1), "20.0");
  EXPECT_EQ(FixedText(0.0001, 1), "0.0");
  EXPECT_EQ(FixedText(3.5, 1, ','), "3,5");
  EXPECT_EQ(FixedText(0.6, 0), "1");
  EXPECT_EQ(GeneralText(58.23929710173504, 15), "58.239297101735");
  EXPECT_EQ(GeneralText(1e20, 15), "1e+20");
}

}  // namespace
}  // namespace pramo
