// The exports of a large drawing: its SVG text, and a 2048-pixel PNG of its
// page. Goals: the text within 100 ms, the PNG within 500 ms.
//
// And the exports as the window runs them, at 10,000 and 100,000 tiles of a
// tiling grown as a user grows one: the main thread only takes the tiles'
// placements and colours ("mainMs", what the window waits for), the export
// queue does the rest (the whole export's time). Saves the same way: the
// window takes the tiles and settings, its save queue makes the text from
// tiles made again and writes the file.

#include "document/DocumentExporter.h"
#include "document/DocumentWriter.h"
#include "document/OrnivalModel.h"
#include "document/PrintView.h"
#include "document/TilingSnapshot.h"
#include "document/qt/QtBitmapWriter.h"
#include "document/scene/ExportScene.h"
#include "document/scene/SceneWriters.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "platform/AtomicFile.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "support/DocumentFakes.h"
#include "support/RandomTilings.h"
#include "support/TileGrids.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <map>

namespace ornival {
namespace {

struct LargeDocument {
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<testing::FakeDocumentEditor> editor = std::make_shared<testing::FakeDocumentEditor>();

  // 100 × 100 glued squares, three bands and crossings, on a page widened
  // by 20 as the editor's automatic page is.
  LargeDocument() {
    auto tiles = testing::squareGrid(100, 100);
    const auto edges = testing::allEdges(tiles);
    editor->tiles = testing::joinedGraph(std::move(tiles));
    editor->document = document;
    document->setViewController(editor);
    document->setBorderWidth2(4.0);
    document->setBorderWidth3(1.0);
    document->setCrossings(CrossingStatus::on);
    Rect page = rotatedBounds(edges, 0.0);
    page.origin = page.origin - Vec2{20, 20};
    page.size = page.size + Vec2{40, 40};
    editor->snappedPage = page;
    document->changeExportSize();
  }
};

void svgText(benchmark::State& state) {
  LargeDocument large;
  DocumentExporter exporter(large.document, {});
  for (auto _ : state) {
    const auto model = exporter.svgModel();
    benchmark::DoNotOptimize(model->svg());
  }
}
BENCHMARK(svgText)->Unit(benchmark::kMillisecond);

void pngExport(benchmark::State& state) {
  LargeDocument large;
  const auto file = std::filesystem::temp_directory_path() / "ornival-export-bench.png";
  QtBitmapWriter writer;
  state.counters["pixels"] = double(large.document->exportWidth()) * large.document->exportHeight();
  for (auto _ : state) {
    const std::string error = writer.writeBitmap(*large.document, BitmapFileType::png, file);
    if (!error.empty())
      state.SkipWithError(error.c_str());
  }
  std::filesystem::remove(file);
}
BENCHMARK(pngExport)->Unit(benchmark::kMillisecond);

// A random tiling of `tiles` tiles in a live document, made once per size.
struct GrownDocument {
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<testing::FakeDocumentEditor> editor = std::make_shared<testing::FakeDocumentEditor>();
  std::filesystem::path folder;

