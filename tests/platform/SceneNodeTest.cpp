#include "platform/SceneNode.h"

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

TEST(SceneNodeDeathTest, AddingAnAncestorAsChildStops) {
  const auto root = SceneNode::create();
  const auto child = SceneNode::create();
  root->addChildNode(child);
  EXPECT_DEATH(child->addChildNode(root), "");
  EXPECT_DEATH(root->addChildNode(root), "");
}

}  // namespace
}  // namespace ornival
