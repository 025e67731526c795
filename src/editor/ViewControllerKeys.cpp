// The editor's own keys and the commands behind the window's arrow keys: Up
// and Down step through the candidates of one kind on one free side, Left
// and Right go along the outline to the next free side with a usable
// candidate of that kind; Tab hands the mouse to the relief's camera, "e"
// selects the tiles whose corners do not close, Escape stops what is under
// way.

#include "editor/ViewController.h"

#include "editor/EditorWindowController.h"
#include "editor/HitTest.h"
#include "editor/Undo.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/Precondition.h"

#include <cmath>
#include <cstdint>

namespace ornival {
namespace {

// The first Unicode scalar of UTF-8 text; 0 for none or a broken sequence.
char32_t firstScalar(const std::string& text) {
  if (text.empty())
    return 0;
  const auto byte = [&](std::size_t i) { return std::uint8_t(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  char32_t scalar = 0;
  if (lead < 0x80)
    return lead;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    scalar = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    scalar = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    scalar = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length)
    return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80)
      return 0;
    scalar = (scalar << 6) | (byte(i) & 0x3F);
  }
  return scalar;
}

constexpr char32_t tabKey = 0x09;
constexpr char32_t escapeKey = 0x1B;

}  // namespace

void ViewController::keyDown(const KeyEvent& event) {
  switch (firstScalar(event.characters)) {
    case tabKey:
      toggleCameraControl();
      break;
    case U'e':
      selectIrregularCorners();
      break;
    case escapeKey:
      cancelCurrentAction();
      if (cameraControl.isOn()) {
        cameraControl.turnOff(1.0);
        updateDragAction(false);
      }
      break;
    default:
      // The window's key table has the rest.
      break;
  }
}

void ViewController::cancelCurrentAction() {
  if (selectedShape.lock()) {
    ignoreDragging = true;
    cancelDrag();
  }
  if (const auto window = windowController()) {
    window->deactivateColorWell();
    updateDragAction(false);
  }
}

// Arrow keys --------------------------------------------------------------------

bool ViewController::isUsableCandidate(NeighborModel& candidate) const {
  switch (candidate.checked()) {
    case Checked::ok:
      return true;
    case Checked::overlapping:
      return false;
    case Checked::unknown:
      break;
  }
  const bool overlaps = figureOverlapsSegments(border, candidate);
  candidate.setChecked(overlaps ? Checked::overlapping : Checked::ok);
  return !overlaps;
}

void ViewController::hoverCandidate(const std::shared_ptr<NeighborModel>& candidate) {
  updateSelectedPointLayer(candidate);
  updateNeighbors(candidate->center());
}

bool ViewController::moveNeighborSelectionUp() { return stepAlongSide(true); }
bool ViewController::moveNeighborSelectionDown() { return stepAlongSide(false); }
bool ViewController::moveNeighborSelectionLeft() { return stepAlongOutline(true); }
bool ViewController::moveNeighborSelectionRight() { return stepAlongOutline(false); }

bool ViewController::stepAlongSide(bool up) {
  const auto current = std::dynamic_pointer_cast<NeighborModel>(selectedShape.lock());
  const auto parent = current ? current->parent() : nullptr;
  if (!parent)
    return false;
  const auto found = parent->neighbors.find(current->figure()->tool());
  const std::vector<std::shared_ptr<NeighborModel>>* list =
      found == parent->neighbors.end() ? nullptr : &found->second;
  std::shared_ptr<NeighborModel> x = current;
  // Each step either moves one place round the list or stays, and staying
  // or coming round ends at the hovered candidate.
  for (;;) {
    if (list && list->size() >= 2) {
      const std::size_t n = list->size();
      const auto at = std::find(list->begin(), list->end(), x);
      if (at != list->end()) {
        const std::size_t i = std::size_t(at - list->begin());
        x = (*list)[up ? (i + 1) % n : (i + n - 1) % n];
      }
    }
    if (isUsableCandidate(*x)) {
      hoverCandidate(x);
      return true;
    }
    if (x == current)
      return false;
  }
}

bool ViewController::stepAlongOutline(bool left) {
  const auto current = std::dynamic_pointer_cast<NeighborModel>(selectedShape.lock());
  const auto parent = current ? current->parent() : nullptr;
  if (!parent)
    return false;
  const Shapes kind = current->figure()->tool();

  // Every free side is passed at most once on the way round, and every
  // turn about a corner crosses each side at most once. A walk that runs
  // past either has left the outline (its start is no longer on it, or the
  // joins are not those of a surface) and would never come back.
  const std::size_t freeSteps = borderEdges.size();
  std::size_t sides = 0;
  for (const auto& tile : graph_->shapes())
    sides += tile->edges().size();
  const auto nearSide = [left](const Edge& edge) { return left ? edge.next.lock() : edge.previous(); };
  // The free side after (Left) or before (Right) side along the outline;
  // none when the turn breaks off or never ends.
  const auto freeSideFrom = [&](const Edge& side) -> std::shared_ptr<Edge> {
    auto edge = nearSide(side);
    for (std::size_t turns = 0; edge; ++turns) {
      const auto join = edge->join.lock();
      if (!join)
        return edge;
      if (turns >= sides)
        return nullptr;
      edge = nearSide(*join);
    }
    return nullptr;
  };

  auto edge = freeSideFrom(*parent);
  for (std::size_t steps = 0; edge && edge != parent && steps < freeSteps; ++steps) {
    const auto found = edge->neighbors.find(kind);
    if (found != edge->neighbors.end()) {
      // A copy: hovering fills the lists near the candidate.
      const auto candidates = found->second;
      for (const auto& candidate : candidates) {
        if (candidate == current || !isUsableCandidate(*candidate))
          continue;
        hoverCandidate(candidate);
        return true;
      }
    }
    edge = freeSideFrom(*edge);
  }
  return false;
}

// "e" -----------------------------------------------------------------------

std::vector<std::pair<int, int>> ViewController::irregularCorners() const {
  std::vector<std::pair<int, int>> pairs;
  for (const auto& tile : graph_->shapes()) {
    const auto& angles = tile->figure()->angles();
    for (const auto& edge : tile->edges()) {
      const auto join = edge->join.lock();
      if (!join || angles.empty())
        continue;
      // The corner where edge ends, and the neighbour's corner there: the
      // one where the side before the join ends.
      const double a = angles[std::size_t(edge->index()) % angles.size()];
      const auto model = join->shapeModel.lock();
      ORNIVAL_PRECONDITION(model != nullptr);
      const std::size_t n = model->edges().size();
      const auto& before = model->edges()[(std::size_t(join->index()) + n - 1) % n];
      const auto other = before->shape.lock();
      if (!other)
        continue;
      const auto& otherAngles = other->figure()->angles();
      if (otherAngles.empty())
        continue;
      const double b = otherAngles[std::size_t(before->index()) % otherAngles.size()];
      // Corners that make a straight side or close the turn are regular.
      if (std::abs(a + b - 180.0) > 1.0 / 512.0 && std::abs(a + b - 360.0) > 1.0 / 512.0) {
        pairs.emplace_back(tile->index, other->index);
        break;
      }
    }
  }
  return pairs;
}

void ViewController::selectIrregularCorners() {
  Undo record([this] { registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); }); },
              [this] { updateMarkLayer(); });
  for (int i = 0; i < int(graph_->shapes().size()); ++i)
    deselectShape(i, &record);
  for (const auto& [a, b] : irregularCorners()) {
    selectShape(a, &record);
    selectShape(b, &record);
  }
}

}  // namespace ornival
