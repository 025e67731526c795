// Bitmap exports of the relief on a real display (run under xvfb-run, Mesa in
// software): the picture is drawn on the export queue in an OpenGL context
// of its own while the window goes on, it is the picture the main thread
// draws of the same relief, and Cancel or closing the window leave nothing
// half made.

#include "app/Application.h"
#include "app/TaskList.h"
#include "app/WindowController.h"
#include "document/Document.h"
#include "document/ReliefSnapshot.h"
#include "editor/qt/SceneView.h"
#include "editor/qt/View.h"
#include "model/Operations.h"
#include "platform/AtomicFile.h"
#include "platform/OperationQueue.h"
#include "platform/qt/QtRgbaImage.h"
#include "support/DocumentWindows.h"
#include "support/Waiting.h"

#include <QLabel>
#include <QOpenGLContext>
#include <QOpenGLWindow>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>

namespace ornival {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Holds every write, after the picture is drawn and encoded, until the main
// thread lets it go, so that the main thread shows it turns meanwhile.
struct GatedFiles : FileCalls {
  mutable std::mutex mutex;
  mutable std::condition_variable changed;
  mutable bool waiting = false;
  mutable bool open = false;

  int makeTemporary(char* pattern) const override {
    {
      std::unique_lock lock(mutex);
      waiting = true;
      // Bounded: a write made on the main thread would wait for a main
      // thread that cannot let it go; the test then fails instead of hanging.
      changed.wait_for(lock, 20s, [this] { return open; });
      waiting = false;
    }
    return FileCalls::makeTemporary(pattern);
  }
  bool isWaiting() const {
    std::lock_guard lock(mutex);
    return waiting;
  }
  void setOpen(bool letThrough) const {
    std::lock_guard lock(mutex);
    open = letThrough;
    changed.notify_all();
  }
};

class ReliefExport : public testing::DocumentWindowTest {
protected:
  void SetUp() override {
    DocumentWindowTest::SetUp();
    Application::Options options{folder / "examples", folder / "autosave", 60000};
    options.taskShownAfterMilliseconds = 0;
    options.files = &files;
    files.setOpen(true);
    application = std::make_unique<Application>(options);
    application->presentError = [this](const std::string& error) { errors.push_back(error); };
    application->askToSave = [](const std::string&) { return Application::SaveAnswer::discard; };
    if (!application->reliefRenderers())
      GTEST_SKIP() << "no offscreen OpenGL on this display";
  }
  void TearDown() override {
    files.setOpen(true);
    Operations::exportQueue()->waitUntilAllOperationsAreFinished();
    mainQueue->drain();
    DocumentWindowTest::TearDown();
  }

  WindowController& openInRelief(int columns, int rows, int exportWidth) {
    WindowController& window = open(testing::squaresDocument(columns, rows));
    window.performEvent([&] {
      window.document()->setDisplayMode(3);
      window.document()->setExportWidth(exportWidth);
    });
    return window;
  }

  // Files in the folder beside the document, the document's own left out.
  std::vector<std::string> exportsBeside() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.is_regular_file() && entry.path().filename() != "document.ornival")
        names.push_back(entry.path().filename().string());
    return names;
  }

  std::vector<std::string> errors;
  GatedFiles files;
};

bool samePixels(QImage a, QImage b) {
  return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

// The window's event loop turns while the relief picture is made and
// written, and the file holds exactly what the main thread draws of the same
// relief, with and without transparency.
TEST_F(ReliefExport, ThePictureIsMadeWhileTheWindowGoesOnAndIsTheReliefsOwn) {
  if (!QOpenGLContext::supportsThreadedOpenGL())
    GTEST_SKIP() << "this platform draws relief pictures on the main thread";
  WindowController& window = openInRelief(30, 20, 1600);
  const auto document = window.document();
  for (const bool alpha : {true, false}) {
    SCOPED_TRACE(alpha ? "with transparency" : "opaque");
    window.performEvent([&] { document->setExportAlpha(alpha); });
    fs::remove(folder / "document.png");
    files.setOpen(false);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (files.isWaiting() && ++ticks == 5)
        files.setOpen(true);
    });
    timer.start(2);
    ASSERT_TRUE(window.send({"exportPNG", 0, {}}));
    ASSERT_TRUE(testing::waitFor([&] {
      mainQueue->drain();
      window.taskList()->refresh();
      return window.taskList()->tasks().empty() && fs::exists(folder / "document.png");
    }));
    EXPECT_GE(ticks, 5);
    EXPECT_TRUE(window.exportNotice()->isVisible());
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(exportsBeside(), std::vector<std::string>{"document.png"});

    const QImage written(QString::fromStdString((folder / "document.png").string()));
    ASSERT_EQ(written.size(), QSize(document->exportWidth(), document->exportHeight()));
    EXPECT_EQ(written.hasAlphaChannel(), alpha);
    const std::optional<RgbaImage> drawnHere = snapshot3DImage(*document, application->reliefRenderers());
    ASSERT_TRUE(drawnHere);
    EXPECT_TRUE(samePixels(written, toQImage(*drawnHere)));
    written.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/relief-export-%1.png").arg(alpha ? "alpha" : "opaque"));
  }
}

