// pramo-db: the calculation database for administrators and scripts.
//
//   pramo-db list DB [--filter company=TEXT|fluid=N|program=N|date=DAYS] [--descending] [--json]
//   pramo-db show DB NUMBER [--json]
//   pramo-db export DB NUMBER FILE.cln
//   pramo-db import FILE.cln [--json]
//   pramo-db save DB INPUT.json|FILE.cln [--new | --next-index NUMBER] [--designer NAME] [--json]
//   pramo-db check DB [--json]
//
// Options may stand anywhere on the line. Messages of the engine go to stderr as "kind: text". Exit
// status 0 on success, 1 when the operation was refused or failed, 2 for a usage error.
#include <clocale>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/CalculationBlockCodec.h"
#include "core/Messages.h"
#include "db_convert.h"
#include "state_json.h"
#include "storage/Configuration.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "storage/DatabasePage.h"
#include "storage/ExportImport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageText =
    "usage:\n"
    "  pramo-db list DB [--filter company=TEXT|fluid=N|program=N|date=DAYS] [--descending] [--json]\n"
    "  pramo-db show DB NUMBER [--json]\n"
    "  pramo-db export DB NUMBER FILE.cln\n"
    "  pramo-db import FILE.cln [--json]\n"
    "  pramo-db save DB INPUT.json|FILE.cln [--new | --next-index NUMBER] [--designer NAME] [--json]\n"
    "  pramo-db check DB [--json]\n";

struct UsageError {
  std::string text;
};

// Prints every message on stderr; a question is answered with its first button (Yes), as a script that
// asked for the operation wants it carried out.
class StderrMessages : public Messages {
 public:
  Answer Show(const Message& message) override {
    std::string text;
    for (char c : message.text)
      if (c != '\r') text += c;
    std::cerr << KindName(message.kind) << ": " << text << "\n";
    return message.buttons.empty() ? Answer::Ok : message.buttons.front();
  }
};

struct CommandLine {
  std::vector<std::string> arguments;
  std::map<std::string, std::string> options;  // "--name" -> value ("" for a switch)

  bool Has(const std::string& name) const { return options.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
  }
};

CommandLine Parse(int argc, char** argv) {
  static const std::map<std::string, bool> kOptions = {
      {"--filter", true},     {"--descending", false}, {"--json", false}, {"--new", false},
      {"--next-index", true}, {"--designer", true},    {"--help", false},
  };
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    if (word.size() > 2 && word.rfind("--", 0) == 0) {
      std::string value;
      const std::size_t equals = word.find('=');
      bool inlineValue = equals != std::string::npos;
      if (inlineValue) {
        value = word.substr(equals + 1);
        word = word.substr(0, equals);
      }
      const auto known = kOptions.find(word);
      if (known == kOptions.end()) throw UsageError{"unknown option " + word};
      if (known->second && !inlineValue) {
        if (i + 1 >= argc) throw UsageError{word + " needs a value"};
        value = argv[++i];
      } else if (!known->second && inlineValue) {
        throw UsageError{word + " takes no value"};
      }
      if (line.options.count(word)) throw UsageError{word + " given twice"};
      line.options[word] = value;
    } else {
      line.arguments.push_back(word);
    }
  }
  return line;
}

void ExpectArguments(const CommandLine& line, std::size_t count) {
  if (line.arguments.size() != count) throw UsageError{"wrong number of arguments for " + line.arguments[0]};
}

DatabaseAccess OpenDatabase(const std::string& path, Messages& messages) {
  DatabaseAccess db{LocalFileSystem(), PathsOf(path), messages};
  RecoverDatabase(db);
  return db;
}

ListingFilter FilterOf(const std::optional<std::string>& option) {
  ListingFilter filter;
  if (!option) return filter;
  const std::size_t equals = option->find('=');
  if (equals == std::string::npos) throw UsageError{"--filter wants KIND=VALUE"};
  const std::string kind = option->substr(0, equals), value = option->substr(equals + 1);
  auto number = [&](int largest) {
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos || value.size() > 4)
      throw UsageError{"--filter " + kind + " wants a number"};
    const int n = std::stoi(value);
    if (n > largest) throw UsageError{"--filter " + kind + "=" + value + " is out of range"};
    return n;
  };
  if (kind == "company") {
    filter = {FilterKind::Company, 0, value};
  } else if (kind == "fluid") {
    filter = {FilterKind::Fluid, number(kFluidKindCount - 1), ""};
  } else if (kind == "program") {
    filter = {FilterKind::Program, number(2), ""};
  } else if (kind == "date") {
    constexpr int kDays[] = {0, 7, 14, 30, 365};
    const int days = number(365);
    const auto it = std::find(std::begin(kDays), std::end(kDays), days);
    if (it == std::end(kDays)) throw UsageError{"--filter date wants 0, 7, 14, 30 or 365"};
    filter = {FilterKind::Date, static_cast<int>(it - std::begin(kDays)), ""};
  } else {
    throw UsageError{"unknown filter " + kind};
  }
  return filter;
}

