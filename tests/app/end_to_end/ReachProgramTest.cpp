// The window reached as a user reaches it, on a real display (run under
// xvfb-run): menu items, keys and popover controls, and what they do. The
// pictures of the export panel, the border popover and the help are kept
// beside the test for a person to look at.

#include "app/Application.h"
#include "app/HelpWindow.h"
#include "app/SettingsPopovers.h"
#include "app/WindowController.h"
#include "document/ColorText.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "editor/qt/View.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Layer.h"
#include "platform/MainQueue.h"
#include "platform/ShapeLayer.h"
#include "platform/qt/QtMainQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTextBrowser>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Each test in a folder of its own; the program's home and settings in one
// of the test program's, set before anything reads them.
class Reach : public ::testing::Test {
protected:
  static fs::path home() {
    static const fs::path folder = [] {
      const fs::path made = fs::temp_directory_path() / ("ornival-reach-home-" + std::to_string(::getpid()));
      for (const char* name : {"home", "config", "data", "cache"})
        fs::create_directories(made / name);
      ::setenv("HOME", (made / "home").c_str(), 1);
      ::setenv("XDG_CONFIG_HOME", (made / "config").c_str(), 1);
      ::setenv("XDG_DATA_HOME", (made / "data").c_str(), 1);
      ::setenv("XDG_CACHE_HOME", (made / "cache").c_str(), 1);
      std::atexit([] { fs::remove_all(fs::temp_directory_path() / ("ornival-reach-home-" + std::to_string(::getpid()))); });
      return made;
    }();
    return folder;
  }
  void SetUp() override {
    home();
    testing::qtApplication();
    QCoreApplication::setOrganizationName("OrnivalTests");
    QCoreApplication::setApplicationName("OrnivalReach");
    setMainQueue(std::make_shared<QtMainQueue>(qApp));
    application = std::make_unique<Application>(Application::Options{ORNIVAL_EXAMPLES, folder / "autosave", 600000});
    application->presentError = [this](const std::string& message) { errors.push_back(message); };
    application->askToSave = [](const std::string&) { return Application::SaveAnswer::discard; };
  }
  void TearDown() override {
    for (const auto& window : application->windows())
      window->setEdited(false);
    QApplication::closeAllWindows();
    application.reset();
    QSettings().clear();
  }
  // A window of a copy of a document, saved in the test's folder.
  WindowController& open(const fs::path& source, const std::string& name,
                         const std::function<std::string(std::string)>& edit = {}) {
    const fs::path file = folder / name;
    std::ofstream(file, std::ios::binary) << (edit ? edit(contents(source)) : contents(source));
    WindowController* window = application->openFile(file);
    EXPECT_NE(window, nullptr);
    window->window()->move(0, 0);
    EXPECT_TRUE(testing::waitForExposed(window->window()));
    window->window()->activateWindow();
    EXPECT_TRUE(testing::waitForActive(window->window()));
    return *window;
  }
  static QAction* item(WindowController& window, const QString& title) {
    for (QAction* action : window.window()->findChildren<QAction*>())
      if (action->text() == title)
        return action;
    return nullptr;
  }
  static QImage screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

  testing::TemporaryFolder folder{"ornival-reach"};
  std::unique_ptr<Application> application;
  std::vector<std::string> errors;
};

