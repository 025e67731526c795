#include "platform/Scene.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(Scene, WorldTransformAppliesTheNodeFirstThenItsAncestors) {
  const auto scene = Scene::create();
  const auto middle = SceneNode::create();
  const auto leaf = SceneNode::create();
  scene->rootNode()->addChildNode(middle);
  middle->addChildNode(leaf);
  scene->rootNode()->setTransform(Transform3D::translation(100.0, 0.0, 0.0));
  middle->setTransform(Transform3D::scale(2.0, 3.0, 4.0));
  leaf->setTransform(Transform3D::translation(1.0, 1.0, 1.0));

  // Moved by the leaf, scaled by the middle, moved again by the root.
  EXPECT_EQ(worldTransform(*leaf).apply({0.0, 0.0, 0.0}), (Vec3{102.0, 3.0, 4.0}));
  EXPECT_EQ(worldTransform(*scene->rootNode()), scene->rootNode()->transform());
}

TEST(Scene, PositionIsTheTranslationAndMovingKeepsTheTurn) {
  const auto node = SceneNode::create();
  node->setTransform(Transform3D::scale(1.0, -1.0, 1.0).concatenating(Transform3D::translation(5.0, 6.0, 7.0)));
  EXPECT_EQ(position(*node), (Vec3{5.0, 6.0, 7.0}));
  setPosition(*node, {1.0, 2.0, 900.0});
  EXPECT_EQ(position(*node), (Vec3{1.0, 2.0, 900.0}));
  EXPECT_EQ(node->transform().apply({0.0, 1.0, 0.0}), (Vec3{1.0, 1.0, 900.0}));
}

TEST(Scene, LightsKeepTheirNodesAndOrder) {
  const auto scene = Scene::create();
  const auto ambient = Light::create(LightType::ambient, {0.6, 0.6, 0.6, 1.0});
  const auto omni = Light::create(LightType::omni);
  const auto node = SceneNode::create();
  scene->addLight(scene->rootNode(), ambient);
  scene->addLight(node, omni);
  ASSERT_EQ(scene->lights().size(), 2u);
  EXPECT_EQ(scene->lights()[0].light, ambient);
  EXPECT_EQ(scene->lights()[1].node, node);
  // The scene shares the light: a new colour shows at once.
  omni->color = Color::black();
  EXPECT_EQ(scene->lights()[1].light->color, Color::black());
}

}  // namespace
}  // namespace ornival
