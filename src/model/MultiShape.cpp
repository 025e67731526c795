#include "model/MultiShape.h"

#include "model/Edge.h"
#include "model/Edges.h"
#include "model/MirrorIndex.h"
#include "model/Shape.h"
#include "platform/Hash.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <limits>
#include <numbers>
#include <unordered_map>

namespace ornival {

namespace {

std::shared_ptr<MultiShape>& currentSlot() {
  static std::shared_ptr<MultiShape> slot;
  return slot;
}

// Figure units per tiling unit: a tile at the default size is 20 tiling units
// per figure unit.
constexpr double figureUnitsPerTilingUnit = 0.05;

// Run ends closer than this (squared, tiling units) are one corner of the
// outline. Much looser than the 2^-18 of gluing: the copies of a group were
// placed one after the other and their corners may have drifted apart a
// little, and a gap in the chain would cut the outline short.
constexpr double chainDistanceSquared = 1.0 / 512.0;
const double chainDistance = std::sqrt(chainDistanceSquared);

bool chains(Vec2 a, Vec2 b) {
  return (a - b).lengthSquared() < chainDistanceSquared;
}

// Points filed by cells wider than the chaining distance, so that every point
// within that distance of another lies in one of the nine cells around it and
// chaining stays near linear for large groups.
class PointGrid {
public:
  void insert(Vec2 point, std::size_t item) { cells_[key(cellOf(point.x), cellOf(point.y))].push_back(item); }

  // Calls visit(item) for every item filed near point, a superset of those
  // within the chaining distance.
  template <typename Visit>
  void forEachNear(Vec2 point, Visit&& visit) const {
    const std::int64_t cx = cellOf(point.x);
    const std::int64_t cy = cellOf(point.y);
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        const auto found = cells_.find(key(cx + dx, cy + dy));
        if (found == cells_.end())
          continue;
        for (const std::size_t item : found->second)
          visit(item);
      }
    }
  }

private:
  static constexpr double cellsPerUnit = 16.0;  // cells of 1/16 > 0.0442

  // Cells beyond ±2^52 (and those of NaN) are folded into the outermost
  // ones, so that no coordinate of a damaged file overflows the cell number;
  // points that far out share a few cells and are measured against each other.
  static constexpr double outermostCell = 0x1p52;
  static std::int64_t cellOf(double v) {
    double cell = std::floor(v * cellsPerUnit);
    if (!(cell >= -outermostCell))
      cell = -outermostCell;
    else if (cell > outermostCell)
      cell = outermostCell;
    return static_cast<std::int64_t>(cell);
  }
  static std::size_t key(std::int64_t x, std::int64_t y) { return combineHash(std::hash<std::int64_t>{}(x), y); }

  // Different cells may share a key; callers measure the distance anyway.
  std::unordered_map<std::size_t, std::vector<std::size_t>> cells_;
};

// The counter-clockwise angle, in (0, 2π], from the way back along an
// incoming side to an outgoing side.
double turnFromBack(Vec2 incoming, Vec2 outgoing) {
  const Vec2 back = -incoming;
  double angle = std::atan2(back.cross(outgoing), back.dot(outgoing));
  if (angle <= 0.0)
    angle += 2.0 * std::numbers::pi;
  return angle;
}

// Cuts runs wherever the outline touches itself at a corner inside a run: at
// such a pinch the tile's own next side is not necessarily the way round the
// outside, and the chaining below must be free to choose.
std::vector<std::shared_ptr<Edges>> splitAtPinches(const std::vector<std::shared_ptr<Edges>>& runs) {
  std::vector<std::shared_ptr<Edge>> starts;
  PointGrid grid;
  for (const auto& run : runs) {
    for (const auto& edge : run->edges) {
      grid.insert(edge->transformedVertex(), starts.size());
      starts.push_back(edge);
    }
  }
  std::vector<std::shared_ptr<Edges>> result;
  result.reserve(runs.size());
  for (const auto& run : runs) {
    auto piece = Edges::create();
    for (std::size_t i = 0; i < run->edges.size(); ++i) {
      const auto& edge = run->edges[i];
      if (i > 0) {
        const Vec2 corner = edge->transformedVertex();
        bool pinch = false;
        grid.forEachNear(corner, [&](std::size_t other) {
          pinch = pinch || (starts[other] != edge && chains(starts[other]->transformedVertex(), corner));
        });
        if (pinch) {
          result.push_back(piece);
          piece = Edges::create();
        }
      }
      piece->edges.push_back(edge);
    }
    result.push_back(piece);
  }
  return result;
}

