#include "platform/ShapeLayer.h"

#include <mutex>
#include <unordered_set>

namespace ornival {

const std::shared_ptr<const std::optional<Path>>& ShapeLayer::noPath() {
  static const auto none = std::make_shared<const std::optional<Path>>();
  return none;
}

void ShapeLayer::setPath(std::optional<Path> path) {
  if (!path && !path_->has_value())
    return;
  path_ = path ? std::make_shared<const std::optional<Path>>(std::move(path)) : noPath();
  changed();
}

void ShapeLayer::setPath(const ShapeLayer& other) {
  if (path_ == other.path_)
    return;
  path_ = other.path_;
  changed();
}

const std::optional<Color>* ShapeLayer::pooled(const std::optional<Color>& color) {
  struct Hash {
    std::size_t operator()(const std::optional<Color>& c) const noexcept { return c ? ColorHash()(*c) : 0x9e37; }
  };
  // Tiles copied for a search may make their layers on a worker.
  static std::mutex guard;
  static std::unordered_set<std::optional<Color>, Hash> pool;
  const std::lock_guard lock(guard);
  // Elements of an unordered set stay where they are as it grows.
  return &*pool.insert(color).first;
}

const std::optional<Color>* ShapeLayer::black() {
  static const std::optional<Color>* const colour = pooled(Color::black());
  return colour;
}

const std::optional<Color>* ShapeLayer::none() {
  static const std::optional<Color>* const colour = pooled(std::nullopt);
  return colour;
}

void ShapeLayer::setFillColor(std::optional<Color> color) {
  if (color == *fillColor_)
    return;
  fillColor_ = pooled(color);
  changed();
}

void ShapeLayer::setFillRule(FillRule rule) {
  if (rule == fillRule_)
    return;
  fillRule_ = rule;
  changed();
}

void ShapeLayer::setStrokeColor(std::optional<Color> color) {
  if (color == *strokeColor_)
    return;
  strokeColor_ = pooled(color);
  changed();
}

void ShapeLayer::setLineWidth(double width) {
  if (width == lineWidth_)
    return;
  lineWidth_ = width;
  changed();
}

void ShapeLayer::setLineCap(LineCap cap) {
  if (cap == lineCap_)
    return;
  lineCap_ = cap;
  changed();
}

void ShapeLayer::setLineJoin(LineJoin join) {
  if (join == lineJoin_)
    return;
  lineJoin_ = join;
  changed();
}

const std::vector<double>& ShapeLayer::lineDashPattern() const {
  static const std::vector<double> solid;
  return dash_ ? dash_->pattern : solid;
}

void ShapeLayer::setLineDashPattern(std::vector<double> pattern) {
  if (!dash_)
    dash_ = std::make_unique<Dash>();
  dash_->pattern = std::move(pattern);
  changed();
}

void ShapeLayer::setLineDashPhase(double phase) {
  if (!dash_)
    dash_ = std::make_unique<Dash>();
  dash_->phase = phase;
  changed();
}

}  // namespace ornival
