#pragma once

#include "platform/Color.h"
#include "platform/Layer.h"
#include "platform/LineStyle.h"
#include "platform/Path.h"

#include <memory>
#include <optional>
#include <vector>

namespace ornival {

// A layer that fills and strokes one path in its own coordinates. An absent
// colour draws nothing: a fresh layer fills in opaque black and does not
// stroke, so an outline-only layer clears its fill.
class ShapeLayer : public Layer {
public:
  static std::shared_ptr<ShapeLayer> create() { return std::shared_ptr<ShapeLayer>(new ShapeLayer()); }

  // Absent draws nothing; an absent path is told apart from an empty one,
  // since callers test whether a path has been given at all.
  const std::optional<Path>& path() const { return path_; }
  void setPath(std::optional<Path> path) { path_ = std::move(path); }
  const std::optional<Color>& fillColor() const { return fillColor_; }
  void setFillColor(std::optional<Color> color) { fillColor_ = color; }
  FillRule fillRule() const { return fillRule_; }
  void setFillRule(FillRule rule) { fillRule_ = rule; }
  const std::optional<Color>& strokeColor() const { return strokeColor_; }
  void setStrokeColor(std::optional<Color> color) { strokeColor_ = color; }
  double lineWidth() const { return lineWidth_; }
  void setLineWidth(double width) { lineWidth_ = width; }
  LineCap lineCap() const { return lineCap_; }
  void setLineCap(LineCap cap) { lineCap_ = cap; }
  LineJoin lineJoin() const { return lineJoin_; }
  void setLineJoin(LineJoin join) { lineJoin_ = join; }
  // Alternating lengths of drawn and skipped stretches; empty draws solid.
  const std::vector<double>& lineDashPattern() const { return lineDashPattern_; }
  void setLineDashPattern(std::vector<double> pattern) { lineDashPattern_ = std::move(pattern); }
  double lineDashPhase() const { return lineDashPhase_; }
  void setLineDashPhase(double phase) { lineDashPhase_ = phase; }

protected:
  ShapeLayer() = default;

private:
  std::optional<Path> path_;
  std::optional<Color> fillColor_ = Color::black();
  FillRule fillRule_ = FillRule::nonZero;
  std::optional<Color> strokeColor_;
  double lineWidth_ = 1.0;
  LineCap lineCap_ = LineCap::butt;
  LineJoin lineJoin_ = LineJoin::miter;
  std::vector<double> lineDashPattern_;
  double lineDashPhase_ = 0.0;
};

}  // namespace ornival
