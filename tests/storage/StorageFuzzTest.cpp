// Random, truncated and mutated files fed to every reader of the storage: nothing may crash (the
// sanitizer build checks memory and undefined behaviour too), and a change never loses a record that was
// there.
#include <random>

#include <gtest/gtest.h>

#include "storage/Configuration.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "storage/ExportImport.h"
#include "storage/IniFile.h"
#include "storage/StorageTestSupport.h"

namespace pramo {
namespace {

std::vector<std::uint8_t> Mutated(std::vector<std::uint8_t> bytes, std::mt19937& random) {
  switch (random() % 4) {
    case 0:  // random bytes
      bytes.resize(random() % (4 * kRecordSize));
      for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
      break;
    case 1:  // truncated anywhere
      bytes.resize(bytes.empty() ? 0 : random() % bytes.size());
      break;
    case 2:  // flipped bytes, tags and flags among them
      for (int i = 0, n = 1 + static_cast<int>(random() % 40); i < n && !bytes.empty(); ++i)
        bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
      break;
    default:  // extended by noise
      for (int i = 0, n = static_cast<int>(random() % 3000); i < n; ++i)
        bytes.push_back(static_cast<std::uint8_t>(random()));
      break;
  }
  return bytes;
}

// Whether every record of `before` appears in `after`, in the same order.
bool KeepsEveryRecord(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after) {
  std::size_t at = 0;
  for (std::size_t r = 0; r + kRecordSize <= before.size(); r += kRecordSize) {
    bool found = false;
    for (; at + kRecordSize <= after.size(); at += kRecordSize) {
      // A record may have gained the new calculation in its free calculation slot; everything else stays.
      auto sameBytes = [&](std::size_t from, std::size_t to) {
        return std::equal(before.begin() + r + from, before.begin() + r + to, after.begin() + at + from);
      };
      const bool otherSlotsKept = sameBytes(kBlockSize, record_offset::kCalculationFlag) &&
                                  sameBytes(record_offset::kUserFlag, kRecordSize);
      const bool calculationKept =
          before[r + record_offset::kCalculationFlag] == 0 ||
          std::equal(before.begin() + r, before.begin() + r + kBlockSize, after.begin() + at);
      if (otherSlotsKept && calculationKept) {
        found = true;
        at += kRecordSize;
        break;
      }
    }
    if (!found) return false;
  }
  return true;
}

TEST(StorageFuzz, DatabaseReadersAndWritersSurviveAnyFile) {
  test::TempFolder folder;
  const std::vector<std::vector<std::uint8_t>> seeds = {test::ReadBytes(test::FixturePath("legacy.flw")),
                                                        test::ReadBytes(test::FixturePath("one-user.flw")),
                                                        {}};
  std::mt19937 random(20240501);
  const std::string path = folder.File("fuzz.flw");
  for (int round = 0; round < 300; ++round) {
    const auto bytes = Mutated(seeds[round % seeds.size()], random);
    test::WriteBytes(path, bytes);
    std::filesystem::remove(folder.File("fuzz.bak"));
    MessageRecorder messages(Answer::Yes);
    auto db = test::AccessTo(LocalFileSystem(), path, messages);
    DatabaseListing listing;
    ListingRequest request;
    request.today = 45300;
    request.filter = {static_cast<FilterKind>(round % 5), static_cast<int>(round % 6) - 1, "Teplárna"};
    const bool listed = ListDatabase(db, request, listing);
    for (std::size_t row = 0; row < listing.RowCount(); ++row)
      for (int column = 0; column < kListingColumns; ++column) (void)listing.Cell(row, column);
    if (listed && listing.RowCount() > 0) {
      const std::string number(listing.Cell(random() % listing.RowCount(), 0));
      const WorkingSettings settings;
      EXPECT_TRUE(LoadCalculation(db, number, &settings)) << "round " << round;
      EXPECT_TRUE(StoredBlock(db, number));
    }
    (void)CheckDatabase(db);
    EXPECT_TRUE(RecoverDatabase(db));
    const auto outcome =
        SaveCalculation(db, test::ComputedCalculation(1 + random() % 99999, 1 + random() % 99),
                        random() % 2 ? SaveMode::NewNumber : SaveMode::NextIndex);
    const auto after = test::ReadBytes(path);
    if (outcome == SaveOutcome::Stored) {
      EXPECT_EQ(after.size() % kRecordSize, 0u);
      EXPECT_TRUE(after.size() == bytes.size() || after.size() == bytes.size() + kRecordSize);
      EXPECT_TRUE(KeepsEveryRecord(bytes, after)) << "round " << round;
    } else {
      EXPECT_EQ(after, bytes) << "round " << round;
    }
  }
}

TEST(StorageFuzz, ExportFilesConfigurationAndLockFilesSurviveAnyContent) {
  test::TempFolder folder;
  const std::vector<std::vector<std::uint8_t>> seeds = {
      test::ReadBytes(test::FixturePath("export-ver35.cln")),
      test::ReadBytes(test::FixturePath("old-program.ini"))};
  std::mt19937 random(77);
  const ConfigurationPaths paths{folder.File("Pramo.ini"), folder.File("db")};
  for (int round = 0; round < 400; ++round) {
    const auto bytes = Mutated(seeds[round % seeds.size()], random);
    test::WriteBytes(folder.File("x.cln"), bytes);
    test::WriteBytes(paths.file, bytes);
    MessageRecorder messages(Answer::Yes);
    (void)ImportInputs(LocalFileSystem(), folder.File("x.cln"), WorkingSettings{}, messages);
    const Configuration configuration = ReadConfiguration(LocalFileSystem(), paths, messages);
    // What was read is written back and reads the same; a file that could not be read stays as it was.
    ASSERT_EQ(SaveInterfaceState(LocalFileSystem(), paths.file, configuration.Interface, messages),
              !configuration.FileUnusable);
    if (configuration.FileUnusable) {
      EXPECT_EQ(test::ReadBytes(paths.file), bytes);
    }
    EXPECT_EQ(ReadConfiguration(LocalFileSystem(), paths, messages).Interface.LastDatabase,
              configuration.Interface.LastDatabase);
    const std::string text(bytes.begin(), bytes.end());
    const IniFile ini = IniFile::Parse(text);
    (void)ini.Value("pracovní", "komponenta");
    EXPECT_EQ(UnescapeIniValue(EscapeIniValue(text)), text);
    (void)ParseLockFile(text);
  }
}

}  // namespace
}  // namespace pramo
