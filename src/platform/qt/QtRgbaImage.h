#pragma once

#include "platform/RgbaImage.h"

#include <QImage>

namespace ornival {

// Our pictures and Qt's, both ways; rows from the top in both. A null
// QImage gives an empty picture.
RgbaImage toRgbaImage(const QImage& image);
QImage toQImage(const RgbaImage& image);

}  // namespace ornival
