#pragma once

#include "platform/Camera.h"
#include "platform/Color.h"
#include "platform/Scene.h"
#include "platform/SnapshotRenderer.h"
#include "platform/gl/GlSceneRenderer.h"

#include <memory>

namespace ornival {

// Snapshots of a scene drawn into a framebuffer of its own, never onto the
// screen: what relief exports and printing draw with. It shares the scene,
// the camera node and the camera with their owner and reads them at each
// snapshot. The renderer's context must be current while it takes one.
class GlOffscreenRenderer : public SnapshotRenderer {
public:
  GlOffscreenRenderer(GlSceneRenderer& renderer, std::shared_ptr<const Scene> scene,
                      std::shared_ptr<const SceneNode> pointOfView, const Camera& camera, Color background);

  // Up to sixteen samples a pixel when antialiased, as many as the context
  // offers. None when the context cannot make a framebuffer of this size or
  // a material's shader does not build (the renderer's error() says which).
  std::optional<RgbaImage> snapshot(int width, int height, bool antialiased) override;

  // The samples a pixel of the last snapshot had: 0 without multisampling.
  int lastSamples() const { return lastSamples_; }

private:
  GlSceneRenderer& renderer_;
  std::shared_ptr<const Scene> scene_;
  std::shared_ptr<const SceneNode> pointOfView_;
  const Camera& camera_;
  Color background_;
  int lastSamples_ = 0;
};

}  // namespace ornival
