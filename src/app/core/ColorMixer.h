#pragma once

#include "platform/Color.h"
#include "platform/HsbColor.h"

#include <array>
#include <optional>

namespace ornival {

// The colour popover's mixer: two colours A and B blended into a grid of
// five columns and eight rows. Column k lies k quarters of the way from the
// plain RGB blend to the plain HSB blend (hue taken straight, not round the
// circle); the top row blends at the slider's weight, rows 1 to 7 at eighths.
struct ColorMix {
  // A and B as used: two blacks become red and yellow, which the wells then
  // show too.
  Color a;
  Color b;
  std::array<std::array<Color, 5>, 8> rows;
};

// Components outside 0…1 or not finite cannot be mixed: none.
std::optional<ColorMix> mixColors(const Color& a, const Color& b, double weight);

// The grid's colour at weight w in column k (0…4).
Color mixedColor(const Color& a, const Color& b, double weight, int column);

}  // namespace ornival
