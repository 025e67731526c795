#include "platform/gl/GlSceneRenderer.h"

#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/OsMesaContext.h"
#include "support/ReliefLights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

// A pyramid over the square (-1, -1) to (1, 1) with its tip at height 1, each
// face with its own corners: the four roof faces, then the base as the same
// triangles at height 0 turned over, as tiles' solids are laid out. With
// baseFirst the base comes before the roof.
std::shared_ptr<Geometry> pyramid(bool baseFirst) {
  const Vec2 corners[] = {{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}};
  GeometrySources roof;
  GeometrySources base;
  for (std::size_t i = 0; i < 4; ++i) {
    const Vec2 a = corners[i];
    const Vec2 b = corners[(i + 1) % 4];
    const auto first = std::uint32_t(roof.positions.size());
    roof.positions.insert(roof.positions.end(), {{a.x, a.y, 0.0}, {b.x, b.y, 0.0}, {0.0, 0.0, 1.0}});
    roof.indices.insert(roof.indices.end(), {first, first + 1, first + 2});
    base.positions.insert(base.positions.end(), {{a.x, a.y, 0.0}, {b.x, b.y, 0.0}, {0.0, 0.0, 0.0}});
    base.indices.insert(base.indices.end(), {first + 2, first + 1, first});
  }
  GeometrySources& first = baseFirst ? base : roof;
  const GeometrySources& second = baseFirst ? roof : base;
  const auto offset = std::uint32_t(first.positions.size());
  first.positions.insert(first.positions.end(), second.positions.begin(), second.positions.end());
  for (const std::uint32_t index : second.indices)
    first.indices.push_back(index + offset);
  auto geometry = Geometry::create(first);
  auto material = Material::create();
  material->diffuse = {0.8, 0.5, 0.2, 1.0};
  geometry->setFirstMaterial(material);
  return geometry;
}

// Pyramids at a few places (turned about z, scaled, one mirrored: a list of
// its own, as the flattened copy keeps them) and one node of its own, drawn
// from where the eye is.
RgbaImage draw(GlSceneRenderer& renderer, bool baseFirst, const Transform3D& eye) {
  const auto scene = Scene::create();
  ornival::testing::addReliefLights(*scene);
  const auto content = SceneNode::create();
  scene->rootNode()->addChildNode(content);
  const auto solid = pyramid(baseFirst);
  const auto instanced = SceneNode::create(solid);
  instanced->setInstances(std::make_shared<const SceneNode::Instances>(SceneNode::Instances{
      Transform3D::translation(-3.0, -3.0, 0.0),
      Transform3D::rotation({0.0, 0.0, 1.0}, 0.4).concatenating(Transform3D::translation(3.0, -3.0, 0.0)),
      Transform3D::scale(1.5, 1.5, 2.0).concatenating(Transform3D::translation(-3.0, 3.0, 0.0))}));
  content->addChildNode(instanced);
  const auto mirrored = SceneNode::create(solid);
  mirrored->setInstances(std::make_shared<const SceneNode::Instances>(
      SceneNode::Instances{Transform3D::scale(-1.0, 1.0, 1.0).concatenating(Transform3D::translation(3.0, 3.0, 0.0))}));
  content->addChildNode(mirrored);
  const auto single = SceneNode::create(solid);
  single->setTransform(Transform3D::translation(0.0, 0.0, 0.5));
  content->addChildNode(single);
  const auto eyeNode = SceneNode::create();
  eyeNode->setTransform(eye);
  scene->rootNode()->addChildNode(eyeNode);
  GlOffscreenRenderer offscreen(renderer, scene, eyeNode, Camera{7.0, 1.0, 100.0}, Color{0.1, 0.2, 0.3, 1.0});
  const auto picture = offscreen.snapshot(120, 120, true);
  EXPECT_TRUE(picture.has_value());
  return picture ? *picture : RgbaImage(1, 1);
}

bool same(const RgbaImage& a, const RgbaImage& b) {
  if (a.width() != b.width() || a.height() != b.height())
    return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return false;
  return true;
}

