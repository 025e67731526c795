#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace ornival {

int FileCalls::makeTemporary(char* pattern) const { return ::mkostemp(pattern, O_CLOEXEC); }
int FileCalls::changeMode(int fd, mode_t mode) const { return ::fchmod(fd, mode); }
ssize_t FileCalls::write(int fd, const void* data, std::size_t size) const { return ::write(fd, data, size); }
int FileCalls::sync(int fd) const { return ::fsync(fd); }
int FileCalls::close(int fd) const { return ::close(fd); }
int FileCalls::rename(const char* from, const char* to) const { return ::rename(from, to); }
int FileCalls::unlink(const char* path) const { return ::unlink(path); }

int FileCalls::syncFolder(const char* path) const {
  const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return -1;
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  errno = error;
  return result;
}

const FileCalls& systemFileCalls() {
  static const FileCalls calls;
  return calls;
}

namespace {

// What mkstemp fills in with six letters or digits.
constexpr std::string_view temporarySuffix = ".XXXXXX";

std::string reason(int error) { return std::system_category().message(error); }

// The process's file mode mask, read without changing it (umask would, for a
// moment, for every thread). 022 when it cannot be read.
mode_t currentUmask() {
  const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return 022;
  char buffer[4096];
  const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
  ::close(fd);
  if (n <= 0)
    return 022;
  buffer[n] = '\0';
  const char* line = std::strstr(buffer, "Umask:");
  if (!line)
    return 022;
  line += 6;
  while (*line == ' ' || *line == '\t')
    ++line;
  unsigned mask = 022;
  std::from_chars(line, buffer + n, mask, 8);
  return mode_t(mask);
}

// Where the data goes: through a symbolic link to the file it names, so that
// saving keeps the link.
std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
    return path;
  std::error_code error;
  auto target = std::filesystem::canonical(path, error);
  return error ? path : target;
}

// A file keeps its permissions when it is replaced; a new one is an ordinary
// file (mkstemp makes its files private).
mode_t modeFor(const std::filesystem::path& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    return existing.st_mode & 07777;
  return 0666 & ~currentUmask();
}

}  // namespace

std::string writeFileAtomically(const std::filesystem::path& path, std::string_view data, const FileCalls& calls) {
  if (path.filename().empty())
    return std::system_category().message(EISDIR);
  const std::filesystem::path target = resolvedTarget(path);
  const mode_t mode = modeFor(target);

  // Beside the target, so that the rename stays on one file system; the name
  // is cut short where a long file name would leave no room for the suffix.
  std::string stem = target.filename().string();
  if (stem.size() > 200)
    stem.resize(200);
  const std::string pattern = (target.parent_path() / ("." + stem + std::string(temporarySuffix))).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = calls.makeTemporary(name.data());
  if (fd < 0)
    return reason(errno);

  // Every failure after this point removes the temporary file; the error is
  // taken before the clean-up can change errno.
  const auto fail = [&](int error, bool open) {
    if (open)
      calls.close(fd);
    calls.unlink(name.data());
    return reason(error);
  };
  if (calls.changeMode(fd, mode) != 0)
    return fail(errno, true);
  for (std::size_t written = 0; written < data.size();) {
    const ssize_t n = calls.write(fd, data.data() + written, data.size() - written);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return fail(errno, true);
    }
    // Nothing written for a request of something: the device takes no more.
    if (n == 0)
      return fail(ENOSPC, true);
    written += std::size_t(n);
  }
  // The data reaches the disk before the name does: a failed sync means the
  // disk may not hold what was written, and the old file must stay.
  if (calls.sync(fd) != 0)
    return fail(errno, true);
  if (calls.close(fd) != 0)
    return fail(errno, false);
  if (calls.rename(name.data(), target.c_str()) != 0)
    return fail(errno, false);
  // The file now holds the new data whole whatever follows; syncing its
  // folder only makes the new name survive a power cut, and some file
  // systems refuse to sync a folder at all, so its answer changes nothing.
  const std::string folder = target.parent_path().empty() ? std::string(".") : target.parent_path().string();
  calls.syncFolder(folder.c_str());
  return {};
}

bool isAtomicWriteTemporary(std::string_view name) {
  if (name.size() < 2 + temporarySuffix.size() || name.front() != '.')
    return false;
  const std::string_view suffix = name.substr(name.size() - temporarySuffix.size());
  return suffix.front() == '.' && std::all_of(suffix.begin() + 1, suffix.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
         });
}

}  // namespace ornival
