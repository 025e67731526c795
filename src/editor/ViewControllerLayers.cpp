// The flat drawing: the layer tree, the transform from canvas units to view
// points, the page bounds and the frame that shows them, and the border bands
// the document's settings push into the tiles.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/EditorWindowController.h"
#include "editor/ViewPort.h"
#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/LineAttribute.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/LayerAnimation.h"
#include "platform/LineStyle.h"
#include "platform/Localization.h"
#include "platform/Precondition.h"
#include "platform/UndoManager.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numbers>

namespace ornival {
namespace {

constexpr Color rgb(int red, int green, int blue, double alpha = 1.0) {
  return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

constexpr Color automaticFrameColor = rgb(236, 26, 61);
constexpr Color manualFrameColor = rgb(236, 131, 26);

// A page frame of no area is the document's way of saying "automatic".
bool isEmpty(const Rect& r) { return r.size.x == 0.0 || r.size.y == 0.0; }

// The margin of automatic page bounds around the tiling's box.
constexpr double automaticMargin = 20.0;

// The pixels of a page side at the export scale, kept within what an export
// size can hold.
int exportPixels(double length, double scale) {
  const double pixels = std::ceil(length * scale);
  if (!(pixels > 0.0))
    return 0;
  return pixels >= double(INT_MAX) ? INT_MAX : int(pixels);
}

}  // namespace

void ViewController::configureLayerTree() {
  layer->setZPosition(0.0);
  layer->setShouldRasterize(false);
  shapesLayer->setShadowOpacity(0.5);
  borderLayer->setZPosition(1.0);
  borderLayer2->setZPosition(1.1);
  borderLayer3->setZPosition(1.2);
  crossingLayer->setZPosition(1.3);
  crossingLayer->setFillColor(Color::black());
  crossingLayer->setFillRule(FillRule::nonZero);
  crossingLayer2->setZPosition(1.4);
  crossingLayer2->setFillColor(Color::white());
  crossingLayer2->setFillRule(FillRule::nonZero);
  moveLayer->setZPosition(6.0);
  moveLayer->setShadowOpacity(1.0);
  for (const auto& sublayer : {moveShapesLayer, moveBorderLayer, moveBorderLayer2, moveBorderLayer3})
    moveLayer->addSublayer(sublayer);

  markLayer->setZPosition(7.0);
  markLayer->setStrokeColor(Color{1.0, 0.0, 0.0, 1.0});
  markLayer->setLineWidth(3.0);
  markLayer->setLineJoin(LineJoin::round);
  markLayer->setLineCap(LineCap::round);
  markLayer->setFillColor(std::nullopt);
  markLayer->setPath(std::nullopt);
  markLayer->setShadowOpacity(1.0);
  markLayer->setShadowColor(accentColor);
  markLayer->setShadowRadius(1.0);

  selectedLayer->setZPosition(4.0);
  selectedLayer->setOpacity(0.85);
  selectedLayer->setLineWidth(1.0);
  selectedLayer->setStrokeColor(Color::white());
  selectedLayer->setShadowOpacity(0.7);
  selectedLayer->setShadowColor(Color::black());
  selectedLayer->setShadowOffset({0.0, 0.5});
  selectedLayer->setShadowRadius(0.5);
  selectedStrokeLayer->setLineWidth(1.0);
  selectedStrokeLayer->setStrokeColor(Color::white());
  selectedStrokeLayer->setLineJoin(LineJoin::round);
  selectedStrokeLayer->setFillColor(std::nullopt);
  selectedLayer->addSublayer(selectedStrokeLayer);

  boundsLayer->setZPosition(1.0);
  boundsLayer->setStrokeColor(automaticFrameColor);
  boundsLayer->setFillColor(rgb(56, 2, 218, 0.2));
  boundsLayer->setFillRule(FillRule::evenOdd);
  boundsLayer->setShadowOpacity(1.0);
  boundsLayer->setShadowColor(Color::black());
  boundsLayer->setShadowOffset({0.0, -0.5});
  boundsLayer->setShadowRadius(0.5);
  boundsLayer->setHidden(true);

  rubberbandLayer->setStrokeColor(selectedContentBackgroundColor);
  Color rubberbandFill = selectedContentBackgroundColor;
  rubberbandFill.alpha = 0.1;
  rubberbandLayer->setFillColor(rubberbandFill);
  rubberbandLayer->setShadowOpacity(0.5);
  rubberbandLayer->setShadowColor(selectedContentBackgroundColor);

  // The tiles and their bands stay put while the view moves and the pointer
  // hovers: the renderer keeps their drawing and draws again only what an
  // edit changes.
  for (const auto& tiles : std::array<std::shared_ptr<Layer>, 6>{shapesLayer, borderLayer, borderLayer2, borderLayer3,
                                                                  crossingLayer, crossingLayer2})
    tiles->setTileCached(true);

  // Bands sorted by width: the widest lies lowest, so the three show as
  // concentric stripes.
  for (const auto& sublayer : std::array<std::shared_ptr<Layer>, 8>{
           shapesLayer, borderLayer, borderLayer2, borderLayer3, crossingLayer, crossingLayer2, moveLayer, markLayer})
    layer->addSublayer(sublayer);
  if (dimension_ == 3) {
    for (const auto& flat : std::array<std::shared_ptr<Layer>, 6>{shapesLayer, borderLayer, borderLayer2,
                                                                   borderLayer3, crossingLayer, crossingLayer2})
      flat->setHidden(true);
  }
  const auto viewLayer = viewPort_->rootLayer();
  ORNIVAL_PRECONDITION(viewLayer != nullptr);
  viewLayer->addSublayer(boundsLayer);
  viewLayer->addSublayer(layer);
}

// Transforms -----------------------------------------------------------------

AffineTransform ViewController::viewRotation() const {
  return AffineTransform::rotation(rotation_ * std::numbers::pi / 180.0);
}

double ViewController::zoomFactor() const { return scaleFactor * scale_ / 20.0; }

std::optional<AffineTransform> ViewController::unrotatedLayerTransform() const {
  if (!viewPort_->hasWindow())
    return std::nullopt;
  double s = zoomFactor();
  // The wheel passes zoom 0 on its way to negative zooms, and a window may
  // be collapsed: a map that sends the whole drawing to one point has no
  // inverse, and every point the pointer converts would be lost. Such a
  // zoom shows the drawing at the size of the smallest step instead.
  if (!(s != 0.0 && std::isfinite(s)))
    s = (scaleFactor > 0.0 && std::isfinite(scaleFactor) ? scaleFactor : 0.0025) / 20.0;
  const Vec2 size = viewPort_->contentSize();
  return AffineTransform::translation(offsetX, offsetY)
      .concatenating(AffineTransform::scale(s, s))
      .concatenating(AffineTransform::translation(size.x / 2.0, size.y / 2.0));
}

std::optional<AffineTransform> ViewController::layerTransform() const {
  const auto unrotated = unrotatedLayerTransform();
  if (!unrotated)
    return std::nullopt;
  return viewRotation().concatenating(*unrotated);
}

bool ViewController::updatePageBoundsAndOffsets() {
  const AffineTransform r = viewRotation();
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
  if (!borderEdges.empty()) {
    minX = minY = INFINITY;
    maxX = maxY = -INFINITY;
    for (const auto& edge : borderEdges) {
      const Vec2 p = r.apply(edge->transformedVertex());
      minX = std::min(minX, p.x);
      minY = std::min(minY, p.y);
      maxX = std::max(maxX, p.x);
      maxY = std::max(maxY, p.y);
    }
  }
  setPageBounds({{minX, minY}, {maxX - minX, maxY - minY}});
  if (!viewPort_->hasWindow())
    return true;

  const double width = maxX - minX;
  const double height = maxY - minY;
  const double cx = -(minX + maxX) / 2.0;
  const double cy = -(minY + maxY) / 2.0;
  const Vec2 window = viewPort_->contentSize();
  // A collapsed window has nothing to fit into or to pan across.
  if (!(window.x > 0.0 && window.y > 0.0)) {
    offsetX = cx;
    offsetY = cy;
    return true;
  }
  // At zoom 20 the tiling with a margin of 40 on every side fits the window,
  // and a small tiling is not blown up beyond 0.0025 of the window per unit.
  scaleFactor = std::min(std::min(1.0 / (width + 80.0), 0.0025) * window.x,
                         std::min(1.0 / (height + 80.0), 0.0025) * window.y);
  // The zoom relative to the one at which everything fits.
  const double z = scaleFactor * scale_ * std::max((width + 80.0) / window.x, (height + 80.0) / window.y);
  if (std::abs(z) <= 20.001953125) {
    offsetX = cx;
    offsetY = cy;
    return true;
  }
  // Zoomed in beyond the fit, the pointer pans the view.
  const Vec2 mouse = viewPort_->mouseLocationOutsideOfEventStream();
  const double mx = std::clamp(mouse.x / window.x - 0.5, -0.5, 0.5);
  const double my = std::clamp(mouse.y / window.y - 0.5, -0.5, 0.5);
  const bool control = modifierFlags().control;
  if (z > 0.0) {
    offsetX = cx - width * mx;
    offsetY = cy - height * my;
    return !control;
  }
  if (control) {
    offsetX = cx + width * mx;
    offsetY = cy + height * my;
  }
  return true;
}

void ViewController::updateViewTransform(bool animated, double duration) {
  if (!viewPort_->hasWindow())
    return;
  if (!updatePageBoundsAndOffsets())
    return;
  const auto transform = layerTransform();
  if (!transform || *transform == layer->transform())
    return;
  LayerTransaction transaction;
  transaction.setDisableActions(!animated);

  // Shadows stay below their layers on screen whatever the rotation.
  const double radians = rotation_ * std::numbers::pi / 180.0;
  const double sn = std::sin(radians);
  const double cs = std::cos(radians);
  shapesLayer->setShadowOffset({-3.0 * sn, -3.0 * cs});
  moveLayer->setShadowOffset({-3.0 * sn, -3.0 * cs});
  markLayer->setShadowOffset({-0.5 * sn, -0.5 * cs});
  selectedLayer->setShadowOffset({-0.5 * sn, -0.5 * cs});
  rubberbandLayer->setShadowOffset({-sn, -cs});

  // The relief keeps its height relative to the zoom.
  const auto document = this->document();
  const double zScale = zoomFactor() * (document ? document->surfaceZscale() : 1.0);
  contentNode->setTransform(Transform3D::scale(1.0, 1.0, zScale).concatenating(Transform3D::affine(*transform)));
  const Vec2 size = viewPort_->contentSize();
  const Rect frame{{0.0, 0.0}, size};
  if (frame != oldViewFrame) {
    oldViewFrame = frame;
    camera().zFar = 3000.0;
    camera().orthographicScale = size.y / 2.0;
    Transform3D place = cameraNode()->transform();
    place.m[3][0] = size.x / 2.0;
    place.m[3][1] = size.y / 2.0;
    cameraNode()->setTransform(place);
  }

  const AffineTransform previous = layer->transform();
  layer->removeAllAnimations();
  layer->setTransform(*transform);
  if (animated) {
    LayerAnimation animation = LayerAnimation::basic("transform");
    animation.fromValue = previous;
    animation.toValue = *transform;
    animation.duration = duration;
    animation.timingFunction = TimingFunction::easeOut;
    layer->addAnimation(animation, "transform");
  }
  // The page bounds are in rotated coordinates already.
  boundsLayer->setTransform(*unrotatedLayerTransform());
  updateImageLayerTransform();
}

void ViewController::updateImageLayerTransform() {
  if (!imageLayer || !viewPort_->hasWindow())
    return;
  const Rect bounds = imageLayer->bounds();
  const Vec2 size = viewPort_->contentSize();
  const double s = unrotatedLayerTransform()->a;
  // The underlay moves and zooms with the drawing but does not turn.
  imageLayer->setTransform(AffineTransform::translation(offsetX + bounds.origin.x + bounds.size.x / 2.0,
                                                        offsetY + bounds.origin.y + bounds.size.y / 2.0)
                               .concatenating(AffineTransform::scale(s, s))
                               .concatenating(AffineTransform::translation(size.x / 2.0, size.y / 2.0)));
  if (imageLayer->path())
    imageLayer->setPath(Path::rectangle(bounds));
}

// Page bounds ----------------------------------------------------------------

void ViewController::setPageBounds(const Rect& bounds) {
  pageBounds_ = bounds;
  const auto document = this->document();
  if (!document || !isEmpty(document->pageBounds))
    return;
  // Automatic bounds follow the tiling and are recomputed with every view
  // update, so following them is no step of its own to undo: registering it
  // would put "Update Page Bounds" on every rotation and after every edit
  // that names no action of its own.
  manualPageBounds = pageBounds_;
  // Automatic bounds snap to nothing: their page is the tiling's box with a
  // margin, which the frame's path would put in place of any snapped page.
  // The margin may change with the tiling when the box does not.
  setSnappedPageBounds(automaticPage(pageBounds_));
}

struct ViewController::DrawnReach {
  std::uint64_t edits = 0;
  double rotation = 0.0;
  std::array<double, 3> widths{};
  bool round = false;
  double factor = 0.0;
  double limit = 0.0;
  Rect box;
  Vec2 margin;