void PrintState(const CalculationState& state, bool json) {
  const auto fields = StateToJson(state);
  if (json) {
    std::cout << fields.dump(2) << "\n";
    return;
  }
  for (const auto& [key, value] : fields.items())
    std::cout << key << ": " << (value.is_string() ? value.get<std::string>() : value.dump()) << "\n";
}

int List(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 2);
  ListingRequest request;
  request.filter = FilterOf(line.Value("--filter"));
  request.today = Today();
  request.descending = line.Has("--descending");
  auto db = OpenDatabase(line.arguments[1], messages);
  DatabaseListing listing;
  if (!ListDatabase(db, request, listing)) return kRefused;
  static const char* kKeys[kListingColumns] = {"Number",       "MeasuringPoint", "Fluid",  "Element",
                                               "PipeDiameter", "Date",           "Company"};
  if (line.Has("--json")) {
    nlohmann::ordered_json out;
    out["rows"] = nlohmann::ordered_json::array();
    for (std::size_t row = 0; row < listing.RowCount(); ++row) {
      nlohmann::ordered_json item;
      for (int column = 0; column < kListingColumns; ++column)
        item[kKeys[column]] = std::string(listing.Cell(row, column));
      out["rows"].push_back(std::move(item));
    }
    out["count"] = listing.RowCount();
    out["highestRunningCount"] = listing.HighestRunningCount();
    std::cout << out.dump(2) << "\n";
    return kOk;
  }
  std::string text;
  for (int column = 0; column < kListingColumns; ++column) {
    if (column) text += '\t';
    text += Tr(str::kColumnHeader[column]);
  }
  text += "\n";
  for (std::size_t row = 0; row < listing.RowCount(); ++row) {
    for (int column = 0; column < kListingColumns; ++column) {
      if (column) text += '\t';
      text += listing.Cell(row, column);
    }
    text += '\n';
  }
  std::cout << text;
  return kOk;
}

int Show(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 3);
  auto db = OpenDatabase(line.arguments[1], messages);
  const auto loaded = LoadCalculation(db, line.arguments[2], nullptr);
  if (!loaded) return kRefused;
  PrintState(loaded->state, line.Has("--json"));
  return kOk;
}

int Export(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 4);
  auto db = OpenDatabase(line.arguments[1], messages);
  const auto block = StoredBlock(db, line.arguments[2]);
  if (!block) return kRefused;
  // The block exactly as the database holds it: neither its tag, number nor date is renewed.
  if (!WriteExportFile(LocalFileSystem(), ExportFilePath(line.arguments[3]), *block)) {
    Tell(messages, MessageKind::Information, str::kNotExported);
    return kRefused;
  }
  return kOk;
}

WorkingSettings ConfiguredWorkingSettings() {
  return ReadWorkingSettings(LocalFileSystem(), DefaultConfigurationPaths().file);
}

int Import(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 2);
  const auto state =
      ImportInputs(LocalFileSystem(), line.arguments[1], ConfiguredWorkingSettings(), messages);
  if (!state) return kRefused;
  PrintState(*state, line.Has("--json"));
  return kOk;
}

