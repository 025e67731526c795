#pragma once

#include "platform/RgbaImage.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QOpenGLWindow;

namespace ornival {

class SceneWindow;
class View;

// The relief on screen: the editor's scene drawn through the scene renderer
// from the editor's camera, or from the free camera while the mouse steers
// it, with the editor's layers (underlay, selection, page frame) painted over
// it, and checks behind a background that lets light through. It lies over
// its View, which keeps the input: the pointer passes through to it.
//
// The drawing is an OpenGL window of its own held in this widget, not an
// OpenGL widget: a window that joins a shown window leaves it as it is,
// where an OpenGL widget has the window made anew for OpenGL, and the
// desktop then places it anew (on Wayland, anywhere). Being a window of its
// own, it stands above the widgets of the document window: a panel shown
// over the relief is a window of its own too.
//
// Main thread only; the renderer lives and dies with the window's context.
class SceneView final : public QWidget {
public:
  explicit SceneView(View& view);
  ~SceneView() override;

  // Told once, after the context was made, when it cannot draw the relief
  // (too old an OpenGL, say), with the reason.
  std::function<void(const std::string& reason)> failed;

  // Whether its OpenGL context is made and can draw.
  bool isValid() const;
  // Draws again.
  void update();
  // The picture shown now, at the window's pixel size; none when nothing can
  // be drawn.
  std::optional<RgbaImage> picture();
  QImage grabFramebuffer();
  // The window the relief is drawn in.
  SceneWindow* sceneWindow() const { return window_; }
  // The same window as Qt knows it, for whoever waits for its frames.
  QOpenGLWindow* openGLWindow() const;

private:
  SceneWindow* window_;
  QPointer<QWidget> container_;
};

}  // namespace ornival
