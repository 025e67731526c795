#include "platform/qt/QtOffscreenRenderer.h"

#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/GlSceneRenderer.h"
#include "platform/qt/QtGl.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

namespace ornival {

struct QtOffscreenRenderer::Context {
  QOffscreenSurface surface;
  QOpenGLContext context;
  std::unique_ptr<GlSceneRenderer> renderer;
  std::unique_ptr<GlOffscreenRenderer> offscreen;

  ~Context() {
    // Meshes and programs are let go of in the context that made them.
    if (renderer && context.makeCurrent(&surface)) {
      offscreen.reset();
      renderer.reset();
      context.doneCurrent();
    }
  }
};

std::unique_ptr<QtOffscreenRenderer> QtOffscreenRenderer::create(std::shared_ptr<const Scene> scene,
                                                                 std::shared_ptr<const SceneNode> pointOfView,
                                                                 const Camera& camera, Color background) {
  if (!scene || !pointOfView || !available())
    return nullptr;
  auto made = std::make_unique<Context>();
  made->surface.setFormat(coreGlFormat());
  made->surface.create();
  made->context.setFormat(coreGlFormat());
  if (!made->surface.isValid() || !made->context.create() || !made->context.makeCurrent(&made->surface))
    return nullptr;
  std::string error;
  made->renderer = GlSceneRenderer::create(glLoader(made->context), error);
  if (!made->renderer) {
    made->context.doneCurrent();
    return nullptr;
  }
  made->offscreen = std::make_unique<GlOffscreenRenderer>(*made->renderer, std::move(scene),
                                                          std::move(pointOfView), camera, background);
  made->context.doneCurrent();
  return std::unique_ptr<QtOffscreenRenderer>(new QtOffscreenRenderer(std::move(made)));
}

QtOffscreenRenderer::QtOffscreenRenderer(std::unique_ptr<Context> context) : context_(std::move(context)) {}

QtOffscreenRenderer::~QtOffscreenRenderer() = default;

std::optional<RgbaImage> QtOffscreenRenderer::snapshot(int width, int height, bool antialiased) {
  // Another context (a relief view's, say) may be current: it gets it back.
  QOpenGLContext* previous = QOpenGLContext::currentContext();
  QSurface* previousSurface = previous ? previous->surface() : nullptr;
  if (!context_->context.makeCurrent(&context_->surface))
    return std::nullopt;
  std::optional<RgbaImage> image = context_->offscreen->snapshot(width, height, antialiased);
  context_->context.doneCurrent();
  if (previous && previousSurface)
    previous->makeCurrent(previousSurface);
  return image;
}

bool QtOffscreenRenderer::available() {
  static const bool answer = [] {
    QOffscreenSurface surface;
    surface.setFormat(coreGlFormat());
    surface.create();
    QOpenGLContext context;
    context.setFormat(coreGlFormat());
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface))
      return false;
    const QSurfaceFormat made = context.format();
    context.doneCurrent();
    return made.majorVersion() > 3 || (made.majorVersion() == 3 && made.minorVersion() >= 3);
  }();
  return answer;
}

}  // namespace ornival
