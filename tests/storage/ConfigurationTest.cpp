#include "storage/Configuration.h"

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/CodePage1250.h"
#include "storage/IniFile.h"
#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::MessageIds;

class ConfigurationTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  ConfigurationPaths paths{folder.File("config/Pramo/Pramo.ini"), folder.File("databases/Pramo")};
  MessageRecorder messages;
};

TEST_F(ConfigurationTest, WithoutAFileEverythingHasItsDefault) {
  const Configuration c = ReadConfiguration(LocalFileSystem(), paths, messages);
  EXPECT_TRUE(std::filesystem::is_directory(paths.defaultDatabaseFolder));  // created
  EXPECT_EQ(c.DatabaseFolder, paths.defaultDatabaseFolder);
  EXPECT_TRUE(c.DatabaseFolderExists);
  EXPECT_TRUE(c.AdministratorPasswordCode.empty());
  EXPECT_EQ(c.OwnerName, "");
  EXPECT_EQ(c.InstallationNumber, 1);
  EXPECT_EQ(c.Working.Footer, "Firma x Telefon x URL");
  EXPECT_FALSE(c.Working.PrintFooter);
  EXPECT_EQ(c.Working.DpTransmitterAccuracy, 0.2);
  EXPECT_EQ(c.Working.DensityAccuracy, 1.0);
  EXPECT_EQ(c.Working.DpSeries.front(), 6300);
  EXPECT_EQ(c.Working.DpSeries.back(), 400000);
  EXPECT_EQ(c.Working.BarometricPressure, 101325);
  EXPECT_EQ(c.Working.FlowRefPressure, 101325);
  EXPECT_EQ(c.Working.DensityRefTemperature, 0);
  EXPECT_TRUE(c.Interface.PrintDescription && c.Interface.PrintCascade && c.Interface.PrintGraph &&
              c.Interface.PrintUncertaintyTable);
  EXPECT_FALSE(c.Interface.CascadeOnNewPage);
  EXPECT_EQ(c.Interface.SortOrder, 0);
  EXPECT_EQ(c.Language, "Česky");
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_FALSE(std::filesystem::exists(paths.file));  // reading never writes
}

TEST_F(ConfigurationTest, AFileOfTheOlderProgramReadsRight) {
  std::filesystem::create_directories(folder.File("config/Pramo"));
  test::WriteBytes(paths.file, test::ReadBytes(test::FixturePath("old-program.ini")));
  const Configuration c = ReadConfiguration(LocalFileSystem(), paths, messages);
  EXPECT_EQ(c.DatabaseFolder, "C:\\Data\\Průtoky");
  EXPECT_FALSE(c.DatabaseFolderExists);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseFolderMissing.id});
  EXPECT_EQ(c.Working.Footer, "Teplárna Ostrava, tel. 596 123");
  EXPECT_TRUE(c.Working.PrintFooter);
  EXPECT_EQ(c.Working.DpTransmitterAccuracy, 0.25);  // written with a decimal comma
  EXPECT_EQ(c.Working.DpSeries[3], 25000);
  EXPECT_EQ(c.Working.BarometricPressure, 98066.5);
  EXPECT_EQ(c.Working.FlowRefTemperature, 20);
  EXPECT_EQ(c.Interface.LastDatabase, "Teplárna.flw");
  EXPECT_FALSE(c.Interface.PrintGraph);
  // Options the older program did not know are on.
  EXPECT_TRUE(c.Interface.PrintStandard && c.Interface.PrintSignatures &&
              c.Interface.PrintNonComplianceReasons);
  EXPECT_EQ(c.Interface.SortOrder, 1);
  EXPECT_EQ(c.Language, "English");
  std::string code;
  for (char ch : std::string("tajne")) code += static_cast<char>(ch ^ 0x6E);
  EXPECT_EQ(c.AdministratorPasswordCode, code);  // its bytes include control characters
}

TEST_F(ConfigurationTest, RewritingAnOldFileKeepsEveryValue) {
  std::filesystem::create_directories(folder.File("config/Pramo"));
  test::WriteBytes(paths.file, test::ReadBytes(test::FixturePath("old-program.ini")));
  const Configuration before = ReadConfiguration(LocalFileSystem(), paths, messages);
  InterfaceState state = before.Interface;
  state.SortOrder = 0;
  ASSERT_TRUE(SaveInterfaceState(LocalFileSystem(), paths.file, state, messages));
  const auto bytes = test::ReadBytes(paths.file);
  EXPECT_TRUE(IsValidUtf8(std::string(bytes.begin(), bytes.end())));  // now UTF-8 throughout
  const Configuration after = ReadConfiguration(LocalFileSystem(), paths, messages);
  EXPECT_EQ(after.DatabaseFolder, before.DatabaseFolder);
  EXPECT_EQ(after.AdministratorPasswordCode, before.AdministratorPasswordCode);
  EXPECT_EQ(after.Working.Footer, before.Working.Footer);
  EXPECT_EQ(after.Working.BarometricPressure, 98066.5);
  EXPECT_EQ(after.Interface.LastDatabase, "Teplárna.flw");
  EXPECT_EQ(after.Interface.SortOrder, 0);
  EXPECT_EQ(after.Language, "English");
}

