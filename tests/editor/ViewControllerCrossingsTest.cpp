#include "editor/ViewController.h"

#include "document/DocumentExporter.h"
#include "document/OrnivalModel.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/Geometry.h"
#include "platform/NumberText.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr Color red{1.0, 0.0, 0.0, 1.0};
constexpr Color green{0.0, 1.0, 0.0, 1.0};
constexpr Color blue{0.0, 0.0, 1.0, 1.0};

// The 2 × 2 block of squares with crossings drawn and three bands of
// different widths, the widest first in the document.
EditorHarness::Setup block(CrossingStatus crossings, int displayMode = 2) {
  EditorHarness::Setup setup;
  setup.tiles = testing::squares().tiles;
  setup.prepareDocument = [crossings, displayMode](Document& d) {
    DocumentSettings settings;
    settings.borderWidth = 6.0;
    settings.borderColor = red;
    settings.borderWidth2 = 2.0;
    settings.borderColor2 = green;
    settings.borderWidth3 = 4.0;
    settings.borderColor3 = blue;
    settings.borderBezierFactor = 1.0;
    settings.crossings = crossings;
    settings.displayMode = displayMode;
    d.applyFileSettings(settings);
  };
  return setup;
}

std::size_t closedPieces(const std::optional<Path>& path) {
  if (!path)
    return 0;
  const auto& elements = path->elements();
  return std::size_t(std::count_if(elements.begin(), elements.end(),
                                    [](const PathElement& e) { return e.kind == PathElement::Kind::close; }));
}

TEST(ViewControllerCrossings, ABlockOfFourSquaresCrossesOnceInsideAndFourTimesOnItsBorder) {
  EditorHarness harness(block(CrossingStatus::on));
  auto& e = *harness.editor;
  EXPECT_FALSE(e.crossingLayer->isHidden());
  EXPECT_FALSE(e.crossingLayer2->isHidden());
  // Two pieces at each of the five crossings; the middle band over the
  // narrowest, the widest over the middle one.
  EXPECT_EQ(closedPieces(e.crossingLayer->path()), 10u);
  EXPECT_EQ(closedPieces(e.crossingLayer2->path()), 10u);
  EXPECT_EQ(e.crossingLayer->fillColor(), blue);
  EXPECT_EQ(e.crossingLayer2->fillColor(), red);
  // In relief only the crossing inside rises: one point, four ridge corners.
  const auto geometry = e.crossingsGeometry();
  EXPECT_EQ(geometry->sources().positions.size(), 5u);
  EXPECT_EQ(geometry->sources().indices.size(), 6u);
  EXPECT_EQ(e.crossingsNode->parentNode(), e.contentNode);
}

// Which line passes over at each crossing of a grid of squares (20 canvas
// units a side; crossings counted in sides from the corner), read
// from the pieces of one crossing layer: the pieces lie on the line that
// passes under, on either side of the crossing, and carry the other line's
// edges across it. True where the horizontal line passes over; a crossing
// whose pieces are not two, on one line, on either side, fails the test.
std::map<std::pair<int, int>, bool> horizontalOver(const std::optional<Path>& pieces) {
  std::map<std::pair<int, int>, std::vector<Vec2>> offsets;
  if (!pieces)
    return {};
  std::vector<Vec2> corners;
  for (const PathElement& e : *pieces) {
    if (e.kind != PathElement::Kind::close) {
      corners.push_back(e.point);
      continue;
    }
    Vec2 centre;
    for (const Vec2 p : corners)
      centre = centre + p / double(corners.size());
    corners.clear();
    const std::pair<int, int> at{int(std::lround(centre.x / 20.0)), int(std::lround(centre.y / 20.0))};
    offsets[at].push_back(centre - Vec2{at.first * 20.0, at.second * 20.0});
  }
  std::map<std::pair<int, int>, bool> over;
  for (const auto& [at, both] : offsets) {
    SCOPED_TRACE(::testing::Message() << "crossing at " << at.first << ", " << at.second);
    EXPECT_EQ(both.size(), 2u);
    if (both.size() != 2)
      continue;
    const bool underIsHorizontal = std::abs(both[0].x) > std::abs(both[0].y);
    EXPECT_EQ(std::abs(both[1].x) > std::abs(both[1].y), underIsHorizontal) << "both pieces on one line";
    EXPECT_LT((both[0] + both[1]).length(), 1e-9) << "on either side";
    over[at] = !underIsHorizontal;
  }
  return over;
}

