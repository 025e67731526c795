#pragma once

#include "platform/ImageDecoder.h"

namespace ornival {

// Reads any picture format Qt's image plugins know, turned upright by the
// file's own orientation mark. Pictures beyond Qt's allocation limit are
// refused like files that are no picture.
class QtImageDecoder final : public ImageDecoder {
public:
  std::optional<RgbaImage> decode(const std::filesystem::path& file) override;
};

}  // namespace ornival
