// Flipping a hexagon of three rhombus-like tiles: while one of them is
// dragged towards where the flip would take it, the three slide along each
// other's sides at once and the inner corner moves to the opposite side.
// Its undo and redo put the three back where the step found them.

#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/Localization.h"
#include "platform/UndoManager.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ornival {
namespace {

// Four equal sides and no side inside a glued group: the only tiles a flip
// may move.
bool isFlippable(const Shape& tile) {
  if (tile.edges().size() != 4 || !tile.figure()->equilateral())
    return false;
  return std::none_of(tile.edges().begin(), tile.edges().end(),
                      [](const std::shared_ptr<Edge>& edge) { return edge->isGroupJoin; });
}

// Where a's centre goes when a slides along b: a's first side glued to b
// starts at the shared corner's far end of b's side, and a moves by the
// way from that side's start to the end of b's other side at it. None when
// the two are not glued.
std::optional<Vec2> slidCenter(const Shape& a, const Shape& b) {
  for (const auto& edge : a.edges()) {
    const auto join = edge->join.lock();
    if (!join || join->shape.lock().get() != &b)
      continue;
    const auto after = join->next.lock();
    const auto farSide = after ? after->next.lock() : nullptr;
    if (!farSide)
      return std::nullopt;
    return a.center() + (farSide->transformedVertex() - edge->transformedVertex());
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::shared_ptr<Shape>> ViewController::fourEdgeJoin(const std::shared_ptr<Edge>& edge) const {
  const auto tile = edge->shape.lock();
  const auto join1 = edge->join.lock();
  if (!tile || !join1)
    return {};
  const auto tile1 = join1->shape.lock();
  if (!tile1 || tile1->edges().size() != 4)
    return {};
  const auto after1 = join1->next.lock();
  const auto join2 = after1 ? after1->join.lock() : nullptr;
  if (!join2)
    return {};
  const auto after2 = join2->next.lock();
  const auto join3 = after2 ? after2->join.lock() : nullptr;
  // Exactly three tiles meet at the corner: the third one's side leads back
  // into this tile just before edge.
  if (!join3 || join3->next.lock() != edge)
    return {};
  const auto tile2 = join2->shape.lock();
  if (!tile2 || !isFlippable(*tile1) || !isFlippable(*tile2))
    return {};
  return {tile, tile1, tile2};
}

void ViewController::collectFourEdgeJoins(const std::shared_ptr<Shape>& shape, Vec2 offset, bool& swapped) {
  swapped = false;
  if (!isFlippable(*shape))
    return;
  const Vec2 centre = shape->center();
  const Vec2 dragged = centre + offset;
  // Staying put competes too: a tie keeps the tiles where they are.
  double best = offset.lengthSquared();
  std::vector<std::shared_ptr<Shape>> chosen;
  for (const auto& edge : shape->edges()) {
    auto triple = fourEdgeJoin(edge);
    if (triple.empty())
      continue;
    const auto target = slidCenter(*triple[0], *triple[1]);
    if (!target)
      continue;
    const double distance = (dragged - *target).lengthSquared();
    if (distance < best) {
      best = distance;
      chosen = std::move(triple);
    }
  }
  if (!chosen.empty())
    swapped = swapShapes(chosen);
}

bool ViewController::swapShapes(const std::vector<std::shared_ptr<Shape>>& tiles) {
  const std::size_t n = tiles.size();
  if (n == 0)
    return false;
  std::vector<Vec2> centres;
  centres.reserve(n);
  for (std::size_t k = 0; k < n; ++k) {
    const auto centre = slidCenter(*tiles[k], *tiles[(k + 1) % n]);
    if (!centre)
      return false;
    centres.push_back(*centre);
  }

  // The pointer keeps its place on the dragged tile. An undo or redo comes
  // with no drag under way, and the pointer is not on the tile then.
  if (!moving.empty())
    selectedPoint = selectedPoint + (centres[0] - tiles[0]->center());

  std::vector<AffineTransform> placements;
  placements.reserve(n);
  for (std::size_t k = 0; k < n; ++k) {
    const auto placement = movedTo(*tiles[k], centres[k]);
    if (!placement)
      return false;
    placements.push_back(*placement);
  }
  placeRing(tiles, placements);
  return true;
}

void ViewController::placeRing(const std::vector<std::shared_ptr<Shape>>& tiles,
                               const std::vector<AffineTransform>& placements) {
  const std::size_t n = tiles.size();
  // The sides to glue again: the ring's own and their partners outside it.
  std::vector<std::shared_ptr<Edge>> renew;
  for (const auto& tile : tiles)
    renew.insert(renew.end(), tile->edges().begin(), tile->edges().end());
  for (const auto& tile : tiles) {
    for (const auto& edge : tile->edges()) {
      const auto partner = edge->join.lock();
      const auto owner = partner ? partner->shape.lock() : nullptr;
      if (owner && std::find(tiles.begin(), tiles.end(), owner) == tiles.end())
        renew.push_back(partner);
    }
  }

  // Undo and redo put the tiles back at exactly the placements they left:
  // flipping again would come back only up to rounding, and the drift grows
  // with every undo and redo.
  std::vector<AffineTransform> previous;
  previous.reserve(n);
  for (const auto& tile : tiles)
    previous.push_back(tile->transformation);

  for (std::size_t k = 0; k < n; ++k) {
    Shape& tile = *tiles[k];
    // The dragged tile follows the pointer; the other two slide into place.
    placeShape(tile, placements[k], k != 0);
    breakJoins(tile);
    // The tile moved, so candidates left on its sides lie in the wrong place.
    for (const auto& edge : tile.edges())
      edge->neighbors.clear();
  }

  graph_->joinEdges(renew);
  operations->neighborQueue()->cancelAllOperations();
  rebuildOutline();

  if (std::any_of(tiles.begin(), tiles.end(), [](const std::shared_ptr<Shape>& tile) { return tile->marked; })) {
    registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); });
    updateMarkLayer();
  }

