#pragma once

#include "figures/catalogue/Shapes.h"
#include "model/Spin.h"
#include "platform/Cached.h"
#include "platform/Vec2.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace ornival {

class NeighborModel;
class Shape;
class ShapeModel;

// One side of a placed tile or a candidate: from its start corner to the next
// side's start corner. Edges are what make the tiling a graph: every link one
// holds is weak, so a tile that goes away leaves its neighbours' joins empty
// rather than being kept alive by them.
class Edge {
public:
  static std::shared_ptr<Edge> create(Vec2 vertex, std::weak_ptr<ShapeModel> shapeModel, int index);
  Edge(Vec2 vertex, std::weak_ptr<ShapeModel> shapeModel, int index);
  Edge(const Edge&) = delete;
  Edge& operator=(const Edge&) = delete;

  // The start corner in figure coordinates.
  Vec2 vertex() const { return vertex_; }
  // The start corner in canvas coordinates, through the owner's transformation
  // as it was at the first read or the last refresh; the figure corner itself
  // once the owner is gone.
  Vec2 transformedVertex() const;
  void setTransformedVertex(Vec2 point) { transformedVertex_.set(point); }
  // The end corner in canvas coordinates: the next side's start. The next side
  // must exist.
  Vec2 transformedEnd() const;

  // The side before this one in its tile. The owner must still exist.
  std::shared_ptr<Edge> previous() const;

  int index() const { return index_; }

  // The edge of the list whose side midpoint lies nearest to point; see
  // nearestEdge in TileOutline.h. Defined in TileOutline.cpp.
  static std::shared_ptr<Edge> nearestMidpoint(const std::vector<std::shared_ptr<Edge>>& edges, Vec2 point);

  // Whether this side's start corner is a crossing of two straight lines of
  // tile sides that this side's tile reports: four tiles meet there and their
  // sides run straight through in two lines, or, when allowOpen is set, two or
  // three tiles meet on the open border and their sides run straight through
  // it. Only the lowest-indexed tile there reports; a group join at the corner
  // rules it out, and with checkTurn so does a corner turning less than
  // minimumTurn (of a border corner, only this tile's own is looked at). The
  // side must belong to a tile. Defined in Crossings.cpp, with the crossing
  // bands.
  bool isCrossing(double minimumTurn, bool checkTurn, bool allowOpen) const;

  // The glued side of the neighbouring tile, set on both sides.
  std::weak_ptr<Edge> join;
  // The following side of the same tile: the sides form a ring.
  std::weak_ptr<Edge> next;
  // The owning tile; empty for a candidate's side.
  std::weak_ptr<Shape> shape;
  std::weak_ptr<ShapeModel> shapeModel;
  // Placement candidates along this side, per figure; main thread only.
  std::unordered_map<Shapes, std::vector<std::shared_ptr<NeighborModel>>> neighbors;
  // The join lies inside a glued group.
  bool isGroupJoin = false;
  Spin spin = Spin::unknown;

private:
  // Next to the flags above, where the alignment would leave a gap: a tiling
  // holds several sides a tile.
  const int index_;
  const Vec2 vertex_;
  Cached<Vec2> transformedVertex_;
};

}  // namespace ornival
