#include "editor/qt/Cursor.h"

#include "support/QtApplication.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(Cursor, EachDragActionShowsItsCursor) {
  testing::qtApplication();
  const std::pair<DragAction, Qt::CursorShape> standard[] = {
      {DragAction::ignore, Qt::ArrowCursor},          {DragAction::copy, Qt::DragCopyCursor},
      {DragAction::remove, Qt::ForbiddenCursor},      {DragAction::cutAndPaste, Qt::ClosedHandCursor},
      {DragAction::rubberband, Qt::CrossCursor},      {DragAction::move, Qt::OpenHandCursor},
      {DragAction::add, Qt::CrossCursor},             {DragAction::camera, Qt::OpenHandCursor},
  };
  for (const auto& [action, shape] : standard)
    EXPECT_EQ(Cursor::forDragAction(action, Color::white()).shape(), shape) << int(action);

  const auto key = [](const QCursor& cursor) { return cursor.pixmap().cacheKey(); };
  const std::pair<DragAction, const QCursor*> arrows[] = {
      {DragAction::rightBounds, &Cursor::horizontalDoubleArrow()},
      {DragAction::leftBounds, &Cursor::horizontalDoubleArrow()},
      {DragAction::topRightBounds, &Cursor::risingDiagonalDoubleArrow()},
      {DragAction::bottomLeftBounds, &Cursor::risingDiagonalDoubleArrow()},
      {DragAction::topBounds, &Cursor::verticalDoubleArrow()},
      {DragAction::bottomBounds, &Cursor::verticalDoubleArrow()},
      {DragAction::topLeftBounds, &Cursor::fallingDiagonalDoubleArrow()},
      {DragAction::bottomRightBounds, &Cursor::fallingDiagonalDoubleArrow()},
  };
  for (const auto& [action, cursor] : arrows) {
    const QCursor shown = Cursor::forDragAction(action, Color::white());
    EXPECT_EQ(shown.shape(), Qt::BitmapCursor);
    // Made once per process: the same picture every time.
    EXPECT_EQ(key(shown), key(*cursor)) << int(action);
    EXPECT_EQ(shown.hotSpot(), QPoint(12, 12));
  }
  EXPECT_NE(key(Cursor::horizontalDoubleArrow()), key(Cursor::verticalDoubleArrow()));
}

TEST(Cursor, TheArrowsLieAlongTheirDirectionsWithYUp) {
  testing::qtApplication();
  const auto opaque = [](const QCursor& cursor, int x, int y) {
    return cursor.pixmap().toImage().pixelColor(x, y).alpha() > 128;
  };
  EXPECT_TRUE(opaque(Cursor::horizontalDoubleArrow(), 4, 12));
  EXPECT_FALSE(opaque(Cursor::horizontalDoubleArrow(), 12, 3));
  EXPECT_TRUE(opaque(Cursor::verticalDoubleArrow(), 12, 4));
  // Rising: from lower left to upper right on the screen.
  EXPECT_TRUE(opaque(Cursor::risingDiagonalDoubleArrow(), 19, 5));
  EXPECT_FALSE(opaque(Cursor::risingDiagonalDoubleArrow(), 5, 5));
  EXPECT_TRUE(opaque(Cursor::fallingDiagonalDoubleArrow(), 5, 5));
}

TEST(Cursor, TheColourDiscShowsTheToolColour) {
  testing::qtApplication();
  const Color red{1, 0, 0, 1}, blue{0, 0, 1, 1};
  const QImage disc = Cursor::forDragAction(DragAction::color, red).pixmap().toImage();
  EXPECT_EQ(disc.pixelColor(12, 12), QColor(255, 0, 0));
  EXPECT_EQ(Cursor::forDragAction(DragAction::color, blue).pixmap().toImage().pixelColor(12, 12),
            QColor(0, 0, 255));
}

}  // namespace
}  // namespace ornival
