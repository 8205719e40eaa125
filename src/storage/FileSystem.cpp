#include "storage/FileSystem.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/types.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pramo {
namespace {

IoStatus StatusOfErrno(int error, IoStatus otherwise) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return IoStatus::NotFound;
    case EEXIST:
      return IoStatus::AlreadyExists;
    default:
      return otherwise;
  }
}

class PosixFile : public File {
 public:
  explicit PosixFile(int fd) : m_fd(fd) {}
  ~PosixFile() override {
    if (m_fd >= 0) ::close(m_fd);
  }

  IoStatus Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
    count = 0;
    while (count < buffer.size()) {
      const ssize_t n = ::read(m_fd, buffer.data() + count, buffer.size() - count);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return IoStatus::ReadFailure;
      if (n == 0) break;
      count += static_cast<std::size_t>(n);
    }
    return IoStatus::Ok;
  }

  IoStatus Write(std::span<const std::uint8_t> bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return IoStatus::WriteFailure;
      done += static_cast<std::size_t>(n);
    }
    return IoStatus::Ok;
  }

  IoStatus Sync() override { return ::fsync(m_fd) == 0 ? IoStatus::Ok : IoStatus::WriteFailure; }

  int Descriptor() const { return m_fd; }

  void TakePermissions(const FileInfo& of) override {
    // The group first: changing it may clear bits that the mode then sets again. Either may be refused
    // (a group this account is not in, a file system without modes); the file then keeps what it has.
    static_cast<void>(::fchown(m_fd, static_cast<uid_t>(-1), static_cast<gid_t>(of.group)) == 0);
    static_cast<void>(::fchmod(m_fd, static_cast<mode_t>(of.permissions & 07777)) == 0);
  }

  IoStatus Close() override {
    const int fd = m_fd;
    m_fd = -1;
    // A close may report a write that the file system deferred (network folders do).
    return ::close(fd) == 0 ? IoStatus::Ok : IoStatus::WriteFailure;
  }

 private:
  int m_fd;
};

