#include "quicklook/ThumbnailProvider.h"

#include "document/OrnivalModel.h"
#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/GlSceneRenderer.h"
#include "platform/gl/OsMesaContext.h"
#include "quicklook/OrnivalQuickLook.h"
#include "quicklook/OrnivalView.h"
#include "quicklook/PlacementsPicture.h"
#include "quicklook/TilePlacements.h"
#include "platform/RegularFile.h"
#include "quicklook/ReliefPointOfView.h"

#include <QPainter>

#include <algorithm>

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
  // Any thread may draw: the scene's materials are its own.
  const Materials::PrivateCache materials;
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
  //
  // Smoothed by drawing at twice the size and averaging each 2 × 2 pixels:
  // software OpenGL compiles its multisampled shaders anew in every process,
  // which took more time than the whole rest of the picture.
  std::optional<RgbaImage> picture;
  bool supersampled = true;
  {
    GlOffscreenRenderer offscreen(*renderer, made.scene, view.node, view.camera, Color::white());
    picture = offscreen.snapshot(2 * size, 2 * size, false);
    if (!picture) {
      supersampled = false;
      picture = offscreen.snapshot(size, size, true);
    }
  }
  // The renderer lets go of its meshes while the context is still current.
  renderer.reset();
  if (!picture)
    return std::nullopt;
  const QImage drawn = QImage(picture->data(), picture->width(), picture->height(), picture->width() * 4,
                              QImage::Format_RGBA8888)
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return supersampled ? shrunkBy(drawn, 2) : drawn;
}

std::optional<QImage> ThumbnailProvider::drawThumbnail(const std::string& path, int size, DocumentFileError& error,
                                                       const ThumbnailLimits& limits) {
  error = DocumentFileError::unreadable;
  // Never a pipe or a device: the file manager's helper would wait or read
  // for ever.
  const FileContents file = readRegularFile(path, std::max(limits.maxBytes, limits.full.maxBytes));
  if (file.refusal == ReadRefusal::tooLarge)
    error = DocumentFileError::tooLarge;
  if (!file.ok())
    return std::nullopt;
  const std::string text = decodedDocumentText(file.bytes);

  if (file.bytes.size() <= limits.full.maxBytes) {
    if (const auto model = readDocumentText(text, error, limits.full)) {
      if (model->is3D())
        return drawRelief(*model, size);
      return drawFlat(*model, size);
    }
    if (error != DocumentFileError::tooLarge)
      return std::nullopt;
  }
  TilePlacements placements;
  const TilePlacements::Result read = placements.read(text, limits.maxTiles);
  if (read.kind != TextKind::document) {
    error = DocumentFileError::notDocument;
    return std::nullopt;
  }
  if (read.tooManyTiles || file.bytes.size() > limits.maxBytes) {
    error = DocumentFileError::tooLarge;
    return std::nullopt;
  }
  error = DocumentFileError::none;
  return drawPlacements(placements, size);
}

}  // namespace ornival
