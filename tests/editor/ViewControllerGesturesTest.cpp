#include "editor/ViewController.h"

#include "editor/DragRules.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/SceneNode.h"
#include "platform/ShapeLayer.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr ModifierFlags none{};
constexpr ModifierFlags shift{.shift = true};
constexpr ModifierFlags control{.control = true};
constexpr ModifierFlags option{.option = true};

const char* name(DragAction action) {
  static const char* const names[] = {"ignore",   "copy",           "delete",           "cutAndPaste", "rubberband",
                                      "right",    "topRight",       "top",              "topLeft",     "left",
                                      "bottomLeft", "bottom",       "bottomRight",      "move",        "color",
                                      "add",      "camera"};
  return names[int(action)];
}

TEST(DragRules, TheHandleZoneIsStrictlyWithinTenUnitsOfASideAndCornersWin) {
  const Rect frame{{0.0, 0.0}, {100.0, 50.0}};
  const struct {
    Vec2 point;
    DragAction expected;
  } cases[] = {
      {{9.9, 9.9}, DragAction::bottomLeftBounds},   {{10.0, 10.0}, DragAction::move},
      {{-10.0, -10.0}, DragAction::ignore},         {{-9.9, 25.0}, DragAction::leftBounds},
      {{0.0, 200.0}, DragAction::leftBounds},       {{109.9, 25.0}, DragAction::rightBounds},
      {{110.0, 25.0}, DragAction::ignore},          {{90.0, 25.0}, DragAction::move},
      {{90.1, 25.0}, DragAction::rightBounds},      {{50.0, 0.0}, DragAction::bottomBounds},
      {{50.0, 59.9}, DragAction::topBounds},        {{50.0, 60.0}, DragAction::ignore},
      {{100.0, 50.0}, DragAction::topRightBounds},  {{0.0, 50.0}, DragAction::topLeftBounds},
      {{100.0, 0.0}, DragAction::bottomRightBounds}, {{95.0, -9.9}, DragAction::bottomRightBounds},
      {{50.0, 25.0}, DragAction::move},             {{300.0, 300.0}, DragAction::ignore},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.point.x << ", " << c.point.y << ")");
    EXPECT_STREQ(name(handleAction(frame, c.point)), name(c.expected));
  }
}

TEST(DragRules, TheDistanceOfADragChoosesCopyCutOrDelete) {
  const struct {
    double squared;
    std::size_t carried;
    DragBand expected;
  } cases[] = {
      {799.9, 1, {DragAction::ignore, 1.0, ShapeStatus::marked}},
      {800.0, 1, {DragAction::copy, 1.0, ShapeStatus::copy}},
      {3199.9, 2, {DragAction::copy, 1.0, ShapeStatus::copy}},
      {3200.0, 2, {DragAction::cutAndPaste, 0.5, ShapeStatus::cut}},
      {3200.0, 1, {DragAction::remove, 0.2, ShapeStatus::moving}},
      {7199.9, 3, {DragAction::cutAndPaste, 0.5, ShapeStatus::cut}},
      {7200.0, 2, {DragAction::remove, 0.2, ShapeStatus::moving}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.squared << " with " << c.carried);
    EXPECT_EQ(dragBand(c.squared, c.carried), c.expected);
  }
}

