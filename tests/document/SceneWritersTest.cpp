#include "document/scene/SceneWriters.h"

#include "document/scene/ExportScene.h"
#include "document/scene/ZipArchive.h"
#include "platform/Geometry.h"
#include "platform/SceneNode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace ornival {
namespace {

// One triangle in a moved node, one material, the camera and both lights:
// every kind of thing a scene file holds, small enough to read.
ExportScene smallScene() {
  ExportScene scene;
  scene.materials.push_back({"material0", {1.0, 0.5, 0.0, 1.0}, 0.25, 0.75});
  scene.meshes.push_back(
      {"tiles_0", {{0, 0, 0}, {10, 0, 0}, {0, 10, 1}}, {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}, {{0, 1, 2}}, 0});
  scene.nodes.push_back({"tiles", Transform3D::translation(1, 2, 3), std::nullopt, {0}});
  scene.camera = ExportCamera{"camera", Transform3D::translation(5, 5, 900), 5.0, 2.0, 1.0, 3000.0};
  scene.lights.push_back({"ambientLight", LightType::ambient, {0.5, 0.5, 0.5, 1.0}, {}});
  scene.lights.push_back({"light", LightType::omni, Color::white(), Transform3D::translation(-200, 1000, 200)});
  return scene;
}

std::string golden(const std::string& name) {
  std::ifstream in(std::string(ORNIVAL_GOLDEN_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::uint32_t read32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | std::uint8_t(bytes.at(at + std::size_t(i)));
  return value;
}
std::uint32_t read16(const std::string& bytes, std::size_t at) {
  return std::uint32_t(std::uint8_t(bytes.at(at))) | std::uint32_t(std::uint8_t(bytes.at(at + 1))) << 8;
}

TEST(SceneWriters, UsdTextMatchesTheGoldenFile) {
  const std::string text = usdText(smallScene());
  EXPECT_EQ(text, golden("small-scene.usda"));
  // usd and usda are the same text; a reader tells it by its header.
  const SceneFiles usd = sceneFiles(ExportFileFormat::usd, smallScene(), "Pattern", "");
  ASSERT_EQ(usd.files.size(), 1u);
  EXPECT_EQ(usd.files[0].name, "Pattern.usd");
  EXPECT_EQ(usd.files[0].data, text);
  EXPECT_TRUE(text.starts_with("#usda 1.0\n"));
}

// The zip a usdz is: local headers with the data stored as it is, its CRC,
// the data of every entry on a 64-byte boundary, the text layer first, and a
// central directory that points back at the local headers.
TEST(SceneWriters, UsdzIsAnAlignedStoredZipWithTheTextLayerFirst) {
  const std::string layer = usdText(smallScene());
  const std::vector<ZipEntry> entries = {{"scene.usda", layer}, {"a.png", "12345"}, {"texture_b.png", "x"}};
  for (const auto& archive : {usdzPackage(smallScene()), storedZip(entries, 64)}) {
    const bool package = archive.size() < layer.size() + 200;
    const std::vector<ZipEntry> expected = package ? std::vector<ZipEntry>{entries[0]} : entries;
    SCOPED_TRACE(package ? "usdz" : "three entries");
    std::size_t at = 0;
    std::vector<std::size_t> offsets;
    for (const ZipEntry& entry : expected) {
      offsets.push_back(at);
      ASSERT_EQ(read32(archive, at), 0x04034B50u);
      EXPECT_EQ(read16(archive, at + 8), 0u) << "stored";
      EXPECT_EQ(read32(archive, at + 14), crc32(entry.data));
      EXPECT_EQ(read32(archive, at + 18), entry.data.size());
      EXPECT_EQ(read32(archive, at + 22), entry.data.size());
      const std::size_t nameLength = read16(archive, at + 26);
      const std::size_t extraLength = read16(archive, at + 28);
      EXPECT_EQ(archive.substr(at + 30, nameLength), entry.name);
      const std::size_t data = at + 30 + nameLength + extraLength;
      EXPECT_EQ(data % 64, 0u) << entry.name;
      EXPECT_EQ(archive.substr(data, entry.data.size()), entry.data);
      at = data + entry.data.size();
    }
    const std::size_t directory = at;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(read32(archive, at), 0x02014B50u);
      EXPECT_EQ(read32(archive, at + 16), crc32(expected[i].data));
      EXPECT_EQ(read32(archive, at + 42), offsets[i]);
      const std::size_t nameLength = read16(archive, at + 28);
      EXPECT_EQ(archive.substr(at + 46, nameLength), expected[i].name);
      at += 46 + nameLength + read16(archive, at + 30) + read16(archive, at + 32);
    }
    ASSERT_EQ(read32(archive, at), 0x06054B50u);
    EXPECT_EQ(read16(archive, at + 10), expected.size());
    EXPECT_EQ(read32(archive, at + 12), at - directory);
    EXPECT_EQ(read32(archive, at + 16), directory);
    EXPECT_EQ(archive.size(), at + 22);
  }
  // The check value every zip reader knows.
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
}

TEST(SceneWriters, FormatsWithoutAWriterSayWhy) {
  for (const auto format : {ExportFileFormat::abc, ExportFileFormat::usdc, ExportFileFormat::scn}) {
    SCOPED_TRACE(std::string(pathExtension(format)));
    EXPECT_FALSE(canWriteScene(format));
    const SceneFiles files = sceneFiles(format, smallScene(), "Pattern", "");
    EXPECT_TRUE(files.files.empty());
    EXPECT_NE(files.error.find(std::string(pathExtension(format))), std::string::npos) << files.error;
  }
}

// A tile turned over by its placement keeps its faces outward and its normals
// along them; the relief's height scale alone reaches the heights; hidden
// tiles stay out; the camera looks at the page's middle whatever the turn.
TEST(ExportSceneTest, TilesArePlacedInCanvasUnitsWithTheHeightScale) {
  GeometrySources roof;
  roof.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 1}};
  roof.normals = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
  roof.indices = {0, 1, 2};
  const auto tiles = SceneNode::create();
  const auto plain = SceneNode::create(Geometry::create(roof));
  plain->setTransform(Transform3D::translation(10, 20, 0));
  const auto mirrored = SceneNode::create(Geometry::create(roof));
  mirrored->setTransform(Transform3D::scale(-2, 2, 2));
  const auto hidden = SceneNode::create(Geometry::create(roof));
  hidden->setHidden(true);
  for (const auto& node : {plain, mirrored, hidden})
    tiles->addChildNode(node);

