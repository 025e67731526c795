// What is under the pointer: placed tiles are found on the main thread,
// candidates by a SelectOperation on the select queue; the hovered object
// gets the hover outline and is what a click or Return places.

#include "editor/ViewController.h"

#include "editor/HitTest.h"
#include "editor/SelectOperation.h"
#include "editor/ViewPort.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"

namespace ornival {
namespace {

// Strictly inside the box, then inside the outline.
bool isUnder(const ShapeModel& model, Vec2 p) {
  const Line box = model.bounds();
  return box.vertex0.x < p.x && p.x < box.vertex1.x && box.vertex0.y < p.y && p.y < box.vertex1.y &&
         pointInPolygon(model.border(), p);
}

// A circle of the diameter around centre, in four curves.
void appendCircle(Path& path, Vec2 centre, double diameter) {
  const double r = diameter / 2.0;
  // Control distance of a quarter circle drawn as one cubic curve.
  const double k = r * 0.5522847498307936;
  path.moveTo({centre.x + r, centre.y});
  path.curveTo({centre.x, centre.y + r}, {centre.x + r, centre.y + k}, {centre.x + k, centre.y + r});
  path.curveTo({centre.x - r, centre.y}, {centre.x - k, centre.y + r}, {centre.x - r, centre.y + k});
  path.curveTo({centre.x, centre.y - r}, {centre.x - r, centre.y - k}, {centre.x - k, centre.y - r});
  path.curveTo({centre.x + r, centre.y}, {centre.x + k, centre.y - r}, {centre.x + r, centre.y - k});
  path.close();
}

}  // namespace

void ViewController::mouseMoved(const MouseEvent& event) { mouseMoved(event, false); }

void ViewController::mouseMoved(const MouseEvent& event, bool ignoreFrame) {
  updateViewTransform(false, 1.0);
  locationInWindow = event.locationInWindow;
  pointerInView = true;
  updateDragAction(ignoreFrame);
  if (!boundsLayer->isHidden() || (imageLayer && imageLayer->path())) {
    // Nothing is hovered while the page frame or an underlay is shown.
    clearHoverOutline();
  } else {
    const Vec2 point = layer->convertFrom(locationInWindow, *viewPort_->rootLayer());
    select(point);
    const bool inside = markLayer->path() && markLayer->path()->contains(point);
    if (inside != markSelected) {
      markSelected = inside;
      updateSelectedLayerColor();
    }
  }
  if (needsUpdateNode && dimension_ == 3)
    updateFlatNode();
}

void ViewController::updateSelectedLayerColor() {
  if (markSelected)
    markLayer->setFillColor(Color{accentColor.red, accentColor.green, accentColor.blue, 0.1});
  else
    markLayer->setFillColor(std::nullopt);
}

void ViewController::mouseExited() {
  pointerInView = false;
  operations->selectQueue()->cancelAllOperations();
  clearHoverOutline();
  if (markSelected) {
    markSelected = false;
    updateSelectedLayerColor();
  }
}

void ViewController::select(Vec2 point) {
  // Tool changes, undo and pastes hover again where the pointer last was;
  // with the pointer elsewhere, or not yet come, nothing is.
  if (!pointerInView) {
    operations->selectQueue()->cancelAllOperations();
    updateNeighbors(point);
    clearHoverOutline();
    return;
  }
  hover(point);
}

void ViewController::hover(Vec2 point) {
  operations->selectQueue()->cancelAllOperations();
  if (multiShape)
    dropFarGroupCandidates(point);
  updateNeighbors(point);
  if (const auto tile = shape(point)) {
    updateSelectedPointLayer(tile);
    selectedPoint = point;
    return;
  }
  if (std::dynamic_pointer_cast<Shape>(selectedShape.lock()))
    clearHoverOutline();
  if (!graph_->shapes().empty()) {
    operations->selectQueue()->addOperation(SelectOperation::create(shared_from_this(), point));
    return;
  }
  // An empty tiling offers the prototypes: the only one wherever the pointer
  // is, else the one of a current kind whose centre is nearest.
  if (neighbors.size() == 1) {
    updateSelectedPointLayer(neighbors.front());
    selectedPoint = point;
    return;
  }
  std::shared_ptr<NeighborModel> nearest;
  double nearestDistance = 0.0;
  for (const auto& prototype : neighbors) {
    if (!selectedTools.contains(prototype->figure()->tool()))
      continue;
    const double distance = (prototype->center() - point).lengthSquared();
    if (!nearest || distance < nearestDistance) {
      nearest = prototype;
      nearestDistance = distance;
    }
  }
  if (nearest) {
    updateSelectedPointLayer(nearest);
    selectedPoint = point;
  } else {
    clearHoverOutline();
  }
}

std::shared_ptr<Shape> ViewController::shape(Vec2 point) const {
  // The pointer mostly stays on the tile it was on or moves to a neighbour.
  if (const auto hovered = std::dynamic_pointer_cast<Shape>(selectedShape.lock())) {
    if (isUnder(*hovered, point))
      return hovered;
    for (const auto& side : hovered->edges()) {
      const auto partner = side->join.lock();
      const auto neighbour = partner ? partner->shape.lock() : nullptr;
      if (neighbour && isUnder(*neighbour, point))
        return neighbour;
    }
  }
  for (const auto& tile : graph_->shapes()) {
    if (isUnder(*tile, point))
      return tile;
  }
  return nullptr;
}

void ViewController::updateSelectedPointLayer(const std::shared_ptr<ShapeModel>& model) {
  // The same model again shows its outline again if a drag hid it.
  if (!model || (selectedShape.lock() == model && !selectedLayer->isHidden()))
    return;
  selectedShape = model;
  updateDragAction(false);
  if (model->figure()->tool() == Shapes::multi) {
    // The group's tiles inside its outline, and where its anchor tile sits.
    if (multiShape) {
      Path path;
      const auto& anchor = multiShape->selected();
      appendCircle(path, anchor->center(), 1.0);
      appendCircle(path, anchor->offCenter(), 0.5);
      for (const auto& tile : multiShape->templates()) {
        if (const auto& fill = tile->layer()->path())
          path.append(*fill);
      }
      const AffineTransform toCandidate =
          AffineTransform::scale(0.05, 0.05).concatenating(model->transformation);
      selectedStrokeLayer->setPath(path.transformed(toCandidate));
    }
    selectedStrokeLayer->setLineWidth(1.0);
  } else {
    selectedStrokeLayer->setLineWidth(0.0);
    selectedStrokeLayer->setPath(std::nullopt);
  }
  updateSelectedShapeLayer();
}

void ViewController::clearHoverOutline() {
  // A one-tile drag hides the outline and leaves its tile hovered: once the
  // pointer is elsewhere that tile is no longer hovered either, or the next
  // press would carry it off from wherever it is.
  if (selectedLayer->isHidden() && selectedShape.expired())
    return;
  selectedShape = {};
  selectedLayer->setHidden(true);
  selectedLayer->setPath(std::nullopt);
  selectedLayer->removeFromSuperlayer();
  updateDragAction(false);
}

std::vector<std::shared_ptr<NeighborModel>> ViewController::candidatesAlong(const Edge& side,
                                                                             const ToolSet& tools) const {
  std::vector<std::shared_ptr<NeighborModel>> candidates;
  for (const Shapes kind : tools) {
    const auto found = side.neighbors.find(kind);
    if (found == side.neighbors.end())
      continue;
    if (kind == Shapes::multi) {
      // Only candidates of the group as it is now: a click never lays the
      // tiles of an earlier one.
      if (!multiShape || (!found->second.empty() && found->second.front()->figure() != multiShape->figure()))
        continue;
    }
    candidates.insert(candidates.end(), found->second.begin(), found->second.end());
  }
  return candidates;
}

std::vector<std::shared_ptr<NeighborModel>> ViewController::candidatesAlongBorder(const ToolSet& tools) const {
  std::vector<std::shared_ptr<NeighborModel>> candidates;
  for (const auto& side : borderEdges) {
    if (side->neighbors.empty())
      continue;
    auto along = candidatesAlong(*side, tools);
    candidates.insert(candidates.end(), along.begin(), along.end());
  }
  return candidates;
}

}  // namespace ornival
