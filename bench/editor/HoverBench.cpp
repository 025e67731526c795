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
#include "BenchWindow.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <thread>

namespace ornival {
namespace {

using bench::Window;

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
