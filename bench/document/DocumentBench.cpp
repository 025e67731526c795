// Reading and writing generated documents of 1,000 to 100,000 tiles. Opening
// a document reads it and glues its border sides; saving writes it, and
// autosave does so while the user works. Both must stay near-linear.
#include "document/DocumentWriter.h"
#include "document/OrnivalModel.h"
#include "model/Graph.h"

// The tiling generator is shared with the tests.
#include "support/RandomTilings.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace ornival {
namespace {

// A tiling of about `tiles` tiles grown by placement in a few pieces, as a
// user builds one, made once per size.
const Graph& tiling(std::int64_t tiles) {
  static std::map<std::int64_t, std::shared_ptr<Graph>> made;
  auto& graph = made[tiles];
  if (!graph)
    graph = testing::randomTiling(std::uint64_t(tiles), {int(tiles), 3, true});
  return *graph;
}

const std::string& documentOf(std::int64_t tiles) {
  static std::map<std::int64_t, std::string> made;
  auto& text = made[tiles];
  if (text.empty()) {
    const Graph& graph = tiling(tiles);
    text = documentText(DocumentSettings{}, graph.shapes(), &graph);
  }
  return text;
}

void readAndGlue(benchmark::State& state) {
  const std::string& text = documentOf(state.range(0));
  std::size_t tiles = 0;
  for (auto _ : state) {
    auto model = OrnivalModel::create();
    model->read(text);
    model->collectBorderEdges();
    tiles = model->shapes.size();
    benchmark::DoNotOptimize(model->borderEdges.data());
    // Letting go of the tiles is part of closing, not of opening.
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(std::int64_t(tiles));
  state.counters["tiles"] = double(tiles);
  state.counters["bytes"] = double(text.size());
}

// Tiles stacked in one place, half as pieces of their own and half walked
// round a corner again and again: a file may hold thousands of them, and
// gluing their sides must not compare each with every other.
const std::string& stackedDocumentOf(std::int64_t tiles) {
  static std::map<std::int64_t, std::string> made;
  auto& text = made[tiles];
  if (text.empty()) {
    text = "Ornival 0.2\n";
    for (std::int64_t k = 0; k < tiles / 2; ++k)
      text += "\nshapes:\n7\n";
    text += "\nshapes:\n7\n";
    for (std::int64_t k = 1; k < tiles - tiles / 2; ++k)
      text += std::to_string(tiles / 2 + k - 1) + ",1,7,0\n";
  }
  return text;
}

void readAndGlueStacked(benchmark::State& state) {
  const std::string& text = stackedDocumentOf(state.range(0));
  for (auto _ : state) {
    auto model = OrnivalModel::create();
    model->read(text);
    model->collectBorderEdges();
    benchmark::DoNotOptimize(model->borderEdges.data());
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

void write(benchmark::State& state) {
  const Graph& graph = tiling(state.range(0));
  for (auto _ : state) {
    std::string text = documentText(DocumentSettings{}, graph.shapes(), &graph);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetComplexityN(std::int64_t(graph.shapes().size()));
  state.counters["tiles"] = double(graph.shapes().size());
}

BENCHMARK(readAndGlue)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(readAndGlueStacked)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(write)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace ornival
