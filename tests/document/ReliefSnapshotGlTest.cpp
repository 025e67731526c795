#include "document/ReliefSnapshot.h"
#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/Geometry.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/OsMesaContext.h"
#include "support/PngFile.h"
#include "support/ReliefLights.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace ornival {
namespace {

using ornival::testing::keepPicture;

// Two squares of 20 canvas units side by side, lit and seen as the editor's
// relief view shows them: content and camera under the root, an ambient light
// and an omni light high above the far side.
class Relief : public ::testing::Test {
protected:
  void SetUp() override {
    if (!context_.valid())
      GTEST_SKIP() << "no OpenGL 3.3 core context";
    std::string error;
    renderer_ = GlSceneRenderer::create(ornival::OsMesaContext::procAddress, error);
    ASSERT_NE(renderer_, nullptr) << error;

    Materials::resetForTesting();
    scene->rootNode()->addChildNode(content);
    scene->rootNode()->addChildNode(cameraNode);
    cameraNode->setTransform(Transform3D::translation(0.0, 0.0, 900.0));
    ornival::testing::addReliefLights(*scene);

    tiles = ornival::testing::squareGrid(2, 1);
    for (const auto& tile : tiles) {
      tile->setShapeColor(tileColor);
      content->addChildNode(tile->node());
    }
    offscreen_ = std::make_unique<GlOffscreenRenderer>(*renderer_, scene, cameraNode, camera, background);
  }
  void TearDown() override {
    tiles.clear();
    Materials::resetForTesting();
  }

  // The page from (-10, -10) to (50, 30), 4 pixels a canvas unit unless told.
  std::optional<RgbaImage> snapshot(int largestPass = ReliefPasses::largestPass, int width = 240, int height = 160) {
    const ReliefFraming framing{{{-10.0, -10.0}, {60.0, 40.0}}, 0.0, 1.0, width, height, largestPass};
    return reliefSnapshot(*offscreen_, {camera, *cameraNode, *content}, framing);
  }

  // The pixel at canvas point (x, y) of a 240 × 160 picture.
  static const RgbaImage::Pixel& at(const RgbaImage& image, double x, double y) {
    return image.pixelUp(int((x + 10.0) * 4.0), int((y + 10.0) * 4.0));
  }

