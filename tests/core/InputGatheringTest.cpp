#include "core/InputGathering.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/Units.h"
#include "strings/core.h"
#include "support/MessageIds.h"

namespace pramo {
namespace {

using test::MessageIds;

TEST(ReadNumber, AcceptsBothSeparatorsSignsExponentsAndBlanks) {
  EXPECT_EQ(ReadNumber("12,5"), 12.5);
  EXPECT_EQ(ReadNumber("12.5"), 12.5);
  EXPECT_EQ(ReadNumber("  -1,5e3 "), -1500.0);
  EXPECT_EQ(ReadNumber("+2"), 2.0);
  EXPECT_EQ(ReadNumber(",5"), 0.5);
  EXPECT_EQ(ReadNumber("1E-6"), 1e-6);
  for (const char* bad :
       {"", "  ", "abc", "1,2,3", "1.2,3", "inf", "nan", "-inf", "0x10", "1e", "1 000", "--1", "1e999"})
    EXPECT_FALSE(ReadNumber(bad).has_value()) << '"' << bad << '"';
}

TEST(Units, ConvertTypedValuesToBaseUnits) {
  EXPECT_EQ(PressureToPa(13, 0, 98000), 98000);  // 0 bar gauge is the barometric pressure
  EXPECT_EQ(PressureToPa(5, 2.5, 98000), 250000);
  EXPECT_DOUBLE_EQ(PressureToPa(11, 1, 101325), 6894.76 + 101325);  // PSI - G
  EXPECT_DOUBLE_EQ(TemperatureToCelsius(2, 25), -35.0 / 9.0);       // 25 °F
  EXPECT_DOUBLE_EQ(TemperatureToCelsius(1, 300), 26.850000000000023);
  EXPECT_DOUBLE_EQ(PipeDiameterToMetres(2, 1.5), 0.15);
  EXPECT_DOUBLE_EQ(ViscosityToPaS(9, 2, 800), 2e-6 * 800);  // cSt takes the density
  EXPECT_DOUBLE_EQ(ViscosityToPaS(3, 2, 800), 2e-4);        // mP does not
  EXPECT_DOUBLE_EQ(DpToPa(7, 1), 98066.5);
  for (int kind = 0; kind < kFlowUnitKindCount; ++kind) {
    const auto k = static_cast<FlowUnitKind>(kind);
    EXPECT_EQ(FlowUnitKindOfItem(FlowUnitItemOfKind(k)), k);
  }
  EXPECT_EQ(FlowUnitKindOfItem(1), FlowUnitKind::TonnesPerHour);
}

// A water calculation of the bore kind that gathers without any message.
InputForm WaterForm() {
  InputForm f;
  f.CBTekutina5 = static_cast<int>(FluidKind::Water);
  f.ETlak = "5";
  f.CBJednTlakH = 5;  // bar - A
  f.ChBProvozniTeplota = true;
  f.EProvozniTeplota = "20";
  f.EPrutokProvozni = "36000";
  f.EPrutokMax = "72000";
  f.EPrutokMin = "3600";
  f.EPrumerPotrubiPri20C = "100";
  return f;
}

class Gather : public testing::Test {
 protected:
  bool Run(InputForm& form, bool showMessages = true) {
    const GatherContext context{recorder, showMessages, "Ing. Jana Dvořáková", 7, 46000};
    return GatherInputs(form, state, derived, context);
  }
  // Every message shown, by string table entry.

