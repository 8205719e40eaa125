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
// Options may stand anywhere on the line. Messages of the engine go to stderr as "kind: text". Exit
// status 0 on success, 1 when the operation was refused or failed, 2 for a usage error.
#include <termios.h>
#include <unistd.h>

#include <clocale>
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
#include "app/CalculationRun.h"
#include "app/InputPage.h"
#include "core/CalculationBlockCodec.h"
#include "core/InputGathering.h"
#include "core/Messages.h"
#include "db_convert.h"
#include "state_json.h"
#include "storage/Companies.h"
#include "storage/Configuration.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "storage/DatabasePage.h"
#include "storage/ExportImport.h"
#include "strings/access.h"
#include "strings/storage.h"
#include "tools/certificate_output.h"

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
    "  pramo-db save DB INPUT.json|FILE.cln [--new | --next-index NUMBER] [--json]\n"
    "  pramo-db certificate DB NUMBER FILE.pdf [certificate options]\n"
    "  pramo-db companies DB [--json]\n"
    "  pramo-db add-company DB NAME\n"
    "  pramo-db rename-company DB OLD NEW\n"
    "  pramo-db remove-company DB NAME\n"
    "  pramo-db check DB [--json]\n"
    "  pramo-db users DB [--json]                       (administrator)\n"
    "  pramo-db add-user DB LOGIN FULLNAME               (administrator)\n"
    "  pramo-db change-user DB LOGIN FULLNAME            (administrator)\n"
    "  pramo-db remove-user DB LOGIN                     (administrator)\n"
    "  pramo-db create DB LOGIN FULLNAME                 (administrator: a new database, its first user)\n"
    "  pramo-db admin-password                           (administrator: first set-up or change)\n"
    "  pramo-db convert VYPOCTY.000 DB [--companies FIRMY.000] [--encoding kamenicky|latin2|plain]\n"
    "           [--all-companies]                        (administrator: older program's calculations)\n"
    "login: --user LOGIN (a user of DB) or --user admin; the password from PRAMO_PASSWORD or asked at the\n"
    "terminal, a new password from PRAMO_NEW_PASSWORD or asked twice\n";

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
  std::map<std::string, std::string> options;   // "--name" -> value ("" for a switch)
  std::vector<std::string> certificateOptions;  // as given, applied over the configured defaults

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
      {"--next-index", true}, {"--user", true},        {"--help", false},
  };
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    tools::CertificateRequest ignored;
    std::string error;
    const int first = i;
    const auto read = tools::ReadCertificateOption(argc, argv, i, ignored, error);
    if (read == tools::OptionRead::Bad) throw UsageError{error};
    if (read == tools::OptionRead::Taken) {
      line.certificateOptions.insert(line.certificateOptions.end(), argv + first, argv + i + 1);
      continue;
    }
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

// A secret typed at the terminal without echo. Only a terminal is asked: a password must not come from a
// file or pipe by accident, and never from the command line.
std::string AskSecret(const char* prompt) {
  if (!isatty(STDIN_FILENO))
    throw UsageError{"no terminal to ask for the password: set PRAMO_PASSWORD (PRAMO_NEW_PASSWORD)"};
  termios saved{};
  const bool quiet = tcgetattr(STDIN_FILENO, &saved) == 0;
  if (quiet) {
    termios silent = saved;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
  }
  std::cerr << prompt << std::flush;
  std::string secret;
  std::getline(std::cin, secret);
  if (quiet) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
  std::cerr << "\n";
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
  ExpectArguments(line, 3);
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInUser(line, db)) return kRefused;
  const auto loaded = LoadCalculation(db, line.arguments[2], nullptr);
  if (!loaded) return kRefused;
  PrintState(loaded->state, line.Has("--json"));
  return kOk;
}

int Export(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 4);
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
    return ImportInputs(LocalFileSystem(), path, ConfiguredWorkingSettings(), messages);
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

// Computes the calculation as the input page would on "Výpočet parametrů" (as pramo-calc does), signed
// by the logged-in user; the first result of the run is the one stored.
std::optional<double> Compute(CalculationState& state, const std::string& designer,
                              const Configuration& configuration, Messages& messages, bool& computed) {
  InputForm form = FormFromState(state, NumberTexts::Exact);
  DerivedValues derived;
  const GatherContext context{messages, true, designer, configuration.InstallationNumber, TodayDayCount()};
  const RunOutcome outcome = RunCalculation(form, state, derived, context);
  computed = !outcome.entries.empty();
  if (!computed || state.CalcKind != CalculationKind::Bore) return std::nullopt;
  return outcome.entries.front().seriesValue;
}