// The calculation to store, from a JSON object of state fields or from an export file.
std::optional<CalculationState> ReadInput(const std::string& path, Messages& messages) {
  if (path.size() >= 4 && path.compare(path.size() - 4, 4, ".cln") == 0) {
    auto state = ReadExportFile(LocalFileSystem(), path);
    if (!state) {
      Tell(messages, MessageKind::Error, str::kNotImported);
      return std::nullopt;
    }
    RaiseOlderVersion(*state, messages);
    return state;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError{"cannot read " + path};
  nlohmann::json input;
  try {
    input = nlohmann::json::parse(in);
  } catch (const nlohmann::json::exception& error) {
    throw UsageError{path + ": " + error.what()};
  }
  CalculationState state;
  state.Fittings = {};
  if (const auto bad = StateFromJson(input, state)) throw UsageError{path + ": key " + *bad};
  state.VersionTag = kCurrentVersionTag;
  return state;
}

int Save(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 3);
  if (line.Has("--new") && line.Has("--next-index"))
    throw UsageError{"--new and --next-index exclude each other"};
  auto db = OpenDatabase(line.arguments[1], messages);
  const Configuration configuration =
      ReadConfiguration(LocalFileSystem(), DefaultConfigurationPaths(), messages);
  const Signer signer{line.Value("--designer").value_or(""), configuration.InstallationNumber};
  auto state = ReadInput(line.arguments[2], messages);
  if (!state) return kRefused;

  ListingRequest listingRequest;
  listingRequest.today = Today();
  DatabaseListing listing;
  if (!ListDatabase(db, listingRequest, listing)) return kRefused;

  StoreRequest request;
  if (const auto number = line.Value("--next-index")) {
    request.mode = SaveMode::NextIndex;
    const auto loaded = LoadCalculation(db, *number, &configuration.Working);
    if (!loaded) return kRefused;
    if (loaded->highestIndex >= kHighestIndex) {
      Tell(messages, MessageKind::Error, str::kIndexLimit);
      return kRefused;
    }
    state->NumberCount = loaded->state.NumberCount;
    NumberAsNextIndex(*state, loaded->highestIndex, signer);
  } else {
    if (listing.HighestRunningCount() >= kHighestRunningCount) {
      Tell(messages, MessageKind::Error, str::kDatabaseFull);
      return kRefused;
    }
    NumberAsNew(*state, listing.HighestRunningCount(), signer);
  }
  state->Date = Today();
  if (StoreCalculation(db, *state, request, listing, listingRequest) != StoreOutcome::Stored) return kRefused;
  const std::string number =
      FullNumberText({state->NumberInstallation, state->NumberCount, state->NumberIndex});
  if (line.Has("--json"))
    std::cout << nlohmann::json{{"Number", number}}.dump() << "\n";
  else
    std::cout << number << "\n";
  return kOk;
}

int Check(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 2);
  auto db = OpenDatabase(line.arguments[1], messages);
  const DatabaseCheck check = CheckDatabase(db);
  if (line.Has("--json")) {
    nlohmann::ordered_json out{{"records", check.records},
                               {"calculations", check.calculations},
                               {"users", check.users},
                               {"companies", check.companies},
                               {"freeCalculationSlots", check.freeCalculationSlots},
                               {"freeUserSlots", check.freeUserSlots},
                               {"freeCompanySlots", check.freeCompanySlots},
                               {"highestRunningCount", check.highestRunningCount},
                               {"trailingBytes", check.trailingBytes},
                               {"problems", check.problems}};
    std::cout << out.dump(2) << "\n";
  } else {
    std::cout << "records: " << check.records << "\ncalculations: " << check.calculations
              << "\nusers: " << check.users << "\ncompanies: " << check.companies
              << "\nfree calculation slots: " << check.freeCalculationSlots
              << "\nfree user slots: " << check.freeUserSlots
              << "\nfree company slots: " << check.freeCompanySlots
              << "\nhighest running count: " << check.highestRunningCount << "\n";
    for (const std::string& problem : check.problems) std::cout << "problem: " << problem << "\n";
  }
  return check.problems.empty() ? kOk : kRefused;
}

int Run(int argc, char** argv) {
  StderrMessages messages;
  try {
    if (argc > 1 && std::string(argv[1]) == "convert")
      return ConvertCommand({argv + 2, argv + argc}, messages);
    const CommandLine line = Parse(argc, argv);
    if (line.Has("--help")) {
      std::cout << kUsageText;
      return kOk;
    }
    if (line.arguments.empty()) throw UsageError{"no command"};
    const std::string& command = line.arguments[0];
    if (command == "list") return List(line, messages);
    if (command == "show") return Show(line, messages);
    if (command == "export") return Export(line, messages);
    if (command == "import") return Import(line, messages);
    if (command == "save") return Save(line, messages);
    if (command == "check") return Check(line, messages);
    throw UsageError{"unknown command " + command};
  } catch (const UsageError& error) {
    std::cerr << "pramo-db: " << error.text << "\n" << kUsageText;
    return kUsage;
  } catch (const std::exception& error) {
    std::cerr << "error: " << error.what() << "\n";
    return kRefused;
  }
}

}  // namespace
}  // namespace pramo

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C");
  return pramo::Run(argc, argv);
}
