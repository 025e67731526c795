#include "model/MultiShape.h"

#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MirrorIndex.h"
#include "model/Shape.h"
#include "support/Figures.h"
#include "support/TileGrids.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace ornival {
namespace {

using Tiles = std::vector<std::shared_ptr<Shape>>;

std::shared_ptr<const Figure> catalogueFigure(Shapes kind) {
  return Shapes::figures()[std::size_t(kind.rawValue() - Shapes::firstRawValue)];
}

const std::shared_ptr<const Figure>& square() {
  static const std::shared_ptr<const Figure> figure = testing::unitSquare();
  return figure;
}

// Glues every pair of coincident sides, as the editor does with its copies.
void glueAll(const Tiles& tiles) {
  Graph::create(tiles)->joinEdges(testing::allEdges(tiles));
}

// Squares of the figure on the given cells of a grid as wide as its sides,
// glued.
Tiles squaresAt(const std::vector<std::pair<int, int>>& cells,
                const std::shared_ptr<const Figure>& figure = square()) {
  const double side = figure->lengths().front();
  Tiles tiles;
  for (const auto& [x, y] : cells)
    tiles.push_back(testing::tileAt(figure, AffineTransform::translation(x * side, y * side)));
  glueAll(tiles);
  return tiles;
}

void expectNear(Vec2 actual, Vec2 expected, const char* what = "") {
  EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
  EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
}

// What every traced group must satisfy: border side i starts at outline
// corner i, ends where side i + 1 starts, is free and belongs to a template.
void expectBorderFollowsOutline(const MultiShape& group) {
  const auto& outline = group.figure()->vertices();
  const auto& border = group.border();
  ASSERT_EQ(border.size(), outline.size());
  for (std::size_t i = 0; i < border.size(); ++i) {
    const auto& edge = border[i];
    expectNear(edge->transformedVertex() * 0.05, outline[i]);
    expectNear(edge->next.lock()->transformedVertex(), border[(i + 1) % border.size()]->transformedVertex());
    const auto partner = edge->join.lock();
    EXPECT_TRUE(partner == nullptr || partner->shape.expired()) << "side " << i << " is glued";
    const auto& templates = group.templates();
    EXPECT_NE(std::find(templates.begin(), templates.end(), edge->shape.lock()), templates.end());
  }
}

double doubledArea(const std::vector<Vec2>& points) {
  double sum = 0.0;
  for (std::size_t i = 0; i < points.size(); ++i)
    sum += points[i].cross(points[(i + 1) % points.size()]);
  return sum;
}

// Each corner's turn (signed, radians) and the length of the side leaving it.
std::vector<std::pair<double, double>> turnsAndSides(const std::vector<Vec2>& points) {
  const std::size_t n = points.size();
  std::vector<std::pair<double, double>> result;
  for (std::size_t i = 0; i < n; ++i) {
    const Vec2 in = points[i] - points[(i + n - 1) % n];
    const Vec2 out = points[(i + 1) % n] - points[i];
    result.emplace_back(std::atan2(in.cross(out), in.dot(out)), out.length());
  }
  return result;
}

// Whether the polygon b is the mirror image of a: walked the other way round,
// a's corners come with the same turns and the sides after them with the same
// lengths, from some corner on.
bool isMirrorImage(const std::vector<Vec2>& a, const std::vector<Vec2>& b) {
  if (a.size() != b.size())
    return false;
  const auto forward = turnsAndSides(a);
  const std::size_t n = a.size();
  // Walking backwards, corner i is left along the side that arrived there.
  std::vector<std::pair<double, double>> backward;
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t i = (n - k) % n;
    backward.emplace_back(forward[i].first, forward[(i + n - 1) % n].second);
  }
  const auto image = turnsAndSides(b);
  for (std::size_t shift = 0; shift < n; ++shift) {
    bool same = true;
    for (std::size_t k = 0; k < n && same; ++k) {
      const auto& x = backward[k];
      const auto& y = image[(k + shift) % n];
      same = std::abs(x.first - y.first) < 1e-9 && std::abs(x.second - y.second) < 1e-9;
    }
    if (same)
      return true;
  }
  return false;
}

