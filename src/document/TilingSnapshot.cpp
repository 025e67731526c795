#include "document/TilingSnapshot.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/ParallelFor.h"

#include <algorithm>
#include <unordered_map>

namespace ornival {

namespace {

// Tiles read by one thread at a time: enough to be worth a thread, few
// enough that the threads share the work evenly.
constexpr std::size_t tilesPerChunk = 8192;

TilingSnapshot::Tile valuesOf(const Shape& shape) {
  TilingSnapshot::Tile tile;
  tile.figure = shape.figure().get();
  tile.transformation = shape.transformation;
  tile.shapeColor = shape.shapeColor();
  tile.shapeBezierFactor = shape.shapeBezierFactor;
  tile.shapeRadiusLimit = shape.shapeRadiusLimit;
  tile.borderBezierFactor = shape.borderBezierFactor;
  tile.borderRadiusLimit = shape.borderRadiusLimit;
  tile.metalness = shape.metalness();
  tile.roughness = shape.roughness();
  tile.surfaceRoundness = shape.surfaceRoundness();
  tile.layerIndex = shape.layerIndex;
  const auto& edges = shape.edges();
  for (std::size_t k = 0; k < edges.size() && k < 64; ++k)
    if (edges[k]->isGroupJoin)
      tile.groupJoins |= std::uint64_t(1) << k;
  return tile;
}

}  // namespace

std::shared_ptr<const TilingSnapshot> TilingSnapshot::take(const std::vector<std::shared_ptr<Shape>>& tiles) {
  auto snapshot = std::make_shared<TilingSnapshot>();
  snapshot->tiles.resize(tiles.size());
  const std::size_t chunks = (tiles.size() + tilesPerChunk - 1) / tilesPerChunk;
  // Each chunk keeps the figures it met; a figure is shared by many tiles,
  // and counting its references tile by tile from several threads would
  // make them wait on each other.
  std::vector<std::vector<std::shared_ptr<const Figure>>> figures(chunks);
  const auto readChunk = [&](std::size_t chunk) {
    const std::size_t end = std::min(tiles.size(), (chunk + 1) * tilesPerChunk);
    const Figure* last = nullptr;
    for (std::size_t i = chunk * tilesPerChunk; i < end; ++i) {
      // Tiles and their sides lie all over the heap: they are asked for a
      // few tiles ahead, so that the memory's answers overlap.
      if (i + 16 < end) {
        const auto* ahead = reinterpret_cast<const char*>(tiles[i + 16].get());
        for (std::size_t line = 0; line < sizeof(Shape); line += 64)
          __builtin_prefetch(ahead + line);
      }
      if (i + 8 < end)
        for (const auto& edge : tiles[i + 8]->edges())
          __builtin_prefetch(edge.get());
      snapshot->tiles[i] = valuesOf(*tiles[i]);
      const Figure* figure = snapshot->tiles[i].figure;
      if (figure == last)
        continue;
      last = figure;
      auto& met = figures[chunk];
      if (std::none_of(met.begin(), met.end(), [&](const auto& f) { return f.get() == figure; }))
        met.push_back(tiles[i]->figure());
    }
  };
  if (chunks > 1)
    parallelFor(chunks, readChunk);
  else if (chunks == 1)
    readChunk(0);
  for (const auto& met : figures)
    for (const auto& figure : met)
      if (std::none_of(snapshot->figures.begin(), snapshot->figures.end(),
                       [&](const auto& f) { return f == figure; }))
        snapshot->figures.push_back(figure);
  return snapshot;
}

std::vector<std::shared_ptr<Shape>> TilingSnapshot::makeTiles(Progress& progress) const {
  std::unordered_map<const Figure*, std::shared_ptr<const Figure>> figureOf;
  for (const auto& figure : figures)
    figureOf.emplace(figure.get(), figure);
  std::vector<std::shared_ptr<Shape>> made;
  made.reserve(tiles.size());
  std::vector<std::shared_ptr<Edge>> edges;
  constexpr std::size_t checkEvery = 4096;
  for (const Tile& tile : tiles) {
    if (made.size() % checkEvery == 0) {
      if (progress.shouldStop())
        return {};
      progress.report(0.5 * double(made.size()) / double(tiles.size()));
    }
    auto shape = Shape::create(figureOf.at(tile.figure));
    shape->transformation = tile.transformation;
    shape->updateTransformedGeometry();
    shape->setShapeColor(tile.shapeColor);
    shape->shapeBezierFactor = tile.shapeBezierFactor;
    shape->shapeRadiusLimit = tile.shapeRadiusLimit;
    shape->borderBezierFactor = tile.borderBezierFactor;
    shape->borderRadiusLimit = tile.borderRadiusLimit;
    shape->setMetalness(tile.metalness);
    shape->setRoughness(tile.roughness);
    shape->setSurfaceRoundness(tile.surfaceRoundness);
    shape->index = int(made.size());
    shape->layerIndex = tile.layerIndex;
    const auto& sides = shape->edges();
    for (std::size_t k = 0; k < sides.size() && k < 64; ++k)
      sides[k]->isGroupJoin = (tile.groupJoins >> k) & 1u;
    edges.insert(edges.end(), sides.begin(), sides.end());
    made.push_back(std::move(shape));
  }
  if (progress.shouldStop())
    return {};
  progress.report(0.5);
  Graph::create()->joinEdges(edges);
  progress.report(1.0);
  return made;
}

}  // namespace ornival
