#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "tools/certificate_output.h"

namespace pramo::tools {

// Exit status of both tools for a command line they cannot use (and for input they cannot use).
constexpr int kUsageStatus = 2;

// A tool's command line: `--help`/`-h` (also after a command), `--version`, `--opt value` and
// `--opt=value`, `--` before words that begin with a dash. A value is never an option: `--user --help`
// lacks its value.
void SetUpCommandLine(CLI::App& app);

// Parses the whole command line before anything is done. Help and version go to stdout and give exit
// status 0; a usage error gives one line on stderr naming what was wrong, with a hint to --help, and
// kUsageStatus. Nothing when the tool goes on.
std::optional<int> ParseCommandLine(CLI::App& app, int argc, char** argv);

// A certificate option as given, applied over the defaults of the request once they are known.
using CertificateEdit = std::function<void(CertificateRequest&)>;

// Declares the certificate options (--certificate FILE.pdf where the command has none of its own, --png,
// --zoom, the print switches, the footer, owner, database and decimal separator) on a command; each one
// given adds its edit.
void AddCertificateOptions(CLI::App& command, std::vector<CertificateEdit>& edits, bool withPdfFile);

}  // namespace pramo::tools
