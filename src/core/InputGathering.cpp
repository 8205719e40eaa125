#include "core/InputGathering.h"

#include <charconv>
#include <cmath>

#include "core/AirProperties.h"
#include "core/CodePage1250.h"
#include "core/Units.h"
#include "core/WaterSteam.h"
#include "strings/core.h"

namespace pramo {
namespace {

constexpr double kSmallestAccuracy = 0.0001;
constexpr int kRangeRow = 1;
constexpr int kAccuracyRow = 2;

// One gathering: the form, the state and the input-error flag it raises.
class Gathering {
 public:
  Gathering(InputForm& form, CalculationState& state, DerivedValues& derived, const GatherContext& context)
      : m_form(form), m_s(state), m_d(derived), m_ctx(context) {}

  bool Run();

 private:
  void Mark(InputField field) {
    m_form.marked.insert(field);
    m_inputError = true;
  }
  // The typed number of an edit, or nothing with the edit marked.
  std::optional<double> Number(const std::string& text, InputField field) {
    auto value = ReadNumber(text);
    if (!value) Mark(field);
    return value;
  }
  void Warn(const Text& text) { Tell(m_ctx.messages, MessageKind::Warning, text); }

  void GatherPressure();
  void GatherTemperature();
  void GatherHumidity();
  void GatherDensity();
  void TypedDensity(double x);
  void ComputedDensity();
  void GatherViscosity();
  void GatherKappa();
  void GatherFlows();
  void GatherDiameters();
  void GatherFittings();

