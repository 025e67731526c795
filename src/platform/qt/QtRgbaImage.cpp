#include "platform/qt/QtRgbaImage.h"

#include <cstring>

namespace ornival {

RgbaImage toRgbaImage(const QImage& image) {
  if (image.isNull())
    return {};
  // Straight alpha, four bytes a pixel in red, green, blue, alpha order.
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  RgbaImage result(rgba.width(), rgba.height());
  const std::size_t rowBytes = std::size_t(rgba.width()) * 4;
  for (int y = 0; y < rgba.height(); ++y)
    std::memcpy(result.pixel(0, y).data(), rgba.constScanLine(y), rowBytes);
  return result;
}

QImage toQImage(const RgbaImage& image) {
  if (image.width() == 0 || image.height() == 0)
    return {};
  QImage result(image.width(), image.height(), QImage::Format_RGBA8888);
  if (result.isNull())
    return {};
  const std::size_t rowBytes = std::size_t(image.width()) * 4;
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(result.scanLine(y), image.pixel(0, y).data(), rowBytes);
  return result;
}

}  // namespace ornival
