#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "storage/DatabaseRecord.h"
#include "storage/FileSystem.h"
#include "storage/WorkingSettings.h"
#include "storage/WriterLock.h"

namespace pramo {

// The open database: its file and the files that its rewrites use beside it. Each is the database's path
// with its extension replaced; for a database whose own extension is one of theirs (a file "x.bak" opened
// as a database) they are its whole path with the extension appended, so that none is ever the database.
struct DatabasePaths {
  std::string database;   // "*.flw"
  std::string backup;     // ".bak": the content before the latest change
  std::string lock;       // ".lck": held by the one writer at work
  std::string temporary;  // ".tmp": the start of the names of new contents while they are being written
  std::string journal;    // ".jrn": there while a rewrite has the database away (see SafeRewrite)
};
DatabasePaths PathsOf(const std::string& databasePath);

// Everything a database operation needs from its surroundings.
struct DatabaseAccess {
  FileSystem& fs;
  DatabasePaths paths;
  Messages& messages;
  LockPolicy lockPolicy{};
};

// The reading scan: hands every whole record to `visit` in file order until it returns false. Failures are
// told with the reading scan's messages. An interrupted rewrite is first put right (RecoverDatabase);
// while another instance rewrites the file (its lock is held and the file is away) the scan waits for it
// to come back, and tells a database that stays away as busy or as missing.
struct ScanResult {
  bool ok = false;
  std::uint64_t records = 0;
  std::size_t trailingBytes = 0;  // bytes after the last whole record
};
ScanResult ScanDatabase(DatabaseAccess& db, const std::function<bool(RecordView)>& visit);

// One rewrite of the whole database file. Begin() takes the writer lock and the file away to the backup;
// the caller reads the previous records with NextRecord() and passes each on unchanged with Keep() or
// writes new bytes with Write(); End() makes the new file durable and puts it in place, or restores the
// previous file on any failure. A record whose version tag is none of the four is a failure too: a
// database of an invalid format is never changed.
//
// The protocol, as other instances see it: the lock is taken; the new content's file is created under a
// name of this writer's own with the permission bits and group of the database; a journal notes which
// file the database is and which the new content's; the database is renamed to the backup (from here on
// the database path is missing, as older instances expect it during a change); the new content is
// written, synced and renamed to the database path; the journal goes, then the lock. A writer that dies
// between leaves the journal: only then is the backup the database taken away, and recovery puts it back.
class SafeRewrite {
 public:
  explicit SafeRewrite(DatabaseAccess& db) : m_db(db) {}
  SafeRewrite(const SafeRewrite&) = delete;
  ~SafeRewrite();  // a rewrite begun and not ended is abandoned

  bool Begin();
  const std::uint8_t* NextRecord();
  // Visits every previous record before the copy pass (read separately from it); false after a failure,
  // which then also ends the rewrite.
  bool ScanPrevious(const std::function<void(RecordView)>& visit);
  // Passes the record NextRecord() returned last into the new file as it is. Runs of kept records are
  // copied by the file system without passing through the program.
  void Keep();
  void Write(std::span<const std::uint8_t> record);
  bool End();
  // Stops without changing the database: the previous file goes back in place.
  void Abandon();
  // Whether a failure has ended the work: later records are dropped and End() restores the previous file.
  bool Failed() const { return m_status != IoStatus::Ok; }

 private:
  void Fail(IoStatus status);
  void FlushOutput();
  void FlushKept();
  void CloseFiles();
  bool RestoreBackup();
  void CheckFormat(const std::uint8_t* record);

