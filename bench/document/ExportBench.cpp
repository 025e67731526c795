// The exports of a large drawing: its SVG text, and a 2048-pixel PNG of its
// page. Goals: the text within 100 ms, the PNG within 500 ms.

#include "document/DocumentExporter.h"
#include "document/OrnivalModel.h"
#include "document/PrintView.h"
#include "document/qt/QtBitmapWriter.h"
#include "model/Edge.h"
#include "support/DocumentFakes.h"
#include "support/TileGrids.h"

#include <benchmark/benchmark.h>

#include <filesystem>

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

}  // namespace
}  // namespace ornival
