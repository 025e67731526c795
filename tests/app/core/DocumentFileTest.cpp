#include "app/core/DocumentFile.h"

#include "document/Document.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "platform/UndoManager.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/xattr.h>

namespace ornival {
namespace {

const std::string twoSquares =
    "Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n7,1\n0,1,7,3,0,0,0,0,0,2\n\nscale: 35.0\n";

TEST(DocumentFile, RefusesTextThatIsNoDocumentAndLeavesTheDocumentAlone) {
  const std::pair<std::string, TextKind> cases[] = {
      {std::string("Ornival 0.2\n\xff\xfe shapes\n"), TextKind::notUtf8},
      {"just some notes\nscale: 35.0\n", TextKind::notDocument},
      {"", TextKind::notDocument},
  };
  for (const auto& [text, kind] : cases) {
    const auto document = Document::create();
    EXPECT_EQ(readDocument(*document, text), kind);
    EXPECT_TRUE(document->model.empty());
    EXPECT_EQ(document->scale(), 20.0);
    EXPECT_NE(refusalMessage(kind, "notes.txt").find("“notes.txt” is not an Ornival document"), std::string::npos);
  }
}

TEST(DocumentFile, ReadingRegistersNoUndo) {
  const auto document = Document::create();
  const auto undo = UndoManager::create();
  document->setUndoManager(undo);
  undo->beginGroup();
  EXPECT_EQ(readDocument(*document, twoSquares), TextKind::document);
  undo->endGroup();
  EXPECT_EQ(document->model.size(), 2u);
  EXPECT_EQ(document->scale(), 35.0);
  EXPECT_FALSE(undo->canUndo());
  EXPECT_TRUE(undo->isUndoRegistrationEnabled());
  EXPECT_EQ(refusalMessage(TextKind::document, "a"), "");
}

TEST(DocumentFile, TagsNameTheFiguresInUseInCatalogueOrder) {
  std::vector<int> counts(std::size_t(Shapes::caseCount) + 1, 0);
  EXPECT_EQ(documentTags(counts), std::vector<std::string>{"Ornival"});
  counts[9] = 2;
  counts[4] = 1;
  counts[std::size_t(Shapes::multi.rawValue())] = 3;
  const auto name = [](int raw) { return Shapes::figures()[std::size_t(raw - 1)]->name(); };
  EXPECT_EQ(documentTags(counts), (std::vector<std::string>{"Ornival", name(4), name(9)}));
}

// File managers split the attribute at every comma; a figure's name may
// hold one ("Star ¹⁄₆ 3,3"), which must stay inside its tag, shown as a
// comma, and read back as written.
TEST(DocumentFile, WritesTagsAsAnExtendedAttributeAndReadsThemBack) {
  const testing::TemporaryFolder folder("ornival-tags");
  const auto file = folder / "Pattern.ornival";
  std::ofstream(file) << twoSquares;
  std::vector<int> counts(std::size_t(Shapes::caseCount) + 1, 0);
  counts[7] = 1;
  counts[659] = 2;
  const std::vector<std::string> tags = documentTags(counts);
  ASSERT_EQ(tags.size(), 3u);
  ASSERT_EQ(tags[2], "Star ¹⁄₆ 3,3");
  if (!writeFileTags(file, tags))
    GTEST_SKIP() << "the temporary folder's file system keeps no extended attributes";
  EXPECT_EQ(readFileTags(file), tags);

  // What a file manager reads: the attribute split at its commas.
  std::string raw(256, '\0');
  const ssize_t size = ::getxattr(file.c_str(), "user.xdg.tags", raw.data(), raw.size());
  ASSERT_GT(size, 0);
  raw.resize(std::size_t(size));
  EXPECT_EQ(raw, tags[0] + "," + tags[1] + ",Star ¹⁄₆ 3\u201A3");

  // A tag of commas alone, and commas at either end, come back whole.
  const std::vector<std::string> odd{",", ",a", "b,", "a,,b"};
  ASSERT_TRUE(writeFileTags(file, odd));
  EXPECT_EQ(readFileTags(file), odd);

  std::filesystem::remove(file);
  EXPECT_FALSE(writeFileTags(file, tags));
  EXPECT_TRUE(readFileTags(file).empty());
}

}  // namespace
}  // namespace ornival
