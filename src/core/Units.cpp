#include "core/Units.h"

#include <charconv>
#include <cmath>
#include <string>

namespace pramo {
namespace {

constexpr double kUnitFactor[kDpUnitCount] = {1, 1000, 1000000, 6894.76, 100, 100000, 98.0665, 98066.5};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  std::string s(text);
  for (char& c : s)
    if (c == ',') c = '.';
  std::size_t start = 0;
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    start = 1;
  }
  // Only digits, one separator and an exponent: no "inf", "nan" or hexadecimal forms.
  if (start >= s.size() || !(std::isdigit(static_cast<unsigned char>(s[start])) || s[start] == '.'))
    return std::nullopt;
  double value = 0;
  const char* first = s.data() + start;
  const char* last = s.data() + s.size();
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

double PressureToPa(int unit, double value, double barometricPressure) {
  const double pa = value * kUnitFactor[unit % kDpUnitCount];
  return unit >= kDpUnitCount ? pa + barometricPressure : pa;
}

double DpToPa(int unit, double value) {
  return value * kUnitFactor[unit];
}

double TemperatureToCelsius(int unit, double value) {
  switch (unit) {
    case 1:
      return value - 273.15;
    case 2:
      return (value - 32.0) * 5.0 / 9.0;
    default:
      return value;
  }
}

double PipeDiameterToMetres(int unit, double value) {
  constexpr double kDivisor[kPipeDiameterUnitCount] = {1000, 100, 10, 1};
  return value / kDivisor[unit];
}

double ViscosityToPaS(int unit, double value, double density) {
  switch (unit) {
    case 0:
      return value * 1e-6;
    case 1:
      return value;
    case 2:
      return value * 0.1;
    case 3:
      return value * 1e-4;
    case 4:
      return value * 0.001;
    case 5:
      return value * 0.1;
    case 6:
      return value * 1e-6 * density;
    case 7:
      return value * 1e-4 * density;
    case 8:
      return value * density;
    case 9:
      return value * 1e-6 * density;
    default:
      return value * 1e-4 * density;
  }
}

FlowUnitKind FlowUnitKindOfItem(int item) {
  constexpr FlowUnitKind kKinds[] = {FlowUnitKind::KgPerHour,           FlowUnitKind::TonnesPerHour,
                                     FlowUnitKind::CubicMetresPerHour,  FlowUnitKind::CubicMetresPerHourVp,
                                     FlowUnitKind::CubicMetresPerHourN, FlowUnitKind::CubicMetresPerHourNN};
  return item >= 0 && item < kFlowUnitKindCount ? kKinds[item] : FlowUnitKind::KgPerHour;
}

int FlowUnitItemOfKind(FlowUnitKind kind) {
  constexpr int kItems[] = {0, 2, 3, 4, 5, 1};
  const int k = static_cast<int>(kind);
  return k < kFlowUnitKindCount ? kItems[k] : 0;
}

int FlowUnitItemCount(FluidKind fluid) {
  switch (fluid) {
    case FluidKind::SaturatedSteam:
    case FluidKind::SuperheatedSteam:
      return 2;
    case FluidKind::Water:
    case FluidKind::Liquid:
      return 3;
    default:
      return 6;
  }
}

int DensityUnitItemCount(FluidKind fluid) {
  switch (fluid) {
    case FluidKind::DryAir:
    case FluidKind::HumidAir:
    case FluidKind::Gas:
    case FluidKind::Undetermined:
      return 4;
    default:
      return 1;
  }
}

double MassFlowOf(FlowUnitKind unit, double value, const FlowConversion& c) {
  if (!(value > 0)) return 0;
  const double perSecond = value / 3600.0;
  // A flow of dry air in volume units becomes the flow of the humid air that carries it.
  const double humidShare = c.pressure / (c.pressure - c.humidity / 100.0 * c.derived.SaturationPressure);
  const auto& d = c.derived;
  switch (unit) {
    case FlowUnitKind::KgPerHour:
      return perSecond;
    case FlowUnitKind::TonnesPerHour:
      return 1000.0 * perSecond;
    case FlowUnitKind::CubicMetresPerHour:
      return c.asDryAir ? c.density * perSecond * humidShare : c.density * perSecond;
    case FlowUnitKind::CubicMetresPerHourVp:
      return c.asDryAir ? c.density * perSecond * (d.DryAirDensityAtFlowRef / d.DryAirDensity) * humidShare
                        : d.DensityAtFlowRef * perSecond;
    case FlowUnitKind::CubicMetresPerHourN:
      return c.asDryAir ? c.density * perSecond * (d.DryAirDensityAtN / d.DryAirDensity) * humidShare
                        : d.DensityAtN * perSecond;
    case FlowUnitKind::CubicMetresPerHourNN:
      return c.asDryAir ? c.density * perSecond * (d.DryAirDensityAtNN / d.DryAirDensity) * humidShare
                        : d.DensityAtNN * perSecond;
  }
  return 0;
}

double DefaultKappa(FluidKind fluid) {
  switch (fluid) {
    case FluidKind::SaturatedSteam:
      return 1.135;
    case FluidKind::SuperheatedSteam:
      return 1.35;
    case FluidKind::DryAir:
    case FluidKind::HumidAir:
    case FluidKind::Gas:
      return 1.41;
    default:
      return 1.0;
  }
}

}  // namespace pramo
