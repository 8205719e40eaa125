// pramo-db as scripts run it: separate processes, also two at a time and killed at random instants.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/CalculationBlockCodec.h"
#include "storage/WriterLock.h"
#include "storage/DatabaseRecord.h"
#include "storage/StorageTestSupport.h"
#include "support/ToolRun.h"

namespace pramo {
namespace {

using test::ToolRun;

class PramoDbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The tool reads the user's configuration: give it one of its own.
    setenv("XDG_CONFIG_HOME", folder.File("config").c_str(), 1);
    setenv("HOME", folder.Path().c_str(), 1);
    unsetenv("PRAMO_PASSWORD");
    unsetenv("PRAMO_NEW_PASSWORD");
  }
  void TearDown() override {
    unsetenv("PRAMO_PASSWORD");
    unsetenv("PRAMO_NEW_PASSWORD");
  }

  static void Passwords(const std::string& password, const std::string& newPassword = "") {
    setenv("PRAMO_PASSWORD", password.c_str(), 1);
    if (newPassword.empty())
      unsetenv("PRAMO_NEW_PASSWORD");
    else
      setenv("PRAMO_NEW_PASSWORD", newPassword.c_str(), 1);
  }

  // The administrator's first set-up, with the initial password.
  void SetUpAdministrator() {
    Passwords("tesov", kAdminPassword);
    ASSERT_EQ(Tool({"admin-password"}).exitCode, 0);
  }

