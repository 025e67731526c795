// The common road of new tiles into the editor: the graph, the four layer
// collections, the scene, the joins, the counts, and one undo step per edit.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/ProcessTools.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/LayerAnimation.h"
#include "platform/Localization.h"
#include "platform/Precondition.h"
#include "platform/UndoManager.h"

#include <algorithm>

namespace ornival {
namespace {

// One unit of the group figure is this many canvas units.
constexpr double canvasUnitsPerGroupUnit = 20.0;

}  // namespace

void ViewController::placeCandidate() {
  const auto candidate = std::dynamic_pointer_cast<NeighborModel>(selectedShape.lock());
  if (!candidate)
    return;
  // A group candidate is laid only as the group it was made of.
  if (candidate->figure()->tool() == Shapes::multi && (!multiShape || candidate->figure() != multiShape->figure()))
    return;
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  const auto tile = Shape::make(candidate, 2.0 * document->borderBezierFactor(), 2.0 * document->shapeBezierFactor(),
                                document->borderRadiusLimit(), document->shapeRadiusLimit());
  tile->layerIndex = layerIndex_;
  addNeighborShape(tile, candidate->parent(), int(candidate->edgeOffset));
  addShapes();
  updateSelectedPointLayer(tile);
}

void ViewController::addNeighborShape(const std::shared_ptr<Shape>& shape, const std::shared_ptr<Edge>& parent,
                                      int edgeOffset) {
  operations->neighborQueue()->cancelAllOperations();
  if (shape->marked)
    registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); });
  if (shape->figure()->tool() != Shapes::multi) {
    insertShape(shape);
    return;
  }
  if (!multiShape || edgeOffset < 0 || std::size_t(edgeOffset) >= multiShape->border().size())
    return;
  const auto& borderEdge = multiShape->border()[std::size_t(edgeOffset)];
  const auto tile = borderEdge->shape.lock();
  if (!tile)
    return;
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  auto copy = Shape::create(tile->figure());
  const auto& edge = copy->edges()[std::size_t(borderEdge->index())];
  if (parent)
    parent->join = edge;
  edge->join = parent;
  edge->neighbors.erase(Shapes::multi);
  if (parent)
    parent->neighbors.erase(Shapes::multi);
  if (copy->edges().size() == tile->edges().size()) {
    for (std::size_t k = 0; k < copy->edges().size(); ++k)
      copy->edges()[k]->isGroupJoin = tile->edges()[k]->isGroupJoin;
  }
  copy->borderBezierFactor = 2.0 * document->borderBezierFactor();
  copy->borderRadiusLimit = document->borderRadiusLimit();
  copy->shapeBezierFactor = 2.0 * document->shapeBezierFactor();
  copy->shapeRadiusLimit = document->shapeRadiusLimit();
  if (parent) {
    copy->place(parent);
  } else {
    // Nothing to lie against (a paste into an empty drawing): the group goes
    // where its candidate shows it, the template's place carried from canvas
    // units into the group's own and through the candidate's transformation.
    copy->transformation = tile->transformation
                               .concatenating(AffineTransform::scale(1.0 / canvasUnitsPerGroupUnit,
                                                                     1.0 / canvasUnitsPerGroupUnit))
                               .concatenating(shape->transformation);
    copy->updateTransformedGeometry();
  }
  copy->customShapesColors = true;
  copy->setShapeColor(tile->shapeColor());
  copy->layerIndex = tile->layerIndex;
  insertShape(copy);
  placeMultiShape(edge, borderEdge);
}

void ViewController::insertShape(const std::shared_ptr<Shape>& shape) {
  graph_->insert(shape, int(graph_->shapes().size()));
  clearHoverOutline();
  applyBorderStyle(*shape);
  shapesLayer->addSublayer(shape->layer());
  borderLayer->addSublayer(shape->borderLayer());
  borderLayer2->addSublayer(shape->borderLayer2());
  borderLayer3->addSublayer(shape->borderLayer3());
  if (const auto document = this->document()) {
    shape->setSurfaceRoundness(document->surfaceRoundness());
    shape->setMetalness(document->metalness());
    shape->setRoughness(document->roughness());
    shape->setRipple(document->ripple());
    shape->setRippleScale(document->rippleScale());
  }
  addTileNode(*shape);
  if (!shape->customShapesColors) {
    shape->showMark(marked, marksParent());
    shape->setShapeColor(shapeColor_);
  }
  added.push_back(shape);
  auto& recent = recentTools();
  const Shapes kind = shape->figure()->tool();
  if (std::find(recent.begin(), recent.end(), kind) == recent.end())
    recent.push_back(kind);
}

