#pragma once

// Example documents written to a fresh folder, and the queues an example icon
// travels: the export queue draws, the manual main queue hands over.

#include "model/Operations.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace ornival::testing {

namespace fs = std::filesystem;

class ExampleIconsFixture : public ::testing::Test {
protected:
  void SetUp() override {
    qtApplication();
    setMainQueue(mainQueue);
  }

  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(folder / name) << text;
    return (folder / name).string();
  }
  // Whatever the export queue drew, handed over to the main thread.
  void settle() {
    Operations::exportQueue()->waitUntilAllOperationsAreFinished();
    mainQueue->drain();
  }

  TemporaryFolder folder{"ornival-example-icons"};
  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
};

}  // namespace ornival::testing
