// The selection, one tile, one group, one colour region or the whole tiling
// at a time, each change its own undo step inside the batch that asked for
// it; and tiles coloured from the underlay picture.

#include "editor/ViewController.h"

#include "editor/Undo.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/Localization.h"
#include "platform/UndoManager.h"

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

// The selected tiles' group walks; recursion ends at tiles already in the
// wanted state, so rings of joins end too. Kept on a stack of our own so that
// a long chain of glued tiles cannot exhaust the call stack.
template <typename Visit>
void walkGroup(const std::shared_ptr<Shape>& from, Visit visit) {
  std::vector<std::shared_ptr<Shape>> stack{from};
  while (!stack.empty()) {
    const auto tile = stack.back();
    stack.pop_back();
    if (!visit(tile))
      continue;
    // Reversed so that the first side's neighbour is handled first, as a
    // recursion in side order would.
    const auto& edges = tile->edges();
    for (auto edge = edges.rbegin(); edge != edges.rend(); ++edge) {
      if (!(*edge)->isGroupJoin)
        continue;
      const auto partner = (*edge)->join.lock();
      if (const auto next = partner ? partner->shape.lock() : nullptr)
        stack.push_back(next);
    }
  }
}

}  // namespace

Undo ViewController::selectionBatch() {
  // Undo and redo of the whole batch end with one rebuild of the mark layer.
  return Undo([this] { registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); }); },
              [this] { updateMarkLayer(); });
}

void ViewController::selectShape(int index, Undo* undo) {
  const auto& tiles = graph_->shapes();
  if (index < 0 || std::size_t(index) >= tiles.size())
    return;
  const auto& tile = tiles[std::size_t(index)];
  if (tile->marked)
    return;
  tile->showMark(true, marksParent());
  if (UndoManager* manager = undoManager()) {
    willRegister(undo);
    registerUndoStep([index](ViewController& editor) { editor.deselectShape(index, nullptr); });
    if (!manager->isUndoing())
      manager->setActionName(localized("Undo", "Select Shape"));
  }
}

void ViewController::deselectShape(int index, Undo* undo) {
  const auto& tiles = graph_->shapes();
  if (index < 0 || std::size_t(index) >= tiles.size())
    return;
  const auto& tile = tiles[std::size_t(index)];
  if (!tile->marked)
    return;
  tile->showMark(false, marksParent());
  if (UndoManager* manager = undoManager()) {
    willRegister(undo);
    registerUndoStep([index](ViewController& editor) { editor.selectShape(index, nullptr); });
    if (!manager->isUndoing())
      manager->setActionName(localized("Undo", "Deselect Shape"));
  }
}

void ViewController::selectGroup(const std::shared_ptr<Shape>& shape, bool addToMoving, Undo* undo) {
  if (!shape)
    return;
  walkGroup(shape, [&](const std::shared_ptr<Shape>& tile) {
    if (tile->marked)
      return false;
    selectShape(tile->index, undo);
    if (addToMoving)
      moving.push_back(tile);
    // A tile outside the tiling (its index beyond it) stays unselected: the
    // walk must not come back to it for ever.
    return tile->marked;
  });
}

void ViewController::deselectGroup(const std::shared_ptr<Shape>& shape, bool addToMoving, Undo* undo) {
  if (!shape)
    return;
  walkGroup(shape, [&](const std::shared_ptr<Shape>& tile) {
    if (!tile->marked)
      return false;
    deselectShape(tile->index, undo);
    if (addToMoving)
      moving.push_back(tile);
    return !tile->marked;
  });
}

void ViewController::selectColorRegion(const std::shared_ptr<Shape>& shape, Undo* undo) {
  if (!shape)
    return;
  std::vector<std::shared_ptr<Shape>> stack{shape};
  while (!stack.empty()) {
    const auto tile = stack.back();
    stack.pop_back();
    if (tile->marked)
      continue;
    selectShape(tile->index, undo);
    if (!tile->marked)
      continue;
    const auto& edges = tile->edges();
    for (auto edge = edges.rbegin(); edge != edges.rend(); ++edge) {
      const auto partner = (*edge)->join.lock();
      const auto next = partner ? partner->shape.lock() : nullptr;
      if (next && next->shapeColor() == tile->shapeColor())
        stack.push_back(next);
    }
  }
}

void ViewController::selectAll() {
  const ModifierFlags flags = modifierFlags();
  Undo undo = selectionBatch();
  const int count = int(graph_->shapes().size());
  for (int i = 0; i < count; ++i) {
    const bool selected = graph_->shapes()[std::size_t(i)]->marked;
    if (flags.shift) {
      if (selected)
        deselectShape(i, &undo);
      else
        selectShape(i, &undo);
    } else if (flags.option) {
      deselectShape(i, &undo);
    } else {
      selectAllFrom(i, undo);
      return;
    }
  }
}

void ViewController::selectAllFrom(int first, Undo& undo) {
  // One undo step for the lot, deselecting last first as steps of their own
  // would: a large tiling selects in one go.
  const auto& tiles = graph_->shapes();
  std::vector<int> selected;
  for (std::size_t i = std::size_t(first); i < tiles.size(); ++i) {
    if (tiles[i]->marked)
      continue;
    tiles[i]->showMark(true, marksParent());
    selected.push_back(int(i));
  }
  UndoManager* manager = undoManager();
  if (!manager || selected.empty())
    return;
  willRegister(&undo);
  registerUndoStep([selected = std::move(selected)](ViewController& editor) {
    for (auto index = selected.rbegin(); index != selected.rend(); ++index)
      editor.deselectShape(*index, nullptr);
  });
  if (!manager->isUndoing())
    manager->setActionName(localized("Undo", "Select Shape"));
}

void ViewController::colorShapesFromImage() {
  if (!bitmap || !imageLayer)
    return;
  const Rect bounds = imageLayer->bounds();
  if (!(bounds.size.x > 0.0) || !(bounds.size.y > 0.0))
    return;
  const double pw = bitmap->width();
  const double ph = bitmap->height();
  const AffineTransform toPixels =
      AffineTransform::rotation(rotation_ * std::numbers::pi / 180.0)
          .concatenating(AffineTransform::translation(-(bounds.origin.x + bounds.size.x / 2.0),
                                                      -(bounds.origin.y + bounds.size.y / 2.0)))
          .concatenating(AffineTransform::scale(pw / bounds.size.x, -ph / bounds.size.y))
          .concatenating(AffineTransform::translation(pw / 2.0, ph / 2.0));
  registerRefreshStep([](ViewController& editor) { editor.updateFlatNode(); });
  std::vector<std::shared_ptr<Shape>> tiles;
  for (const auto& tile : graph_->shapes()) {
    if (tile->marked)
      tiles.push_back(tile);
  }
  if (tiles.empty())
    tiles = graph_->shapes();
  for (const auto& tile : tiles) {
    const Vec2 at = toPixels.apply(tile->center());
    if (!std::isfinite(at.x) || !std::isfinite(at.y))
      continue;
    const double x = std::trunc(at.x);
    const double y = std::trunc(at.y);
    // Rows counted from the top, as the mapping flips y to the picture's.
    if (x < 0.0 || y < 0.0 || x >= pw || y >= ph)
      continue;
    const auto& pixel = bitmap->pixel(int(x), int(y));
    setShapeColor(tile, Color{pixel[0] / 255.0, pixel[1] / 255.0, pixel[2] / 255.0, pixel[3] / 255.0});
  }
  updateFlatNode();
  auto& cache = Materials::cache();
  std::erase_if(cache, [](const auto& entry) { return entry.second.value.expired(); });
}

}  // namespace ornival