int Save(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 3);
  if (line.Has("--new") && line.Has("--next-index"))
    throw UsageError{"--new and --next-index exclude each other"};
  auto state = ReadInput(line.arguments[2], messages);
  if (!state) return kRefused;
  auto db = OpenDatabase(line.arguments[1], messages);
  const auto designer = LogInUser(line, db);
  if (!designer) return kRefused;
  const Configuration configuration =
      ReadConfiguration(LocalFileSystem(), DefaultConfigurationPaths(), messages);
  const Signer signer{*designer, configuration.InstallationNumber};

  StoreRequest request;
  bool computed = false;
  request.chosenSeriesValue = Compute(*state, *designer, configuration, messages, computed);
  if (!computed) return kRefused;

  ListingRequest listingRequest;
  listingRequest.today = Today();
  DatabaseListing listing;
  if (!ListDatabase(db, listingRequest, listing)) return kRefused;

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
    // "--new" is the next free number when the calculation is stored, chosen under the writer lock, so
    // that scripts storing at once each get their own.
    request.mode = SaveMode::NextFreeNumber;
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

// The certificate of a stored calculation, printed with the configured owner, footer and print options
// unless the command line says otherwise.
int Certificate(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 4);
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
  const InterfaceState& print = configuration.Interface;
  settings.Options = {print.PrintDescription, print.PrintCascade, print.PrintGraph,
                      print.PrintUncertaintyTable, print.CascadeOnNewPage};
  std::vector<char*> given{nullptr};
  std::vector<std::string> options = line.certificateOptions;
  for (std::string& option : options) given.push_back(option.data());
  for (int i = 1; i < static_cast<int>(given.size()); ++i) {
    std::string error;
    tools::ReadCertificateOption(static_cast<int>(given.size()), given.data(), i, request, error);
  }
  request.pdfPath = line.arguments[3];
  std::string error;
  if (tools::WriteCertificate(loaded->state, request, messages, error)) return kOk;
  std::cerr << "pramo-db: " << error << "\n";
  return kRefused;
}

int Check(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 2);
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
  ExpectArguments(line, 2);
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
  ExpectArguments(line, 4);
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
  ExpectArguments(line, 3);
  auto db = OpenDatabase(line.arguments[1], messages);
  if (!LogInAdministrator(line, messages, false)) return kRefused;
  const auto listed = ListUsers(db);
  if (!listed) return kRefused;
  // The window offers "Odstraň" only with two users or more.
  if (listed->size() < 2) {
    Tell(messages, MessageKind::Error, str::kLastUser);
    return kRefused;
  }
  return RemoveUserFromList(db, line.arguments[2]) ? kOk : kRefused;
}

int AdminPassword(const CommandLine& line, Messages& messages) {
  ExpectArguments(line, 1);
  if (!LogInAdministrator(line, messages, true)) return kRefused;
  const NewPassword typed = AskNewPassword();
  return ChangeAdministratorPassword(LocalFileSystem(), DefaultConfigurationPaths().file, typed.password,
                                     typed.repeated, messages) == PasswordChange::Changed
             ? kOk
             : kRefused;
}

int Companies(const CommandLine& line, Messages& messages) {
  const std::string& command = line.arguments[0];
  const std::size_t expected = command == "companies" ? 2 : command == "rename-company" ? 4 : 3;
  ExpectArguments(line, expected);
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

// The conversion replaces a database's calculations and companies: the administrator's work. Its own
// options are read by the conversion command; the login is taken off the command line here.
int Convert(int argc, char** argv, Messages& messages) {
  CommandLine line;
  line.arguments.push_back("convert");
  std::vector<std::string> rest;
  for (int i = 2; i < argc; ++i) {
    if (std::string(argv[i]) == "--user" && i + 1 < argc)
      line.options["--user"] = argv[++i];
    else
      rest.push_back(argv[i]);
  }
  // Without the two files there is nothing to log in for: the command tells its usage.
  const bool usageOnly = rest.size() < 2 || std::find(rest.begin(), rest.end(), "--help") != rest.end();
  if (!usageOnly && !LogInAdministrator(line, messages, false)) return kRefused;
  return ConvertCommand(rest, messages);
}

int Run(int argc, char** argv) {
  StderrMessages messages;
  try {
    if (argc > 1 && std::string(argv[1]) == "convert") return Convert(argc, argv, messages);
    const CommandLine line = Parse(argc, argv);
    if (line.Has("--help")) {
      std::cout << kUsageText;
      return kOk;
    }
    if (line.arguments.empty()) throw UsageError{"no command"};
    const std::string& command = line.arguments[0];
    if (!line.certificateOptions.empty() && command != "certificate")
      throw UsageError{"certificate options belong to the certificate command"};
    if (command == "list") return List(line, messages);
    if (command == "show") return Show(line, messages);
    if (command == "export") return Export(line, messages);
    if (command == "import") return Import(line, messages);
    if (command == "save") return Save(line, messages);
    if (command == "check") return Check(line, messages);
    if (command == "certificate") return Certificate(line, messages);
    if (command == "users") return Users(line, messages);
    if (command == "add-user" || command == "change-user" || command == "create")
      return AddOrChangeUser(line, messages);
    if (command == "remove-user") return RemoveUserCommand(line, messages);
    if (command == "admin-password") return AdminPassword(line, messages);
    if (command == "companies" || command == "add-company" || command == "rename-company" ||
        command == "remove-company")
      return Companies(line, messages);
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
