#include "printing/Certificate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "core/StraightLengths.h"
#include "core/Validity.h"
#include "strings/core.h"

namespace pramo {
namespace {

using testing::DrawnText;
using testing::FakePreview;
using testing::FakePrinter;

// Superheated steam through an orifice plate with corner tappings, bore kind, with a cascade of two
// transmitters: every section of the certificate has something to show.
CalculationState SteamBore() {
  CalculationState s;
  s.CalcKind = CalculationKind::Bore;
  s.ElementKind = PrimaryElementKind::OrificeCorner;
  s.Fluid = FluidKind::SuperheatedSteam;
  s.Description = "Přívod páry K3";
  s.PressureEntered = 10;
  s.PressureUnit = 5;  // bar - A
  s.Pressure = 10e5;
  s.TemperatureGiven = true;
  s.TemperatureEntered = 250;
  s.Temperature = 250;
  s.Density = 4.2;
  s.Viscosity = 1.8e-5;
  s.Kappa = 1.3;
  s.FlowEntered = 8000;
  s.FlowMaxEntered = 10000;
  s.FlowMinEntered = 2000;
  s.DpMaxGiven = true;
  s.DpMaxEntered = 25000;
  s.DpMax = 25000;
  s.Dp = 16000;
  s.PipeDiameterEntered = 150;
  s.ElementMaterial = 5;
  s.PipeMaterial = 0;
  s.Fittings = {true, false, false, false, false, false, false, false, false, false, false, false};
  s.FittingLengths[0] = 44;
  s.DownstreamLength = 8;
  s.C = 0.60123;
  s.Epsilon = 0.98731;
  s.Beta = 0.54321;
  s.Bore = 0.0815;
  s.Bore20 = 0.0813;
  s.PipeDiameter = 0.1505;
  s.ReD = 1249475;
  s.Velocity = 24.354;
  s.ReDMax = 1561844;
  s.VelocityMax = 30.43;
  s.ReDMin = 312369;
  s.PressureLoss = 1494.4;
  s.ReDMinAllowed = 11828;
  s.UncertaintyC = 0.5;
  s.UncertaintyEpsilon = 0.01;
  s.UncertaintyD = 0.4;
  s.UncertaintyBore = 0.07;
  s.UncertaintyDp = 0.31;
  s.DpTransmitterAccuracy = 0.2;
  s.DensityAccuracy = 1;
  s.FlowUncertainty = 1.4712;
  s.MassFlow = 8000 / 3600.0;
  s.MassFlowMax = 10000 / 3600.0;
  s.MassFlowMin = 2000 / 3600.0;
  s.MassFlowMinAllowed = 0.01;
  s.CascadeRange = {25000, 4000, 0, 0};
  s.CascadeAccuracy = {0.2, 0.1, 0, 0};
  s.ResultsValid = true;
  return s;
}

CertificateSettings CzechSettings(const CalculationState& state) {
  CertificateSettings settings;
  settings.DecimalSeparator = ',';
  settings.Fields = InputFieldTextsOf(state, ',');
  settings.OwnerName = "Teplárny a.s.";
  settings.Today = "01.02.2024";
  settings.CalculationDate = "31.01.2024";
  settings.DatabasePath = "/srv/pramo/Výpočty.flw";
  return settings;
}

class CertificateBody : public ::testing::Test {
 protected:
  bool Render() {
    printer = FakePrinter();
    return RenderCertificate(state, settings, printer, messages);
  }
  // The texts drawn on the line of the given text, in drawing order (label, note, unit, value).
  std::vector<std::string> RowOf(const std::string& text) const {
    const DrawnText* found = printer.Find(text);
    if (!found) return {};
    std::vector<std::string> row;
    for (const DrawnText& t : printer.texts)
      if (t.page == found->page && t.y == found->y) row.push_back(t.text);
    return row;
  }
  bool Has(const std::string& text) const { return printer.Find(text) != nullptr; }
  std::pair<int, int> Where(const std::string& text) const {
    const DrawnText* found = printer.Find(text);
    return found ? std::pair{found->page, found->y} : std::pair{0, 0};
  }
  void ExpectRow(const std::string& label, const std::vector<std::string>& row) const {
    EXPECT_EQ(RowOf(label), row) << label;
  }

