// Gluing and the parity walk over large square and triangle grids. Gluing
// must stay near-linear in the number of sides: a document of 100,000 tiles is
// glued once when it is read, and the editor glues after every placement.
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"

// The grid builders are shared with the tests.
#include "support/TileGrids.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

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

// Writes over more memory than the processor caches hold, so that the next
// round starts from main memory whatever the size of the tiling.
void evictCaches() {
  static std::vector<char> buffer(std::size_t(128) << 20);
  for (std::size_t i = 0; i < buffer.size(); i += 64)
    buffer[i] = char(buffer[i] + 1);
  benchmark::DoNotOptimize(buffer.data());
}

enum class Caches { warm, cold };

// A tiling of 10,000 tiles stays in the last-level cache from one round to
// the next and one of 100,000 does not; the cold rounds take that difference
// out of the growth from one size to the next.
void joinEdges(benchmark::State& state, Grid kind, Caches caches) {
  const auto tiles = grid(kind, state.range(0));
  const auto edges = testing::allEdges(tiles);
  const auto graph = Graph::create(tiles);
  for (auto _ : state) {
    state.PauseTiming();
    for (const auto& edge : edges)
      edge->join.reset();
    if (caches == Caches::cold)
      evictCaches();
    state.ResumeTiming();
    graph->joinEdges(edges);
  }
  state.SetComplexityN(std::int64_t(tiles.size()));
  state.counters["tiles"] = double(tiles.size());
}

void computeSpin(benchmark::State& state, Grid kind, Caches caches) {
  const auto graph = testing::joinedGraph(grid(kind, state.range(0)));
  for (auto _ : state) {
    if (caches == Caches::cold) {
      state.PauseTiming();
      evictCaches();
      state.ResumeTiming();
    }
    graph->computeSpin();
  }
  state.SetComplexityN(std::int64_t(graph->shapes().size()));
  state.counters["tiles"] = double(graph->shapes().size());
}

BENCHMARK_CAPTURE(joinEdges, squares, Grid::squares, Caches::warm)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(joinEdges, triangles, Grid::triangles, Caches::warm)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(joinEdges, squares_cold, Grid::squares, Caches::cold)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(joinEdges, triangles_cold, Grid::triangles, Caches::cold)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computeSpin, squares, Grid::squares, Caches::warm)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computeSpin, triangles, Grid::triangles, Caches::warm)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computeSpin, squares_cold, Grid::squares, Caches::cold)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(computeSpin, triangles_cold, Grid::triangles, Caches::cold)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace ornival
