#pragma once

// Placed tiles and glued sides for tests that need a small tiling without the
// graph.

#include "model/Edge.h"
#include "model/Shape.h"

#include <memory>
#include <utility>

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

// Two tiles of a square figure side by side, the right one's side 3 glued to
// the left one's side 1, the right one shifted off its place by (dx, dy)
// canvas units: with a shift beyond 1/512 the joined sides' ends lie apart,
// as in a damaged file.
inline std::pair<std::shared_ptr<Shape>, std::shared_ptr<Shape>> pairAcrossAGap(
    const std::shared_ptr<const Figure>& square, double dx, double dy) {
  auto left = placedTile(square);
  auto right = Shape::create(square);
  right->transformation = AffineTransform{20.0, 0.0, 0.0, 20.0, 20.0 + dx, dy};
  right->updateTransformedGeometry();
  glue(left->edges()[1], right->edges()[3]);
  return {std::move(left), std::move(right)};
}

}  // namespace ornival::testing
