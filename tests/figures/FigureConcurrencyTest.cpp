#include "figures/Figure.h"

#include "platform/Geometry.h"
#include "platform/Icon.h"
#include "platform/RecordingPainter.h"

#include <gtest/gtest.h>

#include <barrier>
#include <thread>
#include <vector>

namespace ornival {
namespace {

// Everything a reader can ask of a figure, gathered so that two readings can
// be compared.
struct Reading {
  std::int64_t divisor = 0;
  Vec2 center;
  int variantCount = 0;
  std::string canonicalName;
  std::string reversedCanonicalName;
  int equilateralCount = 0;
  double radius = 0.0;
  std::vector<Axis> edgeAxes;
  std::vector<Axis> vertexAxes;
  std::vector<std::vector<int>> parallels;
  double angle = 0.0;
  std::vector<double> angles;
  int concave = 0;
  double area = 0.0;
  double perimeter = 0.0;
  double density = 0.0;
  const Path* path = nullptr;
  Path bezierPath;
  std::vector<Vec2> points;
  const Icon* image = nullptr;
  const Icon* toolbarImage = nullptr;
  double imageAngle = 0.0;
  std::vector<RecordingPainter::Call> icon;
  const Geometry* geometry = nullptr;
  std::vector<Vec3> solidPositions;
  Axis mirrorAxis;

  bool operator==(const Reading&) const = default;
};

// Each thread reads in its own order, so that first reads of every member
// overlap with reads of every other.
Reading read(const Figure& figure, int start) {
  Reading r;
  constexpr int memberCount = 23;
  for (int k = 0; k < memberCount; ++k) {
    switch ((start + k) % memberCount) {
      case 0: r.divisor = figure.divisor(); break;
      case 1: r.center = figure.center(); break;
      case 2: r.variantCount = figure.variantCount(); break;
      case 3: r.canonicalName = figure.canonicalName(); break;
      case 4: r.reversedCanonicalName = figure.reversedCanonicalName(); break;
      case 5: r.equilateralCount = figure.equilateralCount(); break;
      case 6: r.radius = figure.radius(); break;
      case 7: r.edgeAxes = figure.edgeAxes(); break;
      case 8: r.vertexAxes = figure.vertexAxes(); break;
      case 9: r.parallels = figure.parallels(); break;
      case 10: r.angle = figure.angle(); break;
      case 11: r.angles = figure.angles(); break;
      case 12: r.concave = figure.concave(); break;
      case 13: r.area = figure.area(); break;
      case 14: r.perimeter = figure.perimeter(); break;
      case 15: r.density = figure.density(); break;
      case 16: r.path = figure.roundedPath(2.0, 1.0).get(); break;
      case 17: r.bezierPath = figure.roundedBezierPath(2.0, 1.0); break;
      case 18: r.points = figure.points(); break;
      case 19: r.image = figure.image().get(); r.toolbarImage = figure.toolbarImage().get(); break;
      case 20: {
        r.imageAngle = figure.imageAngle();
        RecordingPainter painter;
        figure.toolbarImage()->draw(painter, {{0, 0}, {32, 32}});
        r.icon = painter.calls();
        break;
      }
      case 21:
        r.geometry = figure.geometry().get();
        r.solidPositions = figure.geometry()->sources().positions;
        break;
      case 22: r.mirrorAxis = figure.mirrorAxis(); break;
    }
  }
  return r;
}

std::shared_ptr<Figure> makeStar() {
  std::vector<std::int64_t> dividends;
  for (int i = 0; i < 8; ++i)
    dividends.insert(dividends.end(), {1, 6});
  auto figure = Figure::create(Shapes::multi, "Star");
  figure->setup(dividends, std::vector<double>(16, 1.0));
  return figure;
}

TEST(FigureConcurrency, FirstReadsFromSeveralThreadsAgree) {
  constexpr int threadCount = 8;
  constexpr int rounds = 20;
  const Reading expected = read(*makeStar(), 0);

  for (int round = 0; round < rounds; ++round) {
    auto figure = makeStar();
    std::vector<Reading> readings(threadCount);
    std::barrier start(threadCount);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
      threads.emplace_back([&, t] {
        start.arrive_and_wait();
        readings[t] = read(*figure, t * 3);
      });
    }
    for (auto& thread : threads)
      thread.join();

    for (const Reading& reading : readings) {
      // Cached objects are one and the same for every reader.
      EXPECT_EQ(reading.path, &figure->path());
      EXPECT_EQ(reading.image, figure->image().get());
      EXPECT_EQ(reading.toolbarImage, figure->toolbarImage().get());
      EXPECT_EQ(reading.geometry, figure->geometry().get());
      Reading comparable = reading;
      comparable.path = expected.path;
      comparable.image = expected.image;
      comparable.toolbarImage = expected.toolbarImage;
      comparable.geometry = expected.geometry;
      EXPECT_EQ(comparable, expected);
    }
  }
}

}  // namespace
}  // namespace ornival
