#pragma once

#include "document/ExportFileFormat.h"
#include "document/scene/ExportScene.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// One file of an export: its name beside the export's target (the target's
// own name for the main file) and its bytes.
struct ExportFile {
  std::string name;
  std::string data;
};

// The writers, one per format. Numbers never follow the locale; names in
// the files are the scene's.

// COLLADA 1.4.1, z up, with `created` (an ISO 8601 time) as the creation and
// modification time.
std::string colladaDocument(const ExportScene& scene, std::string_view created);
// Wavefront OBJ text, its materials in the library named mtlName, and that
// library's text. Positions are placed in the scene's space.
struct ObjFiles {
  std::string obj;
  std::string mtl;
};
ObjFiles objFiles(const ExportScene& scene, std::string_view mtlName);
// Binary STL: every triangle in the scene's space with its face normal.
std::string binaryStl(const ExportScene& scene);
// Binary little-endian PLY: one vertex list with normals and the colour of
// each vertex's material, one face list.
std::string binaryPly(const ExportScene& scene);
// USD text (the usda and usd formats), z up, one Mesh per mesh bound to a
// UsdPreviewSurface material.
std::string usdText(const ExportScene& scene);
// The USD text as the one layer, "scene.usda", of an uncompressed zip, its
// data aligned to 64 bytes. Empty when it would outgrow a plain zip.
std::string usdzPackage(const ExportScene& scene);

// Whether the format's files can be written here at all: abc, usdc and scn
// need libraries this program does not have.
bool canWriteScene(ExportFileFormat format);

// The files of a scene in a 3D format, the main one first and named
// baseName + "." + its extension; or why there are none.
struct SceneFiles {
  std::vector<ExportFile> files;
  std::string error;
};
SceneFiles sceneFiles(ExportFileFormat format, const ExportScene& scene, std::string_view baseName,
                      std::string_view created);

}  // namespace ornival
