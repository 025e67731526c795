#include "app/PaletteColors.h"

#include <algorithm>
#include <cmath>

namespace ornival::paletteColors {

namespace {

double channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double luminance(const QColor& color) {
  const QColor rgb = color.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

}  // namespace

double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor over(const QColor& a, const QColor& b) {
  const QColor x = a.toRgb();
  const QColor y = b.toRgb();
  const double alpha = x.alphaF() + y.alphaF() * (1.0 - x.alphaF());
  if (alpha <= 0.0)
    return QColor(0, 0, 0, 0);
  const auto blend = [&](double top, double bottom) {
    return (top * x.alphaF() + bottom * y.alphaF() * (1.0 - x.alphaF())) / alpha;
  };
  return QColor::fromRgbF(float(blend(x.redF(), y.redF())), float(blend(x.greenF(), y.greenF())),
                          float(blend(x.blueF(), y.blueF())), float(alpha));
}

QColor mixed(const QColor& a, const QColor& b, double t) {
  const QColor x = a.toRgb();
  const QColor y = b.toRgb();
  const auto mix = [t](double p, double q) { return float(p + (q - p) * t); };
  return QColor::fromRgbF(mix(x.redF(), y.redF()), mix(x.greenF(), y.greenF()), mix(x.blueF(), y.blueF()),
                          mix(x.alphaF(), y.alphaF()));
}

bool isDark(const QPalette& palette) {
  return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

QColor readableOn(const QColor& ground, const QColor& preferred) {
  const QColor text = over(preferred, ground);
  if (contrast(text, ground) >= readableContrast)
    return text;
  return contrast(Qt::black, ground) >= contrast(Qt::white, ground) ? QColor(Qt::black) : QColor(Qt::white);
}

QColor secondaryOn(const QColor& ground, const QColor& text) {
  const QColor strong = readableOn(ground, text);
  // The quietest shade that still reads, no quieter than two fifths of the
  // way to the ground.
  for (double t = 0.4; t > 0.0; t -= 0.05) {
    const QColor candidate = mixed(strong, ground, t);
    if (contrast(candidate, ground) >= readableContrast + 0.1)
      return candidate;
  }
  return strong;
}

QColor browserGround(const QPalette& palette) {
  return mixed(palette.color(QPalette::Base), palette.color(QPalette::Text), isDark(palette) ? 0.06 : 0.1);
}

}  // namespace ornival::paletteColors
