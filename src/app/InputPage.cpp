#include "app/InputPage.h"

#include <charconv>

#include "app/InputPageRules.h"
#include "core/NumberText.h"
#include "core/Units.h"

namespace pramo {
namespace {

std::string NumberText(double value, NumberTexts numbers, char separator) {
  char buffer[40];
  if (numbers == NumberTexts::Exact) {
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
  }
  return GeneralText(value, 15, separator);
}

}  // namespace

InputForm FormFromState(const CalculationState& s, NumberTexts numbers, char separator) {
  auto text = [numbers, separator](double v) { return NumberText(v, numbers, separator); };
  InputForm f;
  f.cbDruhVypoctu = static_cast<int>(s.CalcKind);
  f.CBPrimarniPrvek = static_cast<int>(s.ElementKind);
  f.CBTekutina5 = static_cast<int>(s.Fluid);

  f.ETlak = text(s.PressureEntered);
  f.CBJednTlakH = s.PressureUnit;

  // The boxes first, with the page's rules, so that every edit whose box is on shows the value as typed.
  f.ChBProvozniTeplota = s.TemperatureGiven;
  f.ChBMernaHmotnost = s.DensityGiven;
  f.ChBDynamickaViskozita = s.ViscosityGiven;
  f.ChBSuchyVzduch = s.FlowAsDryAir;
  f.ChBIzentropickyExponent = s.KappaGiven;
  f.ChBDifTlakMax = s.DpMaxGiven;
  ApplyPageRules(f);

  f.EProvozniTeplota = text(f.ChBProvozniTeplota ? s.TemperatureEntered : s.Temperature);
  f.CBJednProvozniTeplota = f.ChBProvozniTeplota ? s.TemperatureUnit : 0;
  f.EMernaHmotnost = text(f.ChBMernaHmotnost ? s.DensityEntered : s.Density);
  f.CBJednMernaHmotnost = f.ChBMernaHmotnost ? s.DensityUnit : 0;
  f.EDynamickaViskozita = text(f.ChBDynamickaViskozita ? s.ViscosityEntered : s.Viscosity * 1e6);
  f.CBJednViskozita = f.ChBDynamickaViskozita ? s.ViscosityUnit : 0;
  f.EVlhkost = text(s.Humidity);
  f.EIzentropickyExponent7 = f.ChBIzentropickyExponent ? text(s.KappaEntered) : std::string();

  f.EPrutokProvozni = text(s.FlowEntered);
  f.EPrutokMax = text(s.FlowMaxEntered);
  f.EPrutokMin = text(s.FlowMinEntered);
  f.CBFlowUnit = FlowUnitItemOfKind(s.FlowUnit);

  f.EDifTlakMax = text(s.DpMaxEntered);
  f.CBJednDifTlakMaxH = s.DpUnit;
  f.EPrumerPotrubiPri20C = text(s.PipeDiameterEntered);
  f.CBJednPrumerPotrubiPri20C = s.PipeDiameterUnit;
  f.ePrumerOtvoru_d20 = text(s.Bore20 * 1000.0);

  f.cbMaterialPrimPrvku = ElementMaterialItem(s);
  f.cbMaterialPotrubi = s.PipeMaterial;
  f.chbTvarovka = s.Fittings;
  f.ChBNejistota05 = s.AddedUncertaintyShortLengths != 0;
  f.ChBNejistota02 = s.AddedUncertaintyOffset != 0;

  f.EPopis = s.Description;
  for (std::size_t i = 0; i < 4; ++i) {
    if (s.CascadeRange[i] == 0) continue;
    f.SGKaskada2.cells[1][i + 1] = text(s.CascadeRange[i]);
    f.SGKaskada2.cells[2][i + 1] = numbers == NumberTexts::Exact
                                       ? text(s.CascadeAccuracy[i])
                                       : FixedText(s.CascadeAccuracy[i], 3, separator);
  }
  f.CBUtvar = s.Company;
  f.EMericiMisto = s.MeasuringPoint;
  return f;
}

void ApplyPageRules(InputForm& f) {
  const FluidControls controls = FluidControlsFor(static_cast<FluidKind>(f.CBTekutina5));
  const InputRowLayout rows = InputRowsFor(static_cast<CalculationKind>(f.cbDruhVypoctu));
  if (controls.temperatureForced) f.ChBProvozniTeplota = true;
  if (controls.densityForced) f.ChBMernaHmotnost = true;
  if (controls.viscosityForced) f.ChBDynamickaViskozita = true;
  if (!controls.kappaBox) {
    f.ChBIzentropickyExponent = false;
    f.EIzentropickyExponent7.clear();
  }
  if (!controls.humidity || rows.dryAir < 0) f.ChBSuchyVzduch = false;
  if (rows.dpMaxChecked) f.ChBDifTlakMax = *rows.dpMaxChecked;
  f.EDifTlakMaxVisible = rows.dpMax >= 0;
}

}  // namespace pramo