  CalculationState state = SteamBore();
  CertificateSettings settings = CzechSettings(state);
  FakePrinter printer;
  MessageRecorder messages;
};

TEST_F(CertificateBody, SectionsFollowInTheirOrder) {
  ASSERT_TRUE(Render());
  EXPECT_TRUE(messages.Shown().empty());
  const char* const order[] = {
      "Popis",
      "Přívod páry K3",
      "Zadané hodnoty",
      "Mezivýsledky",
      "Výsledné hodnoty",
      "Přímé délky před primárním prvkem:",
      "Nejistoty:",
      "Nejistota provozního průtoku",
      "Kaskáda snímačů tlakové diference",
      "Graf nejistoty průtoku - pro kaskádu a zadaný snímač",
      "nejistota [%]",
      "rozsah [%]",
      "Nejistoty průtoku",
  };
  std::pair<int, int> previous{0, 0};
  for (const char* text : order) {
    const auto at = Where(text);
    ASSERT_NE(at.first, 0) << text;
    EXPECT_GT(at, previous) << text;
    previous = at;
  }
  // Headings are bold, rows plain.
  EXPECT_EQ(printer.Find("Zadané hodnoty")->font.Style, FontStyle::Bold);
  EXPECT_EQ(printer.Find("Tekutina")->font.Style, FontStyle::Plain);
  EXPECT_EQ(printer.jobs, std::vector<std::string>{"0100000-01"});
}

TEST_F(CertificateBody, BodyRowsPlaceLabelNoteUnitAndValue) {
  ASSERT_TRUE(Render());
  // Layout unit 47.6 pixels; 36 pixels a character at 9 pt. Label left at 7 %, unit right-aligned at
  // 64 %, value right-aligned at 93 %.
  const DrawnText* label = printer.Find("Průměr potrubí při 20 °C");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->x, 333);
  const auto row = RowOf("Průměr potrubí při 20 °C");
  ASSERT_EQ(row, (std::vector<std::string>{"Průměr potrubí při 20 °C", "[mm] :", "    150,00"}));
  const DrawnText* unit = nullptr;
  const DrawnText* value = nullptr;
  for (const DrawnText& t : printer.texts) {
    if (t.y != label->y || t.page != label->page) continue;
    if (t.text == "[mm] :") unit = &t;
    if (t.text == "    150,00") value = &t;
  }
  ASSERT_TRUE(unit && value);
  EXPECT_EQ(unit->x, 3046 - 6 * 36);
  EXPECT_EQ(value->x, 4427 - 10 * 36);
}

TEST_F(CertificateBody, InputsOfTheBoreKind) {
  ASSERT_TRUE(Render());
  ExpectRow("Primární prvek", {"Primární prvek", ":", "clona s koutovými odběry"});
  ExpectRow("Tekutina", {"Tekutina", ":", "přehřátá pára"});
  ExpectRow("Absolutní tlak", {"Absolutní tlak", "[bar - A] :", "10"});
  ExpectRow("Provozní teplota", {"Provozní teplota", "[°C] :", "    250,00"});
  ExpectRow("Měrná hmotnost", {"Měrná hmotnost", "[kg/m3] :", "  4,200000"});
  ExpectRow("Viskozita", {"Viskozita", "[1E-6 Pa . s] :", "  18,00000"});
  ExpectRow("Izentropický exponent Cp/Cv", {"Izentropický exponent Cp/Cv", ":", "     1,300"});
  ExpectRow("Průtok provozní", {"Průtok provozní", "[kg/h] :", "   8000,00"});
  ExpectRow("Průtok maximální", {"Průtok maximální", "[kg/h] :", "  10000,00"});
  ExpectRow("Minimální průtok (zadaný)", {"Minimální průtok (zadaný)", "[kg/h] :", "   2000,00"});
  ExpectRow("Diferenční tlak maximální", {"Diferenční tlak maximální", "[Pa] :", "25000"});
  ExpectRow("Materiál primárního prvku", {"Materiál primárního prvku", ":", "1.4301 (17240; 304)"});
  ExpectRow("Materiál potrubí", {"Materiál potrubí", ":", "1.0345 (11364; P235GH; A516-65/55)"});
  EXPECT_FALSE(Has("Vlhkost (pro vlhký vzduch)"));
  EXPECT_FALSE(Has("Průtok"));
  EXPECT_FALSE(Has("Průměr otvoru primárního prvku d při 20°C") &&
               Where("Průměr otvoru primárního prvku d při 20°C") < Where("Mezivýsledky"));
}

TEST_F(CertificateBody, IntermediateResultsAndResultsOfTheBoreKind) {
  ASSERT_TRUE(Render());
  ExpectRow("Průměr potrubí při provozních podmínkách",
            {"Průměr potrubí při provozních podmínkách", "[mm] :", "   150,500"});
  ExpectRow("Reynoldsovo číslo při provozním průtoku",
            {"Reynoldsovo číslo při provozním průtoku", ":", "   1249475"});
  ExpectRow("Rychlost při provozním průtoku", {"Rychlost při provozním průtoku", "[m/s] :", "     24,35"});
  ExpectRow("Reynoldsovo číslo při minimálním průtoku",
            {"Reynoldsovo číslo při minimálním průtoku", ":", "    312369"});
  ExpectRow("Součinitel průtoku C", {"Součinitel průtoku C", ":", "    0,6012"});
  ExpectRow("Poměr průměrů Beta=d/D při provozních podm.",
            {"Poměr průměrů Beta=d/D při provozních podm.", ":", "    0,5432"});
  ExpectRow("Průměr otvoru primárního prvku d při prov. podm.",
            {"Průměr otvoru primárního prvku d při prov. podm.", "[mm] :", "    81,500"});
  ExpectRow("Průměr otvoru primárního prvku d při 20°C",
            {"Průměr otvoru primárního prvku d při 20°C", "[mm] :", "    81,300"});
  EXPECT_FALSE(Has("Reynoldsovo číslo Re"));
  EXPECT_FALSE(Has("Diferenční tlak"));
}

TEST_F(CertificateBody, StraightLengthsAndUncertainties) {
  state.AddedUncertaintyShortLengths = 0.5;
  ASSERT_TRUE(Render());
  ExpectRow("Koleno 90° nebo dvě kolena, S>30D", {"Koleno 90° nebo dvě kolena, S>30D", ":", "44,0D"});
  // From the straight lengths on, the note sits at 16 %.
  EXPECT_EQ(printer.Find("Koleno 90° nebo dvě kolena, S>30D")->x, 762);
  ExpectRow("Přímá délka za primárním prvkem do nejbližší tvarovky",
            {"Přímá délka za primárním prvkem do nejbližší tvarovky", ":", " 8,0D"});
  ExpectRow("Tlaková ztráta při maximálním průtoku",
            {"Tlaková ztráta při maximálním průtoku", "[Pa] :", "      1494"});
  ExpectRow("Reynoldsovo číslo minimální povolené",
            {"Reynoldsovo číslo minimální povolené", ":", "     11828"});
  ExpectRow("C - součinitel průtoku", {"C - součinitel průtoku", "[%] :", "      0,50"});
  ExpectRow("zkráceních přímých délek", {"zkráceních přímých délek", "[%] :", "+ 0,50"});
  EXPECT_FALSE(Has("přesazení > 0,3%"));
  ExpectRow("dP - tlaková diference", {"dP - tlaková diference", "[%] :", "0,200     0,31"});
  ExpectRow("Ro - měrná hmotnost", {"Ro - měrná hmotnost", "[%] :", "      1,00"});
  ExpectRow("Nejistota provozního průtoku", {"Nejistota provozního průtoku", "[%] :", "      1,47"});
  EXPECT_FALSE(Has("!!! Výpočet nebo zadání neodpovídá ČSN EN ISO 5167 !!!"));
}

TEST_F(CertificateBody, DifferentialPressureKind) {
  state.CalcKind = CalculationKind::Dp;
  state.DpMaxGiven = false;
  state.Dp = 812.5;
  ASSERT_TRUE(Render());
  EXPECT_EQ(printer.Find("Osvědčení o výpočtu diferenčního tlaku dle ČSN EN ISO 5167")->page, 1);
  ExpectRow("Průtok", {"Průtok", "[kg/h] :", "   8000,00"});
  EXPECT_FALSE(Has("Průtok maximální"));
  EXPECT_FALSE(Has("Diferenční tlak maximální"));
  ExpectRow("Průměr otvoru primárního prvku d při 20°C",
            {"Průměr otvoru primárního prvku d při 20°C", "[mm] :", "    81,300"});
  ExpectRow("Reynoldsovo číslo Re", {"Reynoldsovo číslo Re", ":", "   1249475"});
  ExpectRow("Rychlost", {"Rychlost", "[m/s] :", "     24,35"});
  // Up to 999 Pa with five decimals.
  ExpectRow("Diferenční tlak", {"Diferenční tlak", "[Pa] :", " 812,50000"});
  ExpectRow("Tlaková ztráta", {"Tlaková ztráta", "[Pa] :", "      1494"});
  // The cascade table belongs to the bore kind only.
  EXPECT_FALSE(Has("Kaskáda snímačů tlakové diference"));
}

TEST_F(CertificateBody, FlowKind) {
  state.CalcKind = CalculationKind::Flow;
  state.MassFlow = 1.5;
  state.Dp = 16000;
  settings.Fields.DpMax = "16000";
  ASSERT_TRUE(Render());
  EXPECT_TRUE(Has("Osvědčení o výpočtu průtoku dle ČSN EN ISO 5167"));
  EXPECT_FALSE(Has("Průtok provozní"));
  ExpectRow("Diferenční tlak", {"Diferenční tlak", "[Pa] :", "16000"});
  ExpectRow("Průtok", {"Průtok", "[kg/h] :", "   5400,00"});
}

TEST_F(CertificateBody, FluidsDecideHumidityAndExponentRows) {
  state.Fluid = FluidKind::Water;
  state.Density = 999.5;
  ASSERT_TRUE(Render());
  EXPECT_FALSE(Has("Vlhkost (pro vlhký vzduch)"));
  EXPECT_FALSE(Has("Izentropický exponent Cp/Cv"));
  ExpectRow("Tekutina", {"Tekutina", ":", "voda"});
  ExpectRow("Měrná hmotnost", {"Měrná hmotnost", "[kg/m3] :", "    999,50"});

  state.Fluid = FluidKind::HumidAir;
  state.Humidity = 65;
  state.FlowAsDryAir = true;
  ASSERT_TRUE(Render());
  ExpectRow("Vlhkost (pro vlhký vzduch)", {"Vlhkost (pro vlhký vzduch)", "[%] :", "      65,0"});
  EXPECT_TRUE(Has("Izentropický exponent Cp/Cv"));
  EXPECT_TRUE(Has("Průtok zadán jako Suchý vzduch"));

  state.Fluid = FluidKind::Gas;
  state.FluidName = "bioplyn";
  ASSERT_TRUE(Render());
  ExpectRow("Tekutina", {"Tekutina", ":", "bioplyn"});
  EXPECT_TRUE(Has("Izentropický exponent Cp/Cv"));

  state.Fluid = FluidKind::Liquid;
  ASSERT_TRUE(Render());
  EXPECT_FALSE(Has("Izentropický exponent Cp/Cv"));
}

TEST_F(CertificateBody, GivenPropertiesShowTheirUnitsAndReferenceConditions) {
  state.Fluid = FluidKind::DryAir;
  state.PressureUnit = 13;  // bar - G
  state.BarometricPressure = 98500.4;
  state.DensityGiven = true;
  state.DensityEntered = 1.2;
  state.DensityUnit = 1;  // vp[kg/m3]
  state.DensityRefPressure = 101325;
  state.DensityRefTemperature = 15;
  state.ViscosityGiven = true;
  state.ViscosityEntered = 18.2;
  state.ViscosityUnit = 4;  // cP
  state.TemperatureUnit = 2;
  state.TemperatureEntered = 482;
  ASSERT_TRUE(Render());
  ExpectRow("Relativní tlak", {"Relativní tlak", "[98500 Pa]", "[bar - G] :", "10"});
  ExpectRow("Měrná hmotnost", {"Měrná hmotnost", "[101325 Pa, 15,00 °C]", "vp[kg/m3] :", "  1,200000"});
  ExpectRow("Viskozita", {"Viskozita", "[cP] :", "  18,20000"});
  ExpectRow("Provozní teplota", {"Provozní teplota", "[°F] :", "    482,00"});

  state.DensityUnit = 2;
  state.ViscosityEntered = 1000;
  ASSERT_TRUE(Render());
  ExpectRow("Měrná hmotnost", {"Měrná hmotnost", "[101,3250 kPa, 0°C]", "N[kg/m3] :", "  1,200000"});
  ExpectRow("Viskozita", {"Viskozita", "[cP] :", "   1000,00"});
}

TEST_F(CertificateBody, FlowUnitsWithReferenceConditions) {
  state.Fluid = FluidKind::DryAir;
  state.FlowRefPressure = 101325;
  state.FlowRefTemperature = 15;
  struct Case {
    FlowUnitKind unit;
    std::vector<std::string> row;
  };
  const Case cases[] = {
      {FlowUnitKind::KgPerHour, {"Průtok provozní", "[kg/h] :", "   8000,00"}},
      {FlowUnitKind::TonnesPerHour, {"Průtok provozní", "[t/h] :", "   8000,00"}},
      {FlowUnitKind::CubicMetresPerHour, {"Průtok provozní", "[m3/h] :", "   8000,00"}},
      {FlowUnitKind::CubicMetresPerHourVp,
       {"Průtok provozní", "[101325,00 Pa, 15,00°C]", "vp[m3/h] :", "   8000,00"}},
      {FlowUnitKind::CubicMetresPerHourN,
       {"Průtok provozní", "[98,0665 kPa, 20°C]", "n[m3/h] :", "   8000,00"}},
      {FlowUnitKind::CubicMetresPerHourNN,
       {"Průtok provozní", "[101,3250 kPa, 0°C]", "N[m3/h] :", "   8000,00"}},
  };
  for (const Case& c : cases) {
    state.FlowUnit = c.unit;
    ASSERT_TRUE(Render());
    ExpectRow("Průtok provozní", c.row);
  }
}

TEST_F(CertificateBody, MaterialListsFollowTheVersionTag) {
  state.CalcKind = CalculationKind::Dp;
  state.ElementMaterial = 6;
  state.VersionTag = "ver3.4";
  ASSERT_TRUE(Render());
  // In the old list the stored 6 is "jiný": no expansion known, so the bore at operating conditions.
  ExpectRow("Materiál primárního prvku", {"Materiál primárního prvku", ":", "jiný"});
  ExpectRow("Materiál potrubí", {"Materiál potrubí", ":", "ČSN 11 373"});
  EXPECT_TRUE(Has("Průměr otvoru primárního prvku d při prov. podm."));
  EXPECT_EQ(Where("Průměr otvoru primárního prvku d při prov. podm.") < Where("Mezivýsledky"), true);

  state.ElementMaterial = 7;
  ASSERT_TRUE(Render());
  ExpectRow("Materiál primárního prvku", {"Materiál primárního prvku", ":", "ČSN 12 022"});

  state.VersionTag = "ver3.5";
  state.ElementMaterial = 6;
  state.PipeMaterial = kMaterialOther;
  ASSERT_TRUE(Render());
  ExpectRow("Materiál primárního prvku", {"Materiál primárního prvku", ":", "1.4306 (17249; 304L)"});
  ExpectRow("Materiál potrubí", {"Materiál potrubí", ":", "jiný"});
  // A pipe of unknown expansion is entered at operating conditions and not converted.
  ExpectRow("Průměr potrubí při provozních podmínkách",
            {"Průměr potrubí při provozních podmínkách", "[mm] :", "    150,00"});
  EXPECT_FALSE(Has("Průměr potrubí při 20 °C"));
}

TEST_F(CertificateBody, FittingCaptionsOfTheTagAndElementGroup) {
  state.Fittings = {true, false, false, false, false, false, false, false, false, false, true, true};
  state.FittingLengths11and12 = {12, 30};
  ASSERT_TRUE(Render());
  ExpectRow("Náhlé symetrické zúžení", {"Náhlé symetrické zúžení", ":", "12,0D"});
  ExpectRow("Teploměrová jímka <=0,03D", {"Teploměrová jímka <=0,03D", ":", "30,0D"});

  // The older tables have no boxes 11 and 12, and other captions.
  for (const char* tag : {"ver3.3", "ver2.2"}) {
    state.VersionTag = tag;
    ASSERT_TRUE(Render());
    ExpectRow("Koleno 90° nebo T kus", {"Koleno 90° nebo T kus", ":", "44,0D"});
    EXPECT_FALSE(Has("Náhlé symetrické zúžení")) << tag;
    EXPECT_FALSE(Has("Koleno 90° nebo dvě kolena, S>30D")) << tag;
  }

  // Classical Venturi tubes: seven boxes, no downstream length and no pressure loss.
  state.VersionTag = "ver3.5";
  state.ElementKind = PrimaryElementKind::VenturiMachined;
  state.Fittings = {false, false, false, false, false, false, true, true, false, false, false, false};
  state.FittingLengths[6] = 2.5;
  ASSERT_TRUE(Render());
  ExpectRow("Zcela otevřené šoupě", {"Zcela otevřené šoupě", ":", " 2,5D"});
  EXPECT_FALSE(Has("Přímá délka za primárním prvkem do nejbližší tvarovky"));
  EXPECT_FALSE(Has("Tlaková ztráta při maximálním průtoku"));
  ExpectRow("Primární prvek", {"Primární prvek", ":", "klasická Venturiho trubice s"});

  // The Venturi nozzle keeps the downstream length but has no pressure loss row.
  state.ElementKind = PrimaryElementKind::VenturiNozzle;
  ASSERT_TRUE(Render());
  EXPECT_TRUE(Has("Přímá délka za primárním prvkem do nejbližší tvarovky"));
  EXPECT_FALSE(Has("Tlaková ztráta při maximálním průtoku"));
  EXPECT_TRUE(Has("Zcela otevřené šoupě"));  // nozzle box 7
}

TEST_F(CertificateBody, NonComplianceLineForEveryFlagButTheVelocity) {
  state.LimitFlags[kFlagVelocity] = true;
  ASSERT_TRUE(Render());
  EXPECT_FALSE(Has("!!! Výpočet nebo zadání neodpovídá ČSN EN ISO 5167 !!!"));
  for (int flag : {kFlagBore, kFlagPipe, kFlagBeta, kFlagMinimumFlow, kFlagPressureRatio, kFlagConvergence,
                   kFlagReDMax}) {
    state.LimitFlags = {};
    state.LimitFlags[flag] = true;
    ASSERT_TRUE(Render());
    const auto line = Where("!!! Výpočet nebo zadání neodpovídá ČSN EN ISO 5167 !!!");
    EXPECT_GT(line, Where("Nejistota provozního průtoku")) << flag;
  }
}

TEST_F(CertificateBody, AllOptionsOffEndAfterTheUncertainties) {
  settings.Options = {false, false, false, false, false, false, false, false};
  state.LimitFlags[kFlagBeta] = true;
  ASSERT_TRUE(Render());
  EXPECT_FALSE(Has("Popis"));
  EXPECT_FALSE(Has("Přívod páry K3"));
  EXPECT_FALSE(Has("Kaskáda snímačů tlakové diference"));
  EXPECT_FALSE(Has("Nejistoty průtoku"));
  EXPECT_TRUE(printer.filled.empty());
  EXPECT_EQ(printer.texts.back().text, "!!! Výpočet nebo zadání neodpovídá ČSN EN ISO 5167 !!!");
  EXPECT_EQ(printer.page, 1);
}

TEST_F(CertificateBody, CascadeTableWithItsFrame) {
  settings.Options.Graph = false;
  settings.Options.Table = false;
  settings.Options.Signatures = false;  // its lines to fill in are no frame's
  ASSERT_TRUE(Render());
  ExpectRow("Snímač tlakové diference", {"Snímač tlakové diference", "1", "2", "3", "4"});
  ExpectRow("Rozsah            [Pa]",
            {"Rozsah            [Pa]", "     25000", "      4000", "         0", "         0"});
  ExpectRow("Přesnost           [%]", {"Přesnost           [%]", "0,200", "0,100", "0,000", "0,000"});
  // The label at 15 %, the values right-aligned at 55, 65, 75 and 85 %.
  EXPECT_EQ(printer.Find("Snímač tlakové diference")->x, 714);
  EXPECT_EQ(printer.Find("4")->x, 4046 - 36);
  // Frame: four outer edges of 0.45 mm at 600 dpi (11 pixels), two row lines and four column lines.
  const auto wide =
      std::count_if(printer.lines.begin(), printer.lines.end(), [](auto& l) { return l.pen == 11; });
  const auto thin =
      std::count_if(printer.lines.begin(), printer.lines.end(), [](auto& l) { return l.pen == 1; });
  EXPECT_EQ(wide, 4);
  EXPECT_EQ(thin, 6);
  // m = round(4760 / 150) = 32: left edge round(15 % of 4760) - m.
  const auto left = std::min_element(printer.lines.begin(), printer.lines.end(),
                                     [](auto& a, auto& b) { return a.x0 < b.x0; });
  EXPECT_EQ(left->x0, 714 - 32);
}

TEST_F(CertificateBody, NoCascadeTableWithoutFurtherTransmitters) {
  state.CascadeRange = {25000, 0, 0, 0};
  ASSERT_TRUE(Render());
  EXPECT_FALSE(Has("Kaskáda snímačů tlakové diference"));
  EXPECT_TRUE(Has("Graf nejistoty průtoku - pro zadaný snímač"));
}

TEST_F(CertificateBody, CascadeOnANewPageWhenAsked) {
  settings.Options.CascadeNewPage = true;
  ASSERT_TRUE(Render());
  EXPECT_EQ(printer.Find("Nejistota provozního průtoku")->page, 1);
  EXPECT_EQ(printer.Find("Kaskáda snímačů tlakové diference")->page, 2);
  EXPECT_TRUE(printer.Find("Strana 2"));
}

// The lines of the curves drawn on the page: pen 3 of the graph scaled 1586 / 345 times.
std::vector<testing::DrawnLine> CurveLines(const FakePrinter& printer, RgbColor color) {
  std::vector<testing::DrawnLine> lines;
  for (const auto& l : printer.lines)
    if (l.pen == 14 && l.color == color) lines.push_back(l);
  return lines;
}

TEST_F(CertificateBody, GraphIsDrawnIntoTheMiddleThirdOfThePageWithItsKey) {
  ASSERT_TRUE(Render());
  // The graph clears its own area first: layout width 4760, thirds at 1587 and 3173; height
  // round(1586 x 295 / 345) = 1356.
  ASSERT_EQ(printer.filled.size(), 1u);
  const PixelRect graph = printer.filled[0];
  EXPECT_EQ(graph.Left, 1587);
  EXPECT_EQ(graph.Right, 3173);
  EXPECT_EQ(graph.Bottom - graph.Top, 1356);
  const DrawnText* heading = printer.Find("Graf nejistoty průtoku - pro kaskádu a zadaný snímač");
  ASSERT_NE(heading, nullptr);
  EXPECT_LT(heading->y, graph.Top);
  // The vertical axis title right-aligned at 33 %, the horizontal one centred at 50 % below the graph.
  const DrawnText* vertical = printer.Find("nejistota [%]");
  EXPECT_EQ(vertical->x + 13 * 36, 1571);
  const DrawnText* horizontal = printer.Find("rozsah [%]");
  EXPECT_GE(horizontal->y, graph.Bottom - 90);

  // Automatic scale from transmitter 1's curve, both curves drawn as lines inside the graph, and the key
  // naming them on the line below the axis title, each after a stretch of its curve's pen.
  const UncertaintyCurves curves = CertificateCurves(state);
  const GraphView view = CertificateGraphView(state, curves, settings);
  EXPECT_EQ(view.Scale, AutomaticScale(curves.single));
  EXPECT_TRUE(view.Single && view.Cascade);
  const auto single = CurveLines(printer, kSingleCurveColor);
  const auto cascade = CurveLines(printer, kBlack);
  ASSERT_GT(single.size(), 50u);
  ASSERT_GT(cascade.size(), 50u);
  for (const auto& l : single) {
    if (l.y0 > graph.Bottom) continue;  // the key's stretch
    EXPECT_TRUE(l.x0 >= graph.Left && l.x1 <= graph.Right && l.y0 >= graph.Top) << l.x0 << " " << l.y0;
  }
  const DrawnText* keySingle = printer.Find("První snímač");
  const DrawnText* keyCascade = printer.Find("Kaskáda");
  ASSERT_TRUE(keySingle && keyCascade);
  EXPECT_EQ(keySingle->y, horizontal->y + 90);
  EXPECT_EQ(keyCascade->y, keySingle->y);
  EXPECT_EQ(single.back().y0, keySingle->y + 45);
  EXPECT_LT(single.back().x1, keySingle->x);
  EXPECT_LT(cascade.back().x1, keyCascade->x);
  EXPECT_GT(cascade.back().x0, keySingle->x);
}

TEST_F(CertificateBody, StoredGraphSettingsDecideScaleCurvesAndCaption) {
  settings.GraphSettings = {true, {20, false, true}};
  ASSERT_TRUE(Render());
  EXPECT_TRUE(Has("Graf nejistoty průtoku - pro kaskádu"));
  EXPECT_TRUE(Has("18"));
  EXPECT_TRUE(CurveLines(printer, kSingleCurveColor).empty());
  EXPECT_FALSE(Has("První snímač"));

  settings.GraphSettings = {true, {20, true, false}};
  ASSERT_TRUE(Render());
  EXPECT_TRUE(Has("Graf nejistoty průtoku - pro zadaný snímač"));

  // Without stored settings and with "Kaskádu" off, the graph window's cascade switch decides.
  settings.GraphSettings = {};
  settings.Options.Cascade = false;
  settings.GraphCascadeSwitch = false;
  ASSERT_TRUE(Render());
  EXPECT_TRUE(Has("Graf nejistoty průtoku - pro zadaný snímač"));

  state.VersionTag = "ver2.2";
  ASSERT_TRUE(Render());
  EXPECT_TRUE(Has("Graf nejistoty průtoku"));
}

TEST_F(CertificateBody, UncertaintyTablesShowTheCurves) {
  settings.Options.Graph = false;
  settings.Options.Signatures = false;  // its lines to fill in are no frame's
  ASSERT_TRUE(Render());
  const UncertaintyCurves curves = CertificateCurves(state);
  // Transmitter 1 ranges over the differential pressure at maximum flow.
  EXPECT_EQ(CascadeOfResult(state).CascadeRange[0], 25000);

  // The second pass writes the columns 6 to 10 on the lines of the first.
  const auto single = RowOf("Nejistota 1 [%]");
  ASSERT_EQ(single.size(), 11u);
  for (int column = 1; column <= 10; ++column)
    EXPECT_EQ(single[column], UncertaintyCellText(curves.single[10 * column - 1], ',')) << column;
  const auto cascade = RowOf("Nej. kaskáda [%]");
  ASSERT_EQ(cascade.size(), 11u);
  EXPECT_EQ(cascade[10], UncertaintyCellText(curves.cascade[99], ','));
  const auto header = RowOf("Průtok [%]");
  EXPECT_EQ(header, (std::vector<std::string>{"Průtok [%]", "10", "20", "30", "40", "50", "60", "70", "80",
                                              "90", "100"}));
  // The second pass of each table carries no labels, the second table the low flows.
  EXPECT_TRUE(Has("100"));
  EXPECT_TRUE(Has("2"));
  EXPECT_TRUE(Has("18"));
  EXPECT_EQ(std::count_if(printer.texts.begin(), printer.texts.end(),
                          [](auto& t) { return t.text == "Průtok [%]"; }),
            2);
  // Values right-aligned half a percent left of their column's edge: column 1 at 34.45 % (1640 pixels).
  const DrawnText* flowLabel = printer.Find("Průtok [%]");
  const auto ten = std::find_if(printer.texts.begin(), printer.texts.end(),
                                [&](auto& t) { return t.text == "10" && t.y == flowLabel->y; });
  ASSERT_NE(ten, printer.texts.end());
  EXPECT_EQ(ten->x + 2 * 36, 1640);
  // Two frames of four edges, each with two row lines and ten column lines.
  EXPECT_EQ(std::count_if(printer.lines.begin(), printer.lines.end(), [](auto& l) { return l.pen == 1; }),
            2 * 12 + 6);
}

TEST_F(CertificateBody, PointsWithoutValueShowADash) {
  settings.Options.Graph = false;
  state.MassFlowMinAllowed = state.MassFlowMax * 0.05;  // no values below 5 % of the maximum flow
  ASSERT_TRUE(Render());
  // Second table: 2 % and 4 % have no value.
  const DrawnText* label = nullptr;
  for (const DrawnText& t : printer.texts)
    if (t.text == "Nejistota 1 [%]") label = &t;
  ASSERT_NE(label, nullptr);
  std::vector<std::string> row;
  for (const DrawnText& t : printer.texts)
    if (t.page == label->page && t.y == label->y) row.push_back(t.text);
  ASSERT_EQ(row.size(), 11u);
  EXPECT_EQ(row[1], "-");
  EXPECT_EQ(row[2], "-");
  EXPECT_NE(row[3], "-");
}

// Two texts of one page whose boxes share any area, as "first | second".
std::string OverlappingTexts(const FakePrinter& printer) {
  const auto box = [&](const DrawnText& t) {
    const int points = t.font.Points;
    return PixelRect{t.x, t.y, t.x + testing::CharacterCount(t.text) * 4 * points, t.y + 10 * points};
  };
  for (std::size_t i = 0; i < printer.texts.size(); ++i) {
    for (std::size_t j = i + 1; j < printer.texts.size(); ++j) {
      const DrawnText& a = printer.texts[i];
      const DrawnText& b = printer.texts[j];
      if (a.page != b.page) continue;
      const PixelRect p = box(a);
      const PixelRect q = box(b);
      if (p.Left < q.Right && q.Left < p.Right && p.Top < q.Bottom && q.Top < p.Bottom)
        return a.text + " | " + b.text;
    }
  }
  return {};
}

TEST_F(CertificateBody, NoTwoTextsOverlapForAnyElementMaterialOrNote) {
  // The longest texts the blocks hold, with blanks and without.
  state.Description = "Přívod páry do výměníku K3 na severní straně kotelny, měření za regulačním ventilem";
  state.Company = std::string(40, 'W');
  state.MeasuringPoint = "Měřicí místo s velmi dlouhým názvem na patě komína";
  state.Designer = "Ing. Jaroslava Novotná-Procházková, Ph.D.";
  settings.DatabasePath = "/" + std::string(300, 'x') + ".flw";
  settings.OwnerName = "Teplárny a strojírny Severočeského kraje, akciová společnost, závod 12";
  settings.FooterText = std::string(150, 'F');
  settings.FooterOn = true;
  state.FlowRefPressure = 101325;
  state.FlowRefTemperature = 15;
  state.DensityGiven = true;
  state.DensityRefPressure = 101325;
  state.DensityRefTemperature = 15;
  state.PressureUnit = 13;  // gauge, with the barometric pressure as a note
  for (int element = 0; element <= 8; ++element) {
    for (int material = 0; material < static_cast<int>(std::size(str::kMaterialItem)); ++material) {
      state.ElementKind = static_cast<PrimaryElementKind>(element);
      state.CalcKind = static_cast<CalculationKind>(material % 3);
      state.ElementMaterial = static_cast<std::uint8_t>(material);
      state.PipeMaterial = static_cast<std::uint8_t>(18 - material);
      state.FlowUnit = static_cast<FlowUnitKind>((element + material) % 6);
      state.DensityUnit = static_cast<std::uint8_t>(material % 4);
      state.Fittings.fill(true);
      ASSERT_TRUE(Render());
      EXPECT_EQ(OverlappingTexts(printer), "") << "element " << element << ", material " << material;
    }
  }
}

constexpr const char* kStandardPart2 = "Norma: ČSN EN ISO 5167-1:2003 a ČSN EN ISO 5167-2:2003";

TEST_F(CertificateBody, StandardSignaturesAndReasonsOnlyWhenOn) {
  state.LimitFlags[kFlagBeta] = state.LimitFlags[kFlagMinimumFlow] = true;
  state.Designer = "Ing. Novák";
  const std::vector<std::string> reasons = ListLimitMessages(state, ',');
  for (int mask = 0; mask < 8; ++mask) {
    settings.Options.Standard = mask & 1;
    settings.Options.Signatures = mask & 2;
    settings.Options.NonComplianceReasons = mask & 4;
    ASSERT_TRUE(Render());
    EXPECT_EQ(Has(kStandardPart2), settings.Options.Standard) << mask;
    EXPECT_EQ(Has("Schválil"), settings.Options.Signatures) << mask;
    EXPECT_EQ(Has(reasons.at(1)), settings.Options.NonComplianceReasons) << mask;
    EXPECT_EQ(OverlappingTexts(printer), "") << mask;
  }
  // Half a line below the title's row on every page; the reasons line by line under the warning; the
  // designer on the first column's name line.
  for (int page = 1; page <= printer.page; ++page) {
    const DrawnText* line = printer.Find(kStandardPart2, page);
    ASSERT_TRUE(line) << page;
    EXPECT_EQ(line->y - printer.Find("Osvědčení o výpočtu primárního prvku dle ČSN EN ISO 5167", page)->y,
              135);
  }
  const auto warning = Where("!!! Výpočet nebo zadání neodpovídá ČSN EN ISO 5167 !!!");
  EXPECT_EQ(Where(reasons[0]), std::pair(warning.first, warning.second + 90));
  EXPECT_EQ(Where(reasons[1]), std::pair(warning.first, warning.second + 180));
  ExpectRow("Jméno:", {"Jméno:", "Ing. Novák", "Jméno:", "Jméno:"});
}

// Lengths and flags bring the end of a body without graph and tables nearer to the foot line by line.
TEST_F(CertificateBody, SignatureBlockStaysWholeAtTheFootOfTheLastPage) {
  settings.Options.Graph = settings.Options.Table = false;
  bool moved = false;
  for (int fittings = 0; fittings <= kFittingBoxCount; ++fittings) {
    for (int flags = 0; flags <= kFlagReDMax; ++flags) {
      state.Fittings = {};
      std::fill_n(state.Fittings.begin(), fittings, true);
      state.LimitFlags = {};
      std::fill_n(state.LimitFlags.begin(), flags, true);
      settings.Options.Signatures = false;
      ASSERT_TRUE(Render());
      const int pagesWithout = printer.page;
      settings.Options.Signatures = true;
      ASSERT_TRUE(Render());
      moved = moved || printer.page > pagesWithout;
      EXPECT_LE(printer.page, pagesWithout + 1);
      EXPECT_EQ(Where("Vypracoval").first, printer.page);
      // Its last line ends a blank line above the bottom limit (6555.6).
      EXPECT_EQ(Where("Podpis:"), std::pair(printer.page, 6375));
    }
  }
  EXPECT_TRUE(moved);
}

TEST(CertificateStandardLine, NamesThePartOfTheElementAndTheEditionOfTheStraightLengths) {
  const std::string part1 = "Norma: ČSN EN ISO 5167-1:2003 a ČSN EN ISO 5167-";
  const std::string lengths1998 = ", přímé délky dle ČSN EN ISO 5167-1:1998";
  const std::tuple<int, const char*, std::string> cases[] = {
      {2, "ver3.5", part1 + "2:2003"},
      {8, "ver3.4", part1 + "3:2003"},
      {7, "ver3.5", part1 + "4:2003"},
      {0, "ver3.3", part1 + "2:2003" + lengths1998},
      {12, "ver3.5", ""},
  };
  for (const auto& [kind, tag, line] : cases) {
    CalculationState state;
    state.ElementKind = static_cast<PrimaryElementKind>(kind);
    state.VersionTag = tag;
    EXPECT_EQ(StandardLineOf(state), line) << kind << " " << tag;
  }
}

TEST_F(CertificateBody, RowsThatFitKeepTheirPlaceAndLongOnesGrowWithinTheirColumn) {
  state.ElementKind = PrimaryElementKind::VenturiWelded;
  ASSERT_TRUE(Render());
  const auto fluid = Where("Tekutina");
  // The element's name continues on the next line inside the value column; the rows after it move down
  // by that one line.
  const DrawnText* label = printer.Find("Primární prvek");
  ASSERT_NE(label, nullptr);
  std::vector<const DrawnText*> value;
  for (const DrawnText& t : printer.texts)
    if (t.x > 3046 && t.y >= label->y && t.y < fluid.second) value.push_back(&t);
  ASSERT_EQ(value.size(), 2u);
  EXPECT_EQ(value[0]->y, label->y);
  EXPECT_EQ(value[1]->y, label->y + 90);
  EXPECT_EQ(value[0]->x + testing::CharacterCount(value[0]->text) * 36, 4427);
  EXPECT_EQ(fluid.second, label->y + 180);
  EXPECT_EQ(value[0]->text + " " + value[1]->text,
            "klasická Venturiho trubice s plechovým svařovaným konfuzorem");
}

TEST_F(CertificateBody, ValuesOutsideEveryFormatAreDrawnAsFormatted) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  state.C = nan;
  state.Beta = inf;
  state.ReD = 1e300;
  state.PipeDiameterEntered = -1e200;
  state.FittingLengths[0] = nan;
  state.FlowUncertainty = -inf;
  state.MassFlowMax = nan;
  state.DpMax = inf;
  state.ElementMaterial = 200;
  state.PipeMaterial = 250;
  state.ElementKind = static_cast<PrimaryElementKind>(12);
  state.FlowUnit = static_cast<FlowUnitKind>(9);
  state.DensityUnit = 7;
  ASSERT_TRUE(Render());
  ExpectRow("Součinitel průtoku C", {"Součinitel průtoku C", ":", "       nan"});
  ExpectRow("Materiál primárního prvku", {"Materiál primárního prvku", ":"});
  ExpectRow("Primární prvek", {"Primární prvek", ":"});
  // A number of 309 digits fills its column line by line.
  EXPECT_EQ(RowOf("Reynoldsovo číslo při provozním průtoku").at(2).size(), 37u);

