// A window's exports and saves run on queues while the window goes on
// handling events, show their progress with a way to cancel, and end cleanly
// when the window closes first.

#include "app/TaskList.h"
#include "document/Document.h"
#include "model/Operations.h"
#include "platform/AtomicFile.h"
#include "platform/OperationQueue.h"
#include "platform/Task.h"
#include "support/DocumentWindows.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <future>
#include <sstream>
#include <mutex>
#include <thread>

namespace ornival {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Holds the first step of every write until the main thread lets it go,
// and notes where writes were made.
struct GatedFiles : FileCalls {
  mutable std::mutex mutex;
  mutable std::condition_variable changed;
  // Writes let through so far, and how many may be.
  mutable int passed = 0;
  mutable int allowed = 0;
  mutable bool waiting = false;
  mutable std::vector<std::thread::id> writers;

  int makeTemporary(char* pattern) const override {
    {
      std::unique_lock lock(mutex);
      writers.push_back(std::this_thread::get_id());
      waiting = true;
      changed.notify_all();
      // Bounded: a write made on the main thread would wait for a main
      // thread that cannot let it go, and the test fails instead of hanging.
      changed.wait_for(lock, 20s, [this] { return passed < allowed; });
      ++passed;
      waiting = false;
    }
    return FileCalls::makeTemporary(pattern);
  }
  // A write let go no longer counts as waiting, even before its thread has
  // woken: the main thread's ticks must not count it again.
  void letGo() const {
    std::lock_guard lock(mutex);
    allowed = 1 << 30;
    waiting = false;
    changed.notify_all();
  }
  void letOneGo() const {
    std::lock_guard lock(mutex);
    ++allowed;
    waiting = false;
    changed.notify_all();
  }
  bool isWaiting() const {
    std::lock_guard lock(mutex);
    return waiting;
  }
  // Holds writes again, as at the start.
  void hold() const {
    std::lock_guard lock(mutex);
    passed = allowed = 0;
  }
  // Writes fail with this error while it is not 0, as on a full disk.
  mutable std::atomic<int> failure{0};
  ssize_t write(int fd, const void* data, std::size_t size) const override {
    if (const int error = failure.load()) {
      errno = error;
      return -1;
    }
    return FileCalls::write(fd, data, size);
  }
};

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class WindowExports : public testing::DocumentWindowTest {
protected:
  void SetUp() override {
    DocumentWindowTest::SetUp();
    Application::Options options{folder / "examples", folder / "autosave", 60000};
    options.files = &files;
    options.taskShownAfterMilliseconds = 0;
    application = std::make_unique<Application>(options);
    application->presentError = [](const std::string&) {};
  }
  void TearDown() override {
    files.letGo();
    Operations::exportQueue()->waitUntilAllOperationsAreFinished();
    DocumentWindowTest::TearDown();
  }

  // Files in the folder beside the document, the document's own left out.
  std::vector<std::string> exportsBeside() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.is_regular_file() && entry.path().filename() != "document.ornival")
        names.push_back(entry.path().filename().string());
    return names;
  }

  GatedFiles files;
};

