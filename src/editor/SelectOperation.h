#pragma once

#include "editor/HitTest.h"
#include "editor/InputState.h"
#include "editor/ViewController.h"
#include "figures/Line.h"
#include "model/NeighborModel.h"
#include "platform/Operation.h"
#include "platform/Vec2.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ornival {

class Edge;
class EdgeMultiNeighborsOperation;
class Figure;

// The hover hit test for candidates, whose overlap test against the tiling's
// outline is too costly for the main thread: finds the candidate under the
// point and hovers it, or takes the hover away, back on the main thread.
//
// Runs on the select queue while the main thread goes on editing, so it
// reads nothing of the editor directly: create, on the main thread, takes
// down what it needs (the point, the tools, the keys held, the outline, the
// free side nearest the point and the group searches under way), and
// candidate lists are fetched as copies through synchronous main-queue
// calls, once those searches have handed theirs over: the same pointer over
// the same drawing finds the same candidate, whichever worker ends first. It holds the editor weakly,
// so the editor never goes with it on a worker. A cancelled operation never
// touches the editor: it checks between candidates, after the search and
// again on the main queue.
//
// Its answer holds for the tiling it began on, and an edit may come between
// (a click placing the candidate hovered before, say): the lists it fetches
// and the answer it gives are dropped once the tiling has changed since.
// Its overlap verdicts are stored on the candidates on the main thread, only
// while the tiling is unchanged, also when the operation was given up.
class SelectOperation final : public Operation {
public:
  // Main thread only.
  static std::shared_ptr<SelectOperation> create(const std::shared_ptr<ViewController>& viewController, Vec2 point);

  Vec2 point() const { return point_; }

  void main() override;

  // The candidate under the point along the free side nearest to it, and
  // the same along every free side for the given kinds; none when nothing is
  // there or the operation was cancelled. On the operation's thread, which
  // must not be the main thread's queue blocked on it.
  std::shared_ptr<NeighborModel> findCandidate();
  std::shared_ptr<NeighborModel> findToolCandidate(const ToolSet& tools);

private:
  // Overlap verdicts reached on the operation's thread, by candidate.
  using Verdicts = std::unordered_map<const NeighborModel*, std::pair<std::shared_ptr<NeighborModel>, Checked>>;

  SelectOperation(const std::shared_ptr<ViewController>& viewController, Vec2 point);

  // Main thread: whether the tiling is still the one the operation began on.
  bool isCurrent(const ViewController& editor) const;
  // Main thread: stores the verdicts on their candidates.
  static void keepVerdicts(const Verdicts& verdicts);

  // The best candidate of the list at the point, as both searches choose.
  std::shared_ptr<NeighborModel> best(const std::vector<std::shared_ptr<NeighborModel>>& candidates);
  // Whether the point lies inside the candidate. A group candidate is tested
  // in its figure's units against the group's shared outline, so that its
  // own outline is never built.
  bool isUnder(const NeighborModel& candidate) const;
  // Main thread: hovers the answer, unless cancelled.
  void applyResult(const std::shared_ptr<NeighborModel>& candidate);

  const std::weak_ptr<ViewController> viewController_;
  const Vec2 point_;
  // Taken by create on the main thread.
  std::uint64_t tilingEdits_ = 0;
  ToolSet tools_;
  ModifierFlags flags_;
  std::vector<Line> border_;
  // The outline filed for the overlap tests, made by the first of them.
  std::optional<OutlineIndex> outline_;
  Verdicts verdicts_;
  std::weak_ptr<Edge> nearestSide_;
  // The group searches under way when the hover began: their lists are
  // waited for before any list is read.
  std::vector<std::shared_ptr<EdgeMultiNeighborsOperation>> groupSearches_;
  std::shared_ptr<const Figure> groupFigure_;
  std::shared_ptr<const std::vector<Line>> groupOutline_;
};

}  // namespace ornival
