#pragma once

#include "document/DocumentSettings.h"
#include "platform/Color.h"

#include <memory>
#include <string>
#include <vector>

namespace ornival {

class Graph;
class Shape;

// The document text of a drawing: the header, the colour table, the tiles as
// trees of glued tiles and the settings, every line ended by a line feed.
//
// The first tree grows from the start tile (the first tile at scale 1, else
// the first tile), which a reader puts back at the default placement; its
// angle is folded into the written rotation and the page frame is moved with
// it, so the drawing looks as it did. Every further piece of the drawing (a
// group of tiles not glued to the first) follows as another "shapes:" section,
// in the order of its lowest tile index, whose root line ends, after its flags
// and layer, with its placement relative to the start tile: nothing is left
// out of the file.
//
// `graph` is the editor's tiling, none without an editor; without one, or
// when the start tile is not in it, the shapes heading stands alone. The
// tiles' `visited` labels end at 1 on every written tile and 0 on the other
// tiles of the graph. Never fails.
std::string documentText(const DocumentSettings& settings, const std::vector<std::shared_ptr<Shape>>& tiles,
                         const Graph* graph);

// A blank line, "colors:" and one line per colour of the table.
std::string colorsSection(const std::vector<Color>& table);

// A blank line and the settings lines, in their fixed order. `angle` (degrees)
// is the start tile's own turn, folded into the rotation.
std::string settingsSection(const DocumentSettings& settings, double angle);

}  // namespace ornival
