#include "db_convert.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <iostream>
#include <optional>
#include <sstream>

#include "legacy/ConversionRun.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseRecord.h"
#include "strings/legacy.h"

namespace pramo {
namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
// How long the run works between two looks at Ctrl+C and two updates of the progress line.
constexpr auto kSlice = std::chrono::milliseconds(50);

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
  g_interrupted = 1;
}

// Ctrl+C asks instead of killing the run while this lives. Without SA_RESTART, so that a second Ctrl+C
// also breaks off waiting for the answer.
class InterruptHandler {
 public:
  InterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_previous);
    g_interrupted = 0;
  }
  ~InterruptHandler() { sigaction(SIGINT, &m_previous, nullptr); }
  InterruptHandler(const InterruptHandler&) = delete;

 private:
  struct sigaction m_previous {};
};

std::string WithoutCarriageReturns(const std::string& text) {
  std::string result;
  for (char c : text)
    if (c != '\r') result += c;
  return result;
}

// The question whether to stop, at the terminal: "y" stops, "n" goes on; end of input or another Ctrl+C
// stops.
Answer AskAtTerminal(const std::string& question) {
  for (;;) {
    std::cerr << WithoutCarriageReturns(question) << " [y/n] " << std::flush;
    std::string line;
    char c = 0;
    for (;;) {
      const ssize_t n = ::read(STDIN_FILENO, &c, 1);
      if (n <= 0) {
        std::cerr << "\n";
        return Answer::Yes;
      }
      if (c == '\n') break;
      line += c;
    }
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    if (line[first] == 'y' || line[first] == 'Y') return Answer::Yes;
    if (line[first] == 'n' || line[first] == 'N') return Answer::No;
  }
}

// The tool's messages, except that the question whether to stop is put to the person at the terminal;
// without one, an interrupt means stop, keeping what was converted.
class ConvertMessages : public Messages {
 public:
  explicit ConvertMessages(Messages& inner) : m_inner(inner) {}
  Answer Show(const Message& message) override {
    if (message.id != str::kConvertCancelQuestion.id) return m_inner.Show(message);
    if (!::isatty(STDIN_FILENO)) return Answer::Yes;
    return AskAtTerminal(message.text);
  }

 private:
  Messages& m_inner;
};

// "Zkonvertován výpočet: 00012  (12 / 50000)" rewritten in place on a terminal, nothing elsewhere.
class ProgressLine {
 public:
  void Show(const ConversionProgress& progress) {
    if (!m_terminal) return;
    std::ostringstream line;
    line << '\r' << Tr(str::kConvertProgressConverted) << ' ' << PaddedNumber(progress.lastCount, 5) << "  ("
         << progress.done << " / " << progress.total << ')';
    std::string text = line.str();
    m_width = std::max(m_width, text.size());
    text.resize(m_width, ' ');
    std::cerr << text << std::flush;
  }
  void Clear() {
    if (m_width == 0) return;
    std::cerr << "\r" << std::string(m_width, ' ') << "\r" << std::flush;
    m_width = 0;
  }

 private:
  bool m_terminal = ::isatty(STDERR_FILENO) != 0;
  std::size_t m_width = 0;
};

const char* OutcomeName(ConversionPhase phase) {
  switch (phase) {
    case ConversionPhase::Finished:
      return "finished";
    case ConversionPhase::Cancelled:
      return "cancelled";
    default:
      return "failed";
  }
}

}  // namespace

LegacyEncoding LegacyEncodingNamed(const std::string& name) {
  if (name == "latin2") return LegacyEncoding::Latin2;
  if (name == "plain") return LegacyEncoding::Plain;
  return LegacyEncoding::Kamenicky;
}

int ConvertCommand(const ConvertOptions& options, Messages& messages) {
  ConvertMessages convertMessages(messages);
  DatabaseAccess db{LocalFileSystem(), PathsOf(options.database), convertMessages};
  RecoverDatabase(db);
  LegacyCompanies companies;
  if (!ReadLegacyCompanies(options.request.companiesFile, options.request.encoding, companies,
                           convertMessages))
    return kRefused;
  // The target starts without companies: it receives those its converted calculations name.
  std::vector<std::string> companyList;
  ConversionRun run(db, companies, companyList);
  InterruptHandler interrupts;
  if (!run.Start(options.request)) return kRefused;
  if (run.TrailingBytes() != 0)
    Tell(convertMessages, MessageKind::Warning, str::kConvertTrailingBytes,
         Format(str::kConvertTrailingBytes, {std::to_string(run.TrailingBytes())}));

  ProgressLine progress;
  for (;;) {
    const ConversionPhase phase = run.Phase();
    if (phase != ConversionPhase::Calculations && phase != ConversionPhase::Companies) break;
    if (g_interrupted) {
      g_interrupted = 0;
      progress.Clear();
      run.AskCancel();
    } else if (phase == ConversionPhase::Companies) {
      progress.Clear();
      run.StoreCompanies();
    } else {
      run.StepFor(kSlice);
      progress.Show(run.Progress());
    }
  }
  progress.Clear();
  std::cout << "calculations: " << run.Progress().done << "\nrecords: " << run.Progress().total
            << "\ncompanies: " << run.CompaniesStored() << "\noutcome: " << OutcomeName(run.Phase()) << "\n";
  return run.Phase() == ConversionPhase::Finished ? kOk : kRefused;
}

}  // namespace pramo
