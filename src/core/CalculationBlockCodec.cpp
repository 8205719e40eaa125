#include "core/CalculationBlockCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/CodePage1250.h"

namespace pramo {
namespace {

constexpr std::uint8_t kStringKey = 0x5B;

std::string ReadText(const CalculationBlock& block, std::size_t offset, std::size_t capacity,
                     bool scrambled) {
  const std::size_t length = std::min<std::size_t>(block[offset], capacity);
  std::string bytes(reinterpret_cast<const char*>(block.data() + offset + 1), length);
  if (scrambled)
    for (char& c : bytes) c = static_cast<char>(static_cast<std::uint8_t>(c) ^ kStringKey);
  return Utf8From1250(bytes);
}

// Reads the fields from a block.
class Reader {
 public:
  explicit Reader(const CalculationBlock& block) : m_block(block) {}

  template <class T>
  void Number(std::size_t offset, T& value) {
    std::uint8_t bytes[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = m_block[offset + i];  // little-endian on disk
    if constexpr (std::endian::native == std::endian::big) std::reverse(std::begin(bytes), std::end(bytes));
    std::memcpy(&value, bytes, sizeof(T));
  }
  void Flag(std::size_t offset, bool& value) { value = m_block[offset] != 0; }
  template <class E>
  void Enum(std::size_t offset, E& value) {
    value = static_cast<E>(m_block[offset]);
  }
  void String(std::size_t offset, std::size_t capacity, bool scrambled, std::string& value) {
    value = ReadText(m_block, offset, capacity, scrambled);
  }

 private:
  const CalculationBlock& m_block;
};

// Writes the fields over the state's stored image. A field whose image already reads as the same value
// is left alone, so an unchanged block is written back byte for byte whatever odd bytes it held.
class Writer {
 public:
  explicit Writer(CalculationBlock& block) : m_block(block) {}

  template <class T>
  void Number(std::size_t offset, const T& value) {
    std::uint8_t bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    if constexpr (std::endian::native == std::endian::big) std::reverse(std::begin(bytes), std::end(bytes));
    std::copy(std::begin(bytes), std::end(bytes), m_block.begin() + offset);
  }
  void Flag(std::size_t offset, const bool& value) {
    if ((m_block[offset] != 0) != value) m_block[offset] = value ? 1 : 0;
  }
  template <class E>
  void Enum(std::size_t offset, const E& value) {
    m_block[offset] = static_cast<std::uint8_t>(value);
  }
  void String(std::size_t offset, std::size_t capacity, bool scrambled, const std::string& value) {
    if (ReadText(m_block, offset, capacity, scrambled) == value) return;
    // Texts are checked for the code page when they are entered; anything that still cannot be held is
    // cut at the first such character rather than written wrongly.
    std::string bytes;
    for (std::size_t n = CharacterCount(value); n > 0; --n) {
      if (auto encoded = To1250(FirstCharacters(value, n))) {
        bytes = std::move(*encoded);
        break;
      }
    }
    if (bytes.size() > capacity) bytes.resize(capacity);
    m_block[offset] = static_cast<std::uint8_t>(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto b = static_cast<std::uint8_t>(bytes[i]);
      m_block[offset + 1 + i] = scrambled ? b ^ kStringKey : b;
    }
  }

