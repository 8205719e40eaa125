#include "app/CalculationCommands.h"

#include <gtest/gtest.h>

#include "core/CalculationBlockCodec.h"
#include "storage/DatabasePage.h"
#include "storage/ExportImport.h"
#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::ComputedCalculation;
using test::MessageIds;

class CalculationCommandsTest : public test::ListedDatabaseTest {
 protected:
  StoreOutcome Store(CalculationState& state, StoreRequest request = {}) {
    auto db = Db();
    return StoreCalculation(db, state, request, listing, listingRequest);
  }

  const Signer signer{"Eva Dvořáková", 3};
  const WorkingSettings settings;
};

TEST_F(CalculationCommandsTest, NewCalculationNumbersAboveTheHighestAndTakesTheWorkingSettings) {
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

TEST_F(CalculationCommandsTest, UnsavedWorkIsThrownAwayOnlyOnYes) {
  MessageRecorder asking(Answer::No);
  EXPECT_FALSE(NewCalculation(asking, true, 5, settings, signer));
  EXPECT_EQ(MessageIds(asking), std::vector<int>{str::kUnsavedLost.id});
  EXPECT_EQ(asking.Shown()[0].kind, MessageKind::Warning);
  EXPECT_EQ(asking.Shown()[0].buttons, (std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
  asking.Prepare(Answer::Yes);
  EXPECT_TRUE(NewCalculation(asking, true, 5, settings, signer));
}

TEST_F(CalculationCommandsTest, CommonChecksOfShowCopyAndRecompute) {
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

TEST_F(CalculationCommandsTest, ShowLoadsTheSelectedRowAsStored) {
  auto db = Db();
  const auto shown = ShowCalculation(db, listing, 2, false);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->NumberIndex, 1);
  EXPECT_EQ(shown->VersionTag, "ver3.5");
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(CalculationCommandsTest, CopyRaisesTheVersionAndNumbersAsNew) {
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

TEST_F(CalculationCommandsTest, RecomputeTakesTheNextIndexOfItsNumber) {
  auto db = Db();
  const auto recomputed = RecomputeCalculation(db, listing, 2, false, settings, signer);  // 0100012-01
  ASSERT_TRUE(recomputed);
  EXPECT_EQ(recomputed->NumberCount, 12u);
  EXPECT_EQ(recomputed->NumberIndex, 4);  // 01 .. 03 are stored
  EXPECT_EQ(recomputed->NumberInstallation, 3);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(CalculationCommandsTest, IndexLimitAndFullDatabase) {
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

TEST_F(CalculationCommandsTest, StoringANewNumberAppliesTheRulesInOrder) {
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

TEST_F(CalculationCommandsTest, TheVelocityFlagAloneDoesNotForbidStoringAndSaveAllLiftsTheOthers) {
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

TEST_F(CalculationCommandsTest, EmptyCompanyOrMeasuringPointIsAskedAbout) {
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

TEST_F(CalculationCommandsTest, TheChosenSeriesValueBecomesTheMaximumDifferentialPressure) {
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

TEST_F(CalculationCommandsTest, ANumberTakenByAnotherInstanceMeanwhileIsRefusedAndTheListIsRenewed) {
  CalculationState mine = ComputedCalculation(21);
  // The other instance stores 21 after this one listed the database.
  auto other = Db();
  ASSERT_EQ(SaveCalculation(other, ComputedCalculation(21), SaveMode::NewNumber), SaveOutcome::Stored);
  messages.Clear();
  EXPECT_EQ(Store(mine), StoreOutcome::Conflict);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kNumberConflict.id, str::kStoreFailed.id}));
  EXPECT_EQ(listing.HighestRunningCount(), 21u);
}

TEST_F(CalculationCommandsTest, ImportForEditingKeepsTheNumberDesignerAndDateOfTheEditedCalculation) {
  CalculationState file = ComputedCalculation(7, 2);
  file.Designer = "Jan Novák";
  file.Date = 45000;
  file.Description = "ze souboru";
  const std::string exported = folder.File("zadani.cln");
  ASSERT_TRUE(WriteExportFile(LocalFileSystem(), exported, EncodeBlock(file)));
  CalculationState edited = ComputedCalculation(21, 3);
  edited.Designer = signer.designer;
  edited.Date = 45300;
  const auto imported = ImportForEditing(LocalFileSystem(), exported, settings, edited, messages);
  ASSERT_TRUE(imported);
  EXPECT_EQ(FullNumberText({imported->NumberInstallation, imported->NumberCount, imported->NumberIndex}),
            FullNumberText({edited.NumberInstallation, 21, 3}));
  EXPECT_EQ(imported->Designer, signer.designer);
  EXPECT_EQ(imported->Date, 45300);
  EXPECT_EQ(imported->Description, "ze souboru");
  EXPECT_FALSE(ImportForEditing(LocalFileSystem(), folder.File("chybi.cln"), settings, edited, messages));
}

}  // namespace
}  // namespace pramo
