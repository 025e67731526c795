#include "editor/qt/View.h"

#include "editor/ViewController.h"
#include "editor/qt/Checkerboard.h"
#include "editor/qt/Cursor.h"
#include "editor/qt/SceneView.h"
#include "platform/Layer.h"
#include "platform/LayerRenderer.h"
#include "platform/UndoManager.h"
#include "platform/Localization.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtOffscreenRenderer.h"

#include <QApplication>
#include <QBackingStore>
#include <QColor>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>

#include <cmath>

namespace ornival {

View::View(QWidget* parent) : QWidget(parent), rootLayer_(Layer::create()) {
  rootLayer_->setAnchorPoint({0.0, 0.0});
  setMouseTracking(true);
  setAcceptDrops(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
  glide_.setInterval(16);
  connect(&glide_, &QTimer::timeout, this, [this] { followGlide(); });
  sharpen_.setSingleShot(true);
  sharpen_.setInterval(0);
  connect(&sharpen_, &QTimer::timeout, this, [this] { sharpenDrawing(); });
  afterPaintTurn_.setSingleShot(true);
  afterPaintTurn_.setInterval(0);
  connect(&afterPaintTurn_, &QTimer::timeout, this, [this] { runAfterPaint(); });
  watchDrawing();
}

View::~View() = default;

void View::setEditor(std::weak_ptr<ViewController> editor) {
  editor_ = std::move(editor);
  if (editor_.expired()) {
    sharpen_.stop();
    renderer_.reset();
  } else if (!renderer_) {
    watchDrawing();
  }
}

void View::watchDrawing() {
  renderer_ = std::make_unique<TiledLayerRenderer>(rootLayer_);
  renderer_->changeNoticed = [this] {
    if (refreshQueued_)
      return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          refreshQueued_ = false;
          refreshDrawing();
        },
        Qt::QueuedConnection);
  };
}

// The view paints into its window's picture, where it lies at its offset.
TiledLayerRenderer::Frame View::drawingFrame() const {
  const QWidget* top = window();
  const double ratio = devicePixelRatioF();
  const QSize device(int(std::ceil(top->width() * ratio)), int(std::ceil(top->height() * ratio)));
  return {size(), ratio, toQColor(background_), mapTo(top, QPoint()), device};
}

void View::refreshDrawing(bool relief) {
  if (renderer_) {
    const QRegion changed = renderer_->takeDamage(drawingFrame());
    if (!changed.isEmpty())
      QWidget::update(changed);
  }
  if (relief)
    redrawRelief();
}

bool View::isDrawingSharp() const { return !renderer_ || (renderer_->isSharp() && !sharpen_.isActive()); }

void View::discardDrawingCache() {
  if (renderer_)
    renderer_->discardPictures();
}

// A slice at a time, short enough that the next input waits little.
void View::sharpenDrawing() {
  if (!renderer_)
    return;
  const QRegion done = renderer_->sharpen(drawingFrame(), std::chrono::milliseconds(6));
  if (done.isEmpty())
    return;
  QWidget::update(done);
  sharpen_.start();
}

void View::setRelief(bool relief) {
  relief_ = relief;
  if (relief && !sceneView_ && !message_) {
    if (!QtOffscreenRenderer::available()) {
      showReliefMessage(localized("View", "No OpenGL context could be made."));
    } else {
      sceneView_ = new SceneView(*this);
      sceneView_->setGeometry(rect());
      sceneView_->failed = [this](const std::string& reason) {
        if (sceneView_)
          sceneView_->hide();
        showReliefMessage(reason);
      };
      if (const auto editor = editor_.lock()) {
        editor->sceneSnapshot = [relief = sceneView_]() -> std::optional<RgbaImage> {
          return relief ? relief->picture() : std::nullopt;
        };
      }
    }
  }
  if (sceneView_)
    sceneView_->setVisible(relief && !message_);
  if (message_)
    message_->setVisible(relief);
  followGlide();
  update();
}

void View::showReliefMessage(const std::string& reason) {
  if (!message_) {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    label->setMargin(24);
    label->setText(QString::fromStdString(localized("View", "The relief view needs OpenGL, which is not available "
                                                            "here.\nSwitch to the flat view to go on editing.")));
    label->setToolTip(QString::fromStdString(reason));
    label->setGeometry(rect());
    message_ = label;
  }
  message_->setVisible(relief_);
}

