#include "model/CrossingStatus.h"

#include "figures/Vertex.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "support/Figures.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace ornival {
namespace {

using testing::allEdges;
using testing::joinedGraph;
using testing::squareGrid;
using Tiles = std::vector<std::shared_ptr<Shape>>;
using Kind = PathElement::Kind;

// Sides of length 1 with corners of 60° and 120°, alternating.
std::shared_ptr<const Figure> rhombus() {
  auto figure = Figure::create(Shapes::rhombus16, "Rhombus");
  figure->setup({1, 2, 1, 2}, {1.0, 1.0, 1.0, 1.0});
  return figure;
}

// A tile whose corner of the given interior angle (degrees) lies at the
// origin, the side leaving that corner pointing in the given direction
// (degrees); the corner then spans from that direction counter-clockwise.
std::shared_ptr<Shape> cornerAtOrigin(const std::shared_ptr<const Figure>& figure, double angle, double direction) {
  const auto& v = figure->vertices();
  const std::size_t n = v.size();
  for (std::size_t k = 0; k < n; ++k) {
    const Vec2 out = v[(k + 1) % n] - v[k];
    const Vec2 back = v[(k + n - 1) % n] - v[k];
    double interior = std::atan2(out.cross(back), out.dot(back)) * 180.0 / std::numbers::pi;
    if (interior < 0.0)
      interior += 360.0;
    if (std::abs(interior - angle) > 1e-6)
      continue;
    const double turn = direction * std::numbers::pi / 180.0 - std::atan2(out.y, out.x);
    return testing::tileAt(figure, AffineTransform::translation(-v[k].x, -v[k].y).concatenating(
                                       AffineTransform::rotation(turn)));
  }
  ADD_FAILURE() << "no corner of " << angle << "°";
  return nullptr;
}

// Tiles around the origin, each corner starting where the one before ended.
Tiles fan(const std::vector<std::pair<std::shared_ptr<const Figure>, double>>& corners) {
  Tiles tiles;
  double direction = 0.0;
  for (const auto& [figure, angle] : corners) {
    tiles.push_back(cornerAtOrigin(figure, angle, direction));
    direction += angle;
  }
  return tiles;
}

// The sides of the graph for which isCrossing holds.
std::vector<std::shared_ptr<Edge>> crossings(const Graph& graph, double minimumTurn, bool checkTurn, bool allowOpen) {
  std::vector<std::shared_ptr<Edge>> found;
  for (const auto& edge : allEdges(graph.shapes())) {
    if (edge->isCrossing(minimumTurn, checkTurn, allowOpen))
      found.push_back(edge);
  }
  return found;
}

// Those of them at the origin, where the fans below meet.
std::vector<std::shared_ptr<Edge>> crossingsAtOrigin(const Graph& graph, double minimumTurn, bool checkTurn,
                                                     bool allowOpen) {
  auto found = crossings(graph, minimumTurn, checkTurn, allowOpen);
  std::erase_if(found, [](const auto& edge) { return Vertex2(edge->transformedVertex()) != Vertex2(0, 0); });
  return found;
}

int reporter(const std::shared_ptr<Edge>& edge) { return edge->shape.lock()->index; }

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

TEST(CrossingStatus, KeepsTheValuesDocumentsStore) {
  EXPECT_EQ(int(CrossingStatus::off), 0);
  EXPECT_EQ(int(CrossingStatus::on), 1);
  EXPECT_EQ(int(CrossingStatus::alternate), 2);
}

// Fans of tiles around one corner: which make a crossing there. Each fan is
// also tried with every tile of it listed first, since the lowest-indexed tile
// reports and its place in the fan decides which way the walks go round.
TEST(Crossings, FansAroundOneCorner) {
  const auto square = testing::unitSquare();
  const auto triangle = testing::equilateralTriangle();
  const auto l = testing::lShape();
  const auto r = rhombus();
  struct Case {
    std::string name;
    std::vector<std::pair<std::shared_ptr<const Figure>, double>> corners;
    bool crossing;  // with open fans allowed and no turn check
    bool closed;
  };
  const Case cases[] = {
      {"four squares", {{square, 90}, {square, 90}, {square, 90}, {square, 90}}, true, true},
      {"four rhombi, two straight lines", {{r, 60}, {r, 120}, {r, 60}, {r, 120}}, true, true},
      {"four tiles, one line bent", {{r, 60}, {r, 120}, {square, 90}, {square, 90}}, false, true},
      {"three rhombi", {{r, 120}, {r, 120}, {r, 120}}, false, true},
      {"five tiles", {{triangle, 60}, {triangle, 60}, {triangle, 60}, {square, 90}, {square, 90}}, false, true},
      {"six triangles", std::vector(6, std::pair<std::shared_ptr<const Figure>, double>{triangle, 60}), false, true},
      {"two tiles: an L and the square in its notch", {{l, 270}, {square, 90}}, false, true},
      {"border, two squares", {{square, 90}, {square, 90}}, true, false},
      {"border, three tiles", {{triangle, 60}, {r, 120}, {triangle, 60}}, true, false},
      {"border, three tiles, one line bent", {{square, 90}, {square, 90}, {triangle, 60}}, false, false},
      {"border, a bend", {{triangle, 60}, {square, 90}}, false, false},
      {"border, four tiles", {{triangle, 60}, {r, 120}, {triangle, 60}, {triangle, 60}}, false, false},
      {"a lone corner", {{square, 90}}, false, false},
  };
  for (const Case& c : cases) {
    for (std::size_t first = 0; first < c.corners.size(); ++first) {
      SCOPED_TRACE(c.name + ", first tile " + std::to_string(first));
      Tiles tiles = fan(c.corners);
      std::rotate(tiles.begin(), tiles.begin() + std::ptrdiff_t(first), tiles.end());
      const auto graph = joinedGraph(tiles);
      const auto open = crossingsAtOrigin(*graph, 0.0, false, true);
      ASSERT_EQ(open.size(), c.crossing ? 1u : 0u);
      if (c.crossing) {
        EXPECT_EQ(reporter(open[0]), 0);
      }
      EXPECT_EQ(crossingsAtOrigin(*graph, 0.0, false, false).size(), c.crossing && c.closed ? 1u : 0u);
    }
  }
}

// Four squares give every corner a turn of one half; rhombi of 60° and 120°
// turn 2/3 and 1/3.
TEST(Crossings, CornersTurningTooLittleAreNoCrossings) {
  const auto square = testing::unitSquare();
  const auto r = rhombus();
  struct Case {
    std::string name;
    std::vector<std::pair<std::shared_ptr<const Figure>, double>> corners;
    bool checkTurn;
    double minimumTurn;
    bool crossing;
  };
  const Case cases[] = {
      {"squares, limit at the turn", {{square, 90}, {square, 90}, {square, 90}, {square, 90}}, true, 0.5, true},
      {"squares, limit above it", {{square, 90}, {square, 90}, {square, 90}, {square, 90}}, true, 0.51, false},
      {"squares, turns not checked", {{square, 90}, {square, 90}, {square, 90}, {square, 90}}, false, 0.9, true},
      // The reporting corner turns enough, the 120° corners in the fan do not.
      {"rhombi, another corner too flat", {{r, 60}, {r, 120}, {r, 60}, {r, 120}}, true, 0.5, false},
      {"rhombi, every corner enough", {{r, 60}, {r, 120}, {r, 60}, {r, 120}}, true, 0.3, true},
      // On the border only the reporting tile's own corner counts.
      {"border, reporting corner sharp", {{r, 60}, {r, 120}}, true, 0.5, true},
      {"border, reporting corner flat", {{r, 120}, {r, 60}}, true, 0.5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto graph = joinedGraph(fan(c.corners));
    EXPECT_EQ(crossingsAtOrigin(*graph, c.minimumTurn, c.checkTurn, true).size(), c.crossing ? 1u : 0u);
  }
}

// Two lines count as straight while the cross product of their arms stays
// within 2^-9: the corner below the centre of a 2×2 block moved sideways.
TEST(Crossings, StraightWithinTheTolerance) {
  for (const auto& [shift, crossing] : {std::pair{0.9, true}, std::pair{1.1, false}}) {
    SCOPED_TRACE(shift);
    const Tiles tiles = squareGrid(2, 2);
    const auto graph = joinedGraph(tiles);
    const Vec2 moved{20.0 + shift * 0x1p-9 / 20.0, 0.0};
    tiles[0]->edges()[1]->setTransformedVertex(moved);
    tiles[1]->edges()[0]->setTransformedVertex(moved);
    EXPECT_EQ(tiles[0]->edges()[2]->isCrossing(0.0, false, false), crossing);
  }
}

TEST(Crossings, GroupJoinAtTheCornerRulesItOut) {
  const Tiles tiles = squareGrid(2, 2);
  const auto graph = joinedGraph(tiles);
  // The side between the two lower squares, from the bottom to the centre.
  tiles[0]->edges()[1]->isGroupJoin = true;
  tiles[1]->edges()[3]->isGroupJoin = true;
  const auto found = crossings(*graph, 0.0, false, true);
  std::vector<Vertex2> corners;
  for (const auto& edge : found)
    corners.emplace_back(edge->transformedVertex());
  EXPECT_EQ(corners, (std::vector<Vertex2>{{0, 20}, {40, 20}, {20, 40}}));
}

TEST(CrossingPaths, TwoByTwoBlockHasFiveCrossingsOfTenElements) {
  const auto graph = joinedGraph(squareGrid(2, 2));
  const auto found = crossings(*graph, 0.0, false, true);
  ASSERT_EQ(found.size(), 5u);
  std::vector<int> reporters;
  for (const auto& edge : found)
    reporters.push_back(reporter(edge));
  EXPECT_EQ(reporters, (std::vector<int>{0, 0, 0, 1, 2}));

  const auto elements = graph->crossingPaths(false, false, 1.0, 3.0, 0.0);
  ASSERT_EQ(elements.size(), 50u);
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const Kind expected = i % 5 == 0 ? Kind::move : i % 5 == 4 ? Kind::close : Kind::line;
    EXPECT_EQ(elements[i].kind, expected) << i;
  }
  EXPECT_EQ(graph->crossingPaths({.halfWidth = 1.0, .reachHalfWidth = 3.0, .radiusLimit = 0.0}), elements);
}

// The centre of the block, reported by the lower-left square (parity false):
// the previous side runs up into it, its own side leaves to the left, so the
// vertical band takes the pieces when the flag matches that parity and the
// horizontal one when it does not.
TEST(CrossingPaths, FlagMovesThePiecesFromOneLineToTheOther) {
  const auto graph = joinedGraph(squareGrid(2, 2));
  const auto along = graph->crossingPaths(false, false, 1.0, 3.0, 0.0);
  const auto across = graph->crossingPaths(true, false, 1.0, 3.0, 0.0);
  ASSERT_EQ(along.size(), 50u);
  ASSERT_EQ(across.size(), 50u);
  EXPECT_FALSE(graph->shapes()[0]->spin);

  // Tile 0 reports (20, 0), (20, 20) and (0, 20) in side order; the centre
  // comes second.
  // Along: P + U + V, P + Ub + V, P + Ub − V, P + U − V, then
  // P − U + V, P − U − V, P − Ub − V, P − Ub + V, with U up and V right.
  const std::vector<Vec2> expectedAlong{{21, 21}, {21, 23}, {19, 23}, {19, 21},
                                        {21, 19}, {19, 19}, {19, 17}, {21, 17}};
  const auto points = [](const std::vector<PathElement>& elements) {
    std::vector<Vec2> result;
    for (std::size_t i = 10; i < 20; ++i) {
      if (elements[i].kind != Kind::close)
        result.push_back(elements[i].point);
    }
    return result;
  };
  const auto alongPoints = points(along);
  const auto acrossPoints = points(across);
  ASSERT_EQ(alongPoints.size(), 8u);
  ASSERT_EQ(acrossPoints.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    expectNear(alongPoints[i], expectedAlong[i]);
  }
  // Across: P + U + V, P − U + V, P − U + Vb, P + U + Vb, then
  // P + U − V, P + U − Vb, P − U − Vb, P − U − V.
  const std::vector<Vec2> expectedAcross{{21, 21}, {21, 19}, {23, 19}, {23, 21},
                                         {19, 21}, {17, 21}, {17, 19}, {19, 19}};
  for (std::size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    expectNear(acrossPoints[i], expectedAcross[i]);
  }
}

TEST(CrossingPaths, TilesListedWithOneIndexStillCrossOnce) {
  Tiles tiles = squareGrid(2, 2);
  joinedGraph(tiles);
  // As read from a file that gave every tile the same number: each of the four
  // would report the centre.
  for (const auto& tile : tiles)
    tile->index = 0;
  EXPECT_EQ(tiles[3]->edges()[0]->isCrossing(0.0, false, false), true);
  const auto graph = Graph::create(tiles);
  EXPECT_EQ(graph->crossingPaths(false, false, 1.0, 3.0, 0.0).size(), 50u);
}

TEST(CrossingPaths, LTrominoCrossesOnBothArmsAndInItsInnerCorner) {
  const Tiles tiles{testing::tileAt(testing::unitSquare(), AffineTransform::identity()),
                    testing::tileAt(testing::unitSquare(), AffineTransform::translation(1, 0)),
                    testing::tileAt(testing::unitSquare(), AffineTransform::translation(0, 1))};
  const auto graph = joinedGraph(tiles);
  std::vector<Vertex2> corners;
  for (const auto& edge : crossings(*graph, 0.0, false, true))
    corners.emplace_back(edge->transformedVertex());
  EXPECT_EQ(corners, (std::vector<Vertex2>{{20, 0}, {20, 20}, {0, 20}}));
  EXPECT_EQ(graph->crossingPaths(true, false, 1.0, 2.0, 0.0).size(), 30u);
}

TEST(CrossingPaths, CornerTurningTheWrongWayYieldsNothing) {
  const Tiles tiles = squareGrid(2, 1);
  const auto graph = joinedGraph(tiles);
  EXPECT_EQ(graph->crossingPaths(false, false, 1.0, 3.0, 0.0).size(), 20u);

  // The top crossing is reported by the left square's top side; bend the
  // side before it back over the corner so that c turns negative.
  tiles[0]->edges()[1]->setTransformedVertex({20, 40});
  ASSERT_TRUE(tiles[0]->edges()[2]->isCrossing(0.0, false, true));
  EXPECT_TRUE(graph->crossingPaths(false, false, 1.0, 3.0, 0.0).empty());
}

}  // namespace
}  // namespace ornival

