// pramo-db convert as administrators and scripts run it: a separate process, also interrupted.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "access/PasswordCode.h"
#include "legacy/ConversionTestSupport.h"
#include "support/ToolRun.h"

namespace pramo {
namespace {

using test::ToolRun;

class PramoDbConvertTest : public ::testing::Test {
 protected:
  // The conversion is the administrator's: set the administrator up; the user "anna" of the target has the
  // same password, so that she can look at what was converted.
  void SetUp() override {
    setenv("XDG_CONFIG_HOME", folder.File("config").c_str(), 1);
    setenv("HOME", folder.Path().c_str(), 1);
    setenv("PRAMO_PASSWORD", "tesov", 1);
    setenv("PRAMO_NEW_PASSWORD", kPassword, 1);
    ASSERT_EQ(Tool({"admin-password"}).exitCode, 0);
    setenv("PRAMO_PASSWORD", kPassword, 1);
    unsetenv("PRAMO_NEW_PASSWORD");
  }
  void TearDown() override { unsetenv("PRAMO_PASSWORD"); }

  static constexpr const char* kPassword = "Heslo123";

  pid_t Spawn(const std::vector<std::string>& args, const std::string& tag) {
    return test::StartTool(PRAMO_DB, args, folder.File(tag + ".out"), folder.File(tag + ".err"));
  }

  ToolRun Finish(pid_t pid, const std::string& tag) {
    return test::FinishTool(pid, folder.File(tag + ".out"), folder.File(tag + ".err"));
  }

  ToolRun Tool(std::vector<std::string> args, const std::string& tag = "run") {
    if (args.size() > 1 && (args[0] == "convert" || args[0] == "check"))
      args.insert(args.end(), {"--user", "admin"});
    if (args.size() > 1 && args[0] == "show") args.insert(args.end(), {"--user", "anna"});
    return Finish(Spawn(args, tag), tag);
  }

  // A database with two users, one of them also holding an old calculation and a company.
  void MakeTarget() {
    auto anna =
        test::WithCompany(test::WithUser(test::WithCalculation(EmptyRecord(), 5), "anna", 10), "Stara");
    const PasswordCodeValues code = PasswordCode("anna", kPassword);
    for (std::size_t i = 0; i < code.size(); ++i) {
      anna[record_offset::kUserPassword + 2 * i] = static_cast<std::uint8_t>(code[i] & 0xFF);
      anna[record_offset::kUserPassword + 2 * i + 1] = static_cast<std::uint8_t>(code[i] >> 8);
    }
    original = test::Bytes({anna, test::WithUser(EmptyRecord(), "bedrich", 20)});
    test::WriteBytes(target, original);
  }

  nlohmann::json Check() {
    const ToolRun run = Tool({"check", target, "--json"}, "check");
    EXPECT_EQ(run.exitCode, 0) << run.err << run.out;
    return nlohmann::json::parse(run.out);
  }

