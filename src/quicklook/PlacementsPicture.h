#pragma once

#include "platform/Path.h"

#include <QImage>

#include <cstddef>
#include <memory>
#include <vector>

namespace ornival {

class TilePlacements;

// The flat picture of tiles given by their placements, fitted into a
// size × size image the way the 2D view fits the full model: the background,
// each tile's fill, and the border bands along the tiles' outlines, around
// each group as a whole. The crossing bands, which need the whole glued
// tiling, are left out.
//
// Time and memory follow the tiles one by one: a million tiles take seconds
// and, besides the placements, a few megabytes.
QImage drawPlacements(const TilePlacements& placements, int size);

// Each factor × factor block of pixels averaged into one.
QImage shrunkBy(const QImage& image, int factor);

// The border outlines of placed tiles, in canvas units, as the full model's
// tiles draw theirs: through the midpoints of the outer sides, round the
// corners, onto the neighbour's side where a group join ends a run. A side
// glued inside a group finds its partner by its end points.
class PlacedOutlines {
public:
  explicit PlacedOutlines(const TilePlacements& placements);
  ~PlacedOutlines();
  PlacedOutlines(const PlacedOutlines&) = delete;
  PlacedOutlines& operator=(const PlacedOutlines&) = delete;

  std::vector<PathElement> outline(std::size_t index) const;

private:
  struct Partners;
  const TilePlacements& placements_;
  std::unique_ptr<Partners> partners_;
};

}  // namespace ornival
