// pramo-db: the calculation database for administrators and scripts.
//
//   pramo-db list DB [--filter company=TEXT|fluid=N|program=N|date=DAYS] [--descending] [--json]
//   pramo-db show DB NUMBER [--json]
//   pramo-db export DB NUMBER FILE.cln
//   pramo-db import FILE.cln [--json]
//   pramo-db save DB INPUT.json|FILE.cln [--new | --next-index NUMBER] [--json]
//   pramo-db certificate DB NUMBER FILE.pdf [certificate options of pramo-calc]
//   pramo-db companies DB [--json] | add-company DB NAME | rename-company DB OLD NEW | remove-company DB NAME
//   pramo-db check DB [--json]
//   pramo-db users DB [--json] | add-user DB LOGIN FULLNAME | change-user DB LOGIN FULLNAME
//   pramo-db remove-user DB LOGIN | create DB LOGIN FULLNAME
//   pramo-db admin-password
//   pramo-db convert VYPOCTY.000 DB [--companies FIRMY.000] [--encoding kamenicky|latin2|plain]
//   [--all-companies]
//
// Whatever the program allows only after a login needs one here: --user LOGIN, a user of the database
// (calculations and companies), or --user admin (users, new databases, the administrator password; check
// takes either). The password comes from the environment variable PRAMO_PASSWORD or is asked at the
// terminal without echo; a new password from PRAMO_NEW_PASSWORD or is asked twice. A password is never
// taken from the command line and never printed. Saving computes the calculation first, signed with the
// logged-in user's full name.
//
// Options stand after their command, anywhere among its arguments; `pramo-db COMMAND --help` tells them.
// Messages of the engine go to stderr as "kind: text". Exit status 0 on success, 1 when the operation
// was refused or failed, 2 for a usage error.
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <csignal>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "access/Login.h"
#include "access/Users.h"
#include "app/CalculationCommands.h"
#include "app/CalculationRun.h"
#include "app/InputPage.h"
#include "core/CalculationBlockCodec.h"
#include "core/Dates.h"
#include "core/InputGathering.h"
#include "core/Messages.h"
#include "db_convert.h"
#include "state_json.h"
#include "printing/PrintOptionsConfiguration.h"
#include "storage/Companies.h"
#include "storage/Configuration.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "storage/ExportImport.h"
#include "strings/access.h"
#include "strings/app.h"
#include "strings/storage.h"
#include "tools/calc_json.h"
#include "tools/certificate_output.h"
#include "tools/command_line.h"

namespace pramo {
namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

struct UsageError {
  std::string text;
};

// Prints every message on stderr; a question is answered with its first button (Yes), as a script that
// asked for the operation wants it carried out.
// A failure to reach the file names the file and the system's reason after the program's text.
class StderrMessages : public Messages {
 public:
  explicit StderrMessages(std::string file) : m_file(std::move(file)) {}

  Answer Show(const Message& message) override {
    std::string text;
    for (char c : message.text)
      if (c != '\r') text += c;
    static constexpr int kFileFailures[] = {str::kDatabaseReadFailure.id, str::kDatabaseAccessFailure.id,
                                            str::kReadFailureNotSaved.id, str::kAccessFailureNotSaved.id,
                                            str::kNotImported.id,         str::kCannotCreateDatabase.id};
    if (!m_file.empty() &&
        std::find(std::begin(kFileFailures), std::end(kFileFailures), message.id) != std::end(kFileFailures))
      text += " (" + m_file + ": " + FileState(m_file) + ")";
    std::cerr << KindName(message.kind) << ": " << text << "\n";
    return message.buttons.empty() ? Answer::Ok : message.buttons.front();
  }

