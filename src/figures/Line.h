#pragma once

#include "platform/Vec2.h"

namespace ornival {

// A segment between two points: a side of a placed tile, or a border segment.
struct Line {
  Vec2 vertex0;
  Vec2 vertex1;

  bool operator==(const Line&) const = default;
};

}  // namespace ornival
