#pragma once

#include "platform/Lazy.h"
#include "platform/OperationQueue.h"

#include <memory>

namespace ornival {

// The background queues of one editor window, and the one queue the whole
// process shares for exports. Each queue is made with its settings on first
// read and kept; dropping the Operations drops its two queues, which cancels
// what they hold and waits for what is running.
class Operations {
public:
  static std::shared_ptr<Operations> create();
  Operations(const Operations&) = delete;
  Operations& operator=(const Operations&) = delete;

  // "Neighbor queue": group-tile candidate searches, as wide as the machine.
  const std::shared_ptr<OperationQueue>& neighborQueue() const;
  // "Select queue": the hover hit test, one at a time.
  const std::shared_ptr<OperationQueue>& selectQueue() const;
  // "Export queue": file presenter callbacks and example thumbnails, two at a
  // time. Made once for the process, whichever thread comes first.
  static const std::shared_ptr<OperationQueue>& exportQueue();

private:
  Operations() = default;

  Lazy<std::shared_ptr<OperationQueue>> neighborQueue_;
  Lazy<std::shared_ptr<OperationQueue>> selectQueue_;
};

}  // namespace ornival
