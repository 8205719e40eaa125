// The conversion run on target databases and old files built from their layouts: what the target holds
// after completion, after stopping and after failures, and the messages on the way.
#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "core/CalculationBlockCodec.h"
#include "legacy/ConversionRun.h"
#include "legacy/ConversionTestSupport.h"
#include "storage/DatabaseFile.h"
#include "storage/StorageTestSupport.h"
#include "storage/WriterLock.h"
#include "strings/legacy.h"
#include "strings/storage.h"

namespace pramo {
namespace {

namespace fs = std::filesystem;
using test::CompanyName;
using test::FaultyFileSystem;
using test::FsOp;
using test::LegacyFixture;
using test::OldCalculations;
using test::Records;
using test::SameUserSlot;
using test::WithCalculation;
using test::WithCompany;
using test::WithUser;

// A target with three users among calculations and companies: the users sit in records 0, 2 and 4.
std::vector<DatabaseRecord> ThreeUserTarget() {
  return {
      WithCompany(WithUser(WithCalculation(EmptyRecord(), 5), "anna", 10), "Stara firma"),
      WithCalculation(EmptyRecord(), 6),
      WithUser(EmptyRecord(), "bedrich", 20),
      WithCompany(EmptyRecord(), "Jina firma"),
      WithCompany(WithUser(EmptyRecord(), "cyril", 30), "Treti firma"),
  };
}

class ConversionRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    messages.Prepare(Answer::Yes);  // the confirmation
  }

  void MakeTarget(const std::vector<DatabaseRecord>& records) {
    original = test::Bytes(records);
    test::WriteBytes(target, original);
  }

  // Starts and converts every record, then stores the companies.
  void RunToEnd(ConversionRun& run, const ConversionRequest& request) {
    ASSERT_TRUE(run.Start(request));
    while (run.Step()) {
    }
    ASSERT_EQ(run.Phase(), ConversionPhase::Companies);
    EXPECT_TRUE(run.StoreCompanies());
    EXPECT_EQ(run.Phase(), ConversionPhase::Finished);
  }

  ConversionRequest Request(const std::string& calculations, const std::string& companiesFile = "",
                            bool allCompanies = false) {
    ConversionRequest request;
    request.calculationsFile = calculations;
    request.companiesFile = companiesFile;
    request.allCompanies = allCompanies;
    if (!companiesFile.empty()) {
      EXPECT_TRUE(ReadLegacyCompanies(companiesFile, request.encoding, companies, messages));
    }
    return request;
  }

  test::TempFolder folder;
  std::string target = folder.File("cil.flw");
  std::vector<std::uint8_t> original;
  MessageRecorder messages{Answer::Cancel};
  FaultyFileSystem fileSystem;
  DatabaseAccess db = test::AccessTo(fileSystem, target, messages);
  LegacyCompanies companies;
  std::vector<std::string> companyList;
};

TEST_F(ConversionRunTest, ThreeUsersAndOneCalculation) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(OldCalculations(folder.File("vypocty.000"), 1, 12), LegacyFixture("firmy.000")));

  const auto records = Records(target);
  ASSERT_EQ(records.size(), 3u);
  const auto before = ThreeUserTarget();
  EXPECT_TRUE(SameUserSlot(records[0], before[0]));
  EXPECT_TRUE(SameUserSlot(records[1], before[2]));
  EXPECT_TRUE(SameUserSlot(records[2], before[4]));
  // The one calculation lies in the first user's record, with its old number and tag.
  EXPECT_TRUE(SlotInUse(records[0], Slot::Calculation));
  EXPECT_FALSE(SlotInUse(records[1], Slot::Calculation));
  EXPECT_FALSE(SlotInUse(records[2], Slot::Calculation));
  EXPECT_EQ(BlockVersionTag(records[0]), "ver2.2");
  EXPECT_EQ(NumberOfBlock(records[0]), (CalculationNumber{7, 12, 0}));
  // The record names company 12345678, which the companies file calls "Strojírny Brno": that name is
  // the only one the target receives, in the first record's company slot.
  EXPECT_EQ(companyList, std::vector<std::string>{"Strojírny Brno"});
  EXPECT_EQ(CompanyName(records[0]), "Strojírny Brno");
  EXPECT_TRUE(SlotInUse(records[0], Slot::Company));
  EXPECT_FALSE(SlotInUse(records[1], Slot::Company));
  EXPECT_FALSE(SlotInUse(records[2], Slot::Company));
  EXPECT_EQ(run.CompaniesStored(), 1u);
  EXPECT_EQ(test::MessageIds(messages), (std::vector<int>{str::kConvertConfirm.id, str::kConvertDone.id}));
  // The old calculations are gone from the file, not only from its flags.
  const DatabaseRecord empty = EmptyRecord();
  EXPECT_TRUE(std::equal(empty.begin(), empty.begin() + kBlockSize, records[1].begin()));
}

