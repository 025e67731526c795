#include "document/scene/SceneWriters.h"

#include "platform/Localization.h"

namespace ornival {

bool canWriteScene(ExportFileFormat format) {
  switch (format) {
  case ExportFileFormat::dae:
  case ExportFileFormat::obj:
  case ExportFileFormat::stl:
  case ExportFileFormat::ply:
  case ExportFileFormat::usd:
  case ExportFileFormat::usda:
  case ExportFileFormat::usdz:
    return true;
  default:
    return false;
  }
}

SceneFiles sceneFiles(ExportFileFormat format, const ExportScene& scene, std::string_view baseName,
                      std::string_view created) {
  SceneFiles result;
  const std::string base(baseName);
  const auto named = [&](std::string_view extension) { return base + "." + std::string(extension); };
  switch (format) {
  case ExportFileFormat::dae:
    result.files.push_back({named("dae"), colladaDocument(scene, created)});
    break;
  case ExportFileFormat::obj: {
    ObjFiles obj = objFiles(scene, named("mtl"));
    result.files.push_back({named("obj"), std::move(obj.obj)});
    result.files.push_back({named("mtl"), std::move(obj.mtl)});
    break;
  }
  case ExportFileFormat::stl:
    result.files.push_back({named("stl"), binaryStl(scene)});
    break;
  case ExportFileFormat::ply:
    result.files.push_back({named("ply"), binaryPly(scene)});
    break;
  case ExportFileFormat::usd:
  case ExportFileFormat::usda:
    result.files.push_back({named(pathExtension(format)), usdText(scene)});
    break;
  case ExportFileFormat::usdz: {
    std::string package = usdzPackage(scene);
    if (package.empty())
      result.error = localized("Export", "The scene is too large for a usdz package.");
    else
      result.files.push_back({named("usdz"), std::move(package)});
    break;
  }
  case ExportFileFormat::abc:
    result.error = localized("Export", "Alembic (abc) files cannot be written here: no Alembic library is available.");
    break;
  case ExportFileFormat::usdc:
    result.error = localized("Export",
                             "Binary USD (usdc) files cannot be written here: no USD library is available. "
                             "Export as usda, usd or usdz instead.");
    break;
  case ExportFileFormat::scn:
    result.error =
        localized("Export", "scn files cannot be written here: the format is another platform's own archive.");
    break;
  default:
    result.error = localized("Export", "This is no 3D scene format.");
  }
  return result;
}

}  // namespace ornival