class MultiShapeTest : public ::testing::Test {
protected:
  void SetUp() override { MultiShape::resetCurrent(); }
  void TearDown() override { MultiShape::resetCurrent(); }
};

// Two half squares and six squares around a hole, the triangle (0, 0),
// (1, −1), (1, 1): the hole's leftmost corner, the origin, is a corner of the
// outline too, and as far left as any. The walk meets the hole first.
Tiles pinchedAtTheLeft() {
  auto half = Figure::create(Shapes::rightTriangle, "Half square");
  half->setVertices({{0, 0}, {1, 0}, {0, 1}});
  half->setLengths({1.0, std::numbers::sqrt2, 1.0});
  const AffineTransform quarterTurnBack{0.0, -1.0, 1.0, 0.0, 0.0, 0.0};
  Tiles tiles{testing::tileAt(half, AffineTransform::translation(0, -1)),
              testing::tileAt(half, quarterTurnBack.concatenating(AffineTransform::translation(0, 1)))};
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, -2}, {1, -2}, {1, -1}, {1, 0}, {1, 1}, {0, 1}})
    tiles.push_back(testing::tileAt(square(), AffineTransform::translation(x, y)));
  glueAll(tiles);
  return tiles;
}

TEST_F(MultiShapeTest, OutlineWalksAroundTheGroupFromTheAnchorsFirstFreeSide) {
  const struct {
    const char* name;
    Tiles tiles;
    std::vector<Vec2> outline;
  } cases[] = {
      {"lone square", squaresAt({{0, 0}}), {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
      // Straight corners where the two meet stay corners of the outline.
      {"two squares", squaresAt({{0, 0}, {1, 0}}), {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}}},
      {"L of three squares",
       squaresAt({{0, 0}, {1, 0}, {0, 1}}),
       {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}, {0, 1}}},
      // The loop around the hole reaches less far left and is dropped.
      {"ring around a hole",
       squaresAt({{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}),
       {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}}},
      // The hole at (1, 1) touches the outside at the corner (2, 1), where the
      // tile at (1, 0) has free sides on both hands; the outline passes that
      // corner once and leaves the hole's sides out.
      {"ring pinched at one corner",
       squaresAt({{0, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}}),
       {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}}},
      {"hole pinched at the leftmost corner",
       pinchedAtTheLeft(),
       {{0, 0}, {0, -1}, {0, -2}, {1, -2}, {2, -2}, {2, -1}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto group = MultiShape::create(c.tiles.front(), c.tiles);
    const auto& outline = group->figure()->vertices();
    ASSERT_EQ(outline.size(), c.outline.size());
    for (std::size_t i = 0; i < outline.size(); ++i)
      expectNear(outline[i], c.outline[i]);
    expectBorderFollowsOutline(*group);
    EXPECT_EQ(group->figure()->variantCount(), int(c.outline.size()));
    EXPECT_EQ(group->templates(), c.tiles);
  }
}

TEST_F(MultiShapeTest, TilesNotReachedFromTheAnchorLeaveTheGroup) {
  Tiles tiles = squaresAt({{5, 5}, {0, 0}, {1, 0}});
  tiles[0]->visited = 7;  // a stale label from some earlier walk
  const auto group = MultiShape::create(tiles[2], tiles);
  EXPECT_EQ(group->templates(), (Tiles{tiles[1], tiles[2]}));
  EXPECT_EQ(group->selected(), tiles[2]);
  EXPECT_EQ(tiles[1]->visited, 1);
  EXPECT_EQ(tiles[2]->visited, 1);
  EXPECT_EQ(tiles[0]->visited, 0);
  // The walk starts at the anchor: its bottom side comes first.
  expectNear(group->figure()->vertices().front(), {1, 0});
  EXPECT_EQ(group->figure()->vertices().size(), 6u);
}

// A tile the walk reaches may still carry a label from an earlier trace (1)
// or another walk: it must be walked all the same, or its sides are lost.
TEST_F(MultiShapeTest, StaleLabelsOfReachedTilesAreCleared) {
  for (const int stale : {1, 7}) {
    for (const std::size_t at : {std::size_t(1), std::size_t(2)}) {
      SCOPED_TRACE(::testing::Message() << "label " << stale << " on tile " << at);
      const Tiles tiles = squaresAt({{0, 0}, {1, 0}, {2, 0}});
      tiles[at]->visited = stale;
      const auto group = MultiShape::create(tiles[0], tiles);
      if (group == nullptr) {
        ADD_FAILURE() << "refused";
        continue;
      }
      EXPECT_EQ(group->templates(), tiles);
      EXPECT_EQ(group->figure()->vertices().size(), 8u);
      expectBorderFollowsOutline(*group);
    }
  }
}

TEST_F(MultiShapeTest, RunEndsChainOnlyWithinTheToleranceSquared) {
  // Two squares glued across a gap: the second one's corners lie off the
  // first's by (dx, dy) tiling units. Chained, the outline is the pair's six
  // corners; unchained, it does not close and no group is made: the group
  // made before stays current.
  const struct {
    double dx;
    double dy;
    bool chained;
  } cases[] = {
      {0.0, 0.0, true},
      {0.0441, 0.0, true},
      {0.0, -0.0441, true},
      {0.0443, 0.0, false},
      // 2^-5 on both axes is 2^-9 squared, exactly the limit, which fails.
      {0.03125, 0.03125, false},
      {0.03125, 0.03125 - 1.0 / (1 << 20), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.dx) + ", " + ::testing::PrintToString(c.dy));
    const Tiles before = squaresAt({{0, 0}});
    const auto earlier = MultiShape::create(before.front(), before);
    const auto [left, right] = testing::pairAcrossAGap(square(), c.dx, c.dy);
    const auto group = MultiShape::create(left, {left, right});
    if (c.chained) {
      ASSERT_NE(group, nullptr);
      EXPECT_EQ(group->figure()->vertices().size(), 6u);
      EXPECT_EQ(group->border().size(), 6u);
      EXPECT_EQ(MultiShape::current(), group);
    } else {
      EXPECT_EQ(group, nullptr);
      EXPECT_EQ(MultiShape::current(), earlier);
    }
  }
}

