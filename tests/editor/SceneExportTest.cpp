// The 3D exports of a live editor, each file read back by an independent
// reader: the assimp command-line tool (Debian's assimp-utils).

#include "document/DocumentExporter.h"
#include "document/scene/ExportScene.h"
#include "editor/ViewController.h"
#include "model/Shape.h"
#include "platform/FileViewer.h"
#include "platform/NumberText.h"
#include "support/EditorHarness.h"
#include "support/Figures.h"
#include "support/TileGrids.h"
#include "support/Tiles.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;
using testing::EditorHarness;

struct RecordingViewer : FileViewer {
  std::vector<fs::path> revealed;
  void reveal(const fs::path& file) override { revealed.push_back(file); }
};

struct RecordingWindow : ExportWindow {
  std::vector<std::string> errors;
  void showExportPopover() override {}
  void closeExportPopover() override {}
  void presentExportError(const std::string& message) override { errors.push_back(message); }
};

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The command's output, and whether it ran and ended well.
std::pair<bool, std::string> run(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe)
    return {false, ""};
  std::array<char, 4096> buffer;
  while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
    output.append(buffer.data(), n);
  return {pclose(pipe) == 0, output};
}

std::string shellQuoted(const fs::path& path) { return "'" + path.string() + "'"; }

// What the reader found in a file.
struct Reading {
  std::int64_t faces = -1;
  Vec3 minimum;
  Vec3 maximum;
  // Every material's diffuse colour.
  std::vector<std::array<double, 3>> diffuse;
};

::testing::AssertionResult readBack(const fs::path& file, Reading& reading) {
  if (!run("assimp version").first)
    return ::testing::AssertionFailure() << "the assimp tool is missing: install Debian's assimp-utils "
                                            "(scripts/dev.sh installs the test packages)";
  const auto [opened, info] = run("assimp info " + shellQuoted(file));
  if (!opened)
    return ::testing::AssertionFailure() << "assimp could not open " << file << ":\n" << info;
  std::smatch match;
  if (!std::regex_search(info, match, std::regex(R"(Faces:\s+(\d+))")))
    return ::testing::AssertionFailure() << "no face count in:\n" << info;
  reading.faces = *parseInteger(match[1].str());
  const auto point = [&](const char* label, Vec3& into) {
    const std::regex pattern(std::string(label) + R"(\s+\((\S+) (\S+) (\S+)\))");
    if (!std::regex_search(info, match, pattern))
      return false;
    into = {*parseNumber(match[1].str()), *parseNumber(match[2].str()), *parseNumber(match[3].str())};
    return true;
  };
  if (!point("Minimum point", reading.minimum) || !point("Maximum point", reading.maximum))
    return ::testing::AssertionFailure() << "no bounds in:\n" << info;

  // Colours are only in the reader's full dump.
  const fs::path dump = file.string() + ".assxml";
  const auto [dumped, log] = run("assimp dump " + shellQuoted(file) + " " + shellQuoted(dump) + " -x");
  if (!dumped)
    return ::testing::AssertionFailure() << "assimp could not dump " << file << ":\n" << log;
  const std::string xml = contents(dump);
  const std::regex diffuse(R"re(key="\$clr\.diffuse"[^>]*>\s*(\S+) (\S+) (\S+))re");
  for (auto at = std::sregex_iterator(xml.begin(), xml.end(), diffuse); at != std::sregex_iterator(); ++at)
    reading.diffuse.push_back({*parseNumber((*at)[1].str()), *parseNumber((*at)[2].str()), *parseNumber((*at)[3].str())});
  fs::remove(dump);
  return ::testing::AssertionSuccess();
}

// Two by two squares, so that the bands cross once where the four meet, and
// a triangle on top; one square in another colour; crossings shown.
class SceneExport : public ::testing::Test {
protected:
  static std::vector<std::shared_ptr<Shape>> tiles() {
    auto tiles = testing::squareGrid(2, 2);
    tiles[1]->setShapeColor(blue);
    tiles.push_back(testing::attach(testing::equilateralTriangle(), 0, tiles[2]->edges()[2]));
    return tiles;
  }

