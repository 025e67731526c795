#include "model/EdgeMultiNeighborsOperation.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"
#include "support/Figures.h"
#include "support/GroupSearch.h"
#include "support/TileGrids.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace ornival {
namespace {

using Candidates = std::vector<std::shared_ptr<NeighborModel>>;

constexpr double tolerance = 1.0 / 512.0;

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

std::vector<std::int64_t> offsetsOf(const Candidates& candidates) {
  std::vector<std::int64_t> offsets;
  for (const auto& candidate : candidates)
    offsets.push_back(candidate->edgeOffset);
  return offsets;
}

class EdgeMultiNeighbors : public testing::GroupSearchTest {
protected:
  // A group of one L tile: sides of lengths 2, 1, 1, 1, 1, 2.
  static std::shared_ptr<MultiShape> lGroup() {
    const auto tile = testing::placedTile(testing::lShape());
    return MultiShape::create(tile, {tile});
  }

  // A group of two unit squares side by side: six sides of length 1.
  static std::shared_ptr<MultiShape> domino() {
    const std::shared_ptr<const Figure> square = testing::unitSquare();
    std::vector<std::shared_ptr<Shape>> tiles{
        testing::tileAt(square, AffineTransform::identity()),
        testing::tileAt(square, AffineTransform::translation(1, 0))};
    Graph::create(tiles)->joinEdges(testing::allEdges(tiles));
    return MultiShape::create(tiles[0], tiles);
  }

