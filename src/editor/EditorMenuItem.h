#pragma once

#include "figures/catalogue/Shapes.h"
#include "platform/Color.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ornival {

class Figure;
class Icon;

// A picture of one tile for a menu: the figure in the tile's colour, turned by
// angle radians, size × size pixels. Whoever shows the menu draws it.
struct TilePicture {
  std::shared_ptr<const Figure> figure;
  Color color;
  double angle = 0.0;
  int size = 64;

  bool operator==(const TilePicture&) const = default;
};

// A menu item as the editor fills and validates it, as plain data: the window
// turns it into its own menu item and sends the action back with what the
// item stands for.
struct EditorMenuItem {
  std::string title;
  std::string action;
  int tag = 0;
  // What the item stands for: a figure kind, with an orientation class
  // (variant) for the select menu's submenus, or a layer index.
  std::optional<Shapes> kind;
  std::optional<int> variant;
  std::optional<int> layer;
  // The figure's small catalogue picture, or a picture of a tile.
  std::shared_ptr<const Icon> image;
  std::optional<TilePicture> picture;
  std::vector<EditorMenuItem> submenu;
  bool checked = false;
};

}  // namespace ornival
