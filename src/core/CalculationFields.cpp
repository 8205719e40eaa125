#include "core/CalculationFields.h"

#include <array>
#include <cmath>
#include <type_traits>
#include <unordered_map>

#include "core/CalculationBlockCodec.h"
#include "core/NumberText.h"
#include "core/Units.h"

namespace pramo {
namespace {

using S = CalculationState;

template <class T>
struct ElementOf {
  using type = T;
  static constexpr std::size_t count = 1;
};
template <class T, std::size_t N>
struct ElementOf<std::array<T, N>> {
  using type = T;
  static constexpr std::size_t count = N;
};

template <class T>
constexpr FieldType TypeOf() {
  if constexpr (std::is_same_v<T, std::string>) {
    return FieldType::Text;
  } else if constexpr (std::is_same_v<T, bool>) {
    return FieldType::Flag;
  } else if constexpr (std::is_same_v<T, double>) {
    return FieldType::Real;
  } else if constexpr (std::is_same_v<T, std::uint16_t>) {
    return FieldType::UInt16;
  } else if constexpr (std::is_same_v<T, std::uint32_t>) {
    return FieldType::UInt32;
  } else {
    static_assert(sizeof(T) == 1, "a byte field holds one byte");
    return FieldType::Byte;
  }
}

// The elements [first, first + count) of a member as a span of its stored type. Enumerations are held
// as their byte, which may be read and written through an unsigned char.
template <auto Member, std::size_t First, std::size_t Count>
FieldValues ValuesOfMember(CalculationState& state) {
  auto& member = state.*Member;
  using Member_t = std::remove_cvref_t<decltype(member)>;
  using Element = typename ElementOf<Member_t>::type;
  Element* elements;
  if constexpr (ElementOf<Member_t>::count > 1)
    elements = member.data();
  else
    elements = &member;
  if constexpr (std::is_enum_v<Element>)
    return std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(elements) + First, Count);
  else
    return std::span<Element>(elements + First, Count);
}

template <auto Member, std::size_t First = 0, std::size_t Count = 0>
constexpr CalculationField F(std::string_view name, std::size_t offset, CalculationField rest = {}) {
  using Member_t = std::remove_cvref_t<decltype(std::declval<CalculationState&>().*Member)>;
  constexpr std::size_t count = Count ? Count : ElementOf<Member_t>::count - First;
  rest.name = name;
  rest.offset = offset;
  rest.type = TypeOf<typename ElementOf<Member_t>::type>();
  rest.values = &ValuesOfMember<Member, First, count>;
  rest.count = count;
  return rest;
}

constexpr CalculationField List(int size) {
  return {.range = FieldRange::List, .listSize = size};
}
constexpr CalculationField Text(std::size_t capacity, bool scrambled) {
  return {.capacity = capacity, .scrambled = scrambled};
}
constexpr CalculationField kFinite{.range = FieldRange::Finite};
constexpr CalculationField kMaterial{.range = FieldRange::ListAtRun, .listSize = kMaterialCount};

// The one description of the calculation state, in stored order.
constexpr CalculationField kFields[] = {
    F<&S::VersionTag>("VersionTag", 0, Text(kVersionTagCapacity, false)),
    F<&S::ElementKind>("ElementKind", 7, List(kElementKindCount)),
    F<&S::Fluid>("Fluid", 8, List(kFluidKindCount)),
    F<&S::FluidName>("FluidName", 9, Text(kFluidNameCapacity, true)),
    F<&S::PressureEntered>("PressureEntered", 30, kFinite),
    F<&S::PressureUnit>("PressureUnit", 38, List(kPressureUnitCount)),
    F<&S::TemperatureGiven>("TemperatureGiven", 39),
    F<&S::TemperatureEntered>("TemperatureEntered", 40, kFinite),
    F<&S::TemperatureUnit>("TemperatureUnit", 48, List(kTemperatureUnitCount)),
    F<&S::DensityGiven>("DensityGiven", 49),
    F<&S::DensityEntered>("DensityEntered", 50, kFinite),
    F<&S::DensityUnit>("DensityUnit", 58, List(kDensityUnitCount)),
    F<&S::ViscosityGiven>("ViscosityGiven", 59),
    F<&S::ViscosityEntered>("ViscosityEntered", 60, kFinite),
    F<&S::ViscosityUnit>("ViscosityUnit", 68, List(kViscosityUnitCount)),
    F<&S::FlowAsDryAir>("FlowAsDryAir", 69),
    F<&S::Humidity>("Humidity", 70, kFinite),
    F<&S::KappaGiven>("KappaGiven", 78),
    F<&S::KappaEntered>("KappaEntered", 79, kFinite),
    F<&S::FlowEntered>("FlowEntered", 87, kFinite),
    F<&S::FlowMaxEntered>("FlowMaxEntered", 95, kFinite),
    F<&S::FlowMinEntered>("FlowMinEntered", 103, kFinite),
    F<&S::FlowUnit>("FlowUnit", 111, List(kFlowUnitKindCount)),
    F<&S::DpMaxGiven>("DpMaxGiven", 112),
    F<&S::DpMaxEntered>("DpMaxEntered", 113, kFinite),
    F<&S::DpUnit>("DpUnit", 121, List(kDpUnitCount)),
    F<&S::PipeDiameterEntered>("PipeDiameterEntered", 122, kFinite),
    F<&S::PipeDiameterUnit>("PipeDiameterUnit", 130, List(kPipeDiameterUnitCount)),
    F<&S::ElementMaterial>("ElementMaterial", 131, kMaterial),
    F<&S::PipeMaterial>("PipeMaterial", 132, kMaterial),
    F<&S::Fittings>("Fittings", 133, {.splitAt = 10, .splitOffset = 971}),
    F<&S::AddedUncertaintyShortLengths>("AddedUncertaintyShortLengths", 143, kFinite),
    F<&S::AddedUncertaintyOffset>("AddedUncertaintyOffset", 151, kFinite),
    F<&S::DpSeries>("DpSeries", 159, kFinite),
    F<&S::DpTransmitterAccuracy>("DpTransmitterAccuracy", 239, kFinite),
    F<&S::DensityAccuracy>("DensityAccuracy", 247, kFinite),
    F<&S::CascadeRange, 0, 1>("CascadeRange1", 255, kFinite),
    F<&S::CascadeRange, 1>("CascadeRange", 263, kFinite),  // transmitters 2 to 4
    F<&S::CascadeAccuracy, 0, 1>("CascadeAccuracy1", 287, kFinite),
    F<&S::CascadeAccuracy, 1>("CascadeAccuracy", 295, kFinite),
    F<&S::BarometricPressure>("BarometricPressure", 319, kFinite),
    F<&S::Description>("Description", 327, Text(kDescriptionCapacity, true)),
    F<&S::Pressure>("Pressure", 368),
    F<&S::Temperature>("Temperature", 376),
    F<&S::Density>("Density", 384),
    F<&S::Viscosity>("Viscosity", 392),
    F<&S::Kappa>("Kappa", 400),
    F<&S::MassFlow>("MassFlow", 408),
    F<&S::MassFlowMax>("MassFlowMax", 416),
    F<&S::MassFlowMin>("MassFlowMin", 424),
    F<&S::PipeDiameter>("PipeDiameter", 432),
    F<&S::DpMax>("DpMax", 440),
    F<&S::Dp>("Dp", 448),
    F<&S::ReDMax>("ReDMax", 456),
    F<&S::VelocityMax>("VelocityMax", 464),
    F<&S::Epsilon>("Epsilon", 472),
    F<&S::C>("C", 480),
    F<&S::Beta>("Beta", 488),
    F<&S::Bore20>("Bore20", 496),
    F<&S::FlowUncertainty>("FlowUncertainty", 504),
    F<&S::FlowUncertaintyMax>("FlowUncertaintyMax", 512),
    F<&S::FlowUncertaintyMin>("FlowUncertaintyMin", 520),
    F<&S::MassFlowMinAllowed>("MassFlowMinAllowed", 528),
    F<&S::DownstreamLength>("DownstreamLength", 536),
    F<&S::UpstreamLength>("UpstreamLength", 544),
    F<&S::PipeDiameter20>("PipeDiameter20", 552),
    F<&S::ReDMin>("ReDMin", 560),
    F<&S::Velocity>("Velocity", 568),
    F<&S::PressureLoss>("PressureLoss", 576),
    F<&S::ReD>("ReD", 584),
    F<&S::Bore>("Bore", 592),
    F<&S::UncertaintyC>("UncertaintyC", 600),
    F<&S::UncertaintyEpsilon>("UncertaintyEpsilon", 608),
    F<&S::UncertaintyD>("UncertaintyD", 616),
    F<&S::UncertaintyBore>("UncertaintyBore", 624),
    F<&S::UncertaintyDp>("UncertaintyDp", 632),
    F<&S::VelocityLow>("VelocityLow", 640),
    F<&S::VelocityHigh>("VelocityHigh", 648),
    F<&S::LimitFlags>("LimitFlags", 656),
    F<&S::Residual>("Residual", 664),
    F<&S::ReDMinAllowed>("ReDMinAllowed", 672),
    F<&S::FittingLengths>("FittingLengths", 680),
    F<&S::FlowRefPressureEntered>("FlowRefPressureEntered", 760, kFinite),
    F<&S::FlowRefPressureUnit>("FlowRefPressureUnit", 768, List(kDpUnitCount)),
    F<&S::FlowRefPressure>("FlowRefPressure", 769, kFinite),
    F<&S::FlowRefTemperatureEntered>("FlowRefTemperatureEntered", 777, kFinite),
    F<&S::FlowRefTemperatureUnit>("FlowRefTemperatureUnit", 785, List(kTemperatureUnitCount)),
    F<&S::FlowRefTemperature>("FlowRefTemperature", 786, kFinite),
    F<&S::DensityRefPressureEntered>("DensityRefPressureEntered", 794, kFinite),
    F<&S::DensityRefPressureUnit>("DensityRefPressureUnit", 802, List(kDpUnitCount)),
    F<&S::DensityRefPressure>("DensityRefPressure", 803, kFinite),
    F<&S::DensityRefTemperatureEntered>("DensityRefTemperatureEntered", 811, kFinite),
    F<&S::DensityRefTemperatureUnit>("DensityRefTemperatureUnit", 819, List(kTemperatureUnitCount)),
    F<&S::DensityRefTemperature>("DensityRefTemperature", 820, kFinite),
    F<&S::ResultsValid>("ResultsValid", 828),
    F<&S::Designer>("Designer", 829, Text(kDesignerCapacity, true)),
    F<&S::Company>("Company", 855, Text(kCompanyCapacity, true)),
    F<&S::MeasuringPoint>("MeasuringPoint", 906, Text(kMeasuringPointCapacity, true)),
    F<&S::NumberInstallation>("NumberInstallation", 947),
    F<&S::NumberCount>("NumberCount", 949),
    F<&S::Date>("Date", 953, kFinite),
    // 961..966 reserved: carried by the stored image.
    F<&S::CalcKind>("CalcKind", 967, List(kCalculationKindCount)),
    F<&S::NumberIndex>("NumberIndex", 968),
    F<&S::FittingLengths11and12>("FittingLengths11and12", 969),
};

constexpr std::size_t Width(const CalculationField& field) {
  switch (field.type) {
    case FieldType::Text:
      return field.capacity + 1;
    case FieldType::Flag:
    case FieldType::Byte:
      return 1;
    case FieldType::UInt16:
      return 2;
    case FieldType::UInt32:
      return 4;
    case FieldType::Real:
      return 8;
  }
  return 0;
}

constexpr std::size_t OffsetOf(const CalculationField& field, std::size_t index) {
  if (field.splitAt != 0 && index >= field.splitAt)
    return field.splitOffset + (index - field.splitAt) * Width(field);
  return field.offset + index * Width(field);
}

// Every byte of the block belongs to exactly one field, but for the reserved bytes.
constexpr bool FieldsCoverBlock() {
  std::array<int, kBlockSize> owners{};
  for (const CalculationField& field : kFields)
    for (std::size_t i = 0; i < field.count; ++i)
      for (std::size_t b = 0; b < Width(field); ++b) {
        const std::size_t at = OffsetOf(field, i) + b;
        if (at >= kBlockSize) return false;
        ++owners[at];
      }
  for (std::size_t at = 0; at < kBlockSize; ++at)
    if (owners[at] != (at >= 961 && at <= 966 ? 0 : 1)) return false;
  return true;
}
static_assert(FieldsCoverBlock());

constexpr std::size_t OffsetNamed(std::string_view name) {
  for (const CalculationField& field : kFields)
    if (field.name == name) return field.offset;
  return kBlockSize;
}
// The database reads a few fields straight from its records.
static_assert(OffsetNamed("NumberInstallation") == block_offset::kNumberInstallation);
static_assert(OffsetNamed("NumberCount") == block_offset::kNumberCount);
static_assert(OffsetNamed("NumberIndex") == block_offset::kNumberIndex);
static_assert(OffsetNamed("ResultsValid") == block_offset::kResultsValid);
static_assert(OffsetNamed("LimitFlags") == block_offset::kLimitFlags);

std::string ValueText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == std::trunc(value) && std::abs(value) < 1e15)
    return std::to_string(static_cast<long long>(value));
  return GeneralText(value, 17);
}

}  // namespace

