// pramo-calc: runs calculations from JSON inputs and prints their results as JSON.
//
//   pramo-calc INPUT.json | -        one object, or an array of objects (a batch)
//   pramo-calc --jsonl INPUT | -     one object per line, one result line per input line, read, computed
//                                    and written line by line
//   pramo-calc --cln FILE.cln        the inputs of an export file
//
// `pramo-calc --help` lists the options and the codes of the input keys.
//
// Exit status: 0 every calculation produced a result, 1 some produced none, 2 unusable input or command
// line (in JSON Lines: some lines were unusable; each has its error object in the output).

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <simdjson.h>

#include "app/CalculationRun.h"
#include "app/InputPage.h"
#include "core/CalculationBlockCodec.h"
#include "core/InputGathering.h"
#include "storage/Configuration.h"
#include "storage/ExportImport.h"
#include "tools/calc_json.h"
#include "tools/certificate_output.h"
#include "tools/command_line.h"

namespace {

using namespace pramo;

// A calculation's outcome, in the order of the exit status: the worst one of a batch decides.
enum class Outcome { Result = 0, NoResult = 1, Unusable = 2 };

struct Options {
  bool jsonLines = false;
  bool table = false;
  int result = 1;
  int jobs = 1;
  std::string clnPath;
  std::string inputPath;
  std::string blockOut;
  tools::CertificateRequest certificate;
};

// One JSON document is read whole; larger batches belong in JSON Lines, which are read line by line.
constexpr std::size_t kMaxDocument = 256u << 20;
constexpr std::size_t kMaxLine = 1u << 20;

int Unusable(const std::string& text) {
  std::cerr << "pramo-calc: " << text << "\n";
  return tools::kUsageStatus;
}

std::string Reason(int error) {
  return std::strerror(error);
}

// The input file, standard input for "-". A folder or a file that cannot be opened is named with the
// system's reason.
std::FILE* OpenInput(const std::string& path, std::string& error) {
  if (path == "-") return stdin;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    const int code = fd < 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : errno;
    if (fd >= 0) ::close(fd);
    error = "cannot read " + path + ": " + Reason(code);
    return nullptr;
  }
  return ::fdopen(fd, "rb");
}

// Lines of a stream without their line end. A line longer than kMaxLine is read to its end but not kept.
class LineReader {
 public:
  explicit LineReader(std::FILE* file) : m_file(file) {}

  bool Next(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    bool any = false;
    for (;;) {
      if (m_pos == m_end) {
        m_end = std::fread(m_buffer, 1, sizeof m_buffer, m_file);
        m_pos = 0;
        if (m_end == 0) return any;
      }
      any = true;
      const char* start = m_buffer + m_pos;
      const auto* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_pos));
      const std::size_t n = newline ? static_cast<std::size_t>(newline - start) : m_end - m_pos;
      if (!tooLong && line.size() + n > kMaxLine) {
        tooLong = true;
        line.clear();
      }
      if (!tooLong) line.append(start, n);
      m_pos += n;
      if (newline) {
        ++m_pos;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
      }
    }
  }

 private:
  std::FILE* m_file;
  char m_buffer[1 << 16];
  std::size_t m_pos = 0, m_end = 0;
};

// The certificate of the chosen result as the stored calculation prints it: a bore sized over the series
// stores the chosen series value as its given maximum differential pressure, in Pa.
bool Certify(CalculationState state, const RunOutcome& outcome, std::size_t chosen, const Options& options,
             Messages& messages) {
  if (chosen >= outcome.entries.size()) {
    std::cerr << "pramo-calc: no result " << options.result << " to print a certificate of\n";
    return false;
  }
  if (state.CalcKind == CalculationKind::Bore && !state.DpMaxGiven) {
    state.DpMaxGiven = true;
    state.DpMaxEntered = outcome.entries[chosen].seriesValue;
    state.DpUnit = 0;
  }
  tools::CertificateRequest request = options.certificate;
  // A calculation not yet numbered (no running count in the input) shows no number.
  request.settings.Numbered = state.NumberCount != 0;
  std::string error;
  if (tools::WriteCertificate(state, request, messages, error)) return true;
  std::cerr << "pramo-calc: " << error << "\n";
  return false;
}