TEST_F(ConversionRunTest, ConfirmationIsTheFirstQuestionWithThreeButtons) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty.000"))));
  const Message& question = messages.Shown().at(0);
  EXPECT_EQ(question.kind, MessageKind::Confirmation);
  EXPECT_EQ(question.text,
            "Výpočty budou uloženy do nové databáze, všechny předchozí výpočty \r\nnové databáze budou "
            "nenávratně ztraceny!\r\n\r\nOpravdu chcete výpočty převést do nové databáze?");
  EXPECT_EQ(question.buttons, (std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
}

TEST_F(ConversionRunTest, AllCompaniesWithDuplicatesFillSlotsThenAppendedRecords) {
  MakeTarget({WithUser(EmptyRecord(), "anna", 10)});
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(LegacyFixture("vypocty.000"), LegacyFixture("firmy.000"), true));

  const auto records = Records(target);
  ASSERT_EQ(records.size(), 4u);  // the user's record, two calculation records, one company record
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(SlotInUse(records[i], Slot::Calculation)) << i;
    EXPECT_EQ(NumberOfBlock(records[i]).count, i + 1) << i;
    EXPECT_EQ(SlotInUse(records[i], Slot::User), i == 0) << i;
  }
  const std::vector<std::string> expected = {"Strojírny Brno", "Teplárna Ústí", "Strojírny Brno II",
                                             "Strojírny Brno"};
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_TRUE(SlotInUse(records[i], Slot::Company)) << i;
    EXPECT_EQ(CompanyName(records[i]), expected[i]) << i;
  }
  // A record written for a name alone carries the current tag and nothing else.
  EXPECT_EQ(BlockVersionTag(records[3]), kCurrentVersionTag);
  EXPECT_FALSE(SlotInUse(records[3], Slot::Calculation));
  EXPECT_FALSE(SlotInUse(records[3], Slot::User));
  EXPECT_EQ(run.CompaniesStored(), 4u);
  // Calculation records with nothing else carry no user.
  EXPECT_EQ(records[1][record_offset::kUserFlag], 0);
}

TEST_F(ConversionRunTest, CompanyListKeepsItsEntriesAndTakesNamesOnce) {
  MakeTarget({WithUser(EmptyRecord(), "anna", 10)});
  companyList = {"Kotelna"};
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(LegacyFixture("vypocty.000"), LegacyFixture("firmy.000")));

  // Record 3 names company 00000000, which the companies file does not know: it keeps the number as its
  // company and adds nothing to the list.
  EXPECT_EQ(companyList, (std::vector<std::string>{"Kotelna", "Strojírny Brno", "Teplárna Ústí"}));
  const auto records = Records(target);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(CompanyName(records[0]), "Kotelna");
  EXPECT_EQ(CompanyName(records[1]), "Strojírny Brno");
  EXPECT_EQ(CompanyName(records[2]), "Teplárna Ústí");
  const auto third = LoadCalculation(db, "0100003", nullptr);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->state.Company, "00000000");
}

TEST_F(ConversionRunTest, WithoutCompaniesFileNoCompaniesAndNoFinalMessage) {
  MakeTarget(ThreeUserTarget());
  companyList = {"Kotelna"};
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(LegacyFixture("vypocty.000")));

  for (const auto& record : Records(target)) EXPECT_FALSE(SlotInUse(record, Slot::Company));
  EXPECT_EQ(test::MessageIds(messages), std::vector<int>{str::kConvertConfirm.id});
  EXPECT_EQ(run.CompaniesStored(), 0u);
}

