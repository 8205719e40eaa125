#include "storage/DatabasePage.h"

#include <gtest/gtest.h>

#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::ComputedCalculation;
using test::MessageIds;

class DatabasePageTest : public ::testing::Test {
 protected:
  DatabaseAccess Db() { return test::AccessTo(LocalFileSystem(), path, messages); }
  DatabaseListing Listed() {
    auto db = Db();
    DatabaseListing listing;
    EXPECT_TRUE(ListDatabase(db, listingRequest, listing));
    return listing;
  }
  StoreOutcome Store(CalculationState& state, StoreRequest request = {}) {
    auto db = Db();
    return StoreCalculation(db, state, request, listing, listingRequest);
  }

  test::TempFolder folder;
  std::string path = folder.Copy("legacy.flw", "Teplárna.flw");
  MessageRecorder messages{Answer::Yes};
  ListingRequest listingRequest{{}, 45300, {}, false, {}};
  DatabaseListing listing = Listed();
  const Signer signer{"Eva Dvořáková", 3};
  const WorkingSettings settings;
};

TEST_F(DatabasePageTest, RaisingVersion33ClearsFittingsAndRemapsMaterials) {
  CalculationState state;
  state.VersionTag = "ver3.3";
  state.Fittings.fill(true);
  state.ElementMaterial = 0;
  state.PipeMaterial = 7;
  RaiseOlderVersion(state, messages);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kOlderStandard.id, str::kOlderProgram.id}));
  for (const Message& message : messages.Shown()) {
    EXPECT_EQ(message.kind, MessageKind::Warning);
    EXPECT_EQ(message.buttons, std::vector<Answer>{Answer::Yes});
  }
  EXPECT_EQ(state.Fittings, (std::array<bool, 12>{}));
  EXPECT_EQ(state.ElementMaterial, 12);
  EXPECT_EQ(state.PipeMaterial, 16);
  EXPECT_EQ(state.VersionTag, "ver3.5");
}

TEST_F(DatabasePageTest, RaisingVersion34KeepsFittings) {
  CalculationState state;
  state.VersionTag = "ver3.4";
  state.Fittings.fill(true);
  state.ElementMaterial = 5;
  state.PipeMaterial = 18;  // not in the old list: unchanged
  RaiseOlderVersion(state, messages);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kOlderProgram.id});
  EXPECT_TRUE(state.Fittings[11]);
  EXPECT_EQ(state.ElementMaterial, 13);
  EXPECT_EQ(state.PipeMaterial, 18);
  messages.Clear();
  RaiseOlderVersion(state, messages);  // now "ver3.5": nothing more
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabasePageTest, MaterialTablesOfOlderVersions) {
  const std::uint8_t element[] = {12, 6, 8, 12, 13, 13, 16, 1};
  const std::uint8_t pipe[] = {0, 6, 8, 12, 12, 13, 13, 16};
  for (std::uint8_t old = 0; old < 8; ++old) {
    EXPECT_EQ(RemapElementMaterial(old), element[old]) << int(old);
    EXPECT_EQ(RemapPipeMaterial(old), pipe[old]) << int(old);
  }
  EXPECT_EQ(RemapElementMaterial(200), 200);
}

TEST_F(DatabasePageTest, NewCalculationNumbersAboveTheHighestAndTakesTheWorkingSettings) {
  WorkingSettings changed;
  changed.BarometricPressure = 97000;
  changed.FlowRefTemperature = 20;
  const auto state = NewCalculation(messages, false, 99998, changed, signer);
  ASSERT_TRUE(state);
  EXPECT_EQ(state->NumberCount, 99999u);
  EXPECT_EQ(state->NumberIndex, 1);
  EXPECT_EQ(state->NumberInstallation, 3);
  EXPECT_EQ(state->Designer, "Eva Dvořáková");
  EXPECT_EQ(state->BarometricPressure, 97000);
  EXPECT_EQ(state->FlowRefTemperatureEntered, 20);
  EXPECT_EQ(state->FlowRefTemperature, 20);
  EXPECT_FALSE(NewCalculation(messages, false, 99999, settings, signer));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseFull.id});
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
}

