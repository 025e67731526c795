// The document window in relief on a real display (run under xvfb-run, Mesa
// in software): the relief's OpenGL widget over the view, the mouse steering
// its camera, and the program's offscreen OpenGL for relief pictures. A
// picture of the window is kept beside the test for a person to look at.

#include "app/Application.h"
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
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
  View& view = *window->view();
  const auto editor = view.editor();

  // Where the flat view shows a tile, the relief shows it too.
  QTest::qWait(100);
  const QImage flat = view.grab().toImage();
  QPoint tile;
  for (int y = 0; y < flat.height() && tile.isNull(); y += 4)
    for (int x = 0; x < flat.width() && tile.isNull(); x += 4)
      if (tileLike(flat.pixelColor(x, y)) && tileLike(flat.pixelColor(x + 12, y + 12)))
        tile = {x + 12, y + 12};
  ASSERT_FALSE(tile.isNull()) << "no tile in the flat view";

  window->performEvent([&] { window->document()->setDisplayMode(3); });
  ASSERT_TRUE(view.isRelief());
  ASSERT_NE(view.sceneView(), nullptr);
  EXPECT_EQ(view.reliefMessage(), nullptr);
  // The window takes a while to be made anew for OpenGL.
  QTRY_VERIFY_WITH_TIMEOUT(view.sceneView()->isValid(), 5000);
  QTest::qWait(300);
  const QImage relief = window->window()->grab().toImage();
  EXPECT_TRUE(relief.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/relief-window.png")));
  const QPoint inWindow = view.mapTo(window->window(), tile) * relief.devicePixelRatio();
  const QColor lit = relief.pixelColor(inWindow);
  EXPECT_TRUE(tileLike(lit)) << lit.name().toStdString();
  const QColor corner = relief.pixelColor(view.mapTo(window->window(), QPoint(3, view.height() - 4)));
  EXPECT_TRUE(std::abs(corner.blue() - 0x8C) < 12 && std::abs(corner.red() - 0x3A) < 12) << corner.name().toStdString();
  // A change of the document reaches the screen without more ado.
  window->performEvent([&] { window->document()->setBackgroundColor({0.2, 0.6, 0.3, 1.0}); });
  QTest::qWait(300);
  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  const QColor green = screen.pixelColor(view.mapToGlobal(QPoint(3, view.height() - 4)));
  EXPECT_TRUE(std::abs(green.green() - 153) < 12 && std::abs(green.red() - 51) < 12) << green.name().toStdString();

  // The editor's snapshot is the relief's own picture.
  const RgbaImage snapshot = editor->snapshotImage(100, 100);
  EXPECT_EQ(snapshot.width(), int(view.width() * view.devicePixelRatioF()));

  // With the mouse on the camera, a drag turns the view and the editor sees
  // no pointer; letting go glides home.
  const QImage home = view.sceneView()->grabFramebuffer();
  editor->toggleCameraControl();
  ASSERT_TRUE(editor->cameraControl.isOn());
  const QPoint middle = view.rect().center();
  QTest::mousePress(&view, Qt::LeftButton, {}, middle);
  QTest::mouseMove(&view, middle + QPoint(120, 40));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, middle + QPoint(120, 40));
  EXPECT_NE(editor->cameraControl.turn(), 0.0);
  EXPECT_NE(editor->cameraControl.tilt(), 0.0);
  QTest::qWait(200);
  const QImage turned = view.sceneView()->grabFramebuffer();
  EXPECT_TRUE(turned.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/relief-turned.png")));
  EXPECT_NE(turned, home);
  editor->toggleCameraControl();
  EXPECT_TRUE(editor->cameraControl.isGliding());
  QTRY_VERIFY_WITH_TIMEOUT(editor->cameraControl.pointOfView() == nullptr, 3000);

  // A relief picture exported through the program's offscreen OpenGL.
  const auto png = folder / "relief.png";
  EXPECT_EQ(application.bitmapWriter().writeBitmap(*window->document(), BitmapFileType::png, png), "");
  const QImage exported(QString::fromStdString(png.string()));
  ASSERT_FALSE(exported.isNull());
  EXPECT_EQ(exported.width(), window->document()->exportWidth());
  EXPECT_TRUE(tileLike(exported.pixelColor(exported.width() / 2, exported.height() / 2)) ||
              tileLike(exported.pixelColor(exported.width() / 3, exported.height() / 2)));

  // Back to the flat view: the relief's widget goes away.
  window->performEvent([&] { window->document()->setDisplayMode(2); });
  EXPECT_FALSE(view.sceneView()->isVisible());
}

}  // namespace
}  // namespace ornival
