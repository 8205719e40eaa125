#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "legacy/LegacyFiles.h"
#include "legacy/LegacyText.h"

namespace pramo {

// One calculation of the older program's calculations file.
using LegacyRecord = std::array<std::uint8_t, kLegacyRecordSize>;

// Where the fields lie in a record. Integers are big-endian (four bytes signed, two and three bytes
// unsigned) except the little-endian date; texts are blank-padded.
namespace legacy_offset {
inline constexpr std::size_t kCompanyNumber = 1;     // text, 9
inline constexpr std::size_t kDate = 12;             // uint32 LE: day number = value / 4096 − 169306
inline constexpr std::size_t kInstallation = 16;     // digits, 3
inline constexpr std::size_t kCount = 19;            // digits, 5
inline constexpr std::size_t kFluid = 24;            // text, 13, right-aligned
inline constexpr std::size_t kDescription = 37;      // text, 50
inline constexpr std::size_t kPressure = 87;         // int32, Pa absolute
inline constexpr std::size_t kTemperature = 91;      // uint24 / 100, °C
inline constexpr std::size_t kDensity = 94;          // int32 / 1e5, in the density unit
inline constexpr std::size_t kViscosity = 98;        // int32 / 1e5, 1e-6 Pa·s
inline constexpr std::size_t kKappa = 102;           // uint16 / 1000
inline constexpr std::size_t kHumidity = 104;        // uint16, %
inline constexpr std::size_t kPipeDiameter20 = 106;  // int32 / 1000, mm
inline constexpr std::size_t kFlow = 110;            // int32 / 100, in its flow unit
inline constexpr std::size_t kFlowMax = 114;
inline constexpr std::size_t kFlowMin = 118;
inline constexpr std::size_t kDpMax = 122;             // int32, Pa
inline constexpr std::size_t kElementMaterial = 126;   // text, 6
inline constexpr std::size_t kPipeMaterial = 132;      // text, 6
inline constexpr std::size_t kPipeDiameter = 138;      // int32 / 1e6, m
inline constexpr std::size_t kReD = 142;               // int32
inline constexpr std::size_t kVelocity = 146;          // uint24 / 100, m/s
inline constexpr std::size_t kReDMax = 149;            // int32
inline constexpr std::size_t kVelocityMax = 153;       // uint24 / 100, m/s
inline constexpr std::size_t kReDMin = 156;            // int32
inline constexpr std::size_t kC = 160;                 // uint24 / 10000
inline constexpr std::size_t kEpsilon = 163;           // uint24 / 10000
inline constexpr std::size_t kBeta = 166;              // uint24 / 10000
inline constexpr std::size_t kBore = 169;              // int32 / 1e6, m
inline constexpr std::size_t kBore20 = 173;            // int32 / 1e6, m
inline constexpr std::size_t kFittings = 177;          // 10 bytes
inline constexpr std::size_t kFittingLengths = 187;    // 10 × uint16 / 10
inline constexpr std::size_t kDownstreamLength = 207;  // uint16 / 10
inline constexpr std::size_t kPressureLoss = 209;      // uint24, Pa
inline constexpr std::size_t kFlowUnit = 216;          // text, 8
inline constexpr std::size_t kFlowMaxUnit = 224;
inline constexpr std::size_t kFlowMinUnit = 232;
inline constexpr std::size_t kDensityUnit = 240;          // text, 8
inline constexpr std::size_t kFlowAsDryAir = 248;         // byte
inline constexpr std::size_t kBoreValid = 249;            // byte: validity flag of the bore d
inline constexpr std::size_t kUncertainties = 250;        // 4 × uint16 / 100: C, ε, D, d
inline constexpr std::size_t kTransmitterAccuracy = 258;  // uint16 / 100, and all below
inline constexpr std::size_t kUncertaintyDp = 260;
inline constexpr std::size_t kDensityAccuracy = 262;
inline constexpr std::size_t kAddedUncertaintyShortLengths = 264;
inline constexpr std::size_t kAddedUncertaintyOffset = 266;
inline constexpr std::size_t kFlowUncertainty = 268;
}  // namespace legacy_offset

// The unit values of the old unit texts that match none of the known ones.
inline constexpr std::uint8_t kLegacyUnknownUnit = 10;
inline constexpr std::uint8_t kLegacyUnknownMaterial = 10;
inline constexpr const char* kLegacyVersionTag = "ver2.2";

// The number of an old calculation as the list shows it: installation number with at least 2 digits
// and running count with at least 5, e.g. "0700012".
std::string LegacyNumberText(unsigned installation, unsigned count);

struct LegacyListEntry {
  std::string number;       // LegacyNumberText
  std::string description;  // recoded, trimmed, at most 40 characters
};

// Reads the number and description of every record of a calculations file into `list` (cleared first).
// An empty path does nothing and returns false without a message. A file that cannot be read or is
// shorter than its header is reported ("Nepodařilo se přečíst soubor s výpočty!"); the list then keeps
// what was read. A tail shorter than a record is not a calculation and is left out.
bool ReadLegacyList(const std::filesystem::path& path, LegacyEncoding encoding,
                    std::vector<LegacyListEntry>& list, Messages& messages);

// Makes the current calculation state ready to take old records: the settings every converted
// calculation shares, which the records do not carry. Done once before the first record.
void PrepareLegacyState(CalculationState& state);

// Decodes the records of one conversion into the calculation state. It keeps what all records share:
// the encoding, the companies file's lists and a set of the names in the company list of the main
// window, so that neither lookup costs a scan per record. The companies and the company list must
// outlive the decoder; entries appended to the company list by others are noticed, other changes are not.
class LegacyDecoder {
 public:
  LegacyDecoder(LegacyEncoding encoding, const LegacyCompanies& companies,
                std::vector<std::string>& companyList);

  // Fills the state from one record (the state prepared by `PrepareLegacyState`; fields that old
  // records do not carry keep their values). May append the record's company name to the company list.
  void Decode(const LegacyRecord& record, CalculationState& state);

  // The working values of the last record: densities at the reference conditions, the dry-air and
  // vapour values of a flow given as dry air, and the uncertainty terms at the minimum and maximum flow.
  const DerivedValues& Derived() const { return m_derived; }

 private:
  void TakeCompany(const LegacyRecord& record, CalculationState& state);

  LegacyEncoding m_encoding;
  const LegacyCompanies& m_companies;
  std::vector<std::string>& m_companyList;
  std::unordered_set<std::string> m_listed;  // the names of m_companyList
  std::size_t m_listedCount = 0;             // how many entries of m_companyList m_listed has seen
  DerivedValues m_derived;
};

// Decodes a single record (see `LegacyDecoder::Decode`). A conversion of many records uses one decoder.
void DecodeLegacyRecord(const LegacyRecord& record, LegacyEncoding encoding, const LegacyCompanies& companies,
                        std::vector<std::string>& companyList, CalculationState& state);

}  // namespace pramo
