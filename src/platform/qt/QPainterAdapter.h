#pragma once

#include "platform/Painter.h"

#include <QColor>
#include <QPainterPath>
#include <QTransform>

class QPainter;

namespace ornival {

// Our painter on a QPainter. Drawings speak y-up; the device shows y down,
// so the adapter flips about the device's height, here and nowhere else.
// Paths are antialiased.
class QPainterAdapter final : public Painter {
public:
  // height: the device's height in the QPainter's units.
  QPainterAdapter(QPainter& painter, double height);

  void fill(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) override;
  void stroke(const Path& path, const Color& color, const StrokeStyle& style) override;
  void drawImage(const RgbaImage& image, const Rect& rect, double opacity) override;

private:
  void applyTransform();

  QPainter& painter_;
  QTransform flip_;
};

QPainterPath toQPainterPath(const Path& path);
QColor toQColor(const Color& color);

}  // namespace ornival
