#include "ToolRunner.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pramo::test {

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
  auto slurp = [](const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  };
  run.out = slurp(out);
  run.err = slurp(err);
  return run;
}

}  // namespace pramo::test
