#include "app/core/WindowPlacement.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(WindowPlacement, ANewWindowFitsTheScreenAndCascadesFromTheLastOne) {
  const FrameMargins frame{2, 30, 2, 2};
  const ScreenRect wide{0, 0, 1920, 1080};
  // A small screen at twice the density: 640 × 400 points, less a panel.
  const ScreenRect small{0, 27, 640, 373};
  struct Case {
    const char* what;
    ScreenRect available;
    std::optional<ScreenRect> previous;
    WindowPlacement expected;
  };
  const Case cases[] = {
      {"first, room to spare: its own size, placed by the window manager", wide, std::nullopt, {1080, 800, {}, {}}},
      {"first, on a small screen: what fits, frame and all", small, std::nullopt, {636, 341, {}, {}}},
      {"next: a title bar below and right of the last", wide, ScreenRect{100, 50, 1084, 832}, {1080, 800, 130, 80}},
      {"next, off the bottom: back to the top", wide, ScreenRect{100, 230, 1084, 832}, {1080, 800, 130, 0}},
      {"next, off the right: back to the left", wide, ScreenRect{820, 50, 1084, 832}, {1080, 800, 0, 80}},
      {"next on the small screen: back to its corner", small, ScreenRect{0, 27, 640, 373}, {636, 341, 0, 27}},
  };
  for (const Case& c : cases) {
    const WindowPlacement placed = placeWindow(1080, 800, c.available, frame, c.previous);
    EXPECT_EQ(placed.width, c.expected.width) << c.what;
    EXPECT_EQ(placed.height, c.expected.height) << c.what;
    EXPECT_EQ(placed.x, c.expected.x) << c.what;
    EXPECT_EQ(placed.y, c.expected.y) << c.what;
  }
}

}  // namespace
}  // namespace ornival
