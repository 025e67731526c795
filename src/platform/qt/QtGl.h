#pragma once

#include "platform/gl/GlSceneRenderer.h"

#include <QSurfaceFormat>

class QOpenGLContext;

namespace ornival {

// What every OpenGL context of the program asks for: the scene renderer's
// 3.3 core profile, with a depth buffer.
QSurfaceFormat coreGlFormat();

// The scene renderer's functions, looked up in context.
GlLoader glLoader(QOpenGLContext& context);

}  // namespace ornival
