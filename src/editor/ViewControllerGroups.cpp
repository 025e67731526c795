// Group tiles: carried tiles become one figure, the group tile, which is also
// the clipboard every window pastes from; placing its candidate lays all of
// its tiles at once.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/Shape.h"
#include "platform/ParallelFor.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <unordered_map>

namespace ornival {
namespace {

// Squared distances: corners closer than this coincide; a first pair of
// sides farther apart than the far limit means the two tiles do not touch.
constexpr double coincidence = 1.0 / 512.0;
constexpr double farApart = 1600.0 * 1600.0;

bool boxesMeet(const Line& a, const Line& b) {
  return a.vertex0.x <= b.vertex1.x && b.vertex0.x <= a.vertex1.x && a.vertex0.y <= b.vertex1.y &&
         b.vertex0.y <= a.vertex1.y;
}

// Glues the sides of a that run along sides of b the other way.
void rejoin(const Shape& a, const Shape& b) {
  for (const auto& e : a.edges()) {
    if (!e->join.expired())
      continue;
    const Vec2 v = e->transformedEnd();
    for (const auto& f : b.edges()) {
      if (!f->join.expired())
        continue;
      const double d = (v - f->transformedVertex()).lengthSquared();
      if (d > farApart)
        return;
      if (d >= coincidence)
        continue;
      const double d2 = (e->transformedVertex() - f->transformedEnd()).lengthSquared();
      if (d2 > farApart)
        return;
      if (d2 < coincidence) {
        e->join = f;
        f->join = e;
        e->neighbors.clear();
        f->neighbors.clear();
        break;
      }
    }
  }
}

// Glues the sides of the tiles that run along each other, as rejoin on every
// ordered pair of tiles whose boxes meet, in list order. The pairs are found
// through a grid of cells about a tile wide, so that a selection of
// thousands of tiles is not compared pair by pair.
void rejoinAll(const std::vector<std::shared_ptr<Shape>>& tiles) {
  const std::size_t count = tiles.size();
  if (count < 2)
    return;
  std::vector<Line> boxes(count);
  std::vector<double> sizes(count);
  for (std::size_t i = 0; i < count; ++i) {
    boxes[i] = tiles[i]->bounds();
    sizes[i] = std::max(boxes[i].vertex1.x - boxes[i].vertex0.x, boxes[i].vertex1.y - boxes[i].vertex0.y);
  }
  std::vector<double> sorted = sizes;
  std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(count / 2), sorted.end());
  const double cell = sorted[count / 2];
  std::vector<std::vector<std::size_t>> meeting(count);
  const auto addPair = [&](std::size_t a, std::size_t b) {
    if (a != b && boxesMeet(boxes[a], boxes[b])) {
      meeting[a].push_back(b);
      meeting[b].push_back(a);
    }
  };
  // Tiles much larger than most, or boxes no grid can hold, meet every tile
  // the plain way.
  std::vector<std::size_t> wide;
  std::vector<bool> isWide(count, false);
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> cells;
  const auto cellOf = [cell](double v) { return std::int64_t(std::floor(v / cell)); };
  const bool gridded = std::isfinite(cell) && cell > 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const Line& box = boxes[i];
    if (!gridded || !(sizes[i] <= 4.0 * cell) || !std::isfinite(box.vertex0.x + box.vertex0.y)) {
      wide.push_back(i);
      isWide[i] = true;
      continue;
    }
    for (std::int64_t x = cellOf(box.vertex0.x); x <= cellOf(box.vertex1.x); ++x)
      for (std::int64_t y = cellOf(box.vertex0.y); y <= cellOf(box.vertex1.y); ++y)
        cells[std::uint64_t(x) * 0x9e3779b97f4a7c15ULL ^ std::uint64_t(y)].push_back(i);
  }
  for (auto& [key, members] : cells)
    for (std::size_t m = 0; m < members.size(); ++m)
      for (std::size_t n = m + 1; n < members.size(); ++n)
        addPair(members[m], members[n]);
  for (const std::size_t w : wide)
    for (std::size_t i = 0; i < count; ++i)
      if (i != w && (i > w || !isWide[i]))
        addPair(w, i);
  for (std::size_t a = 0; a < count; ++a) {
    auto& others = meeting[a];
    std::sort(others.begin(), others.end());
    others.erase(std::unique(others.begin(), others.end()), others.end());
    for (const std::size_t b : others)
      rejoin(*tiles[a], *tiles[b]);
  }
}

}  // namespace

bool ViewController::makeMultiShapeFromMoving() {
  if (moving.empty())
    return false;
  std::vector<std::shared_ptr<Shape>> copies;
  copies.reserve(moving.size());
  for (const auto& tile : moving)
    copies.push_back(tile->duplicate());
  rejoinAll(copies);
  std::shared_ptr<Shape> selected = copies.front();
  if (const auto hovered = std::dynamic_pointer_cast<Shape>(selectedShape.lock())) {
    const auto found = std::find(moving.begin(), moving.end(), hovered);
    if (found == moving.end())
      return false;
    selected = copies[std::size_t(found - moving.begin())];
  }
  // A cluster whose outline does not close makes no group; the current one
  // stays.
  auto group = MultiShape::create(selected, std::move(copies));
  if (!group)
    return false;
  const bool changed = group != multiShape;
  multiShape = std::move(group);
  if (changed)
    cancelMultiNeighbors();
  return true;
}