  void SetUp() override {
    harness.command([&](ViewController&) { harness.document->setCrossings(CrossingStatus::on); });
    exporter.fileURL = [this] { return std::optional(folder / "Pattern.orn"); };
    exporter.now = [] { return std::string("2026-01-02T03:04:05Z"); };
  }

  static constexpr Color blue{0.0, 0.25, 1.0, 1.0};
  EditorHarness harness{tiles()};
  testing::TemporaryFolder folder{"ornival-scene"};
  RecordingViewer viewer;
  RecordingWindow window;
  DocumentExporter exporter{harness.document, {nullptr, &viewer, nullptr, &window}};
};

// Every format the reader knows opens with all the triangles, the tiles'
// and crossings' extent and the tiles' colours.
TEST_F(SceneExport, ReaderFindsTheTrianglesBoundsAndColours) {
  const std::optional<ExportScene> scene = exportScene(*harness.document);
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->nodes.size(), 2u) << "tiles and crossings";
  EXPECT_EQ(scene->nodes[1].name, "crossings");
  Vec3 low{INFINITY, INFINITY, INFINITY};
  Vec3 high{-INFINITY, -INFINITY, -INFINITY};
  for (const auto& mesh : scene->meshes)
    for (const Vec3& p : mesh.positions) {
      low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
      high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
  // The tiles in canvas units: squares of 20 and a triangle over them.
  EXPECT_NEAR(low.x, 0.0, 1e-9);
  EXPECT_NEAR(low.y, 0.0, 1e-9);
  EXPECT_NEAR(high.x, 40.0, 1e-9);
  EXPECT_NEAR(high.y, 40.0 + 10.0 * std::sqrt(3.0), 1e-9);
  ASSERT_EQ(scene->meshes[scene->nodes[1].meshes.at(0)].triangles.size(), 2u) << "one crossing, two triangles";
  EXPECT_GT(high.z, low.z);

  for (const auto format : {ExportFileFormat::dae, ExportFileFormat::obj, ExportFileFormat::stl, ExportFileFormat::ply}) {
    const std::string extension(pathExtension(format));
    SCOPED_TRACE(extension);
    const ExportResult result = exporter.export3D(format);
    ASSERT_EQ(result.error, "");
    const fs::path file = folder / ("Pattern." + extension);
    ASSERT_EQ(result.file, file);
    Reading reading;
    ASSERT_TRUE(readBack(file, reading));
    EXPECT_EQ(reading.faces, std::int64_t(scene->triangleCount()));
    // The reader turns a z-up COLLADA scene to its own y up: (x, y, z) shows
    // as (x, z, -y).
    const bool turned = format == ExportFileFormat::dae;
    const Vec3 lowest = turned ? Vec3{low.x, low.z, -high.y} : low;
    const Vec3 highest = turned ? Vec3{high.x, high.z, -low.y} : high;
    // The reader's numbers carry six decimals; files of single floats less.
    for (const auto& [found, expected] : {std::pair{reading.minimum, lowest}, {reading.maximum, highest}}) {
      EXPECT_NEAR(found.x, expected.x, 1e-3);
      EXPECT_NEAR(found.y, expected.y, 1e-3);
      EXPECT_NEAR(found.z, expected.z, 1e-3);
    }
    if (format == ExportFileFormat::dae || format == ExportFileFormat::obj) {
      for (const ExportMaterial& material : scene->materials) {
        const Color& c = material.baseColor;
        const bool found = std::any_of(reading.diffuse.begin(), reading.diffuse.end(), [&](const auto& d) {
          return std::abs(d[0] - c.red) < 1e-5 && std::abs(d[1] - c.green) < 1e-5 && std::abs(d[2] - c.blue) < 1e-5;
        });
        EXPECT_TRUE(found) << material.name << " " << c.red << " " << c.green << " " << c.blue;
      }
    }
  }
  const auto hasColour = [&](const Color& c) {
    return std::any_of(scene->materials.begin(), scene->materials.end(),
                       [&](const ExportMaterial& m) { return m.baseColor == c; });
  };
  EXPECT_TRUE(hasColour(blue));
  EXPECT_TRUE(hasColour(harness.editor->graph().shapes()[0]->shapeColor()));
  EXPECT_EQ(viewer.revealed.size(), 4u);
  EXPECT_TRUE(fs::exists(folder / "Pattern.mtl"));
}

