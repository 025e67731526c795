#pragma once

#include "platform/Camera.h"
#include "platform/Color.h"
#include "platform/Scene.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

namespace ornival {

using GlFunctionPointer = void (*)();
// Looks up an OpenGL function of the current context by name, as
// OSMesaGetProcAddress and QOpenGLContext::getProcAddress do; null when the
// context has none.
using GlLoader = std::function<GlFunctionPointer(const char* name)>;

struct GlFunctions;
class Geometry;

// Draws a scene with OpenGL 3.3 core calls into the framebuffer bound when
// render() is called: every shown node's geometry with its first material
// (the material's surface modifier spliced into the fragment shader), lit by
// the scene's ambient and omni lights, seen through an orthographic camera.
// Lighting runs in linear light; colours come in and go out as sRGB.
//
// A renderer belongs to one context: make it, use it and destroy it while
// that context is current. Meshes are uploaded when a geometry is first drawn
// and kept while the geometry lives, the places of instanced nodes likewise;
// programs are made once per modifier text.
class GlSceneRenderer {
public:
  // Null, with the reason in `error`, when the current context is older than
  // OpenGL 3.3 or misses a function the renderer needs.
  static std::unique_ptr<GlSceneRenderer> create(const GlLoader& loader, std::string& error);
  ~GlSceneRenderer();
  GlSceneRenderer(const GlSceneRenderer&) = delete;
  GlSceneRenderer& operator=(const GlSceneRenderer&) = delete;

  // Clears the rectangle (0, 0, width, height) of the bound framebuffer to
  // the background and draws the scene in it as pointOfView's camera sees it.
  // A hidden root shows only the background. False, with the reason in
  // error(), when a material's shader did not build; the nodes it draws are
  // left out and the rest is drawn.
  bool render(const Scene& scene, const SceneNode& pointOfView, const Camera& camera, int width, int height,
              const Color& background);
  const std::string& error() const { return error_; }

  const GlFunctions& functions() const { return *gl_; }

private:
  struct Program;
  struct Mesh;
  struct Draw;
  struct InstanceList;

  explicit GlSceneRenderer(std::unique_ptr<GlFunctions> gl);
  Program* program(const std::string& modifier);
  Mesh& mesh(const std::shared_ptr<Geometry>& geometry);
  InstanceList& instanceList(const std::shared_ptr<const SceneNode::Instances>& places);
  void releaseUnusedMeshes();
  // Puts the identity back into the instance attributes for a draw without
  // instances.
  void setIdentityInstance();

  std::unique_ptr<GlFunctions> gl_;
  std::map<std::string, std::unique_ptr<Program>, std::less<>> programs_;
  std::unordered_map<const Geometry*, std::unique_ptr<Mesh>> meshes_;
  std::unordered_map<const SceneNode::Instances*, std::unique_ptr<InstanceList>> instanceLists_;
  bool instanceArraysUsed_ = true;
  std::string error_;
  std::uint64_t frames_ = 0;
};

}  // namespace ornival