  MessageRecorder recorder;
  CalculationState state;
  DerivedValues derived;
};

TEST_F(Gather, WaterInBaseUnitsWithIdentification) {
  InputForm f = WaterForm();
  f.EPopis = "Kotelna 2";
  f.eCisloVypoctuCount = "12";
  f.eCisloVypoctuIdx = "3";
  state.VersionTag = "ver3.3";
  ASSERT_TRUE(Run(f));
  EXPECT_TRUE(MessageIds(recorder).empty());
  EXPECT_EQ(state.VersionTag, "ver3.5");
  EXPECT_EQ(state.Pressure, 500000);
  EXPECT_EQ(state.Temperature, 20);
  EXPECT_NEAR(state.Density, 998.4, 0.1);
  EXPECT_NEAR(state.Viscosity, 1.0029e-3, 1e-6);  // IAPS formulation at 998.4 kg/m3
  EXPECT_EQ(state.Kappa, 1.0);
  EXPECT_EQ(state.MassFlow, 10);
  EXPECT_EQ(state.MassFlowMax, 20);
  EXPECT_EQ(state.MassFlowMin, 1);
  EXPECT_EQ(state.PipeDiameter20, 0.1);
  EXPECT_EQ(state.Description, "Kotelna 2");
  EXPECT_EQ(state.Designer, "Ing. Jana Dvořáková");
  EXPECT_EQ(state.NumberInstallation, 7);
  EXPECT_EQ(state.NumberCount, 12u);
  EXPECT_EQ(state.NumberIndex, 3);
  EXPECT_EQ(state.Date, 46000);
}

TEST_F(Gather, BadTextsAreMarkedAndStopTheRun) {
  InputForm f = WaterForm();
  f.ETlak = "pět";
  f.EPrumerPotrubiPri20C = "";
  f.EPrutokMin = "1.2.3";
  state.PipeDiameter20 = 0.05;
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(f.marked, (std::set<InputField>{InputField::ETlak, InputField::EPrutokMin,
                                            InputField::EPrumerPotrubiPri20C}));
  EXPECT_EQ(state.PipeDiameter20, 0.05);  // a rejected input leaves its field as it was
  // The gathering starts from unmarked edits.
  f = WaterForm();
  EXPECT_TRUE(Run(f));
  EXPECT_TRUE(f.marked.empty());
}

TEST_F(Gather, RejectedValuesGetPlaceholdersSoLaterDivisionsStayFinite) {
  InputForm f = WaterForm();
  f.ETlak = "-1";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(state.Pressure, 0.001);
  EXPECT_TRUE(f.marked.count(InputField::ETlak));

  f = WaterForm();
  f.ChBDynamickaViskozita = true;
  f.EDynamickaViskozita = "0";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(state.Viscosity, 0.001);
  EXPECT_EQ(f.marked, std::set<InputField>{InputField::EDynamickaViskozita});

  f = WaterForm();
  f.CBTekutina5 = static_cast<int>(FluidKind::Gas);
  f.ChBMernaHmotnost = f.ChBDynamickaViskozita = f.ChBIzentropickyExponent = true;
  f.EMernaHmotnost = "3";
  f.EDynamickaViskozita = "12";
  f.EIzentropickyExponent7 = "0";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(state.Kappa, 0.001);
  EXPECT_EQ(f.marked, std::set<InputField>{InputField::EIzentropickyExponent7});
}

TEST_F(Gather, DensityZeroShowsItsErrorOnlyWhenNothingWasPending) {
  InputForm f = WaterForm();
  f.ChBMernaHmotnost = true;
  f.EMernaHmotnost = "0";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(state.Density, 1e-5);
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kDensityNotComputable.id});

  recorder.Clear();
  f = WaterForm();
  f.ETlak = "x";
  f.ChBMernaHmotnost = true;
  f.EMernaHmotnost = "0";
  EXPECT_FALSE(Run(f));
  EXPECT_TRUE(MessageIds(recorder).empty());

  f = WaterForm();
  f.ChBMernaHmotnost = true;
  f.EMernaHmotnost = "0";
  EXPECT_FALSE(Run(f, false));  // an export gathers quietly
  EXPECT_TRUE(MessageIds(recorder).empty());
}

TEST_F(Gather, FlowRangeChecks) {
  InputForm f = WaterForm();
  f.EPrutokMax = "30000";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kFlowMaxBelowOperating.id});
  recorder.Clear();
  f = WaterForm();
  f.EPrutokMin = "40000";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kFlowMinAboveOperating.id});
  recorder.Clear();
  f = WaterForm();
  f.EPrutokProvozni = "0";
  f.EPrutokMax = "0";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(f.marked, std::set<InputField>{InputField::EPrutokProvozni});
  EXPECT_TRUE(MessageIds(recorder).empty());  // the range checks wait for the marked flow
}

