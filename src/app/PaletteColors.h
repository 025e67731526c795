#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace ornival {

// The colours of the program's own drawing, taken from the palette or chosen
// against it, so that the window reads under a light and a dark theme alike.
//
// Text is readable on its ground when their contrast ratio (the relative
// luminances of the two, as the accessibility guidelines measure it) is at
// least 4.5.
namespace paletteColors {

inline constexpr double readableContrast = 4.5;

// The contrast ratio of two opaque colours, from 1 (alike) to 21 (black on
// white).
double contrast(const QColor& a, const QColor& b);
// a over b, by a's alpha; the result is opaque when b is.
QColor over(const QColor& a, const QColor& b);
// The colour t of the way from a to b.
QColor mixed(const QColor& a, const QColor& b, double t);
// Whether the palette draws light text on a dark ground.
bool isDark(const QPalette& palette);

// The preferred text colour where it reads on the ground, else whichever of
// black and white reads better.
QColor readableOn(const QColor& ground, const QColor& preferred);
// A quieter text colour for counts and secondary words: the text colour
// taken as far towards the ground as it can go and still read.
QColor secondaryOn(const QColor& ground, const QColor& text);

// The ground of the catalogue browser: a shade off the palette's base, so
// that the item boxes stand out on it.
QColor browserGround(const QPalette& palette);

}  // namespace paletteColors
}  // namespace ornival
