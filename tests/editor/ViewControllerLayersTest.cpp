#include "editor/ViewController.h"

#include "document/Document.h"
#include "model/LineAttribute.h"
#include "model/Shape.h"
#include "platform/ShapeLayer.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <limits>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr ModifierFlags option{.option = true};
constexpr ModifierFlags control{.control = true};

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

TEST(ViewControllerLayers, TreeHoldsTheLayersInDrawingOrder) {
  EditorHarness harness;
  const auto& e = *harness.editor;
  EXPECT_EQ(harness.view->viewLayer->sublayers(), (std::vector<std::shared_ptr<Layer>>{e.boundsLayer, e.layer}));
  // With the pointer over it, an empty drawing hovers its one prototype, so
  // the hover outline is shown over the rest.
  harness.hover({0.0, 0.0});
  EXPECT_EQ(e.layer->sublayers(),
            (std::vector<std::shared_ptr<Layer>>{e.shapesLayer, e.borderLayer, e.borderLayer2, e.borderLayer3,
                                                 e.crossingLayer, e.crossingLayer2, e.moveLayer, e.markLayer,
                                                 e.selectedLayer}));
  EXPECT_EQ(e.moveLayer->sublayers(), (std::vector<std::shared_ptr<Layer>>{e.moveShapesLayer, e.moveBorderLayer,
                                                                           e.moveBorderLayer2, e.moveBorderLayer3}));
  std::vector<double> depths;
  for (const auto& layer : e.layer->sublayers())
    depths.push_back(layer->zPosition());
  EXPECT_EQ(depths, (std::vector{0.0, 1.0, 1.1, 1.2, 1.3, 1.4, 6.0, 7.0, 4.0}));
  EXPECT_EQ(e.selectedStrokeLayer->superlayer(), e.selectedLayer);
  EXPECT_TRUE(e.boundsLayer->isHidden());
  EXPECT_FALSE(e.markLayer->fillColor());
  EXPECT_EQ(e.markLayer->strokeColor(), (Color{1.0, 0.0, 0.0, 1.0}));
}

// Canvas units to view points: rotate, move by the offsets, scale by the
// zoom, move to the centre of the window.
struct TransformCase {
  double rotation;
  Vec2 offset;
  double scale;
  Vec2 window;
  Vec2 canvas;
  Vec2 view;
};

TEST(ViewControllerLayers, LayerTransformMapsCanvasToViewAndBack) {
  const TransformCase cases[] = {
      {0.0, {0.0, 0.0}, 20.0, {1080.0, 800.0}, {10.0, 5.0}, {550.0, 405.0}},
      {90.0, {0.0, 0.0}, 20.0, {1080.0, 800.0}, {10.0, 5.0}, {535.0, 410.0}},
      {0.0, {3.0, -2.0}, 40.0, {1080.0, 800.0}, {10.0, 5.0}, {566.0, 406.0}},
      {180.0, {1.0, 1.0}, 10.0, {200.0, 100.0}, {10.0, 5.0}, {95.5, 48.0}},
      {-90.0, {0.0, 0.0}, -20.0, {1080.0, 800.0}, {10.0, 5.0}, {535.0, 410.0}},
  };
  EditorHarness harness;
  auto& e = *harness.editor;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rotation);
    e.setRotation(c.rotation);
    e.offsetX = c.offset.x;
    e.offsetY = c.offset.y;
    e.setScale(c.scale);
    e.scaleFactor = 1.0;
    harness.view->size = c.window;
    const auto transform = e.layerTransform();
    ASSERT_TRUE(transform);
    expectNear(transform->apply(c.canvas), c.view);
    const auto inverse = transform->inverted();
    ASSERT_TRUE(inverse);
    expectNear(inverse->apply(c.view), c.canvas);
  }
  harness.view->window = false;
  EXPECT_FALSE(e.layerTransform());
}

