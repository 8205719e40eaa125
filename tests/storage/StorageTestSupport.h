#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "storage/FileSystem.h"
#include "support/MessageIds.h"

namespace pramo::test {

inline std::string FixturePath(const std::string& name) {
  return std::string(PRAMO_TEST_DATA) + "/storage/" + name;
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder per test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    static std::mt19937_64 random(std::random_device{}());
    m_path =
        (std::filesystem::temp_directory_path() / ("pramo-storage-" + std::to_string(random()))).string();
    std::filesystem::create_directories(m_path);
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(m_path, error);
  }
  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }
  // Copies a fixture into the folder under the given name and returns its path.
  std::string Copy(const std::string& fixture, const std::string& name) const {
    WriteBytes(File(name), ReadBytes(FixturePath(fixture)));
    return File(name);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string m_path;
};

// The machine's file system with one chosen operation made to fail: the n-th call of a kind, counted from
// the moment FailAt() is called.
enum class FsOp { Open, Create, Read, Write, Sync, Close, Rename, Remove, SyncDirectory, Link };

class FaultyFileSystem : public FileSystem {
 public:
  void FailAt(FsOp op, int n) {
    m_counts.clear();
    m_failOp = op;
    m_failAt = n;
  }
  void FailNothing() { m_failAt = 0; }
  int Count(FsOp op) const {
    auto it = m_counts.find(op);
    return it == m_counts.end() ? 0 : it->second;
  }
  bool Failed() const { return m_failed; }

  OpenedFile OpenForReading(const std::string& path, Links links = Links::Follow) override {
    if (Hit(FsOp::Open)) return {nullptr, IoStatus::OtherFailure};
    return Wrap(m_local.OpenForReading(path, links));
  }
  OpenedFile Create(const std::string& path, NewFile kind) override {
    if (Hit(FsOp::Create)) return {nullptr, IoStatus::WriteFailure};
    return Wrap(m_local.Create(path, kind));
  }
  IoStatus Link(const std::string& existing, const std::string& newName) override {
    return Hit(FsOp::Link) ? IoStatus::OtherFailure : m_local.Link(existing, newName);
  }
  std::optional<FileInfo> Inspect(const std::string& path) override { return m_local.Inspect(path); }
  IoStatus Rename(const std::string& from, const std::string& to) override {
    return Hit(FsOp::Rename) ? IoStatus::OtherFailure : m_local.Rename(from, to);
  }
  IoStatus Remove(const std::string& path) override {
    return Hit(FsOp::Remove) ? IoStatus::OtherFailure : m_local.Remove(path);
  }
  bool Exists(const std::string& path) override { return m_local.Exists(path); }
  bool IsDirectory(const std::string& path) override { return m_local.IsDirectory(path); }
  std::optional<std::uint64_t> FileSize(const std::string& path) override { return m_local.FileSize(path); }
  std::optional<double> SecondsSinceModified(const std::string& path) override {
    return m_local.SecondsSinceModified(path);
  }
  IoStatus SyncDirectory(const std::string& directory) override {
    return Hit(FsOp::SyncDirectory) ? IoStatus::WriteFailure : m_local.SyncDirectory(directory);
  }
  IoStatus CreateDirectories(const std::string& path) override { return m_local.CreateDirectories(path); }
  std::vector<std::string> FileNames(const std::string& directory) override {
    return m_local.FileNames(directory);
  }

  IoStatus CopyRange(File& from, std::uint64_t offset, std::uint64_t length, File& to) override {
    if (Hit(FsOp::Write)) return IoStatus::WriteFailure;
    auto* source = dynamic_cast<FaultyFile*>(&from);
    auto* target = dynamic_cast<FaultyFile*>(&to);
    return m_local.CopyRange(source ? *source->m_inner : from, offset, length,
                             target ? *target->m_inner : to);
  }

  bool Hit(FsOp op) {
    const int n = ++m_counts[op];
    if (m_failAt > 0 && op == m_failOp && n == m_failAt) {
      m_failed = true;
      return true;
    }
    return false;
  }

 private:
  class FaultyFile : public File {
   public:
    FaultyFile(FaultyFileSystem& fs, std::unique_ptr<File> inner) : m_fs(fs), m_inner(std::move(inner)) {}
    IoStatus Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
      count = 0;
      return m_fs.Hit(FsOp::Read) ? IoStatus::ReadFailure : m_inner->Read(buffer, count);
    }
    IoStatus Write(std::span<const std::uint8_t> bytes) override {
      if (m_fs.Hit(FsOp::Write)) {
        // A full disk takes part of the data before it refuses.
        m_inner->Write(bytes.first(bytes.size() / 2));
        return IoStatus::WriteFailure;
      }
      return m_inner->Write(bytes);
    }
    IoStatus Sync() override { return m_fs.Hit(FsOp::Sync) ? IoStatus::WriteFailure : m_inner->Sync(); }
    void TakePermissions(const FileInfo& of) override { m_inner->TakePermissions(of); }
    IoStatus Close() override {
      const IoStatus closed = m_inner->Close();
      return m_fs.Hit(FsOp::Close) ? IoStatus::WriteFailure : closed;
    }

    FaultyFileSystem& m_fs;
    std::unique_ptr<File> m_inner;
  };

  OpenedFile Wrap(OpenedFile opened) {
    if (opened.file) opened.file = std::make_unique<FaultyFile>(*this, std::move(opened.file));
    return opened;
  }

  FileSystem& m_local = LocalFileSystem();
  std::map<FsOp, int> m_counts;
  FsOp m_failOp = FsOp::Open;
  int m_failAt = 0;
  bool m_failed = false;
};

// A computed calculation ready to be stored under the given number.
inline CalculationState ComputedCalculation(std::uint32_t count, std::uint8_t index = 1) {
  CalculationState state;
  state.Fluid = FluidKind::Water;
  state.FluidName = "voda";
  state.PipeDiameterEntered = 100;
  state.DpMax = 25000;
  state.ResultsValid = true;
  state.Designer = "Eva Dvořáková";
  state.Company = "Teplárna";
  state.MeasuringPoint = "Kotel 1";
  state.NumberInstallation = 1;
  state.NumberCount = count;
  state.NumberIndex = index;
  state.Date = 45300;
  return state;
}

// A database access to a path with a short wait for other writers, as tests need it.
inline DatabaseAccess AccessTo(FileSystem& fs, const std::string& path, Messages& messages) {
  DatabaseAccess db{fs, PathsOf(path), messages};
  db.lockPolicy.waitSeconds = 0.2;
  return db;
}

// A copy of the older program's converted database, listed as the database page lists it.
class ListedDatabaseTest : public ::testing::Test {
 protected:
  DatabaseAccess Db() { return AccessTo(LocalFileSystem(), path, messages); }
  DatabaseListing Listed() {
    auto db = Db();
    DatabaseListing listing;
    EXPECT_TRUE(ListDatabase(db, listingRequest, listing));
    return listing;
  }

  TempFolder folder;
  std::string path = folder.Copy("legacy.flw", "Teplárna.flw");
  MessageRecorder messages{Answer::Yes};
  ListingRequest listingRequest{{}, 45300, {}, false, {}};
  DatabaseListing listing = Listed();
};

}  // namespace pramo::test
