#include "platform/gl/GlSceneRenderer.h"

#include <GL/glcorearb.h>
#include <gtest/gtest.h>

#include <cstring>

namespace ornival {
namespace {

// A context that answers only glGetIntegerv, reporting the version below.
GLint reportedMajor = 0;
GLint reportedMinor = 0;
void APIENTRY reportVersion(GLenum name, GLint* value) {
  *value = name == GL_MAJOR_VERSION ? reportedMajor : name == GL_MINOR_VERSION ? reportedMinor : 0;
}
GlFunctionPointer onlyVersion(const char* name) {
  return std::strcmp(name, "glGetIntegerv") == 0 ? reinterpret_cast<GlFunctionPointer>(&reportVersion) : nullptr;
}

TEST(GlSceneRenderer, SaysWhyItCannotDraw) {
  const struct {
    GLint major, minor;
    GlLoader loader;
    const char* error;
  } cases[] = {
      {0, 0, [](const char*) -> GlFunctionPointer { return nullptr; }, "The OpenGL context offers no functions."},
      {2, 1, onlyVersion, "OpenGL 3.3 is needed; the context offers 2.1."},
      {3, 2, onlyVersion, "OpenGL 3.3 is needed; the context offers 3.2."},
      {4, 5, onlyVersion, "The OpenGL context lacks glGetString."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    reportedMajor = c.major;
    reportedMinor = c.minor;
    std::string error;
    EXPECT_EQ(GlSceneRenderer::create(c.loader, error), nullptr);
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace ornival
