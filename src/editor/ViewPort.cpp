#include "editor/ViewPort.h"

#include "platform/MainQueue.h"

namespace ornival {

void ViewPort::runInSlices(std::function<bool()> step) {
  mainQueue()->post([step = std::move(step)]() mutable {
    if (step())
      runInSlices(std::move(step));
  });
}

}  // namespace ornival
