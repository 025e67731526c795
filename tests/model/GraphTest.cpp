#include "model/Graph.h"

#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Shape.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/ShapeLayer.h"
#include "support/Figures.h"
#include "support/TileGrids.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include <algorithm>

namespace ornival {
namespace {

using testing::allEdges;
using testing::glue;
using testing::joinedGraph;
using testing::squareGrid;
using Tiles = std::vector<std::shared_ptr<Shape>>;

// Square sides in edge order: bottom, right, top, left.
constexpr std::size_t right = 1;
constexpr std::size_t top = 2;
constexpr std::size_t left = 3;

std::shared_ptr<Edge> side(const std::shared_ptr<Shape>& tile, std::size_t i) { return tile->edges()[i]; }

// Tile positions in the list, to compare walks by.
std::vector<int> indices(const Tiles& tiles) {
  std::vector<int> result;
  for (const auto& tile : tiles)
    result.push_back(tile->index);
  return result;
}

// A row of n glued squares, left to right; those at the given positions get
// status marked.
std::shared_ptr<Graph> strip(int n, std::initializer_list<int> marked = {}) {
  auto graph = joinedGraph(squareGrid(n, 1));
  for (const int i : marked)
    graph->shapes()[std::size_t(i)]->setStatus(ShapeStatus::marked);
  return graph;
}

// --- Order and indices ---

TEST(Graph, InsertAndRemoveKeepEveryIndexAtItsPosition) {
  const auto graph = Graph::create();
  const Tiles tiles = squareGrid(4, 1);
  graph->insert(tiles[0], 0);
  graph->insert(tiles[1], 1);
  graph->insert(tiles[2], 0);
  graph->insert(tiles[3], 2);
  EXPECT_EQ(graph->shapes(), (Tiles{tiles[2], tiles[0], tiles[3], tiles[1]}));
  EXPECT_EQ(indices(graph->shapes()), (std::vector<int>{0, 1, 2, 3}));

  graph->remove(*tiles[2]);
  EXPECT_EQ(graph->shapes(), (Tiles{tiles[0], tiles[3], tiles[1]}));
  EXPECT_EQ(indices(graph->shapes()), (std::vector<int>{0, 1, 2}));
  // The tile taken out keeps its place for an undo that puts it back.
  EXPECT_EQ(tiles[2]->index, 0);

  graph->remove(*tiles[3]);
  EXPECT_EQ(indices(graph->shapes()), (std::vector<int>{0, 1}));
  EXPECT_EQ(graph->shapes(), (Tiles{tiles[0], tiles[1]}));
}

// Many tiles at once, in any order, in one pass: the rest close up in order
// and are renumbered; the tiles taken out keep the index they had.
TEST(Graph, RemovingAListTakesItsTilesOutTogether) {
  const Tiles tiles = squareGrid(6, 1);
  const auto graph = Graph::create(tiles);
  graph->remove(Tiles{tiles[4], tiles[1], tiles[2]});
  EXPECT_EQ(graph->shapes(), (Tiles{tiles[0], tiles[3], tiles[5]}));
  EXPECT_EQ(indices(graph->shapes()), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(tiles[4]->index, 4);
  graph->remove(Tiles{});
  EXPECT_EQ(graph->shapes().size(), 3u);
  graph->remove(graph->shapes());
  EXPECT_TRUE(graph->shapes().empty());
}

// A batch of insertions lands where inserting one by one would put each,
// also across the blocks the batch keeps, and is numbered once at its end.
TEST(Graph, InsertionsInABatchLandWhereOneByOneWould) {
  const Tiles tiles = squareGrid(1400, 1);
  const auto graph = Graph::create(Tiles(tiles.begin(), tiles.begin() + 600));
  std::vector<std::shared_ptr<Shape>> expected = graph->shapes();
  {
    Graph::Insertions batch(*graph);
    EXPECT_TRUE(graph->shapes().empty());
    std::size_t position = 0;
    for (std::size_t i = 600; i < tiles.size(); ++i) {
      // Front, back and strides across the whole list.
      position = i % 3 == 0 ? 0 : i % 3 == 1 ? batch.count() : (position + 577) % (batch.count() + 1);
      batch.insert(tiles[i], position);
      expected.insert(expected.begin() + std::ptrdiff_t(position), tiles[i]);
      ASSERT_EQ(batch.at(position), tiles[i]);
    }
    EXPECT_EQ(batch.count(), tiles.size());
    EXPECT_EQ(batch.at(batch.count() - 1), expected.back());
  }
  EXPECT_EQ(graph->shapes(), expected);
  EXPECT_EQ(indices(graph->shapes()), [&] {
    std::vector<int> all(tiles.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
  }());
}

TEST(Graph, ListReadFromAFileIsRenumbered) {
  Tiles tiles = squareGrid(3, 1);
  tiles[0]->index = 5;
  tiles[1]->index = 5;
  tiles[2]->index = -1;
  const auto graph = Graph::create(tiles);
  EXPECT_EQ(indices(graph->shapes()), (std::vector<int>{0, 1, 2}));

  std::reverse(tiles.begin(), tiles.end());
  graph->setShapes(tiles);
  EXPECT_EQ(graph->shapes().front(), tiles.front());
  EXPECT_EQ(indices(graph->shapes()), (std::vector<int>{0, 1, 2}));
}

TEST(GraphDeathTest, PositionsOutsideTheListAndStrangersStop) {
  const auto graph = Graph::create(squareGrid(2, 1));
  const auto stranger = squareGrid(1, 1).front();
  EXPECT_DEATH(graph->insert(stranger, 3), "");
  EXPECT_DEATH(graph->insert(stranger, -1), "");
  stranger->index = 2;
  EXPECT_DEATH(graph->remove(*stranger), "");
  // In range, but another tile sits there.
  stranger->index = 1;
  EXPECT_DEATH(graph->remove(*stranger), "");
  EXPECT_DEATH(graph->remove(Tiles{graph->shapes()[0], stranger}), "");
  EXPECT_DEATH(graph->remove(Tiles{graph->shapes()[1], graph->shapes()[1]}), "");
}

// --- Gluing ---

TEST(GraphJoin, SquaresSideBySideGlueTheSharedSideOnly) {
  const Tiles tiles = squareGrid(2, 1);
  side(tiles[0], right)->neighbors[Shapes::square] = {};
  side(tiles[1], left)->neighbors[Shapes::square] = {};
  joinedGraph(tiles);

  EXPECT_EQ(side(tiles[0], right)->join.lock(), side(tiles[1], left));
  EXPECT_EQ(side(tiles[1], left)->join.lock(), side(tiles[0], right));
  EXPECT_TRUE(side(tiles[0], right)->neighbors.empty());
  EXPECT_TRUE(side(tiles[1], left)->neighbors.empty());
  int joined = 0;
  for (const auto& edge : allEdges(tiles))
    joined += edge->join.expired() ? 0 : 1;
  EXPECT_EQ(joined, 2);
}

TEST(GraphJoin, GluesEverySharedSideOfAGridToItsCounterpart) {
  const Tiles tiles = squareGrid(3, 3);
  joinedGraph(tiles);
  int joined = 0;
  for (const auto& edge : allEdges(tiles)) {
    const auto partner = edge->join.lock();
    if (!partner)
      continue;
    ++joined;
    EXPECT_EQ(partner->join.lock(), edge);
    EXPECT_NE(partner->shape.lock(), edge->shape.lock());
  }
  EXPECT_EQ(joined, 2 * 12);
}

TEST(GraphJoin, SidesRunningTheSameWayOrAlreadyJoinedAreLeftAlone) {
  // Two squares in one place: every side lies on one running the same way.
  const Tiles stacked{squareGrid(1, 1).front(), squareGrid(1, 1).front()};
  joinedGraph(stacked);
  for (const auto& edge : allEdges(stacked))
    EXPECT_TRUE(edge->join.expired());

  // A side already glued elsewhere keeps its partner.
  const Tiles pair = squareGrid(2, 1);
  const auto elsewhere = squareGrid(1, 1).front();
  glue(side(pair[0], right), side(elsewhere, 0));
  joinedGraph(pair);
  EXPECT_EQ(side(pair[0], right)->join.lock(), side(elsewhere, 0));
  EXPECT_TRUE(side(pair[1], left)->join.expired());
}

// Tiles stacked in one place, as a file may hold them by the thousand: two
// stacks side by side glue pairwise in list order, each side to the earliest
// free one that fits, and the sides that only lie on one another stay free.
TEST(GraphJoin, StackedTilesGluePairwiseInListOrder) {
  Tiles west;
  Tiles east;
  Tiles all;
  for (int k = 0; k < 50; ++k) {
    const Tiles pair = squareGrid(2, 1);
    west.push_back(pair[0]);
    east.push_back(pair[1]);
  }
  // Every west square first, then the east ones, a third of them already
  // glued elsewhere.
  all.insert(all.end(), west.begin(), west.end());
  all.insert(all.end(), east.begin(), east.end());
  Tiles elsewhere;
  for (std::size_t k = 0; k < east.size(); k += 3) {
    elsewhere.push_back(squareGrid(1, 1).front());
    glue(side(east[k], left), side(elsewhere.back(), 0));
  }
  joinedGraph(all);
  std::size_t next = 0;
  for (const auto& tile : west) {
    while (next % 3 == 0 && next < east.size())
      ++next;
    SCOPED_TRACE(tile->index);
    if (next < east.size())
      EXPECT_EQ(side(tile, right)->join.lock(), side(east[next++], left));
    else
      EXPECT_TRUE(side(tile, right)->join.expired());
    for (const std::size_t free : {std::size_t(0), top, left})
      EXPECT_TRUE(side(tile, free)->join.expired());
  }
}

TEST(GraphJoin, GroupFlagCrossesTheJoinAndRepathsTheOtherTile) {
  for (const bool flagFirst : {true, false}) {
    SCOPED_TRACE(flagFirst);
    const Tiles tiles = squareGrid(2, 1);
    const auto flagged = flagFirst ? side(tiles[0], right) : side(tiles[1], left);
    const auto other = flagFirst ? side(tiles[1], left) : side(tiles[0], right);
    flagged->isGroupJoin = true;
    joinedGraph(tiles);

    EXPECT_TRUE(other->isGroupJoin);
    const auto tile = other->shape.lock();
    ASSERT_TRUE(tile->borderLayer3()->path().has_value());
    EXPECT_EQ(*tile->borderLayer3()->path(), tile->borderPath());
    EXPECT_EQ(tile->borderLayer()->path(), tile->borderLayer3()->path());
  }
}

// Two squares side by side, the right one shifted by (dx, dy) canvas units,
// or sheared so that one end of its left side alone moves across by `top`
// or `bottom`: its left side meets the left one's right side exactly when
// both ends lie within 1/512, wherever the rounding of their midpoints falls.
TEST(GraphJoin, CoincidenceIsDecidedByTheEndsNotByTheBuckets) {
  struct Case {
    double dx;
    double dy;
    bool glued;
    double top = 0.0;
    double bottom = 0.0;
  };
  const double step = 1.0 / 1024.0;
  const Case cases[] = {
      {0.0, 0.0, true},
      // Doubled midpoints on either side of a rounding boundary of 1/1024.
      {0.0, step / 4, true},
      {0.0, -step / 4, true},
      {0.0, -0.75 * step, true},
      {step / 4 + 1e-9, -step / 4 - 1e-9, true},
      // The same across the boundaries of coarser cells.
      {0.0, -1e-9, true},
      {-1e-9, 1e-9, true},
      {0.0, 1.9 * step, true},
      {1.3 * step, -1.3 * step, true},
      // Ends 2^-8 apart.
      {0.0, 4 * step, false},
      {-4 * step, 0.0, false},
      {2.9 * step, 2.9 * step, false},
      // One end just inside 1/512 and just outside, the other end exact.
      {0.0, 0.0, true, 0.95 * 2 * step},
      {0.0, 0.0, false, 1.05 * 2 * step},
      {0.0, 0.0, true, 0.0, -0.95 * 2 * step},
      {0.0, 0.0, false, 0.0, -1.05 * 2 * step},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dx << ", " << c.dy << " top " << c.top << " bottom " << c.bottom);
    Tiles tiles = squareGrid(2, 1);
    // The left side runs from (20, 20) down to (20, 0).
    const double shear = (c.top - c.bottom) / 20.0;
    tiles[1]->transformation = tiles[1]->transformation.concatenating(
        AffineTransform{1.0, 0.0, shear, 1.0, c.dx + c.bottom, c.dy});
    tiles[1]->updateTransformedGeometry();
    joinedGraph(tiles);
    EXPECT_EQ(side(tiles[0], right)->join.lock() == side(tiles[1], left), c.glued);
  }
}

// The same pair moved across a stretch of the plane in small steps, the right
// square a little off the left one: whatever cells the buckets cut the plane
// into, some of these positions put a cell boundary between the two sides'
// midpoints, and the sides must be glued there all the same.
TEST(GraphJoin, CoincidentSidesGlueWhereverTheBucketBoundariesFall) {
  const double step = 0x1p-12;
  const double off = 0x1p-11;  // both ends stay within 2^-9
  const Vec2 shifts[] = {{off, 0.0}, {0.0, -off}, {-off, off}};
  int missed = 0;
  for (int k = -512; k < 512; ++k) {
    for (const Vec2 shift : shifts) {
      Tiles tiles = squareGrid(2, 1);
      const Vec2 base{k * step, k * step};
      for (const auto& tile : tiles) {
        const Vec2 at = tile == tiles[1] ? base + shift : base;
        tile->transformation = tile->transformation.concatenating(AffineTransform::translation(at.x, at.y));
        tile->updateTransformedGeometry();
      }
      joinedGraph(tiles);
      if (side(tiles[0], right)->join.lock() != side(tiles[1], left)) {
        ++missed;
        ADD_FAILURE() << "not glued at " << base.x << " shifted by " << shift.x << ", " << shift.y;
      }
      if (missed > 3)
        return;
    }
  }
}

// A side shorter than 2/512 cannot be told from a point, and its ends say
// nothing of which way it runs: such sides keep only the joins a file or an
// edit states. Nor is a tile glued to itself, as the two long sides beside a
// short one would be. Two squares of side s side by side, and squares
// flattened or shrunk on their own.
TEST(GraphJoin, SidesTooShortToTellFromAPointAndSidesOfOneTileStayFree) {
  struct Case {
    const char* name;
    double width;
    double height;
    int tiles;
    int joins;
  };
  const double step = 1.0 / 512.0;
  const Case cases[] = {
      {"side 2.5/512, glued", 2.5 * step, 2.5 * step, 2, 1},
      {"side 2/512, glued", 2.0 * step, 2.0 * step, 2, 1},
      {"side 1.5/512, free", 1.5 * step, 1.5 * step, 2, 0},
      {"side 0.5/512, free", 0.5 * step, 0.5 * step, 2, 0},
      {"height 0.9/512, long sides free", 20.0, 0.9 * step, 2, 0},
      {"height 2.5/512, glued across", 20.0, 2.5 * step, 2, 1},
      {"flattened square alone", 20.0, 0.9 * step, 1, 0},
      {"tiny square alone", 1e-5, 1e-5, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Tiles tiles;
    for (int k = 0; k < c.tiles; ++k) {
      auto tile = Shape::create(testing::unitSquare());
      tile->transformation = {c.width, 0.0, 0.0, c.height, 100.0 + k * c.width, 40.0};
      tile->updateTransformedGeometry();
      tiles.push_back(std::move(tile));
    }
    // Each side listed twice as well: it is still no partner of itself.
    auto edges = allEdges(tiles);
    const auto twice = edges;
    edges.insert(edges.end(), twice.begin(), twice.end());
    Graph::create(tiles)->joinEdges(edges);
    int joins = 0;
    for (const auto& edge : twice) {
      const auto partner = edge->join.lock();
      if (!partner)
        continue;
      EXPECT_NE(partner->shape.lock().get(), edge->shape.lock().get()) << "side " << edge->index();
      ++joins;
    }
    EXPECT_EQ(joins, 2 * c.joins);
    if (c.joins == 1) {
      EXPECT_EQ(side(tiles[0], right)->join.lock(), side(tiles[1], left));
    }
  }
}

TEST(GraphJoinDeathTest, SideWithoutItsNextStops) {
  const auto model = ShapeModel::create(testing::unitSquare());
  const auto edge = Edge::create({0, 0}, model, 0);
  const auto graph = Graph::create();
  EXPECT_DEATH(graph->joinEdges({edge}), "");
}

// --- Groups ---

TEST(Graph, CollectGroupGathersGroupJoinsDepthFirstInSideOrder) {
  // A plus of five squares glued as a group, with one more in the group beyond
  // its right arm, and a last square beyond the top arm glued plainly.
  //        P
  //        T
  //    L   C   R   RR
  //        B
  std::vector<std::pair<double, double>> at{{1, 1}, {1, 0}, {2, 1}, {3, 1}, {1, 2}, {0, 1}, {1, 3}};
  Tiles tiles;
  for (const auto& [x, y] : at)
    tiles.push_back(testing::tileAt(testing::unitSquare(), AffineTransform::translation(x, y)));
  const auto graph = joinedGraph(tiles);
  for (const auto& edge : allEdges(tiles)) {
    const auto partner = edge->join.lock();
    if (partner && edge->shape.lock() != tiles[6] && partner->shape.lock() != tiles[6])
      edge->isGroupJoin = true;
  }

  Tiles group{tiles[0]};
  graph->collectGroup(tiles[0], group);
  // Bottom arm, then the right arm and on beyond it, then top, then left.
  EXPECT_EQ(group, (Tiles{tiles[0], tiles[1], tiles[2], tiles[3], tiles[4], tiles[5]}));

  Tiles fromArm{tiles[3]};
  graph->collectGroup(tiles[3], fromArm);
  EXPECT_EQ(fromArm, (Tiles{tiles[3], tiles[2], tiles[0], tiles[1], tiles[4], tiles[5]}));
}

// --- Regions ---

TEST(GraphRegions, EmptyGraphAnswersWithNothing) {
  const auto graph = Graph::create();
  EXPECT_EQ(graph->largestRegion(), 0);
  EXPECT_TRUE(graph->selectOutside(0).empty());
  graph->computeSpin();
  graph->invertColors();
  EXPECT_EQ(graph->countPerTool(), std::vector<int>(1123, 0));
  EXPECT_EQ(graph->vertexCount(), 0);
  EXPECT_TRUE(graph->crossingPaths(true, false, 1.0, 2.0, 0.0).empty());
}

TEST(GraphRegions, LoneTileIsRegionNineWithNothingOutside) {
  const auto graph = strip(1);
  EXPECT_EQ(graph->largestRegion(), 9);
  EXPECT_TRUE(graph->selectOutside(9).empty());
  EXPECT_EQ(graph->shapes()[0]->status(), ShapeStatus::live);
}

TEST(GraphRegions, MarkedTileSplitsAStripAndTheLargerSideWins) {
  struct Case {
    int length;
    int marked;
    int expected;
  };
  // The first tile's side is 9, the far side 10; on equal sizes 9 wins. A
  // marked first tile has no region of its own.
  for (const Case c : {Case{5, 2, 9}, Case{6, 2, 10}, Case{6, 3, 9}, Case{3, 0, 10}}) {
    SCOPED_TRACE(::testing::Message() << c.length << " cut at " << c.marked);
    const auto graph = strip(c.length, {c.marked});
    EXPECT_EQ(graph->largestRegion(), c.expected);
    for (const auto& tile : graph->shapes()) {
      const int expectedLabel = tile->index == c.marked ? 1 : c.marked > 0 && tile->index < c.marked ? 9 : 10;
      EXPECT_EQ(tile->visited, expectedLabel) << tile->index;
    }
  }
}

TEST(GraphRegions, SelectOutsideWalksFromTheRegionAndMovesWhatLiesOutside) {
  // 0 1 [2] 3 4 5 with tile 2 marked: the far side (10) is larger.
  const auto graph = strip(6, {2});
  const int label = graph->largestRegion();
  ASSERT_EQ(label, 10);
  const auto outside = graph->selectOutside(label);
  // Breadth first from tile 3: the marked tile first, then on to the left.
  EXPECT_EQ(indices(outside), (std::vector<int>{2, 1, 0}));
  const auto& tiles = graph->shapes();
  EXPECT_EQ(tiles[2]->status(), ShapeStatus::marked);
  EXPECT_EQ(tiles[1]->status(), ShapeStatus::moving);
  EXPECT_EQ(tiles[0]->status(), ShapeStatus::moving);
  for (std::size_t i = 3; i < 6; ++i)
    EXPECT_EQ(tiles[i]->status(), ShapeStatus::live);
}

TEST(GraphRegions, RegionsFoundApartThatTouchMergeBeforeCounting) {
  // Tile 0 alone on the left, cut off by two marked tiles; leaving the marked
  // tile 1 starts one region at 2 and another at 4, which meet at 5.
  //   3m 4  5
  //   0  1m 2
  const std::pair<int, int> at[] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
  Tiles tiles;
  for (const auto& [x, y] : at)
    tiles.push_back(testing::tileAt(testing::unitSquare(), AffineTransform::translation(x, y)));
  tiles[1]->setStatus(ShapeStatus::marked);
  tiles[3]->setStatus(ShapeStatus::marked);
  const auto graph = joinedGraph(tiles);

  const int label = graph->largestRegion();
  EXPECT_EQ(tiles[0]->visited, 9);
  EXPECT_GE(label, 10);
  for (const std::size_t i : {2u, 4u, 5u})
    EXPECT_EQ(tiles[i]->visited, label) << i;
}

TEST(GraphRegions, EqualRegionsGoToTheOneListedFirst) {
  // 0 1 [2] 3 4 with the marked tile first in the list: two regions of two,
  // neither of them the first tile's.
  for (const bool leftFirst : {true, false}) {
    SCOPED_TRACE(leftFirst);
    const Tiles row = squareGrid(5, 1);
    row[2]->setStatus(ShapeStatus::marked);
    const Tiles listed =
        leftFirst ? Tiles{row[2], row[0], row[1], row[3], row[4]} : Tiles{row[2], row[4], row[3], row[1], row[0]};
    const auto graph = joinedGraph(listed);
    const int label = graph->largestRegion();
    EXPECT_NE(row[0]->visited, row[4]->visited);
    EXPECT_EQ(label, leftFirst ? row[0]->visited : row[4]->visited);
  }
}

TEST(GraphRegions, TilesOutOfReachCountAsRegionZero) {
  // The first tile alone, two tiles elsewhere that it does not touch.
  Tiles tiles = squareGrid(1, 1);
  for (const int x : {5, 6})
    tiles.push_back(testing::tileAt(testing::unitSquare(), AffineTransform::translation(x, 0)));
  const auto graph = joinedGraph(tiles);
  EXPECT_EQ(graph->largestRegion(), 0);
  // The walk starts in that unreached part and returns nothing of it.
  EXPECT_TRUE(graph->selectOutside(0).empty());
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->status(), ShapeStatus::live);
}

TEST(GraphRegions, AllMarkedGivesZeroAndEveryTileOutsideUnchanged) {
  const auto graph = strip(3, {0, 1, 2});
  EXPECT_EQ(graph->largestRegion(), 0);
  EXPECT_EQ(indices(graph->selectOutside(0)), (std::vector<int>{0, 1, 2}));
  for (const auto& tile : graph->shapes())
    EXPECT_EQ(tile->status(), ShapeStatus::marked);
}

TEST(GraphRegions, OneWalkTakesWhatTheRegionWalksTake) {
  // Each case built twice: once walked region by region, once at one go.
  struct Case {
    const char* name;
    std::function<Tiles()> make;
  };
  const auto marked = [](Tiles tiles, std::vector<int> which) {
    for (const int i : which)
      tiles[std::size_t(i)]->setStatus(ShapeStatus::marked);
    return tiles;
  };
  const auto allMarked = [&](Tiles tiles) {
    std::vector<int> every(tiles.size());
    std::iota(every.begin(), every.end(), 0);
    return marked(std::move(tiles), every);
  };
  const auto withIsland = [] {
    Tiles tiles = squareGrid(2, 2);
    tiles.push_back(testing::tileAt(testing::unitSquare(), AffineTransform::translation(7, 0)));
    return tiles;
  };
  const Case cases[] = {
      {"nothing marked", [] { return squareGrid(3, 2); }},
      {"a cut through a strip", [&] { return marked(squareGrid(6, 1), {2}); }},
      {"all of a grid", [&] { return allMarked(squareGrid(4, 3)); }},
      {"all, tiles out of reach", [&] { return allMarked(withIsland()); }},
      {"all but one", [&] { return marked(squareGrid(3, 3), {0, 1, 2, 3, 5, 6, 7, 8}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto apart = joinedGraph(c.make());
    const auto together = joinedGraph(c.make());
    const auto expected = apart->selectOutside(apart->largestRegion());
    const auto taken = together->selectOutsideLargestRegion();
    EXPECT_EQ(indices(taken), indices(expected));
    for (std::size_t i = 0; i < apart->shapes().size(); ++i)
      EXPECT_EQ(together->shapes()[i]->status(), apart->shapes()[i]->status()) << i;
  }
  EXPECT_TRUE(Graph::create()->selectOutsideLargestRegion().empty());
}

// --- Parity ---

TEST(GraphSpin, FlipsAcrossPlainJoinsAndHoldsAcrossGroupJoins) {
  for (const bool group : {false, true}) {
    SCOPED_TRACE(group);
    const Tiles tiles = squareGrid(2, 1);
    side(tiles[0], right)->isGroupJoin = group;
    const auto graph = joinedGraph(tiles);
    tiles[0]->spin = true;
    graph->computeSpin();
    EXPECT_FALSE(tiles[0]->spin);
    EXPECT_EQ(tiles[1]->spin, !group);
  }
}

TEST(GraphSpin, EvenCyclesOfAGridGiveACheckerboard) {
  const int columns = 5;
  const auto graph = joinedGraph(squareGrid(columns, 4));
  // Stale labels from an earlier walk must not matter.
  for (const auto& tile : graph->shapes())
    tile->visited = 7;
  graph->computeSpin();
  for (const auto& tile : graph->shapes()) {
    const int x = tile->index % columns;
    const int y = tile->index / columns;
    EXPECT_EQ(tile->spin, (x + y) % 2 == 1) << x << ", " << y;
  }
}

// Each piece is walked from its lowest-index tile, which gets false, whatever
// the parities left from before (here all the wrong way round).
TEST(GraphSpin, EveryPieceStartsFalseAtItsFirstTile) {
  const auto at = [](double x, double y) {
    return testing::tileAt(testing::unitSquare(), AffineTransform::translation(x, y));
  };
  // List order: first piece x = 0, 1 at y = 0; second piece x = 0, 1, 2 at
  // y = 5, its first tile in the middle; a lone tile.
  const Tiles tiles{at(0, 0), at(1, 5), at(1, 0), at(0, 5), at(2, 5), at(9, 9)};
  const auto graph = joinedGraph(tiles);
  const std::vector<bool> expected{false, false, true, true, true, false};
  for (std::size_t i = 0; i < tiles.size(); ++i)
    tiles[i]->spin = !expected[i];
  graph->computeSpin();
  for (std::size_t i = 0; i < tiles.size(); ++i)
    EXPECT_EQ(tiles[i]->spin, expected[i]) << i;

  // Deleting the bridge of a strip leaves a piece that starts afresh.
  const auto strip = joinedGraph(squareGrid(4, 1));
  const auto bridge = strip->shapes()[1];
  for (const auto& edge : bridge->edges()) {
    if (const auto partner = edge->join.lock())
      partner->join.reset();
  }
  strip->remove(*bridge);
  strip->computeSpin();
  EXPECT_EQ(std::vector<bool>({strip->shapes()[0]->spin, strip->shapes()[1]->spin, strip->shapes()[2]->spin}),
            std::vector<bool>({false, false, true}));
}

// --- Whole-tiling queries ---

TEST(Graph, CountsTilesPerFigureNumber) {
  Tiles tiles = squareGrid(2, 1);
  tiles.push_back(testing::tileAt(testing::equilateralTriangle(), AffineTransform::translation(0, 5)));
  const auto counts = Graph::create(tiles)->countPerTool();
  ASSERT_EQ(counts.size(), std::size_t(Shapes::caseCount) + 1);
  EXPECT_EQ(counts[0], 0);
  EXPECT_EQ(counts[std::size_t(Shapes::square.rawValue())], 2);
  EXPECT_EQ(counts[std::size_t(Shapes::triangle.rawValue())], 1);
  int total = 0;
  for (const int count : counts)
    total += count;
  EXPECT_EQ(total, 3);
}

TEST(Graph, InvertColorsTakesTheSelectionOrElseEveryTile) {
  const Color quarter{0.25, 0.5, 1.0, 0.5};
  const Color inverted{0.75, 0.5, 0.0, 0.5};

  const auto graph = Graph::create(squareGrid(3, 1));
  const auto& tiles = graph->shapes();
  tiles[1]->setShapeColor(quarter);
  tiles[2]->marked = true;
  for (const auto& tile : tiles)
    tile->makeGeometry();
  // The solid wears the colour the tile has now, inverted or not.
  const auto expectMaterialFollowsColour = [&] {
    for (const auto& tile : tiles)
      EXPECT_EQ(tile->geometry()->firstMaterial()->diffuse, tile->shapeColor()) << tile->index;
  };
  graph->invertColors();
  EXPECT_EQ(tiles[0]->shapeColor(), Color::white());
  EXPECT_EQ(tiles[1]->shapeColor(), quarter);
  EXPECT_EQ(tiles[2]->shapeColor(), Color::black());
  EXPECT_EQ(tiles[2]->layer()->fillColor(), Color::black());
  expectMaterialFollowsColour();

  tiles[2]->marked = false;
  graph->invertColors();
  EXPECT_EQ(tiles[0]->shapeColor(), Color::black());
  EXPECT_EQ(tiles[1]->shapeColor(), inverted);
  EXPECT_EQ(tiles[1]->layer()->fillColor(), inverted);
  EXPECT_EQ(tiles[2]->shapeColor(), Color::white());
  expectMaterialFollowsColour();
}

TEST(Graph, VertexCountTakesSharedCornersOnce) {
  EXPECT_EQ(Graph::create(squareGrid(2, 2))->vertexCount(), 9);
  EXPECT_EQ(Graph::create(squareGrid(3, 1))->vertexCount(), 8);
  // Corners a fraction of the grid apart are one.
  Tiles nudged = squareGrid(2, 1);
  nudged[1]->transformation = nudged[1]->transformation.concatenating(AffineTransform::translation(1e-4, 0));
  nudged[1]->updateTransformedGeometry();
  EXPECT_EQ(Graph::create(nudged)->vertexCount(), 6);
}

// --- Size ---

// Every walk keeps its own stack: a tiling far larger than any the editor
// shows must not run the thread's stack out.
TEST(GraphSize, HundredThousandTilesAreWalkedWithoutRecursion) {
  const int columns = 400;
  const auto graph = joinedGraph(squareGrid(columns, 250));
  const auto& tiles = graph->shapes();
  ASSERT_EQ(tiles.size(), 100000u);

  graph->computeSpin();
  EXPECT_TRUE(tiles.back()->spin == ((columns - 1 + 249) % 2 == 1));

  // A column of marked tiles cuts off the first column.
  for (int y = 0; y < 250; ++y)
    tiles[std::size_t(y * columns + 1)]->setStatus(ShapeStatus::marked);
  const int label = graph->largestRegion();
  EXPECT_EQ(label, 10);
  EXPECT_EQ(graph->selectOutside(label).size(), 500u);

  for (const auto& edge : allEdges(tiles))
    edge->isGroupJoin = !edge->join.expired();
  Tiles group{tiles.front()};
  graph->collectGroup(tiles.front(), group);
  EXPECT_EQ(group.size(), tiles.size());

  // The merges of largestRegion stay small, but relabel itself spreads as far
  // as the label reaches.
  for (const auto& tile : tiles)
    tile->visited = 10;
  tiles.front()->visited = 11;
  graph->relabel(*tiles.front(), 10);
  EXPECT_TRUE(std::all_of(tiles.begin(), tiles.end(), [](const auto& tile) { return tile->visited == 11; }));
}

}  // namespace
}  // namespace ornival
