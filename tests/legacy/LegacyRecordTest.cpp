#include "legacy/LegacyRecord.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "core/AirProperties.h"
#include "core/StraightLengths.h"
#include "legacy/LegacyRecordBuilder.h"

namespace pramo {
namespace {

using namespace legacy_offset;
using test::LegacyRecordBuilder;
using test::SteamRecord;

// Decodes with one decoder and a prepared state, as a conversion does.
struct Conversion {
  LegacyEncoding encoding = LegacyEncoding::Kamenicky;
  LegacyCompanies companies;
  std::vector<std::string> companyList;
  CalculationState state;

  Conversion() { PrepareLegacyState(state); }
  const CalculationState& Decode(const LegacyRecord& record) {
    LegacyDecoder decoder(encoding, companies, companyList);
    decoder.Decode(record, state);
    derived = decoder.Derived();
    return state;
  }
  DerivedValues derived;
};

TEST(DecodeLegacyRecord, EveryFieldOfTheRecordLandsInTheState) {
  Conversion c;
  const CalculationState& s = c.Decode(SteamRecord().Record());

  EXPECT_DOUBLE_EQ(s.Date, 36526.5);
  EXPECT_EQ(s.NumberInstallation, 7);
  EXPECT_EQ(s.NumberCount, 12u);
  EXPECT_EQ(s.NumberIndex, 0);
  EXPECT_EQ(s.Fluid, FluidKind::SuperheatedSteam);
  EXPECT_EQ(s.FluidName, "Pára přehřátá");
  EXPECT_EQ(s.Description, "Kotel K3");
  EXPECT_EQ(s.Company, "12345678");

  EXPECT_EQ(s.PressureEntered, 1e6);
  EXPECT_EQ(s.PressureUnit, 0);
  EXPECT_EQ(s.Pressure, 1e6);
  EXPECT_TRUE(s.TemperatureGiven);
  EXPECT_DOUBLE_EQ(s.TemperatureEntered, 250.5);
  EXPECT_EQ(s.TemperatureUnit, 0);
  EXPECT_DOUBLE_EQ(s.Temperature, 250.5);
  EXPECT_TRUE(s.DensityGiven);
  EXPECT_DOUBLE_EQ(s.DensityEntered, 4.56789);
  EXPECT_EQ(s.DensityUnit, 0);
  EXPECT_DOUBLE_EQ(s.Density, 4.56789);
  EXPECT_TRUE(s.ViscosityGiven);
  EXPECT_DOUBLE_EQ(s.ViscosityEntered, 17.5);
  EXPECT_EQ(s.ViscosityUnit, 0);
  EXPECT_DOUBLE_EQ(s.Viscosity, 17.5e-6);
  EXPECT_FALSE(s.KappaGiven);  // given only for a user gas
  EXPECT_DOUBLE_EQ(s.KappaEntered, 1.3);
  EXPECT_DOUBLE_EQ(s.Kappa, 1.3);
  EXPECT_FALSE(s.FlowAsDryAir);
  EXPECT_EQ(s.Humidity, 0);

  EXPECT_DOUBLE_EQ(s.PipeDiameterEntered, 100.5);
  EXPECT_EQ(s.PipeDiameterUnit, 0);
  EXPECT_DOUBLE_EQ(s.PipeDiameter20, 0.1005);
  EXPECT_DOUBLE_EQ(s.PipeDiameter, 0.100812);

  EXPECT_DOUBLE_EQ(s.FlowEntered, 5000);
  EXPECT_DOUBLE_EQ(s.FlowMaxEntered, 6000);
  EXPECT_DOUBLE_EQ(s.FlowMinEntered, 1000);
  EXPECT_EQ(s.FlowUnit, FlowUnitKind::KgPerHour);
  EXPECT_DOUBLE_EQ(s.MassFlow, 5000.0 / 3600);
  EXPECT_DOUBLE_EQ(s.MassFlowMax, 6000.0 / 3600);
  EXPECT_DOUBLE_EQ(s.MassFlowMin, 1000.0 / 3600);

  EXPECT_TRUE(s.DpMaxGiven);
  EXPECT_EQ(s.DpMaxEntered, 25000);
  EXPECT_EQ(s.DpUnit, 0);
  EXPECT_EQ(s.DpMax, 25000);
  EXPECT_EQ(s.CascadeRange[0], 25000);
  EXPECT_DOUBLE_EQ(s.Dp, 17361.111111111113);  // (5000/6000)² · 25000

  EXPECT_EQ(s.ElementMaterial, 3);
  EXPECT_EQ(s.PipeMaterial, 0);

  EXPECT_EQ(s.ReD, 123456);
  EXPECT_EQ(s.ReDMax, 150000);
  EXPECT_EQ(s.ReDMin, 23456);
  EXPECT_DOUBLE_EQ(s.Velocity, 12.34);
  EXPECT_DOUBLE_EQ(s.VelocityMax, 15.67);
  EXPECT_EQ(s.VelocityLow, 0);
  EXPECT_EQ(s.VelocityHigh, 0);
  EXPECT_DOUBLE_EQ(s.C, 0.6034);
  EXPECT_DOUBLE_EQ(s.Epsilon, 0.9876);
  EXPECT_DOUBLE_EQ(s.Beta, 0.5123);
  EXPECT_EQ(s.ReDMinAllowed, 10000);
  EXPECT_DOUBLE_EQ(s.Bore, 0.051646);
  EXPECT_DOUBLE_EQ(s.Bore20, 0.0515);

  const std::array<bool, 10> ticked = {true, false, true, false, false, false, false, false, false, true};
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(s.Fittings[i], ticked[i]) << i;
  EXPECT_FALSE(s.Fittings[10]);
  EXPECT_FALSE(s.Fittings[11]);
  EXPECT_DOUBLE_EQ(s.DownstreamLength, 6.5);
  EXPECT_EQ(s.PressureLoss, 12345);

  EXPECT_DOUBLE_EQ(s.UncertaintyC, 0.6);
  EXPECT_DOUBLE_EQ(s.UncertaintyD, 0.4);
  EXPECT_DOUBLE_EQ(s.UncertaintyBore, 0.07);
  EXPECT_DOUBLE_EQ(s.DpTransmitterAccuracy, 0.25);
  EXPECT_DOUBLE_EQ(s.CascadeAccuracy[0], 0.25);
  EXPECT_DOUBLE_EQ(s.UncertaintyDp, 0.31);
  EXPECT_DOUBLE_EQ(s.DensityAccuracy, 1.5);
  EXPECT_DOUBLE_EQ(s.AddedUncertaintyShortLengths, 0.5);
  EXPECT_DOUBLE_EQ(s.AddedUncertaintyOffset, 0.2);
  EXPECT_DOUBLE_EQ(s.FlowUncertainty, 1.23);

  EXPECT_TRUE(s.LimitFlags[0]);
  for (std::size_t i = 1; i < 8; ++i) EXPECT_FALSE(s.LimitFlags[i]) << i;
}

TEST(DecodeLegacyRecord, FlowUncertaintiesOfAGasAreWorkedOutAgain) {
  // Reference values computed independently from the old program's formulas (double precision):
  // Δp = 17361.11 Pa, Δp_min = 694.44 Pa, p1 = 1 MPa, κ = 1.3, ε = 0.9876, β = 0.5123, u_C 0.6 + 0.5 + 0.2,
  // u_D 0.4, u_d 0.07, transmitter 0.25 %, density 1.5 %.
  Conversion c;
  const CalculationState& s = c.Decode(SteamRecord().Record());
  EXPECT_NEAR(s.UncertaintyEpsilon, 0.06944444444444445, 1e-12);  // 4·Δp/p1, not the stored 0.12
  EXPECT_NEAR(c.derived.EpsilonUncertaintyMin, 0.5677995651944013, 1e-12);
  EXPECT_NEAR(c.derived.EpsilonUncertaintyMax, 0.26746043787677143, 1e-12);
  EXPECT_NEAR(c.derived.DpUncertaintyMin, 9.0, 1e-12);  // 0.25 · 25000 / 694.44
  EXPECT_NEAR(s.FlowUncertaintyMin, 4.780272571875384, 1e-12);
  EXPECT_NEAR(s.FlowUncertaintyMax, 1.5381058484442396, 1e-12);
  // Re_min · π · μ · D / 4 with Re_min 10000 for β above 0.45.
  EXPECT_NEAR(s.MassFlowMinAllowed, 0.013856072938474122, 1e-15);
}

TEST(DecodeLegacyRecord, ALiquidHasNoExpansibilityTerms) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  b.Text(kFluid, 13, "Voda", true)
      .Uint24(kBeta, 5000)
      .Uint16(kTransmitterAccuracy, 20)
      .Uint16(kDensityAccuracy, 100)
      .Uint16(kAddedUncertaintyShortLengths, 0)
      .Uint16(kAddedUncertaintyOffset, 0);
  const CalculationState& s = c.Decode(b.Record());
  EXPECT_EQ(s.Fluid, FluidKind::Water);
  EXPECT_EQ(s.FluidName, "Voda");
  EXPECT_EQ(s.UncertaintyEpsilon, 0);
  EXPECT_EQ(c.derived.EpsilonUncertaintyMin, 0);
  EXPECT_EQ(c.derived.EpsilonUncertaintyMax, 0);
  EXPECT_NEAR(c.derived.DpUncertaintyMin, 7.2, 1e-12);
  EXPECT_NEAR(s.FlowUncertaintyMin, 3.6871594607351725, 1e-12);
  EXPECT_NEAR(s.FlowUncertaintyMax, 0.8032091190274727, 1e-12);
}

TEST(DecodeLegacyRecord, UncertaintiesAreAtMostOneHundred) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  b.Int32(kFlowMin, 1000).Uint16(kTransmitterAccuracy, 5000);  // 10 kg/h of 6000: Δp_min tiny
  const CalculationState& s = c.Decode(b.Record());
  EXPECT_EQ(c.derived.DpUncertaintyMin, 100);
  EXPECT_GT(s.FlowUncertaintyMin, 50);  // half the capped term, in quadrature with the rest
  EXPECT_LT(s.FlowUncertaintyMin, 100);

