#include "figures/Figure.h"
#include "figures/FigureSolid.h"

#include <benchmark/benchmark.h>

namespace ornival {
namespace {

// The roofs and solids of the whole catalogue from a cold start: the free
// function keeps no cache, so every iteration builds all of them anew. The
// table itself is built once, outside the timing.
void solidsOfEveryFigure(benchmark::State& state) {
  const auto& figures = Shapes::figures();
  for (auto _ : state) {
    for (std::size_t i = 0; i + 1 < figures.size(); ++i) {
      const Figure& figure = *figures[i];
      benchmark::DoNotOptimize(
          makeFigureSolid(figure.vertices(), figure.center(), figure.tool() == Shapes::wingBolt));
    }
  }
}
BENCHMARK(solidsOfEveryFigure)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival
