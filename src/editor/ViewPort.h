#pragma once

#include "platform/Color.h"
#include "platform/Vec2.h"

#include <functional>
#include <memory>

namespace ornival {

class EditorWindowController;
class Layer;
class Scene;
class UndoManager;

// The editor's view as the editor sees it: the place its drawing is shown
// and the window around it. The Qt view implements it; tests use a fake
// window. Main thread only.
class ViewPort {
public:
  virtual ~ViewPort() = default;

  // Whether the view is in a window; without one nothing is laid out.
  virtual bool hasWindow() const = 0;
  // Width and height of the window's content area in points: the frame the
  // drawing is fitted into. The view fills it.
  virtual Vec2 contentSize() const = 0;
  // The pointer in window points (y up), read between events.
  virtual Vec2 mouseLocationOutsideOfEventStream() const = 0;
  // The view's own layer, under which the editor hangs its drawing.
  virtual std::shared_ptr<Layer> rootLayer() const = 0;
  // The window's undo manager; none skips registration.
  virtual std::shared_ptr<UndoManager> undoManager() const = 0;
  // The controller of the view's window, when there is one.
  virtual std::shared_ptr<EditorWindowController> windowController() const = 0;

  // The relief: the scene shown under the drawing, its background, and
  // whether it is redrawn continuously.
  virtual void setScene(std::shared_ptr<Scene> scene) = 0;
  virtual std::shared_ptr<Scene> scene() const = 0;
  virtual void setBackgroundColor(const Color& color) = 0;
  virtual void setContinuousRedraw(bool continuous) = 0;

  // The cursor shown over the view depends on the editor's state; asks the
  // view to choose it again.
  virtual void invalidateCursorRects() = 0;

  // Runs step between events once the view has shown what the current event
  // changed, and again while it answers true: work the picture need not wait
  // for, in slices short enough to keep the view answering. Without a picture
  // to wait for, the steps go through the main queue.
  virtual void afterPaint(std::function<bool()> step) { runInSlices(std::move(step)); }

  // Posts step to the main queue, again after each run that answers true.
  static void runInSlices(std::function<bool()> step);
};

}  // namespace ornival