  // The group's candidates on a free side, run here and handed over.
  Candidates run(const std::shared_ptr<Edge>& edge, const std::shared_ptr<MultiShape>& group) {
    const auto operation = EdgeMultiNeighborsOperation::create(edge, group);
    operation->main();
    main->drain();
    return edge->neighbors[Shapes::multi];
  }
};

TEST_F(EdgeMultiNeighbors, LaysEveryMatchingSideOnTheEdgeOnTheMainQueue) {
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto& edge = tile->edges()[1];
  const auto group = domino();
  const Candidates old{NeighborModel::create(group->figure())};
  const Candidates squares{NeighborModel::create(tile->figure())};
  edge->neighbors[Shapes::multi] = old;
  edge->neighbors[Shapes::square] = squares;

  const auto operation = EdgeMultiNeighborsOperation::create(edge, group);
  EXPECT_EQ(operation->queuePriority(), QueuePriority::low);
  EXPECT_EQ(operation->edge(), edge);
  EXPECT_EQ(operation->multiShape(), group);
  // On the main thread itself the hand-over runs at once; from a queue
  // thread it waits for the main thread (see the concurrency tests).
  operation->main();
  EXPECT_EQ(main->pendingCount(), 0u);

  const auto& candidates = edge->neighbors[Shapes::multi];
  EXPECT_EQ(offsetsOf(candidates), (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(edge->neighbors[Shapes::square], squares);
  for (const auto& candidate : candidates) {
    const auto k = std::size_t(candidate->edgeOffset);
    SCOPED_TRACE(k);
    EXPECT_EQ(candidate->figure(), group->figure());
    EXPECT_EQ(candidate->parent(), edge);
    EXPECT_EQ(candidate->checked(), Checked::unknown);
    EXPECT_DOUBLE_EQ(candidate->scale(), 1.0);
    // Side k lies on the edge, the other way round, outside the tile.
    expectNear(candidate->edges()[k]->transformedVertex(), Vec2{20, 20});
    expectNear(candidate->edges()[(k + 1) % 6]->transformedVertex(), Vec2{20, 0});
    EXPECT_GT(candidate->center().x, 20.0);
  }
}

TEST_F(EdgeMultiNeighbors, TriesOnlySidesOfTheEdgesLength) {
  const auto group = lGroup();
  // A unit side takes the L's four short sides, a side of 2 its two long ones.
  const auto unit = testing::placedTile(testing::unitSquare());
  EXPECT_EQ(offsetsOf(run(unit->edges()[0], group)), (std::vector<std::int64_t>{1, 2, 3, 4}));
  const auto l = testing::placedTile(testing::lShape());
  EXPECT_EQ(offsetsOf(run(l->edges()[0], group)), (std::vector<std::int64_t>{0, 5}));

  // The target is the edge's figure length times its tile's scale; a side
  // counts while it differs from it by less than 2^-9.
  struct Case {
    double scale;
    std::size_t count;
  };
  for (const auto& c : {Case{1 + tolerance, 0}, Case{1 + tolerance / 2, 4}, Case{1 - tolerance, 0},
                        Case{1 - tolerance / 2, 4}}) {
    SCOPED_TRACE(c.scale);
    const auto tile = Shape::create(testing::unitSquare());
    tile->transformation = AffineTransform::scale(20 * c.scale, 20 * c.scale);
    tile->updateTransformedGeometry();
    ASSERT_EQ(tile->scale(), c.scale);
    EXPECT_EQ(run(tile->edges()[0], group).size(), c.count);
  }
}

// A side that matches nothing still gets its list, an empty one, which
// replaces whatever was there: the side counts as searched.
TEST_F(EdgeMultiNeighbors, AnEdgeThatMatchesNothingGetsAnEmptyList) {
  const auto tile = testing::placedTile(testing::unitSquare());
  tile->transformation = AffineTransform::scale(60, 60);
  tile->updateTransformedGeometry();
  const auto& edge = tile->edges()[2];
  edge->neighbors[Shapes::multi] = {NeighborModel::create(tile->figure())};
  const auto candidates = run(edge, domino());
  EXPECT_TRUE(candidates.empty());
  EXPECT_EQ(edge->neighbors.count(Shapes::multi), 1u);
}

TEST_F(EdgeMultiNeighbors, CancelledOrOrphanedItLeavesTheEdgeAlone) {
  const auto group = domino();
  auto tile = testing::placedTile(testing::unitSquare());
  const auto edge = tile->edges()[1];
  const Candidates old{NeighborModel::create(group->figure())};
  edge->neighbors[Shapes::multi] = old;

  const auto cancelled = EdgeMultiNeighborsOperation::create(edge, group);
  cancelled->cancel();
  cancelled->main();
  EXPECT_EQ(main->pendingCount(), 0u);

  // The tile went away after the operation was made, or before.
  const auto late = EdgeMultiNeighborsOperation::create(edge, group);
  tile.reset();
  late->main();
  EdgeMultiNeighborsOperation::create(edge, group)->main();
  EXPECT_EQ(main->pendingCount(), 0u);
  EXPECT_EQ(edge->neighbors[Shapes::multi], old);
}

// A group whose border lost a tile has fewer lengths than corners: the sides
// without a length are never matched, and never read. The lengths are cut
// down from the full six, so that the memory past their end still holds
// lengths that would match: a search reading there finds sides 3 and 4 too.
TEST_F(EdgeMultiNeighbors, AGroupWithFewerLengthsThanCornersMatchesOnlyThoseItHas) {
  const auto group = lGroup();
  ASSERT_EQ(group->figure()->variantCount(), 6);
  std::vector<double> lengths = group->figure()->lengths();
  ASSERT_EQ(lengths, (std::vector<double>{2.0, 1.0, 1.0, 1.0, 1.0, 2.0}));
  lengths.resize(3);
  std::const_pointer_cast<Figure>(group->figure())->setLengths(std::move(lengths));
  ASSERT_GE(group->figure()->lengths().capacity(), 6u);
  const auto tile = testing::placedTile(testing::unitSquare());
  EXPECT_EQ(offsetsOf(run(tile->edges()[0], group)), (std::vector<std::int64_t>{1, 2}));
}

// The candidates keep their parent's corners: the L's short sides all fit a
// square's side (in line, or round the square with its notch), while its
// right angles turn away from a triangle's sides everywhere.
TEST_F(EdgeMultiNeighbors, CandidatesKnowWhetherTheyCarryOnTheirParent) {
  const auto group = lGroup();
  const auto square = testing::placedTile(testing::unitSquare());
  const auto triangle = testing::placedTile(testing::equilateralTriangle());
  const auto onSquare = run(square->edges()[1], group);
  const auto onTriangle = run(triangle->edges()[0], group);
  ASSERT_EQ(onSquare.size(), 4u);
  ASSERT_EQ(onTriangle.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(onSquare[i]->isGood()) << onSquare[i]->edgeOffset;
    EXPECT_FALSE(onTriangle[i]->isGood()) << onTriangle[i]->edgeOffset;
  }
}

// A selection whose joins lie apart (a damaged file) makes no group: the
// group before it stays current, and the search, which lays the current
// group's sides on the edge, meets only that one's closed outline.
TEST_F(EdgeMultiNeighbors, ASelectionWhoseOutlineDoesNotCloseNeverReachesTheSearch) {
  const auto sound = domino();
  const auto [left, right] = testing::pairAcrossAGap(testing::unitSquare(), 0.5, 0.0);
  EXPECT_EQ(MultiShape::create(left, {left, right}), nullptr);
  ASSERT_EQ(MultiShape::current(), sound);
  const auto tile = testing::placedTile(testing::unitSquare());
  EXPECT_EQ(offsetsOf(run(tile->edges()[1], MultiShape::current())), (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5}));
}

TEST_F(EdgeMultiNeighbors, MisuseStops) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto tile = testing::placedTile(testing::unitSquare());
  EXPECT_DEATH(EdgeMultiNeighborsOperation::create(nullptr, domino()), "");
  const auto withoutGroup = EdgeMultiNeighborsOperation::create(tile->edges()[0], nullptr);
  EXPECT_DEATH(withoutGroup->main(), "");
}

}  // namespace
}  // namespace ornival
