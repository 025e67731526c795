#include "app/core/SurfacePreview.h"
#include "document/Document.h"
#include "model/Materials.h"
#include "platform/Geometry.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(SurfacePreview, TakesTheBandsByWidthTheRippleScaleAndTheHeightFromTheDocument) {
  auto document = Document::create();
  document->setBorderWidth(3.0);
  document->setBorderWidth2(1.0);
  document->setBorderWidth3(2.0);
  document->setBorderColor({1, 0, 0, 1});
  document->setBorderColor2({0, 1, 0, 1});
  document->setBorderColor3({0, 0, 1, 1});
  document->setRippleScale(0.5);
  document->setMetalness(0.25);
  document->setSurfaceZscale(0.4);
  SurfacePreview preview;
  preview.update(*document);
  const MaterialProperty& property = preview.materialProperty();
  ASSERT_EQ(property.lineAttributes.size(), 3u);
  EXPECT_EQ(property.lineAttributes[0], (LineAttribute{1.0, {0, 1, 0, 1}}));
  EXPECT_EQ(property.lineAttributes[1], (LineAttribute{2.0, {0, 0, 1, 1}}));
  EXPECT_EQ(property.lineAttributes[2], (LineAttribute{3.0, {1, 0, 0, 1}}));
  EXPECT_EQ(property.rippleScale, 15.0f);
  EXPECT_EQ(property.metalness, 0.25f);
  EXPECT_EQ(property.scale, 1.0f);
  EXPECT_EQ(property.color, document->shapeColor());
  EXPECT_EQ(preview.sphere()->transform().m[2][2], 0.4);
  EXPECT_EQ(preview.sphere()->geometry()->firstMaterial(), Materials::material(property));
  EXPECT_EQ(preview.sphere()->name(), "sphere");
  EXPECT_EQ(preview.light()->parentNode(), preview.scene()->rootNode());
}

TEST(SurfacePreview, TheLightTurnsWithTheAnglesAboutTheSphere) {
  auto document = Document::create();
  SurfacePreview preview;
  preview.update(*document);
  const Vec3 straight = position(*preview.light());
  EXPECT_EQ(straight.y, 1000.0);
  document->setLightAngleX(90.0);
  preview.update(*document);
  const Transform3D world = worldTransform(*preview.light());
  const Vec3 turned = world.apply({0, 0, 0});
  // Still as far from the sphere, elsewhere.
  const auto length = [](Vec3 v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); };
  EXPECT_NEAR(length(turned), length(straight), 1e-6);
  EXPECT_GT(std::abs(turned.y - straight.y), 100.0);
}

}  // namespace
}  // namespace ornival
