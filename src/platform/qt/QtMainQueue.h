#pragma once

#include "platform/MainQueue.h"

class QObject;
class QThread;

namespace ornival {

// The program's main queue: blocks posted from workers run on Qt's event
// loop, in the thread of context (the application), which is the main one.
class QtMainQueue final : public MainQueue {
public:
  explicit QtMainQueue(QObject* context);

  void post(std::function<void()> block) override;
  bool isMainThread() const override;

private:
  QObject* context_;
  QThread* thread_;
};

}  // namespace ornival
