#include "storage/ExportImport.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/CalculationBlockCodec.h"
#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::MessageIds;

class ExportImportTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  MessageRecorder messages;
  WorkingSettings settings;
};

TEST_F(ExportImportTest, ExportedFileIsTheBlockAndImportsAsTheSameInputs) {
  CalculationState state = test::ComputedCalculation(12, 3);
  state.Description = "Quido [Q]";
  const std::string path = ExportFilePath(folder.File("0100012-03"));
  EXPECT_EQ(path, folder.File("0100012-03.cln"));
  ASSERT_TRUE(ExportInputs(LocalFileSystem(), path, state, messages));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kExported.id});
  const auto bytes = test::ReadBytes(path);
  ASSERT_EQ(bytes.size(), kBlockSize);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 7), "ver3.5");
  const CalculationBlock encoded = EncodeBlock(state);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), encoded.begin()));
  messages.Clear();
  const auto imported = ImportInputs(LocalFileSystem(), path, settings, messages);
  ASSERT_TRUE(imported);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kImported.id});
  EXPECT_EQ(EncodeBlock(*imported), encoded);
  EXPECT_EQ(imported->Description, "Quido [Q]");
}

TEST_F(ExportImportTest, OlderFilesAreRaisedAndVersion22IsRefused) {
  auto imported = ImportInputs(LocalFileSystem(), test::FixturePath("export-ver34.cln"), settings, messages);
  ASSERT_TRUE(imported);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kOlderProgram.id, str::kImported.id}));
  EXPECT_EQ(imported->ElementMaterial, 12);
  EXPECT_EQ(imported->PipeMaterial, 16);
  EXPECT_EQ(imported->VersionTag, "ver3.5");
  EXPECT_EQ(imported->MeasuringPoint, "Kotel 3");
  messages.Clear();
  imported = ImportInputs(LocalFileSystem(), test::FixturePath("export-ver33.cln"), settings, messages);
  ASSERT_TRUE(imported);
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kOlderStandard.id, str::kOlderProgram.id, str::kImported.id}));
  messages.Clear();
  for (const char* refused : {"export-ver22.cln", "export-short.cln", "nic.cln"}) {
    EXPECT_FALSE(ImportInputs(LocalFileSystem(), test::FixturePath(refused), settings, messages)) << refused;
  }
  EXPECT_EQ(MessageIds(messages), std::vector<int>(3, str::kNotImported.id));
  EXPECT_EQ(messages.Shown()[0].text, "Chyba přístupu k disku!\r\nHodnoty nebyly načteny!");
}

TEST_F(ExportImportTest, AFileWithAnIndexOutsideItsListIsRefusedNamingTheField) {
  const struct {
    std::size_t offset;
    std::uint8_t value;
    const char* shown;
  } rows[] = {{121, 200, "DpUnit = 200"},
              {8, 8, "Fluid = 8"},
              {967, 3, "CalcKind = 3"},
              {819, 3, "DensityRefTemperatureUnit = 3"}};
  const auto good = test::ReadBytes(test::FixturePath("export-ver35.cln"));
  for (const auto& row : rows) {
    auto bytes = good;
    bytes[row.offset] = row.value;
    test::WriteBytes(folder.File("bad.cln"), bytes);
    messages.Clear();
    EXPECT_FALSE(ImportInputs(LocalFileSystem(), folder.File("bad.cln"), settings, messages)) << row.shown;
    EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kImportValueInvalid.id});
    EXPECT_EQ(messages.Shown()[0].text, std::string("Soubor zadání je poškozen: neplatná hodnota ") +
                                            row.shown + ".\r\nHodnoty nebyly načteny!");
  }
}

TEST_F(ExportImportTest, AFileOfOtherSettingsIsWarnedAbout) {
  settings.DpTransmitterAccuracy = 0.5;
  ASSERT_TRUE(ImportInputs(LocalFileSystem(), test::FixturePath("export-ver35.cln"), settings, messages));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kSettingsDiffer.id, str::kImported.id}));
}

TEST_F(ExportImportTest, AnExistingFileIsOverwrittenOnlyOnYes) {
  const std::string path = folder.File("a.cln");
  EXPECT_TRUE(ConfirmExportPath(LocalFileSystem(), path, messages));
  test::WriteBytes(path, {1, 2, 3});
  messages.Prepare(Answer::Cancel);
  EXPECT_FALSE(ConfirmExportPath(LocalFileSystem(), path, messages));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kOverwriteFile.id});
  EXPECT_EQ(messages.Shown()[0].buttons, (std::vector<Answer>{Answer::Yes, Answer::Cancel}));
  EXPECT_EQ(test::ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(ExportFilePath("/x/calc.txt"), "/x/calc.cln");
}

TEST_F(ExportImportTest, AFailedExportLeavesTheOldFile) {
  const std::string path = folder.File("a.cln");
  test::WriteBytes(path, {1, 2, 3});
  test::FaultyFileSystem fs;
  fs.FailAt(test::FsOp::Write, 1);
  EXPECT_FALSE(ExportInputs(fs, path, CalculationState{}, messages));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kNotExported.id});
  EXPECT_EQ(test::ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.cln"});
}

}  // namespace
}  // namespace pramo