  b.Int32(kFlowMin, 0);  // no minimum flow at all
  c.Decode(b.Record());
  EXPECT_EQ(c.derived.DpUncertaintyMin, 100);

  b.Uint16(kUncertainties, 12000);  // u_C 120 %
  c.Decode(b.Record());
  EXPECT_EQ(s.FlowUncertaintyMin, 100);
  EXPECT_EQ(s.FlowUncertaintyMax, 100);
  EXPECT_DOUBLE_EQ(s.FlowUncertainty, 1.23);  // the stored one stays as the old program computed it
}

TEST(DecodeLegacyRecord, MinimumReynoldsNumberFollowsBeta) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  EXPECT_EQ(c.Decode(b.Uint24(kBeta, 4500).Record()).ReDMinAllowed, 5000);
  EXPECT_NEAR(c.state.MassFlowMinAllowed, 0.006928036469237061, 1e-15);
  EXPECT_EQ(c.Decode(b.Uint24(kBeta, 4501).Record()).ReDMinAllowed, 10000);
}

TEST(DecodeLegacyRecord, NumberFieldsSkipEverythingButDigits) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  b.Text(kInstallation, 3, "0 7").Text(kCount, 5, "1x2 3");
  EXPECT_EQ(c.Decode(b.Record()).NumberInstallation, 7);
  EXPECT_EQ(c.state.NumberCount, 123u);
  b.Text(kInstallation, 3, "999").Text(kCount, 5, "99999");
  EXPECT_EQ(c.Decode(b.Record()).NumberInstallation, 999);
  EXPECT_EQ(c.state.NumberCount, 99999u);
  b.Text(kInstallation, 3, "").Text(kCount, 5, "\xFF\x80-+.");
  EXPECT_EQ(c.Decode(b.Record()).NumberInstallation, 0);
  EXPECT_EQ(c.state.NumberCount, 0u);
}