// The export's file is written on another thread, which waits until the
// main thread's event loop has turned several times: the loop turns while
// the export runs, and the window shows it with its progress and Cancel.
TEST_F(WindowExports, TheWindowGoesOnHandlingEventsWhileAnExportRuns) {
  WindowController& window = open(testing::squaresDocument(40, 40));
  int ticks = 0;
  std::chrono::steady_clock::duration longestGap{};
  auto last = std::chrono::steady_clock::now();
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    const auto now = std::chrono::steady_clock::now();
    longestGap = std::max(longestGap, now - last);
    last = now;
    if (files.isWaiting() && ++ticks == 5)
      files.letGo();
  });
  timer.start(5);

  // The drawing keeps its size while the export comes and goes in the
  // status bar: a resize would have it drawn again whole.
  QApplication::sendPostedEvents();
  const QSize drawing = window.view()->size();
  ASSERT_TRUE(window.send({"export", 2, {}}));
  ASSERT_EQ(window.taskList()->tasks().size(), 1u);
  const auto task = window.taskList()->tasks()[0];
  window.taskList()->refresh();
  EXPECT_NE(window.taskList()->cancelButton(*task), nullptr);
  EXPECT_NE(window.taskList()->progressBar(*task), nullptr);
  QApplication::sendPostedEvents();
  EXPECT_EQ(window.view()->size(), drawing);

  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        mainQueue->drain();
        return window.exportNotice()->isVisible();
      },
      30000));
  EXPECT_GE(ticks, 5);
  ASSERT_EQ(files.writers.size(), 1u);
  EXPECT_NE(files.writers[0], std::this_thread::get_id());
  EXPECT_TRUE(window.exportNotice()->text().contains("document.svg")) << window.exportNotice()->text().toStdString();
  EXPECT_EQ(exportsBeside(), std::vector<std::string>{"document.svg"});
  window.taskList()->refresh();
  EXPECT_TRUE(window.taskList()->tasks().empty());
  QApplication::sendPostedEvents();
  EXPECT_EQ(window.view()->size(), drawing);
  std::printf("longest gap between the main thread's timer ticks while exporting: %.1f ms\n",
              std::chrono::duration<double, std::milli>(longestGap).count());
}

// Cancel in the window: the export stops and writes nothing, no temporary
// file either.
TEST_F(WindowExports, CancelInTheWindowWritesNothing) {
  WindowController& window = open(testing::squaresDocument(20, 20));
  files.letGo();
  // Both of the queue's threads busy, so that the export waits its turn.
  std::promise<void> gate;
  const auto held = gate.get_future().share();
  for (int i = 0; i < 2; ++i)
    Operations::exportQueue()->addOperation([held] { held.wait(); });
  window.send({"export", 2, {}});
  window.send({"exportPNG", 0, {}});
  for (const auto& task : window.taskList()->tasks())
    window.taskList()->cancelButton(*task)->click();
  EXPECT_TRUE(window.taskList()->tasks().empty());
  gate.set_value();
  Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  mainQueue->drain();
  EXPECT_TRUE(exportsBeside().empty());
  EXPECT_FALSE(window.exportNotice()->isVisible());
}

// Closing the window cancels the exports waiting and lets one under way end
// with nobody to tell: nothing half written, nothing left behind.
TEST_F(WindowExports, ClosingTheWindowDuringExportsEndsThemCleanly) {
  WindowController& window = open(testing::squaresDocument(20, 20));
  window.send({"export", 2, {}});
  // The first one waits in its write; the second one behind it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return files.isWaiting(); }, 20000));
  std::promise<void> gate;
  const auto held = gate.get_future().share();
  Operations::exportQueue()->addOperation([held] { held.wait(); });
  window.send({"exportPNG", 0, {}});
  window.window()->close();
  ASSERT_TRUE(application->windows().empty());
  files.letGo();
  gate.set_value();
  Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  mainQueue->drain();
  // The one under way wrote its file whole; the waiting one nothing.
  EXPECT_EQ(exportsBeside(), std::vector<std::string>{"document.svg"});
  EXPECT_TRUE(contents(folder / "document.svg").ends_with("</svg>"));
}

// An edit, as one user event.
void edit(WindowController& window, double width) {
  window.performEvent([&] { window.document()->setBorderWidth(width); });
}

// Autosave writes a large document on the window's save queue: the event
// loop turns while the file is written, the window shows it, and the edits
// made meanwhile stay to be saved by the next autosave.
TEST_F(WindowExports, AutosaveWritesOnTheSaveQueueAndKeepsWhatChangedMeanwhile) {
  const std::string opened = testing::squaresDocument(40, 40);
  WindowController& window = open(opened);
  const fs::path file = folder / "document.ornival";
  // Each write, the version as opened kept first and then the document,
  // goes on once the main thread's timer has ticked five times while it
  // waited.
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (files.isWaiting() && ++ticks % 5 == 0)
      files.letOneGo();
  });
  timer.start(5);
  edit(window, 4.0);
  window.autosave();
  ASSERT_TRUE(window.isWriting());
  EXPECT_EQ(window.taskList()->tasks().size(), 1u);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 5; }, 20000));
  edit(window, 6.0);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        mainQueue->drain();
        return !window.isWriting();
      },
      30000));
  EXPECT_EQ(ticks, 10);
  files.letGo();
  for (const std::thread::id writer : files.writers)
    EXPECT_NE(writer, std::this_thread::get_id());
  EXPECT_NE(contents(file).find("borderWidth: 4.0"), std::string::npos);
  ASSERT_TRUE(window.keptCopy().has_value());
  EXPECT_EQ(contents(*window.keptCopy()), opened);
  EXPECT_TRUE(window.isEdited()) << "the second edit is not in the file yet";
  EXPECT_TRUE(window.isAutosavePending());
  window.autosave();
  window.finishWriting();
  EXPECT_NE(contents(file).find("borderWidth: 6.0"), std::string::npos);
  EXPECT_FALSE(window.isEdited());
  EXPECT_EQ(window.message(), "");
}

