#include "app/core/ToolbarItems.h"

#include "platform/Localization.h"

#include <charconv>
#include <unordered_set>

namespace ornival {

std::string toolIdentifier(Shapes kind) { return "Figure " + std::to_string(kind.rawValue()); }

std::optional<Shapes> toolOfIdentifier(std::string_view identifier) {
  constexpr std::string_view prefix = "Figure ";
  if (!identifier.starts_with(prefix))
    return std::nullopt;
  const std::string_view digits = identifier.substr(prefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() || digits.front() == '0')
    return std::nullopt;
  const auto kind = Shapes::init(number);
  if (!kind || *kind == Shapes::multi)
    return std::nullopt;
  return kind;
}

const std::vector<std::string>& selectableToolbarItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> list;
    for (const Shapes kind : Shapes::allButLast())
      list.push_back(toolIdentifier(kind));
    return list;
  }();
  return items;
}

const std::vector<std::string>& allowedToolbarItems() {
  static const std::vector<std::string> items = [] {
    using namespace toolbarItem;
    std::vector<std::string> list;
    for (const std::string_view named : {space, flexibleSpace, shapes, color, border, dimension, count, rotate, scale, share})
      list.emplace_back(named);
    for (const std::string& tool : selectableToolbarItems())
      list.push_back(tool);
    return list;
  }();
  return items;
}

const std::vector<std::string>& defaultToolbarItems() {
  static const std::vector<std::string> items = [] {
    using namespace toolbarItem;
    std::vector<std::string> list;
    for (const std::string_view named : {shapes, color, dimension, count, flexibleSpace, rotate, scale})
      list.emplace_back(named);
    return list;
  }();
  return items;
}

std::string dimensionTitle(int dimension) {
  return dimension == 3 ? localized("Toolbar", "3D") : localized("Toolbar", "2D");
}

std::vector<std::string> restoredToolbarItems(const std::vector<std::string>& saved) {
  static const std::unordered_set<std::string> allowed(allowedToolbarItems().begin(), allowedToolbarItems().end());
  std::vector<std::string> items;
  std::unordered_set<std::string> seen;
  for (const std::string& identifier : saved) {
    // Spaces may stand more than once; everything else once.
    const bool isSpace = identifier == toolbarItem::space || identifier == toolbarItem::flexibleSpace;
    if (allowed.contains(identifier) && (isSpace || seen.insert(identifier).second))
      items.push_back(identifier);
  }
  if (items.empty())
    return defaultToolbarItems();
  return items;
}

}  // namespace ornival
