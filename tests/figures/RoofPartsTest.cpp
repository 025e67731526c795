#include "figures/RoofParts.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

std::shared_ptr<Plane> plane(Vertex3 normal, double distance, Vec2 v0 = {0, 0}, Vec2 v1 = {1, 0}) {
  return Plane::create({v0.x, v0.y, 0}, v0, v1, normal, distance);
}

TEST(RoofParts, PlanesCompareByNormalAndDistanceOnly) {
  const auto a = plane({0, -1, 1}, 0.0);
  EXPECT_EQ(*a, *plane({0, -1.0009, 1}, 1.0 / 512 - 1e-9, {5, 5}, {6, 6}));
  EXPECT_FALSE(*a == *plane({0, -1, 1}, 1.0 / 512));
  EXPECT_FALSE(*a == *plane({0, -1.003, 1}, 0.0));
}

TEST(RoofParts, BonesCompareEndsAndPlanesInOrder) {
  const auto p = plane({0, -1, 1}, 0.0);
  const auto q = plane({1, 0, 1}, 1.0);
  const Bone bone{{0, 0, 0}, {0.5, 0.5, 0.5}, p, q};
  EXPECT_EQ(bone, (Bone{{0.0001, 0, 0}, {0.5, 0.5, 0.5}, plane({0, -1, 1}, 0.0), q}));
  EXPECT_FALSE(bone == (Bone{{0.5, 0.5, 0.5}, {0, 0, 0}, p, q}));  // reversed
  EXPECT_FALSE(bone == (Bone{{0, 0, 0}, {0.5, 0.5, 0.5}, q, p}));
}

TEST(RoofParts, FaceLinksItsCornersIntoARing) {
  const Face face = Face::make({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
  ASSERT_EQ(face.edges.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(face.edges[i]->next.lock(), face.edges[(i + 1) % 3]);
    EXPECT_EQ(face.edges[i]->previous.lock(), face.edges[(i + 2) % 3]);
    EXPECT_TRUE(face.edges[i]->join.expired());
    EXPECT_TRUE(face.edges[i]->plane.expired());
  }
  const Face single = Face::make({{1, 2, 3}});
  EXPECT_EQ(single.edges[0]->next.lock(), single.edges[0]);
  EXPECT_EQ(single.edges[0]->previous.lock(), single.edges[0]);
  EXPECT_TRUE(Face::make({}).edges.empty());
}

// The 45-degree plane over the side (x0,y0)→(x1,y1) of a counter-clockwise
// outline: outward horizontal normal, rising into the figure.
std::shared_ptr<Plane> sidePlane(Vec2 a, Vec2 b) {
  const Vec2 d = (b - a) / (b - a).length();
  const Vertex3 normal{d.y, -d.x, 1.0};
  return Plane::create({a.x, a.y, 0}, a, b, normal, normal.x * a.x + normal.y * a.y);
}

TEST(RoofParts, BisectorsOfASquareMeetAboveItsCentre) {
  const auto bottom = sidePlane({0, 0}, {1, 0});
  const auto right = sidePlane({1, 0}, {1, 1});
  const auto top = sidePlane({1, 1}, {0, 1});
  const Bisector3 atOrigin = Bisector3::make({0, 0, 0}, sidePlane({0, 1}, {0, 0}), bottom);
  const Bisector3 atRight = Bisector3::make({1, 0, 0}, bottom, right);
  const auto meeting = atOrigin.intersect(atRight, 3);
  ASSERT_TRUE(std::holds_alternative<BisectorIntersection>(meeting));
  const auto& m = std::get<BisectorIntersection>(meeting);
  EXPECT_EQ(m.intersection, (Vertex3{0.5, 0.5, 0.5}));
  EXPECT_EQ(m.index, 3);
  EXPECT_EQ(m.next.vertex, (Vertex3{1, 0, 0}));

  EXPECT_TRUE(std::holds_alternative<BisectorIntersection>(atRight.intersect(Bisector3::make({1, 1, 0}, right, top), 0)));

  // At a straight corner the two planes coincide: the bisector climbs the
  // first plane straight into the outline, and two such bisectors never meet.
  const auto onward = sidePlane({1, 0}, {2, 0});
  const Bisector3 straight = Bisector3::make({1, 0, 0}, bottom, onward);
  EXPECT_EQ(straight.direction, (Vertex3{0, 1, 1}));
  const Bisector3 nextStraight = Bisector3::make({2, 0, 0}, onward, sidePlane({2, 0}, {3, 0}));
  EXPECT_TRUE(std::holds_alternative<Collinear>(straight.intersect(nextStraight, 0)));
}

TEST(RoofParts, BisectorsMeetingAtTheGridFloorAreOutside) {
  // Two lines crossing at z = 1/512 exactly, and just above it.
  const auto p = plane({0, 0, 1}, 0.0);
  const double floor = 1.0 / 512;
  const Bisector3 a{{0, 0, floor}, p, p, {1, 0, 0}};
  const Bisector3 b{{1, -1, floor}, p, p, {0, 1, 0}};
  EXPECT_TRUE(std::holds_alternative<Outside>(a.intersect(b, 0)));
  const Bisector3 c{{1, -1, 2 * floor}, p, p, {0, 1, 0}};
  const Bisector3 d{{0, 0, 2 * floor}, p, p, {1, 0, 0}};
  EXPECT_TRUE(std::holds_alternative<BisectorIntersection>(d.intersect(c, 0)));
}

}  // namespace
}  // namespace ornival
