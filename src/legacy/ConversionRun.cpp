#include "legacy/ConversionRun.h"

#include <algorithm>

#include "core/CalculationBlockCodec.h"
#include "core/CalculationFields.h"
#include "core/CodePage1250.h"
#include "storage/DatabaseRecord.h"
#include "strings/legacy.h"

namespace pramo {
namespace {

// A record that keeps only the user slot (and the reserved bytes) of `record`: its calculation and
// company slots are emptied and their flags cleared.
DatabaseRecord UserOnlyRecord(RecordView record) {
  DatabaseRecord result = EmptyRecord();
  const SlotLayout user = LayoutOf(Slot::User);
  std::copy_n(record.begin() + user.offset, user.size, result.begin() + user.offset);
  result[user.flagOffset] = record[user.flagOffset];
  std::copy(record.begin() + record_offset::kReserved, record.end(),
            result.begin() + record_offset::kReserved);
  return result;
}

}  // namespace

std::array<std::uint8_t, kCompanyCapacity + 1> CompanySlot(const std::string& name) {
  // Cut to the slot's capacity as a calculation's company is; the bytes behind the name stay zero.
  std::array<std::uint8_t, kCompanyCapacity + 1> slot{};
  PutStoredText(slot, 0, kCompanyCapacity, FirstCharacters(name, kCompanyCapacity), true);
  return slot;
}

ConversionRun::ConversionRun(DatabaseAccess& target, const LegacyCompanies& companies,
                             std::vector<std::string>& companyList)
    : m_target(target), m_companies(companies), m_companyList(companyList) {}

bool ConversionRun::Start(const ConversionRequest& request) {
  if (m_phase == ConversionPhase::Calculations || m_phase == ConversionPhase::Companies) return false;
  Messages& messages = m_target.messages;
  if (request.calculationsFile.empty()) {
    Tell(messages, MessageKind::Information, str::kConvertNoCalculationsFile);
    return false;
  }
  if (m_target.paths.database.empty()) {
    Tell(messages, MessageKind::Information, str::kConvertNoTargetDatabase);
    return false;
  }
  // The old file is opened before the question, so that an unreadable one costs the target nothing.
  if (!m_source.Open(request.calculationsFile)) {
    Tell(messages, MessageKind::Error, str::kLegacyCalculationsReadFailed);
    return false;
  }
  if (Ask(messages, str::kConvertConfirm, {Answer::Yes, Answer::No, Answer::Cancel}) != Answer::Yes) {
    m_source.Close();
    return false;
  }
  m_request = request;
  m_progress = {0, m_source.RecordCount(), 0};
  m_companiesStored = 0;
  m_usersExhausted = false;
  m_state = CalculationState{};
  PrepareLegacyState(m_state);
  m_decoder.emplace(request.encoding, m_companies, m_companyList);
  m_rewrite.emplace(m_target);
  if (!m_rewrite->Begin()) {
    m_rewrite.reset();
    m_source.Close();
    return false;
  }
  m_phase = ConversionPhase::Calculations;
  return true;
}

const std::uint8_t* ConversionRun::NextUserRecord() {
  if (m_usersExhausted) return nullptr;
  // Records without a user are not passed on: that drops the target's old calculations and companies.
  while (const std::uint8_t* bytes = m_rewrite->NextRecord())
    if (SlotInUse(AsRecord(bytes), Slot::User)) return bytes;
  m_usersExhausted = true;
  return nullptr;
}

void ConversionRun::StoreCalculation(const CalculationBlock& block) {
  DatabaseRecord record;
  if (const std::uint8_t* user = NextUserRecord()) {
    record = UserOnlyRecord(AsRecord(user));
    std::copy(block.begin(), block.end(), record.begin());
    record[record_offset::kCalculationFlag] = 1;
  } else {
    record = RecordWithSlot(Slot::Calculation, block);
  }
  m_rewrite->Write(record);
}

bool ConversionRun::Step() {
  if (m_phase != ConversionPhase::Calculations) return false;
  if (!m_source.Next(m_record)) {
    if (m_source.Failed()) {
      // Half an old file is no conversion: the target goes back as it was before the run.
      m_rewrite->Abandon();
      m_rewrite.reset();
      m_source.Close();
      Tell(m_target.messages, MessageKind::Error, str::kConvertSourceReadFailed);
      m_phase = ConversionPhase::Failed;
      return false;
    }
    EndCalculationRewrite(ConversionPhase::Companies);
    return false;
  }
  m_decoder->Decode(m_record, m_state);
  // The old program kept the results of a calculation whose bore lay outside its limits, flagged.
  m_state.ResultsValid = !m_state.LimitFlags[0];
  StoreCalculation(EncodeBlock(m_state));
  if (FieldOutOfRange(m_state)) ++m_progress.outOfRange;
  if (m_rewrite->Failed()) {
    EndCalculationRewrite(ConversionPhase::Failed);
    return false;
  }
  ++m_progress.done;
  m_progress.lastCount = m_state.NumberCount;
  return true;
}

std::size_t ConversionRun::StepFor(std::chrono::steady_clock::duration budget) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  std::size_t converted = 0;
  while (Step()) {
    ++converted;
    if (std::chrono::steady_clock::now() >= deadline) break;
  }
  return converted;
}

