#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace pramo::test {

// What a run of a command-line tool left.
struct ToolRun {
  int exitCode = -1;  // -1: ended by a signal
  std::string out;
  std::string err;
};

// Runs a command line through the shell with `input` on its standard input.
ToolRun RunTool(const std::string& commandLine, const std::string& input = "");

// Starts the program with the arguments, without waiting: standard input from /dev/null (no terminal, so
// a password the test did not give is never asked for), standard output and error into the files.
pid_t StartTool(const std::string& program, const std::vector<std::string>& args, const std::string& outPath,
                const std::string& errPath);
// Waits for a started tool: its exit code, -1 when a signal ended it.
int WaitForTool(pid_t pid);
// Waits for a started tool and reads back what it wrote.
ToolRun FinishTool(pid_t pid, const std::string& outPath, const std::string& errPath);

// A file in a fresh temporary folder of the test.
std::string TempPath(const std::string& name);

}  // namespace pramo::test
