#include "app/SettingsDialogs.h"

#include <charconv>

#include "core/NumberText.h"
#include "core/Units.h"
#include "strings/app.h"

namespace pramo {
namespace {

// A whole number as typed: an optional sign and digits, blanks around it allowed.
std::optional<double> ReadWholeNumber(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  long long value = 0;
  auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || begin == end) return std::nullopt;
  return static_cast<double>(value);
}

}  // namespace

ValuePrompt ValuePromptFor(ValuePurpose purpose, const CalculationState& s, char separator) {
  const int index = static_cast<int>(purpose) - 1;
  ValuePrompt prompt{Tr(str::kValuePrompt[index]), "", ""};
  switch (purpose) {
    case ValuePurpose::DpTransmitterAccuracy:
      prompt.unit = Tr(str::kGridUnitPercent);
      prompt.text = FixedText(s.DpTransmitterAccuracy, 3, separator);
      break;
    case ValuePurpose::DensityAccuracy:
      prompt.unit = Tr(str::kGridUnitPercent);
      prompt.text = FixedText(s.DensityAccuracy, 2, separator);
      break;
    case ValuePurpose::BarometricPressure:
      prompt.unit = Tr(str::kGridUnitPa);
      prompt.text = PaddedFixedText(s.BarometricPressure, 2, 8, separator);
      break;
  }
  return prompt;
}

std::string StandardValueText(ValuePurpose purpose, char separator) {
  switch (purpose) {
    case ValuePurpose::DpTransmitterAccuracy:
      return "0.200";
    case ValuePurpose::DensityAccuracy:
      return "1.00";
    case ValuePurpose::BarometricPressure:
      break;
  }
  return PaddedFixedText(101325, 2, 8, separator);
}

ValueAnswer AcceptValue(ValuePurpose purpose, const std::string& text, CalculationState& s,
                        Messages& messages) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) {
    Tell(messages, MessageKind::Error, str::kNumberExpected);
    return ValueAnswer::NotANumber;
  }
  switch (purpose) {
    case ValuePurpose::DpTransmitterAccuracy:
      if (*value < kSmallestTransmitterAccuracy) {
        Tell(messages, MessageKind::Warning, str::kAccuracyTooSmall);
        return ValueAnswer::Refused;
      }
      s.DpTransmitterAccuracy = *value;
      break;
    case ValuePurpose::DensityAccuracy:
      s.DensityAccuracy = *value;
      break;
    case ValuePurpose::BarometricPressure:
      s.BarometricPressure = *value;
      break;
  }
  return ValueAnswer::Stored;
}

ReferenceTexts ReferenceTextsOf(ReferencePurpose purpose, const CalculationState& s, char separator) {
  const bool flow = purpose == ReferencePurpose::Flow;
  ReferenceTexts texts;
  texts.heading = Tr(flow ? str::kReferenceHeadingFlow : str::kReferenceHeadingDensity);
  texts.pressure = GeneralText(flow ? s.FlowRefPressureEntered : s.DensityRefPressureEntered, 6, separator);
  texts.pressureUnit = flow ? s.FlowRefPressureUnit : s.DensityRefPressureUnit;
  texts.temperature =
      GeneralText(flow ? s.FlowRefTemperatureEntered : s.DensityRefTemperatureEntered, 6, separator);
  texts.temperatureUnit = flow ? s.FlowRefTemperatureUnit : s.DensityRefTemperatureUnit;
  return texts;
}

ReferenceAnswer AcceptReference(ReferencePurpose purpose, const std::string& pressure, int pressureUnit,
                                const std::string& temperature, int temperatureUnit, CalculationState& s,
                                Messages& messages) {
  const bool flow = purpose == ReferencePurpose::Flow;
  const std::optional<double> p = ReadNumber(pressure);
  const std::optional<double> t = ReadNumber(temperature);
  const bool pressureUnitOk = pressureUnit >= 0 && pressureUnit < kDpUnitCount;
  const bool temperatureUnitOk = temperatureUnit >= 0 && temperatureUnit < kTemperatureUnitCount;
  ReferenceAnswer answer;
  if (p && pressureUnitOk) {
    (flow ? s.FlowRefPressureEntered : s.DensityRefPressureEntered) = *p;
    (flow ? s.FlowRefPressureUnit : s.DensityRefPressureUnit) = static_cast<std::uint8_t>(pressureUnit);
    (flow ? s.FlowRefPressure : s.DensityRefPressure) = DpToPa(pressureUnit, *p);
    answer.pressureStored = true;
  }
  if (t && temperatureUnitOk) {
    (flow ? s.FlowRefTemperatureEntered : s.DensityRefTemperatureEntered) = *t;
    (flow ? s.FlowRefTemperatureUnit : s.DensityRefTemperatureUnit) =
        static_cast<std::uint8_t>(temperatureUnit);
    (flow ? s.FlowRefTemperature : s.DensityRefTemperature) = TemperatureToCelsius(temperatureUnit, *t);
    answer.temperatureStored = true;
  }
  if (!answer.Complete()) Tell(messages, MessageKind::Error, str::kNumberExpected);
  return answer;
}

std::array<std::string, 10> DpSeriesTexts(const std::array<double, 10>& series, char separator) {
  std::array<std::string, 10> texts;
  for (std::size_t i = 0; i < series.size(); ++i) texts[i] = GeneralText(series[i], 15, separator);
  return texts;
}

std::array<double, 10> StandardDpSeries() {
  return CalculationState{}.DpSeries;
}

std::array<bool, 10> AcceptDpSeries(const std::array<std::string, 10>& texts, CalculationState& s) {
  std::array<bool, 10> failed{};
  for (int i = 9; i >= 0; --i) {
    if (const auto value = ReadWholeNumber(texts[i]))
      s.DpSeries[i] = *value;
    else
      failed[i] = true;
  }
  return failed;
}

std::string FluidNameFromText(const std::string& text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A character starts at every byte that is not a UTF-8 continuation byte.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == kFluidNameCapacity)
      return text.substr(0, i);
  }
  return text;
}

}  // namespace pramo
