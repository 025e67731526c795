#include "platform/LayerRenderer.h"
#include "platform/RecordingPainter.h"
#include "platform/RgbaImage.h"
#include "platform/ShapeLayer.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

std::shared_ptr<ShapeLayer> square(const Color& fill) {
  Path path;
  path.moveTo({0, 0});
  path.lineTo({1, 0});
  path.lineTo({1, 1});
  path.close();
  auto layer = ShapeLayer::create();
  layer->setPath(path);
  layer->setFillColor(fill);
  return layer;
}

TEST(LayerRenderer, DrawsByDepthThenOrderSkipsHiddenAndFadesByOpacity) {
  const Color red{1, 0, 0, 1}, green{0, 1, 0, 1}, blue{0, 0, 1, 1}, grey{0.5, 0.5, 0.5, 1};
  auto root = Layer::create();
  root->setOpacity(0.5);
  auto high = square(red);
  high->setZPosition(2.0);
  auto first = square(green);
  auto second = square(blue);
  auto hidden = square(grey);
  hidden->setHidden(true);
  auto child = square(grey);
  hidden->addSublayer(child);
  for (const auto& layer : {high, first, hidden, second})
    root->addSublayer(layer);

  RecordingPainter painter;
  renderLayerTree(*root, painter);
  ASSERT_EQ(painter.calls().size(), 3u);
  EXPECT_EQ(painter.calls()[0].color, (Color{0, 1, 0, 0.5}));
  EXPECT_EQ(painter.calls()[1].color, (Color{0, 0, 1, 0.5}));
  EXPECT_EQ(painter.calls()[2].color, (Color{1, 0, 0, 0.5}));
}

TEST(LayerRenderer, StrokesAfterFillingInTheLayersPlaceOnTheDevice) {
  auto root = Layer::create();
  root->setPosition({100, 50});
  root->setAnchorPoint({0, 0});
  auto outline = square(Color::white());
  outline->setStrokeColor(Color::black());
  outline->setLineWidth(3.0);
  outline->setLineCap(LineCap::round);
  outline->setTransform(AffineTransform::scale(2, 2));
  outline->setAnchorPoint({0, 0});
  root->addSublayer(outline);
  auto noPath = ShapeLayer::create();
  root->addSublayer(noPath);

  RecordingPainter painter;
  renderLayerTree(*root, painter, AffineTransform::translation(0, 10));
  ASSERT_EQ(painter.calls().size(), 2u);
  EXPECT_EQ(painter.calls()[0].kind, RecordingPainter::Call::Kind::fill);
  EXPECT_EQ(painter.calls()[1].kind, RecordingPainter::Call::Kind::stroke);
  EXPECT_EQ(painter.calls()[1].style, (StrokeStyle{3.0, LineCap::round, LineJoin::miter}));
  const AffineTransform& t = painter.calls()[1].transform;
  EXPECT_EQ(t.apply({1, 1}), (Vec2{102, 62}));
}

// The underlay: a layer's picture covers its bounds, faded like its colours,
// beneath its own outline and its sublayers.
TEST(LayerRenderer, DrawsALayersPictureOverItsBoundsBeneathItsOutline) {
  auto root = Layer::create();
  root->setOpacity(0.5);
  auto underlay = square(Color::white());
  underlay->setBounds({{-2, -1}, {4, 2}});
  underlay->setContents(std::make_shared<const RgbaImage>(8, 4));
  root->addSublayer(underlay);

  RecordingPainter painter;
  renderLayerTree(*root, painter);
  ASSERT_EQ(painter.calls().size(), 2u);
  const auto& picture = painter.calls()[0];
  EXPECT_EQ(picture.kind, RecordingPainter::Call::Kind::image);
  EXPECT_EQ(picture.rect, (Rect{{-2, -1}, {4, 2}}));
  EXPECT_EQ(picture.opacity, 0.5);
  EXPECT_EQ(picture.imageWidth, 8);
  EXPECT_EQ(painter.calls()[1].kind, RecordingPainter::Call::Kind::fill);
}

}  // namespace
}  // namespace ornival
