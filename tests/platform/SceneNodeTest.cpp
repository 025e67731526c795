#include "platform/SceneNode.h"

#include "platform/Material.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(SceneNode, ChildrenAreOwnedAndPointBackWeakly) {
  const auto root = SceneNode::create();
  const auto other = SceneNode::create();
  auto a = SceneNode::create();
  const auto b = SceneNode::create();
  root->addChildNode(a);
  root->addChildNode(b);
  EXPECT_EQ(root->childNodes(), (std::vector{a, b}));
  EXPECT_EQ(a->parentNode(), root);

  // Adding again moves the child to the end; adding elsewhere moves it there.
  root->addChildNode(a);
  EXPECT_EQ(root->childNodes(), (std::vector{b, a}));
  other->addChildNode(a);
  EXPECT_EQ(root->childNodes(), (std::vector{b}));
  EXPECT_EQ(a->parentNode(), other);

  // The parent may hold the last reference to the node it lets go of.
  const std::weak_ptr<SceneNode> watch = a;
  a.reset();
  other->childNodes().front()->removeFromParentNode();
  EXPECT_TRUE(watch.expired());
  EXPECT_TRUE(other->childNodes().empty());

  // Removing a node without parent changes nothing.
  other->removeFromParentNode();
  EXPECT_EQ(other->parentNode(), nullptr);
}

TEST(SceneNode, ChildOutlivingItsParentHasNoParent) {
  const auto child = SceneNode::create();
  {
    const auto parent = SceneNode::create();
    parent->addChildNode(child);
  }
  EXPECT_EQ(child->parentNode(), nullptr);
  child->removeFromParentNode();
}

TEST(SceneNode, ReplacingAChildKeepsItsPlace) {
  const auto root = SceneNode::create();
  const auto elsewhere = SceneNode::create();
  const auto a = SceneNode::create();
  const auto b = SceneNode::create();
  const auto c = SceneNode::create();
  const auto fresh = SceneNode::create();
  root->addChildNode(a);
  root->addChildNode(b);
  root->addChildNode(c);
  elsewhere->addChildNode(fresh);

  root->replaceChildNode(b, fresh);
  EXPECT_EQ(root->childNodes(), (std::vector{a, fresh, c}));
  EXPECT_EQ(fresh->parentNode(), root);
  EXPECT_EQ(b->parentNode(), nullptr);
  EXPECT_TRUE(elsewhere->childNodes().empty());

  // A sibling taken as the replacement leaves its own place.
  root->replaceChildNode(fresh, c);
  EXPECT_EQ(root->childNodes(), (std::vector{a, c}));
}

// Nodes with geometry come out as one level of children placed in the
// clone's space, in tree order; hidden subtrees and grouping nodes vanish.
TEST(SceneNode, FlattenedCloneIsAShallowSnapshotOfTheVisibleGeometry) {
  const auto mesh = [] { return Geometry::create({{{0.0, 0.0, 0.0}}, {{0.0, 0.0}}, {}, {}}); };
  const auto root = SceneNode::create();
  root->setName("shapes");
  root->setTransform(Transform3D::scale(5.0, 5.0, 5.0));
  const auto group = SceneNode::create();
  group->setTransform(Transform3D::translation(10.0, 0.0, 0.0));
  group->setOpacity(0.5);
  const auto first = SceneNode::create(mesh());
  first->setTransform(Transform3D::scale(2.0, 2.0, 2.0));
  first->setOpacity(0.5);
  first->geometry()->setFirstMaterial(Material::create());
  const auto nested = SceneNode::create(mesh());
  nested->setTransform(Transform3D::translation(0.0, 1.0, 0.0));
  const auto hiddenGroup = SceneNode::create(mesh());
  hiddenGroup->setHidden(true);
  hiddenGroup->addChildNode(SceneNode::create(mesh()));
  const auto second = SceneNode::create(mesh());
  root->addChildNode(group);
  group->addChildNode(first);
  first->addChildNode(nested);
  root->addChildNode(hiddenGroup);
  root->addChildNode(second);

  const auto flat = root->flattenedClone();
  EXPECT_EQ(flat->name(), "shapes");
  EXPECT_EQ(flat->transform(), root->transform());
  ASSERT_EQ(flat->childNodes().size(), 3u);
  const auto& children = flat->childNodes();
  for (const auto& child : children)
    EXPECT_TRUE(child->childNodes().empty());
  // first: scaled by 2, then moved by the group.
  EXPECT_EQ(children[0]->transform().apply({1.0, 1.0, 0.0}), (Vec3{12.0, 2.0, 0.0}));
  EXPECT_DOUBLE_EQ(children[0]->opacity(), 0.25);
  EXPECT_EQ(&children[0]->geometry()->sources(), &first->geometry()->sources());
  // nested: moved up 1 in first's space, which is scaled by 2.
  EXPECT_EQ(children[1]->transform().apply({0.0, 0.0, 0.0}), (Vec3{10.0, 2.0, 0.0}));
  EXPECT_DOUBLE_EQ(children[1]->opacity(), 0.25);
  EXPECT_EQ(children[2]->transform(), Transform3D::identity());

  // Later changes to the original leave the snapshot alone.
  const auto material = children[0]->geometry()->firstMaterial();
  first->geometry()->setFirstMaterial(Material::create());
  first->setTransform(Transform3D::identity());
  EXPECT_EQ(children[0]->geometry()->firstMaterial(), material);
  EXPECT_EQ(children[0]->transform().apply({1.0, 1.0, 0.0}), (Vec3{12.0, 2.0, 0.0}));
  EXPECT_EQ(root->childNodes().size(), 3u);
}

TEST(SceneNodeDeathTest, AddingAnAncestorAsChildStops) {
  const auto root = SceneNode::create();
  const auto child = SceneNode::create();
  root->addChildNode(child);
  EXPECT_DEATH(child->addChildNode(root), "");
  EXPECT_DEATH(root->addChildNode(root), "");
  EXPECT_DEATH(child->replaceChildNode(child, SceneNode::create()), "");
  EXPECT_DEATH(root->replaceChildNode(child, root), "");
}

}  // namespace
}  // namespace ornival
