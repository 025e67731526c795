#pragma once

// Placed tiles and glued sides for tests that need a small tiling without the
// graph.

#include "model/Edge.h"
#include "model/Shape.h"

#include <memory>

namespace ornival::testing {

// A tile of the figure at the default size (20 canvas units per side unit),
// corner 0 at the origin.
inline std::shared_ptr<Shape> placedTile(std::shared_ptr<const Figure> figure) {
  auto shape = Shape::create(std::move(figure));
  shape->place(nullptr);
  return shape;
}

// Joins two sides both ways, as the graph does.
inline void glue(const std::shared_ptr<Edge>& a, const std::shared_ptr<Edge>& b, bool groupJoin = false) {
  a->join = b;
  b->join = a;
  a->isGroupJoin = groupJoin;
  b->isGroupJoin = groupJoin;
}

// A new tile of the figure laid against side `onto` of another tile with its
// own side `own`, the two glued.
inline std::shared_ptr<Shape> attach(std::shared_ptr<const Figure> figure, int own,
                                     const std::shared_ptr<Edge>& onto, bool groupJoin = false) {
  auto shape = Shape::create(std::move(figure));
  glue(shape->edges()[std::size_t(own)], onto, groupJoin);
  shape->place(onto);
  return shape;
}

}  // namespace ornival::testing
