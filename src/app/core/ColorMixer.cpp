#include "app/core/ColorMixer.h"

#include <algorithm>
#include <cmath>

namespace ornival {

namespace {

double lerp(double a, double b, double w) { return (1.0 - w) * a + w * b; }

bool mixable(const Color& c) {
  for (const double component : {c.red, c.green, c.blue, c.alpha})
    if (!std::isfinite(component) || component < 0.0 || component > 1.0)
      return false;
  return true;
}

}  // namespace

Color mixedColor(const Color& a, const Color& b, double w, int column) {
  const double alpha = lerp(a.alpha, b.alpha, w);
  const Color rgb{lerp(a.red, b.red, w), lerp(a.green, b.green, w), lerp(a.blue, b.blue, w), alpha};
  const HsbColor ha = hsbOf(a), hb = hsbOf(b);
  const Color hsb = colorOf({lerp(ha.hue, hb.hue, w), lerp(ha.saturation, hb.saturation, w),
                             lerp(ha.brightness, hb.brightness, w), alpha});
  const double u = column / 4.0;
  return {lerp(rgb.red, hsb.red, u), lerp(rgb.green, hsb.green, u), lerp(rgb.blue, hsb.blue, u), alpha};
}

std::optional<ColorMix> mixColors(const Color& a, const Color& b, double weight) {
  if (!mixable(a) || !mixable(b) || !std::isfinite(weight))
    return std::nullopt;
  ColorMix mix{a, b, {}};
  if (a == b && a.red == 0.0 && a.green == 0.0 && a.blue == 0.0) {
    mix.a = {1.0, 0.0, 0.0, 1.0};
    mix.b = {1.0, 1.0, 0.0, 1.0};
  }
  const double t = std::clamp(weight, 0.0, 1.0);
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 5; ++column)
      mix.rows[std::size_t(row)][std::size_t(column)] = mixedColor(mix.a, mix.b, row == 0 ? t : row * 0.125, column);
  return mix;
}

}  // namespace ornival
