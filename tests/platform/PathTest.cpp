#include "platform/Path.h"

#include <gtest/gtest.h>

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