// The view update puts the transform on the drawing: points convert through
// the layers as the transform says.
TEST(ViewControllerLayers, ViewTransformReachesTheLayersAndTheScene) {
  EditorHarness harness(testing::squareGrid(3, 1));
  harness.command([](ViewController&) {});
  harness.document->setRotation(30.0);
  const auto& e = *harness.editor;
  const auto transform = e.layerTransform();
  ASSERT_TRUE(transform);
  EXPECT_EQ(e.layer->transform(), *transform);
  expectNear(harness.windowPoint({20.0, 10.0}), transform->apply({20.0, 10.0}));
  expectNear(harness.canvasPoint(transform->apply({20.0, 10.0})), {20.0, 10.0});
  EXPECT_EQ(e.contentNode->transform().apply({20.0, 10.0, 0.0}).x, transform->apply({20.0, 10.0}).x);
  // The page frame is drawn in rotated coordinates.
  EXPECT_EQ(e.boundsLayer->transform(), *e.unrotatedLayerTransform());
  // The tiling is centred at zoom 20.
  const Rect page = e.pageBounds();
  expectNear(e.unrotatedLayerTransform()->apply(page.center()), {540.0, 400.0});
}

// Zoom 0 lies on the wheel's way to negative zooms; the pointer must still
// find its canvas point there.
TEST(ViewControllerLayers, ZoomZeroKeepsEveryViewPointOnTheCanvas) {
  EditorHarness harness(testing::squareGrid(2, 2));
  harness.document->setScale(1.0);
  harness.scroll(-1.0);
  ASSERT_EQ(harness.editor->scale(), 0.0);
  const auto transform = harness.editor->layerTransform();
  ASSERT_TRUE(transform);
  EXPECT_NE(transform->determinant(), 0.0);
  const Vec2 canvas = harness.canvasPoint({600.0, 300.0});
  EXPECT_TRUE(std::isfinite(canvas.x) && std::isfinite(canvas.y));
  expectNear(harness.windowPoint(canvas), {600.0, 300.0});
}

struct FitCase {
  int columns;
  int rows;
  Vec2 window;
  double scaleFactor;
};

TEST(ViewControllerLayers, ScaleFactorFitsTheTilingWithItsMarginIntoTheWindow) {
  const FitCase cases[] = {
      // 1000 units wide and low, 1080 points wide: one point per unit.
      {50, 1, {1080.0, 800.0}, 1.0},
      // Narrower and lower than 320: 0.0025 of the smaller window side.
      {1, 1, {1080.0, 800.0}, 2.0},
      {1, 50, {1080.0, 800.0}, 800.0 / 1080.0},
      {50, 1, {540.0, 800.0}, 0.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.columns * 100 + c.rows);
    EditorHarness harness(testing::squareGrid(c.columns, c.rows));
    harness.view->size = c.window;
    EXPECT_TRUE(harness.editor->updatePageBoundsAndOffsets());
    EXPECT_DOUBLE_EQ(harness.editor->scaleFactor, c.scaleFactor);
  }
}

// A strip 1000 × 20 in 1080 × 800 fits at zoom 20 exactly, so the relative
// zoom equals the zoom. The pointer three quarters across pans by a quarter
// of the width.
struct PanCase {
  double scale;
  ModifierFlags keys;
  bool moves;
  Vec2 offset;
};