TEST(DecodeLegacyRecord, IntegersAreBigEndianAndFourByteOnesSigned) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  b.Int32(kReD, -2).Uint24(kPressureLoss, 0xFFFFFF).Uint16(kHumidity, 0xFFFF).Int32(kPressure, 0x01020304);
  const CalculationState& s = c.Decode(b.Record());
  EXPECT_EQ(s.ReD, -2);
  EXPECT_EQ(s.PressureLoss, 16777215);
  EXPECT_EQ(s.Humidity, 65535);
  EXPECT_EQ(s.Pressure, 16909060);
}

TEST(DecodeLegacyRecord, DateIsLittleEndianAndMayHaveAFraction) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  b.Uint32LittleEndian(kDate, (45000u + 169306u) * 4096u + 1024u);
  EXPECT_DOUBLE_EQ(c.Decode(b.Record()).Date, 45000.25);
  b.Byte(kDate, 0x00).Byte(kDate + 1, 0x10).Byte(kDate + 2, 0x00).Byte(kDate + 3, 0x00);  // 4096
  EXPECT_DOUBLE_EQ(c.Decode(b.Record()).Date, 1 - 169306.0);
}

struct FluidCase {
  std::string_view field;  // the bytes of the old field, already right-aligned to 13
  FluidKind kind;
  std::string_view name;
};

