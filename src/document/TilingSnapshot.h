#pragma once

#include "platform/AffineTransform.h"
#include "platform/Color.h"
#include "platform/Progress.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ornival {

class Figure;
class Shape;

// The tiles of a document as they stood at one moment, as plain values: what
// work on another thread (an export, a save) reads while the user goes on
// editing the live tiles. Taking it reads each tile once and changes
// nothing; the joins are not copied, since the editor joins every pair of
// sides that meet, and the tiles made again are glued the same way.
class TilingSnapshot {
public:
  struct Tile {
    // Kept alive by `figures`.
    const Figure* figure = nullptr;
    AffineTransform transformation;
    Color shapeColor;
    double shapeBezierFactor = 2.0;
    double shapeRadiusLimit = 1.0;
    double borderBezierFactor = 2.0;
    double borderRadiusLimit = 1.0;
    double metalness = 0.5;
    double roughness = 0.5;
    double surfaceRoundness = 1.0;
    int layerIndex = 0;
    // Bit k: side k is glued inside a group.
    std::uint64_t groupJoins = 0;
  };

  // Main thread: the tiles in their order. Large tilings are read by several
  // threads while the main thread waits.
  static std::shared_ptr<const TilingSnapshot> take(const std::vector<std::shared_ptr<Shape>>& tiles);

  std::vector<Tile> tiles;
  // Every figure the tiles name, once.
  std::vector<std::shared_ptr<const Figure>> figures;

  // Any thread: new tiles like the ones taken, in their order, glued where
  // their sides meet. No display has seen them, so the thread that made them
  // may drop them. Empty when the work is to stop.
  std::vector<std::shared_ptr<Shape>> makeTiles(Progress& progress = Progress::none()) const;
};

}  // namespace ornival
