#pragma once

#include "platform/Camera.h"
#include "platform/Color.h"
#include "platform/Scene.h"
#include "platform/SnapshotRenderer.h"

#include <memory>

class QOffscreenSurface;

namespace ornival {

// Relief snapshots in the program: an OpenGL 3.3 core context of its own on
// Qt's offscreen surface, drawing into framebuffer objects, never on screen.
// It shares the scene, the point of view and the camera with their owner and
// reads them at each snapshot, as the relief exports and printing expect.
//
// Qt makes and drops offscreen surfaces on the GUI thread only; a context may
// live on another thread and draw on such a surface there. So a renderer is
// either made on the GUI thread whole, or on a worker over a surface the GUI
// thread made for it, and then lives and dies on that worker.
class QtOffscreenRenderer final : public SnapshotRenderer {
public:
  // GUI thread. None when no context can be made here (a platform without
  // OpenGL) or it is older than 3.3.
  static std::unique_ptr<QtOffscreenRenderer> create(std::shared_ptr<const Scene> scene,
                                                     std::shared_ptr<const SceneNode> pointOfView,
                                                     const Camera& camera, Color background);

  // GUI thread: a surface that a renderer made on another thread draws on,
  // dropped on the GUI thread whichever thread lets go of it last. None where
  // there is no OpenGL 3.3 or the platform cannot draw from other threads:
  // pictures are then drawn on the GUI thread.
  static std::shared_ptr<QOffscreenSurface> workerSurface();

  // The thread it is called on, which alone uses and drops the renderer: a
  // context of its own over a surface of workerSurface(). None when the
  // context cannot be made.
  static std::unique_ptr<QtOffscreenRenderer> createOnThisThread(std::shared_ptr<QOffscreenSurface> surface,
                                                                 std::shared_ptr<const Scene> scene,
                                                                 std::shared_ptr<const SceneNode> pointOfView,
                                                                 const Camera& camera, Color background);
  ~QtOffscreenRenderer() override;

  std::optional<RgbaImage> snapshot(int width, int height, bool antialiased) override;

  // Whether this platform gives an OpenGL 3.3 core context at all; asked once,
  // the answer kept. GUI thread.
  static bool available();

private:
  struct Context;
  explicit QtOffscreenRenderer(std::unique_ptr<Context> context);
  static std::unique_ptr<QtOffscreenRenderer> made(std::unique_ptr<Context> context,
                                                   std::shared_ptr<const Scene> scene,
                                                   std::shared_ptr<const SceneNode> pointOfView,
                                                   const Camera& camera, Color background);

  std::unique_ptr<Context> context_;
};

}  // namespace ornival
