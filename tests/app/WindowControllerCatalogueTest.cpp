#include "app/Application.h"
#include "app/CollectionView.h"
#include "app/IconMenuViewController.h"
#include "app/WindowController.h"
#include "editor/ViewController.h"
#include "platform/MainQueue.h"
#include "platform/UndoManager.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QSettings>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace ornival {
namespace {

// The catalogue browser in a document window: made with the window's editor,
// kept in step with its tools, its category restored.
class WindowCatalogue : public ::testing::Test {
protected:
  void SetUp() override {
    testing::qtApplication();
    QCoreApplication::setOrganizationName("OrnivalTests");
    QCoreApplication::setApplicationName("OrnivalTests");
    setMainQueue(mainQueue);
    std::filesystem::create_directories(folder / "examples");
    application = std::make_unique<Application>(Application::Options{folder / "examples", folder / "autosave", 50});
    application->askToSave = [](const std::string&) { return Application::SaveAnswer::discard; };
    application->askToReopen = [](int) { return false; };
  }
  void TearDown() override {
    application.reset();
    mainQueue->drain();
  }
  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  testing::TemporaryFolder folder{"ornival-catalogue"};
  std::unique_ptr<Application> application;
};

TEST_F(WindowCatalogue, PickingInTheBrowserEditsTheToolsAsOneUndoableEvent) {
  WindowController* window = application->newDocument();
  ASSERT_NE(window, nullptr);
  // The toolbar's Shapes button sends this.
  ASSERT_TRUE(window->send({"showIconMenu", 0, {}}));
  IconMenuViewController* browser = window->iconMenu();
  ASSERT_TRUE(browser->isVisible());
  EXPECT_EQ(browser->viewController(), window->editor());
  EXPECT_EQ(browser->category(), 1);
  EXPECT_EQ(browser->tools, window->selectedTools());

  // Ornival 8's third item, the right triangle, added with Ctrl.
  auto* grid = browser->collectionView();
  grid->selectionModel()->select(grid->model()->index(browser->itemRow(0, 2), 0), QItemSelectionModel::Select);
  EXPECT_TRUE(window->editor()->selectedTools.contains(Shapes::rightTriangle));
  // The window pushed the new tools back into the browser.
  EXPECT_EQ(browser->tools, window->selectedTools());
  EXPECT_EQ(window->undoManager()->undoActionName(), "Add Tools");

  browser->setCategory(6);
  EXPECT_EQ(window->toolCategory, 6);
  browser->close();
}

}  // namespace
}  // namespace ornival
