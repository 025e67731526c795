#include "platform/Operation.h"

#include "platform/Precondition.h"

#include <utility>

namespace ornival {

void Operation::cancel() {
  // The flag comes first: a queue that binds the operation after this reads
  // it, and one that bound it before is found below and lets it go.
  stop_.request_stop();
  std::shared_ptr<detail::OperationOwner> owner;
  {
    std::lock_guard lock(ownerMutex_);
    owner = owner_.lock();
  }
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
