// Documents too large for the full model are drawn from their tiles'
// placements: the same tiles in the same places with the same colours and
// outlines as the full reader gives, and the same picture.

#include "quicklook/TilePlacements.h"

#include "document/OrnivalModel.h"
#include "model/Edge.h"
#include "model/Shape.h"
#include "quicklook/PlacementsPicture.h"
#include "quicklook/ThumbnailProvider.h"
#include "support/ExportDocuments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every example, and texts that take the reader's rarer turns.
std::vector<std::pair<std::string, std::string>> documents() {
  std::vector<std::pair<std::string, std::string>> all;
  for (const auto& entry : fs::directory_iterator(ORNIVAL_EXAMPLES))
    all.emplace_back(entry.path().filename().string(), fileText(entry.path()));
  std::sort(all.begin(), all.end());
  const std::pair<std::string, std::string> cases[] = {
      {"first version, colours inline", "Ornival 0.1\n7,FF0000FF\n0,1,7,3,00FF00FF\n1,2,9,0,FF0000FF\n\n"},
      {"skipped lines: group figure, missing parent, taken side, colour off the table",
       testing::documentText("7,0\n0,1,1122,3,0\n5,1,7,3,0\n0,1,7,3,1\n0,5,7,7,1\n1,2,7,0,9\n")},
      {"group sides and layers", testing::documentText("7,0,0,1,0,0\n0,1,7,3,0,0,0,0,1,2\n1,1,7,3,1\n")},
      {"a section broken off by a short line, then a second section with a placed root",
       testing::documentText("7,0\n0,1,7,3,1\nscale: 3.0\n7,1\n\nshapes:\n7,1,0,0,0,0,0,2.0,0,0,2.0,100,50\n"
                             "0,1,7,3,0\n",
                             "rotation: 30.0\nborderFactor: 0.5\n")},
      {"no header", "shapes:\n7,0\n"},
  };
  all.insert(all.end(), std::begin(cases), std::end(cases));
  return all;
}

TEST(TilePlacementsTest, TilesPlacementsColoursAndGroupSidesAreTheFullReaders) {
  for (const auto& [name, text] : documents()) {
    SCOPED_TRACE(name);
    const auto model = OrnivalModel::create();
    const TextKind kind = model->read(text);
    TilePlacements placements;
    const auto read = placements.read(text, 1'000'000);
    EXPECT_EQ(read.kind, kind);
    EXPECT_FALSE(read.tooManyTiles);
    EXPECT_EQ(placements.settings, model->settings);
    ASSERT_EQ(placements.tiles.size(), model->shapes.size());
    for (std::size_t i = 0; i < placements.tiles.size(); ++i) {
      const PlacedTile& tile = placements.tiles[i];
      const Shape& shape = *model->shapes[i];
      EXPECT_EQ(tile.figure, shape.figure()->tool().rawValue()) << i;
      EXPECT_EQ(tile.transformation, shape.transformation) << i;
      EXPECT_EQ(placements.colorOf(tile), shape.shapeColor()) << i;
      for (std::size_t k = 0; k < shape.edges().size(); ++k)
        EXPECT_EQ(bool((tile.groupJoins >> k) & 1u), shape.edges()[k]->isGroupJoin) << i << ":" << k;
    }
  }
}

TEST(TilePlacementsTest, OutlinesAreTheFullModelsAlsoAroundGroups) {
  for (const auto& [name, text] : documents()) {
    SCOPED_TRACE(name);
    const auto model = OrnivalModel::create();
    model->read(text);
    model->collectBorderEdges();
    TilePlacements placements;
    placements.read(text, 1'000'000);
    const PlacedOutlines outlines(placements);
    for (std::size_t i = 0; i < model->shapes.size(); ++i)
      EXPECT_EQ(outlines.outline(i), model->shapes[i]->borderPathElements()) << i;
  }
}

TEST(TilePlacementsTest, StopsAtTheTileLimitAndSaysSo) {
  const std::string text = testing::documentText("7,0\n0,1,7,3,0\n1,1,7,3,0\n");
  TilePlacements atLimit;
  EXPECT_FALSE(atLimit.read(text, 3).tooManyTiles);
  TilePlacements overLimit;
  EXPECT_TRUE(overLimit.read(text, 2).tooManyTiles);
  EXPECT_EQ(overLimit.tiles.size(), 2u);
}

int largestDifference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32);
  int largest = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int column = 0; column < x.width(); ++column) {
      const QRgb p = x.pixel(column, row);
      const QRgb q = y.pixel(column, row);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  return largest;
}

