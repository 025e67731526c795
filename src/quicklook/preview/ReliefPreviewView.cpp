#include "quicklook/preview/ReliefPreviewView.h"

#include "platform/gl/GlSceneRenderer.h"
#include "quicklook/ReliefPointOfView.h"

#include <QCoreApplication>
#include <QOpenGLContext>

#include <cstdio>

namespace ornival {

ReliefPreviewView::ReliefPreviewView(QWidget* parent) : QOpenGLWidget(parent) {}

ReliefPreviewView::~ReliefPreviewView() {
  // The renderer's meshes and programs belong to this widget's context.
  makeCurrent();
  renderer_.reset();
  doneCurrent();
}

void ReliefPreviewView::setBackgroundColor(const Color& color) {
  background_ = color;
  update();
}

void ReliefPreviewView::setScene(std::optional<QuickLookScene> scene, const Rect& bounds) {
  scene_ = std::move(scene);
  bounds_ = bounds;
  update();
}

void ReliefPreviewView::initializeGL() {
  std::string error;
  auto* glContext = context();
  renderer_ = GlSceneRenderer::create(
      [glContext](const char* name) { return GlFunctionPointer(glContext->getProcAddress(name)); }, error);
  if (!renderer_)
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("Preview", "ornival-preview: the relief cannot be shown: %1")
                                .arg(QString::fromStdString(error))));
}

void ReliefPreviewView::paintGL() {
  if (!renderer_ || !scene_)
    return;
  const qreal ratio = devicePixelRatioF();
  const int w = int(width() * ratio);
  const int h = int(height() * ratio);
  if (w < 1 || h < 1)
    return;
  const ReliefPointOfView view = reliefPointOfView(bounds_, double(w) / double(h));
  if (!renderer_->render(*scene_->scene, *view.node, view.camera, w, h, background_))
    std::fprintf(stderr, "ornival-preview: %s\n", renderer_->error().c_str());
}

}  // namespace ornival