  // A calculation never computed prints its zeros.
  state = CalculationState();
  settings.Fields = InputFieldTextsOf(state, ',');
  ASSERT_TRUE(Render());
  EXPECT_TRUE(Has("Nejistoty průtoku"));
}

TEST_F(CertificateBody, PreviewDrawsTheSamePagesScaled) {
  ASSERT_TRUE(Render());
  const int printedPages = printer.page;
  FakePreview preview;
  FakePrinter measured;
  ASSERT_TRUE(RenderCertificatePreview(state, settings, measured, preview, PreviewZoom::Half, messages));
  EXPECT_EQ(preview.width, 300);
  EXPECT_EQ(preview.StoredPageCount(), printedPages);
  ASSERT_EQ(preview.filled.size(), 1u);
  // The graph's rectangle maps by the bitmap's width over the page's: 1587 x 300 / 4760 = 100.
  EXPECT_EQ(preview.filled[0].Left, 100);
  EXPECT_EQ(preview.texts.size(), printer.texts.size());
}

TEST_F(CertificateBody, RefusedPaperDrawsNothing) {
  printer = FakePrinter();
  printer.pageHeight = 1500;
  EXPECT_FALSE(RenderCertificate(state, settings, printer, messages));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].id, 6001);
  EXPECT_TRUE(printer.texts.empty());
}

}  // namespace
}  // namespace pramo
