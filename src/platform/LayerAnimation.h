#pragma once

#include "platform/AffineTransform.h"
#include "platform/Color.h"
#include "platform/Path.h"
#include "platform/Vec2.h"

#include <optional>
#include <string>
#include <variant>

namespace ornival {

// A value an animation runs from or to: whatever animatable property it names.
using AnimationValue = std::variant<double, Vec2, Rect, AffineTransform, Color, Path>;

enum class TimingFunction { linear, easeIn, easeOut, easeInEaseOut };

// What an explicitly added animation would do, kept on the layer under its key
// so that a renderer can play it and tests can see it. An absent from- or
// to-value means the renderer takes the value the layer shows before or after
// the change, so an animation that names only its key path runs from the old
// path to the new one.
struct LayerAnimation {
  static constexpr double defaultDuration = 0.25;

  std::string keyPath;
  std::optional<AnimationValue> fromValue;
  std::optional<AnimationValue> toValue;
  double duration = defaultDuration;
  TimingFunction timingFunction = TimingFunction::linear;

  bool operator==(const LayerAnimation&) const = default;

  static LayerAnimation basic(std::string keyPath) {
    LayerAnimation animation;
    animation.keyPath = std::move(keyPath);
    return animation;
  }
};

// A scope in which layer changes are made without implicit animation. Layers
// here never animate implicitly, so this only records the caller's intent for
// the renderer; it is kept per thread, as each thread's changes are its own.
// Scopes nest: closing one restores what the enclosing scope had.
class LayerTransaction {
public:
  LayerTransaction();
  ~LayerTransaction();
  LayerTransaction(const LayerTransaction&) = delete;
  LayerTransaction& operator=(const LayerTransaction&) = delete;

  // Applies to the current thread until this scope closes.
  void setDisableActions(bool disable);

  static bool disablesActions();

private:
  bool previous_;
};

}  // namespace ornival
