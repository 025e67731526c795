// Hovering along the outline with the whole drawing copied as the group
// tile: every hover searches where the group fits on the free sides near the
// pointer and hit-tests what it found. The group of example 03 (139 tiles)
// should add under 50 MB while the pointer goes once round, and every hover,
// its group searches and hit test included, end within 50 ms; a group of
// 7,200 tiles should stay under 300 MB. Copying the selection, which makes
// the group, is timed too.
//
// Memory is the process's resident set (/proc/self/statm) before the walk
// and after it, and its peak during the walk (VmHWM of /proc/self/status,
// reset before the walk through /proc/self/clear_refs); "group MB" is what
// Select All, Copy and Paste added before the walk.
#include "document/Document.h"
#include "document/OrnivalModel.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"
#include "platform/UndoManager.h"

#include "support/EditorFakes.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace ornival {
namespace {

double residentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double peakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0)
      return std::stod(line.substr(6)) / 1024.0;
  }
  return 0.0;
}

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The processor time of every thread of the process: on a loaded machine a
// hover's wall time is mostly waiting for a core.
double processorMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

std::vector<std::shared_ptr<Shape>> example03() {
  std::ifstream in(std::string(ORNIVAL_EXAMPLES) + "/03-TwelveFold.ornival", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const auto model = OrnivalModel::create();
  model->read(text.str());
  return model->shapes;
}

class Window {
public:
  explicit Window(std::vector<std::shared_ptr<Shape>> tiles) {
    resetProcessTools();
    MultiShape::resetCurrent();
    setMainQueue(mainQueue);
    view->undo = undoManager;
    view->controller = window;
    window->tools = {Shapes::square};
    document->setUndoManager(undoManager);
    document->setWindowController(window);
    editor->viewDidLoad();
    document->model = std::move(tiles);
    editor->loadDocument(document);
    settle();
  }
  ~Window() {
    settle();
    // The editor and its searches go while their main queue is still there.
    editor.reset();
    MultiShape::resetCurrent();
    setMainQueue(nullptr);
  }

  template <typename Body>
  void event(Body body) {
    undoManager->beginGroup();
    body();
    undoManager->endGroup();
    settle();
  }

  // Until the hit test and the group searches have answered.
  void settle() {
    for (;;) {
      undoManager->beginGroup();
      mainQueue->drain();
      undoManager->endGroup();
      const auto& operations = *editor->operations;
      if (operations.selectQueue()->operationCount() == 0 && operations.neighborQueue()->operationCount() == 0 &&
          mainQueue->pendingCount() == 0)
        return;
      std::this_thread::yield();
    }
  }

  void hover(Vec2 canvas) {
    const Vec2 at = editor->layer->convertTo(canvas, *view->viewLayer);
    event([&] { editor->mouseMoved(MouseEvent{at, {}, 1}); });
  }

  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  std::shared_ptr<UndoManager> undoManager = UndoManager::create();
  std::shared_ptr<testing::FakeInputState> input = std::make_shared<testing::FakeInputState>();
  std::shared_ptr<testing::FakeViewPort> view = std::make_shared<testing::FakeViewPort>();
  std::shared_ptr<testing::FakeEditorWindowController> window =
      std::make_shared<testing::FakeEditorWindowController>();
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<ViewController> editor = ViewController::create(view, input);
};

void groupHover(benchmark::State& state) {
  for (auto _ : state) {
    Window w(state.range(0) == 0 ? example03() : testing::triangleGrid(60, 60));
    auto& editor = *w.editor;
    const std::size_t tiles = editor.graph().shapes().size();
    // Select All, Copy, Paste: the whole drawing becomes the group tool.
    const double loaded = residentMegabytes();
    w.event([&] { editor.selectAll(); });
    const auto copyStart = std::chrono::steady_clock::now();
    w.event([&] { editor.copy(); });
    const double copyMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - copyStart).count();
    w.event([&] { editor.paste(0); });
    // The free sides in their order round the drawing's centre.
    Vec2 centre{0.0, 0.0};
    for (const auto& tile : editor.graph().shapes())
      centre = centre + tile->center() * (1.0 / double(tiles));
    std::vector<std::shared_ptr<Edge>> sides = editor.borderEdges;
    const auto angle = [&](const std::shared_ptr<Edge>& side) {
      const Vec2 middle = (side->transformedVertex() + side->transformedEnd()) * 0.5 - centre;
      return std::atan2(middle.y, middle.x);
    };
    std::stable_sort(sides.begin(), sides.end(),
                     [&](const auto& a, const auto& b) { return angle(a) < angle(b); });

    const double before = residentMegabytes();
    const double groupMegabytes = before - loaded;
    resetPeak();
    double longest = 0.0;
    double longestWork = 0.0;
    double total = 0.0;
    int offered = 0;
    for (const auto& side : sides) {
      const auto start = std::chrono::steady_clock::now();
      const double work = processorMilliseconds();
      w.hover(testing::pointBeyond(*side, 0.25));
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      longest = std::max(longest, ms);
      longestWork = std::max(longestWork, processorMilliseconds() - work);
      total += ms;
      offered += std::dynamic_pointer_cast<NeighborModel>(editor.selectedShape.lock()) ? 1 : 0;
    }
    std::size_t stored = 0;
    for (const auto& side : editor.borderEdges) {
      if (const auto found = side->neighbors.find(Shapes::multi); found != side->neighbors.end())
        stored += found->second.size();
    }
    state.counters["tiles"] = double(tiles);
    state.counters["copy ms"] = copyMs;
    state.counters["outline sides"] = double(editor.multiShape ? editor.multiShape->border().size() : 0);
    state.counters["hovers"] = double(sides.size());
    state.counters["offered"] = double(offered);
    state.counters["longest hover ms"] = longest;
    state.counters["longest hover cpu ms"] = longestWork;
    state.counters["mean hover ms"] = total / double(std::max<std::size_t>(sides.size(), 1));
    state.counters["candidates kept"] = double(stored);
    state.counters["group MB"] = groupMegabytes;
    state.counters["added MB"] = residentMegabytes() - before;
    state.counters["peak added MB"] = peakMegabytes() - before;
  }
}
// 0: example 03 (139 tiles); 1: 7,200 triangles.
BENCHMARK(groupHover)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival
