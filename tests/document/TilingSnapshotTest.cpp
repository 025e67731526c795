#include "document/TilingSnapshot.h"

#include "document/DocumentWriter.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "support/ExportDocuments.h"
#include "support/RandomTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ornival {
namespace {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The tiles made again from a snapshot are the tiles taken: the same figures
// in the same places with the same colours, layers and group sides, glued as
// the editor glues them, so that the document written from them is the one
// written from the live tiles, to the byte. Grown tilings in several pieces,
// scaled and turned, and every example with its groups.
TEST(TilingSnapshotTest, TilesMadeAgainWriteTheSameDocument) {
  std::vector<std::pair<std::string, std::shared_ptr<Graph>>> tilings;
  for (std::uint64_t seed = 1; seed <= 4; ++seed) {
    auto grown = testing::randomTiling(seed, {300, int(seed % 3), seed % 2 == 0});
    // Every pair of sides that meet joined, as the editor joins them; where
    // grown tiles overlap, which of two sides a side keeps depends on the
    // order they came in, so the joins are made afresh.
    const auto edges = testing::allEdges(grown->shapes());
    for (const auto& edge : edges)
      edge->join.reset();
    grown->joinEdges(edges);
    tilings.emplace_back("grown " + std::to_string(seed), std::move(grown));
  }
  for (const auto& entry : std::filesystem::directory_iterator(ORNIVAL_EXAMPLES))
    tilings.emplace_back(entry.path().filename().string(),
                         testing::liveDocument(fileText(entry.path())).editor->tiles);
  for (const auto& [name, graph] : tilings) {
    SCOPED_TRACE(name);
    const auto& live = graph->shapes();
    live.front()->layerIndex = 2;
    const auto snapshot = TilingSnapshot::take(live);
    const auto made = snapshot->makeTiles();
    ASSERT_EQ(made.size(), live.size());
    const auto madeGraph = Graph::create(made);
    DocumentSettings settings;
    settings.crossings = CrossingStatus::on;
    EXPECT_TRUE(documentText(settings, made, madeGraph.get()) == documentText(settings, live, graph.get()));
    for (std::size_t i = 0; i < live.size(); ++i) {
      EXPECT_EQ(made[i]->transformation, live[i]->transformation) << i;
      EXPECT_EQ(made[i]->shapeColor(), live[i]->shapeColor()) << i;
      for (std::size_t k = 0; k < live[i]->edges().size(); ++k) {
        const auto joined = live[i]->edges()[k]->join.lock();
        const auto madeJoined = made[i]->edges()[k]->join.lock();
        ASSERT_EQ(madeJoined != nullptr, joined != nullptr) << i << ":" << k;
        if (joined) {
          EXPECT_EQ(madeJoined->shape.lock()->index, joined->shape.lock()->index) << i << ":" << k;
          EXPECT_EQ(madeJoined->index(), joined->index()) << i << ":" << k;
        }
        EXPECT_EQ(made[i]->edges()[k]->isGroupJoin, live[i]->edges()[k]->isGroupJoin) << i;
      }
    }
  }
}

TEST(TilingSnapshotTest, MakesNothingWhenTheWorkIsToStop) {
  struct Stopped final : Progress {
    bool shouldStop() const override { return true; }
    void report(double) override {}
  } stopped;
  const auto snapshot = TilingSnapshot::take(testing::randomTiling(7, {50, 0, true})->shapes());
  EXPECT_TRUE(snapshot->makeTiles(stopped).empty());
}

}  // namespace
}  // namespace ornival
