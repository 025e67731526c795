#pragma once

// Larger tilings for tests and benchmarks: placed square and triangle grids,
// and a graph over them with every shared side glued.
//
// Included from outside tests/ as well, so this header names its neighbour by
// its own folder.

#include "Figures.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace ornival::testing {

// A tile of the figure laid out by `placement` in figure units, then drawn at
// the default size of 20 canvas units per figure unit.
inline std::shared_ptr<Shape> tileAt(const std::shared_ptr<const Figure>& figure, const AffineTransform& placement) {
  auto shape = Shape::create(figure);
  shape->transformation = placement.concatenating(ShapeModel::defaultTransformation());
  shape->updateTransformedGeometry();
  return shape;
}

// columns × rows unit squares, row by row from the lower left; not glued.
inline std::vector<std::shared_ptr<Shape>> squareGrid(int columns, int rows) {
  const std::shared_ptr<const Figure> square = unitSquare();
  std::vector<std::shared_ptr<Shape>> tiles;
  tiles.reserve(std::size_t(columns) * std::size_t(rows));
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x)
      tiles.push_back(tileAt(square, AffineTransform::translation(x, y)));
  }
  return tiles;
}

// columns × rows rhombic cells of the triangular lattice spanned by (1, 0) and
// (1/2, √3/2), each an upright triangle followed by the one upside down beside
// it: 2 · columns · rows unit triangles, row by row; not glued.
inline std::vector<std::shared_ptr<Shape>> triangleGrid(int columns, int rows) {
  const std::shared_ptr<const Figure> triangle = equilateralTriangle();
  const Vec2 across{1.0, 0.0};
  const Vec2 up{0.5, std::numbers::sqrt3 / 2.0};
  std::vector<std::shared_ptr<Shape>> tiles;
  tiles.reserve(2 * std::size_t(columns) * std::size_t(rows));
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      const Vec2 origin = across * x + up * y;
      tiles.push_back(tileAt(triangle, AffineTransform::translation(origin.x, origin.y)));
      const Vec2 top = origin + across + up;
      tiles.push_back(tileAt(triangle, AffineTransform::rotation(std::numbers::pi).concatenating(
                                           AffineTransform::translation(top.x, top.y))));
    }
  }
  return tiles;
}

// Every side of the tiles, tile by tile.
inline std::vector<std::shared_ptr<Edge>> allEdges(const std::vector<std::shared_ptr<Shape>>& tiles) {
  std::vector<std::shared_ptr<Edge>> edges;
  for (const auto& tile : tiles)
    edges.insert(edges.end(), tile->edges().begin(), tile->edges().end());
  return edges;
}

// A graph over the tiles, in their order, with every shared side glued.
inline std::shared_ptr<Graph> joinedGraph(std::vector<std::shared_ptr<Shape>> tiles) {
  const auto edges = allEdges(tiles);
  auto graph = Graph::create(std::move(tiles));
  graph->joinEdges(edges);
  return graph;
}

}  // namespace ornival::testing
