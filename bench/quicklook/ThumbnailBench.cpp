// A 256-pixel thumbnail of each example, flat and in relief (software OpenGL),
// from reading the file to the finished picture, as the file manager asks;
// and of a million squares, which the thumbnailer draws flat from their
// placements (its peak memory is the process's: run the thumbnailer itself
// under /usr/bin/time -v).

#include "quicklook/ThumbnailProvider.h"
#include "support/ExportDocuments.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void thumbnail(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    ornival::DocumentFileError error = ornival::DocumentFileError::none;
    auto image = ornival::ThumbnailProvider::drawThumbnail(path, 256, error);
    if (!image) {
      state.SkipWithError("no thumbnail");
      return;
    }
    benchmark::DoNotOptimize(image);
  }
}

// The text with its display mode set; a later setting line wins.
fs::path withDisplayMode(const std::string& text, const std::string& name, int mode) {
  const fs::path path = fs::temp_directory_path() / ("ornival-thumbnail-bench-" + name);
  std::ofstream(path) << text << "\ndisplayMode: " << mode << "\n";
  return path;
}

std::string chain(int tiles) {
  std::string shapes = "7,0\n";
  for (int k = 0; k + 1 < tiles; ++k)
    shapes += std::to_string(k) + ",1,7,3," + std::to_string(k % 2) + "\n";
  return ornival::testing::documentText(shapes);
}

// columns × rows squares in the file's tree form, in two colours.
std::string grid(int columns, int rows) {
  std::string shapes;
  shapes.reserve(std::size_t(columns) * std::size_t(rows) * 16);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) {
      const int index = y * columns + x;
      const std::string colour = std::to_string((x + y) % 2);
      if (index == 0)
        shapes += "7,0\n";
      else if (x == 0)
        shapes += std::to_string(index - columns) + ",2,7,0," + colour + "\n";
      else
        shapes += std::to_string(index - 1) + ",1,7,3," + colour + "\n";
    }
  return ornival::testing::documentText(shapes);
}

const bool registered = [] {
  std::vector<std::pair<std::string, std::string>> documents;
  for (const auto& entry : fs::directory_iterator(ORNIVAL_EXAMPLES)) {
    std::ifstream file(entry.path(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    documents.emplace_back(entry.path().stem().string(), text.str());
  }
  documents.emplace_back("Chain1000", chain(1000));
  documents.emplace_back("Grid1000000", grid(1000, 1000));
  for (const auto& [name, text] : documents) {
    const std::string flat = withDisplayMode(text, name + "-flat.ornival", 2).string();
    const std::string relief = withDisplayMode(text, name + "-relief.ornival", 3).string();
    benchmark::RegisterBenchmark(("Thumbnail256/flat/" + name).c_str(), thumbnail, flat)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Thumbnail256/relief/" + name).c_str(), thumbnail, relief)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
