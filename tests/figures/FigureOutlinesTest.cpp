#include "figures/Figure.h"

#include "platform/Icon.h"
#include "platform/RecordingPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ornival {
namespace {

using Kind = PathElement::Kind;
using Call = RecordingPainter::Call;

std::shared_ptr<Figure> makeFigure(std::vector<std::int64_t> dividends, std::vector<double> lengths) {
  auto figure = Figure::create(Shapes::multi, "Test");
  figure->setup(std::move(dividends), std::move(lengths));
  return figure;
}

std::shared_ptr<Figure> unitSquare() { return makeFigure({1, 1, 1, 1}, {1.0, 1.0, 1.0, 1.0}); }

// A group tile's figure: an outline without dividends.
std::shared_ptr<Figure> outlineOnly(std::vector<Vec2> vertices) {
  auto figure = Figure::create(Shapes::multi, "Multi");
  figure->setLengths(std::vector<double>(vertices.size(), 1.0));
  figure->setVariantCount(static_cast<int>(vertices.size()));
  figure->setVertices(std::move(vertices));
  return figure;
}

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
}

double wrapAngle(double angle) { return std::remainder(angle, 2.0 * std::numbers::pi); }

constexpr double rightAngleFactor = 0.5522847498307933;

TEST(FigureOutlines, PlainOutlines) {
  auto square = unitSquare();
  const Path polygon({PathElement::move({0, 0}), PathElement::line({1, 0}), PathElement::line({1, 1}),
                      PathElement::line({0, 1}), PathElement::close()});
  EXPECT_EQ(square->path(), polygon);
  EXPECT_EQ(square->bezierPath(), polygon);

  // Only path leaves out a later vertex that coincides with the first.
  auto pinched = outlineOnly({{0, 0}, {1, 0}, {0, 0}, {0, 1}});
  EXPECT_EQ(pinched->path(), Path({PathElement::move({0, 0}), PathElement::line({1, 0}),
                                   PathElement::line({0, 1}), PathElement::close()}));
  EXPECT_EQ(pinched->bezierPath().elements().size(), 5u);

  auto empty = outlineOnly({});
  EXPECT_TRUE(empty->path().isEmpty());
  EXPECT_EQ(empty->bezierPath(), Path({PathElement::close()}));
  EXPECT_TRUE(empty->roundedPath(1.0, 1.0)->isEmpty());
}

TEST(FigureOutlines, InsetPoints) {
  constexpr double d = 1.0 / 32.0;
  EXPECT_EQ(unitSquare()->points(), (std::vector<Vec2>{{d, d}, {1 - d, d}, {1 - d, 1 - d}, {d, 1 - d}}));

  // A straight corner takes the midpoint convention of nearly parallel sides.
  auto straight = outlineOnly({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {0, 1}});
  expectNear(straight->points()[1], {1.0, d});
}

