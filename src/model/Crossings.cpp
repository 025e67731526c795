// Crossings: corners where the sides of the tiling run on as two straight
// lines through one point, so that the border bands can be drawn interlaced
// there, one band passing over the other.
//
// Around a corner P, the sides that start at P form a fan, one per tile: from
// a side, its join runs the other way and ends at P, and that join's next side
// starts at P in the neighbouring tile (a step forward); the join of a side's
// previous side starts at P in the neighbour on the other side (a step back).
#include "figures/PlaneGeometry.h"
#include "model/KeptCrossings.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <array>

namespace ornival {

namespace {

// Whether a, p, b lie on one straight line, counting any two points that
// coincide as straight: the figures' turn test, with the same slack as for any
// other straight corner of the tiling.
bool isStraight(Vec2 a, Vec2 p, Vec2 b) { return turnDirection(p, a, b) == 0; }

std::shared_ptr<Shape> tileOf(const Edge& edge) {
  auto shape = edge.shape.lock();
  ORNIVAL_PRECONDITION(shape != nullptr);
  return shape;
}

double turnAt(const Edge& edge) { return tileOf(edge)->figure()->cornerTurnFraction(edge.index()); }

}  // namespace

bool Edge::isCrossing(double minimumTurn, bool checkTurn, bool allowOpen) const {
  const auto before = previous();
  if (isGroupJoin || before->isGroupJoin)
    return false;
  const auto tile = tileOf(*this);
  if (checkTurn && tile->figure()->cornerTurnFraction(index()) < minimumTurn)
    return false;
  // Only the lowest-indexed tile at the corner reports it, so that each
  // crossing is drawn once; a group join at the corner lies inside a group,
  // where no lines cross.
  const auto passes = [&](const Edge& side) { return tileOf(side)->index >= tile->index && !side.isGroupJoin; };

  // Forward round the corner. A crossing inside the tiling is a fan that
  // closes on exactly the fourth step; one that has not closed by then has
  // five tiles or more and is none, so the walk need go no further.
  std::array<std::shared_ptr<Edge>, 3> ahead;
  int forward = 0;
  bool closed = false;
  for (const Edge* current = this;;) {
    const auto join = current->join.lock();
    auto next = join ? join->next.lock() : nullptr;
    if (!next)
      break;
    if (!passes(*next))
      return false;
    ++forward;
    if (next.get() == this) {
      closed = true;
      break;
    }
    if (forward == 4)
      return false;
    ahead[std::size_t(forward - 1)] = std::move(next);
    current = ahead[std::size_t(forward - 1)].get();
  }

  const Vec2 corner = transformedVertex();
  if (closed) {
    if (forward != 4)
      return false;
    if (checkTurn) {
      for (const auto& side : ahead) {
        if (turnAt(*side) < minimumTurn)
          return false;
      }
    }
    return isStraight(transformedEnd(), corner, ahead[1]->transformedEnd()) &&
           isStraight(ahead[0]->transformedEnd(), corner, ahead[2]->transformedEnd());
  }

  // An open fan: the corner lies on the border of the tiling. Two or three
  // tiles may make a crossing there, so more than two steps in all rule it
  // out, which also ends a walk round a ring of joins that never comes back.
  if (!allowOpen || forward > 2)
    return false;
  std::array<std::shared_ptr<Edge>, 2> behind;
  int backward = 0;
  for (const Edge* current = this;;) {
    auto join = current->previous()->join.lock();
    if (!join)
      break;
    if (!passes(*join) || join.get() == this)
      return false;
    ++backward;
    if (forward + backward > 2)
      return false;
    behind[std::size_t(backward - 1)] = std::move(join);
    current = behind[std::size_t(backward - 1)].get();
  }
  if (forward + backward == 0)
    return false;

  // The far ends of the sides at the corner, in turn from one border side to
  // the other, taken from whichever walk reached them; the border sides and
  // the sides across from each other must run straight through the corner.
  const Vec2 far = transformedEnd();
  const Vec2 start = before->transformedVertex();
  if (forward == 2) {
    if (!isStraight(far, corner, ahead[1]->transformedEnd()))
      return false;
  } else if (backward >= 1) {
    if (!isStraight(far, corner, behind[0]->previous()->transformedVertex()))
      return false;
  }
  if (forward >= 1) {
    if (!isStraight(ahead[0]->transformedEnd(), corner, start))
      return false;
  } else if (backward == 2) {
    if (!isStraight(behind[1]->previous()->transformedVertex(), corner, start))
      return false;
  }
  return true;
}

namespace {

// Whether a side's start corner is a crossing the tile reports and, if so,
// the crossing point P, the unit vectors u and v back along the two lines
// from P, and the sine c of the turn between them.
bool crossingAt(const Edge& edge, double minimumTurn, bool checkTurn, bool allowOpen, Vec2& corner, Vec2& u,
                Vec2& v, double& c) {
  if (!edge.isCrossing(minimumTurn, checkTurn, allowOpen))
    return false;
  corner = edge.transformedVertex();
  const Vec2 alongPrevious = corner - edge.previous()->transformedVertex();
  const Vec2 alongEdge = corner - edge.transformedEnd();
  u = alongPrevious / alongPrevious.length();
  v = alongEdge / alongEdge.length();
  // The sine of the turn onto this side. Outlines run counter-clockwise,
  // so it is positive where the reporting tile's own corner is convex;
  // elsewhere, and for a side of no length, there is nothing to draw.
  c = u.y * v.x - u.x * v.y;
  return c > 0.0;
}

// Every crossing of the tiling, in tile and side order, with the reporting
// tile and the crossing's point, directions and sine.
template <typename Body>
void forEachCrossing(const Graph& graph, double minimumTurn, bool checkTurn, bool allowOpen, Body body) {
  for (const auto& tile : graph.shapes()) {
    for (const auto& edge : tile->edges()) {
      Vec2 corner;
      Vec2 u;
      Vec2 v;
      double c = 0.0;
      if (crossingAt(*edge, minimumTurn, checkTurn, allowOpen, corner, u, v, c))
        body(*tile, corner, u, v, c);
    }
  }
}

// The two pieces of one crossing: P ± U ± V are the corners where the two
// lines' bands overlap; the pieces run on from there to where the wider
// bands would end. Each piece is a move, three lines and a close.
template <typename Piece>
void emitPieces(Piece piece, bool alongU, Vec2 P, Vec2 u, Vec2 v, double c, double w, double W) {
  const double a = w / c;
  const double b = W / c;
  const Vec2 U = u * a;
  const Vec2 V = v * a;
  const Vec2 Ub = u * b;
  const Vec2 Vb = v * b;
  if (alongU) {
    piece(P + U + V, P + Ub + V, P + Ub - V, P + U - V);
    piece(P - U + V, P - U - V, P - Ub - V, P - Ub + V);
  } else {
    piece(P + U + V, P - U + V, P - U + Vb, P + U + Vb);
    piece(P + U - V, P + U - Vb, P - U - Vb, P - U - V);
  }
}

void appendPieces(std::vector<PathElement>& result, bool alongU, Vec2 P, Vec2 u, Vec2 v, double c, double w,
                  double W) {
  emitPieces(
      [&](Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3) {
        result.insert(result.end(), {PathElement::move(p0), PathElement::line(p1), PathElement::line(p2),
                                     PathElement::line(p3), PathElement::close()});
      },
      alongU, P, u, v, c, w, W);
}

void appendPieces(Path& result, bool alongU, Vec2 P, Vec2 u, Vec2 v, double c, double w, double W) {
  emitPieces(
      [&](Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3) {
        result.moveTo(p0);
        result.lineTo(p1);
        result.lineTo(p2);
        result.lineTo(p3);
        result.close();
      },
      alongU, P, u, v, c, w, W);
}

}  // namespace

std::vector<PathElement> Graph::crossingPaths(bool spin, bool checkTurn, double w, double W, double minimumTurn) {
  computeSpin();
  std::vector<PathElement> result;
  forEachCrossing(*this, minimumTurn, checkTurn, true, [&](const Shape& tile, Vec2 P, Vec2 u, Vec2 v, double c) {
    appendPieces(result, tile.spin == spin, P, u, v, c, w, W);
  });
  return result;
}

GeometrySources Graph::crossingRoofs(const CrossingBands& bands) {
  computeSpin();
  GeometrySources roofs;
  const double h = bands.halfWidth;
  const float t = float(h * 0.05);
  forEachCrossing(*this, bands.radiusLimit, bands.rounded, false,
                  [&](const Shape& tile, Vec2 P, Vec2 u, Vec2 v, double c) {
                    const Vec2 A = u * (h / c);
                    const Vec2 B = v * (h / c);
                    // The same line passes over as in the flat pieces.
                    const bool alongU = tile.spin == bands.crossingsOn;
                    const std::uint32_t first = std::uint32_t(roofs.positions.size());
                    roofs.positions.push_back({P.x, P.y, 0.0});
                    roofs.textureCoordinates.push_back({0.0, 0.0});
                    const Vec2 ridge[4] = {alongU ? P + A + B : P + B - A, alongU ? P + A - B : P + A + B,
                                           alongU ? P - A - B : P + A - B, alongU ? P - A + B : P - A - B};
                    for (const Vec2 q : ridge) {
                      roofs.positions.push_back({q.x, q.y, h});
                      roofs.textureCoordinates.push_back({t, t});
                    }
                    roofs.indices.insert(roofs.indices.end(),
                                         {first, first + 1, first + 2, first, first + 3, first + 4});
                  });
  return roofs;
}

std::vector<PathElement> Graph::crossingPaths(const CrossingBands& bands) {
  return crossingPaths(bands.crossingsOn, bands.rounded, bands.halfWidth, bands.reachHalfWidth, bands.radiusLimit);
}

// Kept crossings ------------------------------------------------------------

void KeptCrossings::collect(const Shape& tile, double minimumTurn, bool checkTurn, std::vector<Crossing>& into) {
  const auto& sides = tile.edges();
  for (std::size_t k = 0; k < sides.size(); ++k) {
    Crossing crossing;
    if (crossingAt(*sides[k], minimumTurn, checkTurn, true, crossing.corner, crossing.u, crossing.v, crossing.c)) {
      crossing.tile = tile.index;
      crossing.side = int(k);
      into.push_back(crossing);
    }
  }
}

void KeptCrossings::walkParity(Graph& graph) {
  const auto& shapes = graph.shapes();
  const std::size_t count = shapes.size();
  std::vector<int> label(count, 0);
  regionOf_.assign(count, -1);
  regions_ = 0;
  agrees_ = true;
  const auto positionOf = [&](const Shape& tile) {
    return tile.index >= 0 && std::size_t(tile.index) < count && shapes[std::size_t(tile.index)].get() == &tile
               ? std::size_t(tile.index)
               : count;
  };
  // The same walk, in the same order, as the graph's: depth first from the
  // first tile of each region in list order, a tile labelled by the tile that
  // reaches it first.
  std::vector<Shape*> stack;
  for (const auto& start : shapes) {
    const std::size_t at = std::size_t(start->index);
    if (label[at] != 0)
      continue;
    label[at] = 1;
    regionOf_[at] = regions_++;
    stack.push_back(start.get());
    while (!stack.empty()) {
      Shape* shape = stack.back();
      stack.pop_back();
      const std::size_t here = std::size_t(shape->index);
      shape->spin = label[here] % 2 == 0;
      for (const auto& edge : shape->edges()) {
        const auto join = edge->join.lock();
        const auto other = join ? join->shape.lock() : nullptr;
        if (!other)
          continue;
        const std::size_t there = positionOf(*other);
        if (there == count) {
          // A partner outside the list: leave it to the graph's own walk.
          graph.computeSpin();
          agrees_ = false;
          return;
        }
        const int step = edge->isGroupJoin ? 0 : 1;
        if (label[there] == 0) {
          label[there] = label[here] + step;
          regionOf_[there] = regionOf_[here];
          stack.push_back(other.get());
        } else if (((label[there] - label[here] - step) & 1) != 0 || join->isGroupJoin != edge->isGroupJoin) {
          agrees_ = false;
        }
      }
    }
  }
}

bool KeptCrossings::settleParity(Graph& graph, Shape& tile) {
  const auto& shapes = graph.shapes();
  if (!agrees_ || regionOf_.size() + 1 != shapes.size())
    return false;
  int region = -1;
  int parity = -1;
  for (const auto& edge : tile.edges()) {
    const auto join = edge->join.lock();
    const auto other = join ? join->shape.lock() : nullptr;
    if (!other)
      continue;
    if (other.get() == &tile || other->index < 0 || std::size_t(other->index) >= regionOf_.size() ||
        shapes[std::size_t(other->index)] != other || join->isGroupJoin != edge->isGroupJoin)
      return false;
    // The parity the neighbour's walk would give the new tile.
    const int implied = join->isGroupJoin == other->spin ? 1 : 0;
    const int joined = regionOf_[std::size_t(other->index)];
    if ((region >= 0 && joined != region) || (parity >= 0 && implied != parity))
      return false;
    region = joined;
    parity = implied;
  }
  if (region < 0) {
    // A region of its own, walked from itself.
    tile.spin = false;
    regionOf_.push_back(regions_++);
  } else {
    tile.spin = parity == 1;
    regionOf_.push_back(region);
  }
  return true;
}

void KeptCrossings::clear() {
  regionOf_ = {};
  agrees_ = false;
  crossings_ = {};
  tiles_ = {};
  valid_ = false;
  partial_ = false;
}

void KeptCrossings::rebuild(Graph& graph, double minimumTurn, bool checkTurn) {
  crossings_.clear();
  tiles_.clear();
  tiles_.reserve(graph.shapes().size());
  for (const auto& tile : graph.shapes()) {
    tiles_.push_back(tile.get());
    collect(*tile, minimumTurn, checkTurn, crossings_);
  }
  minimumTurn_ = minimumTurn;
  checkTurn_ = checkTurn;
  valid_ = true;
  partial_ = false;
  walkParity(graph);
}

void KeptCrossings::appended(Graph& graph, const std::vector<std::shared_ptr<Shape>>& tiles, double minimumTurn,
                              bool checkTurn) {
  const auto& shapes = graph.shapes();
  const std::size_t before = tiles_.size();
  bool fits = valid_ && minimumTurn == minimumTurn_ && checkTurn == checkTurn_ &&
              shapes.size() == before + tiles.size();
  for (std::size_t k = 0; fits && k < tiles.size(); ++k)
    fits = tiles[k] && tiles[k] == shapes[before + k] && std::size_t(tiles[k]->index) == before + k;
  for (std::size_t k = 0; fits && k < before; ++k)
    fits = shapes[k].get() == tiles_[k];
  if (!fits) {
    rebuild(graph, minimumTurn, checkTurn);
    return;
  }

  // A corner is a crossing with at most four tiles round it. So a corner the
  // new tiles touch that is a crossing now, or was one before them (three
  // tiles at most, in a row with a new one at its end), has every tile of
  // its fan within three joins of a new tile: the tile that reports it, now
  // or before, is among these.
  std::vector<char> near(shapes.size(), 0);
  std::vector<const Shape*> ring;
  for (const auto& tile : tiles) {
    near[std::size_t(tile->index)] = 1;
    ring.push_back(tile.get());
  }
  for (int step = 0; step < 3; ++step) {
    std::vector<const Shape*> next;
    for (const Shape* tile : ring) {
      for (const auto& side : tile->edges()) {
        const auto join = side->join.lock();
        const auto other = join ? join->shape.lock() : nullptr;
        if (!other || other->index < 0 || std::size_t(other->index) >= shapes.size() ||
            shapes[std::size_t(other->index)] != other || near[std::size_t(other->index)])
          continue;
        near[std::size_t(other->index)] = 1;
        next.push_back(other.get());
      }
    }
    ring = std::move(next);
  }

  std::vector<int> looked;
  for (std::size_t k = 0; k < near.size(); ++k) {
    if (near[k])
      looked.push_back(int(k));
  }
  std::vector<Crossing> found;
  for (const int index : looked)
    collect(*shapes[std::size_t(index)], minimumTurn, checkTurn, found);

  // The kept crossings of the tiles not looked at, merged in tile order with
  // those just found.
  std::vector<Crossing> merged;
  merged.reserve(crossings_.size() + found.size());
  auto fresh = found.begin();
  for (const Crossing& crossing : crossings_) {
    while (fresh != found.end() && fresh->tile < crossing.tile)
      merged.push_back(*fresh++);
    if (!near[std::size_t(crossing.tile)])
      merged.push_back(crossing);
  }
  merged.insert(merged.end(), fresh, found.end());
  crossings_ = std::move(merged);
  for (const auto& tile : tiles)
    tiles_.push_back(tile.get());
  partial_ = true;
  if (tiles.size() != 1 || !settleParity(graph, *tiles.front()))
    walkParity(graph);
}

Path KeptCrossings::paths(const Graph& graph, bool spin, double w, double W) const {
  Path result;
  result.reserve(crossings_.size() * 10, crossings_.size() * 8);
  const auto& shapes = graph.shapes();
  for (const Crossing& crossing : crossings_)
    appendPieces(result, shapes[std::size_t(crossing.tile)]->spin == spin, crossing.corner, crossing.u, crossing.v,
                 crossing.c, w, W);
  return result;
}

}  // namespace ornival
