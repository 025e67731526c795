#pragma once

#include "app/core/Menu.h"

#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// The word a figure's name is filed under in the Tools menu: the first word,
// or the second or third when the words before it are name modifiers ("Right
// Big Star" files under "Star"). Empty for a name without words.
std::string toolGroupWord(std::string_view name);

// The Tools menu: one item per catalogue figure but the group tile, grouped by
// their group words in code-point order. A group of one is a plain item with
// the figure's name; a larger group is a submenu ordered by smallest angle,
// then name, whose own item carries the tag of the figure named exactly as
// the group, else of its smallest figure number. Every item sends selectTool
// with the figure number as its tag.
std::vector<MenuItem> makeToolsMenu();

// The same over any figures: (figure number, name, smallest angle).
struct ToolEntry {
  int rawValue = 0;
  std::string name;
  double angle = 0.0;
};
std::vector<MenuItem> makeToolsMenu(const std::vector<ToolEntry>& tools);

}  // namespace ornival
