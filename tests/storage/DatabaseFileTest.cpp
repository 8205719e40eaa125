#include "storage/DatabaseFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/CalculationBlockCodec.h"
#include "storage/DatabaseListing.h"
#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::AccessTo;
using test::ComputedCalculation;
using test::MessageIds;
using test::ReadBytes;

std::vector<std::uint8_t> RecordAt(const std::vector<std::uint8_t>& file, std::size_t index) {
  return {file.begin() + index * kRecordSize, file.begin() + (index + 1) * kRecordSize};
}

std::vector<std::uint8_t> Without(std::vector<std::uint8_t> file, std::size_t index) {
  file.erase(file.begin() + index * kRecordSize, file.begin() + (index + 1) * kRecordSize);
  return file;
}

class DatabaseFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder.Copy("legacy.flw", "Teplárna.flw");
    original = ReadBytes(path);
  }
  DatabaseAccess Access(FileSystem& fs = LocalFileSystem()) { return AccessTo(fs, path, messages); }
  // Nothing left over beside the database and its backup.
  void ExpectNoDebris() {
    for (const std::string& name : folder.Names())
      EXPECT_TRUE(name == "Teplárna.flw" || name == "Teplárna.bak") << name;
  }

  test::TempFolder folder;
  std::string path;
  std::vector<std::uint8_t> original;
  MessageRecorder messages;
};

TEST_F(DatabaseFileTest, PathsOfADatabaseLieBesideIt) {
  const DatabasePaths paths = PathsOf("/data/Pramo/Teplárna.flw");
  EXPECT_EQ(paths.backup, "/data/Pramo/Teplárna.bak");
  EXPECT_EQ(paths.lock, "/data/Pramo/Teplárna.lck");
  EXPECT_EQ(paths.temporary, "/data/Pramo/Teplárna.tmp");
  EXPECT_EQ(PathsOf("/data/v1.0/db").backup, "/data/v1.0/db.bak");
}

TEST_F(DatabaseFileTest, ScanDeliversEveryWholeRecordInFileOrder) {
  auto db = Access();
  std::vector<std::uint8_t> seen;
  const ScanResult scan = ScanDatabase(db, [&](RecordView record) {
    seen.insert(seen.end(), record.begin(), record.end());
    return true;
  });
  EXPECT_TRUE(scan.ok);
  EXPECT_EQ(scan.records, 8u);
  EXPECT_EQ(seen, original);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabaseFileTest, AScanOfADatabaseThatStaysAwayTellsItMissingOrBusy) {
  auto db = AccessTo(LocalFileSystem(), folder.File("nic.flw"), messages);
  EXPECT_FALSE(ScanDatabase(db, [](RecordView) { return true; }).ok);
  auto held = WriterLock::Acquire(LocalFileSystem(), db.paths.lock, db.lockPolicy);
  EXPECT_FALSE(ScanDatabase(db, [](RecordView) { return true; }).ok);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kDatabaseFileMissing.id, str::kDatabaseBusy.id}));
}

TEST_F(DatabaseFileTest, AScanWaitsWhileALiveWriterHasTheFileAway) {
  auto db = Access();
  db.lockPolicy.waitSeconds = 5;
  auto lock = WriterLock::Acquire(LocalFileSystem(), db.paths.lock, db.lockPolicy);
  ASSERT_TRUE(lock);
  std::filesystem::rename(path, db.paths.backup);
  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    std::filesystem::rename(db.paths.backup, path);
    lock->Release();
  });
  const ScanResult scan = ScanDatabase(db, [](RecordView) { return true; });
  writer.join();
  EXPECT_TRUE(scan.ok);
  EXPECT_EQ(scan.records, 8u);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabaseFileTest, ReadFailureInAScanIsToldAsSuch) {
  test::FaultyFileSystem fs;
  fs.FailAt(test::FsOp::Read, 1);
  auto db = Access(fs);
  EXPECT_FALSE(ScanDatabase(db, [](RecordView) { return true; }).ok);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseReadFailure.id});
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
}

