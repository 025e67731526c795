#include "platform/qt/TiledLayerRenderer.h"

#include "platform/LayerRenderer.h"
#include "platform/RgbaImage.h"
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
#include <vector>

namespace ornival {
namespace {

using Frame = TiledLayerRenderer::Frame;

Path polygon(const std::vector<Vec2>& corners) {
  Path path;
  path.moveTo(corners.front());
  for (std::size_t i = 1; i < corners.size(); ++i)
    path.lineTo(corners[i]);
  path.close();
  return path;
}

// A square with its corners rounded: curves as the tiles' rounded outlines.
Path roundedSquare(Vec2 origin, double side) {
  const double r = side / 4;
  Path path;
  path.moveTo(origin + Vec2{r, 0});
  path.lineTo(origin + Vec2{side - r, 0});
  path.curveTo(origin + Vec2{side, r}, origin + Vec2{side - r / 2, 0}, origin + Vec2{side, r / 2});
  path.lineTo(origin + Vec2{side, side - r});
  path.curveTo(origin + Vec2{side - r, side}, origin + Vec2{side, side - r / 2}, origin + Vec2{side - r / 2, side});
  path.lineTo(origin + Vec2{r, side});
  path.curveTo(origin + Vec2{0, side - r}, origin + Vec2{r / 2, side}, origin + Vec2{0, side - r / 2});
  path.lineTo(origin + Vec2{0, r});
  path.curveTo(origin + Vec2{r, 0}, origin + Vec2{0, r / 2}, origin + Vec2{r / 2, 0});
  return path;
}

// The editor's drawing in small: a picture beneath, tiles with two bands in
// tile-cached layers, a long crossing outline, and above them a hover
// outline, dragged tiles and a long mark, and a page frame over everything.
struct Scene {
  std::shared_ptr<Layer> root = Layer::create();
  std::shared_ptr<ShapeLayer> underlay = ShapeLayer::create();
  std::shared_ptr<Layer> drawing = Layer::create();
  std::shared_ptr<Layer> shapes = Layer::create();
  std::shared_ptr<Layer> wide = Layer::create();
  std::shared_ptr<Layer> narrow = Layer::create();
  std::shared_ptr<ShapeLayer> crossings = ShapeLayer::create();
  std::shared_ptr<ShapeLayer> hover = ShapeLayer::create();
  std::shared_ptr<ShapeLayer> hoverStroke = ShapeLayer::create();
  std::shared_ptr<Layer> moving = Layer::create();
  std::shared_ptr<ShapeLayer> mark = ShapeLayer::create();
  std::shared_ptr<ShapeLayer> frame = ShapeLayer::create();
  std::vector<std::shared_ptr<ShapeLayer>> fills;
  std::vector<std::shared_ptr<ShapeLayer>> bands;