TEST(DecodeLegacyRecord, FluidsInEveryEncodingWhateverIsSelected) {
  const FluidCase cases[] = {
      {"    P\xA0ra syt\xA0", FluidKind::SaturatedSteam, "Pára sytá"},  // á is the same byte in both
      {"    Para syta", FluidKind::SaturatedSteam, "Pára sytá"},
      {"P\xA0ra p\xA9\x65h\xA9\xA0t\xA0", FluidKind::SuperheatedSteam, "Pára přehřátá"},  // Kamenický
      {"P\xA0ra p\xFD\x65h\xFD\xA0t\xA0", FluidKind::SuperheatedSteam, "Pára přehřátá"},  // 852
      {"Para prehrata", FluidKind::SuperheatedSteam, "Pára přehřátá"},
      {"         Voda", FluidKind::Water, "Voda"},
      {" Vzduch such\x98", FluidKind::DryAir, "Vzduch suchý"},
      {" Vzduch such\xEC", FluidKind::DryAir, "Vzduch suchý"},
      {" Vzduch suchy", FluidKind::DryAir, "Vzduch suchý"},
      {" Vzduch vlhk\x98", FluidKind::HumidAir, "Vzduch vlhký"},
      {" Vzduch vlhk\xEC", FluidKind::HumidAir, "Vzduch vlhký"},
      {" Vzduch vlhky", FluidKind::HumidAir, "Vzduch vlhký"},
      {"         Plyn", FluidKind::Gas, "Plyn"},
      {"     Kapalina", FluidKind::Liquid, "Kapalina"},
  };
  for (auto encoding : {LegacyEncoding::Kamenicky, LegacyEncoding::Latin2, LegacyEncoding::Plain}) {
    for (const FluidCase& fluid : cases) {
      Conversion c;
      c.encoding = encoding;
      LegacyRecordBuilder b = SteamRecord();
      b.Text(kFluid, 13, fluid.field);
      const CalculationState& s = c.Decode(b.Record());
      EXPECT_EQ(s.Fluid, fluid.kind) << fluid.field;
      EXPECT_EQ(s.FluidName, fluid.name) << fluid.field;
    }
  }
}

TEST(DecodeLegacyRecord, AnyOtherFluidIsUndeterminedWithItsOwnName) {
  Conversion c;
  c.encoding = LegacyEncoding::Latin2;
  LegacyRecordBuilder b = SteamRecord();
  b.Text(kFluid, 13, "Zemn\xD8 plyn", true);  // "Zemně plyn" in 852
  EXPECT_EQ(c.Decode(b.Record()).Fluid, FluidKind::Undetermined);
  EXPECT_EQ(c.state.FluidName, "Zemně plyn");

  // Compared in full: a left-aligned known name is not recognised.
  b.Text(kFluid, 13, "Voda");
  EXPECT_EQ(c.Decode(b.Record()).Fluid, FluidKind::Undetermined);
  EXPECT_EQ(c.state.FluidName, "Voda");
  EXPECT_FALSE(c.state.KappaGiven);

  b.Text(kFluid, 13, "Plyn", true);
  EXPECT_TRUE(c.Decode(b.Record()).KappaGiven);
}