// Outlines that cannot be laid against an edge are refused as well: one with
// no free side, where the tiles' joins close on themselves, a square
// flattened onto a line, whose upright sides shrink to points, one so large
// that its sides' squares overflow, and one placed at no number at all.
TEST_F(MultiShapeTest, AGroupWithoutASideToLayIsRefused) {
  const auto ring = testing::placedTile(square());
  testing::glue(ring->edges()[0], ring->edges()[2]);
  testing::glue(ring->edges()[1], ring->edges()[3]);
  const auto flat = Shape::create(square());
  flat->transformation = AffineTransform{20.0, 0.0, 0.0, 0.0, 5.0, 5.0};
  flat->updateTransformedGeometry();
  const auto huge = Shape::create(square());
  huge->transformation = AffineTransform::scale(1e200, 1e200);
  huge->updateTransformedGeometry();
  const auto lost = Shape::create(square());
  lost->transformation = AffineTransform::translation(std::nan(""), 0.0);
  lost->updateTransformedGeometry();
  for (const auto& tile : {ring, flat, huge, lost}) {
    SCOPED_TRACE(tile == ring ? "ring" : tile == flat ? "flat" : tile == huge ? "huge" : "lost");
    EXPECT_EQ(MultiShape::create(tile, {tile}), nullptr);
    EXPECT_EQ(MultiShape::current(), nullptr);
  }
}