  // Registers the user "tester" in the database (set up the administrator first) and logs in as him.
  void RegisterTester(const std::string& db) {
    Passwords(kAdminPassword, kTesterPassword);
    const ToolRun run = Tool({"add-user", db, "tester", "Tomáš Tester", "--user", "admin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Passwords(kTesterPassword);
  }

  // A computable input: the calculation of the example of superheated steam.
  static std::string Input() { return std::string(PRAMO_EXAMPLES) + "/steam-flow.json"; }

  static constexpr const char* kAdminPassword = "Správce-1";
  static constexpr const char* kTesterPassword = "tajné heslo";

  pid_t Spawn(const std::vector<std::string>& args, const std::string& out, const std::string& err) {
    return test::StartTool(PRAMO_DB, args, out, err);
  }

  ToolRun Tool(const std::vector<std::string>& args, const std::string& tag = "run") {
    const std::string out = folder.File(tag + ".out"), err = folder.File(tag + ".err");
    const ToolRun run = test::FinishTool(Spawn(args, out, err), out, err);
    transcript += run.out + run.err;
    return run;
  }

  // A database of `count` calculations numbered 1 .. count.
  std::string DatabaseOf(std::uint32_t count) {
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t i = 1; i <= count; ++i) {
      const DatabaseRecord record =
          RecordWithSlot(Slot::Calculation, EncodeBlock(test::ComputedCalculation(i)));
      bytes.insert(bytes.end(), record.begin(), record.end());
    }
    const std::string path = folder.File("db.flw");
    test::WriteBytes(path, bytes);
    return path;
  }

  test::TempFolder folder;
  std::string transcript;  // everything the tool printed
};

TEST_F(PramoDbTest, ListsShowsExportsAndChecksTheOlderProgramsRecords) {
  const std::string db = folder.Copy("legacy.flw", "db.flw");
  SetUpAdministrator();
  RegisterTester(db);
  const auto original = test::ReadBytes(db);
  ToolRun run = Tool({"list", db, "--json", "--filter", "program=2", "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto listing = nlohmann::json::parse(run.out);
  ASSERT_EQ(listing["rows"].size(), 4u);
  EXPECT_EQ(listing["rows"][0]["Number"], "0100012-01");
  EXPECT_EQ(listing["highestRunningCount"], 20);

  run = Tool({"show", "--json", db, "0100012", "--user=tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto shown = nlohmann::json::parse(run.out);
  EXPECT_EQ(shown["VersionTag"], "ver3.3");
  EXPECT_EQ(shown["Description"], "Čerpadlo [P1]");
  EXPECT_EQ(shown["NumberCount"], 12);
  EXPECT_EQ(shown["NumberIndex"], 0);
  EXPECT_EQ(shown["Fittings"].size(), 12u);
  EXPECT_EQ(shown["CascadeRange"].size(), 3u);

  run = Tool({"export", db, "0100012-02", folder.File("out.cln"), "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto exported = test::ReadBytes(folder.File("out.cln"));
  EXPECT_EQ(exported, std::vector<std::uint8_t>(original.begin() + 2 * kRecordSize,
                                                original.begin() + 2 * kRecordSize + kBlockSize));

  run = Tool({"check", db, "--json", "--user", "tester"});
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(nlohmann::json::parse(run.out)["calculations"], 6);
  EXPECT_EQ(test::ReadBytes(db), original);  // readers never write
}

TEST_F(PramoDbTest, RefusalsAndUsageErrorsHaveTheirExitCodes) {
  const std::string db = folder.Copy("bad-tag.flw", "bad.flw");
  SetUpAdministrator();
  RegisterTester(folder.Copy("legacy.flw", "db.flw"));
  // The login reads the file first: an invalid one admits nobody.
  ToolRun run = Tool({"list", db, "--user", "tester"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "error: Neplatný formát databáze!\nProgram nedokáže zpracovat data.\n"
            "error: Nejste oprávněn pro vstup do databáze!\n");
  Passwords(kAdminPassword);
  EXPECT_EQ(Tool({"check", db, "--user", "admin"}).exitCode, 1);
  Passwords(kTesterPassword);
  EXPECT_EQ(Tool({"show", folder.File("db.flw"), "0999999-01", "--user", "tester"}).exitCode, 1);
  EXPECT_EQ(Tool({"import", test::FixturePath("export-ver22.cln")}).exitCode, 1);
  EXPECT_EQ(Tool({"list"}).exitCode, 2);
  EXPECT_EQ(Tool({"list", db, "--filter", "fluid=8"}).exitCode, 2);
  EXPECT_EQ(Tool({"list", db, "--sort"}).exitCode, 2);
  EXPECT_EQ(Tool({"frobnicate"}).exitCode, 2);
  test::WriteBytes(folder.File("in.json"), {'{', '"', 'X', '"', ':', '1', '}'});
  run = Tool({"save", folder.File("db.flw"), folder.File("in.json")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("key \"X\""), std::string::npos);
}

TEST_F(PramoDbTest, SavesComputedCalculationsSignedByTheUserAndImportsRaiseOlderFiles) {
  const std::string db = folder.Copy("one-user.flw", "db.flw");
  SetUpAdministrator();
  RegisterTester(db);
  ToolRun run = Tool({"save", db, Input(), "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0100001-01\n");
  run = Tool({"save", db, Input(), "--next-index", "0100001-01", "--json", "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["Number"], "0100001-02");
  run = Tool({"show", db, "0100001-02", "--json", "--user", "tester"});
  const auto shown = nlohmann::json::parse(run.out);
  EXPECT_EQ(shown["Designer"], "Tomáš Tester");
  EXPECT_TRUE(shown["ResultsValid"].get<bool>());
  // Computed by the run, as pramo-calc computes it: the flow through the given bore.
  const auto calc = test::RunTool(std::string(PRAMO_CALC) + " " + Input());
  ASSERT_EQ(calc.exitCode, 0) << calc.err;
  EXPECT_NEAR(shown["MassFlowMax"].get<double>(),
              nlohmann::json::parse(calc.out)["results"][0]["MassFlowMax"].get<double>(), 1e-9);

  // The shown state saved again as JSON, and an export file of it: both computed again.
  const std::string json = shown.dump();
  test::WriteBytes(folder.File("again.json"), std::vector<std::uint8_t>(json.begin(), json.end()));
  run = Tool({"save", db, folder.File("again.json"), "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0100002-01\n");
  ASSERT_EQ(Tool({"export", db, "0100002-01", folder.File("again.cln"), "--user", "tester"}).exitCode, 0);
  run = Tool({"save", db, folder.File("again.cln"), "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0100003-01\n");

  // Inputs that do not compute are not stored.
  test::WriteBytes(folder.File("empty.json"), {'{', '}'});
  run = Tool({"save", db, folder.File("empty.json"), "--user", "tester"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");

  auto spoilt = test::ReadBytes(test::FixturePath("export-ver34.cln"));
  spoilt[121] = 200;  // the differential-pressure unit
  test::WriteBytes(folder.File("spoilt.cln"), spoilt);
  for (const auto& command : {std::vector<std::string>{"import", folder.File("spoilt.cln")},
                              {"save", db, folder.File("spoilt.cln"), "--user", "tester"}}) {
    run = Tool(command);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("neplatná hodnota DpUnit = 200"), std::string::npos) << run.err;
  }

  run = Tool({"import", test::FixturePath("export-ver34.cln"), "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["VersionTag"], "ver3.5");
  EXPECT_NE(run.err.find("warning: Kopírujete zadání výpočtu, který byl proveden starší verzí programu."),
            std::string::npos);
}

// Two processes store new calculations into one database at the same time, over and over. Every store
// that reports success is in the file under the number it printed; every refused one says why.
TEST_F(PramoDbTest, TwoWritersNeverLoseACalculation) {
  const std::string db = DatabaseOf(50);
  SetUpAdministrator();
  RegisterTester(db);
  const std::string input = Input();
  constexpr int kRounds = 25;
  std::vector<std::string> stored;
  int refused = 0;
  for (int round = 0; round < kRounds; ++round) {
    const std::string a = std::string("a").append(std::to_string(round)),
                      b = std::string("b").append(std::to_string(round));
    const pid_t first =
        Spawn({"save", db, input, "--user", "tester"}, folder.File(a + ".out"), folder.File(a + ".err"));
    const pid_t second =
        Spawn({"save", db, input, "--user", "tester"}, folder.File(b + ".out"), folder.File(b + ".err"));
    for (const auto& [pid, tag] : {std::pair{first, a}, std::pair{second, b}}) {
      const int code = test::WaitForTool(pid);
      const auto out = test::ReadBytes(folder.File(tag + ".out"));
      const auto err = test::ReadBytes(folder.File(tag + ".err"));
      ASSERT_TRUE(code == 0 || code == 1) << code;
      if (code == 0) {
        stored.emplace_back(out.begin(), out.end() - 1);
      } else {
        ++refused;
        // A refusal says why: the other one took the number, or held the file too long.
        const std::string why(err.begin(), err.end());
        EXPECT_TRUE(why.find("Číslo výpočtu již v databázi existuje") != std::string::npos ||
                    why.find("Nepodařilo se vytvořit pomocný pracovní soubor!") != std::string::npos)
            << why;
      }
    }
  }
  const ToolRun check = Tool({"check", db, "--json", "--user", "tester"});
  ASSERT_EQ(check.exitCode, 0) << check.out;
  EXPECT_EQ(nlohmann::json::parse(check.out)["calculations"], 50 + stored.size());
  const nlohmann::json listing = nlohmann::json::parse(Tool({"list", db, "--json", "--user", "tester"}).out);
  std::set<std::string> listed;
  for (const auto& row : listing["rows"]) listed.insert(row["Number"].get<std::string>());
  for (const std::string& number : stored) EXPECT_TRUE(listed.count(number)) << number;
  EXPECT_EQ(std::set<std::string>(stored.begin(), stored.end()).size(), stored.size());
  EXPECT_GE(stored.size(), static_cast<std::size_t>(kRounds));  // of two at the same time, one gets through
  std::cout << "stored " << stored.size() << ", refused " << refused << "\n";
}

// A store killed at any instant: the next run finds the old or the new content, never anything else.
TEST_F(PramoDbTest, AStoreKilledAtAnyInstantLeavesTheOldOrTheNewContent) {
  const std::string db = DatabaseOf(8000);  // 9 MB: the kill lands in every phase of the rewrite
  SetUpAdministrator();
  RegisterTester(db);
  const std::string input = Input();
  std::mt19937 random(4242);
  int killedMidway = 0, stored = 0;
  for (int round = 0; round < 50; ++round) {
    const auto before = test::ReadBytes(db);
    const pid_t pid =
        Spawn({"save", db, input, "--user", "tester"}, folder.File("k.out"), folder.File("k.err"));
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 250000));
    kill(pid, SIGKILL);
    const int code = test::WaitForTool(pid);
    if (code == -1 && !std::filesystem::exists(db)) ++killedMidway;
    const ToolRun check = Tool({"check", db, "--json", "--user", "tester"});
    ASSERT_EQ(check.exitCode, 0) << check.out << check.err;
    const auto after = test::ReadBytes(db);
    if (after != before) {
      ++stored;
      ASSERT_EQ(after.size(), before.size() + kRecordSize) << "round " << round;
      EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    }
    // Whatever a killed writer left beside the database is gone once the next writer has been at work,
    // except a lock that names its dead owner, which the next writer breaks.
    ASSERT_EQ(Tool({"add-company", db, "Firma " + std::to_string(round), "--user", "tester"}).exitCode, 0);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      const std::string name = entry.path().filename();
      EXPECT_TRUE(name.rfind("db.", 0) != 0 || name == "db.flw" || name == "db.bak")
          << name << " in round " << round;
    }
  }
  std::cout << "of 50 stores killed: " << killedMidway << " while the database was away, " << stored
            << " found stored afterwards\n";
}

TEST_F(PramoDbTest, RandomFilesNeverCrashTheTool) {
  SetUpAdministrator();
  Passwords(kTesterPassword);
  std::mt19937 random(99);
  const auto seed = test::ReadBytes(test::FixturePath("legacy.flw"));
  for (int round = 0; round < 30; ++round) {
    std::vector<std::uint8_t> bytes(seed.begin(), seed.begin() + random() % seed.size());
    for (int i = 0; i < 20 && !bytes.empty(); ++i)
      bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
    test::WriteBytes(folder.File("f.flw"), bytes);
    test::WriteBytes(folder.File("f.cln"), bytes);
    for (auto args :
         std::vector<std::vector<std::string>>{{"list", folder.File("f.flw")},
                                               {"check", folder.File("f.flw")},
                                               {"show", folder.File("f.flw"), "0100012-01"},
                                               {"import", folder.File("f.cln")},
                                               {"save", folder.File("f.flw"), folder.File("f.cln")}}) {
      if (args[0] != "import") args.insert(args.end(), {"--user", "tester"});
      const int code = Tool(args).exitCode;
      EXPECT_TRUE(code == 0 || code == 1) << args[0] << " round " << round << " code " << code;
    }
  }
}

// Bytes of a database file with the given slot of every record blanked: what a change of that kind of
// slot must leave exactly as it was.
std::vector<std::uint8_t> OutsideSlots(std::vector<std::uint8_t> file, Slot slot) {
  const SlotLayout layout = LayoutOf(slot);
  for (std::size_t base = 0; base + kRecordSize <= file.size(); base += kRecordSize) {
    std::fill_n(file.begin() + base + layout.offset, layout.size, 0);
    file[base + layout.flagOffset] = 0;
  }
  return file;
}

TEST_F(PramoDbTest, TheAdministratorSetsUpThePasswordFirst) {
  const std::string db = folder.Copy("legacy.flw", "db.flw");
  Passwords("tesov", "novéheslo");
  ToolRun run = Tool({"users", db, "--user", "admin"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "error: Program ještě nebyl nastaven!\nNejprve změňte heslo správce (admin).\n");
  // The initial password cannot stay, and a short one is not taken.
  Passwords("tesov", "tesov");
  run = Tool({"admin-password"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "warning: Heslo nemůže být tesov!\nZměňte heslo!\n");
  Passwords("tesov", "abcd");
  EXPECT_EQ(Tool({"admin-password", "--user", "admin"}).exitCode, 1);
  Passwords("tesovx", "novéheslo");
  EXPECT_EQ(Tool({"admin-password"}).exitCode, 1);
  Passwords("tesov", "novéheslo");
  run = Tool({"admin-password"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "information: Heslo bylo změněno.\n");
  // From now on the initial password is refused and the new one works.
  Passwords("tesov");
  run = Tool({"users", db, "--user", "admin"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "error: Nejste oprávněný administrátor!\n");
  Passwords("novéheslo");
  run = Tool({"users", db, "--user", "admin", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["users"][0]["Login"], "novak");
  EXPECT_EQ(Tool({"users", db, "--user", "novak"}).exitCode, 2);  // not the administrator
  // A later change of the administrator password.
  Passwords("novéheslo", "třetíheslo");
  ASSERT_EQ(Tool({"admin-password", "--user", "admin"}).exitCode, 0);
  Passwords("třetíheslo");
  EXPECT_EQ(Tool({"users", db, "--user", "admin"}).exitCode, 0);
}

TEST_F(PramoDbTest, PasswordsComeOnlyFromTheEnvironmentOrTheTerminal) {
  const std::string db = folder.Copy("legacy.flw", "db.flw");
  SetUpAdministrator();
  RegisterTester(db);
  unsetenv("PRAMO_PASSWORD");
  ToolRun run = Tool({"list", db, "--user", "tester"});  // no terminal to ask at
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("PRAMO_PASSWORD"), std::string::npos);
  EXPECT_EQ(Tool({"list", db, "--user", "tester", "--password", kTesterPassword}).exitCode, 2);
  EXPECT_EQ(Tool({"list", db, "--user", "tester", "--password=tajne"}).exitCode, 2);
  EXPECT_EQ(Tool({"list", db}).exitCode, 2);  // no login
  Passwords("tajné hesl");
  run = Tool({"list", db, "--user", "tester"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "error: Nejste oprávněn pro vstup do databáze!\n");
  // The administrator works with no calculations.
  Passwords(kAdminPassword);
  EXPECT_EQ(Tool({"list", db, "--user", "admin"}).exitCode, 2);
  EXPECT_EQ(Tool({"save", db, Input(), "--user", "admin"}).exitCode, 2);
}

TEST_F(PramoDbTest, UserChangesKeepEveryOtherSlotAndReuseFreedOnes) {
  const std::string db = folder.Copy("legacy.flw", "db.flw");
  const auto original = test::ReadBytes(db);
  SetUpAdministrator();
  auto admin = [&](std::vector<std::string> args, const std::string& newPassword = "") {
    Passwords(kAdminPassword, newPassword);
    args.insert(args.end(), {"--user", "admin"});
    return Tool(args);
  };
  ToolRun run = admin({"add-user", db, "dvorakova", "Eva Dvořáková"}, "heslo-eva");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "information: Byl přidán nový uživatel.\n");
  ASSERT_EQ(admin({"add-user", db, "svoboda", "Petr Svoboda"}, "heslo-petr").exitCode, 0);
  auto bytes = test::ReadBytes(db);
  EXPECT_EQ(bytes.size(), original.size());
  EXPECT_EQ(OutsideSlots(bytes, Slot::User), OutsideSlots(original, Slot::User));
  EXPECT_EQ(bytes[kRecordSize + record_offset::kUserFlag], 1);  // the first free user slots
  EXPECT_EQ(bytes[2 * kRecordSize + record_offset::kUserFlag], 1);

  // The checks of the window, and names that differ only in case.
  run = admin({"add-user", db, "admin", "Pan Správce"}, "heslo-x");
  EXPECT_EQ(run.err, "error: Přihlašovací jméno nemůže být admin!\nAdmin je správce databází!\n");
  EXPECT_EQ(admin({"add-user", db, "svoboda", "Petr Svoboda"}, "heslo-x").exitCode, 1);
  EXPECT_EQ(admin({"add-user", db, "Svoboda", "Pavel Svoboda"}, "heslo-x").exitCode, 0);
  EXPECT_EQ(admin({"add-user", db, "abcd", "Abcd Efgh"}, "heslo-x").exitCode, 1);
  EXPECT_EQ(admin({"add-user", db, std::string(26, 'a'), "Abcd Efgh"}, "heslo-x").exitCode, 1);
  run = admin({"add-user", db, "ivanov", "Иван Иванов"}, "heslo-x");
  EXPECT_EQ(run.err, "error: Jméno uživatele obsahuje znak, který nelze uložit do databáze!\n");

  // A change: the full name and password of that login only.
  const auto beforeChange = test::ReadBytes(db);
  run = admin({"change-user", db, "dvorakova", "Eva Nová"}, "nove-heslo");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "information: Vlastnosti uživatele jsou aktualizovány.\n");
  EXPECT_EQ(OutsideSlots(test::ReadBytes(db), Slot::User), OutsideSlots(beforeChange, Slot::User));
  Passwords("heslo-eva");
  EXPECT_EQ(Tool({"companies", db, "--user", "dvorakova"}).exitCode, 1);
  Passwords("nove-heslo");
  EXPECT_EQ(Tool({"companies", db, "--user", "dvorakova"}).exitCode, 0);
  run = admin({"change-user", db, "nikdo", "Nikdo Nikde"}, "heslo-x");
  EXPECT_EQ(
      run.err,
      "error: Uživatel nebyl nalezen!\nerror: Uživatel nebyl nalezen!\n(Přihlašovací jméno nelze měnit, lze "
      "odstranit.)\n");

  // Removed: the file keeps its length and the next user takes the freed slot.
  run = admin({"remove-user", db, "svoboda"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err,
            "confirmation: Opravdu odstaranit uživatele z databáze?\n"
            "information: Uživatel byl odstraněn z databáze.\n");
  auto removed = test::ReadBytes(db);
  EXPECT_EQ(removed.size(), original.size());
  EXPECT_EQ(removed[2 * kRecordSize + record_offset::kUserFlag], 0);
  ASSERT_EQ(admin({"add-user", db, "novotna", "Jana Novotná"}, "heslo-jana").exitCode, 0);
  const auto reused = test::ReadBytes(db);
  EXPECT_EQ(reused.size(), original.size());
  EXPECT_EQ(reused[2 * kRecordSize + record_offset::kUserFlag], 1);
  EXPECT_EQ(OutsideSlots(reused, Slot::User), OutsideSlots(original, Slot::User));

  // Down to the last user, who stays.
  for (const char* login : {"novak", "Svoboda", "novotna"})
    ASSERT_EQ(admin({"remove-user", db, login}).exitCode, 0);
  run = admin({"remove-user", db, "dvorakova"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "error: Posledního uživatele databáze nelze odstranit!\n");
  run = admin({"users", db});
  EXPECT_EQ(run.out, "dvorakova\tEva Nová\n");
  EXPECT_EQ(test::ReadBytes(db).size(), original.size());

  // No password is ever printed.
  for (const char* password : {kAdminPassword, "heslo-eva", "heslo-petr", "nove-heslo", "heslo-jana"})
    EXPECT_EQ(transcript.find(password), std::string::npos) << password;
}

TEST_F(PramoDbTest, CreatesANewDatabaseWithItsFirstUser) {
  SetUpAdministrator();
  const std::string db = folder.File("nová.flw");
  Passwords(kAdminPassword, "první-heslo");
  ToolRun run = Tool({"create", db, "prvni", "První Uživatel", "--user", "admin"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err.rfind("information: Založil jste novou databázi.", 0), 0u);
  EXPECT_EQ(test::ReadBytes(db).size(), kRecordSize);
  // An existing file is never taken over.
  const std::string existing = folder.Copy("legacy.flw", "db.flw");
  run = Tool({"create", existing, "druhy", "Druhý Uživatel", "--user", "admin"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "error: Soubor již existuje!\nNelze založit novou databázi.\n");
  EXPECT_EQ(test::ReadBytes(existing), test::ReadBytes(test::FixturePath("legacy.flw")));
  // The first user works with it, and the first calculation goes into his record.
  Passwords("první-heslo");
  run = Tool({"save", db, Input(), "--user", "prvni"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(test::ReadBytes(db).size(), kRecordSize);
}

TEST_F(PramoDbTest, CompanyChangesKeepEveryOtherSlotAndReuseFreedOnes) {
  const std::string db = folder.Copy("legacy.flw", "db.flw");
  SetUpAdministrator();
  RegisterTester(db);
  const auto original = test::ReadBytes(db);
  auto user = [&](std::vector<std::string> args) {
    args.insert(args.end(), {"--user", "tester"});
    return Tool(args);
  };
  ToolRun run = user({"companies", db, "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["companies"], (nlohmann::json{"Bioplynka", "Teplárna"}));
  run = user({"add-company", db, "teplárna"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "information: Útvar byl přidán do databáze!\n");
  run = user({"add-company", db, "Teplárna"});
  EXPECT_EQ(run.err, "warning: Útvar již existuje! Nelze ho přidat do databáze.\n");
  run = user({"rename-company", db, "Neexistuje", "Vodárna"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "information: Nezvolil jste žádný útvar!\nTento útvar můžete přidat.\nwarning: Útvar nebyl "
            "přejmenován!\n");
  ASSERT_EQ(user({"rename-company", db, "Teplárna", "Teplárna Jih"}).exitCode, 0);
  ASSERT_EQ(user({"remove-company", db, "Bioplynka"}).exitCode, 0);
  ASSERT_EQ(user({"add-company", db, "Vodárna"}).exitCode, 0);
  run = user({"companies", db});
  EXPECT_EQ(run.out, "teplárna\nTeplárna Jih\nVodárna\n");
  const auto after = test::ReadBytes(db);
  EXPECT_EQ(after.size(), original.size());
  EXPECT_EQ(OutsideSlots(after, Slot::Company), OutsideSlots(original, Slot::Company));
  // The calculations keep the company they were stored with.
  run = user({"list", db, "--filter", "company=Teplárna"});
  EXPECT_NE(run.out.find("0100012"), std::string::npos);
}

TEST_F(PramoDbTest, PrintsTheCertificateOfAStoredCalculation) {
  const std::string db = folder.Copy("one-user.flw", "db.flw");
  SetUpAdministrator();
  RegisterTester(db);
  ASSERT_EQ(Tool({"save", db, Input(), "--user", "tester"}).exitCode, 0);
  const std::string pdf = folder.File("osvědčení.pdf");
  ToolRun run = Tool({"certificate", db, "0100001-01", pdf, "--user", "tester", "--graph", "off", "--png",
                      folder.File("pages")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto bytes = test::ReadBytes(pdf);
  ASSERT_GT(bytes.size(), 1000u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
  EXPECT_TRUE(std::filesystem::exists(folder.File("pages/page-1.png")));
  EXPECT_EQ(Tool({"certificate", db, "0100009-01", pdf, "--user", "tester"}).exitCode, 1);
  EXPECT_EQ(Tool({"list", db, "--user", "tester", "--graph", "off"}).exitCode, 2);
}

// The whole line is read before anything is done: help wherever it stands does nothing else, and a word
// in an option's place is never its value, so it can neither skip the login nor stand for a file.
TEST_F(PramoDbTest, CommandLinesAreReadWholeBeforeAnythingIsDone) {
  const std::string db = folder.Copy("legacy.flw", "db.flw");
  SetUpAdministrator();
  RegisterTester(db);
  const auto original = test::ReadBytes(db);
  const std::string old = folder.File("vypocty.000");
  test::WriteBytes(old, {1, 2, 3});
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* shown;  // on stdout for exit status 0, else on stderr
  };
  const Case cases[] = {
      {{"--help"}, 0, "convert"},
      {{"--version"}, 0, "pramo-db 1."},
      {{"save", "-h"}, 0, "--result"},
      {{"convert", old, db, "--help", "--user", "admin"}, 0, "pramo-db convert"},
      {{"convert", old, db, "--companies", "--help"}, 2, "--companies"},
      {{"convert", old, db, "--user", "--help"}, 2, "--user"},
      {{"add-user", db, "nový", "Nový Uživatel", "--user", "-h"}, 2, "--user"},
      {{"list", db, "--user=tester", "--sort"}, 2, "--sort"},
      {{"list", db, "--user"}, 2, "--user"},
      {{"save", db, Input(), "--result=0", "--user", "tester"}, 2, "--result"},
      {{"--user", "tester", "list", db}, 2, "--user"},
      {{}, 2, "--help"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args.size() << run.err;
    const std::string& shown = c.exitCode == 0 ? run.out : run.err;
    EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
    if (c.exitCode == 2) {
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
  }
  EXPECT_EQ(test::ReadBytes(db), original);
  // Every command tells its own arguments and options.
  for (const char* command : {"list", "show", "export", "import", "save", "certificate", "companies",
                              "add-company", "rename-company", "remove-company", "check", "users", "add-user",
                              "change-user", "remove-user", "create", "admin-password", "convert"}) {
    const ToolRun run = Tool({command, "--help"});
    EXPECT_EQ(run.exitCode, 0) << command;
    EXPECT_NE(run.out.find(std::string("pramo-db ") + command), std::string::npos) << run.out;
  }
}

// The README's example sized over the series: the first result lies outside the standard, so a save takes
// the first that complies and says so; one asked for that does not comply is refused, as one document
// with --json. The stored calculation names its fluid as the program does.
TEST_F(PramoDbTest, SaveTakesTheFirstComplyingResultUnlessToldWhich) {
  const std::string db = folder.Copy("one-user.flw", "db.flw");
  SetUpAdministrator();
  RegisterTester(db);
  const std::string example = std::string(PRAMO_EXAMPLES) + "/water-orifice-series.json";
  ToolRun run = Tool({"save", db, example, "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0100001-01\n");
  EXPECT_NE(run.err.find("stored result 2 of 10 (10000 Pa)"), std::string::npos) << run.err;

  run = Tool({"save", db, example, "--result=1", "--json", "--user", "tester"});
  EXPECT_EQ(run.exitCode, 1);
  const auto refused = nlohmann::json::parse(run.out);
  EXPECT_FALSE(refused["ok"].get<bool>());
  EXPECT_EQ(refused["result"], 1);
  EXPECT_FALSE(refused["messages"].empty());
  run = Tool({"save", db, example, "--result", "3", "--json", "--user", "tester"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto stored = nlohmann::json::parse(run.out);
  EXPECT_EQ(stored["Number"], "0100002-01");
  EXPECT_EQ(stored["SeriesValue"], 16000.0);
  run = Tool({"save", db, folder.File("missing.json"), "--json", "--user", "tester"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(nlohmann::json::parse(run.out)["error"].get<std::string>().find("No such file"),
            std::string::npos);

  run = Tool({"show", db, "0100002-01", "--json", "--user", "tester"});
  const auto shown = nlohmann::json::parse(run.out);
  EXPECT_EQ(shown["DpMax"], 16000.0);
  EXPECT_EQ(shown["names"]["Fluid"], "voda");
  EXPECT_EQ(shown["units"]["DpMax"], "Pa");
  EXPECT_EQ(shown["DateIso"].get<std::string>().size(), 10u);
  run = Tool({"list", db, "--json", "--user", "tester"});
  EXPECT_EQ(nlohmann::json::parse(run.out)["rows"][0]["Fluid"], "voda");
}

}  // namespace
}  // namespace pramo
