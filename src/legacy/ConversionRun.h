#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/CalculationState.h"
#include "legacy/LegacyFiles.h"
#include "legacy/LegacyRecord.h"
#include "legacy/LegacyText.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseRecord.h"

namespace pramo {

// What the administrator chose for a conversion.
struct ConversionRequest {
  std::filesystem::path calculationsFile;  // the old calculations file ("vypocty.000")
  std::filesystem::path companiesFile;     // the old companies file; empty: none
  LegacyEncoding encoding = LegacyEncoding::Kamenicky;
  // The target receives every name of the companies file instead of the company list as the decoding
  // extended it.
  bool allCompanies = false;
};

enum class ConversionPhase {
  Idle,          // not started, or refused at the start (the target is untouched)
  Calculations,  // Step() converts the next record
  Companies,     // the calculations are stored; StoreCompanies() ends the run
  Finished,      // everything is stored
  Cancelled,     // stopped on request: the users and the calculations converted so far are stored
  Failed,        // a change failed and was told; the file before that change is back in place
};

struct ConversionProgress {
  std::size_t done = 0;         // calculations converted
  std::size_t total = 0;        // whole records in the calculations file
  std::uint32_t lastCount = 0;  // running count of the last converted calculation
  // Calculations stored with a value outside its field's range (an unknown unit of the old record): they
  // are listed, but the database refuses to show them.
  std::size_t outOfRange = 0;
};

// One conversion of the older program's files into an existing database, which loses its calculations
// and companies and keeps its users. The caller drives it a record at a time (Start, Step until the
// calculation phase ends, StoreCompanies), so that progress can be shown and the run cancelled between
// any two records (AskCancel).
//
// The file work: the records of the target pass through one safe rewrite that stays open for the whole
// calculation phase (writer lock held, previous file kept as the backup). Dropping the old calculations
// and companies happens inside that same rewrite, as each user record is taken for the next converted
// calculation: a step costs one decoded record and one buffered record write, never a pass over the
// file. The phase's rewrite ends once, after the last record or on cancelling; a failure in it, or a
// failure reading the old file, puts the target back exactly as it was before the conversion, users,
// calculations and companies included. The company names then go in with a second rewrite that copies
// the untouched records without passing them through the program; a failure there leaves the users and
// the converted calculations. After completion and after cancelling, the target holds what a clearing
// pass followed by the record-by-record storing would have left.
//
// In the records the conversion writes, the slots that no longer hold anything are cleared as well as
// their flags: the previous calculations are meant to be gone, not merely hidden.
class ConversionRun {
 public:
  // `companies`: the companies file as read (empty without one); `companyList`: the company list that
  // the decoding extends by the names the converted calculations refer to. Both must outlive the run.
  ConversionRun(DatabaseAccess& target, const LegacyCompanies& companies,
                std::vector<std::string>& companyList);
  ConversionRun(const ConversionRun&) = delete;
  // A run still in its calculation phase is abandoned: the target goes back as it was.
  ~ConversionRun() = default;

  // Checks the choices, opens the calculations file, asks for confirmation and begins the rewrite of the
  // target. False (with the reason told, nothing changed) when the run cannot or shall not begin.
  bool Start(const ConversionRequest& request);

  // Converts the next record. False when there is none left (the phase is then over, see Phase()) or the
  // run has failed.
  bool Step();
  // Converts records until the time is used up or the calculation phase is over; returns how many.
  std::size_t StepFor(std::chrono::steady_clock::duration budget);

  // The company phase: gives the target its company names when a companies file was chosen, then tells
  // that the conversion is complete. False when storing the names failed.
  bool StoreCompanies();

  // Asks whether to stop the conversion. Yes ends the run keeping what was converted (companies are not
  // stored); No and Cancel leave it to go on. True when the run is over, also when none was running.
  bool AskCancel();

  ConversionPhase Phase() const { return m_phase; }
  const ConversionProgress& Progress() const { return m_progress; }
  // Bytes after the last whole record of the calculations file (not converted), during the calculation
  // phase.
  std::size_t TrailingBytes() const { return m_source.TrailingBytes(); }
  // Company names given to the target by StoreCompanies().
  std::size_t CompaniesStored() const { return m_companiesStored; }

 private:
  void StoreCalculation(const CalculationBlock& block);
  const std::uint8_t* NextUserRecord();
  bool EndCalculationRewrite(ConversionPhase phaseOnSuccess);
  bool StoreCompanyNames(const std::vector<std::string>& names);

  DatabaseAccess& m_target;
  const LegacyCompanies& m_companies;
  std::vector<std::string>& m_companyList;
  ConversionRequest m_request;
  ConversionPhase m_phase = ConversionPhase::Idle;
  ConversionProgress m_progress;
  std::size_t m_companiesStored = 0;

  LegacyRecordFile m_source{kLegacyRecordSize};
  LegacyRecord m_record{};
  std::optional<LegacyDecoder> m_decoder;
  CalculationState m_state;  // the work area every record is decoded into
  std::optional<SafeRewrite> m_rewrite;
  bool m_usersExhausted = false;  // the backup has no user record left to take a calculation
};

// The company slot holding a name (Windows-1250, at most 50 characters, scrambled).
std::array<std::uint8_t, kCompanyCapacity + 1> CompanySlot(const std::string& name);

}  // namespace pramo