  DatabaseAccess& m_db;
  std::optional<WriterLock> m_lock;
  OpenedFile m_input;
  OpenedFile m_output;
  std::optional<RecordReader> m_reader;
  std::vector<std::uint8_t> m_pending;  // new bytes not yet written
  std::uint64_t m_keptFrom = 0;         // a run of kept records not yet copied
  std::uint64_t m_keptLength = 0;
  IoStatus m_status = IoStatus::Ok;
  bool m_begun = false;
  bool m_invalidFormat = false;
  FileInfo m_database;  // the database file taken away, which the backup must still be to go back
  std::string m_temporaryPath;
  FileInfo m_temporary;
};

// NewNumber stores under the calculation's number (the window's proposed or typed one); NextFreeNumber
// numbers it under the lock, with the highest running count of the file + 1 at that moment (the tools'
// way: several writers at once each get their own number).
enum class SaveMode { NewNumber, NextIndex, NextFreeNumber };
enum class SaveOutcome { Stored, Conflict, Failed };

// The numbering's limits: the number text has five digits for the running count and two for the index.
inline constexpr std::uint32_t kHighestRunningCount = 99999;
inline constexpr std::uint8_t kHighestIndex = 99;
bool NumberWithinLimits(const CalculationNumber& number);
// Whether a new running count fits above the highest one stored; "Databáze je plná!" when not.
bool RoomForNewNumber(std::uint32_t highestRunningCount, Messages& messages);
// Whether another index fits above the highest one of a number; the index limit is told when not.
bool RoomForNextIndex(std::uint8_t highestIndex, Messages& messages);

// Stores the calculation. A new number goes into the first free calculation slot or at the end; a next
// index directly behind the record of its predecessor. A number that another instance has meanwhile
// taken (or, for a new number, overtaken) is a conflict: told, and nothing is changed. With
// NextFreeNumber, `storedCount` receives the running count the calculation was stored under.
SaveOutcome SaveCalculation(DatabaseAccess& db, const CalculationState& state, SaveMode mode,
                            std::uint32_t* storedCount = nullptr);

// A stored calculation found by its number text. It keeps its own index; `highestIndex` is the highest
// index stored under its installation number and running count, which numbers a recomputation.
struct LoadedCalculation {
  CalculationState state;
  std::uint8_t highestIndex = 0;
};
// With `compareWith`, a calculation whose settings differ from the working settings is warned about (and
// loaded all the same).
std::optional<LoadedCalculation> LoadCalculation(DatabaseAccess& db, const std::string& numberText,
                                                 const WorkingSettings* compareWith);

// The calculation block exactly as the database holds it (strings scrambled), found by its number text.
std::optional<CalculationBlock> StoredBlock(DatabaseAccess& db, const std::string& numberText);

// Puts a user or company (or calculation) slot into the first record whose slot is free, or appends a
// record holding only it. With `createDatabase` a missing database file is created with that one record.
bool AddToFirstFreeSlot(DatabaseAccess& db, Slot slot, std::span<const std::uint8_t> content,
                        bool createDatabase);

// Rewrites the database, letting `change` alter each record in place (removing a user clears its flag,
// changing one rewrites its slot). The records keep their places.
bool ChangeRecords(DatabaseAccess& db,
                   const std::function<void(std::span<std::uint8_t, kRecordSize>)>& change);

// Puts the database back after an interrupted rewrite (the program was killed or the machine stopped
// while the file was away): restores it from the backup and tells the user. Only a rewrite's journal, or
// the abandoned lock of an older writer that keeps none, shows an interrupted rewrite: the backup left
// beside a database deleted on purpose never comes back. Removes only the working files that the
// interrupted rewrite made. Leaves everything alone while a live writer is at work. Returns whether the
// database file is now in place.
bool RecoverDatabase(DatabaseAccess& db);

// RecoverDatabase for every database of a folder whose rewrite was interrupted (so that it is listed).
void RecoverDatabasesIn(FileSystem& fs, const std::string& folder, Messages& messages);

// A whole-file check for administrators and scripts.
struct DatabaseCheck {
  bool readable = false;
  std::uint64_t records = 0;
  std::uint64_t calculations = 0;
  std::uint64_t users = 0;
  std::uint64_t companies = 0;
  std::uint64_t freeCalculationSlots = 0;
  std::uint64_t freeUserSlots = 0;
  std::uint64_t freeCompanySlots = 0;
  std::uint32_t highestRunningCount = 0;
  std::size_t trailingBytes = 0;
  std::vector<std::string> problems;
};
DatabaseCheck CheckDatabase(DatabaseAccess& db);

}  // namespace pramo