// One calculation from its state: the page filled from it, the run, its results. A line of JSON Lines
// starts with its number.
Outcome Calculate(CalculationState state, const Options& options, long line, tools::JsonWriter& out) {
  MessageRecorder messages(Answer::Ok);
  InputForm form = FormFromState(state, NumberTexts::Exact);
  DerivedValues derived;
  // Designer and number as the input gives them, as pramo-db save keeps them.
  const GatherContext context{messages, true, state.Designer, state.NumberInstallation, TodayDayCount()};
  const RunOutcome outcome = RunCalculation(form, state, derived, context);
  bool ok = !outcome.entries.empty();
  const auto chosen = static_cast<std::size_t>(options.result - 1);
  if (ok && chosen < outcome.entries.size()) {
    if (chosen > 0) ChooseSeriesEntry(static_cast<int>(chosen), state, derived, messages);
    // As when the result is stored: the differential pressure it was sized for becomes the given maximum.
    if (state.CalcKind == CalculationKind::Bore) state.DpMax = outcome.entries[chosen].seriesValue;
  }
  if (options.certificate.Wanted()) ok = ok && Certify(state, outcome, chosen, options, messages);
  if (!options.blockOut.empty() && ok) {
    const CalculationBlock block = EncodeBlock(state);
    std::ofstream file(options.blockOut, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(block.data()), block.size());
    if (!file.flush()) {
      std::cerr << "pramo-calc: cannot write " << options.blockOut << ": " << Reason(errno) << "\n";
      ok = false;
    }
  }
  out.BeginObject();
  if (line > 0) {
    out.Key("line");
    out.Integer(line);
  }
  out.Key("ok");
  out.Boolean(ok);
  out.Key("messages");
  tools::WriteMessages(out, messages.Shown(), form.marked);
  out.Key("results");
  out.BeginArray();
  for (const auto& entry : outcome.entries) tools::WriteResult(out, entry);
  out.EndArray();
  if (options.table && ok) {
    out.Key("table");
    tools::WriteFlowTable(out, state);
  }
  out.Key("names");
  tools::WriteNames(out, state);
  out.Key("units");
  tools::WriteUnits(out);
  out.EndObject();
  return ok ? Outcome::Result : Outcome::NoResult;
}

// A line of JSON Lines that gives no calculation: its number, the reason and the key it concerns.
Outcome UnusableLine(long line, const tools::UnusableInput& unusable, tools::JsonWriter& out) {
  out.BeginObject();
  out.Key("line");
  out.Integer(line);
  out.Key("ok");
  out.Boolean(false);
  out.Key("error");
  out.String(unusable.key.empty() ? unusable.reason : "key \"" + unusable.key + "\": " + unusable.reason);
  if (!unusable.key.empty()) {
    out.Key("key");
    out.String(unusable.key);
  }
  out.Key("messages");
  out.BeginArray();
  out.EndArray();
  out.Key("results");
  out.BeginArray();
  out.EndArray();
  out.EndObject();
  return Outcome::Unusable;
}

Outcome CalculateLine(const std::string& text, bool tooLong, long line, const Options& options,
                      tools::JsonWriter& out) {
  if (tooLong) return UnusableLine(line, {"", "line longer than 1 MiB"}, out);
  if (text.find_first_not_of(" \t") == std::string::npos) return UnusableLine(line, {"", "empty line"}, out);
  // A parser per thread keeps its buffers from one line to the next.
  thread_local simdjson::dom::parser parser;
  simdjson::dom::element input;
  if (auto error = tools::ParseJson(parser, text, input)) return UnusableLine(line, {"", *error}, out);
  CalculationState state;
  if (auto unusable = tools::ReadInputs(input, state)) return UnusableLine(line, *unusable, out);
  return Calculate(std::move(state), options, line, out);
}

// Computes independent calculations on a number of threads and writes their texts in their order. The
// texts' buffers are kept from one block of lines to the next, and one thread writes its whole block at once.
class InOrderWriter {
 public:
  explicit InOrderWriter(int jobs) : m_workers(static_cast<std::size_t>(jobs)) {}

