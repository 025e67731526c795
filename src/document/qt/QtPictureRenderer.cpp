#include "document/qt/QtPictureRenderer.h"

#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtRgbaImage.h"

#include <QImage>
#include <QPainter>

namespace ornival {

RgbaImage QtPictureRenderer::render(int width, int height, const std::function<void(Painter&)>& draw) {
  if (width < 1 || height < 1)
    return {};
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull())
    return {};
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    QPainterAdapter adapter(painter, double(height));
    draw(adapter);
  }
  return toRgbaImage(image);
}

}  // namespace ornival