  ExportSceneSource source;
  source.tiles = tiles;
  source.page = {{0, 0}, {40, 20}};
  source.rotation = 90.0;
  source.surfaceZScale = 3.0;
  const ExportScene scene = exportScene(source);
  ASSERT_EQ(scene.meshes.size(), 1u) << "one material, one mesh";
  const ExportMesh& mesh = scene.meshes[0];
  EXPECT_EQ(mesh.positions, (std::vector<Vec3>{{10, 20, 0}, {11, 20, 0}, {10, 21, 3}, {0, 0, 0}, {-2, 0, 0}, {0, 2, 6}}));
  ASSERT_EQ(mesh.triangles.size(), 2u);
  for (const auto& t : mesh.triangles) {
    const Vec3 a = mesh.positions[t[0]];
    const Vec3 face = (mesh.positions[t[1]] - a).cross(mesh.positions[t[2]] - a);
    EXPECT_GT(face.z, 0.0) << "faces up";
    EXPECT_GT(face.dot(mesh.normals[t[0]]), 0.0) << "normal along the face";
  }
  EXPECT_NEAR(mesh.normals[3].length(), 1.0, 1e-12);
  ASSERT_TRUE(scene.camera);
  const Vec3 eye = scene.camera->transform.apply({});
  // The page is of the view turned a quarter: its middle (20, 10) is the
  // canvas point (10, -20).
  EXPECT_NEAR(eye.x, 10.0, 1e-9);
  EXPECT_NEAR(eye.y, -20.0, 1e-9);
  EXPECT_EQ(scene.camera->orthographicScale, 10.0);
  EXPECT_EQ(scene.camera->aspectRatio, 2.0);
}

}  // namespace
}  // namespace ornival
