// Tiles leave the tiling as records that build them again exactly: each
// removal is one undo step, its undo puts the tiles back where they were,
// and its redo is again a removal.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/ProcessTools.h"
#include "editor/ViewPort.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/Localization.h"
#include "platform/Precondition.h"
#include "platform/UndoManager.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iterator>

namespace ornival {
namespace {

// Where tiles stand while a batch leaves the graph one by one, without
// moving the graph each time: a tile's position then is its index less the
// tiles before it that have left already, counted in logarithmic time.
class Departures {
public:
  explicit Departures(std::size_t count) : counts_(count + 1, 0) {}
  void leave(int index) {
    for (std::size_t i = std::size_t(index) + 1; i < counts_.size(); i += i & (~i + 1))
      ++counts_[i];
  }
  int position(int index) const {
    int before = 0;
    for (std::size_t i = std::size_t(index); i > 0; i -= i & (~i + 1))
      before += counts_[i];
    return index - before;
  }

private:
  std::vector<int> counts_;
};

}  // namespace

// Unglues every side of the tile. The neighbours redraw their sides as free,
// or, when the caller collects them, wait for it to redraw each once. Each
// join breaks once, from whichever side comes first, with both sides' group
// flags still as they were: the moment to keep it for an undo.
void ViewController::breakJoins(Shape& shape, std::vector<std::shared_ptr<Shape>>* neighbours,
                                std::vector<BrokenJoin>* broken) {
  for (const auto& edge : shape.edges()) {
    const auto partner = edge->join.lock();
    if (!partner)
      continue;
    const auto neighbour = partner->shape.lock();
    if (broken && neighbour)
      broken->push_back({shape.index, edge->index(), neighbour->index, partner->index(), edge->isGroupJoin,
                         partner->isGroupJoin});
    partner->isGroupJoin = false;
    partner->join.reset();
    edge->join.reset();
    if (neighbour) {
      if (neighbours)
        neighbours->push_back(neighbour);
      else
        neighbour->animatePaths(false);
    }
  }
}

void ViewController::removeShapes() {
  // Nothing to take away is no edit, and leaves no empty step to undo.
  if (moving.empty())
    return;
  const bool madeGroup = moving.size() >= 2 && dragAction == DragAction::cutAndPaste && makeMultiShapeFromMoving();
  // The way back glues exactly the joins this breaks, numbered as the tiling
  // stands before the removal and again after its undo: gluing by position
  // would also glue sides that only lay against each other, and a join
  // grouped on one side only would come back grouped on both. Each join is
  // taken once, as it breaks.
  const auto& placed = graph_->shapes();
  std::vector<std::uint8_t> leaving(placed.size(), 0);
  for (const auto& tile : moving) {
    if (tile->index >= 0 && std::size_t(tile->index) < placed.size() && placed[std::size_t(tile->index)] == tile)
      leaving[std::size_t(tile->index)] = 1;
  }
  // Neighbours that stay redraw their sides once, after all their joins to
  // the leaving tiles broke; neighbours that leave too are not redrawn.
  std::vector<std::shared_ptr<Shape>> neighbours;
  // Last first, each record taken as its tile leaves, numbered as the tiles
  // still there stand then; the graph itself lets them go in one pass.
  Departures departures(graph_->shapes().size());
  std::vector<int> leftAt(moving.size());
  removed.reserve(removed.size() + moving.size());
  for (auto tile = moving.rbegin(); tile != moving.rend(); ++tile) {
    Shape& shape = **tile;
    auto& removedKinds = removedTools();
    const Shapes kind = shape.figure()->tool();
    if (std::find(removedKinds.begin(), removedKinds.end(), kind) == removedKinds.end())
      removedKinds.push_back(kind);
    ShapeInfo info = shape.info();
    departures.leave(shape.index);
    info.index = departures.position(info.index);
    leftAt[std::size_t(moving.rend() - tile - 1)] = info.index;
    if (info.hasParent)
      info.parentShapeIndex = departures.position(info.parentShapeIndex);
    removed.push_back(std::move(info));
    breakJoins(shape, &neighbours, &removedJoins);
    // Off the display now, even while something else still holds the tile.
    for (const auto* layer : {&shape.layer(), &shape.borderLayer(), &shape.borderLayer2(), &shape.borderLayer3()})
      (*layer)->removeFromSuperlayer();
    if (shape.hasNode())
      shape.node()->removeFromParentNode();
    if (shape.mark)
      shape.mark->removeFromParentNode();
  }
  std::vector<std::uint8_t> redrawn(placed.size(), 0);
  for (const auto& neighbour : neighbours) {
    const int at = neighbour->index;
    if (at < 0 || std::size_t(at) >= placed.size() || placed[std::size_t(at)] != neighbour ||
        leaving[std::size_t(at)] || redrawn[std::size_t(at)])
      continue;
    redrawn[std::size_t(at)] = 1;
    neighbour->animatePaths(false);
  }
  // The leaving tiles go with `moving`, not with this list.
  neighbours = {};
  graph_->remove(moving);
  // The tiles keep the places they had as they left, as an undo reads them.
  for (std::size_t i = 0; i < moving.size(); ++i)
    moving[i]->index = leftAt[i];
  // Freed after the paint that shows them gone, in slices between events.
  if (departed_.empty()) {
    viewPort_->afterPaint([editor = weak_from_this()] {
      const auto self = editor.lock();
      return self && self->releaseDeparted();
    });
  }
  if (departed_.empty())
    departed_ = std::move(moving);
  else
    departed_.insert(departed_.end(), std::make_move_iterator(moving.begin()), std::make_move_iterator(moving.end()));
  moving.clear();
  finishRemoveShapes();
  operations->neighborQueue()->cancelAllOperations();
  rebuildOutline();
  updateNeighbors(selectedPoint);
  // The room made may fit candidates that overlapped before.
  for (const auto& edge : borderEdges) {
    for (auto& [kind, candidates] : edge->neighbors) {
      if (!selectedTools.contains(kind))
        continue;
      for (const auto& candidate : candidates) {
        if (candidate->checked() == Checked::overlapping)
          candidate->setChecked(Checked::unknown);
      }
    }
  }
  if (madeGroup)
    selectTools({Shapes::multi});
  else if (graph_->shapes().empty())
    rebuildNeighborModels();
  updateCounts();
  // The hover goes with the outline, so that hovering the same candidate
  // again shows it again.
  selectedShape = {};
  selectedLayer->setHidden(true);
  selectedLayer->setPath(std::nullopt);
  selectedLayer->removeFromSuperlayer();
  updateViewTransform(true, 1.0);
}

bool ViewController::releaseDeparted() {
  // As long a slice as the view's sharpening takes between events.
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(6);
  while (!departed_.empty()) {
    for (int i = 0; i < 256 && !departed_.empty(); ++i)
      departed_.pop_back();
    if (std::chrono::steady_clock::now() >= until)
      break;
  }
  if (departed_.empty())
    departed_ = {};
  return !departed_.empty();
}

void ViewController::finishRemoveShapes() {
  registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); });
  if (UndoManager* undo = undoManager()) {
    const bool one = removed.size() < 2;
    registerUndoStep([infos = std::move(removed), joins = std::move(removedJoins)](ViewController& editor) {
      editor.restoreShapes(infos, joins);
      editor.select(editor.selectedPoint);
    });
    if (!undo->isUndoing())
      undo->setActionName(one ? localized("Undo", "Remove Shape") : localized("Undo", "Remove Shapes"));
  }
  removed.clear();
  removedJoins.clear();
  updateMarkLayer();
  updateFlatNode();
}

