#pragma once

// Pictures for the kept picture's tests: a blank of a frame's size, what the
// layer tree renderer draws, and the kept picture painted as a widget's
// paint does.

#include "platform/Layer.h"
#include "platform/LayerRenderer.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/TiledLayerRenderer.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

namespace ornival::testing {

inline QImage blank(const TiledLayerRenderer::Frame& frame, const QColor& fill) {
  QImage image(int(frame.size.width() * frame.pixelRatio), int(frame.size.height() * frame.pixelRatio),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(frame.pixelRatio);
  image.fill(fill);
  return image;
}

// What the layer tree renderer draws, on the background.
inline QImage reference(const Layer& root, const TiledLayerRenderer::Frame& frame) {
  QImage image = blank(frame, frame.background);
  QPainter qpainter(&image);
  QPainterAdapter painter(qpainter, frame.size.height());
  renderLayerTree(root, painter);
  return image;
}

// Paints as a widget's paint does: limited to the part by the system clip.
inline void paint(TiledLayerRenderer& renderer, QImage& image, const TiledLayerRenderer::Frame& frame,
                  const QRegion& region, bool standIns) {
  for (const QRect& rect : region) {
    image.paintEngine()->setSystemClip(QRegion(QRectF(rect.x() * frame.pixelRatio, rect.y() * frame.pixelRatio,
                                                      rect.width() * frame.pixelRatio, rect.height() * frame.pixelRatio)
                                                   .toAlignedRect()));
    QPainter painter(&image);
    renderer.paint(painter, frame, rect, standIns);
    painter.end();
    image.paintEngine()->setSystemClip(QRegion());
  }
}

}  // namespace ornival::testing