// A solid's base, last in its mesh, is left out where it faces away from the
// eye; the picture stays what the whole mesh draws, from above, from below
// (where the base is all that shows) and from the side.
TEST(GlSceneRenderer, LeavingOutABaseTurnedAwayKeepsThePicture) {
  const OsMesaContext context;
  if (!context.valid())
    GTEST_SKIP() << "no OpenGL 3.3 core context";
  std::string error;
  const auto renderer = GlSceneRenderer::create(OsMesaContext::procAddress, error);
  ASSERT_NE(renderer, nullptr) << error;
  const double pi = std::numbers::pi;
  const struct {
    const char* name;
    Transform3D eye;
  } eyes[] = {
      {"above", Transform3D::translation(0.0, 0.0, 50.0)},
      {"below", Transform3D::rotation({1.0, 0.0, 0.0}, pi).concatenating(Transform3D::translation(0.0, 0.0, -50.0))},
      {"tilted", Transform3D::rotation({1.0, 0.0, 0.0}, 1.2).concatenating(Transform3D::translation(0.0, -47.0, 17.0))},
      {"beside", Transform3D::rotation({1.0, 0.0, 0.0}, pi / 2).concatenating(Transform3D::translation(0.0, -50.0, 0.0))},
  };
  std::vector<RgbaImage> pictures;
  for (const auto& eye : eyes) {
    SCOPED_TRACE(eye.name);
    const RgbaImage baseLast = draw(*renderer, false, eye.eye);
    EXPECT_TRUE(same(baseLast, draw(*renderer, true, eye.eye)));
    pictures.push_back(baseLast);
  }
  // Each eye sees the solids otherwise.
  for (std::size_t i = 1; i < pictures.size(); ++i)
    EXPECT_FALSE(same(pictures[i - 1], pictures[i])) << eyes[i].name;
}

// Small pyramids at the given places, as one instanced node, seen from the eye.
RgbaImage drawPlaces(GlSceneRenderer& renderer, const SceneNode::Instances& places, const Transform3D& eye) {
  const auto scene = Scene::create();
  ornival::testing::addReliefLights(*scene);
  const auto node = SceneNode::create(pyramid(false));
  node->setInstances(std::make_shared<const SceneNode::Instances>(places));
  scene->rootNode()->addChildNode(node);
  const auto eyeNode = SceneNode::create();
  eyeNode->setTransform(eye);
  scene->rootNode()->addChildNode(eyeNode);
  GlOffscreenRenderer offscreen(renderer, scene, eyeNode, Camera{7.0, 1.0, 100.0}, Color{0.1, 0.2, 0.3, 1.0});
  const auto picture = offscreen.snapshot(120, 120, true);
  EXPECT_TRUE(picture.has_value());
  return picture ? *picture : RgbaImage(1, 1);
}

// A grid of columns × rows places 0.4 apart from (x, y), pyramids a fifth
// of the size.
void addGrid(SceneNode::Instances& places, double x, double y, int columns, int rows) {
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      places.push_back(Transform3D::scale(0.2, 0.2, 0.2).concatenating(
          Transform3D::translation(x + 0.4 * column, y + 0.4 * row, 0.0)));
}

// Places far outside the view are left out by the hundreds, and the picture
// is that of the places in view alone; places that reach into the view are
// drawn, also where most of them lies outside.
TEST(GlSceneRenderer, PlacesOutsideTheViewAreLeftOutAndThoseReachingInAreDrawn) {
  const OsMesaContext context;
  if (!context.valid())
    GTEST_SKIP() << "no OpenGL 3.3 core context";
  std::string error;
  const auto renderer = GlSceneRenderer::create(OsMesaContext::procAddress, error);
  ASSERT_NE(renderer, nullptr) << error;
  const Transform3D eyes[] = {
      Transform3D::translation(0.0, 0.0, 50.0),
      Transform3D::rotation({0.0, 0.0, 1.0}, 0.7).concatenating(Transform3D::translation(0.0, 0.0, 50.0)),
  };
  for (const Transform3D& eye : eyes) {
    SceneNode::Instances inView;
    addGrid(inView, -6.0, -6.0, 16, 16);
    SceneNode::Instances withFarOnes;
    addGrid(withFarOnes, -6.0, -6.0, 16, 16);
    addGrid(withFarOnes, 1000.0, 0.0, 16, 16);
    addGrid(withFarOnes, 0.0, -1000.0, 16, 16);
    addGrid(inView, 1.0, 1.0, 10, 10);
    addGrid(withFarOnes, 1.0, 1.0, 10, 10);
    EXPECT_TRUE(same(drawPlaces(*renderer, withFarOnes, eye), drawPlaces(*renderer, inView, eye)));
  }

  // Hundreds of large pyramids on the left edge of the view, half outside,
  // and a few more in the middle.
  SceneNode::Instances onTheEdge;
  for (int i = 0; i < 256; ++i)
    onTheEdge.push_back(Transform3D::translation(-7.0, 3.0, 0.01 * i));
  addGrid(onTheEdge, 2.0, 2.0, 4, 4);
  const RgbaImage picture = drawPlaces(*renderer, onTheEdge, eyes[0]);
  const RgbaImage::Pixel background = picture.pixel(60, 110);
  EXPECT_NE(picture.pixel(2, 34), background);
}

}  // namespace
}  // namespace ornival