  explicit GrownDocument(std::int64_t tiles) {
    editor->tiles = testing::randomTiling(std::uint64_t(tiles), {int(tiles), 3, true});
    editor->document = document;
    document->setViewController(editor);
    document->setCrossings(CrossingStatus::on);
    const auto edges = testing::allEdges(editor->tiles->shapes());
    Rect page = rotatedBounds(edges, 0.0);
    page.origin = page.origin - Vec2{20, 20};
    page.size = page.size + Vec2{40, 40};
    editor->snappedPage = page;
    document->changeExportSize();
    folder = std::filesystem::temp_directory_path() / ("ornival-export-bench-" + std::to_string(tiles));
    std::filesystem::create_directories(folder);
  }
  ~GrownDocument() { std::filesystem::remove_all(folder); }
};

GrownDocument& grown(std::int64_t tiles) {
  static std::map<std::int64_t, std::unique_ptr<GrownDocument>> made;
  auto& document = made[tiles];
  if (!document)
    document = std::make_unique<GrownDocument>(tiles);
  return *document;
}

using Clock = std::chrono::steady_clock;
double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The main thread's part of every export: the tiles' placements and colours.
void exportSnapshot(benchmark::State& state) {
  GrownDocument& large = grown(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(TilingSnapshot::take(large.editor->graph().shapes()));
  state.counters["tiles"] = double(large.editor->graph().shapes().size());
}
BENCHMARK(exportSnapshot)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The document's text from the live tiles, as the window once made it on
// the main thread before every save.
void saveText(benchmark::State& state) {
  GrownDocument& large = grown(state.range(0));
  const DocumentSettings settings = large.document->fileSettings();
  for (auto _ : state)
    benchmark::DoNotOptimize(documentText(settings, large.editor->graph().shapes(), &large.editor->graph()));
}
BENCHMARK(saveText)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A whole export through the exporter and the queue, until the file is
// written and told; mainMs is what the window waited for.
template <typename Start>
void onQueue(benchmark::State& state, Start start) {
  GrownDocument& large = grown(state.range(0));
  const auto mainQueue = ManualMainQueue::create();
  setMainQueue(mainQueue);
  const auto queue = OperationQueue::create();
  const auto lifetime = std::make_shared<int>();
  QtBitmapWriter bitmaps;
  DocumentExporter exporter(large.document, {nullptr, nullptr, &bitmaps, nullptr, queue, lifetime});
  exporter.fileURL = [&] { return std::optional(large.folder / "Pattern.orn"); };
  exporter.now = [] { return std::string("2026-01-02T03:04:05Z"); };
  double main = 0.0;
  for (auto _ : state) {
    const auto begin = Clock::now();
    start(exporter);
    main += milliseconds(Clock::now() - begin);
    queue->waitUntilAllOperationsAreFinished();
    mainQueue->drain();
  }
  state.counters["mainMs"] = benchmark::Counter(main, benchmark::Counter::kAvgIterations);
}

void svgOnQueue(benchmark::State& state) { onQueue(state, [](DocumentExporter& e) { e.exportSVG(); }); }
BENCHMARK(svgOnQueue)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void pngOnQueue(benchmark::State& state) { onQueue(state, [](DocumentExporter& e) { e.exportPNG(); }); }
BENCHMARK(pngOnQueue)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 3D export's work as the queue does it, from a snapshot taken on the
// main thread (mainMs): the scene baked and the OBJ files made.
void objWork(benchmark::State& state) {
  GrownDocument& large = grown(state.range(0));
  double main = 0.0;
  for (auto _ : state) {
    const auto begin = Clock::now();
    SceneSnapshot snapshot;
    snapshot.tiles = TilingSnapshot::take(large.editor->graph().shapes());
    snapshot.page = large.editor->snappedPage;
    main += milliseconds(Clock::now() - begin);
    const auto scene = exportScene(snapshot);
    const SceneFiles files = sceneFiles(ExportFileFormat::obj, *scene, "Pattern", "2026-01-02T03:04:05Z");
    benchmark::DoNotOptimize(files.files.data());
  }
  state.counters["mainMs"] = benchmark::Counter(main, benchmark::Counter::kAvgIterations);
}
BENCHMARK(objWork)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A save as the window runs it: the snapshot and settings on the main
// thread (mainMs), then on the save queue the tiles made again and glued,
// the text made and the file written whole.
void saveWork(benchmark::State& state) {
  GrownDocument& large = grown(state.range(0));
  const auto file = large.folder / "Pattern.ornival";
  double main = 0.0;
  for (auto _ : state) {
    const auto begin = Clock::now();
    const auto snapshot = TilingSnapshot::take(large.editor->graph().shapes());
    const DocumentSettings settings = large.document->fileSettings();
    main += milliseconds(Clock::now() - begin);
    const auto tiles = snapshot->makeTiles();
    const auto graph = Graph::create(tiles);
    const std::string error = writeFileAtomically(file, documentText(settings, tiles, graph.get()));
    if (!error.empty())
      state.SkipWithError(error.c_str());
  }
  state.counters["mainMs"] = benchmark::Counter(main, benchmark::Counter::kAvgIterations);
}
BENCHMARK(saveWork)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ornival
