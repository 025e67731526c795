// The document window on a real display (run under xvfb-run) with its
// toolbar, the figure strip and the colour popover open: a picture of the
// whole screen is kept beside the test for a person to look at, and its
// pixels are checked where the popover's mixed wells are.

#include "app/Application.h"
#include "app/ColorPopover.h"
#include "app/ColorWell.h"
#include "app/SettingsPopovers.h"
#include "document/Document.h"
#include "app/ToolbarDelegate.h"
#include "app/WindowController.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(PopoverScreenshot, TheColourPopoverShowsItsMixedWellsOverTheWindow) {
  testing::qtApplication();
  QCoreApplication::setOrganizationName("OrnivalTests");
  QCoreApplication::setApplicationName(QStringLiteral("OrnivalScreenshot-%1").arg(::getpid()));
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const std::filesystem::path examples = ORNIVAL_EXAMPLES;
  const testing::TemporaryFolder folder("ornival-screens");
  Application application({examples, folder / "autosave", 60000});
  WindowController* window =
      application.openExample("Two Squares", std::filesystem::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  window->window()->move(0, 0);
  window->send({"toggleToolStrip", 0, {}});
  ASSERT_TRUE(testing::waitForExposed(window->window()));

  ColorPopover& colors = *window->colorPopover();
  ASSERT_TRUE(window->sendFrom({"selectColor", 0, {}}, window->toolbarDelegate()->toolbar().widgetForAction(
                                                          window->toolbarDelegate()->makeToolbarItem("Color"))));
  ASSERT_TRUE(testing::waitForExposed(&colors));
  colors.colorB()->setColor({0, 0, 1, 1});
  colors.mixColors();

  // Row 4 of the grid: red to blue through purple on the left, through green
  // on the right.
  QImage screen;
  const auto at = [&](int row, int column) {
    const QWidget* well = colors.mixWell(row, column);
    const QPoint centre = well->mapToGlobal(well->rect().center());
    return QColor(screen.pixel(centre));
  };
  const auto near = [](const QColor& actual, const QColor& expected) {
    return std::abs(actual.red() - expected.red()) <= 2 && std::abs(actual.green() - expected.green()) <= 2 &&
           std::abs(actual.blue() - expected.blue()) <= 2;
  };
  // The popover and its wells reach the display a while after it is exposed.
  screen = testing::screenWhen([&](const QImage& shown) {
    screen = shown;
    return near(at(4, 0), QColor(128, 0, 128)) && near(at(4, 4), QColor(0, 255, 0)) &&
           near(at(0, 0), QColor(128, 0, 128));
  });
  const QString picture = QStringLiteral(ORNIVAL_SCREENSHOTS "/colour-popover.png");
  EXPECT_TRUE(screen.save(picture)) << picture.toStdString();
  EXPECT_TRUE(near(at(4, 0), QColor(128, 0, 128))) << at(4, 0).name().toStdString();
  EXPECT_TRUE(near(at(4, 4), QColor(0, 255, 0))) << at(4, 4).name().toStdString();
  EXPECT_TRUE(near(at(0, 0), QColor(128, 0, 128))) << at(0, 0).name().toStdString();
  colors.hide();

  // The surface popover's sphere, lit from above on the left.
  SurfacePopover& surface = *window->surfacePopover();
  window->performEvent([&] { window->document()->setShapeColor({0.85, 0.3, 0.2, 1}); });
  ASSERT_TRUE(window->send({"showSurface", 0, {}}));
  ASSERT_TRUE(testing::waitForExposed(&surface));
  const QWidget* preview = surface.preview();
  const auto middleOf = [&](const QImage& shown) {
    return QColor(shown.pixel(preview->mapToGlobal(preview->rect().center())));
  };
  const QImage relief = testing::screenWhen([&](const QImage& shown) {
    const QColor middle = middleOf(shown);
    return middle.red() > middle.blue() + 40;
  });
  EXPECT_TRUE(relief.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/surface-popover.png")));
  const QColor middle = middleOf(relief);
  EXPECT_GT(middle.red(), middle.blue() + 40) << middle.name().toStdString();
  surface.hide();
}

}  // namespace
}  // namespace ornival