// Along every line of the grid, the line passes over and under in turn at
// its crossings, four to a line, the grid's border among them; switching
// between on and alternate turns every crossing the other way; undo turns
// them back.
TEST(ViewControllerCrossings, OnAndAlternateSwapWhichLinePassesOver) {
  EditorHarness::Setup setup;
  setup.tiles = testing::squareGrid(3, 3);
  setup.prepareDocument = [](Document& d) {
    DocumentSettings settings;
    settings.borderWidth = 6.0;
    settings.borderWidth2 = 2.0;
    settings.borderWidth3 = 4.0;
    settings.borderBezierFactor = 1.0;
    settings.crossings = CrossingStatus::on;
    d.applyFileSettings(settings);
  };
  EditorHarness harness(setup);
  auto& e = *harness.editor;
  const auto on = horizontalOver(e.crossingLayer2->path());
  ASSERT_EQ(on.size(), 12u) << "four inside the grid, two on each side of its border";
  EXPECT_EQ(horizontalOver(e.crossingLayer->path()), on) << "both layers pass the same line over";
  for (int line = 1; line <= 2; ++line) {
    for (int step = 1; step <= 3; ++step) {
      SCOPED_TRACE(::testing::Message() << "line " << line << ", crossing " << step);
      // Along the horizontal line y = line, and the vertical line x = line.
      EXPECT_NE(on.at({step, line}), on.at({step - 1, line}));
      EXPECT_NE(on.at({line, step}), on.at({line, step - 1}));
    }
  }

  harness.command([](ViewController& editor) { editor.document()->setCrossings(CrossingStatus::alternate); });
  const auto alternate = horizontalOver(e.crossingLayer2->path());
  ASSERT_EQ(alternate.size(), on.size());
  for (const auto& [at, horizontal] : on)
    EXPECT_NE(alternate.at(at), horizontal) << at.first << ", " << at.second;
  harness.undo();
  EXPECT_EQ(horizontalOver(e.crossingLayer2->path()), on);
}

// SVG path data of the pieces, as the drawing writes it.
std::string pathData(const Path& path) {
  std::string out;
  for (const PathElement& e : path) {
    if (!out.empty())
      out += ' ';
    if (e.kind == PathElement::Kind::close) {
      out += 'Z';
      continue;
    }
    out += e.kind == PathElement::Kind::move ? 'M' : 'L';
    out += formatNumberWithFraction(e.point.x) + "," + formatNumberWithFraction(e.point.y);
  }
  return out;
}

// The SVG drawing carries the very pieces the window shows, in the colours
// of the bands that pass over, with crossings on and alternate alike.
TEST(ViewControllerCrossings, TheSvgDrawsTheWindowsPieces) {
  EditorHarness harness(block(CrossingStatus::on));
  auto& e = *harness.editor;
  for (const CrossingStatus crossings : {CrossingStatus::on, CrossingStatus::alternate}) {
    harness.command([&](ViewController& editor) { editor.document()->setCrossings(crossings); });
    DocumentExporter exporter(harness.document, {});
    const std::string svg = exporter.svgModel()->svg();
    for (const auto& layer : {e.crossingLayer, e.crossingLayer2}) {
      ASSERT_TRUE(layer->path() && layer->fillColor());
      EXPECT_NE(svg.find(OrnivalModel::svgFillAttribute(*layer->fillColor()) + " d=\"" + pathData(*layer->path()) +
                         "\"/>"),
                std::string::npos)
          << svg;
    }
  }
}

TEST(ViewControllerCrossings, TheLayersHideWhenCrossingsAreOffInReliefOrDuringADrag) {
  {
    EditorHarness harness(block(CrossingStatus::off));
    EXPECT_TRUE(harness.editor->crossingLayer->isHidden());
    EXPECT_TRUE(harness.editor->crossingLayer2->isHidden());
    EXPECT_EQ(harness.editor->crossingsNode->parentNode(), nullptr);
  }
  {
    EditorHarness harness(block(CrossingStatus::on, 3));
    EXPECT_TRUE(harness.editor->crossingLayer->isHidden());
    EXPECT_EQ(harness.editor->crossingsNode->parentNode(), harness.editor->contentNode);
  }
  EditorHarness harness(block(CrossingStatus::on));
  auto& e = *harness.editor;
  e.isMoving = true;
  e.updateCrossingLayers();
  EXPECT_TRUE(e.crossingLayer->isHidden());
  e.isMoving = false;
  e.updateCrossingLayers();
  EXPECT_FALSE(e.crossingLayer->isHidden());
}

