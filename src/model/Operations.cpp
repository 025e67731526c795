#include "model/Operations.h"

#include <string>
#include <utility>

namespace ornival {

namespace {

std::shared_ptr<OperationQueue> makeQueue(std::string name, int width, QualityOfService quality) {
  auto queue = OperationQueue::create();
  queue->setName(std::move(name));
  queue->setMaxConcurrentOperationCount(width);
  queue->setQualityOfService(quality);
  return queue;
}

}  // namespace

std::shared_ptr<Operations> Operations::create() {
  return std::shared_ptr<Operations>(new Operations());
}

const std::shared_ptr<OperationQueue>& Operations::neighborQueue() const {
  return neighborQueue_.get([] {
    return makeQueue("Neighbor queue", OperationQueue::defaultMaxConcurrentOperationCount,
                     QualityOfService::userInitiated);
  });
}

const std::shared_ptr<OperationQueue>& Operations::selectQueue() const {
  return selectQueue_.get([] { return makeQueue("Select queue", 1, QualityOfService::userInitiated); });
}

const std::shared_ptr<OperationQueue>& Operations::exportQueue() {
  // Never destroyed: exports and thumbnails may still be under way while the
  // process shuts down, and tearing the queue down then would wait for them
  // against statics that may already be gone.
  static const auto* const queue =
      new std::shared_ptr<OperationQueue>(makeQueue("Export queue", 2, QualityOfService::utility));
  return *queue;
}

}  // namespace ornival