  test::TempFolder folder;
  std::string target = folder.File("cil.flw");
  std::vector<std::uint8_t> original;
};

TEST_F(PramoDbConvertTest, ConvertsCalculationsAndTheirCompanies) {
  MakeTarget();
  const ToolRun run = Tool({"convert", test::LegacyFixture("vypocty.000"), target, "--companies",
                            test::LegacyFixture("firmy.000"), "--encoding", "kamenicky"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "calculations: 3\nrecords: 3\ncompanies: 2\noutcome: finished\n");
  // The confirmation is answered by running the command; the end is told.
  EXPECT_NE(run.err.find("confirmation: Výpočty budou uloženy do nové databáze"), std::string::npos);
  EXPECT_NE(run.err.find("information: Výpočty z Kvantora byly převedeny do databáze Pramo."),
            std::string::npos);

  const auto check = Check();
  EXPECT_EQ(check["calculations"], 3);
  EXPECT_EQ(check["users"], 2);
  EXPECT_EQ(check["companies"], 2);
  const ToolRun shown = Tool({"show", target, "0100002", "--json"}, "show");
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  const auto state = nlohmann::json::parse(shown.out);
  EXPECT_EQ(state["VersionTag"], "ver2.2");
  EXPECT_EQ(state["Description"], "Čerpadlo Ústí");
  EXPECT_EQ(state["Company"], "Teplárna Ústí");
  const auto records = test::Records(target);
  const SlotLayout user = LayoutOf(Slot::User);
  EXPECT_TRUE(std::equal(original.begin() + user.offset, original.begin() + user.offset + user.size,
                         records.at(0).begin() + user.offset));
}

TEST_F(PramoDbConvertTest, AllCompaniesAndPlainEncoding) {
  MakeTarget();
  const ToolRun run = Tool({"convert", test::LegacyFixture("vypocty.000"), target, "--all-companies",
                            "--companies=" + test::LegacyFixture("firmy.000"), "--encoding=plain"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "calculations: 3\nrecords: 3\ncompanies: 4\noutcome: finished\n");
  const ToolRun shown = Tool({"show", target, "0100002", "--json"}, "show");
  // Letters of the old encoding mean nothing without diacritics: they become blanks.
  EXPECT_EQ(nlohmann::json::parse(shown.out)["Description"], "erpadlo  st");
}

TEST_F(PramoDbConvertTest, UsageErrors) {
  MakeTarget();
  const std::vector<std::vector<std::string>> lines = {
      {"convert"},
      {"convert", test::LegacyFixture("vypocty.000")},
      {"convert", test::LegacyFixture("vypocty.000"), target, "--encoding", "utf8"},
      {"convert", test::LegacyFixture("vypocty.000"), target, "--all-companies"},
      {"convert", test::LegacyFixture("vypocty.000"), target, "--companies"},
      {"convert", test::LegacyFixture("vypocty.000"), target, "--json"},
  };
  for (const auto& line : lines) {
    const ToolRun run = Tool(line);
    EXPECT_EQ(run.exitCode, 2) << line.size() << run.err;
    EXPECT_NE(run.err.find("(see pramo-db convert --help)"), std::string::npos) << run.err;
  }
  EXPECT_EQ(test::ReadBytes(target), original);
  EXPECT_EQ(Tool({"convert", "--help"}).exitCode, 0);
}

TEST_F(PramoDbConvertTest, BadInputIsToldAndLeavesTheTargetAlone) {
  MakeTarget();
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{"convert", test::LegacyFixture("vypocty_kratky.000"), target},
       "error: Nepodařilo se přečíst soubor s výpočty!"},
      {{"convert", folder.File("chybi.000"), target}, "error: Nepodařilo se přečíst soubor s výpočty!"},
      {{"convert", test::LegacyFixture("vypocty.000"), target, "--companies",
        test::LegacyFixture("firmy_kratky.000")},
       "error: Nepodařilo se přečíst soubor databází firem!"},
      {{"convert", test::LegacyFixture("vypocty.000"), folder.File("chybi.flw")},
       "error: Soubor databáze nebyl nalezen!"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.args);
    EXPECT_EQ(run.exitCode, 1) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(test::ReadBytes(target), original);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("chybi.flw")));
}

TEST_F(PramoDbConvertTest, IncompleteLastRecordIsToldAndLeftOut) {
  MakeTarget();
  const ToolRun run = Tool({"convert", test::LegacyFixture("vypocty_neuplny.000"), target});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("warning: Soubor výpočtů končí neúplným záznamem (150 bajtů navíc)"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "calculations: 2\nrecords: 2\ncompanies: 0\noutcome: finished\n");
}

TEST_F(PramoDbConvertTest, InterruptWithoutTerminalKeepsWhatWasConverted) {
  MakeTarget();
  constexpr std::size_t kCount = 99999;  // the highest running count
  const std::string old = test::OldCalculations(folder.File("vypocty.000"), kCount);
  const pid_t pid = Spawn(
      {"convert", old, target, "--companies", test::LegacyFixture("firmy.000"), "--user", "admin"}, "int");
  // The run has begun once its rewrite's journal exists.
  const std::string temporary = folder.File("cil.jrn");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!std::filesystem::exists(temporary) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  ASSERT_TRUE(std::filesystem::exists(temporary));
  kill(pid, SIGINT);
  const ToolRun run = Finish(pid, "int");
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.out.find("outcome: cancelled"), std::string::npos) << run.out;
  const std::size_t converted = std::stoul(run.out.substr(run.out.find(' ') + 1));
  EXPECT_LT(converted, kCount);
  const auto check = Check();
  EXPECT_EQ(check["calculations"], converted);
  EXPECT_EQ(check["users"], 2);
  EXPECT_EQ(check["companies"], 0);
  EXPECT_TRUE(check["problems"].empty()) << check["problems"].dump();
}

}  // namespace
}  // namespace pramo