void ViewController::applyBorderStyle(Shape& shape) {
  takeBorderStyle(shape);
  shape.updateLineWidth();
  shape.updateLineJoin();
}

void ViewController::takeBorderStyle(Shape& shape) const {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  std::vector<LineAttribute> bands{{document->borderWidth(), document->borderColor()},
                                   {document->borderWidth2(), document->borderColor2()},
                                   {document->borderWidth3(), document->borderColor3()}};
  std::stable_sort(bands.begin(), bands.end(),
                   [](const LineAttribute& a, const LineAttribute& b) { return a.width < b.width; });
  shape.lineAttributes = std::move(bands);
  shape.borderLineStyle = borderLineStyle;
}

void ViewController::addShapes(bool glueByPosition) {
  std::vector<int> indices;
  indices.reserve(added.size());
  const std::size_t oldSides = borderEdges.size();
  for (const auto& tile : added) {
    indices.push_back(tile->index);
    borderEdges.insert(borderEdges.end(), tile->edges().begin(), tile->edges().end());
  }
  // New tiles at the end of the graph, in order, as placing appends them.
  bool appended = true;
  const int count = int(graph_->shapes().size());
  for (std::size_t k = 0; k < indices.size(); ++k)
    appended = appended && indices[k] == count - int(indices.size()) + int(k);
  if (UndoManager* undo = undoManager()) {
    registerUndoStep([indices](ViewController& editor) { editor.undoAddShapes(indices); });
    if (!undo->isUndoing())
      undo->setActionName(indices.size() < 2 ? localized("Undo", "Add Shape") : localized("Undo", "Add Shapes"));
  }
  if (glueByPosition)
    graph_->joinEdges(borderEdges);
  operations->neighborQueue()->cancelAllOperations();
  if (appended)
    updateOutline(oldSides);
  else
    rebuildOutline();
  bool anyMarked = false;
  {
    LayerTransaction transaction;
    transaction.setDisableActions(true);
    for (const auto& tile : added) {
      tile->configureLayers(false);
      anyMarked = anyMarked || tile->marked;
    }
  }
  if (appended)
    crossingsAppended_ = added;
  added.clear();
  // The grown tiling may now overlap candidates that fitted before.
  for (const auto& edge : borderEdges) {
    for (auto& [kind, candidates] : edge->neighbors) {
      if (!selectedTools.contains(kind))
        continue;
      for (const auto& candidate : candidates) {
        if (candidate->checked() == Checked::ok)
          candidate->setChecked(Checked::unknown);
      }
    }
  }
  updateNeighbors(selectedPoint);
  updateCounts();
  updateFlatNode();
  if (anyMarked)
    updateMarkLayer();
  updateViewTransform(true, 1.0);
}

void ViewController::updateOutline(std::size_t oldSides) {
  ++tilingEdits_;
  // Only sides in the list can have been joined, and the new tiles' sides
  // follow the old ones in tile order: keeping the free ones in their order
  // gives the outline a full rebuild would, without a walk over every tile.
  std::vector<std::shared_ptr<Edge>> edges;
  std::vector<Line> lines;
  edges.reserve(borderEdges.size());
  lines.reserve(borderEdges.size());
  for (std::size_t i = 0; i < borderEdges.size(); ++i) {
    const auto& edge = borderEdges[i];
    if (!edge->join.expired())
      continue;
    edges.push_back(edge);
    lines.push_back(i < oldSides && i < border.size()
                        ? border[i]
                        : outlineLine(*edge));
  }
  border = std::move(lines);
  borderEdges = std::move(edges);
}

void ViewController::undoAddShapes(const std::vector<int>& indices) {
  // Exactly the added tiles go: the tiling is as the addition left it, so
  // this is its inverse. Taking the regions outside the largest as well
  // would take a separate island the user made along, and a redone removal
  // of a tile that joined two pieces would take the smaller piece too.
  const auto& tiles = graph_->shapes();
  std::vector<std::shared_ptr<Shape>> taken;
  bool fits = true;
  for (const int index : indices) {
    if (index < 0 || std::size_t(index) >= tiles.size()) {
      fits = false;
      break;
    }
    taken.push_back(tiles[std::size_t(index)]);
  }
  if (fits && !taken.empty()) {
    for (const auto& tile : taken)
      tile->setStatus(ShapeStatus::marked);
    moving = std::move(taken);
    removeShapes();
    updateDragAction(false);
  }
  select(selectedPoint);
}

}  // namespace ornival