TEST(DragRules, ADoubleClickSelectsByTheModifiersHeld) {
  // Upright and upside-down triangles, one of them in a group and one red,
  // beside two squares.
  auto tiles = testing::triangleGrid(3, 1);
  for (auto& square : testing::squareGrid(2, 1))
    tiles.push_back(square);
  for (std::size_t i = 0; i < tiles.size(); ++i)
    tiles[i]->index = int(i);
  tiles[2]->edges()[0]->isGroupJoin = true;
  tiles[4]->setShapeColor(Color{1.0, 0.0, 0.0, 1.0});
  const Shape& upright = *tiles[0];
  ASSERT_NE(tiles[0]->variant(), tiles[1]->variant());

  const struct {
    ModifierFlags modifiers;
    std::optional<std::vector<int>> expected;
  } cases[] = {
      {none, std::nullopt},
      {shift, std::nullopt},
      {control, std::vector<int>{0, 1, 2, 3, 5, 6, 7}},
      {option, std::vector<int>{0, 1, 3, 4, 5}},
      {{.control = true, .option = true}, std::vector<int>{0, 1, 3, 5}},
      {{.shift = true, .option = true}, std::vector<int>{0, 4}},
      {{.shift = true, .control = true, .option = true}, std::vector<int>{0, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "shift " << c.modifiers.shift << " control " << c.modifiers.control
                                      << " option " << c.modifiers.option);
    EXPECT_EQ(doubleClickSelection(tiles, upright, c.modifiers), c.expected);
  }
  // Kind and colour together leave out the red triangle.
  EXPECT_EQ(doubleClickSelection(tiles, *tiles[4], {.control = true, .option = true}), (std::vector<int>{4}));
}

// A press on the middle of a tile and a drag by the offset, in canvas units.
void pressAndDrag(EditorHarness& harness, const std::shared_ptr<Shape>& tile, Vec2 offset,
                  ModifierFlags modifiers = {}) {
  const Vec2 centre = tile->center();
  harness.hover(centre);
  harness.press(centre, modifiers);
  harness.drag(centre + offset * 0.5, modifiers);
  harness.drag(centre + offset, modifiers);
}

TEST(ViewControllerGestures, TheDistanceOfATileDragShowsInTheActionTheOpacityAndThePressedTile) {
  const struct {
    double distance;
    bool selectionOfTwo;
    DragAction action;
    double opacity;
    ShapeStatus status;
  } cases[] = {
      {20.0, false, DragAction::ignore, 1.0, ShapeStatus::marked},
      {40.0, false, DragAction::copy, 1.0, ShapeStatus::copy},
      {70.0, false, DragAction::remove, 0.2, ShapeStatus::moving},
      {70.0, true, DragAction::cutAndPaste, 0.5, ShapeStatus::cut},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.distance << (c.selectionOfTwo ? " with two" : " with one"));
    EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
    auto& e = *harness.editor;
    const auto tiles = e.graph().shapes();
    if (c.selectionOfTwo)
      tiles[0]->marked = tiles[1]->marked = true;
    pressAndDrag(harness, tiles[0], {0.0, -c.distance});
    EXPECT_STREQ(name(e.dragAction), name(c.action));
    EXPECT_DOUBLE_EQ(e.moveLayer->opacity(), c.opacity);
    EXPECT_EQ(tiles[0]->status(), c.status);
    EXPECT_EQ(e.moving.size(), c.selectionOfTwo ? 2u : 1u);
    EXPECT_TRUE(e.isMoving);
    EXPECT_EQ(e.markLayer->superlayer(), nullptr);
    EXPECT_TRUE(harness.checkInvariants());
  }
}

TEST(ViewControllerGestures, TheDragEventsOfADoubleClickMoveNothing) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto& tile = e.graph().shapes()[0];
  harness.hover(tile->center());
  harness.press(tile->center(), none, 2);
  harness.event([&] { e.mouseDragged({harness.windowPoint(tile->center() + Vec2{0.0, -70.0}), none, 2}); });
  EXPECT_FALSE(e.dragged);
  EXPECT_FALSE(e.isMoving);
  EXPECT_EQ(e.dragAction, DragAction::ignore);
}

TEST(ViewControllerGestures, ADeleteOrCutReleaseTakesTheCarriedTilesAway) {
  for (const bool two : {false, true}) {
    SCOPED_TRACE(two ? "two" : "one");
    EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
    auto& e = *harness.editor;
    const auto tiles = e.graph().shapes();
    if (two)
      tiles[0]->marked = tiles[1]->marked = true;
    const std::string before = harness.documentText();
    pressAndDrag(harness, tiles[0], {0.0, -70.0});
    harness.release(tiles[0]->center() + Vec2{0.0, -70.0});
    EXPECT_EQ(e.graph().shapes().size(), two ? 2u : 3u);
    EXPECT_FALSE(e.isMoving);
    EXPECT_EQ(e.markLayer->superlayer(), e.layer);
    EXPECT_EQ(e.dragAction, DragAction::ignore);
    EXPECT_TRUE(harness.checkInvariants());
    harness.undo();
    EXPECT_EQ(harness.documentText(), before);
  }
}