TEST_F(Gather, MissingFittingIsReportedOnceAndBoxOneTicked) {
  InputForm f = WaterForm();
  f.chbTvarovka = {};
  EXPECT_TRUE(Run(f));
  EXPECT_EQ(MessageIds(recorder), std::vector<int>{str::kNoFittingChosen.id});
  EXPECT_EQ(recorder.Shown()[0].kind, MessageKind::Information);
  EXPECT_TRUE(f.chbTvarovka[0]);
  EXPECT_TRUE(state.Fittings[0]);
}

TEST_F(Gather, SaturatedSteamTemperatureFromPressure) {
  InputForm f = WaterForm();
  f.CBTekutina5 = static_cast<int>(FluidKind::SaturatedSteam);
  f.ChBProvozniTeplota = false;
  f.CBJednProvozniTeplota = 2;
  f.ETlak = "10";
  f.EPrutokProvozni = "8000";
  f.EPrutokMax = "10000";
  f.EPrutokMin = "1000";
  ASSERT_TRUE(Run(f));
  EXPECT_NEAR(state.Temperature, 179.886, 0.0005);
  EXPECT_EQ(state.TemperatureEntered, state.Temperature);
  EXPECT_EQ(state.TemperatureUnit, 0);
  EXPECT_EQ(f.CBJednProvozniTeplota, 0);
  EXPECT_NEAR(state.Density, 5.1454, 0.00005);
  EXPECT_NEAR(state.Viscosity * 1e6, 15.07, 0.005);
  EXPECT_EQ(state.Kappa, 1.135);
  EXPECT_EQ(derived.TemperatureBand, 1);

  f.ETlak = "500";
  f.CBJednTlakH = 0;  // 500 Pa: below the triple point
  EXPECT_FALSE(Run(f, false));
  EXPECT_TRUE(MessageIds(recorder).empty());
  EXPECT_FALSE(Run(f));
  ASSERT_FALSE(MessageIds(recorder).empty());
  EXPECT_EQ(MessageIds(recorder)[0], str::kSaturationTemperatureNotComputable.id);
}

