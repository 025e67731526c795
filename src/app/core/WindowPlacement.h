#pragma once

#include <optional>

namespace ornival {

// Where a new document window goes on the screen, in the screen's points.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const ScreenRect&) const = default;
};

// The window's frame takes this much beyond its content, each side.
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// A new window of the preferred content size: no larger than fits, frame
// and all, in the screen's free area. The first window is left where the
// window manager puts it (no position); each further one stands a title
// bar's height below and right of the window before it, and starts again at
// the free area's edge where it would not fit whole.
struct WindowPlacement {
  // The content's size.
  int width = 0;
  int height = 0;
  // The frame's top left corner, when the program places the window.
  std::optional<int> x;
  std::optional<int> y;
};

WindowPlacement placeWindow(int preferredWidth, int preferredHeight, const ScreenRect& available,
                            const FrameMargins& frame, const std::optional<ScreenRect>& previousFrame);

}  // namespace ornival