  bool operator==(const DrawnReach& other) const {
    return edits == other.edits && rotation == other.rotation && widths == other.widths && round == other.round &&
           factor == other.factor && limit == other.limit && box == other.box;
  }
};

Rect ViewController::automaticPage(const Rect& tiling) {
  const auto document = this->document();
  DrawnReach key;
  key.margin = {automaticMargin, automaticMargin};
  if (!document || graph_->shapes().empty())
    return {tiling.origin - key.margin, tiling.size + key.margin * 2.0};
  key.edits = tilingEdits_;
  key.rotation = rotation_;
  key.widths = {document->borderWidth(), document->borderWidth2(), document->borderWidth3()};
  key.round = document->borderLineStyle();
  key.factor = document->borderBezierFactor();
  key.limit = document->borderRadiusLimit();
  key.box = tiling;
  if (!drawnReach_ || !(*drawnReach_ == key)) {
    // A stroke reaches half its width beyond the outline, a mitred tip at
    // most the miter limit times that. Within the margin, nothing needs
    // measuring.
    const double half = std::max({key.widths[0], key.widths[1], key.widths[2], 0.0}) / 2.0;
    const double reach = key.round ? half : half * miterLimit;
    if (reach > automaticMargin) {
      const AffineTransform turn = viewRotation();
      // A tile's outline lies within its corners, its stroke within the reach
      // of them: only tiles with a corner that near the box's sides can
      // reach past the margin, the few along the edges of a large tiling.
      const double near = reach - automaticMargin;
      // (Told by the corners of the tile's box, turned: they hold its corners.)
      const auto nearTheSides = [&](const Shape& tile) {
        const Line box = tile.bounds();
        for (const Vec2 corner : {box.vertex0, Vec2{box.vertex1.x, box.vertex0.y}, box.vertex1,
                                  Vec2{box.vertex0.x, box.vertex1.y}}) {
          const Vec2 p = turn.apply(corner);
          if (p.x < tiling.minX() + near || p.x > tiling.maxX() - near || p.y < tiling.minY() + near ||
              p.y > tiling.maxY() - near)
            return true;
        }
        return false;
      };
      Path outline;
      for (const auto& tile : graph_->shapes())
        if (nearTheSides(*tile))
          outline.append(tile->borderBezierPath());
      // The crossing pieces lie where the bands of the two lines through a
      // crossing overlap, within their strokes: they reach no farther.
      const std::optional<Rect> drawn =
          outline.transformed(turn).strokedBoundingBox(2.0 * half, key.round ? LineJoin::round : LineJoin::miter);
      if (drawn) {
        key.margin.x = std::max({automaticMargin, tiling.minX() - drawn->minX(), drawn->maxX() - tiling.maxX()});
        key.margin.y = std::max({automaticMargin, tiling.minY() - drawn->minY(), drawn->maxY() - tiling.maxY()});
      }
    }
    drawnReach_ = std::make_shared<const DrawnReach>(key);
  }
  const Vec2 margin = drawnReach_->margin;
  return {tiling.origin - margin, tiling.size + margin * 2.0};
}

void ViewController::refreshAutomaticPage() {
  const auto document = this->document();
  if (document && isEmpty(document->pageBounds))
    setSnappedPageBounds(automaticPage(pageBounds_));
}

void ViewController::setSnappedPageBounds(const Rect& bounds) {
  const Rect previous = snappedPageBounds_;
  snappedPageBounds_ = bounds;
  snappedPageBoundsDidSet(previous);
}

void ViewController::registerManualPageBoundsUndo(const Rect& bounds) {
  UndoManager* undo = undoManager();
  if (!registerUndoManualPageBounds || bounds == manualPageBounds || !undo)
    return;
  registerUndoStep([old = manualPageBounds](ViewController& editor) { editor.setManualPageBounds(old); });
  if (undo->isUndoing())
    return;
  // A whole frame drag is one step; the release allows the next.
  if (dragged)
    registerUndoManualPageBounds = false;
  undo->setActionName(localized("Undo", "Update Page Bounds"));
}

void ViewController::setManualPageBounds(const Rect& bounds) {
  registerManualPageBoundsUndo(bounds);
  const Rect previous = manualPageBounds;
  manualPageBounds = bounds;
  // The document learns first whether the bounds are automatic now: the
  // snapped page follows the tiling only while they are, and a frame set by
  // hand must not be replaced by the automatic page on its first setting.
  updateBoundsLayerColor();
  if (manualPageBounds != previous)
    setSnappedPageBounds(snapPageBounds(manualPageBounds));
}

// Every corner and side midpoint of the tiling, turned with the view, as two
// sorted lists of coordinates, each value with the place in tile and side
// order where it first comes: the nearest value to a side of the frame is
// found by a search, and of two equally near the one met first wins, as if
// every candidate were offered in order.
struct ViewController::SnapTargets {
  struct Value {
    double value;
    std::size_t first;
    bool operator<(const Value& other) const {
      return value < other.value || (value == other.value && first < other.first);
    }
  };
  std::uint64_t edits = 0;
  double rotation = 0.0;
  std::vector<Value> xs;
  std::vector<Value> ys;