// The scene is made on the export queue from a snapshot of the tiles, not
// from the relief's nodes, which the user goes on editing: it is the scene
// of those nodes, to the last bit, in every colour, metalness and roughness.
TEST_F(SceneExport, TheSnapshotsSceneIsTheReliefsOwn) {
  harness.command([&](ViewController& e) {
    harness.document->setMetalness(0.3);
    harness.document->setRoughness(0.7);
    harness.document->setSurfaceZscale(1.5);
    harness.document->setSurfaceRoundness(0.6);
    harness.document->setRotation(25.0);
    e.graph().shapes()[3]->setShapeColor({0.1, 0.2, 0.3, 0.5});
  });
  const ReliefScene relief = harness.editor->reliefScene();
  ASSERT_TRUE(relief.scene && relief.shapesNode && relief.crossingsNode);
  const auto snapshot = takeSceneSnapshot(*harness.document);
  ASSERT_TRUE(snapshot);
  ExportSceneSource nodes;
  nodes.tiles = relief.shapesNode;
  nodes.crossings = relief.crossingsNode;
  nodes.page = snapshot->page;
  nodes.rotation = snapshot->rotation;
  nodes.surfaceZScale = snapshot->surfaceZScale;
  nodes.metalness = snapshot->metalness;
  nodes.roughness = snapshot->roughness;
  nodes.lights = snapshot->lights;
  const std::optional<ExportScene> made = exportScene(*snapshot);
  ASSERT_TRUE(made);
  EXPECT_EQ(*made, exportScene(nodes));
  EXPECT_EQ(made->materials.size(), 4u) << "two tile colours, the translucent one, the crossings'";
}

// The view's zoom, the window's size and a selection change what the window
// shows, never what is exported.
TEST_F(SceneExport, FilesDoNotDependOnTheViewOrTheSelection) {
  const std::vector<ExportFileFormat> formats = {ExportFileFormat::dae, ExportFileFormat::obj, ExportFileFormat::stl,
                                                 ExportFileFormat::ply, ExportFileFormat::usda, ExportFileFormat::usdz};
  const auto exportAll = [&] {
    std::vector<std::string> files;
    for (const auto format : formats) {
      EXPECT_EQ(exporter.export3D(format).error, "");
      files.push_back(contents(folder / ("Pattern." + std::string(pathExtension(format)))));
    }
    return files;
  };
  const std::vector<std::string> before = exportAll();
  const Transform3D shownBefore = harness.editor->contentNode->transform();

  harness.view->size = {500.0, 300.0};
  harness.command([](ViewController& e) {
    e.setScale(55.0);
    e.updateViewTransform(false, 0.0);
    // Marked as a selection marks it.
    e.graph().shapes()[0]->showMark(true, e.markNode);
    e.updateMarkLayer();
  });
  ASSERT_NE(harness.editor->contentNode->transform(), shownBefore) << "the view changed";
  ASSERT_EQ(harness.editor->markNode->childNodes().size(), 1u) << "a tile is marked";

  const std::vector<std::string> after = exportAll();
  for (std::size_t i = 0; i < formats.size(); ++i)
    EXPECT_TRUE(before[i] == after[i]) << pathExtension(formats[i]);
}

// A scene that cannot be written is told to the window and never shown as
// if it had been.
TEST_F(SceneExport, FailedWriteIsReportedAndNotRevealed) {
  fs::create_directories(folder / "Pattern.stl");
  const ExportResult result = exporter.export3D(ExportFileFormat::stl);
  EXPECT_EQ(result.file, std::nullopt);
  ASSERT_EQ(window.errors.size(), 1u);
  EXPECT_NE(window.errors[0].find("Pattern.stl"), std::string::npos) << window.errors[0];
  EXPECT_TRUE(viewer.revealed.empty());

  exporter.fileURL = [this] { return std::optional(folder / "gone" / "Pattern.orn"); };
  EXPECT_EQ(exporter.export3D(ExportFileFormat::obj).file, std::nullopt);
  EXPECT_EQ(window.errors.size(), 2u);
  EXPECT_TRUE(viewer.revealed.empty());
}

}  // namespace
}  // namespace ornival