namespace ornival {
namespace {

// The centre of a 2 × 2 block is its only crossing inside the tiling; the
// lower-left square reports it with parity false, u pointing up and v right.
// The ridges lie on the two sides of the overlap square parallel to the line
// that passes over: the horizontal one while crossings alternate, the
// vertical one when they are on. Open fans on the outline raise nothing.
TEST(CrossingRoofs, RidgesParallelToTheLineThatPassesOver) {
  struct Case {
    int columns, rows;
    bool crossingsOn;
    std::vector<Vec3> positions;
  };
  const Case cases[] = {
      {2, 2, false, {{20, 20, 0}, {21, 21, 1}, {19, 21, 1}, {19, 19, 1}, {21, 19, 1}}},
      {2, 2, true, {{20, 20, 0}, {21, 19, 1}, {21, 21, 1}, {19, 21, 1}, {19, 19, 1}}},
      {3, 1, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.columns << " x " << c.rows << (c.crossingsOn ? " on" : " alternate"));
    const auto graph = joinedGraph(squareGrid(c.columns, c.rows));
    const GeometrySources roofs = graph->crossingRoofs({.halfWidth = 1.0, .crossingsOn = c.crossingsOn});
    ASSERT_EQ(roofs.positions.size(), c.positions.size());
    for (std::size_t i = 0; i < c.positions.size(); ++i) {
      EXPECT_NEAR(roofs.positions[i].x, c.positions[i].x, 1e-12) << i;
      EXPECT_NEAR(roofs.positions[i].y, c.positions[i].y, 1e-12) << i;
      EXPECT_EQ(roofs.positions[i].z, c.positions[i].z) << i;
    }
    if (c.positions.empty()) {
      EXPECT_TRUE(roofs.indices.empty());
      continue;
    }
    EXPECT_EQ(roofs.indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 3, 4}));
    EXPECT_EQ(roofs.textureCoordinates,
              (std::vector<Vec2>{{0, 0}, {0.05f, 0.05f}, {0.05f, 0.05f}, {0.05f, 0.05f}, {0.05f, 0.05f}}));
    // Both triangles face up, towards the camera.
    for (std::size_t t = 0; t < 2; ++t) {
      const Vec3 a = roofs.positions[roofs.indices[3 * t]];
      const Vec3 b = roofs.positions[roofs.indices[3 * t + 1]];
      const Vec3 d = roofs.positions[roofs.indices[3 * t + 2]];
      EXPECT_GT((b - a).cross(d - a).z, 0.0) << t;
    }
  }
  // Every inner corner of a 3 × 3 block crosses.
  EXPECT_EQ(joinedGraph(squareGrid(3, 3))->crossingRoofs({.halfWidth = 1.0}).indices.size(), 24u);
}

}  // namespace
}  // namespace ornival
