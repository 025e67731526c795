#pragma once

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
    // +0 and -0 compare equal, so they must hash alike.
    auto h = [](double v) { return std::hash<double>{}(v == 0.0 ? 0.0 : v); };
    std::size_t seed = h(c.red);
    for (double v : {c.green, c.blue, c.alpha})
      seed ^= h(v) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
  }
};

}  // namespace ornival

template <>
struct std::hash<ornival::Color> : ornival::ColorHash {};
