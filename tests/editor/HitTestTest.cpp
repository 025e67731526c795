#include "editor/HitTest.h"

#include "model/NeighborModel.h"
#include "support/Figures.h"

#include <gtest/gtest.h>

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
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(figureOverlapsSegments(outline, *squareAt(c.corner, c.size)), c.overlaps);
  }
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
}

}  // namespace
}  // namespace ornival