 private:
  // Why a file may not be usable, as the system tells it.
  static std::string FileState(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
    if (S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
    if (::access(path.c_str(), R_OK | W_OK) != 0) return std::strerror(errno);
    return "the file is there and may be read and written";
  }

  std::string m_file;
};

// The command line as parsed: the command and its arguments in their order, and the options given
// ("--name" -> value, "" for a switch).
struct CommandLine {
  std::vector<std::string> arguments;
  std::map<std::string, std::string> options;
  std::vector<tools::CertificateEdit> certificateEdits;  // applied over the configured defaults

  bool Has(const std::string& name) const { return options.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
  }
};

constexpr const char* kLoginHelp =
    "Login: --user LOGIN (a user of DB) or --user admin; the password from PRAMO_PASSWORD or asked at the "
    "terminal, a new password from PRAMO_NEW_PASSWORD or asked twice.";

// The options of the commands, by name: whether it takes a value, and its help.
struct OptionEntry {
  const char* name;
  const char* value;  // the value's name, nullptr for a switch
  const char* help;
};
constexpr OptionEntry kOptionSpecs[] = {
    {"--json", nullptr, "print JSON"},
    {"--filter", "company=TEXT|fluid=N|program=N|date=DAYS", "list only the calculations that match"},
    {"--descending", nullptr, "the highest number first"},
    {"--new", nullptr, "store under the next free running count (the default)"},
    {"--next-index", "NUMBER", "store as the next index of that calculation"},
    {"--result", "N", "which result of the series to store (from 1; default: the first that complies)"},
    {"--companies", "FIRMY.000", "the older program's companies file"},
    {"--encoding", "kamenicky|latin2|plain", "the older program's text encoding (default kamenicky)"},
    {"--all-companies", nullptr, "take every company of the companies file"},
};

struct CommandEntry {
  const char* name;
  const char* help;
  std::vector<const char*> arguments;
  std::vector<const char*> options;
};
const CommandEntry kCommands[] = {
    {"list", "list the calculations (user)", {"DB"}, {"--filter", "--descending", "--json"}},
    {"show", "show a calculation (user)", {"DB", "NUMBER"}, {"--json"}},
    {"export", "write a calculation as an export file (user)", {"DB", "NUMBER", "FILE.cln"}, {}},
    {"import", "read the inputs of an export file", {"FILE.cln"}, {"--json"}},
    {"save",
     "compute and store a calculation (user)",
     {"DB", "INPUT"},
     {"--new", "--next-index", "--result", "--json"}},
    {"certificate", "print a stored calculation's certificate (user)", {"DB", "NUMBER", "FILE.pdf"}, {}},
    {"companies", "list the companies (user)", {"DB"}, {"--json"}},
    {"add-company", "add a company (user)", {"DB", "NAME"}, {}},
    {"rename-company", "rename a company (user)", {"DB", "OLD", "NEW"}, {}},
    {"remove-company", "remove a company (user)", {"DB", "NAME"}, {}},
    {"check", "check the database file (user or administrator)", {"DB"}, {"--json"}},
    {"users", "list the users (administrator)", {"DB"}, {"--json"}},
    {"add-user", "add a user (administrator)", {"DB", "LOGIN", "FULLNAME"}, {}},
    {"change-user",
     "change a user's full name and password (administrator)",
     {"DB", "LOGIN", "FULLNAME"},
     {}},
    {"remove-user", "remove a user (administrator)", {"DB", "LOGIN"}, {}},
    {"create", "create a database with its first user (administrator)", {"DB", "LOGIN", "FULLNAME"}, {}},
    {"admin-password", "set or change the administrator password (administrator)", {}, {}},
    {"convert",
     "convert the older program's calculations into DB (administrator)",
     {"VYPOCTY.000", "DB"},
     {"--companies", "--encoding", "--all-companies"}},
};

// Every command with its arguments and options, --user on each; the line is read whole before anything
// is done, so no word can stand for another.
struct ParsedLine {
  CLI::App app{"The calculation database for administrators and scripts.", "pramo-db"};
  std::map<std::string, std::vector<std::string>> arguments;  // by command
  std::map<std::string, std::string> values;                  // by option name, across the command given
  CommandLine line;
};

void DeclareCommands(ParsedLine& parsed) {
  CLI::App& app = parsed.app;
  app.require_subcommand(1);
  app.footer(kLoginHelp);
  for (const CommandEntry& entry : kCommands) {
    CLI::App* command = app.add_subcommand(entry.name, entry.help);
    command->footer(kLoginHelp);
    std::vector<std::string>& arguments = parsed.arguments[entry.name];
    arguments.resize(entry.arguments.size());
    for (std::size_t i = 0; i < entry.arguments.size(); ++i)
      command->add_option(entry.arguments[i], arguments[i])->required()->type_name("");
    if (std::string(entry.name) != "import")
      command->add_option("--user", parsed.values["--user"], "the login: a user of DB, or admin")
          ->type_name("LOGIN");
    for (const char* name : entry.options) {
      const auto option = std::find_if(std::begin(kOptionSpecs), std::end(kOptionSpecs),
                                       [&](const OptionEntry& o) { return std::string(o.name) == name; });
      if (option->value)
        command->add_option(name, parsed.values[name], option->help)->type_name(option->value);
      else
        command->add_flag(name, option->help);
    }
    if (std::string(entry.name) == "certificate")
      tools::AddCertificateOptions(*command, parsed.line.certificateEdits, false);
  }
  CLI::App* save = app.get_subcommand("save");
  save->get_option("--new")->excludes(save->get_option("--next-index"));
  save->get_option("--result")->check(CLI::Range(1, 10).description(""));
  CLI::App* convert = app.get_subcommand("convert");
  convert->get_option("--encoding")->check(CLI::IsMember({"kamenicky", "latin2", "plain"}).description(""));
  convert->get_option("--all-companies")->needs(convert->get_option("--companies"));
}

// The command given, its arguments after its name, and the options given.
void TakeCommand(ParsedLine& parsed) {
  const CLI::App* command = parsed.app.get_subcommands().front();
  const std::string name = command->get_name();
  parsed.line.arguments.push_back(name);
  for (std::string& argument : parsed.arguments[name]) parsed.line.arguments.push_back(std::move(argument));
  for (const CLI::Option* option : command->get_options()) {
    const std::string optionName = option->get_name();
    if (option->count() == 0 || optionName.rfind("--", 0) != 0 || optionName == "--help") continue;
    parsed.line.options[optionName] = parsed.values.count(optionName) ? parsed.values[optionName] : "";
  }
}

DatabaseAccess OpenDatabase(const std::string& path, Messages& messages) {
  DatabaseAccess db{LocalFileSystem(), PathsOf(path), messages};
  RecoverDatabase(db);
  return db;
}

// The terminal's settings while echo is off for a password: restored on every way out of the prompt, a
// signal (Ctrl+C, a hang-up, kill) included, so that the shell never stays without echo.
termios g_terminalBeforePrompt{};
volatile std::sig_atomic_t g_echoOff = 0;

extern "C" void RestoreEchoAndStop(int signal) {
  if (g_echoOff) tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_terminalBeforePrompt);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

class EchoOff {
 public:
  EchoOff() {
    if (tcgetattr(STDIN_FILENO, &g_terminalBeforePrompt) != 0) return;
    struct sigaction action {};
    action.sa_handler = RestoreEchoAndStop;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &m_previous[i]);
    termios silent = g_terminalBeforePrompt;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    g_echoOff = tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent) == 0;
    m_active = true;
  }
  ~EchoOff() {
    if (!m_active) return;
    if (g_echoOff) tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_terminalBeforePrompt);
    g_echoOff = 0;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &m_previous[i], nullptr);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
  struct sigaction m_previous[std::size(kSignals)]{};
  bool m_active = false;
};

