#pragma once

#include "platform/Color.h"

#include <vector>

namespace ornival {

// Enough of a tile to build it again: undo of a removal, copy and paste. The
// tile is found again through its first glued side: the parent tile and side it
// lay against, and which of its own sides that was.
struct ShapeInfo {
  int parentShapeIndex = 0;
  int parentEdgeIndex = 0;
  int index = 0;
  // The figure number of the tile's kind.
  int tag = 0;
  int edgeOffset = 0;
  bool marked = false;
  Color shapeColor = Color::white();
  int layerIndex = 0;
  double borderBezierFactor = 2.0;
  double borderRadiusLimit = 1.0;
  double shapeBezierFactor = 2.0;
  double shapeRadiusLimit = 1.0;
  // One flag per side, in side order.
  std::vector<bool> groupJoins;

  bool operator==(const ShapeInfo&) const = default;
};

}  // namespace ornival