TEST_F(MultiShapeTest, FigureTakesSideLengthsScaleAndCentreFromTheTiles) {
  auto rigid = Figure::create(Shapes::square, "Square");
  rigid->setup({1, 1, 1, 1}, {1.0, 1.0, 1.0, 1.0});
  rigid->setScaleable(false);
  const auto doubled = [](Tiles tiles) {
    for (const auto& tile : tiles) {
      tile->transformation = tile->transformation.concatenating(AffineTransform::scale(2.0, 2.0));
      tile->updateTransformedGeometry();
    }
    glueAll(tiles);
    return tiles;
  };
  const struct {
    const char* name;
    Tiles tiles;
    std::vector<double> lengths;
    bool equilateral;
    bool scaleable;
  } cases[] = {
      {"unit squares", squaresAt({{0, 0}, {1, 0}}), std::vector<double>(6, 1.0), true, true},
      {"squares at twice the size", doubled(squaresAt({{0, 0}, {1, 0}})), std::vector<double>(6, 2.0), true, true},
      {"one square that may not scale",
       {squaresAt({{0, 0}}).front(), testing::tileAt(rigid, AffineTransform::translation(1, 0))},
       std::vector<double>(6, 1.0),
       true,
       false},
      {"lone L", {testing::placedTile(testing::lShape())}, {2, 1, 1, 1, 1, 2}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    glueAll(c.tiles);
    const auto group = MultiShape::create(c.tiles.back(), c.tiles);
    const auto& figure = *group->figure();
    ASSERT_EQ(figure.lengths().size(), c.lengths.size());
    for (std::size_t i = 0; i < c.lengths.size(); ++i)
      EXPECT_NEAR(figure.lengths()[i], c.lengths[i], 1e-12) << i;
    EXPECT_EQ(figure.equilateral(), c.equilateral);
    EXPECT_EQ(figure.scaleable(), c.scaleable);
    EXPECT_EQ(figure.tool(), Shapes::multi);
    EXPECT_EQ(figure.name(), "Multi");
    expectNear(figure.center(), c.tiles.back()->center() * 0.05);
  }
}

TEST_F(MultiShapeTest, EveryNewGroupBecomesCurrent) {
  EXPECT_EQ(MultiShape::current(), nullptr);
  const Tiles tiles = squaresAt({{0, 0}, {1, 0}});
  const auto first = MultiShape::create(tiles[0], tiles);
  EXPECT_EQ(MultiShape::current(), first);
  const auto image = first->mirrored();
  EXPECT_EQ(MultiShape::current(), image);
  MultiShape::resetCurrent();
  EXPECT_EQ(MultiShape::current(), nullptr);
}

TEST_F(MultiShapeTest, MirrorImageOfAChiralGroupIsItsReflection) {
  const auto birdKind = Shapes::rightBird;
  const auto catalogueSquare = catalogueFigure(Shapes::square);
  const auto bird = testing::placedTile(catalogueFigure(birdKind));
  const auto wing = testing::attach(catalogueSquare, 0, bird->edges()[0]);
  const auto tail = testing::attach(catalogueSquare, 0, wing->edges()[2]);
  const struct {
    const char* name;
    Tiles tiles;
    std::size_t anchor;
  } cases[] = {
      // Achiral squares in a chiral S; the image is a Z.
      {"S of squares", squaresAt({{0, 0}, {1, 0}, {1, 1}, {2, 1}}, catalogueSquare), 2},
      {"bird with two squares", {bird, wing, tail}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& tile : c.tiles)
      tile->index = 99;
    const auto group = MultiShape::create(c.tiles[c.anchor], c.tiles);
    const auto image = group->mirrored();

    ASSERT_EQ(image->templates().size(), c.tiles.size());
    for (std::size_t i = 0; i < c.tiles.size(); ++i) {
      EXPECT_EQ(c.tiles[i]->index, int(i));
      EXPECT_EQ(image->templates()[i]->figure(), c.tiles[i]->mirrored()->figure());
    }
    EXPECT_EQ(image->selected(), image->templates()[c.anchor]);
    EXPECT_TRUE(image->templates()[0]->transformation == c.tiles[0]->transformation);

    // Every rebuilt join lies side on side, the other way round.
    std::size_t joins = 0;
    for (const auto& tile : image->templates()) {
      EXPECT_EQ(tile->visited, 1);
      for (const auto& edge : tile->edges()) {
        const auto partner = edge->join.lock();
        if (!partner)
          continue;
        ++joins;
        expectNear(edge->transformedVertex(), partner->next.lock()->transformedVertex(), "start on end");
        expectNear(partner->transformedVertex(), edge->next.lock()->transformedVertex(), "end on start");
      }
    }
    EXPECT_EQ(joins, 2 * (c.tiles.size() - 1));

    EXPECT_TRUE(isMirrorImage(group->figure()->vertices(), image->figure()->vertices()));
    EXPECT_GT(doubledArea(image->figure()->vertices()), 0.0);
    expectBorderFollowsOutline(*image);
  }
}

TEST(MultiShapeMirrorIndex, EveryCatalogueSideMapsToASideOfEqualLength) {
  const auto& mirrors = Shapes::mirrors();
  for (const Shapes kind : Shapes::allButLast()) {
    const auto figure = catalogueFigure(kind);
    const auto partner = mirrors.contains(kind) ? catalogueFigure(mirrors.at(kind)) : figure;
    const auto& mine = figure->vertices();
    const auto& theirs = partner->vertices();
    ASSERT_EQ(mine.size(), theirs.size()) << figure->name();
    const std::size_t n = mine.size();
    for (std::size_t j = 0; j < n; ++j) {
      const int image = mirroredEdgeIndex(*figure, int(j));
      ASSERT_GE(image, 0);
      ASSERT_LT(std::size_t(image), n);
      const double length = (mine[(j + 1) % n] - mine[j]).length();
      const double imageLength = (theirs[(std::size_t(image) + 1) % n] - theirs[std::size_t(image)]).length();
      EXPECT_NEAR(imageLength, length, 1e-9) << figure->name() << " side " << j;
      // Tiles and their images carry flags and joins back and forth with it.
      EXPECT_EQ(mirroredEdgeIndex(*partner, image), int(j)) << figure->name() << " side " << j;
    }
  }
}

TEST_F(MultiShapeTest, TenThousandTilesTraceAndMirrorWithoutDeepRecursion) {
  const struct {
    const char* name;
    int columns;
    int rows;
    std::size_t corners;
  } cases[] = {
      {"block", 100, 100, 400},
      // One run per tile side along a chain of 10,000: chaining must not
      // compare every run with every other, and the mirror layout walks
      // 10,000 deep.
      {"strip", 10000, 1, 20002},
  };
  // Squares of the catalogue, so that their images have the same size.
  const auto catalogueSquare = catalogueFigure(Shapes::square);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<int, int>> cells;
    for (int y = 0; y < c.rows; ++y)
      for (int x = 0; x < c.columns; ++x)
        cells.emplace_back(x, y);
    const Tiles tiles = squaresAt(cells, catalogueSquare);
    const auto group = MultiShape::create(tiles.front(), tiles);
    EXPECT_EQ(group->templates().size(), tiles.size());
    EXPECT_EQ(group->figure()->vertices().size(), c.corners);
    expectBorderFollowsOutline(*group);
    if (c.rows == 1) {
      const auto image = group->mirrored();
      EXPECT_EQ(image->figure()->vertices().size(), c.corners);
      const auto span = [](const Tiles& strip) { return (strip.back()->center() - strip.front()->center()).length(); };
      EXPECT_NEAR(span(image->templates()), span(tiles), 1e-6);
    }
  }
}

