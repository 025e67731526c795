// An export under way on a real display (run under xvfb-run): its row in the
// status bar, with what it is, how far it has come and Cancel, in a light and
// a dark palette; the pictures are kept beside the test for a person to look
// at.

#include "app/Application.h"
#include "app/TaskList.h"
#include "app/WindowController.h"
#include "model/Operations.h"
#include "platform/AtomicFile.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "platform/Task.h"
#include "platform/qt/QtMainQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

namespace ornival {
namespace {

// Holds the export's write until it is let go.
struct HeldWrites : FileCalls {
  mutable std::atomic<bool> held{true};
  mutable std::atomic<bool> waiting{false};
  int makeTemporary(char* pattern) const override {
    waiting = true;
    for (int i = 0; held && i < 2000; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return FileCalls::makeTemporary(pattern);
  }
};

TEST(TaskListScreenshot, AnExportUnderWayShowsItsProgressAndCancelInLightAndDark) {
  testing::qtApplication();
  QCoreApplication::setOrganizationName("OrnivalTests");
  QCoreApplication::setApplicationName(QStringLiteral("OrnivalScreenshot-%1").arg(::getpid()));
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const testing::TemporaryFolder folder("ornival-task-list");
  const auto file = folder / "Pattern.ornival";
  {
    std::ofstream out(file);
    out << "Ornival 0.2\n\ncolors:\nF2C14EFF\n3A5A8CFF\n\nshapes:\n7,0\n";
    for (int k = 1; k < 400; ++k)
      out << (k % 20 == 0 ? std::to_string(k - 20) + ",2,7,0," : std::to_string(k - 1) + ",1,7,3,") << (k % 2)
          << "\n";
    out << "\nbackgroundColor: FFFFFFFF\n";
  }
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
  dark.setColor(QPalette::WindowText, QColor(0xE8, 0xE8, 0xE8));
  dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
  dark.setColor(QPalette::Text, QColor(0xE8, 0xE8, 0xE8));
  dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
  dark.setColor(QPalette::ButtonText, QColor(0xE8, 0xE8, 0xE8));
  for (const auto& [name, palette] : {std::pair{"light", light}, std::pair{"dark", dark}}) {
    QApplication::setPalette(palette);
    HeldWrites files;
    Application::Options options{ORNIVAL_EXAMPLES, folder / "autosave", 600000};
    options.files = &files;
    options.taskShownAfterMilliseconds = 0;
    Application application(options);
    WindowController* window = application.openFile(file);
    ASSERT_NE(window, nullptr);
    window->window()->resize(900, 600);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    ASSERT_TRUE(window->send({"export", 2, {}}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return files.waiting.load(); }, 20000));
    window->taskList()->refresh();
    ASSERT_EQ(window->taskList()->tasks().size(), 1u);
    const auto& task = *window->taskList()->tasks()[0];
    ASSERT_NE(window->taskList()->cancelButton(task), nullptr);
    ASSERT_NE(window->taskList()->progressBar(task), nullptr);
    EXPECT_TRUE(window->taskList()->isVisible());
    EXPECT_GT(window->taskList()->progressBar(task)->value(), 0);
    QTest::qWait(100);
    const QString picture = QStringLiteral(ORNIVAL_SCREENSHOTS "/task-list-%1.png").arg(name);
    EXPECT_TRUE(window->window()->grab().save(picture)) << picture.toStdString();
    files.held = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->exportNotice()->isVisible(); }, 20000));
    window->window()->close();
    Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  }
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace ornival
