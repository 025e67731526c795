#include "platform/RecordingPainter.h"

namespace ornival {

void RecordingPainter::fill(const Path& path, const Color& color, FillRule rule) {
  calls_.push_back({Call::Kind::fill, path, color, rule, {}, transform()});
}

void RecordingPainter::stroke(const Path& path, const Color& color, const StrokeStyle& style) {
  calls_.push_back({Call::Kind::stroke, path, color, FillRule::nonZero, style, transform()});
}

}  // namespace ornival
