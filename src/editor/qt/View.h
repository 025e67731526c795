#pragma once

#include "editor/DragAction.h"
#include "editor/InputState.h"
#include "editor/ViewPort.h"
#include "editor/qt/EventTranslation.h"
#include "editor/qt/SceneView.h"
#include "platform/Color.h"
#include "platform/qt/TiledLayerRenderer.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace ornival {

class Layer;
class ViewController;

// The editor's view on Qt: it shows the editor's layer tree flat, through
// QPainter, and hands Qt's input to the editor in its own terms. Each input
// event is one undo group, opened before the editor sees it and closed after.
// It takes dropped picture files and colours, and shows the cursor of what a
// drag would do.
//
// The relief is drawn by an OpenGL widget laid over this view while the
// document is in relief, made the first time it is; the flat view never
// needs OpenGL. Where no OpenGL context can be made, the relief's place says
// so. This view keeps the input in both: while the mouse steers the relief's
// camera, drags turn or move it and the wheel zooms, and the editor sees no
// pointer.
//
// Main thread only.
class View : public QWidget, public ViewPort, public InputState {
  Q_OBJECT

public:
  explicit View(QWidget* parent = nullptr);
  ~View() override;

  // The editor it feeds and the window around it; set by the window
  // controller, which owns all three. Without an editor the view lets go of
  // what it kept of the drawing: a closing window takes its tiles away.
  void setEditor(std::weak_ptr<ViewController> editor);
  void setUndoManager(std::shared_ptr<UndoManager> undo) { undo_ = std::move(undo); }
  void setWindowController(std::weak_ptr<EditorWindowController> controller) { controller_ = std::move(controller); }
  std::shared_ptr<ViewController> editor() const { return editor_.lock(); }

  // Shows the relief over the flat drawing, or hides it.
  void setRelief(bool relief);
  bool isRelief() const { return relief_; }
  // The relief's widget once made; none before the first relief or without
  // OpenGL.
  SceneView* sceneView() const { return sceneView_; }
  // What the relief's place says when it cannot be drawn; none while it can.
  QWidget* reliefMessage() const { return message_; }

  // Runs body as one user event: in an undo group of its own, then shows
  // what it changed.
  void dispatch(const std::function<void(ViewController&)>& body);
  // Draws the view again, and the relief too while it shows: the relief's
  // widget keeps a picture of its own, which a repaint of this view leaves
  // as it was.
  using QWidget::update;
  void update();
  // Shows what changed: paints again the part of the flat drawing that
  // changed, and the relief while it shows. Changes outside events (answers
  // from the editor's queues) are shown this way on their own, soon after.
  // The relief keeps no record of what changed and is drawn whole, so a
  // caller that knows nothing in it changed leaves it out: at a hundred
  // thousand tiles a frame of software GL takes a tenth of a second.
  void refreshDrawing(bool relief = true);

  // Whether the view shows the drawing as it is, with nothing left standing
  // in for a part still to be drawn after a zoom or pan.
  bool isDrawingSharp() const;
  // Forgets the pictures kept of the drawing, as if it had never been drawn.
  void discardDrawingCache();

  // Whether a mouse button is down: a gesture is under way.
  bool isInGesture() const { return buttonDown_; }
  // Where the last mouse button went down, in global coordinates: what a
  // popover asked for by a click opens at.
  QPoint lastPressPosition() const { return lastPress_; }

  // Called after every event the editor saw, for the window to note edits.
  std::function<void()> eventDispatched;
  // Dropped picture files and colours (the colour at a point in window
  // points, y up).
  std::function<void(const std::string& path)> imageDropped;
  std::function<void(const Color& color, Vec2 point)> colorDropped;

  // The cursor for the drag action now.
  void updateCursor();

  // ViewPort
  bool hasWindow() const override { return true; }
  Vec2 contentSize() const override { return {double(width()), double(height())}; }
  Vec2 mouseLocationOutsideOfEventStream() const override;
  std::shared_ptr<Layer> rootLayer() const override { return rootLayer_; }
  std::shared_ptr<UndoManager> undoManager() const override { return undo_; }
  std::shared_ptr<EditorWindowController> windowController() const override { return controller_.lock(); }
  void setScene(std::shared_ptr<Scene> scene) override { scene_ = std::move(scene); }
  std::shared_ptr<Scene> scene() const override { return scene_; }
  void setBackgroundColor(const Color& color) override;
  void setContinuousRedraw(bool) override {}
  void invalidateCursorRects() override { updateCursor(); }
  // Runs once the next paint has reached the display, one slice a turn of
  // the event loop.
  void afterPaint(std::function<bool()> step) override;

  // InputState: the keys held now.
  ModifierFlags modifierFlags() const override;

  const Color& backgroundColor() const { return background_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Tab is the editor's key (the relief's camera), not a step to the next
  // control.
  bool focusNextPrevChild(bool next) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void press(QMouseEvent* event);
  // Whether the pointer steers the relief's camera rather than editing.
  bool steersCamera() const;
  void redrawRelief();
  void followGlide();
  void showReliefMessage(const std::string& reason);
  TiledLayerRenderer::Frame drawingFrame() const;
  void watchDrawing();
  void sharpenDrawing();

  std::weak_ptr<ViewController> editor_;
  std::shared_ptr<UndoManager> undo_;
  std::weak_ptr<EditorWindowController> controller_;
  std::shared_ptr<Layer> rootLayer_;
  // Draws the layer tree from pictures it keeps; none while no editor draws.
  std::unique_ptr<TiledLayerRenderer> renderer_;
  bool refreshQueued_ = false;
  // Draws the parts that a paint showed from the last view's picture.
  QTimer sharpen_;
  // Work that waits for the paint under way, and its turns after it.
  std::deque<std::function<bool()>> afterPaint_;
  QTimer afterPaintTurn_;
  void runAfterPaint();
  std::shared_ptr<Scene> scene_;
  Color background_ = Color::white();
  ClickCounter clicks_;
  int clickCount_ = 1;
  bool buttonDown_ = false;
  QPoint lastPress_;
  bool relief_ = false;
  QPointer<SceneView> sceneView_;
  QPointer<QWidget> message_;
  // The last pointer position of a camera drag, and whether it moves the
  // view across rather than turning it.
  QPointF steerFrom_;
  bool steerAcross_ = false;
  QTimer glide_;
  QElapsedTimer glideClock_;
};

}  // namespace ornival