TEST_F(ConfigurationTest, EverySettingRoundTripsAndTheFolderIsCreatedOnFirstWrite) {
  Configuration c;
  // Characters whose scrambled form is a line feed ("Q"), a carriage return ("V"), a zero byte ("["), and
  // blanks at both ends that a line would lose.
  c.DatabaseFolder = "/srv/Quido/[V]";
  c.OwnerName = "Quantum Ústí, s.r.o. - dlouhé jméno vlastníka";
  c.InstallationNumber = 42;
  c.Working.Footer = "{Firma} Q tel.";
  c.Working.PrintFooter = true;
  c.Working.DpTransmitterAccuracy = 0.1 + 0.2;
  c.Working.DpSeries[9] = 1e-7;
  c.Working.DensityRefTemperature = -12.5;
  ASSERT_TRUE(SaveSettings(LocalFileSystem(), paths.file, c, messages, ','));
  InterfaceState state;
  state.LastDatabase = "{Q}";
  state.CascadeOnNewPage = true;
  state.PrintSignatures = false;
  state.SortOrder = 1;
  ASSERT_TRUE(SaveInterfaceState(LocalFileSystem(), paths.file, state, messages));
  const std::string code("\x0a\x00\x6e\\x41\x20", 6);
  ASSERT_TRUE(SaveAdministratorPassword(LocalFileSystem(), paths.file, code, messages));
  ASSERT_TRUE(SaveLanguage(LocalFileSystem(), paths.file, "Slovensky", messages));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kLanguageChanged.id});
  messages.Clear();

  const Configuration read = ReadConfiguration(LocalFileSystem(), paths, messages);
  EXPECT_EQ(read.DatabaseFolder, "/srv/Quido/[V]");
  EXPECT_EQ(read.OwnerName, "Quantum Ústí, s.r.o. - dlo");  // at most 26 characters
  EXPECT_EQ(read.InstallationNumber, 42);
  EXPECT_EQ(read.Working.Footer, "{Firma} Q tel.");
  EXPECT_TRUE(read.Working.PrintFooter);
  EXPECT_EQ(read.Working.DpTransmitterAccuracy, 0.1 + 0.2);
  EXPECT_EQ(read.Working.DpSeries[9], 1e-7);
  EXPECT_EQ(read.Working.DensityRefTemperature, -12.5);
  EXPECT_EQ(read.Interface.LastDatabase, "{Q}");
  EXPECT_TRUE(read.Interface.CascadeOnNewPage);
  EXPECT_FALSE(read.Interface.PrintSignatures);
  EXPECT_TRUE(read.Interface.PrintStandard && read.Interface.PrintNonComplianceReasons);
  EXPECT_EQ(read.Interface.SortOrder, 1);
  EXPECT_EQ(read.AdministratorPasswordCode, code);
  EXPECT_EQ(read.Language, "Slovensky");
  EXPECT_EQ(ReadWorkingSettings(LocalFileSystem(), paths.file).DpSeries[9], 1e-7);
  // Every line of the file is one line: nothing scrambled broke it.
  const auto bytes = test::ReadBytes(paths.file);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST_F(ConfigurationTest, WritingKeepsLinesItDoesNotOwn) {
  std::filesystem::create_directories(folder.File("config/Pramo"));
  const std::string original = "; poznámka\n[Cizí]\nklíč=hodnota\n[konfigurace]\nTřídit=1\nJiný=x\n";
  test::WriteBytes(paths.file, std::vector<std::uint8_t>(original.begin(), original.end()));
  ASSERT_TRUE(SaveInterfaceState(LocalFileSystem(), paths.file, InterfaceState{}, messages));
  const auto bytes = test::ReadBytes(paths.file);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.rfind("; poznámka\n[Cizí]\nklíč=hodnota\n[konfigurace]\nTřídit=0\nJiný=x\n", 0), 0u) << text;
}

