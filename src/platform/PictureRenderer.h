#pragma once

#include "platform/Painter.h"
#include "platform/RgbaImage.h"

#include <functional>

namespace ornival {

// Draws through a painter into a new picture: QPainter onto an image in the
// program, a recording painter in tests. The painter's coordinates are the
// picture's pixels with y up, (0, 0) at the lower left corner, as the page
// drawing expects; the picture comes back the right way up.
class PictureRenderer {
public:
  virtual ~PictureRenderer() = default;
  // A transparent picture of width × height pixels (both at least 1) with the
  // drawing on it; an empty picture when one of that size cannot be made.
  virtual RgbaImage render(int width, int height, const std::function<void(Painter&)>& draw) = 0;
};

}  // namespace ornival
