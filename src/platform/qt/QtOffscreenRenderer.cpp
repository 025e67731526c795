#include "platform/qt/QtOffscreenRenderer.h"

#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/GlSceneRenderer.h"
#include "platform/qt/QtGl.h"

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QThread>

namespace ornival {

struct QtOffscreenRenderer::Context {
  // Declared first so that it outlives the context drawing on it.
  std::shared_ptr<QOffscreenSurface> surface;
  QOpenGLContext context;
  std::unique_ptr<GlSceneRenderer> renderer;
  std::unique_ptr<GlOffscreenRenderer> offscreen;

  explicit Context(std::shared_ptr<QOffscreenSurface> drawnOn) : surface(std::move(drawnOn)) {}

  ~Context() {
    // Meshes and programs are let go of in the context that made them.
    if (renderer && context.makeCurrent(surface.get())) {
      offscreen.reset();
      renderer.reset();
      context.doneCurrent();
    }
  }
};

namespace {

bool onGuiThread() {
  const auto* application = QCoreApplication::instance();
  return application && QThread::currentThread() == application->thread();
}

// Made on the GUI thread and handed back to it to be dropped: the platform
// may hold a hidden window behind it.
std::shared_ptr<QOffscreenSurface> newSurface() {
  auto* surface = new QOffscreenSurface;
  surface->setFormat(coreGlFormat());
  surface->create();
  return std::shared_ptr<QOffscreenSurface>(surface, [](QOffscreenSurface* made) {
    if (onGuiThread() || !QCoreApplication::instance())
      delete made;
    else
      made->deleteLater();
  });
}

}  // namespace

std::unique_ptr<QtOffscreenRenderer> QtOffscreenRenderer::made(std::unique_ptr<Context> made,
                                                               std::shared_ptr<const Scene> scene,
                                                               std::shared_ptr<const SceneNode> pointOfView,
                                                               const Camera& camera, Color background) {
  made->context.setFormat(coreGlFormat());
  if (!made->surface || !made->surface->isValid() || !made->context.create() ||
      !made->context.makeCurrent(made->surface.get()))
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

std::unique_ptr<QtOffscreenRenderer> QtOffscreenRenderer::create(std::shared_ptr<const Scene> scene,
                                                                 std::shared_ptr<const SceneNode> pointOfView,
                                                                 const Camera& camera, Color background) {
  if (!scene || !pointOfView || !available())
    return nullptr;
  return made(std::make_unique<Context>(newSurface()), std::move(scene), std::move(pointOfView), camera,
              background);
}

std::shared_ptr<QOffscreenSurface> QtOffscreenRenderer::workerSurface() {
  if (!onGuiThread() || !available() || !QOpenGLContext::supportsThreadedOpenGL())
    return nullptr;
  auto surface = newSurface();
  return surface->isValid() ? surface : nullptr;
}

std::unique_ptr<QtOffscreenRenderer> QtOffscreenRenderer::createOnThisThread(
    std::shared_ptr<QOffscreenSurface> surface, std::shared_ptr<const Scene> scene,
    std::shared_ptr<const SceneNode> pointOfView, const Camera& camera, Color background) {
  if (!surface || !scene || !pointOfView)
    return nullptr;
  // The context belongs to the thread that makes it, which alone may make it
  // current.
  return made(std::make_unique<Context>(std::move(surface)), std::move(scene), std::move(pointOfView), camera,
              background);
}

QtOffscreenRenderer::QtOffscreenRenderer(std::unique_ptr<Context> context) : context_(std::move(context)) {}

QtOffscreenRenderer::~QtOffscreenRenderer() = default;

std::optional<RgbaImage> QtOffscreenRenderer::snapshot(int width, int height, bool antialiased) {
  // Another context (a relief view's, say) may be current: it gets it back.
  QOpenGLContext* previous = QOpenGLContext::currentContext();
  QSurface* previousSurface = previous ? previous->surface() : nullptr;
  if (!context_->context.makeCurrent(context_->surface.get()))
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
