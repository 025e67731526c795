#pragma once

#include "platform/Layer.h"

#include <QColor>
#include <QRegion>
#include <QSize>

#include <chrono>
#include <functional>
#include <memory>

class QPainter;

namespace ornival {

// Draws a layer tree on a view through QPainter, as the layer tree renderer
// does, pixel for pixel, but keeps what it drew.
//
// The layers marked tile-cached, and whatever lies beneath them, are drawn
// into a picture of the view, kept in squares of tileSize device pixels. The
// picture is kept while the view stays where it is; a tile that changes is
// found through a spatial index of its container and drawn again only where
// it was and where it is. Every paint copies the picture and draws the layers
// above it (the hover outline, the dragged tiles, frames, marks) over it. Each
// layer's outline is converted for Qt once and kept until it changes.
//
// When the view moves (zoom, rotation, pan, a new size), the picture of the
// old view can stand in, moved and scaled, until the new one is drawn, piece
// by piece, in slices short enough that input goes on.
//
// It watches the tree through the root's observer from construction on.
// Main thread only; while it draws, worker threads read the tree.
class TiledLayerRenderer final : public LayerObserver {
public:
  static constexpr int tileSize = 256;

  // The view drawn on, and where it lies on the device its paints go to (a
  // window's picture of all its widgets): at offset, in logical pixels, on a
  // device of deviceSize pixels (none: the view's own size). Drawn as
  // QPainter draws there, the picture comes out the same to the last pixel.
  struct Frame {
    QSize size;  // in logical pixels
    double pixelRatio = 1.0;
    QColor background;
    QPoint offset;
    QSize deviceSize;
    bool operator==(const Frame&) const = default;
  };

  explicit TiledLayerRenderer(std::shared_ptr<Layer> root);
  ~TiledLayerRenderer() override;
  TiledLayerRenderer(const TiledLayerRenderer&) = delete;
  TiledLayerRenderer& operator=(const TiledLayerRenderer&) = delete;

  // Paints the exposed rectangle (logical pixels, y down) of the view: the
  // background, then the tree. With stand-ins, parts of the picture not yet
  // drawn for this view show the last view's picture instead; without, they
  // are drawn now. Parts that changed are always drawn now.
  void paint(QPainter& painter, const Frame& frame, const QRect& exposed, bool standIns);

  // What changed since the last call, in logical pixels (y down): the part
  // of the view to paint again.
  QRegion takeDamage(const Frame& frame);

  // Whether the last paint showed everything as it is.
  bool isSharp() const;
  // Draws parts of the picture that stood in for the present view, for about
  // budget (at least one part); returns where they lie, to be painted.
  QRegion sharpen(const Frame& frame, std::chrono::steady_clock::duration budget);

  // Whether parts of the picture are drawn several at a time on worker
  // threads (the default); one at a time, they come out the same.
  void setParallel(bool parallel);

  // Forgets every picture; outlines stay.
  void discardPictures();

  // Called on the first change after damage was last taken, so that the
  // owner can arrange to take it. Never from within a paint.
  std::function<void()> changeNoticed;

  // LayerObserver
  void layerChanged(Layer& layer) override;
  void sublayerRemoved(Layer& superlayer, Layer& sublayer) override;

  struct Impl;

private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace ornival
