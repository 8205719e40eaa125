#include "storage/DatabasePage.h"

#include <gtest/gtest.h>

#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::ComputedCalculation;
using test::MessageIds;

using DatabasePageTest = test::ListedDatabaseTest;

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