  static constexpr Color tileColor{0.2, 0.4, 0.8, 1.0};
  static constexpr Color background{0.9, 0.85, 0.8, 1.0};
  std::shared_ptr<Scene> scene = Scene::create();
  std::shared_ptr<SceneNode> content = SceneNode::create();
  std::shared_ptr<SceneNode> cameraNode = SceneNode::create();
  Camera camera{100.0, 1.0, 3000.0};
  std::vector<std::shared_ptr<Shape>> tiles;

private:
  ornival::OsMesaContext context_;

protected:
  std::unique_ptr<GlSceneRenderer> renderer_;
  std::unique_ptr<GlOffscreenRenderer> offscreen_;
};

int brightness(const RgbaImage::Pixel& p) { return p[0] + p[1] + p[2]; }

TEST_F(Relief, TilesShowLitFacesDarkRimsAndTheBackground) {
  const std::optional<RgbaImage> image = snapshot();
  ASSERT_TRUE(image);
  keepPicture(*image, "relief");
  ASSERT_EQ(image->width(), 240);
  ASSERT_EQ(image->height(), 160);

  // Around the tiles: the background, exactly.
  for (const auto& [x, y] : {std::pair{-5.0, -5.0}, {45.0, 25.0}, {20.0, 27.0}}) {
    SCOPED_TRACE(::testing::Message() << x << ", " << y);
    EXPECT_EQ(at(*image, x, y), (RgbaImage::Pixel{230, 217, 204, 255}));
  }
  // The roof faces show the tile's blue; the one turned towards the light,
  // which stands far up the y axis, is the brighter, whichever tile it is.
  for (double left : {0.0, 20.0}) {
    SCOPED_TRACE(left);
    const auto& towards = at(*image, left + 10.0, 16.0);
    const auto& away = at(*image, left + 10.0, 4.0);
    for (const auto* face : {&towards, &away}) {
      EXPECT_GT((*face)[2], (*face)[0] + 40);
      EXPECT_EQ((*face)[3], 255);
    }
    EXPECT_GT(brightness(towards), brightness(away) + 60);
    // The black band along the rim: no blue in it, only the grey of the
    // lights it reflects.
    for (const double y : {19.5, 0.5}) {
      const auto& rim = at(*image, left + 10.0, y);
      EXPECT_LE(std::abs(rim[2] - rim[0]), 4) << y;
      EXPECT_LT(brightness(rim), brightness(towards) - 100) << y;
    }
  }
}

TEST_F(Relief, InterleavedPassesAgreeWithOnePass) {
  const std::optional<RgbaImage> single = snapshot();
  const std::optional<RgbaImage> interleaved = snapshot(120);
  ASSERT_TRUE(single);
  ASSERT_TRUE(interleaved);
  keepPicture(*interleaved, "relief-2x2");
  ASSERT_EQ(interleaved->width(), single->width());
  ASSERT_EQ(interleaved->height(), single->height());
  // The same picture up to antialiasing: four samples a pixel spread over four
  // renders against multisampling in one.
  double difference = 0.0;
  int far = 0;
  for (int y = 0; y < single->height(); ++y)
    for (int x = 0; x < single->width(); ++x)
      for (std::size_t c = 0; c < 4; ++c) {
        const int d = std::abs(int(single->pixel(x, y)[c]) - int(interleaved->pixel(x, y)[c]));
        difference += d;
        far += d > 96 ? 1 : 0;
      }
  difference /= double(single->width() * single->height() * 4);
  EXPECT_GT(difference, 0.0);
  EXPECT_LT(difference, 2.0);
  EXPECT_LT(far, 40);
}

TEST_F(Relief, MetalnessChangesThePictureAndTheSameValueKeepsTheMaterial) {
  const std::optional<RgbaImage> before = snapshot();
  const auto material = tiles.front()->geometry()->firstMaterial();
  for (const auto& tile : tiles)
    tile->setMetalness(tile->metalness());
  EXPECT_EQ(tiles.front()->geometry()->firstMaterial(), material);
  EXPECT_EQ(snapshot(), before);

  for (const auto& tile : tiles)
    tile->setMetalness(1.0);
  EXPECT_NE(tiles.front()->geometry()->firstMaterial(), material);
  const std::optional<RgbaImage> metal = snapshot();
  ASSERT_TRUE(metal);
  keepPicture(*metal, "relief-metal");
  EXPECT_NE(at(*metal, 10.0, 16.0), at(*before, 10.0, 16.0));
  EXPECT_NE(at(*metal, 10.0, 4.0), at(*before, 10.0, 4.0));
  // The background stays.
  EXPECT_EQ(at(*metal, -5.0, -5.0), at(*before, -5.0, -5.0));
}

TEST_F(Relief, HiddenRootShowsOnlyTheBackground) {
  scene->rootNode()->setHidden(true);
  const std::optional<RgbaImage> image = snapshot();
  ASSERT_TRUE(image);
  RgbaImage plain(240, 160);
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 240; ++x)
      plain.pixel(x, y) = {230, 217, 204, 255};
  EXPECT_EQ(*image, plain);
}

TEST_F(Relief, AShaderThatDoesNotBuildGivesNoPictureAndSaysWhy) {
  auto broken = tiles.back()->geometry()->firstMaterial()->copy();
  broken->shaderModifiers[ShaderEntryPoint::surface] = "void modifySurface(inout Surface surface) { nonsense; }";
  tiles.back()->geometry()->setFirstMaterial(broken);
  EXPECT_FALSE(snapshot());
  EXPECT_NE(renderer_->error().find("did not build"), std::string::npos) << renderer_->error();
  // The camera is back where it was.
  EXPECT_EQ(position(*cameraNode), (Vec3{0.0, 0.0, 900.0}));
  EXPECT_EQ(camera.orthographicScale, 100.0);

  // Once the material is whole again, so is the picture.
  tiles.back()->applyMaterial();
  EXPECT_TRUE(snapshot());
  EXPECT_EQ(renderer_->error(), "");
}

}  // namespace
}  // namespace ornival