TEST(ViewControllerGestures, EscapeInTheMiddleOfADragThenReleaseBringsTheOverlaysBack) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  const std::string before = harness.documentText();
  // Two tiles carried: the hover outline stays up during the drag, so Escape
  // takes the hover away with it.
  tiles[0]->marked = tiles[1]->marked = true;
  pressAndDrag(harness, tiles[0], {0.0, -70.0});
  ASSERT_TRUE(e.isMoving);
  // Escape over a hovered tile: the drag is ignored and cancelled.
  harness.command([](ViewController& editor) {
    editor.ignoreDragging = true;
    editor.cancelDrag();
  });
  EXPECT_EQ(e.selectedShape.lock(), nullptr);
  EXPECT_EQ(e.dragAction, DragAction::ignore);
  harness.drag(tiles[0]->center() + Vec2{0.0, -90.0});
  harness.release(tiles[0]->center() + Vec2{0.0, -90.0});

  EXPECT_FALSE(e.isMoving);
  EXPECT_EQ(e.markLayer->superlayer(), e.layer);
  EXPECT_EQ(e.crossingLayer->superlayer(), e.layer);
  EXPECT_EQ(e.crossingLayer2->superlayer(), e.layer);
  EXPECT_FALSE(e.flatMarkNode->isHidden());
  EXPECT_FALSE(e.crossingsNode->isHidden());
  EXPECT_FALSE(e.ignoreDragging);
  EXPECT_FALSE(e.cancelDragging);
  EXPECT_EQ(harness.documentText(), before);
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->status(), ShapeStatus::live);
}

TEST(ViewControllerGestures, ACancelledDragKeepsThePressedTileLiveAndTheReleaseCommitsNothing) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  const std::string before = harness.documentText();
  pressAndDrag(harness, tiles[0], {0.0, -40.0});
  harness.command([](ViewController& editor) { editor.cancelDrag(); });
  harness.drag(tiles[0]->center() + Vec2{0.0, -90.0});
  EXPECT_EQ(e.dragAction, DragAction::ignore);
  EXPECT_EQ(tiles[0]->status(), ShapeStatus::live);
  harness.release(tiles[0]->center() + Vec2{0.0, -90.0});
  EXPECT_EQ(harness.documentText(), before);
  EXPECT_FALSE(e.isMoving);
}

TEST(ViewControllerGestures, EscapeWhileOnlyHoveringLeavesTheNextDragItsWay) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  harness.hover(tiles[0]->center());
  harness.command([](ViewController& editor) {
    editor.ignoreDragging = true;
    editor.cancelDrag();
  });
  pressAndDrag(harness, tiles[0], {0.0, -70.0});
  EXPECT_EQ(e.dragAction, DragAction::remove);
  harness.release(tiles[0]->center() + Vec2{0.0, -70.0});
  EXPECT_EQ(e.graph().shapes().size(), 3u);
}

TEST(ViewControllerGestures, APressedTileOfAnIslandTheDragNeverCarriedIsLiveAfterTheRelease) {
  EditorHarness harness(
      {.tiles = testing::squaresWithIsland().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  const auto island = tiles[2];
  pressAndDrag(harness, island, {0.0, -70.0});
  ASSERT_TRUE(e.moving.empty());
  harness.release(island->center() + Vec2{0.0, -70.0});
  EXPECT_EQ(island->status(), ShapeStatus::live);
  EXPECT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_FALSE(harness.undoManager->canUndo());
}

// The colour well active or not, against what is hovered.
TEST(ViewControllerGestures, PaintingNeedsTheColourWellAndSkipsSelectedTilesAndCandidates) {
  enum class Hovered { nothing, tile, selectedTile, candidate };
  const struct {
    bool active;
    Hovered hovered;
    DragAction expected;
  } cases[] = {
      {true, Hovered::nothing, DragAction::color},       {true, Hovered::tile, DragAction::color},
      {true, Hovered::selectedTile, DragAction::ignore}, {true, Hovered::candidate, DragAction::ignore},
      {false, Hovered::nothing, DragAction::ignore},     {false, Hovered::tile, DragAction::ignore},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "active " << c.active << " hovered " << int(c.hovered));
    EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
    auto& e = *harness.editor;
    harness.window->colorWellActive = c.active;
    const auto& tile = e.graph().shapes()[0];
    switch (c.hovered) {
      case Hovered::nothing: harness.hover({2000.0, 2000.0}); break;
      case Hovered::selectedTile: tile->marked = true; [[fallthrough]];
      case Hovered::tile: harness.hover(tile->center()); break;
      case Hovered::candidate: harness.hover(testing::pointBeyond(*e.borderEdges.front(), 0.3)); break;
    }
    if (c.hovered == Hovered::candidate) {
      ASSERT_TRUE(std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock()));
    }
    EXPECT_STREQ(name(e.dragAction), name(c.expected));
  }
}

