#include "editor/ViewController.h"

#include "editor/HitTest.h"
#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/EdgeMultiNeighborsOperation.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace ornival {
namespace {

using testing::EditorHarness;

const Shapes notch = *Shapes::init(18);

// The corner of the square below, far from where the pointer starts, so
// that loading searches no side.
constexpr Vec2 corner{1000.0, 1000.0};

// One catalogue square at the default size: sides 48.28 canvas units long,
// from the corner up and to the right.
EditorHarness oneSquare(std::vector<Shapes> tools) {
  auto square = Shape::create(testing::catalogueFigure(Shapes::square));
  square->transformation =
      ShapeModel::defaultTransformation().concatenating(AffineTransform::translation(corner.x, corner.y));
  square->updateTransformedGeometry();
  return EditorHarness({.tiles = {square}, .prepareDocument = {}, .tools = std::move(tools)});
}

TEST(ViewControllerCandidates, SidesNearThePointerGetOneListPerKindSearchedOnce) {
  EditorHarness harness = oneSquare({Shapes::triangle, notch});
  auto& e = *harness.editor;
  const auto& sides = e.graph().shapes()[0]->edges();
  // Only side 0 starts within reach.
  harness.command([](ViewController& editor) { editor.updateNeighbors(corner + Vec2{0.0, -99.0}); });
  EXPECT_TRUE(sides[0]->neighbors.contains(Shapes::triangle));
  for (const std::size_t far : {1u, 2u, 3u})
    EXPECT_TRUE(sides[far]->neighbors.empty());

  const auto& triangles = sides[0]->neighbors.at(Shapes::triangle);
  ASSERT_EQ(triangles.size(), 1u);  // one period of an equal-sided triangle
  EXPECT_EQ(triangles[0]->parent(), sides[0]);
  EXPECT_EQ(triangles[0]->edgeOffset, 0);
  EXPECT_EQ(triangles[0]->checked(), Checked::unknown);
  EXPECT_NEAR(triangles[0]->scale(), 2.41421356, 1e-6);
  // The candidate's side runs against the free side.
  EXPECT_NEAR((triangles[0]->edges()[0]->transformedVertex() - sides[0]->transformedEnd()).length(), 0.0, 1e-9);
  // No side of the notch fits and it does not scale: searched, and empty.
  ASSERT_TRUE(sides[0]->neighbors.contains(notch));
  EXPECT_TRUE(sides[0]->neighbors.at(notch).empty());

  // A second search keeps the lists it finds.
  const auto first = triangles[0];
  harness.command([](ViewController& editor) { editor.updateNeighbors(corner + Vec2{0.0, -90.0}); });
  EXPECT_EQ(sides[0]->neighbors.at(Shapes::triangle)[0], first);
}

TEST(ViewControllerCandidates, NearMeansASquaredDistanceBelowTenThousand) {
  EditorHarness harness = oneSquare({Shapes::triangle});
  const auto& sides = harness.editor->graph().shapes()[0]->edges();
  const Vec2 start = sides[0]->transformedVertex();
  harness.command([&](ViewController& editor) { editor.updateNeighbors(start + Vec2{-100.0, 0.0}); });
  EXPECT_FALSE(sides[0]->neighbors.contains(Shapes::triangle));
  harness.command([&](ViewController& editor) { editor.updateNeighbors(start + Vec2{-99.999, 0.0}); });
  EXPECT_TRUE(sides[0]->neighbors.contains(Shapes::triangle));
}

// A figure of fixed size fits a free side whose length differs from one of
// its own by less than 1/512; a figure that scales fits any side, at a scale
// from 0.1 to 6.0. Each limit just inside and just outside, on the free side
// of a square grown or shrunk to the length wanted.
TEST(ViewControllerCandidates, LengthAndScaleLimitsHoldOnBothSides) {
  const auto squareFigure = testing::catalogueFigure(Shapes::square);
  const auto notchFigure = testing::catalogueFigure(notch);
  ASSERT_TRUE(squareFigure->scaleable());
  ASSERT_FALSE(notchFigure->scaleable());
  const double squareSide = squareFigure->lengths()[0];
  const auto& lengths = notchFigure->lengths();
  const double length = lengths[0];
  std::size_t same = 0;
  for (int k = 0; k < notchFigure->variantCount(); ++k) {
    const double other = lengths[std::size_t(k)];
    same += other == length ? 1 : 0;
    ASSERT_TRUE(other == length || std::abs(other - length) > 3.0 / 512.0) << "side " << k;
  }
  struct Case {
    const char* name;
    Shapes tool;
    // The square's scale: its sides are this many times the catalogue's.
    double scale;
    std::size_t candidates;
  };
  const double step = 1.0 / 512.0;
  const Case cases[] = {
      {"0.9/512 longer", notch, (length + 0.9 * step) / squareSide, same},
      {"1.1/512 longer", notch, (length + 1.1 * step) / squareSide, 0},
      {"0.9/512 shorter", notch, (length - 0.9 * step) / squareSide, same},
      {"1.1/512 shorter", notch, (length - 1.1 * step) / squareSide, 0},
      // A square on a square takes the parent's scale.
      {"scale just below 6", Shapes::square, 6.0 * (1.0 - 1e-9), 1},
      {"scale just above 6", Shapes::square, 6.0 * (1.0 + 1e-9), 0},
      {"scale just above 0.1", Shapes::square, 0.1 * (1.0 + 1e-9), 1},
      {"scale just below 0.1", Shapes::square, 0.1 * (1.0 - 1e-9), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto square = Shape::create(squareFigure);
    square->transformation = ShapeModel::defaultTransformation()
                                 .concatenating(AffineTransform::scale(c.scale, c.scale))
                                 .concatenating(AffineTransform::translation(corner.x, corner.y));
    square->updateTransformedGeometry();
    EditorHarness harness({.tiles = {square}, .prepareDocument = {}, .tools = {c.tool}});
    const auto& side = harness.editor->graph().shapes()[0]->edges()[0];
    harness.command([&](ViewController& editor) { editor.updateNeighbors(side->transformedVertex()); });
    harness.settle();
    ASSERT_TRUE(side->neighbors.contains(c.tool));
    const auto& found = side->neighbors.at(c.tool);
    EXPECT_EQ(found.size(), c.candidates);
    for (const auto& candidate : found) {
      EXPECT_NEAR((candidate->edges()[std::size_t(candidate->edgeOffset)]->transformedVertex() - side->transformedEnd())
                      .length(),
                  0.0, 1e-6);
    }
  }
}

TEST(ViewControllerCandidates, NoToolsOrAGroupToolWithoutAGroupSearchNothing) {
  for (const auto& tools : {std::vector<Shapes>{}, std::vector<Shapes>{Shapes::multi}}) {
    EditorHarness harness = oneSquare(tools);
    harness.hover(corner + Vec2{24.0, -10.0});
    for (const auto& side : harness.editor->borderEdges)
      EXPECT_TRUE(side->neighbors.empty());
    EXPECT_EQ(harness.editor->operations->neighborQueue()->operationCount(), 0u);
  }
}

TEST(ViewControllerCandidates, AnEmptyTilingOffersOnePrototypePerKindAtTheDefaultPlace) {
  EditorHarness harness({.tiles = {}, .prepareDocument = {}, .tools = {Shapes::square, Shapes::triangle, Shapes::multi}});
  const auto& prototypes = harness.editor->neighbors;
  // No group tile: its kind is left out.
  ASSERT_EQ(prototypes.size(), 2u);
  for (const auto& prototype : prototypes) {
    EXPECT_EQ(prototype->transformation, ShapeModel::defaultTransformation());
    EXPECT_EQ(prototype->parent(), nullptr);
  }
  EXPECT_EQ(prototypes[0]->figure()->tool(), Shapes::square);
}

// A group of two squares side by side, made from copies outside the tiling.
std::shared_ptr<MultiShape> twoSquareGroup() {
  const auto square = testing::catalogueFigure(Shapes::square);
  auto a = testing::placedTile(square);
  auto b = testing::attach(square, 3, a->edges()[1], true);
  return MultiShape::create(a, {a, b});
}

// Each side is searched once for a group, on the queue: a pointer that moves
// on while searches are under way adds none for the sides being searched.
TEST(ViewControllerCandidates, GroupCandidatesComeFromTheQueueOncePerSide) {
  EditorHarness harness = oneSquare({Shapes::triangle, Shapes::multi});
  auto& e = *harness.editor;
  e.multiShape = twoSquareGroup();
  harness.command([](ViewController& editor) {
    editor.updateNeighbors(corner + Vec2{0.0, -10.0});
    const std::size_t queued = editor.operations->neighborQueue()->operationCount();
    editor.updateNeighbors(corner + Vec2{48.0, -10.0});
    EXPECT_EQ(editor.operations->neighborQueue()->operationCount(), queued);
    EXPECT_GT(queued, 0u);
  });
  harness.settle();
  const auto& side = e.graph().shapes()[0]->edges()[0];
  ASSERT_TRUE(side->neighbors.contains(Shapes::multi));
  EXPECT_FALSE(side->neighbors.at(Shapes::multi).empty());
  EXPECT_TRUE(side->neighbors.contains(Shapes::triangle));
  const auto found = side->neighbors.at(Shapes::multi).front();
  harness.command([](ViewController& editor) { editor.updateNeighbors(corner + Vec2{0.0, -10.0}); });
  harness.settle();
  EXPECT_EQ(side->neighbors.at(Shapes::multi).front(), found);

  harness.command([](ViewController& editor) { editor.cancelMultiNeighbors(); });
  for (const auto& free : e.borderEdges)
    EXPECT_FALSE(free->neighbors.contains(Shapes::multi));
  EXPECT_TRUE(side->neighbors.contains(Shapes::triangle));
  MultiShape::resetCurrent();
}

// A group of 1,600 small triangles in a long strip, the whole drawing
// copied, fits each free side in 330 ways. One hover searches the sides nearest the pointer first,
// every way on each side it searches, up to its share of candidates; what
// the pointer leaves far behind is let go, but for the side of the candidate
// hovered when it left.
TEST(ViewControllerCandidates, GroupCandidatesStayNearThePointerAndOneHoverMakesAtMostItsShare) {
  auto tiles = testing::triangleGrid(160, 5);
  for (const auto& tile : tiles) {
    tile->transformation = tile->transformation.concatenating(AffineTransform::scale(0.2, 0.2));
    tile->updateTransformedGeometry();
  }
  EditorHarness harness({.tiles = tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  harness.command([](ViewController& editor) {
    editor.selectAll();
    editor.copy();
  });
  harness.command([](ViewController& editor) { editor.paste(0); });
  harness.settle();
  ASSERT_NE(e.multiShape, nullptr);
  const std::size_t ways = e.multiShape->border().size();
  ASSERT_EQ(ways, 330u);
  const auto listed = [&] {
    std::size_t candidates = 0;
    std::vector<std::shared_ptr<Edge>> sides;
    for (const auto& side : e.borderEdges) {
      const auto found = side->neighbors.find(Shapes::multi);
      if (found == side->neighbors.end())
        continue;
      EXPECT_EQ(found->second.size(), ways);
      candidates += found->second.size();
      sides.push_back(side);
    }
    return std::make_pair(candidates, sides);
  };

  // Under the middle of the bottom row, far from where the paste looked:
  // some fifty sides start within reach, more than one hover's share.
  const Vec2 below{320.0, -2.0};
  harness.hover(below);
  const auto [candidates, sides] = listed();
  EXPECT_LE(candidates, 8192u);
  EXPECT_GT(candidates, 8192u - ways);
  EXPECT_NE(std::find(sides.begin(), sides.end(), Edge::nearestMidpoint(e.borderEdges, below)), sides.end());
  // Nearest first: every side searched lies nearer than every side left.
  double farthestSearched = 0.0;
  double nearestLeft = 1e9;
  for (const auto& side : e.borderEdges) {
    const double distance = ((side->transformedVertex() + side->transformedEnd()) * 0.5 - below).lengthSquared();
    if ((side->transformedVertex() - below).lengthSquared() >= 10000.0)
      continue;
    if (std::find(sides.begin(), sides.end(), side) != sides.end())
      farthestSearched = std::max(farthestSearched, distance);
    else
      nearestLeft = std::min(nearestLeft, distance);
  }
  EXPECT_LE(farthestSearched, nearestLeft);
  const auto hovered = std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock());
  ASSERT_NE(hovered, nullptr);
  EXPECT_EQ(hovered->figure(), e.multiShape->figure());

  // Beyond the strip's right end, far from there: those lists are let go.
  const Vec2 above{644.0, 8.0};
  harness.hover(above);
  const auto [after, kept] = listed();
  EXPECT_LE(after, 8192u + ways);
  // The candidate hovered until then keeps its list, for the hover it had
  // while the pointer moved.
  for (const auto& side : kept) {
    if (side != hovered->parent()) {
      EXPECT_LT((side->transformedVertex() - above).lengthSquared(), 40000.0);
    }
  }
  MultiShape::resetCurrent();
}

// Bounding the group search loses no placement: every way the group fits a
// free side without overlapping the drawing, taken from the full definition
// (each side of the group of matching length on each free side), is offered
// in the real flow of Select All, Copy, the pointer going along the outline
// and Up stepping through the hovered side's candidates. The drawing is long
// enough that the lists the pointer leaves behind are let go on the way.
TEST(ViewControllerCandidates, EveryPlacementOfACopiedDrawingThatFitsIsOfferedAlongTheOutline) {
  const auto square = testing::catalogueFigure(Shapes::square);
  std::vector<std::shared_ptr<Shape>> tiles{testing::placedTile(square)};
  for (int k = 1; k < 6; ++k)
    tiles.push_back(testing::attach(square, 3, tiles.back()->edges()[1]));
  // A rhombus on the first square, so that the group has no turn of its own.
  tiles.push_back(testing::attach(testing::catalogueFigure(Shapes::rhombus16), 0, tiles[0]->edges()[2]));
  EditorHarness harness({.tiles = tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  harness.command([](ViewController& editor) {
    editor.selectAll();
    editor.copy();
  });
  harness.command([](ViewController& editor) { editor.paste(0); });
  harness.settle();
  ASSERT_NE(e.multiShape, nullptr);
  const auto figure = e.multiShape->figure();
  const auto sides = e.borderEdges;

  // A placement as the free side's place in the outline and the group's side.
  using Placement = std::pair<std::size_t, std::int64_t>;
  const auto placeOf = [&](const std::shared_ptr<Edge>& side) {
    return std::size_t(std::find(sides.begin(), sides.end(), side) - sides.begin());
  };
  std::set<Placement> expected;
  for (const auto& side : sides) {
    const auto tile = side->shape.lock();
    const double target = tile->figure()->lengths()[std::size_t(side->index())] * tile->scale();
    for (int k = 0; k < figure->variantCount(); ++k) {
      if (!(std::abs(figure->lengths()[std::size_t(k)] - target) < 1.0 / 512.0))
        continue;
      const auto placed = NeighborModel::create(figure);
      placed->place(k, ParentSide::of(*side));
      if (!figureOverlapsSegments(e.border, *placed))
        expected.insert({placeOf(side), k});
    }
  }

  std::set<Placement> offered;
  std::size_t letGo = 0;
  for (const auto& side : sides) {
    harness.hover(testing::pointBeyond(*side, 0.05));
    const auto first = std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock());
    if (!first)
      continue;
    EXPECT_EQ(first->parent(), side);
    auto current = first;
    for (int step = 0; step < 200; ++step) {
      const auto parent = current->parent();
      ASSERT_NE(parent, nullptr);
      // Laid on its side the other way round.
      const auto& own = current->edges();
      const std::size_t k = std::size_t(current->edgeOffset);
      EXPECT_LT((own[k]->transformedVertex() - parent->transformedEnd()).length(), 1e-6);
      EXPECT_LT((own[(k + 1) % own.size()]->transformedVertex() - parent->transformedVertex()).length(), 1e-6);
      offered.insert({placeOf(parent), current->edgeOffset});
      harness.command([](ViewController& editor) { EXPECT_TRUE(editor.moveNeighborSelectionUp()); });
      current = std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock());
      ASSERT_NE(current, nullptr);
      if (current == first)
        break;
    }
    for (const auto& other : sides)
      letGo += other->neighbors.contains(Shapes::multi) ? 0 : 1;
  }
  EXPECT_EQ(offered, expected);
  EXPECT_GT(expected.size(), sides.size());
  EXPECT_GT(letGo, 0u);
  MultiShape::resetCurrent();
}

TEST(ViewControllerCandidates, ACandidateOfAnEarlierGroupIsNeverOfferedNorPlaced) {
  EditorHarness harness = oneSquare({Shapes::multi});
  auto& e = *harness.editor;
  const auto earlier = twoSquareGroup();
  const auto square = testing::placedTile(testing::catalogueFigure(Shapes::square));
  e.multiShape = MultiShape::create(square, {square});
  const auto& side = e.graph().shapes()[0]->edges()[0];
  // A search for the earlier group whose list reaches the side after the
  // group changed.
  harness.command([&](ViewController&) { EdgeMultiNeighborsOperation::create(side, earlier)->main(); });
  ASSERT_FALSE(side->neighbors.at(Shapes::multi).empty());
  const auto stale = side->neighbors.at(Shapes::multi).front();
  ASSERT_EQ(stale->figure(), earlier->figure());

  harness.hover(testing::pointBeyond(*side, 0.3));
  if (const auto hovered = std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock())) {
    EXPECT_EQ(hovered->figure(), e.multiShape->figure());
  }
  harness.command([&](ViewController& editor) {
    editor.clearHoverOutline();
    editor.updateSelectedPointLayer(stale);
    editor.placeCandidate();
  });
  EXPECT_EQ(e.graph().shapes().size(), 1u);
  EXPECT_FALSE(harness.undoManager->canUndo());
  MultiShape::resetCurrent();
}

}  // namespace
}  // namespace ornival