// A secret typed at the terminal without echo. Only a terminal is asked: a password must not come from a
// file or pipe by accident, and never from the command line.
std::string AskSecret(const char* prompt) {
  if (!isatty(STDIN_FILENO))
    throw UsageError{"no terminal to ask for the password: set PRAMO_PASSWORD (PRAMO_NEW_PASSWORD)"};
  std::string secret;
  {
    const EchoOff quiet;
    std::cerr << prompt << std::flush;
    std::getline(std::cin, secret);
  }
  std::cerr << "\n";
  if (!std::cin) throw UsageError{"the password prompt ended without a password"};
  return secret;
}

std::string Password() {
  if (const char* password = std::getenv("PRAMO_PASSWORD")) return password;
  return AskSecret("Heslo: ");
}

// A new password and its repetition, as the two edits of a window hold them.
struct NewPassword {
  std::string password;
  std::string repeated;
};
NewPassword AskNewPassword() {
  if (const char* password = std::getenv("PRAMO_NEW_PASSWORD")) return {password, password};
  NewPassword typed;
  typed.password = AskSecret("Nové heslo: ");
  typed.repeated = AskSecret("Zopakuj heslo: ");
  return typed;
}

std::string LoginName(const CommandLine& line, const std::string& command) {
  const auto login = line.Value("--user");
  if (!login) throw UsageError{command + " needs a login: --user LOGIN"};
  return *login;
}

