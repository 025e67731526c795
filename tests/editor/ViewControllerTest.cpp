#include "editor/ViewController.h"

#include "editor/ProcessTools.h"
#include "model/Graph.h"
#include "support/EditorHarness.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

TEST(ViewController, StartsWithOneToolWhiteAtZoomTwentyInTheFlatView) {
  const auto editor = ViewController::create(std::make_shared<testing::FakeViewPort>(),
                                             std::make_shared<testing::FakeInputState>());
  EXPECT_EQ(editor->selectedTools, ToolSet{Shapes::sun8});
  EXPECT_EQ(editor->shapeColor(), Color::white());
  EXPECT_EQ(editor->scale(), 20.0);
  EXPECT_EQ(editor->oldScale, 80.0);
  EXPECT_EQ(editor->rotation(), 0.0);
  EXPECT_EQ(editor->dimension(), 2);
  EXPECT_EQ(editor->crossings(), CrossingStatus::off);
  EXPECT_EQ(editor->scaleFactor, 0.0025);
  EXPECT_EQ(editor->counts, std::vector<int>(1123, 0));
  EXPECT_EQ(editor->dragAction, DragAction::ignore);
  EXPECT_TRUE(editor->graph().shapes().empty());
  EXPECT_TRUE(editor->registerUndoManualPageBounds);
  EXPECT_EQ(editor->document(), nullptr);
}

// Taking a document over is no edit: its colour, page frame, tools and
// tiles arrive without an undo step, and the hand-over list is emptied.
TEST(ViewController, LoadingADocumentRegistersNoUndo) {
  constexpr Color red{1.0, 0.0, 0.0, 1.0};
  EditorHarness harness({.tiles = testing::squareGrid(3, 2),
                         .prepareDocument =
                             [&](Document& d) {
                               DocumentSettings settings;
                               settings.shapeColor = red;
                               settings.pageBounds = {{0.0, 0.0}, {30.0, 30.0}};
                               settings.rotation = 30.0;
                               settings.scale = 35.0;
                               d.applyFileSettings(settings);
                             },
                         .tools = {Shapes::square, Shapes::triangle}});
  EXPECT_FALSE(harness.undoManager->canUndo());
  EXPECT_TRUE(harness.undoManager->isUndoRegistrationEnabled());
  EXPECT_TRUE(harness.document->model.empty());
  EXPECT_EQ(harness.document->viewController(), harness.editor);
  EXPECT_EQ(harness.editor->graph().shapes().size(), 6u);
  EXPECT_EQ(harness.editor->shapeColor(), red);
  EXPECT_EQ(harness.window->toolColor, red);
  EXPECT_EQ(harness.editor->selectedTools, (ToolSet{Shapes::square, Shapes::triangle}));
  EXPECT_EQ(harness.editor->scale(), 35.0);
  EXPECT_EQ(harness.editor->rotation(), 30.0);
  EXPECT_EQ(harness.editor->manualPageBounds, (Rect{{0.0, 0.0}, {30.0, 30.0}}));
  EXPECT_EQ(harness.document->pageBounds, (Rect{{0.0, 0.0}, {30.0, 30.0}}));
  EXPECT_EQ(harness.window->countTitle, "6");
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewController, LoadingAnEmptyDocumentLeavesTheTilingEmpty) {
  EditorHarness harness;
  EXPECT_TRUE(harness.editor->graph().shapes().empty());
  EXPECT_TRUE(harness.editor->borderEdges.empty());
  EXPECT_TRUE(harness.editor->shapesLayer->sublayers().empty());
  EXPECT_FALSE(harness.undoManager->canUndo());
  EXPECT_EQ(harness.window->countTitle, "0");
  EXPECT_TRUE(harness.checkInvariants());
}

// Without a window controller the editor is not attached at all.
TEST(ViewController, LoadingWithoutAWindowControllerDoesNothing) {
  auto view = std::make_shared<testing::FakeViewPort>();
  const auto editor = ViewController::create(view, std::make_shared<testing::FakeInputState>());
  editor->viewDidLoad();
  const auto document = Document::create();
  document->model = testing::squareGrid(1, 1);
  editor->loadDocument(document);
  EXPECT_EQ(document->viewController(), nullptr);
  EXPECT_EQ(document->model.size(), 1u);
  EXPECT_TRUE(editor->graph().shapes().empty());
}

TEST(ViewController, ToolStatusTellsPlacedRecentRemovedAndUnusedApart) {
  EditorHarness harness(testing::squareGrid(2, 1));
  recentTools() = {Shapes::triangle, Shapes::square};
  removedTools() = {Shapes::triangle, Shapes::l};
  EXPECT_EQ(harness.editor->toolStatus(Shapes::square), ItemStatus::used);
  EXPECT_EQ(harness.editor->toolStatus(Shapes::triangle), ItemStatus::recent);
  EXPECT_EQ(harness.editor->toolStatus(Shapes::l), ItemStatus::removed);
  EXPECT_EQ(harness.editor->toolStatus(Shapes::sun8), ItemStatus::unused);
}

TEST(ViewController, MirroredToolsSwapChiralFiguresOnly) {
  EditorHarness harness;
  const auto& [chiral, mirror] = *Shapes::mirrors().begin();
  harness.editor->selectedTools = {Shapes::square, chiral};
  const auto tools = harness.editor->mirroredTools();
  EXPECT_EQ(tools.size(), 2u);
  EXPECT_NE(std::find(tools.begin(), tools.end(), mirror), tools.end());
  EXPECT_NE(std::find(tools.begin(), tools.end(), Shapes::square), tools.end());
}

TEST(ViewController, ANewToolColourIsShownOnceAndTheSameColourChangesNothing) {
  EditorHarness harness;
  int notices = 0;
  harness.document->addObserver("shapeColor", [&](std::string_view, Document::ChangePhase phase) {
    notices += phase == Document::ChangePhase::after;
  });
  const auto flat = harness.editor->flatNode;
  constexpr Color green{0.0, 1.0, 0.0, 1.0};
  harness.command([&](ViewController&) { harness.document->setShapeColor(green); });
  EXPECT_EQ(harness.window->toolColor, green);
  // The flat view only notes that the relief's copy is due.
  EXPECT_EQ(harness.editor->flatNode, flat);
  EXPECT_TRUE(harness.editor->needsUpdateNode);
  EXPECT_GT(notices, 0);
  // The display refresh alone is no step to undo.
  EXPECT_FALSE(harness.undoManager->canUndo());

  notices = 0;
  const auto updates = harness.window->surfaceSceneUpdates;
  harness.command([&](ViewController& editor) { editor.shapeColorDidSet(editor.shapeColor()); });
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(harness.window->surfaceSceneUpdates, updates);
}

}  // namespace
}  // namespace ornival
