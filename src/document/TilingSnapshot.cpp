#include "document/TilingSnapshot.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"

namespace ornival {

std::shared_ptr<const TilingSnapshot> TilingSnapshot::take(const std::vector<std::shared_ptr<Shape>>& tiles) {
  auto snapshot = std::make_shared<TilingSnapshot>();
  snapshot->tiles.reserve(tiles.size());
  for (const auto& shape : tiles) {
    Tile tile;
    tile.figure = shape->figure();
    tile.transformation = shape->transformation;
    tile.shapeColor = shape->shapeColor();
    tile.shapeBezierFactor = shape->shapeBezierFactor;
    tile.shapeRadiusLimit = shape->shapeRadiusLimit;
    tile.borderBezierFactor = shape->borderBezierFactor;
    tile.borderRadiusLimit = shape->borderRadiusLimit;
    tile.metalness = shape->metalness();
    tile.roughness = shape->roughness();
    tile.surfaceRoundness = shape->surfaceRoundness();
    const auto& edges = shape->edges();
    for (std::size_t k = 0; k < edges.size() && k < 64; ++k)
      if (edges[k]->isGroupJoin)
        tile.groupJoins |= std::uint64_t(1) << k;
    snapshot->tiles.push_back(std::move(tile));
  }
  return snapshot;
}

std::vector<std::shared_ptr<Shape>> TilingSnapshot::makeTiles(Progress& progress) const {
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
    auto shape = Shape::create(tile.figure);
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