TEST_F(DatabaseFileTest, NewNumberFillsTheFirstFreeCalculationSlotAndCopiesEverythingElse) {
  auto db = Access();
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
  const auto written = ReadBytes(path);
  ASSERT_EQ(written.size(), original.size());
  // Record 5 had all three slots free: it takes the calculation; its other bytes stay as they were.
  for (std::size_t i = 0; i < 8; ++i) {
    if (i != 5) {
      EXPECT_EQ(RecordAt(written, i), RecordAt(original, i)) << "record " << i;
    }
  }
  const auto changed = RecordAt(written, 5);
  const auto before = RecordAt(original, 5);
  EXPECT_TRUE(std::equal(changed.begin() + kBlockSize, changed.begin() + record_offset::kCalculationFlag,
                         before.begin() + kBlockSize));
  EXPECT_EQ(changed[record_offset::kCalculationFlag], 1);
  EXPECT_EQ(changed[record_offset::kUserFlag], 0);
  EXPECT_TRUE(std::equal(changed.begin() + record_offset::kCompanyFlag, changed.end(),
                         before.begin() + record_offset::kCompanyFlag));
  CalculationBlock block;
  std::copy_n(changed.begin(), kBlockSize, block.begin());
  EXPECT_EQ(block, EncodeBlock(ComputedCalculation(21)));
  EXPECT_EQ(ReadBytes(PathsOf(path).backup), original);  // the backup holds the previous content
  EXPECT_TRUE(messages.Shown().empty());
  ExpectNoDebris();
}

TEST_F(DatabaseFileTest, NewNumberGoesToTheEndWhenNoCalculationSlotIsFree) {
  auto db = Access();
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(22), SaveMode::NewNumber), SaveOutcome::Stored);
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(23), SaveMode::NewNumber), SaveOutcome::Stored);
  const auto written = ReadBytes(path);
  ASSERT_EQ(written.size(), original.size() + kRecordSize);  // record 7 (a company alone) took 22
  const auto last = RecordAt(written, 8);
  EXPECT_EQ(NumberOfBlock(last).count, 23u);
  EXPECT_EQ(std::vector<std::uint8_t>(last.begin() + record_offset::kCalculationFlag, last.end()),
            std::vector<std::uint8_t>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RecordAt(written, 7)[record_offset::kCompanyFlag], 1);
  EXPECT_EQ(NumberOfBlock(RecordAt(written, 7)).count, 22u);
}

TEST_F(DatabaseFileTest, NextIndexLandsDirectlyBehindItsPredecessor) {
  auto db = Access();
  CalculationState recomputed = ComputedCalculation(12, 4);
  ASSERT_EQ(SaveCalculation(db, recomputed, SaveMode::NextIndex), SaveOutcome::Stored);
  const auto written = ReadBytes(path);
  ASSERT_EQ(written.size(), original.size() + kRecordSize);
  EXPECT_EQ(NumberOfBlock(RecordAt(written, 4)), (CalculationNumber{1, 12, 4}));
  EXPECT_EQ(Without(written, 4), original);  // the free slot of record 5 is not taken
}

TEST_F(DatabaseFileTest, NextIndexOfANumberInTheMiddleOfTheFileInsertsThere) {
  auto db = Access();
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(12, 2), SaveMode::NextIndex), SaveOutcome::Conflict);
  EXPECT_EQ(ReadBytes(path), original);
  messages.Clear();
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(20, 2), SaveMode::NextIndex), SaveOutcome::Stored);
  const auto written = ReadBytes(path);
  EXPECT_EQ(NumberOfBlock(RecordAt(written, 7)), (CalculationNumber{1, 20, 2}));
  EXPECT_EQ(Without(written, 7), original);
}

TEST_F(DatabaseFileTest, FirstCalculationOfADatabaseWithOneUserSharesTheUsersRecord) {
  const std::string onlyUser = folder.Copy("one-user.flw", "nova.flw");
  const auto before = ReadBytes(onlyUser);
  auto db = AccessTo(LocalFileSystem(), onlyUser, messages);
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(1), SaveMode::NewNumber), SaveOutcome::Stored);
  const auto after = ReadBytes(onlyUser);
  ASSERT_EQ(after.size(), kRecordSize);
  EXPECT_EQ(after[record_offset::kCalculationFlag], 1);
  EXPECT_TRUE(std::equal(after.begin() + kBlockSize, after.begin() + record_offset::kCalculationFlag,
                         before.begin() + kBlockSize));
}

TEST_F(DatabaseFileTest, NewNumberAtOrBelowAStoredOneIsAConflictThatChangesNothing) {
  auto db = Access();
  // Another instance stored 0100020-01 meanwhile; this one thought 20 was free.
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(20), SaveMode::NewNumber), SaveOutcome::Conflict);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kNumberConflict.id});
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Warning);
  EXPECT_EQ(ReadBytes(path), original);
  ExpectNoDebris();
  // Installation numbers are not compared: another installation's 20 is a conflict too.
  messages.Clear();
  CalculationState other = ComputedCalculation(20);
  other.NumberInstallation = 7;
  EXPECT_EQ(SaveCalculation(db, other, SaveMode::NewNumber), SaveOutcome::Conflict);
  // An older record without index (index 0) does not block a new number above it.
  messages.Clear();
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
}

TEST_F(DatabaseFileTest, LoadKeepsTheBlocksOwnIndexAndReportsTheHighest) {
  auto db = Access();
  const auto first = LoadCalculation(db, "0100012-01", nullptr);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->state.NumberIndex, 1);
  EXPECT_EQ(first->highestIndex, 3);
  EXPECT_EQ(first->state.FluidName, "přehřátá pára");
  EXPECT_EQ(first->state.VersionTag, "ver3.5");
  const auto older = LoadCalculation(db, "0100012", nullptr);
  ASSERT_TRUE(older);
  EXPECT_EQ(older->state.VersionTag, "ver3.3");
  EXPECT_EQ(older->state.Description, "Čerpadlo [P1]");  // '[' is stored scrambled as 0
  EXPECT_EQ(older->highestIndex, 3);
  const auto converted = LoadCalculation(db, "0200007", nullptr);
  ASSERT_TRUE(converted);
  EXPECT_EQ(converted->state.VersionTag, "ver2.2");
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabaseFileTest, NumberTextsMatchExactlyInTheFormOfTheirTag) {
  auto db = Access();
  EXPECT_FALSE(LoadCalculation(db, "0100012-00", nullptr));  // the "ver3.3" record has only the short form
  EXPECT_FALSE(LoadCalculation(db, "0100020", nullptr));
  EXPECT_EQ(MessageIds(messages), std::vector<int>(2, str::kCalculationNotFound.id));
  EXPECT_EQ(messages.Shown()[0].text,
            "Výpočet 0100012-00 nebyl v databázi nalezen.\r\nDatabázi mezitím zřejmě změnil jiný uživatel.");
}

TEST_F(DatabaseFileTest, LoadWithComparisonWarnsOnlyWhenASettingDiffers) {
  auto db = Access();
  const WorkingSettings defaults;
  ASSERT_TRUE(LoadCalculation(db, "0100012-02", &defaults));
  EXPECT_TRUE(messages.Shown().empty());
  const auto differing = LoadCalculation(db, "0100012-03", &defaults);
  ASSERT_TRUE(differing);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kSettingsDiffer.id});
  EXPECT_EQ(differing->state.BarometricPressure, 98000.0);  // the stored value stays
}