// Links every run to the run that continues the outline from its end: the
// first unclaimed run in list order starting there, or, where several start
// there (the outline touches itself), the one reached first turning
// counter-clockwise from the way back, which keeps each loop around one side
// of the pinch.
void chainRuns(const std::vector<std::shared_ptr<Edges>>& runs) {
  PointGrid grid;
  for (std::size_t i = 0; i < runs.size(); ++i)
    grid.insert(runs[i]->edges.front()->transformedVertex(), i);

  std::vector<std::size_t> candidates;
  for (const auto& run : runs) {
    const Edge& last = *run->edges.back();
    const Vec2 end = last.transformedEnd();
    candidates.clear();
    grid.forEachNear(end, [&](std::size_t i) {
      if (!runs[i]->used && chains(runs[i]->edges.front()->transformedVertex(), end))
        candidates.push_back(i);
    });
    if (candidates.empty())
      continue;
    std::sort(candidates.begin(), candidates.end());
    std::size_t chosen = candidates.front();
    if (candidates.size() > 1) {
      const Vec2 incoming = end - last.transformedVertex();
      double best = std::numeric_limits<double>::infinity();
      for (const std::size_t i : candidates) {
        const Edge& first = *runs[i]->edges.front();
        const double turn = turnFromBack(incoming, first.transformedEnd() - first.transformedVertex());
        if (turn < best) {
          best = turn;
          chosen = i;
        }
      }
    }
    run->next = runs[chosen];
    runs[chosen]->used = true;
  }
}

// Whether the border goes all the way round, each side ending where the next
// one starts and the last where the first starts, and each side of the
// outline can be laid on an edge (it has a length, not too large to measure).
// A group whose runs failed to chain (joins whose ends lie apart, as a damaged
// file can hold) keeps a stretch of sides that ends nowhere; laid on an edge,
// such a figure has no side to lay.
bool closesAround(const std::vector<std::shared_ptr<Edge>>& border, const std::vector<Vec2>& outline) {
  if (border.size() < 3 || outline.size() != border.size())
    return false;
  for (std::size_t i = 0; i < border.size(); ++i) {
    const std::size_t after = (i + 1) % border.size();
    if (!chains(border[i]->transformedEnd(), border[after]->transformedVertex()) ||
        !layOnSide(outline[i], outline[after], {0.0, 0.0}, {1.0, 0.0}).has_value())
      return false;
  }
  return true;
}

// Twice the signed area of a closed polygon: positive counter-clockwise.
double doubledArea(const std::vector<Vec2>& points) {
  double sum = 0.0;
  for (std::size_t i = 0; i < points.size(); ++i)
    sum += points[i].cross(points[(i + 1) % points.size()]);
  return sum;
}

}  // namespace

std::shared_ptr<MultiShape> MultiShape::create(std::shared_ptr<Shape> selected,
                                               std::vector<std::shared_ptr<Shape>> templates) {
  std::shared_ptr<MultiShape> group(new MultiShape(std::move(selected), std::move(templates)));
  group->figure_->setVertices(group->traceBorder());
  // Refused before anyone sees it: the current group stays, and no search is
  // ever handed an outline that does not close.
  if (!closesAround(group->border_, group->figure_->vertices()))
    return nullptr;
  // No rotational symmetry is assumed, so every side is tried for candidates.
  group->figure_->setVariantCount(static_cast<int>(group->figure_->vertices().size()));
  group->figure_->setCenter(group->selected_->center() * figureUnitsPerTilingUnit);
  group->setupFigure();
  const auto& corners = group->figure_->vertices();
  auto outline = std::make_shared<std::vector<Line>>();
  outline->reserve(corners.size());
  for (std::size_t i = 0; i < corners.size(); ++i)
    outline->push_back({corners[i], corners[(i + 1) % corners.size()]});
  group->outline_ = std::move(outline);
  currentSlot() = group;
  return group;
}

