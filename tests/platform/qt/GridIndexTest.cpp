#include "platform/qt/GridIndex.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace ornival::tiled {
namespace {

struct Item {
  Box box;
  GridIndex<Item>* index = nullptr;
  int id = 0;
};

std::set<int> found(const GridIndex<Item>& index, const QRectF& area) {
  std::set<int> ids;
  index.query(area, [&](Item* item) { EXPECT_TRUE(ids.insert(item->id).second) << "found twice: " << item->id; });
  return ids;
}

std::set<int> meeting(const std::vector<std::unique_ptr<Item>>& items, const QRectF& area) {
  std::set<int> ids;
  const Box wanted = Box::around(area);
  for (const auto& item : items)
    if (item->index && item->box.intersects(wanted))
      ids.insert(item->id);
  return ids;
}

// The index answers exactly what a look at every box answers: tiles of a
// mosaic's size, some far out, outlines wider than a cell, boxes touching
// the area only at an edge, after removals and with areas of every size.
TEST(GridIndex, FindsExactlyTheBoxesThatMeetAnArea) {
  std::mt19937 random(36);
  std::uniform_real_distribution<double> place(-2000, 2000);
  std::uniform_real_distribution<double> small(0, 30);
  std::uniform_real_distribution<double> large(100, 3000);
  GridIndex<Item> index(nullptr);
  std::vector<std::unique_ptr<Item>> items;
  for (int i = 0; i < 3000; ++i) {
    auto item = std::make_unique<Item>();
    item->id = i;
    const QPointF at(place(random), place(random));
    const double w = i % 97 == 0 ? large(random) : small(random);
    const double h = i % 89 == 0 ? large(random) : small(random);
    item->box = Box::around(QRectF(at, QSizeF(w, h)));
    items.push_back(std::move(item));
  }
  // Far beyond any cell the grid can name, and on cell borders.
  items.push_back(std::make_unique<Item>(Item{Box::around(QRectF(1e12, -1e12, 5, 5)), nullptr, 3000}));
  items.push_back(std::make_unique<Item>(Item{Box::around(QRectF(64, 64, 64, 64)), nullptr, 3001}));
  items.push_back(std::make_unique<Item>(Item{Box::around(QRectF(-128, -64, 0.5, 0.5)), nullptr, 3002}));
  for (const auto& item : items)
    index.insert(*item);
  for (const auto& item : items)
    EXPECT_EQ(item->index, &index);
  for (std::size_t i = 0; i < items.size(); i += 3)
    index.remove(*items[i]);
  EXPECT_EQ(items[0]->index, nullptr);

  std::vector<QRectF> areas{
      QRectF(-10, -10, 20, 20),  QRectF(128, 128, 0.001, 0.001), QRectF(64, 64, 0, 0),
      QRectF(-4000, -4000, 8000, 8000), QRectF(1e12 - 1, -1e12 - 1, 2, 2), QRectF(-1e15, -1e15, 2e15, 2e15),
      QRectF(-127.75, -63.75, 0.1, 0.1),
  };
  std::uniform_real_distribution<double> extent(0, 600);
  for (int i = 0; i < 200; ++i)
    areas.emplace_back(place(random), place(random), extent(random), extent(random));
  const auto answersAsEveryBox = [&] {
    for (const QRectF& area : areas) {
      SCOPED_TRACE(std::to_string(area.x()) + "," + std::to_string(area.y()) + " " + std::to_string(area.width()) +
                   "x" + std::to_string(area.height()));
      EXPECT_EQ(found(index, area), meeting(items, area));
    }
  };
  answersAsEveryBox();
  EXPECT_EQ(index.size(), items.size() - (items.size() + 2) / 3);

  // A box on the area's edge meets it; one a float step away does not.
  EXPECT_EQ(found(index, QRectF(128, 128, 1, 1)).count(3001), 1u);
  EXPECT_EQ(found(index, QRectF(128.001, 128, 1, 1)).count(3001), 0u);

  // Most of what is left goes in one sweep, wide boxes and far ones too.
  std::size_t staying = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i % 3 == 0)
      continue;
    if (i % 7 == 0)
      ++staying;
    else
      items[i]->index = nullptr;
  }
  index.dropUnindexed();
  EXPECT_EQ(index.size(), staying);
  answersAsEveryBox();

  index.release();
  for (const auto& item : items)
    EXPECT_EQ(item->index, nullptr);
  EXPECT_TRUE(found(index, QRectF(-1e15, -1e15, 2e15, 2e15)).empty());
}

}  // namespace
}  // namespace ornival::tiled