TEST_F(DatabaseFileTest, ADamagedCalculationIsListedButNeitherLoadedNorExported) {
  auto damaged = original;
  damaged[2 * kRecordSize + 111] = 6;  // FlowUnit of 0100012-02
  test::WriteBytes(path, damaged);
  auto db = Access();
  DatabaseListing listing;
  ASSERT_TRUE(ListDatabase(db, ListingRequest{}, listing));
  EXPECT_TRUE(listing.HoldsNumber("0100012-02"));
  EXPECT_FALSE(LoadCalculation(db, "0100012-02", nullptr));
  EXPECT_FALSE(StoredBlock(db, "0100012-02"));
  EXPECT_EQ(MessageIds(messages), std::vector<int>(2, str::kCalculationDamaged.id));
  EXPECT_EQ(messages.Shown()[0].text,
            "Výpočet 0100012-02 je v databázi poškozen: neplatná hodnota FlowUnit = 6.\r\nVýpočet nelze "
            "zobrazit ani dále zpracovat.");
  EXPECT_TRUE(LoadCalculation(db, "0100012-03", nullptr));  // the rest works as before
}

TEST_F(DatabaseFileTest, StoredBlockIsTheRecordsBytes) {
  auto db = Access();
  const auto block = StoredBlock(db, "0100012-02");
  ASSERT_TRUE(block);
  EXPECT_TRUE(std::equal(block->begin(), block->end(), original.begin() + 2 * kRecordSize));
}

TEST_F(DatabaseFileTest, MissingDatabaseIsNotCreatedByAChange) {
  auto db = AccessTo(LocalFileSystem(), folder.File("nic.flw"), messages);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(1), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseNotFoundNotSaved.id});
  EXPECT_FALSE(std::filesystem::exists(folder.File("nic.flw")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("nic.lck")));
}

TEST_F(DatabaseFileTest, FileEndingInAPartialRecordIsReadButNeverRewritten) {
  const std::string truncated = folder.Copy("truncated.flw", "kratka.flw");
  const auto before = ReadBytes(truncated);
  auto db = AccessTo(LocalFileSystem(), truncated, messages);
  DatabaseListing listing;
  ListingRequest request;
  request.today = 45300;
  EXPECT_TRUE(ListDatabase(db, request, listing));
  EXPECT_EQ(listing.RowCount(), 6u);  // the last record (a company alone) is the partial one
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kIncompleteLastRecord.id});
  EXPECT_NE(messages.Shown()[0].text.find("(645 bajtů navíc)"), std::string::npos);
  messages.Clear();
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(30), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kIncompleteLastRecordNotSaved.id});
  EXPECT_EQ(ReadBytes(truncated), before);
  EXPECT_FALSE(std::filesystem::exists(folder.File("kratka.bak")));
}

// Every operation of the file system that a store performs is made to fail in turn: each failure is told
// with its class's message, and the database is exactly as before, with nothing left beside it.
TEST_F(DatabaseFileTest, EveryInjectedFailureOfAStoreLeavesTheDatabaseAsItWas) {
  struct Case {
    test::FsOp op;
    int expectedId;  // 0: the class depends on where the failure hits
  };
  const Case cases[] = {
      {test::FsOp::Open, 0},   {test::FsOp::Create, 0}, {test::FsOp::Read, str::kReadFailureNotSaved.id},
      {test::FsOp::Write, 0},  {test::FsOp::Sync, 0},   {test::FsOp::Link, 0},
      {test::FsOp::Close, 0},  {test::FsOp::Rename, 0}, {test::FsOp::SyncDirectory, 0},
      {test::FsOp::Remove, 0},
  };
  int failuresSeen = 0;
  for (const Case& c : cases) {
    for (int n = 1; n < 20; ++n) {
      test::WriteBytes(path, original);
      std::filesystem::remove(PathsOf(path).backup);
      messages.Clear();
      test::FaultyFileSystem fs;
      fs.FailAt(c.op, n);
      auto db = Access(fs);
      const SaveOutcome outcome = SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber);
      SCOPED_TRACE("operation " + std::to_string(static_cast<int>(c.op)) + ", call " + std::to_string(n));
      if (!fs.Failed()) {
        EXPECT_EQ(outcome, SaveOutcome::Stored);
        break;
      }
      if (outcome == SaveOutcome::Stored) {
        // A failure that does not touch the new content: releasing the lock. The lock file left behind
        // names this process, which no longer holds it, so the next change goes through.
        EXPECT_NE(ReadBytes(path), original);
        messages.Clear();
        auto next = Access();
        EXPECT_EQ(SaveCalculation(next, ComputedCalculation(22), SaveMode::NewNumber), SaveOutcome::Stored);
        ExpectNoDebris();
        continue;
      }
      ExpectNoDebris();
      ++failuresSeen;
      EXPECT_EQ(ReadBytes(path), original);
      ASSERT_EQ(messages.Shown().size(), 1u);
      EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
      if (c.expectedId) {
        EXPECT_EQ(messages.Shown()[0].id, c.expectedId);
      }
    }
  }
  EXPECT_GT(failuresSeen, 10);
}

TEST_F(DatabaseFileTest, WriteFailuresAreToldByTheirKind) {
  test::FaultyFileSystem fs;
  fs.FailAt(test::FsOp::Write, 1);  // the lock file
  auto db = Access(fs);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kCannotCreateWorkingFile.id});
  messages.Clear();
  fs.FailAt(test::FsOp::Write, 3);  // the new database content (a full disk), after lock and journal
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kWriteFailureNotSaved.id});
  EXPECT_EQ(ReadBytes(path), original);
  ExpectNoDebris();
}

TEST_F(DatabaseFileTest, RenameFailuresAtTheStartChangeNothing) {
  test::FaultyFileSystem fs;
  fs.FailAt(test::FsOp::Rename, 1);
  auto db = Access(fs);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kCannotCreateWorkingFile.id});
  EXPECT_EQ(ReadBytes(path), original);
  ExpectNoDebris();
}

TEST_F(DatabaseFileTest, FailedRestoreLeavesTheDataInTheBackupAndSaysSo) {
  struct FailRestore : test::FaultyFileSystem {
    IoStatus Rename(const std::string& from, const std::string& to) override {
      if (from.ends_with(".bak")) return IoStatus::OtherFailure;
      return test::FaultyFileSystem::Rename(from, to);
    }
  } failing;
  failing.FailAt(test::FsOp::Write, 3);  // the first writes fill the lock file and the journal
  auto db = Access(failing);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kWriteFailureNotSaved.id, str::kRestoreFailed.id}));
  EXPECT_EQ(
      messages.Shown()[1].text,
      "Z důvodu fatální chyby přístupu k disku nemůže program korektně \r\nzpracovat databázový soubor!\r\n"
      "Ukončete program!\r\nDatabáze je uložena na stejném místě na disku, ale s příponou *.bak, \r\npro "
      "další práci změňte příponu tohoto souboru na *.flw !");
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(ReadBytes(PathsOf(path).backup), original);
  // The next start puts it back.
  messages.Clear();
  auto restart = Access();
  EXPECT_TRUE(RecoverDatabase(restart));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseRestored.id});
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(DatabaseFileTest, AWriterHoldingTheLockKeepsOthersOut) {
  auto db = Access();
  auto held = WriterLock::Acquire(LocalFileSystem(), PathsOf(path).lock, db.lockPolicy);
  ASSERT_TRUE(held);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseBusyNotSaved.id});
  EXPECT_EQ(ReadBytes(path), original);
  held->Release();
  messages.Clear();
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
}

