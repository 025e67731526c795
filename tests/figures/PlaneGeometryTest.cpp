#include "figures/PlaneGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace ornival {
namespace {

TEST(PlaneGeometry, LineIntersectionMeetsOrFallsBackForParallels) {
  EXPECT_EQ(lineIntersection({0, 0}, {2, 2}, {0, 2}, {2, 0}), (Vec2{1, 1}));
  EXPECT_EQ(lineIntersection({0, 1}, {1, 1}, {3, -1}, {3, 5}), (Vec2{3, 1}));
  // Parallel and near-parallel: the midpoint of p0 and p3.
  EXPECT_EQ(lineIntersection({0, 0}, {1, 0}, {0, 1}, {4, 1}), (Vec2{2, 0.5}));
  EXPECT_EQ(lineIntersection({0, 0}, {1, 0}, {0, 1}, {1, 1.0019}), (Vec2{0.5, 0.5 * 1.0019}));
  // Just past the tolerance the lines meet far away, but they do meet.
  const Vec2 far = lineIntersection({0, 0}, {1, 0}, {0, 1}, {1, 1.0 - 1.0 / 256});
  EXPECT_NEAR(far.x, 256.0, 1e-9);
  EXPECT_NEAR(far.y, 0.0, 1e-12);
}

struct TurnCase {
  Vec2 p0, p1, p2;
  int expected;
};

TEST(PlaneGeometry, TurnDirectionSigns) {
  const TurnCase cases[] = {
      {{0, 0}, {1, 0}, {1, 1}, 1},                 // left turn: counter-clockwise
      {{0, 0}, {1, 0}, {1, -1}, 2},                // right turn: clockwise
      {{0, 0}, {1, 0}, {2, 0}, 0},                 // straight on
      {{0, 0}, {1, 0}, {2, 0.001}, 0},             // within 1/512 of straight
      {{0, 0}, {1, 0}, {0.001, 0.0001}, 0},        // a repeated point
      {{0, 0}, {0.0019, 0}, {0, 1}, 0},            // p0 and p1 closer than 2^-9
      {{0, 0}, {0.002, 0}, {0, 1}, 1},             // just apart, and the turn is big enough
  };
  for (const auto& c : cases)
    EXPECT_EQ(turnDirection(c.p0, c.p1, c.p2), c.expected)
        << "(" << c.p2.x << ", " << c.p2.y << ") after (" << c.p1.x << ", " << c.p1.y << ")";
}

struct WindingCase {
  Vec2 point;
  int counterClockwise;
  int clockwise;
};

TEST(PlaneGeometry, WindingNumberCountsOnlyCrossingsByAMargin) {
  const std::vector<Vec2> ccw{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  const std::vector<Vec2> cw{{0, 1}, {1, 1}, {1, 0}, {0, 0}};
  const WindingCase cases[] = {
      {{0.5, 0.5}, 1, -1},
      {{0.003, 0.5}, 1, -1},
      {{0.001, 0.5}, 0, -1},  // inside, within the margin of the left side
      {{1.0, 0.5}, 0, -1},    // on a vertical side; clockwise, the margin lies outside
      {{0.0, 0.5}, 0, -1},
      {{0.5, 0.0}, 1, -1},    // bottom side: half-open rule counts it inside
      {{0.5, 1.0}, 0, 0},     // top side: outside
      {{2.0, 0.5}, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(windingNumber(c.point, ccw), c.counterClockwise) << c.point.x << ", " << c.point.y;
    EXPECT_EQ(windingNumber(c.point, cw), c.clockwise) << c.point.x << ", " << c.point.y;
  }
  EXPECT_EQ(windingNumber({0.5, 0.5}, std::vector<Vec2>{}), 0);
}

}  // namespace
}  // namespace ornival
