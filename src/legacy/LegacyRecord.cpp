#include "legacy/LegacyRecord.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string_view>

#include "core/AirProperties.h"
#include "core/CodePage1250.h"
#include "core/StraightLengths.h"
#include "core/Units.h"
#include "strings/legacy.h"

namespace pramo {
namespace {

using namespace legacy_offset;

constexpr double kDayNumberOffset = 169306;  // the old day count starts this many days before 30.12.1899

std::int32_t Int32BE(const LegacyRecord& r, std::size_t o) {
  const std::uint32_t v = std::uint32_t{r[o]} << 24 | std::uint32_t{r[o + 1]} << 16 |
                          std::uint32_t{r[o + 2]} << 8 | std::uint32_t{r[o + 3]};
  return static_cast<std::int32_t>(v);
}

std::uint32_t Uint24BE(const LegacyRecord& r, std::size_t o) {
  return std::uint32_t{r[o]} << 16 | std::uint32_t{r[o + 1]} << 8 | std::uint32_t{r[o + 2]};
}

std::uint16_t Uint16BE(const LegacyRecord& r, std::size_t o) {
  return static_cast<std::uint16_t>(r[o] << 8 | r[o + 1]);
}

std::uint32_t Uint32LE(const LegacyRecord& r, std::size_t o) {
  return std::uint32_t{r[o]} | std::uint32_t{r[o + 1]} << 8 | std::uint32_t{r[o + 2]} << 16 |
         std::uint32_t{r[o + 3]} << 24;
}

std::string_view Bytes(const LegacyRecord& r, std::size_t o, std::size_t width) {
  return {reinterpret_cast<const char*>(r.data() + o), width};
}

std::span<const std::uint8_t> Span(const LegacyRecord& r, std::size_t o, std::size_t width) {
  return std::span<const std::uint8_t>(r).subspan(o, width);
}

// The decimal value of the digits of a number field; any other character is skipped.
unsigned DigitsValue(const LegacyRecord& r, std::size_t o, std::size_t width) {
  unsigned value = 0;
  for (char c : Bytes(r, o, width)) {
    if (c >= '0' && c <= '9') value = value * 10 + static_cast<unsigned>(c - '0');
  }
  return value;
}

// a / b where a broken record makes the divisor 0: the quantity is then taken as 0.
double Quotient(double a, double b) {
  if (b == 0) return 0;
  const double q = a / b;
  return std::isfinite(q) ? q : 0;
}

// An uncertainty in %, at most 100; one that cannot be computed (infinite or undefined) is 100.
double Capped(double u) {
  return u <= 100 ? u : 100;
}

double Square(double x) {
  return x * x;
}

// The fluid field as the old program wrote it, right-aligned to 13 characters, in each encoding.
constexpr std::string_view kFluidPatterns[] = {
    "    Pára sytá", "Pára přehřátá", "         Voda", " Vzduch suchý",
    " Vzduch vlhký", "         Plyn", "     Kapalina",
};

struct FluidPattern {
  std::string bytes;
  FluidKind kind;
};

// Fluid fields are recognised in Kamenický, code page 852 and plain letters alike, whatever encoding
// the user picked: the old program wrote these names itself.
const std::vector<FluidPattern>& FluidPatterns() {
  static const std::vector<FluidPattern> patterns = [] {
    std::vector<FluidPattern> list;
    for (std::size_t kind = 0; kind < std::size(kFluidPatterns); ++kind) {
      for (auto encoding : {LegacyEncoding::Kamenicky, LegacyEncoding::Latin2, LegacyEncoding::Plain}) {
        list.push_back({EncodeLegacyText(encoding, kFluidPatterns[kind]), static_cast<FluidKind>(kind)});
      }
    }
    return list;
  }();
  return patterns;
}

void DecodeFluid(const LegacyRecord& r, LegacyEncoding encoding, CalculationState& s) {
  const std::string_view field = Bytes(r, kFluid, 13);
  for (const FluidPattern& pattern : FluidPatterns()) {
    if (field == pattern.bytes) {
      s.Fluid = pattern.kind;
      s.FluidName =
          FirstCharacters(Tr(str::kLegacyFluidName[static_cast<int>(pattern.kind)]), kFluidNameCapacity);
      return;
    }
  }
  s.Fluid = FluidKind::Undetermined;
  s.FluidName = FirstCharacters(LegacyField(encoding, Span(r, kFluid, 13)), kFluidNameCapacity);
}

std::uint8_t CodeIndex(std::string_view code, std::span<const std::string_view> codes,
                       std::uint8_t otherwise) {
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (code == codes[i]) return static_cast<std::uint8_t>(i);
  }
  return otherwise;
}

// Material codes of the old program, compared with all six characters; the index is the row of the
// short material list that calculations of the older version tags use ("00 000" is the other material).
constexpr std::string_view kElementMaterialCodes[] = {"17 246", "15 123", "17 021", "17 248",
                                                      "17 347", "17 348", "00 000"};
constexpr std::string_view kPipeMaterialCodes[] = {"11 373", "15 123", "17 021", "17 246",
                                                   "17 248", "17 347", "17 348", "00 000"};

std::uint8_t DensityUnitOf(const LegacyRecord& r) {
  const std::string_view unit = TrimBlanks(Bytes(r, kDensityUnit, 8));
  if (unit == "[kg/m3]" || unit == "1[kg/m3]") return 0;
  if (unit == "N[kg/m3]") return 2;
  if (unit == "n[kg/m3]") return 3;
  return kLegacyUnknownUnit;
}

std::uint8_t FlowUnitOf(const LegacyRecord& r, std::size_t offset) {
  const std::string_view unit = TrimBlanks(Bytes(r, offset, 8));
  if (unit == "[kg/h]") return 0;
  if (unit == "1[m3/h]" || unit == "S1[m3/h]") return 1;
  if (unit == "n[m3/h]" || unit == "Sn[m3/h]") return 3;
  if (unit == "N[m3/h]" || unit == "SN[m3/h]") return 4;
  return kLegacyUnknownUnit;
}

// Mass flow in kg/s of a flow entered in the old flow unit `unit`; a flow in an unknown unit gives 0.
double MassFlowOf(double q, std::uint8_t unit, const CalculationState& s, const DerivedValues& d) {
  const double perSecond = q / 3600;
  if (unit == 0) return perSecond;
  if (!s.FlowAsDryAir) {
    switch (unit) {
      case 1:
        return perSecond * s.Density;
      case 3:
        return perSecond * d.DensityAtN;
      case 4:
        return perSecond * d.DensityAtNN;
      default:
        return 0;
    }
  }
  // A flow of dry air: the humid air carries the vapour besides it.
  const double dryAirPressure = s.Pressure - s.Humidity / 100 * d.SaturationPressure;
  switch (unit) {
    case 1:
      return Quotient(s.Density * perSecond * s.Pressure, dryAirPressure);
    case 3:
      return Quotient(s.Density * s.Pressure * Quotient(perSecond * d.DryAirDensityAtN, d.DryAirDensity),
                      dryAirPressure);
    case 4:
      return Quotient(s.Density * s.Pressure * Quotient(perSecond * d.DryAirDensityAtNN, d.DryAirDensity),
                      dryAirPressure);
    default:
      return 0;
  }
}

void DecodeDensity(const LegacyRecord& r, CalculationState& s, DerivedValues& d) {
  const double rho = Int32BE(r, kDensity) / 1e5;
  const double p1 = s.Pressure;
  const double T = s.Temperature + kZeroCelsius;
  s.DensityGiven = true;
  s.DensityEntered = rho;
  s.DensityUnit = DensityUnitOf(r);
  s.Density = rho;
  switch (s.DensityUnit) {
    case 0:
      d.DensityAtN = Quotient(T * rho * kPressureN, p1 * kTemperatureN);
      d.DensityAtNN = Quotient(T * rho * kPressureNN, p1 * kTemperatureNN);
      break;
    case 2:
      s.Density = rho * p1 * kTemperatureNN / kPressureNN / T;
      d.DensityAtNN = rho;
      d.DensityAtN = rho * kPressureN * kTemperatureNN / kPressureNN / kTemperatureN;
      break;
    case 3:
      s.Density = rho * p1 * kTemperatureN / kPressureN / T;
      d.DensityAtN = rho;
      d.DensityAtNN = rho * kPressureNN * kTemperatureN / kPressureN / kTemperatureNN;
      break;
    default:
      break;
  }
  if (s.FlowAsDryAir) {
    const VapourSaturationValues saturation = VapourSaturation(s.Temperature);
    d.SaturationPressure = saturation.pressure;
    d.SaturationVapourDensity = saturation.vapourDensity;
    d.DryAirDensity = s.Density - s.Humidity / 100 * saturation.vapourDensity;
    d.DryAirDensityAtN = Quotient(T * d.DryAirDensity * kPressureN, p1 * kTemperatureN);
    d.DryAirDensityAtNN = Quotient(T * d.DryAirDensity * kPressureNN, p1 * kTemperatureNN);
  }
}

void DecodeFlows(const LegacyRecord& r, CalculationState& s, const DerivedValues& d) {
  s.FlowEntered = Int32BE(r, kFlow) / 100.0;
  s.FlowMaxEntered = Int32BE(r, kFlowMax) / 100.0;
  s.FlowMinEntered = Int32BE(r, kFlowMin) / 100.0;
  const std::uint8_t unit = FlowUnitOf(r, kFlowUnit);
  s.MassFlowMax = MassFlowOf(s.FlowMaxEntered, FlowUnitOf(r, kFlowMaxUnit), s, d);
  s.MassFlowMin = MassFlowOf(s.FlowMinEntered, FlowUnitOf(r, kFlowMinUnit), s, d);
  s.MassFlow = MassFlowOf(s.FlowEntered, unit, s, d);
  s.FlowUnit = static_cast<FlowUnitKind>(unit);
}

// The old records keep the straight lengths of each fitting; the straight-length routine then works
// out the rest for the older tables. The ticked fittings and the shortened-lengths option must be in
// place before it runs, or it would reckon with those of the previous record.
void DecodeStraightLengths(const LegacyRecord& r, CalculationState& s) {
  for (std::size_t i = 0; i < 10; ++i) {
    s.FittingLengths[i] = Uint16BE(r, kFittingLengths + 2 * i) / 10.0;
    s.Fittings[i] = r[kFittings + i] != 0;
  }
  s.AddedUncertaintyShortLengths = Uint16BE(r, kAddedUncertaintyShortLengths) / 100.0;
  ComputeStraightLengths(s);
  s.DownstreamLength = Uint16BE(r, kDownstreamLength) / 10.0;
}

// The old program stored the uncertainty at the operating flow only; those at the minimum and maximum
// flow are worked out again from the stored components, by the older standard's expansibility term.
void DecodeUncertainties(const LegacyRecord& r, CalculationState& s, DerivedValues& d) {
  s.UncertaintyC = Uint16BE(r, kUncertainties) / 100.0;
  s.UncertaintyEpsilon = Uint16BE(r, kUncertainties + 2) / 100.0;
  s.UncertaintyD = Uint16BE(r, kUncertainties + 4) / 100.0;
  s.UncertaintyBore = Uint16BE(r, kUncertainties + 6) / 100.0;
  s.DpTransmitterAccuracy = Uint16BE(r, kTransmitterAccuracy) / 100.0;
  s.CascadeAccuracy[0] = s.DpTransmitterAccuracy;
  s.UncertaintyDp = Uint16BE(r, kUncertaintyDp) / 100.0;
  s.DensityAccuracy = Uint16BE(r, kDensityAccuracy) / 100.0;
  s.AddedUncertaintyShortLengths = Uint16BE(r, kAddedUncertaintyShortLengths) / 100.0;
  s.AddedUncertaintyOffset = Uint16BE(r, kAddedUncertaintyOffset) / 100.0;
  s.FlowUncertainty = Uint16BE(r, kFlowUncertainty) / 100.0;

  const double dp = s.Dp;
  const double dpMax = s.DpMax;
  const double dpMin = Square(Quotient(s.MassFlowMin, s.MassFlowMax)) * dpMax;
  const double p1 = s.Pressure;
  double uEpsilonMin = 0;
  double uEpsilonMax = 0;
  if (IsGas(s.Fluid)) {
    const double b4 = std::pow(s.Beta, 4);
    const double slope = (0.41 + 0.35 * b4) * 100 / (s.Kappa * p1 * s.Epsilon);
    s.UncertaintyEpsilon = Capped(4 * dp / p1);
    uEpsilonMin = Capped(std::hypot(s.UncertaintyEpsilon, slope * (dp - dpMin)));
    uEpsilonMax = Capped(std::hypot(s.UncertaintyEpsilon, slope * (dpMax - dp)));
  } else {
    s.UncertaintyEpsilon = 0;
  }
  const double uDpMin = dpMin > 0 ? Capped(s.DpTransmitterAccuracy * dpMax / dpMin) : 100;

  const double b4 = std::pow(s.Beta, 4);
  const auto combined = [&](double uEpsilon, double uDp) {
    return Capped(std::sqrt(
        Square(s.UncertaintyC + s.AddedUncertaintyShortLengths + s.AddedUncertaintyOffset) +
        Square(uEpsilon) + Square(2 * b4 / (1 - b4) * s.UncertaintyD) +
        Square(2 / (1 - b4) * s.UncertaintyBore) + Square(uDp) / 4 + Square(s.DensityAccuracy) / 4));
  };
  s.FlowUncertaintyMin = combined(uEpsilonMin, uDpMin);
  s.FlowUncertaintyMax = combined(uEpsilonMax, s.DpTransmitterAccuracy);
  d.EpsilonUncertaintyMin = uEpsilonMin;
  d.EpsilonUncertaintyMax = uEpsilonMax;
  d.DpUncertaintyMin = uDpMin;
  s.MassFlowMinAllowed = s.ReDMinAllowed * std::numbers::pi * s.Viscosity * s.PipeDiameter / 4;
}

}  // namespace