// A save cancelled before its write began leaves the file as it was and the
// window edited, saying nothing; the next autosave writes.
TEST_F(WindowExports, ACancelledSaveLeavesTheFileAsItWas) {
  files.letGo();
  const std::string opened = testing::squaresDocument(10, 10);
  WindowController& window = open(opened);
  const fs::path file = folder / "document.ornival";
  std::promise<void> gate;
  const auto held = gate.get_future().share();
  window.saveQueue()->addOperation([held] { held.wait(); });
  edit(window, 4.0);
  window.autosave();
  ASSERT_EQ(window.taskList()->tasks().size(), 1u);
  window.taskList()->cancelButton(*window.taskList()->tasks()[0])->click();
  gate.set_value();
  window.finishWriting();
  mainQueue->drain();
  EXPECT_EQ(contents(file), opened);
  EXPECT_TRUE(window.isEdited());
  EXPECT_EQ(window.message(), "");
  window.autosave();
  window.finishWriting();
  EXPECT_NE(contents(file).find("borderWidth: 4.0"), std::string::npos);
}

// Closing the window, or quitting, while the document is written waits for
// the write, and what it did decides: written whole, the window closes
// without asking; failed, it has said why and the edits are asked about, so
// that nothing is lost unasked.
TEST_F(WindowExports, ClosingWhileTheFileIsWrittenEndsTheWriteFirst) {
  struct Case {
    const char* name;
    bool onPurpose;  // Saved from the menu, else autosaved.
    int failure;
    bool quit;  // Quitting the program, else closing the window.
  };
  const Case cases[] = {{"autosave", false, 0, false},
                        {"autosave on a full disk", false, ENOSPC, false},
                        {"save, then quit", true, 0, true},
                        {"save on a full disk, then quit", true, ENOSPC, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string opened = testing::squaresDocument(10, 10);
    WindowController& window = open(opened);
    int asked = 0;
    application->askToSave = [&](const std::string&) {
      ++asked;
      // Room on the disk again by the time the user answers.
      files.failure = 0;
      return Application::SaveAnswer::discard;
    };
    std::vector<std::string> told;
    application->presentError = [&](const std::string& text) { told.push_back(text); };
    files.failure = c.failure;
    edit(window, 4.0);
    if (c.onPurpose)
      ASSERT_TRUE(window.save(false));
    else
      window.autosave();
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.isWaiting(); }, 20000));
    std::thread later([&] {
      std::this_thread::sleep_for(50ms);
      files.letOneGo();
      files.letOneGo();
    });
    if (c.quit)
      window.send({"terminate", 0, {}});
    else
      window.window()->close();
    later.join();
    EXPECT_TRUE(application->windows().empty());
    mainQueue->drain();
    const std::string text = contents(folder / "document.ornival");
    if (c.failure == 0) {
      EXPECT_EQ(asked, 0);
      EXPECT_NE(text.find("borderWidth: 4.0"), std::string::npos);
    } else {
      EXPECT_EQ(asked, 1);
      EXPECT_EQ(text, opened) << "discarded: the file as opened";
      if (c.onPurpose) {
        ASSERT_EQ(told.size(), 1u);
        EXPECT_NE(told[0].find("document.ornival"), std::string::npos) << told[0];
      }
    }
    files.failure = 0;
    files.hold();
    fs::remove(folder / "document.ornival");
  }
}

}  // namespace
}  // namespace ornival
