#include "model/SurfaceShader.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace ornival {

std::string_view surfaceShaderSource() {
  return R"glsl(
uniform float ripple;
uniform float rippleScale;
uniform vec3 borderWidth;
uniform vec4 borderColor;
uniform vec4 borderColor2;
uniform vec4 borderColor3;
uniform float scale;

// Simplex noise at p: xyz its derivative, w its value.
vec4 rippleNoise(vec3 p) {
  vec3 i = floor(p + (p.x + p.y + p.z) / 3.0);
  vec3 x0 = p - i + (i.x + i.y + i.z) / 6.0;

  vec3 g = step(x0.yzx, x0);
  vec3 l = 1.0 - g;
  vec3 i1 = min(g, l.zxy);
  vec3 i2 = max(g, l.zxy);
  vec3 x1 = x0 - i1 + 1.0 / 6.0;
  vec3 x2 = x0 - i2 + 1.0 / 3.0;
  vec3 x3 = x0 - 0.5;

  i = i - floor(i / 69.0) * 69.0;
  vec3 j = step(i, vec3(67.5)) * (i + 1.0);
  vec4 P = vec4(i.xy, j.xy) + vec4(50.0, 161.0, 50.0, 161.0);
  P *= P;
  vec4 V = mix(P.xyxy, P.zwzw, vec4(i1.xy, i2.xy));
  P = vec4(P.x * P.y, V.x * V.y, V.z * V.w, P.z * P.w);

  const vec3 seed = vec3(635.298681, 682.357502, 668.926525);
  const vec3 zinc = vec3(48.500388, 65.294118, 63.934599);
  vec3 lowz = 1.0 / (seed + i.z * zinc);
  vec3 highz = 1.0 / (seed + j.z * zinc);
  vec3 c1 = i1.z < 0.5 ? lowz : highz;
  vec3 c2 = i2.z < 0.5 ? lowz : highz;
  vec4 hashX = fract(P * vec4(lowz.x, c1.x, c2.x, highz.x)) - 0.49999;
  vec4 hashY = fract(P * vec4(lowz.y, c1.y, c2.y, highz.y)) - 0.49999;
  vec4 hashZ = fract(P * vec4(lowz.z, c1.z, c2.z, highz.z)) - 0.49999;

  vec4 unit = inversesqrt(hashX * hashX + hashY * hashY + hashZ * hashZ);
  hashX *= unit;
  hashY *= unit;
  hashZ *= unit;

  vec4 offsetX = vec4(x0.x, x1.x, x2.x, x3.x);
  vec4 offsetY = vec4(x0.y, x1.y, x2.y, x3.y);
  vec4 offsetZ = vec4(x0.z, x1.z, x2.z, x3.z);
  vec4 gr = hashX * offsetX + hashY * offsetY + hashZ * offsetZ;
  vec4 m = max(0.5 - (offsetX * offsetX + offsetY * offsetY + offsetZ * offsetZ), 0.0);
  vec4 m2 = m * m;
  vec4 m3 = m2 * m;
  vec4 t = -6.0 * m2 * gr;
  vec3 derivative = vec3(dot(t, offsetX) + dot(m3, hashX),
                         dot(t, offsetY) + dot(m3, hashY),
                         dot(t, offsetZ) + dot(m3, hashZ));
  return vec4(derivative, dot(m3, gr));
}

void modifySurface(inout Surface surface) {
  float b = scale * surface.diffuseTexcoord.x;
  if (b < borderWidth.z) {
    surface.diffuse.rgb = mix(surface.diffuse.rgb, borderColor3.rgb, borderColor3.a);
    surface.normal.xy *= -1.0;
  }
  if (b < borderWidth.y) {
    surface.diffuse.rgb = mix(surface.diffuse.rgb, borderColor2.rgb, borderColor2.a);
    surface.normal.xy *= -1.0;
  }
  if (b < borderWidth.x) {
    surface.diffuse.rgb = mix(surface.diffuse.rgb, borderColor.rgb, borderColor.a);
    surface.normal.xy *= -1.0;
  } else if (ripple != 0.0) {
    // Without ripple the noise would add nothing; it is the costliest step
    // of the whole shader.
    vec4 noise = rippleNoise(surface.modelPosition * rippleScale * 0.07);
    surface.diffuse.rgb += noise.w * ripple;
    surface.normal += noise.xyz * ripple;
  }
  float z = clamp(abs(b - borderWidth.x), 0.0, 1.0);
  surface.normal.z *= sqrt((2.0 - z) * z);
}
)glsl";
}