TEST_F(DatabasePageTest, UnsavedWorkIsThrownAwayOnlyOnYes) {
  MessageRecorder asking(Answer::No);
  EXPECT_FALSE(NewCalculation(asking, true, 5, settings, signer));
  EXPECT_EQ(MessageIds(asking), std::vector<int>{str::kUnsavedLost.id});
  EXPECT_EQ(asking.Shown()[0].kind, MessageKind::Warning);
  EXPECT_EQ(asking.Shown()[0].buttons, (std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
  asking.Prepare(Answer::Yes);
  EXPECT_TRUE(NewCalculation(asking, true, 5, settings, signer));
}

TEST_F(DatabasePageTest, CommonChecksOfShowCopyAndRecompute) {
  DatabaseListing empty;
  auto db = Db();
  EXPECT_FALSE(ShowCalculation(db, empty, 1, false));
  EXPECT_FALSE(CopyCalculation(db, empty, 1, false, settings, signer));
  EXPECT_FALSE(RecomputeCalculation(db, empty, 1, false, settings, signer));
  EXPECT_EQ(MessageIds(messages), std::vector<int>(3, str::kNoCalculationInDatabase.id));
  EXPECT_EQ(messages.Shown()[0].text, "Databáze nebsahuje žádný výpočet!");
  messages.Clear();
  EXPECT_FALSE(ShowCalculation(db, listing, 7, false));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kSelectCalculation.id});
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Information);
}

TEST_F(DatabasePageTest, ShowLoadsTheSelectedRowAsStored) {
  auto db = Db();
  const auto shown = ShowCalculation(db, listing, 2, false);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->NumberIndex, 1);
  EXPECT_EQ(shown->VersionTag, "ver3.5");
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabasePageTest, CopyRaisesTheVersionAndNumbersAsNew) {
  auto db = Db();
  const auto copy = CopyCalculation(db, listing, 1, false, settings, signer);  // "ver3.3" 0100012
  ASSERT_TRUE(copy);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kOlderStandard.id, str::kOlderProgram.id}));
  EXPECT_EQ(copy->VersionTag, "ver3.5");
  EXPECT_EQ(copy->NumberCount, 21u);
  EXPECT_EQ(copy->NumberIndex, 1);
  EXPECT_EQ(copy->NumberInstallation, 3);
  EXPECT_EQ(copy->ElementMaterial, RemapElementMaterial(4));
  EXPECT_TRUE(copy->ResultsValid);  // kept from the block
}

TEST_F(DatabasePageTest, RecomputeTakesTheNextIndexOfItsNumber) {
  auto db = Db();
  const auto recomputed = RecomputeCalculation(db, listing, 2, false, settings, signer);  // 0100012-01
  ASSERT_TRUE(recomputed);
  EXPECT_EQ(recomputed->NumberCount, 12u);
  EXPECT_EQ(recomputed->NumberIndex, 4);  // 01 .. 03 are stored
  EXPECT_EQ(recomputed->NumberInstallation, 3);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabasePageTest, IndexLimitAndFullDatabase) {
  // A database whose number 0199999 has reached index 98.
  for (std::uint8_t index : {1, 98}) {
    auto db = Db();
    CalculationState state = ComputedCalculation(99999, index);
    ASSERT_NE(SaveCalculation(db, state, index == 1 ? SaveMode::NewNumber : SaveMode::NextIndex),
              SaveOutcome::Conflict);
  }
  listing = Listed();
  EXPECT_EQ(listing.HighestRunningCount(), 99999u);
  auto db = Db();
  const std::size_t row98 = listing.RowCount();
  EXPECT_EQ(listing.Cell(row98 - 1, 0), "0199999-98");
  // Copy and new are refused at 99999, recompute is not.
  EXPECT_FALSE(CopyCalculation(db, listing, row98, false, settings, signer));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseFull.id});
  messages.Clear();
  auto recomputed = RecomputeCalculation(db, listing, row98, false, settings, signer);
  ASSERT_TRUE(recomputed);
  EXPECT_EQ(recomputed->NumberIndex, 99);
  recomputed->NumberInstallation = 1;
  StoreRequest request;
  request.mode = SaveMode::NextIndex;
  ASSERT_EQ(Store(*recomputed, request), StoreOutcome::Stored);
  messages.Clear();
  EXPECT_FALSE(RecomputeCalculation(db, listing, listing.RowCount(), false, settings, signer));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kIndexLimit.id});
}

