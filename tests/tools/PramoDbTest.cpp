// pramo-db as scripts run it: separate processes, also two at a time and killed at random instants.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
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

extern char** environ;

namespace pramo {
namespace {

struct ToolRun {
  int exitCode = -1;  // -1: ended by a signal
  std::string out;
  std::string err;
};

class PramoDbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The tool reads the user's configuration: give it one of its own.
    setenv("XDG_CONFIG_HOME", folder.File("config").c_str(), 1);
    setenv("HOME", folder.Path().c_str(), 1);
  }

  pid_t Spawn(const std::vector<std::string>& args, const std::string& out, const std::string& err) {
    std::vector<std::string> all{PRAMO_DB};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, PRAMO_DB, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  static int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  ToolRun Tool(const std::vector<std::string>& args, const std::string& tag = "run") {
    const std::string out = folder.File(tag + ".out"), err = folder.File(tag + ".err");
    ToolRun run;
    run.exitCode = Wait(Spawn(args, out, err));
    const auto o = test::ReadBytes(out), e = test::ReadBytes(err);
    run.out.assign(o.begin(), o.end());
    run.err.assign(e.begin(), e.end());
    return run;
  }

  // An export file of a computed calculation that the save rules accept.
  std::string ComputedExport() {
    const std::string path = folder.File("computed.cln");
    const CalculationBlock block = EncodeBlock(test::ComputedCalculation(1));
    test::WriteBytes(path, std::vector<std::uint8_t>(block.begin(), block.end()));
    return path;
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
};

TEST_F(PramoDbTest, ListsShowsExportsAndChecksTheOlderProgramsRecords) {
  const std::string db = folder.Copy("legacy.flw", "db.flw");
  const auto original = test::ReadBytes(db);
  ToolRun run = Tool({"list", db, "--json", "--filter", "program=2"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto listing = nlohmann::json::parse(run.out);
  ASSERT_EQ(listing["rows"].size(), 4u);
  EXPECT_EQ(listing["rows"][0]["Number"], "0100012-01");
  EXPECT_EQ(listing["highestRunningCount"], 20);

  run = Tool({"--json", "show", db, "0100012"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto shown = nlohmann::json::parse(run.out);
  EXPECT_EQ(shown["VersionTag"], "ver3.3");
  EXPECT_EQ(shown["Description"], "Čerpadlo [P1]");
  EXPECT_EQ(shown["NumberCount"], 12);
  EXPECT_EQ(shown["NumberIndex"], 0);
  EXPECT_EQ(shown["Fittings"].size(), 12u);
  EXPECT_EQ(shown["CascadeRange"].size(), 3u);

  run = Tool({"export", db, "0100012-02", folder.File("out.cln")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto exported = test::ReadBytes(folder.File("out.cln"));
  EXPECT_EQ(exported, std::vector<std::uint8_t>(original.begin() + 2 * kRecordSize,
                                                original.begin() + 2 * kRecordSize + kBlockSize));

  run = Tool({"check", db, "--json"});
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(nlohmann::json::parse(run.out)["calculations"], 6);
  EXPECT_EQ(test::ReadBytes(db), original);  // readers never write
}

TEST_F(PramoDbTest, RefusalsAndUsageErrorsHaveTheirExitCodes) {
  const std::string db = folder.Copy("bad-tag.flw", "bad.flw");
  ToolRun run = Tool({"list", db});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "warning: Neplatný formát databáze!\nProgram nedokáže zpracovat data.\n");
  EXPECT_EQ(Tool({"check", db}).exitCode, 1);
  EXPECT_EQ(Tool({"show", folder.Copy("legacy.flw", "db.flw"), "0999999-01"}).exitCode, 1);
  EXPECT_EQ(Tool({"import", test::FixturePath("export-ver22.cln")}).exitCode, 1);
  EXPECT_EQ(Tool({"list"}).exitCode, 2);
  EXPECT_EQ(Tool({"list", db, "--filter", "fluid=8"}).exitCode, 2);
  EXPECT_EQ(Tool({"list", db, "--sort"}).exitCode, 2);
  EXPECT_EQ(Tool({"frobnicate"}).exitCode, 2);
  test::WriteBytes(folder.File("in.json"), {'{', '"', 'X', '"', ':', '1', '}'});
  run = Tool({"save", folder.File("db.flw"), folder.File("in.json")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("key X"), std::string::npos);
}

TEST_F(PramoDbTest, SavesNewNumbersAndNextIndicesAndImportsRaiseOlderFiles) {
  const std::string db = folder.Copy("one-user.flw", "db.flw");
  const std::string input = ComputedExport();
  ToolRun run = Tool({"save", db, input, "--designer", "Eva"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0100001-01\n");
  run = Tool({"save", db, input, "--next-index", "0100001-01", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["Number"], "0100001-02");
  run = Tool({"show", db, "0100001-02", "--json"});
  const auto shown = nlohmann::json::parse(run.out);
  EXPECT_EQ(shown["Designer"], "");
  EXPECT_TRUE(shown["ResultsValid"].get<bool>());

  // The shown state saved again as JSON.
  const std::string json = shown.dump();
  test::WriteBytes(folder.File("again.json"), std::vector<std::uint8_t>(json.begin(), json.end()));
  run = Tool({"save", db, folder.File("again.json")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0100002-01\n");

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
  const std::string input = ComputedExport();
  constexpr int kRounds = 25;
  std::vector<std::string> stored;
  int refused = 0;
  for (int round = 0; round < kRounds; ++round) {
    const std::string a = "a" + std::to_string(round), b = "b" + std::to_string(round);
    const pid_t first = Spawn({"save", db, input}, folder.File(a + ".out"), folder.File(a + ".err"));
    const pid_t second = Spawn({"save", db, input}, folder.File(b + ".out"), folder.File(b + ".err"));
    for (const auto& [pid, tag] : {std::pair{first, a}, std::pair{second, b}}) {
      const int code = Wait(pid);
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
  const ToolRun check = Tool({"check", db, "--json"});
  ASSERT_EQ(check.exitCode, 0) << check.out;
  EXPECT_EQ(nlohmann::json::parse(check.out)["calculations"], 50 + stored.size());
  const nlohmann::json listing = nlohmann::json::parse(Tool({"list", db, "--json"}).out);
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
  const std::string input = ComputedExport();
  std::mt19937 random(4242);
  int killedMidway = 0, stored = 0;
  for (int round = 0; round < 50; ++round) {
    const auto before = test::ReadBytes(db);
    const pid_t pid = Spawn({"save", db, input}, folder.File("k.out"), folder.File("k.err"));
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 100000));
    kill(pid, SIGKILL);
    const int code = Wait(pid);
    if (code == -1 && !std::filesystem::exists(db)) ++killedMidway;
    const ToolRun check = Tool({"check", db, "--json"});
    ASSERT_EQ(check.exitCode, 0) << check.out << check.err;
    const auto after = test::ReadBytes(db);
    if (after != before) {
      ++stored;
      ASSERT_EQ(after.size(), before.size() + kRecordSize) << "round " << round;
      EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    }
    for (const char* debris : {"db.tmp", "db.lck.break"})
      EXPECT_FALSE(std::filesystem::exists(folder.File(debris))) << debris << " in round " << round;
    // A writer killed between creating its lock and naming itself in it leaves a lock without an owner,
    // which the next writer takes over after a few seconds; any lock that names its owner is cleared.
    if (std::filesystem::exists(folder.File("db.lck"))) {
      const auto lock = test::ReadBytes(folder.File("db.lck"));
      EXPECT_FALSE(ParseLockFile(std::string(lock.begin(), lock.end()))) << "round " << round;
      std::filesystem::remove(folder.File("db.lck"));
    }
  }
  std::cout << "of 50 stores killed: " << killedMidway << " while the database was away, " << stored
            << " found stored afterwards\n";
}

TEST_F(PramoDbTest, RandomFilesNeverCrashTheTool) {
  std::mt19937 random(99);
  const auto seed = test::ReadBytes(test::FixturePath("legacy.flw"));
  for (int round = 0; round < 30; ++round) {
    std::vector<std::uint8_t> bytes(seed.begin(), seed.begin() + random() % seed.size());
    for (int i = 0; i < 20 && !bytes.empty(); ++i)
      bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
    test::WriteBytes(folder.File("f.flw"), bytes);
    test::WriteBytes(folder.File("f.cln"), bytes);
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"list", folder.File("f.flw")},
                                               {"check", folder.File("f.flw")},
                                               {"show", folder.File("f.flw"), "0100012-01"},
                                               {"import", folder.File("f.cln")},
                                               {"save", folder.File("f.flw"), folder.File("f.cln")}}) {
      const int code = Tool(args).exitCode;
      EXPECT_TRUE(code == 0 || code == 1) << args[0] << " round " << round << " code " << code;
    }
  }
}

}  // namespace
}  // namespace pramo
