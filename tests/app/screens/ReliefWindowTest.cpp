// The document window in relief on a real display (run under xvfb-run, Mesa
// in software): the relief's OpenGL widget over the view, the mouse steering
// its camera, and the program's offscreen OpenGL for relief pictures. A
// picture of the window is kept beside the test for a person to look at.

#include "app/Application.h"
#include "app/SettingsPopovers.h"
#include "app/WindowController.h"
#include "document/Document.h"
#include "document/DocumentExporter.h"
#include "editor/ViewController.h"
#include "editor/qt/SceneView.h"
#include "editor/qt/View.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace ornival {
namespace {

bool tileLike(const QColor& c) { return c.red() > c.blue() + 40; }

TEST(ReliefWindow, TheReliefShowsItsTilesAndTheMouseTurnsIt) {
  testing::qtApplication();
  QCoreApplication::setOrganizationName("OrnivalTests");
  QCoreApplication::setApplicationName(QStringLiteral("OrnivalRelief-%1").arg(::getpid()));
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const testing::TemporaryFolder folder("ornival-relief");
  Application application({ORNIVAL_EXAMPLES, folder / "autosave", 60000});
  ASSERT_TRUE(application.reliefRenderers()) << "no offscreen OpenGL on this display";
  WindowController* window =
      application.openExample("Two Squares", std::filesystem::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  window->window()->move(0, 0);
  ASSERT_TRUE(testing::waitForExposed(window->window()));
  View& view = *window->view();
  const auto editor = view.editor();

  // Where the flat view shows a tile, the relief shows it too.
  QPoint tile;
  testing::waitFor([&] {
    const QImage flat = view.grab().toImage();
    for (int y = 0; y < flat.height() && tile.isNull(); y += 4)
      for (int x = 0; x < flat.width() && tile.isNull(); x += 4)
        if (tileLike(flat.pixelColor(x, y)) && tileLike(flat.pixelColor(x + 12, y + 12)))
          tile = {x + 12, y + 12};
    return !tile.isNull();
  });
  ASSERT_FALSE(tile.isNull()) << "no tile in the flat view";

  window->performEvent([&] { window->document()->setDisplayMode(3); });
  ASSERT_TRUE(view.isRelief());
  ASSERT_NE(view.sceneView(), nullptr);
  EXPECT_EQ(view.reliefMessage(), nullptr);
  // The window takes a while to be made anew for OpenGL, and the relief to
  // be drawn there. The relief is a window of its own in the document
  // window: the screen shows them together.
  ASSERT_TRUE(testing::waitFor([&] { return view.sceneView()->isValid(); }));
  QImage relief;
  const auto lit = [&] { return relief.pixelColor(view.mapToGlobal(tile) * relief.devicePixelRatio()); };
  const auto corner = [&] {
    return relief.pixelColor(view.mapToGlobal(QPoint(3, view.height() - 4)) * relief.devicePixelRatio());
  };
  const auto backgroundCorner = [](const QColor& c) {
    return std::abs(c.blue() - 0x8C) < 12 && std::abs(c.red() - 0x3A) < 12;
  };
  testing::waitFor([&] {
    relief = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    return tileLike(lit()) && backgroundCorner(corner());
  });
  EXPECT_TRUE(relief.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/relief-window.png")));
  EXPECT_TRUE(tileLike(lit())) << lit().name().toStdString();
  EXPECT_TRUE(backgroundCorner(corner())) << corner().name().toStdString();
  // A change of the document reaches the screen without more ado.
  window->performEvent([&] { window->document()->setBackgroundColor({0.2, 0.6, 0.3, 1.0}); });
  const auto greenAt = [&](const QImage& screen) {
    return screen.pixelColor(view.mapToGlobal(QPoint(3, view.height() - 4)));
  };
  const QImage recoloured = testing::screenWhen([&](const QImage& screen) {
    const QColor c = greenAt(screen);
    return std::abs(c.green() - 153) < 12 && std::abs(c.red() - 51) < 12;
  });
  EXPECT_TRUE(recoloured.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/relief-recoloured.png")));
  const QColor green = greenAt(recoloured);
  EXPECT_TRUE(std::abs(green.green() - 153) < 12 && std::abs(green.red() - 51) < 12) << green.name().toStdString();

  // The editor's snapshot is the relief's own picture.
  const RgbaImage snapshot = editor->snapshotImage(100, 100);
  EXPECT_EQ(snapshot.width(), int(view.width() * view.devicePixelRatioF()));

  // With the mouse on the camera, a drag turns the view and the editor sees
  // no pointer; letting go glides home.
  const QImage home = view.sceneView()->grabFramebuffer();
  // As the Tab key does, through the view, which follows a glide home.
  const auto toggleCamera = [&] { view.dispatch([](ViewController& e) { e.toggleCameraControl(); }); };
  toggleCamera();
  ASSERT_TRUE(editor->cameraControl.isOn());
  const QPoint middle = view.rect().center();
  QTest::mousePress(&view, Qt::LeftButton, {}, middle);
  QTest::mouseMove(&view, middle + QPoint(120, 40));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, middle + QPoint(120, 40));
  EXPECT_NE(editor->cameraControl.turn(), 0.0);
  EXPECT_NE(editor->cameraControl.tilt(), 0.0);
  QImage turned;
  testing::waitFor([&] {
    turned = view.sceneView()->grabFramebuffer();
    return turned != home;
  });
  EXPECT_TRUE(turned.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/relief-turned.png")));
  EXPECT_NE(turned, home);
  toggleCamera();
  EXPECT_TRUE(editor->cameraControl.isGliding());
  EXPECT_TRUE(testing::waitFor([&] { return editor->cameraControl.pointOfView() == nullptr; }));

  // A relief picture exported through the program's offscreen OpenGL.
  const auto png = folder / "relief.png";
  EXPECT_EQ(application.bitmapWriter().writeBitmap(*window->document(), BitmapFileType::png, png), "");
  const QImage exported(QString::fromStdString(png.string()));
  ASSERT_FALSE(exported.isNull());
  EXPECT_EQ(exported.width(), window->document()->exportWidth());
  // The red tile lies along the middle row, wherever the seam between the
  // two falls.
  bool redTile = false;
  for (int x = 0; x < exported.width(); ++x)
    redTile = redTile || tileLike(exported.pixelColor(x, exported.height() / 2));
  EXPECT_TRUE(redTile);

  // Back to the flat view: the relief's widget goes away.
  window->performEvent([&] { window->document()->setDisplayMode(2); });
  EXPECT_FALSE(view.sceneView()->isVisible());
}

// Behind a clear background the relief stands on the checks: cells of 8
// points from the view's corner, the palette's base and a shade towards its
// text, wherever the window's edge lies after a resize and in the colours of
// a palette set later.
TEST(ReliefWindow, ChecksStandBehindAClearBackgroundAfterAResizeAndANewPalette) {
  testing::qtApplication();
  QCoreApplication::setOrganizationName("OrnivalTests");
  QCoreApplication::setApplicationName(QStringLiteral("OrnivalReliefChecks-%1").arg(::getpid()));
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const testing::TemporaryFolder folder("ornival-relief-checks");
  Application application({ORNIVAL_EXAMPLES, folder / "autosave", 60000});
  WindowController* window =
      application.openExample("Two Squares", std::filesystem::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  window->window()->move(0, 0);
  ASSERT_TRUE(testing::waitForExposed(window->window()));
  View& view = *window->view();
  window->performEvent([&] {
    window->document()->setBackgroundColor({0.0, 0.0, 0.0, 0.0});
    window->document()->setDisplayMode(3);
  });
  ASSERT_NE(view.sceneView(), nullptr);
  ASSERT_TRUE(testing::waitFor([&] { return view.sceneView()->isValid(); }));

  const auto shades = [&] {
    const QColor base = view.palette().color(QPalette::Base).toRgb();
    const QColor text = view.palette().color(QPalette::Text).toRgb();
    const auto towards = [](int a, int b) { return a + (b - a) / 5; };
    return std::pair(base, QColor(towards(base.red(), text.red()), towards(base.green(), text.green()),
                                  towards(base.blue(), text.blue())));
  };
  // The pixels of the two cells at the view's lower right corner, one cell
  // in from it, where no tile lies; false where the screen shows otherwise.
  const auto showsChecks = [&](const QImage& screen) {
    const auto [base, other] = shades();
    const QPoint corner(view.width() - 1, view.height() - 1);
    for (const QPoint at : {corner - QPoint(12, 12), corner - QPoint(20, 12)}) {
      const QPoint cell(at.x() / 8, at.y() / 8);
      const QColor expected = (cell.x() + cell.y()) % 2 ? other : base;
      const QPoint pixel = view.mapToGlobal(at) * screen.devicePixelRatio();
      if (screen.pixelColor(pixel).rgb() != expected.rgb())
        return false;
    }
    return true;
  };
  EXPECT_TRUE(showsChecks(testing::screenWhen(showsChecks)));

  window->window()->resize(window->window()->size() + QSize(37, 21));
  EXPECT_TRUE(showsChecks(testing::screenWhen(showsChecks)));

  QPalette dark = view.palette();
  dark.setColor(QPalette::Base, QColor(30, 30, 34));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  view.setPalette(dark);
  view.sceneView()->update();
  EXPECT_TRUE(showsChecks(testing::screenWhen(showsChecks)));
}

// The surface popover draws its preview in an OpenGL context of its own,
// off screen, in the same process as the relief's window: before the relief
// is shown, and while it is, every change still reaches the screen.
TEST(ReliefWindow, RepaintsAroundTheSurfacePreviewsOwnDrawing) {
  testing::qtApplication();
  QCoreApplication::setOrganizationName("OrnivalTests");
  QCoreApplication::setApplicationName(QStringLiteral("OrnivalReliefPreview-%1").arg(::getpid()));
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const testing::TemporaryFolder folder("ornival-relief-preview");
  Application application({ORNIVAL_EXAMPLES, folder / "autosave", 60000});
  WindowController* window =
      application.openExample("Two Squares", std::filesystem::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  window->window()->move(0, 0);
  ASSERT_TRUE(testing::waitForExposed(window->window()));
  View& view = *window->view();
  SurfacePopover& surface = *window->surfacePopover();
  const QWidget* preview = surface.preview();
  const auto showPreview = [&] {
    EXPECT_TRUE(window->send({"showSurface", 0, {}}));
    EXPECT_TRUE(testing::waitForExposed(&surface));
    const QImage shown = testing::screenWhen([&](const QImage& screen) {
      const QColor middle(screen.pixel(preview->mapToGlobal(preview->rect().center())));
      return middle.red() > middle.blue() + 40;
    });
    const QColor middle(shown.pixel(preview->mapToGlobal(preview->rect().center())));
    EXPECT_GT(middle.red(), middle.blue() + 40) << middle.name().toStdString();
  };
  window->performEvent([&] { window->document()->setShapeColor({0.85, 0.3, 0.2, 1}); });
  showPreview();
  surface.hide();

  window->performEvent([&] { window->document()->setDisplayMode(3); });
  ASSERT_NE(view.sceneView(), nullptr);
  ASSERT_TRUE(testing::waitFor([&] { return view.sceneView()->isValid(); }));
  const auto cornerIs = [&](int red, int green) {
    return [&view, red, green](const QImage& screen) {
      const QColor c = screen.pixelColor(view.mapToGlobal(QPoint(3, view.height() - 4)) * screen.devicePixelRatio());
      return std::abs(c.red() - red) < 12 && std::abs(c.green() - green) < 12;
    };
  };
  // The example's own background, then one the change sets.
  EXPECT_TRUE(cornerIs(0x3A, 0x5A)(testing::screenWhen(cornerIs(0x3A, 0x5A))));
  window->performEvent([&] { window->document()->setBackgroundColor({0.2, 0.6, 0.3, 1.0}); });
  EXPECT_TRUE(cornerIs(51, 153)(testing::screenWhen(cornerIs(51, 153))));

  // The preview drawn again over the relief, and a change after it.
  showPreview();
  window->performEvent([&] { window->document()->setRipple(0.5); });
  window->performEvent([&] { window->document()->setBackgroundColor({0.6, 0.2, 0.3, 1.0}); });
  const QImage recoloured = testing::screenWhen(cornerIs(153, 51));
  EXPECT_TRUE(recoloured.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/relief-after-preview.png")));
  EXPECT_TRUE(cornerIs(153, 51)(recoloured));
  surface.hide();
}

}  // namespace
}  // namespace ornival
