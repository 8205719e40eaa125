#include "app/InputPageRules.h"

#include <gtest/gtest.h>

namespace pramo {
namespace {

using Items = std::vector<std::string>;

TEST(UnitLists, FlowAndDensityUnitsFollowTheFluid) {
  const Items steamFlow{"kg/h", "t/h"};
  const Items liquidFlow{"kg/h", "t/h", "m3/h"};
  const Items gasFlow{"kg/h", "t/h", "m3/h", "vp[m3/h]", "n[m3/h]", "N[m3/h]"};
  EXPECT_EQ(FlowUnitItems(FluidKind::SaturatedSteam), steamFlow);
  EXPECT_EQ(FlowUnitItems(FluidKind::SuperheatedSteam), steamFlow);
  EXPECT_EQ(FlowUnitItems(FluidKind::Water), liquidFlow);
  EXPECT_EQ(FlowUnitItems(FluidKind::Liquid), liquidFlow);
  for (auto gas : {FluidKind::DryAir, FluidKind::HumidAir, FluidKind::Gas, FluidKind::Undetermined})
    EXPECT_EQ(FlowUnitItems(gas), gasFlow);
  EXPECT_EQ(DensityUnitItems(FluidKind::Water), Items{"kg/m3"});
  EXPECT_EQ(DensityUnitItems(FluidKind::DryAir), (Items{"kg/m3", "vp[kg/m3]", "N[kg/m3]", "n[kg/m3]"}));
  EXPECT_TRUE(IsFlowUnitVp(3));
  EXPECT_FALSE(IsFlowUnitVp(2));
  EXPECT_FALSE(IsGaugePressureUnit(7));
  EXPECT_TRUE(IsGaugePressureUnit(8));
  EXPECT_TRUE(IsGaugePressureUnit(15));
}

TEST(FluidControls, ButtonHumidityExponentAndForcedBoxes) {
  const FluidControls steam = FluidControlsFor(FluidKind::SaturatedSteam);
  EXPECT_FALSE(steam.temperatureForced);
  EXPECT_FALSE(steam.namedByUser);
  const FluidControls water = FluidControlsFor(FluidKind::Water);
  EXPECT_TRUE(water.temperatureForced);
  EXPECT_FALSE(water.densityForced);
  const FluidControls gas = FluidControlsFor(FluidKind::Gas);
  EXPECT_TRUE(gas.namedByUser && gas.kappaBox && gas.densityForced && gas.viscosityForced);
  const FluidControls liquid = FluidControlsFor(FluidKind::Liquid);
  EXPECT_TRUE(liquid.namedByUser && liquid.densityForced && !liquid.kappaBox);
  EXPECT_TRUE(FluidControlsFor(FluidKind::Undetermined).namedByUser);
  EXPECT_FALSE(FluidControlsFor(FluidKind::Undetermined).densityForced);
  EXPECT_TRUE(FluidControlsFor(FluidKind::HumidAir).humidity);
  EXPECT_FALSE(FluidControlsFor(FluidKind::DryAir).humidity);
}

TEST(KindSwitch, RowsMoveAndHideByKind) {
  const InputRowLayout bore = InputRowsFor(CalculationKind::Bore);
  EXPECT_EQ(bore.flowOperating, 8);
  EXPECT_EQ(bore.flowMin, 10);
  EXPECT_EQ(bore.dryAir, 11);
  EXPECT_EQ(bore.dpMax, 12);
  EXPECT_TRUE(bore.dpMaxBoxShown);
  EXPECT_EQ(bore.pipeDiameter, 13);
  EXPECT_EQ(bore.bore, -1);
  EXPECT_TRUE(bore.cascadeShown);

  const InputRowLayout dp = InputRowsFor(CalculationKind::Dp);
  EXPECT_TRUE(dp.flowLabelShort);
  EXPECT_EQ(dp.flowMax, -1);
  EXPECT_EQ(dp.dryAir, 9);
  EXPECT_EQ(dp.dpMax, -1);
  EXPECT_EQ(dp.pipeDiameter, 10);
  EXPECT_EQ(dp.bore, 11);
  EXPECT_FALSE(dp.cascadeShown);

  const InputRowLayout flow = InputRowsFor(CalculationKind::Flow);
  EXPECT_EQ(flow.flowOperating, -1);
  EXPECT_EQ(flow.dryAir, -1);
  EXPECT_EQ(flow.dpMax, 8);
  EXPECT_FALSE(flow.dpMaxBoxShown);
  EXPECT_EQ(flow.pipeDiameter, 9);
  EXPECT_EQ(flow.bore, 10);
}

TEST(Materials, ListsByVersionTagAndLabels) {
  EXPECT_EQ(ElementMaterialItems("ver3.5").size(), 19u);
  EXPECT_EQ(PipeMaterialItems("ver3.5"), ElementMaterialItems("ver3.5"));
  for (const char* tag : {"ver2.2", "ver3.3", "ver3.4"}) {
    EXPECT_EQ(ElementMaterialItems(tag).front(), "ČSN 17 246");
    EXPECT_EQ(PipeMaterialItems(tag).front(), "ČSN 11 373");
    EXPECT_EQ(PipeMaterialItems(tag).back(), "jiný");
  }
  EXPECT_EQ(BoreLabel(true), "Prům. otvoru prim. prvku d1");
  EXPECT_EQ(BoreLabel(false), "Prům. otvoru prim. prvku d20");
  EXPECT_EQ(PipeDiameterLabel(true), "Průměr potrubí při provozních podmínkách");
  EXPECT_EQ(PipeDiameterLabel(false), "Průměr potrubí při 20 °C");
}

TEST(Materials, ElementGroups) {
  EXPECT_EQ(GroupOf(PrimaryElementKind::OrificeFlange), ElementGroup::Orifice);
  EXPECT_EQ(GroupOf(PrimaryElementKind::NozzleIsa1932), GroupOf(PrimaryElementKind::VenturiNozzle));
  EXPECT_EQ(GroupOf(PrimaryElementKind::VenturiCast), ElementGroup::VenturiTube);
}

TEST(ButtonHints, ReferenceConditionsAndBarometricPressure) {
  CalculationState s;
  s.DensityRefPressureEntered = 1.5;
  s.DensityRefPressureUnit = 5;
  s.DensityRefTemperatureEntered = 20;
  EXPECT_EQ(DensityReferenceHint(s, ','),
            "Vztažné podmínky pro měrnou hmotnost\r\nTlak 1,5 bar; Teplota 20 °C");
  EXPECT_EQ(FlowReferenceHint(s), "Vztažné podmínky pro průtok\r\nTlak 101325 Pa; Teplota 0 °C");
  s.BarometricPressure = 98066.5;
  EXPECT_EQ(BarometricPressureHint(s, ','), "Barometrický tlak 98066,5 Pa");
  s.FlowRefPressureUnit = 200;  // a unit byte from a damaged file shows as the first unit
  EXPECT_EQ(FlowReferenceHint(s), "Vztažné podmínky pro průtok\r\nTlak 101325 Pa; Teplota 0 °C");
}

}  // namespace
}  // namespace pramo
