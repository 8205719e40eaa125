#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pramo {

// Primary element kind, in the order of the element list.
enum class PrimaryElementKind : std::uint8_t {
  OrificeCorner = 0,  // orifice plate, corner tappings
  OrificeDD2 = 1,     // orifice plate, D and D/2 tappings
  OrificeFlange = 2,  // orifice plate, flange tappings
  NozzleIsa1932 = 3,
  NozzleLongRadius = 4,
  VenturiCast = 5,      // classical Venturi tube, as-cast convergent
  VenturiMachined = 6,  // classical Venturi tube, machined convergent
  VenturiWelded = 7,    // classical Venturi tube, rough-welded sheet-iron convergent
  VenturiNozzle = 8,
};
inline constexpr int kElementKindCount = 9;

enum class FluidKind : std::uint8_t {
  SaturatedSteam = 0,
  SuperheatedSteam = 1,
  Water = 2,
  DryAir = 3,
  HumidAir = 4,
  Gas = 5,
  Liquid = 6,
  Undetermined = 7,
};
inline constexpr int kFluidKindCount = 8;

enum class CalculationKind : std::uint8_t { Bore = 0, Dp = 1, Flow = 2 };
inline constexpr int kCalculationKindCount = 3;

// The stored flow unit (not the index of the flow unit list).
enum class FlowUnitKind : std::uint8_t {
  KgPerHour = 0,
  CubicMetresPerHour = 1,    // at operating conditions
  CubicMetresPerHourVp = 2,  // at the flow reference conditions
  CubicMetresPerHourN = 3,   // at 98 066.5 Pa and 20 °C
  CubicMetresPerHourNN = 4,  // at 101 325 Pa and 0 °C
  TonnesPerHour = 5,
};
inline constexpr int kFlowUnitKindCount = 6;

inline constexpr int kMaterialCount = 19;
inline constexpr std::uint8_t kMaterialOther = 18;  // "jiný": no thermal expansion
inline constexpr int kTemperatureBandCount = 8;
inline constexpr int kCascadeTransmitters = 4;  // transmitter 1 and at most three below its range

// Capacities (characters) of the stored strings.
inline constexpr std::size_t kVersionTagCapacity = 6;
inline constexpr std::size_t kFluidNameCapacity = 20;
inline constexpr std::size_t kDescriptionCapacity = 40;
inline constexpr std::size_t kDesignerCapacity = 25;
inline constexpr std::size_t kCompanyCapacity = 50;
inline constexpr std::size_t kMeasuringPointCapacity = 40;

inline constexpr std::size_t kBlockSize = 973;
using CalculationBlock = std::array<std::uint8_t, kBlockSize>;

inline constexpr const char* kCurrentVersionTag = "ver3.5";