  static void sortAndMerge(std::vector<Value>& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end(),
                             [](const Value& a, const Value& b) { return a.value == b.value; }),
                 values.end());
  }

  // The nearest value, the earliest on a tie; 0 when none is at a finite
  // distance.
  static double nearest(const std::vector<Value>& values, double target) {
    double best = 0.0;
    double distance = INFINITY;
    std::size_t first = SIZE_MAX;
    const auto offer = [&](const Value& v) {
      const double d = std::abs(v.value - target);
      if (d < distance || (d == distance && v.first < first)) {
        best = v.value;
        distance = d;
        first = v.first;
      }
    };
    if (!std::isfinite(target))
      return best;
    const auto above = std::lower_bound(values.begin(), values.end(), target,
                                        [](const Value& v, double t) { return v.value < t; });
    // On each side the nearest distance, and every value that rounds to it.
    for (auto it = above; it != values.end() && std::abs(it->value - target) == std::abs(above->value - target); ++it)
      offer(*it);
    if (above != values.begin()) {
      const auto below = std::prev(above);
      for (auto it = std::make_reverse_iterator(above);
           it != values.rend() && std::abs(it->value - target) == std::abs(below->value - target); ++it)
        offer(*it);
    }
    return best;
  }
};

Rect ViewController::snapPageBounds(const Rect& bounds) const {
  if (borderEdges.empty() || modifierFlags().option)
    return bounds;
  if (!snapTargets_ || snapTargets_->edits != tilingEdits_ || snapTargets_->rotation != rotation_) {
    auto targets = std::make_shared<SnapTargets>();
    targets->edits = tilingEdits_;
    targets->rotation = rotation_;
    const AffineTransform r = viewRotation();
    std::size_t order = 0;
    for (const auto& tile : graph_->shapes()) {
      for (const auto& edge : tile->edges()) {
        const Vec2 start = edge->transformedVertex();
        for (const Vec2 candidate : {r.apply(start), r.apply((start + edge->transformedEnd()) * 0.5)}) {
          // A coordinate at no finite distance from anything is never taken.
          if (std::isfinite(candidate.x))
            targets->xs.push_back({candidate.x, order});
          if (std::isfinite(candidate.y))
            targets->ys.push_back({candidate.y, order});
          ++order;
        }
      }
    }
    SnapTargets::sortAndMerge(targets->xs);
    SnapTargets::sortAndMerge(targets->ys);
    snapTargets_ = std::move(targets);
  }
  const double minX = SnapTargets::nearest(snapTargets_->xs, bounds.minX());
  const double maxX = SnapTargets::nearest(snapTargets_->xs, bounds.maxX());
  const double minY = SnapTargets::nearest(snapTargets_->ys, bounds.minY());
  const double maxY = SnapTargets::nearest(snapTargets_->ys, bounds.maxY());
  return {{minX, minY}, {maxX - minX, maxY - minY}};
}

