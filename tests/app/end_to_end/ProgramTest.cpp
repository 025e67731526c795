// The program as a user meets it, on a real display (run under xvfb-run):
// start on an example, hover a free side, click, see the tile, undo, save.

#include "app/Application.h"
#include "app/WindowController.h"
#include "app/core/Examples.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "editor/qt/View.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/Layer.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>

namespace ornival {
namespace {

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool hoversCandidate(const ViewController& editor) {
  return std::dynamic_pointer_cast<NeighborModel>(editor.selectedShape.lock()) != nullptr;
}

// Rests the pointer at the place until a candidate is hovered there. The hit
// test answers from the candidate lists at hand when the pointer moves, and a
// group's lists come from a search of their own that may end after it: as a
// user nudges the mouse once the outline is late, the pointer moves a pixel
// whenever both searches are done and still nothing is hovered. Where the
// pointer rests then, for the click.
std::optional<QPoint> hoverCandidate(QWidget* view, const ViewController& editor, QPoint at) {
  for (int nudge = 0; nudge < 4; ++nudge) {
    const QPoint rest = at + QPoint(nudge % 2, 0);
    if (!testing::movePointer(view, rest))
      return std::nullopt;
    if (!testing::waitFor([&] {
          return hoversCandidate(editor) || (editor.operations->neighborQueue()->operationCount() == 0 &&
                                             editor.operations->selectQueue()->operationCount() == 0);
        }))
      return std::nullopt;
    if (hoversCandidate(editor))
      return rest;
  }
  return std::nullopt;
}

TEST(Program, PlacesATileWithTheMouseUndoesItAndSavesTheExampleAsItWas) {
  testing::qtApplication();
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const std::filesystem::path examples = ORNIVAL_EXAMPLES;
  const testing::TemporaryFolder folder("ornival-program");
  Application application({examples, folder / "autosave", 60000});
  application.chooseSaveFile = [&](const std::string&) { return folder / "saved.ornival"; };

  // Two squares, the right one red: a fixture rather than an example, so the
  // probes below stay put when the examples change.
  const auto example = std::filesystem::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival";
  WindowController* window = application.openExample("Two Squares", example);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(testing::waitForExposed(window->window()));
  View* view = window->view();
  const auto& editor = window->editor();
  ASSERT_EQ(editor->graph().shapes().size(), 2u);

  // Canvas units to the view's pixels (y down).
  const auto pixel = [&](Vec2 canvas) {
    const Vec2 p = editor->layer->convertTo(canvas, *view->rootLayer());
    return QPoint(int(std::lround(p.x)), int(std::lround(view->height() - p.y)));
  };
  const auto shown = [&](Vec2 canvas) { return view->grab().toImage().pixelColor(pixel(canvas)); };
  const QColor background(0x3A, 0x5A, 0x8C);
  // The red square lies to the right; its right side is free.
  std::shared_ptr<Edge> right;
  for (const auto& edge : editor->borderEdges)
    if (!right || edge->transformedVertex().x + edge->transformedEnd().x >
                      right->transformedVertex().x + right->transformedEnd().x)
      right = edge;
  ASSERT_NE(right, nullptr);
  const Vec2 middle = (right->transformedVertex() + right->transformedEnd()) * 0.5;
  const double side = std::abs(right->transformedEnd().y - right->transformedVertex().y);
  const Vec2 inside{middle.x - side / 2, middle.y};
  const Vec2 near{middle.x + side / 8, middle.y};
  const Vec2 beyond{middle.x + side / 2, middle.y};
  EXPECT_EQ(shown(inside), QColor(0xD9, 0x4A, 0x3A));
  EXPECT_EQ(shown(beyond), background);

  // The hover's hit test runs on a worker: the pointer rests until it has
  // found the candidate, as a user waits for the outline.
  const auto atNear = hoverCandidate(view, *editor, pixel(near));
  ASSERT_TRUE(atNear);
  QTest::mouseClick(view, Qt::LeftButton, {}, *atNear);
  EXPECT_EQ(editor->graph().shapes().size(), 3u);
  EXPECT_NE(shown(beyond), background);

  ASSERT_TRUE(window->send({"undo", 0, {}}));
  EXPECT_EQ(editor->graph().shapes().size(), 2u);
  // The pointer still hovers the candidate there; away from the tiling the
  // place is empty again once the hit test there has answered.
  ASSERT_TRUE(testing::movePointer(view, QPoint(2, 2)));
  EXPECT_TRUE(testing::waitFor([&] { return shown(beyond) == background; })) << shown(beyond).name().toStdString();

  ASSERT_TRUE(window->send({"saveDocument", 0, {}}));
  window->finishWriting();
  EXPECT_EQ(contents(folder / "saved.ornival"), contents(example));
  window->setEdited(false);
  window->window()->close();
}

// A drag and the Edit menu: the red square dragged a little way becomes the
// tool, the pair copied through the menu is laid beside the pair with one
// click, and the Delete key takes away the tile under the pointer.
TEST(Program, CopiesByDraggingAndThroughTheEditMenuAndDeletesWithTheKey) {
  testing::qtApplication();
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const testing::TemporaryFolder folder("ornival-copies");
  Application application({ORNIVAL_EXAMPLES, folder / "autosave", 60000});
  WindowController* window =
      application.openExample("Two Squares", std::filesystem::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(testing::waitForExposed(window->window()));
  window->window()->activateWindow();
  // The Delete key is the Edit menu's shortcut, which needs the window active.
  ASSERT_TRUE(testing::waitForActive(window->window()));
  View* view = window->view();
  const auto& editor = window->editor();
  const auto pixel = [&](Vec2 canvas) {
    const Vec2 p = editor->layer->convertTo(canvas, *view->rootLayer());
    return QPoint(int(std::lround(p.x)), int(std::lround(view->height() - p.y)));
  };
  const auto tiles = editor->graph().shapes();
  ASSERT_EQ(tiles.size(), 2u);
  const auto red = tiles[0]->shapeColor() == Color::white() ? tiles[1] : tiles[0];
  const auto other = red == tiles[0] ? tiles[1] : tiles[0];

  // A drag of 40 units picks the red square up as the tool.
  const Vec2 from = red->center();
  ASSERT_TRUE(testing::movePointer(view, pixel(from)));
  QTest::mousePress(view, Qt::LeftButton, {}, pixel(from));
  for (int step = 1; step <= 4; ++step) {
    QTest::mouseMove(view, pixel(from + Vec2{0.0, 10.0 * step}));
    QTest::qWait(20);
  }
  QTest::mouseRelease(view, Qt::LeftButton, {}, pixel(from + Vec2{0.0, 40.0}));
  EXPECT_EQ(editor->graph().shapes().size(), 2u);
  EXPECT_EQ(editor->selectedTools, ToolSet{Shapes::square});
  EXPECT_EQ(window->document()->shapeColor(), red->shapeColor());
  EXPECT_EQ(red->center(), from);

  // Both selected by clicks, copied through the menu, and laid again beyond
  // the red square's free side.
  for (const auto& tile : {red, other}) {
    ASSERT_TRUE(testing::movePointer(view, pixel(tile->center())));
    // QTest sets successive clicks a double click's time apart.
    QTest::mouseClick(view, Qt::LeftButton, {}, pixel(tile->center()));
  }
  ASSERT_TRUE(red->marked && other->marked);
  ASSERT_TRUE(testing::movePointer(view, QPoint(2, 2)));
  ASSERT_TRUE(window->send({"copy", 0, {}}));
  EXPECT_EQ(editor->selectedTools, ToolSet{Shapes::multi});
  std::shared_ptr<Edge> right;
  for (const auto& edge : editor->borderEdges)
    if (!right || edge->transformedVertex().x + edge->transformedEnd().x >
                      right->transformedVertex().x + right->transformedEnd().x)
      right = edge;
  ASSERT_NE(right, nullptr);
  const Vec2 middle = (right->transformedVertex() + right->transformedEnd()) * 0.5;
  const double side = std::abs(right->transformedEnd().y - right->transformedVertex().y);
  const Vec2 beyond{middle.x + side / 2, middle.y};
  // The group's candidates are searched on workers: the pointer rests until
  // one is hovered, as a user waits for the outline.
  const auto atBeyond = hoverCandidate(view, *editor, pixel(beyond));
  ASSERT_TRUE(atBeyond);
  QTest::mouseClick(view, Qt::LeftButton, {}, *atBeyond);
  EXPECT_EQ(editor->graph().shapes().size(), 4u);

  // The Delete key over a tile of the laid group takes that tile away, in
  // one undoable step. (Which way the group lies depends on where in its
  // outline the pointer rests, so the tile is found, not assumed.)
  const auto laid = editor->graph().shapes().back();
  ASSERT_TRUE(testing::movePointer(view, pixel(laid->center())));
  EXPECT_TRUE(testing::waitFor(
      [&] { return std::dynamic_pointer_cast<Shape>(editor->selectedShape.lock()) != nullptr; }));
  QTest::keyClick(view, Qt::Key_Delete);
  EXPECT_EQ(editor->graph().shapes().size(), 3u);
  ASSERT_TRUE(window->send({"undo", 0, {}}));
  EXPECT_EQ(editor->graph().shapes().size(), 4u);
  window->setEdited(false);
  window->window()->close();
}

}  // namespace
}  // namespace ornival