bool View::steersCamera() const {
  const auto editor = editor_.lock();
  return relief_ && editor && editor->cameraControl.isOn();
}

void View::redrawRelief() {
  if (sceneView_ && sceneView_->isVisible())
    sceneView_->update();
}

// The free camera glides home after the mouse lets go of it; the view follows
// until it arrives.
void View::followGlide() {
  const auto editor = editor_.lock();
  if (!editor || !editor->cameraControl.isGliding()) {
    glide_.stop();
    return;
  }
  if (!glide_.isActive()) {
    glideClock_.start();
    glide_.start();
    return;
  }
  editor->cameraControl.advance(glideClock_.restart() / 1000.0);
  redrawRelief();
  if (!editor->cameraControl.isGliding())
    glide_.stop();
}

Vec2 View::mouseLocationOutsideOfEventStream() const {
  return windowPoint(QPointF(mapFromGlobal(QCursor::pos())), height());
}

ModifierFlags View::modifierFlags() const {
  return ornival::modifierFlags(QApplication::queryKeyboardModifiers(), QApplication::mouseButtons());
}

void View::setBackgroundColor(const Color& color) {
  background_ = color;
  update();
}

void View::dispatch(const std::function<void(ViewController&)>& body) {
  const auto editor = editor_.lock();
  if (!editor)
    return;
  if (undo_)
    undo_->beginGroup();
  body(*editor);
  if (undo_)
    undo_->endGroup();
  refreshDrawing();
  followGlide();
  if (eventDispatched)
    eventDispatched();
}

void View::updateCursor() {
  const auto editor = editor_.lock();
  setCursor(editor ? Cursor::forDragAction(editor->dragAction, editor->shapeColor()) : QCursor(Qt::ArrowCursor));
}

void View::update() {
  QWidget::update();
  redrawRelief();
}

void View::paintEvent(QPaintEvent* event) {
  QPainter qpainter(this);
  // The view paints every pixel itself: a background that lets light
  // through stands on checks, never on what was there before.
  if (background_.alpha < 1.0)
    paintCheckerboard(qpainter, event->rect(), palette());
  // A picture taken of the view (a grab) is drawn directly, exactly; the
  // screen's paints go through the pictures kept, and may show the last
  // view's picture while the new one is drawn.
  QBackingStore* store = backingStore();
  const bool onScreen = renderer_ && store && store->paintDevice() &&
                        qpainter.paintEngine() == store->paintDevice()->paintEngine();
  if (!onScreen) {
    qpainter.fillRect(rect(), toQColor(background_));
    QPainterAdapter painter(qpainter, height());
    renderLayerTree(*rootLayer_, painter);
    return;
  }
  renderer_->paint(qpainter, drawingFrame(), event->rect(), true);
  if (!renderer_->isSharp() && !sharpen_.isActive())
    sharpen_.start();
  // The turn comes after this paint has gone to the display.
  if (!afterPaint_.empty() && !afterPaintTurn_.isActive())
    afterPaintTurn_.start();
}

void View::afterPaint(std::function<bool()> step) {
  afterPaint_.push_back(std::move(step));
  // A view that is not shown paints nothing to wait for.
  if (!isVisible()) {
    if (!afterPaintTurn_.isActive())
      afterPaintTurn_.start();
    return;
  }
  update();
}

void View::runAfterPaint() {
  if (afterPaint_.empty())
    return;
  // Taken out while it runs: a step may ask for more.
  auto step = std::move(afterPaint_.front());
  afterPaint_.pop_front();
  if (step())
    afterPaint_.push_front(std::move(step));
  if (!afterPaint_.empty())
    afterPaintTurn_.start();
}

void View::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (sceneView_)
    sceneView_->setGeometry(rect());
  if (message_)
    message_->setGeometry(rect());
  if (const auto editor = editor_.lock())
    editor->updateViewTransform(false, 1.0);
  update();
}

void View::mouseMoveEvent(QMouseEvent* event) {
  if (steersCamera()) {
    // No hovering while the mouse has the camera.
    if (!buttonDown_)
      return;
    const QPointF moved = event->position() - steerFrom_;
    steerFrom_ = event->position();
    if (const auto editor = editor_.lock())
      editor->cameraControl.drag({moved.x(), -moved.y()}, double(height()), steerAcross_);
    redrawRelief();
    return;
  }
  const MouseEvent translated = mouseEvent(event->position(), height(), event->modifiers(), clickCount_, event->buttons() | event->button());
  if (buttonDown_)
    dispatch([&](ViewController& editor) { editor.mouseDragged(translated); });
  else
    dispatch([&](ViewController& editor) { editor.mouseMoved(translated); });
  updateCursor();
}

