#pragma once

#include <string_view>

namespace ornival {

// What a surface shader modifier (ShaderEntryPoint::surface) may use: the
// GLSL Surface struct it receives and changes, and the two inverse transforms
// the renderer sets per draw. The OpenGL renderer puts this text ahead of the
// modifier's own, which defines
//   void modifySurface(inout Surface surface);
// position and normal are in view space, modelPosition is the point in the
// mesh's own coordinates, before any node or instance places it (where a
// pattern on the surface stays put however the mesh is placed or drawn);
// diffuseTexcoord is the mesh's first
// texture coordinate; diffuse is the material's diffuse colour, in the
// renderer's linear working space like every colour the modifier receives.
std::string_view surfaceEntryPointDeclarations();

}  // namespace ornival
