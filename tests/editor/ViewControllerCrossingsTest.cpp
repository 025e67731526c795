#include "editor/ViewController.h"

#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Geometry.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(ViewControllerCrossings, OnAndAlternateSwapWhichLinePassesOver) {
  EditorHarness harness(block(CrossingStatus::on));
  auto& e = *harness.editor;
  const auto on = e.crossingLayer2->path();
  harness.command([](ViewController& editor) { editor.document()->setCrossings(CrossingStatus::alternate); });
  const auto alternate = e.crossingLayer2->path();
  ASSERT_TRUE(on && alternate);
  EXPECT_NE(*on, *alternate);
  EXPECT_EQ(closedPieces(alternate), 10u);
  harness.undo();
  EXPECT_EQ(e.crossingLayer2->path(), on);
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

}  // namespace
}  // namespace ornival
