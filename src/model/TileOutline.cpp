// The border outline of a placed tile, which its three border layers stroke:
// through the midpoints of its outer sides, around the corners, and onto the
// neighbouring member's side where it meets a join inside a group, so that the
// members of a group together draw one outline around it.
#include "model/TileOutline.h"

#include "model/Edge.h"
#include "model/Shape.h"
#include "platform/Precondition.h"
#include "platform/ShapeLayer.h"

#include <algorithm>

namespace ornival {

namespace {

Vec2 midpoint(const Edge& edge) {
  const auto next = edge.next.lock();
  ORNIVAL_PRECONDITION(next != nullptr);
  return (edge.transformedVertex() + next->transformedVertex()) * 0.5;
}


}  // namespace

void OutlineWriter::corner(Vec2 p, Vec2 c, Vec2 n, double turn, double bezierFactor) {
  if (limit_ <= turn) {
    line(c);
    line(n);
    return;
  }
  const double f = factor_ * bezierFactor;
  elements_.push_back(PathElement::curve(n, p + (c - p) * f, n + (c - n) * f));
}

void OutlineWriter::walkedCorner(Vec2 p, Vec2 c, Vec2 n) {
  corner(p, c, n, cornerAngleFraction(p, c, n), cornerBezierFactor(p, c, n));
}

std::shared_ptr<Edge> Shape::nextOuterEdge(const Edge& e) const {
  // Each step turns once further around e's start corner: the join runs the
  // other way, so its next side starts where e starts. Flags that disagree
  // across a join could send the turn round the same sides for ever; meeting
  // a side a second time ends it with nothing found.
  std::vector<const Edge*> seen{&e};
  const Edge* current = &e;
  while (true) {
    const auto join = current->join.lock();
    if (!join)
      return nullptr;
    auto next = join->next.lock();
    if (!next)
      return nullptr;
    if (!next->isGroupJoin)
      return next;
    if (std::find(seen.begin(), seen.end(), next.get()) != seen.end())
      return nullptr;
    seen.push_back(next.get());
    current = next.get();
  }
}

std::vector<PathElement> Shape::borderPathElements() const {
  const auto& sides = edges();
  const auto n = sides.size();
  OutlineWriter outline(borderBezierFactor, borderRadiusLimit);
  // A new subpath must start at the next outer side.
  bool first = true;
  bool noGroupJoin = true;

  if (borderBezierFactor == 2.0) {
    // Sharp: the corners themselves, the group-join sides left out.
    for (const auto& e : sides) {
      const Vec2 v = e->transformedVertex();
      if (first) {
        if (e->isGroupJoin) {
          noGroupJoin = false;
          continue;
        }
        outline.move(v);
        first = false;
      } else {
        outline.line(v);
        if (e->isGroupJoin) {
          noGroupJoin = false;
          first = true;
        }
      }
    }
    if (noGroupJoin)
      outline.close();
    else if (!sides.back()->isGroupJoin)
      outline.line(sides.front()->transformedVertex());
    return outline.take();
  }

  const Figure& shapeFigure = *figure();
  Vec2 p;
  // The corner at vertex i of this tile, from p to the midpoint of side i.
  const auto ownCorner = [&](std::size_t i) {
    const Vec2 n = midpoint(*sides[i]);
    const int corner = static_cast<int>(i);
    outline.corner(p, sides[i]->transformedVertex(), n, shapeFigure.cornerTurnFraction(corner),
                   shapeFigure.cornerBezierFactor(corner));
    p = n;
  };

  for (std::size_t i = 0; i < n; ++i) {
    const Edge& e = *sides[i];
    if (first) {
      if (e.isGroupJoin) {
        noGroupJoin = false;
        continue;
      }
      p = midpoint(e);
      outline.move(p);
      first = false;
    } else if (e.isGroupJoin) {
      noGroupJoin = false;
      // The corner at the end of the run belongs to this tile and turns onto
      // the neighbour; the one at the start of the next run is the
      // neighbour's to draw.
      if (const auto outer = nextOuterEdge(e))
        outline.walkedCorner(p, outer->transformedVertex(), midpoint(*outer));
      first = true;
    } else {
      ownCorner(i);
    }
  }
  if (outline.isEmpty() || sides.back()->isGroupJoin)
    return outline.take();

  const Edge& closing = *sides.front();
  if (closing.isGroupJoin) {
    if (const auto outer = nextOuterEdge(closing))
      outline.walkedCorner(p, outer->transformedVertex(), midpoint(*outer));
    return outline.take();
  }
  ownCorner(0);
  if (noGroupJoin)
    outline.close();
  return outline.take();
}

Path Shape::borderPath() const { return Path(borderPathElements()); }

Path Shape::borderBezierPath() const { return borderPath(); }

void Shape::animatePaths(bool animated) {
  const std::shared_ptr<ShapeLayer>* strokes[] = {&borderLayer(), &borderLayer2(), &borderLayer3()};
  if (animated) {
    // Names only its key path, so the renderer runs from the path shown now to
    // the new one with its own timing.
    const auto animation = LayerAnimation::basic("path");
    for (const auto* stroke : strokes)
      (*stroke)->removeAnimation("path");
    for (const auto* stroke : strokes)
      (*stroke)->addAnimation(animation, "path");
  }
  // One outline kept once for the three bands.
  borderLayer()->setPath(borderPath());
  borderLayer2()->setPath(*borderLayer());
  borderLayer3()->setPath(*borderLayer());
}

std::shared_ptr<Edge> nearestEdge(Vec2 point, const std::vector<std::shared_ptr<Edge>>& edges) {
  ORNIVAL_PRECONDITION(!edges.empty());
  auto best = edges.front();
  if (best->next.expired())
    return best;
  double bestDistance = (midpoint(*best) - point).lengthSquared();
  for (const auto& edge : edges) {
    if (edge->next.expired())
      continue;
    const double distance = (midpoint(*edge) - point).lengthSquared();
    if (distance < bestDistance) {
      best = edge;
      bestDistance = distance;
    }
  }
  return best;
}

std::shared_ptr<Edge> Edge::nearestMidpoint(const std::vector<std::shared_ptr<Edge>>& edges, Vec2 point) {
  return nearestEdge(point, edges);
}

}  // namespace ornival