// A user's login into the database: the user's full name, or nothing when refused (told).
std::optional<std::string> LogInUser(const CommandLine& line, DatabaseAccess& db) {
  const std::string login = LoginName(line, line.arguments[0]);
  if (IsAdministratorLogin(login))
    throw UsageError{line.arguments[0] +
                     " needs a user of the database; the administrator works with no calculations"};
  return LogInUser(db, login, Password());
}

// The administrator's login. At the first start only the change of the initial password is allowed.
bool LogInAdministrator(const CommandLine& line, Messages& messages, bool settingUp) {
  if (!IsAdministratorLogin(line.Value("--user").value_or(settingUp ? AdministratorLoginName() : "")))
    throw UsageError{line.arguments[0] + " needs the administrator: --user " + AdministratorLoginName()};
  const Configuration configuration =
      ReadConfiguration(LocalFileSystem(), DefaultConfigurationPaths(), messages);
  switch (LogInAdministrator(configuration, Password(), messages)) {
    case AdministratorLogin::Refused:
      return false;
    case AdministratorLogin::FirstStart:
      if (settingUp) return true;
      Tell(messages, MessageKind::Error, str::kSetUpFirst);
      return false;
    case AdministratorLogin::Granted:
      return true;
  }
  return false;
}

// Commands that the administration tool allows to either kind of login.
bool LogInUserOrAdministrator(const CommandLine& line, DatabaseAccess& db) {
  if (IsAdministratorLogin(LoginName(line, line.arguments[0])))
    return LogInAdministrator(line, db.messages, false);
  return LogInUser(line, db).has_value();
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
    const int days = number(365);
    const auto it = std::find(std::begin(kDateFilterDays), std::end(kDateFilterDays), days);
    if (it == std::end(kDateFilterDays)) throw UsageError{"--filter date wants 0, 7, 14, 30 or 365"};
    filter = {FilterKind::Date, static_cast<int>(it - std::begin(kDateFilterDays)), ""};
  } else {
    throw UsageError{"unknown filter " + kind};
  }
  return filter;
}

// The stored fields, and for scripts the names of their codes, the date as ISO 8601 and the units.
void PrintState(const CalculationState& state, bool json) {
  auto fields = StateToJson(state);
  tools::JsonWriter names, units;
  tools::WriteNames(names, state);
  tools::WriteUnits(units);
  fields["DateIso"] = DateText(state.Date, kIsoDatePattern);
  fields["names"] = nlohmann::ordered_json::parse(names.Text());
  if (json) {
    fields["units"] = nlohmann::ordered_json::parse(units.Text());
    std::cout << fields.dump(2) << "\n";
    return;
  }
  for (const auto& [key, value] : fields.items())
    std::cout << key << ": " << (value.is_string() ? value.get<std::string>() : value.dump()) << "\n";
}

