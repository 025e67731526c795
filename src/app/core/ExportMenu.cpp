#include "app/core/ExportMenu.h"

#include "document/ExportFileFormat.h"
#include "document/scene/SceneWriters.h"
#include "platform/Localization.h"

#include <utility>

namespace ornival {

std::vector<MenuItem> sceneExportMenu() {
  static const std::pair<ExportFileFormat, const char*> formats[] = {
      {ExportFileFormat::dae, "COLLADA (.dae)"},    {ExportFileFormat::obj, "Wavefront OBJ (.obj)"},
      {ExportFileFormat::stl, "STL (.stl)"},        {ExportFileFormat::ply, "PLY (.ply)"},
      {ExportFileFormat::usd, "USD (.usd)"},        {ExportFileFormat::usda, "USD Text (.usda)"},
      {ExportFileFormat::usdz, "USDZ Package (.usdz)"},
  };
  std::vector<MenuItem> items;
  for (const auto& [format, title] : formats) {
    if (!canWriteScene(format))
      continue;
    MenuItem entry;
    entry.title = localized(title);
    entry.action = "export";
    entry.tag = int(format);
    items.push_back(std::move(entry));
  }
  return items;
}

}  // namespace ornival
