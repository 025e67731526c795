#pragma once

// An OpenGL core profile context that draws into memory, with no display and
// no device: how the thumbnailer, the tests and the benchmarks run OpenGL
// code. Include only where OSMesa is linked.

#include <GL/osmesa.h>

#include <array>

namespace ornival {

class OsMesaContext {
public:
  // A 3.3 core context made current at once; valid() tells whether one could
  // be made. Drawing goes to framebuffer objects: the context's own buffer is
  // a single pixel.
  OsMesaContext() {
    const int attributes[] = {OSMESA_FORMAT, OSMESA_RGBA, OSMESA_PROFILE, OSMESA_CORE_PROFILE,
                              OSMESA_CONTEXT_MAJOR_VERSION, 3, OSMESA_CONTEXT_MINOR_VERSION, 3, 0};
    context_ = OSMesaCreateContextAttribs(attributes, nullptr);
    if (context_ != nullptr && !OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, 1, 1)) {
      OSMesaDestroyContext(context_);
      context_ = nullptr;
    }
  }
  ~OsMesaContext() {
    if (context_ != nullptr)
      OSMesaDestroyContext(context_);
  }
  OsMesaContext(const OsMesaContext&) = delete;
  OsMesaContext& operator=(const OsMesaContext&) = delete;

  bool valid() const { return context_ != nullptr; }

  // The context's functions by name, every version's alike.
  static void (*procAddress(const char* name))() { return OSMesaGetProcAddress(name); }

private:
  OSMesaContext context_ = nullptr;
  std::array<unsigned char, 4> buffer_{};
};

}  // namespace ornival
