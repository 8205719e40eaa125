#pragma once

#include <array>
#include <string>

#include "core/CalculationState.h"

namespace pramo {

// The working defaults of a calculation kept in the configuration file: every new calculation starts
// from them, and a stored or imported calculation is compared with them.
struct WorkingSettings {
  std::string Footer = "Firma x Telefon x URL";
  bool PrintFooter = false;
  double DpTransmitterAccuracy = 0.2;
  double DensityAccuracy = 1.0;
  std::array<double, 10> DpSeries{6300, 10000, 16000, 25000, 40000, 63000, 100000, 160000, 250000, 400000};
  double BarometricPressure = 101325;
  double FlowRefPressure = 101325;
  double FlowRefTemperature = 0;
  double DensityRefPressure = 101325;
  double DensityRefTemperature = 0;
};

// Puts the working settings into a calculation: accuracies, series, barometric pressure, and each reference
// condition as entered and in base units with unit index 0.
void ApplyWorkingSettings(const WorkingSettings& settings, CalculationState& state);

// The reverse, when the settings are saved: the values the settings dialogs edited in the calculation, the
// reference conditions in base units. The footer is not part of a calculation and stays.
void TakeWorkingSettings(const CalculationState& state, WorkingSettings& settings);

// Whether any of the seven compared values of a calculation differs from the settings: barometric
// pressure, the two accuracies and the four reference conditions in base units.
bool DiffersFromWorkingSettings(const CalculationState& state, const WorkingSettings& settings);

}  // namespace pramo