TEST(DecodeLegacyRecord, DescriptionInEachEncodingTrimmedAndCutToForty) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  c.encoding = LegacyEncoding::Kamenicky;
  b.Text(kDescription, 50, "   \x8F\x80\x85\x90\x89\x8B\xA5\x95\x9E\x9B\x86\x97\xA6\x9D\x92");
  EXPECT_EQ(c.Decode(b.Record()).Description, "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");

  c.encoding = LegacyEncoding::Latin2;
  b.Text(kDescription, 50,
         "P\xFD\xA1li\xE7 \xA7lu\x9Cou\x9Fk\xEC k\x85\xE5 \xA3p\xD8l \xD4\xA0\x62\x65lsk\x82 \xA2\x64y");
  EXPECT_EQ(c.Decode(b.Record()).Description, "Příliš žluťoučký kůň úpěl ďábelské ódy");

  c.encoding = LegacyEncoding::Plain;
  EXPECT_EQ(c.Decode(b.Record()).Description, "P  li   lu ou k  k    p l   belsk   dy");

  b.Text(kDescription, 50, std::string(45, 'x') + "yyyyy");
  EXPECT_EQ(c.Decode(b.Record()).Description, std::string(40, 'x'));
}

TEST(DecodeLegacyRecord, CompanyFromTheCompaniesFileEntersTheCompanyListOnce) {
  Conversion c;
  c.companies.Add("11111111", "Teplárna Sever");
  c.companies.Add("12345678", "Strojírny Jih");
  c.companies.Add("12345678", "Strojírny Jih, druhý záznam");  // the first entry of a number wins
  c.companyList = {"Vlastní útvar"};

  LegacyDecoder decoder(c.encoding, c.companies, c.companyList);
  const LegacyRecord record = SteamRecord().Record();
  decoder.Decode(record, c.state);
  EXPECT_EQ(c.state.Company, "Strojírny Jih");
  decoder.Decode(record, c.state);
  EXPECT_EQ(c.companyList, (std::vector<std::string>{"Vlastní útvar", "Strojírny Jih"}));

  // A name that someone else put in the list meanwhile is not added again.
  c.companyList.push_back("Teplárna Sever");
  LegacyRecordBuilder b = SteamRecord();
  decoder.Decode(b.Text(kCompanyNumber, 9, " 11111111").Record(), c.state);
  EXPECT_EQ(c.state.Company, "Teplárna Sever");
  EXPECT_EQ(c.companyList.size(), 3u);
}

TEST(DecodeLegacyRecord, UnknownCompanyNumberStaysAsTheCompany) {
  Conversion c;
  c.companies.Add("99999999", "Někdo");
  c.companyList = {"A"};
  EXPECT_EQ(c.Decode(SteamRecord().Record()).Company, "12345678");
  EXPECT_EQ(c.companyList, std::vector<std::string>{"A"});

  LegacyRecordBuilder b = SteamRecord();
  EXPECT_EQ(c.Decode(b.Text(kCompanyNumber, 9, "").Record()).Company, "");
  EXPECT_EQ(c.companyList, std::vector<std::string>{"A"});
}

TEST(DecodeLegacyRecord, TheOneOffCallDecodesLikeTheDecoder) {
  Conversion c;
  c.companies.Add("12345678", "Strojírny Jih");
  DecodeLegacyRecord(SteamRecord().Record(), c.encoding, c.companies, c.companyList, c.state);
  EXPECT_EQ(c.state.Company, "Strojírny Jih");
  EXPECT_EQ(c.companyList, std::vector<std::string>{"Strojírny Jih"});
  EXPECT_EQ(c.state.Fluid, FluidKind::SuperheatedSteam);
}

TEST(DecodeLegacyRecord, MaterialCodesComparedWithAllSixCharacters) {
  const std::string_view element[] = {"17 246", "15 123", "17 021", "17 248", "17 347", "17 348", "00 000"};
  const std::string_view pipe[] = {"11 373", "15 123", "17 021", "17 246",
                                   "17 248", "17 347", "17 348", "00 000"};
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  for (std::size_t i = 0; i < std::size(element); ++i) {
    EXPECT_EQ(c.Decode(b.Text(kElementMaterial, 6, element[i]).Record()).ElementMaterial, i);
  }
  for (std::size_t i = 0; i < std::size(pipe); ++i) {
    EXPECT_EQ(c.Decode(b.Text(kPipeMaterial, 6, pipe[i]).Record()).PipeMaterial, i);
  }
  for (std::string_view other : {"11 373", " 17246", "17246 ", "", "17 24"}) {
    EXPECT_EQ(c.Decode(b.Text(kElementMaterial, 6, other).Record()).ElementMaterial, 10) << other;
  }
  EXPECT_EQ(c.Decode(b.Text(kPipeMaterial, 6, "17 246").Record()).PipeMaterial, 3);
  EXPECT_EQ(c.Decode(b.Text(kPipeMaterial, 6, "12 345").Record()).PipeMaterial, 10);
}

