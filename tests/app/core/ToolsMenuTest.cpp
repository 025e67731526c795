#include "app/core/ToolsMenu.h"

#include "figures/catalogue/Shapes.h"

#include <gtest/gtest.h>

#include <set>

namespace ornival {
namespace {

TEST(ToolsMenu, GroupsUnderTheFirstWordThatIsNoModifier) {
  const std::pair<const char*, const char*> cases[] = {
      {"Right Big Star", "Star"},     {"Right Star Big", "Star"}, {"Star", "Star"},
      {"Hexagon Tall", "Hexagon"},    {"Big", "Big"},             {"  Thin   Kite ", "Kite"},
      {"Three Quarters", "Three"},    {"", ""},                    {"Left Right Big Sun", "Big"},
  };
  for (const auto& [name, word] : cases)
    EXPECT_EQ(toolGroupWord(name), word) << name;
}

TEST(ToolsMenu, MakesPlainItemsForSingletonsAndSubmenusOrderedByAngleThenName) {
  const std::vector<ToolEntry> tools = {
      {10, "Big Star", 30.0}, {11, "Star", 60.0},   {12, "Thin Star", 30.0}, {20, "Kite", 70.0},
      {31, "Wide Dart", 40.0}, {30, "Long Dart", 40.0}, {40, "apple", 10.0},
  };
  const auto menu = makeToolsMenu(tools);
  ASSERT_EQ(menu.size(), 4u);
  // Code-point order: capitals before small letters.
  EXPECT_EQ(menu[0].title, "Dart");
  EXPECT_EQ(menu[1].title, "Kite");
  EXPECT_EQ(menu[2].title, "Star");
  EXPECT_EQ(menu[3].title, "apple");

  // No member named "Dart": the smallest figure number leads.
  EXPECT_EQ(menu[0].tag, 30);
  ASSERT_EQ(menu[0].submenu.size(), 2u);
  EXPECT_EQ(menu[0].submenu[0].title, "Long Dart");
  EXPECT_EQ(menu[0].submenu[1].title, "Wide Dart");

  // A group of one is the figure itself.
  EXPECT_TRUE(menu[1].submenu.empty());
  EXPECT_EQ(menu[1].tag, 20);
  EXPECT_EQ(menu[1].action, "selectTool");

  // The member named as the group leads; members by angle, ties by name.
  EXPECT_EQ(menu[2].tag, 11);
  ASSERT_EQ(menu[2].submenu.size(), 3u);
  EXPECT_EQ(menu[2].submenu[0].title, "Big Star");
  EXPECT_EQ(menu[2].submenu[1].title, "Thin Star");
  EXPECT_EQ(menu[2].submenu[2].title, "Star");
  for (const auto& entry : menu[2].submenu)
    EXPECT_EQ(entry.action, "selectTool");
}

TEST(ToolsMenu, HoldsEveryFigureOfTheCatalogueOnceButTheGroupTile) {
  std::multiset<int> tags;
  for (const MenuItem& entry : makeToolsMenu()) {
    if (entry.submenu.empty())
      tags.insert(entry.tag);
    for (const MenuItem& inner : entry.submenu)
      tags.insert(inner.tag);
  }
  EXPECT_EQ(tags.size(), Shapes::allButLast().size());
  EXPECT_EQ(std::set<int>(tags.begin(), tags.end()).size(), tags.size());
  EXPECT_EQ(tags.count(Shapes::multi.rawValue()), 0u);
}

}  // namespace
}  // namespace ornival
