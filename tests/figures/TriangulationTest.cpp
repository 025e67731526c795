#include "figures/Triangulation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace ornival {
namespace {

std::vector<Vertex3> points(std::initializer_list<Vec2> corners) {
  std::vector<Vertex3> result;
  for (const Vec2 c : corners)
    result.push_back({c.x, c.y, 0.0});
  return result;
}

std::vector<std::int64_t> wholeRing(std::size_t n) {
  std::vector<std::int64_t> ring(n);
  for (std::size_t i = 0; i < n; ++i)
    ring[i] = static_cast<std::int64_t>(i);
  return ring;
}

TEST(Triangulation, ARingOfThreeIsAnEarWhateverItsShape) {
  const auto clockwise = points({{0, 0}, {0, 1}, {1, 0}});
  const auto straight = points({{0, 0}, {1, 0}, {2, 0}});
  EXPECT_EQ(Triangulation::findEar(clockwise, wholeRing(3)), 0);
  EXPECT_EQ(Triangulation::findEar(straight, wholeRing(3)), 0);
  EXPECT_EQ(Triangulation::triangulate(clockwise), (std::vector<std::int64_t>{0, 1, 2}));

  EXPECT_EQ(Triangulation::findEar(clockwise, wholeRing(2)), std::nullopt);
  EXPECT_EQ(Triangulation::findEar(clockwise, {}), std::nullopt);
  EXPECT_TRUE(Triangulation::triangulate(points({{0, 0}, {1, 0}})).empty());
}

struct EarCase {
  const char* what;
  std::vector<Vertex3> points;
  std::optional<std::int64_t> ear;
};

TEST(Triangulation, FindEarPicksTheShortestUnblockedConvexDiagonal) {
  // A tall tip under a short diagonal from (0,0) to (2,0): that ear wins
  // unless a ring point touches it.
  const EarCase cases[] = {
      {"equal diagonals: the last ear wins", points({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), 3},
      {"clockwise square has no ear", points({{0, 0}, {0, 1}, {1, 1}, {1, 0}}), std::nullopt},
      // Just outside the ear it blocks nothing, and the twin ear across the same
      // diagonal wins the tie; on the diagonal that twin is straight.
      {"point just off the diagonal, outside", points({{0, 0}, {1, -5}, {2, 0}, {1, 0.001}}), 2},
      {"point exactly on the diagonal blocks", points({{0, 0}, {1, -5}, {2, 0}, {1, 0}}), 3},
      {"point inside the ear blocks", points({{0, 0}, {1, -5}, {2, 0}, {1, -0.001}}), 3},
      {"point exactly on a side blocks", points({{0, 0}, {1, -5}, {2, 0}, {0.5, -2.5}}), 1},
      {"point just beside that side", points({{0, 0}, {1, -5}, {2, 0}, {0.49, -2.5}}), 0},
      // The straight corner at (1,0) has the shortest diagonal but is no tip.
      {"straight corner is never a tip", points({{0, 0}, {1, 0}, {2, 0}, {2, 5}, {0, 5}}), 4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Triangulation::findEar(c.points, wholeRing(c.points.size())), c.ear) << c.what;
}

TEST(Triangulation, FindEarReadsTheRingNotThePointOrder) {
  // The clockwise square read backwards through its ring is counter-clockwise.
  const auto clockwise = points({{0, 0}, {0, 1}, {1, 1}, {1, 0}});
  EXPECT_EQ(Triangulation::findEar(clockwise, std::vector<std::int64_t>{3, 2, 1, 0}), 3);
  // A repeated ring entry counts as a point of its own: the second (0,0) sits
  // on the ears at positions 0 and 2 and blocks them, leaving position 1.
  const auto square = points({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  EXPECT_EQ(Triangulation::findEar(square, std::vector<std::int64_t>{0, 1, 2, 3, 0}), 1);
}

TEST(Triangulation, TriangulateClipsUntilTheLastTriangle) {
  EXPECT_EQ(Triangulation::triangulate(points({{0, 0}, {1, 0}, {1, 1}, {0, 1}})),
            (std::vector<std::int64_t>{3, 0, 1, 1, 2, 3}));
  EXPECT_TRUE(Triangulation::triangulate(points({{0, 0}, {0, 1}, {1, 1}, {1, 0}})).empty());

  // An L of six corners: four counter-clockwise triangles covering its area 3.
  const auto l = points({{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}});
  const auto triangles = Triangulation::triangulate(l);
  ASSERT_EQ(triangles.size(), 12u);
  double area = 0.0;
  for (std::size_t t = 0; t < triangles.size(); t += 3) {
    const Vertex3& a = l[static_cast<std::size_t>(triangles[t])];
    const Vertex3& b = l[static_cast<std::size_t>(triangles[t + 1])];
    const Vertex3& c = l[static_cast<std::size_t>(triangles[t + 2])];
    const double twice = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    EXPECT_GT(twice, 0.0);
    area += twice / 2;
  }
  EXPECT_DOUBLE_EQ(area, 3.0);
}

TEST(Triangulation, RingEntriesOutsideThePointsStop) {
  const auto square = points({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  EXPECT_DEATH(Triangulation::findEar(square, std::vector<std::int64_t>{0, 1, 2, 7}), "");
  EXPECT_DEATH(Triangulation::findEar(square, std::vector<std::int64_t>{0, -1, 2, 3}), "");
}

}  // namespace
}  // namespace ornival
