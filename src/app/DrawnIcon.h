#pragma once

#include <QIcon>
#include <QString>

#include <functional>

class QPainter;
class QSize;

namespace ornival {

// Icons drawn at the pixel size they are shown at, so that they stay sharp
// at any screen density.

// A monochrome picture in the palette's window text colour (its disabled
// colour when disabled), from an SVG drawn in black whose opacity gives the
// shades: redrawn for the palette of the moment, so it reads in a light and
// a dark theme alike.
QIcon symbolicIcon(const QString& svgFile);

// The desktop icon theme's icon of that name where the theme has one, else
// the program's own symbolic one.
QIcon themeOrSymbolicIcon(const QString& themeName, const QString& svgFile);

// A picture drawn by `draw` into an image of the pixel size it is asked for
// (the size shown times the screen's density), which it fills as it would
// its size in points. `key` names what it shows, for the pixmap cache: two
// icons of one key are the same picture.
QIcon drawnIcon(const QString& key, std::function<void(QPainter&, const QSize& pixels)> draw);

}  // namespace ornival