  Scene() {
    root->setAnchorPoint({0, 0});
    underlay->setZPosition(-1);
    underlay->setBounds({{-30, -20}, {120, 80}});
    auto picture = std::make_shared<RgbaImage>(4, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x)
        picture->pixel(x, y) = {std::uint8_t(60 * x), std::uint8_t(80 * y), 200, 255};
    underlay->setContents(picture);
    underlay->setFillColor(std::nullopt);
    underlay->setStrokeColor(Color{0.2, 0.2, 0.2, 1});
    underlay->setPath(Path::rectangle({{-30, -20}, {120, 80}}));
    underlay->setAnchorPoint({0, 0});
    root->addSublayer(underlay);

    for (const auto& cached : {shapes, wide, narrow})
      cached->setTileCached(true);
    crossings->setTileCached(true);
    wide->setZPosition(1.0);
    narrow->setZPosition(1.1);
    crossings->setZPosition(1.3);
    const Color colors[] = {{0.13, 0.38, 0.55, 1}, {0.93, 0.91, 0.86, 1}, {1.0, 0.0, 0.39, 0.8}, {0.95, 0.77, 0.31, 1}};
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 9; ++x) {
        const Vec2 at{x * 11.0, y * 11.0};
        auto fill = ShapeLayer::create();
        fill->setPath((x + y) % 3 == 0 ? roundedSquare(at, 11)
                                       : polygon({at, at + Vec2{11, 0}, at + Vec2{11, 11}, at + Vec2{0, 11}}));
        fill->setFillColor(colors[(x + 2 * y) % 4]);
        shapes->addSublayer(fill);
        fills.push_back(fill);
        auto outer = ShapeLayer::create();
        outer->setPath(*fill->path());
        outer->setFillColor(std::nullopt);
        outer->setStrokeColor(Color::black());
        outer->setLineWidth(2.0);
        outer->setLineCap(LineCap::round);
        outer->setLineJoin((x + y) % 2 ? LineJoin::miter : LineJoin::round);
        wide->addSublayer(outer);
        auto inner = ShapeLayer::create();
        inner->setPath(*outer);
        inner->setFillColor(std::nullopt);
        inner->setStrokeColor(Color{0.9, 0.8, 0.1, 1});
        // Some bands of no width, as a document's unused bands are.
        inner->setLineWidth((x + 2 * y) % 7 == 3 ? 0.0 : 0.7);
        narrow->addSublayer(inner);
        bands.push_back(outer);
        bands.push_back(inner);
      }
    }
    // A long outline of many small pieces: drawn in runs.
    Path pieces;
    for (int i = 0; i < 40; ++i) {
      const Vec2 at{i * 2.5, 30 + 8 * std::sin(i * 0.7)};
      pieces.append(polygon({at, at + Vec2{1.5, 0}, at + Vec2{1.5, 1.5}, at + Vec2{0, 1.5}}));
    }
    crossings->setPath(pieces);
    crossings->setFillColor(Color{0.05, 0.05, 0.05, 1});

    hover->setZPosition(4.0);
    hover->setOpacity(0.85);
    hover->setFillColor(Color{0.25, 0.51, 0.83, 1});
    hover->setStrokeColor(Color::white());
    hover->setPath(polygon({{22, 22}, {33, 22}, {33, 33}, {22, 33}}));
    hoverStroke->setFillColor(std::nullopt);
    hoverStroke->setStrokeColor(Color::white());
    hoverStroke->setLineJoin(LineJoin::round);
    hoverStroke->setPath(polygon({{24, 24}, {31, 24}, {31, 31}}));
    hover->addSublayer(hoverStroke);

    moving->setZPosition(6.0);
    moving->setOpacity(0.5);
    auto carried = ShapeLayer::create();
    carried->setPath(polygon({{60, 60}, {71, 60}, {71, 71}, {60, 71}}));
    carried->setFillColor(Color{1, 0, 0.39, 0.8});
    moving->addSublayer(carried);

    mark->setZPosition(7.0);
    mark->setFillColor(std::nullopt);
    mark->setStrokeColor(Color{1, 0, 0, 1});
    mark->setLineWidth(3.0);
    mark->setLineJoin(LineJoin::round);
    mark->setLineCap(LineCap::round);
    Path marked;
    for (int i = 0; i < 12; ++i)
      marked.append(*fills[std::size_t(5 * i)]->path());
    mark->setPath(marked);

    for (const auto& layer : std::vector<std::shared_ptr<Layer>>{shapes, wide, narrow, crossings, moving, mark, hover})
      drawing->addSublayer(layer);
    drawing->setAnchorPoint({0, 0});
    root->addSublayer(drawing);

    frame->setZPosition(1.0);
    frame->setStrokeColor(Color{236 / 255.0, 26 / 255.0, 61 / 255.0, 1});
    frame->setFillColor(Color{56 / 255.0, 2 / 255.0, 218 / 255.0, 0.2});
    frame->setFillRule(FillRule::evenOdd);
    Path page = Path::rectangle({{-5, -5}, {110, 90}});
    page.moveTo({50, -5});
    page.lineTo({50, 85});
    frame->setPath(page);
    frame->setAnchorPoint({0, 0});
    root->addSublayer(frame);
  }

