#include "platform/gl/GlOffscreenRenderer.h"

#include "platform/gl/GlFunctions.h"

#include <algorithm>
#include <cmath>

namespace ornival {

GlOffscreenRenderer::GlOffscreenRenderer(GlSceneRenderer& renderer, std::shared_ptr<const Scene> scene,
                                         std::shared_ptr<const SceneNode> pointOfView, const Camera& camera,
                                         Color background)
    : renderer_(renderer),
      scene_(std::move(scene)),
      pointOfView_(std::move(pointOfView)),
      camera_(camera),
      background_(background) {}

namespace {

// Framebuffer objects and their storage, released however the snapshot ends.
struct Target {
  const GlFunctions& gl;
  GLuint framebuffer = 0;
  GLuint color = 0;
  GLuint depth = 0;

  Target(const GlFunctions& functions, int width, int height, int samples, bool withDepth) : gl(functions) {
    gl.glGenFramebuffers(1, &framebuffer);
    gl.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl.glGenRenderbuffers(1, &color);
    gl.glBindRenderbuffer(GL_RENDERBUFFER, color);
    gl.glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, width, height);
    gl.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, color);
    if (withDepth) {
      gl.glGenRenderbuffers(1, &depth);
      gl.glBindRenderbuffer(GL_RENDERBUFFER, depth);
      gl.glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, width, height);
      gl.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    }
    gl.glBindRenderbuffer(GL_RENDERBUFFER, 0);
  }
  ~Target() {
    gl.glDeleteFramebuffers(1, &framebuffer);
    gl.glDeleteRenderbuffers(1, &color);
    if (depth != 0)
      gl.glDeleteRenderbuffers(1, &depth);
  }
  Target(const Target&) = delete;
  Target& operator=(const Target&) = delete;

  bool complete() const { return gl.glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE; }
};

}  // namespace

std::optional<RgbaImage> GlOffscreenRenderer::snapshot(int width, int height, bool antialiased) {
  const GlFunctions& gl = renderer_.functions();
  if (width < 1 || height < 1)
    return std::nullopt;
  GLint largest = 0;
  GLint viewport[2] = {};
  gl.glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
  gl.glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
  if (width > std::min(largest, viewport[0]) || height > std::min(largest, viewport[1]))
    return std::nullopt;
  GLint samples = 0;
  if (antialiased) {
    gl.glGetIntegerv(GL_MAX_SAMPLES, &samples);
    samples = std::min(samples, 16);
  }

  // The caller's framebuffer and viewport come back afterwards: a Qt view may
  // be in the middle of its own frame.
  GLint previousDraw = 0;
  GLint previousRead = 0;
  GLint previousViewport[4] = {};
  gl.glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &previousDraw);
  gl.glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previousRead);
  gl.glGetIntegerv(GL_VIEWPORT, previousViewport);
  while (gl.glGetError() != GL_NO_ERROR) {
  }

  std::optional<RgbaImage> result;
  {
    const Target drawn(gl, width, height, samples, true);
    if (drawn.complete()) {
      // A picture with tiles left out would pass for the whole one.
      const bool drewEverything = renderer_.render(*scene_, *pointOfView_, camera_, width, height, background_);
      std::optional<Target> resolved;
      if (samples > 0) {
        resolved.emplace(gl, width, height, 0, false);
        gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, drawn.framebuffer);
        gl.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolved->framebuffer);
        gl.glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
      }
      gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, resolved ? resolved->framebuffer : drawn.framebuffer);
      gl.glReadBuffer(GL_COLOR_ATTACHMENT0);
      RgbaImage image(width, height);
      gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
      gl.glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
      bool clean = drewEverything;
      while (gl.glGetError() != GL_NO_ERROR)
        clean = false;
      if (clean) {
        // OpenGL reads rows from the bottom and blends premultiplied.
        for (int y = 0; y < height / 2; ++y)
          for (int x = 0; x < width; ++x)
            std::swap(image.pixel(x, y), image.pixel(x, height - 1 - y));
        for (int y = 0; y < height; ++y)
          for (int x = 0; x < width; ++x) {
            auto& p = image.pixel(x, y);
            if (p[3] == 255 || p[3] == 0)
              continue;
            for (int c = 0; c < 3; ++c)
              p[std::size_t(c)] = std::uint8_t(std::min(255L, std::lround(p[std::size_t(c)] * 255.0 / p[3])));
          }
        result = std::move(image);
        lastSamples_ = samples;
      }
    }
  }
  gl.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(previousDraw));
  gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(previousRead));
  gl.glViewport(previousViewport[0], previousViewport[1], previousViewport[2], previousViewport[3]);
  return result;
}

}  // namespace ornival
