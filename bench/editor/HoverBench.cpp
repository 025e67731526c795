// The editor's answer to the pointer: one hover step (the tile hit test, the
// candidate search of the sides near the pointer and the hit test of the
// candidates on the select queue, answered on the main thread) should take
// under 8 ms, half a frame, even on a tiling of 100,000 tiles; one placement
// with its joins, outline and counts under 16 ms. Both should grow with the
// tiles near the pointer, not with the tiling.
#include "document/Document.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"
#include "platform/UndoManager.h"

// The window stand-ins and tile builders are shared with the tests.
#include "support/EditorFakes.h"
#include "support/TileGrids.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <thread>

namespace ornival {
namespace {

// A square grid of about `tiles` tiles in a document window, the pointer's
// place just beyond the middle of the grid's right edge.
class Window {
public:
  explicit Window(int tiles) {
    resetProcessTools();
    setMainQueue(mainQueue);
    view->undo = undoManager;
    view->controller = window;
    window->tools = {Shapes::square, Shapes::triangle, Shapes::rhombus16};
    document->setUndoManager(undoManager);
    document->setWindowController(window);
    editor->viewDidLoad();
    const int side = int(std::lround(std::sqrt(double(tiles))));
    document->model = testing::squareGrid(side, (tiles + side - 1) / side);
    editor->loadDocument(document);
    mainQueue->drain();
    // Just beyond the right edge, half way up: over the candidates of a free
    // side and no tile.
    pointer = {20.0 * side + 5.0, 10.0 * ((tiles + side - 1) / side) + 3.0};
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

void hoverStep(benchmark::State& state) {
  Window w(int(state.range(0)));
  w.hover(w.pointer);
  for (auto _ : state) {
    state.PauseTiming();
    w.forget();
    state.ResumeTiming();
    w.hover(w.pointer);
  }
  state.counters["tiles"] = double(w.editor->graph().shapes().size());
  state.counters["free sides"] = double(w.editor->borderEdges.size());
  state.counters["hovered"] = w.editor->selectedShape.expired() ? 0.0 : 1.0;
}
BENCHMARK(hoverStep)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void placement(benchmark::State& state) {
  Window w(int(state.range(0)));
  std::size_t placed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w.forget();
    w.hover(w.pointer);
    state.ResumeTiming();
    w.event([&] { w.editor->placeCandidate(); });
    state.PauseTiming();
    placed += w.editor->graph().shapes().size() > std::size_t(state.range(0)) ? 1 : 0;
    w.event([&] { w.undoManager->undo(); });
    state.ResumeTiming();
  }
  state.counters["tiles"] = double(w.editor->graph().shapes().size());
  state.counters["placed"] = double(placed);
}
BENCHMARK(placement)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival
