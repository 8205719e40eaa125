#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"

namespace pramo {

// What the single-value window edits, as its opener sets it.
enum class ValuePurpose { DpTransmitterAccuracy = 1, DensityAccuracy = 2, BarometricPressure = 3 };

struct ValuePrompt {
  std::string label;
  std::string unit;
  std::string text;  // the stored value in the purpose's format
};
ValuePrompt ValuePromptFor(ValuePurpose purpose, const CalculationState& state, char decimalSeparator = '.');

// The value "Standard" puts into the edit.
std::string StandardValueText(ValuePurpose purpose, char decimalSeparator = '.');

// "OK" in the single-value window: stores the typed value, or tells why not (false). After a text that is
// no number the edit is to show the stored value again (ValuePromptFor).
enum class ValueAnswer { Stored, NotANumber, Refused };
ValueAnswer AcceptValue(ValuePurpose purpose, const std::string& text, CalculationState& state,
                        Messages& messages);

// The smallest accuracy of the differential-pressure transmitter accepted, %.
inline constexpr double kSmallestTransmitterAccuracy = 0.0001;

// Which reference condition the reference-conditions window edits.
enum class ReferencePurpose { Flow = 1, Density = 2 };

struct ReferenceTexts {
  std::string heading;
  std::string pressure;  // as entered, in general format
  int pressureUnit = 0;  // differential-pressure unit list
  std::string temperature;
  int temperatureUnit = 0;
};
ReferenceTexts ReferenceTextsOf(ReferencePurpose purpose, const CalculationState& state,
                                char decimalSeparator = '.');

// "OK" in the reference-conditions window: each value that reads as a number is stored as entered, with its
// unit and in base units; one message when either does not.
struct ReferenceAnswer {
  bool pressureStored = false;
  bool temperatureStored = false;
  bool Complete() const { return pressureStored && temperatureStored; }
};
ReferenceAnswer AcceptReference(ReferencePurpose purpose, const std::string& pressure, int pressureUnit,
                                const std::string& temperature, int temperatureUnit, CalculationState& state,
                                Messages& messages);

// The ten series edits as shown and as "Standard" fills them.
std::array<std::string, 10> DpSeriesTexts(const std::array<double, 10>& series, char decimalSeparator = '.');
std::array<double, 10> StandardDpSeries();

// "OK" in the series window: every edit that holds a whole number is stored at once; the others are
// returned as failed (shown yellow).
std::array<bool, 10> AcceptDpSeries(const std::array<std::string, 10>& texts, CalculationState& state);

// The name of a user fluid as stored: at most 20 characters of the typed text.
std::string FluidNameFromText(const std::string& text);

}  // namespace pramo
