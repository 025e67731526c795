#include "platform/gl/GlFunctions.h"

namespace ornival {

bool GlFunctions::load(const GlLoader& loader, std::string& missing) {
#define ORNIVAL_GL_LOAD(type, name)                      \
  name = reinterpret_cast<type>(loader(#name));          \
  if (name == nullptr) {                                 \
    missing = #name;                                     \
    return false;                                        \
  }
  ORNIVAL_GL_FUNCTIONS(ORNIVAL_GL_LOAD)
#undef ORNIVAL_GL_LOAD
  return true;
}

}  // namespace ornival