TEST(DecodeLegacyRecord, DensityUnitsAndTheDensitiesAtReferenceConditions) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  // ρ = 1.293 kg/m3 at 101 325 Pa, 0 °C is the operating density at the same conditions.
  b.Int32(kDensity, 129300).Int32(kPressure, 101325).Uint24(kTemperature, 0);
  b.Text(kDensityUnit, 8, "N[kg/m3]");
  EXPECT_DOUBLE_EQ(c.Decode(b.Record()).Density, 1.293);
  EXPECT_EQ(c.state.DensityUnit, 2);
  EXPECT_DOUBLE_EQ(c.state.DensityEntered, 1.293);
  EXPECT_DOUBLE_EQ(c.derived.DensityAtNN, 1.293);
  EXPECT_NEAR(c.derived.DensityAtN, 1.293 * 98066.5 * 273.15 / 101325 / 293.15, 1e-12);

  // At 98 066.5 Pa... the pressure field is whole pascals, so take 2 bar and 20 °C for the "n" unit.
  b.Int32(kPressure, 200000).Uint24(kTemperature, 2000).Text(kDensityUnit, 8, "n[kg/m3]");
  EXPECT_NEAR(c.Decode(b.Record()).Density, 1.293 * 200000 / 98066.5, 1e-12);
  EXPECT_EQ(c.state.DensityUnit, 3);
  EXPECT_DOUBLE_EQ(c.derived.DensityAtN, 1.293);
  EXPECT_NEAR(c.derived.DensityAtNN, 1.293 * 101325 * 293.15 / 98066.5 / 273.15, 1e-12);

  for (std::string_view operating : {"[kg/m3]", "1[kg/m3]"}) {
    b.Text(kDensityUnit, 8, operating);
    EXPECT_DOUBLE_EQ(c.Decode(b.Record()).Density, 1.293);
    EXPECT_EQ(c.state.DensityUnit, 0);
    EXPECT_NEAR(c.derived.DensityAtN, 1.293 * 98066.5 / 200000, 1e-12);
    EXPECT_NEAR(c.derived.DensityAtNN, 293.15 * 1.293 * 101325 / 200000 / 273.15, 1e-12);
  }

  b.Text(kDensityUnit, 8, "kg/m3");
  EXPECT_DOUBLE_EQ(c.Decode(b.Record()).Density, 1.293);
  EXPECT_EQ(c.state.DensityUnit, 10);
  EXPECT_EQ(c.derived.DensityAtN, 0);
  EXPECT_EQ(c.derived.DensityAtNN, 0);
}

