#pragma once

#include "platform/Precondition.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ornival {

// A picture of 8-bit red, green, blue and alpha samples with straight (not
// premultiplied) alpha. Rows are stored from the top row down, the order of
// image files; pixelUp reads in the y-up order of model space, so that code
// working in model coordinates never flips by hand.
class RgbaImage {
public:
  using Pixel = std::array<std::uint8_t, 4>;

  RgbaImage() = default;
  // Transparent black. Negative sizes are programming errors.
  RgbaImage(int width, int height) : width_(width), height_(height) {
    ORNIVAL_PRECONDITION(width >= 0 && height >= 0);
    pixels_.resize(std::size_t(width) * std::size_t(height));
  }

  int width() const { return width_; }
  int height() const { return height_; }

  // Column x of row y, rows counted from the top.
  Pixel& pixel(int x, int y) { return pixels_[index(x, y)]; }
  const Pixel& pixel(int x, int y) const { return pixels_[index(x, y)]; }
  // Column x of row y, rows counted from the bottom.
  Pixel& pixelUp(int x, int y) { return pixel(x, height_ - 1 - y); }
  const Pixel& pixelUp(int x, int y) const { return pixel(x, height_ - 1 - y); }

  // Top row first, four bytes a pixel.
  const std::uint8_t* data() const { return pixels_.empty() ? nullptr : pixels_.front().data(); }
  std::uint8_t* data() { return pixels_.empty() ? nullptr : pixels_.front().data(); }

  bool operator==(const RgbaImage&) const = default;

private:
  std::size_t index(int x, int y) const {
    ORNIVAL_PRECONDITION(x >= 0 && x < width_ && y >= 0 && y < height_);
    return std::size_t(y) * std::size_t(width_) + std::size_t(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace ornival
