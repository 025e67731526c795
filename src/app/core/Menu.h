#pragma once

#include "editor/EditorMenuItem.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ornival {

// A menu item as plain data, so that what a menu holds is decided and tested
// without widgets; the Qt menu bar shows these. An empty title without an
// action is a separator.
struct MenuItem {
  std::string title;
  // The action the item sends along the action router; none for a submenu's
  // own item without action.
  std::string action;
  int tag = 0;
  // What the item stands for (the file of an example).
  std::string representedObject;
  std::vector<MenuItem> submenu;
  bool separator = false;
  bool enabled = true;
  bool checked = false;
  // The picture beside the title, drawn by whoever shows the menu: a
  // figure's small catalogue picture or a picture of one tile.
  std::shared_ptr<const Icon> image;
  std::optional<TilePicture> picture;

  bool operator==(const MenuItem&) const = default;
};

}  // namespace ornival
