#include "model/TileOutline.h"

#include "model/Edge.h"
#include "model/Shape.h"
#include "platform/ShapeLayer.h"
#include "support/Figures.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

using testing::attach;
using testing::glue;
using testing::placedTile;
using Kind = PathElement::Kind;

// The Bézier factor of a right angle: control points this far from the
// midpoints towards the corner make a near-circular quarter.
constexpr double quarter = 0.5522847498307933;
// A straight continuation.
constexpr double straight = 2.0 / 3.0;

PathElement move(Vec2 p) { return PathElement::move(p); }
PathElement line(Vec2 p) { return PathElement::line(p); }
PathElement close() { return PathElement::close(); }
// From p around corner c to n with factor f.
PathElement corner(Vec2 p, Vec2 c, Vec2 n, double f) { return PathElement::curve(n, p + (c - p) * f, n + (c - n) * f); }

void expectNear(Vec2 actual, Vec2 expected, const char* what) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
  EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
}

void expectElements(const std::vector<PathElement>& actual, const std::vector<PathElement>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE("element " + std::to_string(i));
    ASSERT_EQ(actual[i].kind, expected[i].kind);
    if (actual[i].kind == Kind::close)
      continue;
    expectNear(actual[i].point, expected[i].point, "point");
    if (actual[i].kind == Kind::curve) {
      expectNear(actual[i].control1, expected[i].control1, "control1");
      expectNear(actual[i].control2, expected[i].control2, "control2");
    }
  }
}

// Every form of the outline holds the same elements.
std::vector<PathElement> outlineOf(const Shape& shape) {
  auto elements = shape.borderPathElements();
  EXPECT_EQ(shape.borderPath().elements(), elements);
  EXPECT_EQ(shape.borderBezierPath().elements(), elements);
  return elements;
}

std::shared_ptr<Shape> roundedSquare(double factor = 1.0, double limit = 1.0) {
  auto shape = placedTile(testing::unitSquare());
  shape->borderBezierFactor = factor;
  shape->borderRadiusLimit = limit;
  return shape;
}

// Corners and side midpoints of a square at the default size.
const Vec2 v0{0, 0}, v1{20, 0}, v2{20, 20}, v3{0, 20};
const Vec2 m0{10, 0}, m1{20, 10}, m2{10, 20}, m3{0, 10};

TEST(TileOutline, LoneSquareInEveryCornerStyle) {
  const std::vector<PathElement> straightCorners{move(m0), line(v1), line(m1), line(v2), line(m2),
                                                 line(v3), line(m3), line(v0), line(m0), close()};
  const struct {
    const char* name;
    double factor;
    double limit;
    std::vector<PathElement> outline;
  } cases[] = {
      {"round quarters", 1.0, 1.0,
       {move(m0), corner(m0, v1, m1, quarter), corner(m1, v2, m2, quarter), corner(m2, v3, m3, quarter),
        corner(m3, v0, m0, quarter), close()}},
      {"half rounding", 0.5, 1.0,
       {move(m0), corner(m0, v1, m1, quarter / 2), corner(m1, v2, m2, quarter / 2),
        corner(m2, v3, m3, quarter / 2), corner(m3, v0, m0, quarter / 2), close()}},
      {"sharp polygon", 2.0, 1.0, {move(v0), line(v1), line(v2), line(v3), close()}},
      {"sharp ignores the limit", 2.0, 0.0, {move(v0), line(v1), line(v2), line(v3), close()}},
      {"limit zero", 1.0, 0.0, straightCorners},
      // A right angle turns half way round; a limit equal to it keeps it sharp.
      {"limit equal to the turn", 1.0, 0.5, straightCorners},
      {"limit just above the turn", 1.0, 0.5000001,
       {move(m0), corner(m0, v1, m1, quarter), corner(m1, v2, m2, quarter), corner(m2, v3, m3, quarter),
        corner(m3, v0, m0, quarter), close()}},
      {"factor zero cuts the corners off", 0.0, 1.0,
       {move(m0), corner(m0, v1, m1, 0), corner(m1, v2, m2, 0), corner(m2, v3, m3, 0), corner(m3, v0, m0, 0),
        close()}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    expectElements(outlineOf(*roundedSquare(c.factor, c.limit)), c.outline);
  }
}

TEST(TileOutline, ControlPointsOfARightAngleSitAtTheQuarterFactor) {
  // At figure size, so that nothing but the factor itself is rounded.
  const auto shape = Shape::create(testing::unitSquare());
  shape->borderBezierFactor = 1.0;
  const auto elements = shape->borderPathElements();
  ASSERT_EQ(elements[1].kind, Kind::curve);
  // From (0.5, 0) towards the corner (1, 0), and from (1, 0.5) towards it.
  EXPECT_NEAR((elements[1].control1.x - 0.5) / 0.5, quarter, 1e-15);
  EXPECT_NEAR((0.5 - elements[1].control2.y) / 0.5, quarter, 1e-15);
}

// Group-join flags of a lone square (no neighbour to turn onto): the sides
// flagged are left out, and a walk that finds no join draws no corner.
TEST(TileOutline, FlaggedSidesOfALoneSquareAreLeftOut) {
  const struct {
    std::vector<bool> flags;
    std::vector<PathElement> rounded;
    std::vector<PathElement> sharp;
  } cases[] = {
      {{false, true, false, false},
       {move(m0), move(m2), corner(m2, v3, m3, quarter), corner(m3, v0, m0, quarter)},
       {move(v0), line(v1), move(v2), line(v3), line(v0)}},
      {{true, false, false, false},
       {move(m1), corner(m1, v2, m2, quarter), corner(m2, v3, m3, quarter)},
       {move(v1), line(v2), line(v3), line(v0)}},
      {{false, false, false, true},
       {move(m0), corner(m0, v1, m1, quarter), corner(m1, v2, m2, quarter)},
       {move(v0), line(v1), line(v2), line(v3)}},
      {{true, true, true, true}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.flags));
    const auto shape = roundedSquare();
    for (std::size_t i = 0; i < 4; ++i)
      shape->edges()[i]->isGroupJoin = c.flags[i];
    expectElements(outlineOf(*shape), c.rounded);
    shape->borderBezierFactor = 2.0;
    expectElements(outlineOf(*shape), c.sharp);
  }
}

