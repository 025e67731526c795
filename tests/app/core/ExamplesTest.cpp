#include "app/core/Examples.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace ornival {
namespace {

TEST(Examples, TitlesFollowTheFileNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"03-HouseOfTiles.ornival", "House Of Tiles"},
      {"Star05.ornival", "Star 5"},
      {"Star10.ornival", "Star 10"},
      {"Big-Star.ornival", "Star"},
      {"07-.ornival", ""},
      {"TwoSquares.ornival", "Two Squares"},
      {"a.ornival.ornival", "a"},
      {"12-Ten-Fold.ornival", "Ten-Fold"},
      {"octagons", "octagons"},
  };
  for (const auto& [file, title] : cases)
    EXPECT_EQ(exampleTitle(file, "ornival"), title) << file;
  EXPECT_EQ(exampleTitle("Group.Tiles", ""), "Group Tiles");
}

class ExamplesFolder : public ::testing::Test {
protected:
  void touch(const std::filesystem::path& relative) {
    std::filesystem::create_directories((folder / relative).parent_path());
    std::ofstream(folder / relative) << "Ornival 0.2\n";
  }
  testing::TemporaryFolder folder{"ornival-examples"};
};

TEST_F(ExamplesFolder, ListsByUrlWithSeparatorsAndFolders) {
  touch("2-Square.ornival");
  touch("10-Star05.ornival");
  touch("12-.ornival");
  touch("Families/2-Octagons.ornival");
  touch("Families/1-Sevens.ornival");
  touch("Families/notes.txt");
  touch("readme.txt");
  const auto menu = makeExamplesMenu(folder);
  ASSERT_EQ(menu.size(), 5u);
  EXPECT_EQ(menu[0].title, "Star 5");  // "10-" sorts before "12-" and "2-"
  EXPECT_EQ(menu[0].action, "openExample");
  EXPECT_EQ(menu[0].representedObject, (folder / "10-Star05.ornival").string());
  EXPECT_TRUE(menu[1].separator);
  EXPECT_EQ(menu[2].title, "Square");
  EXPECT_EQ(menu[3].title, "Families");
  EXPECT_TRUE(menu[3].action.empty());
  ASSERT_EQ(menu[3].submenu.size(), 2u);
  EXPECT_EQ(menu[3].submenu[0].title, "Sevens");
  EXPECT_EQ(menu[3].submenu[1].title, "Octagons");
  // Another extension is taken for a folder, and lists nothing.
  EXPECT_EQ(menu[4].title, "readme");
  EXPECT_TRUE(menu[4].submenu.empty());

  EXPECT_EQ(firstExample(folder), folder / "10-Star05.ornival");
  EXPECT_TRUE(makeExamplesMenu(folder / "missing").empty());
  EXPECT_TRUE(firstExample(folder / "missing").empty());
}

}  // namespace
}  // namespace ornival
