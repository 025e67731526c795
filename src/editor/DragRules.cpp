#include "editor/DragRules.h"

#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/Shape.h"

#include <cmath>
#include <functional>

namespace ornival {
namespace {

constexpr double handleZone = 10.0;

bool near(double a, double b) { return std::abs(a - b) < handleZone; }

}  // namespace

DragAction handleAction(const Rect& frame, Vec2 p) {
  const bool nearMinY = near(p.y, frame.minY());
  const bool nearMaxY = near(p.y, frame.maxY());
  if (near(p.x, frame.minX()))
    return nearMinY ? DragAction::bottomLeftBounds : nearMaxY ? DragAction::topLeftBounds : DragAction::leftBounds;
  if (near(p.x, frame.maxX()))
    return nearMinY ? DragAction::bottomRightBounds : nearMaxY ? DragAction::topRightBounds : DragAction::rightBounds;
  if (nearMinY)
    return DragAction::bottomBounds;
  if (nearMaxY)
    return DragAction::topBounds;
  if (frame.minX() < p.x && p.x < frame.maxX() && frame.minY() < p.y && p.y < frame.maxY())
    return DragAction::move;
  return DragAction::ignore;
}

bool isHandleAction(DragAction action) {
  const int raw = int(action);
  return raw >= int(DragAction::rightBounds) && raw <= int(DragAction::move);
}

DragBand dragBand(double d, std::size_t carried) {
  if (d < 800.0)
    return {DragAction::ignore, 1.0, ShapeStatus::marked};
  if (d < 3200.0)
    return {DragAction::copy, 1.0, ShapeStatus::copy};
  if (d < 7200.0 && carried >= 2)
    return {DragAction::cutAndPaste, 0.5, ShapeStatus::cut};
  return {DragAction::remove, 0.2, ShapeStatus::moving};
}

std::optional<Rect> frameAfterDrag(DragAction action, const Rect& frame, Vec2 d) {
  const double x = frame.origin.x, y = frame.origin.y, w = frame.size.x, h = frame.size.y;
  Rect next = frame;
  switch (action) {
    case DragAction::rightBounds: next = {{x, y}, {w + d.x, h}}; break;
    case DragAction::leftBounds: next = {{x + d.x, y}, {w - d.x, h}}; break;
    case DragAction::topBounds: next = {{x, y}, {w, h + d.y}}; break;
    case DragAction::bottomBounds: next = {{x, y + d.y}, {w, h - d.y}}; break;
    case DragAction::topRightBounds: next = {{x, y}, {w + d.x, h + d.y}}; break;
    case DragAction::topLeftBounds: next = {{x + d.x, y}, {w - d.x, h + d.y}}; break;
    case DragAction::bottomLeftBounds: next = {{x + d.x, y + d.y}, {w - d.x, h - d.y}}; break;
    case DragAction::bottomRightBounds: next = {{x, y + d.y}, {w + d.x, h - d.y}}; break;
    case DragAction::move: return Rect{{x + d.x, y + d.y}, {w, h}};
    default: return std::nullopt;
  }
  if (!(next.size.x > 0.0 && next.size.y > 0.0))
    return std::nullopt;
  return next;
}

std::optional<Rect> underlayAfterDrag(DragAction action, const Rect& bounds, Vec2 d) {
  const double x = bounds.origin.x, y = bounds.origin.y, w = bounds.size.x, h = bounds.size.y;
  Rect next = bounds;
  switch (action) {
    case DragAction::rightBounds: next = {{x - d.x, y}, {w + 2 * d.x, h}}; break;
    case DragAction::leftBounds: next = {{x + d.x, y}, {w - 2 * d.x, h}}; break;
    case DragAction::topBounds: next = {{x, y - d.y}, {w, h + 2 * d.y}}; break;
    case DragAction::bottomBounds: next = {{x, y + d.y}, {w, h - 2 * d.y}}; break;
    case DragAction::topRightBounds: next = {{x - d.x, y - d.y}, {w + 2 * d.x, h + 2 * d.y}}; break;
    case DragAction::topLeftBounds: next = {{x + d.x, y - d.y}, {w - 2 * d.x, h + 2 * d.y}}; break;
    case DragAction::bottomLeftBounds: next = {{x + d.x, y + d.y}, {w - 2 * d.x, h - 2 * d.y}}; break;
    case DragAction::bottomRightBounds: next = {{x - d.x, y + d.y}, {w + 2 * d.x, h - 2 * d.y}}; break;
    case DragAction::move: next = {{x + d.x, y + d.y}, {w, h}}; break;
    default: return std::nullopt;
  }
  // A picture of no width or height has no proportions to keep, and could
  // not be given a size again by dragging its handles.
  if (!(next.size.x > 0.0 && next.size.y > 0.0))
    return std::nullopt;
  return next;
}

bool hasGroupJoins(const Shape& shape) {
  for (const auto& edge : shape.edges()) {
    if (edge->isGroupJoin)
      return true;
  }
  return false;
}

std::optional<std::vector<int>> doubleClickSelection(const std::vector<std::shared_ptr<Shape>>& tiles,
                                                     const Shape& clicked, ModifierFlags modifiers) {
  if (!modifiers.option && !modifiers.control)
    return std::nullopt;
  const Shapes kind = clicked.figure()->tool();
  const auto sameKind = [&](const Shape& tile) { return tile.figure()->tool() == kind && !hasGroupJoins(tile); };
  std::function<bool(const Shape&)> chosen;
  if (modifiers.option && modifiers.shift)
    chosen = [&](const Shape& tile) { return sameKind(tile) && tile.variant() == clicked.variant(); };
  else if (modifiers.option && modifiers.control)
    chosen = [&](const Shape& tile) { return sameKind(tile) && tile.shapeColor() == clicked.shapeColor(); };
  else if (modifiers.option)
    chosen = sameKind;
  else
    chosen = [&](const Shape& tile) { return tile.shapeColor() == clicked.shapeColor(); };
  std::vector<int> indices;
  for (const auto& tile : tiles) {
    if (chosen(*tile))
      indices.push_back(tile->index);
  }
  return indices;
}

}  // namespace ornival
