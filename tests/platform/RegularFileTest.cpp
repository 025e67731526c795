#include "platform/RegularFile.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string systemReason(int error) { return std::system_category().message(error); }

TEST(RegularFileTest, ReadsARegularFileUpToTheLimitAndSaysWhyItRefusesTheRest) {
  const testing::TemporaryFolder folder("ornival-regular");
  std::ofstream(folder / "ten.txt", std::ios::binary) << "0123456789";
  fs::create_symlink("ten.txt", folder / "link.txt");
  fs::create_symlink("loop-b", folder / "loop-a");
  fs::create_symlink("loop-a", folder / "loop-b");
  fs::create_directories(folder / "folder.ornival");

  const FileContents whole = readRegularFile(folder / "ten.txt", 10);
  EXPECT_TRUE(whole.ok());
  EXPECT_EQ(whole.bytes, "0123456789");
  EXPECT_EQ(fileIdentity(folder / "ten.txt"), whole.identity);
  EXPECT_EQ(readRegularFile(folder / "link.txt", 10).bytes, "0123456789");

  const struct {
    fs::path file;
    ReadRefusal refusal;
    std::string reason;
  } refused[] = {
      {folder / "ten.txt", ReadRefusal::tooLarge, ""},
      {folder / "missing.ornival", ReadRefusal::system, systemReason(ENOENT)},
      {folder / "loop-a", ReadRefusal::system, systemReason(ELOOP)},
      {folder / "folder.ornival", ReadRefusal::directory, systemReason(EISDIR)},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.file.string());
    const FileContents contents = readRegularFile(c.file, 9);
    EXPECT_EQ(contents.refusal, c.refusal);
    EXPECT_EQ(contents.reason(), c.reason);
    EXPECT_TRUE(contents.bytes.empty());
  }
}

TEST(RegularFileTest, AFileItMayNotReadIsRefusedWithTheSystemsReason) {
  const testing::TemporaryFolder folder("ornival-regular");
  fs::permissions(folder, fs::perms(0755));
  std::ofstream(folder / "private.ornival") << "Ornival 0.2\n";
  fs::permissions(folder / "private.ornival", fs::perms(0600));
  // The owner of the file reads it anyway; as root, a child that is nobody
  // does the reading.
  if (::geteuid() != 0) {
    fs::permissions(folder / "private.ornival", fs::perms(0000));
    EXPECT_EQ(readRegularFile(folder / "private.ornival", 100).reason(), systemReason(EACCES));
  } else {
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      if (::setgid(65534) != 0 || ::setuid(65534) != 0)
        ::_exit(3);
      const FileContents contents = readRegularFile(folder / "private.ornival", 100);
      ::_exit(contents.refusal == ReadRefusal::system && contents.reason() == systemReason(EACCES) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3)
      GTEST_SKIP() << "cannot become another user here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
}

// A pipe waits for a writer and /dev/zero never ends: both are refused at
// once. Read in a child under a time limit, so that a reader that waits or
// reads for ever fails here rather than hanging the run.
TEST(RegularFileTest, APipeAndALinkToDevZeroAreRefusedWithoutWaiting) {
  const testing::TemporaryFolder folder("ornival-regular");
  ASSERT_EQ(::mkfifo((folder / "pipe.ornival").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", folder / "zero.ornival");
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    const FileContents pipe = readRegularFile(folder / "pipe.ornival", std::uint64_t(1) << 40);
    const FileContents zero = readRegularFile(folder / "zero.ornival", std::uint64_t(1) << 40);
    ::_exit(pipe.refusal == ReadRefusal::notRegular && zero.refusal == ReadRefusal::notRegular ? 0 : 1);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  int status = 0;
  pid_t ended = 0;
  while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  if (ended == 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    FAIL() << "reading a pipe or /dev/zero did not come back within 10 s";
  }
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace ornival
