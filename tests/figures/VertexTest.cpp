#include "figures/Vertex.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace ornival {
namespace {

struct GridCase {
  double a;
  double b;
  bool equal;
};

TEST(Vertex, EqualityFollowsTheGridCellsNotTheDistance) {
  const GridCase cases[] = {
      {0.0024, 0.0034, false},          // 0.001 apart, cells 1 and 2
      {0.0011, 0.0029, true},           // 0.0018 apart, both cell 1
      {1.0 / 1024, 0.0029, true},       // a half rounds away from zero: cell 1
      {-1.0 / 1024, -0.0029, true},     // cell -1
      {1.0 / 1024, -1.0 / 1024, false}, // cells 1 and -1
      {std::nextafter(1.0 / 1024, 0.0), 0.0, true},
      {-0.0, 0.0, true},
  };
  for (const auto& c : cases) {
    const Vertex2 a{c.a, 0.0};
    const Vertex2 b{c.b, 0.0};
    EXPECT_EQ(a == b, c.equal) << c.a << " vs " << c.b;
    EXPECT_EQ(Vertex3(0.0, c.a, 5.0) == Vertex3(0.0, c.b, 5.0), c.equal) << c.a << " vs " << c.b;
    EXPECT_EQ(Vertex3(1.0, 1.0, c.a) == Vertex3(1.0, 1.0, c.b), c.equal) << c.a << " vs " << c.b;
    if (c.equal) {
      EXPECT_EQ(a.hash(), b.hash());
      EXPECT_EQ(Vertex3(c.a, c.a, c.a).hash(), Vertex3(c.b, c.b, c.b).hash());
    }
  }
}

TEST(Vertex, SetsKeepOnePointPerCell) {
  const std::unordered_set<Vertex2> set{{0.0, 0.0}, {-0.0, 0.0009}, {0.0011, 0.0}, {0.0029, 0.0}, {1e300, -1e300}};
  EXPECT_EQ(set.size(), 3u);
  EXPECT_TRUE(set.contains(Vertex2{1e300, -1e300}));
  EXPECT_TRUE(isZeroOnGrid(std::nextafter(1.0 / 1024, 0.0)));
  EXPECT_FALSE(isZeroOnGrid(1.0 / 1024));
}

}  // namespace
}  // namespace ornival