// Two squares glued into a group along A's side 1 and B's side 3: together
// they draw the outline of the 2 × 1 rectangle, each middle corner once.
TEST(TileOutline, GroupedPairDrawsOneOutlineBetweenThem) {
  const auto a = roundedSquare();
  const auto b = attach(testing::unitSquare(), 3, a->edges()[1], true);
  b->borderBezierFactor = 1.0;

  // A: its run ends turning straight on onto B's bottom side; its next run
  // starts at the top and closes round corner 0, without a close.
  expectElements(outlineOf(*a), {move(m0), corner(m0, v1, {30, 0}, straight), move(m2),
                                 corner(m2, v3, m3, quarter), corner(m3, v0, m0, quarter)});
  // B: its last side is the group join, so the outline stops on A's top side.
  expectElements(outlineOf(*b), {move({30, 0}), corner({30, 0}, {40, 0}, {40, 10}, quarter),
                                 corner({40, 10}, {40, 20}, {30, 20}, quarter),
                                 corner({30, 20}, {20, 20}, {10, 20}, straight)});

  EXPECT_EQ(a->nextOuterEdge(*a->edges()[1]), b->edges()[0]);
  EXPECT_EQ(b->nextOuterEdge(*b->edges()[3]), a->edges()[2]);
  EXPECT_EQ(a->nextOuterEdge(*a->edges()[0]), nullptr);  // not joined

  a->borderBezierFactor = 2.0;
  b->borderBezierFactor = 2.0;
  expectElements(outlineOf(*a), {move(v0), line(v1), move(v2), line(v3), line(v0)});
  expectElements(outlineOf(*b), {move({20, 0}), line({40, 0}), line({40, 20}), line({20, 20})});
}

TEST(TileOutline, GroupJoinOnSideZeroEndsOnTheNeighbour) {
  const auto a = roundedSquare();
  const auto b = attach(testing::unitSquare(), 0, a->edges()[1], true);
  b->borderBezierFactor = 1.0;
  // B runs from (20, 20) down to (20, 0) along A, then round (40, 0), (40, 20).
  expectElements(outlineOf(*b), {move({30, 0}), corner({30, 0}, {40, 0}, {40, 10}, quarter),
                                 corner({40, 10}, {40, 20}, {30, 20}, quarter),
                                 corner({30, 20}, {20, 20}, {10, 20}, straight)});
}