TEST(FigureOutlines, CornerBezierFactors) {
  auto square = unitSquare();
  for (int i = 0; i < 4; ++i)
    EXPECT_DOUBLE_EQ(square->cornerBezierFactor(i), rightAngleFactor) << i;
  EXPECT_EQ(square->cornerBezierFactor(4), 1.0);

  auto hexagon = makeFigure({1, 1, 1, 1, 1, 1}, std::vector<double>(6, 1.0));
  const double t = std::tan(std::numbers::pi / 12.0);
  EXPECT_DOUBLE_EQ(hexagon->cornerBezierFactor(3), 2.0 * (1.0 - t * t) / 3.0);

  EXPECT_DOUBLE_EQ(cornerBezierFactor({0, 0}, {1, 0}, {2, 0}), 2.0 / 3.0);
  EXPECT_NEAR(cornerBezierFactor({0, 0}, {1, 0}, {0, 0}), 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(cornerBezierFactor({0, 0}, {1, 0}, {1, 1}), rightAngleFactor);
  EXPECT_DOUBLE_EQ(cornerBezierFactor({0, 0}, {1, 0}, {1, -1}), rightAngleFactor);
  // Whatever the quadrant of the turn.
  EXPECT_DOUBLE_EQ(cornerBezierFactor({0, 1}, {-1, 0}, {0, -1}), rightAngleFactor);
}

TEST(FigureOutlines, RoundedSquare) {
  auto square = unitSquare();
  const std::vector<Vec2> corners{{1, 0}, {1, 1}, {0, 1}, {0, 0}};
  const std::vector<Vec2> midpoints{{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}, {0.5, 0}};

  const Path rounded = square->roundedBezierPath(1.0, 1.0);
  ASSERT_EQ(rounded.elements().size(), 6u);
  EXPECT_EQ(rounded.elements()[0], PathElement::move(midpoints[0]));
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const PathElement curve = rounded.elements()[k + 1];
    ASSERT_EQ(curve.kind, Kind::curve);
    EXPECT_EQ(curve.point, midpoints[k + 1]);
    expectNear(curve.control1, midpoints[k] + rightAngleFactor * (corners[k] - midpoints[k]));
    expectNear(curve.control2, midpoints[k + 1] + rightAngleFactor * (corners[k] - midpoints[k + 1]));
  }
  EXPECT_EQ(rounded.elements()[5].kind, Kind::close);
  EXPECT_EQ(*square->roundedPath(1.0, 1.0), rounded);

  // A smaller factor pulls the control points towards the midpoints.
  const PathElement tighter = square->roundedBezierPath(0.5, 1.0).elements()[1];
  expectNear(tighter.control1, midpoints[0] + 0.5 * rightAngleFactor * (corners[0] - midpoints[0]));
}

TEST(FigureOutlines, CornersTurningAtLeastTheLimitStaySharp) {
  auto square = unitSquare();
  // The square's corners turn by exactly 0.5 of a half turn.
  const Path sharp = square->roundedBezierPath(1.0, 0.5);
  EXPECT_EQ(sharp, Path({PathElement::move({0.5, 0}), PathElement::line({1, 0}), PathElement::line({1, 0.5}),
                         PathElement::line({1, 1}), PathElement::line({0.5, 1}), PathElement::line({0, 1}),
                         PathElement::line({0, 0.5}), PathElement::line({0, 0}), PathElement::line({0.5, 0}),
                         PathElement::close()}));
  EXPECT_EQ(square->roundedBezierPath(1.0, std::nan("")), sharp);

  // The L shape's reflex corner turns by 0.5 as well, the other way round.
  auto l = makeFigure({1, 1, 3, 1, 1, 1}, {2.0, 1.0, 1.0, 1.0, 1.0, 2.0});
  auto curves = [](const Path& p) {
    return std::count_if(p.begin(), p.end(), [](const PathElement& e) { return e.kind == Kind::curve; });
  };
  EXPECT_EQ(curves(l->roundedBezierPath(1.0, 0.5)), 0);
  EXPECT_EQ(curves(l->roundedBezierPath(1.0, 0.51)), 6);

  // A group tile's corners have factor 1 and fraction 1.
  auto group = outlineOnly({{0, 0}, {2, 0}, {2, 1}, {0, 1}});
  EXPECT_EQ(curves(group->roundedBezierPath(1.0, 1.0)), 0);
  const Path loose = group->roundedBezierPath(1.0, 1.5);
  ASSERT_EQ(curves(loose), 4);
  EXPECT_EQ(loose.elements()[1].control1, (Vec2{2, 0}));
}

TEST(FigureOutlines, FactorTwoMeansThePlainPolygon) {
  auto square = unitSquare();
  EXPECT_EQ(square->roundedPath(2.0, 0.0).get(), &square->path());
  EXPECT_EQ(square->roundedPath(2.0, 1.0), square->roundedPath(2.0, 1.0));
  EXPECT_EQ(square->roundedBezierPath(2.0, 1.0), square->bezierPath());

  // Only exactly 2.0 switches rounding off.
  const Path nearlyTwo = square->roundedBezierPath(std::nextafter(2.0, 0.0), 1.0);
  EXPECT_EQ(nearlyTwo.elements()[1].kind, Kind::curve);
  EXPECT_NE(square->roundedPath(std::nextafter(2.0, 0.0), 1.0).get(), &square->path());

  // A lone vertex has no sides to round, but the plain outline is still there.
  auto lone = Figure::create(Shapes::multi, "Multi");
  EXPECT_EQ(*lone->roundedPath(2.0, 1.0), Path({PathElement::move({0, 0}), PathElement::close()}));
}

