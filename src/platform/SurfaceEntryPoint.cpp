#include "platform/SurfaceEntryPoint.h"

namespace ornival {

std::string_view surfaceEntryPointDeclarations() {
  return R"glsl(
struct Surface {
  vec3 position;
  vec3 modelPosition;
  vec3 normal;
  vec2 diffuseTexcoord;
  vec4 diffuse;
};
uniform mat4 u_inverseModelTransform;
uniform mat4 u_inverseViewTransform;
)glsl";
}

}  // namespace ornival
