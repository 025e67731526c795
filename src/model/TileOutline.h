#pragma once

#include "platform/Path.h"
#include "platform/Vec2.h"

#include <memory>
#include <vector>

namespace ornival {

class Edge;

// Collects a tile outline while it is traced, rounding corners with the
// tile's factor and limit; the window's tiles and the thumbnailer's pictures
// round them alike.
class OutlineWriter {
public:
  OutlineWriter(double factor, double limit) : factor_(factor), limit_(limit) {}

  void move(Vec2 p) { elements_.push_back(PathElement::move(p)); }
  void line(Vec2 p) { elements_.push_back(PathElement::line(p)); }
  void close() { elements_.push_back(PathElement::close()); }

  // From p around corner c to n: straight through the corner when it turns at
  // least as far as the limit, else one cubic leaving p towards c and arriving
  // at n from c.
  void corner(Vec2 p, Vec2 c, Vec2 n, double turn, double bezierFactor);

  // A corner drawn where the outline crosses onto a neighbour: its turn comes
  // from the points, as it belongs to no single figure.
  void walkedCorner(Vec2 p, Vec2 c, Vec2 n);

  bool isEmpty() const { return elements_.empty(); }
  std::vector<PathElement> take() { return std::move(elements_); }

private:
  double factor_;
  double limit_;
  std::vector<PathElement> elements_;
};

// The edge of the list whose side midpoint lies nearest to point (squared
// distance), the earliest on ties. Edges that lost their next side are passed
// over, except that a first edge without one is returned at once. An empty
// list is a programming error. Also reachable as Edge::nearestMidpoint.
std::shared_ptr<Edge> nearestEdge(Vec2 point, const std::vector<std::shared_ptr<Edge>>& edges);

}  // namespace ornival
