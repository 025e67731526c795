#include "platform/Operation.h"

#include "platform/Precondition.h"

#include <utility>

namespace ornival {

void Operation::cancel() {
  std::shared_ptr<detail::OperationOwner> owner;
  {
    std::lock_guard lock(ownerMutex_);
    owner = owner_.lock();
  }
  stop_.request_stop();
  if (owner)
    owner->operationCancelled(*this);
}

void Operation::enqueue(std::weak_ptr<detail::OperationOwner> owner) {
  std::lock_guard lock(ownerMutex_);
  ORNIVAL_PRECONDITION(!enqueued_);
  enqueued_ = true;
  owner_ = std::move(owner);
}

}  // namespace ornival
