// What the user waits for in the real window, on a display: run under
//   xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb window_bench
// The program opens a squares grid of three colours from a file, as it opens
// any document; the pointer moves through the display server, clicks, wheel
// steps and closing go through the widgets' own events. Each figure runs from
// the event to the end of the paint that shows its result (the view's paint
// done and handed to the display); "sharp ms" is the time until the view
// shows the drawing without a stand-in picture. Iteration times are manual:
// from the event to that paint.
#include "app/Application.h"
#include "app/WindowController.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "editor/qt/SceneView.h"
#include "editor/qt/View.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/Layer.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"

#include "support/QtApplication.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QOpenGLWindow>
#include <QTimer>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

namespace ornival {
namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

// A folder of its own for the run: grids, autosaves and settings.
const std::filesystem::path& folder() {
  static const std::filesystem::path path = [] {
    auto p = std::filesystem::temp_directory_path() / ("ornival-window-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(p);
    std::filesystem::permissions(p, std::filesystem::perms::owner_all);
    ::setenv("HOME", p.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (p / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (p / "data").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (p / "cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", p.c_str(), 1);
    std::atexit([] { std::filesystem::remove_all(folder()); });
    return p;
  }();
  return path;
}

int gridSide(int tiles) { return int(std::lround(std::sqrt(double(tiles)))); }

// A grid of side × side squares as a document: every tile glued onto its
// left neighbour, the first of a row onto the tile below.
std::filesystem::path gridFile(int tiles) {
  const auto file = folder() / ("grid-" + std::to_string(tiles) + ".ornival");
  if (std::filesystem::exists(file))
    return file;
  const int side = gridSide(tiles);
  const int square = Shapes::square.rawValue();
  std::ofstream out(file, std::ios::binary);
  out << "Ornival 0.2\n\ncolors:\n20608CFF\nECE8DCFF\nF2C44EFF\n\nshapes:\n";
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const int color = (row + column) % 3;
      if (row == 0 && column == 0)
        out << square << ',' << color << '\n';
      else if (column == 0)
        out << (row - 1) * side << ",2," << square << ",0," << color << '\n';
      else
        out << row * side + column - 1 << ",1," << square << ",3," << color << '\n';
    }
  }
  return file;
}

// Knows when the view has finished a paint: a call posted from inside the
// paint runs once the paint and its hand-over to the display are done. A
// paint that starts while `showing` holds shows what the caller waits for.
class PaintWatch : public QObject {
public:
  int finished = 0;
  Clock::time_point lastFinished;
  std::function<bool()> showing;
  std::optional<Clock::time_point> shown;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const bool shows = showing && showing();
      QMetaObject::invokeMethod(
          this,
          [this, shows] {
            ++finished;
            lastFinished = Clock::now();
            if (shows && !shown)
              shown = lastFinished;
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

// Runs the event loop until done() holds; false after the time limit.
template <typename Done>
bool waitFor(Done done, int limitMilliseconds = 120000) {
  QElapsedTimer clock;
  clock.start();
  QTimer tick;
  tick.start(2);
  while (!done()) {
    if (clock.elapsed() > limitMilliseconds)
      return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

class Session {
public:
  Session() {
    folder();
    testing::qtApplication();
    setMainQueue(std::make_shared<QtMainQueue>(qApp));
    application = std::make_unique<Application>(Application::Options{{}, folder() / "autosave", 600000});
  }
  ~Session() { setMainQueue(nullptr); }
  std::unique_ptr<Application> application;
};

Session& session() {
  static Session s;
  return s;
}

long statusKilobytes(const std::string& wanted) {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == wanted) {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

long residentKilobytes() { return statusKilobytes("VmRSS:"); }
long peakKilobytes() { return statusKilobytes("VmHWM:"); }

// One open window on a grid, the pointer parked in a corner of the view.
class Window {
public:
  explicit Window(int tiles) : tiles_(tiles) {
    const auto file = gridFile(tiles);
    const long before = residentKilobytes();
    const auto start = Clock::now();
    controller = session().application->openFile(file);
    if (!controller)
      return;
    view = controller->view();
    view->installEventFilter(&watch);
    editor = controller->editor();
    controller->window()->move(0, 0);
    ok = waitFor([&] { return watch.finished > 0; });
    openSeconds = seconds(start, watch.lastFinished);
    residentBytesPerTile = double(residentKilobytes() - before) * 1024.0 / tiles;
    QCursor::setPos(view->mapToGlobal(QPoint(2, 2)));
    settle();
  }
  ~Window() {
    if (controller)
      close();
  }

  // Closes the window; the seconds until its controller is gone.
  double close() {
    view->removeEventFilter(&watch);
    // The window's editor and all it holds go with the window.
    const std::weak_ptr<ViewController> heldEditor = editor;
    editor.reset();
    const std::weak_ptr<WindowController> weak = controller->weak_from_this();
    controller->setEdited(false);
    const auto start = Clock::now();
    controller->window()->close();
    waitFor([&] { return weak.expired() && heldEditor.expired(); });
    controller = nullptr;
    return seconds(start, Clock::now());
  }

  // Runs what is waiting until the view is sharp and quiet.
  void settle() {
    waitFor([&] { return isSharp(); });
    waitFor([] { return false; }, 40);
  }

  bool isSharp() const { return view->isDrawingSharp(); }

  // The view's pixel of a canvas point.
  QPoint pixel(Vec2 canvas) const {
    const Vec2 p = editor->layer->convertTo(canvas, *view->rootLayer());
    return QPoint(int(std::lround(p.x)), int(std::lround(view->height() - p.y)));
  }
  QPoint tilePixel(int index) const { return pixel(editor->graph().shapes()[std::size_t(index)]->center()); }

  // Just beyond the free side on the right that lies nearest to the middle
  // of the tiling's height.
  QPoint beyondRightSide() const {
    std::shared_ptr<Edge> best;
    double bestScore = 0.0;
    const Rect page = editor->pageBounds();
    for (const auto& edge : editor->borderEdges) {
      const Vec2 middle = (edge->transformedVertex() + edge->transformedEnd()) * 0.5;
      const double score = middle.x * 1000.0 - std::abs(middle.y - page.center().y);
      if (!best || score > bestScore) {
        best = edge;
        bestScore = score;
      }
    }
    const Vec2 middle = (best->transformedVertex() + best->transformedEnd()) * 0.5;
    return pixel(middle + Vec2{10.0, 0.0});
  }

  // The end of the first paint that started while condition held; none when
  // no such paint came.
  std::optional<Clock::time_point> paintedAfter(std::function<bool()> condition) {
    watch.shown.reset();
    watch.showing = std::move(condition);
    waitFor([&] { return watch.shown.has_value(); });
    watch.showing = nullptr;
    return watch.shown;
  }

  // A click of the left button; clicks a second apart, never a double click.
  void click(QPoint at) {
    const QPointF global = view->mapToGlobal(QPointF(at));
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, QPointF(at), global, Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      event.setTimestamp(clickTime_ += 1000);
      QCoreApplication::sendEvent(view, &event);
    }
  }

  std::optional<Clock::time_point> sharpAfter() {
    if (!waitFor([&] { return isSharp(); }))
      return std::nullopt;
    return Clock::now();
  }

  int tiles_;
  quint64 clickTime_ = 1000000;
  bool ok = false;
  double openSeconds = 0.0;
  double residentBytesPerTile = 0.0;
  WindowController* controller = nullptr;
  View* view = nullptr;
  std::shared_ptr<ViewController> editor;
  PaintWatch watch;
};

// Also the memory the window holds per tile: what its first opening adds to
// the process, after a window of one tile has set up what every window shares.
void openToFirstPaint(benchmark::State& state) {
  Window(1).close();
  double bytes = 0.0;
  for (auto _ : state) {
    Window window(int(state.range(0)));
    if (!window.ok) {
      state.SkipWithError("the window did not paint");
      return;
    }
    state.SetIterationTime(window.openSeconds);
    if (bytes == 0.0)
      bytes = window.residentBytesPerTile;
    state.PauseTiming();
    window.close();
    state.ResumeTiming();
  }
  state.counters["bytes per tile"] = bytes;
  state.counters["peak MB"] = double(peakKilobytes()) / 1024.0;
}
BENCHMARK(openToFirstPaint)->Arg(10000)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(openToFirstPaint)->Name("openToFirstPaint1M")->Arg(1000000)->Iterations(1)->UseManualTime()->Unit(
    benchmark::kMillisecond);

void closeWindow(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Window window(int(state.range(0)));
    state.ResumeTiming();
    state.SetIterationTime(window.close());
  }
}
BENCHMARK(closeWindow)->Arg(10000)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// Select All, then Delete, as the menu sends them: from the first action to
// the paint that shows the empty view. "undo ms" is the undo of that delete,
// from the action to the paint that shows the tiles back.
void selectAllDelete(benchmark::State& state) {
  Window window(int(state.range(0)));
  const std::size_t tiles = window.editor->graph().shapes().size();
  double undo = 0.0;
  for (auto _ : state) {
    const auto start = Clock::now();
    window.controller->send({"selectAll", 0, {}});
    window.controller->send({"delete", 0, {}});
    const auto painted = window.paintedAfter([&] { return window.editor->graph().shapes().empty(); });
    if (!painted) {
      state.SkipWithError("the tiles stayed");
      return;
    }
    state.SetIterationTime(seconds(start, *painted));
    state.PauseTiming();
    window.settle();
    const auto undoStart = Clock::now();
    window.controller->send({"undo", 0, {}});
    const auto back = window.paintedAfter([&] { return window.editor->graph().shapes().size() == tiles; });
    if (!back) {
      state.SkipWithError("the tiles did not come back");
      return;
    }
    undo += seconds(undoStart, *back);
    // Unselected again, as the next Select All finds them.
    window.controller->send({"undo", 0, {}});
    window.settle();
    state.ResumeTiming();
  }
  state.counters["undo ms"] = benchmark::Counter(undo * 1000.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(selectAllDelete)->Arg(10000)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// The pointer goes back and forth between two tiles in the middle; each move
// ends when the new tile's hover outline is painted.
void pointerMove(benchmark::State& state) {
  Window window(int(state.range(0)));
  const int side = gridSide(int(state.range(0)));
  double sharp = 0.0;
  std::size_t step = 0;
  for (auto _ : state) {
    const int index = (side / 2) * side + side / 2 + int(++step % 2);
    const QPoint at = window.tilePixel(index);
    const auto start = Clock::now();
    QCursor::setPos(window.view->mapToGlobal(at));
    const auto painted = window.paintedAfter([&] {
      const auto hovered = std::dynamic_pointer_cast<Shape>(window.editor->selectedShape.lock());
      return hovered && hovered->index == index;
    });
    if (!painted) {
      state.SkipWithError("no hover outline came");
      return;
    }
    state.SetIterationTime(seconds(start, *painted));
    sharp += seconds(start, window.sharpAfter().value_or(Clock::now()));
  }
  state.counters["sharp ms"] = benchmark::Counter(sharp * 1000.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(pointerMove)->Arg(10000)->Arg(100000)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

// Zoomed in to 80, the view follows the pointer: each move of a few pixels
// pans it, and ends when the panned drawing is painted.
void panStep(benchmark::State& state) {
  Window window(int(state.range(0)));
  window.controller->document()->setScale(80.0);
  window.view->update();
  const QPoint middle(window.view->width() / 2, window.view->height() / 2);
  QCursor::setPos(window.view->mapToGlobal(middle));
  window.settle();
  double sharp = 0.0;
  std::size_t step = 0;
  for (auto _ : state) {
    const QPoint at = middle + QPoint(++step % 2 ? 7 : 0, step % 2 ? 3 : 0);
    const AffineTransform before = window.editor->layer->transform();
    const auto start = Clock::now();
    QCursor::setPos(window.view->mapToGlobal(at));
    const auto painted = window.paintedAfter([&] { return window.editor->layer->transform() != before; });
    if (!painted) {
      state.SkipWithError("the view did not pan");
      return;
    }
    state.SetIterationTime(seconds(start, *painted));
    sharp += seconds(start, window.sharpAfter().value_or(Clock::now()));
  }
  state.counters["sharp ms"] = benchmark::Counter(sharp * 1000.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(panStep)->Arg(10000)->Arg(100000)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

// A candidate on the free side in the middle of the right edge is hovered,
// then clicked: the time to the paint that shows the new tile. Undone
// between clicks.
void clickToPlaceIn(benchmark::State& state, bool crossings) {
  Window window(int(state.range(0)));
  if (crossings)
    window.view->dispatch([](ViewController& editor) { editor.document()->setCrossings(CrossingStatus::on); });
  const std::size_t tiles = window.editor->graph().shapes().size();
  window.view->dispatch([](ViewController& editor) { editor.selectTools({Shapes::square}); });
  const QPoint at = window.beyondRightSide();
  const auto hovered = [&] {
    return std::dynamic_pointer_cast<NeighborModel>(window.editor->selectedShape.lock()) != nullptr;
  };
  for (auto _ : state) {
    state.PauseTiming();
    // The candidate lists of a side come after the first hover over it; a
    // candidate hovered from an earlier list may give way to one of the new.
    for (int attempt = 0; attempt < 10 && !hovered(); ++attempt) {
      QCursor::setPos(window.view->mapToGlobal(QPoint(2, 2)));
      window.settle();
      QCursor::setPos(window.view->mapToGlobal(at));
      waitFor(hovered, 5000);
      window.settle();
    }
    if (!hovered()) {
      state.SkipWithError("no candidate came");
      return;
    }
    state.ResumeTiming();
    const auto start = Clock::now();
    window.click(at);
    const auto painted = window.paintedAfter([&] { return window.editor->graph().shapes().size() == tiles + 1; });
    if (!painted) {
      state.SkipWithError("no tile was placed");
      return;
    }
    state.SetIterationTime(seconds(start, *painted));
    state.PauseTiming();
    window.controller->send({"undo", 0, {}});
    window.settle();
    state.ResumeTiming();
  }
}
void clickToPlace(benchmark::State& state) { clickToPlaceIn(state, false); }
BENCHMARK(clickToPlace)->Arg(10000)->Arg(100000)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same with crossings drawn interlaced.
void clickToPlaceWithCrossings(benchmark::State& state) { clickToPlaceIn(state, true); }
BENCHMARK(clickToPlaceWithCrossings)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One wheel step in, one out, at the middle of the view.
void zoomStep(benchmark::State& state) {
  Window window(int(state.range(0)));
  const QPoint middle(window.view->width() / 2, window.view->height() / 2);
  QCursor::setPos(window.view->mapToGlobal(middle));
  window.settle();
  double sharp = 0.0;
  int step = 0;
  for (auto _ : state) {
    const double scale = window.editor->scale();
    const int direction = ++step % 2 ? 1 : -1;
    const auto start = Clock::now();
    QWheelEvent wheel(QPointF(middle), QPointF(window.view->mapToGlobal(middle)), QPoint(),
                      QPoint(0, 120 * direction), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window.view, &wheel);
    const auto painted = window.paintedAfter([&] { return window.editor->scale() != scale; });
    if (!painted) {
      state.SkipWithError("the zoom was not painted");
      return;
    }
    state.SetIterationTime(seconds(start, *painted));
    sharp += seconds(start, window.sharpAfter().value_or(Clock::now()));
  }
  state.counters["sharp ms"] = benchmark::Counter(sharp * 1000.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(zoomStep)->Arg(10000)->Arg(100000)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

// The relief of the whole tiling, fitted (second argument 0) or zoomed in to
// a scale (80: a few hundred tiles in view), on a clear background (the
// checks behind it): each frame drawn anew, from the
// request to the frame handed to the display. What llvmpipe does depends on
// its threads (LP_NUM_THREADS, by default one per processor).
void reliefFrame(benchmark::State& state) {
  Window window(int(state.range(0)));
  // The view 1080 × 800, as the editor's figures are measured.
  QWidget* top = window.controller->window();
  top->resize(top->size() + QSize(1080, 800) - window.view->size());
  waitFor([&] { return window.view->size() == QSize(1080, 800); }, 5000);
  window.controller->performEvent([&] {
    window.controller->document()->setDisplayMode(3);
    if (state.range(1) > 0)
      window.controller->document()->setScale(double(state.range(1)));
  });
  SceneView* sceneView = window.view->sceneView();
  if (sceneView == nullptr || !waitFor([&] { return sceneView->isValid(); }, 20000)) {
    state.SkipWithError("the relief could not be drawn");
    return;
  }
  int swapped = 0;
  QObject::connect(sceneView->openGLWindow(), &QOpenGLWindow::frameSwapped, [&] { ++swapped; });
  // The meshes go up with the first frame.
  sceneView->update();
  waitFor([&] { return swapped > 0; }, 60000);
  window.settle();
  for (auto _ : state) {
    const int before = swapped;
    const auto start = Clock::now();
    sceneView->update();
    if (!waitFor([&] { return swapped > before; }, 20000)) {
      state.SkipWithError("no frame came");
      return;
    }
    state.SetIterationTime(seconds(start, Clock::now()));
  }
  state.counters["width"] = sceneView->width();
  state.counters["height"] = sceneView->height();
}
BENCHMARK(reliefFrame)
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 80})
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A PNG export of the relief, 2000 pixels wide: the time until the file is
// written, and the longest the main thread went without turning its event
// loop meanwhile ("longest pause ms", from a 2 ms timer), of which the part
// spent in the export command itself ("command ms").
void reliefExport(benchmark::State& state) {
  Window window(int(state.range(0)));
  const auto document = window.controller->document();
  window.controller->performEvent([&] {
    document->setDisplayMode(3);
    document->setExportWidth(2000);
  });
  window.settle();
  const auto file = gridFile(int(state.range(0))).replace_extension("png");
  double longest = 0.0;
  double command = 0.0;
  for (auto _ : state) {
    std::filesystem::remove(file);
    Clock::time_point last = Clock::now();
    double pause = 0.0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      const auto now = Clock::now();
      pause = std::max(pause, seconds(last, now));
      last = now;
    });
    tick.start(2);
    const auto start = Clock::now();
    last = start;
    window.controller->send({"exportPNG", 0, {}});
    command = std::max(command, seconds(start, Clock::now()));
    if (!waitFor([&] { return std::filesystem::exists(file); })) {
      state.SkipWithError("the picture was not written");
      return;
    }
    state.SetIterationTime(seconds(start, Clock::now()));
    pause = std::max(pause, seconds(last, Clock::now()));
    longest = std::max(longest, pause);
  }
  state.counters["longest pause ms"] = longest * 1000.0;
  state.counters["command ms"] = command * 1000.0;
  state.counters["height"] = document->exportHeight();
  std::filesystem::remove(file);
}
BENCHMARK(reliefExport)->Arg(10000)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival
