// A database file listed and every listed calculation loaded: no crash, no sanitizer report, and a
// loaded calculation holds no value outside its field's range.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/CalculationFields.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pramo;
  static const std::string path = "/tmp/pramo-fuzz-db-" + std::to_string(getpid()) + ".flw";
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
  MessageRecorder messages(Answer::Cancel);
  DatabaseAccess db{LocalFileSystem(), PathsOf(path), messages};
  db.lockPolicy.waitSeconds = 0;
  DatabaseListing listing;
  ListingRequest request;
  request.today = 45300;
  if (!ListDatabase(db, request, listing)) return 0;
  for (std::size_t row = 0; row < listing.RowCount(); ++row) {
    const auto loaded = LoadCalculation(db, std::string(listing.Cell(row, 0)), nullptr);
    if (loaded && FieldOutOfRange(loaded->state)) std::abort();
  }
  return 0;
}