 private:
  CalculationBlock& m_block;
};

// The one description of the block: every field at its offset, in stored order.
template <class Io, class State>
void VisitBlock(Io& io, State& s) {
  io.String(0, kVersionTagCapacity, false, s.VersionTag);
  io.Enum(7, s.ElementKind);
  io.Enum(8, s.Fluid);
  io.String(9, kFluidNameCapacity, true, s.FluidName);
  io.Number(30, s.PressureEntered);
  io.Enum(38, s.PressureUnit);
  io.Flag(39, s.TemperatureGiven);
  io.Number(40, s.TemperatureEntered);
  io.Enum(48, s.TemperatureUnit);
  io.Flag(49, s.DensityGiven);
  io.Number(50, s.DensityEntered);
  io.Enum(58, s.DensityUnit);
  io.Flag(59, s.ViscosityGiven);
  io.Number(60, s.ViscosityEntered);
  io.Enum(68, s.ViscosityUnit);
  io.Flag(69, s.FlowAsDryAir);
  io.Number(70, s.Humidity);
  io.Flag(78, s.KappaGiven);
  io.Number(79, s.KappaEntered);
  io.Number(87, s.FlowEntered);
  io.Number(95, s.FlowMaxEntered);
  io.Number(103, s.FlowMinEntered);
  io.Enum(111, s.FlowUnit);
  io.Flag(112, s.DpMaxGiven);
  io.Number(113, s.DpMaxEntered);
  io.Enum(121, s.DpUnit);
  io.Number(122, s.PipeDiameterEntered);
  io.Enum(130, s.PipeDiameterUnit);
  io.Enum(131, s.ElementMaterial);
  io.Enum(132, s.PipeMaterial);
  for (std::size_t i = 0; i < 10; ++i) io.Flag(133 + i, s.Fittings[i]);
  io.Number(143, s.AddedUncertaintyShortLengths);
  io.Number(151, s.AddedUncertaintyOffset);
  for (std::size_t i = 0; i < 10; ++i) io.Number(159 + 8 * i, s.DpSeries[i]);
  io.Number(239, s.DpTransmitterAccuracy);
  io.Number(247, s.DensityAccuracy);
  for (std::size_t i = 0; i < 4; ++i) io.Number(255 + 8 * i, s.CascadeRange[i]);
  for (std::size_t i = 0; i < 4; ++i) io.Number(287 + 8 * i, s.CascadeAccuracy[i]);
  io.Number(319, s.BarometricPressure);
  io.String(327, kDescriptionCapacity, true, s.Description);
  io.Number(368, s.Pressure);
  io.Number(376, s.Temperature);
  io.Number(384, s.Density);
  io.Number(392, s.Viscosity);
  io.Number(400, s.Kappa);
  io.Number(408, s.MassFlow);
  io.Number(416, s.MassFlowMax);
  io.Number(424, s.MassFlowMin);
  io.Number(432, s.PipeDiameter);
  io.Number(440, s.DpMax);
  io.Number(448, s.Dp);
  io.Number(456, s.ReDMax);
  io.Number(464, s.VelocityMax);
  io.Number(472, s.Epsilon);
  io.Number(480, s.C);
  io.Number(488, s.Beta);
  io.Number(496, s.Bore20);
  io.Number(504, s.FlowUncertainty);
  io.Number(512, s.FlowUncertaintyMax);
  io.Number(520, s.FlowUncertaintyMin);
  io.Number(528, s.MassFlowMinAllowed);
  io.Number(536, s.DownstreamLength);
  io.Number(544, s.UpstreamLength);
  io.Number(552, s.PipeDiameter20);
  io.Number(560, s.ReDMin);
  io.Number(568, s.Velocity);
  io.Number(576, s.PressureLoss);
  io.Number(584, s.ReD);
  io.Number(592, s.Bore);
  io.Number(600, s.UncertaintyC);
  io.Number(608, s.UncertaintyEpsilon);
  io.Number(616, s.UncertaintyD);
  io.Number(624, s.UncertaintyBore);
  io.Number(632, s.UncertaintyDp);
  io.Number(640, s.VelocityLow);
  io.Number(648, s.VelocityHigh);
  for (std::size_t i = 0; i < 8; ++i) io.Flag(656 + i, s.LimitFlags[i]);
  io.Number(664, s.Residual);
  io.Number(672, s.ReDMinAllowed);
  for (std::size_t i = 0; i < 10; ++i) io.Number(680 + 8 * i, s.FittingLengths[i]);
  io.Number(760, s.FlowRefPressureEntered);
  io.Enum(768, s.FlowRefPressureUnit);
  io.Number(769, s.FlowRefPressure);
  io.Number(777, s.FlowRefTemperatureEntered);
  io.Enum(785, s.FlowRefTemperatureUnit);
  io.Number(786, s.FlowRefTemperature);
  io.Number(794, s.DensityRefPressureEntered);
  io.Enum(802, s.DensityRefPressureUnit);
  io.Number(803, s.DensityRefPressure);
  io.Number(811, s.DensityRefTemperatureEntered);
  io.Enum(819, s.DensityRefTemperatureUnit);
  io.Number(820, s.DensityRefTemperature);
  io.Flag(828, s.ResultsValid);
  io.String(829, kDesignerCapacity, true, s.Designer);
  io.String(855, kCompanyCapacity, true, s.Company);
  io.String(906, kMeasuringPointCapacity, true, s.MeasuringPoint);
  io.Number(947, s.NumberInstallation);
  io.Number(949, s.NumberCount);
  io.Number(953, s.Date);
  // 961..966 reserved: carried by the stored image.
  io.Enum(967, s.CalcKind);
  io.Enum(968, s.NumberIndex);
  io.Enum(969, s.FittingLengths11and12[0]);
  io.Enum(970, s.FittingLengths11and12[1]);
  io.Flag(971, s.Fittings[10]);
  io.Flag(972, s.Fittings[11]);
}

}  // namespace

CalculationBlock EncodeBlock(const CalculationState& state) {
  CalculationBlock block = state.StoredImage;
  Writer writer(block);
  VisitBlock(writer, state);
  return block;
}

CalculationState DecodeBlock(const CalculationBlock& block) {
  CalculationState state;
  Reader reader(block);
  VisitBlock(reader, state);
  state.StoredImage = block;
  return state;
}

void ScrambleString(std::span<std::uint8_t> characters) {
  for (auto& c : characters) c ^= kStringKey;
}

std::string BlockVersionTag(std::span<const std::uint8_t> block) {
  if (block.size() < kVersionTagCapacity + 1) return {};
  const std::size_t length = std::min<std::size_t>(block[0], kVersionTagCapacity);
  return std::string(reinterpret_cast<const char*>(block.data() + 1), length);
}

bool IsKnownVersionTag(const std::string& tag) {
  return tag == "ver2.2" || tag == "ver3.3" || tag == "ver3.4" || tag == "ver3.5";
}

}  // namespace pramo