int List(const CommandLine& line, Messages& messages) {
  ListingRequest request;
  request.filter = FilterOf(line.Value("--filter"));
  request.today = TodayDayCount();
  request.descending = line.Has("--descending");
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInUser(line, db)) return kRefused;
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
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInUser(line, db)) return kRefused;
  const auto loaded = LoadCalculation(db, line.arguments[2], nullptr);
  if (!loaded) return kRefused;
  PrintState(loaded->state, line.Has("--json"));
  return kOk;
}

int Export(const CommandLine& line, Messages& messages) {
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInUser(line, db)) return kRefused;
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
  const auto state =
      ImportInputs(LocalFileSystem(), line.arguments[1], ConfiguredWorkingSettings(), messages);
  if (!state) return kRefused;
  PrintState(*state, line.Has("--json"));
  return kOk;
}

// The calculation to store, from a JSON object of state fields or from an export file.
std::optional<CalculationState> ReadInput(const std::string& path, Messages& messages) {
  if (path.size() >= 4 && path.compare(path.size() - 4, 4, ".cln") == 0) {
    return ImportInputs(LocalFileSystem(), path, ConfiguredWorkingSettings(), messages);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in || std::filesystem::is_directory(path))
    throw UsageError{"cannot read " + path + ": " + std::strerror(in ? EISDIR : errno)};
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  simdjson::dom::parser parser;
  simdjson::dom::element parsed;
  if (const auto error = tools::ParseJson(parser, text, parsed)) throw UsageError{path + ": " + *error};
  simdjson::dom::object input;
  if (parsed.get_object().get(input)) throw UsageError{path + ": the calculation must be a JSON object"};
  // What show --json adds for scripts is no stored field: its output can be saved again.
  static constexpr std::string_view kCompanions[] = {"DateIso", "names", "units"};
  CalculationState state;
  state.Fittings = {};
  if (const auto bad = StateFromJson(input, state, kCompanions))
    throw UsageError{path + ": key \"" + *bad + "\": unknown, wrong type, or outside its range"};
  if (const auto bad = tools::CompleteInputs(input, state))
    throw UsageError{path + ": key \"" + bad->key + "\": " + bad->reason};
  state.VersionTag = kCurrentVersionTag;
  return state;
}

// The result a save stores: its place in the run's results (from 1), how many there were, and the
// differential pressure a bore was sized for.
struct ChosenResult {
  int number = 1;
  int count = 1;
  std::optional<double> seriesValue;
};

// Computes the calculation as the input page would on "Výpočet parametrů" (as pramo-calc does), signed
// by the logged-in user, and chooses the result to store as on the results page: the one asked for, or
// the first that complies with the standard. An input error names the keys of the marked edits.
std::optional<ChosenResult> Compute(CalculationState& state, const std::string& designer,
                                    const Configuration& configuration, std::optional<int> wanted,
                                    Messages& messages) {
  InputForm form = FormFromState(state, NumberTexts::Exact);
  DerivedValues derived;
  MessageRecorder held(Answer::Yes);
  const GatherContext context{held, true, designer, configuration.InstallationNumber, TodayDayCount()};
  const RunOutcome outcome = RunCalculation(form, state, derived, context);
  for (Message message : held.Shown()) {
    if (message.id == str::kBadInput.id && !form.marked.empty()) {
      std::string keys;
      for (const std::string& key : tools::MarkedInputKeys(form.marked))
        keys += (keys.empty() ? "" : ", ") + key;
      message.text += " (" + keys + ")";
    }
    messages.Show(message);
  }
  if (outcome.entries.empty()) return std::nullopt;
  const auto& entries = outcome.entries;
  std::size_t index = 0;
  if (wanted) {
    index = static_cast<std::size_t>(*wanted - 1);
    if (index >= entries.size())
      throw UsageError{"--result " + std::to_string(*wanted) + ": the calculation gave " +
                       std::to_string(entries.size()) + " result(s)"};
  } else {
    const auto complying =
        std::find_if(entries.begin(), entries.end(), [](const SeriesEntry& e) { return e.status < 2; });
    if (complying != entries.end()) index = static_cast<std::size_t>(complying - entries.begin());
  }
  if (index > 0 && !ChooseSeriesEntry(static_cast<int>(index), state, derived, messages)) return std::nullopt;
  ChosenResult chosen{static_cast<int>(index) + 1, static_cast<int>(entries.size()), std::nullopt};
  if (state.CalcKind == CalculationKind::Bore) chosen.seriesValue = entries[index].seriesValue;
  return chosen;
}

