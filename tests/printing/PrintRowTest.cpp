#include "printing/PrintRow.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "printing/PageFrame.h"

namespace pramo {
namespace {

TEST(PlaceText, EveryAlignmentModeMeasuresFromTheAnchor) {
  // A text 41 x 13 pixels at anchor (100, 200); halves round toward zero (20 and 6).
  struct Case {
    std::uint8_t align;
    PixelPoint expected;
  };
  const Case cases[] = {
      {0, {100, 200}}, {1, {59, 200}}, {2, {80, 200}}, {3, {100, 187}},
      {4, {59, 187}},  {5, {80, 187}}, {6, {80, 194}},
  };
  for (const Case& c : cases) {
    const PixelPoint at = PlaceText({100, 200}, 41, 13, c.align);
    EXPECT_EQ(at.X, c.expected.X) << "align " << int{c.align};
    EXPECT_EQ(at.Y, c.expected.Y) << "align " << int{c.align};
  }
}

TEST(PlaceText, AnUnknownModePlacesTheTextAtTheAnchor) {
  const PixelPoint at = PlaceText({10, 20}, 41, 13, 7);
  EXPECT_EQ(at.X, 10);
  EXPECT_EQ(at.Y, 20);
}

TEST(RoundPixel, HalvesGoToTheEvenPixel) {
  EXPECT_EQ(RoundPixel(0.5), 0);
  EXPECT_EQ(RoundPixel(1.5), 2);
  EXPECT_EQ(RoundPixel(2.5), 2);
  EXPECT_EQ(RoundPixel(-1.5), -2);
  EXPECT_EQ(RoundPixel(170.4), 170);
  EXPECT_EQ(RoundPixel(4426.8), 4427);
}

TEST(RoundPixel, PositionsOutsideTheIntegerRangeAreClampedNotUndefined) {
  EXPECT_EQ(RoundPixel(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(RoundPixel(-1e300), std::numeric_limits<int>::min());
  EXPECT_EQ(RoundPixel(std::nan("")), 0);
}

TEST(PrintRow, DefaultsAreTheColumnAnchorsPlainAndLeftAligned) {
  const PrintRow row = DefaultPrintRow();
  const double anchors[] = {7, 7, 25, 64, 50, 93};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(row[i].X, anchors[i]);
    EXPECT_EQ(row[i].Style, FontStyle::Plain);
    EXPECT_EQ(row[i].Align, 0);
    EXPECT_TRUE(row[i].Text.empty());
  }
}

CalculationState Numbered(const char* tag) {
  CalculationState state;
  state.VersionTag = tag;
  state.NumberInstallation = 1;
  state.NumberCount = 12;
  state.NumberIndex = 1;
  state.Company = "Teplárna/Údržba";
  state.MeasuringPoint = "MP 7";
  state.Designer = "Ing. Novák";
  return state;
}

TEST(PageFrameOf, CurrentCalculationsShowTheIndexedNumberAndTheirOrigin) {
  const PageFrame frame = PageFrameOf(Numbered("ver3.5"));
  EXPECT_EQ(frame.NumberText, "0100012-01");
  EXPECT_EQ(frame.ProgramLine, "Pramo verze 1.2.2");
  EXPECT_TRUE(frame.HasOriginRows);
  EXPECT_EQ(frame.Company, "Teplárna/Údržba");
  EXPECT_EQ(frame.MeasuringPoint, "MP 7");
  EXPECT_EQ(frame.Designer, "Ing. Novák");
  EXPECT_EQ(PageFrameOf(Numbered("ver3.4")).NumberText, "0100012-01");
}

TEST(PageFrameOf, OldestCalculationsShowTheOldProgramASevenDigitNumberAndNoOrigin) {
  const PageFrame frame = PageFrameOf(Numbered("ver2.2"));
  EXPECT_EQ(frame.ProgramLine, "Kvantora verze 2");
  EXPECT_EQ(frame.NumberText, "0100012");
  EXPECT_FALSE(frame.HasOriginRows);
  EXPECT_TRUE(frame.Company.empty());
}

TEST(PageFrameOf, FirstVersionCalculationsHaveNoIndexButTheirOrigin) {
  const PageFrame frame = PageFrameOf(Numbered("ver3.3"));
  EXPECT_EQ(frame.ProgramLine, "Pramo verze  1.0");  // two blanks, as that version printed it
  EXPECT_EQ(frame.NumberText, "0100012");
  EXPECT_TRUE(frame.HasOriginRows);
}

TEST(PageFrameOf, AnUnknownTagAndWideNumbers) {
  CalculationState state = Numbered("ver9.9");
  state.NumberInstallation = 123;
  state.NumberCount = 1234567;
  state.NumberIndex = 255;
  const PageFrame frame = PageFrameOf(state);
  EXPECT_EQ(frame.ProgramLine, "X");
  EXPECT_EQ(frame.NumberText, "1231234567");
  EXPECT_FALSE(frame.HasOriginRows);
  state.VersionTag = "ver3.5";
  EXPECT_EQ(PageFrameOf(state).NumberText, "1231234567-255");
}

TEST(CertificateTitle, ByKindOfCalculation) {
  EXPECT_EQ(CertificateTitle(CalculationKind::Bore),
            "Osvědčení o výpočtu primárního prvku dle ČSN EN ISO 5167");
  EXPECT_EQ(CertificateTitle(CalculationKind::Dp),
            "Osvědčení o výpočtu diferenčního tlaku dle ČSN EN ISO 5167");
  EXPECT_EQ(CertificateTitle(CalculationKind::Flow), "Osvědčení o výpočtu průtoku dle ČSN EN ISO 5167");
  EXPECT_EQ(CertificateTitle(static_cast<CalculationKind>(3)), "");
  CalculationState state;
  state.CalcKind = CalculationKind::Dp;
  EXPECT_EQ(PageFrameOf(state).Title, CertificateTitle(CalculationKind::Dp));
}

}  // namespace
}  // namespace pramo
