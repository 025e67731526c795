#pragma once

#include "platform/AffineTransform.h"
#include "platform/Color.h"

#include <vector>

namespace ornival {

// Enough of a tile to build it again: undo of a removal, copy and paste. The
// tile is found again through its first glued side: the parent tile and side it
// lay against, and which of its own sides that was. A tile with no glued side
// (an island's own, or the last of a piece) has no parent to be laid on and
// goes back by the transformation it had.
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
  // Whether a glued side gave the parent fields above; they are all 0 when not.
  bool hasParent = false;
  // Figure to canvas coordinates, as the tile stood.
  AffineTransform transformation;

  bool operator==(const ShapeInfo&) const = default;
};

}  // namespace ornival
