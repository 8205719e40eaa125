#pragma once

#include <string>

namespace pramo::test {

struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs a command line through the shell with `input` on its standard input.
ToolRun RunTool(const std::string& commandLine, const std::string& input = "");

// A file in a fresh temporary folder of the test.
std::string TempPath(const std::string& name);

}  // namespace pramo::test