TEST(ViewControllerCrossings, EqualBandWidthsGiveNoPieces) {
  EditorHarness harness(block(CrossingStatus::on));
  auto& e = *harness.editor;
  EXPECT_TRUE(e.crossingsPath(4.0, 4.0).isEmpty());
  harness.command([](ViewController& editor) {
    editor.document()->setBorderWidth(2.0);
    editor.document()->setBorderWidth3(2.0);
  });
  EXPECT_EQ(closedPieces(e.crossingLayer->path()), 0u);
  EXPECT_EQ(closedPieces(e.crossingLayer2->path()), 0u);
}

TEST(ViewControllerCrossings, EditsRefreshTheCrossings) {
  EditorHarness harness(block(CrossingStatus::on));
  auto& e = *harness.editor;
  harness.command([](ViewController& editor) {
    editor.moving = {editor.graph().shapes()[3]};
    editor.removeShapes();
  });
  // Without the fourth square the middle is an open corner of three.
  EXPECT_LT(closedPieces(e.crossingLayer->path()), 10u);
  EXPECT_TRUE(e.crossingsGeometry()->sources().indices.empty());
  harness.undo();
  EXPECT_EQ(closedPieces(e.crossingLayer->path()), 10u);
}


// Placements look again only at the corners their tiles reach; whatever
// the edits before them, the layers hold exactly the pieces a walk over
// every corner gives, and the SVG draws them. Squares and triangles mixed,
// so that a placement can flip the parity of tiles far away, and rounded
// band corners, so that the corner rule takes part.
TEST(ViewControllerCrossings, PlacementsKeepThePiecesOfAWalkOverEveryCorner) {
  for (const CrossingStatus crossings : {CrossingStatus::on, CrossingStatus::alternate}) {
    SCOPED_TRACE(int(crossings));
    EditorHarness::Setup setup = block(crossings);
    setup.tiles = testing::squareGrid(5, 4);
    setup.tools = {Shapes::square, Shapes::triangle};
    setup.prepareDocument = [crossings](Document& d) {
      DocumentSettings settings;
      settings.borderWidth = 6.0;
      settings.borderWidth2 = 2.0;
      settings.borderWidth3 = 4.0;
      settings.borderBezierFactor = 1.5;
      settings.borderRadiusLimit = 0.2;
      settings.crossings = crossings;
      d.applyFileSettings(settings);
    };
    EditorHarness harness(setup);
    auto& e = *harness.editor;
    std::mt19937_64 random(36);
    int partial = 0;
    int steps = 0;
    for (int step = 0; step < 60; ++step) {
      const auto roll = random() % 10;
      if (roll < 6) {
        if (e.borderEdges.empty())
          continue;
        const auto& side = e.borderEdges[random() % e.borderEdges.size()];
        harness.hover(testing::pointBeyond(*side, 0.2 + 0.1 * double(random() % 5)));
        if (!std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock()))
          continue;
        harness.command([](ViewController& editor) { editor.placeCandidate(); });
        partial += e.keptCrossings().lastUpdateWasPartial() ? 1 : 0;
      } else if (roll < 8 && e.graph().shapes().size() > 1) {
        const auto& tiles = e.graph().shapes();
        const auto tile = tiles[random() % tiles.size()];
        harness.command([&](ViewController& editor) {
          editor.moving = {tile};
          editor.removeShapes();
        });
      } else if (roll < 9) {
        harness.undo();
      } else {
        harness.redo();
      }
      ++steps;
      ASSERT_TRUE(e.crossingLayer->path() && e.crossingLayer2->path());
      std::vector<bool> parity;
      for (const auto& tile : e.graph().shapes())
        parity.push_back(tile->spin);
      EXPECT_EQ(*e.crossingLayer->path(), e.crossingsPath(4.0, 2.0)) << "step " << step;
      EXPECT_EQ(*e.crossingLayer2->path(), e.crossingsPath(6.0, 4.0)) << "step " << step;
      // Every tile's parity as a walk over the whole tiling gives it, also
      // where no crossing shows it yet.
      for (std::size_t k = 0; k < parity.size(); ++k)
        ASSERT_EQ(parity[k], e.graph().shapes()[k]->spin) << "step " << step << " tile " << k;
    }
    EXPECT_GT(partial, 5);
    EXPECT_GT(steps, 40);
    EXPECT_GT(closedPieces(e.crossingLayer2->path()), 0u);
    DocumentExporter exporter(harness.document, {});
    const std::string svg = exporter.svgModel()->svg();
    for (const auto& layer : {e.crossingLayer, e.crossingLayer2})
      EXPECT_NE(svg.find(OrnivalModel::svgFillAttribute(*layer->fillColor()) + " d=\"" + pathData(*layer->path()) +
                         "\"/>"),
                std::string::npos);
  }
}

}  // namespace
}  // namespace ornival
