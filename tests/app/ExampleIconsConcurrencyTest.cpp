#include "app/ExampleIcons.h"

#include "app/Application.h"
#include "app/WindowController.h"

#include "model/Operations.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "support/ExampleIconsFixture.h"
#include "support/ExportDocuments.h"
#include "support/QtApplication.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

class ExampleIconsTest : public testing::ExampleIconsFixture {};

TEST_F(ExampleIconsTest, FlatExampleIsDrawnOnTheExportQueueAndABrokenOneGetsNoIcon) {
  ExampleIcons icons;
  QAction flat("Flat");
  QAction broken("Broken");
  icons.request(flat, write("flat.ornival", testing::documentText("7,0\n", "borderWidth: 0.0,0.0,0.0\n")));
  icons.request(broken, write("broken.ornival", "shopping list\n"));
  settle();
  ASSERT_FALSE(flat.icon().isNull());
  EXPECT_EQ(flat.icon().pixmap(64, 64).toImage().pixelColor(32, 32), QColor(255, 0, 0));
  EXPECT_TRUE(broken.icon().isNull());
}

TEST_F(ExampleIconsTest, AnItemGoneBeforeItsIconIsLeftAlone) {
  ExampleIcons icons;
  auto item = std::make_unique<QAction>("Gone");
  icons.request(*item, write("flat.ornival", testing::documentText()));
  Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  item.reset();
  mainQueue->drain();
  SUCCEED();
}

// An application that goes while its icons are drawn waits for them, and
// nothing is handed back to a main queue that may be gone with it.
TEST_F(ExampleIconsTest, DroppedWhileDrawingWaitsAndHandsNothingBack) {
  QAction item("Busy");
  const std::string file = write("flat.ornival", testing::documentText());
  {
    ExampleIcons icons;
    for (int i = 0; i < 8; ++i)
      icons.request(item, file);
  }
  const std::size_t handedBack = mainQueue->pendingCount();
  Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  EXPECT_EQ(mainQueue->pendingCount(), handedBack);
  mainQueue->drain();
}

QMenu* submenuTitled(const QList<QAction*>& actions, const QString& title) {
  for (QAction* action : actions)
    if (action->text() == title && action->menu())
      return action->menu();
  return nullptr;
}

QList<QAction*> exampleItems(WindowController& window) {
  QMenu* file = submenuTitled(window.window()->menuBar()->actions(), "File");
  QMenu* examples = file ? submenuTitled(file->actions(), "Examples") : nullptr;
  return examples ? examples->actions() : QList<QAction*>{};
}

// The thumbnails are drawn once, when the application starts: a window made
// later shows those already drawn at once and asks for no drawing of its
// own. Until its thumbnail comes, an item shows the document icon, and keeps
// it when the file cannot be drawn.
TEST_F(ExampleIconsTest, ThumbnailsAreDrawnOnceAtStartForEveryWindow) {
  write("1-Broken.ornival", "shopping list\n");
  write("2-Flat.ornival", testing::documentText("7,0\n", "borderWidth: 0.0,0.0,0.0\n"));
  auto application = std::make_unique<Application>(Application::Options{folder, folder / "autosave", 50});
  WindowController* early = application->newDocument();
  const auto documentIcon = Application::exampleDocumentIcon().cacheKey();
  ASSERT_EQ(exampleItems(*early).size(), 2);
  for (QAction* item : exampleItems(*early))
    EXPECT_EQ(item->icon().cacheKey(), documentIcon);

  settle();
  EXPECT_EQ(exampleItems(*early)[0]->icon().cacheKey(), documentIcon);
  EXPECT_NE(exampleItems(*early)[1]->icon().cacheKey(), documentIcon);
  WindowController* late = application->newDocument();
  EXPECT_EQ(Operations::exportQueue()->operationCount(), 0u);
  EXPECT_EQ(exampleItems(*late)[0]->icon().cacheKey(), documentIcon);
  EXPECT_EQ(exampleItems(*late)[1]->icon().pixmap(64, 64).toImage().pixelColor(32, 32), QColor(255, 0, 0));
  application.reset();
  mainQueue->drain();
}

}  // namespace
}  // namespace ornival
