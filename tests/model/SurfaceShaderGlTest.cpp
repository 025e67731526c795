#include "model/Materials.h"
#include "model/SurfaceShader.h"
#include "platform/Transform3D.h"
#include "platform/gl/OsMesaContext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace ornival {
namespace {

// The entry points beyond OpenGL 1.1, which only the context can hand out.
#define ORNIVAL_GL_FUNCTIONS(X)                                                      \
  X(PFNGLCREATESHADERPROC, glCreateShader)                                           \
  X(PFNGLSHADERSOURCEPROC, glShaderSource)                                           \
  X(PFNGLCOMPILESHADERPROC, glCompileShader)                                         \
  X(PFNGLGETSHADERIVPROC, glGetShaderiv)                                             \
  X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)                                   \
  X(PFNGLDELETESHADERPROC, glDeleteShader)                                           \
  X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                                         \
  X(PFNGLATTACHSHADERPROC, glAttachShader)                                           \
  X(PFNGLLINKPROGRAMPROC, glLinkProgram)                                             \
  X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                                           \
  X(PFNGLGETPROGRAMINFOLOGPROC, glGetProgramInfoLog)                                 \
  X(PFNGLUSEPROGRAMPROC, glUseProgram)                                               \
  X(PFNGLDELETEPROGRAMPROC, glDeleteProgram)                                         \
  X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)                               \
  X(PFNGLUNIFORM1FPROC, glUniform1f)                                                 \
  X(PFNGLUNIFORM3FPROC, glUniform3f)                                                 \
  X(PFNGLUNIFORM4FPROC, glUniform4f)                                                 \
  X(PFNGLUNIFORMMATRIX4FVPROC, glUniformMatrix4fv)                                   \
  X(PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays)                                     \
  X(PFNGLBINDVERTEXARRAYPROC, glBindVertexArray)                                     \
  X(PFNGLGENBUFFERSPROC, glGenBuffers)                                               \
  X(PFNGLBINDBUFFERPROC, glBindBuffer)                                               \
  X(PFNGLBUFFERDATAPROC, glBufferData)                                               \
  X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)                             \
  X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray)                     \
  X(PFNGLGENFRAMEBUFFERSPROC, glGenFramebuffers)                                     \
  X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)                                     \
  X(PFNGLFRAMEBUFFERTEXTURE2DPROC, glFramebufferTexture2D)                           \
  X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, glCheckFramebufferStatus)                       \
  X(PFNGLDRAWBUFFERSPROC, glDrawBuffers)

struct Gl {
#define ORNIVAL_GL_MEMBER(type, name) type name = nullptr;
  ORNIVAL_GL_FUNCTIONS(ORNIVAL_GL_MEMBER)
#undef ORNIVAL_GL_MEMBER

  bool load() {
    bool complete = true;
#define ORNIVAL_GL_LOAD(type, name)                                   \
  name = reinterpret_cast<type>(OSMesaGetProcAddress(#name));         \
  complete = complete && name != nullptr;
    ORNIVAL_GL_FUNCTIONS(ORNIVAL_GL_LOAD)
#undef ORNIVAL_GL_LOAD
    return complete;
  }
};

// A core profile context drawing into memory; no display needed.
class GlContext : public ::testing::Test {
protected:
  void SetUp() override {
    if (!context_.valid())
      GTEST_SKIP() << "no OpenGL 3.3 core context";
    ASSERT_TRUE(gl.load());
  }

  // The shader's id, or 0 with the compiler's log in log.
  GLuint compile(GLenum stage, const std::string& source, std::string& log) {
    const GLuint shader = gl.glCreateShader(stage);
    const char* text = source.c_str();
    gl.glShaderSource(shader, 1, &text, nullptr);
    gl.glCompileShader(shader);
    GLint ok = GL_FALSE;
    gl.glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE)
      return shader;
    log.resize(4096);
    GLsizei length = 0;
    gl.glGetShaderInfoLog(shader, static_cast<GLsizei>(log.size()), &length, log.data());
    log.resize(static_cast<std::size_t>(length));
    gl.glDeleteShader(shader);
    return 0;
  }

  Gl gl;

private:
  ornival::OsMesaContext context_;
};

// A renderer's fragment shader around the modifier, as the header describes
// it, writing the modified surface out instead of lighting it.
std::string fragmentShader(const char* version) {
  return std::string(version) + "\n" + std::string(surfaceEntryPointDeclarations()) +
         std::string(surfaceShaderSource()) + R"glsl(
flat in vec3 vPosition;
flat in vec3 vModelPosition;
flat in vec3 vNormal;
flat in vec2 vTexcoord;
flat in vec4 vDiffuse;
layout(location = 0) out vec4 outDiffuse;
layout(location = 1) out vec4 outNormal;
void main() {
  Surface surface;
  surface.position = vPosition;
  surface.modelPosition = vModelPosition;
  surface.normal = vNormal;
  surface.diffuseTexcoord = vTexcoord;
  surface.diffuse = vDiffuse;
  modifySurface(surface);
  outDiffuse = surface.diffuse;
  outNormal = vec4(surface.normal, 0.0);
}
)glsl";
}