TEST(FigureOutlines, ImageAngleTurnsTheAxisPointTowardsTheHeading) {
  // Axis edge(0) lies south of the centre: the default heading needs no turn.
  auto square = unitSquare();
  EXPECT_NEAR(wrapAngle(square->imageAngle()), 0.0, 1e-12);

  auto north = unitSquare();
  north->setHeading(Heading::north);
  EXPECT_NEAR(wrapAngle(north->imageAngle()), wrapAngle(std::numbers::pi), 1e-12);

  auto vertexAxis = unitSquare();
  vertexAxis->setAxis(Axis::vertex(2));  // north-east of the centre
  vertexAxis->setHeading(Heading::southWest);
  EXPECT_NEAR(wrapAngle(vertexAxis->imageAngle()), wrapAngle(std::numbers::pi), 1e-12);
}

class IconDrawing : public ::testing::Test {
protected:
  static constexpr double single(double v) { return double(float(v)); }
  const Color gray{single(68.0 / 255), single(68.0 / 255), single(68.0 / 255), 1.0};
  const Color red{0.5, 0.0, 0.0, 1.0};
  const Rect rect{{100, 200}, {40, 20}};
};

TEST_F(IconDrawing, SquareDrawsAxesOutlineFillAndParallelsInOrder) {
  auto square = unitSquare();
  RecordingPainter painter;
  painter.setTransform(AffineTransform::scale(2.0, 2.0));
  square->drawIcon(painter, rect, red, 0.0);

  const auto& calls = painter.calls();
  ASSERT_EQ(calls.size(), 7u);
  const double w = 2.0;  // a tenth of the height
  const StrokeStyle thin{0.2 * w, LineCap::round, LineJoin::miter};

  EXPECT_EQ(calls[0].kind, Call::Kind::stroke);
  EXPECT_EQ(calls[0].color, (Color{single(170.0 / 255), single(170.0 / 255), 1.0, 1.0}));
  EXPECT_EQ(calls[0].style, thin);
  EXPECT_EQ(calls[0].path.elements().size(), 8u);  // four edge axes

  EXPECT_EQ(calls[1].kind, Call::Kind::stroke);
  EXPECT_EQ(calls[1].color, gray);
  EXPECT_EQ(calls[1].style, (StrokeStyle{w, LineCap::butt, LineJoin::miter}));

  EXPECT_EQ(calls[2].color, (Color{1.0, single(170.0 / 255), single(170.0 / 255), 1.0}));
  EXPECT_EQ(calls[2].style, thin);

  EXPECT_EQ(calls[3].kind, Call::Kind::fill);
  EXPECT_EQ(calls[3].color, red);
  EXPECT_EQ(calls[3].path, calls[1].path);

  EXPECT_EQ(calls[4].color, (Color{single(121.0 / 255), single(0.84261435), single(249.0 / 255), single(0.2)}));
  EXPECT_EQ(calls[4].style, thin);
  EXPECT_EQ(calls[4].path.elements().size(), 8u);  // each pair of parallels twice
  EXPECT_EQ(calls[5].path, calls[4].path);
  EXPECT_EQ(calls[5].color, red);
  EXPECT_EQ(calls[5].style, (StrokeStyle{w / 15.0, LineCap::round, LineJoin::miter}));

  EXPECT_EQ(calls[6].color, (Color{single(68.0 / 255), single(68.0 / 255), single(68.0 / 255), single(0.099234805)}));
  EXPECT_EQ(calls[6].style, (StrokeStyle{0.2 * w, LineCap::butt, LineJoin::miter}));

  // The centre lands in the middle of the rect's size (its origin is not
  // used) and the farthest vertex 0.425 of the height from it.
  const Rect box = *calls[3].path.boundingBox();
  expectNear(box.center(), {20, 10});
  EXPECT_NEAR(box.size.x, 2.0 * 8.5 / std::sqrt(2.0), 1e-12);
  // Axis lines reach out from the corners and side midpoints to the centre.
  expectNear(calls[0].path.elements()[1].point, {20, 10});
  expectNear(calls[6].path.elements()[0].point, calls[3].path.elements()[0].point);
  for (const Call& call : calls)
    EXPECT_EQ(call.transform, AffineTransform::scale(2.0, 2.0));
}

