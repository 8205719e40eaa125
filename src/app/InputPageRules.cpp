#include "app/InputPageRules.h"

#include "app/InputPage.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "strings/app.h"
#include "strings/core.h"
#include "strings/printing.h"

namespace pramo {
namespace {

template <std::size_t N>
std::vector<std::string> Items(const Text (&texts)[N]) {
  std::vector<std::string> items;
  for (const Text& text : texts) items.push_back(Tr(text));
  return items;
}

std::string ReferenceHint(const Text& title, double pressure, int pressureUnit, double temperature,
                          int temperatureUnit, char separator) {
  const int p = pressureUnit >= 0 && pressureUnit < kDpUnitCount ? pressureUnit : 0;
  const int t = temperatureUnit >= 0 && temperatureUnit < kTemperatureUnitCount ? temperatureUnit : 0;
  return Tr(title) + "\r\n" + Tr(str::kHintPressure) + GeneralText(pressure, 6, separator) + " " +
         Tr(str::kDpUnitItem[p]) + "; " + Tr(str::kHintTemperature) + GeneralText(temperature, 6, separator) +
         " " + Tr(str::kTemperatureUnitItem[t]);
}

}  // namespace

FluidControls FluidControlsFor(FluidKind fluid) {
  FluidControls c;
  c.namedByUser = fluid == FluidKind::Gas || fluid == FluidKind::Liquid || fluid == FluidKind::Undetermined;
  c.humidity = fluid == FluidKind::HumidAir;
  c.kappaBox = fluid == FluidKind::Gas;
  c.temperatureForced = fluid != FluidKind::SaturatedSteam;
  c.densityForced = c.viscosityForced = fluid == FluidKind::Gas || fluid == FluidKind::Liquid;
  return c;
}

std::vector<std::string> FlowUnitItems(FluidKind fluid) {
  std::vector<std::string> items;
  for (int i = 0; i < FlowUnitItemCount(fluid); ++i)
    items.push_back(Tr(str::kFlowUnitKindText[static_cast<int>(FlowUnitKindOfItem(i))]));
  return items;
}

std::vector<std::string> DensityUnitItems(FluidKind fluid) {
  std::vector<std::string> items;
  for (int i = 0; i < DensityUnitItemCount(fluid); ++i) items.push_back(Tr(str::kDensityUnitItem[i]));
  return items;
}

bool IsGaugePressureUnit(int item) {
  return item >= kPressureUnitCount / 2;
}

bool IsFlowUnitVp(int item) {
  return FlowUnitKindOfItem(item) == FlowUnitKind::CubicMetresPerHourVp;
}

std::vector<std::string> ElementMaterialItems(const std::string& versionTag) {
  return UsesOldMaterialLists(versionTag) ? Items(str::kOldElementMaterialItem) : Items(str::kMaterialItem);
}

std::vector<std::string> PipeMaterialItems(const std::string& versionTag) {
  return UsesOldMaterialLists(versionTag) ? Items(str::kOldPipeMaterialItem) : Items(str::kMaterialItem);
}

std::string BoreLabel(bool elementMaterialOther) {
  return Tr(str::kResultBore) + (elementMaterialOther ? "1" : "20");
}

std::string PipeDiameterLabel(bool pipeMaterialOther) {
  return Tr(pipeMaterialOther ? str::kLabelPipeDiameterOperating : str::kLabelPipeDiameter20);
}

ElementGroup GroupOf(PrimaryElementKind kind) {
  if (IsOrifice(kind)) return ElementGroup::Orifice;
  if (IsVenturiTube(kind)) return ElementGroup::VenturiTube;
  return ElementGroup::Nozzle;
}

InputRowLayout InputRowsFor(CalculationKind kind) {
  InputRowLayout rows;
  switch (kind) {
    case CalculationKind::Bore:
      rows.flowOperating = 8;
      rows.flowMax = 9;
      rows.flowMin = 10;
      rows.dryAir = 11;
      rows.dpMax = 12;
      rows.dpMaxBoxShown = true;
      rows.pipeDiameter = 13;
      rows.cascadeShown = true;
      break;
    case CalculationKind::Dp:
      rows.flowOperating = 8;
      rows.flowLabelShort = true;
      rows.dryAir = 9;
      rows.pipeDiameter = 10;
      rows.bore = 11;
      rows.dpMaxChecked = false;
      break;
    case CalculationKind::Flow:
      rows.dpMax = 8;
      rows.pipeDiameter = 9;
      rows.bore = 10;
      rows.dpMaxChecked = true;
      break;
  }
  return rows;
}

std::string DensityReferenceHint(const CalculationState& s, char separator) {
  return ReferenceHint(str::kHintDensityReference, s.DensityRefPressureEntered, s.DensityRefPressureUnit,
                       s.DensityRefTemperatureEntered, s.DensityRefTemperatureUnit, separator);
}

std::string FlowReferenceHint(const CalculationState& s, char separator) {
  return ReferenceHint(str::kHintFlowReference, s.FlowRefPressureEntered, s.FlowRefPressureUnit,
                       s.FlowRefTemperatureEntered, s.FlowRefTemperatureUnit, separator);
}

std::string BarometricPressureHint(const CalculationState& s, char separator) {
  return Tr(str::kHintBarometric) + " " + GeneralText(s.BarometricPressure, 15, separator) + " Pa";
}

}  // namespace pramo