  // Calculations 0 to count - 1 by produce(i, out), each followed by `after`, the last by `afterLast`.
  template <class Produce>
  Outcome Write(std::size_t count, Produce produce, std::string_view after, std::string_view afterLast) {
    const std::size_t workers = std::min(m_workers.size(), count);
    m_ends.resize(count);
    m_outcomes.resize(count);
    auto work = [&](std::size_t worker) {
      tools::JsonWriter& out = m_workers[worker];
      out.Clear();
      for (std::size_t i = worker; i < count; i += workers) {
        m_outcomes[i] = produce(i, out);
        out.EndValue(i + 1 < count ? after : afterLast);
        m_ends[i] = out.Text().size();
      }
    };
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < workers; ++w) threads.emplace_back(work, w);
    if (workers > 0) work(0);
    for (auto& thread : threads) thread.join();
    if (workers == 1) {
      Put(m_workers[0].Text());
    } else {
      std::vector<std::size_t> written(workers, 0);
      for (std::size_t i = 0; i < count; ++i) {
        const std::size_t worker = i % workers;
        Put(std::string_view(m_workers[worker].Text()).substr(written[worker], m_ends[i] - written[worker]));
        written[worker] = m_ends[i];
      }
    }
    Outcome worst = Outcome::Result;
    for (std::size_t i = 0; i < count; ++i) worst = std::max(worst, m_outcomes[i]);
    return worst;
  }

 private:
  static void Put(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

  // Each thread's buffer on cache lines of its own: a text's length changes with every value written.
  struct alignas(64) Worker : tools::JsonWriter {};
  std::vector<Worker> m_workers;
  std::vector<std::size_t> m_ends;  // where each calculation's text ends in its thread's buffer
  std::vector<Outcome> m_outcomes;
};

// Memory stays that of one block of lines, however long the input.
int RunLines(std::FILE* input, const Options& options) {
  constexpr std::size_t kBlock = 256;
  LineReader reader(input);
  std::vector<std::string> lines(kBlock);
  std::vector<char> tooLong(kBlock);
  InOrderWriter writer(options.jobs);
  long first = 1;
  Outcome worst = Outcome::Result;
  for (;;) {
    std::size_t count = 0;
    bool overlong = false;
    while (count < kBlock && reader.Next(lines[count], overlong)) tooLong[count++] = overlong;
    if (count == 0) break;
    const auto calculate = [&](std::size_t i, tools::JsonWriter& out) {
      return CalculateLine(lines[i], tooLong[i], first + static_cast<long>(i), options, out);
    };
    worst = std::max(worst, writer.Write(count, calculate, "\n", "\n"));
    first += static_cast<long>(count);
  }
  if (std::ferror(input)) return Unusable("cannot read " + options.inputPath + ": " + Reason(errno));
  if (first == 1) return Unusable(options.inputPath + " holds no line to compute");
  return static_cast<int>(worst);
}

int RunStates(const std::vector<CalculationState>& states, bool asArray, const Options& options) {
  const auto calculate = [&](std::size_t i, tools::JsonWriter& out) {
    return Calculate(states[i], options, 0, out);
  };
  InOrderWriter writer(options.jobs);
  if (!asArray) return static_cast<int>(writer.Write(states.size(), calculate, "\n", "\n"));
  std::fputc('[', stdout);
  const Outcome worst = writer.Write(states.size(), calculate, ",", "");
  std::fputs("]\n", stdout);
  return static_cast<int>(worst);
}