// An L of three squares grouped: A in the corner, B to its right, C above it.
// B's turn at (20, 20) passes A's grouped top side and lands on C's right
// side: a right angle drawn from the points.
TEST(TileOutline, WalkTurnsThroughSeveralGroupedSides) {
  const auto a = roundedSquare();
  const auto b = attach(testing::unitSquare(), 3, a->edges()[1], true);
  const auto c = attach(testing::unitSquare(), 0, a->edges()[2], true);
  b->borderBezierFactor = 1.0;

  EXPECT_EQ(b->nextOuterEdge(*b->edges()[3]), c->edges()[1]);
  const auto elements = outlineOf(*b);
  ASSERT_FALSE(elements.empty());
  expectElements({elements.back()}, {corner({30, 20}, {20, 20}, {20, 30}, quarter)});
}

// A 2 × 2 block, all inner sides group joins: around the centre every side is
// a group join, so the turn comes back where it started.
struct Block {
  std::shared_ptr<Shape> a, b, c, d;  // lower left, lower right, upper left, upper right

  Block() {
    a = roundedSquare();
    b = attach(testing::unitSquare(), 3, a->edges()[1], true);
    c = attach(testing::unitSquare(), 0, a->edges()[2], true);
    d = attach(testing::unitSquare(), 3, c->edges()[1], true);
    glue(d->edges()[0], b->edges()[2], true);
  }
};

TEST(TileOutline, WalkRoundAnInnerCornerFindsNothing) {
  const Block block;
  EXPECT_EQ(block.a->nextOuterEdge(*block.a->edges()[2]), nullptr);
  EXPECT_EQ(block.d->nextOuterEdge(*block.d->edges()[0]), nullptr);
}

TEST(TileOutline, FlagsThatDisagreeAcrossAJoinCannotTrapTheWalk) {
  const Block block;
  // A keeps its side 1 as an outer side while B still calls its partner a group
  // join: A's outline then turns round the centre from side 2 and comes back.
  block.a->edges()[1]->isGroupJoin = false;
  expectElements(outlineOf(*block.a), {move(m0), corner(m0, v1, m1, quarter), move(m3),
                                       corner(m3, v0, m0, quarter)});
}

TEST(TileOutline, AnimatePathsGivesTheOutlineToTheThreeBands) {
  const auto shape = roundedSquare();
  shape->animatePaths(false);
  for (const auto& layer : {shape->borderLayer(), shape->borderLayer2(), shape->borderLayer3()}) {
    EXPECT_EQ(layer->path(), shape->borderPath());
    EXPECT_TRUE(layer->animationKeys().empty());
  }
  EXPECT_FALSE(shape->layer()->path().has_value());

  shape->borderBezierFactor = 2.0;
  shape->animatePaths(true);
  shape->animatePaths(true);
  for (const auto& layer : {shape->borderLayer(), shape->borderLayer2(), shape->borderLayer3()}) {
    EXPECT_EQ(layer->path(), Path({move(v0), line(v1), line(v2), line(v3), close()}));
    EXPECT_EQ(layer->animationKeys(), std::vector<std::string>{"path"});
    EXPECT_EQ(layer->animation("path"), LayerAnimation::basic("path"));
  }
  EXPECT_TRUE(shape->layer()->animationKeys().empty());
}

TEST(TileOutline, NearestEdgeByMidpoint) {
  const auto shape = placedTile(testing::unitSquare());
  const auto& e = shape->edges();
  // (15, 5) is as far from the midpoint of side 0 as from that of side 1.
  EXPECT_EQ(nearestEdge({15, 5}, {e[0], e[1]}), e[0]);
  EXPECT_EQ(nearestEdge({15, 5}, {e[1], e[0]}), e[1]);
  EXPECT_EQ(nearestEdge({9, 19}, e), e[2]);
  EXPECT_EQ(Edge::nearestMidpoint(e, {-1, 12}), e[3]);

  // A side that lost its next corner has no midpoint: passed over, unless it
  // comes first.
  const auto loose = Edge::create({10, 19}, {}, 0);
  EXPECT_EQ(nearestEdge({10, 19}, {e[0], loose, e[1]}), e[1]);
  EXPECT_EQ(nearestEdge({10, 19}, {loose, e[0], e[2]}), loose);
}

TEST(TileOutlineDeathTest, NearestEdgeNeedsEdges) {
  EXPECT_DEATH(nearestEdge({0, 0}, {}), "");
}

}  // namespace
}  // namespace ornival