// File › Export Bitmap… shows the panel and the page frame; the frame is
// dragged by a handle and set back by a double click; JPEG chosen in the
// panel is kept, and its button writes a JPEG the status bar names. An export
// that cannot be written says why.
TEST_F(Reach, TheExportPanelWritesTheJpegChosenInIt) {
  WindowController& window = open(fs::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival", "Pattern.ornival");
  View& view = *window.view();
  const auto& editor = window.editor();
  QAction* exportBitmap = item(window, "Export Bitmap…");
  ASSERT_NE(exportBitmap, nullptr);
  QTest::keyClick(window.window(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
  Popover& panel = *window.exportPopover();
  ASSERT_TRUE(testing::waitFor([&] { return panel.isVisible(); }));
  EXPECT_FALSE(editor->boundsLayer->isHidden());

  // The frame's right handle, dragged 40 pixels right, sets the page by hand;
  // a double click beside the tiles fits it to them again.
  const auto pixel = [&](Vec2 framePoint) {
    const Vec2 p = editor->boundsLayer->convertTo(framePoint, *view.rootLayer());
    return QPoint(int(std::lround(p.x)), int(std::lround(view.height() - p.y)));
  };
  const Rect page = editor->snappedPageBounds();
  const int widthBefore = window.document()->exportWidth();
  const QPoint handle = pixel({page.maxX(), page.center().y});
  ASSERT_TRUE(testing::movePointer(&view, handle));
  QTest::mousePress(&view, Qt::LeftButton, {}, handle);
  for (int step = 1; step <= 4; ++step)
    QTest::mouseMove(&view, handle + QPoint(10 * step, 0));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, handle + QPoint(40, 0));
  // The page is set by hand, snapped to the tiles' corners and middles.
  EXPECT_NE(window.document()->pageBounds.size, (Vec2{0, 0}));
  EXPECT_NE(window.document()->exportWidth(), widthBefore);
  const QPoint margin(8, view.height() - 8);
  ASSERT_TRUE(testing::movePointer(&view, margin));
  // Through the window system, as a hand gives it: two presses and releases.
  QTest::mouseDClick(window.window()->windowHandle(), Qt::LeftButton, {}, view.mapTo(window.window(), margin));
  EXPECT_EQ(window.document()->pageBounds.size, (Vec2{0, 0}));
  EXPECT_NEAR(window.document()->exportWidth(), widthBefore, 1);  // the ceiling of a width computed anew

  auto* format = panel.findChild<QComboBox*>("exportFileFormat");
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->currentText(), "PNG");
  format->setFocus();
  QTest::keyClick(format, Qt::Key_Down);
  EXPECT_EQ(format->currentText(), "JPEG");
  EXPECT_EQ(QSettings().value("ExportFileFormat").toInt(), 1);
  QTest::qWait(100);
  EXPECT_TRUE(screen().save(QStringLiteral(ORNIVAL_SCREENSHOTS "/export-panel.png")));

  QPushButton* write = nullptr;
  for (QPushButton* button : panel.findChildren<QPushButton*>())
    if (button->text() == "Export")
      write = button;
  ASSERT_NE(write, nullptr);
  QTest::mouseClick(write, Qt::LeftButton);
  // Drawn and written on the export queue; the window says so when done.
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.exportNotice()->isVisible(); }, 20000));
  const std::string jpeg = contents(folder / "Pattern.jpg");
  ASSERT_GT(jpeg.size(), 3u);
  EXPECT_EQ(jpeg.substr(0, 3), "\xFF\xD8\xFF");
  EXPECT_FALSE(panel.isVisible());
  EXPECT_TRUE(editor->boundsLayer->isHidden());
  EXPECT_TRUE(window.exportNotice()->isVisible());
  EXPECT_TRUE(window.exportNotice()->text().contains("Pattern.jpg")) << window.exportNotice()->text().toStdString();
  EXPECT_TRUE(window.exportNotice()->text().contains(QString::fromStdString(folder.path().string())));
  EXPECT_TRUE(window.exportNoticeReveal()->isVisible());
  QTest::qWait(100);
  EXPECT_TRUE(screen().save(QStringLiteral(ORNIVAL_SCREENSHOTS "/export-written.png")));

  // A folder where the drawing would go: nothing is written, and the status
  // bar says why.
  fs::create_directories(folder / "Pattern.svg");
  item(window, "Export SVG")->trigger();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.exportNotice()->text().startsWith("Nothing was exported:"); },
                              20000))
      << window.exportNotice()->text().toStdString();
  EXPECT_FALSE(window.exportNoticeReveal()->isVisible());
  EXPECT_EQ(errors.size(), 1u);
}

