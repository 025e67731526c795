#include "platform/Scene.h"

#include "platform/Geometry.h"
#include "platform/Material.h"

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

// A copy for another thread to draw: the same tree with every node's values,
// nodes, materials and lights of its own (a material shared in the original
// shared in the copy), and only the never-changing sources and places shared.
TEST(Scene, ADetachedCopyKeepsTheTreeAndSharesNothingThatChanges) {
  const auto scene = Scene::create();
  const auto content = SceneNode::create();
  const auto hidden = SceneNode::create();
  const auto lone = SceneNode::create();
  auto material = Material::create();
  material->diffuse = {0.2, 0.4, 0.8, 1.0};
  const auto geometry = Geometry::create({{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {}, {}, {0, 1, 2}});
  geometry->setFirstMaterial(material);
  const auto tile = SceneNode::create(geometry);
  const auto twin = SceneNode::create(geometry->copy());
  const auto places = std::make_shared<const SceneNode::Instances>(
      SceneNode::Instances{Transform3D::identity(), Transform3D::translation(2, 0, 0)});
  twin->setInstances(places);
  scene->rootNode()->setTransform(Transform3D::scale(2, 2, 2));
  scene->rootNode()->addChildNode(content);
  content->addChildNode(tile);
  content->addChildNode(twin);
  scene->rootNode()->addChildNode(hidden);
  content->setName("content");
  content->setTransform(Transform3D::translation(1, 2, 3));
  content->setOpacity(0.5);
  hidden->setHidden(true);
  twin->setRenderingOrder(3);
  const auto light = Light::create(LightType::omni, {0.5, 0.5, 0.5, 1.0});
  scene->addLight(hidden, light);
  scene->addLight(lone, Light::create(LightType::ambient));

  const DetachedScene copy = detachedCopy(*scene);
  const auto& root = copy.scene->rootNode();
  EXPECT_EQ(root->transform(), scene->rootNode()->transform());
  ASSERT_EQ(root->childNodes().size(), 2u);
  const auto copiedContent = copy.copyOf(content.get());
  ASSERT_EQ(copiedContent, root->childNodes()[0]);
  EXPECT_NE(copiedContent, content);
  EXPECT_EQ(copiedContent->name(), "content");
  EXPECT_EQ(copiedContent->transform(), content->transform());
  EXPECT_EQ(copiedContent->opacity(), 0.5);
  EXPECT_TRUE(copy.copyOf(hidden.get())->isHidden());
  EXPECT_EQ(copy.copyOf(lone.get()), nullptr);
  ASSERT_EQ(copiedContent->childNodes().size(), 2u);
  const auto& copiedTile = copiedContent->childNodes()[0];
  const auto& copiedTwin = copiedContent->childNodes()[1];
  EXPECT_EQ(copiedTwin->renderingOrder(), 3);
  EXPECT_EQ(copiedTwin->instances(), places);
  EXPECT_NE(copiedTile->geometry(), geometry);
  EXPECT_EQ(&copiedTile->geometry()->sources(), &geometry->sources());
  EXPECT_NE(copiedTile->geometry()->firstMaterial(), material);
  EXPECT_EQ(copiedTile->geometry()->firstMaterial(), copiedTwin->geometry()->firstMaterial());
  // The light whose node is outside the tree shines nowhere and stays out.
  ASSERT_EQ(copy.scene->lights().size(), 1u);
  EXPECT_EQ(copy.scene->lights()[0].node, copy.copyOf(hidden.get()));
  EXPECT_NE(copy.scene->lights()[0].light, light);

  // Edits of the original after the copy leave it as it was.
  material->diffuse = Color::black();
  light->color = Color::white();
  content->setTransform(Transform3D::identity());
  tile->removeFromParentNode();
  EXPECT_EQ(copiedTile->geometry()->firstMaterial()->diffuse, (Color{0.2, 0.4, 0.8, 1.0}));
  EXPECT_EQ(copy.scene->lights()[0].light->color, (Color{0.5, 0.5, 0.5, 1.0}));
  EXPECT_EQ(copiedContent->transform(), Transform3D::translation(1, 2, 3));
  EXPECT_EQ(copiedContent->childNodes().size(), 2u);
}

}  // namespace
}  // namespace ornival
