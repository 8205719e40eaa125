#include "storage/DatabaseFile.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "core/CalculationBlockCodec.h"
#include "core/CalculationFields.h"
#include "strings/storage.h"

namespace pramo {
namespace {

constexpr std::size_t kOutputChunk = 1 << 20;

// Opens the database for reading. While a live writer has it away, waits for it to come back.
OpenedFile OpenForScan(DatabaseAccess& db) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(db.lockPolicy.waitSeconds);
  for (;;) {
    OpenedFile opened = db.fs.OpenForReading(db.paths.database);
    if (opened.file || opened.status != IoStatus::NotFound || std::chrono::steady_clock::now() >= deadline ||
        !LockHeldByLiveWriter(db.fs, db.paths.lock, db.lockPolicy))
      return opened;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void TellScanFailure(Messages& messages, IoStatus status) {
  Tell(messages, MessageKind::Error,
       status == IoStatus::ReadFailure ? str::kDatabaseReadFailure : str::kDatabaseAccessFailure);
}

const Text& RewriteFailureText(IoStatus status) {
  switch (status) {
    case IoStatus::ReadFailure:
      return str::kReadFailureNotSaved;
    case IoStatus::WriteFailure:
      return str::kWriteFailureNotSaved;
    default:
      return str::kAccessFailureNotSaved;
  }
}

std::string NumberPrefix(const std::string& numberText) {
  return numberText.substr(0, numberText.find('-'));
}

struct FoundCalculation {
  CalculationBlock block{};
  std::uint8_t highestIndex = 0;
};

// The first calculation whose number text (in the form of its tag) is the wanted one, and the highest
// index stored anywhere in the file under its installation number and running count.
std::optional<FoundCalculation> FindCalculation(DatabaseAccess& db, const std::string& numberText) {
  std::optional<FoundCalculation> found;
  CalculationNumber foundNumber;
  std::vector<CalculationNumber> earlierOfSameCount;
  const std::string prefix = NumberPrefix(numberText);
  const ScanResult scan = ScanDatabase(db, [&](RecordView record) {
    if (!SlotInUse(record, Slot::Calculation)) return true;
    const CalculationNumber number = NumberOfBlock(record);
    if (found) {
      if (number.installation == foundNumber.installation && number.count == foundNumber.count)
        found->highestIndex = std::max(found->highestIndex, number.index);
      return true;
    }
    const std::string text = NumberText(BlockVersionTag(record), number);
    if (text == numberText) {
      found.emplace();
      std::copy_n(record.begin(), kBlockSize, found->block.begin());
      foundNumber = number;
      found->highestIndex = number.index;
      for (const CalculationNumber& earlier : earlierOfSameCount)
        if (earlier.installation == number.installation && earlier.count == number.count)
          found->highestIndex = std::max(found->highestIndex, earlier.index);
    } else if (NumberPrefix(text) == prefix) {
      earlierOfSameCount.push_back(number);
    }
    return true;
  });
  if (!scan.ok) return std::nullopt;
  if (!found)
    Tell(db.messages, MessageKind::Error, str::kCalculationNotFound,
         Format(str::kCalculationNotFound, {numberText}));
  return found;
}

// Creates a database file that holds one record, through the temporary file, so that the database path
// never shows a partial file.
bool CreateDatabaseWith(DatabaseAccess& db, const DatabaseRecord& record) {
  auto lock = WriterLock::Acquire(db.fs, db.paths.lock, db.lockPolicy);
  if (!lock) {
    Tell(db.messages, MessageKind::Error, str::kCannotCreateWorkingFile);
    return false;
  }
  OpenedFile created = db.fs.Create(db.paths.temporary, false);
  IoStatus status = created.status;
  if (created.file) {
    status = created.file->Write(record);
    if (status == IoStatus::Ok) status = created.file->Sync();
    const IoStatus closed = created.file->Close();
    if (status == IoStatus::Ok) status = closed;
    if (status == IoStatus::Ok && db.fs.Exists(db.paths.database)) status = IoStatus::AlreadyExists;
    if (status == IoStatus::Ok) status = db.fs.Rename(db.paths.temporary, db.paths.database);
    if (status == IoStatus::Ok) status = db.fs.SyncDirectory(FolderOf(db.paths.database));
  }
  if (status == IoStatus::Ok) return true;
  db.fs.Remove(db.paths.temporary);
  Tell(db.messages, MessageKind::Error,
       status == IoStatus::NotFound || status == IoStatus::AlreadyExists ? str::kAccessFailureNotSaved
                                                                         : RewriteFailureText(status));
  return false;
}

}  // namespace

DatabasePaths PathsOf(const std::string& databasePath) {
  return {databasePath, WithExtension(databasePath, ".bak"), WithExtension(databasePath, ".lck"),
          WithExtension(databasePath, ".tmp")};
}

ScanResult ScanDatabase(DatabaseAccess& db, const std::function<bool(RecordView)>& visit) {
  ScanResult result;
  OpenedFile opened = OpenForScan(db);
  if (!opened.file) {
    TellScanFailure(db.messages, opened.status);
    return result;
  }
  RecordReader reader(*opened.file);
  while (const std::uint8_t* record = reader.Next()) {
    ++result.records;
    if (!visit(AsRecord(record))) break;
  }
  IoStatus status = reader.Status();
  const IoStatus closed = opened.file->Close();
  if (status == IoStatus::Ok && closed != IoStatus::Ok) status = IoStatus::OtherFailure;
  if (status != IoStatus::Ok) {
    TellScanFailure(db.messages, status);
    return result;
  }
  result.trailingBytes = reader.TrailingBytes();
  result.ok = true;
  return result;
}

SafeRewrite::~SafeRewrite() {
  Abandon();
}

bool SafeRewrite::Begin() {
  m_lock = WriterLock::Acquire(m_db.fs, m_db.paths.lock, m_db.lockPolicy);
  if (!m_lock) {
    Tell(m_db.messages, MessageKind::Error, str::kCannotCreateWorkingFile);
    return false;
  }
  if (!m_db.fs.Exists(m_db.paths.database)) {
    m_lock.reset();
    Tell(m_db.messages, MessageKind::Error, str::kDatabaseNotFoundNotSaved);
    return false;
  }
  // A file that ends in a partial record cannot be rewritten without either dropping those bytes or
  // misaligning every record appended behind them; it is left for the administrator.
  if (const auto size = m_db.fs.FileSize(m_db.paths.database); size && *size % kRecordSize != 0) {
    m_lock.reset();
    Tell(m_db.messages, MessageKind::Error, str::kIncompleteLastRecordNotSaved);
    return false;
  }
  if (m_db.fs.Rename(m_db.paths.database, m_db.paths.backup) != IoStatus::Ok) {
    m_lock.reset();
    Tell(m_db.messages, MessageKind::Error, str::kCannotCreateWorkingFile);
    return false;
  }
  m_begun = true;
  m_status = IoStatus::Ok;
  m_keptLength = 0;
  m_input = m_db.fs.OpenForReading(m_db.paths.backup);
  if (!m_input.file)
    Fail(m_input.status == IoStatus::ReadFailure ? IoStatus::ReadFailure : IoStatus::OtherFailure);
  m_output = m_db.fs.Create(m_db.paths.temporary, false);
  if (!m_output.file) Fail(IoStatus::WriteFailure);
  if (m_input.file) m_reader.emplace(*m_input.file);
  m_pending.reserve(kOutputChunk + kRecordSize);
  return true;
}

const std::uint8_t* SafeRewrite::NextRecord() {
  if (!m_begun || m_status != IoStatus::Ok || !m_reader) return nullptr;
  const std::uint8_t* record = m_reader->Next();
  if (!record && (m_reader->Status() != IoStatus::Ok || m_reader->TrailingBytes() != 0))
    Fail(IoStatus::ReadFailure);
  return record;
}

void SafeRewrite::Keep() {
  if (!m_begun || m_status != IoStatus::Ok || !m_reader) return;
  FlushOutput();
  const std::uint64_t offset = m_reader->LastOffset();
  if (m_keptLength > 0 && m_keptFrom + m_keptLength != offset) FlushKept();
  if (m_keptLength == 0) m_keptFrom = offset;
  m_keptLength += kRecordSize;
}

void SafeRewrite::FlushKept() {
  if (m_status == IoStatus::Ok && m_keptLength > 0 && m_output.file) {
    const IoStatus copied = m_db.fs.CopyRange(*m_input.file, m_keptFrom, m_keptLength, *m_output.file);
    if (copied != IoStatus::Ok)
      Fail(copied == IoStatus::ReadFailure ? IoStatus::ReadFailure : IoStatus::WriteFailure);
  }
  m_keptLength = 0;
}

void SafeRewrite::Write(std::span<const std::uint8_t> record) {
  if (!m_begun || m_status != IoStatus::Ok) return;
  FlushKept();
  m_pending.insert(m_pending.end(), record.begin(), record.end());
  if (m_pending.size() >= kOutputChunk) FlushOutput();
}

void SafeRewrite::FlushOutput() {
  if (m_status == IoStatus::Ok && m_output.file && !m_pending.empty() &&
      m_output.file->Write(m_pending) != IoStatus::Ok)
    Fail(IoStatus::WriteFailure);
  m_pending.clear();
}

void SafeRewrite::Fail(IoStatus status) {
  if (m_status == IoStatus::Ok) m_status = status;
}

void SafeRewrite::CloseFiles() {
  if (m_output.file) {
    if (m_output.file->Close() != IoStatus::Ok) Fail(IoStatus::WriteFailure);
    m_output.file.reset();
  }
  m_reader.reset();
  if (m_input.file) {
    if (m_input.file->Close() != IoStatus::Ok) Fail(IoStatus::OtherFailure);
    m_input.file.reset();
  }
}

bool SafeRewrite::RestoreBackup() {
  m_db.fs.Remove(m_db.paths.temporary);
  if (m_db.fs.Rename(m_db.paths.backup, m_db.paths.database) != IoStatus::Ok) {
    Tell(m_db.messages, MessageKind::Error, str::kRestoreFailed);
    return false;
  }
  m_db.fs.SyncDirectory(FolderOf(m_db.paths.database));
  return true;
}

bool SafeRewrite::End() {
  if (!m_begun) return false;
  FlushKept();
  FlushOutput();
  if (m_status == IoStatus::Ok && m_output.file && m_output.file->Sync() != IoStatus::Ok)
    Fail(IoStatus::WriteFailure);
  CloseFiles();
  if (m_status == IoStatus::Ok && m_db.fs.Rename(m_db.paths.temporary, m_db.paths.database) != IoStatus::Ok)
    Fail(IoStatus::OtherFailure);
  if (m_status == IoStatus::Ok && m_db.fs.SyncDirectory(FolderOf(m_db.paths.database)) != IoStatus::Ok)
    Fail(IoStatus::WriteFailure);
  m_begun = false;
  if (m_status != IoStatus::Ok) {
    Tell(m_db.messages, MessageKind::Error, RewriteFailureText(m_status));
    RestoreBackup();
  }
  m_lock.reset();
  return m_status == IoStatus::Ok;
}

void SafeRewrite::Abandon() {
  if (!m_begun) return;
  m_begun = false;
  m_pending.clear();
  m_keptLength = 0;
  CloseFiles();
  RestoreBackup();
  m_lock.reset();
}

SaveOutcome SaveCalculation(DatabaseAccess& db, const CalculationState& state, SaveMode mode) {
  const CalculationBlock copy = EncodeBlock(state);
  const CalculationNumber number = NumberOfBlock(copy);
  const DatabaseRecord copyRecord = RecordWithSlot(Slot::Calculation, copy);

  SafeRewrite rewrite(db);
  if (!rewrite.Begin()) return SaveOutcome::Failed;
  bool stored = false;
  bool conflict = false;
  while (const std::uint8_t* bytes = rewrite.NextRecord()) {
    const RecordView record = AsRecord(bytes);
    if (SlotInUse(record, Slot::Calculation)) {
      const CalculationNumber other = NumberOfBlock(record);
      // A new number must lie above every stored one; installation numbers are not compared, so that
      // running counts stay unique within a database.
      conflict = mode == SaveMode::NextIndex ? other == number
                                             : other.count >= number.count && other.index >= number.index;
      if (conflict) break;
      if (!stored && mode == SaveMode::NextIndex && other.installation == number.installation &&
          other.count == number.count && other.index + 1 == number.index) {
        rewrite.Keep();
        rewrite.Write(copyRecord);
        stored = true;
        continue;
      }
    } else if (!stored && mode == SaveMode::NewNumber) {
      DatabaseRecord changed;
      std::copy(record.begin(), record.end(), changed.begin());
      std::copy(copy.begin(), copy.end(), changed.begin());
      changed[record_offset::kCalculationFlag] = 1;
      rewrite.Write(changed);
      stored = true;
      continue;
    }
    rewrite.Keep();
  }
  if (conflict) {
    rewrite.Abandon();
    Tell(db.messages, MessageKind::Warning, str::kNumberConflict);
    return SaveOutcome::Conflict;
  }
  if (!stored) rewrite.Write(copyRecord);
  return rewrite.End() ? SaveOutcome::Stored : SaveOutcome::Failed;
}

namespace {

// The calculation found by its number, when its block holds only values its fields may hold; a damaged
// one is refused, naming its number and the field.
std::optional<std::pair<FoundCalculation, CalculationState>> FindSoundCalculation(
    DatabaseAccess& db, const std::string& numberText) {
  auto found = FindCalculation(db, numberText);
  if (!found) return std::nullopt;
  CalculationState state = DecodeBlock(found->block);
  if (const auto fault = FieldOutOfRange(state)) {
    Tell(db.messages, MessageKind::Error, str::kCalculationDamaged,
         Format(str::kCalculationDamaged, {numberText, *fault}));
    return std::nullopt;
  }
  return std::pair{std::move(*found), std::move(state)};
}

}  // namespace

std::optional<LoadedCalculation> LoadCalculation(DatabaseAccess& db, const std::string& numberText,
                                                 const WorkingSettings* compareWith) {
  auto found = FindSoundCalculation(db, numberText);
  if (!found) return std::nullopt;
  LoadedCalculation loaded{std::move(found->second), found->first.highestIndex};
  if (compareWith && DiffersFromWorkingSettings(loaded.state, *compareWith))
    Tell(db.messages, MessageKind::Warning, str::kSettingsDiffer);
  return loaded;
}

std::optional<CalculationBlock> StoredBlock(DatabaseAccess& db, const std::string& numberText) {
  const auto found = FindSoundCalculation(db, numberText);
  if (!found) return std::nullopt;
  return found->first.block;
}

bool AddToFirstFreeSlot(DatabaseAccess& db, Slot slot, std::span<const std::uint8_t> content,
                        bool createDatabase) {
  if (createDatabase && !db.fs.Exists(db.paths.database) && !db.fs.Exists(db.paths.backup))
    return CreateDatabaseWith(db, RecordWithSlot(slot, content));
  const SlotLayout layout = LayoutOf(slot);
  SafeRewrite rewrite(db);
  if (!rewrite.Begin()) return false;
  bool stored = false;
  while (const std::uint8_t* bytes = rewrite.NextRecord()) {
    const RecordView record = AsRecord(bytes);
    if (stored || SlotInUse(record, slot)) {
      rewrite.Keep();
      continue;
    }
    DatabaseRecord changed;
    std::copy(record.begin(), record.end(), changed.begin());
    std::copy_n(content.begin(), std::min(content.size(), layout.size), changed.begin() + layout.offset);
    changed[layout.flagOffset] = 1;
    rewrite.Write(changed);
    stored = true;
  }
  if (!stored) rewrite.Write(RecordWithSlot(slot, content));
  return rewrite.End();
}

bool ChangeRecords(DatabaseAccess& db,
                   const std::function<void(std::span<std::uint8_t, kRecordSize>)>& change) {
  SafeRewrite rewrite(db);
  if (!rewrite.Begin()) return false;
  DatabaseRecord record;
  while (const std::uint8_t* bytes = rewrite.NextRecord()) {
    std::copy_n(bytes, kRecordSize, record.begin());
    change(record);
    if (std::equal(record.begin(), record.end(), bytes))
      rewrite.Keep();
    else
      rewrite.Write(record);
  }
  return rewrite.End();
}

bool RecoverDatabase(DatabaseAccess& db) {
  FileSystem& fs = db.fs;
  const bool missing = !fs.Exists(db.paths.database);
  if (!missing && !fs.Exists(db.paths.temporary) && !fs.Exists(db.paths.lock)) return true;
  if (LockHeldByLiveWriter(fs, db.paths.lock, db.lockPolicy)) return !missing;
  auto lock = WriterLock::Acquire(fs, db.paths.lock, db.lockPolicy);
  if (!lock) return !missing;
  if (!fs.Exists(db.paths.database) && fs.Exists(db.paths.backup)) {
    if (fs.Rename(db.paths.backup, db.paths.database) == IoStatus::Ok) {
      fs.SyncDirectory(FolderOf(db.paths.database));
      Tell(db.messages, MessageKind::Warning, str::kDatabaseRestored,
           Format(str::kDatabaseRestored, {db.paths.backup}));
    } else {
      Tell(db.messages, MessageKind::Error, str::kRestoreFailed);
    }
  }
  if (fs.Exists(db.paths.temporary)) fs.Remove(db.paths.temporary);
  return fs.Exists(db.paths.database);
}

DatabaseCheck CheckDatabase(DatabaseAccess& db) {
  DatabaseCheck check;
  std::set<std::string> numbers;
  struct StoredString {
    std::size_t offset, capacity;
  };
  constexpr StoredString kBlockStrings[] = {{0, 6}, {9, 20}, {327, 40}, {829, 25}, {855, 50}, {906, 40}};
  const ScanResult scan = ScanDatabase(db, [&](RecordView record) {
    const std::string position = std::to_string(check.records + 1);
    ++check.records;
    auto problem = [&](const Text& text, std::initializer_list<std::string> args) {
      check.problems.push_back(Format(text, args));
    };
    const std::string tag = BlockVersionTag(record);
    if (!IsKnownVersionTag(tag)) problem(str::kCheckUnknownTag, {position});
    for (const Slot slot : {Slot::Calculation, Slot::User, Slot::Company}) {
      const std::size_t flag = LayoutOf(slot).flagOffset;
      if (record[flag] > 1)
        problem(str::kCheckBadFlag, {position, std::to_string(flag), std::to_string(record[flag])});
    }
    auto checkLength = [&](std::size_t offset, std::size_t capacity) {
      if (record[offset] > capacity) problem(str::kCheckBadLength, {position, std::to_string(offset)});
    };
    if (SlotInUse(record, Slot::Calculation)) {
      ++check.calculations;
      for (const auto& s : kBlockStrings) checkLength(s.offset, s.capacity);
      const CalculationNumber number = NumberOfBlock(record);
      if (IsKnownVersionTag(tag)) {
        const std::string text = NumberText(tag, number);
        if (number.count > 99999 || number.index > 99) problem(str::kCheckNumberRange, {position, text});
        if (!numbers.insert(text).second) problem(str::kCheckDuplicateNumber, {position, text});
        check.highestRunningCount = std::max(check.highestRunningCount, number.count);
      }
    } else {
      ++check.freeCalculationSlots;
    }
    if (SlotInUse(record, Slot::User)) {
      ++check.users;
      checkLength(record_offset::kUserLogin, 25);
      checkLength(record_offset::kUserFullName, 25);
    } else {
      ++check.freeUserSlots;
    }
    if (SlotInUse(record, Slot::Company)) {
      ++check.companies;
      checkLength(record_offset::kCompany, 50);
    } else {
      ++check.freeCompanySlots;
    }
    return true;
  });
  check.readable = scan.ok;
  check.trailingBytes = scan.trailingBytes;
  if (!scan.ok) check.problems.push_back(Tr(str::kCheckUnreadable));
  if (scan.trailingBytes)
    check.problems.push_back(Format(str::kCheckTrailingBytes, {std::to_string(scan.trailingBytes)}));
  return check;
}

}  // namespace pramo
