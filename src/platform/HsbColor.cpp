#include "platform/HsbColor.h"

#include <algorithm>
#include <cmath>

namespace ornival {

HsbColor hsbOf(const Color& color) {
  const double r = color.red, g = color.green, b = color.blue;
  const double high = std::max({r, g, b});
  const double low = std::min({r, g, b});
  const double chroma = high - low;
  HsbColor result;
  result.brightness = high;
  result.saturation = high > 0.0 ? chroma / high : 0.0;
  result.alpha = color.alpha;
  if (chroma > 0.0) {
    double hue;
    if (high == r)
      hue = std::fmod((g - b) / chroma, 6.0);
    else if (high == g)
      hue = (b - r) / chroma + 2.0;
    else
      hue = (r - g) / chroma + 4.0;
    hue /= 6.0;
    result.hue = hue < 0.0 ? hue + 1.0 : hue;
  }
  return result;
}

Color colorOf(const HsbColor& color) {
  const double h = (color.hue - std::floor(color.hue)) * 6.0;
  const double s = color.saturation, v = color.brightness;
  const int sector = std::min(int(h), 5);
  const double f = h - sector;
  const double p = v * (1.0 - s), q = v * (1.0 - s * f), t = v * (1.0 - s * (1.0 - f));
  switch (sector) {
    case 0: return {v, t, p, color.alpha};
    case 1: return {q, v, p, color.alpha};
    case 2: return {p, v, t, color.alpha};
    case 3: return {p, q, v, color.alpha};
    case 4: return {t, p, v, color.alpha};
    default: return {v, p, q, color.alpha};
  }
}

}  // namespace ornival
