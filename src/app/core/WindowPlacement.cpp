#include "app/core/WindowPlacement.h"

#include <algorithm>

namespace ornival {

WindowPlacement placeWindow(int preferredWidth, int preferredHeight, const ScreenRect& available,
                            const FrameMargins& frame, const std::optional<ScreenRect>& previousFrame) {
  WindowPlacement placement;
  const int roomWidth = available.width - frame.left - frame.right;
  const int roomHeight = available.height - frame.top - frame.bottom;
  placement.width = std::max(1, std::min(preferredWidth, roomWidth));
  placement.height = std::max(1, std::min(preferredHeight, roomHeight));
  if (!previousFrame)
    return placement;
  // A title bar's height down and right of the last window, frame to frame.
  const int step = std::max(frame.top, 24);
  int left = previousFrame->x + step;
  int top = previousFrame->y + step;
  const int frameWidth = placement.width + frame.left + frame.right;
  const int frameHeight = placement.height + frame.top + frame.bottom;
  if (left + frameWidth > available.x + available.width || left < available.x)
    left = available.x;
  if (top + frameHeight > available.y + available.height || top < available.y)
    top = available.y;
  placement.x = left;
  placement.y = top;
  return placement;
}

}  // namespace ornival
