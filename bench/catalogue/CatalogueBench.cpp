#include "figures/Figure.h"
#include "figures/catalogue/CatalogueEntry.h"
#include "figures/catalogue/Shapes.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace ornival {
namespace {

std::vector<std::shared_ptr<Figure>> freshTable() {
  std::vector<std::shared_ptr<Figure>> figures;
  const std::vector<CatalogueEntry> entries = makeCatalogueEntries();
  figures.reserve(entries.size());
  for (const CatalogueEntry& entry : entries)
    figures.push_back(makeCatalogueFigure(entry));
  return figures;
}

// What the first touch of Shapes::figures() costs: the entries resolved from
// their recipes and all 1122 figures walked and measured. Goal: under 5 ms.
void BM_FigureTableFromColdStart(benchmark::State& state) {
  for (auto _ : state) {
    auto figures = freshTable();
    benchmark::DoNotOptimize(figures.data());
  }
}
BENCHMARK(BM_FigureTableFromColdStart)->Unit(benchmark::kMillisecond);

// The mirror map over a table whose canonical names nobody has read yet, as
// on the first touch of Shapes::mirrors(): two texts per figure, then the
// lookups.
void BM_MirrorMapFromFreshFigures(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto figures = freshTable();
    state.ResumeTiming();
    auto mirrors = makeMirrorMap(figures);
    benchmark::DoNotOptimize(mirrors.size());
    state.PauseTiming();
    figures.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MirrorMapFromFreshFigures)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival

BENCHMARK_MAIN();
