#pragma once

#include "platform/Color.h"

#include <cstddef>
#include <functional>

namespace ornival {

// One border band of a tile: its width in canvas units and its colour. A tile
// has three.
struct LineAttribute {
  double width = 0.0;
  Color color;

  bool operator==(const LineAttribute&) const = default;
  // Bands are ordered by width alone, so sorting them keeps equally wide bands
  // in their order when the sort is stable.
  friend bool operator<(const LineAttribute& a, const LineAttribute& b) { return a.width < b.width; }
};

struct LineAttributeHash {
  std::size_t operator()(const LineAttribute& band) const noexcept {
    // +0 and -0 compare equal, so they must hash alike.
    const std::size_t seed = std::hash<double>{}(band.width == 0.0 ? 0.0 : band.width);
    return seed ^ (ColorHash{}(band.color) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
  }
};

}  // namespace ornival

template <>
struct std::hash<ornival::LineAttribute> : ornival::LineAttributeHash {};