void ViewController::snappedPageBoundsDidSet(const Rect& previous) {
  if (snappedPageBounds_ == previous)
    return;
  updateBoundsLayerPath();
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  const double exportScale = document->exportScale();
  document->setExportWidth(exportPixels(snappedPageBounds_.size.x, exportScale));
  document->setExportHeight(exportPixels(snappedPageBounds_.size.y, exportScale));
}

void ViewController::resnapPageBounds() {
  const auto document = this->document();
  setSnappedPageBounds(document && isEmpty(document->pageBounds) ? automaticPage(pageBounds_)
                                                                 : snapPageBounds(manualPageBounds));
}

void ViewController::updateBoundsLayerColor() {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  if (manualPageBounds == pageBounds_) {
    document->pageBounds = Rect{};
    boundsLayer->setStrokeColor(automaticFrameColor);
    updateBoundsLayerPath();
  } else {
    document->pageBounds = manualPageBounds;
    boundsLayer->setStrokeColor(manualFrameColor);
  }
}

void ViewController::updateBoundsLayerPath() {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  if (isEmpty(document->pageBounds))
    setSnappedPageBounds(automaticPage(pageBounds_));
  const Rect& r = snappedPageBounds_;
  Path frame;
  frame.moveTo(r.origin);
  frame.lineTo({r.maxX(), r.minY()});
  frame.lineTo({r.maxX(), r.maxY()});
  frame.lineTo({r.minX(), r.maxY()});
  frame.close();
  const Vec2 middle = r.center();
  frame.moveTo({middle.x, r.minY()});
  frame.lineTo({middle.x, r.maxY()});
  frame.moveTo({r.minX(), middle.y});
  frame.lineTo({r.maxX(), middle.y});
  boundsLayer->setPath(frame);
}

