#pragma once

#include "model/MaterialProperty.h"
#include "platform/Camera.h"
#include "platform/RgbaImage.h"
#include "platform/Scene.h"

#include <memory>
#include <optional>

namespace ornival {

class Document;
class GlSceneRenderer;

// The surface popover's preview: a sphere in the document's surface
// material, lit as the document's light angles say, seen from the front.
// The root holds the sphere ("sphere"), the light ("light") and the ambient
// light ("ambient"); the camera looks on from outside it.
//
// Main thread only.
class SurfacePreview {
public:
  SurfacePreview();

  // Takes the light angles, the height and the material from the document.
  void update(const Document& document);
  // The material the sphere wears after the last update.
  const MaterialProperty& materialProperty() const { return property_; }

  const std::shared_ptr<Scene>& scene() const { return scene_; }
  const std::shared_ptr<SceneNode>& sphere() const { return sphere_; }
  const std::shared_ptr<SceneNode>& light() const { return light_; }
  const std::shared_ptr<SceneNode>& cameraNode() const { return cameraNode_; }
  const Camera& camera() const { return camera_; }

  // A picture of width × height pixels through the renderer, on the
  // background; none when the renderer draws none.
  std::optional<RgbaImage> render(GlSceneRenderer& renderer, int width, int height, const Color& background) const;

private:
  std::shared_ptr<Scene> scene_;
  std::shared_ptr<SceneNode> sphere_;
  std::shared_ptr<SceneNode> light_;
  std::shared_ptr<SceneNode> ambient_;
  std::shared_ptr<Light> ambientLight_;
  std::shared_ptr<SceneNode> cameraNode_;
  Camera camera_;
  MaterialProperty property_;
};

}  // namespace ornival
