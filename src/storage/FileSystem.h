#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pramo {

// Outcome of one file operation, in the classes the user is told about.
enum class IoStatus { Ok, NotFound, AlreadyExists, ReadFailure, WriteFailure, OtherFailure };

// What a directory entry is, seen without following a link.
struct FileInfo {
  bool regular = false;  // a plain file: not a link, folder, device or pipe
  std::uint64_t size = 0;
  std::uint32_t permissions = 0;  // the permission bits of its mode
  std::uint32_t group = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t modifiedNs = 0;
  bool SameFile(const FileInfo& other) const { return device == other.device && inode == other.inode; }
};

// Files the program creates in a folder that other accounts may write to. Shared ones (databases, locks,
// journals) are readable and writable for the group, private ones (the configuration) for the owner only;
// the umask takes away more, and none is ever writable by others.
enum class NewFile { Shared, Private };
enum class Links { Follow, Refuse };

// An open file. Nothing is buffered here: every call is one operation of the file system, so a test can
// make exactly the n-th of them fail.
class File {
 public:
  virtual ~File() = default;
  // Reads up to buffer.size() bytes into the buffer; `count` is less only at the end of the file.
  virtual IoStatus Read(std::span<std::uint8_t> buffer, std::size_t& count) = 0;
  virtual IoStatus Write(std::span<const std::uint8_t> bytes) = 0;
  // Makes what was written durable (survives a crash or power cut).
  virtual IoStatus Sync() = 0;
  virtual IoStatus Close() = 0;
  // Gives the file the permission bits and, where the system allows it, the group of another one.
  virtual void TakePermissions(const FileInfo& of) = 0;
};

struct OpenedFile {
  std::unique_ptr<File> file;  // null unless status is Ok
  IoStatus status = IoStatus::OtherFailure;
};

// The file system as the storage sees it. Paths are UTF-8.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Only a plain file opens; with Links::Refuse not through a link either.
  virtual OpenedFile OpenForReading(const std::string& path, Links links = Links::Follow) = 0;
  // A new empty file for writing, created exclusively and never through a link: AlreadyExists when the
  // name is taken, by a link too (also on network folders, which is what the writer lock relies on).
  virtual OpenedFile Create(const std::string& path, NewFile kind) = 0;
  // Renames, replacing an existing target (a link there is replaced, not followed).
  virtual IoStatus Rename(const std::string& from, const std::string& to) = 0;
  // A second name for a file; AlreadyExists when the name is taken. Atomic where renaming is not
  // exclusive, and so the way a complete file is put under a name nobody may have. OtherFailure where the
  // file system has no links.
  virtual IoStatus Link(const std::string& existing, const std::string& newName) = 0;
  virtual std::optional<FileInfo> Inspect(const std::string& path) = 0;
  virtual IoStatus Remove(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsDirectory(const std::string& path) = 0;
  virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
  virtual std::optional<double> SecondsSinceModified(const std::string& path) = 0;
  // Makes the renames and creations inside a folder durable.
  virtual IoStatus SyncDirectory(const std::string& directory) = 0;
  // Creates the folder and any missing parents.
  virtual IoStatus CreateDirectories(const std::string& path) = 0;
  // Names of the regular files in a folder, sorted; empty when it cannot be read.
  virtual std::vector<std::string> FileNames(const std::string& directory) = 0;
  // Appends `length` bytes of `from`, starting at `offset`, to `to` without passing them through the
  // program (the kernel copies them, as cp does). The read position of `from` stays where it was.
  virtual IoStatus CopyRange(File& from, std::uint64_t offset, std::uint64_t length, File& to) = 0;
};

// The machine's file system.
FileSystem& LocalFileSystem();

// The whole content of a file of at most maxBytes (a longer file reads as its first maxBytes + 1 bytes, so
// that the caller sees it is too long).
struct FileContent {
  std::vector<std::uint8_t> bytes;
  IoStatus status = IoStatus::OtherFailure;
};
FileContent ReadFileContent(FileSystem& fs, const std::string& path, std::size_t maxBytes,
                            Links links = Links::Follow);

// Writes a small file through a temporary file of this writer's own next to it, synced and renamed over
// the target, so that the target is at every instant either the old or the new content.
IoStatus ReplaceFileContent(FileSystem& fs, const std::string& path, std::span<const std::uint8_t> bytes,
                            NewFile kind = NewFile::Shared);

// Creates a file under a name of its own beside `path` (the name with ".<host>-<process>-<n>" and
// `extension`), so that writers never share one; `name` receives the name chosen.
OpenedFile CreateBeside(FileSystem& fs, const std::string& path, const std::string& extension, NewFile kind,
                        std::string& name);

// Removes the file only while the name still belongs to it (not to a link or a file put there since).
void RemoveIfSame(FileSystem& fs, const std::string& path, const FileInfo& expected);

// The folder part of a path ("." for a bare name) and the path with its extension replaced.
std::string FolderOf(const std::string& path);
std::string WithExtension(const std::string& path, const std::string& extension);

}  // namespace pramo
