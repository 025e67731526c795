#pragma once

#include "platform/Painter.h"

#include <vector>

namespace ornival {

// A painter that keeps every call, for tests of what a drawing does.
class RecordingPainter final : public Painter {
public:
  struct Call {
    enum class Kind { fill, stroke, image };

    Kind kind = Kind::fill;
    Path path;
    Color color;
    FillRule rule = FillRule::nonZero;  // fills only
    StrokeStyle style;                  // strokes only
    AffineTransform transform;
    // Pictures only: where, how faded, and its size in pixels.
    Rect rect;
    double opacity = 1.0;
    int imageWidth = 0;
    int imageHeight = 0;

    bool operator==(const Call&) const = default;
  };

  void fill(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) override;
  void stroke(const Path& path, const Color& color, const StrokeStyle& style) override;
  void drawImage(const RgbaImage& image, const Rect& rect, double opacity) override;

  const std::vector<Call>& calls() const { return calls_; }

private:
  std::vector<Call> calls_;
};

}  // namespace ornival
