// Converting an old calculations file of 50 000 records (with 500 companies) into a database of three
// users, end to end as the conversion window drives it, against copying the resulting database with cp.
// Usage: convert_benchmark [FOLDER] (default: the temporary folder).
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "legacy/ConversionRun.h"
#include "storage/DatabaseFile.h"

using namespace pramo;

namespace {

constexpr std::size_t kRecords = 50000;
constexpr std::size_t kCompanies = 500;

class Agreeing : public Messages {
 public:
  Answer Show(const Message& message) override {
    if (message.kind == MessageKind::Error || message.kind == MessageKind::Warning)
      std::cerr << KindName(message.kind) << ": " << message.text << "\n";
    return message.buttons.empty() ? Answer::Ok : message.buttons.front();
  }
};

void PutText(std::string& record, std::size_t offset, std::size_t width, const std::string& text) {
  record.replace(offset, width, (text + std::string(width, ' ')).substr(0, width));
}

void PutBigEndian(std::string& record, std::size_t offset, std::size_t width, std::uint32_t value) {
  for (std::size_t i = 0; i < width; ++i)
    record[offset + i] = static_cast<char>(value >> (8 * (width - 1 - i)));
}

std::string CompanyNumber(std::size_t i) {
  return std::to_string(10000000 + i % kCompanies);
}

// A steam calculation as the old program stored it, every field the conversion reads filled in.
std::string OldRecord(std::size_t i) {
  using namespace legacy_offset;
  std::string r(kLegacyRecordSize, '\0');
  PutText(r, kCompanyNumber, 9, CompanyNumber(i));
  const auto date = static_cast<std::uint32_t>((35000 + i % 3000 + 169306) * 4096.0);
  for (int b = 0; b < 4; ++b) r[kDate + b] = static_cast<char>(date >> (8 * b));
  PutText(r, kInstallation, 3, "01");
  PutText(r, kCount, 5, std::to_string(10000 + (i + 1) % 90000));
  PutText(r, kFluid, 13, "Para prehrata");
  PutText(r, kDescription, 50, "Kotel " + std::to_string(i % 17) + ", prehrata para");
  PutBigEndian(r, kPressure, 4, 1200000);
  PutBigEndian(r, kTemperature, 3, 25050);
  PutBigEndian(r, kDensity, 4, 512340);
  PutBigEndian(r, kViscosity, 4, 1620000);
  PutBigEndian(r, kKappa, 2, 1300);
  PutBigEndian(r, kPipeDiameter20, 4, 150000);
  PutBigEndian(r, kFlow, 4, 800000);
  PutBigEndian(r, kFlowMax, 4, 1000000);
  PutBigEndian(r, kFlowMin, 4, 200000);
  PutBigEndian(r, kDpMax, 4, 40000);
  PutText(r, kElementMaterial, 6, "17 248");
  PutText(r, kPipeMaterial, 6, "11 373");
  PutBigEndian(r, kPipeDiameter, 4, 150360);
  PutBigEndian(r, kReD, 4, 1160000);
  PutBigEndian(r, kVelocity, 3, 2500);
  PutBigEndian(r, kReDMax, 4, 1450000);
  PutBigEndian(r, kVelocityMax, 3, 3125);
  PutBigEndian(r, kReDMin, 4, 290000);
  PutBigEndian(r, kC, 3, 6040);
  PutBigEndian(r, kEpsilon, 3, 9950);
  PutBigEndian(r, kBeta, 3, 5200);
  PutBigEndian(r, kBore, 4, 78187);
  PutBigEndian(r, kBore20, 4, 78000);
  r[kFittings] = 1;
  for (std::size_t f = 0; f < 10; ++f) PutBigEndian(r, kFittingLengths + 2 * f, 2, 160 + 10 * f);
  PutBigEndian(r, kDownstreamLength, 2, 60);
  PutBigEndian(r, kPressureLoss, 3, 29000);
  for (std::size_t offset : {kFlowUnit, kFlowMaxUnit, kFlowMinUnit}) PutText(r, offset, 8, "[kg/h]");
  PutText(r, kDensityUnit, 8, "[kg/m3]");
  for (std::size_t f = 0; f < 4; ++f) PutBigEndian(r, kUncertainties + 2 * f, 2, 60 - 10 * f);
  for (std::size_t offset = kTransmitterAccuracy; offset <= kFlowUncertainty; offset += 2)
    PutBigEndian(r, offset, 2, 25);
  return r;
}

std::string OldCompany(std::size_t i) {
  std::string r(kLegacyCompanyRecordSize, ' ');
  PutText(r, 1, 30, "Firma " + std::to_string(i));
  PutText(r, 116, 9, CompanyNumber(i));
  return r;
}

DatabaseRecord UserRecord(const std::string& login) {
  DatabaseRecord record = EmptyRecord();
  record[record_offset::kUserLogin] = static_cast<std::uint8_t>(login.size());
  for (std::size_t i = 0; i < login.size(); ++i)
    record[record_offset::kUserLogin + 1 + i] = static_cast<std::uint8_t>(login[i] ^ 0x5B);
  record[record_offset::kUserFlag] = 1;
  return record;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1
                                           ? std::filesystem::path(argv[1])
                                           : std::filesystem::temp_directory_path() / "pramo-convert-bench";
  std::filesystem::create_directories(folder);
  const std::string calculations = (folder / "vypocty.000").string();
  const std::string companiesPath = (folder / "firmy.000").string();
  const std::string target = (folder / "cil.flw").string();
  {
    std::ofstream out(calculations, std::ios::binary | std::ios::trunc);
    out << std::string(kLegacyHeaderSize, '\0');
    for (std::size_t i = 0; i < kRecords; ++i) out << OldRecord(i);
    std::ofstream companiesOut(companiesPath, std::ios::binary | std::ios::trunc);
    companiesOut << std::string(kLegacyHeaderSize, '\0');
    for (std::size_t i = 0; i < kCompanies; ++i) companiesOut << OldCompany(i);
  }

  Agreeing messages;
  for (int round = 0; round < 3; ++round) {
    {
      std::ofstream out(target, std::ios::binary | std::ios::trunc);
      for (const char* login : {"anna", "bedrich", "cyril"}) {
        const DatabaseRecord record = UserRecord(login);
        out.write(reinterpret_cast<const char*>(record.data()), record.size());
      }
    }
    DatabaseAccess db{LocalFileSystem(), PathsOf(target), messages};
    const auto start = std::chrono::steady_clock::now();
    LegacyCompanies companies;
    std::vector<std::string> companyList;
    ConversionRequest request;
    request.calculationsFile = calculations;
    request.companiesFile = companiesPath;
    if (!ReadLegacyCompanies(companiesPath, request.encoding, companies, messages)) return 1;
    ConversionRun run(db, companies, companyList);
    if (!run.Start(request)) return 1;
    // As the window's timer does it: slices of 20 ms.
    std::size_t slices = 0;
    while (run.StepFor(std::chrono::milliseconds(20)) > 0) ++slices;
    const double calculationSeconds = Seconds(start);
    if (!run.StoreCompanies()) return 1;
    const double convertSeconds = Seconds(start);

    // cp as it is, and cp made durable as the conversion makes its file (sync of the copy).
    const std::string copy = (folder / "kopie.flw").string();
    const std::string copyCommand = "cp '" + target + "' '" + copy + "'";
    auto copyStart = std::chrono::steady_clock::now();
    if (std::system(copyCommand.c_str()) != 0) return 1;
    const double copySeconds = Seconds(copyStart);
    std::filesystem::remove(copy);
    copyStart = std::chrono::steady_clock::now();
    if (std::system((copyCommand + " && sync '" + copy + "'").c_str()) != 0) return 1;
    const double durableCopySeconds = Seconds(copyStart);
    std::cout << "convert: " << run.Progress().done << " records, " << run.CompaniesStored() << " companies, "
              << std::filesystem::file_size(target) / 1e6 << " MB in " << convertSeconds
              << " s (calculation phase " << calculationSeconds << " s in " << slices << " slices of 20 ms, "
              << calculationSeconds / run.Progress().done * 1e6 << " us per record); cp: " << copySeconds
              << " s, ratio " << convertSeconds / copySeconds << "; cp + sync: " << durableCopySeconds
              << " s, ratio " << convertSeconds / durableCopySeconds << "\n";
  }
  std::filesystem::remove_all(folder);
  return 0;
}
