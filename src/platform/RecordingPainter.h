#pragma once

#include "platform/Painter.h"

#include <vector>

namespace ornival {

// A painter that keeps every call, for tests of what a drawing does.
class RecordingPainter final : public Painter {
public:
  struct Call {
    enum class Kind { fill, stroke };

    Kind kind = Kind::fill;
    Path path;
    Color color;
    FillRule rule = FillRule::nonZero;  // fills only
    StrokeStyle style;                  // strokes only
    AffineTransform transform;

    bool operator==(const Call&) const = default;
  };

  void fill(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) override;
  void stroke(const Path& path, const Color& color, const StrokeStyle& style) override;

  const std::vector<Call>& calls() const { return calls_; }

private:
  std::vector<Call> calls_;
};

}  // namespace ornival
