// Edits and window life over a square tiling of 10,000 to 1,000,000 tiles,
// driven as the program drives the editor. What they cost should follow what
// they change: a placement well under a frame at any size; deleting or
// restoring everything, closing and opening linear in the tiles and quick.
#include "BenchWindow.h"

#include "document/DocumentWriter.h"
#include "document/OrnivalModel.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <map>
#include <memory>
#include <string>

namespace ornival {
namespace {

using bench::Window;

// One click on the candidate under the pointer, without the hover before it
// nor the searches it leaves queued: the flat view, automatic page bounds,
// after the document's settings were given by setUp.
template <typename SetUp>
void placeWith(benchmark::State& state, SetUp setUp) {
  Window w(int(state.range(0)));
  w.event([&] { setUp(*w.document); });
  for (auto _ : state) {
    state.PauseTiming();
    w.forget();
    w.hover(w.pointer);
    state.ResumeTiming();
    w.undoManager->beginGroup();
    w.editor->placeCandidate();
    w.undoManager->endGroup();
    state.PauseTiming();
    w.settle();
    w.event([&] { w.undoManager->undo(); });
    state.ResumeTiming();
  }
  state.counters["tiles"] = double(w.editor->graph().shapes().size());
}

void placementAlone(benchmark::State& state) {
  placeWith(state, [](Document&) {});
}
BENCHMARK(placementAlone)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Bands so wide that their mitred tips reach past the automatic page's
// margin: the page is measured again after the edit.
void placementWithWideBands(benchmark::State& state) {
  placeWith(state, [](Document& document) { document.setBorderWidth(30.0); });
}
BENCHMARK(placementWithWideBands)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Crossings drawn interlaced, with the default narrow bands: the pieces
// where lines cross change only along the lines the new tile touched.
void placementWithCrossings(benchmark::State& state) {
  placeWith(state, [](Document& document) { document.setCrossings(CrossingStatus::on); });
}
BENCHMARK(placementWithCrossings)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Select All, then Delete: two events, everything goes.
void selectAllDelete(benchmark::State& state) {
  Window w(int(state.range(0)));
  for (auto _ : state) {
    w.event([&] { w.editor->selectAll(); });
    w.event([&] { w.editor->deleteShapes(); });
    state.PauseTiming();
    if (!w.editor->graph().shapes().empty())
      state.SkipWithError("the tiles stayed");
    w.event([&] { w.undoManager->undo(); });
    state.ResumeTiming();
  }
  state.counters["tiles"] = double(w.editor->graph().shapes().size());
}
BENCHMARK(selectAllDelete)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Undo of that delete: every tile back in its place, glued and shown.
void undoDelete(benchmark::State& state) {
  Window w(int(state.range(0)));
  const std::size_t tiles = w.editor->graph().shapes().size();
  for (auto _ : state) {
    state.PauseTiming();
    w.event([&] { w.editor->selectAll(); });
    w.event([&] { w.editor->deleteShapes(); });
    state.ResumeTiming();
    w.event([&] { w.undoManager->undo(); });
    state.PauseTiming();
    if (w.editor->graph().shapes().size() != tiles)
      state.SkipWithError("the tiles did not come back");
    state.ResumeTiming();
  }
  state.counters["tiles"] = double(tiles);
}
BENCHMARK(undoDelete)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Closing: the editor, its document and every tile, layer and node let go.
void closeWindow(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto w = std::make_unique<Window>(int(state.range(0)));
    state.ResumeTiming();
    w.reset();
  }
  state.counters["tiles"] = double(state.range(0));
}
BENCHMARK(closeWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

const std::string& documentOf(int tiles) {
  static std::map<int, std::string> made;
  auto& text = made[tiles];
  if (text.empty()) {
    const auto graph = testing::joinedGraph(testing::squareGrid(bench::gridColumns(tiles), bench::gridRows(tiles)));
    text = documentText(DocumentSettings{}, graph->shapes(), graph.get());
  }
  return text;
}

// Opening up to the editor's first paint: the text read into tiles, handed to
// the editor, glued, outlined and laid into the display.
// The heap in use also gives the bytes a tile costs in the open editor,
// model and display together.
void openDocument(benchmark::State& state) {
  const std::string& text = documentOf(int(state.range(0)));
  std::size_t tiles = 0;
  double bytes = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    malloc_trim(0);
    const std::size_t before = mallinfo2().uordblks;
    state.ResumeTiming();
    auto model = OrnivalModel::create();
    model->read(text);
    tiles = model->shapes.size();
    auto w = std::make_unique<Window>(std::move(model->shapes));
    benchmark::DoNotOptimize(w->editor.get());
    state.PauseTiming();
    model.reset();
    bytes = double(mallinfo2().uordblks - before);
    w.reset();
    state.ResumeTiming();
  }
  state.counters["tiles"] = double(tiles);
  state.counters["bytes per tile"] = bytes / double(tiles);
}
BENCHMARK(openDocument)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ornival