void WriteLock(const std::string& path, const LockOwner& owner) {
  const std::string text = LockFileText(owner);
  test::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void AgeFile(const std::string& path, int seconds) {
  std::filesystem::last_write_time(path,
                                   std::filesystem::last_write_time(path) - std::chrono::seconds(seconds));
}

TEST_F(DatabaseFileTest, AbandonedLocksAreBrokenAndLiveOnesAreNot) {
  auto db = Access();
  const std::string lock = PathsOf(path).lock;
  LockOwner gone = CurrentLockOwner();
  gone.processId = 999999999;  // no such process
  WriteLock(lock, gone);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
  EXPECT_FALSE(std::filesystem::exists(lock));

  LockOwner restarted = CurrentLockOwner();
  restarted.bootId = "another boot";
  WriteLock(lock, restarted);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(22), SaveMode::NewNumber), SaveOutcome::Stored);

  LockOwner foreign = CurrentLockOwner();
  foreign.host = "jiny-pocitac";
  WriteLock(lock, foreign);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(23), SaveMode::NewNumber), SaveOutcome::Failed);
  AgeFile(lock, 600);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(23), SaveMode::NewNumber), SaveOutcome::Stored);

  test::WriteBytes(lock, {});  // created, and its writer died before filling it
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(24), SaveMode::NewNumber), SaveOutcome::Failed);
  AgeFile(lock, 60);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(24), SaveMode::NewNumber), SaveOutcome::Stored);

  LockOwner alive = CurrentLockOwner();
  alive.processId = 1;  // a process that runs as long as the machine does
  alive.processStart = 0;
  WriteLock(lock, alive);
  AgeFile(lock, 6000);
  EXPECT_TRUE(LockHeldByLiveWriter(LocalFileSystem(), lock, db.lockPolicy));
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(25), SaveMode::NewNumber), SaveOutcome::Failed);

  // A lock naming this process that it does not hold was left by a failed release.
  WriteLock(lock, CurrentLockOwner());
  EXPECT_FALSE(LockHeldByLiveWriter(LocalFileSystem(), lock, db.lockPolicy));
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(25), SaveMode::NewNumber), SaveOutcome::Stored);
}

TEST_F(DatabaseFileTest, LockFileNamesItsOwner) {
  const LockOwner owner = CurrentLockOwner();
  const auto parsed = ParseLockFile(LockFileText(owner));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->host, owner.host);
  EXPECT_EQ(parsed->processId, owner.processId);
  EXPECT_EQ(parsed->since, owner.since);
  EXPECT_FALSE(ParseLockFile("pramo-writer-lock 1\nhost=a\npid=x\n"));
  EXPECT_FALSE(ParseLockFile("something else"));
}

TEST_F(DatabaseFileTest, RecoveryRestoresAnInterruptedRewriteAndClearsItsDebris) {
  auto db = Access();
  const DatabasePaths paths = PathsOf(path);
  // Killed after taking the file away and writing part of the new one.
  std::filesystem::rename(path, paths.backup);
  test::WriteBytes(paths.temporary, std::vector<std::uint8_t>(original.begin(), original.begin() + 3000));
  LockOwner gone = CurrentLockOwner();
  gone.processId = 999999999;
  WriteLock(paths.lock, gone);
  EXPECT_TRUE(RecoverDatabase(db));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseRestored.id});
  EXPECT_EQ(ReadBytes(path), original);
  ExpectNoDebris();
  // Nothing to do: nothing told.
  messages.Clear();
  EXPECT_TRUE(RecoverDatabase(db));
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabaseFileTest, RecoveryLeavesALiveWritersWorkAlone) {
  auto db = Access();
  const DatabasePaths paths = PathsOf(path);
  auto held = WriterLock::Acquire(LocalFileSystem(), paths.lock, db.lockPolicy);
  std::filesystem::rename(path, paths.backup);
  EXPECT_FALSE(RecoverDatabase(db));
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_TRUE(std::filesystem::exists(paths.backup));
  EXPECT_FALSE(std::filesystem::exists(path));
}

// Links planted under the working files' names are neither followed nor become the database; the
// database keeps the permissions its administrator gave it.
TEST_F(DatabaseFileTest, StoresNeverWriteThroughPlantedLinksAndKeepThePermissions) {
  const std::string victim = folder.File("cizi.txt");
  test::WriteBytes(victim, {'x'});
  const DatabasePaths paths = PathsOf(path);
  std::filesystem::create_symlink(victim, paths.temporary);
  std::filesystem::create_symlink(victim, paths.backup);
  ::chmod(path.c_str(), 0640);
  auto db = Access();
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
  EXPECT_EQ(ReadBytes(victim), std::vector<std::uint8_t>{'x'});
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  // A link under the lock's name keeps writers out; nothing is written through it.
  std::filesystem::create_symlink(victim, paths.lock);
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(22), SaveMode::NewNumber), SaveOutcome::Failed);
  EXPECT_EQ(ReadBytes(victim), std::vector<std::uint8_t>{'x'});
  EXPECT_TRUE(std::filesystem::is_symlink(paths.lock));
}

