#include "model/NeighborModel.h"

#include "figures/PlaneGeometry.h"
#include "model/Edge.h"
#include "platform/Grid.h"
#include "platform/Precondition.h"

#include <cmath>

namespace ornival {

namespace {

// One end of the shared side, at `corner`, where the candidate's side from
// `corner` to `own` meets the parent's side from `corner` to `other`. `far` is
// the shared side's other end, so own–corner–far is the candidate's own
// corner there. `axisFrom` picks the axis on which the two directions are
// compared when the sides run along one line.
bool endPasses(Vec2 corner, Vec2 own, Vec2 other, Vec2 far, Vec2 axisFrom) {
  if (turnDirection(corner, own, other) != 0)
    return turnDirection(corner, own, far) == 0;
  const bool alongX = std::abs(axisFrom.x - corner.x) > gridTolerance;
  const double ownStep = alongX ? own.x - corner.x : own.y - corner.y;
  const double otherStep = alongX ? other.x - corner.x : other.y - corner.y;
  // Leaving the corner in opposite directions, the two sides carry on each
  // other's line; in the same direction they lie on each other and pass only
  // when they end together.
  if (std::signbit(ownStep) != std::signbit(otherStep))
    return true;
  return (own - other).lengthSquared() <= gridToleranceSquared;
}

}  // namespace

ParentSide ParentSide::of(const Edge& edge) {
  const auto next = edge.next.lock();
  ORNIVAL_PRECONDITION(next != nullptr);
  return {edge.transformedVertex(), next->transformedVertex(), next->transformedEnd(),
          edge.previous()->transformedVertex()};
}

std::shared_ptr<NeighborModel> NeighborModel::create(std::shared_ptr<const Figure> figure) {
  return std::shared_ptr<NeighborModel>(new NeighborModel(std::move(figure)));
}

NeighborModel::NeighborModel(std::shared_ptr<const Figure> figure) : ShapeModel(std::move(figure)) {}

void NeighborModel::setParent(const std::shared_ptr<Edge>& edge, const ParentSide& corners) {
  parent_ = edge;
  parentOwner_ = edge ? edge->shapeModel : std::weak_ptr<ShapeModel>();
  parentSide_ = corners;
}

void NeighborModel::place(int side, const ParentSide& parent) {
  const auto& vertices = figure()->vertices();
  ORNIVAL_PRECONDITION(side >= 0 && std::size_t(side) < vertices.size());
  const auto laid = layOnSide(vertices[std::size_t(side)], vertices[(std::size_t(side) + 1) % vertices.size()],
                              parent.start, parent.end);
  ORNIVAL_PRECONDITION(laid.has_value());
  placeLazily(*laid);
}

bool NeighborModel::isGood() const {
  return isGood_.get([this] { return computeIsGood(); });
}

bool NeighborModel::computeIsGood() const {
  if (parent_.expired() || parentOwner_.expired())
    return true;
  // The corners around the candidate's side on the parent, from the figure:
  // a group's candidate need not build its thousands of sides for this.
  const auto& v = figure()->vertices();
  const std::size_t n = v.size();
  ORNIVAL_PRECONDITION(edgeOffset >= 0 && std::uint64_t(edgeOffset) < n);
  const std::size_t k = std::size_t(edgeOffset);
  const Vec2 a = transformation.apply(v[k]);
  const Vec2 b = transformation.apply(v[(k + n - 1) % n]);
  const Vec2 d = transformation.apply(v[(k + 1) % n]);
  const Vec2 f = transformation.apply(v[(k + 2) % n]);
  const ParentSide& p = parentSide_;
  // At the parent's end the candidate's side B–A meets the parent's next side
  // A–C; the axis follows the candidate's side. At the parent's start the
  // candidate's side D–F meets the parent's previous side G–P0, the axis
  // following the parent's side.
  return endPasses(a, b, p.afterEnd, d, b) && endPasses(p.start, f, p.beforeStart, a, p.beforeStart);
}

}  // namespace ornival