// Crossings aside, which need the whole glued tiling, the picture is the one
// the full model gives.
TEST(TilePlacementsTest, PictureIsTheFullModelsWithoutCrossings) {
  for (const auto& [name, text] : documents()) {
    SCOPED_TRACE(name);
    const std::string flat = text + "\ndisplayMode: 2\ncrossings: 0\n";
    const auto model = OrnivalModel::create();
    if (model->read(flat) != TextKind::document)
      continue;
    TilePlacements placements;
    placements.read(flat, 1'000'000);
    // Points reach the picture through other roundings: an edge pixel may
    // differ by a step or two of antialiasing.
    EXPECT_LE(largestDifference(drawPlacements(placements, 128), ThumbnailProvider::drawFlat(*model, 128)), 8);
  }
}

// Sub-pixel tiles each filled with antialiasing would leave the background
// showing through every seam, and a red tiling would come out half blue.
TEST(TilePlacementsTest, TilesSmallerThanAPixelCoverThePictureWithoutSeams) {
  std::string shapes = "7,0\n";
  constexpr int columns = 150;
  for (int index = 1; index < columns * columns; ++index)
    shapes += index % columns == 0 ? std::to_string(index - columns) + ",2,7,0,0\n"
                                   : std::to_string(index - 1) + ",1,7,3,0\n";
  TilePlacements placements;
  placements.read(testing::documentText(shapes, "borderWidth: 0.0,0.0,0.0\nbackgroundColor: 0000FFFF\n"), 100'000);
  ASSERT_EQ(placements.tiles.size(), std::size_t(columns * columns));
  const QImage picture = drawPlacements(placements, 64).convertToFormat(QImage::Format_ARGB32);
  for (const QPoint at : {QPoint(1, 1), QPoint(32, 32), QPoint(62, 40)})
    EXPECT_EQ(picture.pixelColor(at), QColor(255, 0, 0)) << at.x() << "," << at.y();
}

class ThumbnailLimitsTest : public ::testing::Test {
protected:
  fs::path folder = fs::temp_directory_path() /
                    ("ornival-limits-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { fs::create_directories(folder); }
  void TearDown() override { fs::remove_all(folder); }

  std::string write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return (folder / name).string();
  }
};

std::string chain(int tiles, std::string_view settings) {
  std::string shapes = "7,0\n";
  for (int k = 0; k + 1 < tiles; ++k)
    shapes += std::to_string(k) + ",1,7,3," + std::to_string(k % 2) + "\n";
  return testing::documentText(shapes, settings);
}

// Within the full model's limits a document is drawn from it; beyond them,
// up to the thumbnailer's own, flat from its placements, relief ones too;
// beyond those it is refused.
TEST_F(ThumbnailLimitsTest, LargeDocumentsAreDrawnFlatFromTheirPlacementsUpToTheLimits) {
  ThumbnailLimits limits;
  limits.full.maxLines = 40;
  limits.full.maxTiles = 20;
  limits.maxBytes = 8192;
  limits.maxTiles = 100;
  const std::string background = "backgroundColor: 3A5A8CFF\n";
  const struct {
    const char* name;
    std::string text;
    DocumentFileError error;
    bool placements;
  } cases[] = {
      {"within the full model", chain(19, background), DocumentFileError::none, false},
      {"over its lines", chain(60, background), DocumentFileError::none, true},
      {"over its lines, in relief", chain(60, background + "displayMode: 3\n"), DocumentFileError::none, true},
      {"at the tile limit", chain(100, background), DocumentFileError::none, true},
      {"over the tile limit", chain(101, background), DocumentFileError::tooLarge, false},
      {"over the byte limit", chain(60, background) + std::string(8192, '\n'), DocumentFileError::tooLarge, false},
      {"no header", "shapes:\n" + std::string(60, '\n'), DocumentFileError::notDocument, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentFileError error = DocumentFileError::unreadable;
    const auto picture = ThumbnailProvider::drawThumbnail(write("a.ornival", c.text), 64, error, limits);
    EXPECT_EQ(error, c.error);
    ASSERT_EQ(picture.has_value(), c.error == DocumentFileError::none);
    if (!picture)
      continue;
    TilePlacements placements;
    placements.read(c.text, limits.maxTiles);
    const auto model = OrnivalModel::create();
    model->read(c.text);
    const QImage expected = c.placements ? drawPlacements(placements, 64) : ThumbnailProvider::drawFlat(*model, 64);
    EXPECT_EQ(picture->convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
  }
}

}  // namespace
}  // namespace ornival
