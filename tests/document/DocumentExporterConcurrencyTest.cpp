// Exports on a queue: drawn from the tiles as they stood when asked, written
// whole or not at all, told to the window through the main queue.

#include "document/DocumentExporter.h"

#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/FileViewer.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "platform/Task.h"
#include "support/ExportDocuments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

namespace ornival {
namespace {

namespace fs = std::filesystem;

struct RecordingViewer : FileViewer {
  std::vector<fs::path> revealed;
  void reveal(const fs::path& file) override { revealed.push_back(file); }
};

struct RecordingWindow : ExportWindow {
  std::vector<std::string> errors;
  std::vector<std::shared_ptr<Task>> started;
  void showExportPopover() override {}
  void closeExportPopover() override {}
  void presentExportError(const std::string& message) override { errors.push_back(message); }
  void exportStarted(const std::shared_ptr<Task>& task) override { started.push_back(task); }
};

// Its work runs `during` on the queue's thread, then encodes a few bytes.
struct SlowBitmapWriter : BitmapWriter {
  std::function<void()> during;
  std::thread::id drawnOn;
  BitmapWork prepareBitmap(const Document&, BitmapFileType, std::string&) override {
    return [this](Progress&) {
      drawnOn = std::this_thread::get_id();
      if (during)
        during();
      return EncodedBitmap{"picture", {}};
    };
  }
};

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<fs::path> filesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files.push_back(entry.path().filename());
  return files;
}

class QueuedExports : public ::testing::Test {
protected:
  void SetUp() override {
    setMainQueue(mainQueue);
    folder = fs::path(::testing::TempDir()) /
             ("ornival-queued-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    queue->setMaxConcurrentOperationCount(1);
    exporter.fileURL = [this] { return std::optional(folder / "Pattern.orn"); };
  }
  void TearDown() override {
    release();
    queue->waitUntilAllOperationsAreFinished();
    mainQueue->drain();
    fs::remove_all(folder);
  }

  // Holds the queue's one thread until release().
  void block() {
    queue->addOperation([gate = gate.get_future().share()] { gate.wait(); });
  }
  void release() {
    if (!released) {
      released = true;
      gate.set_value();
    }
  }
  void settle() {
    release();
    queue->waitUntilAllOperationsAreFinished();
    mainQueue->drain();
  }

  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  std::shared_ptr<OperationQueue> queue = OperationQueue::create();
  std::promise<void> gate;
  bool released = false;
  fs::path folder;
  testing::LiveDocument live = testing::liveDocument(testing::documentText("7,0\n0,1,7,3,0\n1,1,7,3,1\n"));
  RecordingViewer viewer;
  RecordingWindow window;
  SlowBitmapWriter bitmaps;
  std::shared_ptr<int> lifetime = std::make_shared<int>();
  DocumentExporter exporter{live.document, {nullptr, &viewer, &bitmaps, &window, queue, lifetime}};
};

// Edits made while the export waits or runs change nothing of it: it draws
// the tiles and settings as they were when it was asked for. What it wrote is
// told only through the main queue.
TEST_F(QueuedExports, DrawFromTheTilesAsTheyStoodAndTellThroughTheMainQueue) {
  const std::string expected = exporter.svgModel()->svg();
  block();
  EXPECT_EQ(exporter.exportSVG().file, std::nullopt) << "under way";
  ASSERT_EQ(window.started.size(), 1u);
  EXPECT_EQ(window.started[0]->title(), "Exporting \u201CPattern.svg\u201D\u2026");

  // The user goes on: other colours, other bands, a tile gone.
  live.document->setBorderWidth(7.0);
  live.editor->graph().shapes()[0]->setShapeColor({0.0, 1.0, 0.0, 1.0});
  live.editor->tiles = Graph::create({live.editor->graph().shapes()[1]});

  release();
  queue->waitUntilAllOperationsAreFinished();
  EXPECT_TRUE(window.started[0]->hasEnded());
  EXPECT_TRUE(viewer.revealed.empty()) << "told on the main thread";
  mainQueue->drain();
  EXPECT_EQ(viewer.revealed, std::vector<fs::path>{folder / "Pattern.svg"});
  EXPECT_TRUE(contents(folder / "Pattern.svg") == expected);
  EXPECT_TRUE(window.errors.empty());
}

// Cancelled before it began or while it ran, an export writes nothing, no
// temporary file either, leaves an earlier export as it was and tells
// nothing.
TEST_F(QueuedExports, ACancelledExportLeavesNoFileAndNoTemporaryOne) {
  std::ofstream(folder / "Pattern.png") << "earlier";
  block();
  exporter.exportSVG();
  exporter.exportPNG();
  ASSERT_EQ(window.started.size(), 2u);
  window.started[0]->cancel();
  // The picture's work is under way when the window cancels it.
  bitmaps.during = [task = window.started[1]] { task->cancel(); };
  settle();
  EXPECT_NE(bitmaps.drawnOn, std::thread::id()) << "the picture's work ran";
  EXPECT_EQ(filesIn(folder), std::vector<fs::path>{"Pattern.png"});
  EXPECT_EQ(contents(folder / "Pattern.png"), "earlier");
  EXPECT_TRUE(viewer.revealed.empty());
  EXPECT_TRUE(window.errors.empty());
}

// The picture is drawn and encoded on the queue's thread; a window gone by
// the time it ends hears nothing of it.
TEST_F(QueuedExports, WorkRunsOnTheQueueAndAWindowGoneHearsNothing) {
  exporter.exportPNG();
  queue->waitUntilAllOperationsAreFinished();
  EXPECT_NE(bitmaps.drawnOn, std::this_thread::get_id());
  lifetime.reset();
  mainQueue->drain();
  EXPECT_EQ(contents(folder / "Pattern.png"), "picture");
  EXPECT_TRUE(viewer.revealed.empty());
}

}  // namespace
}  // namespace ornival
