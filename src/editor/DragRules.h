#pragma once

#include "editor/DragAction.h"
#include "editor/InputState.h"
#include "model/ShapeStatus.h"
#include "platform/Path.h"
#include "platform/Vec2.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace ornival {

class Shape;

// The plain rules a gesture follows, apart from the editor's state so that
// each can be read and checked as one table.

// Which handle of the frame or underlay rectangle the point is on: a side
// when one coordinate lies strictly within 10 units of it, a corner when
// both do, `move` strictly inside, else `ignore`.
DragAction handleAction(const Rect& frame, Vec2 point);

bool isHandleAction(DragAction action);

// What dragging carried tiles by a squared offset does: the action, the
// opacity of the move layer and the status of the pressed tile.
struct DragBand {
  DragAction action;
  double opacity;
  ShapeStatus status;
  bool operator==(const DragBand&) const = default;
};
DragBand dragBand(double squaredOffset, std::size_t carried);

// The page frame after a handle moved by delta from the frame at the press;
// none when a side would become zero or negative.
std::optional<Rect> frameAfterDrag(DragAction action, const Rect& frame, Vec2 delta);
// The underlay after a handle moved by delta since the last event: sides
// grow and shrink about the centre. None when a side would become zero or
// negative, which the proportions would then divide by.
std::optional<Rect> underlayAfterDrag(DragAction action, const Rect& bounds, Vec2 delta);

// The tiles a double click on a tile without group joins selects, by the
// modifiers held, in index order; none when the click takes the tile as the
// current tool instead.
std::optional<std::vector<int>> doubleClickSelection(const std::vector<std::shared_ptr<Shape>>& tiles,
                                                     const Shape& clicked, ModifierFlags modifiers);

// True when any side of the tile is a group join.
bool hasGroupJoins(const Shape& shape);

}  // namespace ornival
