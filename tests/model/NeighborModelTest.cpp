#include "model/NeighborModel.h"

#include "model/Edge.h"
#include "model/Shape.h"
#include "support/Figures.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <string>

namespace ornival {
namespace {

using testing::placedTile;

constexpr double tolerance = 1.0 / 512.0;

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

// (0,0), (2,0), (2,1), (1,1), (0,1): a 2 × 1 rectangle whose corner 3 is
// straight, so that its sides 2 and 3 meet in a line.
std::shared_ptr<Figure> notchedRectangle() {
  auto figure = Figure::create(Shapes::house, "Rectangle");
  figure->setup({1, 1, 2, 1, 1}, {2.0, 1.0, 1.0, 1.0, 1.0});
  return figure;
}

// A candidate laid on the real side `side` of a tile, as the candidate search
// lays it.
std::shared_ptr<NeighborModel> candidateOn(std::shared_ptr<const Figure> figure, int ownSide,
                                           const std::shared_ptr<Edge>& parent) {
  const auto corners = ParentSide::of(*parent);
  auto candidate = NeighborModel::create(std::move(figure));
  candidate->place(ownSide, corners);
  candidate->setParent(parent, corners);
  candidate->edgeOffset = ownSide;
  return candidate;
}

TEST(NeighborModel, StartsUnplacedWithoutParent) {
  const auto candidate = NeighborModel::create(testing::unitSquare());
  EXPECT_EQ(candidate->checked(), Checked::unknown);
  EXPECT_EQ(candidate->parent(), nullptr);
  EXPECT_EQ(candidate->edgeOffset, 0);
  EXPECT_TRUE(candidate->transformation.isIdentity());
  EXPECT_EQ(candidate->scale(), 1.0);
  EXPECT_TRUE(candidate->isGood());
  candidate->setChecked(Checked::overlapping);
  EXPECT_EQ(candidate->checked(), Checked::overlapping);
  EXPECT_EQ(static_cast<int>(Checked::ok), 1);
}

TEST(NeighborModel, LiesOnItsParentSideTheOtherWayRound) {
  const auto tile = placedTile(testing::unitSquare());
  const auto& parent = tile->edges()[1];  // (20,0) to (20,20)
  const auto corners = ParentSide::of(*parent);
  EXPECT_EQ(corners.start, (Vec2{20, 0}));
  EXPECT_EQ(corners.end, (Vec2{20, 20}));
  EXPECT_EQ(corners.afterEnd, (Vec2{0, 20}));
  EXPECT_EQ(corners.beforeStart, (Vec2{0, 0}));

  for (int side = 0; side < 3; ++side) {
    SCOPED_TRACE(side);
    const auto candidate = candidateOn(testing::equilateralTriangle(), side, parent);
    const auto& own = candidate->edges();
    expectNear(own[std::size_t(side)]->transformedVertex(), corners.end);
    expectNear(own[std::size_t(side + 1) % 3]->transformedVertex(), corners.start);
    // Outside the tile, to the right of x = 20.
    EXPECT_GT(candidate->center().x, 20.0);
    EXPECT_DOUBLE_EQ(candidate->scale(), 1.0);
    EXPECT_EQ(candidate->parent(), parent);
  }

  // A side twice the figure's length scales the candidate to fit.
  const auto wide = NeighborModel::create(testing::unitSquare());
  wide->place(0, ParentSide{{40, 0}, {0, 0}, {}, {}});
  EXPECT_DOUBLE_EQ(wide->scale(), 2.0);
  expectNear(wide->edges()[2]->transformedVertex(), Vec2{40, 40});
}

// On real tiles: a square beside a square carries both of its lines on; a
// square in the notch of an L ends where the L's sides end; a triangle on a
// square turns away from the square's sides at both ends.
TEST(NeighborModel, IsGoodOnRealTiles) {
  const auto square = placedTile(testing::unitSquare());
  for (int side = 0; side < 4; ++side)
    EXPECT_TRUE(candidateOn(testing::unitSquare(), side, square->edges()[1])->isGood()) << side;

  const auto l = placedTile(testing::lShape());
  EXPECT_TRUE(candidateOn(testing::unitSquare(), 0, l->edges()[3])->isGood());
  EXPECT_TRUE(candidateOn(testing::unitSquare(), 0, l->edges()[2])->isGood());

  EXPECT_FALSE(candidateOn(testing::equilateralTriangle(), 0, square->edges()[2])->isGood());
}

// The parent side runs from (20,0) to (0,0); the square candidate covers
// (0,0)–(20,20) and the rectangle is laid with one side or the other of its
// straight corner on it. Only the far ends of the parent's neighbouring sides
// change from case to case.
TEST(NeighborModel, IsGoodLooksAtBothEndsOfTheSharedSide) {
  struct Case {
    std::string name;
    bool rectangle;
    int side;
    Vec2 afterEnd;
    Vec2 beforeStart;
    bool good;
  };
  const std::vector<Case> cases{
      {"square in line at both ends", false, 0, {0, -20}, {20, -20}, true},
      {"first end lies along the parent, ends elsewhere", false, 0, {0, 10}, {20, -20}, false},
      {"first end lies along the parent, ends together", false, 0, {0, 20}, {20, -20}, true},
      {"first end turns against the parent", false, 0, {-20, -20}, {20, -20}, false},
      {"second end lies along the parent, ends elsewhere", false, 0, {0, -20}, {20, 30}, false},
      {"second end lies along the parent, ends together", false, 0, {0, -20}, {20, 20}, true},
      {"second end within 2^-9 of the candidate's corner", false, 0, {0, -20}, {20, 20 + tolerance}, true},
      {"second end twice that far", false, 0, {0, -20}, {20, 20 + 2 * tolerance}, false},
      {"second end turns against the parent", false, 0, {0, -20}, {40, -20}, false},
      // The rectangle's straight corner lies on the first end with side 3,
      // on the second with side 2: the parent may turn there as it likes.
      {"straight own corner at the first end", true, 3, {-20, -20}, {20, -20}, true},
      {"straight own corner at the second end", true, 2, {0, -20}, {40, -20}, true},
      {"straight corner at the first end, second end turns", true, 3, {-20, -20}, {40, -20}, false},
  };
  // The corners decide; the side only has to be alive.
  const auto tile = placedTile(testing::unitSquare());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ParentSide corners{{20, 0}, {0, 0}, c.afterEnd, c.beforeStart};
    const auto candidate = NeighborModel::create(c.rectangle ? notchedRectangle() : testing::unitSquare());
    candidate->place(c.side, corners);
    candidate->setParent(tile->edges()[0], corners);
    candidate->edgeOffset = c.side;
    EXPECT_EQ(candidate->computeIsGood(), c.good);
  }
}

TEST(NeighborModel, IsGoodKeepsItsFirstAnswer) {
  auto square = placedTile(testing::unitSquare());
  const auto triangle = candidateOn(testing::equilateralTriangle(), 0, square->edges()[2]);
  const auto kept = candidateOn(testing::equilateralTriangle(), 0, square->edges()[2]);
  EXPECT_FALSE(kept->isGood());

  // Once the parent tile is gone there is nothing to continue: a first read
  // now says good, the answer already given stays.
  square.reset();
  EXPECT_EQ(triangle->parent(), nullptr);
  EXPECT_TRUE(triangle->isGood());
  EXPECT_TRUE(kept->computeIsGood());
  EXPECT_FALSE(kept->isGood());
}

TEST(NeighborModelDeathTest, AnOwnSideOutsideItsEdgesStops) {
  const auto square = placedTile(testing::unitSquare());
  const auto candidate = candidateOn(testing::unitSquare(), 0, square->edges()[1]);
  candidate->edgeOffset = 4;
  EXPECT_DEATH(candidate->computeIsGood(), "");
  candidate->edgeOffset = -1;
  EXPECT_DEATH(candidate->computeIsGood(), "");
}

}  // namespace
}  // namespace ornival
