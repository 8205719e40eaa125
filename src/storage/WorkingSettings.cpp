#include "storage/WorkingSettings.h"

namespace pramo {

void ApplyWorkingSettings(const WorkingSettings& settings, CalculationState& state) {
  state.DpTransmitterAccuracy = settings.DpTransmitterAccuracy;
  state.DensityAccuracy = settings.DensityAccuracy;
  state.DpSeries = settings.DpSeries;
  state.BarometricPressure = settings.BarometricPressure;
  state.FlowRefPressureEntered = state.FlowRefPressure = settings.FlowRefPressure;
  state.FlowRefPressureUnit = 0;
  state.FlowRefTemperatureEntered = state.FlowRefTemperature = settings.FlowRefTemperature;
  state.FlowRefTemperatureUnit = 0;
  state.DensityRefPressureEntered = state.DensityRefPressure = settings.DensityRefPressure;
  state.DensityRefPressureUnit = 0;
  state.DensityRefTemperatureEntered = state.DensityRefTemperature = settings.DensityRefTemperature;
  state.DensityRefTemperatureUnit = 0;
}

void TakeWorkingSettings(const CalculationState& state, WorkingSettings& settings) {
  settings.DpTransmitterAccuracy = state.DpTransmitterAccuracy;
  settings.DensityAccuracy = state.DensityAccuracy;
  settings.DpSeries = state.DpSeries;
  settings.BarometricPressure = state.BarometricPressure;
  settings.FlowRefPressure = state.FlowRefPressure;
  settings.FlowRefTemperature = state.FlowRefTemperature;
  settings.DensityRefPressure = state.DensityRefPressure;
  settings.DensityRefTemperature = state.DensityRefTemperature;
}

bool DiffersFromWorkingSettings(const CalculationState& state, const WorkingSettings& settings) {
  return state.BarometricPressure != settings.BarometricPressure ||
         state.DpTransmitterAccuracy != settings.DpTransmitterAccuracy ||
         state.DensityAccuracy != settings.DensityAccuracy ||
         state.FlowRefPressure != settings.FlowRefPressure ||
         state.FlowRefTemperature != settings.FlowRefTemperature ||
         state.DensityRefPressure != settings.DensityRefPressure ||
         state.DensityRefTemperature != settings.DensityRefTemperature;
}

}  // namespace pramo
