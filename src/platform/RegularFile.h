#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace ornival {

// What a file was when it was read or written: another program's change, a
// replacement or a move shows as a difference.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at path, links followed; none when there is none.
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path);

// Why a file was not read.
enum class ReadRefusal {
  none,
  // The system refused: missing, no permission, a loop of links… (see error).
  system,
  directory,
  // A pipe, a device or a socket: reading it could wait for ever or never end.
  notRegular,
  tooLarge,
};

struct FileContents {
  std::string bytes;
  // The file as it was opened.
  FileIdentity identity;
  ReadRefusal refusal = ReadRefusal::none;
  // The system's error number when refusal is system.
  int error = 0;
  bool ok() const { return refusal == ReadRefusal::none; }
  // The system's words for a refusal ("Permission denied", "Is a directory");
  // empty for notRegular and tooLarge, which callers say in their own words.
  std::string reason() const;
};

// The whole of a regular file of at most maxBytes, links followed. Never
// blocks: the file's type is looked at before it is opened, and it is opened
// without waiting, so a pipe or a device is refused rather than read. Plain
// POSIX calls: any thread.
FileContents readRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes);

}  // namespace ornival
