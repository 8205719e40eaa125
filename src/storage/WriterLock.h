#pragma once

#include <optional>
#include <string>

#include "storage/FileSystem.h"

namespace pramo {

// How long a writer waits for another one, and when a lock is taken for abandoned.
struct LockPolicy {
  double waitSeconds = 5;
  // A lock of another machine, whose owner cannot be asked, is taken for abandoned after this age. A rewrite
  // of the largest database takes seconds, even over a network.
  double foreignStaleSeconds = 300;
  // A lock file without a readable owner (its writer died between creating and filling it).
  double unreadableStaleSeconds = 10;
};

// Who holds a lock: written into the lock file, so that other instances can tell a live writer from an
// abandoned lock and a person can see who holds it since when.
struct LockOwner {
  std::string host;
  std::string bootId;
  long long processId = 0;
  unsigned long long processStart = 0;  // distinguishes a process from a later one with the same id
  long long since = 0;                  // seconds since the epoch
  std::string user;
  // Writers of this kind mark every rewrite in a journal beside the lock; a lock without the mark is
  // an older writer's, which does not.
  bool keepsJournal = false;
};

LockOwner CurrentLockOwner();
std::string LockFileText(const LockOwner& owner);
std::optional<LockOwner> ParseLockFile(const std::string& text);

// Whether a lock with this content and age may be broken: its owner is gone (same machine: the process no
// longer runs, or the machine was restarted since), or it is a foreign lock older than the policy allows.
bool LockIsStale(const std::optional<LockOwner>& owner, double ageSeconds, const LockPolicy& policy);

// The exclusive right to rewrite one database file, held as a lock file created next to it. Writers of one
// file are serialised by it; the file is removed when the lock is released. The lock is written in full
// under a name of its own and then linked into place, so that no lock is ever seen empty.
class WriterLock {
 public:
  // Takes the lock, waiting up to the policy's time for a live writer and breaking an abandoned lock.
  // Nothing when the lock cannot be had (held by a live writer, or the folder does not allow creating it).
  // `abandonedByOlderWriter` tells that the lock broken on the way was left by an older writer, which
  // kept no journal.
  static std::optional<WriterLock> Acquire(FileSystem& fs, const std::string& lockPath,
                                           const LockPolicy& policy, bool* abandonedByOlderWriter = nullptr);

  WriterLock(WriterLock&& other) noexcept;
  WriterLock& operator=(WriterLock&& other) noexcept;
  WriterLock(const WriterLock&) = delete;
  ~WriterLock();
  void Release();

 private:
  WriterLock(FileSystem& fs, std::string path, FileInfo file, std::string ownName)
      : m_fs(&fs), m_path(std::move(path)), m_file(file), m_ownName(std::move(ownName)) {}
  FileSystem* m_fs;
  std::string m_path;
  FileInfo m_file;        // the lock file this writer made
  std::string m_ownName;  // its first name, while it is still there
};

// Whether `name` is one that CreateBeside gave `path` in a process of this machine that no longer runs:
// a file a killed writer left, which nobody else may have made.
bool LeftByGoneProcess(const std::string& name, const std::string& path);

// Whether a live writer holds the lock: readers then wait for the database to come back.
bool LockHeldByLiveWriter(FileSystem& fs, const std::string& lockPath, const LockPolicy& policy);

}  // namespace pramo