TEST_F(IconDrawing, RotationWithoutMirrorShowsTheCentreDot) {
  // A parallelogram: half-turn symmetry and no mirror axis.
  auto parallelogram = makeFigure({1, 2, 1, 2}, {1.0, 2.0, 1.0, 2.0});
  ASSERT_TRUE(parallelogram->edgeAxes().empty());
  ASSERT_TRUE(parallelogram->vertexAxes().empty());
  RecordingPainter painter;
  parallelogram->drawIcon(painter, rect, red, 0.3);
  const Call& dot = painter.calls().back();
  EXPECT_EQ(dot.kind, Call::Kind::fill);
  EXPECT_EQ(dot.color, (Color{single(184.0 / 255), single(226.0 / 255), single(151.0 / 255), 1.0}));
  const Rect box = *dot.path.boundingBox();
  expectNear(box.center(), {20, 10});
  // One unit of the rect across; the cubic arcs bulge slightly off their ends.
  EXPECT_NEAR(box.size.x, 1.0, 1e-3);
  EXPECT_NEAR(box.size.y, 1.0, 1e-3);

  // A rhombus has mirror axes: no dot.
  RecordingPainter rhombusPainter;
  makeFigure({1, 2, 1, 2}, {1.0, 1.0, 1.0, 1.0})->drawIcon(rhombusPainter, rect, red, 0.3);
  EXPECT_EQ(rhombusPainter.calls().size(), 7u);
}

TEST_F(IconDrawing, ImagesDrawWhiteTurnedByImageAngleWhileTheFigureLives) {
  auto figure = makeFigure({1, 1, 2}, {1.0, 1.4142135623730951, 1.0});
  figure->setHeading(Heading::east);
  const auto image = figure->image();
  const auto toolbar = figure->toolbarImage();
  EXPECT_EQ(image, figure->image());
  EXPECT_EQ(image->size(), (Vec2{20, 20}));
  EXPECT_EQ(toolbar->size(), (Vec2{32, 32}));

  RecordingPainter viaIcon;
  EXPECT_TRUE(toolbar->draw(viaIcon, {{0, 0}, {64, 64}}));
  RecordingPainter direct;
  figure->drawIcon(direct, {{0, 0}, {64, 64}}, Color::white(), figure->imageAngle());
  EXPECT_EQ(viaIcon.calls(), direct.calls());

  figure.reset();
  RecordingPainter afterwards;
  EXPECT_TRUE(image->draw(afterwards, {{0, 0}, {20, 20}}));
  EXPECT_TRUE(afterwards.calls().empty());
}

TEST(FigureOutlinesDeathTest, ProgrammingErrorsStopTheProcess) {
  auto lone = Figure::create(Shapes::multi, "Multi");
  EXPECT_DEATH(lone->roundedBezierPath(1.0, 1.0), "");
  EXPECT_DEATH(lone->roundedPath(1.0, 1.0), "");
  EXPECT_DEATH(outlineOnly({})->roundedBezierPath(1.0, 1.0), "");

  RecordingPainter painter;
  auto group = outlineOnly({{0, 0}, {1, 0}, {1, 1}});
  EXPECT_DEATH(group->drawIcon(painter, {{0, 0}, {20, 20}}, Color::white(), 0.0), "");

  auto square = unitSquare();
  square->setAxis(Axis::edge(4));
  EXPECT_DEATH(square->imageAngle(), "");
}

}  // namespace
}  // namespace ornival
