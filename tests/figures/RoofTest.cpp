#include "figures/Roof.h"

#include "figures/Figure.h"
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ornival {
namespace {

using Corners = std::vector<Vertex3>;

Corners corners(std::initializer_list<Vec2> points) {
  Corners result;
  for (const Vec2 p : points)
    result.push_back({p.x, p.y, 0.0});
  return result;
}

std::vector<Vec2> polygonOf(const Corners& outline) {
  std::vector<Vec2> polygon;
  for (const Vertex3& c : outline)
    polygon.push_back({c.x, c.y});
  return polygon;
}

std::string text(const Vertex3& v) {
  return "(" + formatNumber(v.x) + ", " + formatNumber(v.y) + ", " + formatNumber(v.z) + ")";
}

void expectCorners(const Corners& actual, const Corners& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_EQ(actual[i], expected[i]) << "corner " << i << ": " << text(actual[i]) << " against " << text(expected[i]);
}

void expectFaces(const std::vector<Face>& faces, const std::vector<Corners>& expected) {
  ASSERT_EQ(faces.size(), expected.size());
  for (std::size_t f = 0; f < faces.size(); ++f) {
    SCOPED_TRACE("face " + formatInteger(std::int64_t(f)));
    expectCorners(faces[f].vertices(), expected[f]);
  }
}

std::vector<std::size_t> faceSizes(const Roof& roof) {
  std::vector<std::size_t> sizes;
  for (const Face& f : roof.faces)
    sizes.push_back(f.edges.size());
  return sizes;
}

// The height of every pass the event loop applies to a counter-clockwise
// outline, in order.
std::vector<double> passHeights(const Corners& outline, bool heightTieBreak) {
  PlaneRing ring = makeRoofPlanes(outline);
  std::vector<Bone> bones;
  return runRoofEvents(ring, bones, polygonOf(outline), heightTieBreak);
}

// The candidates of a ring's first pass.
EventCandidates firstPassCandidates(const Corners& outline) {
  return scoreEventCandidates(intersectAdjacentBisectors(makeBisectors(makeRoofPlanes(outline))),
                              polygonOf(outline));
}

const Corners unitSquare = corners({{0, 0}, {1, 0}, {1, 1}, {0, 1}});

struct CleanCase {
  const char* what;
  Corners input;
  Corners cleaned;
};

TEST(Roof, CleanRingJudgesEachCornerByItsInputNeighbours) {
  const CleanCase cases[] = {
      {"a corner midway on a side", corners({{0, 0}, {0.5, 0}, {1, 0}, {1, 1}, {0, 1}}), unitSquare},
      {"a repeated corner loses both copies", corners({{0, 0}, {1, 0}, {1, 0}, {1, 1}, {0, 1}}),
       corners({{0, 0}, {1, 1}, {0, 1}})},
      {"nearly straight, within 1/512", corners({{0, 0}, {0.5, 0.0019}, {1, 0}, {1, 1}, {0, 1}}), unitSquare},
      {"bent just enough", corners({{0, 0}, {0.5, 0.0021}, {1, 0}, {1, 1}, {0, 1}}),
       corners({{0, 0}, {0.5, 0.0021}, {1, 0}, {1, 1}, {0, 1}})},
      // (1,0) turns straight only once the coincident pair after it is gone.
      {"straight only after a neighbour drops", corners({{0, 0}, {1, 0}, {1, 1}, {1, 1}, {2, 0}, {2, 2}, {0, 2}}),
       corners({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}})},
      {"two points", corners({{0, 0}, {1, 0}}), {}},
      {"only collinear points", corners({{0, 0}, {1, 1}, {3, 3}}), {}},
      {"nothing", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    expectCorners(cleanRing(c.input), c.cleaned);
  }
}

TEST(Roof, MeetingsInOneCellNeverCountAgainstEachOther) {
  // With (1,1) moved out by 0.001 the four meetings spread over less than a
  // cell, and bisector 1 reaches them at squared distances 0.001 apart.
  const auto candidates = firstPassCandidates(corners({{0, 0}, {1, 0}, {1.001, 1}, {0, 1}}));
  ASSERT_EQ(candidates.size(), 1u);
  EXPECT_EQ(candidates.begin()->first, (Vertex3{0.5, 0.5, 0.5}));
  EXPECT_EQ(candidates.begin()->second, 0);
}

BisectorIntersection meeting(int index, Vertex3 point, Vertex3 start, Vertex3 nextStart) {
  return {Bisector3{start, nullptr, nullptr, {}}, Bisector3{nextStart, nullptr, nullptr, {}}, point, index};
}

TEST(Roof, ChooseRoofEventKeepsTheFirstOfEqualCandidates) {
  const std::vector<Vec2> square{{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  const std::vector<Bisector3Intersection> results{
      Collinear{},
      meeting(1, {1, 1, 1}, {0, 0, 0}, {2, 0, 0}),      // 3 + 3 from its starts
      meeting(2, {3, 1, 1}, {2, 0, 0}, {4, 0, 0}),      // as near: the earlier stays
      meeting(3, {2, 2, 0.8}, {2, 0, 0}, {2, 0, 0}),    // 4.64 + 4.64
      meeting(4, {5, 1, 1}, {5, 1, 1}, {5, 1, 1}),      // nearest, but outside
      meeting(5, {2, 3, 2}, {2, 3, 2}, {2, 3, 2}),      // nearest, but no best key
      Outside{},
  };
  const std::vector<Vertex3> best{{1, 1, 1}, {3, 1, 1}, {2, 2, 0.8}, {5, 1, 1}};
  struct Case {
    bool heightTieBreak;
    double currentHeight;
    int chosen;
  };
  const Case cases[] = {{false, 0.0, 1}, {false, 0.8, 1}, {true, 1.25, 1}, {true, 0.8, 3}, {true, 0.0, 3}};
  for (const auto& c : cases) {
    const BisectorIntersection* choice = chooseRoofEvent(results, best, square, c.heightTieBreak, c.currentHeight);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->index, c.chosen) << "by height " << c.heightTieBreak << " from " << c.currentHeight;
  }
  EXPECT_EQ(chooseRoofEvent(results, {{5, 1, 1}, {2, 3, 2.001}}, square, false, 0.0), nullptr);
}

TEST(Roof, CloseFaceChainsReturnsToTheChainStart) {
  // A chain e → l, its last segment ending at e's corner, elsewhere, or
  // nowhere; only the second needs a corner of its own.
  struct Case {
    const char* what;
    std::optional<Vertex3> farEnd;
    std::size_t ringSize;
  };
  const Case cases[] = {
      {"ends at the start", Vertex3{0.0001, 0, 0}, 2},
      {"ends elsewhere", Vertex3{0.5, 0.5, 0.5}, 3},
      {"open", std::nullopt, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto e = Edge3::create({0, 0, 0});
    const auto l = Edge3::create({1, 0, 0});
    const auto far = Edge3::create(c.farEnd.value_or(Vertex3{}));
    const auto lone = Edge3::create({2, 2, 0});
    e->next = l;
    l->previous = e;
    if (c.farEnd)
      l->join = far;
    const auto added = closeFaceChains({lone, e, l});
    EXPECT_EQ(added.size(), c.ringSize - 2);
    std::vector<Vertex3> ring;
    for (auto r = e->next.lock(); r != e && ring.size() < 5; r = r->next.lock()) {
      ASSERT_TRUE(r);
      ring.push_back(r->vertex);
    }
    EXPECT_EQ(ring.size() + 1, c.ringSize);
    if (c.ringSize == 3) {
      EXPECT_EQ(ring.back(), (Vertex3{0.5, 0.5, 0.5}));
    }
    EXPECT_TRUE(lone->next.expired());  // a record without a chain stays as it is
  }
}

TEST(Roof, UnitSquareMeetsAboveItsCentreInOnePass) {
  const auto candidates = firstPassCandidates(unitSquare);
  ASSERT_EQ(candidates.size(), 1u);
  EXPECT_EQ(candidates.begin()->first, (Vertex3{0.5, 0.5, 0.5}));
  EXPECT_EQ(passHeights(unitSquare, false), std::vector<double>{0.5});

  const Roof roof = makeRoof(polygonOf(unitSquare), false);
  ASSERT_EQ(roof.bones.size(), 4u);
  for (const Bone& b : roof.bones) {
    EXPECT_EQ(b.start.z, 0.0);
    EXPECT_EQ(b.end, (Vertex3{0.5, 0.5, 0.5}));
  }
  // Faces in base order: the side (1,1)→(0,1) first, the closing side last.
  const Vertex3 apex{0.5, 0.5, 0.5};
  expectFaces(roof.faces, {Corners{{1, 1, 0}, {0, 1, 0}, apex}, Corners{{1, 0, 0}, {1, 1, 0}, apex},
                           Corners{{0, 0, 0}, {1, 0, 0}, apex}, Corners{{0, 1, 0}, {0, 0, 0}, apex}});
  // The returned rings stand on their own.
  for (const Face& f : roof.faces)
    for (const auto& e : f.edges) {
      EXPECT_TRUE(e->join.expired());
      EXPECT_TRUE(e->plane.expired());
    }
}

void expectFacesStartWithTheirSides(const Roof& roof, const Corners& outline) {
  const std::size_t n = outline.size();
  ASSERT_EQ(roof.faces.size(), n);
  for (std::size_t f = 0; f < n; ++f) {
    const std::size_t k = (2 * n - 2 - f) % n;  // base order: side n−2 first, side n−1 last
    ASSERT_GE(roof.faces[f].edges.size(), 2u);
    EXPECT_EQ(roof.faces[f].edges[0]->vertex, outline[k]) << "face " << f;
    EXPECT_EQ(roof.faces[f].edges[1]->vertex, outline[(k + 1) % n]) << "face " << f;
  }
}

TEST(Roof, RectangleRejectsTheFartherMeetingAndEndsInARidge) {
  const Corners rectangle = corners({{0, 0}, {2, 0}, {2, 1}, {0, 1}});
  const auto candidates = firstPassCandidates(rectangle);
  // (1,1,1) lies over the top side: outside. (1,0,1) lies over the bottom side,
  // inside by the half-open rule, but both bisectors that reach it meet their
  // other neighbour first.
  EXPECT_EQ(candidates.size(), 3u);
  EXPECT_FALSE(candidates.contains({1, 1, 1}));
  EXPECT_EQ(candidates.at({1, 0, 1}), -2);
  EXPECT_EQ(candidates.at({0.5, 0.5, 0.5}), 0);
  EXPECT_EQ(candidates.at({1.5, 0.5, 0.5}), 0);
  EXPECT_EQ(bestEventKeys(candidates).size(), 2u);
  EXPECT_EQ(passHeights(rectangle, false), std::vector<double>{0.5});

  const Roof roof = makeRoof(polygonOf(rectangle), false);
  ASSERT_EQ(roof.bones.size(), 5u);
  const Bone& ridge = roof.bones.back();
  EXPECT_EQ(ridge.start, (Vertex3{0.5, 0.5, 0.5}));
  EXPECT_EQ(ridge.end, (Vertex3{1.5, 0.5, 0.5}));
  EXPECT_EQ(ridge.plane0->vertex0, (Vec2{2, 1}));  // the top side's plane
  EXPECT_EQ(ridge.plane1->vertex0, (Vec2{0, 0}));
  expectFaces(roof.faces, {Corners{{2, 1, 0}, {0, 1, 0}, {0.5, 0.5, 0.5}, {1.5, 0.5, 0.5}},
                           Corners{{2, 0, 0}, {2, 1, 0}, {1.5, 0.5, 0.5}},
                           Corners{{0, 0, 0}, {2, 0, 0}, {1.5, 0.5, 0.5}, {0.5, 0.5, 0.5}},
                           Corners{{0, 1, 0}, {0, 0, 0}, {0.5, 0.5, 0.5}}});
}

TEST(Roof, TrapezoidSkipsTheHighMeetingOfItsLongSide) {
  const Corners trapezoid = corners({{0, 0}, {4, 0}, {3, 1}, {1, 1}});
  const double r = std::sqrt(2.0);
  const auto candidates = firstPassCandidates(trapezoid);
  EXPECT_EQ(candidates.at({2, 2 * r - 2, 2 * r - 2}), -2);
  EXPECT_FALSE(candidates.contains({2, -r, 1 + r}));
  // The 45-degree corners' bisectors reach height 0.5 at 0.5 / tan(22.5°).
  const Vertex3 right{4 - 0.5 * (1 + r), 0.5, 0.5};
  const Vertex3 left{0.5 * (1 + r), 0.5, 0.5};
  EXPECT_EQ(candidates.at(right), 0);
  EXPECT_EQ(candidates.at(left), 0);
  EXPECT_EQ(passHeights(trapezoid, false), std::vector<double>{0.5});

  const Roof roof = makeRoof(polygonOf(trapezoid), false);
  ASSERT_EQ(roof.bones.size(), 5u);
  EXPECT_EQ(roof.bones.back().start, left);
  EXPECT_EQ(roof.bones.back().end, right);
  EXPECT_EQ(faceSizes(roof), (std::vector<std::size_t>{4, 3, 4, 3}));
  expectFacesStartWithTheirSides(roof, trapezoid);
}

TEST(Roof, LShapeCollapsesItsArmsFirst) {
  const Corners l = corners({{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}});
  // The reflex corner (1,1) is bisector 3; its meetings with both neighbours
  // are the two sides' results 2 and 3, and those run parallel.
  const auto results = intersectAdjacentBisectors(makeBisectors(makeRoofPlanes(l)));
  EXPECT_TRUE(std::holds_alternative<Collinear>(results[2]));
  EXPECT_TRUE(std::holds_alternative<Collinear>(results[3]));
  EXPECT_EQ(passHeights(l, false), (std::vector<double>{0.5, 0.5}));

  const Roof roof = makeRoof(polygonOf(l), false);
  EXPECT_EQ(roof.bones.size(), 8u);
  EXPECT_EQ(roof.bones[0].end, (Vertex3{1.5, 0.5, 0.5}));
  EXPECT_EQ(faceSizes(roof), (std::vector<std::size_t>{3, 4, 4, 3, 4, 4}));
  expectFacesStartWithTheirSides(roof, l);
  // The four planes left after the first pass meet at one point.
  const auto touchesCentre = [](const Face& f) {
    const Corners c = f.vertices();
    return std::find(c.begin(), c.end(), Vertex3{0.5, 0.5, 0.5}) != c.end();
  };
  EXPECT_EQ(std::count_if(roof.faces.begin(), roof.faces.end(), touchesCentre), 4);
}

TEST(Roof, RegularHexagonMeetsAtItsCentre) {
  Corners hexagon;
  for (int k = 0; k < 6; ++k)
    hexagon.push_back({std::cos(k * std::numbers::pi / 3), std::sin(k * std::numbers::pi / 3), 0.0});
  const std::vector<double> heights = passHeights(hexagon, false);
  ASSERT_EQ(heights.size(), 1u);
  EXPECT_NEAR(heights[0], std::sqrt(3.0) / 2, 1e-12);
  const Roof roof = makeRoof(polygonOf(hexagon), false);
  EXPECT_EQ(roof.bones.size(), 6u);
  EXPECT_EQ(faceSizes(roof), std::vector<std::size_t>(6, 3));
  for (const Face& f : roof.faces)
    EXPECT_EQ(f.edges[2]->vertex, (Vertex3{0, 0, std::sqrt(3.0) / 2}));
}

std::vector<Vec2> wingBolt() {
  const auto figure = Figure::create(Shapes::wingBolt, "Wing Bolt");
  figure->setup({6, 6, 21, 6, 17, 6, 21, 6, 6, 25},
                {1, 1, 1, 1, 0.3681587642946257, 0.3681587642946257, 1, 1, 1, 1});
  return figure->vertices();
}

void expectHeights(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], 5e-5) << "pass " << i;
}

TEST(Roof, WingBoltPartsTheTwoTieRules) {
  const std::vector<Vec2> vertices = wingBolt();
  Corners outline;
  for (const Vec2 v : vertices)
    outline.push_back({v.x, v.y, 0.0});
  ASSERT_EQ(cleanRing(outline).size(), 10u);

  // By distance the second pass drops below the first; by height it stays
  // close to it and takes the two meetings at 0.3633.
  expectHeights(passHeights(outline, false), {0.3163, 0.2388, 0.3633, 0.1285});
  expectHeights(passHeights(outline, true), {0.3163, 0.3633, 0.1625, 0.2839});

  const Roof byDistance = makeRoof(vertices, false);
  EXPECT_EQ(byDistance.bones.size(), 14u);
  EXPECT_EQ(faceSizes(byDistance), (std::vector<std::size_t>{3, 5, 4, 3, 3, 4, 5, 3, 4, 4}));
  expectFacesStartWithTheirSides(byDistance, outline);

  const Roof byHeight = makeRoof(vertices, true);
  EXPECT_EQ(byHeight.bones.size(), 15u);
  EXPECT_EQ(faceSizes(byHeight), (std::vector<std::size_t>{3, 4, 5, 3, 3, 5, 4, 3, 5, 5}));
  expectFacesStartWithTheirSides(byHeight, outline);
}

TEST(Roof, OutlinesWithoutAnInsideGetNoBones) {
  // Clockwise, the inside winds −1: no meeting is admissible and every face is
  // the single corner at its side's start.
  const Roof clockwise = makeRoof(std::vector<Vec2>{{0, 0}, {0, 1}, {1, 1}, {1, 0}}, false);
  EXPECT_TRUE(clockwise.bones.empty());
  expectFaces(clockwise.faces, {Corners{{1, 1, 0}}, Corners{{0, 1, 0}}, Corners{{0, 0, 0}}, Corners{{1, 0, 0}}});

  for (const std::vector<Vec2>& flat : {std::vector<Vec2>{{0, 0}, {1, 0}}, std::vector<Vec2>{{0, 0}, {1, 0}, {2, 0}},
                                        std::vector<Vec2>{}}) {
    const Roof roof = makeRoof(flat, false);
    EXPECT_TRUE(roof.bones.empty());
    EXPECT_TRUE(roof.faces.empty());
  }
}

TEST(Roof, ApplyingAnEventTwiceAddsNothingNew) {
  PlaneRing ring = makeRoofPlanes(unitSquare);
  const auto first = ring[0];
  const auto results = intersectAdjacentBisectors(makeBisectors(ring));
  const auto& event = std::get<BisectorIntersection>(results[0]);
  std::vector<Bone> bones;
  applyRoofEvent(event, bones, ring);
  ASSERT_EQ(bones.size(), 2u);
  EXPECT_EQ(bones[0].start, (Vertex3{0, 0, 0}));
  EXPECT_EQ(bones[1].start, (Vertex3{1, 0, 0}));
  EXPECT_EQ(ring.size(), 3u);
  EXPECT_EQ(ring[0]->vertex, (Vertex3{0.5, 0.5, 0.5}));  // the next side now starts at the meeting

  // The collapsed plane is matched by identity: an equal plane of another
  // object stays in the ring, and equal bones are not listed twice.
  ring.insert(ring.begin(), Plane::create(first->vertex, first->vertex0, first->vertex1, first->normal,
                                          first->distance));
  applyRoofEvent(event, bones, ring);
  EXPECT_EQ(bones.size(), 2u);
  EXPECT_EQ(ring.size(), 4u);
}

}  // namespace
}  // namespace ornival