int RunDocument(std::FILE* input, const Options& options) {
  std::string text;
  char buffer[1 << 16];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, input)) > 0;) {
    text.append(buffer, n);
    if (text.size() > kMaxDocument)
      return Unusable(options.inputPath +
                      " is larger than 256 MiB: give large batches as JSON Lines (--jsonl)");
  }
  if (std::ferror(input)) return Unusable("cannot read " + options.inputPath + ": " + Reason(errno));
  if (text.find_first_not_of(" \t\r\n") == std::string::npos)
    return Unusable(options.inputPath + " is empty: no calculation given");
  simdjson::dom::parser parser;
  simdjson::dom::element doc;
  if (auto error = tools::ParseJson(parser, text, doc)) return Unusable(options.inputPath + ": " + *error);
  text = {};
  simdjson::dom::array array;
  const bool asArray = !doc.get_array().get(array);
  std::vector<CalculationState> states;
  const auto read = [&](simdjson::dom::element item) -> std::optional<std::string> {
    const auto unusable = tools::ReadInputs(item, states.emplace_back());
    if (!unusable) return std::nullopt;
    const std::string where = asArray ? "calculation " + std::to_string(states.size()) + ", " : "";
    return where + (unusable->key.empty() ? "input" : "key \"" + unusable->key + "\"") + ": " +
           unusable->reason;
  };
  if (asArray) {
    for (const simdjson::dom::element item : array)
      if (auto error = read(item)) return Unusable(*error);
  } else if (auto error = read(doc)) {
    return Unusable(*error);
  }
  if (!options.blockOut.empty() && states.size() != 1)
    return Unusable("--block-out writes the export file of one calculation");
  if (options.certificate.Wanted() && states.size() != 1)
    return Unusable("--certificate and --png print the certificate of one calculation");
  return RunStates(states, asArray, options);
}

// The export file is read as the window's import reads it; its messages go to stderr as "kind: text".
int RunCln(const Options& options) {
  const std::string& path = options.clnPath;
  // A missing file or a folder is named with the system's reason before the reader sees it.
  std::string error;
  std::FILE* file = OpenInput(path, error);
  if (!file) return Unusable(error);
  std::fclose(file);
  MessageRecorder messages(Answer::Yes);
  FileSystem& fs = LocalFileSystem();
  auto state = ImportInputs(fs, path, ReadWorkingSettings(fs, DefaultConfigurationPaths().file), messages);
  for (const Message& message : messages.Shown()) {
    std::string text = message.text;
    std::erase(text, '\r');
    std::cerr << KindName(message.kind) << ": " << text << "\n";
  }
  if (!state) return Unusable(path + " is not a readable export file of the program");
  return RunStates({std::move(*state)}, false, options);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::vector<tools::CertificateEdit> certificateEdits;
  CLI::App app("Runs calculations from JSON inputs and prints their results as JSON.", "pramo-calc");
  app.add_option("INPUT", options.inputPath, "JSON input file, - for standard input")->type_name("");
  app.add_flag("--jsonl", options.jsonLines, "JSON Lines in and out: one calculation per line");
  app.add_option("--cln", options.clnPath, "compute the inputs of an export file")->type_name("FILE.cln");
  app.add_option("--result", options.result, "which result (from 1) the table, block and certificate are for")
      ->type_name("N")
      ->check(CLI::Range(1, 10).description(""));
  app.add_flag("--table", options.table, "add the flow and current table of that result");
  app.add_option("--block-out", options.blockOut, "write the computed calculation as an export file")
      ->type_name("FILE.cln");
  app.add_option("--jobs", options.jobs, "compute on N threads (the output keeps the input order)")
      ->type_name("N")
      ->check(CLI::Range(1, 256).description(""));
  app.get_option("--cln")->excludes(app.get_option("INPUT"));
  tools::AddCertificateOptions(app, certificateEdits, true);
  app.footer(tools::InputCodesHelp());
  tools::SetUpCommandLine(app);
  if (const auto status = tools::ParseCommandLine(app, argc, argv)) return *status;
  for (const auto& edit : certificateEdits) edit(options.certificate);
  if (options.clnPath.empty() && options.inputPath.empty())
    return Unusable("no input given: INPUT.json, - or --cln FILE.cln (see pramo-calc --help)");
  if (options.jsonLines && (!options.blockOut.empty() || options.certificate.Wanted()))
    return Unusable("--block-out and the certificate are for one calculation, not for JSON Lines");

  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  if (!options.clnPath.empty()) return RunCln(options);
  std::string error;
  std::FILE* input = OpenInput(options.inputPath, error);
  if (!input) return Unusable(error);
  const int status = options.jsonLines ? RunLines(input, options) : RunDocument(input, options);
  if (std::fflush(stdout) != 0) return Unusable(std::string("cannot write the output: ") + Reason(errno));
  return status;
}