TEST(MultiShapeDeathTest, AnchorMustBeOneOfTheTemplates) {
  const Tiles tiles = squaresAt({{0, 0}, {1, 0}});
  EXPECT_DEATH(MultiShape::create(nullptr, tiles), "");
  EXPECT_DEATH(MultiShape::create(testing::placedTile(square()), tiles), "");
}

// Joins of a group link its own tiles only; one that leads out of it, or to a
// tile that is gone, is a programming error, even where the stranger's index
// happens to name a template.
TEST(MultiShapeDeathTest, MirroringAGroupWithAJoinLeavingItStops) {
  const Tiles tiles = squaresAt({{0, 0}, {1, 0}});
  const auto group = MultiShape::create(tiles[0], tiles);
  ASSERT_NE(group, nullptr);
  const auto stranger = testing::tileAt(square(), AffineTransform::translation(2, 0));
  stranger->index = 0;
  testing::glue(tiles[1]->edges()[1], stranger->edges()[3]);
  EXPECT_DEATH(group->mirrored(), "");

  std::shared_ptr<Edge> orphan = testing::tileAt(square(), AffineTransform::translation(2, 0))->edges()[3];
  ASSERT_TRUE(orphan->shape.expired());
  testing::glue(tiles[1]->edges()[1], orphan);
  EXPECT_DEATH(group->mirrored(), "");
  MultiShape::resetCurrent();
}

}  // namespace
}  // namespace ornival
