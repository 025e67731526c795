#pragma once

#include "editor/DragAction.h"
#include "platform/Color.h"
#include "platform/Path.h"

#include <QCursor>

namespace ornival {

// The cursors the platform has no equivalent of: double arrows for the page
// frame's and the underlay's handles, and a disc in the tool colour for
// painting; and the cursor shown for each drag action.
class Cursor {
public:
  // A path in unit coordinates (about −1 to 1, y up) scaled into a square of
  // size points with a margin of 4, stroked white 4 wide with round caps and
  // then black 2 wide; the hot spot in the middle.
  static QCursor make(const Path& path, double size);
  // The same, filled with the colour between the two strokes.
  static QCursor make(const Path& path, const Color& color, double size);

  // Made once per process.
  static const QCursor& horizontalDoubleArrow();
  static const QCursor& verticalDoubleArrow();
  static const QCursor& risingDiagonalDoubleArrow();
  static const QCursor& fallingDiagonalDoubleArrow();

  // The double arrow's path from (−1, 0) to (1, 0) with its two heads.
  static Path doubleArrowPath();

  // What the pointer shows while a drag would do the action; the colour disc
  // is made anew each time, in the tool colour.
  static QCursor forDragAction(DragAction action, const Color& shapeColor);
};

}  // namespace ornival
