#include "storage/DatabaseFile.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <sstream>
#include <thread>

#include "core/CalculationBlockCodec.h"
#include "core/CalculationFields.h"
#include "strings/storage.h"

namespace pramo {
namespace {

constexpr std::size_t kOutputChunk = 1 << 20;

constexpr std::size_t kMaxJournalSize = 4096;
constexpr const char* kJournalHeader = "pramo-rewrite 1";
// Instances that keep no lock have the file away only for the instant between their rename and create.
constexpr double kUnlockedWriterSeconds = 0.2;

std::string NameIn(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A file of that name in the folder of `path`, written as `path` writes its folder.
std::string Beside(const std::string& path, const std::string& name) {
  return path.substr(0, path.size() - NameIn(path).size()) + name;
}

// The journal of a rewrite in progress: which file the database was when it was taken away (the backup
// must still be that file to be put back) and which file holds the new content.
struct Journal {
  FileInfo database;
  std::string temporaryName;  // in the database's folder
  FileInfo temporary;
};

std::string JournalText(const Journal& journal) {
  std::ostringstream text;
  text << kJournalHeader << "\ndatabase=" << journal.database.device << ' ' << journal.database.inode << ' '
       << journal.database.size << "\ntemporary=" << journal.temporary.device << ' '
       << journal.temporary.inode << ' ' << journal.temporaryName << "\n";
  return text.str();
}

std::optional<Journal> ParseJournal(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kJournalHeader) return std::nullopt;
  Journal journal;
  bool database = false, temporary = false;
  while (std::getline(in, line)) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::istringstream value(line.substr(equals + 1));
    const std::string key = line.substr(0, equals);
    if (key == "database")
      database = static_cast<bool>(value >> journal.database.device >> journal.database.inode >>
                                   journal.database.size);
    if (key == "temporary" && value >> journal.temporary.device >> journal.temporary.inode) {
      value.get();
      std::getline(value, journal.temporaryName);
      temporary = !journal.temporaryName.empty() && journal.temporaryName.find('/') == std::string::npos;
    }
  }
  if (!database || !temporary) return std::nullopt;
  return journal;
}

IoStatus WriteJournal(DatabaseAccess& db, const Journal& journal) {
  OpenedFile created = db.fs.Create(db.paths.journal, NewFile::Shared);
  if (!created.file) return created.status;
  const std::string text = JournalText(journal);
  IoStatus status =
      created.file->Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  // Durable before the database is taken away, or a power cut could leave the backup unexplained.
  if (status == IoStatus::Ok) status = created.file->Sync();
  const IoStatus closed = created.file->Close();
  if (status == IoStatus::Ok) status = closed;
  if (status == IoStatus::Ok) status = db.fs.SyncDirectory(FolderOf(db.paths.database));
  if (status != IoStatus::Ok) db.fs.Remove(db.paths.journal);
  return status;
}

bool PutBackupInPlace(DatabaseAccess& db) {
  if (db.fs.Rename(db.paths.backup, db.paths.database) != IoStatus::Ok) {
    Tell(db.messages, MessageKind::Error, str::kRestoreFailed);
    return false;
  }
  db.fs.SyncDirectory(FolderOf(db.paths.database));
  Tell(db.messages, MessageKind::Warning, str::kDatabaseRestored,
       Format(str::kDatabaseRestored, {db.paths.backup}));
  return true;
}

// Under the writer lock: finishes what an interrupted rewrite left. With its journal, the backup goes back
// when it is the file the rewrite took away and the database path is empty; the new content's file goes.
// An older writer's abandoned lock (no journal) with the database away: its backup goes back, and its
// temporary file.
void FinishInterruptedRewrite(DatabaseAccess& db, bool abandonedByOlderWriter) {
  FileSystem& fs = db.fs;
  // New contents and locks of writers killed before their journal named them.
  for (const std::string& name : fs.FileNames(FolderOf(db.paths.database))) {
    const std::string path = Beside(db.paths.database, name);
    if (LeftByGoneProcess(path, db.paths.temporary) || LeftByGoneProcess(path, db.paths.lock))
      if (const auto info = fs.Inspect(path); info && info->regular) fs.Remove(path);
  }
  const bool present = fs.Inspect(db.paths.database).has_value();
  const auto backup = fs.Inspect(db.paths.backup);
  if (const auto journalFile = fs.Inspect(db.paths.journal)) {
    if (!journalFile->regular) return;  // not a journal: something planted, left alone
    const FileContent content = ReadFileContent(fs, db.paths.journal, kMaxJournalSize, Links::Refuse);
    const auto journal = ParseJournal(std::string(content.bytes.begin(), content.bytes.end()));
    if (journal) {
      if (!present && backup && backup->regular && backup->SameFile(journal->database) &&
          backup->size == journal->database.size && !PutBackupInPlace(db))
        return;  // the journal stays, for the next attempt
      RemoveIfSame(fs, Beside(db.paths.database, journal->temporaryName), journal->temporary);
    }
    // A journal cut short was written by a writer that died before taking the database away.
    RemoveIfSame(fs, db.paths.journal, *journalFile);
    return;
  }
  if (!abandonedByOlderWriter || present || !backup || !backup->regular) return;
  if (!PutBackupInPlace(db)) return;
  if (const auto temporary = fs.Inspect(db.paths.temporary); temporary && temporary->regular)
    fs.Remove(db.paths.temporary);
}

// Opens the database for reading. While a live writer has it away, waits for it to come back.
OpenedFile OpenForScan(DatabaseAccess& db, bool& busy) {
  const auto start = std::chrono::steady_clock::now();
  const auto deadline = start + std::chrono::duration<double>(db.lockPolicy.waitSeconds);
  const auto unlockedDeadline = start + std::chrono::duration<double>(kUnlockedWriterSeconds);
  for (;;) {
    OpenedFile opened = db.fs.OpenForReading(db.paths.database);
    if (opened.file || opened.status != IoStatus::NotFound) return opened;
    busy = LockHeldByLiveWriter(db.fs, db.paths.lock, db.lockPolicy);
    if (!busy) {
      // The writer may have put the file back and let go of the lock between the two looks.
      opened = db.fs.OpenForReading(db.paths.database);
      if (opened.file || opened.status != IoStatus::NotFound) return opened;
      busy = LockHeldByLiveWriter(db.fs, db.paths.lock, db.lockPolicy);
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline || (!busy && now >= unlockedDeadline)) return opened;
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

// Tells why the writer lock could not be had: another writer still at work, or the folder refusing it.
void TellLockRefused(DatabaseAccess& db) {
  Tell(db.messages, MessageKind::Error,
       LockHeldByLiveWriter(db.fs, db.paths.lock, db.lockPolicy) ? str::kDatabaseBusyNotSaved
                                                                 : str::kCannotCreateWorkingFile);
}

// Creates a database file that holds one record. It is written in full under a name of its own and then
// linked under the database path, which fails when a file of that name appeared meanwhile.
bool CreateDatabaseWith(DatabaseAccess& db, const DatabaseRecord& record) {
  bool abandonedByOlderWriter = false;
  auto lock = WriterLock::Acquire(db.fs, db.paths.lock, db.lockPolicy, &abandonedByOlderWriter);
  if (!lock) {
    TellLockRefused(db);
    return false;
  }
  FinishInterruptedRewrite(db, abandonedByOlderWriter);
  std::string temporary;
  OpenedFile created = CreateBeside(db.fs, db.paths.temporary, "", NewFile::Shared, temporary);
  IoStatus status = created.status;
  if (created.file) {
    status = created.file->Write(record);
    if (status == IoStatus::Ok) status = created.file->Sync();
    const IoStatus closed = created.file->Close();
    if (status == IoStatus::Ok) status = closed;
    if (status == IoStatus::Ok) {
      status = db.fs.Link(temporary, db.paths.database);
      // A file system without links: the lock keeps other writers of this program out.
      if (status == IoStatus::OtherFailure)
        status = db.fs.Inspect(db.paths.database) ? IoStatus::AlreadyExists
                                                  : db.fs.Rename(temporary, db.paths.database);
    }
    if (status == IoStatus::Ok) status = db.fs.SyncDirectory(FolderOf(db.paths.database));
    if (const auto info = db.fs.Inspect(temporary)) RemoveIfSame(db.fs, temporary, *info);
  }
  if (status == IoStatus::Ok) return true;
  Tell(db.messages, MessageKind::Error,
       status == IoStatus::NotFound || status == IoStatus::AlreadyExists ? str::kAccessFailureNotSaved
                                                                         : RewriteFailureText(status));
  return false;
}

}  // namespace

DatabasePaths PathsOf(const std::string& databasePath) {
  constexpr const char* kExtensions[] = {".bak", ".lck", ".tmp", ".jrn"};
  bool appended = false;
  for (const char* extension : kExtensions)
    appended = appended || WithExtension(databasePath, extension) == databasePath;
  auto beside = [&](const char* extension) {
    return appended ? databasePath + extension : WithExtension(databasePath, extension);
  };
  return {databasePath, beside(".bak"), beside(".lck"), beside(".tmp"), beside(".jrn")};
}

ScanResult ScanDatabase(DatabaseAccess& db, const std::function<bool(RecordView)>& visit) {
  ScanResult result;
  RecoverDatabase(db);
  bool busy = false;
  OpenedFile opened = OpenForScan(db, busy);
  if (!opened.file) {
    if (opened.status == IoStatus::NotFound)
      Tell(db.messages, MessageKind::Error, busy ? str::kDatabaseBusy : str::kDatabaseFileMissing);
    else
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
  bool abandonedByOlderWriter = false;
  m_lock = WriterLock::Acquire(m_db.fs, m_db.paths.lock, m_db.lockPolicy, &abandonedByOlderWriter);
  if (!m_lock) {
    TellLockRefused(m_db);
    return false;
  }
  FinishInterruptedRewrite(m_db, abandonedByOlderWriter);
  auto refuse = [&](const Text& text) {
    if (m_output.file) m_output.file->Close();
    m_output.file.reset();
    if (!m_temporaryPath.empty()) RemoveIfSame(m_db.fs, m_temporaryPath, m_temporary);
    m_lock.reset();
    Tell(m_db.messages, MessageKind::Error, text);
    return false;
  };
  const auto database = m_db.fs.Inspect(m_db.paths.database);
  if (!database) return refuse(str::kDatabaseNotFoundNotSaved);
  // A link (or anything else) under the database's name is not rewritten: the new file would replace it.
  if (!database->regular) return refuse(str::kCannotCreateWorkingFile);
  // A file that ends in a partial record cannot be rewritten without either dropping those bytes or
  // misaligning every record appended behind them; it is left for the administrator.
  if (database->size % kRecordSize != 0) return refuse(str::kIncompleteLastRecordNotSaved);
  m_database = *database;
  m_temporaryPath.clear();
  m_output = CreateBeside(m_db.fs, m_db.paths.temporary, "", NewFile::Private, m_temporaryPath);
  const auto temporary = m_output.file ? m_db.fs.Inspect(m_temporaryPath) : std::nullopt;
  if (!temporary) return refuse(str::kCannotCreateWorkingFile);
  m_temporary = *temporary;
  // The database keeps its permissions: a file its administrator restricted stays restricted.
  m_output.file->TakePermissions(m_database);
  if (WriteJournal(m_db, {m_database, NameIn(m_temporaryPath), m_temporary}) != IoStatus::Ok)
    return refuse(str::kCannotCreateWorkingFile);
  if (m_db.fs.Rename(m_db.paths.database, m_db.paths.backup) != IoStatus::Ok) {
    m_db.fs.Remove(m_db.paths.journal);
    return refuse(str::kCannotCreateWorkingFile);
  }
  m_begun = true;
  m_status = IoStatus::Ok;
  m_invalidFormat = false;
  m_keptLength = 0;
  m_input = m_db.fs.OpenForReading(m_db.paths.backup, Links::Refuse);
  if (!m_input.file)
    Fail(m_input.status == IoStatus::ReadFailure ? IoStatus::ReadFailure : IoStatus::OtherFailure);
  if (m_input.file) m_reader.emplace(*m_input.file);
  m_pending.reserve(kOutputChunk + kRecordSize);
  return true;
}

void SafeRewrite::CheckFormat(const std::uint8_t* record) {
  if (record && !IsKnownVersionTag(BlockVersionTag(AsRecord(record)))) {
    m_invalidFormat = true;
    Fail(IoStatus::ReadFailure);
  }
}

const std::uint8_t* SafeRewrite::NextRecord() {
  if (!m_begun || m_status != IoStatus::Ok || !m_reader) return nullptr;
  const std::uint8_t* record = m_reader->Next();
  if (!record && (m_reader->Status() != IoStatus::Ok || m_reader->TrailingBytes() != 0))
    Fail(IoStatus::ReadFailure);
  CheckFormat(record);
  return m_status == IoStatus::Ok ? record : nullptr;
}

bool SafeRewrite::ScanPrevious(const std::function<void(RecordView)>& visit) {
  if (!m_begun || m_status != IoStatus::Ok) return false;
  OpenedFile previous = m_db.fs.OpenForReading(m_db.paths.backup, Links::Refuse);
  if (!previous.file) {
    Fail(IoStatus::ReadFailure);
    return false;
  }
  RecordReader reader(*previous.file);
  while (const std::uint8_t* record = reader.Next()) {
    CheckFormat(record);
    if (m_status != IoStatus::Ok) break;
    visit(AsRecord(record));
  }
  if (reader.Status() != IoStatus::Ok || previous.file->Close() != IoStatus::Ok) Fail(IoStatus::ReadFailure);
  return m_status == IoStatus::Ok;
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
  RemoveIfSame(m_db.fs, m_temporaryPath, m_temporary);
  // Only the file taken away goes back: whatever was put under the backup's name meanwhile does not
  // become the database.
  const auto backup = m_db.fs.Inspect(m_db.paths.backup);
  if (!backup || !backup->SameFile(m_database) ||
      m_db.fs.Rename(m_db.paths.backup, m_db.paths.database) != IoStatus::Ok) {
    Tell(m_db.messages, MessageKind::Error, str::kRestoreFailed);
    return false;
  }
  m_db.fs.SyncDirectory(FolderOf(m_db.paths.database));
  m_db.fs.Remove(m_db.paths.journal);
  return true;
}

bool SafeRewrite::End() {
  if (!m_begun) return false;
  FlushKept();
  FlushOutput();
  if (m_status == IoStatus::Ok && m_output.file && m_output.file->Sync() != IoStatus::Ok)
    Fail(IoStatus::WriteFailure);
  CloseFiles();
  if (m_status == IoStatus::Ok && m_db.fs.Rename(m_temporaryPath, m_db.paths.database) != IoStatus::Ok)
    Fail(IoStatus::OtherFailure);
  if (m_status == IoStatus::Ok && m_db.fs.SyncDirectory(FolderOf(m_db.paths.database)) != IoStatus::Ok)
    Fail(IoStatus::WriteFailure);
  m_begun = false;
  if (m_status != IoStatus::Ok) {
    Tell(m_db.messages, MessageKind::Error,
         m_invalidFormat ? str::kInvalidDatabase : RewriteFailureText(m_status));
    RestoreBackup();
  } else {
    m_db.fs.Remove(m_db.paths.journal);
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
  if (m_invalidFormat) Tell(m_db.messages, MessageKind::Error, str::kInvalidDatabase);
  RestoreBackup();
  m_lock.reset();
}

bool NumberWithinLimits(const CalculationNumber& number) {
  return number.count <= kHighestRunningCount && number.index <= kHighestIndex;
}

bool RoomForNewNumber(std::uint32_t highestRunningCount, Messages& messages) {
  if (highestRunningCount < kHighestRunningCount) return true;
  Tell(messages, MessageKind::Error, str::kDatabaseFull);
  return false;
}

bool RoomForNextIndex(std::uint8_t highestIndex, Messages& messages) {
  if (highestIndex < kHighestIndex) return true;
  Tell(messages, MessageKind::Error, str::kIndexLimit);
  return false;
}

SaveOutcome SaveCalculation(DatabaseAccess& db, const CalculationState& state, SaveMode mode,
                            std::uint32_t* storedCount) {
  CalculationState numbered = state;
  SafeRewrite rewrite(db);
  if (!rewrite.Begin()) return SaveOutcome::Failed;
  if (mode == SaveMode::NextFreeNumber) {
    std::uint32_t highest = 0;
    const bool scanned = rewrite.ScanPrevious([&](RecordView record) {
      if (SlotInUse(record, Slot::Calculation)) highest = std::max(highest, NumberOfBlock(record).count);
    });
    if (!scanned) {
      rewrite.End();  // tells the failure and puts the database back
      return SaveOutcome::Failed;
    }
    if (!RoomForNewNumber(highest, db.messages)) {
      rewrite.Abandon();
      return SaveOutcome::Failed;
    }
    numbered.NumberCount = highest + 1;
    if (storedCount) *storedCount = numbered.NumberCount;
    mode = SaveMode::NewNumber;
  }
  const CalculationBlock copy = EncodeBlock(numbered);
  const CalculationNumber number = NumberOfBlock(copy);
  const DatabaseRecord copyRecord = RecordWithSlot(Slot::Calculation, copy);
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
  // An interrupted rewrite is put right first: its database comes back rather than a new one.
  if (createDatabase && !RecoverDatabase(db)) return CreateDatabaseWith(db, RecordWithSlot(slot, content));
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
  const bool present = fs.Inspect(db.paths.database).has_value();
  if (!fs.Inspect(db.paths.journal) && (present || !fs.Inspect(db.paths.lock))) return present;
  if (LockHeldByLiveWriter(fs, db.paths.lock, db.lockPolicy)) return present;
  bool abandonedByOlderWriter = false;
  auto lock = WriterLock::Acquire(fs, db.paths.lock, db.lockPolicy, &abandonedByOlderWriter);
  if (!lock) return present;
  FinishInterruptedRewrite(db, abandonedByOlderWriter);
  return fs.Inspect(db.paths.database).has_value();
}

void RecoverDatabasesIn(FileSystem& fs, const std::string& folder, Messages& messages) {
  const std::vector<std::string> names = fs.FileNames(folder);
  for (const std::string& name : names) {
    const bool journal = name.size() > 4 && name.compare(name.size() - 4, 4, ".jrn") == 0;
    const bool lock = name.size() > 4 && name.compare(name.size() - 4, 4, ".lck") == 0;
    if (!journal && !lock) continue;
    const std::string database = WithExtension(folder + "/" + name, ".flw");
    if (fs.Inspect(database)) continue;
    DatabaseAccess db{fs, PathsOf(database), messages};
    RecoverDatabase(db);
  }
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
        if (!NumberWithinLimits(number)) problem(str::kCheckNumberRange, {position, text});
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
