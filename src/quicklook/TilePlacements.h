#pragma once

#include "document/DocumentSettings.h"
#include "document/OrnivalModel.h"
#include "platform/AffineTransform.h"
#include "platform/Color.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace ornival {

class Figure;

// One tile as a picture needs it: its figure, where it lies, its colour and
// which of its sides are glued inside a group. Some 80 bytes, where a tile of
// the full model takes kilobytes with its edges.
struct PlacedTile {
  AffineTransform transformation;
  // Bit k: side k is glued inside a group.
  std::uint64_t groupJoins = 0;
  // Bit k: side k holds the neighbour the file glued to it.
  std::uint64_t joined = 0;
  // Index into TilePlacements::colors, or noColor for the document's tile
  // colour.
  std::uint32_t color = 0;
  // The catalogue figure number.
  std::uint16_t figure = 0;
};

// The tiles of a document text reduced to their placements, for pictures of
// documents too large for the full model: a million tiles take some 80 MB
// here. It reads by the full reader's rules, line for line, so that the same
// tiles come out in the same places with the same colours and group sides;
// what it leaves out is what only editing needs (edges as objects, layers,
// solids, candidate tables).
//
// One thread at a time.
class TilePlacements {
public:
  static constexpr std::uint32_t noColor = UINT32_MAX;

  std::vector<PlacedTile> tiles;
  // The colour table, followed by the colours written in tile lines of the
  // first file version.
  std::vector<Color> colors;
  DocumentSettings settings;

  // Reads the whole text. Stops taking tiles after maxTiles and says so;
  // text that is not UTF-8 is not looked at.
  struct Result {
    TextKind kind = TextKind::notDocument;
    bool tooManyTiles = false;
  };
  Result read(std::string_view text, std::size_t maxTiles);

  bool is3D() const { return settings.displayMode == 3; }
  // The tile's fill colour, the document's tile colour where it has none.
  const Color& colorOf(const PlacedTile& tile) const {
    return tile.color == noColor ? settings.shapeColor : colors[tile.color];
  }
  static const Figure& figureOf(const PlacedTile& tile);
  // Where the tile's corner k lies, as the full model's edge k has it.
  static Vec2 corner(const PlacedTile& tile, std::size_t k);
};

}  // namespace ornival
