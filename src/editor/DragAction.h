#pragma once

namespace ornival {

// What the current mouse gesture does; chosen while the pointer hovers and at
// mouse down, and followed by the cursor. Raw values are fixed.
enum class DragAction : int {
  ignore = 0,
  copy = 1,
  remove = 2,
  cutAndPaste = 3,
  rubberband = 4,
  rightBounds = 5,
  topRightBounds = 6,
  topBounds = 7,
  topLeftBounds = 8,
  leftBounds = 9,
  bottomLeftBounds = 10,
  bottomBounds = 11,
  bottomRightBounds = 12,
  move = 13,
  color = 14,
  add = 15,
  camera = 16,
};

}  // namespace ornival
