#pragma once

#include "platform/Camera.h"
#include "platform/Color.h"
#include "platform/Scene.h"
#include "platform/SnapshotRenderer.h"

#include <memory>

namespace ornival {

// Relief snapshots in the program: an OpenGL 3.3 core context of its own on
// Qt's offscreen surface, drawing into framebuffer objects, never on screen.
// It shares the scene, the point of view and the camera with their owner and
// reads them at each snapshot, as the relief exports and printing expect.
//
// Main thread only: Qt makes offscreen surfaces on the GUI thread.
class QtOffscreenRenderer final : public SnapshotRenderer {
public:
  // None when no context can be made here (a platform without OpenGL) or it
  // is older than 3.3.
  static std::unique_ptr<QtOffscreenRenderer> create(std::shared_ptr<const Scene> scene,
                                                     std::shared_ptr<const SceneNode> pointOfView,
                                                     const Camera& camera, Color background);
  ~QtOffscreenRenderer() override;

  std::optional<RgbaImage> snapshot(int width, int height, bool antialiased) override;

  // Whether this platform gives an OpenGL 3.3 core context at all; asked once,
  // the answer kept.
  static bool available();

private:
  struct Context;
  explicit QtOffscreenRenderer(std::unique_ptr<Context> context);

  std::unique_ptr<Context> context_;
};

}  // namespace ornival
