#include "editor/ViewController.h"

#include "document/ReliefSnapshot.h"
#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/Geometry.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "support/EditorHarness.h"
#include "platform/gl/OsMesaContext.h"
#include "support/PngFile.h"
#include "support/ReliefLights.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

namespace ornival {
namespace {

using ornival::testing::EditorHarness;
using ornival::testing::keepPicture;

// Two squares of 20 canvas units side by side in an editor showing the
// relief, exported through the editor's own scene and camera on OSMesa. The
// page is the tiling widened by 20 on every side, (-20, -20) to (60, 40), at
// 4 pixels a canvas unit: 320 × 240 pixels.
class EditorRelief : public ::testing::Test {
protected:
  void SetUp() override {
    if (!context_.valid())
      GTEST_SKIP() << "no OpenGL 3.3 core context";
    std::string error;
    renderer_ = GlSceneRenderer::create(ornival::OsMesaContext::procAddress, error);
    ASSERT_NE(renderer_, nullptr) << error;
    Materials::resetForTesting();
    auto tiles = ornival::testing::squareGrid(columns, rows);
    for (const auto& tile : tiles)
      tile->setShapeColor(tileColor);
    harness_ = std::make_unique<EditorHarness>(std::move(tiles));
    harness_->command([&](ViewController&) {
      document().setBackgroundColor(background);
      document().setExportAlpha(false);
      document().setDisplayMode(3);
    });
    ASSERT_EQ(document().exportWidth(), 160 + 80 * columns);
    ASSERT_EQ(document().exportHeight(), 160 + 80 * rows);
  }
  void TearDown() override {
    harness_.reset();
    Materials::resetForTesting();
  }

  Document& document() { return *harness_->document; }
  ViewController& editor() { return *harness_->editor; }

  std::optional<RgbaImage> snapshot() {
    return snapshot3DImage(document(), [&](std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode> eye,
                                           const Camera& camera, Color color) -> std::unique_ptr<SnapshotRenderer> {
      return std::make_unique<GlOffscreenRenderer>(*renderer_, std::move(scene), std::move(eye), camera, color);
    });
  }

  // The pixel at canvas point (x, y).
  static const RgbaImage::Pixel& at(const RgbaImage& image, double x, double y) {
    return image.pixelUp(int((x + 20.0) * 4.0), int((y + 20.0) * 4.0));
  }