TEST_F(Gather, StatesThatDoNotFitTheFluidWarnAndForceTheBoxes) {
  struct Case {
    FluidKind fluid;
    const char* pressureBar;
    const char* temperature;
    int message;
    bool densityBox, viscosityBox;
  };
  const Case cases[] = {
      {FluidKind::SuperheatedSteam, "10", "150", str::kStateIsWater.id, false, false},
      {FluidKind::Water, "10", "200", str::kStateIsSteam.id, false, false},
      {FluidKind::SuperheatedSteam, "300", "400", str::kDensityMustBeTyped.id, true, false},
      {FluidKind::SaturatedSteam, "10", "180", str::kSaturatedSteamNeedsProperties.id, true, true},
  };
  for (const auto& c : cases) {
    recorder.Clear();
    InputForm f = WaterForm();
    f.CBTekutina5 = static_cast<int>(c.fluid);
    f.ETlak = c.pressureBar;
    f.EProvozniTeplota = c.temperature;
    EXPECT_FALSE(Run(f)) << c.message;
    ASSERT_FALSE(MessageIds(recorder).empty());
    EXPECT_EQ(MessageIds(recorder)[0], c.message);
    EXPECT_EQ(recorder.Shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(f.ChBMernaHmotnost, c.densityBox) << c.message;
    EXPECT_EQ(f.ChBDynamickaViskozita, c.viscosityBox) << c.message;
  }
}

TEST_F(Gather, ViscosityOutsideTheFormulaRangeMustBeTyped) {
  InputForm f = WaterForm();
  f.CBTekutina5 = static_cast<int>(FluidKind::SuperheatedSteam);
  f.ETlak = "50";
  f.EProvozniTeplota = "650";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(f.marked, std::set<InputField>{InputField::EDynamickaViskozita});
  EXPECT_TRUE(MessageIds(recorder).empty());
}

TEST_F(Gather, TypedDensityInReferenceUnits) {
  InputForm f = WaterForm();
  f.CBTekutina5 = static_cast<int>(FluidKind::Gas);
  f.ChBMernaHmotnost = f.ChBDynamickaViskozita = true;
  f.EDynamickaViskozita = "11";
  f.EMernaHmotnost = "1,25";
  f.CBJednMernaHmotnost = 2;  // N[kg/m3]: 101 325 Pa and 0 °C
  ASSERT_TRUE(Run(f));
  EXPECT_DOUBLE_EQ(derived.DensityAtNN, 1.25);
  EXPECT_DOUBLE_EQ(state.Density, 1.25 * 500000 * 273.15 / 101325 / 293.15);
  EXPECT_DOUBLE_EQ(derived.DensityAtN, 1.25 * 98066.5 * 273.15 / 101325 / 293.15);
  EXPECT_EQ(state.DensityEntered, 1.25);
  EXPECT_EQ(state.Kappa, 1.41);

  state.DensityRefPressure = 200000;
  state.DensityRefTemperature = 20;
  f.CBJednMernaHmotnost = 1;  // vp[kg/m3]: the density reference conditions
  ASSERT_TRUE(Run(f));
  EXPECT_DOUBLE_EQ(state.Density, 1.25 * 500000 / 200000);
}

TEST_F(Gather, HumidAirGivenAsDryAirIsCorrectedInVolumeUnitsOnly) {
  InputForm f = WaterForm();
  f.CBTekutina5 = static_cast<int>(FluidKind::HumidAir);
  f.ETlak = "1,01325";
  f.EProvozniTeplota = "40";
  f.EVlhkost = "80";
  f.ChBSuchyVzduch = true;
  f.EPrutokProvozni = "360";
  f.EPrutokMax = "720";
  f.EPrutokMin = "36";
  f.CBFlowUnit = 0;  // kg/h
  ASSERT_TRUE(Run(f));
  EXPECT_DOUBLE_EQ(state.MassFlow, 0.1);

  f.CBFlowUnit = 2;  // m3/h at operating conditions
  ASSERT_TRUE(Run(f));
  const double ps = derived.SaturationPressure;
  EXPECT_GT(ps, 7000);
  EXPECT_DOUBLE_EQ(state.MassFlow, state.Density * 0.1 * 101325 / (101325 - 0.8 * ps));

  f.ChBSuchyVzduch = false;
  ASSERT_TRUE(Run(f));
  EXPECT_DOUBLE_EQ(state.MassFlow, state.Density * 0.1);

  f.EVlhkost = "101";
  EXPECT_FALSE(Run(f));
  EXPECT_EQ(f.marked, std::set<InputField>{InputField::EVlhkost});
}

TEST_F(Gather, TextsTheCodePageCannotHoldAreRefusedWithAMessage) {
  InputForm f = WaterForm();
  f.EMericiMisto = "Čerpadlo → kotel";
  f.CBUtvar = std::string(60, 'F');
  EXPECT_FALSE(Run(f));
  ASSERT_EQ(MessageIds(recorder), std::vector<int>{str::kTextNotStorable.id});
  EXPECT_NE(recorder.Shown()[0].text.find("Měřicí místo"), std::string::npos);
  EXPECT_EQ(state.MeasuringPoint, "");
  EXPECT_EQ(state.Company, std::string(50, 'F'));  // the edit holds at most 50 characters
}

}  // namespace
}  // namespace pramo

namespace pramo {
namespace {

TEST_F(Gather, CascadeGridIsReadWithTheInputs) {
  InputForm f = WaterForm();
  f.ChBDifTlakMax = true;
  f.EDifTlakMax = "25";
  f.CBJednDifTlakMaxH = 1;  // kPa
  f.SGKaskada2.cells[1][2] = "6300";
  f.SGKaskada2.cells[2][2] = "0,1";
  ASSERT_TRUE(Run(f));
  EXPECT_EQ(state.CascadeRange[0], 25000);
  EXPECT_EQ(state.CascadeRange[1], 6300);
  EXPECT_EQ(state.CascadeAccuracy[1], 0.1);
  EXPECT_TRUE(f.textsChanged);

  f.SGKaskada2.cells[1][3] = "šest";
  EXPECT_FALSE(Run(f));
  ASSERT_EQ(recorder.Shown().size(), 1u);
  EXPECT_EQ(recorder.Shown()[0].kind, MessageKind::Error);
}

}  // namespace
}  // namespace pramo
