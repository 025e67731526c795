#pragma once

#include "platform/RgbaImage.h"

#include <QOpenGLWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ornival {

class GlSceneRenderer;
class View;

// The relief on screen: the editor's scene drawn through the scene renderer
// from the editor's camera, or from the free camera while the mouse steers
// it, with the editor's layers (underlay, selection, page frame) painted over
// it. It lies over its View, which keeps the input: the pointer passes
// through to it.
//
// Main thread only; the renderer lives and dies with the widget's context.
class SceneView final : public QOpenGLWidget {
public:
  explicit SceneView(View& view);
  ~SceneView() override;

  // Told once, after the context was made, when it cannot draw the relief
  // (too old an OpenGL, say), with the reason.
  std::function<void(const std::string& reason)> failed;

  // The picture shown now, at the widget's pixel size; none when nothing can
  // be drawn.
  std::optional<RgbaImage> picture();

protected:
  void initializeGL() override;
  void paintGL() override;

private:
  void releaseRenderer();

  View& view_;
  std::unique_ptr<GlSceneRenderer> renderer_;
  bool broken_ = false;
  // What the last frame drawn in part said: told once, not at every frame.
  std::string partError_;
};

}  // namespace ornival
