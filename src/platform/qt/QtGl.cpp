#include "platform/qt/QtGl.h"

#include <QOpenGLContext>

namespace ornival {

QSurfaceFormat coreGlFormat() {
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  return format;
}

GlLoader glLoader(QOpenGLContext& context) {
  return [context = &context](const char* name) { return GlFunctionPointer(context->getProcAddress(name)); };
}

}  // namespace ornival
