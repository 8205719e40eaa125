#include "storage/Configuration.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <functional>

#include "core/CalculationBlockCodec.h"
#include "core/CodePage1250.h"
#include "storage/DatabaseListing.h"
#include "storage/IniFile.h"
#include "strings/storage.h"

namespace pramo {
namespace {

constexpr std::size_t kMaxConfigurationSize = 1 << 20;
constexpr std::size_t kOwnerNameCapacity = 26;

constexpr const char* kWorking = "pracovní";
constexpr const char* kInterface = "konfigurace";
constexpr const char* kLanguageSection = "Language";

constexpr const char* kAdministratorKey = "komponenta";
constexpr const char* kFolderKey = "složka databází";
constexpr const char* kOwnerKey = "vlastník";
constexpr const char* kInstallationKey = "číslo instalace";
constexpr const char* kFooterKey = "zápatí osvědčení";
constexpr const char* kPrintFooterKey = "tiskni zápatí";
constexpr const char* kDpAccuracyKey = "Přesnost snímače tlakové diference";
constexpr const char* kDensityAccuracyKey = "Přesnost stanovení měrné hmotnosti";
constexpr const char* kSeriesKey = "Řada hodnot TD ";
constexpr const char* kBarometricKey = "Barometrický tlak";
constexpr const char* kFlowRefPressureKey = "VP - průtok - tlak";
constexpr const char* kFlowRefTemperatureKey = "VP - průtok - teplota";
constexpr const char* kDensityRefPressureKey = "VP - měrná hmotnost - tlak";
constexpr const char* kDensityRefTemperatureKey = "VP - měrná hmotnost - teplota";
constexpr const char* kLastDatabaseKey = "Databáze";
constexpr const char* kPrintDescriptionKey = "Tiskni popis";
constexpr const char* kPrintCascadeKey = "Tiskni kaskádu";
constexpr const char* kPrintGraphKey = "Tiskni graf";
constexpr const char* kPrintTableKey = "Tiskni tabulku nejistot";
constexpr const char* kCascadeOnNewPageKey = "Kaskáda na novou stránku";
// Keys that older versions of the program neither read nor write: a file without them prints all three.
constexpr const char* kPrintStandardKey = "Tiskni normu";
constexpr const char* kPrintSignaturesKey = "Tiskni podpisy";
constexpr const char* kPrintReasonsKey = "Tiskni důvody nesplnění normy";
constexpr const char* kSortKey = "Třídit";
constexpr const char* kLanguageKey = "LangID";

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Scrambled(const std::string& bytes) {
  std::string copy = bytes;
  ScrambleString(std::span(reinterpret_cast<std::uint8_t*>(copy.data()), copy.size()));
  return copy;
}

enum class IniState { Missing, Read, Unreadable, Damaged };

struct ReadIniFile {
  IniFile ini;
  IniState state = IniState::Missing;
};

ReadIniFile ReadIni(FileSystem& fs, const std::string& file) {
  const FileContent content = ReadFileContent(fs, file, kMaxConfigurationSize);
  if (content.status == IoStatus::NotFound) return {IniFile::Parse({}), IniState::Missing};
  if (content.status != IoStatus::Ok) return {IniFile::Parse({}), IniState::Unreadable};
  const std::string_view bytes(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size());
  if (bytes.size() > kMaxConfigurationSize || !IniFile::Readable(bytes))
    return {IniFile::Parse({}), IniState::Damaged};
  return {IniFile::Parse(bytes), IniState::Read};
}

bool Unusable(IniState state) {
  return state == IniState::Unreadable || state == IniState::Damaged;
}

// Typed reading of keys; a value that does not convert reads as its default.
class Reader {
 public:
  explicit Reader(const IniFile& ini) : m_ini(ini) {}