TEST_F(ConfigurationTest, AFloatThatDoesNotConvertReadsAsItsDefault) {
  std::filesystem::create_directories(folder.File("config/Pramo"));
  const std::string text = "[pracovní]\nBarometrický tlak=1 013\nPřesnost stanovení měrné hmotnosti= 2.5 \n";
  test::WriteBytes(paths.file, std::vector<std::uint8_t>(text.begin(), text.end()));
  const WorkingSettings w = ReadWorkingSettings(LocalFileSystem(), paths.file);
  EXPECT_EQ(w.BarometricPressure, 101325);
  EXPECT_EQ(w.DensityAccuracy, 2.5);
}

TEST_F(ConfigurationTest, AFileThatCannotBeWrittenIsToldAboutAndLeftAsItWas) {
  ASSERT_TRUE(SaveAdministratorPassword(LocalFileSystem(), paths.file, "old", messages));
  const auto before = test::ReadBytes(paths.file);
  for (const test::FsOp op : {test::FsOp::Create, test::FsOp::Write, test::FsOp::Sync, test::FsOp::Rename}) {
    messages.Clear();
    test::FaultyFileSystem fs;
    fs.FailAt(op, 1);
    EXPECT_FALSE(SaveAdministratorPassword(fs, paths.file, "new", messages));
    EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kConfigurationNotWritten.id});
    EXPECT_EQ(test::ReadBytes(paths.file), before);
  }
}

TEST(ConfigurationLocation, FollowsTheEnvironment) {
  const char* const variables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "ALLUSERSPROFILE"};
  std::vector<std::optional<std::string>> saved;
  for (const char* variable : variables)
    saved.push_back(std::getenv(variable) ? std::optional<std::string>(std::getenv(variable)) : std::nullopt);
  struct Case {
    const char* configHome;  // nullptr: unset
    const char* dataHome;
    const char* allUsers;
    const char* file;
    const char* databaseFolder;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, "/home/eva/.config/Pramo/Pramo.ini", "/home/eva/.local/share/Pramo"},
      {"/etc/xdg-eva", "/data/eva", nullptr, "/etc/xdg-eva/Pramo/Pramo.ini", "/data/eva/Pramo"},
      {"", "", nullptr, "/home/eva/.config/Pramo/Pramo.ini", "/home/eva/.local/share/Pramo"},
      {"relative", "relative", nullptr, "/home/eva/.config/Pramo/Pramo.ini", "/home/eva/.local/share/Pramo"},
      {nullptr, "/data/eva", "/srv/shared", "/home/eva/.config/Pramo/Pramo.ini", "/srv/shared/Pramo"},
  };
  setenv("HOME", "/home/eva", 1);
  for (const Case& c : cases) {
    c.configHome ? setenv("XDG_CONFIG_HOME", c.configHome, 1) : unsetenv("XDG_CONFIG_HOME");
    c.dataHome ? setenv("XDG_DATA_HOME", c.dataHome, 1) : unsetenv("XDG_DATA_HOME");
    c.allUsers ? setenv("ALLUSERSPROFILE", c.allUsers, 1) : unsetenv("ALLUSERSPROFILE");
    const ConfigurationPaths paths = DefaultConfigurationPaths();
    EXPECT_EQ(paths.file, c.file) << c.databaseFolder;
    EXPECT_EQ(paths.defaultDatabaseFolder, c.databaseFolder) << c.file;
  }
  for (std::size_t i = 0; i < std::size(variables); ++i)
    saved[i] ? setenv(variables[i], saved[i]->c_str(), 1) : unsetenv(variables[i]);
}

TEST(IniFile, EscapesWhatALineCannotHold) {
  const std::string bytes("\x00\n\r \\x\x81 end ", 12);
  const std::string escaped = EscapeIniValue(bytes);
  EXPECT_EQ(escaped, "\\x00\\x0A\\x0D \\x5Cx\\x81 end\\x20");
  EXPECT_EQ(UnescapeIniValue(escaped), bytes);
  EXPECT_EQ(UnescapeIniValue("a\\b\\x4"), "a\\b\\x4");  // not an escape: taken as it is
}

TEST(IniFile, SectionsAndKeysMatchWithoutCase) {
  IniFile ini = IniFile::Parse("[Language]\r\n LangID = English \r\n");
  EXPECT_EQ(ini.Value("language", "langid"), "English");
  EXPECT_FALSE(ini.Value("Language", "Other"));
  EXPECT_FALSE(ini.Value("Jiná", "LangID"));
  ini.SetValue("LANGUAGE", "LANGID", "Deutsch");
  ini.SetValue("nová", "k", "v");
  EXPECT_EQ(ini.Serialize(), "[Language]\nLangID=Deutsch\n\n[nová]\nk=v\n");
}

}  // namespace
}  // namespace pramo