std::string LegacyNumberText(unsigned installation, unsigned count) {
  char text[32];
  std::snprintf(text, sizeof text, "%02u%05u", installation, count);
  return text;
}

bool ReadLegacyList(const std::filesystem::path& path, LegacyEncoding encoding,
                    std::vector<LegacyListEntry>& list, Messages& messages) {
  if (path.empty()) return false;
  list.clear();
  LegacyRecordFile file(kLegacyRecordSize);
  bool ok = file.Open(path);
  if (ok) {
    list.reserve(file.RecordCount());
    LegacyRecord record;
    while (file.Next(record)) {
      list.push_back(
          {LegacyNumberText(DigitsValue(record, kInstallation, 3), DigitsValue(record, kCount, 5)),
           FirstCharacters(LegacyField(encoding, Span(record, kDescription, 50)), kDescriptionCapacity)});
    }
    ok = !file.Failed();
  }
  if (!ok) Tell(messages, MessageKind::Error, str::kLegacyCalculationsReadFailed);
  return ok;
}

void PrepareLegacyState(CalculationState& state) {
  const CalculationState fresh;
  state.VersionTag = kLegacyVersionTag;
  state.ElementKind = PrimaryElementKind::OrificeCorner;  // the old program knew no other element
  state.Designer = Tr(str::kLegacyDesigner);
  state.DpSeries = fresh.DpSeries;
  state.BarometricPressure = 101325;
  for (std::size_t i = 1; i < 4; ++i) state.CascadeRange[i] = state.CascadeAccuracy[i] = 0;
  state.MeasuringPoint.clear();
  state.FlowRefPressureEntered = state.FlowRefPressure = 101325;
  state.FlowRefPressureUnit = 0;
  state.FlowRefTemperatureEntered = state.FlowRefTemperature = 0;
  state.FlowRefTemperatureUnit = 0;
  state.DensityRefPressureEntered = state.DensityRefPressure = 101325;
  state.DensityRefPressureUnit = 0;
  state.DensityRefTemperatureEntered = state.DensityRefTemperature = 0;
  state.DensityRefTemperatureUnit = 0;
  state.LimitFlags = {};
  // The old program had ten fitting boxes; the last two of this program's stay clear.
  state.Fittings[10] = state.Fittings[11] = false;
  // A converted calculation is a new block: nothing of the calculation that happened to be current
  // (reserved bytes, string tails) may travel into the stored records.
  state.StoredImage = {};
}

