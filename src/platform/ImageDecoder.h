#pragma once

#include "platform/RgbaImage.h"

#include <filesystem>
#include <optional>

namespace ornival {

// Reads a picture file into pixels: the Qt image reader in the program, a
// fake in tests. Main thread only.
class ImageDecoder {
public:
  virtual ~ImageDecoder() = default;
  // None when the file is no picture this decoder can read.
  virtual std::optional<RgbaImage> decode(const std::filesystem::path& file) = 0;
};

}  // namespace ornival
