#include "platform/AffineTransform.h"

#include <gtest/gtest.h>

#include <numbers>

namespace ornival {
namespace {

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
}

TEST(AffineTransform, MapsPointsByItsSixComponents) {
  const AffineTransform t{2.0, 3.0, 5.0, 7.0, 11.0, 13.0};
  EXPECT_EQ(t.apply({1.0, 10.0}), (Vec2{2.0 + 50.0 + 11.0, 3.0 + 70.0 + 13.0}));
  EXPECT_EQ(t.applyToVector({1.0, 10.0}), (Vec2{52.0, 73.0}));
}

TEST(AffineTransform, ConcatenationAppliesTheReceiverFirst) {
  const auto move = AffineTransform::translation(1.0, 0.0);
  const auto turn = AffineTransform::rotation(std::numbers::pi / 2);
  // Move first, then turn a quarter counter-clockwise: (0,0) → (1,0) → (0,1).
  expectNear(move.concatenating(turn).apply({0.0, 0.0}), {0.0, 1.0});
  // Turn first, then move: (0,0) stays, then → (1,0).
  expectNear(turn.concatenating(move).apply({0.0, 0.0}), {1.0, 0.0});
  // The "…By" forms act in the receiver's source space.
  expectNear(turn.translatedBy(1.0, 0.0).apply({0.0, 0.0}), {0.0, 1.0});
  expectNear(AffineTransform::identity().scaledBy(2.0, 3.0).apply({1.0, 1.0}), {2.0, 3.0});
  expectNear(move.rotatedBy(std::numbers::pi).apply({1.0, 0.0}), {0.0, 0.0});
}

TEST(AffineTransform, InverseUndoesTheMapAndSingularHasNone) {
  const AffineTransform t =
      AffineTransform::rotation(0.7).concatenating(AffineTransform::scale(2.0, 0.5)).translatedBy(3.0, -4.0);
  const auto inverse = t.inverted();
  ASSERT_TRUE(inverse.has_value());
  expectNear(inverse->apply(t.apply({1.25, -7.5})), {1.25, -7.5});
  expectNear(t.concatenating(*inverse).apply({9.0, 2.0}), {9.0, 2.0});
  EXPECT_FALSE(AffineTransform::scale(0.0, 1.0).inverted().has_value());
  EXPECT_TRUE(AffineTransform::identity().isIdentity());
}

}  // namespace
}  // namespace ornival
