#pragma once

#include "model/NeighborModel.h"
#include "platform/Operation.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>
#include <vector>

namespace ornival {

class Edge;
class Figure;
class MultiShape;

// Finds where the group tile fits against one free side: one candidate for
// every side of the group whose length matches the free side's, laid on it
// the other way round. The list reaches the side only on the main thread, in
// one block that replaces the side's group list; a search cancelled before
// that block has run stores nothing.
//
// Runs on the neighbour queue while the main thread goes on editing, so it
// never reads a live tile or side: create, on the main thread, takes down
// what the work needs (the side's corners, its target length, the group's
// figure, which no one changes once the group is made). It holds the side and
// the group strongly, and those references are always let go on the main
// thread, since a group's tiles own layers.
class EdgeMultiNeighborsOperation final : public Operation {
public:
  // Main thread only. Queued at low priority, behind the editor's other
  // work. The side must be given; a side whose tile still exists must have its
  // next links, and its index must lie within its figure's lengths. The group
  // may be absent here but must be given by the time the work runs.
  static std::shared_ptr<EdgeMultiNeighborsOperation> create(std::shared_ptr<Edge> edge,
                                                             std::shared_ptr<MultiShape> multiShape);
  ~EdgeMultiNeighborsOperation() override;

  const std::shared_ptr<Edge>& edge() const { return edge_; }
  const std::shared_ptr<MultiShape>& multiShape() const { return multiShape_; }

  // The search, on a queue thread. Gives up without a word when cancelled at
  // the start or before any candidate, or when the side's tile is gone;
  // otherwise runs storeNeighbors on the main queue, even with an empty list,
  // and waits for it, unless cancelled first. On the main thread itself it
  // stores at once. So the main thread must not wait for the operation's
  // queue without cancelling it first.
  void main() override;

  // Main thread only: the list becomes the side's group list, replacing any
  // there; the other lists stay. Nothing is stored once the operation was
  // cancelled, even after its search had finished.
  void storeNeighbors();

  // Any thread but the main one: waits until the search has handed its list
  // over, given up or been cancelled, or until `waiter` is stopped; whether
  // the wait ended without the waiter being stopped. A hit test waits for
  // the searches near its point, so that what it finds does not depend on
  // which of them a worker happened to finish first.
  bool waitUntilDone(std::stop_token waiter) const;
  bool isDone() const;

private:
  EdgeMultiNeighborsOperation(std::shared_ptr<Edge> edge, std::shared_ptr<MultiShape> multiShape);

  std::shared_ptr<Edge> edge_;
  std::shared_ptr<MultiShape> multiShape_;

  // Taken by create on the main thread; the work reads nothing else.
  bool tileExists_ = false;
  double targetLength_ = 0.0;
  ParentSide parentSide_;
  std::shared_ptr<const Figure> groupFigure_;

  // Written by main before it posts, read by storeNeighbors after.
  std::vector<std::shared_ptr<NeighborModel>> candidates_;

  mutable std::mutex doneMutex_;
  mutable std::condition_variable_any doneChanged_;
  bool done_ = false;
};

}  // namespace ornival
