#pragma once

#include "platform/Color.h"
#include "platform/Material.h"
#include "platform/SurfaceEntryPoint.h"
#include "platform/Vec3.h"

#include <string_view>

namespace ornival {

// The surface shader of tile materials: it paints the three border bands onto
// a tile's solid near its rim and ripples the rest with simplex noise. It comes
// twice, as GLSL for the OpenGL renderer and as a C++ function of the same
// steps for renderers without a GPU (the thumbnails) and for the tests.
//
// How the OpenGL renderer uses the GLSL (3.30 core and later): its fragment
// shader is, in this order,
//   1. its #version line;
//   2. surfaceEntryPointDeclarations(): the Surface struct and the two inverse
//      transforms, which the renderer sets per draw;
//   3. the material's surface modifier text, surfaceShaderSource() for tiles,
//      which declares its own uniforms and defines
//      void modifySurface(inout Surface surface);
//   4. its main(), which fills a Surface from its inputs (position and normal
//      in view space, the normal of unit length, the position in the mesh's
//      own space, the mesh's first texture coordinate, the material's diffuse
//      colour), calls modifySurface, normalizes the normal and lights the
//      result.
// Every entry of the material's uniformValues is bound to the uniform of the
// same name: a float to a float, a Vec3 to a vec3, a Color to a vec4
// (r, g, b, a; the renderer hands colours over in its linear working space, as
// it does the diffuse colour). A uniform the material does not set stays 0.
std::string_view surfaceShaderSource();

// The shader's uniforms as the material holds them; absent values are 0, as in
// the GLSL.
struct SurfaceUniforms {
  float ripple = 0.0f;
  float rippleScale = 0.0f;
  Vec3 borderWidth;
  Color borderColor = Color::clear();
  Color borderColor2 = Color::clear();
  Color borderColor3 = Color::clear();
  float scale = 0.0f;

  static SurfaceUniforms from(const Material& material);
};

// One point of a tile's surface, what the shader reads and writes.
struct SurfacePoint {
  // In the tile's model space: the GLSL's modelPosition, which the renderer
  // hands on from the mesh however the tile is placed or drawn.
  Vec3 position;
  // In view space; the caller normalizes the result before lighting.
  Vec3 normal;
  // The first texture coordinate: the point's height on the roof.
  double u = 0.0;
  Color diffuse;
};

// The GLSL's steps in single precision, which the noise's hash is made for.
SurfacePoint shadeSurface(const SurfaceUniforms& uniforms, SurfacePoint point);

}  // namespace ornival
