#pragma once

#include "platform/RgbaImage.h"

#include <optional>

namespace ornival {

// Something that draws a scene, as seen from a camera it shares with its
// caller, into a new picture: an offscreen OpenGL view in the program, a fake
// in tests. The caller moves the camera between snapshots; the renderer reads
// it afresh each time.
class SnapshotRenderer {
public:
  virtual ~SnapshotRenderer() = default;

  // A picture of width × height pixels, both at least 1, with multisampling
  // when `antialiased` and the renderer can; none when it cannot draw one.
  virtual std::optional<RgbaImage> snapshot(int width, int height, bool antialiased) = 0;
};

}  // namespace ornival
