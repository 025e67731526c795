#pragma once

#include "platform/AffineTransform.h"
#include "platform/Color.h"
#include "platform/LineStyle.h"
#include "platform/Path.h"

namespace ornival {

class RgbaImage;

struct StrokeStyle {
  double width = 1.0;
  LineCap cap = LineCap::butt;
  LineJoin join = LineJoin::miter;

  bool operator==(const StrokeStyle&) const = default;
};

// Where icons and other on-demand pictures draw. Paths and line widths are in
// the drawer's coordinates; the painter's transform maps them to its device
// (points to pixels, say), so the same drawing serves every resolution.
class Painter {
public:
  virtual ~Painter() = default;

  const AffineTransform& transform() const { return transform_; }
  void setTransform(const AffineTransform& transform) { transform_ = transform; }

  virtual void fill(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) = 0;
  virtual void stroke(const Path& path, const Color& color, const StrokeStyle& style) = 0;
  // A picture stretched over rect, its top row along the rect's larger y,
  // faded by opacity (0 … 1).
  virtual void drawImage(const RgbaImage& image, const Rect& rect, double opacity) = 0;

protected:
  Painter() = default;
  Painter(const Painter&) = default;
  Painter& operator=(const Painter&) = default;

private:
  AffineTransform transform_;
};

}  // namespace ornival
