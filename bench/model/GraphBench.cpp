// Gluing and the parity walk over large square and triangle grids. Gluing
// must stay near-linear in the number of sides: a document of 100,000 tiles is
// glued once when it is read, and the editor glues after every placement.
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"

// The grid builders are shared with the tests.
#include "../../tests/support/TileGrids.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace ornival {
namespace {

enum class Grid { squares, triangles };

// A grid of about `tiles` tiles, nearly square in shape.
std::vector<std::shared_ptr<Shape>> grid(Grid kind, std::int64_t tiles) {
  if (kind == Grid::squares) {
    const int columns = int(std::lround(std::sqrt(double(tiles))));
    return testing::squareGrid(columns, int(tiles / columns));
  }
  const int columns = int(std::lround(std::sqrt(double(tiles / 2))));
  return testing::triangleGrid(columns, int(tiles / 2 / columns));
}

void joinEdges(benchmark::State& state, Grid kind) {
  const auto tiles = grid(kind, state.range(0));
  const auto edges = testing::allEdges(tiles);
  const auto graph = Graph::create(tiles);
  for (auto _ : state) {
    state.PauseTiming();
    for (const auto& edge : edges)
      edge->join.reset();
    state.ResumeTiming();
    graph->joinEdges(edges);
  }
  state.SetComplexityN(std::int64_t(tiles.size()));
  state.counters["tiles"] = double(tiles.size());
}

void computeSpin(benchmark::State& state, Grid kind) {
  const auto graph = testing::joinedGraph(grid(kind, state.range(0)));
  for (auto _ : state)
    graph->computeSpin();
  state.SetComplexityN(std::int64_t(graph->shapes().size()));
  state.counters["tiles"] = double(graph->shapes().size());
}

BENCHMARK_CAPTURE(joinEdges, squares, Grid::squares)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(joinEdges, triangles, Grid::triangles)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computeSpin, squares, Grid::squares)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computeSpin, triangles, Grid::triangles)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace ornival
