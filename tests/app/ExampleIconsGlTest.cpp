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
#include <thread>
#include <vector>

namespace ornival {
namespace {

namespace fs = std::filesystem;

class ExampleIconsReliefTest : public testing::ExampleIconsFixture {};

// Relief examples are rendered on white on the export queue, not on the
// main thread, which only sets the icon.
TEST_F(ExampleIconsReliefTest, ReliefExampleGetsItsLitThumbnailDrawnOffTheMainThread) {
  ExampleIcons icons;
  std::vector<std::thread::id> drawnOn;
  icons.drawnOn = [&](std::thread::id thread) { drawnOn.push_back(thread); };
  QAction relief("Relief");
  icons.request(relief, write("relief.ornival", testing::documentText("7,0\n", "displayMode: 3\n")));
  settle();
  ASSERT_EQ(drawnOn.size(), 1u);
  EXPECT_NE(drawnOn[0], std::this_thread::get_id());
  ASSERT_FALSE(relief.icon().isNull());
  const QImage image = relief.icon().pixmap(64, 64).toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
  const QColor centre = image.pixelColor(32, 32);
  EXPECT_GT(centre.red(), 2 * centre.green());
}

}  // namespace
}  // namespace ornival