  // The view onto the drawing: zoom, turn (degrees) and pan, as the editor
  // sets them; the page frame follows the zoom and pan but does not turn.
  void look(double zoom, double degrees, Vec2 offset, QSize size) {
    const AffineTransform unrotated = AffineTransform::translation(offset.x, offset.y)
                                          .concatenating(AffineTransform::scale(zoom, zoom))
                                          .concatenating(AffineTransform::translation(size.width() / 2.0,
                                                                                      size.height() / 2.0));
    drawing->setTransform(AffineTransform::rotation(degrees * std::numbers::pi / 180).concatenating(unrotated));
    frame->setTransform(unrotated);
    underlay->setTransform(unrotated);
  }
};

using testing::blank;
using testing::paint;

QImage reference(const Scene& scene, const Frame& frame) { return testing::reference(*scene.root, frame); }

// Where the pictures differ: how many pixels, the first, and their box.
std::string difference(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size())
    return "sizes differ";
  int count = 0;
  QRect box;
  std::string first;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.pixel(x, y) == expected.pixel(x, y))
        continue;
      if (count++ == 0)
        first = "pixel " + std::to_string(x) + "," + std::to_string(y) + " is " +
                QColor::fromRgba(actual.pixel(x, y)).name(QColor::HexArgb).toStdString() + " for " +
                QColor::fromRgba(expected.pixel(x, y)).name(QColor::HexArgb).toStdString();
      box = box.united(QRect(x, y, 1, 1));
    }
  }
  if (count == 0)
    return {};
  return std::to_string(count) + " pixels differ in " + std::to_string(box.x()) + "," + std::to_string(box.y()) +
         " " + std::to_string(box.width()) + "x" + std::to_string(box.height()) + ", first " + first;
}

struct View {
  const char* name;
  double zoom;
  double degrees;
  Vec2 offset;
  double pixelRatio;
};

const View views[] = {
    {"whole drawing", 3.0, 0.0, {-50, -40}, 1.0},
    {"zoomed in, panned by a fraction", 9.37, 0.0, {-31.3, -27.77}, 1.0},
    {"turned", 4.1, 33.0, {-50.2, -38.9}, 1.0},
    {"zoomed out", 0.61, -12.0, {0, 0}, 1.0},
    {"twice the pixels", 3.3, 7.0, {-48.4, -41.1}, 2.0},
};

Frame frameFor(const View& view) { return {QSize(420, 300), view.pixelRatio, QColor(0x3A, 0x5A, 0x8C), {}, {}}; }

