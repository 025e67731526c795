#pragma once

// Private to the renderer's sources: the OpenGL entry points it calls, as a
// table of pointers that the context hands out.
//
// Why a table rather than linking libGL: the same library draws in a Qt
// context (whose functions Qt looks up, and which may come from EGL, GLX or
// a driver that libGL does not front) and in an OSMesa context in the tests
// and the thumbnailer (whose functions OSMesa looks up). Only the caller knows
// how its context resolves names, so it passes that lookup in and the
// renderer links against no GL library at all.

#include "platform/gl/GlSceneRenderer.h"

#include <GL/glcorearb.h>

#include <string>

namespace ornival {

#define ORNIVAL_GL_FUNCTIONS(X)                                         \
  X(PFNGLGETSTRINGPROC, glGetString)                                    \
  X(PFNGLGETINTEGERVPROC, glGetIntegerv)                                \
  X(PFNGLGETERRORPROC, glGetError)                                      \
  X(PFNGLENABLEPROC, glEnable)                                          \
  X(PFNGLDISABLEPROC, glDisable)                                        \
  X(PFNGLISENABLEDPROC, glIsEnabled)                                    \
  X(PFNGLCLEARPROC, glClear)                                            \
  X(PFNGLCLEARCOLORPROC, glClearColor)                                  \
  X(PFNGLCLEARDEPTHPROC, glClearDepth)                                  \
  X(PFNGLVIEWPORTPROC, glViewport)                                      \
  X(PFNGLDEPTHFUNCPROC, glDepthFunc)                                    \
  X(PFNGLDEPTHMASKPROC, glDepthMask)                                    \
  X(PFNGLBLENDFUNCPROC, glBlendFunc)                                    \
  X(PFNGLCULLFACEPROC, glCullFace)                                      \
  X(PFNGLFRONTFACEPROC, glFrontFace)                                    \
  X(PFNGLREADPIXELSPROC, glReadPixels)                                  \
  X(PFNGLPIXELSTOREIPROC, glPixelStorei)                                \
  X(PFNGLREADBUFFERPROC, glReadBuffer)                                  \
  X(PFNGLDRAWELEMENTSPROC, glDrawElements)                              \
  X(PFNGLDRAWELEMENTSINSTANCEDPROC, glDrawElementsInstanced)            \
  X(PFNGLCREATESHADERPROC, glCreateShader)                              \
  X(PFNGLSHADERSOURCEPROC, glShaderSource)                              \
  X(PFNGLCOMPILESHADERPROC, glCompileShader)                            \
  X(PFNGLGETSHADERIVPROC, glGetShaderiv)                                \
  X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)                      \
  X(PFNGLDELETESHADERPROC, glDeleteShader)                              \
  X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                            \
  X(PFNGLATTACHSHADERPROC, glAttachShader)                              \
  X(PFNGLBINDATTRIBLOCATIONPROC, glBindAttribLocation)                  \
  X(PFNGLLINKPROGRAMPROC, glLinkProgram)                                \
  X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                              \
  X(PFNGLGETPROGRAMINFOLOGPROC, glGetProgramInfoLog)                    \
  X(PFNGLUSEPROGRAMPROC, glUseProgram)                                  \
  X(PFNGLDELETEPROGRAMPROC, glDeleteProgram)                            \
  X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)                  \
  X(PFNGLUNIFORM1FPROC, glUniform1f)                                    \
  X(PFNGLUNIFORM1IPROC, glUniform1i)                                    \
  X(PFNGLUNIFORM3FPROC, glUniform3f)                                    \
  X(PFNGLUNIFORM3FVPROC, glUniform3fv)                                  \
  X(PFNGLUNIFORM4FPROC, glUniform4f)                                    \
  X(PFNGLUNIFORMMATRIX3FVPROC, glUniformMatrix3fv)                      \
  X(PFNGLUNIFORMMATRIX4FVPROC, glUniformMatrix4fv)                      \
  X(PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays)                        \
  X(PFNGLDELETEVERTEXARRAYSPROC, glDeleteVertexArrays)                  \
  X(PFNGLBINDVERTEXARRAYPROC, glBindVertexArray)                        \
  X(PFNGLGENBUFFERSPROC, glGenBuffers)                                  \
  X(PFNGLDELETEBUFFERSPROC, glDeleteBuffers)                            \
  X(PFNGLBINDBUFFERPROC, glBindBuffer)                                  \
  X(PFNGLBUFFERDATAPROC, glBufferData)                                  \
  X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)                \
  X(PFNGLVERTEXATTRIBDIVISORPROC, glVertexAttribDivisor)                \
  X(PFNGLVERTEXATTRIB4FPROC, glVertexAttrib4f)                          \
  X(PFNGLDISABLEVERTEXATTRIBARRAYPROC, glDisableVertexAttribArray)      \
  X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray)        \
  X(PFNGLGENFRAMEBUFFERSPROC, glGenFramebuffers)                        \
  X(PFNGLDELETEFRAMEBUFFERSPROC, glDeleteFramebuffers)                  \
  X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)                        \
  X(PFNGLFRAMEBUFFERRENDERBUFFERPROC, glFramebufferRenderbuffer)        \
  X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, glCheckFramebufferStatus)          \
  X(PFNGLGENRENDERBUFFERSPROC, glGenRenderbuffers)                      \
  X(PFNGLDELETERENDERBUFFERSPROC, glDeleteRenderbuffers)                \
  X(PFNGLBINDRENDERBUFFERPROC, glBindRenderbuffer)                      \
  X(PFNGLRENDERBUFFERSTORAGEPROC, glRenderbufferStorage)                \
  X(PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC, glRenderbufferStorageMultisample) \
  X(PFNGLBLITFRAMEBUFFERPROC, glBlitFramebuffer)

struct GlFunctions {
#define ORNIVAL_GL_MEMBER(type, name) type name = nullptr;
  ORNIVAL_GL_FUNCTIONS(ORNIVAL_GL_MEMBER)
#undef ORNIVAL_GL_MEMBER

  // Fills the table; false with the first missing name in `missing`.
  bool load(const GlLoader& loader, std::string& missing);
};

}  // namespace ornival
