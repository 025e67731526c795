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
// Removal leaves a place to close up later rather than scanning the siblings:
// whatever order children leave in, and however many, the others keep their
// order, and each still knows its place to leave or be replaced from.
TEST(SceneNode, RemovingManyChildrenKeepsTheOthersInOrder) {
  const auto root = SceneNode::create();
  std::vector<std::shared_ptr<SceneNode>> children;
  for (int i = 0; i < 100; ++i) {
    children.push_back(SceneNode::create());
    root->addChildNode(children.back());
  }
  std::vector<std::shared_ptr<SceneNode>> expected;
  // Every third from the front, then all but every fifth of the rest from the
  // back, past the point where the list is closed up.
  for (std::size_t i = 0; i < children.size(); i += 3)
    children[i]->removeFromParentNode();
  for (std::size_t i = children.size(); i-- > 0;) {
    if (i % 3 == 0)
      continue;
    if (i % 5 == 0)
      expected.insert(expected.begin(), children[i]);
    else
      children[i]->removeFromParentNode();
  }
  EXPECT_EQ(root->childNodes(), expected);
  for (std::size_t i = 0; i < children.size(); ++i)
    EXPECT_EQ(children[i]->parentNode(), i % 3 != 0 && i % 5 == 0 ? root : nullptr) << i;

  // The places survive the closing up: replace, remove and add again.
  const auto fresh = SceneNode::create();
  root->replaceChildNode(expected[2], fresh);
  expected[2] = fresh;
  expected[4]->removeFromParentNode();
  expected.erase(expected.begin() + 4);
  root->addChildNode(expected[0]);
  expected.push_back(expected[0]);
  expected.erase(expected.begin());
  EXPECT_EQ(root->childNodes(), expected);
}

// One child per solid, material, opacity and facing, in the order their
// first node comes in the tree, drawing the solid at every place it shows.
TEST(SceneNode, FlattenedByMaterialDrawsEachSolidAndMaterialOnce) {
  const auto solidA = Geometry::create({{{0.0, 0.0, 0.0}}, {{0.0, 0.0}}, {}, {}});
  const auto solidB = Geometry::create({{{1.0, 0.0, 0.0}}, {{0.0, 0.0}}, {}, {}});
  const auto m1 = Material::create();
  const auto m2 = Material::create();
  const auto tile = [](const std::shared_ptr<Geometry>& solid, const std::shared_ptr<Material>& material,
                       const Transform3D& place) {
    auto geometry = solid->copy();
    geometry->setFirstMaterial(material);
    auto node = SceneNode::create(geometry);
    node->setTransform(place);
    return node;
  };
  const auto root = SceneNode::create();
  root->setName("shapes");
  const auto t = [](double x) { return Transform3D::translation(x, 0.0, 0.0); };
  const auto mirrored = Transform3D::scale(1.0, 1.0, -1.0);
  const auto hidden = tile(solidA, m1, t(5));
  hidden->setHidden(true);
  const auto faded = SceneNode::create();
  faded->setOpacity(0.5);
  faded->setTransform(t(100));
  faded->addChildNode(tile(solidA, m1, t(7)));
  for (const auto& node : {tile(solidA, m1, t(1)), tile(solidB, m1, t(2)), tile(solidA, m2, t(3)),
                           tile(solidA, m1, t(4)), hidden, tile(solidA, m1, mirrored), faded})
    root->addChildNode(node);

  const auto flat = root->flattenedByMaterial();
  EXPECT_EQ(flat->name(), "shapes");
  struct Expected {
    const Geometry* solid;
    const Material* material;
    double opacity;
    std::vector<Transform3D> places;
  };
  const std::vector<Expected> expected{{solidA.get(), m1.get(), 1.0, {t(1), t(4)}},
                                       {solidB.get(), m1.get(), 1.0, {t(2)}},
                                       {solidA.get(), m2.get(), 1.0, {t(3)}},
                                       {solidA.get(), m1.get(), 1.0, {mirrored}},
                                       {solidA.get(), m1.get(), 0.5, {t(107)}}};
  ASSERT_EQ(flat->childNodes().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& child = *flat->childNodes()[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(&child.geometry()->sources(), &expected[i].solid->sources());
    EXPECT_EQ(child.geometry()->firstMaterial().get(), expected[i].material);
    EXPECT_EQ(child.opacity(), expected[i].opacity);
    EXPECT_TRUE(child.transform().isIdentity());
    ASSERT_NE(child.instances(), nullptr);
    EXPECT_EQ(*child.instances(), expected[i].places);
  }

  // Flattened again, instances stand for their places, one node each.
  const auto again = flat->flattenedClone();
  ASSERT_EQ(again->childNodes().size(), 6u);
  EXPECT_EQ(again->childNodes()[1]->transform(), t(4));
  EXPECT_EQ(again->childNodes()[5]->opacity(), 0.5);
}

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
