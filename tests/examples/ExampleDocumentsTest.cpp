#include "ExampleDocuments.h"

#include "document/OrnivalModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The committed examples are exactly what the generator writes, nothing
// more, and each reads back as a document with tiles.
TEST(ExampleDocuments, CommittedFilesAreTheGeneratorsAndReadBackWithTiles) {
  const fs::path folder = ORNIVAL_EXAMPLES_DIR;
  std::set<std::string> committed;
  for (const auto& entry : fs::directory_iterator(folder))
    committed.insert(entry.path().filename().string());
  std::set<std::string> generated;
  for (const auto& example : examples::exampleDocuments()) {
    generated.insert(example.fileName);
    EXPECT_EQ(contents(folder / example.fileName), example.text) << example.fileName << " is not the generator's";
    auto model = OrnivalModel::create();
    EXPECT_EQ(model->read(example.text), TextKind::document) << example.fileName;
    EXPECT_GT(model->shapes.size(), 10u) << example.fileName;
  }
  EXPECT_EQ(committed, generated);
}

}  // namespace
}  // namespace ornival
