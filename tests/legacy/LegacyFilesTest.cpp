#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "core/CalculationBlockCodec.h"
#include "core/CodePage1250.h"
#include "legacy/LegacyRecord.h"
#include "legacy/LegacyRecordBuilder.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;

fs::path Fixture(const char* name) {
  return fs::path(PRAMO_TEST_DATA) / "legacy" / name;
}

// A folder of its own for files a test writes, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    m_path = fs::temp_directory_path() /
             (std::string("pramo-legacy-") + info->test_suite_name() + "-" + info->name());
    fs::remove_all(m_path);
    fs::create_directories(m_path);
  }
  ~ScratchFolder() { fs::remove_all(m_path); }
  fs::path Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(m_path / name, std::ios::binary) << bytes;
    return m_path / name;
  }
  const fs::path& Path() const { return m_path; }

 private:
  fs::path m_path;
};

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ReadLegacyList, NumbersAndDescriptionsOfEveryRecord) {
  MessageRecorder messages;
  std::vector<LegacyListEntry> list{{"x", "y"}};
  ASSERT_TRUE(ReadLegacyList(Fixture("vypocty.000"), LegacyEncoding::Kamenicky, list, messages));
  EXPECT_TRUE(messages.Shown().empty());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].number, "0100001");
  EXPECT_EQ(list[0].description, "Kotel č. 3, přehřátá pára");
  EXPECT_EQ(list[1].number, "0100002");  // " 1" and "   2": blanks skipped
  EXPECT_EQ(list[1].description, "Čerpadlo Ústí");
  EXPECT_EQ(list[2].number, "0100003");
  EXPECT_EQ(list[2].description, "");

  // The same file read as another encoding loses the letters that encoding puts elsewhere.
  ASSERT_TRUE(ReadLegacyList(Fixture("vypocty.000"), LegacyEncoding::Plain, list, messages));
  EXPECT_EQ(list[0].description, "Kotel  . 3, p eh  t  p ra");
}

TEST(ReadLegacyList, AHeaderAloneIsAnEmptyList) {
  MessageRecorder messages;
  std::vector<LegacyListEntry> list{{"x", "y"}};
  EXPECT_TRUE(ReadLegacyList(Fixture("vypocty_prazdny.000"), LegacyEncoding::Kamenicky, list, messages));
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(messages.Shown().empty());
}

TEST(ReadLegacyList, ARecordCutShortIsLeftOut) {
  MessageRecorder messages;
  std::vector<LegacyListEntry> list;
  EXPECT_TRUE(ReadLegacyList(Fixture("vypocty_neuplny.000"), LegacyEncoding::Kamenicky, list, messages));
  EXPECT_EQ(list.size(), 2u);
  EXPECT_TRUE(messages.Shown().empty());

  LegacyRecordFile file(kLegacyRecordSize);
  ASSERT_TRUE(file.Open(Fixture("vypocty_neuplny.000")));
  EXPECT_EQ(file.RecordCount(), 2u);
  EXPECT_EQ(file.TrailingBytes(), 150u);
}

TEST(ReadLegacyList, UnreadableFilesAreReported) {
  ScratchFolder folder;
  for (const fs::path& path : {Fixture("vypocty_kratky.000"), folder.Path() / "chybi.000", folder.Path()}) {
    MessageRecorder messages;
    std::vector<LegacyListEntry> list{{"x", "y"}};
    EXPECT_FALSE(ReadLegacyList(path, LegacyEncoding::Kamenicky, list, messages)) << path;
    ASSERT_EQ(messages.Shown().size(), 1u) << path;
    EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.Shown()[0].text, "Nepodařilo se přečíst soubor s výpočty!");
    EXPECT_TRUE(list.empty());
  }
}

