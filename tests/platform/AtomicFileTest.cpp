#include "platform/AtomicFile.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <vector>
#include <unistd.h>

extern char** environ;

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::size_t entries(const fs::path& folder) {
  return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::string systemReason(int error) { return std::system_category().message(error); }

// A document of `tiles` tiles: a strip of squares, each glued to the last.
std::string stripDocument(int tiles, const std::string& color) {
  std::string text = "Ornival 0.2\n\ncolors:\n" + color + "\n\nshapes:\n4,0\n";
  for (int k = 1; k < tiles; ++k)
    text += std::to_string(k - 1) + ",2,4,0,0\n";
  return text + "\nscale: 20.0\n";
}

TEST(AtomicFileTest, WritesAndReplacesWithOrdinaryPermissions) {
  const testing::TemporaryFolder folder("ornival-atomic");
  const fs::path file = folder / "Pattern.svg";
  const mode_t previous = ::umask(022);
  EXPECT_EQ(writeFileAtomically(file, "first"), "");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644));
  // A replaced file keeps the permissions its owner gave it.
  fs::permissions(file, fs::perms(0600));
  EXPECT_EQ(writeFileAtomically(file, std::string(100000, 'x')), "");
  ::umask(previous);
  EXPECT_EQ(contents(file), std::string(100000, 'x'));
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0600));
  EXPECT_EQ(entries(folder), 1u) << "no temporary left";

  // Through a link, the file it names is written and the link stays.
  fs::create_symlink("Pattern.svg", folder / "Link.svg");
  EXPECT_EQ(writeFileAtomically(folder / "Link.svg", "through"), "");
  EXPECT_TRUE(fs::is_symlink(folder / "Link.svg"));
  EXPECT_EQ(contents(file), "through");
}

TEST(AtomicFileTest, FailureSaysWhyAndLeavesTheOldFile) {
  const testing::TemporaryFolder folder("ornival-atomic");
  EXPECT_EQ(writeFileAtomically(folder / "missing" / "Pattern.svg", "text"), systemReason(ENOENT));
  // A folder in the way of the file: the rename fails, the folder stays.
  fs::create_directories(folder / "Pattern.svg" / "inside");
  EXPECT_EQ(writeFileAtomically(folder / "Pattern.svg", "text"), systemReason(EISDIR));
  EXPECT_TRUE(fs::is_directory(folder / "Pattern.svg" / "inside"));
  EXPECT_EQ(entries(folder), 1u) << "no temporary left";
}

// The writer's steps made to fail one at a time, as a full disk, a failing
// disk or a share that went away makes them fail.
class FailingCalls : public FileCalls {
public:
  enum class Step { makeTemporary, changeMode, write, sync, close, rename };
  FailingCalls(Step step, int error) : step_(step), error_(error) {}

  int makeTemporary(char* pattern) const override {
    return step_ == Step::makeTemporary ? fail() : FileCalls::makeTemporary(pattern);
  }
  int changeMode(int fd, mode_t mode) const override {
    return step_ == Step::changeMode ? fail() : FileCalls::changeMode(fd, mode);
  }
  // Takes a few bytes first, as a disk that fills up during the write does.
  ssize_t write(int fd, const void* data, std::size_t size) const override {
    if (step_ != Step::write)
      return FileCalls::write(fd, data, size);
    if (wrote_)
      return fail();
    wrote_ = true;
    return FileCalls::write(fd, data, std::min<std::size_t>(size, 7));
  }
  int sync(int fd) const override { return step_ == Step::sync ? fail() : FileCalls::sync(fd); }
  // The descriptor is gone all the same, as after a failed close on a share.
  int close(int fd) const override {
    const int result = FileCalls::close(fd);
    return step_ == Step::close ? fail() : result;
  }
  int rename(const char* from, const char* to) const override {
    return step_ == Step::rename ? fail() : FileCalls::rename(from, to);
  }

private:
  int fail() const {
    errno = error_;
    return -1;
  }
  Step step_;
  int error_;
  mutable bool wrote_ = false;
};

TEST(AtomicFileTest, AnyStepThatFailsLeavesTheOldFileByteForByteAndGivesTheSystemsReason) {
  using Step = FailingCalls::Step;
  const struct {
    Step step;
    int error;
  } cases[] = {{Step::makeTemporary, EACCES}, {Step::changeMode, EPERM}, {Step::write, ENOSPC},
               {Step::sync, EIO},             {Step::close, EDQUOT},     {Step::rename, EXDEV}};
  const testing::TemporaryFolder folder("ornival-atomic");
  const fs::path file = folder / "Field.ornival";
  const std::string old = stripDocument(20, "FFFFFFFF");
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.step));
    ASSERT_EQ(writeFileAtomically(file, old), "");
    const FailingCalls calls(c.step, c.error);
    EXPECT_EQ(writeFileAtomically(file, stripDocument(30, "000000FF"), calls), systemReason(c.error));
    EXPECT_EQ(contents(file), old);
    EXPECT_EQ(entries(folder), 1u) << "no temporary left";
  }
}

