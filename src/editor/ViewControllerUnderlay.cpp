// The underlay: a picture dropped onto the editor, shown beneath the tiles,
// and colours dropped onto tiles.

#include "editor/ViewController.h"

#include "editor/ViewPort.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/ImageDecoder.h"
#include "platform/UndoManager.h"

#include <algorithm>

namespace ornival {
namespace {

constexpr Color underlayFrameColor{119.0 / 255.0, 195.0 / 255.0, 68.0 / 255.0, 1.0};

// The side of the square a picture is fitted into when there is no page to
// cover: an empty tiling has a page of no area, on which a picture would
// neither show nor give colours.
constexpr double emptyPageSide = 320.0;

bool hasArea(const Rect& r) { return r.size.x > 0.0 && r.size.y > 0.0; }

// The even-odd rule over the tile's sides, counting a side when the point's
// height lies in its half-open span and the point is left of it.
bool insideOutline(const ShapeModel& tile, Vec2 q) {
  const Line box = tile.bounds();
  if (!(q.x > box.vertex0.x && q.x < box.vertex1.x && q.y > box.vertex0.y && q.y < box.vertex1.y))
    return false;
  bool inside = false;
  for (const Line& side : tile.border()) {
    const Vec2 a = side.vertex0;
    const Vec2 b = side.vertex1;
    if ((a.y <= q.y && q.y < b.y) || (b.y <= q.y && q.y < a.y)) {
      const double x = a.x + (q.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (q.x < x)
        inside = !inside;
    }
  }
  return inside;
}

}  // namespace

std::shared_ptr<ShapeLayer> ViewController::makeImageLayer(std::shared_ptr<const RgbaImage> picture,
                                                           const Rect& bounds, std::optional<Path> frame) {
  auto underlay = ShapeLayer::create();
  underlay->setOpacity(dimension_ == 3 ? 0.5 : 1.0);
  underlay->setZPosition(-1.0);
  underlay->setFillColor(std::nullopt);
  underlay->setStrokeColor(underlayFrameColor);
  underlay->setShadowOpacity(1.0);
  underlay->setShadowColor(Color::black());
  underlay->setShadowOffset({0.0, -0.5});
  underlay->setShadowRadius(0.5);
  underlay->setContents(std::move(picture));
  underlay->setBounds(bounds);
  underlay->setPath(std::move(frame));
  return underlay;
}

ViewController::Underlay ViewController::currentUnderlay() const {
  if (!imageLayer)
    return {};
  return {bitmap, imageURL, imageLayer->bounds(), imageLayer->path()};
}

void ViewController::registerUnderlayUndo() {
  registerUndoStep([before = currentUnderlay()](ViewController& editor) { editor.restoreUnderlay(before); });
}

void ViewController::restoreUnderlay(const Underlay& underlay) {
  registerUnderlayUndo();
  const std::shared_ptr<ShapeLayer> old = imageLayer;
  if (underlay.picture) {
    imageLayer = makeImageLayer(underlay.picture, underlay.bounds, underlay.frame);
    viewPort_->rootLayer()->addSublayer(imageLayer);
  } else {
    imageLayer = nullptr;
  }
  if (old)
    old->removeFromSuperlayer();
  bitmap = underlay.picture;
  imageURL = underlay.url;
  updateImageLayerTransform();
}

void ViewController::setImage(const std::filesystem::path& url) {
  if (!imageDecoder)
    return;
  auto picture = imageDecoder->decode(url);
  if (!picture || picture->width() <= 0 || picture->height() <= 0)
    return;
  setImageLayer(std::make_shared<const RgbaImage>(std::move(*picture)), url);
}

void ViewController::setImageLayer(std::shared_ptr<const RgbaImage> image, std::optional<std::filesystem::path> url) {
  const bool usable = image && image->width() > 0 && image->height() > 0;
  // Removing what is not there changes nothing and leaves no step to undo.
  if (!usable && !imageLayer)
    return;
  Underlay next;
  if (usable) {
    next.picture = std::move(image);
    next.url = std::move(url);
    if (imageLayer) {
      // A replacement keeps the rectangle and frame of the picture it replaces.
      next.bounds = imageLayer->bounds();
      next.frame = imageLayer->path();
    } else if (hasArea(pageBounds_)) {
      next.bounds = pageBounds_;
    } else {
      const double pixels = std::max(next.picture->width(), next.picture->height());
      const Vec2 size{emptyPageSide * next.picture->width() / pixels,
                      emptyPageSide * next.picture->height() / pixels};
      const Vec2 centre = pageBounds_.origin + pageBounds_.size * 0.5;
      next.bounds = {centre - size * 0.5, size};
    }
  }
  // The step back records what is replaced, so that undo brings back the
  // earlier picture rather than installing this one again.
  restoreUnderlay(next);
}

void ViewController::removeImage() { setImageLayer(nullptr, std::nullopt); }

void ViewController::colorFromDrag(const Color& color, Vec2 point) {
  const Vec2 q = shapesLayer->convertFrom(point - shapesLayer->position(), *viewPort_->rootLayer());
  for (const auto& tile : graph_->shapes()) {
    if (insideOutline(*tile, q)) {
      setShapeColor(tile, color);
      updateFlatNode();
      return;
    }
  }
}

}  // namespace ornival
