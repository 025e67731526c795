#pragma once

// A document window stand-in for the editor benchmarks: the editor over a
// document with the tests' fakes for the view, the window controller and the
// input, driven event by event as the program drives it.

#include "document/Document.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"
#include "platform/UndoManager.h"

// The window stand-ins and tile builders are shared with the tests.
#include "support/EditorFakes.h"
#include "support/TileGrids.h"

#include <cmath>
#include <thread>
#include <vector>

namespace ornival::bench {

// A square grid of `columns` × `rows` tiles, nearly square for about `tiles`.
inline int gridColumns(int tiles) { return int(std::lround(std::sqrt(double(tiles)))); }
inline int gridRows(int tiles) { return (tiles + gridColumns(tiles) - 1) / gridColumns(tiles); }

// A square grid of about `tiles` tiles in a document window, the pointer's
// place just beyond the middle of the grid's right edge.
class Window {
public:
  explicit Window(int tiles) : Window(testing::squareGrid(gridColumns(tiles), gridRows(tiles))) {}

  // The tiles as a document read them, handed to the editor as opening does.
  explicit Window(std::vector<std::shared_ptr<Shape>> tiles) {
    resetProcessTools();
    setMainQueue(mainQueue);
    view->undo = undoManager;
    view->controller = window;
    window->tools = {Shapes::square, Shapes::triangle, Shapes::rhombus16};
    document->setUndoManager(undoManager);
    document->setWindowController(window);
    editor->viewDidLoad();
    double right = 0.0;
    double top = 0.0;
    for (const auto& tile : tiles) {
      for (const auto& edge : tile->edges()) {
        right = std::max(right, edge->transformedVertex().x);
        top = std::max(top, edge->transformedVertex().y);
      }
    }
    document->model = std::move(tiles);
    editor->loadDocument(document);
    mainQueue->drain();
    // Just beyond the right edge, half way up: over the candidates of a free
    // side and no tile.
    pointer = {right + 5.0, top / 2.0 + 3.0};
  }
  ~Window() {
    settle();
    setMainQueue(nullptr);
  }

  template <typename Body>
  void event(Body body) {
    undoManager->beginGroup();
    body();
    undoManager->endGroup();
    settle();
  }

  void settle() {
    for (;;) {
      undoManager->beginGroup();
      mainQueue->drain();
      undoManager->endGroup();
      if (editor->operations->selectQueue()->operationCount() == 0 && mainQueue->pendingCount() == 0)
        return;
      std::this_thread::yield();
    }
  }

  void hover(Vec2 canvas) {
    const Vec2 at = editor->layer->convertTo(canvas, *view->viewLayer);
    event([&] { editor->mouseMoved(MouseEvent{at, {}, 1}); });
  }

  // Forgets what the last hover left: the hovered object and the candidate
  // lists near the pointer.
  void forget() {
    editor->clearHoverOutline();
    for (const auto& edge : editor->borderEdges) {
      if ((edge->transformedVertex() - pointer).lengthSquared() < 10000.0)
        edge->neighbors.clear();
    }
  }

  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  std::shared_ptr<UndoManager> undoManager = UndoManager::create();
  std::shared_ptr<testing::FakeInputState> input = std::make_shared<testing::FakeInputState>();
  std::shared_ptr<testing::FakeViewPort> view = std::make_shared<testing::FakeViewPort>();
  std::shared_ptr<testing::FakeEditorWindowController> window =
      std::make_shared<testing::FakeEditorWindowController>();
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<ViewController> editor = ViewController::create(view, input);
  Vec2 pointer;
};

}  // namespace ornival::bench
