#pragma once

// A test whose thread plays the main thread: blocks posted to the main queue
// wait until the test drains them, and the group tile slot is emptied after
// each test, so that group searches can be run and handed over step by step.

#include "model/MultiShape.h"
#include "platform/MainQueue.h"

#include <gtest/gtest.h>

#include <memory>

namespace ornival::testing {

class GroupSearchTest : public ::testing::Test {
protected:
  void SetUp() override { setMainQueue(main); }
  void TearDown() override {
    main->drain();
    MultiShape::resetCurrent();
    setMainQueue(nullptr);
  }

  std::shared_ptr<ManualMainQueue> main = ManualMainQueue::create();
};

}  // namespace ornival::testing