class LocalFs : public FileSystem {
 public:
  OpenedFile OpenForReading(const std::string& path, Links links) override {
    // Not blocking: a pipe put under a working file's name must not hold the program up.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) return {nullptr, StatusOfErrno(errno, IoStatus::OtherFailure)};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
      ::close(fd);
      return {nullptr, IoStatus::OtherFailure};
    }
    return {std::make_unique<PosixFile>(fd), IoStatus::Ok};
  }

  OpenedFile Create(const std::string& path, NewFile kind) override {
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    const int fd = ::open(path.c_str(), flags, kind == NewFile::Shared ? 0664 : 0600);
    if (fd < 0) return {nullptr, StatusOfErrno(errno, IoStatus::WriteFailure)};
    return {std::make_unique<PosixFile>(fd), IoStatus::Ok};
  }

  IoStatus Link(const std::string& existing, const std::string& newName) override {
    if (::link(existing.c_str(), newName.c_str()) == 0) return IoStatus::Ok;
    const int error = errno;
    // Over a network the answer can be lost while the link was made: the two names then show one file.
    const auto made = Inspect(existing), there = Inspect(newName);
    if (made && there && made->SameFile(*there)) return IoStatus::Ok;
    return error == EEXIST ? IoStatus::AlreadyExists : IoStatus::OtherFailure;
  }

  std::optional<FileInfo> Inspect(const std::string& path) override {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
    FileInfo file;
    file.regular = S_ISREG(info.st_mode);
    file.size = static_cast<std::uint64_t>(info.st_size);
    file.permissions = static_cast<std::uint32_t>(info.st_mode & 07777);
    file.group = static_cast<std::uint32_t>(info.st_gid);
    file.device = static_cast<std::uint64_t>(info.st_dev);
    file.inode = static_cast<std::uint64_t>(info.st_ino);
    file.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return file;
  }

  IoStatus Rename(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0 ? IoStatus::Ok
                                                   : StatusOfErrno(errno, IoStatus::OtherFailure);
  }

  IoStatus Remove(const std::string& path) override {
    return ::unlink(path.c_str()) == 0 ? IoStatus::Ok : StatusOfErrno(errno, IoStatus::OtherFailure);
  }

  bool Exists(const std::string& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
  }

  bool IsDirectory(const std::string& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  std::optional<std::uint64_t> FileSize(const std::string& path) override {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
  }

  std::optional<double> SecondsSinceModified(const std::string& path) override {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const double modified = static_cast<double>(info.st_mtim.tv_sec) + info.st_mtim.tv_nsec * 1e-9;
    return std::chrono::duration<double>(now).count() - modified;
  }

  IoStatus SyncDirectory(const std::string& directory) override {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return IoStatus::OtherFailure;
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems (network folders among them) cannot sync a folder; the rename stands all the same.
    return result == 0 || error == EINVAL || error == ENOTSUP ? IoStatus::Ok : IoStatus::WriteFailure;
  }

  IoStatus CreateDirectories(const std::string& path) override {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::u8path(path), error);
    return !error && IsDirectory(path) ? IoStatus::Ok : IoStatus::OtherFailure;
  }

  std::vector<std::string> FileNames(const std::string& directory) override {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(std::filesystem::u8path(directory), error), end;
         !error && it != end; it.increment(error)) {
      std::error_code typeError;
      if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  IoStatus CopyRange(File& from, std::uint64_t offset, std::uint64_t length, File& to) override {
    auto* source = dynamic_cast<PosixFile*>(&from);
    auto* target = dynamic_cast<PosixFile*>(&to);
    if (!source || !target) return IoStatus::OtherFailure;
    constexpr std::uint64_t kStep = 8 << 20;
    auto position = static_cast<off_t>(offset);
    while (length > 0) {
      const ssize_t n = ::copy_file_range(source->Descriptor(), &position, target->Descriptor(), nullptr,
                                          static_cast<std::size_t>(std::min(length, kStep)), 0);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
        return CopyThroughBuffer(*source, static_cast<std::uint64_t>(position), length, *target);
      if (n < 0) return errno == EIO ? IoStatus::ReadFailure : IoStatus::WriteFailure;
      if (n == 0) return IoStatus::ReadFailure;  // the source ended early
      length -= static_cast<std::uint64_t>(n);
      // Let the disk start on what is copied, so that the final sync has little left to wait for.
      ::sync_file_range(target->Descriptor(), 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    return IoStatus::Ok;
  }

 private:
  static IoStatus CopyThroughBuffer(PosixFile& source, std::uint64_t offset, std::uint64_t length,
                                    PosixFile& target) {
    std::vector<std::uint8_t> buffer(1 << 20);
    while (length > 0) {
      const ssize_t n = ::pread(source.Descriptor(), buffer.data(),
                                std::min<std::uint64_t>(length, buffer.size()), static_cast<off_t>(offset));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return IoStatus::ReadFailure;
      const IoStatus written = target.Write(std::span(buffer).first(static_cast<std::size_t>(n)));
      if (written != IoStatus::Ok) return written;
      offset += static_cast<std::uint64_t>(n);
      length -= static_cast<std::uint64_t>(n);
    }
    return IoStatus::Ok;
  }
};

}  // namespace

FileSystem& LocalFileSystem() {
  static LocalFs fs;
  return fs;
}

FileContent ReadFileContent(FileSystem& fs, const std::string& path, std::size_t maxBytes, Links links) {
  FileContent content;
  OpenedFile opened = fs.OpenForReading(path, links);
  if (!opened.file) {
    content.status = opened.status;
    return content;
  }
  content.bytes.resize(std::min<std::size_t>(maxBytes + 1, 1 << 20));
  std::size_t total = 0;
  content.status = IoStatus::Ok;
  while (total < maxBytes + 1) {
    if (total == content.bytes.size()) content.bytes.resize(std::min(maxBytes + 1, 2 * total));
    std::size_t count = 0;
    const IoStatus read =
        opened.file->Read(std::span(content.bytes).subspan(total, content.bytes.size() - total), count);
    if (read != IoStatus::Ok) {
      content.status = read;
      break;
    }
    total += count;
    if (total < content.bytes.size()) break;  // end of file
  }
  content.bytes.resize(total);
  const IoStatus closed = opened.file->Close();
  if (content.status == IoStatus::Ok && closed != IoStatus::Ok) content.status = IoStatus::ReadFailure;
  return content;
}

OpenedFile CreateBeside(FileSystem& fs, const std::string& path, const std::string& extension, NewFile kind,
                        std::string& name) {
  static std::atomic<unsigned> serial{0};
  char host[256] = {};
  if (::gethostname(host, sizeof(host) - 1) != 0) host[0] = '\0';
  OpenedFile created;
  // A name taken is a leftover of another writer or something planted there: neither is touched.
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = path + "." + host + "-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + extension;
    created = fs.Create(name, kind);
    if (created.status != IoStatus::AlreadyExists) break;
  }
  return created;
}

void RemoveIfSame(FileSystem& fs, const std::string& path, const FileInfo& expected) {
  if (const auto now = fs.Inspect(path); now && now->SameFile(expected)) fs.Remove(path);
}

IoStatus ReplaceFileContent(FileSystem& fs, const std::string& path, std::span<const std::uint8_t> bytes,
                            NewFile kind) {
  std::string temporary;
  OpenedFile created = CreateBeside(fs, path, ".tmp", kind, temporary);
  if (!created.file) return created.status == IoStatus::NotFound ? IoStatus::WriteFailure : created.status;
  IoStatus status = created.file->Write(bytes);
  if (status == IoStatus::Ok) status = created.file->Sync();
  const IoStatus closed = created.file->Close();
  if (status == IoStatus::Ok) status = closed;
  if (status == IoStatus::Ok) status = fs.Rename(temporary, path);
  if (status != IoStatus::Ok) {
    fs.Remove(temporary);
    return status;
  }
  fs.SyncDirectory(FolderOf(path));
  return IoStatus::Ok;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.find_last_of('.');
  // A leading dot names a hidden file, not an extension.
  if (dot == std::string::npos || dot <= nameStart) return path + extension;
  return path.substr(0, dot) + extension;
}

}  // namespace pramo