std::span<const CalculationField> CalculationFields() {
  return kFields;
}

const CalculationField* FindCalculationField(std::string_view name) {
  static const std::unordered_map<std::string_view, const CalculationField*> byName = [] {
    std::unordered_map<std::string_view, const CalculationField*> map;
    for (const CalculationField& field : kFields) map.emplace(field.name, &field);
    return map;
  }();
  const auto found = byName.find(name);
  return found == byName.end() ? nullptr : found->second;
}

std::size_t ElementWidth(const CalculationField& field) {
  return Width(field);
}

std::size_t ElementOffset(const CalculationField& field, std::size_t index) {
  return OffsetOf(field, index);
}

FieldValues ValuesIn(const CalculationField& field, CalculationState& state) {
  return field.values(state);
}

FieldValues ValuesIn(const CalculationField& field, const CalculationState& state) {
  // The spans of a const state are only read from.
  return field.values(const_cast<CalculationState&>(state));
}

bool FitsRange(const CalculationField& field, double value) {
  switch (field.range) {
    case FieldRange::List:
      return value >= 0 && value < field.listSize;
    case FieldRange::Finite:
      return std::isfinite(value);
    case FieldRange::Any:
    case FieldRange::ListAtRun:
      return true;
  }
  return true;
}

std::optional<std::string> FieldOutOfRange(const CalculationState& state) {
  for (const CalculationField& field : kFields) {
    if (field.range != FieldRange::List && field.range != FieldRange::Finite) continue;
    struct Fault {
      std::size_t index;
      double value;
    };
    const std::optional<Fault> fault = std::visit(
        [&](auto elements) -> std::optional<Fault> {
          if constexpr (std::is_arithmetic_v<typename decltype(elements)::value_type>) {
            for (std::size_t i = 0; i < elements.size(); ++i)
              if (!FitsRange(field, static_cast<double>(elements[i])))
                return Fault{i, static_cast<double>(elements[i])};
          }
          return std::nullopt;
        },
        ValuesIn(field, state));
    if (!fault) continue;
    std::string text(field.name);
    if (field.count > 1) text.append("[").append(std::to_string(fault->index + 1)).append("]");
    return text.append(" = ").append(ValueText(fault->value));
  }
  return std::nullopt;
}

}  // namespace pramo