MultiShape::MultiShape(std::shared_ptr<Shape> selected, std::vector<std::shared_ptr<Shape>> templates)
    : selected_(std::move(selected)), templates_(std::move(templates)),
      figure_(Figure::create(Shapes::multi, "Multi")) {
  ORNIVAL_PRECONDITION(selected_ != nullptr);
  ORNIVAL_PRECONDITION(std::find(templates_.begin(), templates_.end(), selected_) != templates_.end());
}

std::vector<Vec2> MultiShape::traceBorder() {
  ORNIVAL_PRECONDITION(selected_ != nullptr);
  // The labels are scratch state of every walk; a stale one would keep a tile
  // out of the walk, or in the group, wrongly.
  for (const auto& tile : templates_)
    tile->visited = 0;

  // Breadth first over the joins, collecting each tile's maximal stretches of
  // consecutive free sides. A stretch that wraps from the last side to the
  // first gives two runs, which the chaining puts back together.
  std::vector<std::shared_ptr<Edges>> runs;
  std::deque<Shape*> queue{selected_.get()};
  selected_->visited = 1;
  while (!queue.empty()) {
    Shape& tile = *queue.front();
    queue.pop_front();
    auto run = Edges::create();
    std::shared_ptr<Edge> expected;
    for (const auto& edge : tile.edges()) {
      const auto partner = edge->join.lock();
      const auto neighbour = partner ? partner->shape.lock() : nullptr;
      if (!neighbour) {
        if (!run->edges.empty() && edge != expected) {
          runs.push_back(run);
          run = Edges::create();
        }
        run->edges.push_back(edge);
        expected = edge->next.lock();
        ORNIVAL_PRECONDITION(expected != nullptr);
      } else if (neighbour->visited == 0) {
        neighbour->visited = 1;
        queue.push_back(neighbour.get());
      }
    }
    if (!run->edges.empty())
      runs.push_back(run);
  }

  std::erase_if(templates_, [](const std::shared_ptr<Shape>& tile) { return tile->visited != 1; });

  runs = splitAtPinches(runs);
  chainRuns(runs);

  // Of the loops, the outline is the one reaching furthest left: a hole lies
  // inside it. A hole that touches the outline at its leftmost corner reaches
  // as far, and loses by running clockwise.
  struct Walk {
    std::shared_ptr<Edges> start;
    std::vector<Vec2> vertices;
    double minX = std::numeric_limits<double>::max();
    bool counterClockwise = false;
  };
  Walk best;
  std::vector<Vec2> points;
  for (const auto& run : runs) {
    if (!run->used)
      continue;
    Walk walk;
    walk.start = run;
    points.clear();
    const Edges* at = run.get();
    for (std::size_t steps = 0; steps <= runs.size(); ++steps) {
      for (const auto& edge : at->edges) {
        const Vec2 p = edge->transformedVertex();
        points.push_back(p);
        walk.vertices.push_back(p * figureUnitsPerTilingUnit);
        walk.minX = std::min(walk.minX, p.x);
      }
      const auto next = at->next.lock();
      if (!next)
        break;
      next->used = false;
      if (next == run)
        break;
      at = next.get();
    }
    walk.counterClockwise = doubledArea(points) > 0.0;
    bool wins = walk.minX < best.minX;
    if (best.start == nullptr)
      wins = true;
    else if (std::abs(walk.minX - best.minX) < chainDistance && walk.counterClockwise != best.counterClockwise)
      wins = walk.counterClockwise;
    if (wins)
      best = std::move(walk);
  }

  border_.clear();
  if (best.start) {
    const Edges* at = best.start.get();
    for (std::size_t steps = 0; steps <= runs.size(); ++steps) {
      border_.insert(border_.end(), at->edges.begin(), at->edges.end());
      const auto next = at->next.lock();
      if (!next || next == best.start)
        break;
      at = next.get();
    }
  }
  return std::move(best.vertices);
}