TEST(ReadLegacyList, AnEmptyPathDoesNothing) {
  MessageRecorder messages;
  std::vector<LegacyListEntry> list{{"x", "y"}};
  EXPECT_FALSE(ReadLegacyList({}, LegacyEncoding::Kamenicky, list, messages));
  EXPECT_EQ(list.size(), 1u);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST(ReadLegacyCompanies, NamedCompaniesInFileOrderWithDuplicates) {
  MessageRecorder messages;
  LegacyCompanies companies;
  companies.Add("stale", "stale");
  ASSERT_TRUE(ReadLegacyCompanies(Fixture("firmy.000"), LegacyEncoding::Kamenicky, companies, messages));
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(companies.Numbers(), (std::vector<std::string>{"12345678", "87654321", "12345678", "55555555"}));
  EXPECT_EQ(companies.Names(), (std::vector<std::string>{"Strojírny Brno", "Teplárna Ústí",
                                                         "Strojírny Brno II", "Strojírny Brno"}));
  EXPECT_EQ(companies.Find("12345678"), 0u);
  EXPECT_EQ(companies.Find("55555555"), 3u);
  EXPECT_FALSE(companies.Find("11111111").has_value());  // its record has no name
  EXPECT_FALSE(companies.Find("stale").has_value());
}

TEST(ReadLegacyCompanies, UnreadableFilesAreReportedAndAnEmptyPathIsNoCompanies) {
  ScratchFolder folder;
  for (const fs::path& path : {Fixture("firmy_kratky.000"), folder.Path() / "chybi.000"}) {
    MessageRecorder messages;
    LegacyCompanies companies;
    EXPECT_FALSE(ReadLegacyCompanies(path, LegacyEncoding::Kamenicky, companies, messages));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.Shown()[0].text, "Nepodařilo se přečíst soubor databází firem!");
  }
  MessageRecorder messages;
  LegacyCompanies companies;
  companies.Add("1", "A");
  EXPECT_TRUE(ReadLegacyCompanies({}, LegacyEncoding::Kamenicky, companies, messages));
  EXPECT_EQ(companies.Size(), 0u);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST(LegacyConversion, TheFixtureFilesDecodeIntoStorableCalculations) {
  MessageRecorder messages;
  LegacyCompanies companies;
  ASSERT_TRUE(ReadLegacyCompanies(Fixture("firmy.000"), LegacyEncoding::Kamenicky, companies, messages));
  std::vector<std::string> companyList;
  CalculationState state;
  PrepareLegacyState(state);
  LegacyDecoder decoder(LegacyEncoding::Kamenicky, companies, companyList);

  LegacyRecordFile file(kLegacyRecordSize);
  ASSERT_TRUE(file.Open(Fixture("vypocty.000")));
  LegacyRecord record;
  std::vector<CalculationState> decoded;
  while (file.Next(record)) {
    decoder.Decode(record, state);
    decoded.push_back(DecodeBlock(EncodeBlock(state)));  // what the database gets back
  }
  EXPECT_FALSE(file.Failed());
  ASSERT_EQ(decoded.size(), 3u);
  EXPECT_EQ(decoded[0].VersionTag, "ver2.2");
  EXPECT_EQ(decoded[0].Company, "Strojírny Brno");
  EXPECT_EQ(decoded[0].FluidName, "Pára přehřátá");
  EXPECT_EQ(decoded[0].Description, "Kotel č. 3, přehřátá pára");
  EXPECT_EQ(decoded[0].Designer, "neurčeno");
  EXPECT_DOUBLE_EQ(decoded[0].Date, 35000);
  EXPECT_EQ(decoded[1].Company, "Teplárna Ústí");
  EXPECT_EQ(decoded[1].Fluid, FluidKind::Water);
  EXPECT_DOUBLE_EQ(decoded[1].Date, 35001.5);
  EXPECT_EQ(decoded[2].Company, "00000000");
  EXPECT_EQ(decoded[2].Fluid, FluidKind::Undetermined);
  EXPECT_EQ(decoded[2].FluidName, "Metan");
  EXPECT_EQ(companyList, (std::vector<std::string>{"Strojírny Brno", "Teplárna Ústí"}));
}

// Every double the decoding writes; none may be infinite or undefined, whatever the record holds.
std::vector<double> DecodedNumbers(const CalculationState& s, const DerivedValues& d) {
  std::vector<double> v = {s.PressureEntered,
                           s.TemperatureEntered,
                           s.DensityEntered,
                           s.ViscosityEntered,
                           s.Humidity,
                           s.KappaEntered,
                           s.FlowEntered,
                           s.FlowMaxEntered,
                           s.FlowMinEntered,
                           s.DpMaxEntered,
                           s.PipeDiameterEntered,
                           s.AddedUncertaintyShortLengths,
                           s.AddedUncertaintyOffset,
                           s.DpTransmitterAccuracy,
                           s.DensityAccuracy,
                           s.Pressure,
                           s.Temperature,
                           s.Density,
                           s.Viscosity,
                           s.Kappa,
                           s.MassFlow,
                           s.MassFlowMax,
                           s.MassFlowMin,
                           s.PipeDiameter,
                           s.DpMax,
                           s.Dp,
                           s.ReDMax,
                           s.VelocityMax,
                           s.Epsilon,
                           s.C,
                           s.Beta,
                           s.Bore20,
                           s.FlowUncertainty,
                           s.FlowUncertaintyMax,
                           s.FlowUncertaintyMin,
                           s.MassFlowMinAllowed,
                           s.DownstreamLength,
                           s.UpstreamLength,
                           s.PipeDiameter20,
                           s.ReDMin,
                           s.Velocity,
                           s.PressureLoss,
                           s.ReD,
                           s.Bore,
                           s.UncertaintyC,
                           s.UncertaintyEpsilon,
                           s.UncertaintyD,
                           s.UncertaintyBore,
                           s.UncertaintyDp,
                           s.ReDMinAllowed,
                           s.Date,
                           d.DensityAtN,
                           d.DensityAtNN,
                           d.DryAirDensity,
                           d.DryAirDensityAtN,
                           d.DryAirDensityAtNN,
                           d.SaturationPressure,
                           d.SaturationVapourDensity,
                           d.EpsilonUncertaintyMin,
                           d.EpsilonUncertaintyMax,
                           d.DpUncertaintyMin};
  v.insert(v.end(), s.FittingLengths.begin(), s.FittingLengths.end());
  v.insert(v.end(), s.CascadeRange.begin(), s.CascadeRange.end());
  v.insert(v.end(), s.CascadeAccuracy.begin(), s.CascadeAccuracy.end());
  return v;
}

void ExpectStorable(const CalculationState& s) {
  for (const std::string* text : {&s.FluidName, &s.Description, &s.Company}) {
    const auto stored = To1250(*text);
    ASSERT_TRUE(stored.has_value()) << *text;
  }
  EXPECT_LE(CharacterCount(s.FluidName), kFluidNameCapacity);
  EXPECT_LE(CharacterCount(s.Description), kDescriptionCapacity);
  EXPECT_LE(CharacterCount(s.Company), kCompanyCapacity);
  EXPECT_LE(s.FlowUncertaintyMin, 100);
  EXPECT_LE(s.FlowUncertaintyMax, 100);
}

TEST(LegacyFuzz, RandomRecordsDecodeIntoFiniteStorableStates) {
  std::mt19937 random(2024);
  LegacyCompanies companies;
  companies.Add("1", "Firma");
  std::vector<std::string> companyList;
  CalculationState state;
  PrepareLegacyState(state);
  for (int encoding = 0; encoding < kLegacyEncodingCount; ++encoding) {
    LegacyDecoder decoder(static_cast<LegacyEncoding>(encoding), companies, companyList);
    for (int round = 0; round < 3000; ++round) {
      LegacyRecord record;
      for (auto& b : record) b = static_cast<std::uint8_t>(random());
      if (round % 3 == 0) {
        // Zeros where the formulas divide: pressure, flows, κ, ε, β = 1 and such.
        for (std::size_t o : {legacy_offset::kPressure, legacy_offset::kFlowMax, legacy_offset::kFlowMin,
                              legacy_offset::kDensity}) {
          for (int i = 0; i < 4; ++i) record[o + i] = 0;
        }
        record[legacy_offset::kKappa] = record[legacy_offset::kKappa + 1] = 0;
        record[legacy_offset::kFlowAsDryAir] = 1;
      }
      if (round % 5 == 0) {
        const std::uint8_t beta[] = {0x00, 0x27, 0x10};  // 10000: β = 1
        std::copy(std::begin(beta), std::end(beta), record.begin() + legacy_offset::kBeta);
      }
      decoder.Decode(record, state);
      for (double v : DecodedNumbers(state, decoder.Derived())) ASSERT_TRUE(std::isfinite(v)) << round;
      ExpectStorable(state);
      ASSERT_EQ(DecodeBlock(EncodeBlock(state)).Description, state.Description);
    }
  }
}

TEST(LegacyFuzz, RandomAndTruncatedFilesNeverBreakTheReaders) {
  ScratchFolder folder;
  std::mt19937 random(99);
  const std::string calculations = Read(Fixture("vypocty.000"));
  const std::string companiesFile = Read(Fixture("firmy.000"));
  std::vector<std::string> contents;
  for (std::size_t n = 0; n <= calculations.size(); n += 7) contents.push_back(calculations.substr(0, n));
  for (std::size_t n = 0; n <= companiesFile.size(); n += 11) contents.push_back(companiesFile.substr(0, n));
  for (int i = 0; i < 60; ++i) {
    std::string bytes(random() % 2500, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    contents.push_back(bytes);
  }
  for (const std::string& bytes : contents) {
    const fs::path path = folder.Write("soubor.000", bytes);
    MessageRecorder messages;
    std::vector<LegacyListEntry> list;
    const bool listRead = ReadLegacyList(path, LegacyEncoding::Latin2, list, messages);
    EXPECT_EQ(listRead, bytes.size() >= kLegacyHeaderSize);
    if (listRead) {
      EXPECT_EQ(list.size(), (bytes.size() - kLegacyHeaderSize) / kLegacyRecordSize);
    }
    for (const LegacyListEntry& entry : list) {
      EXPECT_TRUE(To1250(entry.description).has_value());
      EXPECT_LE(entry.number.size(), 8u);
    }
    LegacyCompanies companies;
    const bool companiesRead = ReadLegacyCompanies(path, LegacyEncoding::Kamenicky, companies, messages);
    EXPECT_EQ(companiesRead, bytes.size() >= kLegacyHeaderSize);
    EXPECT_LE(companies.Size(), bytes.size() / kLegacyCompanyRecordSize);
    for (const std::string& name : companies.Names()) EXPECT_FALSE(name.empty());
    EXPECT_EQ(messages.Shown().size(), (listRead ? 0u : 1u) + (companiesRead ? 0u : 1u));
  }
}

TEST(LegacyRecordFile, AFileThatShrinksWhileReadEndsInAFailure) {
  ScratchFolder folder;
  const LegacyRecord record = test::SteamRecord().Record();
  std::string bytes(kLegacyHeaderSize, '\0');
  for (int i = 0; i < 100; ++i) bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  const fs::path path = folder.Write("vypocty.000", bytes);
  LegacyRecordFile file(kLegacyRecordSize);
  ASSERT_TRUE(file.Open(path));
  LegacyRecord read;
  ASSERT_TRUE(file.Next(read));
  fs::resize_file(path, kLegacyHeaderSize + kLegacyRecordSize + 10);
  while (file.Next(read)) {
  }
  EXPECT_TRUE(file.Failed());
  EXPECT_LT(file.RecordsRead(), 100u);
}

// Fifty thousand records, the largest old databases, with five hundred companies: every record is listed
// and decoded, and each company is named once. Their speed is measured by bench/convert_benchmark, not
// here, where a shared machine's load decides the time.
TEST(LegacyFiles, FiftyThousandRecordsAreListedAndDecoded) {
  ScratchFolder folder;
  constexpr int kRecords = 50000;
  std::string bytes(kLegacyHeaderSize, '\0');
  bytes.reserve(kLegacyHeaderSize + kRecords * kLegacyRecordSize);
  test::LegacyRecordBuilder builder = test::SteamRecord();
  for (int i = 0; i < kRecords; ++i) {
    char number[10];
    std::snprintf(number, sizeof number, "%08d", i % 500);
    builder.Text(legacy_offset::kCompanyNumber, 9, number);
    const LegacyRecord& record = builder.Record();
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  const fs::path path = folder.Write("vypocty.000", bytes);
  LegacyCompanies companies;
  for (int i = 0; i < 500; ++i) {
    char number[10];
    std::snprintf(number, sizeof number, "%08d", i);
    companies.Add(number, "Firma " + std::to_string(i));
  }

  MessageRecorder messages;
  std::vector<LegacyListEntry> list;
  ASSERT_TRUE(ReadLegacyList(path, LegacyEncoding::Kamenicky, list, messages));
  EXPECT_EQ(list.size(), static_cast<std::size_t>(kRecords));
  std::vector<std::string> companyList;
  CalculationState state;
  PrepareLegacyState(state);
  LegacyDecoder decoder(LegacyEncoding::Kamenicky, companies, companyList);
  LegacyRecordFile file(kLegacyRecordSize);
  ASSERT_TRUE(file.Open(path));
  LegacyRecord record;
  int decoded = 0;
  while (file.Next(record)) {
    decoder.Decode(record, state);
    EncodeBlock(state);
    ++decoded;
  }
  EXPECT_EQ(decoded, kRecords);
  EXPECT_EQ(companyList.size(), 500u);
}

}  // namespace
}  // namespace pramo