  static constexpr Color tileColor{0.2, 0.4, 0.8, 1.0};
  static constexpr Color background{0.9, 0.85, 0.8, 1.0};
  int columns = 2;
  int rows = 1;
  std::unique_ptr<EditorHarness> harness_;

private:
  ornival::OsMesaContext context_;

protected:
  std::unique_ptr<GlSceneRenderer> renderer_;
};

int brightness(const RgbaImage::Pixel& p) { return p[0] + p[1] + p[2]; }

TEST_F(EditorRelief, TilesShowTheirTopsBevelsAndTheBackground) {
  const std::optional<RgbaImage> image = snapshot();
  ASSERT_TRUE(image);
  keepPicture(*image, "editor-relief");
  ASSERT_EQ(image->width(), 320);
  ASSERT_EQ(image->height(), 240);
  for (const auto& [x, y] : {std::pair{-10.0, -10.0}, {50.0, 30.0}, {20.0, 30.0}}) {
    SCOPED_TRACE(::testing::Message() << x << ", " << y);
    EXPECT_EQ(at(*image, x, y), (RgbaImage::Pixel{230, 217, 204, 255}));
  }
  for (const double left : {0.0, 20.0}) {
    SCOPED_TRACE(left);
    // The middle, where the roof's faces meet, in the tile's blue.
    const auto& top = at(*image, left + 10.0, 10.0);
    EXPECT_GT(top[2], top[0] + 40);
    // The bevels: the one facing the light, far up the y axis, is brighter
    // than the one facing away.
    const auto& towards = at(*image, left + 10.0, 17.0);
    const auto& away = at(*image, left + 10.0, 3.0);
    EXPECT_GT(brightness(towards), brightness(away) + 40);
    // The black band along the rim.
    const auto& rim = at(*image, left + 10.0, 19.6);
    EXPECT_LT(brightness(rim), brightness(away));
  }
  // The editor's camera and content are as before.
  EXPECT_EQ(position(*editor().cameraNode()), (Vec3{540.0, 400.0, 900.0}));
}

TEST_F(EditorRelief, MetalnessChangesThePictureAndTheSameValueKeepsIt) {
  const std::optional<RgbaImage> before = snapshot();
  ASSERT_TRUE(before);
  harness_->command([&](ViewController& e) { e.updateMetalness(); });
  EXPECT_EQ(snapshot(), before);

  harness_->command([&](ViewController&) { document().setMetalness(1.0); });
  const std::optional<RgbaImage> metal = snapshot();
  ASSERT_TRUE(metal);
  keepPicture(*metal, "editor-relief-metal");
  EXPECT_NE(at(*metal, 10.0, 10.0), at(*before, 10.0, 10.0));
  EXPECT_NE(at(*metal, 30.0, 17.0), at(*before, 30.0, 17.0));
  EXPECT_EQ(at(*metal, -10.0, -10.0), at(*before, -10.0, -10.0));

  harness_->undo();
  EXPECT_EQ(snapshot(), before);
}

// The light turned a half turn about z now stands far down the y axis: the
// bevel facing down is the bright one.
TEST_F(EditorRelief, TurningTheLightTurnsTheShading) {
  harness_->command([&](ViewController&) { document().setLightAngleZ(180.0); });
  const std::optional<RgbaImage> image = snapshot();
  ASSERT_TRUE(image);
  keepPicture(*image, "editor-relief-turned-light");
  EXPECT_GT(brightness(at(*image, 10.0, 3.0)), brightness(at(*image, 10.0, 17.0)) + 40);
  EXPECT_EQ(at(*image, -10.0, -10.0), (RgbaImage::Pixel{230, 217, 204, 255}));
}

TEST_F(EditorRelief, ExportWithAlphaLeavesTheBackgroundClear) {
  harness_->command([&](ViewController&) { document().setExportAlpha(true); });
  const std::optional<RgbaImage> image = snapshot();
  ASSERT_TRUE(image);
  EXPECT_EQ(at(*image, -10.0, -10.0)[3], 0);
  EXPECT_EQ(at(*image, 10.0, 10.0)[3], 255);
}

// A block of four squares crosses in its middle: with crossings on, the
// raised crossing carries the vertical line's bands across the horizontal
// one, so beside the crossing point, on the horizontal line, the widest
// band's yellow shows where the narrower black band met it before.
class EditorReliefBlock : public EditorRelief {
protected:
  void SetUp() override {
    rows = 2;
    EditorRelief::SetUp();
  }
};

TEST_F(EditorReliefBlock, CrossingsRiseInTheWidestBandsColour) {
  harness_->command([&](ViewController&) {
    document().setBorderWidth2(4.0);
    document().setBorderColor2({1.0, 0.8, 0.0, 1.0});
  });
  const std::optional<RgbaImage> plain = snapshot();
  ASSERT_TRUE(plain);
  keepPicture(*plain, "editor-relief-uncrossed");
  harness_->command([&](ViewController&) { document().setCrossings(CrossingStatus::on); });
  const std::optional<RgbaImage> crossed = snapshot();
  ASSERT_TRUE(crossed);
  keepPicture(*crossed, "editor-relief-crossing");
  for (const auto& [x, y] : {std::pair{21.2, 20.0}, {18.8, 20.0}}) {
    SCOPED_TRACE(::testing::Message() << x << ", " << y);
    const auto& p = at(*crossed, x, y);
    EXPECT_GT(p[0], 120);
    EXPECT_GT(p[1], 90);
    EXPECT_LT(p[2], p[1] - 40);
    EXPECT_NE(p, at(*plain, x, y));
  }
  // Away from the crossing the picture is the plain one.
  EXPECT_EQ(at(*crossed, 10.0, 10.0), at(*plain, 10.0, 10.0));
}

// The export's picture taken apart from the editor and drawn on another
// thread, in an OpenGL context of that thread, is the picture the editor's
// own scene gives, pixel for pixel: crossings, a tile of another colour, a
// turned light and a see-through background included.
TEST_F(EditorReliefBlock, ADetachedReliefDrawnOnAnotherThreadIsTheEditorsPicture) {
  harness_->command([&](ViewController& e) {
    document().setBorderWidth2(4.0);
    document().setBorderColor2({1.0, 0.8, 0.0, 1.0});
    document().setCrossings(CrossingStatus::on);
    document().setLightAngleZ(40.0);
    document().setExportAlpha(true);
    e.setShapeColor(e.graph().shapes().front(), {0.9, 0.1, 0.1, 1.0});
  });
  const std::optional<RgbaImage> onThread = snapshot();
  ASSERT_TRUE(onThread);
  std::optional<DetachedRelief> taken = takeRelief3DImage(document());
  ASSERT_TRUE(taken);
  // The editor goes on; the copy keeps the picture as it was taken.
  harness_->command([&](ViewController&) { document().setLightAngleZ(200.0); });

  std::optional<RgbaImage> offThread;
  std::string error;
  std::thread([&] {
    const ornival::OsMesaContext context;
    auto renderer = GlSceneRenderer::create(ornival::OsMesaContext::procAddress, error);
    if (!context.valid() || !renderer)
      return;
    offThread = drawRelief3DImage(*taken, [&](std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode> eye,
                                             const Camera& camera, Color color) -> std::unique_ptr<SnapshotRenderer> {
      return std::make_unique<GlOffscreenRenderer>(*renderer, std::move(scene), std::move(eye), camera, color);
    });
    renderer.reset();
  }).join();
  ASSERT_TRUE(offThread) << error;
  keepPicture(*offThread, "editor-relief-off-thread");
  EXPECT_TRUE(*offThread == *onThread);
  EXPECT_NE(snapshot(), onThread);
}

}  // namespace
}  // namespace ornival

