#include "editor/HitTest.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "support/Figures.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ornival {
namespace {

// The closed outline through the corners, in order.
void appendLoop(std::vector<Line>& lines, const std::vector<Vec2>& corners) {
  for (std::size_t i = 0; i < corners.size(); ++i)
    lines.push_back({corners[i], corners[(i + 1) % corners.size()]});
}

// A square candidate of the size with its lower left corner at the point.
std::shared_ptr<NeighborModel> squareAt(Vec2 corner, double size) {
  auto model = NeighborModel::create(testing::unitSquare());
  model->transformation = AffineTransform::scale(size, size).concatenating(AffineTransform::translation(corner.x, corner.y));
  model->updateTransformedGeometry();
  return model;
}

struct OverlapCase {
  std::string name;
  Vec2 corner;
  double size;
  bool overlaps;
};

TEST(HitTest, CandidatesOverlapTheTilingOnlyWhereTheyReallyReachIntoIt) {
  // A tile of 60 × 60 with a hole of 20 × 20 in the middle, the hole's
  // outline running the other way.
  std::vector<Line> outline;
  appendLoop(outline, {{0, 0}, {60, 0}, {60, 60}, {0, 60}});
  appendLoop(outline, {{20, 20}, {20, 40}, {40, 40}, {40, 20}});
  const OverlapCase cases[] = {
      {"on its own parent side, outside", {60, 10}, 20, false},
      {"properly crossing a side", {50, 10}, 20, true},
      {"touching a corner only", {60, 60}, 20, false},
      {"along a side within tolerance", {60.0001, 0}, 20, false},
      {"sharing part of a side, sliding past its end", {60, 50}, 20, false},
      {"filling the hole exactly", {20, 20}, 20, false},
      {"in the hole, reaching out of it", {25, 25}, 20, true},
      {"a corner inside, no side crossed", {5, 5}, 5, true},
      {"wholly around the tile", {-10, -10}, 80, true},
      {"far away", {200, 200}, 20, false},
  };
  const OutlineIndex filed(outline);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(figureOverlapsSegments(outline, *squareAt(c.corner, c.size)), c.overlaps);
    EXPECT_EQ(figureOverlapsSegments(filed, *squareAt(c.corner, c.size)), c.overlaps);
  }
}

// The outline filed by cells answers as the plain lines do, wherever the
// points and candidates fall against the cells: the free sides of a grid of
// triangles with a few taken out, a frame round it and a sliver across it.
TEST(HitTest, TheFiledOutlineAnswersAsThePlainLines) {
  auto tiles = testing::triangleGrid(12, 9);
  for (const std::size_t gone : {40, 41, 60, 107, 3})
    tiles.erase(tiles.begin() + std::ptrdiff_t(gone));
  testing::joinedGraph(tiles);
  std::vector<Line> outline;
  for (const auto& tile : tiles)
    for (const auto& edge : tile->edges())
      if (edge->join.expired())
        outline.push_back({edge->transformedVertex(), edge->transformedEnd()});
  appendLoop(outline, {{-50, -50}, {400, -50}, {400, 250}, {-50, 250}});
  appendLoop(outline, {{-40, -40}, {390, 240}, {370, 240}});
  const OutlineIndex filed(outline);
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> x(-80.0, 430.0);
  std::uniform_real_distribution<double> y(-80.0, 280.0);
  int inside = 0;
  int overlapping = 0;
  for (int k = 0; k < 4000; ++k) {
    // Points on corners and sides too, where the even-odd rule is touchy.
    const Vec2 p = k % 4 == 0 ? outline[std::size_t(k) % outline.size()].vertex0
                   : k % 4 == 1 ? (outline[std::size_t(k) % outline.size()].vertex0 +
                                   outline[std::size_t(k) % outline.size()].vertex1) * 0.5
                                : Vec2{x(random), y(random)};
    ASSERT_EQ(filed.contains(p), pointInPolygon(outline, p)) << p.x << ", " << p.y;
    inside += pointInPolygon(outline, p) ? 1 : 0;
    if (k % 8 == 0) {
      const auto candidate = squareAt(p, k % 16 == 0 ? 20.0 : 3.0);
      const bool plain = figureOverlapsSegments(outline, *candidate);
      ASSERT_EQ(figureOverlapsSegments(filed, *candidate), plain) << p.x << ", " << p.y;
      overlapping += plain ? 1 : 0;
    }
  }
  // Both answers occur often.
  EXPECT_GT(inside, 1000);
  EXPECT_LT(inside, 3000);
  EXPECT_GT(overlapping, 100);
  EXPECT_LT(overlapping, 400);
}

TEST(HitTest, PointInPolygonCountsCrossingsEvenOdd) {
  std::vector<Line> outline;
  EXPECT_FALSE(pointInPolygon(outline, {0, 0}));
  appendLoop(outline, {{0, 0}, {60, 0}, {60, 60}, {0, 60}});
  EXPECT_TRUE(pointInPolygon(outline, {10, 10}));
  appendLoop(outline, {{20, 20}, {20, 40}, {40, 40}, {40, 20}});
  EXPECT_FALSE(pointInPolygon(outline, {30, 30}));
  EXPECT_TRUE(pointInPolygon(outline, {50, 30}));
  EXPECT_FALSE(pointInPolygon(outline, {70, 30}));
  const OutlineIndex filed(outline);
  for (const Vec2 p : {Vec2{10, 10}, Vec2{30, 30}, Vec2{50, 30}, Vec2{70, 30}})
    EXPECT_EQ(filed.contains(p), pointInPolygon(outline, p));
  EXPECT_FALSE(OutlineIndex({}).contains({0, 0}));
}

}  // namespace
}  // namespace ornival
