// Construction of the display and the hand-over of a document: the editor
// takes the tiles and the settings the document read, and derives the outline
// of free sides that placing and hit testing work against.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/EditorWindowController.h"
#include "editor/ProcessTools.h"
#include "editor/ViewPort.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Materials.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/LayerAnimation.h"
#include "platform/Precondition.h"
#include "platform/UndoManager.h"

#include <cmath>

namespace ornival {
namespace {

// Per coordinate to the 1/1024 grid, halves away from zero.
Vec2 roundedToGrid(Vec2 p) { return {std::round(p.x * 1024.0) / 1024.0, std::round(p.y * 1024.0) / 1024.0}; }

}  // namespace

void ViewController::viewDidLoad() {
  configureLayerTree();
  // Our OpenGL renderer lights physically based, so the view never takes
  // the flag down; a view that cannot would be redrawn continuously.
  if (!metalRenderingEnabled)
    viewPort_->setContinuousRedraw(true);
  viewPort_->setScene(setupScene());
}

void ViewController::loadDocument(const std::shared_ptr<Document>& document) {
  ORNIVAL_PRECONDITION(document != nullptr);
  document_ = document;
  const auto window = viewPort_->windowController();
  windowController_ = window;
  if (!window)
    return;
  // Taking the document over is no edit of it.
  const std::shared_ptr<UndoManager> undo = viewPort_->undoManager();
  if (undo)
    undo->disableUndoRegistration();

  document->setViewController(weak_from_this());
  if (!document->model.empty())
    load(document->model);
  document->model.clear();

  if (document->lastShapeColor() != shapeColor_) {
    document->willChangeValue("shapeColor");
    const Color previous = shapeColor_;
    shapeColor_ = document->lastShapeColor();
    shapeColorDidSet(previous);
  }
  viewPort_->setBackgroundColor(document->backgroundColor());
  updateLineJoin(document->borderLineStyle());
  if (scale_ != document->scale()) {
    scale_ = document->scale();
    updateViewTransform(animateScale_, 0.4);
  }
  if (rotation_ != document->rotation()) {
    rotation_ = document->rotation();
    updateViewTransform(false, 1.0);
    resnapPageBounds();
  }
  const int previousDimension = dimension_;
  dimension_ = document->displayMode();
  dimensionDidSet(previousDimension);
  if (crossings_ != document->crossings()) {
    crossings_ = document->crossings();
    updateCrossingLayers();
    updateCrossingsNode();
  }
  const bool hideCrossings = crossings_ == CrossingStatus::off || dimension_ == 3 || isMoving;
  crossingLayer->setHidden(hideCrossings);
  crossingLayer2->setHidden(hideCrossings);
  updateNeighbors(selectedPoint);

  const Rect bounds = document->pageBounds;
  registerManualPageBoundsUndo(bounds);
  if (manualPageBounds != bounds) {
    manualPageBounds = bounds;
    resnapPageBounds();
  }
  selectTools(window->selectedTools());
  markLayer->setPath(std::nullopt);
  updateViewTransform(false, 1.0);
  // The frame's colour and path, and with them the snapped page, follow the
  // bounds just loaded, automatic ones included: an empty tiling's page is
  // the margin around its centre.
  updateBoundsLayerColor();
  updateLightAngleX();
  updateLightAngleY();
  updateLightAngleZ();
  setAmbientLightColor(document->ambientColor());
  updateCounts();

  if (undo)
    undo->enableUndoRegistration();
}

Line ViewController::outlineLine(const Edge& edge) {
  return {roundedToGrid(edge.transformedVertex()), roundedToGrid(edge.transformedEnd())};
}

void ViewController::rebuildOutline() {
  ++tilingEdits_;
  std::vector<std::shared_ptr<Edge>> edges;
  std::vector<Line> lines;
  for (const auto& tile : graph_->shapes()) {
    for (const auto& edge : tile->edges()) {
      if (edge->join.lock())
        continue;
      edges.push_back(edge);
      lines.push_back(outlineLine(*edge));
    }
  }
  border = std::move(lines);
  borderEdges = std::move(edges);
}

void ViewController::load(const std::vector<std::shared_ptr<Shape>>& tiles) {
  graph_->setShapes(tiles);
  operations->neighborQueue()->cancelAllOperations();
  rebuildOutline();
  graph_->joinEdges(borderEdges);
  operations->neighborQueue()->cancelAllOperations();
  rebuildOutline();
  {
    LayerTransaction transaction;
    transaction.setDisableActions(true);
    for (const auto& tile : graph_->shapes()) {
      tile->configureLayers(false);
      shapesLayer->addSublayer(tile->layer());
      borderLayer->addSublayer(tile->borderLayer());
      borderLayer2->addSublayer(tile->borderLayer2());
      borderLayer3->addSublayer(tile->borderLayer3());
    }
  }
  updateNeighbors(selectedPoint);
  // The tiles' nodes wait for the relief to ask for them.
  for (const auto& tile : graph_->shapes())
    addTileNode(*tile);
  updateFlatNode();
}

}  // namespace ornival