namespace ornival {
namespace {

// The relief's copy draws one node per solid and material with the tiles'
// places as instances; it must show what a node per tile shows: tiles of
// several colours and materials, turned ones, rippled ones, see-through ones
// and marks hanging upside down, seen through the editor's kind of camera
// and lights. Only pixels on an edge may differ, by rounding.
TEST(ReliefCopy, OneNodePerMaterialShowsWhatANodePerTileShows) {
  const ornival::OsMesaContext context;
  if (!context.valid())
    GTEST_SKIP() << "no OpenGL 3.3 core context";
  std::string error;
  const auto renderer = GlSceneRenderer::create(ornival::OsMesaContext::procAddress, error);
  ASSERT_NE(renderer, nullptr) << error;
  Materials::resetForTesting();

  auto tiles = ornival::testing::squareGrid(9, 4);
  for (auto& tile : ornival::testing::triangleGrid(5, 2)) {
    tile->transformation = tile->transformation.concatenating(AffineTransform::translation(0.0, 90.0));
    tile->updateTransformedGeometry();
    tiles.push_back(std::move(tile));
  }
  const auto shapes = SceneNode::create();
  const auto marks = SceneNode::create();
  const Color colours[] = {{0.2, 0.4, 0.8, 1.0}, {0.9, 0.5, 0.1, 1.0}, {0.3, 0.8, 0.3, 0.6}};
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const auto& tile = tiles[i];
    tile->setShapeColor(colours[i % 3]);
    if (i % 4 == 1) {
      tile->setRipple(0.6);
      tile->setRippleScale(3.0);
    }
    if (i % 5 == 2)
      tile->setMetalness(0.9);
    shapes->addChildNode(tile->node());
    if (i % 7 == 3)
      tile->showMark(true, marks);
  }

  const auto draw = [&](bool byMaterial) {
    const auto scene = Scene::create();
    const auto content = SceneNode::create();
    const auto eye = SceneNode::create();
    scene->rootNode()->addChildNode(content);
    scene->rootNode()->addChildNode(eye);
    ornival::testing::addReliefLights(*scene);
    // Turned and tilted a little, so that the sides show too.
    content->setTransform(Transform3D::scale(3.0, 3.0, 2.0).concatenating(
        Transform3D::rotation({1.0, 0.2, 0.0}, 0.4)).concatenating(Transform3D::translation(-280.0, -200.0, 0.0)));
    for (const auto& tree : {shapes, marks})
      content->addChildNode(byMaterial ? tree->flattenedByMaterial() : tree->flattenedClone());
    eye->setTransform(Transform3D::translation(0.0, 0.0, 900.0));
    const Camera camera{240.0, 1.0, 3000.0};
    GlOffscreenRenderer offscreen(*renderer, scene, eye, camera, Color::white());
    return offscreen.snapshot(480, 400, false);
  };
  const auto perTile = draw(false);
  const auto perMaterial = draw(true);
  ASSERT_TRUE(perTile && perMaterial);
  int differing = 0;
  int tilePixels = 0;
  for (int y = 0; y < perTile->height(); ++y) {
    for (int x = 0; x < perTile->width(); ++x) {
      const auto& a = perTile->pixel(x, y);
      const auto& b = perMaterial->pixel(x, y);
      tilePixels += a != RgbaImage::Pixel{255, 255, 255, 255} ? 1 : 0;
      int most = 0;
      for (std::size_t k = 0; k < 4; ++k)
        most = std::max(most, std::abs(int(a[k]) - int(b[k])));
      differing += most > 2 ? 1 : 0;
    }
  }
  // Most of the picture shows tiles, and all but a few of those pixels agree.
  EXPECT_GT(tilePixels, perTile->width() * perTile->height() / 3);
  EXPECT_LE(differing, tilePixels / 500) << differing << " of " << tilePixels;
  keepPicture(*perTile, "relief-per-tile");
  keepPicture(*perMaterial, "relief-per-material");
  Materials::resetForTesting();
}

}  // namespace
}  // namespace ornival