TEST_F(ConversionRunTest, EmptyOldFileLeavesTheUsersOnly) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(LegacyFixture("vypocty_prazdny.000"), LegacyFixture("firmy.000")));

  const auto records = Records(target);
  ASSERT_EQ(records.size(), 3u);
  const auto before = ThreeUserTarget();
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(SameUserSlot(records[i], before[2 * i])) << i;
    EXPECT_FALSE(SlotInUse(records[i], Slot::Calculation)) << i;
    EXPECT_FALSE(SlotInUse(records[i], Slot::Company)) << i;
    // Every record keeps a valid tag.
    EXPECT_TRUE(IsKnownVersionTag(BlockVersionTag(records[i]))) << i;
  }
  EXPECT_EQ(run.Progress().total, 0u);
  // A companies file was chosen: the conversion ends with its message, although no name was taken.
  EXPECT_EQ(test::MessageIds(messages), (std::vector<int>{str::kConvertConfirm.id, str::kConvertDone.id}));
}

TEST_F(ConversionRunTest, ConvertedCalculationsListAndLoadLikeStoredOnes) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(LegacyFixture("vypocty.000"), LegacyFixture("firmy.000")));

  const DatabaseCheck check = CheckDatabase(db);
  EXPECT_TRUE(check.problems.empty()) << check.problems.front();
  EXPECT_EQ(check.calculations, 3u);
  EXPECT_EQ(check.users, 3u);
  EXPECT_EQ(check.companies, 2u);
  const auto first = LoadCalculation(db, "0100001", nullptr);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->state.VersionTag, "ver2.2");
  EXPECT_EQ(first->state.Fluid, FluidKind::SuperheatedSteam);
  EXPECT_EQ(first->state.Description, "Kotel č. 3, přehřátá pára");
  EXPECT_EQ(first->state.Company, "Strojírny Brno");
  EXPECT_EQ(first->state.Designer, "neurčeno");
  // The fixture's records leave the validity flag of the bore clear: their results are valid.
  EXPECT_TRUE(first->state.ResultsValid);
}

TEST_F(ConversionRunTest, ResultsAreValidOnlyWithoutTheBoreFlag) {
  MakeTarget({WithUser(EmptyRecord(), "anna", 10)});
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(OldCalculations(folder.File("vypocty.000"), 1, 12)));
  const auto loaded = LoadCalculation(db, "0700012", nullptr);
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(loaded->state.LimitFlags[0]);
  EXPECT_FALSE(loaded->state.ResultsValid);
}

TEST_F(ConversionRunTest, ProgressCountsWholeRecordsAndShowsTheLastRunningCount) {
  MakeTarget({WithUser(EmptyRecord(), "anna", 10)});
  ConversionRun run(db, companies, companyList);
  // Two whole records and a third cut short.
  ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty_neuplny.000"))));
  EXPECT_EQ(run.Progress().total, 2u);
  EXPECT_EQ(run.Progress().done, 0u);
  EXPECT_EQ(run.TrailingBytes(), 150u);
  ASSERT_TRUE(run.Step());
  EXPECT_EQ(run.Progress().done, 1u);
  EXPECT_EQ(run.Progress().lastCount, 1u);
  ASSERT_TRUE(run.Step());
  EXPECT_EQ(run.Progress().lastCount, 2u);
  EXPECT_FALSE(run.Step());
  EXPECT_EQ(run.Phase(), ConversionPhase::Companies);
  EXPECT_EQ(run.Progress().done, 2u);
  EXPECT_EQ(Records(target).size(), 2u);
}

TEST_F(ConversionRunTest, StepForWorksInSlicesAndAlwaysMakesProgress) {
  MakeTarget({WithUser(EmptyRecord(), "anna", 10)});
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(run.Start(Request(OldCalculations(folder.File("vypocty.000"), 50))));
  EXPECT_EQ(run.StepFor(std::chrono::steady_clock::duration::zero()), 1u);
  EXPECT_EQ(run.StepFor(std::chrono::hours(1)), 49u);
  EXPECT_EQ(run.Phase(), ConversionPhase::Companies);
  EXPECT_EQ(run.StepFor(std::chrono::hours(1)), 0u);
}