// Drawn from the picture kept, the view is the layer tree renderer's to the
// pixel: at every zoom and turn, and after each kind of change, where only
// the part the renderer names is painted again.
TEST(TiledLayerRenderer, PaintsWhatTheLayerTreeRendererPaintsAfterEveryChange) {
  for (const View& view : views) {
    SCOPED_TRACE(view.name);
    Scene scene;
    const Frame frame = frameFor(view);
    scene.look(view.zoom, view.degrees, view.offset, frame.size);
    TiledLayerRenderer renderer(scene.root);
    QImage shown = blank(frame, Qt::magenta);
    paint(renderer, shown, frame, QRect(QPoint(), frame.size), false);
    renderer.takeDamage(frame);
    ASSERT_EQ(difference(shown, reference(scene, frame)), "");
    EXPECT_TRUE(renderer.isSharp());

    // What a deletion of nearly everything took, to bring back as an undo does.
    std::vector<std::pair<std::shared_ptr<Layer>, std::shared_ptr<Layer>>> taken;
    const struct {
      const char* name;
      std::function<void()> change;
    } changes[] = {
        {"a tile recoloured", [&] { scene.fills[10]->setFillColor(Color{0.5, 0.9, 0.2, 1}); }},
        {"a tile made translucent", [&] { scene.fills[11]->setFillColor(Color{0, 0, 0, 0.5}); }},
        {"a tile removed", [&] { scene.fills[20]->removeFromSuperlayer(); }},
        {"a band removed and its tile dropped",
         [&] {
           scene.bands[41]->removeFromSuperlayer();
           scene.bands[41].reset();
         }},
        {"a tile added on top", [&] {
           auto tile = ShapeLayer::create();
           tile->setPath(polygon({{40, 40}, {60, 45}, {45, 60}}));
           tile->setFillColor(Color{0.1, 0.9, 0.9, 1});
           scene.shapes->addSublayer(tile);
         }},
        {"a tile brought to the top", [&] { scene.shapes->addSublayer(scene.fills[3]); }},
        {"a band widened", [&] { scene.bands[30]->setLineWidth(4.0); }},
        {"a band thinned to nothing", [&] { scene.bands[32]->setLineWidth(0.0); }},
        {"the band given a width again", [&] { scene.bands[32]->setLineWidth(1.5); }},
        {"a band's colour taken away", [&] { scene.bands[34]->setStrokeColor(std::nullopt); }},
        {"the band coloured again", [&] { scene.bands[34]->setStrokeColor(Color{0.2, 0.9, 0.4, 1}); }},
        {"a band of no width from the start widened", [&] { scene.bands[7]->setLineWidth(2.5); }},
        {"nearly every tile and band removed at once",
         [&] {
           for (std::size_t i = 0; i < scene.fills.size(); ++i) {
             if (i % 9 == 4)
               continue;
             for (const std::shared_ptr<Layer> layer : {std::shared_ptr<Layer>(scene.fills[i]),
                                                        std::shared_ptr<Layer>(scene.bands[2 * i]),
                                                        std::shared_ptr<Layer>(scene.bands[2 * i + 1])}) {
               if (layer && layer->superlayer()) {
                 taken.emplace_back(layer->superlayer(), layer);
                 layer->removeFromSuperlayer();
               }
             }
           }
         }},
        {"all of them brought back",
         [&] {
           for (const auto& [container, layer] : taken)
             container->addSublayer(layer);
           taken.clear();
         }},
        {"the hover outline moved", [&] {
           scene.hover->setPath(polygon({{55, 11}, {66, 11}, {66, 22}}));
           scene.hoverStroke->setPath(std::nullopt);
         }},
        {"the hover outline taken away", [&] { scene.hover->removeFromSuperlayer(); }},
        {"the dragged tiles moved", [&] { scene.moving->setPosition({-13.5, 7.25}); }},
        {"a tile carried off into the drag", [&] { scene.moving->addSublayer(scene.fills[30]); }},
        {"the crossings taken out", [&] { scene.crossings->removeFromSuperlayer(); }},
        {"the crossings put back", [&] { scene.drawing->addSublayer(scene.crossings); }},
        {"the crossings redrawn", [&] {
           Path fewer;
           fewer.append(polygon({{10, 10}, {30, 12}, {12, 30}}));
           scene.crossings->setPath(fewer);
         }},
        {"the mark cleared", [&] { scene.mark->setPath(std::nullopt); }},
        {"the bands hidden", [&] { scene.narrow->setHidden(true); }},
        {"the underlay moved", [&] { scene.underlay->setBounds({{-10, -10}, {60, 40}}); }},
        {"the page frame hidden", [&] { scene.frame->setHidden(true); }},
    };
    for (const auto& c : changes) {
      SCOPED_TRACE(c.name);
      c.change();
      const QRegion damage = renderer.takeDamage(frame);
      if (view.zoom == views[0].zoom) {
        EXPECT_FALSE(damage.isEmpty());
      }
      paint(renderer, shown, frame, damage, true);
      ASSERT_EQ(difference(shown, reference(scene, frame)), "");
    }
  }
}

