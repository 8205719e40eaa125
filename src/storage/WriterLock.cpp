#include "storage/WriterLock.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <mutex>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include <pwd.h>
#include <unistd.h>

namespace pramo {
namespace {

constexpr std::size_t kMaxLockFileSize = 4096;
constexpr const char* kLockHeader = "pramo-writer-lock 1";

// Locks this process holds. A lock file that names this process but is not among them was left behind by
// a release that failed; it is abandoned like that of a process that is gone.
std::mutex& HeldMutex() {
  static std::mutex mutex;
  return mutex;
}
std::set<std::string>& HeldLocks() {
  static std::set<std::string> held;
  return held;
}
// Threads of this process take, judge and release locks one at a time. A lock that names this process
// counts as abandoned when it is not among the held ones, which is only true while no other thread of the
// process is between linking its lock into place and noting it held, or between removing it and noting it
// released.
std::mutex& TakingMutex() {
  static std::mutex mutex;
  return mutex;
}

bool HeldHere(const std::string& path) {
  std::lock_guard guard(HeldMutex());
  return HeldLocks().count(path) != 0;
}
void NoteHeld(const std::string& path, bool held) {
  std::lock_guard guard(HeldMutex());
  if (held)
    HeldLocks().insert(path);
  else
    HeldLocks().erase(path);
}

std::string FirstLineOf(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof(name) - 1) != 0) return "?";
  return name;
}

// Start time of a process in clock ticks after boot (field 22 of /proc/<pid>/stat); 0 when unknown.
unsigned long long ProcessStart(long long pid) {
  const std::string stat = FirstLineOf("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t close = stat.rfind(')');  // the command name may hold blanks and parentheses
  if (close == std::string::npos) return 0;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  for (int i = 3; i < 22 && fields >> field; ++i) {
  }
  unsigned long long start = 0;
  fields >> start;
  return start;
}

bool ProcessRuns(long long pid, unsigned long long start) {
  if (pid <= 0) return false;
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
  const unsigned long long actual = ProcessStart(pid);
  return start == 0 || actual == 0 || actual == start;
}

long long Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::string ReadLockText(FileSystem& fs, const std::string& path) {
  const FileContent content = ReadFileContent(fs, path, kMaxLockFileSize, Links::Refuse);
  return std::string(content.bytes.begin(), content.bytes.end());
}

bool WriteOwner(File& file) {
  LockOwner owner = CurrentLockOwner();
  owner.keepsJournal = true;
  const std::string text = LockFileText(owner);
  const bool written =
      file.Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())) == IoStatus::Ok;
  return file.Close() == IoStatus::Ok && written;
}

enum class Taken { Yes, Held, Failed };

// Creates the lock file with its content in one step: written under a name of this writer's own, then
// linked under the lock's name. Where the file system has no links, the lock is created in place and
// filled (an older writer's way: for an instant it is empty).
Taken TakeLock(FileSystem& fs, const std::string& lockPath, FileInfo& made, std::string& own) {
  OpenedFile created = CreateBeside(fs, lockPath, "", NewFile::Shared, own);
  if (created.file) {
    const bool written = WriteOwner(*created.file);
    const IoStatus linked = written ? fs.Link(own, lockPath) : IoStatus::OtherFailure;
    const auto info = fs.Inspect(own);
    if (fs.Remove(own) == IoStatus::Ok) own.clear();
    if (linked == IoStatus::Ok && info) {
      made = *info;
      return Taken::Yes;
    }
    if (linked == IoStatus::AlreadyExists) return Taken::Held;
    if (!written) return Taken::Failed;
  }
  own.clear();
  created = fs.Create(lockPath, NewFile::Shared);
  if (!created.file) return created.status == IoStatus::AlreadyExists ? Taken::Held : Taken::Failed;
  const bool written = WriteOwner(*created.file);
  const auto info = fs.Inspect(lockPath);
  if (!written || !info) {
    if (info) RemoveIfSame(fs, lockPath, *info);
    return Taken::Failed;
  }
  made = *info;
  return Taken::Yes;
}

// Removes an abandoned lock whose content was seen as `seen`. A second lock file guards the removal: two
// instances that find the same abandoned lock must not remove each other's fresh lock.
void BreakStaleLock(FileSystem& fs, const std::string& lockPath, const std::string& seen,
                    const LockPolicy& policy) {
  const std::string guardPath = lockPath + ".break";
  OpenedFile guard = fs.Create(guardPath, NewFile::Shared);
  if (!guard.file) {
    if (guard.status == IoStatus::AlreadyExists) {
      const auto age = fs.SecondsSinceModified(guardPath);
      if (LockIsStale(ParseLockFile(ReadLockText(fs, guardPath)), age.value_or(0), policy))
        fs.Remove(guardPath);
    }
    return;
  }
  const bool owned = WriteOwner(*guard.file);
  if (owned && ReadLockText(fs, lockPath) == seen) fs.Remove(lockPath);
  fs.Remove(guardPath);
}

}  // namespace

LockOwner CurrentLockOwner() {
  LockOwner owner;
  owner.host = HostName();
  owner.bootId = FirstLineOf("/proc/sys/kernel/random/boot_id");
  owner.processId = ::getpid();
  owner.processStart = ProcessStart(owner.processId);
  owner.since = Now();
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name) owner.user = entry->pw_name;
  return owner;
}

