#include "platform/AtomicFile.h"
#include "support/TemporaryFolder.h"

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

TEST(AtomicFileTest, WritesAndReplacesWithOrdinaryPermissions) {
  const testing::TemporaryFolder folder("ornival-atomic");
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
  const testing::TemporaryFolder folder("ornival-atomic");
  EXPECT_NE(writeFileAtomically(folder / "missing" / "Pattern.svg", "text"), "");
  // A folder in the way of the file: the rename fails, the folder stays.
  fs::create_directories(folder / "Pattern.svg" / "inside");
  EXPECT_NE(writeFileAtomically(folder / "Pattern.svg", "text"), "");
  EXPECT_TRUE(fs::is_directory(folder / "Pattern.svg" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary left";
}

}  // namespace
}  // namespace ornival
