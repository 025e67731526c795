#include "quicklook/OrnivalView.h"

#include "document/OrnivalModel.h"
#include "platform/RecordingPainter.h"
#include "support/ExportDocuments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace ornival {
namespace {

using Kind = RecordingPainter::Call::Kind;

std::shared_ptr<OrnivalModel> model(std::string_view shapes, std::string_view settings = "") {
  auto m = OrnivalModel::create();
  EXPECT_EQ(m->read(testing::documentText(shapes, settings)), TextKind::document);
  m->collectBorderEdges();
  return m;
}

std::vector<RecordingPainter::Call> draw(const std::shared_ptr<OrnivalModel>& m, Vec2 size) {
  OrnivalView view({{0.0, 0.0}, size});
  view.ornival = m;
  RecordingPainter painter;
  view.drawRect(painter, view.bounds());
  return painter.calls();
}

TEST(OrnivalViewTest, EmptyDocumentGetsItsBackgroundAloneAndReliefNothing) {
  const auto empty = draw(model("", "backgroundColor: 3A5A8C80\n"), {200.0, 100.0});
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_EQ(empty[0].kind, Kind::fill);
  EXPECT_EQ(empty[0].path.boundingBox(), (Rect{{0.0, 0.0}, {200.0, 100.0}}));
  // The background keeps its own alpha.
  EXPECT_DOUBLE_EQ(empty[0].color.alpha, 0x80 / 255.0);

  EXPECT_TRUE(draw(model("7,0\n", "displayMode: 3\n"), {200.0, 100.0}).empty());
  EXPECT_TRUE(draw(nullptr, {200.0, 100.0}).empty());
}

TEST(OrnivalViewTest, TurnedSquareIsFittedWithItsWidestBandAndCentred) {
  const auto m = model("7,0\n", "rotation: 45.0\nborderWidth: 2.0,6.0,4.0\nborderColor: FF0000FF,00FF00FF,0000FFFF\n");
  const Rect square = *m->shapes[0]->figure()->bezierPath().transformed(m->shapes[0]->transformation).boundingBox();
  const double diagonal = square.size.x * std::sqrt(2.0);
  const auto calls = draw(m, {300.0, 300.0});
  // Background, the tile, then the bands from the widest down.
  ASSERT_EQ(calls.size(), 5u);
  const double s = 300.0 / (diagonal + 6.0);
  const Rect tile = *calls[1].path.boundingBox();
  EXPECT_NEAR(tile.size.x, s * diagonal, 1e-6);
  EXPECT_NEAR(tile.size.y, s * diagonal, 1e-6);
  EXPECT_NEAR(tile.center().x, 150.0, 1e-6);
  EXPECT_NEAR(tile.center().y, 150.0, 1e-6);
  const std::vector<double> widths{calls[2].style.width, calls[3].style.width, calls[4].style.width};
  EXPECT_THAT(widths, ::testing::Pointwise(::testing::DoubleNear(1e-9), {6.0 * s, 4.0 * s, 2.0 * s}));
  EXPECT_EQ(calls[2].color, (Color{0.0, 1.0, 0.0, 1.0}));
  EXPECT_EQ(calls[4].color, (Color{1.0, 0.0, 0.0, 1.0}));
  EXPECT_EQ(calls[2].style.cap, LineCap::round);
}

TEST(OrnivalViewTest, WideTilingFitsItsWidthAndFlattensOverWhiteOnRequest) {
  const auto m = model("7,0\n0,1,7,3,0\n", "backgroundColor: 00000000\nborderWidth: 0.0,0.0,0.0\n");
  OrnivalView view({{0.0, 0.0}, {100.0, 100.0}});
  view.ornival = m;
  view.exportAlpha = false;
  RecordingPainter painter;
  view.drawRect(painter, view.bounds());
  const auto& calls = painter.calls();
  // No band: nothing is stroked.
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].color, Color::white());
  const Rect left = *calls[1].path.boundingBox();
  const Rect right = *calls[2].path.boundingBox();
  EXPECT_NEAR(left.minX(), 0.0, 1e-6);
  EXPECT_NEAR(right.maxX(), 100.0, 1e-6);
  EXPECT_NEAR(left.minY() + right.maxY(), 100.0, 1e-6);
}

}  // namespace
}  // namespace ornival
