#include "platform/Transform3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

void expectNear(Vec3 actual, Vec3 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
  EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

TEST(Transform3D, AffineFormActsOnThePlaneAndComposesLikeTheAffineTransform) {
  const AffineTransform turn = AffineTransform::rotation(0.6).scaledBy(20.0, 20.0).translatedBy(1.0, 2.0);
  const AffineTransform move = AffineTransform::translation(-3.0, 5.0).concatenating(AffineTransform::scale(2.0, 0.5));
  const Vec2 p{0.25, -1.5};
  for (const auto& [t3, t2] : {std::pair{Transform3D::affine(turn), turn},
                               std::pair{Transform3D::affine(turn).concatenating(Transform3D::affine(move)),
                                         turn.concatenating(move)}}) {
    const Vec2 expected = t2.apply(p);
    expectNear(t3.apply({p.x, p.y, 7.0}), {expected.x, expected.y, 7.0});
  }
  // Row by row, the entries are OpenGL's column-major array: the translation
  // lands in elements 12 to 14.
  const Transform3D moved = Transform3D::translation(4.0, 5.0, 6.0);
  const double* flat = &moved.m[0][0];
  EXPECT_EQ(flat[12], 4.0);
  EXPECT_EQ(flat[13], 5.0);
  EXPECT_EQ(flat[14], 6.0);
}

TEST(Transform3D, ScaleAndTranslateActInTheNodesOwnFrame) {
  // A tile's node lifts heights by the tile's size, and its mark is the
  // tile's solid moved down, mirrored in z and then placed like the tile.
  const AffineTransform placement = AffineTransform::rotation(std::numbers::pi / 2).scaledBy(40.0, 40.0);
  const double size = std::hypot(placement.a, placement.c);
  const Transform3D node = Transform3D::affine(placement).scaledBy(1.0, 1.0, size);
  const double scale = 2.0;
  const Transform3D mark = node.scaledBy(1.0, 1.0, -1.0).translatedBy(0.0, 0.0, -0.2 / scale);

  expectNear(node.apply({1.0, 0.0, 0.5}), {0.0, 40.0, 20.0});
  expectNear(mark.apply({1.0, 0.0, 0.5}), node.apply({1.0, 0.0, -(0.5 - 0.1)}));
}

TEST(Transform3D, RotationTurnsCounterClockwiseAboutItsAxis) {
  const double quarter = std::numbers::pi / 2;
  expectNear(Transform3D::rotation({1.0, 0.0, 0.0}, quarter).apply({0.0, 1.0, 0.0}), {0.0, 0.0, 1.0});
  expectNear(Transform3D::rotation({0.0, 2.0, 0.0}, quarter).apply({0.0, 0.0, 1.0}), {1.0, 0.0, 0.0});
  // About z it is the plane's turn.
  const Transform3D z = Transform3D::rotation({0.0, 0.0, 1.0}, 0.6);
  const Transform3D plane = Transform3D::affine(AffineTransform::rotation(0.6));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      EXPECT_NEAR(z.m[std::size_t(r)][std::size_t(c)], plane.m[std::size_t(r)][std::size_t(c)], 1e-15);
  // A slanted axis stays put, and a third of a turn about the diagonal
  // cycles the axes.
  const Transform3D third = Transform3D::rotation({1.0, 1.0, 1.0}, 2.0 * std::numbers::pi / 3.0);
  expectNear(third.apply({1.0, 1.0, 1.0}), {1.0, 1.0, 1.0});
  expectNear(third.apply({1.0, 0.0, 0.0}), {0.0, 1.0, 0.0});
  EXPECT_TRUE(Transform3D::rotation({}, 1.0).isIdentity());
}

TEST(Transform3D, ApplyDividesByTheHomogeneousCoordinate) {
  Transform3D projection;
  projection.m[2][3] = 1.0;  // w = z + 1
  expectNear(projection.apply({2.0, 4.0, 1.0}), {1.0, 2.0, 0.5});
}

}  // namespace
}  // namespace ornival