LegacyDecoder::LegacyDecoder(LegacyEncoding encoding, const LegacyCompanies& companies,
                             std::vector<std::string>& companyList)
    : m_encoding(encoding), m_companies(companies), m_companyList(companyList) {}

void LegacyDecoder::TakeCompany(const LegacyRecord& r, CalculationState& s) {
  std::string number = FirstCharacters(LegacyField(m_encoding, Span(r, kCompanyNumber, 9)), kCompanyCapacity);
  const auto position = m_companies.Find(number);
  if (!position) {
    s.Company = std::move(number);
    return;
  }
  s.Company = FirstCharacters(m_companies.Names()[*position], kCompanyCapacity);
  if (m_companyList.size() < m_listedCount) {
    m_listed.clear();
    m_listedCount = 0;
  }
  for (; m_listedCount < m_companyList.size(); ++m_listedCount) m_listed.insert(m_companyList[m_listedCount]);
  if (m_listed.insert(s.Company).second) {
    m_companyList.push_back(s.Company);
    ++m_listedCount;
  }
}

void LegacyDecoder::Decode(const LegacyRecord& r, CalculationState& s) {
  DerivedValues& d = m_derived = DerivedValues{};

  s.FlowAsDryAir = r[kFlowAsDryAir] != 0;
  s.Humidity = Uint16BE(r, kHumidity);
  s.Date = Uint32LE(r, kDate) / 4096.0 - kDayNumberOffset;
  s.NumberInstallation = static_cast<std::uint16_t>(DigitsValue(r, kInstallation, 3));
  s.NumberCount = DigitsValue(r, kCount, 5);
  s.NumberIndex = 0;
  DecodeFluid(r, m_encoding, s);
  s.Description = FirstCharacters(LegacyField(m_encoding, Span(r, kDescription, 50)), kDescriptionCapacity);
  TakeCompany(r, s);

  s.PressureEntered = s.Pressure = Int32BE(r, kPressure);
  s.PressureUnit = 0;  // Pa absolute
  s.TemperatureGiven = true;
  s.TemperatureEntered = s.Temperature = Uint24BE(r, kTemperature) / 100.0;
  s.TemperatureUnit = 0;  // °C
  DecodeDensity(r, s, d);
  s.ViscosityGiven = true;
  s.ViscosityEntered = Int32BE(r, kViscosity) / 1e5;
  s.ViscosityUnit = 0;  // 1e-6 Pa·s
  s.Viscosity = s.ViscosityEntered * 1e-6;
  s.KappaGiven = s.Fluid == FluidKind::Gas;
  s.KappaEntered = s.Kappa = Uint16BE(r, kKappa) / 1000.0;
  s.PipeDiameterEntered = Int32BE(r, kPipeDiameter20) / 1000.0;
  s.PipeDiameterUnit = 0;  // mm
  s.PipeDiameter20 = s.PipeDiameterEntered / 1000;
  s.PipeDiameter = Int32BE(r, kPipeDiameter) / 1e6;
  DecodeFlows(r, s, d);

  s.DpMaxGiven = true;
  s.DpMaxEntered = s.DpMax = s.CascadeRange[0] = Int32BE(r, kDpMax);
  s.DpUnit = 0;  // Pa
  s.Dp = Square(Quotient(s.MassFlow, s.MassFlowMax)) * s.DpMax;

  s.ElementMaterial = CodeIndex(Bytes(r, kElementMaterial, 6), kElementMaterialCodes, kLegacyUnknownMaterial);
  s.PipeMaterial = CodeIndex(Bytes(r, kPipeMaterial, 6), kPipeMaterialCodes, kLegacyUnknownMaterial);

  s.ReD = Int32BE(r, kReD);
  s.ReDMax = Int32BE(r, kReDMax);
  s.ReDMin = Int32BE(r, kReDMin);
  s.Velocity = Uint24BE(r, kVelocity) / 100.0;
  s.VelocityMax = Uint24BE(r, kVelocityMax) / 100.0;
  s.VelocityLow = s.VelocityHigh = 0;  // the old records hold no recommended velocity
  s.C = Uint24BE(r, kC) / 10000.0;
  s.Epsilon = Uint24BE(r, kEpsilon) / 10000.0;
  s.Beta = Uint24BE(r, kBeta) / 10000.0;
  s.ReDMinAllowed = s.Beta <= 0.45 ? 5000 : 10000;
  s.Bore = Int32BE(r, kBore) / 1e6;
  s.Bore20 = Int32BE(r, kBore20) / 1e6;

  DecodeStraightLengths(r, s);
  s.PressureLoss = Uint24BE(r, kPressureLoss);
  DecodeUncertainties(r, s, d);
  s.LimitFlags[0] = r[kBoreValid] != 0;
}

void DecodeLegacyRecord(const LegacyRecord& record, LegacyEncoding encoding, const LegacyCompanies& companies,
                        std::vector<std::string>& companyList, CalculationState& state) {
  LegacyDecoder(encoding, companies, companyList).Decode(record, state);
}

}  // namespace pramo