TEST_F(DatabasePageTest, StoringANewNumberAppliesTheRulesInOrder) {
  CalculationState state = ComputedCalculation(21);
  state.ResultsValid = false;
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  state.ResultsValid = true;
  StoreRequest changed;
  changed.settingsChanged = true;
  EXPECT_EQ(Store(state, changed), StoreOutcome::Refused);
  state.LimitFlags[2] = true;
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  state.LimitFlags[2] = false;
  state.CascadeRange[2] = state.DpMax;  // equal to the maximum fails
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  state.CascadeRange[2] = 0;
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kComputeFirst.id, str::kComputeFirst.id, str::kNotCompliantNotStored.id,
                              str::kCascadeRangeTooHigh.id}));
  EXPECT_EQ(messages.Shown()[2].kind, MessageKind::Information);
  messages.Clear();

  state.NumberCount = 20;
  state.NumberIndex = 1;  // 0100020-01 is listed
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  state.NumberIndex = 2;  // not listed, but not above the highest
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  state.NumberCount = 100000;
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kNumberExists.id, str::kNumberBelowHighest.id, str::kNumberInvalid.id}));
  EXPECT_EQ(messages.Shown()[2].text, "Neplatné číslo výpočtu!\r\nNeuloženo.");
  messages.Clear();

  const auto before = test::ReadBytes(path);
  state.NumberCount = 21;
  state.NumberIndex = 1;
  EXPECT_EQ(test::ReadBytes(path), before);  // none of the refusals touched the file
  ASSERT_EQ(Store(state), StoreOutcome::Stored);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kStored.id});
  EXPECT_EQ(listing.HighestRunningCount(), 21u);  // listed again
}

TEST_F(DatabasePageTest, TheVelocityFlagAloneDoesNotForbidStoringAndSaveAllLiftsTheOthers) {
  CalculationState state = ComputedCalculation(21);
  state.LimitFlags[6] = true;
  EXPECT_EQ(Store(state), StoreOutcome::Stored);
  state = ComputedCalculation(22);
  state.LimitFlags[7] = true;
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  StoreRequest saveAll;
  saveAll.saveAll = true;
  EXPECT_EQ(Store(state, saveAll), StoreOutcome::Stored);
}

TEST_F(DatabasePageTest, EmptyCompanyOrMeasuringPointIsAskedAbout) {
  CalculationState state = ComputedCalculation(21);
  state.Company.clear();
  state.MeasuringPoint.clear();
  messages.Prepare(Answer::No);
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  state.MeasuringPoint = "M";
  messages.Prepare(Answer::No);
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  state.Company = "C";
  state.MeasuringPoint.clear();
  messages.Prepare(Answer::No);
  EXPECT_EQ(Store(state), StoreOutcome::Refused);
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kNoCompanyNoPoint.id, str::kNoCompany.id, str::kNoMeasuringPoint.id}));
  for (const Message& message : messages.Shown()) {
    EXPECT_EQ(message.kind, MessageKind::Information);
    EXPECT_EQ(message.buttons, (std::vector<Answer>{Answer::Yes, Answer::No}));
  }
  messages.Clear();
  messages.Prepare(Answer::Yes);
  EXPECT_EQ(Store(state), StoreOutcome::Stored);
}

TEST_F(DatabasePageTest, TheChosenSeriesValueBecomesTheMaximumDifferentialPressure) {
  CalculationState state = ComputedCalculation(21);
  state.DpMaxGiven = false;
  state.DpUnit = 3;
  StoreRequest request;
  request.chosenSeriesValue = 63000;
  ASSERT_EQ(Store(state, request), StoreOutcome::Stored);
  EXPECT_TRUE(state.DpMaxGiven);
  EXPECT_EQ(state.DpMaxEntered, 63000);
  EXPECT_EQ(state.DpMax, 63000);
  EXPECT_EQ(state.DpUnit, 0);
  auto db = Db();
  const auto stored = LoadCalculation(db, "0100021-01", nullptr);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->state.DpMaxEntered, 63000);
}

