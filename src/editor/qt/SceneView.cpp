#include "editor/qt/SceneView.h"

#include "editor/ViewController.h"
#include "editor/qt/Checkerboard.h"
#include "editor/qt/View.h"
#include "platform/Layer.h"
#include "platform/LayerRenderer.h"
#include "platform/Localization.h"
#include "platform/gl/GlSceneRenderer.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtGl.h"
#include "platform/qt/QtRgbaImage.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLPaintDevice>
#include <QOpenGLWindow>
#include <QPainter>
#include <QPalette>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cstdio>

namespace ornival {

// The window the relief is drawn in. Each frame is drawn into a multisampled
// framebuffer of its own, which has the alpha the checks behind a clear
// background need, and then copied to the window.
class SceneWindow final : public QOpenGLWindow {
public:
  explicit SceneWindow(View& view) : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate), view_(view) {
    QSurfaceFormat format = coreGlFormat();
    format.setStencilBufferSize(8);
    setFormat(format);
    // The view beneath takes the pointer, the wheel and the keys: the
    // desktop passes them through where it can (X11), else they are handed
    // on (below).
    setFlag(Qt::WindowTransparentForInput);
    setFlag(Qt::WindowDoesNotAcceptFocus);
  }

  ~SceneWindow() override {
    // The context goes after this destructor: its notice must not call into
    // what is left of this window.
    if (QOpenGLContext* glContext = context())
      disconnect(glContext, nullptr, this, nullptr);
    releaseRenderer();
  }

  std::function<void(const std::string& reason)> failed;

  // The frame as drawn now, at the window's pixel size; a background that
  // lets light through stays transparent in it, without the checks.
  QImage grab() {
    if (!isValid())
      return {};
    makeCurrent();
    drawFrame(false);
    QImage image = frame_ ? frame_->toImage() : QImage();
    doneCurrent();
    image.setDevicePixelRatio(devicePixelRatio());
    return image;
  }

  bool broken() const { return !renderer_ && broken_; }

protected:
  // Where the desktop gives this window the input (Wayland gives a window
  // within a window the pointer over it, and the drops), the view gets it as
  // its own: the two lie one on the other, point for point.
  bool event(QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QMouseEvent handed(mouse->type(), mouse->position(), mouse->scenePosition(), mouse->globalPosition(),
                           mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
        handed.setTimestamp(mouse->timestamp());
        QCoreApplication::sendEvent(&view_, &handed);
        setCursor(view_.cursor());
        return true;
      }
      case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        QWheelEvent handed(wheel->position(), wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(),
                           wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source(),
                           wheel->pointingDevice());
        QCoreApplication::sendEvent(&view_, &handed);
        return true;
      }
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::DragLeave:
      case QEvent::Drop:
        QCoreApplication::sendEvent(&view_, event);
        return true;
      default:
        return QOpenGLWindow::event(event);
    }
  }

  void initializeGL() override {
    std::string error;
    QOpenGLContext* glContext = context();
    // Qt may make the context anew: the renderer goes with the old one.
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

  void paintGL() override {
    if (!drawFrame(true))
      return;
    QOpenGLFramebufferObject::blitFramebuffer(nullptr, QRect(QPoint(0, 0), frame_->size()), frame_.get(),
                                              QRect(QPoint(0, 0), frame_->size()));
  }

private:
  // The renderer's meshes and programs belong to the window's context.
  void releaseRenderer() {
    if (!renderer_ && !frame_)
      return;
    makeCurrent();
    renderer_.reset();
    frame_.reset();
    doneCurrent();
  }

  bool drawFrame(bool checks) {
    const qreal ratio = devicePixelRatio();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixels.isEmpty())
      return false;
    if (!frame_ || frame_->size() != pixels) {
      QOpenGLFramebufferObjectFormat format;
      format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
      format.setSamples(4);
      frame_ = std::make_unique<QOpenGLFramebufferObject>(pixels, format);
    }
    if (!frame_->bind())
      return false;
    const auto editor = view_.editor();
    const auto scene = view_.scene();
    const Color background = view_.backgroundColor();
    {
      QOpenGLPaintDevice device(pixels);
      device.setDevicePixelRatio(ratio);
      QPainter painter(&device);
      if (renderer_ && editor && scene) {
        painter.beginNativePainting();
        // The free camera while the mouse steers it or glides home.
        const std::shared_ptr<SceneNode> free = editor->cameraControl.pointOfView();
        const bool drewAll =
            free ? renderer_->render(*scene, *free, editor->cameraControl.camera(), pixels.width(), pixels.height(),
                                     background)
                 : renderer_->render(*scene, *editor->cameraNode(), editor->camera(), pixels.width(),
                                     pixels.height(), background);
        painter.endNativePainting();
        const std::string error = drewAll ? std::string() : renderer_->error();
        if (!error.empty() && error != partError_)
          std::fprintf(stderr, "ornival: the relief is drawn in part: %s\n", error.c_str());
        partError_ = error;
      } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(QRect(QPoint(0, 0), size()), toQColor(background));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
      }
      // Behind a background that lets light through, the checks: the window
      // is opaque, whatever the desktop would show through it.
      if (checks && background.alpha < 1.0) {
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        painter.drawImage(QPoint(0, 0), checkerboard(pixels, ratio));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
      }
      // The layers the relief keeps: the underlay, the selection, the frame.
      QPainterAdapter adapter(painter, height());
      renderLayerTree(*view_.rootLayer(), adapter);
    }
    frame_->release();
    return true;
  }

  // The checks as one picture, made again only when the size or the palette
  // changes: painted cell by cell they cost the paint engine thousands of
  // draws a frame, as much as the relief itself on software OpenGL.
  const QImage& checkerboard(const QSize& pixels, qreal ratio) {
    const QPalette& palette = view_.palette();
    const QRgb base = palette.color(QPalette::Base).rgba();
    const QRgb text = palette.color(QPalette::Text).rgba();
    if (checks_.size() != pixels || checks_.devicePixelRatio() != ratio || checksBase_ != base ||
        checksText_ != text) {
      checks_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
      checks_.setDevicePixelRatio(ratio);
      checks_.fill(Qt::transparent);
      QPainter checksPainter(&checks_);
      paintCheckerboard(checksPainter, QRect(QPoint(0, 0), size()), palette);
      checksBase_ = base;
      checksText_ = text;
    }
    return checks_;
  }

  View& view_;
  QImage checks_;
  QRgb checksBase_ = 0;
  QRgb checksText_ = 0;
  std::unique_ptr<GlSceneRenderer> renderer_;
  std::unique_ptr<QOpenGLFramebufferObject> frame_;
  bool broken_ = false;
  // What the last frame drawn in part said: told once, not at every frame.
  std::string partError_;
};

SceneView::SceneView(View& view) : QWidget(&view), window_(new SceneWindow(view)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  window_->failed = [this](const std::string& reason) {
    if (failed)
      failed(reason);
  };
  // The container owns the window from here on.
  container_ = QWidget::createWindowContainer(window_, this);
  container_->setAttribute(Qt::WA_TransparentForMouseEvents);
  container_->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(container_);
}

SceneView::~SceneView() = default;

bool SceneView::isValid() const { return window_->isValid(); }

void SceneView::update() { window_->update(); }

QImage SceneView::grabFramebuffer() { return window_->grab(); }

QOpenGLWindow* SceneView::openGLWindow() const { return window_; }

std::optional<RgbaImage> SceneView::picture() {
  if (window_->broken())
    return std::nullopt;
  const QImage image = window_->grab();
  if (image.isNull())
    return std::nullopt;
  return toRgbaImage(image);
}

}  // namespace ornival