TEST_F(ConversionRunTest, CancelNoGoesOnAndYesKeepsWhatWasConvertedAndAllUsers) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(
      run.Start(Request(OldCalculations(folder.File("vypocty.000"), 10), LegacyFixture("firmy.000"))));
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(run.Step());
  messages.Prepare(Answer::No);
  EXPECT_FALSE(run.AskCancel());
  messages.Prepare(Answer::Cancel);
  EXPECT_FALSE(run.AskCancel());
  EXPECT_EQ(run.Phase(), ConversionPhase::Calculations);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(run.Step());
  messages.Prepare(Answer::Yes);
  EXPECT_TRUE(run.AskCancel());
  EXPECT_EQ(run.Phase(), ConversionPhase::Cancelled);
  EXPECT_FALSE(run.Step());
  EXPECT_FALSE(run.StoreCompanies());

  const Message& question = messages.Shown().at(1);
  EXPECT_EQ(question.kind, MessageKind::Warning);
  EXPECT_EQ(question.text, "Převod byl přerušen!\r\nUkončit převádění formátu?");
  EXPECT_EQ(question.buttons, (std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));

  const auto records = Records(target);
  ASSERT_EQ(records.size(), 5u);  // three users holding calculations 1..3, then calculations 4 and 5
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(NumberOfBlock(records[i]).count, i + 1) << i;
    EXPECT_EQ(SlotInUse(records[i], Slot::User), i < 3) << i;
    EXPECT_FALSE(SlotInUse(records[i], Slot::Company)) << i;
  }
  const auto before = ThreeUserTarget();
  EXPECT_TRUE(SameUserSlot(records[2], before[4]));
  EXPECT_EQ(run.Progress().done, 5u);
}

TEST_F(ConversionRunTest, CancelBeforeTheFirstRecordKeepsTheUsersOnly) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(run.Start(Request(OldCalculations(folder.File("vypocty.000"), 10))));
  messages.Prepare(Answer::Yes);
  EXPECT_TRUE(run.AskCancel());
  const auto records = Records(target);
  ASSERT_EQ(records.size(), 3u);
  for (const auto& record : records) {
    EXPECT_TRUE(SlotInUse(record, Slot::User));
    EXPECT_FALSE(SlotInUse(record, Slot::Calculation));
  }
}

TEST_F(ConversionRunTest, CancelAfterTheCalculationsSkipsTheCompanies) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty.000"), LegacyFixture("firmy.000"))));
  while (run.Step()) {
  }
  messages.Prepare(Answer::Yes);
  EXPECT_TRUE(run.AskCancel());
  EXPECT_EQ(run.Phase(), ConversionPhase::Cancelled);
  for (const auto& record : Records(target)) EXPECT_FALSE(SlotInUse(record, Slot::Company));
}

TEST_F(ConversionRunTest, AskCancelWithoutARunClosesAtOnce) {
  ConversionRun run(db, companies, companyList);
  EXPECT_TRUE(run.AskCancel());
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ConversionRunTest, RefusedStartsLeaveTheTargetAsItWas) {
  MakeTarget(ThreeUserTarget());
  struct Case {
    const char* name;
    std::string calculations;
    std::optional<Answer> confirmation;
    int message;
  };
  const std::vector<Case> cases = {
      {"no calculations file", "", std::nullopt, str::kConvertNoCalculationsFile.id},
      {"file shorter than its header", LegacyFixture("vypocty_kratky.000"), std::nullopt,
       str::kLegacyCalculationsReadFailed.id},
      {"missing file", folder.File("chybi.000"), std::nullopt, str::kLegacyCalculationsReadFailed.id},
      {"answered No", LegacyFixture("vypocty.000"), Answer::No, str::kConvertConfirm.id},
      {"answered Cancel", LegacyFixture("vypocty.000"), Answer::Cancel, str::kConvertConfirm.id},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MessageRecorder recorder;
    if (c.confirmation) recorder.Prepare(*c.confirmation);
    DatabaseAccess access = test::AccessTo(fileSystem, target, recorder);
    ConversionRun run(access, companies, companyList);
    ConversionRequest request;
    request.calculationsFile = c.calculations;
    EXPECT_FALSE(run.Start(request));
    EXPECT_EQ(run.Phase(), ConversionPhase::Idle);
    EXPECT_EQ(test::MessageIds(recorder), std::vector<int>{c.message});
    EXPECT_EQ(test::ReadBytes(target), original);
    EXPECT_FALSE(fs::exists(folder.File("cil.bak")));
  }
}