void ViewController::restoreShapes(const std::vector<ShapeInfo>& infos, const std::vector<BrokenJoin>& joins) {
  registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); });
  // Last removed first: each record meets the tiling as its tile left it,
  // and the tiles take back their indices.
  {
    Graph::Insertions tiling(*graph_);
    for (auto info = infos.rbegin(); info != infos.rend(); ++info)
      restoreShape(*info, tiling);
  }
  const auto& tiles = graph_->shapes();
  const auto sideOf = [&tiles](int tile, int edge) -> std::shared_ptr<Edge> {
    if (tile < 0 || std::size_t(tile) >= tiles.size())
      return nullptr;
    const auto& edges = tiles[std::size_t(tile)]->edges();
    return edge >= 0 && std::size_t(edge) < edges.size() ? edges[std::size_t(edge)] : nullptr;
  };
  // The tiles whose outlines may turn through a join glued back: an outline
  // runs across joins only at sides inside a group, and the tiles built again
  // drew theirs after every join was back.
  std::vector<std::shared_ptr<Shape>> touched;
  bool glued = false;
  // Whether a tile is in `touched` yet, by index: a removal of everything
  // glues back every join of the tiling.
  std::vector<std::uint8_t> inTouched(tiles.size(), 0);
  for (const BrokenJoin& join : joins) {
    const auto a = sideOf(join.tile, join.edge);
    const auto b = sideOf(join.partnerTile, join.partnerEdge);
    // A tiling that is not as the removal left it keeps what it has.
    if (!a || !b || a == b || !a->join.expired() || !b->join.expired())
      continue;
    a->join = b;
    b->join = a;
    a->neighbors.clear();
    b->neighbors.clear();
    a->isGroupJoin = join.groupJoin;
    b->isGroupJoin = join.partnerGroupJoin;
    glued = true;
    if (!join.groupJoin && !join.partnerGroupJoin)
      continue;
    for (const int at : {join.tile, join.partnerTile}) {
      if (inTouched[std::size_t(at)])
        continue;
      inTouched[std::size_t(at)] = 1;
      touched.push_back(tiles[std::size_t(at)]);
    }
  }
  addShapes(false);
  // The crossing bands follow every join glued back, grouped or not.
  if (touched.empty() && glued)
    updateCrossingLayers();
  refreshGroupOutlines(touched);
}