  std::string Bytes(const char* section, const char* key, const std::string& fallback) const {
    return m_ini.Value(section, key).value_or(fallback);
  }
  // A scrambled text: its default is scrambled too, so it passes the same unscrambling.
  std::string ScrambledText(const char* section, const char* key, const std::string& fallback) const {
    const std::string fallbackBytes = To1250(fallback).value_or(std::string());
    return Utf8From1250(Scrambled(Bytes(section, key, Scrambled(fallbackBytes))));
  }
  long long Integer(const char* section, const char* key, long long fallback) const {
    const auto value = m_ini.Value(section, key);
    if (!value) return fallback;
    // Leading digits count, as the platform's profile functions read them.
    const char* begin = value->data();
    while (*begin == ' ') ++begin;
    long long number = 0;
    const auto result = std::from_chars(begin, value->data() + value->size(), number);
    return result.ec == std::errc() ? number : fallback;
  }
  bool Flag(const char* section, const char* key, bool fallback) const {
    return Integer(section, key, fallback ? 1 : 0) != 0;
  }
  double Float(const char* section, const char* key, double fallback) const {
    auto value = m_ini.Value(section, key);
    if (!value) return fallback;
    std::string text = Trimmed(*value);
    for (char& c : text)
      if (c == ',') c = '.';
    double number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && !text.empty() ? number
                                                                                                : fallback;
  }

