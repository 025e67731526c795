#include "app/core/SurfacePreview.h"

#include "document/Document.h"
#include "model/Materials.h"
#include "platform/Geometry.h"
#include "platform/gl/GlOffscreenRenderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ornival {
namespace {

constexpr double radius = 50.0;

// A sphere of rings and segments, with normals and texture coordinates.
std::shared_ptr<Geometry> sphereGeometry(int rings, int segments) {
  GeometrySources sources;
  for (int ring = 0; ring <= rings; ++ring) {
    const double v = double(ring) / rings;
    const double polar = v * std::numbers::pi;
    for (int segment = 0; segment <= segments; ++segment) {
      const double u = double(segment) / segments;
      const double azimuth = u * 2.0 * std::numbers::pi;
      const Vec3 normal{std::sin(polar) * std::cos(azimuth), std::cos(polar), std::sin(polar) * std::sin(azimuth)};
      sources.positions.push_back({normal.x * radius, normal.y * radius, normal.z * radius});
      sources.normals.push_back(normal);
      sources.textureCoordinates.push_back({u, 1.0 - v});
    }
  }
  const auto at = [segments](int ring, int segment) { return std::uint32_t(ring * (segments + 1) + segment); };
  for (int ring = 0; ring < rings; ++ring)
    for (int segment = 0; segment < segments; ++segment) {
      // Counter-clockwise seen from outside.
      sources.indices.insert(sources.indices.end(), {at(ring, segment), at(ring, segment + 1), at(ring + 1, segment)});
      sources.indices.insert(sources.indices.end(),
                             {at(ring, segment + 1), at(ring + 1, segment + 1), at(ring + 1, segment)});
    }
  return Geometry::create(std::move(sources));
}

}  // namespace

SurfacePreview::SurfacePreview()
    : scene_(Scene::create()),
      sphere_(SceneNode::create(sphereGeometry(48, 96))),
      light_(SceneNode::create()),
      ambient_(SceneNode::create()),
      ambientLight_(Light::create(LightType::ambient, {0.6, 0.6, 0.6, 1.0})),
      cameraNode_(SceneNode::create()) {
  sphere_->setName("sphere");
  light_->setName("light");
  ambient_->setName("ambient");
  const auto& root = scene_->rootNode();
  root->addChildNode(sphere_);
  root->addChildNode(light_);
  root->addChildNode(ambient_);
  scene_->addLight(light_, Light::create(LightType::omni));
  scene_->addLight(ambient_, ambientLight_);
  light_->setTransform(Transform3D::translation(-200.0, 1000.0, 200.0));
  // The camera stays outside the root: the light turns, the view does not.
  camera_.orthographicScale = radius * 1.15;
  camera_.zNear = 1.0;
  camera_.zFar = 1000.0;
  cameraNode_->setTransform(Transform3D::translation(0.0, 0.0, 500.0));
}

void SurfacePreview::update(const Document& document) {
  const double toRadians = std::numbers::pi / 180.0;
  // Turned like Euler angles, as the editor turns its own light.
  const Transform3D orientation =
      Transform3D::rotation({0.0, 0.0, 1.0}, document.lightAngleZ() * toRadians)
          .concatenating(Transform3D::rotation({0.0, 1.0, 0.0}, document.lightAngleY() * toRadians))
          .concatenating(Transform3D::rotation({1.0, 0.0, 0.0}, document.lightAngleX() * toRadians));
  scene_->rootNode()->setTransform(orientation);
  light_->setTransform(Transform3D::translation(-200.0, 1000.0, 200.0).concatenating(orientation));

  std::vector<LineAttribute> bands = {{document.borderWidth(), document.borderColor()},
                                      {document.borderWidth2(), document.borderColor2()},
                                      {document.borderWidth3(), document.borderColor3()}};
  std::stable_sort(bands.begin(), bands.end());

  Transform3D transform = sphere_->transform();
  transform.m[2][2] = document.surfaceZscale();
  sphere_->setTransform(transform);

  property_ = MaterialProperty{document.shapeColor(),
                               float(document.metalness()),
                               float(document.roughness()),
                               float(document.ripple()),
                               float(document.rippleScale() * 30.0),
                               1.0f,
                               std::move(bands)};
  if (const auto& geometry = sphere_->geometry())
    geometry->setFirstMaterial(Materials::material(property_));
  ambientLight_->color = document.ambientColor();
}

std::optional<RgbaImage> SurfacePreview::render(GlSceneRenderer& renderer, int width, int height,
                                                const Color& background) const {
  GlOffscreenRenderer offscreen(renderer, scene_, cameraNode_, camera_, background);
  return offscreen.snapshot(width, height, true);
}

}  // namespace ornival
