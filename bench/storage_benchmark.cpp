// Listing and storing on a database of 100 000 calculations (about 114 MB), read from the page cache,
// against copying the same file with cp. Usage: storage_benchmark [FOLDER] (default: the temporary folder).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "core/CalculationBlockCodec.h"
#include "core/Dates.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"

using namespace pramo;

namespace {

class Quiet : public Messages {
 public:
  Answer Show(const Message& message) override {
    std::cerr << KindName(message.kind) << ": " << message.text << "\n";
    return Answer::Yes;
  }
};

CalculationState Calculation(std::uint32_t count) {
  CalculationState s;
  s.Fluid = FluidKind::SuperheatedSteam;
  s.FluidName = "přehřátá pára";
  s.PipeDiameterEntered = 150;
  s.ResultsValid = true;
  s.Designer = "Eva Dvořáková";
  s.Company = "Teplárna Ostrava, útvar měření";
  s.MeasuringPoint = "Kotel " + std::to_string(count % 17) + ", výstup páry";
  s.Description = "Měření páry pro turbínu";
  s.NumberInstallation = 1;
  s.NumberCount = count;
  s.NumberIndex = 1;
  s.Date = 45000 + count % 400;
  return s;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path() / "pramo-benchmark";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "velka.flw").string();
  constexpr std::uint32_t kCalculations = 100000;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::uint32_t i = 1; i <= kCalculations; ++i) {
      const DatabaseRecord record = RecordWithSlot(Slot::Calculation, EncodeBlock(Calculation(i)));
      out.write(reinterpret_cast<const char*>(record.data()), record.size());
    }
  }
  const std::string copyCommand = "cp '" + path + "' '" + (folder / "kopie.flw").string() + "'";
  if (std::system(copyCommand.c_str()) != 0) return 1;  // also brings the file into the page cache
  std::cout << "database: " << std::filesystem::file_size(path) / 1e6 << " MB, " << kCalculations
            << " calculations\n";

  Quiet messages;
  DatabaseAccess db{LocalFileSystem(), PathsOf(path), messages};
  ListingRequest request;
  request.today = TodayDayCount();
  const long peakBefore = PeakKilobytes();
  auto start = std::chrono::steady_clock::now();
  DatabaseListing listing;
  if (!ListDatabase(db, request, listing)) return 1;
  const double listSeconds = Seconds(start);
  std::size_t text = 0;
  for (std::size_t row = 0; row < listing.RowCount(); ++row)
    for (int column = 0; column < kListingColumns; ++column) text += listing.Cell(row, column).size();
  std::cout << "listing: " << listSeconds << " s for " << listing.RowCount() << " rows\n"
            << "  text of the rows " << text / 1e6 << " MB, held " << listing.MemoryBytes() / 1e6
            << " MB (ratio " << double(listing.MemoryBytes()) / text << "), peak memory grew by "
            << (PeakKilobytes() - peakBefore) / 1e3 << " MB\n";

  for (int round = 0; round < 3; ++round) {
    start = std::chrono::steady_clock::now();
    if (std::system(copyCommand.c_str()) != 0) return 1;
    const double copySeconds = Seconds(start);
    start = std::chrono::steady_clock::now();
    if (SaveCalculation(db, Calculation(kCalculations + 1 + round), SaveMode::NewNumber) !=
        SaveOutcome::Stored)
      return 1;
    const double storeSeconds = Seconds(start);
    std::cout << "store: " << storeSeconds << " s, cp: " << copySeconds << " s, ratio "
              << storeSeconds / copySeconds << "\n";
  }
  std::filesystem::remove_all(folder);
  return 0;
}
