// A relief picture taken apart from the editor is drawn on another thread
// while the main thread goes on editing what it was taken from.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "document/ReliefSnapshot.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "support/EditorHarness.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace ornival {
namespace {

using testing::EditorHarness;

// Reads everything a renderer reads of its scene at every snapshot: the
// tree's transforms, opacities, meshes, materials and places, and the lights.
class ReadingRenderer : public SnapshotRenderer {
public:
  ReadingRenderer(std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode> eye, const Camera& camera)
      : scene_(std::move(scene)), eye_(std::move(eye)), camera_(camera) {}

  std::optional<RgbaImage> snapshot(int width, int height, bool) override {
    double sum = camera_.orthographicScale + worldTransform(*eye_).m[3][2];
    const auto read = [&](const auto& self, const SceneNode& node) -> void {
      sum += node.transform().m[3][0] + node.opacity() + node.renderingOrder();
      if (const auto& geometry = node.geometry()) {
        sum += double(geometry->sources().positions.size());
        for (const auto& material : geometry->materials)
          sum += material->diffuse.red + material->metalness.value_or(0.0) + material->transparency +
                 double(material->shaderModifiers.size() + material->uniformValues.size());
      }
      if (const auto& places = node.instances())
        for (const auto& place : *places)
          sum += place.m[3][0];
      for (const auto& child : node.childNodes())
        self(self, *child);
    };
    read(read, *scene_->rootNode());
    for (const auto& light : scene_->lights())
      sum += light.light->color.red + light.node->transform().m[3][1];
    total += sum;
    return RgbaImage(width, height);
  }

  double total = 0.0;

private:
  std::shared_ptr<const Scene> scene_;
  std::shared_ptr<const SceneNode> eye_;
  const Camera& camera_;
};

TEST(ReliefSnapshotConcurrency, ATakenReliefIsDrawnWhileTheEditorGoesOn) {
  EditorHarness harness(testing::squareGrid(12, 10));
  auto& document = *harness.document;
  harness.command([&](ViewController&) { document.setDisplayMode(3); });
  std::optional<DetachedRelief> taken = takeRelief3DImage(document);
  ASSERT_TRUE(taken);

  std::atomic<bool> done{false};
  std::atomic<int> pictures{0};
  std::thread drawing([&, relief = std::move(*taken)]() mutable {
    for (int i = 0; i < 50; ++i) {
      const auto picture = drawRelief3DImage(
          relief, [](std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode> eye, const Camera& camera,
                     Color) { return std::make_unique<ReadingRenderer>(std::move(scene), std::move(eye), camera); });
      if (picture)
        ++pictures;
    }
    done = true;
  });
  // Every kind of edit that reaches the relief's scene: colours, surface,
  // light, background, crossings, and tiles taken away and brought back.
  for (int step = 0; !done || step < 20; ++step) {
    harness.command([&](ViewController& editor) {
      const auto& tiles = editor.graph().shapes();
      editor.setShapeColor(tiles[std::size_t(step) % tiles.size()], {0.1 * (step % 10), 0.5, 0.2, 1.0});
      document.setMetalness((step % 5) / 4.0);
      document.setLightAngleZ(step * 7.0);
      document.setAmbientBrightness((step % 3) / 2.0);
      document.setBackgroundColor({0.5, 0.5, (step % 4) / 3.0, 1.0});
      document.setCrossings(step % 2 == 0 ? CrossingStatus::on : CrossingStatus::off);
    });
    if (step % 5 == 4) {
      harness.command([&](ViewController& editor) {
        editor.moving = {editor.graph().shapes().back()};
        editor.removeShapes();
      });
      harness.undo();
    }
  }
  drawing.join();
  EXPECT_EQ(pictures, 50);
}

}  // namespace
}  // namespace ornival
