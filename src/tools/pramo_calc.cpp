// pramo-calc: runs calculations from JSON inputs and prints their results as JSON.
//
//   pramo-calc INPUT.json | -        one object, or an array of objects (a batch)
//   pramo-calc --jsonl INPUT | -     one object per line, one result line per input line
//   pramo-calc --cln FILE.cln        the inputs of an export file
//
// Options: --result N (which result, from 1, the table and the block are for), --table (add the flow and
// current table), --block-out FILE (write the computed calculation as an export file; one calculation).
// Certificate of that result (one calculation): --certificate FILE.pdf, --png DIR (preview pages as PNG at
// --zoom 50|75|100|150), the five print options --description, --cascade, --graph, --uncertainty-table,
// --cascade-new-page (on|off), --footer on|off, --footer-text TEXT, --owner NAME, --database PATH (shown
// in the header), --decimal-separator .|, (numbers of the certificate).
//
// Exit status: 0 every calculation produced a result, 1 some failed, 2 unusable input.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/CalculationRun.h"
#include "app/InputPage.h"
#include "core/CalculationBlockCodec.h"
#include "core/InputGathering.h"
#include "storage/Configuration.h"
#include "storage/ExportImport.h"
#include "tools/calc_json.h"
#include "tools/certificate_output.h"

namespace {

using nlohmann::json;
using namespace pramo;

constexpr int kAllResults = 0, kSomeFailed = 1, kUnusable = 2;

struct Options {
  bool jsonLines = false;
  bool table = false;
  int result = 1;
  std::string clnPath;
  std::string inputPath;
  std::string blockOut;
  tools::CertificateRequest certificate;
};

int Usage() {
  std::cerr
      << "usage: pramo-calc [--jsonl] [--result N] [--table] [--block-out FILE] [certificate] INPUT.json|-\n"
         "       pramo-calc --cln FILE.cln [--result N] [--table] [--block-out FILE] [certificate]\n"
      << tools::kCertificateUsage;
  return kUnusable;
}

int Unusable(const std::string& key, const std::string& reason) {
  std::cerr << (key.empty() ? std::string("input") : "key \"" + key + "\"") << ": " << reason << "\n";
  return kUnusable;
}

bool ReadAll(const std::string& path, std::string& text) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), {});
    return true;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

// The certificate of the chosen result as the stored calculation prints it: a bore sized over the series
// stores the chosen series value as its given maximum differential pressure, in Pa.
bool Certify(CalculationState state, const RunOutcome& outcome, std::size_t chosen, const Options& options,
             Messages& messages) {
  if (chosen >= outcome.entries.size()) {
    std::cerr << "no result " << options.result << " to print a certificate of\n";
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
  std::cerr << error << "\n";
  return false;
}

// One calculation from its state: the page filled from it, the run, its results.
bool Calculate(CalculationState state, const Options& options, tools::JsonWriter& out) {
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
      std::cerr << "cannot write " << options.blockOut << "\n";
      ok = false;
    }
  }
  out.BeginObject();
  out.Key("ok");
  out.Boolean(ok);
  out.Key("messages");
  tools::WriteMessages(out, messages.Shown());
  out.Key("results");
  out.BeginArray();
  for (const auto& entry : outcome.entries) tools::WriteResult(out, entry);
  out.EndArray();
  if (options.table && ok) {
    out.Key("table");
    tools::WriteFlowTable(out, state);
  }
  out.EndObject();
  return ok;
}

