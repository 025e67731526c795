#include "app/core/ExportMenu.h"

#include "document/ExportFileFormat.h"
#include "document/scene/SceneWriters.h"
#include "platform/Localization.h"

#include <utility>

namespace ornival {

std::vector<MenuItem> sceneExportMenu() {
  static const std::pair<ExportFileFormat, const char*> formats[] = {
      {ExportFileFormat::dae, ORNIVAL_TEXT("Menu", "COLLADA (.dae)")},
      {ExportFileFormat::obj, ORNIVAL_TEXT("Menu", "Wavefront OBJ (.obj)")},
      {ExportFileFormat::stl, ORNIVAL_TEXT("Menu", "STL (.stl)")},
      {ExportFileFormat::ply, ORNIVAL_TEXT("Menu", "PLY (.ply)")},
      {ExportFileFormat::usd, ORNIVAL_TEXT("Menu", "USD (.usd)")},
      {ExportFileFormat::usda, ORNIVAL_TEXT("Menu", "USD Text (.usda)")},
      {ExportFileFormat::usdz, ORNIVAL_TEXT("Menu", "USDZ Package (.usdz)")},
  };
  std::vector<MenuItem> items;
  for (const auto& [format, title] : formats) {
    if (!canWriteScene(format))
      continue;
    MenuItem entry;
    entry.title = localized("Menu", title);
    entry.action = "export";
    entry.tag = int(format);
    items.push_back(std::move(entry));
  }
  return items;
}

}  // namespace ornival