TEST(ViewControllerGestures, TheFrameShownTakesItsHandlesAndAFrameDragIsOneStep) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  e.boundsLayer->setHidden(false);
  const Rect frame = e.snappedPageBounds();
  ASSERT_GT(frame.size.x, 30.0);
  const Vec2 left{frame.minX() + 2.0, frame.center().y};
  harness.hover(left, option);
  ASSERT_STREQ(name(e.dragAction), name(DragAction::leftBounds));
  harness.press(left, option);
  EXPECT_EQ(harness.document->pageBounds, frame);
  harness.drag(left + Vec2{10.0, 0.0}, option);
  EXPECT_EQ(e.manualPageBounds, (Rect{{frame.minX() + 10.0, frame.minY()}, {frame.size.x - 10.0, frame.size.y}}));
  // Past the right side the frame is what it was at the press.
  harness.drag(left + Vec2{frame.size.x + 20.0, 0.0}, option);
  EXPECT_EQ(e.manualPageBounds, frame);
  harness.drag(left + Vec2{20.0, 0.0}, option);
  harness.release(left + Vec2{20.0, 0.0}, option);
  EXPECT_EQ(harness.undoManager->undoActionName(), "Update Page Bounds");
  harness.undo();
  EXPECT_FALSE(harness.undoManager->canUndo());
}

TEST(ViewControllerGestures, UnderlayHandlesGrowAboutTheCentreKeepTheProportionsAndNeverCollapse) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  harness.command([](ViewController& editor) {
    editor.setImageLayer(std::make_shared<RgbaImage>(100, 50), std::nullopt);
    editor.imageLayer->setBounds({{0.0, 0.0}, {100.0, 50.0}});
    editor.imageLayer->setPath(Path::rectangle(editor.imageLayer->bounds()));
    editor.updateImageLayerTransform();
  });
  const Vec2 right{99.0, 25.0};
  harness.hover(right);
  ASSERT_STREQ(name(e.dragAction), name(DragAction::rightBounds));
  harness.press(right);
  harness.drag(right + Vec2{10.0, 0.0});
  EXPECT_EQ(e.imageLayer->bounds(), (Rect{{-10.0, -5.0}, {120.0, 60.0}}));
  harness.release(right + Vec2{10.0, 0.0});

  // The left handle dragged far past the right side.
  const Vec2 left{-9.0, 25.0};
  harness.hover(left);
  ASSERT_STREQ(name(e.dragAction), name(DragAction::leftBounds));
  harness.press(left);
  for (const double x : {40.0, 80.0, 200.0}) {
    harness.drag({x, 25.0});
    const Rect b = e.imageLayer->bounds();
    EXPECT_GT(b.size.x, 0.0);
    EXPECT_GT(b.size.y, 0.0);
  }
  harness.release({200.0, 25.0});
}

TEST(ViewControllerGestures, AClickOnEmptySpaceStartsARubberBandThatTheReleaseTakesAway) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  harness.hover({-300.0, -300.0});
  harness.press({-300.0, -300.0});
  EXPECT_EQ(e.dragAction, DragAction::rubberband);
  EXPECT_EQ(e.rubberbandLayer->superlayer(), harness.view->viewLayer);
  harness.drag({300.0, 300.0});
  ASSERT_TRUE(e.rubberbandLayer->path());
  // Every tile's centre lies inside the band.
  const AffineTransform toView = e.layer->transformToSuperlayer();
  for (const auto& tile : e.graph().shapes())
    EXPECT_TRUE(e.rubberbandLayer->path()->contains(toView.apply(tile->center())));
  harness.release({300.0, 300.0});
  EXPECT_EQ(e.rubberbandLayer->superlayer(), nullptr);
  EXPECT_EQ(e.dragAction, DragAction::ignore);
  EXPECT_TRUE(harness.checkInvariants());

  // Shift on a tile starts a band too, without marking the tile.
  const auto& tile = e.graph().shapes()[0];
  harness.hover(tile->center());
  harness.press(tile->center(), shift);
  EXPECT_EQ(e.dragAction, DragAction::rubberband);
  EXPECT_EQ(tile->status(), ShapeStatus::live);
  harness.release(tile->center(), shift);
}

