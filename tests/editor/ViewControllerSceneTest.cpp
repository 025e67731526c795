#include "editor/ViewController.h"

#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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

// Every vertex of the geometry under node, placed by the transforms below
// node: how many, and their sum.
std::pair<std::size_t, Vec3> placedVertices(const SceneNode& node) {
  std::pair<std::size_t, Vec3> found{0, {}};
  const std::function<void(const SceneNode&, const Transform3D&)> walk = [&](const SceneNode& n,
                                                                             const Transform3D& placed) {
    if (n.isHidden())
      return;
    // A node drawn at many places counts at each of them.
    const std::vector<Transform3D> once{Transform3D()};
    if (n.geometry())
      for (const Transform3D& place : n.instances() ? *n.instances() : once)
        for (const Vec3& p : n.geometry()->sources().positions) {
          ++found.first;
          found.second += place.concatenating(placed).apply(p);
        }
    for (const auto& child : n.childNodes())
      walk(*child, child->transform().concatenating(placed));
  };
  walk(node, Transform3D());
  return found;
}

// A tile laid by a click on a candidate, undone and redone: after each step
// the flat copy holds every tile's surface where the tiles are, with no
// refresh of the test's own.
TEST(ViewControllerScene, FlatCopyFollowsUndoAndRedo) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  // The copy is kept while the relief shows.
  harness.command([&](ViewController&) { harness.document->setDisplayMode(3); });
  const auto copied = [&] { return placedVertices(*e.flatNode); };
  const auto live = [&] { return placedVertices(*e.shapesNode); };
  const auto same = [](const std::pair<std::size_t, Vec3>& a, const std::pair<std::size_t, Vec3>& b) {
    return a.first == b.first && (a.second - b.second).length() < 1e-6 * (1.0 + a.second.length());
  };
  const auto before = live();
  ASSERT_GT(before.first, 0u);
  EXPECT_TRUE(same(copied(), before));

  const Vec2 beyond = testing::pointBeyond(*e.graph().shapes()[1]->edges()[1], 0.2);
  harness.hover(beyond);
  harness.press(beyond);
  harness.release(beyond);
  ASSERT_EQ(e.graph().shapes().size(), 5u);
  const auto after = live();
  ASSERT_GT(after.first, before.first);
  EXPECT_TRUE(same(copied(), after));
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    harness.undo();
    ASSERT_EQ(e.graph().shapes().size(), 4u);
    EXPECT_TRUE(same(copied(), before));
    harness.redo();
    ASSERT_EQ(e.graph().shapes().size(), 5u);
    EXPECT_TRUE(same(copied(), after));
  }
  EXPECT_EQ(e.flatNode->parentNode(), e.contentNode);
  EXPECT_EQ(std::count(e.contentNode->childNodes().begin(), e.contentNode->childNodes().end(), e.flatNode), 1);
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
