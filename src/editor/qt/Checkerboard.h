#pragma once

#include <QPainter>

class QPalette;
class QRect;

namespace ornival {

// What a transparent page stands on: the checks desktop editors show behind
// transparency, in two shades of the palette's base so that they sit quietly
// in a light and a dark theme. Squares of 8 points from the widget's corner.
//
// With CompositionMode_DestinationOver the checks go behind what is drawn
// already (a relief rendered on a clear ground), so that no pixel stays
// transparent.
void paintCheckerboard(QPainter& painter, const QRect& area, const QPalette& palette,
                       QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);

}  // namespace ornival