// One point per pixel of a row, in vertex order.
const char* const vertexShader = R"glsl(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texcoord;
layout(location = 3) in vec4 diffuse;
layout(location = 4) in vec3 modelPosition;
uniform float pointCount;
flat out vec3 vPosition;
flat out vec3 vModelPosition;
flat out vec3 vNormal;
flat out vec2 vTexcoord;
flat out vec4 vDiffuse;
void main() {
  vPosition = position;
  vModelPosition = modelPosition;
  vNormal = normal;
  vTexcoord = texcoord;
  vDiffuse = diffuse;
  gl_Position = vec4((2.0 * float(gl_VertexID) + 1.0) / pointCount - 1.0, 0.0, 0.0, 1.0);
}
)glsl";

TEST_F(GlContext, SurfaceShaderCompilesInCoreProfiles) {
  for (const char* version : {"#version 330 core", "#version 450 core"}) {
    SCOPED_TRACE(version);
    std::string log;
    const GLuint shader = compile(GL_FRAGMENT_SHADER, fragmentShader(version), log);
    EXPECT_NE(shader, 0u) << log;
    gl.glDeleteShader(shader);
  }
}

TEST_F(GlContext, GpuShadesLikeTheReference) {
  std::string log;
  const GLuint vertex = compile(GL_VERTEX_SHADER, vertexShader, log);
  ASSERT_NE(vertex, 0u) << log;
  const GLuint fragment = compile(GL_FRAGMENT_SHADER, fragmentShader("#version 330 core"), log);
  ASSERT_NE(fragment, 0u) << log;
  const GLuint program = gl.glCreateProgram();
  gl.glAttachShader(program, vertex);
  gl.glAttachShader(program, fragment);
  gl.glLinkProgram(program);
  GLint linked = GL_FALSE;
  gl.glGetProgramiv(program, GL_LINK_STATUS, &linked);
  ASSERT_EQ(linked, GL_TRUE);
  gl.glUseProgram(program);

  // A tile's material, bound by name as the renderer binds it: every value
  // must find its uniform.
  Materials::resetForTesting();
  const MaterialProperty values{{0.2, 0.4, 0.6, 1.0}, 0.5f, 0.5f, 0.5f, 10.0f, 2.0f,
                                {{12.0, {1.0, 0.0, 0.0, 0.5}}, {8.0, {0.0, 1.0, 0.0, 0.5}}, {4.0, {0.0, 0.0, 1.0, 1.0}}}};
  const auto material = Materials::material(values);
  for (const auto& [name, value] : material->uniformValues) {
    const GLint location = gl.glGetUniformLocation(program, name.c_str());
    ASSERT_NE(location, -1) << name;
    if (const auto* f = std::get_if<float>(&value))
      gl.glUniform1f(location, *f);
    else if (const auto* v = std::get_if<Vec3>(&value))
      gl.glUniform3f(location, float(v->x), float(v->y), float(v->z));
    else if (const auto* c = std::get_if<Color>(&value))
      gl.glUniform4f(location, float(c->red), float(c->green), float(c->blue), float(c->alpha));
  }

  // The tile is turned, enlarged and lifted, the view moved: the ripple must
  // follow the tile's own space, which the renderer hands on beside the
  // point in view space.
  const AffineTransform placement = AffineTransform::rotation(0.5).scaledBy(20.0, 20.0).translatedBy(3.0, -1.0);
  const Transform3D model = Transform3D::affine(placement).scaledBy(1.0, 1.0, 20.0);
  const Transform3D view = Transform3D::translation(-40.0, 25.0, -900.0);

  // Heights inside each band, on band 0's edge and beyond it.
  std::vector<SurfacePoint> points;
  const Vec3 spots[] = {{0.3, 0.7, 0.2}, {-0.4, 0.1, 0.05}, {0.9, -0.6, 0.3}};
  for (double u : {0.025, 0.075, 0.125, 0.15, 0.3, 0.6, 1.2})
    for (Vec3 spot : spots)
      points.push_back({spot, {0.6, 0.0, 0.8}, u, {0.2, 0.4, 0.6, 1.0}});
  std::vector<float> attributes;
  for (const SurfacePoint& p : points) {
    const Vec3 seen = view.apply(model.apply(p.position));
    attributes.insert(attributes.end(), {float(seen.x), float(seen.y), float(seen.z), float(p.normal.x),
                                         float(p.normal.y), float(p.normal.z), float(p.u), 0.0f,
                                         float(p.diffuse.red), float(p.diffuse.green), float(p.diffuse.blue),
                                         float(p.diffuse.alpha), float(p.position.x), float(p.position.y),
                                         float(p.position.z)});
  }
  GLuint array = 0;
  GLuint buffer = 0;
  gl.glGenVertexArrays(1, &array);
  gl.glBindVertexArray(array);
  gl.glGenBuffers(1, &buffer);
  gl.glBindBuffer(GL_ARRAY_BUFFER, buffer);
  gl.glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(attributes.size() * sizeof(float)), attributes.data(),
                  GL_STATIC_DRAW);
  const GLsizei stride = 15 * sizeof(float);
  const std::array<std::pair<GLint, std::size_t>, 5> layout{{{3, 0}, {3, 3}, {2, 6}, {4, 8}, {3, 12}}};
  for (GLuint i = 0; i < layout.size(); ++i) {
    gl.glVertexAttribPointer(i, layout[i].first, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<const void*>(layout[i].second * sizeof(float)));
    gl.glEnableVertexAttribArray(i);
  }
  const auto count = static_cast<GLsizei>(points.size());
  gl.glUniform1f(gl.glGetUniformLocation(program, "pointCount"), float(count));

  // Two float targets, one pixel per point.
  GLuint framebuffer = 0;
  gl.glGenFramebuffers(1, &framebuffer);
  gl.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  GLuint targets[2] = {};
  glGenTextures(2, targets);
  for (GLuint i = 0; i < 2; ++i) {
    glBindTexture(GL_TEXTURE_2D, targets[i]);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, count, 1, 0, GL_RGBA, GL_FLOAT, nullptr);
    gl.glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + i, GL_TEXTURE_2D, targets[i], 0);
  }
  const GLenum drawBuffers[] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1};
  gl.glDrawBuffers(2, drawBuffers);
  ASSERT_EQ(gl.glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
  glViewport(0, 0, count, 1);
  glDrawArrays(GL_POINTS, 0, count);
  std::vector<float> diffuse(4 * points.size());
  std::vector<float> normal(4 * points.size());
  glReadBuffer(GL_COLOR_ATTACHMENT0);
  glReadPixels(0, 0, count, 1, GL_RGBA, GL_FLOAT, diffuse.data());
  glReadBuffer(GL_COLOR_ATTACHMENT1);
  glReadPixels(0, 0, count, 1, GL_RGBA, GL_FLOAT, normal.data());
  ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  const SurfaceUniforms uniforms = SurfaceUniforms::from(*material);
  for (std::size_t i = 0; i < points.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "u " << points[i].u << ", point " << i % 3);
    const SurfacePoint expected = shadeSurface(uniforms, points[i]);
    EXPECT_NEAR(diffuse[4 * i], expected.diffuse.red, 1e-4);
    EXPECT_NEAR(diffuse[4 * i + 1], expected.diffuse.green, 1e-4);
    EXPECT_NEAR(diffuse[4 * i + 2], expected.diffuse.blue, 1e-4);
    EXPECT_NEAR(diffuse[4 * i + 3], expected.diffuse.alpha, 1e-6);
    EXPECT_NEAR(normal[4 * i], expected.normal.x, 1e-4);
    EXPECT_NEAR(normal[4 * i + 1], expected.normal.y, 1e-4);
    EXPECT_NEAR(normal[4 * i + 2], expected.normal.z, 1e-4);
  }
  Materials::resetForTesting();
  gl.glDeleteProgram(program);
}

}  // namespace
}  // namespace ornival