 private:
  const IniFile& m_ini;
};

WorkingSettings WorkingSettingsFrom(const Reader& reader) {
  WorkingSettings settings;
  settings.Footer = Trimmed(reader.ScrambledText(kWorking, kFooterKey, Tr(str::kDefaultFooter)));
  settings.PrintFooter = reader.Flag(kWorking, kPrintFooterKey, false);
  settings.DpTransmitterAccuracy = reader.Float(kWorking, kDpAccuracyKey, settings.DpTransmitterAccuracy);
  settings.DensityAccuracy = reader.Float(kWorking, kDensityAccuracyKey, settings.DensityAccuracy);
  for (std::size_t i = 0; i < settings.DpSeries.size(); ++i)
    settings.DpSeries[i] =
        reader.Float(kWorking, (kSeriesKey + std::to_string(i)).c_str(), settings.DpSeries[i]);
  settings.BarometricPressure = reader.Float(kWorking, kBarometricKey, settings.BarometricPressure);
  settings.FlowRefPressure = reader.Float(kWorking, kFlowRefPressureKey, settings.FlowRefPressure);
  settings.FlowRefTemperature = reader.Float(kWorking, kFlowRefTemperatureKey, settings.FlowRefTemperature);
  settings.DensityRefPressure = reader.Float(kWorking, kDensityRefPressureKey, settings.DensityRefPressure);
  settings.DensityRefTemperature =
      reader.Float(kWorking, kDensityRefTemperatureKey, settings.DensityRefTemperature);
  return settings;
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Writes some keys into the file, keeping everything else in it.
bool ChangeConfiguration(FileSystem& fs, const std::string& file, Messages& messages,
                         const std::function<bool(IniFile&)>& change) {
  // A file that could not be read whole would lose every key it holds: it is left as it is.
  ReadIniFile read = ReadIni(fs, file);
  bool written =
      !Unusable(read.state) && change(read.ini) && fs.CreateDirectories(FolderOf(file)) == IoStatus::Ok;
  if (written) {
    const std::string text = read.ini.Serialize();
    written = ReplaceFileContent(fs, file,
                                 std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                                 NewFile::Private) == IoStatus::Ok;
  }
  if (!written)
    Tell(messages, MessageKind::Error, str::kConfigurationNotWritten,
         Format(str::kConfigurationNotWritten, {file}));
  return written;
}

// A text as scrambled code-page bytes; nothing when the code page cannot hold it.
std::optional<std::string> ScrambledBytes(const std::string& text) {
  auto bytes = To1250(text);
  if (!bytes) return std::nullopt;
  return Scrambled(*bytes);
}

std::string FloatText(double value, char decimalSeparator) {
  return ShortestDecimal(value, decimalSeparator);
}

}  // namespace

ConfigurationPaths DefaultConfigurationPaths() {
  const std::string home = EnvironmentValue("HOME");
  // A base folder of the XDG conventions; a relative path there is not valid and gives the default.
  auto xdgFolder = [&](const char* variable, const char* fallback) {
    const std::string folder = EnvironmentValue(variable);
    return folder.empty() || folder.front() != '/' ? home + fallback : folder;
  };
  const std::string allUsers = EnvironmentValue("ALLUSERSPROFILE");
  return {xdgFolder("XDG_CONFIG_HOME", "/.config") + "/Pramo/Pramo.ini",
          allUsers.empty() ? xdgFolder("XDG_DATA_HOME", "/.local/share") + "/Pramo" : allUsers + "/Pramo"};
}

Configuration ReadConfiguration(FileSystem& fs, const ConfigurationPaths& paths, Messages& messages) {
  const ReadIniFile read = ReadIni(fs, paths.file);
  const Reader reader(read.ini);
  Configuration configuration;
  configuration.FileUnusable = Unusable(read.state);
  if (configuration.FileUnusable)
    Tell(messages, MessageKind::Error,
         read.state == IniState::Damaged ? str::kConfigurationDamaged : str::kConfigurationUnreadable,
         Format(read.state == IniState::Damaged ? str::kConfigurationDamaged : str::kConfigurationUnreadable,
                {paths.file}));
  configuration.AdministratorPasswordCode = reader.Bytes(kWorking, kAdministratorKey, "");
  if (!fs.IsDirectory(paths.defaultDatabaseFolder)) fs.CreateDirectories(paths.defaultDatabaseFolder);
  configuration.DatabaseFolder = reader.ScrambledText(kWorking, kFolderKey, paths.defaultDatabaseFolder);
  configuration.OwnerName = Trimmed(reader.ScrambledText(kWorking, kOwnerKey, ""));
  const long long installation = reader.Integer(kWorking, kInstallationKey, 1);
  configuration.InstallationNumber =
      installation >= 0 && installation <= 0xFFFF ? static_cast<std::uint16_t>(installation) : 1;
  configuration.Working = WorkingSettingsFrom(reader);
  InterfaceState& state = configuration.Interface;
  state.LastDatabase = reader.ScrambledText(kInterface, kLastDatabaseKey, "");
  state.PrintDescription = reader.Flag(kInterface, kPrintDescriptionKey, true);
  state.PrintCascade = reader.Flag(kInterface, kPrintCascadeKey, true);
  state.PrintGraph = reader.Flag(kInterface, kPrintGraphKey, true);
  state.PrintUncertaintyTable = reader.Flag(kInterface, kPrintTableKey, true);
  state.CascadeOnNewPage = reader.Flag(kInterface, kCascadeOnNewPageKey, false);
  state.PrintStandard = reader.Flag(kInterface, kPrintStandardKey, true);
  state.PrintSignatures = reader.Flag(kInterface, kPrintSignaturesKey, true);
  state.PrintNonComplianceReasons = reader.Flag(kInterface, kPrintReasonsKey, true);
  state.SortOrder = static_cast<int>(reader.Integer(kInterface, kSortKey, 0));
  configuration.Language = ReadLanguage(fs, paths.file);
  configuration.DatabaseFolderExists = fs.IsDirectory(configuration.DatabaseFolder);
  if (!configuration.DatabaseFolderExists) Tell(messages, MessageKind::Error, str::kDatabaseFolderMissing);
  return configuration;
}

std::string ReadLanguage(FileSystem& fs, const std::string& file) {
  const IniFile ini = ReadIni(fs, file).ini;
  return Utf8From1250(Reader(ini).Bytes(kLanguageSection, kLanguageKey, To1250("Česky").value()));
}

WorkingSettings ReadWorkingSettings(FileSystem& fs, const std::string& file) {
  const ReadIniFile read = ReadIni(fs, file);
  return WorkingSettingsFrom(Reader(read.ini));
}

bool SaveSettings(FileSystem& fs, const std::string& file, const Configuration& configuration,
                  Messages& messages, char decimalSeparator) {
  return ChangeConfiguration(fs, file, messages, [&](IniFile& ini) {
    const auto folder = ScrambledBytes(configuration.DatabaseFolder);
    const auto owner = ScrambledBytes(FirstCharacters(Trimmed(configuration.OwnerName), kOwnerNameCapacity));
    const auto footer = ScrambledBytes(Trimmed(configuration.Working.Footer));
    if (!folder || !owner || !footer) return false;
    const WorkingSettings& w = configuration.Working;
    auto setFloat = [&](const std::string& key, double value) {
      ini.SetValue(kWorking, key, FloatText(value, decimalSeparator));
    };
    ini.SetValue(kWorking, kFolderKey, *folder);
    ini.SetValue(kWorking, kOwnerKey, *owner);
    ini.SetValue(kWorking, kInstallationKey, std::to_string(configuration.InstallationNumber));
    ini.SetValue(kWorking, kFooterKey, *footer);
    ini.SetValue(kWorking, kPrintFooterKey, w.PrintFooter ? "1" : "0");
    setFloat(kDpAccuracyKey, w.DpTransmitterAccuracy);
    setFloat(kDensityAccuracyKey, w.DensityAccuracy);
    for (std::size_t i = 0; i < w.DpSeries.size(); ++i)
      setFloat(kSeriesKey + std::to_string(i), w.DpSeries[i]);
    setFloat(kBarometricKey, w.BarometricPressure);
    setFloat(kFlowRefPressureKey, w.FlowRefPressure);
    setFloat(kFlowRefTemperatureKey, w.FlowRefTemperature);
    setFloat(kDensityRefPressureKey, w.DensityRefPressure);
    setFloat(kDensityRefTemperatureKey, w.DensityRefTemperature);
    return true;
  });
}

bool SaveInterfaceState(FileSystem& fs, const std::string& file, const InterfaceState& state,
                        Messages& messages) {
  return ChangeConfiguration(fs, file, messages, [&](IniFile& ini) {
    const auto database = ScrambledBytes(state.LastDatabase);
    if (!database) return false;
    ini.SetValue(kInterface, kLastDatabaseKey, *database);
    ini.SetValue(kInterface, kPrintDescriptionKey, state.PrintDescription ? "1" : "0");
    ini.SetValue(kInterface, kPrintCascadeKey, state.PrintCascade ? "1" : "0");
    ini.SetValue(kInterface, kPrintGraphKey, state.PrintGraph ? "1" : "0");
    ini.SetValue(kInterface, kPrintTableKey, state.PrintUncertaintyTable ? "1" : "0");
    ini.SetValue(kInterface, kCascadeOnNewPageKey, state.CascadeOnNewPage ? "1" : "0");
    ini.SetValue(kInterface, kPrintStandardKey, state.PrintStandard ? "1" : "0");
    ini.SetValue(kInterface, kPrintSignaturesKey, state.PrintSignatures ? "1" : "0");
    ini.SetValue(kInterface, kPrintReasonsKey, state.PrintNonComplianceReasons ? "1" : "0");
    ini.SetValue(kInterface, kSortKey, std::to_string(state.SortOrder));
    return true;
  });
}

bool SaveAdministratorPassword(FileSystem& fs, const std::string& file, const std::string& code,
                               Messages& messages) {
  return ChangeConfiguration(fs, file, messages, [&](IniFile& ini) {
    ini.SetValue(kWorking, kAdministratorKey, code);
    return true;
  });
}

bool SaveLanguage(FileSystem& fs, const std::string& file, const std::string& language, Messages& messages) {
  const bool saved = ChangeConfiguration(fs, file, messages, [&](IniFile& ini) {
    const auto bytes = To1250(language);
    if (!bytes) return false;
    ini.SetValue(kLanguageSection, kLanguageKey, *bytes);
    return true;
  });
  if (saved) Tell(messages, MessageKind::Warning, str::kLanguageChanged);
  return saved;
}

char LocaleDecimalSeparator() {
  const std::lconv* conventions = std::localeconv();
  return conventions && conventions->decimal_point && conventions->decimal_point[0]
             ? conventions->decimal_point[0]
             : '.';
}

}  // namespace pramo
