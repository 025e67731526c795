#include "app/core/ToolbarItems.h"
#include "figures/Figure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace ornival {
namespace {

TEST(ToolbarItems, DefaultToolbarHoldsTheNamedItemsWithoutBorderAndShare) {
  const std::vector<std::string> expected = {"Shapes", "Color", "Dimension", "Count", "FlexibleSpace", "Rotate", "Scale"};
  EXPECT_EQ(defaultToolbarItems(), expected);
  const auto& allowed = allowedToolbarItems();
  const std::vector<std::string> named(allowed.begin(), allowed.begin() + 10);
  EXPECT_EQ(named, (std::vector<std::string>{"Space", "FlexibleSpace", "Shapes", "Color", "Border", "Dimension",
                                             "Count", "Rotate", "Scale", "Share"}));
  for (const std::string& item : defaultToolbarItems())
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), item), allowed.end()) << item;
}

TEST(ToolbarItems, EveryFigureButTheGroupTileHasItsOwnTool) {
  const auto& tools = selectableToolbarItems();
  ASSERT_EQ(tools.size(), 1121u);
  EXPECT_EQ(toolOfIdentifier(tools.front()), Shapes::init(1));
  EXPECT_EQ(toolOfIdentifier(tools.back()), Shapes::init(1121));
  // Two figures of one name still have two items.
  EXPECT_EQ(Shapes::figures()[652]->name(), Shapes::figures()[653]->name());
  EXPECT_EQ(tools[652], toolIdentifier(*Shapes::init(653)));
  EXPECT_EQ(tools[653], toolIdentifier(*Shapes::init(654)));
  const auto& allowed = allowedToolbarItems();
  EXPECT_EQ(std::set<std::string>(allowed.begin(), allowed.end()).size(), allowed.size());
  EXPECT_EQ(allowed.size(), 10u + 1121u);
  EXPECT_EQ(std::count(allowed.begin(), allowed.end(), toolIdentifier(Shapes::multi)), 0);
}

TEST(ToolbarItems, OnlyWellFormedToolIdentifiersNameAFigure) {
  EXPECT_EQ(toolOfIdentifier("Figure 653"), Shapes::init(653));
  for (const char* text : {"Figure 0", "Figure 1122", "Figure 0653", "Figure 65x", "Figure ", "figure 1", "Shapes",
                           "Figure -1", "Figure 99999999999"})
    EXPECT_EQ(toolOfIdentifier(text), std::nullopt) << text;
}

TEST(ToolbarItems, DimensionTitleIs3DOnlyFor3) {
  EXPECT_EQ(dimensionTitle(3), "3D");
  for (const int other : {1, 2, 4, 0})
    EXPECT_EQ(dimensionTitle(other), "2D") << other;
}

TEST(ToolbarItems, ASavedToolbarKeepsItsOrderAndDropsWhatIsNotAllowed) {
  EXPECT_EQ(restoredToolbarItems({"Share", "Figure 5", "Nonsense", "Space", "Space", "Figure 5", "Figure 1122"}),
            (std::vector<std::string>{"Share", "Figure 5", "Space", "Space"}));
  EXPECT_EQ(restoredToolbarItems({}), defaultToolbarItems());
  EXPECT_EQ(restoredToolbarItems({"Nonsense"}), defaultToolbarItems());
}

}  // namespace
}  // namespace ornival
