#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/OsMesaContext.h"
#include "support/ReliefLights.h"
#include "support/TileGrids.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace ornival {
namespace {

// The copy of every tile's node that the editor shows in relief and rebuilds
// after every edit while the relief shows: one node per solid and material
// over n tiles of a square tiling.
void flattenedScene(benchmark::State& state) {
  const int side = int(std::lround(std::sqrt(double(state.range(0)))));
  const auto tiles = ornival::testing::squareGrid(side, side);
  const auto shapesNode = SceneNode::create();
  for (const auto& tile : tiles)
    shapesNode->addChildNode(tile->node());
  for (auto _ : state)
    benchmark::DoNotOptimize(shapesNode->flattenedByMaterial());
  state.counters["tiles"] = double(tiles.size());
}
BENCHMARK(flattenedScene)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One multisampled 1080 × 800 frame of a square tiling, read back, on OSMesa's
// software rasterizer: the tiles one node each (second argument 0), as they
// stand before the editor flattens them, or one node per solid and material
// as the editor shows them (1); a third argument of 1 draws without
// multisampling, to tell the rasterizer's share. A GPU is far faster.
void reliefFrame(benchmark::State& state) {
  const ornival::OsMesaContext context;
  std::string error;
  const auto renderer = GlSceneRenderer::create(ornival::OsMesaContext::procAddress, error);
  if (!context.valid() || !renderer) {
    state.SkipWithError(("no OpenGL 3.3 core context: " + error).c_str());
    return;
  }
  const int side = int(std::lround(std::sqrt(double(state.range(0)))));
  const auto scene = Scene::create();
  const auto content = SceneNode::create();
  const auto cameraNode = SceneNode::create();
  scene->rootNode()->addChildNode(content);
  scene->rootNode()->addChildNode(cameraNode);
  // The whole tiling in view, 20 canvas units a tile.
  const double extent = 20.0 * side;
  cameraNode->setTransform(Transform3D::translation(extent * 0.5 * 1080.0 / 800.0, extent * 0.5, 900.0));
  const Camera camera{extent * 0.5 * 1.05, 1.0, 3000.0};
  ornival::testing::addReliefLights(*scene);
  const auto tiles = ornival::testing::squareGrid(side, side);
  const auto shapesNode = SceneNode::create();
  for (const auto& tile : tiles)
    (state.range(1) != 0 ? shapesNode : content)->addChildNode(tile->node());
  if (state.range(1) != 0)
    content->addChildNode(shapesNode->flattenedByMaterial());

  GlOffscreenRenderer offscreen(*renderer, scene, cameraNode, camera, Color::white());
  // The meshes go up once, as in the editor.
  offscreen.snapshot(1080, 800, state.range(2) == 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(offscreen.snapshot(1080, 800, state.range(2) == 0));
  state.counters["samples"] = offscreen.lastSamples();
  state.counters["tiles"] = double(tiles.size());
}
BENCHMARK(reliefFrame)
    ->Args({1000, 0, 0})
    ->Args({10000, 0, 0})
    ->Args({10000, 1, 0})
    ->Args({100000, 0, 0})
    ->Args({100000, 1, 0})
    ->Args({100000, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace ornival
