#include "platform/LayerRenderer.h"

#include "platform/Layer.h"
#include "platform/Painter.h"
#include "platform/RgbaImage.h"
#include "platform/ShapeLayer.h"

#include <algorithm>
#include <vector>

namespace ornival {
namespace {

void render(const Layer& layer, Painter& painter, const AffineTransform& toDevice, double opacity) {
  if (layer.isHidden())
    return;
  opacity *= layer.opacity();
  if (opacity <= 0.0)
    return;
  const AffineTransform transform =
      layer.sharesSuperlayerCoordinates() ? toDevice : layer.transformToSuperlayer().concatenating(toDevice);
  if (const auto& picture = layer.contents()) {
    painter.setTransform(transform);
    painter.drawImage(*picture, layer.bounds(), opacity);
  }
  if (const ShapeLayer* shape = layer.asShapeLayer(); shape && shape->path()) {
    painter.setTransform(transform);
    const auto faded = [opacity](Color color) {
      color.alpha *= opacity;
      return color;
    };
    if (shape->fillColor() && shape->fillColor()->alpha > 0.0)
      painter.fill(*shape->path(), faded(*shape->fillColor()), shape->fillRule());
    if (shape->strokeColor() && shape->strokeColor()->alpha > 0.0 && shape->lineWidth() > 0.0)
      painter.stroke(*shape->path(), faded(*shape->strokeColor()),
                     StrokeStyle{shape->lineWidth(), shape->lineCap(), shape->lineJoin()});
  }
  std::vector<const Layer*> order;
  order.reserve(layer.sublayerCount());
  bool sorted = true;
  layer.forEachSublayer([&](const Layer& sublayer) {
    sorted = sorted && (order.empty() || order.back()->zPosition() <= sublayer.zPosition());
    order.push_back(&sublayer);
  });
  // Siblings mostly share their depth and then stay in order of addition.
  if (!sorted)
    std::stable_sort(order.begin(), order.end(),
                     [](const Layer* a, const Layer* b) { return a->zPosition() < b->zPosition(); });
  for (const Layer* sublayer : order)
    render(*sublayer, painter, transform, opacity);
}

}  // namespace

void renderLayerTree(const Layer& root, Painter& painter, const AffineTransform& toDevice) {
  render(root, painter, toDevice, 1.0);
}

}  // namespace ornival