TEST(ViewControllerLayers, ZoomBeyondTheFitPansWithThePointer) {
  const Vec2 centred{-500.0, -10.0};
  const PanCase cases[] = {
      {20.0, {}, true, centred},
      {20.001953125, {}, true, centred},
      {20.00196, {}, true, {-750.0, -10.0}},
      {30.0, {}, true, {-750.0, -10.0}},
      {30.0, control, false, {-750.0, -10.0}},
      {-30.0, {}, true, {0.0, 0.0}},
      {-30.0, control, true, {-250.0, -10.0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    EditorHarness harness(testing::squareGrid(50, 1));
    auto& e = *harness.editor;
    harness.view->pointer = {810.0, 400.0};
    harness.input->flags = c.keys;
    e.offsetX = 0.0;
    e.offsetY = 0.0;
    e.setScale(c.scale);
    EXPECT_EQ(e.updatePageBoundsAndOffsets(), c.moves);
    expectNear({e.offsetX, e.offsetY}, c.offset);
  }
}

struct SnapCase {
  double target;
  double snapped;
};

// Squares at x 0…40, y 0…20: corners and side midpoints give x 0, 10, 20,
// 30, 40 and y 0, 10, 20. A tie goes to the candidate met first, tile by
// tile and side by side.
TEST(ViewControllerLayers, SnappingTakesTheNearestCornerOrMidpointFirstOnATie) {
  const SnapCase cases[] = {{5.0, 0.0}, {15.0, 10.0}, {25.0, 20.0}, {36.0, 40.0}, {-100.0, 0.0}, {44.0, 40.0}};
  EditorHarness harness(testing::squareGrid(2, 1));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    const Rect snapped = harness.editor->snapPageBounds({{c.target, c.target}, {0.0, 0.0}});
    EXPECT_EQ(snapped.origin.x, c.snapped);
    EXPECT_EQ(snapped.size.x, 0.0);
    EXPECT_EQ(snapped.origin.y, std::min(c.snapped, 20.0));
  }
  // Option, or no tiles, leaves the frame as it is.
  const Rect frame{{3.0, 4.0}, {33.0, 14.0}};
  harness.input->flags = option;
  EXPECT_EQ(harness.editor->snapPageBounds(frame), frame);
  EXPECT_EQ(EditorHarness().editor->snapPageBounds(frame), frame);
}

// What the frame snaps to follows every edit of the tiling and every turn of
// the view.
TEST(ViewControllerLayers, SnappingFollowsTheTilingAndTheTurn) {
  EditorHarness harness(testing::squareGrid(2, 1));
  const auto snappedX = [&](double x) { return harness.editor->snapPageBounds({{x, 3.0}, {0.0, 0.0}}).origin.x; };
  EXPECT_EQ(snappedX(57.0), 40.0);
  harness.command([](ViewController& e) {
    e.moving = {e.graph().shapes()[1]};
    e.removeShapes();
  });
  EXPECT_EQ(snappedX(57.0), 20.0);
  harness.document->setRotation(90.0);
  EXPECT_NEAR(snappedX(57.0), 0.0, 1e-12);
  EXPECT_NEAR(snappedX(-13.0), -10.0, 1e-12);
}

TEST(ViewControllerLayers, SnappingWorksInTheTurnedView) {
  EditorHarness harness(testing::squareGrid(2, 1));
  harness.document->setRotation(90.0);
  // Turned a quarter, the strip runs from y 0 to 40 and x -20 to 0.
  const Rect snapped = harness.editor->snapPageBounds({{-14.0, 4.0}, {12.0, 32.0}});
  EXPECT_NEAR(snapped.origin.x, -10.0, 1e-12);
  EXPECT_NEAR(snapped.origin.y, 0.0, 1e-12);
  EXPECT_NEAR(snapped.maxX(), 0.0, 1e-12);
  EXPECT_NEAR(snapped.maxY(), 40.0, 1e-12);
}

TEST(ViewControllerLayers, AutomaticPageIsTheTilingWidenedByTwenty) {
  EditorHarness empty;
  EXPECT_EQ(empty.editor->pageBounds(), Rect{});
  EXPECT_EQ(empty.editor->snappedPageBounds(), (Rect{{-20.0, -20.0}, {40.0, 40.0}}));

  EditorHarness harness(testing::squareGrid(3, 2));
  EXPECT_EQ(harness.editor->pageBounds(), (Rect{{0.0, 0.0}, {60.0, 40.0}}));
  EXPECT_EQ(harness.editor->snappedPageBounds(), (Rect{{-20.0, -20.0}, {100.0, 80.0}}));
  EXPECT_EQ(harness.document->pageBounds, Rect{});
  EXPECT_EQ(harness.document->exportWidth(), 400);
  EXPECT_EQ(harness.document->exportHeight(), 320);
}

// Bands wider than the margin reach past it, a mitred tip most of all: the
// automatic page then grows to hold the whole drawing, alike on both sides,
// and shrinks back once the bands narrow. Bounds set by hand stay.
TEST(ViewControllerLayers, AutomaticPageHoldsTheMitredTipsOfWideBands) {
  EditorHarness harness({testing::placedTile(testing::catalogueFigure(Shapes::rhombus18))});
  ViewController& e = *harness.editor;
  Document& d = *harness.document;
  const auto widened = [](const Rect& r, double by) {
    return Rect{r.origin - Vec2{by, by}, r.size + Vec2{2 * by, 2 * by}};
  };
  const auto holdsTheTips = [&](double width, bool mitred) {
    const Rect page = e.snappedPageBounds();
    const double turn = d.rotation() * std::numbers::pi / 180.0;
    const auto turned = [&](Vec2 p) {
      return Vec2{p.x * std::cos(turn) - p.y * std::sin(turn), p.x * std::sin(turn) + p.y * std::cos(turn)};
    };
    const auto& edges = e.graph().shapes().front()->edges();
    double reachX = 0.0, reachY = 0.0;
    for (std::size_t i = 0; i < edges.size(); ++i) {
      const Vec2 p = edges[(i + edges.size() - 1) % edges.size()]->transformedVertex();
      const Vec2 v = edges[i]->transformedVertex();
      const Vec2 n = edges[(i + 1) % edges.size()]->transformedVertex();
      const Vec2 a = (p - v) / (p - v).length();
      const Vec2 b = (n - v) / (n - v).length();
      const double sine = std::sin(std::acos(a.dot(b)) / 2);
      const double farthest = mitred && 1.0 / sine <= 4.0 ? width / 2 / sine : width / 2;
      const Vec2 tip = turned(v + (a + b) * (-farthest / (a + b).length()));
      EXPECT_GE(tip.x, page.minX() - 1e-9);
      EXPECT_LE(tip.x, page.maxX() + 1e-9);
      EXPECT_GE(tip.y, page.minY() - 1e-9);
      EXPECT_LE(tip.y, page.maxY() + 1e-9);
      reachX = std::max({reachX, e.pageBounds().minX() - tip.x, tip.x - e.pageBounds().maxX()});
      reachY = std::max({reachY, e.pageBounds().minY() - tip.y, tip.y - e.pageBounds().maxY()});
    }
    // Centred on the tiles, and no wider than the farthest tip or the margin.
    expectNear(page.center(), e.pageBounds().center());
    EXPECT_NEAR(page.size.x, e.pageBounds().size.x + 2 * std::max(reachX, 20.0), 1e-9);
    EXPECT_NEAR(page.size.y, e.pageBounds().size.y + 2 * std::max(reachY, 20.0), 1e-9);
    return std::max(reachX, reachY);
  };

  // The sharp corners' tips reach 1.21 widths beyond the box: a band of 16
  // stays within the margin, one of 17 reaches past it.
  harness.command([&](ViewController&) { d.setBorderWidth(16.0); });
  EXPECT_LT(holdsTheTips(16.0, true), 20.0);
  EXPECT_EQ(e.snappedPageBounds(), widened(e.pageBounds(), 20.0));
  harness.command([&](ViewController&) { d.setBorderWidth(17.0); });
  EXPECT_GT(holdsTheTips(17.0, true), 20.0);
  harness.command([&](ViewController&) { d.setBorderWidth(40.0); });
  EXPECT_GT(holdsTheTips(40.0, true), 45.0);
  EXPECT_EQ(d.pageBounds, Rect{}) << "still automatic";
  EXPECT_NEAR(d.exportWidth(), e.snappedPageBounds().size.x * d.exportScale(), 1.0) << "the export follows the page";
  harness.command([&](ViewController&) { d.setRotation(30.0); });
  holdsTheTips(40.0, true);
  // Round joins reach half the width: 20, within the margin.
  harness.command([&](ViewController&) { d.setBorderLineStyle(true); });
  holdsTheTips(40.0, false);
  EXPECT_EQ(e.snappedPageBounds(), widened(e.pageBounds(), 20.0));
  harness.command([&](ViewController&) { d.setBorderLineStyle(false); });
  EXPECT_GT(holdsTheTips(40.0, true), 45.0);
  harness.command([&](ViewController&) { d.setBorderWidth(2.0); });
  EXPECT_EQ(e.snappedPageBounds(), widened(e.pageBounds(), 20.0));

  harness.command([&](ViewController&) { d.setBorderWidth(40.0); });
  const Rect hand = e.snappedPageBounds();
  harness.command([&](ViewController& editor) { editor.setManualPageBounds(hand); }, option);
  harness.command([&](ViewController&) { d.setBorderWidth(60.0); });
  EXPECT_EQ(e.snappedPageBounds(), hand);
  EXPECT_EQ(d.pageBounds, hand);
}

// The crossing pieces lie where two lines' bands overlap: the page that
// holds the bands holds them too.
TEST(ViewControllerLayers, AutomaticPageHoldsTheCrossingPiecesOfWideBands) {
  for (const auto& [columns, rows] : {std::pair{3, 3}, std::pair{1, 4}}) {
    EditorHarness harness(testing::squareGrid(columns, rows));
    Document& d = *harness.document;
    harness.command([&](ViewController&) {
      d.setBorderWidth(60.0);
      d.setBorderWidth2(24.0);
      d.setCrossings(CrossingStatus::on);
    });
    const Rect page = harness.editor->snappedPageBounds();
    for (const auto& layer : {harness.editor->crossingLayer, harness.editor->crossingLayer2}) {
      const auto path = layer->path();
      const auto pieces = path ? path->boundingBox() : std::nullopt;
      if (!pieces)
        continue;
      EXPECT_GE(pieces->minX(), page.minX());
      EXPECT_GE(pieces->minY(), page.minY());
      EXPECT_LE(pieces->maxX(), page.maxX());
      EXPECT_LE(pieces->maxY(), page.maxY());
    }
    const auto pieces = harness.editor->crossingLayer2->path();
    EXPECT_TRUE(pieces && !pieces->isEmpty()) << columns << " × " << rows;
  }
}

// Automatic bounds are recomputed with every view update and are no step of
// their own: turning the view leaves nothing to undo.
TEST(ViewControllerLayers, AutomaticBoundsRegisterNoUndo) {
  EditorHarness harness(testing::squareGrid(3, 2));
  harness.scroll(1.0, option);
  EXPECT_EQ(harness.editor->rotation(), -3.0);
  EXPECT_NE(harness.editor->pageBounds(), (Rect{{0.0, 0.0}, {60.0, 40.0}}));
  EXPECT_EQ(harness.editor->manualPageBounds, harness.editor->pageBounds());
  EXPECT_FALSE(harness.undoManager->canUndo());
}

TEST(ViewControllerLayers, HandSetBoundsAreSnappedAndUndoneAsOneStep) {
  EditorHarness harness(testing::squareGrid(3, 2));
  const Rect automatic = harness.editor->pageBounds();
  harness.command([](ViewController& e) { e.setManualPageBounds({{1.0, 2.0}, {37.0, 17.0}}); });
  EXPECT_EQ(harness.editor->snappedPageBounds(), (Rect{{0.0, 0.0}, {40.0, 20.0}}));
  EXPECT_EQ(harness.document->pageBounds, (Rect{{1.0, 2.0}, {37.0, 17.0}}));
  EXPECT_EQ(harness.editor->boundsLayer->strokeColor(), (Color{236 / 255.0, 131 / 255.0, 26 / 255.0, 1.0}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Update Page Bounds");
  EXPECT_EQ(harness.document->exportWidth(), 160);

  // A frame drag sets the bounds many times and is undone as one step.
  harness.command([](ViewController& e) {
    e.dragged = true;
    e.setManualPageBounds({{1.0, 2.0}, {50.0, 17.0}});
    e.setManualPageBounds({{1.0, 2.0}, {55.0, 17.0}});
    e.dragged = false;
    e.registerUndoManualPageBounds = true;
  });
  EXPECT_EQ(harness.undoManager->undoCount(), 2u);
  harness.undo();
  EXPECT_EQ(harness.editor->manualPageBounds, (Rect{{1.0, 2.0}, {37.0, 17.0}}));
  harness.undo();
  EXPECT_EQ(harness.editor->manualPageBounds, automatic);
  EXPECT_EQ(harness.document->pageBounds, Rect{});
  EXPECT_EQ(harness.editor->snappedPageBounds(), (Rect{{-20.0, -20.0}, {100.0, 80.0}}));
  harness.redo();
  EXPECT_EQ(harness.document->pageBounds, (Rect{{1.0, 2.0}, {37.0, 17.0}}));

  // Held Option leaves the frame where the hand put it.
  harness.command([](ViewController& e) { e.setManualPageBounds({{1.0, 2.0}, {37.0, 17.0}}); });
  harness.command([](ViewController& e) { e.setManualPageBounds({{3.0, 2.0}, {37.0, 17.0}}); }, option);
  EXPECT_EQ(harness.editor->snappedPageBounds(), (Rect{{3.0, 2.0}, {37.0, 17.0}}));
}

struct BandCase {
  double widths[3];
  // Colour index of each sorted band, narrowest first.
  int order[3];
};

// Sorted by width, equal widths in the document's order; the widest band
// lies lowest.
TEST(ViewControllerLayers, BandsAreSortedByWidthKeepingTheOrderOfEqualOnes) {
  const Color colors[] = {{1.0, 0.0, 0.0, 1.0}, {0.0, 1.0, 0.0, 1.0}, {0.0, 0.0, 1.0, 1.0}};
  const BandCase cases[] = {
      {{3.0, 1.0, 2.0}, {1, 2, 0}},
      {{2.0, 2.0, 1.0}, {2, 0, 1}},
      {{1.0, 1.0, 1.0}, {0, 1, 2}},
      {{0.0, 4.0, 0.0}, {0, 2, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.widths[0] * 100 + c.widths[1] * 10 + c.widths[2]);
    EditorHarness harness(testing::squareGrid(1, 1));
    harness.command([&](ViewController&) {
      auto& d = *harness.document;
      d.setBorderColor(colors[0]);
      d.setBorderColor2(colors[1]);
      d.setBorderColor3(colors[2]);
      d.setBorderWidth(c.widths[0]);
      d.setBorderWidth2(c.widths[1]);
      d.setBorderWidth3(c.widths[2]);
    });
    const auto& tile = *harness.editor->graph().shapes().front();
    ASSERT_EQ(tile.lineAttributes.size(), 3u);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(tile.lineAttributes[k].color, colors[c.order[k]]);
      EXPECT_EQ(tile.lineAttributes[k].width, c.widths[c.order[k]]);
    }
    EXPECT_EQ(tile.borderLayer()->lineWidth(), c.widths[c.order[2]]);
    EXPECT_EQ(tile.borderLayer2()->lineWidth(), c.widths[c.order[1]]);
    EXPECT_EQ(tile.borderLayer3()->lineWidth(), c.widths[c.order[0]]);
  }
}

TEST(ViewControllerLayers, LineJoinReachesEveryBand) {
  EditorHarness harness(testing::squareGrid(2, 1));
  harness.command([&](ViewController&) { harness.document->setBorderLineStyle(true); });
  EXPECT_TRUE(harness.editor->borderLineStyle);
  for (const auto& tile : harness.editor->graph().shapes()) {
    EXPECT_TRUE(tile->borderLineStyle);
    EXPECT_EQ(tile->borderLayer3()->lineJoin(), LineJoin::round);
  }
}

}  // namespace
}  // namespace ornival
