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
  const FileContent content = ReadFileContent(fs, path, kMaxLockFileSize);
  return std::string(content.bytes.begin(), content.bytes.end());
}

bool WriteOwner(File& file) {
  const std::string text = LockFileText(CurrentLockOwner());
  const bool written =
      file.Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())) == IoStatus::Ok;
  return file.Close() == IoStatus::Ok && written;
}

// Removes an abandoned lock whose content was seen as `seen`. A second lock file guards the removal: two
// instances that find the same abandoned lock must not remove each other's fresh lock.
void BreakStaleLock(FileSystem& fs, const std::string& lockPath, const std::string& seen,
                    const LockPolicy& policy) {
  const std::string guardPath = lockPath + ".break";
  OpenedFile guard = fs.Create(guardPath, true);
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
  const auto age = fs.SecondsSinceModified(path);
  if (!age) return false;  // gone meanwhile: the next attempt creates it
  const auto owner = ParseLockFile(text);
  if (owner && owner->processId == ::getpid() && owner->host == CurrentLockOwner().host && !HeldHere(path))
    return true;
  return LockIsStale(owner, *age, policy);
}

}  // namespace

std::optional<WriterLock> WriterLock::Acquire(FileSystem& fs, const std::string& lockPath,
                                              const LockPolicy& policy) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(policy.waitSeconds);
  std::minstd_rand jitter(static_cast<unsigned>(::getpid()));
  for (;;) {
    OpenedFile created = fs.Create(lockPath, true);
    if (created.file) {
      WriterLock lock(fs, lockPath);
      NoteHeld(lockPath, true);
      if (!WriteOwner(*created.file)) return std::nullopt;  // the lock is released by its destructor
      return lock;
    }
    if (created.status != IoStatus::AlreadyExists) return std::nullopt;
    const std::string seen = ReadLockText(fs, lockPath);
    if (LockFileIsStale(fs, lockPath, seen, policy)) {
      BreakStaleLock(fs, lockPath, seen, policy);
      if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
      continue;
    }
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + jitter() % 20));
  }
}

WriterLock::WriterLock(WriterLock&& other) noexcept : m_fs(other.m_fs), m_path(std::move(other.m_path)) {
  other.m_path.clear();
}

WriterLock& WriterLock::operator=(WriterLock&& other) noexcept {
  if (this != &other) {
    Release();
    m_fs = other.m_fs;
    m_path = std::move(other.m_path);
    other.m_path.clear();
  }
  return *this;
}

WriterLock::~WriterLock() {
  Release();
}

void WriterLock::Release() {
  if (m_path.empty()) return;
  m_fs->Remove(m_path);
  NoteHeld(m_path, false);
  m_path.clear();
}

bool LockHeldByLiveWriter(FileSystem& fs, const std::string& lockPath, const LockPolicy& policy) {
  if (!fs.Exists(lockPath)) return false;
  return !LockFileIsStale(fs, lockPath, ReadLockText(fs, lockPath), policy);
}

}  // namespace pramo
