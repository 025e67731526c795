#pragma once

// A document window of the program on the offscreen platform, with the
// application's dialogs answered by the test and settings kept apart.

#include "app/Application.h"
#include "app/WindowController.h"
#include "platform/MainQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <QCoreApplication>
#include <QSettings>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace ornival::testing {

// A grid of squares in two colours, in the file's tree form.
inline std::string squaresDocument(int columns, int rows) {
  std::string shapes;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) {
      const int index = y * columns + x;
      shapes += index == 0 ? "7,0\n"
                : x == 0   ? std::to_string(index - columns) + ",2,7,0," + std::to_string(index % 2) + "\n"
                           : std::to_string(index - 1) + ",1,7,3," + std::to_string(index % 2) + "\n";
    }
  return "Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n" + shapes + "\nbackgroundColor: 3A5A8CFF\n";
}

class DocumentWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    qtApplication();
    QCoreApplication::setOrganizationName("OrnivalTests");
    // Each test program keeps its own settings: they run side by side.
    QCoreApplication::setApplicationName(QStringLiteral("OrnivalWindowTests-%1").arg(::getpid()));
    QSettings().clear();
    setMainQueue(mainQueue);
    std::filesystem::create_directories(folder / "examples");
    application = std::make_unique<Application>(Application::Options{folder / "examples", folder / "autosave", 60000});
    application->presentError = [](const std::string&) {};
    application->askToSave = [](const std::string&) { return Application::SaveAnswer::discard; };
  }
  void TearDown() override {
    application.reset();
    mainQueue->drain();
    {
      QSettings settings;
      settings.clear();
      settings.sync();
      std::filesystem::remove(settings.fileName().toStdString());
    }
  }
  // A window of a document read from text.
  WindowController& open(const std::string& text) {
    const auto file = folder / "document.ornival";
    std::ofstream(file, std::ios::binary) << text;
    WindowController* window = application->openFile(file);
    EXPECT_NE(window, nullptr);
    return *window;
  }

  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  TemporaryFolder folder{"ornival-window"};
  std::unique_ptr<Application> application;
};

}  // namespace ornival::testing
