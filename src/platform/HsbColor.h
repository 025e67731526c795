#pragma once

#include "platform/Color.h"

namespace ornival {

// A colour as hue, saturation and brightness, each in 0…1, with its alpha.
struct HsbColor {
  double hue = 0.0;
  double saturation = 0.0;
  double brightness = 0.0;
  double alpha = 1.0;
};

HsbColor hsbOf(const Color& color);
// Hues outside 0…1 wrap round the circle.
Color colorOf(const HsbColor& color);

}  // namespace ornival
