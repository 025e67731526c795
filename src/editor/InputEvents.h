#pragma once

#include "editor/InputState.h"
#include "platform/Vec2.h"

#include <string>

namespace ornival {

// A pointer event in window points (y up), as the view hands it over.
struct MouseEvent {
  Vec2 locationInWindow;
  ModifierFlags modifiers;
  int clickCount = 1;
};

struct KeyEvent {
  // The text the key types, as the keyboard layout gives it.
  std::string characters;
  ModifierFlags modifiers;
};

// Where a scroll gesture or its momentum stands; `none` for a wheel that
// reports no gestures.
enum class ScrollPhase { none, mayBegin, began, changed, stationary, ended, cancelled };

struct ScrollEvent {
  // Positive away from the user.
  double scrollingDeltaY = 0.0;
  ModifierFlags modifiers;
  ScrollPhase phase = ScrollPhase::none;
  ScrollPhase momentumPhase = ScrollPhase::none;
};

}  // namespace ornival
