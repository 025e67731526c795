#include "app/ExampleIcons.h"

#include "model/Operations.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "support/ExampleIconsFixture.h"
#include "support/ExportDocuments.h"
#include "support/QtApplication.h"

#include <QAction>
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

}  // namespace
}  // namespace ornival
