#include "platform/AtomicFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace ornival {

namespace {

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

}  // namespace

std::string writeFileAtomically(const std::filesystem::path& path, std::string_view data) {
  if (path.filename().empty())
    return "no file name";
  // Beside the target, so that the rename stays on one file system.
  const std::string pattern = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0)
    return reason(errno);
  const auto fail = [&](int error) {
    ::close(fd);
    ::unlink(name.data());
    return reason(error);
  };
  // mkstemp makes the file private; an export is an ordinary file.
  if (::fchmod(fd, 0666 & ~currentUmask()) != 0)
    return fail(errno);
  for (std::size_t written = 0; written < data.size();) {
    const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return fail(errno);
    }
    written += std::size_t(n);
  }
  if (::fsync(fd) != 0)
    return fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(name.data());
    return reason(error);
  }
  if (::rename(name.data(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(name.data());
    return reason(error);
  }
  return {};
}

}  // namespace ornival
