#include "figures/catalogue/CatalogueCategories.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ornival;

// The catalogue browser builds its nine categories when it first opens: the
// figures' measures are read from the table (built already by then), and the
// usage category of a document with a few figures in use.
void BM_BuildAllCategories(benchmark::State& state) {
  (void)catalogueCategories::fixed();
  ToolUsage usage;
  usage.counts.assign(std::size_t(Shapes::caseCount) + 1, 0);
  for (int raw = 1; raw <= 40; ++raw)
    usage.counts[std::size_t(raw)] = raw % 7;
  usage.recent = {Shapes::sun8, Shapes::star16};
  for (auto _ : state) {
    auto fixed = catalogueCategories::buildFixed();
    auto byUse = catalogueCategories::byUse(usage);
    benchmark::DoNotOptimize(fixed);
    benchmark::DoNotOptimize(byUse);
  }
}
BENCHMARK(BM_BuildAllCategories)->Unit(benchmark::kMillisecond);

}  // namespace
