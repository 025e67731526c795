#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace ornival {

// The system calls the atomic writer makes, one per step, so that a test can
// make any step fail as a full disk, a failing disk or a vanished share does.
// Each answers as the call it stands for: -1 with errno set when it fails.
// The base class makes the real calls; a test overrides the step it breaks.
// Stateless and callable from any thread.
class FileCalls {
public:
  virtual ~FileCalls() = default;
  // mkstemp: fills in the pattern's XXXXXX and opens the new file.
  virtual int makeTemporary(char* pattern) const;
  virtual int changeMode(int fd, mode_t mode) const;
  virtual ssize_t write(int fd, const void* data, std::size_t size) const;
  virtual int sync(int fd) const;
  virtual int close(int fd) const;
  virtual int rename(const char* from, const char* to) const;
  virtual int unlink(const char* path) const;
  // Makes a rename within the folder last across a power cut.
  virtual int syncFolder(const char* path) const;
};

// The real calls.
const FileCalls& systemFileCalls();

// Writes data to path so that the file is either its old self or wholly the
// new data, never half written: a temporary file beside it, synced to disk,
// then renamed over it. Every step is checked. A file that exists keeps its
// permissions; a new one gets those a newly created file would get. A path
// that is a symbolic link writes the file the link points to.
//
// Returns an empty text on success, else the system's reason ("No space left
// on device"), the old file untouched and no temporary file left behind.
// Calls no GUI code: any thread may write.
std::string writeFileAtomically(const std::filesystem::path& path, std::string_view data,
                                const FileCalls& calls = systemFileCalls());

// Whether `name` (a file name, without folder) is one the writer above gives
// its temporary files: a dot, the target's name, a dot and six letters or
// digits. A write cut short by a crash leaves such a file beside its target.
bool isAtomicWriteTemporary(std::string_view name);

}  // namespace ornival
