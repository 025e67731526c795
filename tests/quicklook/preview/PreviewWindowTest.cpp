// The preview's views on a display: a flat document drawn fitted into its
// view, a relief one lit on the document's own background.

#include "quicklook/PreviewViewController.h"
#include "quicklook/preview/FlatPreviewView.h"
#include "quicklook/preview/PreviewWindow.h"
#include "quicklook/preview/ReliefPreviewView.h"
#include "support/ExportDocuments.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QApplication>
#include <QImage>
#include <QSurfaceFormat>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

class PreviewWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    static int argc = 1;
    static char name[] = "preview";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
  }

  testing::TemporaryFolder folder{"ornival-preview-window"};

  std::string write(const std::string& text) {
    std::ofstream(folder / "doc.ornival") << text;
    return (folder / "doc.ornival").string();
  }

  // Kept where ORNIVAL_TEST_PICTURES names a folder, to be looked at.
  static void keep(const QImage& image, const char* name) {
    if (const char* pictures = std::getenv("ORNIVAL_TEST_PICTURES"))
      image.save(QString(pictures) + "/" + name);
  }
};

TEST_F(PreviewWindowTest, FlatViewDrawsTheDocumentFittedToItsSize) {
  auto view = std::make_shared<FlatPreviewView>();
  PreviewViewController controller;
  controller.view = view;
  controller.loadPreview(write(testing::documentText("7,0\n0,1,7,3,0\n", "backgroundColor: 3A5A8CFF\n")), nullptr);
  view->resize(400, 300);
  view->show();
  ASSERT_TRUE(testing::waitForExposed(view.get()));
  const QImage image = view->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  keep(image, "preview-flat.png");
  ASSERT_EQ(image.size(), QSize(400, 300) * image.devicePixelRatio());
  EXPECT_EQ(image.pixelColor(2, 2), QColor(0x3A, 0x5A, 0x8C));
  // The left square's middle: two squares fill the width.
  EXPECT_EQ(image.pixelColor(100, 150), QColor(255, 0, 0));
}

TEST_F(PreviewWindowTest, ReliefViewShowsTheLitTilesOnTheDocumentsBackground) {
  auto view = std::make_shared<ReliefPreviewView>();
  PreviewViewController controller;
  controller.sceneView = view;
  controller.loadPreview(write(testing::documentText("7,0\n", "displayMode: 3\nbackgroundColor: 3A5A8CFF\n")), nullptr);
  view->resize(300, 300);
  view->show();
  ASSERT_TRUE(testing::waitForExposed(view.get()));
  const QImage image = view->grabFramebuffer().convertToFormat(QImage::Format_ARGB32);
  keep(image, "preview-relief.png");
  ASSERT_FALSE(image.isNull());
  const QColor corner = image.pixelColor(1, 1);
  EXPECT_NEAR(corner.red(), 0x3A, 2);
  EXPECT_NEAR(corner.blue(), 0x8C, 2);
  const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
  EXPECT_GT(centre.red(), 2 * centre.green());
}

}  // namespace
}  // namespace ornival

namespace ornival {
namespace {

// The preview closes as a viewer does: with Escape and with the desktop's
// Close key.
TEST(PreviewWindowKeys, EscapeAndCtrlWCloseTheWindow) {
  static int argc = 1;
  static char name[] = "preview";
  static char* argv[] = {name, nullptr};
  if (!qApp)
    new QApplication(argc, argv);
  for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
    PreviewWindow window;
    auto* view = new FlatPreviewView();
    window.addWidget(view);
    window.show();
    ASSERT_TRUE(testing::waitForExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(testing::waitForActive(&window));
    QTest::keySequence(&window, key);
    EXPECT_FALSE(window.isVisible()) << key.toString().toStdString();
  }
}

}  // namespace
}  // namespace ornival