void View::press(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  lastPress_ = event->globalPosition().toPoint();
  if (steersCamera()) {
    buttonDown_ = true;
    // The right or middle button, or a drag with a modifier, moves the view
    // across; a plain drag turns it.
    steerFrom_ = event->position();
    steerAcross_ = event->button() != Qt::LeftButton ||
                   (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
    return;
  }
  // The right button picks a tile and its colour; it neither counts towards
  // the left button's double clicks nor starts its gesture, and its drag and
  // release do nothing.
  if (event->button() == Qt::RightButton) {
    const MouseEvent translated = mouseEvent(event->position(), height(), event->modifiers(), 1, event->buttons() | event->button());
    dispatch([&](ViewController& editor) { editor.rightMouseDown(translated); });
    updateCursor();
    return;
  }
  buttonDown_ = true;
  clickCount_ = clicks_.press(event->position(), event->timestamp(), QApplication::doubleClickInterval());
  const MouseEvent translated = mouseEvent(event->position(), height(), event->modifiers(), clickCount_, event->buttons() | event->button());
  dispatch([&](ViewController& editor) { editor.mouseDown(translated); });
  updateCursor();
}

void View::mousePressEvent(QMouseEvent* event) { press(event); }

// Qt reports the second press of a double click here instead; it is a press
// like any other, counted by the click counter.
void View::mouseDoubleClickEvent(QMouseEvent* event) { press(event); }

void View::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  // A drag keeps the pointer to itself until the button is let go.
  if (!buttonDown_)
    dispatch([](ViewController& editor) { editor.mouseExited(); });
}

void View::mouseReleaseEvent(QMouseEvent* event) {
  if (steersCamera()) {
    buttonDown_ = false;
    return;
  }
  if (event->button() == Qt::RightButton)
    return;
  const MouseEvent translated = mouseEvent(event->position(), height(), event->modifiers(), clickCount_, event->buttons() | event->button());
  buttonDown_ = false;
  dispatch([&](ViewController& editor) { editor.mouseUp(translated); });
  updateCursor();
}

void View::wheelEvent(QWheelEvent* event) {
  if (steersCamera()) {
    if (const auto editor = editor_.lock())
      for (const ScrollEvent& scroll : scrollEvents(*event))
        editor->cameraControl.zoom(scroll.scrollingDeltaY);
    redrawRelief();
    event->accept();
    return;
  }
  for (const ScrollEvent& scroll : scrollEvents(*event))
    dispatch([&](ViewController& editor) { editor.scrollWheel(scroll); });
  event->accept();
}

// The window controller routes the keys; the view only passes them up.
void View::keyPressEvent(QKeyEvent* event) {
  // Tab goes straight to the editor: on its way up through the window the
  // focus chain would take it as a step to the next control.
  if (event->key() == Qt::Key_Tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    const KeyEvent translated = keyEvent(*event);
    dispatch([&](ViewController& editor) { editor.keyDown(translated); });
    updateCursor();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool View::focusNextPrevChild(bool) { return false; }

void View::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() || event->mimeData()->hasColor())
    event->acceptProposedAction();
}

void View::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls() || event->mimeData()->hasColor())
    event->acceptProposedAction();
}

void View::dropEvent(QDropEvent* event) {
  bool tookFile = false;
  const QMimeData* data = event->mimeData();
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile())
      continue;
    if (imageDropped)
      imageDropped(url.toLocalFile().toStdString());
    tookFile = true;
  }
  if (!tookFile && data->hasColor()) {
    const QColor color = qvariant_cast<QColor>(data->colorData()).toRgb();
    if (colorDropped)
      colorDropped(Color{color.redF(), color.greenF(), color.blueF(), color.alphaF()},
                   windowPoint(event->position(), height()));
  }
  // A dropped colour is applied, but only a file counts as taken.
  if (tookFile)
    event->acceptProposedAction();
  else
    event->ignore();
  refreshDrawing();
}

}  // namespace ornival
