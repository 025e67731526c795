#include "platform/qt/QtImageDecoder.h"

#include "platform/qt/QtRgbaImage.h"

#include <QImageReader>

namespace ornival {

std::optional<RgbaImage> QtImageDecoder::decode(const std::filesystem::path& file) {
  QImageReader reader(QString::fromStdString(file.string()));
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull() || image.width() < 1 || image.height() < 1)
    return std::nullopt;
  return toRgbaImage(image);
}

}  // namespace ornival
