#include "platform/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace ornival {

namespace {

FileIdentity identityOf(const struct stat& status) {
  return {std::uint64_t(status.st_dev), std::uint64_t(status.st_ino), std::int64_t(status.st_size),
          std::int64_t(status.st_mtim.tv_sec), std::int64_t(status.st_mtim.tv_nsec)};
}

// Refuses what is not a regular file of at most maxBytes; true when it is one.
bool admits(const struct stat& status, std::uint64_t maxBytes, FileContents& contents) {
  if (S_ISDIR(status.st_mode))
    contents.refusal = ReadRefusal::directory;
  else if (!S_ISREG(status.st_mode))
    contents.refusal = ReadRefusal::notRegular;
  else if (std::uint64_t(status.st_size) > maxBytes)
    contents.refusal = ReadRefusal::tooLarge;
  return contents.refusal == ReadRefusal::none;
}

FileContents systemRefusal(int error) {
  FileContents contents;
  contents.refusal = ReadRefusal::system;
  contents.error = error;
  return contents;
}

}  // namespace

std::string FileContents::reason() const {
  switch (refusal) {
    case ReadRefusal::system: return std::system_category().message(error);
    case ReadRefusal::directory: return std::system_category().message(EISDIR);
    case ReadRefusal::none:
    case ReadRefusal::notRegular:
    case ReadRefusal::tooLarge: return {};
  }
  return {};
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0)
    return std::nullopt;
  return identityOf(status);
}

FileContents readRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
  // Looked at before it is opened: opening a pipe for reading waits for a
  // writer, and opening a device can do things of its own.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0)
    return systemRefusal(errno);
  FileContents contents;
  if (!admits(status, maxBytes, contents))
    return contents;
  // Opened without waiting all the same, and looked at again: the name may
  // have been pointed elsewhere in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return systemRefusal(errno);
  const auto closeAnd = [fd](FileContents result) {
    ::close(fd);
    return result;
  };
  if (::fstat(fd, &status) != 0)
    return closeAnd(systemRefusal(errno));
  if (!admits(status, maxBytes, contents))
    return closeAnd(std::move(contents));
  contents.identity = identityOf(status);

  // Read to its end, however its size was given: a file that grows past the
  // limit while it is read is refused too.
  contents.bytes.resize(std::size_t(status.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == contents.bytes.size()) {
      if (filled > maxBytes) {
        contents.bytes.clear();
        contents.refusal = ReadRefusal::tooLarge;
        return closeAnd(std::move(contents));
      }
      contents.bytes.resize(std::min<std::uint64_t>(maxBytes + 1, filled * 2 + 4096));
    }
    const ssize_t n = ::read(fd, contents.bytes.data() + filled, contents.bytes.size() - filled);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return closeAnd(systemRefusal(errno));
    }
    if (n == 0)
      break;
    filled += std::size_t(n);
  }
  if (filled > maxBytes) {
    contents.bytes.clear();
    contents.refusal = ReadRefusal::tooLarge;
    return closeAnd(std::move(contents));
  }
  contents.bytes.resize(filled);
  return closeAnd(std::move(contents));
}

}  // namespace ornival