TEST(DecodeLegacyRecord, FlowUnitsGiveMassFlows) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  b.Text(kDensityUnit, 8, "N[kg/m3]")
      .Int32(kDensity, 129300)
      .Int32(kPressure, 200000)
      .Uint24(kTemperature, 0);
  const double rho = 1.293 * 200000 / 101325;  // operating density
  const double rhoN = 1.293;
  const double rhoSmallN = 1.293 * 98066.5 * 273.15 / 101325 / 293.15;
  b.Text(kFlowUnit, 8, "S1[m3/h]").Text(kFlowMaxUnit, 8, "SN[m3/h]").Text(kFlowMinUnit, 8, "Sn[m3/h]");
  const CalculationState& s = c.Decode(b.Record());
  EXPECT_EQ(s.FlowUnit, FlowUnitKind::CubicMetresPerHour);
  EXPECT_NEAR(s.MassFlow, 5000.0 / 3600 * rho, 1e-12);
  EXPECT_NEAR(s.MassFlowMax, 6000.0 / 3600 * rhoN, 1e-12);
  EXPECT_NEAR(s.MassFlowMin, 1000.0 / 3600 * rhoSmallN, 1e-12);

  b.Text(kFlowUnit, 8, "N[m3/h]").Text(kFlowMaxUnit, 8, "n[m3/h]").Text(kFlowMinUnit, 8, "1[m3/h]");
  c.Decode(b.Record());
  EXPECT_EQ(s.FlowUnit, FlowUnitKind::CubicMetresPerHourNN);
  EXPECT_NEAR(s.MassFlow, 5000.0 / 3600 * rhoN, 1e-12);
  EXPECT_NEAR(s.MassFlowMax, 6000.0 / 3600 * rhoSmallN, 1e-12);
  EXPECT_NEAR(s.MassFlowMin, 1000.0 / 3600 * rho, 1e-12);
  EXPECT_NEAR(s.Dp, std::pow(s.MassFlow / s.MassFlowMax, 2) * 25000, 1e-9);

  // An unknown unit: kind 10 and no mass flow.
  b.Text(kFlowUnit, 8, "[t/h]").Text(kFlowMaxUnit, 8, "[kg/h]");
  c.Decode(b.Record());
  EXPECT_EQ(static_cast<int>(s.FlowUnit), 10);
  EXPECT_EQ(s.MassFlow, 0);
  EXPECT_EQ(s.Dp, 0);
  b.Text(kFlowUnit, 8, "n[m3/h]").Text(kFlowMaxUnit, 8, "");
  c.Decode(b.Record());
  EXPECT_EQ(s.FlowUnit, FlowUnitKind::CubicMetresPerHourN);
  EXPECT_EQ(s.MassFlowMax, 0);
  EXPECT_EQ(s.Dp, 0);  // no maximum flow: no ratio
}

TEST(DecodeLegacyRecord, FlowOfDryAirInHumidAir) {
  Conversion c;
  LegacyRecordBuilder b = SteamRecord();
  b.Text(kFluid, 13, " Vzduch vlhky")
      .Byte(kFlowAsDryAir, 1)
      .Uint16(kHumidity, 60)
      .Int32(kPressure, 150000)
      .Uint24(kTemperature, 3000)
      .Int32(kDensity, 172000)
      .Text(kDensityUnit, 8, "[kg/m3]")
      .Text(kFlowUnit, 8, "1[m3/h]")
      .Text(kFlowMaxUnit, 8, "N[m3/h]")
      .Text(kFlowMinUnit, 8, "n[m3/h]");
  const CalculationState& s = c.Decode(b.Record());
  EXPECT_TRUE(s.FlowAsDryAir);
  EXPECT_EQ(s.Humidity, 60);

  // Saturation at 30 °C from the air properties; the dry-air share and its reference densities.
  const VapourSaturationValues sat = VapourSaturation(30);
  const double p1 = 150000, t = 30, rho = 1.72;
  const double rhoD = rho - 0.6 * sat.vapourDensity;
  const double rhoDn = (t + 273.15) * rhoD * 98066.5 / p1 / 293.15;
  const double rhoDN = (t + 273.15) * rhoD * 101325 / p1 / 273.15;
  const double partial = p1 - 0.6 * sat.pressure;
  EXPECT_NEAR(c.derived.SaturationPressure, sat.pressure, 1e-9);
  EXPECT_NEAR(c.derived.DryAirDensity, rhoD, 1e-12);
  EXPECT_NEAR(c.derived.DryAirDensityAtN, rhoDn, 1e-12);
  EXPECT_NEAR(c.derived.DryAirDensityAtNN, rhoDN, 1e-12);
  EXPECT_NEAR(s.MassFlow, rho * 5000.0 / 3600 * p1 / partial, 1e-12);
  EXPECT_NEAR(s.MassFlowMax, rho * p1 * (6000.0 / 3600 * rhoDN / rhoD) / partial, 1e-12);
  EXPECT_NEAR(s.MassFlowMin, rho * p1 * (1000.0 / 3600 * rhoDn / rhoD) / partial, 1e-12);
  // Sanity of the physics: the humid air flows more mass than its dry share alone.
  EXPECT_GT(s.MassFlow, 5000.0 / 3600 * rhoD);

  b.Text(kFlowUnit, 8, "[kg/h]");
  EXPECT_DOUBLE_EQ(c.Decode(b.Record()).MassFlow, 5000.0 / 3600);
}

