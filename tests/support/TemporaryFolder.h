#pragma once

// A folder of one test's own: made fresh under the test temporary folder with
// a name no other run shares, and removed with everything in it when the
// test ends, so that tests running at once never meet and nothing stays
// behind. With ORNIVAL_KEEP_TEST_FOLDERS set, it stays, and its path is
// printed, for a look at what a failing test wrote.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace ornival::testing {

class TemporaryFolder {
public:
  // The name starts with prefix, then the running test's name, then a unique
  // suffix.
  explicit TemporaryFolder(std::string_view prefix = "ornival") {
    std::string name = std::string(prefix);
    if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info())
      name += std::string("-") + test->name();
    for (char& c : name)
      if (c == '/')
        c = '-';
    std::string pattern = (std::filesystem::path(::testing::TempDir()) / (name + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
      ADD_FAILURE() << "cannot make a temporary folder like " << pattern;
    path_ = pattern;
  }
  ~TemporaryFolder() {
    if (std::getenv("ORNIVAL_KEEP_TEST_FOLDERS")) {
      std::fprintf(stderr, "kept %s\n", path_.c_str());
      return;
    }
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  operator const std::filesystem::path&() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
  std::filesystem::path path_;
};

}  // namespace ornival::testing
