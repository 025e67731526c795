#include "editor/ProcessTools.h"

#include "model/Materials.h"

namespace ornival {

std::vector<Shapes>& recentTools() {
  static std::vector<Shapes> tools;
  return tools;
}

std::vector<Shapes>& removedTools() {
  static std::vector<Shapes> tools;
  return tools;
}

void resetProcessTools() {
  recentTools().clear();
  removedTools().clear();
  metalRenderingEnabled = true;
}

}  // namespace ornival
