#include "editor/qt/Checkerboard.h"

#include <QPalette>
#include <QRect>

namespace ornival {

void paintCheckerboard(QPainter& painter, const QRect& area, const QPalette& palette, QPainter::CompositionMode mode) {
  constexpr int cell = 8;
  const QColor base = palette.color(QPalette::Base).toRgb();
  const QColor text = palette.color(QPalette::Text).toRgb();
  // The second shade a fifth of the way from the base to the text.
  const auto towards = [&](int a, int b) { return a + (b - a) / 5; };
  const QColor other(towards(base.red(), text.red()), towards(base.green(), text.green()),
                     towards(base.blue(), text.blue()));
  painter.save();
  painter.setCompositionMode(mode);
  painter.setPen(Qt::NoPen);
  // The whole cells the area touches, so that checks line up whatever part
  // is painted.
  const int left = area.left() - (area.left() % cell + cell) % cell;
  const int top = area.top() - (area.top() % cell + cell) % cell;
  for (int y = top; y <= area.bottom(); y += cell)
    for (int x = left; x <= area.right(); x += cell)
      painter.fillRect(QRect(x, y, cell, cell).intersected(area), ((x / cell + y / cell) % 2) ? other : base);
  painter.restore();
}

}  // namespace ornival
