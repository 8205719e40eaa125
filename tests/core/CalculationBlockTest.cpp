#include "core/CalculationBlockCodec.h"

#include <cstring>
#include <random>

#include <gtest/gtest.h>

namespace pramo {
namespace {

double DoubleAt(const CalculationBlock& b, std::size_t offset) {
  double v;
  std::memcpy(&v, b.data() + offset, 8);
  return v;
}

TEST(CalculationBlock, AnyBlockDecodedAndEncodedAgainIsTheSameBytes) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    CalculationBlock block;
    for (auto& b : block) b = static_cast<std::uint8_t>(random());
    if (round % 2) block[0] = 6;  // also plain tags and short strings, not only over-long length bytes
    EXPECT_EQ(EncodeBlock(DecodeBlock(block)), block) << "round " << round;
  }
}

TEST(CalculationBlock, FieldsLieAtTheirOffsetsWithStringsScrambled) {
  CalculationState s;
  s.ElementKind = PrimaryElementKind::VenturiMachined;
  s.Fluid = FluidKind::HumidAir;
  s.FluidName = "vlhký vzduch";
  s.PressureEntered = 2.5;
  s.FlowUnit = FlowUnitKind::TonnesPerHour;
  s.DpSeries[9] = 123.0;
  s.CascadeAccuracy[3] = 0.75;
  s.Description = "Popis";
  s.LimitFlags[6] = true;
  s.FittingLengths[9] = 44;
  s.DensityRefTemperature = -5;
  s.ResultsValid = true;
  s.Designer = "Jan Novák";
  s.Company = std::string(50, 'x');
  s.MeasuringPoint = "MM";
  s.NumberInstallation = 0x0102;
  s.NumberCount = 99999;
  s.Date = 46000;
  s.CalcKind = CalculationKind::Flow;
  s.NumberIndex = 7;
  s.FittingLengths11and12 = {30, 12};
  s.Fittings = {};
  s.Fittings[11] = true;

  const CalculationBlock b = EncodeBlock(s);
  EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 7), "ver3.5");
  EXPECT_EQ(b[0], 6);
  EXPECT_EQ(b[7], 6);
  EXPECT_EQ(b[8], 4);
  EXPECT_EQ(b[9], 12);            // characters in the code page: ý is one byte
  EXPECT_EQ(b[10], 'v' ^ 0x5B);   // scrambled
  EXPECT_EQ(b[14], 0xFD ^ 0x5B);  // ý
  EXPECT_EQ(DoubleAt(b, 30), 2.5);
  EXPECT_EQ(b[111], 5);
  EXPECT_EQ(DoubleAt(b, 159 + 72), 123.0);
  EXPECT_EQ(DoubleAt(b, 295 + 16), 0.75);
  EXPECT_EQ(b[327], 5);
  EXPECT_EQ(b[328], 'P' ^ 0x5B);
  EXPECT_EQ(b[662], 1);
  EXPECT_EQ(DoubleAt(b, 680 + 72), 44.0);
  EXPECT_EQ(DoubleAt(b, 820), -5.0);
  EXPECT_EQ(b[828], 1);
  EXPECT_EQ(b[829], 9);
  EXPECT_EQ(b[855], 50);
  EXPECT_EQ(b[855 + 50], 'x' ^ 0x5B);  // a 50-character company fills its 51 bytes
  EXPECT_EQ(b[906], 2);
  EXPECT_EQ(b[947], 0x02);
  EXPECT_EQ(b[948], 0x01);
  EXPECT_EQ(b[949] | b[950] << 8 | b[951] << 16, 99999);
  EXPECT_EQ(DoubleAt(b, 953), 46000.0);
  for (int i = 961; i < 967; ++i) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(b[967], 2);
  EXPECT_EQ(b[968], 7);
  EXPECT_EQ(b[969], 30);
  EXPECT_EQ(b[970], 12);
  EXPECT_EQ(b[971], 0);
  EXPECT_EQ(b[972], 1);

  const CalculationState back = DecodeBlock(b);
  EXPECT_EQ(back.FluidName, "vlhký vzduch");
  EXPECT_EQ(back.Designer, "Jan Novák");
  EXPECT_EQ(back.Company, s.Company);
  EXPECT_EQ(back.NumberCount, 99999u);
  EXPECT_TRUE(back.Fittings[11]);
  EXPECT_EQ(EncodeBlock(back), b);
}

TEST(CalculationBlock, ChangedTextKeepsTheUnusedTailAndCharacterScrambledToZeroSurvives) {
  CalculationBlock block{};
  std::memcpy(block.data(), "\x06ver3.5", 7);
  block[327] = 3;
  const char text[] = {'[', 'a', 'b', 'c', 'd'};  // '[' scrambles to 0
  for (int i = 0; i < 5; ++i) block[328 + i] = static_cast<std::uint8_t>(text[i] ^ 0x5B);
  CalculationState s = DecodeBlock(block);
  EXPECT_EQ(s.Description, "[ab");
  s.Description = "[a";
  const CalculationBlock b = EncodeBlock(s);
  EXPECT_EQ(b[327], 2);
  EXPECT_EQ(b[328], 0);
  EXPECT_EQ(b[330], 'b' ^ 0x5B);  // bytes after the text are left as they were
  EXPECT_EQ(DecodeBlock(b).Description, "[a");
}

TEST(CalculationBlock, VersionTagsAreReadFromTheirSevenBytes) {
  CalculationBlock block{};
  std::memcpy(block.data(), "\x06ver2.2", 7);
  EXPECT_EQ(BlockVersionTag(block), "ver2.2");
  EXPECT_TRUE(IsKnownVersionTag(BlockVersionTag(block)));
  block[0] = 5;
  EXPECT_FALSE(IsKnownVersionTag(BlockVersionTag(block)));
  block[0] = 200;
  EXPECT_EQ(BlockVersionTag(block), "ver2.2");
  EXPECT_FALSE(IsKnownVersionTag("Ver3.5"));
}

TEST(CalculationState, ThermalExpansionByMaterialAndBand) {
  EXPECT_EQ(TemperatureBandOf(100.0), 0);
  EXPECT_EQ(TemperatureBandOf(100.001), 1);
  EXPECT_EQ(TemperatureBandOf(-40.0), 0);
  EXPECT_EQ(TemperatureBandOf(800.0), 7);
  EXPECT_EQ(TemperatureBandOf(950.0), 7);  // no band above 800 °C: the last one serves
  EXPECT_DOUBLE_EQ(ExpansionCoefficient(9, 7), 19.3);
  EXPECT_DOUBLE_EQ(ExpansionCoefficient(17, 3), 17.3);
  for (double t : {-20.0, 20.0, 350.0, 790.0}) {
    EXPECT_EQ(DiameterAtTemperature(0.1, kMaterialOther, TemperatureBandOf(t), t), 0.1);
  }
  const double d = DiameterAtTemperature(0.2, 5, 2, 250.0);
  EXPECT_DOUBLE_EQ(d, 0.2 * (1 + 17.2e-6 * 230));
  EXPECT_DOUBLE_EQ(DiameterAt20(d, 5, 2, 250.0), 0.2);
}

}  // namespace
}  // namespace pramo