TEST_F(ConversionRunTest, NoTargetChosen) {
  DatabaseAccess access = test::AccessTo(fileSystem, "", messages);
  ConversionRun run(access, companies, companyList);
  EXPECT_FALSE(run.Start(Request(LegacyFixture("vypocty.000"))));
  EXPECT_EQ(test::MessageIds(messages), std::vector<int>{str::kConvertNoTargetDatabase.id});
}

TEST_F(ConversionRunTest, MissingTargetIsTold) {
  ConversionRun run(db, companies, companyList);
  EXPECT_FALSE(run.Start(Request(LegacyFixture("vypocty.000"))));
  EXPECT_EQ(test::MessageIds(messages),
            (std::vector<int>{str::kConvertConfirm.id, str::kDatabaseNotFoundNotSaved.id}));
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(ConversionRunTest, TargetHeldByAnotherWriterIsLeftAlone) {
  MakeTarget(ThreeUserTarget());
  auto other = WriterLock::Acquire(fileSystem, db.paths.lock, db.lockPolicy);
  ASSERT_TRUE(other);
  ConversionRun run(db, companies, companyList);
  EXPECT_FALSE(run.Start(Request(LegacyFixture("vypocty.000"))));
  EXPECT_EQ(test::MessageIds(messages),
            (std::vector<int>{str::kConvertConfirm.id, str::kDatabaseBusyNotSaved.id}));
  EXPECT_EQ(test::ReadBytes(target), original);
}

TEST_F(ConversionRunTest, TheRunHoldsTheTargetAgainstOtherWriters) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty.000"))));
  ASSERT_TRUE(run.Step());
  MessageRecorder otherMessages;
  DatabaseAccess other = test::AccessTo(fileSystem, target, otherMessages);
  const auto slot = CompanySlot("Vetrelec");
  EXPECT_FALSE(AddToFirstFreeSlot(other, Slot::Company, slot, false));
  while (run.Step()) {
  }
  EXPECT_TRUE(run.StoreCompanies());
  for (const auto& record : Records(target)) EXPECT_FALSE(SlotInUse(record, Slot::Company));
}

TEST_F(ConversionRunTest, CompanyAddedBetweenThePhasesKeepsItsSlot) {
  MakeTarget({WithUser(EmptyRecord(), "anna", 10)});
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty.000"), LegacyFixture("firmy.000"))));
  while (run.Step()) {
  }
  // Another instance adds a company while the run waits for its company phase.
  MessageRecorder otherMessages;
  DatabaseAccess other = test::AccessTo(fileSystem, target, otherMessages);
  ASSERT_TRUE(AddToFirstFreeSlot(other, Slot::Company, CompanySlot("Vetrelec"), false));
  EXPECT_TRUE(run.StoreCompanies());
  const auto records = Records(target);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(CompanyName(records[0]), "Vetrelec");
  EXPECT_EQ(CompanyName(records[1]), "Strojírny Brno");
  EXPECT_EQ(CompanyName(records[2]), "Teplárna Ústí");
}

TEST_F(ConversionRunTest, WriteFailureInTheCalculationPhaseRestoresThePreviousFile) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  // Enough records for the written data to reach the disk in the middle of the phase.
  ASSERT_TRUE(run.Start(Request(OldCalculations(folder.File("vypocty.000"), 2000))));
  fileSystem.FailAt(FsOp::Write, 1);
  std::size_t steps = 0;
  while (run.Step()) ++steps;
  EXPECT_LT(steps, 2000u);
  EXPECT_EQ(run.Phase(), ConversionPhase::Failed);
  EXPECT_EQ(messages.Shown().back().id, str::kWriteFailureNotSaved.id);
  EXPECT_EQ(test::ReadBytes(target), original);
  EXPECT_FALSE(fs::exists(db.paths.temporary));
  EXPECT_FALSE(fs::exists(db.paths.lock));
}