SurfaceUniforms SurfaceUniforms::from(const Material& material) {
  SurfaceUniforms uniforms;
  const auto read = [&](const char* name, auto& target) {
    const auto found = material.uniformValues.find(name);
    if (found == material.uniformValues.end())
      return;
    if (const auto* value = std::get_if<std::remove_reference_t<decltype(target)>>(&found->second))
      target = *value;
  };
  read("ripple", uniforms.ripple);
  read("rippleScale", uniforms.rippleScale);
  read("borderWidth", uniforms.borderWidth);
  read("borderColor", uniforms.borderColor);
  read("borderColor2", uniforms.borderColor2);
  read("borderColor3", uniforms.borderColor3);
  read("scale", uniforms.scale);
  return uniforms;
}

namespace {

// Just enough of GLSL's vectors to write the steps as the shader does, in
// single precision and with the same order of operations.
struct F3 {
  float x, y, z;
};
struct F4 {
  float x, y, z, w;
};

F3 operator+(F3 a, F3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
F3 operator-(F3 a, F3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
F3 operator+(F3 a, float s) { return {a.x + s, a.y + s, a.z + s}; }
F3 operator-(F3 a, float s) { return {a.x - s, a.y - s, a.z - s}; }
F3 operator*(F3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
F3 operator*(F3 a, F3 b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
F3 operator/(F3 a, float s) { return {a.x / s, a.y / s, a.z / s}; }
F3 operator/(float s, F3 a) { return {s / a.x, s / a.y, s / a.z}; }
F3 operator-(float s, F3 a) { return {s - a.x, s - a.y, s - a.z}; }
F3 floor3(F3 a) { return {std::floor(a.x), std::floor(a.y), std::floor(a.z)}; }
F3 yzx(F3 a) { return {a.y, a.z, a.x}; }
F3 zxy(F3 a) { return {a.z, a.x, a.y}; }
float step(float edge, float x) { return x < edge ? 0.0f : 1.0f; }
F3 step3(F3 edge, F3 x) { return {step(edge.x, x.x), step(edge.y, x.y), step(edge.z, x.z)}; }
F3 min3(F3 a, F3 b) { return {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)}; }
F3 max3(F3 a, F3 b) { return {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)}; }

F4 operator+(F4 a, F4 b) { return {a.x + b.x, a.y + b.y, a.z + b.z, a.w + b.w}; }
F4 operator*(F4 a, F4 b) { return {a.x * b.x, a.y * b.y, a.z * b.z, a.w * b.w}; }
F4 operator-(F4 a, float s) { return {a.x - s, a.y - s, a.z - s, a.w - s}; }
F4 operator-(float s, F4 a) { return {s - a.x, s - a.y, s - a.z, s - a.w}; }
F4 operator*(float s, F4 a) { return {s * a.x, s * a.y, s * a.z, s * a.w}; }
float mix(float a, float b, float t) { return a * (1.0f - t) + b * t; }
F4 mix4(F4 a, F4 b, F4 t) { return {mix(a.x, b.x, t.x), mix(a.y, b.y, t.y), mix(a.z, b.z, t.z), mix(a.w, b.w, t.w)}; }
float fract(float x) { return x - std::floor(x); }
F4 fract4(F4 a) { return {fract(a.x), fract(a.y), fract(a.z), fract(a.w)}; }
F4 max4(F4 a, float s) { return {std::max(a.x, s), std::max(a.y, s), std::max(a.z, s), std::max(a.w, s)}; }
float inversesqrt(float x) { return 1.0f / std::sqrt(x); }
F4 inversesqrt4(F4 a) { return {inversesqrt(a.x), inversesqrt(a.y), inversesqrt(a.z), inversesqrt(a.w)}; }
float dot(F4 a, F4 b) { return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w; }

// xyz the derivative, w the value, as rippleNoise in the GLSL.
F4 rippleNoise(F3 p) {
  F3 i = floor3(p + (p.x + p.y + p.z) / 3.0f);
  const F3 x0 = p - i + (i.x + i.y + i.z) / 6.0f;

  const F3 g = step3(yzx(x0), x0);
  const F3 l = 1.0f - g;
  const F3 i1 = min3(g, zxy(l));
  const F3 i2 = max3(g, zxy(l));
  const F3 x1 = x0 - i1 + 1.0f / 6.0f;
  const F3 x2 = x0 - i2 + 1.0f / 3.0f;
  const F3 x3 = x0 - 0.5f;

  i = i - floor3(i / 69.0f) * 69.0f;
  const F3 j = step3(i, {67.5f, 67.5f, 67.5f}) * (i + 1.0f);
  F4 P = F4{i.x, i.y, j.x, j.y} + F4{50.0f, 161.0f, 50.0f, 161.0f};
  P = P * P;
  const F4 V = mix4({P.x, P.y, P.x, P.y}, {P.z, P.w, P.z, P.w}, {i1.x, i1.y, i2.x, i2.y});
  P = {P.x * P.y, V.x * V.y, V.z * V.w, P.z * P.w};

  const F3 seed{635.298681f, 682.357502f, 668.926525f};
  const F3 zinc{48.500388f, 65.294118f, 63.934599f};
  const F3 lowz = 1.0f / (seed + zinc * i.z);
  const F3 highz = 1.0f / (seed + zinc * j.z);
  const F3 c1 = i1.z < 0.5f ? lowz : highz;
  const F3 c2 = i2.z < 0.5f ? lowz : highz;
  F4 hashX = fract4(P * F4{lowz.x, c1.x, c2.x, highz.x}) - 0.49999f;
  F4 hashY = fract4(P * F4{lowz.y, c1.y, c2.y, highz.y}) - 0.49999f;
  F4 hashZ = fract4(P * F4{lowz.z, c1.z, c2.z, highz.z}) - 0.49999f;

  const F4 unit = inversesqrt4(hashX * hashX + hashY * hashY + hashZ * hashZ);
  hashX = hashX * unit;
  hashY = hashY * unit;
  hashZ = hashZ * unit;

  const F4 offsetX{x0.x, x1.x, x2.x, x3.x};
  const F4 offsetY{x0.y, x1.y, x2.y, x3.y};
  const F4 offsetZ{x0.z, x1.z, x2.z, x3.z};
  const F4 gr = hashX * offsetX + hashY * offsetY + hashZ * offsetZ;
  const F4 m = max4(0.5f - (offsetX * offsetX + offsetY * offsetY + offsetZ * offsetZ), 0.0f);
  const F4 m2 = m * m;
  const F4 m3 = m2 * m;
  const F4 t = -6.0f * m2 * gr;
  return {dot(t, offsetX) + dot(m3, hashX), dot(t, offsetY) + dot(m3, hashY), dot(t, offsetZ) + dot(m3, hashZ),
          dot(m3, gr)};
}

}  // namespace

SurfacePoint shadeSurface(const SurfaceUniforms& uniforms, SurfacePoint point) {
  F3 diffuse{float(point.diffuse.red), float(point.diffuse.green), float(point.diffuse.blue)};
  F3 normal{float(point.normal.x), float(point.normal.y), float(point.normal.z)};
  const F3 borderWidth{float(uniforms.borderWidth.x), float(uniforms.borderWidth.y), float(uniforms.borderWidth.z)};

  const auto band = [&](const Color& color) {
    const float alpha = float(color.alpha);
    diffuse = {mix(diffuse.x, float(color.red), alpha), mix(diffuse.y, float(color.green), alpha),
               mix(diffuse.z, float(color.blue), alpha)};
    normal.x *= -1.0f;
    normal.y *= -1.0f;
  };

  const float b = uniforms.scale * float(point.u);
  if (b < borderWidth.z)
    band(uniforms.borderColor3);
  if (b < borderWidth.y)
    band(uniforms.borderColor2);
  if (b < borderWidth.x) {
    band(uniforms.borderColor);
  } else {
    const F3 q{float(point.position.x), float(point.position.y), float(point.position.z)};
    const F4 noise = rippleNoise(q * uniforms.rippleScale * 0.07f);
    diffuse = diffuse + noise.w * uniforms.ripple;
    normal = normal + F3{noise.x, noise.y, noise.z} * uniforms.ripple;
  }
  const float z = std::clamp(std::abs(b - borderWidth.x), 0.0f, 1.0f);
  normal.z *= std::sqrt((2.0f - z) * z);

  point.diffuse = {diffuse.x, diffuse.y, diffuse.z, point.diffuse.alpha};
  point.normal = {normal.x, normal.y, normal.z};
  return point;
}

}  // namespace ornival
