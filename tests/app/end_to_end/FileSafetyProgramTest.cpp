// The document's file as a user meets it on a real display (run under
// xvfb-run): Revert and Close through the File menu, the real close prompt
// answered with Discard while autosave's time runs out, and Save As through
// its key, in a throw-away home.

#include "app/Application.h"
#include "app/WindowController.h"
#include "editor/qt/View.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "support/QtApplication.h"
#include "support/Waiting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

QAction* fileMenuItem(WindowController& window, const QString& title) {
  for (QAction* menu : window.window()->menuBar()->actions())
    if (menu->text() == "File" && menu->menu()) {
      emit menu->menu()->aboutToShow();
      for (QAction* item : menu->menu()->actions())
        if (item->text() == title)
          return item;
    }
  return nullptr;
}

// Runs `answer` on the next modal dialog of type Dialog, from inside the
// dialog's own event loop.
template <class Dialog>
void whenDialogOpens(std::function<void(Dialog&)> answer) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      answer(*dialog);
    }
  });
  poll->start(20);
}

class FileSafetyProgram : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    home = fs::temp_directory_path() / ("ornival-file-program-" + std::to_string(::getpid()));
    fs::remove_all(home);
    for (const char* sub : {"Documents", ".config", ".local/share", ".cache", "work"})
      fs::create_directories(home / sub);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    testing::qtApplication();
    setMainQueue(std::make_shared<QtMainQueue>(qApp));
  }
  static void TearDownTestSuite() { fs::remove_all(home); }
  static inline fs::path home;
};

TEST_F(FileSafetyProgram, RevertAndDiscardThroughTheFileMenuAndTheRealPrompt) {
  const fs::path document = home / "work" / "Squares.ornival";
  fs::copy_file(fs::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival", document, fs::copy_options::overwrite_existing);
  const std::string original = contents(document);
  const int autosaveDelay = 300;
  Application application({ORNIVAL_EXAMPLES, home / ".local/share/Ornival/Autosave", autosaveDelay});
  std::vector<std::string> errors;
  application.presentError = [&](const std::string& message) { errors.push_back(message); };

  WindowController* window = application.openFile(document);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(testing::waitForExposed(window->window()));
  View* view = window->view();

  // An edit by key; autosave writes it over the file a moment later.
  QTest::keyClick(view, Qt::Key_B);
  ASSERT_TRUE(window->isEdited());
  // Written on the save queue; the window hears of it a moment after.
  ASSERT_TRUE(testing::waitFor([&] { return contents(document) != original && !window->isEdited(); }));

  // File › Revert to Saved takes it back, in the window and in the file.
  QAction* revert = fileMenuItem(*window, "Revert to Saved");
  ASSERT_NE(revert, nullptr);
  ASSERT_TRUE(revert->isEnabled());
  revert->trigger();
  EXPECT_EQ(contents(document), original);
  EXPECT_FALSE(window->isEdited());
  EXPECT_FALSE(fileMenuItem(*window, "Revert to Saved")->isEnabled());

  // Two edits: the first autosaved, the second still waiting when File ›
  // Close asks. While the prompt is open, autosave's time runs out four
  // times over; nothing is written, and Discard puts the file back.
  QTest::keyClick(window->view(), Qt::Key_B);
  ASSERT_TRUE(testing::waitFor([&] { return contents(document) != original; }));
  const std::string autosaved = contents(document);
  QTest::keyClick(window->view(), Qt::Key_B);
  ASSERT_TRUE(window->isEdited());
  bool prompted = false;
  std::string underThePrompt;
  whenDialogOpens<QMessageBox>([&](QMessageBox& box) {
    prompted = true;
    QTimer::singleShot(4 * autosaveDelay, &box, [&, button = box.button(QMessageBox::Discard)] {
      underThePrompt = contents(document);
      button->click();
    });
  });
  fileMenuItem(*window, "Close")->trigger();
  ASSERT_TRUE(testing::waitFor([&] { return application.windows().empty(); }));
  EXPECT_TRUE(prompted);
  EXPECT_EQ(underThePrompt, autosaved);
  EXPECT_EQ(contents(document), original);
  EXPECT_TRUE(errors.empty());
  QApplication::processEvents();
}

// Save As has its key, and its dialog starts beside the file, or among the
// user's documents for a document never saved.
TEST_F(FileSafetyProgram, SaveAsByItsKeyStartsBesideTheFileOrInDocuments) {
  const fs::path document = home / "work" / "Squares.ornival";
  fs::copy_file(fs::path(ORNIVAL_FIXTURES) / "TwoSquares.ornival", document, fs::copy_options::overwrite_existing);
  Application application({ORNIVAL_EXAMPLES, home / ".local/share/Ornival/Autosave", 60000});
  for (WindowController* window : {application.openFile(document), application.newDocument()}) {
    ASSERT_NE(window, nullptr);
    window->window()->activateWindow();
    ASSERT_TRUE(testing::waitForActive(window->window()));
    QString folder;
    whenDialogOpens<QFileDialog>([&](QFileDialog& dialog) {
      folder = dialog.directory().absolutePath();
      dialog.reject();
    });
    QTest::keyClick(window->window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(testing::waitFor([&] { return !folder.isEmpty(); }));
    EXPECT_EQ(folder.toStdString(), (window->file() ? home / "work" : home / "Documents").string());
    window->setEdited(false);
    window->window()->close();
  }
}

}  // namespace
}  // namespace ornival