void ViewController::pickUpShapes() {
  std::shared_ptr<Shape> single;
  if (moving.size() == 1)
    single = moving.front();
  else if (moving.empty())
    single = std::dynamic_pointer_cast<Shape>(selectedShape.lock());
  if (single) {
    setToolSettings(single->shapeColor(), single->layerIndex, single->marked);
    selectTool(single->figure()->tool());
  } else if (moving.size() >= 2) {
    if (makeMultiShapeFromMoving())
      selectTools({Shapes::multi});
  }
  moving.clear();
}

void ViewController::setToolSettings(const Color& color, int layerIndex, bool mark) {
  if (color == shapeColor_ && layerIndex == layerIndex_ && mark == marked)
    return;
  // The document's file keeps the tool colour: undo takes it back with the
  // tool, rather than leaving the colour of a tile picked up long ago.
  registerUndoStep([color = shapeColor_, layerIndex = layerIndex_, mark = marked](ViewController& editor) {
    editor.setToolSettings(color, layerIndex, mark);
  });
  marked = mark;
  layerIndex_ = layerIndex;
  if (color != shapeColor_) {
    if (const auto document = this->document())
      document->willChangeValue("shapeColor");
    const Color previous = shapeColor_;
    shapeColor_ = color;
    shapeColorDidSet(previous);
  }
}

void ViewController::placeMultiShape(const std::shared_ptr<Edge>& edge, const std::shared_ptr<Edge>& borderEdge) {
  if (!multiShape || !edge || !borderEdge)
    return;
  const auto& templates = multiShape->templates();
  parallelFor(templates.size(), [&templates](std::size_t i) { templates[i]->visited = 0; });
  const auto start = borderEdge->shape.lock();
  ORNIVAL_PRECONDITION(start != nullptr);
  start->visited = 1;

  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  const double borderBezierFactor = document->borderBezierFactor();
  const double borderRadiusLimit = document->borderRadiusLimit();
  const double shapeBezierFactor = document->shapeBezierFactor();
  const double shapeRadiusLimit = document->shapeRadiusLimit();
  const double surfaceRoundness = document->surfaceRoundness();
  const double metalness = document->metalness();
  const double roughness = document->roughness();
  const double ripple = document->ripple();
  const double rippleScale = document->rippleScale();

  // Breadth first across the templates' joins: every template is laid once,
  // however many paths lead to it and whatever holes the group has.
  std::deque<std::pair<std::shared_ptr<Edge>, std::shared_ptr<Edge>>> queue{{edge, borderEdge}};
  while (!queue.empty()) {
    const auto [copyEdge, templateEdge] = queue.front();
    queue.pop_front();
    auto e = copyEdge->next.lock();
    auto b = templateEdge->next.lock();
    while (e && b && e != copyEdge) {
      const auto joined = b->join.lock();
      const auto other = joined ? joined->shape.lock() : nullptr;
      if (other && other->visited == 0) {
        other->visited = 1;
        auto tile = Shape::create(other->figure());
        const auto& tileEdges = tile->edges();
        ORNIVAL_PRECONDITION(std::size_t(joined->index()) < tileEdges.size());
        const auto& onto = tileEdges[std::size_t(joined->index())];
        e->join = onto;
        onto->join = e;
        if (tileEdges.size() == other->edges().size()) {
          for (std::size_t k = 0; k < tileEdges.size(); ++k)
            tileEdges[k]->isGroupJoin = other->edges()[k]->isGroupJoin;
        }
        tile->borderBezierFactor = 2.0 * borderBezierFactor;
        tile->borderRadiusLimit = borderRadiusLimit;
        tile->shapeBezierFactor = 2.0 * shapeBezierFactor;
        tile->shapeRadiusLimit = shapeRadiusLimit;
        tile->place(e);
        if (tile->surfaceRoundness() != surfaceRoundness) {
          tile->setSurfaceRoundness(surfaceRoundness);
          if (tile->geometry())
            tile->makeGeometry();
        }
        tile->setMetalness(metalness);
        tile->setRoughness(roughness);
        tile->setRipple(ripple);
        tile->setRippleScale(rippleScale);
        tile->customShapesColors = true;
        tile->setShapeColor(other->shapeColor());
        tile->layerIndex = other->layerIndex;
        insertShape(tile);
        queue.emplace_back(onto, joined);
      }
      e = e->next.lock();
      b = b->next.lock();
    }
  }
}

void ViewController::updateMoveDisplay() {
  if (moving.empty())
    return;
  if (dragAction != DragAction::remove) {
    moveLayer->setPosition({0.0, 0.0});
    moveLayer->setOpacity(1.0);
    for (const auto& tile : moving) {
      tile->setStatus(ShapeStatus::live);
      shapesLayer->addSublayer(tile->layer());
      borderLayer->addSublayer(tile->borderLayer());
      borderLayer2->addSublayer(tile->borderLayer2());
      borderLayer3->addSublayer(tile->borderLayer3());
      addTileNode(*tile);
    }
  }
  updateFlatNode();
  flatMarkNode->setHidden(false);
  if (flatMoveNode) {
    flatMoveNode->removeFromParentNode();
    flatMoveNode.reset();
  }
}

}  // namespace ornival