TEST_F(ConversionRunTest, FailureAtTheEndOfTheCalculationPhaseRestoresThePreviousFile) {
  for (const FsOp op : {FsOp::Sync, FsOp::Rename, FsOp::Close}) {
    SCOPED_TRACE(static_cast<int>(op));
    MakeTarget(ThreeUserTarget());
    messages.Prepare(Answer::Yes);
    ConversionRun run(db, companies, companyList);
    ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty.000"))));
    fileSystem.FailAt(op, 1);
    while (run.Step()) {
    }
    EXPECT_EQ(run.Phase(), ConversionPhase::Failed);
    EXPECT_EQ(test::ReadBytes(target), original);
    fileSystem.FailNothing();
  }
}

TEST_F(ConversionRunTest, FailureInTheCompanyPhaseKeepsTheConvertedCalculations) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty.000"), LegacyFixture("firmy.000"))));
  while (run.Step()) {
  }
  const auto converted = test::ReadBytes(target);
  // The first writes fill the writer lock and the journal; the third puts the new records on disk.
  fileSystem.FailAt(FsOp::Write, 3);
  EXPECT_FALSE(run.StoreCompanies());
  EXPECT_EQ(run.Phase(), ConversionPhase::Failed);
  EXPECT_EQ(test::ReadBytes(target), converted);
  const auto ids = test::MessageIds(messages);
  EXPECT_EQ(ids.back(), str::kWriteFailureNotSaved.id);
  EXPECT_EQ(std::count(ids.begin(), ids.end(), str::kConvertDone.id), 0);
  const auto records = Records(target);
  EXPECT_EQ(records.size(), 3u);
  for (const auto& record : records) {
    EXPECT_TRUE(SlotInUse(record, Slot::User));
    EXPECT_TRUE(SlotInUse(record, Slot::Calculation));
  }
}

TEST_F(ConversionRunTest, OldFileFailingInTheMiddleRestoresThePreviousFile) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  const std::string old = OldCalculations(folder.File("vypocty.000"), 3000);
  ASSERT_TRUE(run.Start(Request(old)));
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(run.Step());
  fs::resize_file(old, kLegacyHeaderSize + 100 * kLegacyRecordSize);
  while (run.Step()) {
  }
  EXPECT_EQ(run.Phase(), ConversionPhase::Failed);
  EXPECT_EQ(messages.Shown().back().id, str::kConvertSourceReadFailed.id);
  EXPECT_EQ(test::ReadBytes(target), original);
}

TEST_F(ConversionRunTest, AbandonedRunPutsTheTargetBack) {
  MakeTarget(ThreeUserTarget());
  {
    ConversionRun run(db, companies, companyList);
    ASSERT_TRUE(run.Start(Request(LegacyFixture("vypocty.000"))));
    ASSERT_TRUE(run.Step());
  }
  EXPECT_EQ(test::ReadBytes(target), original);
  EXPECT_FALSE(fs::exists(db.paths.temporary));
  EXPECT_FALSE(fs::exists(db.paths.lock));
}

TEST_F(ConversionRunTest, RunCanBeStartedAgainAfterItEnded) {
  MakeTarget(ThreeUserTarget());
  ConversionRun run(db, companies, companyList);
  RunToEnd(run, Request(LegacyFixture("vypocty.000")));
  messages.Prepare(Answer::Yes);
  RunToEnd(run, Request(OldCalculations(folder.File("jiny.000"), 1, 12)));
  const auto records = Records(target);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(NumberOfBlock(records[0]).count, 12u);
  EXPECT_FALSE(SlotInUse(records[1], Slot::Calculation));
}

TEST(CompanySlot, HoldsTheNameScrambledInTheCodePageAndCutToFiftyCharacters) {
  const auto slot = CompanySlot("Teplárna Ústí");
  DatabaseRecord record = EmptyRecord();
  std::copy(slot.begin(), slot.end(), record.begin() + record_offset::kCompany);
  EXPECT_EQ(slot[0], 13);
  EXPECT_EQ(slot[5] ^ 0x5B, 0xE1);  // "á" in Windows-1250
  EXPECT_EQ(StoredText(record, record_offset::kCompany, kCompanyCapacity, true), "Teplárna Ústí");
  EXPECT_TRUE(std::all_of(slot.begin() + 14, slot.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(CompanySlot(std::string(60, 'x'))[0], 50);
}

}  // namespace
}  // namespace pramo
