#pragma once

#include <cstdint>
#include <string_view>

#include "legacy/LegacyRecord.h"

namespace pramo::test {

// Builds a record of the old calculations file byte by byte, as the old program laid it out.
class LegacyRecordBuilder {
 public:
  LegacyRecordBuilder() { m_record.fill(0); }

  // A blank-padded text; `rightAligned` pads on the left, as the old fluid field is.
  LegacyRecordBuilder& Text(std::size_t offset, std::size_t width, std::string_view bytes,
                            bool rightAligned = false) {
    for (std::size_t i = 0; i < width; ++i) m_record[offset + i] = ' ';
    const std::size_t n = bytes.size() < width ? bytes.size() : width;
    const std::size_t start = rightAligned ? width - n : 0;
    for (std::size_t i = 0; i < n; ++i) m_record[offset + start + i] = static_cast<std::uint8_t>(bytes[i]);
    return *this;
  }
  LegacyRecordBuilder& Int32(std::size_t offset, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) m_record[offset + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
    return *this;
  }
  LegacyRecordBuilder& Uint24(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 3; ++i) m_record[offset + i] = static_cast<std::uint8_t>(value >> (16 - 8 * i));
    return *this;
  }
  LegacyRecordBuilder& Uint16(std::size_t offset, std::uint16_t value) {
    m_record[offset] = static_cast<std::uint8_t>(value >> 8);
    m_record[offset + 1] = static_cast<std::uint8_t>(value);
    return *this;
  }
  LegacyRecordBuilder& Uint32LittleEndian(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) m_record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return *this;
  }
  LegacyRecordBuilder& Byte(std::size_t offset, std::uint8_t value) {
    m_record[offset] = value;
    return *this;
  }

  const LegacyRecord& Record() const { return m_record; }

 private:
  LegacyRecord m_record;
};

// A complete record of superheated steam with a distinct value in every field the conversion reads.
inline LegacyRecordBuilder SteamRecord() {
  using namespace legacy_offset;
  LegacyRecordBuilder b;
  b.Text(kCompanyNumber, 9, "12345678")
      .Uint32LittleEndian(kDate, static_cast<std::uint32_t>((36526.5 + 169306) * 4096))
      .Text(kInstallation, 3, "0 7")
      .Text(kCount, 5, "00012")
      .Text(kFluid, 13, "Para prehrata", true)
      .Text(kDescription, 50, "  Kotel K3  ")
      .Int32(kPressure, 1000000)
      .Uint24(kTemperature, 25050)
      .Int32(kDensity, 456789)
      .Int32(kViscosity, 1750000)
      .Uint16(kKappa, 1300)
      .Uint16(kHumidity, 0)
      .Int32(kPipeDiameter20, 100500)
      .Int32(kFlow, 500000)
      .Int32(kFlowMax, 600000)
      .Int32(kFlowMin, 100000)
      .Int32(kDpMax, 25000)
      .Text(kElementMaterial, 6, "17 248")
      .Text(kPipeMaterial, 6, "11 373")
      .Int32(kPipeDiameter, 100812)
      .Int32(kReD, 123456)
      .Uint24(kVelocity, 1234)
      .Int32(kReDMax, 150000)
      .Uint24(kVelocityMax, 1567)
      .Int32(kReDMin, 23456)
      .Uint24(kC, 6034)
      .Uint24(kEpsilon, 9876)
      .Uint24(kBeta, 5123)
      .Int32(kBore, 51646)
      .Int32(kBore20, 51500);
  const std::uint8_t fittings[10] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
  for (std::size_t i = 0; i < 10; ++i) {
    b.Byte(kFittings + i, fittings[i])
        .Uint16(kFittingLengths + 2 * i, static_cast<std::uint16_t>(100 + 15 * i));
  }
  b.Uint16(kDownstreamLength, 65)
      .Uint24(kPressureLoss, 12345)
      .Text(kFlowUnit, 8, "[kg/h]")
      .Text(kFlowMaxUnit, 8, "[kg/h]")
      .Text(kFlowMinUnit, 8, "[kg/h]")
      .Text(kDensityUnit, 8, "[kg/m3]")
      .Byte(kFlowAsDryAir, 0)
      .Byte(kBoreValid, 1)
      .Uint16(kUncertainties, 60)
      .Uint16(kUncertainties + 2, 12)
      .Uint16(kUncertainties + 4, 40)
      .Uint16(kUncertainties + 6, 7)
      .Uint16(kTransmitterAccuracy, 25)
      .Uint16(kUncertaintyDp, 31)
      .Uint16(kDensityAccuracy, 150)
      .Uint16(kAddedUncertaintyShortLengths, 50)
      .Uint16(kAddedUncertaintyOffset, 20)
      .Uint16(kFlowUncertainty, 123);
  return b;
}

}  // namespace pramo::test
