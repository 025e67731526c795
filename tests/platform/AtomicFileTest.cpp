#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

fs::path freshFolder() {
  const fs::path folder = fs::path(::testing::TempDir()) /
                          ("ornival-atomic-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

TEST(AtomicFileTest, WritesAndReplacesWithOrdinaryPermissions) {
  const fs::path folder = freshFolder();
  const fs::path file = folder / "Pattern.svg";
  const mode_t previous = ::umask(022);
  EXPECT_EQ(writeFileAtomically(file, "first"), "");
  EXPECT_EQ(writeFileAtomically(file, std::string(100000, 'x')), "");
  ::umask(previous);
  EXPECT_EQ(contents(file), std::string(100000, 'x'));
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary left";
}

TEST(AtomicFileTest, FailureSaysWhyAndLeavesTheOldFile) {
  const fs::path folder = freshFolder();
  EXPECT_NE(writeFileAtomically(folder / "missing" / "Pattern.svg", "text"), "");
  // A folder in the way of the file: the rename fails, the folder stays.
  fs::create_directories(folder / "Pattern.svg" / "inside");
  EXPECT_NE(writeFileAtomically(folder / "Pattern.svg", "text"), "");
  EXPECT_TRUE(fs::is_directory(folder / "Pattern.svg" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary left";
}

}  // namespace
}  // namespace ornival
