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
  static std::shared_ptr<ShapeLayer> create() { return std::make_shared<ShapeLayer>(Token{}); }

  // Absent draws nothing; an absent path is told apart from an empty one,
  // since callers test whether a path has been given at all.
  const std::optional<Path>& path() const { return *path_; }
  void setPath(std::optional<Path> path);
  // Takes the other layer's path as it is, kept once for both: the bands of
  // a tile follow one outline.
  void setPath(const ShapeLayer& other);
  // Whether the two layers hold one path, given by the setter above.
  bool sharesPath(const ShapeLayer& other) const { return path_ == other.path_; }
  // The path as kept, the same object for layers that share it: a renderer
  // converts it once for all of them.
  const std::shared_ptr<const std::optional<Path>>& pathStorage() const { return path_; }
  const std::optional<Color>& fillColor() const { return *fillColor_; }
  void setFillColor(std::optional<Color> color);
  FillRule fillRule() const { return fillRule_; }
  void setFillRule(FillRule rule);
  const std::optional<Color>& strokeColor() const { return *strokeColor_; }
  void setStrokeColor(std::optional<Color> color);
  double lineWidth() const { return lineWidth_; }
  void setLineWidth(double width);
  LineCap lineCap() const { return lineCap_; }
  void setLineCap(LineCap cap);
  LineJoin lineJoin() const { return lineJoin_; }
  void setLineJoin(LineJoin join);
  // Alternating lengths of drawn and skipped stretches; empty draws solid.
  const std::vector<double>& lineDashPattern() const;
  void setLineDashPattern(std::vector<double> pattern);
  double lineDashPhase() const { return dash_ ? dash_->phase : 0.0; }
  void setLineDashPhase(double phase);

  const ShapeLayer* asShapeLayer() const override { return this; }

  explicit ShapeLayer(Token token) : Layer(token) {}

private:
  struct Dash {
    std::vector<double> pattern;
    double phase = 0.0;
  };
  static const std::shared_ptr<const std::optional<Path>>& noPath();
  // Every colour a layer has had, kept once: a drawing of many tiles uses few.
  static const std::optional<Color>* pooled(const std::optional<Color>& color);
  static const std::optional<Color>* black();
  static const std::optional<Color>* none();

  // Never changed once made, so layers may share it.
  std::shared_ptr<const std::optional<Path>> path_ = noPath();
  const std::optional<Color>* fillColor_ = black();
  const std::optional<Color>* strokeColor_ = none();
  double lineWidth_ = 1.0;
  std::unique_ptr<Dash> dash_;
  FillRule fillRule_ = FillRule::nonZero;
  LineCap lineCap_ = LineCap::butt;
  LineJoin lineJoin_ = LineJoin::miter;
};

}  // namespace ornival
