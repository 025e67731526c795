#include "app/core/ToolsMenu.h"

#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"

#include <algorithm>
#include <map>

namespace ornival {
namespace {

bool isModifier(std::string_view word) {
  const auto& modifiers = Shapes::nameModifiers();
  return std::find(modifiers.begin(), modifiers.end(), word) != modifiers.end();
}

// At most four words (three splits), empty words dropped; the last word keeps
// whatever blanks follow the third split.
std::vector<std::string> nameWords(std::string_view name) {
  std::vector<std::string> words;
  std::size_t start = 0;
  int splits = 0;
  while (start <= name.size()) {
    if (splits == 3) {
      std::string rest(name.substr(start));
      if (!rest.empty())
        words.push_back(rest);
      break;
    }
    const std::size_t blank = name.find(' ', start);
    const std::size_t end = blank == std::string_view::npos ? name.size() : blank;
    if (end > start) {
      if (blank != std::string_view::npos)
        ++splits;
      words.emplace_back(name.substr(start, end - start));
    }
    if (blank == std::string_view::npos)
      break;
    start = blank + 1;
  }
  return words;
}

}  // namespace

std::string toolGroupWord(std::string_view name) {
  const auto words = nameWords(name);
  if (words.empty())
    return {};
  if (words.size() >= 2 && isModifier(words[0])) {
    if (words.size() >= 3 && isModifier(words[1]))
      return words[2];
    return words[1];
  }
  return words[0];
}

std::vector<MenuItem> makeToolsMenu(const std::vector<ToolEntry>& tools) {
  // std::string compares bytes, which for UTF-8 is code-point order.
  std::map<std::string, std::vector<ToolEntry>> groups;
  for (const ToolEntry& tool : tools) {
    std::string word = toolGroupWord(tool.name);
    if (!word.empty())
      groups[std::move(word)].push_back(tool);
  }
  std::vector<MenuItem> menu;
  for (auto& [word, members] : groups) {
    const auto item = [](const ToolEntry& tool) {
      MenuItem entry;
      entry.title = tool.name;
      entry.action = "selectTool";
      entry.tag = tool.rawValue;
      return entry;
    };
    if (members.size() == 1) {
      menu.push_back(item(members.front()));
      continue;
    }
    std::stable_sort(members.begin(), members.end(), [](const ToolEntry& a, const ToolEntry& b) {
      if (a.angle != b.angle)
        return a.angle < b.angle;
      return a.name < b.name;
    });
    MenuItem group;
    group.title = word;
    group.action = "selectTool";
    const auto head = std::find_if(members.begin(), members.end(),
                                   [&word](const ToolEntry& tool) { return tool.name == word; });
    group.tag = head != members.end()
                    ? head->rawValue
                    : std::min_element(members.begin(), members.end(), [](const ToolEntry& a, const ToolEntry& b) {
                        return a.rawValue < b.rawValue;
                      })->rawValue;
    for (const ToolEntry& tool : members)
      group.submenu.push_back(item(tool));
    menu.push_back(std::move(group));
  }
  return menu;
}

std::vector<MenuItem> makeToolsMenu() {
  std::vector<ToolEntry> tools;
  for (const Shapes kind : Shapes::allButLast()) {
    const auto& figure = Shapes::figures()[std::size_t(kind.rawValue() - 1)];
    tools.push_back({kind.rawValue(), figure->name(), figure->angle()});
  }
  return makeToolsMenu(tools);
}

}  // namespace ornival
