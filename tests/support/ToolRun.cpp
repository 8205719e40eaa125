#include "support/ToolRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

extern char** environ;

namespace pramo::test {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

std::string TempPath(const std::string& name) {
  static const std::filesystem::path folder = [] {
    auto dir = std::filesystem::temp_directory_path() / ("pramo-tools-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
  }();
  return (folder / name).string();
}

ToolRun RunTool(const std::string& commandLine, const std::string& input) {
  const std::string in = TempPath("stdin"), out = TempPath("stdout"), err = TempPath("stderr");
  std::ofstream(in, std::ios::binary) << input;
  ToolRun run;
  const int status = std::system((commandLine + " <" + in + " >" + out + " 2>" + err).c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Slurp(out);
  run.err = Slurp(err);
  return run;
}

pid_t StartTool(const std::string& program, const std::vector<std::string>& args, const std::string& outPath,
                const std::string& errPath) {
  std::vector<std::string> all{program};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  EXPECT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

int WaitForTool(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ToolRun FinishTool(pid_t pid, const std::string& outPath, const std::string& errPath) {
  ToolRun run;
  run.exitCode = WaitForTool(pid);
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  return run;
}

}  // namespace pramo::test
