// Pointer gestures: what a press starts, what a drag does on the way and what
// the release commits. One value, dragAction, steers them all: the hover
// chooses it among the frame and underlay handles and painting, the press
// turns it into placing or a rubber band, and the distance of a tile drag
// into copying, cutting or deleting.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/DragRules.h"
#include "editor/EditorWindowController.h"
#include "editor/Undo.h"
#include "editor/ViewPort.h"
#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/LayerAnimation.h"
#include "platform/UndoManager.h"

#include <algorithm>
#include <cmath>

namespace ornival {
namespace {

constexpr Color committedFrameColor{236.0 / 255.0, 201.0 / 255.0, 26.0 / 255.0, 1.0};
constexpr Color automaticFrameColor{236.0 / 255.0, 26.0 / 255.0, 61.0 / 255.0, 1.0};

// A swap moves the pressed tile and the press point along; a swap that kept
// asking for another would never let the drag go on.
constexpr int maximumSwapsPerEvent = 8;

void setDragAction(ViewController& editor, DragAction action) {
  if (editor.dragAction == action)
    return;
  editor.dragAction = action;
  if (editor.viewPort()->hasWindow())
    editor.viewPort()->invalidateCursorRects();
}

// A rectangle with quarter-circle corners of the radius, drawn as cubic
// curves.
Path roundedRectangle(const Rect& r, double radius) {
  if (radius <= 0.0)
    return Path::rectangle(r);
  const double k = radius * (1.0 - 0.5522847498307936);
  const double x0 = r.minX(), y0 = r.minY(), x1 = r.maxX(), y1 = r.maxY();
  Path path;
  path.moveTo({x0 + radius, y0});
  path.lineTo({x1 - radius, y0});
  path.curveTo({x1, y0 + radius}, {x1 - k, y0}, {x1, y0 + k});
  path.lineTo({x1, y1 - radius});
  path.curveTo({x1 - radius, y1}, {x1, y1 - k}, {x1 - k, y1});
  path.lineTo({x0 + radius, y1});
  path.curveTo({x0, y1 - radius}, {x0 + k, y1}, {x0, y1 - k});
  path.lineTo({x0, y0 + radius});
  path.curveTo({x0 + radius, y0}, {x0, y0 + k}, {x0 + k, y0});
  path.close();
  return path;
}

// The record of a selection batch: the mark layer follows in both undo
// directions, and once at the end of the batch when anything changed.
struct SelectionBatch {
  explicit SelectionBatch(ViewController& editor)
      : undo(
            [&editor] {
              editor.registerRefreshStep([](ViewController& e) { e.updateMarkLayer(); });
            },
            [&editor] { editor.updateMarkLayer(); }) {}
  Undo undo;
};

}  // namespace

// Hover: what a drag from here would do ------------------------------------------

void ViewController::updateDragAction(bool ignoreFrame) {
  if (dragged)
    return;
  // The relief's camera keeps the mouse until it is handed back.
  if (dragAction == DragAction::camera && cameraControl.isOn())
    return;
  const auto& root = *viewPort_->rootLayer();
  DragAction next = DragAction::ignore;
  if (!ignoreFrame && !boundsLayer->isHidden()) {
    point2 = boundsLayer->convertFrom(locationInWindow, root);
    next = handleAction(snappedPageBounds_, point2);
  } else if (imageLayer && imageLayer->path()) {
    point2 = imageLayer->convertFrom(locationInWindow, root);
    next = handleAction(imageLayer->bounds(), point2);
  } else if (const auto window = windowController(); window && window->colorWellIsActive()) {
    // Painting passes over empty space and unselected tiles; a selected tile
    // is dragged, and a candidate placed.
    const auto hovered = selectedShape.lock();
    const auto tile = std::dynamic_pointer_cast<Shape>(hovered);
    next = !hovered || (tile && !tile->marked) ? DragAction::color : DragAction::ignore;
  }
  setDragAction(*this, next);
}

// Press --------------------------------------------------------------------------

void ViewController::mouseDown(const MouseEvent& event) {
  dragged = false;
  // Escape while merely hovering leaves these set with no release to clear
  // them; a new gesture starts afresh.
  ignoreDragging = false;
  cancelDragging = false;
  locationInWindow = event.locationInWindow;
  pointerInView = true;
  if (!boundsLayer->isHidden()) {
    // A click while the frame is shown commits the frame and edits no tiles.
    mouseMoved(event);
    requiredDocument().pageBounds = snappedPageBounds_;
    boundsLayer->setStrokeColor(committedFrameColor);
    return;
  }
  const Vec2 point = layer->convertFrom(locationInWindow, *viewPort_->rootLayer());
  // Shift starts a rubber band. (Other keyboards' Function key does the same
  // there; no Linux keyboard reports it, so nothing stands for it here.)
  if (!event.modifiers.shift) {
    if (std::dynamic_pointer_cast<NeighborModel>(selectedShape.lock())) {
      placeCandidate();
      setDragAction(*this, DragAction::add);
      return;
    }
    selectedPoint = point;
    if (dragAction != DragAction::color)
      markShapes();
    mouseMoved(event);
    if (selectedShape.lock())
      return;
  } else {
    mouseMoved(event);
  }
  if (dragAction != DragAction::color && dragAction != DragAction::ignore)
    return;
  rubberbandOrigin = point;
  rubberbandLayer->setPath(std::nullopt);
  viewPort_->rootLayer()->addSublayer(rubberbandLayer);
  setDragAction(*this, DragAction::rubberband);
}

void ViewController::markShapes() {
  auto hovered = std::dynamic_pointer_cast<Shape>(selectedShape.lock());
  // Only a tile of the tiling: the hover is held weakly, and a tile an edit
  // took out may still live elsewhere.
  const auto& placed = graph_->shapes();
  if (hovered && (hovered->index < 0 || std::size_t(hovered->index) >= placed.size() ||
                  placed[std::size_t(hovered->index)] != hovered))
    hovered = nullptr;
  if (hovered && !hovered->marked) {
    std::vector<std::shared_ptr<Shape>> group{hovered};
    if (hasGroupJoins(*hovered))
      graph_->collectGroup(hovered, group);
    for (const auto& tile : group)
      tile->setStatus(ShapeStatus::marked);
  } else {
    // A drag from a selected tile, or from nothing, carries the selection.
    for (const auto& tile : graph_->shapes()) {
      if (tile->marked)
        tile->setStatus(ShapeStatus::marked);
    }
  }
  moving = graph_->selectOutsideLargestRegion();
}

void ViewController::rightMouseDown(const MouseEvent& event) {
  locationInWindow = event.locationInWindow;
  const auto tile = std::dynamic_pointer_cast<Shape>(selectedShape.lock());
  if (tile && !tile->marked) {
    SelectionBatch batch(*this);
    if (!event.modifiers.shift) {
      for (int i = 0; i < int(graph_->shapes().size()); ++i)
        deselectShape(i, &batch.undo);
    }
    selectShape(tile->index, &batch.undo);
    // The document answers the first selected tile's colour; setting it makes
    // that the tool colour and gives it to every selected tile.
    Document& document = requiredDocument();
    document.setShapeColor(document.shapeColor());
  }
  if (event.modifiers.shift)
    return;
  if (const auto window = windowController())
    window->showColorPopover();
}

// Drag ---------------------------------------------------------------------------

void ViewController::mouseDragged(const MouseEvent& event) {
  if (event.clickCount > 1 || scale_ == 0.0)
    return;
  dragged = true;
  locationInWindow = event.locationInWindow;
  const auto& root = *viewPort_->rootLayer();
  const Vec2 point = layer->convertFrom(locationInWindow, root);
  updateViewTransform(false, 1.0);

  if (rubberbandLayer->superlayer()) {
    const AffineTransform toView = layer->transformToSuperlayer();
    const Vec2 origin = toView.apply(rubberbandOrigin);
    const Vec2 corner = toView.apply(point);
    const Rect band{{std::min(origin.x, corner.x), std::min(origin.y, corner.y)},
                    {std::abs(corner.x - origin.x), std::abs(corner.y - origin.y)}};
    const double radius = std::min({band.size.x, band.size.y, 8.0});
    rubberbandLayer->setPath(roundedRectangle(band, radius / 2.0));
    return;
  }

  if (!boundsLayer->isHidden()) {
    if (!isHandleAction(dragAction)) {
      dragShapes(event, point);
      return;
    }
    const Vec2 delta = boundsLayer->convertFrom(locationInWindow, root) - point2;
    // The frame at the press: the document holds it until the release.
    const Rect atPress = requiredDocument().pageBounds;
    LayerTransaction transaction;
    transaction.setDisableActions(true);
    const Rect next = frameAfterDrag(dragAction, atPress, delta).value_or(atPress);
    registerManualPageBoundsUndo(next);
    const Rect previous = manualPageBounds;
    manualPageBounds = next;
    if (manualPageBounds != previous)
      setSnappedPageBounds(snapPageBounds(manualPageBounds));
    return;
  }

  if (imageLayer && imageLayer->path()) {
    if (!isHandleAction(dragAction)) {
      dragShapes(event, point);
      return;
    }
    const Vec2 here = imageLayer->convertFrom(locationInWindow, root);
    const auto next = underlayAfterDrag(dragAction, imageLayer->bounds(), here - point2);
    // A step that would leave no width or height is skipped, and the handle
    // stays where it was, so the pointer's way back takes it up again.
    if (!next)
      return;
    point2 = here;
    LayerTransaction transaction;
    transaction.setDisableActions(true);
    imageLayer->setBounds(*next);
    if (dragAction == DragAction::rightBounds || dragAction == DragAction::leftBounds)
      fitImageLayerWidth();
    else if (dragAction == DragAction::topBounds || dragAction == DragAction::bottomBounds)
      fitImageLayerHeight();
    updateImageLayerTransform();
    if (event.modifiers.option)
      colorShapesFromImage();
    return;
  }

  dragShapes(event, point);
}

void ViewController::dragShapes(const MouseEvent& event, Vec2 point) {
  for (int swaps = 0; swaps <= maximumSwapsPerEvent; ++swaps) {
    if (ignoreDragging)
      return;
    if (dragAction == DragAction::add) {
      mouseMoved(event);
      if (std::dynamic_pointer_cast<NeighborModel>(selectedShape.lock()))
        placeCandidate();
      return;
    }
    if (dragAction == DragAction::color) {
      mouseMoved(event);
      const auto tile = std::dynamic_pointer_cast<Shape>(selectedShape.lock());
      if (tile && tile->shapeColor() != shapeColor_) {
        registerRefreshStep([](ViewController& editor) { editor.updateFlatNode(); });
        setShapeColor(tile, shapeColor_);
        updateFlatNode();
      }
      return;
    }
    if (event.modifiers.control) {
      // Control paints a selection, Control and Option an unselection.
      if (!cancelDragging)
        cancelDrag();
      mouseMoved(event);
      if (const auto tile = std::dynamic_pointer_cast<Shape>(selectedShape.lock())) {
        SelectionBatch batch(*this);
        const bool group = hasGroupJoins(*tile);
        if (!event.modifiers.option) {
          if (group)
            selectGroup(tile, false, &batch.undo);
          else
            selectShape(tile->index, &batch.undo);
        } else {
          if (group)
            deselectGroup(tile, false, &batch.undo);
          else
            deselectShape(tile->index, &batch.undo);
        }
      }
      return;
    }
    const auto tile = std::dynamic_pointer_cast<Shape>(selectedShape.lock());
    if (!tile)
      return;
    if (cancelDragging) {
      setDragAction(*this, DragAction::ignore);
      moveLayer->setOpacity(1.0);
      tile->setStatus(ShapeStatus::live);
      return;
    }
    const Vec2 offset = point - selectedPoint;
    {
      LayerTransaction transaction;
      transaction.setDisableActions(true);
      showMovingCopies(offset);
    }
    if (moving.size() == 1) {
      bool swapped = false;
      collectFourEdgeJoins(tile, offset, swapped);
      selectedLayer->setHidden(true);
      selectedLayer->setPath(std::nullopt);
      selectedLayer->removeFromSuperlayer();
      if (swapped)
        continue;
    }
    const DragBand band = dragBand(moveLayer->position().lengthSquared(), moving.size());
    setDragAction(*this, band.action);
    moveLayer->setOpacity(band.opacity);
    tile->setStatus(band.status);
    return;
  }
}

void ViewController::showMovingCopies(Vec2 offset) {
  moveLayer->setPosition(offset);
  if (!isMoving) {
    isMoving = true;
    markLayer->setHidden(true);
    markLayer->removeFromSuperlayer();
    flatMarkNode->setHidden(true);
    crossingLayer->removeFromSuperlayer();
    crossingLayer2->removeFromSuperlayer();
    crossingsNode->setHidden(true);
    const auto carried = SceneNode::create();
    for (const auto& tile : moving) {
      moveShapesLayer->addSublayer(tile->layer());
      moveBorderLayer->addSublayer(tile->borderLayer());
      moveBorderLayer2->addSublayer(tile->borderLayer2());
      moveBorderLayer3->addSublayer(tile->borderLayer3());
      carried->addChildNode(tile->node());
    }
    updateFlatNode();
    updateFlatMoveNode(carried);
  }
  // The carried tiles float above the others in the relief.
  if (flatMoveNode) {
    Transform3D transform = flatMoveNode->transform();
    transform.m[3] = {offset.x, offset.y, 100.0, 1.0};
    flatMoveNode->setTransform(transform);
  }
}

void ViewController::cancelDrag() {
  cancelDragging = true;
  if (ignoreDragging && !selectedLayer->isHidden()) {
    selectedShape = {};
    selectedLayer->setHidden(true);
    selectedLayer->setPath(std::nullopt);
    selectedLayer->removeFromSuperlayer();
    updateDragAction(false);
  }
  // The carried tiles go back whatever the distance: the display step keeps
  // them in the move layers only for a delete about to take them away.
  setDragAction(*this, DragAction::ignore);
  updateMoveDisplay();
  moving.clear();
  if (ignoreDragging)
    dragged = false;
  updateDragAction(false);
}

// Release ------------------------------------------------------------------------

void ViewController::mouseUp(const MouseEvent& event) {
  locationInWindow = event.locationInWindow;
  updateMoveDisplay();
  const auto hovered = selectedShape.lock();
  const bool doubleClick = event.clickCount >= 2;

  // The overlays come back after any drag that took them away, also one
  // that Escape cut short and so left nothing hovered.
  if (hovered || isMoving || dragged) {
    isMoving = false;
    addOverlayLayers();
  }

  if (!hovered) {
    if (doubleClick) {
      if (!boundsLayer->isHidden())
        animateBoundsLayer();
      else if (imageLayer && imageLayer->path())
        animateImageLayer();
      else if (bitmap) {
        if (const auto window = windowController())
          window->showChangeColors();
      } else {
        toggleZoom();
      }
    }
  } else if (dragAction == DragAction::remove || dragAction == DragAction::cutAndPaste) {
    removeShapes();
  } else if (dragAction == DragAction::copy) {
    pickUpShapes();
  } else if (dragAction != DragAction::add && !dragged) {
    moving.clear();
    const auto tile = std::dynamic_pointer_cast<Shape>(hovered);
    // Only a tile of the tiling: the hover is held weakly, and a tile an edit
    // took out may still live elsewhere.
    const auto& placed = graph_->shapes();
    if (tile && tile->index >= 0 && std::size_t(tile->index) < placed.size() &&
        placed[std::size_t(tile->index)] == tile) {
      SelectionBatch batch(*this);
      Undo* undo = &batch.undo;
      if (hasGroupJoins(*tile)) {
        const bool wasMarked = tile->marked;
        if (wasMarked)
          deselectGroup(tile, doubleClick, undo);
        else
          selectGroup(tile, doubleClick, undo);
        if (doubleClick) {
          if (!event.modifiers.control) {
            setDragAction(*this, DragAction::copy);
            pickUpShapes();
          } else {
            selectColorRegion(tile, undo);
          }
        }
      } else {
        const auto& tiles = graph_->shapes();
        if (tile->marked)
          deselectShape(tile->index, undo);
        else
          selectShape(tile->index, undo);
        if (doubleClick) {
          if (const auto chosen = doubleClickSelection(tiles, *tile, event.modifiers)) {
            for (const int index : *chosen)
              selectShape(index, undo);
          } else {
            // The tile becomes the current tool.
            marked = tile->marked;
            if (tile->shapeColor() != shapeColor_) {
              requiredDocument().willChangeValue("shapeColor");
              const Color previous = shapeColor_;
              shapeColor_ = tile->shapeColor();
              shapeColorDidSet(previous);
            }
            layerIndex_ = tile->layerIndex;
            selectTool(tile->figure()->tool());
          }
        }
      }
    }
  }

  if (rubberbandLayer->superlayer()) {
    SelectionBatch batch(*this);
    Undo* undo = &batch.undo;
    const bool toggle = event.modifiers.option;
    const bool keep = event.modifiers.option || event.modifiers.shift;
    const auto& tiles = graph_->shapes();
    if (!rubberbandLayer->path()) {
      if (!keep) {
        for (int i = 0; i < int(tiles.size()); ++i)
          deselectShape(i, undo);
      }
    } else {
      const Path band = *rubberbandLayer->path();
      const AffineTransform toView = layer->transformToSuperlayer();
      // The selection calls may change the list; walk a copy.
      const std::vector<std::shared_ptr<Shape>> snapshot = tiles;
      for (const auto& tile : snapshot) {
        const bool group = hasGroupJoins(*tile);
        if (band.contains(toView.apply(tile->center()), FillRule::nonZero)) {
          const bool select = !toggle || !tile->marked;
          if (group)
            select ? selectGroup(tile, false, undo) : deselectGroup(tile, false, undo);
          else
            select ? selectShape(tile->index, undo) : deselectShape(tile->index, undo);
        } else if (!keep) {
          if (group)
            deselectGroup(tile, false, undo);
          else
            deselectShape(tile->index, undo);
        }
      }
    }
    rubberbandLayer->removeFromSuperlayer();
  }

  // A frame of no area stands for the automatic one.
  if (const auto document = this->document();
      document && document->pageBounds.size.x != 0.0 && document->pageBounds.size.y != 0.0)
    updateBoundsLayerColor();

  // No tile keeps a drag's colouring after the release: a pressed tile, or a
  // selection, on an island the drag never carried kept it otherwise.
  for (const auto& tile : graph_->shapes())
    tile->setStatus(ShapeStatus::live);
  moving.clear();
  dragged = false;
  updateDragAction(false);
  ignoreDragging = false;
  cancelDragging = false;
  registerUndoManualPageBounds = true;
}

// Frame and underlay resets and proportions -------------------------------------

void ViewController::animateBoundsLayer() {
  boundsLayer->setStrokeColor(automaticFrameColor);
  LayerAnimation animation = LayerAnimation::basic("path");
  animation.duration = 0.2;
  boundsLayer->addAnimation(animation, "path");
  requiredDocument().pageBounds = Rect{};
  registerManualPageBoundsUndo(pageBounds_);
  const Rect previous = manualPageBounds;
  manualPageBounds = pageBounds_;
  if (manualPageBounds != previous)
    setSnappedPageBounds(snapPageBounds(manualPageBounds));
  // Back to the page a document opens with: the tiles and their margin, not
  // the tiles' bare box that the snap gives.
  updateBoundsLayerColor();
}

void ViewController::animateImageLayer() {
  if (!imageLayer)
    return;
  LayerAnimation animation = LayerAnimation::basic("path");
  animation.duration = 0.2;
  imageLayer->addAnimation(animation, "path");
  imageLayer->setBounds(pageBounds_);
  imageLayer->setPath(Path::rectangle(imageLayer->bounds()));
  updateImageLayerTransform();
}

void ViewController::fitImageLayerWidth() {
  if (!imageLayer || !bitmap || bitmap->width() <= 0 || bitmap->height() <= 0)
    return;
  const Rect b = imageLayer->bounds();
  const double pw = bitmap->width(), ph = bitmap->height();
  if (std::abs(b.size.y * pw - b.size.x * ph) <= 1.0 / 512.0)
    return;
  const double height = b.size.x / pw * ph;
  imageLayer->setBounds({{b.origin.x, b.origin.y + (b.size.y - height) / 2.0}, {b.size.x, height}});
}

void ViewController::fitImageLayerHeight() {
  if (!imageLayer || !bitmap || bitmap->width() <= 0 || bitmap->height() <= 0)
    return;
  const Rect b = imageLayer->bounds();
  const double pw = bitmap->width(), ph = bitmap->height();
  if (std::abs(b.size.y * pw - b.size.x * ph) <= 1.0 / 512.0)
    return;
  const double width = b.size.y / ph * pw;
  imageLayer->setBounds({{b.origin.x + (b.size.x - width) / 2.0, b.origin.y}, {width, b.size.y}});
}

}  // namespace ornival