// A save killed at any moment: the file is the whole old text or the whole
// new one, never a mixture or a stump.
TEST(AtomicFileTest, ASaveKilledAtRandomMomentsLeavesTheWholeOldOrTheWholeNewText) {
  const testing::TemporaryFolder folder("ornival-atomic");
  const fs::path file = folder / "Field.ornival";
  const std::string first = stripDocument(100000, "FFFFFFFF");
  const std::string second = stripDocument(100000, "3A5A8CFF") + "rotation: 12.5\n";
  ASSERT_EQ(writeFileAtomically(file, first), "");
  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> moment(0, 25000);
  int firsts = 0;
  int seconds = 0;
  for (int round = 0; round < 40; ++round) {
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      for (;;) {
        if (!writeFileAtomically(file, second).empty() || !writeFileAtomically(file, first).empty())
          ::_exit(2);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped on its own";
    const std::string now = contents(file);
    ASSERT_TRUE(now == first || now == second) << "round " << round << ": " << now.size() << " bytes";
    (now == first ? firsts : seconds) += 1;
  }
  std::cout << "old text " << firsts << " times, new text " << seconds << " times\n";
}

// What a write cut short leaves behind is told apart by its name from every
// file a user would keep, so that it can be cleared away safely.
TEST(AtomicFileTest, TheTemporaryFilesNamesAreToldApartFromOthers) {
  // The names the writer really gives, caught as it makes them.
  class Recording : public FileCalls {
  public:
    int makeTemporary(char* pattern) const override {
      const int fd = FileCalls::makeTemporary(pattern);
      names.push_back(fs::path(pattern).filename().string());
      return fd;
    }
    mutable std::vector<std::string> names;
  } calls;
  const testing::TemporaryFolder folder("ornival-atomic");
  for (const std::string& name : std::vector<std::string>{"Untitled 2.ornival", "Kept-Field.ornival", std::string(240, 'x') + ".ornival", "a"})
    ASSERT_EQ(writeFileAtomically(folder / name, "text", calls), "");
  ASSERT_EQ(calls.names.size(), 4u);
  for (const auto& name : calls.names)
    EXPECT_TRUE(isAtomicWriteTemporary(name)) << name;
  for (const char* name : {"Field.ornival", ".Field.ornival", ".bashrc", ".Field.ornival.12345", ".Field.ornival.12-456",
                           "Field.ornival.ABC123", ".ABC123", ".Field.ornival.ABC1234", ".Field.ornival~ABC123"})
    EXPECT_FALSE(isAtomicWriteTemporary(name)) << name;
}

// A real full disk: a tmpfs of 64 KiB mounted in a user and mount namespace
// of its own, where this test runs again as the helper below.
TEST(AtomicFileFullDisk, AFullDiskLeavesTheOldFileAndSaysSo) {
  const testing::TemporaryFolder folder("ornival-atomic");
  const fs::path mountPoint = folder / "disk";
  fs::create_directories(mountPoint);
  const auto run = [](std::vector<std::string> arguments, const std::vector<std::string>& extraEnvironment) {
    std::vector<char*> argv;
    for (auto& argument : arguments)
      argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment(extraEnvironment);
    for (char** entry = environ; *entry; ++entry) {
      const std::string inherited = *entry;
      const std::string name = inherited.substr(0, inherited.find('=') + 1);
      if (std::none_of(extraEnvironment.begin(), extraEnvironment.end(),
                       [&](const std::string& set) { return set.starts_with(name); }))
        environment.push_back(inherited);
    }
    std::vector<char*> envp;
    for (auto& entry : environment)
      envp.push_back(entry.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
      return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  if (run({"unshare", "-rm", "sh", "-c", "mount -t tmpfs -o size=64k tmpfs \"$0\"", mountPoint.string()}, {}) != 0)
    GTEST_SKIP() << "this machine cannot mount a small tmpfs in a private user and mount namespace "
                    "(unshare -rm), so the real full disk is not tried here";
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  EXPECT_EQ(run({"unshare", "-rm", "sh", "-c", "mount -t tmpfs -o size=64k tmpfs \"$0\" && exec \"$1\" \"$2\" \"$3\"",
                 mountPoint.string(), self, "--gtest_also_run_disabled_tests",
                 "--gtest_filter=AtomicFileFullDisk.DISABLED_OnASmallFileSystem"},
                {"ORNIVAL_SMALL_DISK=" + mountPoint.string()}),
            0);
}

// Run by the test above, inside the namespace, on the 64 KiB tmpfs.
TEST(AtomicFileFullDisk, DISABLED_OnASmallFileSystem) {
  const char* disk = std::getenv("ORNIVAL_SMALL_DISK");
  if (!disk)
    GTEST_SKIP() << "runs inside the namespace of AFullDiskLeavesTheOldFileAndSaysSo";
  const fs::path file = fs::path(disk) / "Field.ornival";
  const std::string old = stripDocument(100, "FFFFFFFF");
  ASSERT_EQ(writeFileAtomically(file, old), "");
  const std::string full = systemReason(ENOSPC);

  // Larger than the whole disk.
  EXPECT_EQ(writeFileAtomically(file, stripDocument(5000, "000000FF")), full);
  EXPECT_EQ(contents(file), old);
  EXPECT_EQ(entries(disk), 1u) << "no temporary left";

  // Small, on a disk that is full: the case where a buffered writer's late
  // flush fails after every write seemed to succeed.
  const fs::path filler = fs::path(disk) / "filler";
  const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0);
  const std::string block(4096, 'f');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  ::close(fd);
  EXPECT_EQ(writeFileAtomically(file, stripDocument(120, "000000FF")), full);
  EXPECT_EQ(contents(file), old);
  EXPECT_EQ(entries(disk), 2u) << "no temporary left";
  fs::remove(filler);
  EXPECT_EQ(writeFileAtomically(file, stripDocument(120, "000000FF")), "");
  EXPECT_EQ(contents(file), stripDocument(120, "000000FF"));
}

}  // namespace
}  // namespace ornival
