#include "core/CalculationState.h"

#include <cmath>

#include "strings/core.h"

namespace pramo {
namespace {

// Linear expansion coefficients, 1e-6/K, by material row and 100 K temperature band (0-100 .. 700-800 °C).
constexpr double kExpansion[kMaterialCount][kTemperatureBandCount] = {
    {11.1, 12.1, 12.9, 13.5, 13.9, 13.9, 13.9, 13.9},  // 0
    {11.1, 12.1, 12.9, 13.5, 13.9, 13.9, 13.9, 13.9},  // 1
    {11.1, 12.1, 12.9, 13.5, 13.9, 13.9, 13.9, 13.9},  // 2
    {11.1, 12.1, 12.9, 13.5, 13.5, 13.5, 13.5, 13.5},  // 3
    {10.0, 10.8, 11.3, 11.7, 12.0, 12.4, 12.4, 12.4},  // 4
    {15.9, 16.6, 17.2, 17.7, 18.3, 18.7, 18.7, 18.7},  // 5
    {15.9, 16.6, 17.2, 17.7, 18.3, 18.7, 18.7, 18.7},  // 6
    {16.5, 17.0, 17.5, 18.0, 18.5, 18.9, 18.9, 18.9},  // 7
    {16.5, 17.0, 17.5, 18.0, 18.5, 18.9, 18.9, 18.9},  // 8
    {15.9, 16.6, 17.2, 17.7, 18.3, 18.7, 19.1, 19.3},  // 9
    {17.8, 18.0, 18.1, 18.2, 18.4, 18.7, 19.0, 19.2},  // 10
    {12.0, 12.5, 12.9, 13.5, 13.9, 14.1, 14.1, 14.1},  // 11
    {12.5, 13.1, 13.6, 14.0, 14.4, 14.7, 14.7, 14.7},  // 12
    {12.5, 13.1, 13.6, 14.0, 14.4, 14.7, 14.7, 14.7},  // 13
    {11.8, 12.3, 12.6, 12.8, 13.2, 13.6, 13.6, 13.6},  // 14
    {13.1, 13.2, 13.4, 13.6, 13.8, 14.0, 14.2, 14.2},  // 15
    {13.6, 13.8, 14.1, 14.4, 14.7, 15.0, 15.2, 15.2},  // 16
    {15.0, 16.0, 17.0, 17.3, 18.0, 18.4, 18.6, 19.1},  // 17
    {0, 0, 0, 0, 0, 0, 0, 0},                          // 18 "jiný"
};

template <std::size_t N>
std::string ItemText(const Text (&items)[N], int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? Tr(items[index]) : std::string();
}

double ExpansionFactor(int material, int band, double t) {
  return 1.0 + ExpansionCoefficient(material, band) * 1e-6 * (t - 20.0);
}

}  // namespace

bool IsOrifice(PrimaryElementKind kind) {
  return static_cast<int>(kind) < 3;
}
bool IsNozzle(PrimaryElementKind kind) {
  return kind == PrimaryElementKind::NozzleIsa1932 || kind == PrimaryElementKind::NozzleLongRadius;
}
bool IsVenturiTube(PrimaryElementKind kind) {
  return kind == PrimaryElementKind::VenturiCast || kind == PrimaryElementKind::VenturiMachined ||
         kind == PrimaryElementKind::VenturiWelded;
}
bool IsGas(FluidKind fluid) {
  return fluid == FluidKind::SaturatedSteam || fluid == FluidKind::SuperheatedSteam ||
         fluid == FluidKind::DryAir || fluid == FluidKind::HumidAir || fluid == FluidKind::Gas;
}

std::string ElementItemText(PrimaryElementKind kind) {
  return ItemText(str::kElementItem, static_cast<int>(kind));
}
std::string ElementLongName(PrimaryElementKind kind) {
  return ItemText(str::kElementLongName, static_cast<int>(kind));
}
std::string FluidItemText(FluidKind fluid) {
  return ItemText(str::kFluidItem, static_cast<int>(fluid));
}
std::string CalculationKindText(CalculationKind kind) {
  return ItemText(str::kCalculationKindItem, static_cast<int>(kind));
}
std::string MaterialText(int material) {
  return ItemText(str::kMaterialItem, material);
}

bool UsesOldMaterialLists(const std::string& versionTag) {
  return versionTag == "ver2.2" || versionTag == "ver3.3" || versionTag == "ver3.4";
}

int ElementMaterialItem(const CalculationState& state) {
  const int stored = state.ElementMaterial;
  if (!UsesOldMaterialLists(state.VersionTag)) return stored;
  return stored == 6 ? 7 : stored == 7 ? 6 : stored;
}

int TemperatureBandOf(double t) {
  if (!(t > 100.0)) return 0;
  if (t > 700.0) return 7;
  return static_cast<int>(std::ceil(t / 100.0)) - 1;
}

double ExpansionCoefficient(int material, int band) {
  if (material < 0 || material >= kMaterialCount || band < 0 || band >= kTemperatureBandCount) return 0;
  return kExpansion[material][band];
}

double DiameterAtTemperature(double diameter20, int material, int band, double t) {
  return diameter20 * ExpansionFactor(material, band, t);
}

double DiameterAt20(double diameter, int material, int band, double t) {
  return diameter / ExpansionFactor(material, band, t);
}

}  // namespace pramo
