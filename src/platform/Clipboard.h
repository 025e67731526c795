#pragma once

#include "platform/RgbaImage.h"

#include <optional>
#include <string>

namespace ornival {

// The system clipboard: the Qt clipboard in the program, a fake in tests.
// Main thread only.
class Clipboard {
public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's contents with the picture and, when given, a
  // text beside it, so that a paste takes whichever the target accepts.
  virtual void copy(const RgbaImage& image, const std::optional<std::string>& text) = 0;
};

}  // namespace ornival
