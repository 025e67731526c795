#include "platform/qt/QtClipboard.h"

#include "platform/qt/QtRgbaImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace ornival {

void QtClipboard::copy(const RgbaImage& image, const std::optional<std::string>& text) {
  auto* data = new QMimeData;
  data->setImageData(toQImage(image));
  if (text)
    data->setText(QString::fromStdString(*text));
  // The clipboard owns the data from here on.
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace ornival