// What a save tells: the number stored under and the result taken.
struct SaveReport {
  std::string number;
  std::optional<ChosenResult> result;
};

int StoreInput(const CommandLine& line, Messages& messages, SaveReport& report) {
  auto state = ReadInput(line.arguments[2], messages);
  if (!state) return kRefused;
  auto db = OpenDatabase(line.arguments[1], messages);
  const auto designer = LogInUser(line, db);
  if (!designer) return kRefused;
  const Configuration configuration =
      ReadConfiguration(LocalFileSystem(), DefaultConfigurationPaths(), messages);
  const Signer signer{*designer, configuration.InstallationNumber};

  StoreRequest request;
  std::optional<int> wanted;
  if (const auto result = line.Value("--result")) wanted = std::stoi(*result);
  report.result = Compute(*state, *designer, configuration, wanted, messages);
  if (!report.result) return kRefused;
  request.chosenSeriesValue = report.result->seriesValue;

  ListingRequest listingRequest;
  listingRequest.today = TodayDayCount();
  DatabaseListing listing;
  if (!ListDatabase(db, listingRequest, listing)) return kRefused;

  if (const auto number = line.Value("--next-index")) {
    request.mode = SaveMode::NextIndex;
    const auto stored = LoadForNextIndex(db, *number, configuration.Working);
    if (!stored) return kRefused;
    NumberAsNextIndex(*state, *stored, signer);
  } else {
    // "--new" is the next free number when the calculation is stored, chosen under the writer lock, so
    // that scripts storing at once each get their own.
    request.mode = SaveMode::NextFreeNumber;
    NumberAsNew(*state, listing.HighestRunningCount(), signer);
  }
  state->Date = TodayDayCount();
  if (StoreCalculation(db, *state, request, listing, listingRequest) != StoreOutcome::Stored) return kRefused;
  report.number = FullNumberText({state->NumberInstallation, state->NumberCount, state->NumberIndex});
  return kOk;
}

// Keeps every message for a JSON document while showing it as usual.
class KeptMessages : public Messages {
 public:
  explicit KeptMessages(Messages& shown) : m_shown(shown) {}
  Answer Show(const Message& message) override {
    m_kept.push_back(message);
    return m_shown.Show(message);
  }
  const std::vector<Message>& Kept() const { return m_kept; }

 private:
  Messages& m_shown;
  std::vector<Message> m_kept;
};

// Stores the calculation and says under which number and which result; with --json one document
// whatever happened, a refusal and a usage error included.
int Save(const CommandLine& line, Messages& shown) {
  KeptMessages messages(shown);
  SaveReport report;
  int status = kRefused;
  std::string usageError;
  try {
    status = StoreInput(line, messages, report);
  } catch (const UsageError& error) {
    if (!line.Has("--json")) throw;
    usageError = error.text;
    status = kUsage;
    std::cerr << "pramo-db: " << usageError << "\n";
  }
  const ChosenResult* result = report.result ? &*report.result : nullptr;
  if (status == kOk && result && result->count > 1)
    std::cerr << "pramo-db: stored result " << result->number << " of " << result->count << " ("
              << result->seriesValue.value_or(0) << " Pa)\n";
  if (!line.Has("--json")) {
    if (status == kOk) std::cout << report.number << "\n";
    return status;
  }
  tools::JsonWriter out;
  out.BeginObject();
  out.Key("ok");
  out.Boolean(status == kOk);
  if (status == kOk) {
    out.Key("Number");
    out.String(report.number);
  }
  if (result) {
    out.Key("result");
    out.Integer(result->number);
    out.Key("resultCount");
    out.Integer(result->count);
    if (result->seriesValue) {
      out.Key("SeriesValue");
      out.Number(*result->seriesValue);
    }
  }
  if (!usageError.empty()) {
    out.Key("error");
    out.String(usageError);
  }
  out.Key("messages");
  tools::WriteMessages(out, messages.Kept());
  out.EndObject();
  std::cout << out.Text() << "\n";
  return status;
}

