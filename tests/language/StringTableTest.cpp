// The string table as a user who reports a message searches it: every text on one source line, every
// identifier once.
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace pramo {
namespace {

TEST(StringTable, EveryTextLiesOnOneLineUnderAnIdentifierOfItsOwn) {
  const std::filesystem::path folder = std::filesystem::path(PRAMO_TEST_DATA) / "../../resources/strings";
  const std::regex entry(R"(\{\s*(\d+)\s*,\s*")");
  const std::regex continued(R"("\s*$)");
  const std::regex continuation(R"(^\s*")");
  std::map<int, std::string> seen;
  int files = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) {
    if (file.path().extension() != ".h") continue;
    ++files;
    std::ifstream in(file.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    for (auto it = std::sregex_iterator(source.begin(), source.end(), entry); it != std::sregex_iterator();
         ++it) {
      const int id = std::stoi((*it)[1]);
      const auto [at, inserted] = seen.emplace(id, file.path().filename().string());
      EXPECT_TRUE(inserted) << id << " in " << file.path().filename() << " and " << at->second;
    }
    std::istringstream lines(source);
    std::string previous, line;
    for (int number = 1; std::getline(lines, line); ++number, previous = line)
      EXPECT_FALSE(std::regex_search(previous, continued) && std::regex_search(line, continuation))
          << file.path().filename() << ":" << number;
  }
  EXPECT_GE(files, 7);
  EXPECT_GT(seen.size(), 300u);
}

}  // namespace
}  // namespace pramo
