#pragma once

#include "platform/Hash.h"

#include <cstddef>
#include <functional>

namespace ornival {

// An sRGB colour with straight (not premultiplied) alpha, components in 0...1.
// Equality is exact: colours are table keys (the colour table of a document,
// the material cache), and two colours that print alike in a file are equal.
struct Color {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  double alpha = 1.0;

  bool operator==(const Color&) const = default;

  static constexpr Color white() { return {1.0, 1.0, 1.0, 1.0}; }
  static constexpr Color black() { return {0.0, 0.0, 0.0, 1.0}; }
  static constexpr Color clear() { return {0.0, 0.0, 0.0, 0.0}; }
};

struct ColorHash {
  std::size_t operator()(const Color& c) const noexcept {
    std::size_t seed = 0;
    // -0 as +0, since the two compare equal.
    for (double v : {c.red, c.green, c.blue, c.alpha})
      seed = combineHash(seed, v + 0.0);
    return seed;
  }
};

}  // namespace ornival

template <>
struct std::hash<ornival::Color> : ornival::ColorHash {};
