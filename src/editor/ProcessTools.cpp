#include "editor/ProcessTools.h"

namespace ornival {

std::vector<Shapes>& recentTools() {
  static std::vector<Shapes> tools;
  return tools;
}

std::vector<Shapes>& removedTools() {
  static std::vector<Shapes> tools;
  return tools;
}

bool& metalRenderingEnabled() {
  static bool enabled = true;
  return enabled;
}

void resetProcessTools() {
  recentTools().clear();
  removedTools().clear();
  metalRenderingEnabled() = true;
}

}  // namespace ornival
