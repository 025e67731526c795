#include "quicklook/ThumbnailProvider.h"

#include "document/OrnivalModel.h"
#include "model/Shape.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/GlSceneRenderer.h"
#include "quicklook/OrnivalQuickLook.h"
#include "quicklook/OrnivalView.h"
#include "quicklook/ReliefPointOfView.h"

#include <GL/osmesa.h>

#include <QPainter>

#include <array>

namespace ornival {

namespace {

// An OpenGL 3.3 core context drawing into memory: no display, no device.
// Drawing goes to framebuffer objects; the context's own buffer is one pixel.
class SoftwareContext {
public:
  SoftwareContext() {
    const int attributes[] = {OSMESA_FORMAT, OSMESA_RGBA, OSMESA_PROFILE, OSMESA_CORE_PROFILE,
                              OSMESA_CONTEXT_MAJOR_VERSION, 3, OSMESA_CONTEXT_MINOR_VERSION, 3, 0};
    context_ = OSMesaCreateContextAttribs(attributes, nullptr);
    if (context_ != nullptr && !OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, 1, 1)) {
      OSMesaDestroyContext(context_);
      context_ = nullptr;
    }
  }
  ~SoftwareContext() {
    if (context_ != nullptr)
      OSMesaDestroyContext(context_);
  }
  SoftwareContext(const SoftwareContext&) = delete;
  SoftwareContext& operator=(const SoftwareContext&) = delete;

  bool valid() const { return context_ != nullptr; }

private:
  OSMesaContext context_ = nullptr;
  std::array<unsigned char, 4> buffer_{};
};

}  // namespace

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
  const SoftwareContext context;
  if (!context.valid())
    return std::nullopt;
  std::string error;
  auto renderer = GlSceneRenderer::create([](const char* name) { return OSMesaGetProcAddress(name); }, error);
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