// One case per situation recovery meets: only an interrupted rewrite comes back, and only the files the
// rewrite made go.
TEST_F(DatabaseFileTest, RecoveryRestoresOnlyAnInterruptedRewrite) {
  const DatabasePaths paths = PathsOf(path);
  auto db = Access();
  // Deleted on purpose: the backup of the last change stays a backup, and a new database starts empty.
  ASSERT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
  std::filesystem::remove(path);
  EXPECT_FALSE(RecoverDatabase(db));
  EXPECT_FALSE(std::filesystem::exists(path));
  const DatabaseRecord user = RecordWithSlot(Slot::User, std::vector<std::uint8_t>(10, 1));
  ASSERT_TRUE(AddToFirstFreeSlot(db, Slot::User, std::span(user).subspan(973, 10), true));
  EXPECT_EQ(ReadBytes(path).size(), kRecordSize);

  // Killed with the file away: the journal tells, the backup comes back, the new content's file goes.
  test::WriteBytes(path, original);
  std::filesystem::remove(paths.backup);
  struct Killed : test::FaultyFileSystem {
    IoStatus Rename(const std::string& from, const std::string& to) override {
      if (from.ends_with(".flw")) {
        const IoStatus renamed = test::FaultyFileSystem::Rename(from, to);
        throw renamed;  // the writer dies right after taking the file away
      }
      return test::FaultyFileSystem::Rename(from, to);
    }
  } killed;
  {
    auto dying = Access(killed);
    EXPECT_THROW(SaveCalculation(dying, ComputedCalculation(30), SaveMode::NewNumber), IoStatus);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  messages.Clear();
  EXPECT_TRUE(RecoverDatabase(db));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseRestored.id});
  EXPECT_EQ(ReadBytes(path), original);
  ExpectNoDebris();

  // A file given as the database is never one of its own working files, whatever its name.
  for (const char* name : {"x.tmp", "x.lck", "x.bak", "x.jrn"}) {
    const std::string given = folder.Copy("legacy.flw", name);
    auto other = AccessTo(LocalFileSystem(), given, messages);
    EXPECT_TRUE(ScanDatabase(other, [](RecordView) { return true; }).ok) << name;
    EXPECT_EQ(SaveCalculation(other, ComputedCalculation(40), SaveMode::NewNumber), SaveOutcome::Stored);
    EXPECT_TRUE(std::filesystem::exists(given)) << name;
  }
}