TEST(DecodeLegacyRecord, StraightLengthsAreWorkedOutWithThisRecordsFittings) {
  Conversion c;
  // A previous record with other fittings and without the shortened-lengths option.
  LegacyRecordBuilder previous = SteamRecord();
  for (std::size_t i = 0; i < 10; ++i) previous.Byte(kFittings + i, 1);
  previous.Uint16(kAddedUncertaintyShortLengths, 0);
  c.Decode(previous.Record());

  const LegacyRecord record = SteamRecord().Record();
  const CalculationState& s = c.Decode(record);
  // The routine saw this record's fittings, option and lengths: running it again on the outcome with
  // the lengths of the record gives the same lengths and upstream length.
  CalculationState again = s;
  for (std::size_t i = 0; i < 10; ++i) again.FittingLengths[i] = (100 + 15 * i) / 10.0;
  ComputeStraightLengths(again);
  EXPECT_EQ(s.FittingLengths, again.FittingLengths);
  EXPECT_EQ(s.UpstreamLength, again.UpstreamLength);
  EXPECT_EQ(s.FittingLengths11and12, again.FittingLengths11and12);
  EXPECT_DOUBLE_EQ(s.DownstreamLength, 6.5);  // the old record's, not the table's
}

TEST(PrepareLegacyState, SettingsThatEveryConvertedCalculationShares) {
  CalculationState s;
  s.VersionTag = "ver3.5";
  s.ElementKind = PrimaryElementKind::VenturiNozzle;
  s.DpSeries.fill(1);
  s.BarometricPressure = 90000;
  s.CascadeRange = {1, 2, 3, 4};
  s.CascadeAccuracy = {1, 2, 3, 4};
  s.MeasuringPoint = "MM";
  s.FlowRefPressure = s.FlowRefPressureEntered = s.DensityRefPressure = s.DensityRefPressureEntered = 1;
  s.FlowRefPressureUnit = s.DensityRefPressureUnit = s.FlowRefTemperatureUnit = s.DensityRefTemperatureUnit =
      2;
  s.FlowRefTemperature = s.FlowRefTemperatureEntered = s.DensityRefTemperature =
      s.DensityRefTemperatureEntered = 9;
  s.LimitFlags.fill(true);
  s.Fittings.fill(true);
  s.StoredImage.fill(7);

  PrepareLegacyState(s);
  EXPECT_EQ(s.VersionTag, "ver2.2");
  EXPECT_EQ(s.ElementKind, PrimaryElementKind::OrificeCorner);
  EXPECT_EQ(s.Designer, "neurčeno");
  EXPECT_EQ(s.DpSeries, (std::array<double, 10>{6300, 10000, 16000, 25000, 40000, 63000, 100000, 160000,
                                                250000, 400000}));
  EXPECT_EQ(s.BarometricPressure, 101325);
  EXPECT_EQ(s.CascadeRange, (std::array<double, 4>{1, 0, 0, 0}));
  EXPECT_EQ(s.CascadeAccuracy, (std::array<double, 4>{1, 0, 0, 0}));
  EXPECT_EQ(s.MeasuringPoint, "");
  for (double v :
       {s.FlowRefPressure, s.FlowRefPressureEntered, s.DensityRefPressure, s.DensityRefPressureEntered}) {
    EXPECT_EQ(v, 101325);
  }
  for (double v : {s.FlowRefTemperature, s.FlowRefTemperatureEntered, s.DensityRefTemperature,
                   s.DensityRefTemperatureEntered}) {
    EXPECT_EQ(v, 0);
  }
  for (int unit : {s.FlowRefPressureUnit, s.DensityRefPressureUnit, s.FlowRefTemperatureUnit,
                   s.DensityRefTemperatureUnit}) {
    EXPECT_EQ(unit, 0);
  }
  EXPECT_EQ(s.LimitFlags, (std::array<bool, 8>{}));
  EXPECT_FALSE(s.Fittings[10]);
  EXPECT_FALSE(s.Fittings[11]);
  EXPECT_EQ(s.StoredImage, CalculationBlock{});
}

TEST(LegacyNumberText, AtLeastTwoAndFiveDigits) {
  EXPECT_EQ(LegacyNumberText(7, 12), "0700012");
  EXPECT_EQ(LegacyNumberText(0, 0), "0000000");
  EXPECT_EQ(LegacyNumberText(999, 99999), "99999999");
}

}  // namespace
}  // namespace pramo
