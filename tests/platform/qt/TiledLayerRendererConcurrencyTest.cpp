#include "platform/qt/TiledLayerRenderer.h"

#include "platform/LayerRenderer.h"
#include "platform/ShapeLayer.h"
#include "platform/qt/QPainterAdapter.h"
#include "support/TiledPictures.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace ornival {
namespace {

using Frame = TiledLayerRenderer::Frame;

Path square(Vec2 at, double side) {
  Path path;
  path.moveTo(at);
  path.lineTo(at + Vec2{side, 0});
  path.lineTo(at + Vec2{side, side});
  path.lineTo(at + Vec2{0, side});
  path.close();
  return path;
}

// Rounded corners: curves, as the tiles' outlines have.
Path rounded(Vec2 at, double side) {
  const double r = side / 4;
  Path path;
  path.moveTo(at + Vec2{r, 0});
  path.lineTo(at + Vec2{side - r, 0});
  path.curveTo(at + Vec2{side, r}, at + Vec2{side - r / 2, 0}, at + Vec2{side, r / 2});
  path.lineTo(at + Vec2{side, side - r});
  path.curveTo(at + Vec2{side - r, side}, at + Vec2{side, side - r / 2}, at + Vec2{side - r / 2, side});
  path.lineTo(at + Vec2{r, side});
  path.curveTo(at + Vec2{0, side - r}, at + Vec2{r / 2, side}, at + Vec2{0, side - r / 2});
  path.close();
  return path;
}

// A tiling over many squares of the picture: fills and two bands in
// tile-cached layers, a long outline drawn in runs, a hover outline above.
struct Tiling {
  std::shared_ptr<Layer> root = Layer::create();
  std::shared_ptr<Layer> drawing = Layer::create();
  std::shared_ptr<Layer> shapes = Layer::create();
  std::shared_ptr<Layer> wide = Layer::create();
  std::shared_ptr<Layer> narrow = Layer::create();
  std::shared_ptr<ShapeLayer> crossings = ShapeLayer::create();
  std::shared_ptr<ShapeLayer> hover = ShapeLayer::create();
  std::vector<std::shared_ptr<ShapeLayer>> fills;
  std::vector<std::shared_ptr<ShapeLayer>> bands;

  explicit Tiling(int columns = 40, int rows = 30) {
    root->setAnchorPoint({0, 0});
    drawing->setAnchorPoint({0, 0});
    for (const auto& cached : {shapes, wide, narrow})
      cached->setTileCached(true);
    crossings->setTileCached(true);
    wide->setZPosition(1.0);
    narrow->setZPosition(1.1);
    crossings->setZPosition(1.3);
    hover->setZPosition(4.0);
    const Color colors[] = {{0.13, 0.38, 0.55, 1}, {0.93, 0.91, 0.86, 1}, {1.0, 0.0, 0.39, 0.8}, {0.95, 0.77, 0.31, 1}};
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < columns; ++x) {
        const Vec2 at{x * 11.0, y * 11.0};
        auto fill = ShapeLayer::create();
        fill->setPath((x * 7 + y) % 5 == 0 ? rounded(at, 11) : square(at, 11));
        fill->setFillColor(colors[(x + 2 * y) % 4]);
        shapes->addSublayer(fill);
        fills.push_back(fill);
        auto outer = ShapeLayer::create();
        outer->setPath(*fill->path());
        outer->setFillColor(std::nullopt);
        outer->setStrokeColor(Color::black());
        outer->setLineWidth(2.0);
        outer->setLineJoin((x + y) % 2 ? LineJoin::miter : LineJoin::round);
        wide->addSublayer(outer);
        auto inner = ShapeLayer::create();
        inner->setPath(*fill->path());
        inner->setFillColor(std::nullopt);
        inner->setStrokeColor(Color{0.9, 0.8, 0.1, 1});
        inner->setLineWidth(0.7);
        narrow->addSublayer(inner);
        bands.push_back(outer);
        bands.push_back(inner);
      }
    }
    Path pieces;
    for (int i = 0; i < 150; ++i)
      pieces.append(square({i * 2.9, 160 + 90 * std::sin(i * 0.11)}, 1.5));
    crossings->setPath(pieces);
    crossings->setFillColor(Color{0.05, 0.05, 0.05, 1});
    hover->setFillColor(Color{0.25, 0.51, 0.83, 0.85});
    hover->setPath(square({99, 99}, 11));
    for (const auto& layer : std::vector<std::shared_ptr<Layer>>{shapes, wide, narrow, crossings, hover})
      drawing->addSublayer(layer);
    root->addSublayer(drawing);
  }

  void look(double zoom, double degrees, Vec2 offset, QSize size) {
    drawing->setTransform(AffineTransform::rotation(degrees * std::numbers::pi / 180)
                              .concatenating(AffineTransform::translation(offset.x, offset.y))
                              .concatenating(AffineTransform::scale(zoom, zoom))
                              .concatenating(AffineTransform::translation(size.width() / 2.0, size.height() / 2.0)));
  }
};