// A database of an invalid format is refused by every change and stays byte for byte.
TEST_F(DatabaseFileTest, AnInvalidFormatIsNeverChanged) {
  auto bytes = original;
  bytes[5 * kRecordSize + 2] = '?';  // a record holding nothing, with a broken tag
  test::WriteBytes(path, bytes);
  auto db = Access();
  EXPECT_EQ(SaveCalculation(db, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Failed);
  const std::array<std::uint8_t, 51> company{};
  EXPECT_FALSE(AddToFirstFreeSlot(db, Slot::Company, company, false));
  EXPECT_FALSE(ChangeRecords(db, [](std::span<std::uint8_t, kRecordSize>) {}));
  EXPECT_EQ(MessageIds(messages), std::vector<int>(3, str::kInvalidDatabase.id));
  EXPECT_EQ(ReadBytes(path), bytes);
}

// Writers at once: each store under the next free number, chosen under the lock, gets its own number.
TEST_F(DatabaseFileTest, NextFreeNumbersOfWritersAtOnceAreDistinct) {
  std::vector<std::uint32_t> numbers(8);
  std::vector<std::thread> writers;
  for (std::size_t i = 0; i < numbers.size(); ++i)
    writers.emplace_back([&, i] {
      MessageRecorder quiet;
      auto db = AccessTo(LocalFileSystem(), path, quiet);
      db.lockPolicy.waitSeconds = 30;  // the writers queue; a loaded machine makes each slow
      EXPECT_EQ(SaveCalculation(db, ComputedCalculation(1), SaveMode::NextFreeNumber, &numbers[i]),
                SaveOutcome::Stored);
    });
  for (auto& writer : writers) writer.join();
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
  EXPECT_EQ(numbers.back() - numbers.front(), numbers.size() - 1);
}

TEST_F(DatabaseFileTest, FreeSlotsServeUsersAndCompanies) {
  auto db = Access();
  const std::vector<std::uint8_t> company(51, 0x20);
  ASSERT_TRUE(AddToFirstFreeSlot(db, Slot::Company, company, false));
  auto written = ReadBytes(path);
  ASSERT_EQ(written.size(), original.size());
  EXPECT_EQ(written[record_offset::kCompanyFlag], 1);  // record 0 had no company
  EXPECT_TRUE(std::equal(written.begin() + record_offset::kCompany,
                         written.begin() + record_offset::kCompany + 51, company.begin()));
  EXPECT_EQ(Without(written, 0), Without(original, 0));

  // Removing clears a flag and keeps the record; the next addition reuses the slot.
  ASSERT_TRUE(ChangeRecords(
      db, [](std::span<std::uint8_t, kRecordSize> record) { record[record_offset::kUserFlag] = 0; }));
  written = ReadBytes(path);
  EXPECT_EQ(written.size(), original.size());
  const std::vector<std::uint8_t> user(102, 0x41);
  ASSERT_TRUE(AddToFirstFreeSlot(db, Slot::User, user, false));
  written = ReadBytes(path);
  EXPECT_EQ(written.size(), original.size());
  EXPECT_EQ(written[record_offset::kUserFlag], 1);
  EXPECT_EQ(written[record_offset::kUserLogin], 0x41);
}

TEST_F(DatabaseFileTest, FirstUserCreatesTheDatabase) {
  const std::string fresh = folder.File("nova.flw");
  auto db = AccessTo(LocalFileSystem(), fresh, messages);
  const std::vector<std::uint8_t> user(102, 0x42);
  ASSERT_TRUE(AddToFirstFreeSlot(db, Slot::User, user, true));
  const auto written = ReadBytes(fresh);
  ASSERT_EQ(written.size(), kRecordSize);
  EXPECT_EQ(BlockVersionTag(written), "ver3.5");
  EXPECT_EQ(written[record_offset::kCalculationFlag], 0);
  EXPECT_EQ(written[record_offset::kUserFlag], 1);
  EXPECT_EQ(written[record_offset::kCompanyFlag], 0);
  EXPECT_FALSE(std::filesystem::exists(folder.File("nova.lck")));
}

TEST_F(DatabaseFileTest, CheckCountsSlotsAndFindsProblems) {
  auto db = Access();
  DatabaseCheck check = CheckDatabase(db);
  EXPECT_TRUE(check.readable);
  EXPECT_EQ(check.records, 8u);
  EXPECT_EQ(check.calculations, 6u);
  EXPECT_EQ(check.users, 1u);
  EXPECT_EQ(check.companies, 2u);
  EXPECT_EQ(check.freeCalculationSlots, 2u);
  EXPECT_EQ(check.highestRunningCount, 20u);
  EXPECT_TRUE(check.problems.empty()) << check.problems.front();

  auto bad = AccessTo(LocalFileSystem(), folder.Copy("bad-tag.flw", "spatna.flw"), messages);
  check = CheckDatabase(bad);
  ASSERT_EQ(check.problems.size(), 1u);
  EXPECT_EQ(check.problems[0], "Záznam 4: neplatná značka verze.");
}

}  // namespace
}  // namespace pramo
