// The flat drawing as the window paints it, on the offscreen platform: a
// whole paint of the view with nothing kept from earlier paints (what a new
// zoom costs until it is sharp), a whole paint from what earlier paints kept
// (an expose), and the paint that follows the hover outline moving from one
// tile to another (what every pointer move costs). A squares grid of three
// colours fills the view at the zoom that fits it.
#include "document/Document.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "editor/qt/View.h"
#include "model/Shape.h"
#include "platform/Layer.h"
#include "platform/MainQueue.h"
#include "platform/UndoManager.h"
#include "platform/qt/QtMainQueue.h"

// The window stand-ins and tile builders are shared with the tests.
#include "support/EditorFakes.h"
#include "support/QtApplication.h"
#include "support/TileGrids.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cmath>

namespace ornival {
namespace {

// Counts the paints the view has finished.
class PaintCounter : public QObject {
public:
  int paints = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      ++paints;
    return false;
  }
};

class Canvas {
public:
  explicit Canvas(int tiles) {
    resetProcessTools();
    setMainQueue(std::make_shared<QtMainQueue>(qApp));
    view.resize(1080, 760);
    editor = ViewController::create(std::shared_ptr<ViewPort>(std::shared_ptr<void>(), &view),
                                    std::shared_ptr<InputState>(std::shared_ptr<void>(), &view));
    view.setUndoManager(undoManager);
    view.setWindowController(window);
    view.setEditor(editor);
    document->setUndoManager(undoManager);
    document->setWindowController(window);
    editor->viewDidLoad();
    side = int(std::lround(std::sqrt(double(tiles))));
    rows = (tiles + side - 1) / side;
    auto grid = testing::squareGrid(side, rows);
    const Color colors[] = {{0.13, 0.38, 0.55, 1.0}, {0.93, 0.91, 0.86, 1.0}, {0.95, 0.77, 0.31, 1.0}};
    for (std::size_t i = 0; i < grid.size(); ++i)
      grid[i]->setShapeColor(colors[(i + i / std::size_t(side)) % 3]);
    document->model = std::move(grid);
    editor->loadDocument(document);
    view.installEventFilter(&counter);
    view.show();
    settle();
  }
  ~Canvas() {
    view.removeEventFilter(&counter);
    editor->operations->selectQueue()->cancelAllOperations();
    setMainQueue(nullptr);
  }

  // Runs what is waiting, the paints included.
  void settle() {
    for (int i = 0; i < 4; ++i)
      QCoreApplication::processEvents();
  }

  // The window point over the middle of the tile in the given column and row.
  Vec2 over(int column, int row) const {
    const Vec2 canvas{20.0 * column + 10.0, 20.0 * row + 10.0};
    return editor->layer->convertTo(canvas, *view.rootLayer());
  }

  void movePointer(Vec2 at) {
    QMouseEvent event(QEvent::MouseMove, QPointF(at.x, view.height() - at.y), QPointF(at.x, view.height() - at.y),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
  }

  // Paints what the last change asked for; false when nothing was painted.
  bool paintPending() {
    const int before = counter.paints;
    QCoreApplication::processEvents();
    return counter.paints > before;
  }

  // Widgets need the application first.
  QApplication& application = testing::qtApplication();
  View view;
  PaintCounter counter;
  std::shared_ptr<UndoManager> undoManager = UndoManager::create();
  std::shared_ptr<testing::FakeEditorWindowController> window =
      std::make_shared<testing::FakeEditorWindowController>();
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<ViewController> editor;
  int side = 0;
  int rows = 0;
};

void fullPaint(benchmark::State& state) {
  Canvas c(int(state.range(0)));
  for (auto _ : state) {
    c.view.discardDrawingCache();
    c.view.repaint();
  }
  state.counters["tiles"] = double(c.editor->graph().shapes().size());
}
BENCHMARK(fullPaint)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void cachedPaint(benchmark::State& state) {
  Canvas c(int(state.range(0)));
  c.view.repaint();
  for (auto _ : state)
    c.view.repaint();
}
BENCHMARK(cachedPaint)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The hover outline goes back and forth between two tiles in the middle of
// the grid; only the paint is timed.
void overlayPaint(benchmark::State& state) {
  Canvas c(int(state.range(0)));
  const Vec2 points[] = {c.over(c.side / 2, c.rows / 2), c.over(c.side / 2 + 1, c.rows / 2)};
  std::size_t step = 0;
  int painted = 0;
  for (auto _ : state) {
    state.PauseTiming();
    c.movePointer(points[++step % 2]);
    state.ResumeTiming();
    painted += c.paintPending() ? 1 : 0;
  }
  state.counters["painted"] = benchmark::Counter(double(painted), benchmark::Counter::kAvgIterations);
  state.counters["hovered"] = c.editor->selectedShape.expired() ? 0.0 : 1.0;
}
BENCHMARK(overlayPaint)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival
