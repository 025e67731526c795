#pragma once

// Random tilings of catalogue figures grown by placement, as a user builds
// them: every tile glued with one of its sides onto a free side of a tile
// already there, scaled when the two sides differ. A tiling may hold several
// pieces (islands) that no glued side connects, each started anywhere on the
// canvas, turned and scaled. Seeded, so that a failure can be replayed; for
// the document tests, benchmarks and fuzzing seeds alike.
//
// Included from outside tests/ as well, so this header names its neighbour by
// its own folder.

#include "Tiles.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace ornival::testing {

struct RandomTilingOptions {
  int tiles = 100;
  // Pieces besides the first; each takes an equal share of the tiles.
  int islands = 0;
  // The first piece starts at the default placement, so that its root is at
  // scale 1; otherwise it is turned and scaled like the islands.
  bool firstAtDefault = true;
};

// A colour that survives the eight-digit text unchanged: components in 255ths.
inline Color randomTextColor(std::mt19937_64& random) {
  std::uniform_int_distribution<int> byte(0, 255);
  if (byte(random) < 16)
    return Color::clear();
  return {byte(random) / 255.0, byte(random) / 255.0, byte(random) / 255.0, byte(random) / 255.0};
}

// The tiles in shuffled index order (so that the pieces interleave), glued
// where they were placed, with random colours from a small palette, layers and
// group joins. Sides that merely come to lie against each other are glued too,
// as the editor's graph does.
inline std::shared_ptr<Graph> randomTiling(std::uint64_t seed, const RandomTilingOptions& options) {
  std::mt19937_64 random(seed);
  const auto& kinds = Shapes::allButLast();
  std::uniform_int_distribution<std::size_t> kindOf(0, kinds.size() - 1);
  std::uniform_real_distribution<double> unit(0.0, 1.0);

  std::vector<Color> palette;
  const int paletteSize = 1 + int(random() % 6);
  for (int k = 0; k < paletteSize; ++k)
    palette.push_back(randomTextColor(random));

  const auto figureOf = [&](Shapes kind) { return Shapes::figures()[std::size_t(kind.rawValue() - 1)]; };
  const auto decorate = [&](Shape& tile) {
    tile.setShapeColor(palette[random() % palette.size()]);
    tile.layerIndex = random() % 4 == 0 ? int(random() % 5) : 0;
  };

  std::vector<std::shared_ptr<Shape>> tiles;
  const int pieces = 1 + options.islands;
  for (int piece = 0; piece < pieces; ++piece) {
    auto root = Shape::create(figureOf(kinds[kindOf(random)]));
    if (piece == 0 && options.firstAtDefault) {
      root->place(nullptr);
    } else {
      const double scale = 0.5 + unit(random);
      root->transformation = AffineTransform::scale(scale, scale)
                                 .concatenating(AffineTransform::rotation(unit(random) * 2.0 * std::numbers::pi))
                                 .concatenating(ShapeModel::defaultTransformation())
                                 .concatenating(AffineTransform::translation(unit(random) * 2000.0 - 1000.0,
                                                                             unit(random) * 2000.0 - 1000.0));
      root->updateTransformedGeometry();
    }
    decorate(*root);
    std::vector<std::shared_ptr<Shape>> grown{root};
    const int share = options.tiles / pieces + (piece < options.tiles % pieces ? 1 : 0);
    for (int n = 1; n < share; ++n) {
      // A free side of a tile of this piece; a few tries, then the piece stops.
      std::shared_ptr<Edge> onto;
      for (int attempt = 0; attempt < 20 && !onto; ++attempt) {
        const auto& parent = grown[random() % grown.size()];
        const auto& edge = parent->edges()[random() % parent->edges().size()];
        if (!edge->join.lock())
          onto = edge;
      }
      if (!onto)
        break;
      const auto figure = figureOf(kinds[kindOf(random)]);
      const auto parent = onto->shape.lock();
      const double target = parent->scale() * parent->figure()->lengths()[std::size_t(onto->index())];
      // Prefer a side of about the same length, so that scales stay moderate.
      std::size_t own = random() % figure->lengths().size();
      for (int attempt = 0; attempt < 6; ++attempt) {
        const double ratio = target / figure->lengths()[own];
        if (ratio > 0.5 && ratio < 2.0)
          break;
        own = random() % figure->lengths().size();
      }
      auto tile = attach(figure, int(own), onto, random() % 8 == 0);
      decorate(*tile);
      grown.push_back(tile);
    }
    tiles.insert(tiles.end(), grown.begin(), grown.end());
  }
  std::shuffle(tiles.begin(), tiles.end(), random);

  std::vector<std::shared_ptr<Edge>> edges;
  for (const auto& tile : tiles)
    edges.insert(edges.end(), tile->edges().begin(), tile->edges().end());
  auto graph = Graph::create(std::move(tiles));
  graph->joinEdges(edges);
  return graph;
}

}  // namespace ornival::testing