// The one calculation the program works on: inputs as typed with their units, the same in base units
// (Pa absolute, °C, kg/m3, Pa·s, kg/s, m), the settings that travel with it, every result, the validity
// flags and its identification. Its stored form is the 973-byte calculation block.
struct CalculationState {
  std::string VersionTag = kCurrentVersionTag;
  PrimaryElementKind ElementKind = PrimaryElementKind::OrificeCorner;
  FluidKind Fluid = FluidKind::SaturatedSteam;
  std::string FluidName;
  double PressureEntered = 0;
  std::uint8_t PressureUnit = 0;
  bool TemperatureGiven = false;
  double TemperatureEntered = 0;
  std::uint8_t TemperatureUnit = 0;
  bool DensityGiven = false;
  double DensityEntered = 0;
  std::uint8_t DensityUnit = 0;
  bool ViscosityGiven = false;
  double ViscosityEntered = 0;
  std::uint8_t ViscosityUnit = 0;
  bool FlowAsDryAir = false;
  double Humidity = 0;
  bool KappaGiven = false;
  double KappaEntered = 0;
  double FlowEntered = 0;
  double FlowMaxEntered = 0;
  double FlowMinEntered = 0;
  FlowUnitKind FlowUnit = FlowUnitKind::KgPerHour;
  bool DpMaxGiven = false;
  double DpMaxEntered = 0;
  std::uint8_t DpUnit = 0;
  double PipeDiameterEntered = 0;
  std::uint8_t PipeDiameterUnit = 0;
  std::uint8_t ElementMaterial = 0;
  std::uint8_t PipeMaterial = 0;
  std::array<bool, 12> Fittings{true};  // boxes 1 to 12; 11 and 12 are stored at the end of the block
  double AddedUncertaintyShortLengths = 0;
  double AddedUncertaintyOffset = 0;
  std::array<double, 10> DpSeries{6300, 10000, 16000, 25000, 40000, 63000, 100000, 160000, 250000, 400000};
  double DpTransmitterAccuracy = 0.2;
  double DensityAccuracy = 1.0;
  std::array<double, kCascadeTransmitters> CascadeRange{};     // transmitters 1 to 4, Pa
  std::array<double, kCascadeTransmitters> CascadeAccuracy{};  // transmitters 1 to 4, %
  double BarometricPressure = 101325;
  std::string Description;
  double Pressure = 0;
  double Temperature = 0;
  double Density = 0;
  double Viscosity = 0;
  double Kappa = 0;
  double MassFlow = 0;
  double MassFlowMax = 0;
  double MassFlowMin = 0;
  double PipeDiameter = 0;
  double DpMax = 0;
  double Dp = 0;
  double ReDMax = 0;
  double VelocityMax = 0;
  double Epsilon = 0;
  double C = 0;
  double Beta = 0;
  double Bore20 = 0;
  double FlowUncertainty = 0;
  double FlowUncertaintyMax = 0;
  double FlowUncertaintyMin = 0;
  double MassFlowMinAllowed = 0;
  double DownstreamLength = 0;
  double UpstreamLength = 0;
  double PipeDiameter20 = 0;
  double ReDMin = 0;
  double Velocity = 0;
  double PressureLoss = 0;
  double ReD = 0;
  double Bore = 0;
  double UncertaintyC = 0;
  double UncertaintyEpsilon = 0;
  double UncertaintyD = 0;
  double UncertaintyBore = 0;
  double UncertaintyDp = 0;
  double VelocityLow = 0;
  double VelocityHigh = 0;
  // Bore d, pipe D, beta, minimum flow, pressure ratio, convergence, velocity, Re_D at maximum flow.
  std::array<bool, 8> LimitFlags{};
  double Residual = 0;
  double ReDMinAllowed = 0;
  std::array<double, 10> FittingLengths{};  // boxes 1 to 10, multiples of D
  double FlowRefPressureEntered = 101325;
  std::uint8_t FlowRefPressureUnit = 0;
  double FlowRefPressure = 101325;
  double FlowRefTemperatureEntered = 0;
  std::uint8_t FlowRefTemperatureUnit = 0;
  double FlowRefTemperature = 0;
  double DensityRefPressureEntered = 101325;
  std::uint8_t DensityRefPressureUnit = 0;
  double DensityRefPressure = 101325;
  double DensityRefTemperatureEntered = 0;
  std::uint8_t DensityRefTemperatureUnit = 0;
  double DensityRefTemperature = 0;
  bool ResultsValid = false;
  std::string Designer;
  std::string Company;
  std::string MeasuringPoint;
  std::uint16_t NumberInstallation = 1;
  std::uint32_t NumberCount = 0;
  double Date = 0;
  CalculationKind CalcKind = CalculationKind::Bore;
  std::uint8_t NumberIndex = 1;
  std::array<std::uint8_t, 2> FittingLengths11and12{};  // whole multiples of D

  // The block this state was last read from (scrambled, as in a file), or zeros for a new calculation.
  // Writing starts from it, so bytes that carry no field (reserved bytes, the unused tails of strings)
  // and field bytes that were not changed go back to the file exactly as they came.
  CalculationBlock StoredImage{};
};

// Working values derived from the state on every input gathering and never stored.
struct DerivedValues {
  double DensityAtFlowRef = 0;
  double DensityAtN = 0;
  double DensityAtNN = 0;
  double DryAirDensity = 0;
  double DryAirDensityAtFlowRef = 0;
  double DryAirDensityAtN = 0;
  double DryAirDensityAtNN = 0;
  double SaturationPressure = 0;
  double SaturationVapourDensity = 0;
  int TemperatureBand = 0;
  double TappingL1 = 0;
  double TappingL2 = 0;
  double EpsilonUncertaintyMin = 0;
  double EpsilonUncertaintyMax = 0;
  double DpUncertaintyMin = 0;
};

// Element groups that many rules test for.
bool IsOrifice(PrimaryElementKind kind);
bool IsNozzle(PrimaryElementKind kind);       // ISA 1932 and long radius nozzle
bool IsVenturiTube(PrimaryElementKind kind);  // classical Venturi tubes
bool IsGas(FluidKind fluid);

// Texts of the lists and the long element names (certificate).
std::string ElementItemText(PrimaryElementKind kind);
std::string ElementLongName(PrimaryElementKind kind);
std::string FluidItemText(FluidKind fluid);
std::string CalculationKindText(CalculationKind kind);
std::string MaterialText(int material);  // the current (19-entry) list

// Whether the tag is one of the older ones whose calculations show the short material lists.
bool UsesOldMaterialLists(const std::string& versionTag);
// The item of the element material list the calculation's tag shows: in the older list the stored
// materials 6 and 7 stand in each other's place.
int ElementMaterialItem(const CalculationState& state);

// Temperature band of t in °C: 0 for t <= 100, 1 for 100 < t <= 200, ... 7 for 700 < t <= 800. The table
// has no band above 800 °C; there the 700-800 °C band serves.
int TemperatureBandOf(double t);

// Linear expansion coefficient in 1e-6/K of a material (0..18) in a temperature band (0..7).
double ExpansionCoefficient(int material, int band);

// A diameter given at 20 °C at the operating temperature t (°C), and back.
double DiameterAtTemperature(double diameter20, int material, int band, double t);
double DiameterAt20(double diameter, int material, int band, double t);

}  // namespace pramo