// Format › Border and Crossings… and its crossings control: the bands weave
// once it is set, Ctrl+Z takes that back, and the Edit menu names the step.
// The rounding row's reset button restores its value.
TEST_F(Reach, CrossingsSetInTheBorderPopoverAreDrawnAndUndone) {
  // A block of four squares: their bands cross at five corners.
  WindowController& window = open(fs::path(ORNIVAL_FIXTURES) / "FourSquares.ornival", "Four.ornival");
  View& view = *window.view();
  const auto& editor = window.editor();
  ASSERT_TRUE(editor->crossingLayer->isHidden());
  const QImage plain = view.grab().toImage();

  item(window, "Border and Crossings…")->trigger();
  BorderPopover& border = *window.borderPopover();
  ASSERT_TRUE(testing::waitForExposed(&border));
  auto* crossings = border.findChild<QComboBox*>("crossings");
  ASSERT_NE(crossings, nullptr);
  crossings->setFocus();
  QTest::keyClick(crossings, Qt::Key_Down);
  EXPECT_EQ(window.document()->crossings(), CrossingStatus::on);
  QTest::keyClick(crossings, Qt::Key_Down);
  EXPECT_EQ(window.document()->crossings(), CrossingStatus::alternate);
  EXPECT_FALSE(editor->crossingLayer->isHidden());
  ASSERT_TRUE(editor->crossingLayer->path());
  EXPECT_FALSE(editor->crossingLayer->path()->elements().empty());
  EXPECT_TRUE(testing::waitFor([&] { return view.grab().toImage() != plain; }));
  EXPECT_TRUE(screen().save(QStringLiteral(ORNIVAL_SCREENSHOTS "/border-popover.png")));

  auto* rounding = border.findChild<QDoubleSpinBox*>("borderBezierFactor");
  rounding->setValue(0.7);
  QTest::mouseClick(border.findChild<QAbstractButton*>("resetBorderFactor"), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(window.document()->borderBezierFactor(), 1.0);
  EXPECT_NEAR(rounding->value(), 1.0, 1e-9);
  border.hide();

  // Back through the reset, the rounding, and the two crossings steps.
  QTest::keyClick(window.window(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.document()->borderBezierFactor(), 0.7);
  QTest::keyClick(window.window(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.document()->borderBezierFactor(), 1.0);
  QTest::keyClick(window.window(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.document()->crossings(), CrossingStatus::on);
  QTest::keyClick(window.window(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.document()->crossings(), CrossingStatus::off);
  EXPECT_TRUE(editor->crossingLayer->isHidden());
  EXPECT_TRUE(testing::waitFor([&] { return view.grab().toImage() == plain; }));
  QMenu* edit = nullptr;
  for (QAction* menu : window.window()->menuBar()->actions())
    if (menu->text() == "Edit")
      edit = menu->menu();
  ASSERT_NE(edit, nullptr);
  emit edit->aboutToShow();
  EXPECT_EQ(edit->actions()[1]->text(), "Redo Change Crossings");
}

// Select All, Copy, a new window by its key, and Ctrl+V there lays the copied
// tiles: one key, one action.
TEST_F(Reach, CtrlVPastesTheCopiedTilesIntoANewWindow) {
  WindowController& window = open(fs::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival", "Two.ornival");
  QTest::keyClick(window.window(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(window.window(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(window.window(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(testing::waitFor([&] { return application->windows().size() == 2; }));
  WindowController& fresh = *application->windows()[1];
  ASSERT_TRUE(testing::waitForExposed(fresh.window()));
  fresh.window()->activateWindow();
  ASSERT_TRUE(testing::waitForActive(fresh.window()));
  ASSERT_TRUE(fresh.editor()->graph().shapes().empty());
  QTest::keyClick(fresh.window(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(fresh.editor()->graph().shapes().size(), 2u);
  std::multiset<std::string> colours, copied;
  for (const auto& tile : window.editor()->graph().shapes())
    colours.insert(hexString(tile->shapeColor()));
  for (const auto& tile : fresh.editor()->graph().shapes())
    copied.insert(hexString(tile->shapeColor()));
  EXPECT_EQ(copied, colours);
}

TEST_F(Reach, TheHelpWindowShowsTheKeysHeldWithTheMouse) {
  WindowController& window = open(fs::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival", "Two.ornival");
  QTest::keyClick(window.window(), Qt::Key_F1);
  HelpWindow* help = HelpWindow::existing();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(testing::waitForExposed(help));
  help->move(0, 0);
  help->text(0)->scrollToAnchor("held-keys");
  QTest::qWait(200);
  EXPECT_TRUE(screen().save(QStringLiteral(ORNIVAL_SCREENSHOTS "/help-window.png")));
  help->close();
}

}  // namespace
}  // namespace ornival