  InputForm& m_form;
  CalculationState& m_s;
  DerivedValues& m_d;
  const GatherContext& m_ctx;
  bool m_inputError = false;
};

bool Gathering::Run() {
  m_form.marked.clear();
  m_s.VersionTag = kCurrentVersionTag;
  m_s.ElementKind = static_cast<PrimaryElementKind>(m_form.CBPrimarniPrvek);
  m_s.Fluid = static_cast<FluidKind>(m_form.CBTekutina5);
  m_s.FlowAsDryAir = m_s.Fluid == FluidKind::HumidAir && m_form.ChBSuchyVzduch;
  GatherPressure();
  GatherTemperature();
  m_d.TemperatureBand = TemperatureBandOf(m_s.Temperature);
  GatherHumidity();
  GatherDensity();
  GatherViscosity();
  GatherKappa();
  GatherFlows();
  GatherDiameters();
  GatherFittings();
  if (!GatherTexts(m_form, m_s, m_ctx)) m_inputError = true;
  return !m_inputError;
}

void Gathering::GatherPressure() {
  m_s.PressureUnit = static_cast<std::uint8_t>(m_form.CBJednTlakH);
  const auto x = Number(m_form.ETlak, InputField::ETlak);
  if (!x) return;
  m_s.PressureEntered = *x;
  m_s.Pressure = PressureToPa(m_s.PressureUnit, *x, m_s.BarometricPressure);
  if (m_s.Pressure <= 0) {
    m_s.Pressure = 0.001;
    Mark(InputField::ETlak);
  }
}

void Gathering::GatherTemperature() {
  m_s.TemperatureEntered = 0;
  m_s.Temperature = 0;
  m_s.TemperatureGiven = m_form.ChBProvozniTeplota;
  m_s.TemperatureUnit = static_cast<std::uint8_t>(m_form.CBJednProvozniTeplota);
  if (m_s.TemperatureGiven) {
    if (const auto x = Number(m_form.EProvozniTeplota, InputField::EProvozniTeplota)) {
      m_s.TemperatureEntered = *x;
      m_s.Temperature = TemperatureToCelsius(m_s.TemperatureUnit, *x);
    }
    return;
  }
  const auto t = SaturatedSteamTemperature(m_s.Pressure);
  if (!t) {
    if (m_ctx.showMessages) Warn(str::kSaturationTemperatureNotComputable);
    m_inputError = true;
    return;
  }
  m_s.Temperature = *t;
  m_s.TemperatureEntered = *t;
  m_s.TemperatureUnit = 0;
  m_form.CBJednProvozniTeplota = 0;
}

void Gathering::GatherHumidity() {
  if (m_s.Fluid != FluidKind::HumidAir) {
    m_s.Humidity = 0;
    return;
  }
  const auto x = Number(m_form.EVlhkost, InputField::EVlhkost);
  if (!x) return;
  m_s.Humidity = *x;
  if (*x < 0 || *x > 100) Mark(InputField::EVlhkost);
}

void Gathering::GatherDensity() {
  m_s.DensityEntered = 0;
  m_s.Density = 0;
  m_d.DensityAtFlowRef = m_d.DensityAtN = m_d.DensityAtNN = 0;
  m_d.DryAirDensity = m_d.DryAirDensityAtFlowRef = m_d.DryAirDensityAtN = m_d.DryAirDensityAtNN = 0;
  m_s.DensityGiven = m_form.ChBMernaHmotnost;
  m_s.DensityUnit = static_cast<std::uint8_t>(m_form.CBJednMernaHmotnost);
  if (m_s.DensityGiven) {
    if (const auto x = Number(m_form.EMernaHmotnost, InputField::EMernaHmotnost)) TypedDensity(*x);
  } else {
    ComputedDensity();
    m_s.DensityEntered = m_s.Density;
    m_s.DensityUnit = 0;
    m_form.CBJednMernaHmotnost = 0;
  }
  if (m_s.Density == 0 || std::isnan(m_s.Density)) {
    m_s.Density = 1e-5;
    const bool pending = m_inputError;
    Mark(InputField::EMernaHmotnost);
    if (m_ctx.showMessages && !pending) Tell(m_ctx.messages, MessageKind::Error, str::kDensityNotComputable);
  }
}

void Gathering::TypedDensity(double x) {
  const double p1 = m_s.Pressure;
  const double T = m_s.Temperature + kZeroCelsius;
  const double pF = m_s.FlowRefPressure, TF = m_s.FlowRefTemperature + kZeroCelsius;
  const double pD = m_s.DensityRefPressure, TD = m_s.DensityRefTemperature + kZeroCelsius;
  m_s.DensityEntered = x;
  switch (m_s.DensityUnit) {
    case 0:
      m_s.Density = x;
      m_d.DensityAtFlowRef = x * pF * T / p1 / TF;
      m_d.DensityAtN = x * kPressureN * T / p1 / kTemperatureN;
      m_d.DensityAtNN = x * kPressureNN * T / p1 / kTemperatureNN;
      break;
    case 1:
      m_d.DensityAtFlowRef = x * pF * TD / pD / TF;
      m_s.Density = x * p1 * TD / pD / T;
      m_d.DensityAtN = x * kPressureN * TD / pD / kTemperatureN;
      m_d.DensityAtNN = x * kPressureNN * TD / pD / kTemperatureNN;
      break;
    case 2:
      m_d.DensityAtNN = x;
      m_d.DensityAtFlowRef = x * pF * kTemperatureNN / kPressureNN / TF;
      m_s.Density = x * p1 * kTemperatureNN / kPressureNN / T;
      m_d.DensityAtN = x * kPressureN * kTemperatureNN / kPressureNN / kTemperatureN;
      break;
    default:
      m_d.DensityAtN = x;
      m_d.DensityAtFlowRef = x * pF * kTemperatureN / kPressureN / TF;
      m_s.Density = x * p1 * kTemperatureN / kPressureN / T;
      m_d.DensityAtNN = x * kPressureNN * kTemperatureN / kPressureN / kTemperatureNN;
      break;
  }
  if (!m_s.FlowAsDryAir) return;
  const auto vapour = VapourSaturation(m_s.Temperature);
  m_d.SaturationPressure = vapour.pressure;
  m_d.SaturationVapourDensity = vapour.vapourDensity;
  m_d.DryAirDensity = m_s.Density - m_s.Humidity / 100.0 * vapour.vapourDensity;
  m_d.DryAirDensityAtFlowRef = m_d.DryAirDensity * pF * T / p1 / TF;
  m_d.DryAirDensityAtN = T * m_d.DryAirDensity * kPressureN / p1 / kTemperatureN;
  m_d.DryAirDensityAtNN = T * m_d.DryAirDensity * kPressureNN / p1 / kTemperatureNN;
}

void Gathering::ComputedDensity() {
  switch (m_s.Fluid) {
    case FluidKind::DryAir:
    case FluidKind::HumidAir:
      m_s.Density = AirDensity({m_s.Fluid, m_s.Pressure, m_s.Temperature, m_s.Humidity, m_s.FlowRefPressure,
                                m_s.FlowRefTemperature},
                               m_d);
      return;
    case FluidKind::SaturatedSteam:
    case FluidKind::SuperheatedSteam:
    case FluidKind::Water:
      break;
    default:
      return;  // user gas and liquid have their density typed
  }
  if (m_s.Temperature < 0) return;
  const bool fromSaturation = !m_s.TemperatureGiven || (m_s.DensityGiven && m_s.ViscosityGiven);
  const auto result = WaterSteamDensity(m_s.Fluid, m_s.Pressure, m_s.Temperature, fromSaturation);
  m_s.Density = result.density;
  switch (result.outcome) {
    case WaterSteamOutcome::Density:
      return;
    case WaterSteamOutcome::SaturatedNeedsTypedProperties:
      Warn(str::kSaturatedSteamNeedsProperties);
      m_form.ChBMernaHmotnost = true;
      m_form.ChBDynamickaViskozita = true;
      break;
    case WaterSteamOutcome::StateIsWater:
      Warn(str::kStateIsWater);
      break;
    case WaterSteamOutcome::StateIsSteam:
      Warn(str::kStateIsSteam);
      break;
    case WaterSteamOutcome::NotComputable:
      Warn(str::kDensityMustBeTyped);
      m_form.ChBMernaHmotnost = true;
      break;
  }
  m_inputError = true;
}

void Gathering::GatherViscosity() {
  m_s.ViscosityEntered = 0;
  m_s.ViscosityGiven = m_form.ChBDynamickaViskozita;
  m_s.ViscosityUnit = static_cast<std::uint8_t>(m_form.CBJednViskozita);
  if (m_s.ViscosityGiven) {
    const auto x = Number(m_form.EDynamickaViskozita, InputField::EDynamickaViskozita);
    if (!x) return;
    m_s.ViscosityEntered = *x;
    m_s.Viscosity = ViscosityToPaS(m_s.ViscosityUnit, *x, m_s.Density);
    if (m_s.Viscosity == 0) {
      m_s.Viscosity = 0.001;
      Mark(InputField::EDynamickaViskozita);
    }
    return;
  }
  const double t = m_s.Temperature;
  std::optional<double> micro;
  switch (m_s.Fluid) {
    case FluidKind::SaturatedSteam:
    case FluidKind::SuperheatedSteam:
    case FluidKind::Water:
      if (t < 0 || t > 600) break;
      micro = WaterViscosity(m_s.Density, t);
      if (!micro) {
        if (!m_inputError) Tell(m_ctx.messages, MessageKind::Error, str::kViscosityFailed);
        m_inputError = true;
        return;
      }
      break;
    case FluidKind::DryAir:
    case FluidKind::HumidAir:
      if (t >= 0 && t <= 1000) micro = AirViscosity(t);
      break;
    default:
      return;  // user fluids have their viscosity typed
  }
  if (!micro) {
    // Outside the ranges of the viscosity formulas the user has to type the viscosity.
    Mark(InputField::EDynamickaViskozita);
    return;
  }
  m_s.Viscosity = *micro * 1e-6;
  m_s.ViscosityEntered = m_s.Viscosity;
  m_s.ViscosityUnit = 0;
  m_form.CBJednViskozita = 0;
}

void Gathering::GatherKappa() {
  m_s.KappaGiven = m_form.ChBIzentropickyExponent;
  m_s.Kappa = DefaultKappa(m_s.Fluid);
  if (m_s.Fluid == FluidKind::Gas && m_s.KappaGiven) {
    const auto x = Number(m_form.EIzentropickyExponent7, InputField::EIzentropickyExponent7);
    if (!x) return;
    m_s.KappaEntered = *x;
    m_s.Kappa = *x;
    if (*x == 0) {
      m_s.Kappa = 0.001;
      Mark(InputField::EIzentropickyExponent7);
    }
    return;
  }
  m_s.KappaEntered = m_s.Kappa;
}

void Gathering::GatherFlows() {
  if (m_s.CalcKind == CalculationKind::Flow) return;
  m_s.FlowUnit = FlowUnitKindOfItem(m_form.CBFlowUnit);
  const FlowConversion conversion{m_s.Density, m_d, m_s.FlowAsDryAir, m_s.Pressure, m_s.Humidity};
  if (const auto x = Number(m_form.EPrutokProvozni, InputField::EPrutokProvozni)) {
    m_s.FlowEntered = *x;
    m_s.MassFlow = MassFlowOf(m_s.FlowUnit, *x, conversion);
    if (!(m_s.MassFlow > 0)) Mark(InputField::EPrutokProvozni);
  }
  if (m_s.CalcKind != CalculationKind::Bore) return;
  if (const auto x = Number(m_form.EPrutokMax, InputField::EPrutokMax)) {
    m_s.FlowMaxEntered = *x;
    m_s.MassFlowMax = MassFlowOf(m_s.FlowUnit, *x, conversion);
  }
  if (const auto x = Number(m_form.EPrutokMin, InputField::EPrutokMin)) {
    m_s.FlowMinEntered = *x;
    m_s.MassFlowMin = MassFlowOf(m_s.FlowUnit, *x, conversion);
  }
  if (!m_inputError && m_s.MassFlow > m_s.MassFlowMax) {
    Warn(str::kFlowMaxBelowOperating);
    m_inputError = true;
  }
  if (!m_inputError && m_s.MassFlowMin > m_s.MassFlow) {
    Warn(str::kFlowMinAboveOperating);
    m_inputError = true;
  }
}

void Gathering::GatherDiameters() {
  m_s.PipeDiameterUnit = static_cast<std::uint8_t>(m_form.CBJednPrumerPotrubiPri20C);
  if (const auto x = Number(m_form.EPrumerPotrubiPri20C, InputField::EPrumerPotrubiPri20C)) {
    m_s.PipeDiameterEntered = *x;
    m_s.PipeDiameter20 = PipeDiameterToMetres(m_s.PipeDiameterUnit, *x);
  }
  if (m_s.CalcKind != CalculationKind::Bore) {
    if (const auto x = Number(m_form.ePrumerOtvoru_d20, InputField::ePrumerOtvoru_d20))
      m_s.Bore20 = *x / 1000.0;
  }
  m_s.DpMaxGiven = m_form.ChBDifTlakMax;
  m_s.DpUnit = static_cast<std::uint8_t>(m_form.CBJednDifTlakMaxH);
  if (m_s.DpMaxGiven && m_form.EDifTlakMaxVisible) {
    if (const auto x = Number(m_form.EDifTlakMax, InputField::EDifTlakMax)) {
      m_s.DpMaxEntered = *x;
      m_s.DpMax = DpToPa(m_s.DpUnit, *x);
    }
  }
}

void Gathering::GatherFittings() {
  bool any = false;
  for (bool ticked : m_form.chbTvarovka) any = any || ticked;
  if (!any) {
    Tell(m_ctx.messages, MessageKind::Information, str::kNoFittingChosen);
    m_form.chbTvarovka[0] = true;
  }
  m_s.Fittings = m_form.chbTvarovka;
  m_s.ElementMaterial = static_cast<std::uint8_t>(m_form.cbMaterialPrimPrvku);
  m_s.PipeMaterial = static_cast<std::uint8_t>(m_form.cbMaterialPotrubi);
  m_s.AddedUncertaintyShortLengths = m_form.ChBNejistota05 ? 0.5 : 0.0;
  m_s.AddedUncertaintyOffset = m_form.ChBNejistota02 ? 0.2 : 0.0;
}

// A text of the page as it will be stored, or nothing (with the user told) when the code page cannot
// hold one of its characters. The edits limit the length; a longer text is cut at the capacity.
bool StorableText(Messages& messages, const Text& label, const std::string& text, std::size_t capacity,
                  std::string& field) {
  if (!To1250(text)) {
    Tell(messages, MessageKind::Error, str::kTextNotStorable,
         Format(str::kTextNotStorable, {Tr(label), text}));
    return false;
  }
  field = FirstCharacters(text, capacity);
  return true;
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

// Applies a value read from the cascade grid to the state, noting a change for the texts-changed flag.
void Store(double& field, double value, bool& textsChanged) {
  if (field != value) textsChanged = true;
  field = value;
}

template <class Int>
void ReadWholeNumber(const std::string& text, Int& field) {
  std::string_view s = text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  Int value{};
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  // A text that is no whole number leaves the number as it was; storing checks the number anyway.
  if (error == std::errc() && end == s.data() + s.size() && !s.empty()) field = value;
}

}  // namespace

bool GatherInputs(InputForm& form, CalculationState& state, DerivedValues& derived,
                  const GatherContext& context) {
  return Gathering(form, state, derived, context).Run();
}

bool GatherTexts(InputForm& form, CalculationState& state, const GatherContext& context) {
  bool ok = StorableText(context.messages, str::kDescriptionLabel, form.EPopis, kDescriptionCapacity,
                         state.Description);
  ok =
      StorableText(context.messages, str::kCompanyLabel, form.CBUtvar, kCompanyCapacity, state.Company) && ok;
  ok = StorableText(context.messages, str::kMeasuringPointLabel, form.EMericiMisto, kMeasuringPointCapacity,
                    state.MeasuringPoint) &&
       ok;
  // The designer's name was checked when the user was registered.
  state.Designer = FirstCharacters(context.designer, kDesignerCapacity);
  state.NumberInstallation = context.installation;
  ReadWholeNumber(form.eCisloVypoctuCount, state.NumberCount);
  ReadWholeNumber(form.eCisloVypoctuIdx, state.NumberIndex);
  state.Date = context.today;
  return ReadCascadeGrid(form.SGKaskada2, state, context.selectedSeriesEntry, context.messages,
                         form.textsChanged) &&
         ok;
}

double Transmitter1Range(const CalculationState& state, int selectedSeriesEntry) {
  if (state.CalcKind == CalculationKind::Dp) return state.Dp;
  if (state.DpMaxGiven) return state.DpMax;
  const bool entryChosen =
      selectedSeriesEntry >= 0 && selectedSeriesEntry < static_cast<int>(state.DpSeries.size());
  return state.DpSeries[entryChosen ? selectedSeriesEntry : 0];
}

bool ReadCascadeGrid(CascadeGrid& grid, CalculationState& state, int selectedSeriesEntry, Messages& messages,
                     bool& textsChanged) {
  state.CascadeRange[0] = Transmitter1Range(state, selectedSeriesEntry);
  state.CascadeAccuracy[0] = state.DpTransmitterAccuracy;

  // Transmitter n sits in column n of the grid and at index n - 1 of the state's arrays.
  for (int transmitter = kCascadeTransmitters; transmitter >= 2; --transmitter) {
    std::string& cell = grid.cells[kRangeRow][transmitter];
    double range = 0;
    if (IsBlank(cell)) {
      cell.clear();
    } else if (const auto value = ReadNumber(cell)) {
      range = *value;
    } else {
      cell.clear();
      grid.selectedRow = kRangeRow;
      grid.selectedColumn = transmitter;
      Tell(messages, MessageKind::Error, str::kCascadeRangeInvalid);
      return false;
    }
    Store(state.CascadeRange[transmitter - 1], range, textsChanged);
  }

  for (int transmitter = kCascadeTransmitters; transmitter >= 2; --transmitter) {
    std::string& cell = grid.cells[kAccuracyRow][transmitter];
    double accuracy = 0;
    if (state.CascadeRange[transmitter - 1] == 0) {
      cell.clear();
    } else if (const auto value = ReadNumber(cell)) {
      accuracy = *value;
    } else {
      grid.selectedRow = kAccuracyRow;
      grid.selectedColumn = transmitter;
      Tell(messages, MessageKind::Error, str::kCascadeAccuracyInvalid);
      return false;
    }
    Store(state.CascadeAccuracy[transmitter - 1], accuracy, textsChanged);
  }

  for (int transmitter = 2; transmitter <= kCascadeTransmitters; ++transmitter) {
    if (state.CascadeRange[transmitter - 1] != 0 &&
        state.CascadeAccuracy[transmitter - 1] < kSmallestAccuracy) {
      Tell(messages, MessageKind::Error, str::kCascadeAccuracyTooSmall,
           Format(str::kCascadeAccuracyTooSmall, {std::to_string(transmitter)}));
    }
  }
  return true;
}

}  // namespace pramo
