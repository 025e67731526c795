#pragma once

#include "platform/Painter.h"

#include <QColor>
#include <QPen>
#include <QPainterPath>
#include <QTransform>

#include <cstddef>
#include <vector>

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
// The same, added to a path (an emptied one keeps its memory).
void appendToQPainterPath(QPainterPath& out, const Path& path);
QColor toQColor(const Color& color);
Qt::FillRule toQt(FillRule rule);

// The pen of a stroke, mitred corners limited as in every picture.
QPen strokePen(const Color& color, const StrokeStyle& style);

// Qt's antialiasing rasteriser slows down steeply on one path of very many
// subpaths: its cell pool overflows and it renders the path again band by
// band. An opaque colour drawn in runs of subpaths gives the same picture,
// but for the antialiasing of edges where runs overlap, so large opaque
// drawings go in runs of about this many elements (small runs proved
// fastest). Translucent colours and even-odd fills must see the whole path
// at once.
constexpr std::size_t elementsPerRun = 32;
// The runs of a path, each starting with a move; the whole path as one run
// when it is short.
std::vector<QPainterPath> paintingRuns(const Path& path);
// Whether a fill or stroke of the colour must draw the whole path at once.
bool drawsWhole(FillRule rule, const Color& color);
bool strokesWhole(const Color& color);

}  // namespace ornival
