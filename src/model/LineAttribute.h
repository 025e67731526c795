#pragma once

#include "platform/Color.h"
#include "platform/Hash.h"

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
    // -0 as +0, since the two compare equal.
    return combineHash(combineHash(0, band.width + 0.0), band.color);
  }
};

}  // namespace ornival

template <>
struct std::hash<ornival::LineAttribute> : ornival::LineAttributeHash {};