  if (UndoManager* undo = undoManager()) {
    std::vector<int> indices;
    indices.reserve(n);
    for (const auto& tile : tiles)
      indices.push_back(tile->index);
    registerUndoStep([indices, previous](ViewController& editor) {
      const auto& all = editor.graph().shapes();
      std::vector<std::shared_ptr<Shape>> ring;
      for (const int index : indices) {
        if (index < 0 || std::size_t(index) >= all.size())
          return;
        ring.push_back(all[std::size_t(index)]);
      }
      editor.placeRing(ring, previous);
    });
    if (!undo->isUndoing())
      undo->setActionName(localized("Undo", "Swap Shapes"));
  }

  // The copy of the carried tiles exists only during a drag; outside one it
  // would be an empty node left in the scene.
  if (!moving.empty()) {
    auto carried = SceneNode::create();
    for (const auto& tile : moving) {
      // Stand-ins sharing the tiles' solids: the tiles' own nodes stay where
      // the scene keeps them.
      auto copy = SceneNode::create(tile->node()->geometry());
      copy->setTransform(tile->node()->transform());
      carried->addChildNode(copy);
    }
    if (flatMoveNode) {
      const auto& from = flatMoveNode->transform().m[3];
      carried->setTransform(Transform3D::translation(from[0], from[1], from[2]));
    }
    updateFlatMoveNode(carried);
  }
  updateFlatNode();
  // The lines through the flipped corners changed; during a drag the layers
  // stay hidden.
  updateCrossingLayers();
}

std::optional<AffineTransform> ViewController::movedTo(const Shape& shape, Vec2 point) {
  const AffineTransform& t = shape.transformation;
  const auto inverse = t.inverted();
  if (!inverse)
    return std::nullopt;
  const Vec2 shift = inverse->apply(point) - shape.figure()->center();
  return t.translatedBy(shift.x, shift.y);
}

void ViewController::moveShape(Shape& shape, Vec2 point, bool animated) {
  if (const auto placement = movedTo(shape, point))
    placeShape(shape, *placement, animated);
}

void ViewController::placeShape(Shape& shape, const AffineTransform& placement, bool animated) {
  ++tilingEdits_;
  shape.transformation = placement;
  shape.updateTransformedGeometry();
  const Transform3D placed = shape.nodeTransform();
  // A tile without a node yet gets it in this place when it is made.
  if (shape.hasNode())
    shape.node()->setTransform(placed);
  if (shape.mark)
    shape.mark->setTransform(placed.scaledBy(1.0, 1.0, -1.0).translatedBy(0.0, 0.0, -0.2 / shape.scale()));
  shape.configureLayers(animated);
}

}  // namespace ornival
