#include "platform/Path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

Path square(Vec2 origin, double side) {
  Path p;
  p.moveTo(origin);
  p.lineTo(origin + Vec2{side, 0.0});
  p.lineTo(origin + Vec2{side, side});
  p.lineTo(origin + Vec2{0.0, side});
  p.close();
  return p;
}

TEST(Path, KeepsElementsInOrderAndTransformsEveryPoint) {
  Path p;
  p.moveTo({0.0, 0.0});
  p.curveTo({2.0, 0.0}, {0.5, 1.0}, {1.5, 1.0});
  p.close();
  ASSERT_EQ(p.elements().size(), 3u);
  EXPECT_EQ(p.elements()[1], PathElement::curve({2.0, 0.0}, {0.5, 1.0}, {1.5, 1.0}));

  const Path moved = p.transformed(AffineTransform::translation(1.0, 2.0));
  EXPECT_EQ(moved.elements()[0], PathElement::move({1.0, 2.0}));
  EXPECT_EQ(moved.elements()[1], PathElement::curve({3.0, 2.0}, {1.5, 3.0}, {2.5, 3.0}));
  EXPECT_EQ(moved.elements()[2], PathElement::close());
}

TEST(Path, BoundingBoxHoldsCurvesTightly) {
  EXPECT_FALSE(Path().boundingBox().has_value());
  EXPECT_EQ(square({1.0, 2.0}, 3.0).boundingBox(), (Rect{{1.0, 2.0}, {3.0, 3.0}}));

  // A symmetric arch peaks at 3/4 of its control height, not at the controls.
  Path arch;
  arch.moveTo({0.0, 0.0});
  arch.curveTo({2.0, 0.0}, {0.0, 1.0}, {2.0, 1.0});
  const Rect box = *arch.boundingBox();
  EXPECT_DOUBLE_EQ(box.maxY(), 0.75);
  EXPECT_DOUBLE_EQ(box.minX(), 0.0);
  EXPECT_DOUBLE_EQ(box.maxX(), 2.0);
}

// A corner of angle θ at the origin, its arms 100 long running off to the
// right: a mitred stroke's tip lies half a width over sin(θ/2) to the left
// while the miter is at most 4 widths long (θ down to 2·asin(1/4), about
// 28.96°), and half a width to the left once it is cut, as with any other
// join.
TEST(Path, StrokedBoundingBoxHoldsTheMitredTipsTheLimitLeaves) {
  const double limitAngle = 2.0 * std::asin(0.25);
  struct Case {
    const char* name;
    double angle;
    LineJoin join;
    bool closed;
    double reach;  // how far the stroke reaches left of the corner, in half widths
  };
  const Case cases[] = {
      {"right angle", std::numbers::pi / 2, LineJoin::miter, false, std::sqrt(2.0)},
      {"eighth turn", std::numbers::pi / 4, LineJoin::miter, false, 1.0 / std::sin(std::numbers::pi / 8)},
      {"just inside the limit", limitAngle + 1e-6, LineJoin::miter, false, 1.0 / std::sin((limitAngle + 1e-6) / 2)},
      {"just beyond the limit", limitAngle - 1e-6, LineJoin::miter, false, 1.0},
      {"round", std::numbers::pi / 4, LineJoin::round, false, 1.0},
      {"bevel", std::numbers::pi / 4, LineJoin::bevel, false, 1.0},
      // Closed, the path turns the same corner where it starts and ends.
      {"closed at the corner", std::numbers::pi / 4, LineJoin::miter, true, 1.0 / std::sin(std::numbers::pi / 8)},
  };
  const double width = 20.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Vec2 upper{100.0 * std::cos(c.angle / 2), 100.0 * std::sin(c.angle / 2)};
    const Vec2 lower{upper.x, -upper.y};
    Path path;
    if (c.closed) {
      path.moveTo({0, 0});
      path.lineTo(lower);
      path.lineTo(upper);
      path.close();
    } else {
      path.moveTo(upper);
      path.lineTo({0, 0});
      path.lineTo(lower);
    }
    const std::optional<Rect> box = path.strokedBoundingBox(width, c.join);
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->minX(), -c.reach * width / 2, 1e-9);
    if (!c.closed) {
      // Elsewhere the outline widened by half the width: round ends.
      EXPECT_NEAR(box->maxY(), upper.y + width / 2, 1e-9);
      EXPECT_NEAR(box->maxX(), upper.x + width / 2, 1e-9);
    }
  }
  EXPECT_FALSE(Path().strokedBoundingBox(width, LineJoin::miter));
}

TEST(Path, ContainsFollowsTheFillRule) {
  // A square with a smaller square inside, both counter-clockwise: the hole is
  // filled under non-zero and empty under even-odd.
  Path p = square({0.0, 0.0}, 4.0);
  p.append(square({1.0, 1.0}, 2.0));
  EXPECT_TRUE(p.contains({2.0, 2.0}, FillRule::nonZero));
  EXPECT_FALSE(p.contains({2.0, 2.0}, FillRule::evenOdd));
  EXPECT_TRUE(p.contains({0.5, 2.0}, FillRule::evenOdd));
  EXPECT_FALSE(p.contains({5.0, 2.0}, FillRule::nonZero));

  // An unclosed subpath fills as if closed.
  Path open;
  open.moveTo({0.0, 0.0});
  open.lineTo({2.0, 0.0});
  open.lineTo({0.0, 2.0});
  EXPECT_TRUE(open.contains({0.5, 0.5}));
  EXPECT_FALSE(open.contains({1.5, 1.5}));
}

}  // namespace
}  // namespace ornival
