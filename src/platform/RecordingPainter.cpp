#include "platform/RecordingPainter.h"

#include "platform/RgbaImage.h"

namespace ornival {

void RecordingPainter::fill(const Path& path, const Color& color, FillRule rule) {
  calls_.push_back({Call::Kind::fill, path, color, rule, {}, transform()});
}

void RecordingPainter::stroke(const Path& path, const Color& color, const StrokeStyle& style) {
  calls_.push_back({Call::Kind::stroke, path, color, FillRule::nonZero, style, transform()});
}

void RecordingPainter::drawImage(const RgbaImage& image, const Rect& rect, double opacity) {
  Call call;
  call.kind = Call::Kind::image;
  call.transform = transform();
  call.rect = rect;
  call.opacity = opacity;
  call.imageWidth = image.width();
  call.imageHeight = image.height();
  calls_.push_back(std::move(call));
}

}  // namespace ornival
