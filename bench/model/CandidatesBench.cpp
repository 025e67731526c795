// Placement candidates of one free side. The editor searches every catalogue
// figure the user has chosen on each side near the pointer as the pointer
// moves, so the single-figure search of one side against the whole catalogue
// should stay well under a frame (10 ms on one core); the group search runs
// on the neighbour queue, one operation per side.
#include "model/Edge.h"
#include "model/EdgeMultiNeighborsOperation.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"

// The tile builders are shared with the tests.
#include "support/Figures.h"
#include "support/TileGrids.h"
#include "support/Tiles.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace ornival {
namespace {

constexpr double lengthTolerance = 1.0 / 512.0;

// The editor's search of one side for one figure: a candidate for each side
// of one rotational period that fits (any side, scaled, for a scaleable
// figure), kept when its scale is reasonable.
void searchFigure(const std::shared_ptr<const Figure>& figure, const std::shared_ptr<Edge>& edge,
                  const ParentSide& corners, double target, std::vector<std::shared_ptr<NeighborModel>>& into) {
  const auto& lengths = figure->lengths();
  const int count = figure->variantCount();
  for (int k = 0; k < count && std::size_t(k) < lengths.size(); ++k) {
    if (!figure->scaleable() && !(std::abs(lengths[std::size_t(k)] - target) < lengthTolerance))
      continue;
    auto candidate = NeighborModel::create(figure);
    candidate->place(k, corners);
    if (candidate->scale() < 0.1 || candidate->scale() > 6.0)
      continue;
    candidate->setParent(edge, corners);
    candidate->edgeOffset = k;
    into.push_back(std::move(candidate));
  }
}

// Every catalogue figure against the right side of a unit square at the
// default size.
void singleFigureCandidates(benchmark::State& state) {
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto& edge = tile->edges()[1];
  const auto corners = ParentSide::of(*edge);
  const double target = tile->figure()->lengths()[1] * tile->scale();
  std::vector<std::shared_ptr<const Figure>> figures;
  for (const auto kind : Shapes::allButLast())
    figures.push_back(Shapes::figures()[std::size_t(kind.rawValue() - Shapes::firstRawValue)]);
  // The figures' own derived values are made once per process, not per search.
  std::vector<std::shared_ptr<NeighborModel>> candidates;
  for (const auto& figure : figures)
    searchFigure(figure, edge, corners, target, candidates);

  for (auto _ : state) {
    candidates.clear();
    for (const auto& figure : figures)
      searchFigure(figure, edge, corners, target, candidates);
    benchmark::DoNotOptimize(candidates.data());
  }
  state.counters["figures"] = double(figures.size());
  state.counters["candidates"] = double(candidates.size());
}
BENCHMARK(singleFigureCandidates)->Unit(benchmark::kMillisecond);

// A group of 10 × 5 unit squares (30 border sides, all of the side's length)
// against the side of a unit square: made on the main thread, run, handed
// back and stored.
void groupCandidates(benchmark::State& state) {
  const auto main = ManualMainQueue::create();
  setMainQueue(main);
  auto tiles = testing::squareGrid(10, 5);
  Graph::create(tiles)->joinEdges(testing::allEdges(tiles));
  const auto group = MultiShape::create(tiles[0], tiles);
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto& edge = tile->edges()[1];

  for (auto _ : state) {
    const auto operation = EdgeMultiNeighborsOperation::create(edge, group);
    operation->main();
    main->drain();
  }
  state.counters["tiles"] = double(group->templates().size());
  state.counters["candidates"] = double(edge->neighbors[Shapes::multi].size());
  edge->neighbors.clear();
  MultiShape::resetCurrent();
  setMainQueue(nullptr);
}
BENCHMARK(groupCandidates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival
