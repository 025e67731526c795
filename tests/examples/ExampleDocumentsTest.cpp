#include "ExampleDocuments.h"

#include "document/OrnivalModel.h"
#include "model/Shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <sstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The committed examples are exactly what the generator writes, nothing
// more, and each reads back as a document with tiles.
TEST(ExampleDocuments, CommittedFilesAreTheGeneratorsAndReadBackWithTiles) {
  const fs::path folder = ORNIVAL_EXAMPLES_DIR;
  std::set<std::string> committed;
  for (const auto& entry : fs::directory_iterator(folder))
    committed.insert(entry.path().filename().string());
  std::set<std::string> generated;
  for (const auto& example : examples::exampleDocuments()) {
    generated.insert(example.fileName);
    EXPECT_EQ(contents(folder / example.fileName), example.text) << example.fileName << " is not the generator's";
    auto model = OrnivalModel::create();
    EXPECT_EQ(model->read(example.text), TextKind::document) << example.fileName;
    EXPECT_GT(model->shapes.size(), 10u) << example.fileName;
  }
  EXPECT_EQ(committed, generated);
}

// The points where two straight lines of sides cross inside the tiling,
// found from the tiles' corners alone: exactly four corners meet there,
// filling the turn, and the sides leaving the point run in four directions,
// two by two opposite.
int crossingsInside(const OrnivalModel& model) {
  struct Corner {
    double angle;
    Vec2 towards[2];
  };
  std::map<std::pair<long, long>, std::vector<Corner>> corners;
  const auto unit = [](Vec2 v) { return v / v.length(); };
  for (const auto& tile : model.shapes) {
    const auto& sides = tile->border();
    for (std::size_t i = 0; i < sides.size(); ++i) {
      const Vec2 p = sides[i].vertex0;
      const Vec2 back = unit(sides[(i + sides.size() - 1) % sides.size()].vertex0 - p);
      const Vec2 on = unit(sides[i].vertex1 - p);
      // Outlines run counter-clockwise: the tile lies from `on` round to `back`.
      double angle = std::atan2(on.x * back.y - on.y * back.x, on.dot(back));
      if (angle < 0.0)
        angle += 2.0 * std::numbers::pi;
      corners[{std::lround(p.x * 64.0), std::lround(p.y * 64.0)}].push_back({angle, {back, on}});
    }
  }
  int count = 0;
  for (const auto& [at, meeting] : corners) {
    if (meeting.size() != 4)
      continue;
    double turn = 0.0;
    std::vector<Vec2> directions;
    for (const Corner& corner : meeting) {
      turn += corner.angle;
      for (const Vec2 d : corner.towards)
        if (std::none_of(directions.begin(), directions.end(), [&](Vec2 e) { return (d - e).length() < 1e-6; }))
          directions.push_back(d);
    }
    const bool opposite = std::all_of(directions.begin(), directions.end(), [&](Vec2 d) {
      return std::any_of(directions.begin(), directions.end(), [&](Vec2 e) { return (d + e).length() < 1e-6; });
    });
    count += std::abs(turn - 2.0 * std::numbers::pi) < 1e-6 && directions.size() == 4 && opposite;
  }
  return count;
}

// An example that draws its crossings has some to draw: interlaced lines
// inside the tiling, and bands that show which passes over (two widths
// that differ in a flat drawing, a band at all in relief).
TEST(ExampleDocuments, ThoseThatDrawCrossingsInterlace) {
  int interlacing = 0;
  for (const auto& example : examples::exampleDocuments()) {
    auto model = OrnivalModel::create();
    model->read(example.text);
    if (model->settings.crossings == CrossingStatus::off)
      continue;
    SCOPED_TRACE(example.fileName);
    ++interlacing;
    EXPECT_GE(crossingsInside(*model), 12);
    std::vector<double> widths{model->settings.borderWidth, model->settings.borderWidth2,
                               model->settings.borderWidth3};
    std::sort(widths.begin(), widths.end());
    EXPECT_GT(widths[2], model->settings.displayMode == 3 ? 0.0 : widths[1]);
  }
  EXPECT_GE(interlacing, 3) << "the interlaced stars, the carved stone and the border bands";
}

// The closed loops the free sides of a tiling make: one for a tiling without
// holes, one more for each hole.
int outlineLoops(const OrnivalModel& model) {
  using Point = std::pair<long, long>;
  const auto key = [](Vec2 p) { return Point{std::lround(p.x * 64.0), std::lround(p.y * 64.0)}; };
  std::multiset<std::pair<Point, Point>> sides;
  for (const auto& tile : model.shapes)
    for (const auto& side : tile->border())
      sides.insert({key(side.vertex0), key(side.vertex1)});
  // A side is free where no tile has it the other way round.
  std::map<Point, Point> next;
  for (const auto& [from, to] : sides)
    if (!sides.count({to, from}))
      next[from] = to;
  int loops = 0;
  while (!next.empty()) {
    Point at = next.begin()->first;
    while (next.count(at)) {
      const Point to = next[at];
      next.erase(at);
      at = to;
    }
    ++loops;
  }
  return loops;
}

// Each example is a finished mosaic: its tiles close up without holes.
TEST(ExampleDocuments, EachIsAMosaicWithoutHoles) {
  for (const auto& example : examples::exampleDocuments()) {
    auto model = OrnivalModel::create();
    model->read(example.text);
    EXPECT_EQ(outlineLoops(*model), 1) << example.fileName;
  }
}

// Ten Fold turns into itself by a tenth of a turn about its star: every
// tile lands on a tile of its own figure.
TEST(ExampleDocuments, TenFoldHasTenFoldSymmetry) {
  const auto all = examples::exampleDocuments();
  const auto tenFold = std::find_if(all.begin(), all.end(), [](const auto& e) { return e.fileName == "04-TenFold.ornival"; });
  ASSERT_NE(tenFold, all.end());
  auto model = OrnivalModel::create();
  ASSERT_EQ(model->read(tenFold->text), TextKind::document);
  ASSERT_GE(model->shapes.size(), 60u);
  const Vec2 centre = model->shapes.front()->center();
  const double turn = std::numbers::pi / 5.0;
  for (const auto& tile : model->shapes) {
    const Vec2 d = tile->center() - centre;
    const Vec2 turned = centre + Vec2{d.x * std::cos(turn) - d.y * std::sin(turn), d.x * std::sin(turn) + d.y * std::cos(turn)};
    EXPECT_TRUE(std::any_of(model->shapes.begin(), model->shapes.end(), [&](const auto& other) {
      return other->figure() == tile->figure() && (other->center() - turned).length() < 1e-3;
    })) << tile->figure()->name() << " at " << tile->center().x << "," << tile->center().y;
  }
}

}  // namespace
}  // namespace ornival