// The certificate of a stored calculation, printed with the configured owner, footer and print options
// unless the command line says otherwise.
int Certificate(const CommandLine& line, Messages& messages) {
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInUser(line, db)) return kRefused;
  const auto loaded = LoadCalculation(db, line.arguments[2], nullptr);
  if (!loaded) return kRefused;
  const Configuration configuration =
      ReadConfiguration(LocalFileSystem(), DefaultConfigurationPaths(), messages);
  tools::CertificateRequest request;
  CertificateSettings& settings = request.settings;
  settings.OwnerName = configuration.OwnerName;
  settings.FooterText = configuration.Working.Footer;
  settings.FooterOn = configuration.Working.PrintFooter;
  settings.DatabasePath = line.arguments[1];
  settings.Options = PrintOptionsOf(configuration.Interface);
  for (const auto& edit : line.certificateEdits) edit(request);
  request.pdfPath = line.arguments[3];
  std::string error;
  if (tools::WriteCertificate(loaded->state, request, messages, error)) return kOk;
  std::cerr << "pramo-db: " << error << "\n";
  return kRefused;
}

int Check(const CommandLine& line, Messages& messages) {
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInUserOrAdministrator(line, db)) return kRefused;
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

int Users(const CommandLine& line, Messages& messages) {
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInAdministrator(line, messages, false)) return kRefused;
  const auto logins = ListUsers(db);
  if (!logins) return kRefused;
  nlohmann::ordered_json users = nlohmann::ordered_json::array();
  for (const std::string& login : *logins) {
    const std::string fullName = FindUserFullName(db, login);
    if (line.Has("--json"))
      users.push_back({{"Login", login}, {"FullName", fullName}});
    else
      std::cout << login << "\t" << fullName << "\n";
  }
  if (line.Has("--json")) std::cout << nlohmann::ordered_json{{"users", users}}.dump(2) << "\n";
  return kOk;
}

// add-user, change-user and create: the administrator fills the group of users as on the
// administration page.
int AddOrChangeUser(const CommandLine& line, Messages& messages) {
  const std::string& command = line.arguments[0];
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInAdministrator(line, messages, false)) return kRefused;
  const NewPassword typed = AskNewPassword();
  const UserForm form{line.arguments[2], line.arguments[3], typed.password, typed.repeated};
  if (command == "change-user") return ChangeUserFromForm(db, form) ? kOk : kRefused;
  if (command == "create") {
    if (db.fs.Exists(db.paths.database)) {
      Tell(messages, MessageKind::Error, str::kDatabaseFileExists);
      return kRefused;
    }
    return AddUserFromForm(db, {}, form, true) == AddUserOutcome::DatabaseCreated ? kOk : kRefused;
  }
  const auto listed = ListUsers(db);
  if (!listed) return kRefused;
  return AddUserFromForm(db, *listed, form, false) == AddUserOutcome::Added ? kOk : kRefused;
}

int RemoveUserCommand(const CommandLine& line, Messages& messages) {
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInAdministrator(line, messages, false)) return kRefused;
  const auto listed = ListUsers(db);
  if (!listed) return kRefused;
  // Refused before the question, as the window does not offer "Odstraň" then.
  if (!UserRemovable(listed->size(), messages)) return kRefused;
  return RemoveUserFromList(db, line.arguments[2]) ? kOk : kRefused;
}