void MultiShape::setupFigure() {
  if (!figure_->lengths().empty())
    return;
  std::vector<double> lengths;
  lengths.reserve(border_.size());
  for (const auto& edge : border_) {
    const auto tile = edge->shape.lock();
    if (!tile)
      continue;
    const auto& own = tile->figure()->lengths();
    ORNIVAL_PRECONDITION(edge->index() >= 0 && std::size_t(edge->index()) < own.size());
    lengths.push_back(own[std::size_t(edge->index())] * tile->scale());
  }
  figure_->setLengths(std::move(lengths));
  figure_->updateEquilateral();
  const bool allScaleable = std::all_of(templates_.begin(), templates_.end(),
                                        [](const std::shared_ptr<Shape>& tile) { return tile->figure()->scaleable(); });
  if (!allScaleable)
    figure_->setScaleable(false);
}

std::shared_ptr<MultiShape> MultiShape::mirrored() {
  ORNIVAL_PRECONDITION(selected_ != nullptr);
  std::vector<std::shared_ptr<Shape>> mirrors;
  mirrors.reserve(templates_.size());
  for (const auto& tile : templates_)
    mirrors.push_back(tile->mirrored());
  // The templates are not in a graph, so their index is free to number them
  // within the group; the joins are rebuilt through it.
  for (std::size_t i = 0; i < templates_.size(); ++i) {
    templates_[i]->index = static_cast<int>(i);
    mirrors[i]->index = static_cast<int>(i);
  }

  for (std::size_t i = 0; i < templates_.size(); ++i) {
    const Shape& tile = *templates_[i];
    const auto& images = mirrors[i]->edges();
    for (const auto& edge : tile.edges()) {
      const auto partner = edge->join.lock();
      if (!partner)
        continue;
      const auto other = partner->shape.lock();
      // Joins of a group link its own tiles only.
      ORNIVAL_PRECONDITION(other != nullptr && other->index >= 0 &&
                           std::size_t(other->index) < templates_.size() &&
                           templates_[std::size_t(other->index)] == other);
      const auto& otherImages = mirrors[std::size_t(other->index)]->edges();
      const auto mine = std::size_t(mirroredEdgeIndex(*tile.figure(), edge->index()));
      const auto theirs = std::size_t(mirroredEdgeIndex(*other->figure(), partner->index()));
      ORNIVAL_PRECONDITION(mine < images.size() && theirs < otherImages.size());
      images[mine]->join = otherImages[theirs];
      otherImages[theirs]->join = images[mine];
    }
  }

  if (!mirrors.empty()) {
    for (const auto& image : mirrors)
      image->visited = 0;
    mirrors.front()->transformation = templates_.front()->transformation;
    mirrors.front()->updateTransformedGeometry();
    mirrors.front()->visited = 1;
    // Depth first with a stack of its own, so a large group cannot run the
    // thread's stack out.
    std::vector<Shape*> stack{mirrors.front().get()};
    while (!stack.empty()) {
      Shape& tile = *stack.back();
      stack.pop_back();
      for (const auto& edge : tile.edges()) {
        const auto partner = edge->join.lock();
        const auto other = partner ? partner->shape.lock() : nullptr;
        if (!other || other->visited != 0)
          continue;
        other->place(edge);
        other->visited = 1;
        stack.push_back(other.get());
      }
    }
    for (const auto& image : mirrors)
      image->configureLayers(false);
  }
  for (const auto& image : mirrors)
    image->visited = 0;

  ORNIVAL_PRECONDITION(selected_->index >= 0 && std::size_t(selected_->index) < mirrors.size());
  auto anchor = mirrors[std::size_t(selected_->index)];
  return create(std::move(anchor), std::move(mirrors));
}

std::shared_ptr<MultiShape> MultiShape::current() {
  return currentSlot();
}

void MultiShape::resetCurrent() {
  currentSlot().reset();
}

}  // namespace ornival