using testing::blank;
using testing::paint;
using testing::reference;

int differingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size())
    return -1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

// Squares drawn several at a time on workers come out as those drawn one
// after the other on one thread, and as the layer tree renderer's picture:
// whole, after edits spread over many squares, and sharpened after a zoom.
TEST(TiledLayerRendererThreads, DrawsSquaresOnWorkersToTheSamePixels) {
  const struct {
    const char* name;
    double zoom;
    double degrees;
    double pixelRatio;
  } views[] = {{"fitted", 2.3, 0.0, 1.0}, {"turned", 3.1, 21.0, 1.0}, {"twice the pixels", 1.7, -10.0, 2.0}};
  for (const auto& view : views) {
    SCOPED_TRACE(view.name);
    Tiling tiling;
    const Frame frame{QSize(1000, 760), view.pixelRatio, QColor(0x3A, 0x5A, 0x8C), {}, {}};
    tiling.look(view.zoom, view.degrees, {-220, -165}, frame.size);
    TiledLayerRenderer parallel(tiling.root);
    QImage fast = blank(frame, Qt::magenta);
    paint(parallel, fast, frame, QRect(QPoint(), frame.size), false);
    parallel.takeDamage(frame);
    EXPECT_TRUE(parallel.isSharp());
    ASSERT_EQ(differingPixels(fast, reference(*tiling.root, frame)), 0);

    // Edits in many squares at once, each drawn where it changed.
    for (std::size_t i = 0; i < tiling.fills.size(); i += 37)
      tiling.fills[i]->setFillColor(Color{0.1, 0.8, 0.3, 1});
    for (std::size_t i = 5; i < tiling.bands.size(); i += 53)
      tiling.bands[i]->setLineWidth(3.5);
    for (std::size_t i = 11; i < tiling.fills.size(); i += 97)
      tiling.fills[i]->removeFromSuperlayer();
    tiling.hover->setPath(rounded({300, 200}, 11));
    paint(parallel, fast, frame, parallel.takeDamage(frame), true);
    ASSERT_EQ(differingPixels(fast, reference(*tiling.root, frame)), 0);

    // A zoom: stood in for, then sharpened a batch of squares at a time.
    tiling.look(view.zoom * 1.25, view.degrees + 3, {-210, -160}, frame.size);
    paint(parallel, fast, frame, parallel.takeDamage(frame), true);
    EXPECT_FALSE(parallel.isSharp());
    for (int slices = 0; !parallel.isSharp(); ++slices) {
      ASSERT_LT(slices, 100);
      paint(parallel, fast, frame, parallel.sharpen(frame, std::chrono::milliseconds(0)), true);
    }
    ASSERT_EQ(differingPixels(fast, reference(*tiling.root, frame)), 0);

    // The same layers drawn one square at a time, under a root of their own.
    auto serialRoot = Layer::create();
    serialRoot->setAnchorPoint({0, 0});
    TiledLayerRenderer serial(serialRoot);
    serial.setParallel(false);
    serialRoot->addSublayer(tiling.drawing);
    QImage slow = blank(frame, Qt::magenta);
    paint(serial, slow, frame, QRect(QPoint(), frame.size), false);
    EXPECT_EQ(differingPixels(slow, fast), 0);
  }
}

// Many tiles arriving at once (a document opened) are placed on workers
// before they are indexed: some turned in a layer of their own, some holding
// a sublayer; the picture is the layer tree renderer's.
TEST(TiledLayerRendererThreads, IndexesATilingThatArrivesAtOnce) {
  Tiling tiling(110, 40);
  for (std::size_t i = 3; i < tiling.fills.size(); i += 41) {
    tiling.fills[i]->setAnchorPoint({0, 0});
    tiling.fills[i]->setTransform(AffineTransform::rotation(0.2));
  }
  for (std::size_t i = 7; i < tiling.fills.size(); i += 59) {
    auto dot = ShapeLayer::create();
    dot->setPath(square(tiling.fills[i]->path()->boundingBox()->center(), 3));
    dot->setFillColor(Color{0.9, 0.1, 0.1, 1});
    tiling.fills[i]->addSublayer(dot);
  }
  const Frame frame{QSize(1100, 500), 1.0, QColor(Qt::white), {}, {}};
  tiling.look(0.9, 0.0, {-605, -220}, frame.size);
  TiledLayerRenderer renderer(tiling.root);
  QImage shown = blank(frame, Qt::magenta);
  paint(renderer, shown, frame, QRect(QPoint(), frame.size), false);
  EXPECT_EQ(differingPixels(shown, reference(*tiling.root, frame)), 0);
}

}  // namespace
}  // namespace ornival
