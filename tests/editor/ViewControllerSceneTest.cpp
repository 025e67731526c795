#include "editor/ViewController.h"

#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

TEST(ViewControllerScene, SceneHoldsContentCameraAndLightsHiddenInTheFlatView) {
  EditorHarness harness;
  ASSERT_TRUE(harness.view->shownScene);
  const auto& root = harness.view->shownScene->rootNode();
  EXPECT_TRUE(root->isHidden());
  std::vector<std::string> names;
  for (const auto& child : root->childNodes())
    names.push_back(child->name());
  EXPECT_EQ(names, (std::vector<std::string>{"content", "camera", "ambientLight", "light"}));
  EXPECT_EQ(harness.editor->lightNode->transform().apply({}), (Vec3{-200.0, 1000.0, 200.0}));
  // The view update put the camera over the middle of the window.
  EXPECT_EQ(harness.editor->cameraNode()->transform().apply({}), (Vec3{540.0, 400.0, 900.0}));
  EXPECT_EQ(harness.editor->camera().orthographicScale, 400.0);
}

TEST(ViewControllerScene, ReliefViewShowsTheSceneAndHidesTheFlatLayers) {
  EditorHarness harness(testing::squareGrid(1, 1));
  auto& e = *harness.editor;
  harness.command([&](ViewController&) { harness.document->setDisplayMode(3); });
  EXPECT_FALSE(harness.view->shownScene->rootNode()->isHidden());
  EXPECT_TRUE(e.shapesLayer->isHidden());
  EXPECT_TRUE(e.borderLayer3->isHidden());
  EXPECT_TRUE(e.markLayer->isHidden());
  EXPECT_EQ(harness.window->dimension, 3);
  harness.command([&](ViewController&) { harness.document->setDisplayMode(2); });
  EXPECT_TRUE(harness.view->shownScene->rootNode()->isHidden());
  EXPECT_FALSE(e.shapesLayer->isHidden());
}

// An edit registers the copy's rebuild first, changes the tiles' nodes and
// rebuilds the copy; the refresh pair keeps the copy right through undo and
// redo.
TEST(ViewControllerScene, FlatCopyFollowsUndoAndRedo) {
  EditorHarness harness(testing::squareGrid(1, 1));
  harness.command([&](ViewController&) { harness.document->setDisplayMode(3); });
  const auto extra = testing::squareGrid(1, 1).front();
  struct Nodes {
    static void add(ViewController& e, const std::shared_ptr<SceneNode>& node) {
      e.registerUndoStep([node](ViewController& editor) { remove(editor, node); });
      e.shapesNode->addChildNode(node);
    }
    static void remove(ViewController& e, const std::shared_ptr<SceneNode>& node) {
      e.registerUndoStep([node](ViewController& editor) { add(editor, node); });
      node->removeFromParentNode();
    }
  };
  harness.command([&](ViewController& e) {
    e.registerUndoStep([](ViewController& editor) { editor.updateFlatNode(); });
    Nodes::add(e, extra->node());
    e.updateFlatNode();
  });
  const auto shown = [&] {
    std::size_t tiles = 0;
    for (const auto& node : harness.editor->flatNode->childNodes())
      tiles += node->instances()->size();
    return tiles;
  };
  EXPECT_EQ(shown(), 2u);
  for (int round = 0; round < 2; ++round) {
    harness.undo();
    EXPECT_EQ(shown(), 1u);
    harness.redo();
    EXPECT_EQ(shown(), 2u);
  }
  EXPECT_EQ(harness.editor->flatNode->parentNode(), harness.editor->contentNode);
  EXPECT_EQ(harness.editor->contentNode->childNodes().size(), 1u);
}

TEST(ViewControllerScene, MarkLayerOutlinesTheMarkedTilesAsARefreshOnly) {
  EditorHarness harness(testing::squareGrid(3, 1));
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  tiles[0]->marked = true;
  tiles[2]->marked = true;
  harness.command([](ViewController& editor) { editor.updateMarkLayer(); });
  ASSERT_TRUE(e.markLayer->path());
  Path expected = *tiles[0]->layer()->path();
  expected.append(*tiles[2]->layer()->path());
  EXPECT_EQ(*e.markLayer->path(), expected);
  EXPECT_FALSE(harness.undoManager->canUndo());

  tiles[0]->marked = false;
  tiles[2]->marked = false;
  harness.command([](ViewController& editor) { editor.updateMarkLayer(); });
  EXPECT_FALSE(e.markLayer->path());
  // No mark node, no mark copy.
  EXPECT_EQ(e.flatMarkNode->parentNode(), nullptr);
}

TEST(ViewControllerScene, MoveCopyIsHalfTransparentAndReplacedInPlace) {
  EditorHarness harness(testing::squareGrid(2, 1));
  auto& e = *harness.editor;
  e.updateFlatMoveNode(e.shapesNode);
  const auto first = e.flatMoveNode;
  EXPECT_EQ(first->name(), "move");
  EXPECT_EQ(first->opacity(), 0.5);
  EXPECT_EQ(first->parentNode(), e.contentNode);
  e.updateFlatMoveNode(e.shapesNode);
  EXPECT_EQ(first->parentNode(), nullptr);
  EXPECT_EQ(e.flatMoveNode->parentNode(), e.contentNode);
}

TEST(ViewControllerScene, CrossingsNodeIsInTheSceneOnlyWhileCrossingsShow) {
  EditorHarness harness(testing::squareGrid(2, 1));
  auto& e = *harness.editor;
  EXPECT_EQ(e.crossingsNode->parentNode(), nullptr);
  harness.command([&](ViewController&) { harness.document->setCrossings(CrossingStatus::on); });
  EXPECT_EQ(e.crossingsNode->parentNode(), e.contentNode);
  harness.command([&](ViewController&) { harness.document->setCrossings(CrossingStatus::off); });
  EXPECT_EQ(e.crossingsNode->parentNode(), nullptr);
}

}  // namespace
}  // namespace ornival