// Calculations are independent of each other: a batch is computed on every core, a block at a time, and
// written in its order.
int RunStates(const std::vector<CalculationState>& states, bool asArray, const Options& options) {
  constexpr std::size_t kBlock = 64;
  const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
  std::vector<std::string> texts(std::min(kBlock, states.size()));
  std::vector<char> oks(texts.size());
  bool allOk = true;
  if (asArray && !options.jsonLines) std::cout << '[';
  for (std::size_t first = 0; first < states.size(); first += kBlock) {
    const std::size_t count = std::min(kBlock, states.size() - first);
    auto work = [&](std::size_t worker) {
      for (std::size_t i = worker; i < count; i += workers) {
        tools::JsonWriter out;
        oks[i] = Calculate(states[first + i], options, out);
        texts[i] = std::move(out.Text());
      }
    };
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < std::min(workers, count); ++w) threads.emplace_back(work, w);
    work(0);
    for (auto& thread : threads) thread.join();
    for (std::size_t i = 0; i < count; ++i) {
      allOk = allOk && oks[i];
      if (asArray && !options.jsonLines && first + i > 0) std::cout << ',';
      std::cout << texts[i];
      if (options.jsonLines) std::cout << '\n';
    }
  }
  if (!options.jsonLines) std::cout << (asArray ? "]\n" : "\n");
  return allOk ? kAllResults : kSomeFailed;
}

// The export file is read as the window's import reads it; its messages go to stderr as "kind: text".
int RunCln(const std::string& path, const Options& options) {
  MessageRecorder messages(Answer::Yes);
  FileSystem& fs = LocalFileSystem();
  auto state = ImportInputs(fs, path, ReadWorkingSettings(fs, DefaultConfigurationPaths().file), messages);
  for (const Message& message : messages.Shown()) {
    std::string text = message.text;
    std::erase(text, '\r');
    std::cerr << KindName(message.kind) << ": " << text << "\n";
  }
  if (!state) return Unusable("", path + " is not a readable export file of the program");
  return RunStates({std::move(*state)}, false, options);
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  Options options;
  std::string optionError;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--jsonl") {
      options.jsonLines = true;
    } else if (arg == "--table") {
      options.table = true;
    } else if (arg == "--cln" && i + 1 < argc) {
      options.clnPath = argv[++i];
    } else if (arg == "--block-out" && i + 1 < argc) {
      options.blockOut = argv[++i];
    } else if (arg == "--result" && i + 1 < argc) {
      options.result = std::atoi(argv[++i]);
      if (options.result < 1) return Unusable("", "--result takes a result number from 1");
    } else if (const auto read =
                   tools::ReadCertificateOption(argc, argv, i, options.certificate, optionError);
               read != tools::OptionRead::NotMine) {
      if (read == tools::OptionRead::Bad) return Unusable("", optionError);
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return Usage();
    } else if (options.inputPath.empty()) {
      options.inputPath = arg;
    } else {
      return Usage();
    }
  }
  if (!options.clnPath.empty()) return options.inputPath.empty() ? RunCln(options.clnPath, options) : Usage();
  if (options.inputPath.empty()) return Usage();

  std::string text;
  if (!ReadAll(options.inputPath, text)) return Unusable("", "cannot read " + options.inputPath);

  std::vector<json> inputs;
  bool asArray = false;
  try {
    if (options.jsonLines) {
      std::istringstream lines(text);
      for (std::string line; std::getline(lines, line);)
        if (line.find_first_not_of(" \t\r") != std::string::npos) inputs.push_back(json::parse(line));
    } else {
      json doc = json::parse(text);
      asArray = doc.is_array();
      if (asArray)
        inputs.assign(doc.begin(), doc.end());
      else
        inputs.push_back(std::move(doc));
    }
  } catch (const json::exception& e) {
    return Unusable("", std::string("not valid JSON: ") + e.what());
  }
  if (inputs.empty() && !asArray) return Unusable("", "no calculation given");

  std::vector<CalculationState> states;
  for (const auto& input : inputs) {
    CalculationState state;
    if (auto unusable = tools::ReadInputs(input, state)) return Unusable(unusable->key, unusable->reason);
    states.push_back(std::move(state));
  }
  if (!options.blockOut.empty() && states.size() != 1)
    return Unusable("", "--block-out writes the export file of one calculation");
  if (options.certificate.Wanted() && states.size() != 1)
    return Unusable("", "--certificate and --png print the certificate of one calculation");
  return RunStates(states, asArray, options);
}