TEST_F(DatabasePageTest, ANumberTakenByAnotherInstanceMeanwhileIsRefusedAndTheListIsRenewed) {
  CalculationState mine = ComputedCalculation(21);
  // The other instance stores 21 after this one listed the database.
  auto other = Db();
  ASSERT_EQ(SaveCalculation(other, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
  messages.Clear();
  EXPECT_EQ(Store(mine), StoreOutcome::Conflict);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kNumberConflict.id, str::kStoreFailed.id}));
  EXPECT_EQ(listing.HighestRunningCount(), 21u);
}

TEST_F(DatabasePageTest, NumberEditsAcceptWholeNumbersOnly) {
  EXPECT_EQ(NumberEditOnExit(" 12 ", "00005", 5, messages), "00012");
  EXPECT_EQ(NumberEditOnExit("123456", "00005", 5, messages), "123456");
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(NumberEditOnExit("1,5", "00005", 5, messages), "00005");
  EXPECT_EQ(NumberEditOnExit("-3", "07", 2, messages), "07");
  EXPECT_EQ(NumberEditOnExit("", "07", 2, messages), "07");
  EXPECT_EQ(MessageIds(messages), std::vector<int>(3, str::kWholeNumberExpected.id));
  EXPECT_EQ(ResultGroupCaption("00012", "03"), " Vypočtené hodnoty - číslo výpočtu 00012-03 ");
  EXPECT_EQ(ResultGroupCaption("00012", ""), " Vypočtené hodnoty - číslo výpočtu 00012 ");
}

TEST_F(DatabasePageTest, ChoosingAndCreatingDatabases) {
  test::WriteBytes(folder.File("Druha.FLW"), {});
  test::WriteBytes(folder.File("poznamky.txt"), {});
  EXPECT_EQ(DatabaseChoiceItems(LocalFileSystem(), folder.Path()),
            (std::vector<std::string>{"<založit novou databázi>", "Druha.FLW", "Teplárna.flw"}));
  WarnAboutSeveralDatabases(messages);
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Warning);
  messages.Clear();
  EXPECT_EQ(NewDatabasePath(LocalFileSystem(), folder.Path(), "Nova.txt", messages), folder.File("Nova.flw"));
  EXPECT_FALSE(NewDatabasePath(LocalFileSystem(), folder.Path(), "Teplárna", messages));
  EXPECT_FALSE(NewDatabasePath(LocalFileSystem(), folder.Path(), "../jinam", messages));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kRegisterUser.id, str::kDatabaseFileExists.id,
                                                    str::kDatabaseNameInvalid.id}));
  messages.Clear();
  EXPECT_EQ(ChosenDatabasePath(LocalFileSystem(), folder.Path(), "Teplárna.flw", messages), path);
  EXPECT_FALSE(ChosenDatabasePath(LocalFileSystem(), folder.Path(), "Zmizela.flw", messages));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseFileMissing.id});
}

TEST_F(DatabasePageTest, CaptionShortensLongPaths) {
  const std::string sixty = "/" + std::string(55, 'a') + ".flw";
  EXPECT_EQ(WindowCaption(sixty), "Pramo - " + sixty);
  const std::string sixtyOne = "/" + std::string(27, 'b') + std::string(29, 'c') + ".flw";
  ASSERT_EQ(sixtyOne.size(), 61u);
  const std::string caption = WindowCaption(sixtyOne).substr(8);
  EXPECT_EQ(caption.size(), 60u);
  EXPECT_EQ(caption.substr(27, 4), " .. ");
  EXPECT_EQ(caption, sixtyOne.substr(0, 27) + " .. " + sixtyOne.substr(32));
}

}  // namespace
}  // namespace pramo