std::string LockFileText(const LockOwner& owner) {
  std::ostringstream text;
  text << kLockHeader << "\nhost=" << owner.host << "\nboot=" << owner.bootId << "\npid=" << owner.processId
       << "\nstart=" << owner.processStart << "\nsince=" << owner.since << "\nuser=" << owner.user << "\n";
  if (owner.keepsJournal) text << "journal=1\n";
  return text.str();
}

std::optional<LockOwner> ParseLockFile(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kLockHeader) return std::nullopt;
  LockOwner owner;
  bool hasHost = false, hasPid = false;
  while (std::getline(in, line)) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    try {
      if (key == "host") owner.host = value, hasHost = true;
      if (key == "boot") owner.bootId = value;
      if (key == "pid") owner.processId = std::stoll(value), hasPid = true;
      if (key == "start") owner.processStart = std::stoull(value);
      if (key == "since") owner.since = std::stoll(value);
      if (key == "user") owner.user = value;
      if (key == "journal") owner.keepsJournal = value == "1";
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }
  if (!hasHost || !hasPid) return std::nullopt;
  return owner;
}

bool LockIsStale(const std::optional<LockOwner>& owner, double ageSeconds, const LockPolicy& policy) {
  if (!owner) return ageSeconds > policy.unreadableStaleSeconds;
  const LockOwner self = CurrentLockOwner();
  if (owner->host != self.host) return ageSeconds > policy.foreignStaleSeconds;
  if (owner->bootId != self.bootId) return true;
  return !ProcessRuns(owner->processId, owner->processStart);
}

namespace {

bool LockFileIsStale(FileSystem& fs, const std::string& path, const std::string& text,
                     const LockPolicy& policy) {
  // A link or anything else but a plain file under the lock's name was not made by a writer: it keeps
  // writers out and is left alone.
  const auto info = fs.Inspect(path);
  if (!info || !info->regular) return false;
  const auto age = fs.SecondsSinceModified(path);
  if (!age) return false;  // gone meanwhile: the next attempt creates it
  const auto owner = ParseLockFile(text);
  if (owner && owner->processId == ::getpid() && owner->host == CurrentLockOwner().host && !HeldHere(path))
    return true;
  return LockIsStale(owner, *age, policy);
}

}  // namespace

std::optional<WriterLock> WriterLock::Acquire(FileSystem& fs, const std::string& lockPath,
                                              const LockPolicy& policy, bool* abandonedByOlderWriter) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(policy.waitSeconds);
  std::minstd_rand jitter(static_cast<unsigned>(::getpid()));
  if (abandonedByOlderWriter) *abandonedByOlderWriter = false;
  for (;;) {
    bool broken = false;
    {
      const std::lock_guard taking(TakingMutex());
      FileInfo made;
      std::string own;
      const Taken taken = TakeLock(fs, lockPath, made, own);
      if (taken == Taken::Yes) {
        NoteHeld(lockPath, true);
        return WriterLock(fs, lockPath, made, own);
      }
      if (taken == Taken::Failed) return std::nullopt;
      const std::string seen = ReadLockText(fs, lockPath);
      if (LockFileIsStale(fs, lockPath, seen, policy)) {
        const auto owner = ParseLockFile(seen);
        if (abandonedByOlderWriter && (!owner || !owner->keepsJournal)) *abandonedByOlderWriter = true;
        BreakStaleLock(fs, lockPath, seen, policy);
        broken = true;
      }
    }
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    if (broken) continue;
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + jitter() % 20));
  }
}

WriterLock::WriterLock(WriterLock&& other) noexcept
    : m_fs(other.m_fs),
      m_path(std::move(other.m_path)),
      m_file(other.m_file),
      m_ownName(std::move(other.m_ownName)) {
  other.m_path.clear();
}

WriterLock& WriterLock::operator=(WriterLock&& other) noexcept {
  if (this != &other) {
    Release();
    m_fs = other.m_fs;
    m_path = std::move(other.m_path);
    m_file = other.m_file;
    m_ownName = std::move(other.m_ownName);
    other.m_path.clear();
  }
  return *this;
}

WriterLock::~WriterLock() {
  Release();
}

void WriterLock::Release() {
  if (m_path.empty()) return;
  const std::lock_guard taking(TakingMutex());
  // Another writer that took this lock for abandoned may hold the name by now: its lock stays.
  RemoveIfSame(*m_fs, m_path, m_file);
  // The name the lock was written under, when it could not be removed at once.
  if (!m_ownName.empty()) RemoveIfSame(*m_fs, m_ownName, m_file);
  NoteHeld(m_path, false);
  m_path.clear();
}

bool LeftByGoneProcess(const std::string& name, const std::string& path) {
  const std::string prefix = path + "." + HostName() + "-";
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
  const std::string rest = name.substr(prefix.size());  // "<process>-<n>"
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string::npos || rest.find_first_not_of("0123456789-") != std::string::npos)
    return false;
  const long long pid = std::stoll(rest.substr(0, std::min<std::size_t>(dash, 12)));
  return pid != ::getpid() && !ProcessRuns(pid, 0);
}

bool LockHeldByLiveWriter(FileSystem& fs, const std::string& lockPath, const LockPolicy& policy) {
  const std::lock_guard taking(TakingMutex());
  if (!fs.Inspect(lockPath)) return false;
  return !LockFileIsStale(fs, lockPath, ReadLockText(fs, lockPath), policy);
}

}  // namespace pramo