int AdminPassword(const CommandLine& line, Messages& messages) {
  if (!LogInAdministrator(line, messages, true)) return kRefused;
  const NewPassword typed = AskNewPassword();
  return ChangeAdministratorPassword(LocalFileSystem(), DefaultConfigurationPaths().file, typed.password,
                                     typed.repeated, messages) == PasswordChange::Changed
             ? kOk
             : kRefused;
}

int Companies(const CommandLine& line, Messages& messages) {
  const std::string& command = line.arguments[0];
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInUser(line, db)) return kRefused;
  const auto listed = ListCompanies(db);
  if (!listed) return kRefused;
  if (command == "add-company") return AddCompany(db, *listed, line.arguments[2]) ? kOk : kRefused;
  if (command == "remove-company") return RemoveCompany(db, line.arguments[2]) ? kOk : kRefused;
  if (command == "rename-company") {
    const auto picked = std::find(listed->begin(), listed->end(), line.arguments[2]);
    const std::optional<std::size_t> chosen =
        picked == listed->end() ? std::nullopt : std::optional<std::size_t>(picked - listed->begin());
    return RenameCompany(db, *listed, chosen, line.arguments[3]) ? kOk : kRefused;
  }
  if (line.Has("--json")) {
    std::cout << nlohmann::ordered_json{{"companies", *listed}, {"count", listed->size()}}.dump(2) << "\n";
  } else {
    for (const std::string& name : *listed) std::cout << name << "\n";
  }
  return kOk;
}

// The conversion replaces a database's calculations and companies: the administrator's work.
int Convert(const CommandLine& line, Messages& messages) {
  ConvertOptions options;
  options.request.calculationsFile = line.arguments[1];
  options.database = line.arguments[2];
  options.request.companiesFile = line.Value("--companies").value_or("");
  if (line.Has("--companies") && options.request.companiesFile.empty())
    throw UsageError{"--companies needs a file"};
  options.request.encoding = LegacyEncodingNamed(line.Value("--encoding").value_or("kamenicky"));
  options.request.allCompanies = line.Has("--all-companies");
  if (!LogInAdministrator(line, messages, false)) return kRefused;
  return ConvertCommand(options, messages);
}

using CommandFunction = int (*)(const CommandLine&, Messages&);
const std::map<std::string, CommandFunction> kCommandFunctions = {
    {"list", List},
    {"show", Show},
    {"export", Export},
    {"import", Import},
    {"save", Save},
    {"check", Check},
    {"certificate", Certificate},
    {"users", Users},
    {"add-user", AddOrChangeUser},
    {"change-user", AddOrChangeUser},
    {"create", AddOrChangeUser},
    {"remove-user", RemoveUserCommand},
    {"admin-password", AdminPassword},
    {"companies", Companies},
    {"add-company", Companies},
    {"rename-company", Companies},
    {"remove-company", Companies},
    {"convert", Convert},
};

int Run(int argc, char** argv) {
  ParsedLine parsed;
  DeclareCommands(parsed);
  tools::SetUpCommandLine(parsed.app);
  if (const auto status = tools::ParseCommandLine(parsed.app, argc, argv)) return *status;
  TakeCommand(parsed);
  const CommandLine& line = parsed.line;
  // The file the command works on: the database, or the export file for import.
  const std::string& command = line.arguments[0];
  StderrMessages messages(command == "admin-password" ? ""
                          : command == "convert"      ? line.arguments[2]
                                                      : line.arguments[1]);
  try {
    return kCommandFunctions.at(line.arguments[0])(line, messages);
  } catch (const UsageError& error) {
    std::cerr << "pramo-db: " << error.text << " (see pramo-db " << line.arguments[0] << " --help)\n";
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