std::shared_ptr<Shape> ViewController::restoreShape(const ShapeInfo& info, Graph::Insertions& tiling) {
  const auto kind = Shapes::init(info.tag);
  if (!kind || *kind == Shapes::multi)
    return nullptr;
  const int count = int(tiling.count());
  if (info.index < 0 || info.index > count)
    return nullptr;
  const auto figure = Shapes::figures()[std::size_t(kind->rawValue() - Shapes::firstRawValue)];
  auto tile = Shape::create(figure);
  const auto& edges = tile->edges();
  if (info.groupJoins.size() == edges.size()) {
    for (std::size_t k = 0; k < edges.size(); ++k)
      edges[k]->isGroupJoin = info.groupJoins[k];
  }
  tile->borderBezierFactor = info.borderBezierFactor;
  tile->borderRadiusLimit = info.borderRadiusLimit;
  tile->shapeBezierFactor = info.shapeBezierFactor;
  tile->shapeRadiusLimit = info.shapeRadiusLimit;
  tiling.insert(tile, std::size_t(info.index));
  // Back exactly where it stood, rather than laid on its parent anew: placing
  // again would shift it by rounding, undo after undo. Its joins follow once
  // every tile is back.
  tile->transformation = info.transformation;
  tile->updateTransformedGeometry();
  // The layers take the bands when addShapes lays out every tile put back.
  takeBorderStyle(*tile);
  shapesLayer->addSublayer(tile->layer());
  borderLayer->addSublayer(tile->borderLayer());
  borderLayer2->addSublayer(tile->borderLayer2());
  borderLayer3->addSublayer(tile->borderLayer3());
  tile->setShapeColor(info.shapeColor);
  tile->layerIndex = info.layerIndex;
  if (const auto document = this->document()) {
    tile->setSurfaceRoundness(document->surfaceRoundness());
    tile->setMetalness(document->metalness());
    tile->setRoughness(document->roughness());
    tile->setRipple(document->ripple());
    tile->setRippleScale(document->rippleScale());
  }
  addTileNode(*tile);
  added.push_back(tile);
  tile->showMark(info.marked, marksParent());
  return tile;
}

}  // namespace ornival
