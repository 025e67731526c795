#include "editor/SelectOperation.h"

#include "editor/HitTest.h"
#include "model/Edge.h"
#include "model/EdgeMultiNeighborsOperation.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "platform/MainQueue.h"
#include "platform/Precondition.h"

#include <algorithm>

namespace ornival {

std::shared_ptr<SelectOperation> SelectOperation::create(const std::shared_ptr<ViewController>& viewController,
                                                         Vec2 point) {
  ORNIVAL_PRECONDITION(viewController != nullptr && mainQueue()->isMainThread());
  return std::shared_ptr<SelectOperation>(new SelectOperation(viewController, point));
}

SelectOperation::SelectOperation(const std::shared_ptr<ViewController>& viewController, Vec2 point)
    : viewController_(viewController), point_(point) {
  const ViewController& editor = *viewController;
  tilingEdits_ = editor.tilingEdits_;
  tools_ = editor.selectedTools;
  flags_ = editor.modifierFlags();
  border_ = editor.border;
  if (!editor.borderEdges.empty())
    nearestSide_ = Edge::nearestMidpoint(editor.borderEdges, point);
  groupSearches_ = editor.pendingGroupSearches();
  if (editor.multiShape) {
    groupFigure_ = editor.multiShape->figure();
    groupOutline_ = editor.multiShape->outline();
  }
}

void SelectOperation::main() {
  for (const auto& search : groupSearches_) {
    if (!search->waitUntilDone(stopToken()))
      return;
  }
  auto candidate = findCandidate();
  if (!candidate && !isCancelled())
    candidate = findToolCandidate(tools_);
  if (!isCancelled())
    mainQueue()->postAndWait([this, &candidate] { applyResult(candidate); }, stopToken());
  // Verdicts of a hit test given up on still save the next one the overlap
  // tests, as long as the tiling is the one they were made for.
  if (!verdicts_.empty()) {
    mainQueue()->post([editor = viewController_, edits = tilingEdits_, verdicts = std::move(verdicts_)] {
      if (const auto self = editor.lock(); self && self->tilingEdits_ == edits)
        keepVerdicts(verdicts);
    });
  }
}

bool SelectOperation::isCurrent(const ViewController& editor) const { return editor.tilingEdits_ == tilingEdits_; }

void SelectOperation::keepVerdicts(const Verdicts& verdicts) {
  for (const auto& [key, verdict] : verdicts)
    verdict.first->setChecked(verdict.second);
}

void SelectOperation::applyResult(const std::shared_ptr<NeighborModel>& candidate) {
  if (isCancelled())
    return;
  const auto editor = viewController_.lock();
  // An edit of the tiling since the hit test began leaves its answer and its
  // verdicts without meaning: they were found against the outline as it was.
  // The edit has hovered what it wants hovered.
  if (!editor || !isCurrent(*editor))
    return;
  keepVerdicts(verdicts_);
  verdicts_.clear();
  if (candidate) {
    editor->updateSelectedPointLayer(candidate);
    editor->selectedPoint = point_;
  } else {
    editor->clearHoverOutline();
  }
}

std::shared_ptr<NeighborModel> SelectOperation::findCandidate() {
  if (nearestSide_.expired())
    return nullptr;
  std::vector<std::shared_ptr<NeighborModel>> candidates;
  mainQueue()->postAndWait(
      [&] {
        const auto editor = viewController_.lock();
        const auto side = nearestSide_.lock();
        if (editor && side && isCurrent(*editor))
          candidates = editor->candidatesAlong(*side, tools_);
      },
      stopToken());
  return best(candidates);
}

std::shared_ptr<NeighborModel> SelectOperation::findToolCandidate(const ToolSet& tools) {
  if (nearestSide_.expired())
    return nullptr;
  // One call for all sides rather than one per side: the main thread is
  // held up once, and only sides that have lists give anything.
  std::vector<std::shared_ptr<NeighborModel>> candidates;
  mainQueue()->postAndWait(
      [&] {
        if (const auto editor = viewController_.lock(); editor && isCurrent(*editor))
          candidates = editor->candidatesAlongBorder(tools);
      },
      stopToken());
  return best(candidates);
}

std::shared_ptr<NeighborModel> SelectOperation::best(const std::vector<std::shared_ptr<NeighborModel>>& candidates) {
  // The answer is the candidate under the point nearest to it that overlaps
  // nothing, the first in the list among equals. Taken nearest first, the
  // first that qualifies is that one, and no farther candidate needs the
  // costly overlap test: a group of thousands of tiles fits a side in
  // thousands of ways, most of them under the pointer.
  const Vec2 p = point_;
  // The candidates are the main thread's: verdicts reached here are kept
  // aside, and stored there only if the tiling is still the one they were
  // reached for.
  const auto verdictOf = [this](const NeighborModel& candidate) {
    const auto found = verdicts_.find(&candidate);
    return found != verdicts_.end() ? found->second.second : candidate.checked();
  };
  std::vector<std::pair<double, std::size_t>> order;
  order.reserve(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (verdictOf(*candidates[i]) != Checked::overlapping)
      order.emplace_back((p - candidates[i]->offCenter()).lengthSquared(), i);
  }
  std::sort(order.begin(), order.end());
  for (const auto& [distance, i] : order) {
    const auto& candidate = candidates[i];
    if (isCancelled())
      return nullptr;
    if (flags_.option && !candidate->isGood())
      continue;
    if (!isUnder(*candidate))
      continue;
    Checked verdict = verdictOf(*candidate);
    if (verdict == Checked::unknown) {
      if (!outline_)
        outline_.emplace(std::move(border_));
      verdict = figureOverlapsSegments(*outline_, *candidate) ? Checked::overlapping : Checked::ok;
      verdicts_.emplace(candidate.get(), std::pair{candidate, verdict});
    }
    if (verdict == Checked::ok)
      return candidate;
  }
  return nullptr;
}

bool SelectOperation::isUnder(const NeighborModel& candidate) const {
  const Vec2 p = point_;
  if (groupOutline_ && candidate.figure() == groupFigure_) {
    const auto toFigure = candidate.transformation.inverted();
    return toFigure && pointInPolygon(*groupOutline_, toFigure->apply(p));
  }
  const Line box = candidate.bounds();
  return box.vertex0.x < p.x && p.x < box.vertex1.x && box.vertex0.y < p.y && p.y < box.vertex1.y &&
         pointInPolygon(candidate.border(), p);
}

}  // namespace ornival
