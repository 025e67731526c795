#pragma once

#include "platform/PictureRenderer.h"

namespace ornival {

// Draws with QPainter, antialiased, onto a transparent image.
class QtPictureRenderer final : public PictureRenderer {
public:
  RgbaImage render(int width, int height, const std::function<void(Painter&)>& draw) override;
};

}  // namespace ornival
