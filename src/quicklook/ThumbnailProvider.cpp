#include "quicklook/ThumbnailProvider.h"

#include "document/OrnivalModel.h"
#include "model/Shape.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/GlSceneRenderer.h"
#include "platform/gl/OsMesaContext.h"
#include "quicklook/OrnivalQuickLook.h"
#include "quicklook/OrnivalView.h"
#include "quicklook/ReliefPointOfView.h"

#include <QPainter>

namespace ornival {

QImage ThumbnailProvider::drawFlat(OrnivalModel& model, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  model.collectBorderEdges();
  OrnivalView view({{0.0, 0.0}, {double(size), double(size)}});
  view.ornival = std::shared_ptr<OrnivalModel>(&model, [](OrnivalModel*) {});
  QPainter qpainter(&image);
  qpainter.setRenderHint(QPainter::Antialiasing);
  QPainterAdapter painter(qpainter, double(size));
  view.drawRect(painter, view.bounds());
  return image;
}

std::optional<QImage> ThumbnailProvider::drawRelief(OrnivalModel& model, int size) {
  const OsMesaContext context;
  if (!context.valid())
    return std::nullopt;
  std::string error;
  auto renderer = GlSceneRenderer::create(OsMesaContext::procAddress, error);
  if (!renderer)
    return std::nullopt;
  const QuickLookScene made = OrnivalQuickLook::makeScene(model);
  const ReliefPointOfView view = reliefPointOfView(reliefBounds(model));
  // White, whatever the document's background: a relief seen small reads
  // best on the file manager's own light page.
  std::optional<RgbaImage> picture;
  {
    GlOffscreenRenderer offscreen(*renderer, made.scene, view.node, view.camera, Color::white());
    picture = offscreen.snapshot(size, size, true);
  }
  // The renderer lets go of its meshes while the context is still current.
  renderer.reset();
  if (!picture)
    return std::nullopt;
  QImage image(picture->data(), size, size, size * 4, QImage::Format_RGBA8888);
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::optional<QImage> ThumbnailProvider::drawThumbnail(const std::string& path, int size, DocumentFileError& error,
                                                       const DocumentLimits& limits) {
  const auto model = readDocumentFile(path, error, limits);
  if (!model)
    return std::nullopt;
  if (model->is3D())
    return drawRelief(*model, size);
  return drawFlat(*model, size);
}

}  // namespace ornival
