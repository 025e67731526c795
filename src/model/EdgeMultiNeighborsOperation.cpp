#include "model/EdgeMultiNeighborsOperation.h"

#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/MultiShape.h"
#include "model/Shape.h"
#include "platform/Grid.h"
#include "platform/MainQueue.h"
#include "platform/Precondition.h"

#include <cmath>
#include <utility>

namespace ornival {

std::shared_ptr<EdgeMultiNeighborsOperation> EdgeMultiNeighborsOperation::create(
    std::shared_ptr<Edge> edge, std::shared_ptr<MultiShape> multiShape) {
  ORNIVAL_PRECONDITION(mainQueue()->isMainThread());
  auto operation = std::shared_ptr<EdgeMultiNeighborsOperation>(
      new EdgeMultiNeighborsOperation(std::move(edge), std::move(multiShape)));
  operation->setQueuePriority(QueuePriority::low);
  return operation;
}

EdgeMultiNeighborsOperation::EdgeMultiNeighborsOperation(std::shared_ptr<Edge> edge,
                                                         std::shared_ptr<MultiShape> multiShape)
    : edge_(std::move(edge)), multiShape_(std::move(multiShape)) {
  ORNIVAL_PRECONDITION(edge_ != nullptr);
  if (multiShape_)
    groupFigure_ = multiShape_->figure();
  const auto tile = edge_->shape.lock();
  if (!tile)
    return;
  tileExists_ = true;
  const auto& lengths = tile->figure()->lengths();
  ORNIVAL_PRECONDITION(edge_->index() >= 0 && std::size_t(edge_->index()) < lengths.size());
  targetLength_ = lengths[std::size_t(edge_->index())] * tile->scale();
  parentSide_ = ParentSide::of(*edge_);
}

EdgeMultiNeighborsOperation::~EdgeMultiNeighborsOperation() {
  if (!edge_ && !multiShape_)
    return;
  const auto queue = mainQueue();
  if (queue->isMainThread())
    return;
  // The queue lets go of a finished or cancelled operation on its own
  // thread; the group's tiles must not go with it there.
  queue->post([edge = std::move(edge_), multiShape = std::move(multiShape_)] {});
}

void EdgeMultiNeighborsOperation::main() {
  struct Done {
    EdgeMultiNeighborsOperation& operation;
    ~Done() {
      {
        std::lock_guard lock(operation.doneMutex_);
        operation.done_ = true;
      }
      operation.doneChanged_.notify_all();
    }
  } done{*this};
  // Only asks whether the tile is gone: a worker never takes a reference to
  // it, which could turn out to be the last.
  if (isCancelled() || !tileExists_ || edge_->shape.expired())
    return;
  ORNIVAL_PRECONDITION(groupFigure_ != nullptr);
  const Figure& figure = *groupFigure_;
  const int count = figure.variantCount();
  const auto& lengths = figure.lengths();
  std::vector<std::shared_ptr<NeighborModel>> candidates;
  for (int k = 0; k < count; ++k) {
    // A group whose border lost a tile has no length for that side, and
    // nothing can be matched against it.
    if (std::size_t(k) >= lengths.size())
      break;
    if (!(std::abs(lengths[std::size_t(k)] - targetLength_) < gridTolerance))
      continue;
    if (isCancelled())
      return;
    auto candidate = NeighborModel::create(groupFigure_);
    candidate->place(k, parentSide_);
    candidate->setParent(edge_, parentSide_);
    candidate->edgeOffset = k;
    candidates.push_back(std::move(candidate));
  }
  candidates_ = std::move(candidates);
  // The operation waits for its hand-over, and so stays on its queue until
  // then: every edit cancels the queue before it changes the tiling, and that
  // cancel must still stop a list finished for the tiling (or the group) as it
  // was. A cancel gives the wait up, and the block then never runs.
  mainQueue()->postAndWait([this] { storeNeighbors(); }, stopToken());
}

void EdgeMultiNeighborsOperation::storeNeighbors() {
  ORNIVAL_PRECONDITION(mainQueue()->isMainThread());
  // Every edit cancels the queued searches first. A list that was finished
  // but not yet handed over when that happened belongs to the tiling (or the
  // group) as it was: storing it would mark the side as searched with stale
  // candidates, and it would never be searched again.
  if (isCancelled())
    return;
  edge_->neighbors[Shapes::multi] = std::move(candidates_);
}

bool EdgeMultiNeighborsOperation::isDone() const {
  std::lock_guard lock(doneMutex_);
  return done_;
}

bool EdgeMultiNeighborsOperation::waitUntilDone(std::stop_token waiter) const {
  // A search cancelled before it started never runs, so its cancellation
  // wakes the wait too. Registered before the lock is taken: a callback
  // whose token is already stopped runs at once, and takes the lock itself.
  const std::stop_callback onCancel(stopToken(), [this] {
    std::lock_guard lock(doneMutex_);
    doneChanged_.notify_all();
  });
  std::unique_lock lock(doneMutex_);
  return doneChanged_.wait(lock, waiter, [this] { return done_ || isCancelled(); });
}

}  // namespace ornival