bool ConversionRun::EndCalculationRewrite(ConversionPhase phaseOnSuccess) {
  // The users that did not take a calculation stay, in their order, behind the records written so far.
  while (const std::uint8_t* user = NextUserRecord()) m_rewrite->Write(UserOnlyRecord(AsRecord(user)));
  const bool stored = m_rewrite->End();
  m_rewrite.reset();
  m_source.Close();
  m_phase = stored ? phaseOnSuccess : ConversionPhase::Failed;
  if (stored && m_progress.outOfRange > 0)
    Tell(m_target.messages, MessageKind::Warning, str::kConvertValuesOutOfRange,
         Format(str::kConvertValuesOutOfRange, {std::to_string(m_progress.outOfRange)}));
  return stored;
}

bool ConversionRun::AskCancel() {
  if (m_phase != ConversionPhase::Calculations && m_phase != ConversionPhase::Companies) return true;
  const Answer answer = m_target.messages.Show(Message{MessageKind::Warning,
                                                       str::kConvertCancelQuestion.id,
                                                       Tr(str::kConvertCancelQuestion),
                                                       {Answer::Yes, Answer::No, Answer::Cancel}});
  if (answer != Answer::Yes) return false;
  if (m_phase == ConversionPhase::Calculations)
    EndCalculationRewrite(ConversionPhase::Cancelled);
  else
    m_phase = ConversionPhase::Cancelled;
  return true;
}

bool ConversionRun::StoreCompanies() {
  if (m_phase != ConversionPhase::Companies) return false;
  if (m_request.companiesFile.empty()) {
    m_phase = ConversionPhase::Finished;
    return true;
  }
  const std::vector<std::string>& names = m_request.allCompanies ? m_companies.Names() : m_companyList;
  if (!names.empty() && !StoreCompanyNames(names)) {
    m_phase = ConversionPhase::Failed;
    return false;
  }
  m_companiesStored = names.size();
  Tell(m_target.messages, MessageKind::Information, str::kConvertDone);
  m_phase = ConversionPhase::Finished;
  return true;
}

bool ConversionRun::StoreCompanyNames(const std::vector<std::string>& names) {
  SafeRewrite rewrite(m_target);
  if (!rewrite.Begin()) return false;
  std::size_t next = 0;
  const SlotLayout company = LayoutOf(Slot::Company);
  while (const std::uint8_t* bytes = rewrite.NextRecord()) {
    const RecordView record = AsRecord(bytes);
    if (next == names.size() || SlotInUse(record, Slot::Company)) {
      rewrite.Keep();
      continue;
    }
    DatabaseRecord changed;
    std::copy(record.begin(), record.end(), changed.begin());
    const auto slot = CompanySlot(names[next++]);
    std::copy(slot.begin(), slot.end(), changed.begin() + company.offset);
    changed[company.flagOffset] = 1;
    rewrite.Write(changed);
  }
  for (; next < names.size(); ++next) rewrite.Write(RecordWithSlot(Slot::Company, CompanySlot(names[next])));
  return rewrite.End();
}

}  // namespace pramo
