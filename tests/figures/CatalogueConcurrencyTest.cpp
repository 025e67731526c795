#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <unordered_map>
#include <vector>

namespace ornival {
namespace {

// Each test runs in a process of its own, so the threads below are the first
// to touch the catalogue.

// Runs body on several threads released at the same moment.
template <typename Body>
void raceOnThreads(std::size_t count, Body body) {
  std::atomic<bool> go = false;
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < count; ++i)
    threads.emplace_back([&, i] {
      while (!go) {
      }
      body(i);
    });
  go = true;
  for (auto& t : threads)
    t.join();
}

TEST(CatalogueConcurrency, ThreadsThatFirstTouchTheTableShareOneBuild) {
  std::vector<const std::vector<std::shared_ptr<Figure>>*> seen(8);
  std::vector<std::vector<const Figure*>> figures(seen.size());
  raceOnThreads(seen.size(), [&](std::size_t i) {
    seen[i] = &Shapes::figures();
    for (const auto& figure : *seen[i])
      figures[i].push_back(figure.get());
  });
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i], seen[0]);
    EXPECT_EQ(figures[i], figures[0]);
  }
  ASSERT_EQ(figures[0].size(), 1122u);
  EXPECT_EQ(figures[0].back()->tool(), Shapes::multi);
}

TEST(CatalogueConcurrency, TheMirrorMapAndTheTableCanBeFirstReadTogether) {
  std::vector<const std::unordered_map<Shapes, Shapes>*> maps(8, nullptr);
  std::vector<const std::vector<std::shared_ptr<Figure>>*> tables(8, nullptr);
  raceOnThreads(maps.size(), [&](std::size_t i) {
    // Half the threads come in through the mirror map, which builds the table
    // on its way; the others ask for the table directly.
    if (i % 2 == 0)
      maps[i] = &Shapes::mirrors();
    tables[i] = &Shapes::figures();
    if (i % 2 == 1)
      maps[i] = &Shapes::mirrors();
  });
  for (std::size_t i = 0; i < maps.size(); ++i) {
    EXPECT_EQ(maps[i], maps[0]);
    EXPECT_EQ(tables[i], tables[0]);
  }
  EXPECT_EQ(maps[0]->at(Shapes::leftBird), Shapes::rightBird);
}

}  // namespace
}  // namespace ornival
