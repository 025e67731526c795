#include "editor/qt/SceneView.h"

#include "editor/ViewController.h"
#include "editor/qt/View.h"
#include "platform/Layer.h"
#include "platform/LayerRenderer.h"
#include "platform/Localization.h"
#include "platform/gl/GlSceneRenderer.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtGl.h"
#include "platform/qt/QtRgbaImage.h"

#include <QOpenGLContext>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace ornival {

SceneView::SceneView(View& view) : QOpenGLWidget(&view), view_(view) {
  QSurfaceFormat format = coreGlFormat();
  format.setStencilBufferSize(8);
  format.setSamples(4);
  setFormat(format);
  // The view beneath takes the pointer, the wheel and the drops.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

SceneView::~SceneView() {
  // QOpenGLWidget's destructor, which runs after this one, lets the context
  // go: its notice must not call into what is left of this view.
  if (QOpenGLContext* glContext = context())
    disconnect(glContext, nullptr, this, nullptr);
  releaseRenderer();
}

// The renderer's meshes and programs belong to the widget's context.
void SceneView::releaseRenderer() {
  if (!renderer_)
    return;
  makeCurrent();
  renderer_.reset();
  doneCurrent();
}

void SceneView::initializeGL() {
  std::string error;
  QOpenGLContext* glContext = context();
  // Qt may make the context anew (the widget moved to another window): the
  // renderer goes with the old one.
  if (glContext) {
    connect(glContext, &QOpenGLContext::aboutToBeDestroyed, this, [this] { releaseRenderer(); });
    renderer_ = GlSceneRenderer::create(glLoader(*glContext), error);
  }
  if (!renderer_ && !broken_) {
    broken_ = true;
    // Not while Qt is in the middle of making the context.
    QTimer::singleShot(0, this, [this, error] {
      if (failed)
        failed(error.empty() ? localized("View", "No OpenGL context could be made.") : error);
    });
  }
}

void SceneView::paintGL() {
  QPainter painter(this);
  const auto editor = view_.editor();
  const auto scene = view_.scene();
  const qreal ratio = devicePixelRatioF();
  const int w = int(width() * ratio);
  const int h = int(height() * ratio);
  if (renderer_ && editor && scene && w > 0 && h > 0) {
    painter.beginNativePainting();
    // The free camera while the mouse steers it or glides home.
    const std::shared_ptr<SceneNode> free = editor->cameraControl.pointOfView();
    const bool drewAll =
        free ? renderer_->render(*scene, *free, editor->cameraControl.camera(), w, h, view_.backgroundColor())
             : renderer_->render(*scene, *editor->cameraNode(), editor->camera(), w, h, view_.backgroundColor());
    painter.endNativePainting();
    const std::string error = drewAll ? std::string() : renderer_->error();
    if (!error.empty() && error != partError_)
      std::fprintf(stderr, "ornival: the relief is drawn in part: %s\n", error.c_str());
    partError_ = error;
  } else {
    painter.fillRect(rect(), toQColor(view_.backgroundColor()));
  }
  // The layers the relief keeps: the underlay, the selection, the frame.
  QPainterAdapter adapter(painter, height());
  renderLayerTree(*view_.rootLayer(), adapter);
}

std::optional<RgbaImage> SceneView::picture() {
  if (!renderer_ && broken_)
    return std::nullopt;
  const QImage image = grabFramebuffer();
  if (image.isNull())
    return std::nullopt;
  return toRgbaImage(image);
}

}  // namespace ornival