TEST(ViewControllerGestures, ARightClickOnATileAsksForTheColourPopoverUnlessShiftIsHeld) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto& tile = e.graph().shapes()[0];
  harness.hover(tile->center());
  const auto rightClick = [&](ModifierFlags modifiers) {
    harness.event([&] {
      harness.input->flags = modifiers;
      e.rightMouseDown({harness.windowPoint(tile->center()), modifiers, 1});
    });
  };
  rightClick(none);
  EXPECT_EQ(harness.window->colorPopovers, 1);
  rightClick(shift);
  EXPECT_EQ(harness.window->colorPopovers, 1);
}

TEST(ViewControllerGestures, ADoubleClickOnEmptySpaceResetsTheFrameOrTheUnderlayOrTogglesTheZoom) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const Vec2 nowhere{-500.0, -500.0};
  harness.hover(nowhere);
  harness.release(nowhere, none, 2);
  EXPECT_EQ(e.scale(), 80.0);
  harness.release(nowhere, none, 2);
  EXPECT_EQ(e.scale(), 20.0);

  harness.command([](ViewController& editor) {
    editor.setImageLayer(std::make_shared<RgbaImage>(100, 50), std::nullopt);
    editor.imageLayer->setBounds({{0.0, 0.0}, {10.0, 10.0}});
    editor.imageLayer->setPath(Path::rectangle(editor.imageLayer->bounds()));
  });
  harness.release(nowhere, none, 2);
  EXPECT_EQ(e.imageLayer->bounds(), e.pageBounds());
  EXPECT_TRUE(e.imageLayer->animation("path"));
  EXPECT_EQ(e.scale(), 20.0);

  // The frame shown and set by hand goes back to the automatic page, the
  // very page a document opens with (the tiles and a margin of 20), so that
  // an export after the reset is the export before the frame was touched.
  e.boundsLayer->setHidden(false);
  const Rect automatic = e.snappedPageBounds();
  harness.command([&](ViewController& editor) {
    editor.setManualPageBounds({e.pageBounds().origin, e.pageBounds().size * 2.0});
  });
  ASSERT_NE(harness.document->pageBounds, Rect{});
  harness.release(nowhere, none, 2);
  EXPECT_EQ(harness.document->pageBounds, Rect{});
  EXPECT_EQ(e.manualPageBounds, e.pageBounds());
  EXPECT_EQ(e.snappedPageBounds(), automatic);
  EXPECT_TRUE(e.boundsLayer->animation("path"));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Update Page Bounds");
}

TEST(ViewControllerGestures, APressOnACandidatePlacesItAndTheDragPlacesTheCandidatesPassed) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto first = e.borderEdges.front();
  const Vec2 start = testing::pointBeyond(*first, 0.5);
  harness.hover(start);
  ASSERT_TRUE(std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock()));
  harness.press(start);
  EXPECT_EQ(e.graph().shapes().size(), 5u);
  EXPECT_EQ(e.dragAction, DragAction::add);
  // On along the outline to a free side away from the new tile.
  const auto next = *std::find_if(e.borderEdges.begin(), e.borderEdges.end(), [&](const auto& side) {
    return (testing::pointBeyond(*side, 0.5) - start).length() > 30.0;
  });
  const Vec2 end = testing::pointBeyond(*next, 0.5);
  harness.drag(end);
  harness.settle();
  harness.drag(end);
  harness.release(end);
  EXPECT_EQ(e.graph().shapes().size(), 6u);
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerGestures, PaintingGivesEachTilePassedTheToolColourOneStepEach) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  harness.window->colorWellActive = true;
  constexpr Color red{1.0, 0.0, 0.0, 1.0};
  e.setShapeColor(red);
  const auto tiles = e.graph().shapes();
  harness.hover(tiles[0]->center());
  ASSERT_EQ(e.dragAction, DragAction::color);
  harness.press(tiles[0]->center());
  harness.drag(tiles[1]->center());
  harness.drag(tiles[3]->center());
  harness.release(tiles[3]->center());
  EXPECT_NE(tiles[0]->shapeColor(), red);
  EXPECT_EQ(tiles[1]->shapeColor(), red);
  EXPECT_EQ(tiles[3]->shapeColor(), red);
  EXPECT_EQ(harness.undoManager->undoActionName(), "Change Shape Color");
  harness.undo();
  EXPECT_EQ(tiles[1]->shapeColor(), red);
  EXPECT_NE(tiles[3]->shapeColor(), red);
}

}  // namespace
}  // namespace ornival