// A new zoom shows the last view's picture at once; what is sharpened
// piece by piece ends as the layer tree renderer's picture.
TEST(TiledLayerRenderer, StandsInWithTheLastViewAndSharpensToTheExactPicture) {
  Scene scene;
  const Frame frame{QSize(700, 560), 1.0, QColor(Qt::white), {}, {}};
  scene.look(3.0, 0.0, {-50, -40}, frame.size);
  TiledLayerRenderer renderer(scene.root);
  // A square at a time, to count the slices; on workers a slice is a batch.
  renderer.setParallel(false);
  QImage shown = blank(frame, Qt::magenta);
  paint(renderer, shown, frame, QRect(QPoint(), frame.size), true);
  renderer.takeDamage(frame);

  // An edit that moves the view too (a tile placed at the tiling's edge
  // changes the zoom that fits it): the stand-in shows the rest as it was,
  // the tile as it is now.
  scene.look(3.3, 6.0, {-47.5, -41.25}, frame.size);
  scene.fills[40]->setFillColor(Color{0.0, 1.0, 0.0, 1});
  const QRegion damage = renderer.takeDamage(frame);
  EXPECT_EQ(damage, QRegion(QRect(QPoint(), frame.size)));
  paint(renderer, shown, frame, damage, true);
  EXPECT_FALSE(renderer.isSharp());
  const QImage expected = reference(scene, frame);
  EXPECT_NE(difference(shown, expected), "");
  const Vec2 middle = scene.drawing->convertTo(scene.fills[40]->path()->boundingBox()->center(), *scene.root);
  const QPoint recoloured(int(middle.x), int(frame.size.height() - middle.y));
  EXPECT_EQ(shown.pixel(recoloured), expected.pixel(recoloured));

  int slices = 0;
  for (QRegion done = renderer.sharpen(frame, std::chrono::milliseconds(0)); !done.isEmpty();
       done = renderer.sharpen(frame, std::chrono::milliseconds(0))) {
    paint(renderer, shown, frame, done, true);
    ASSERT_LT(++slices, 100);
  }
  // One piece a slice when the time is up at once.
  EXPECT_GT(slices, 4);
  EXPECT_TRUE(renderer.isSharp());
  EXPECT_EQ(difference(shown, expected), "");
}

// What a change costs on the view: a tile's own place, the hover outline's
// two places; a move of the whole view, all of it.
TEST(TiledLayerRenderer, DamagesOnlyWhereTheChangeIs) {
  Scene scene;
  const Frame frame{QSize(800, 600), 1.0, QColor(Qt::white), {}, {}};
  scene.look(5.0, 0.0, {-50, -40}, frame.size);
  TiledLayerRenderer renderer(scene.root);
  QImage shown = blank(frame, Qt::magenta);
  paint(renderer, shown, frame, QRect(QPoint(), frame.size), false);
  renderer.takeDamage(frame);
  int notices = 0;
  renderer.changeNoticed = [&] { ++notices; };

  // A tile is 55 pixels across here.
  scene.fills[12]->setFillColor(Color{0, 1, 0, 1});
  scene.fills[12]->setFillColor(Color{0, 0, 1, 1});
  EXPECT_EQ(notices, 1);
  const QRect tile = renderer.takeDamage(frame).boundingRect();
  EXPECT_LE(tile.width(), 64);
  EXPECT_LE(tile.height(), 64);

  scene.hover->setPath(polygon({{55, 11}, {66, 11}, {66, 22}}));
  const QRegion hover = renderer.takeDamage(frame);
  EXPECT_EQ(notices, 2);
  // The outline and its inner stroke, each where it was and where it is.
  EXPECT_LE(hover.rectCount(), 4);
  for (const QRect& r : hover)
    EXPECT_LE(r.width() * r.height(), 80 * 80);

  // Nothing that shows: nothing to paint, nobody told.
  scene.fills[12]->setFillColor(Color{0, 0, 1, 1});
  scene.hover->setShadowOpacity(0.3);
  EXPECT_TRUE(renderer.takeDamage(frame).isEmpty());
  EXPECT_EQ(notices, 2);

  // A tile out of sight comes, changes and goes: nothing on the view.
  auto far = ShapeLayer::create();
  far->setPath(polygon({{1000, 1000}, {1011, 1000}, {1011, 1011}}));
  scene.shapes->addSublayer(far);
  far->setFillColor(Color{0, 1, 0, 1});
  far->removeFromSuperlayer();
  EXPECT_TRUE(renderer.takeDamage(frame).isEmpty());
  paint(renderer, shown, frame, QRect(QPoint(), frame.size), false);
  EXPECT_EQ(difference(shown, reference(scene, frame)), "");

  scene.look(5.0, 0.0, {-50.5, -40}, frame.size);
  EXPECT_EQ(renderer.takeDamage(frame), QRegion(QRect(QPoint(), frame.size)));
}

}  // namespace
}  // namespace ornival