// Cancelled before the queue gets to it, the relief export draws nothing and
// leaves no file and no temporary.
TEST_F(ReliefExport, CancelLeavesNoFile) {
  WindowController& window = openInRelief(10, 10, 800);
  std::promise<void> gate;
  const auto held = gate.get_future().share();
  for (int i = 0; i < 2; ++i)
    Operations::exportQueue()->addOperation([held] { held.wait(); });
  ASSERT_TRUE(window.send({"exportPNG", 0, {}}));
  window.taskList()->refresh();
  ASSERT_EQ(window.taskList()->tasks().size(), 1u);
  for (const auto& task : window.taskList()->tasks())
    window.taskList()->cancelButton(*task)->click();
  EXPECT_TRUE(window.taskList()->tasks().empty());
  gate.set_value();
  Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  mainQueue->drain();
  EXPECT_TRUE(exportsBeside().empty());
  EXPECT_FALSE(window.exportNotice()->isVisible());
}

// Closing the window while its relief export is under way lets the export
// end with nobody to tell: the file whole, nothing else beside it.
TEST_F(ReliefExport, ClosingTheWindowDuringTheExportEndsItCleanly) {
  WindowController& window = openInRelief(30, 20, 1600);
  ASSERT_TRUE(window.send({"exportPNG", 0, {}}));
  window.window()->close();
  ASSERT_TRUE(application->windows().empty());
  Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  mainQueue->drain();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const std::vector<std::string> beside = exportsBeside();
  EXPECT_TRUE(beside.empty() || beside == std::vector<std::string>{"document.png"});
  if (!beside.empty())
    EXPECT_EQ(QImage(QString::fromStdString((folder / "document.png").string())).width(), 1600);
  EXPECT_TRUE(errors.empty());
}

// Exporting and saving only read the document: the relief is not drawn
// again for them (a frame of a large tiling in software GL, and behind the
// export's own drawing, would hold the window for as long as that takes),
// while a command that may change it is.
TEST_F(ReliefExport, CommandsThatOnlyReadTheDocumentLeaveTheReliefAlone) {
  WindowController& window = openInRelief(10, 10, 400);
  window.window()->show();
  SceneView* relief = window.view()->sceneView();
  ASSERT_NE(relief, nullptr);
  ASSERT_TRUE(testing::waitFor([&] {
    mainQueue->drain();
    return relief->isValid();
  }));
  struct Requests : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::UpdateRequest)
        ++count;
      return false;
    }
  } requests;
  relief->openGLWindow()->installEventFilter(&requests);
  const auto settle = [&] {
    for (int i = 0; i < 20; ++i) {
      mainQueue->drain();
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
  };
  settle();
  for (const char* reader : {"saveDocument", "exportPNG"}) {
    SCOPED_TRACE(reader);
    requests.count = 0;
    ASSERT_TRUE(window.send({reader, 0, {}}));
    settle();
    Operations::exportQueue()->waitUntilAllOperationsAreFinished();
    settle();
    EXPECT_EQ(requests.count, 0);
  }
  requests.count = 0;
  ASSERT_TRUE(window.send({"selectAll", 0, {}}));
  EXPECT_TRUE(testing::waitFor([&] {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return requests.count > 0;
  }));
  relief->openGLWindow()->removeEventFilter(&requests);
}

}  // namespace
}  // namespace ornival