// Border bands ---------------------------------------------------------------

void ViewController::updateLineAttributes() {
  const auto document = this->document();
  if (!document)
    return;
  const std::vector<LineAttribute> bands = documentBands();
  {
    LayerTransaction transaction;
    transaction.setDisableActions(true);
    for (const auto& tile : graph_->shapes()) {
      tile->lineAttributes = bands;
      tile->updateLineWidth();
      tile->updateStrokeColor();
    }
    updateCrossingLayers();
  }
  updateFlatNode();
  if (const auto window = windowController())
    window->updateSurfaceScene();
}

void ViewController::updateLineJoin(bool round) {
  borderLineStyle = round;
  for (const auto& tile : graph_->shapes()) {
    tile->borderLineStyle = round;
    tile->updateLineJoin();
  }
  refreshAutomaticPage();
}

// Hover outline and overlays -------------------------------------------------

void ViewController::updateSelectedShapeLayer() {
  const auto model = selectedShape.lock();
  if (!model)
    return;
  LayerAnimation animation = LayerAnimation::basic("path");
  animation.duration = 0.1;
  selectedStrokeLayer->addAnimation(animation, "path");
  selectedLayer->addAnimation(animation, "path");
  selectedLayer->setPath(model->figure()->path().transformed(model->transformation));
  selectedLayer->setHidden(false);
  if (const auto candidate = std::dynamic_pointer_cast<NeighborModel>(model)) {
    selectedLayer->setFillColor(candidate->isGood() ? accentColor : rgb(206, 7, 85));
    selectedLayer->setStrokeColor(Color::white());
  } else {
    selectedLayer->setFillColor(rgb(65, 70, 77, 0.6));
    selectedLayer->setStrokeColor(std::nullopt);
  }
  layer->addSublayer(selectedLayer);
}

void ViewController::addOverlayLayers() {
  layer->addSublayer(crossingLayer);
  layer->addSublayer(crossingLayer2);
  layer->addSublayer(markLayer);
  markLayer->setHidden(dimension_ == 3);
  flatMarkNode->setHidden(false);
  crossingsNode->setHidden(false);
}

}  // namespace ornival
