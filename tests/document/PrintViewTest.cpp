#include "document/PrintView.h"

#include "document/Document.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/RecordingPainter.h"
#include "support/ExportDocuments.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ornival {
namespace {

using Call = RecordingPainter::Call;

// Two by two squares around a crossing, 48.28 units a side.
const std::string fourSquares = "7,0\n0,1,7,3,1\n0,2,7,0,1\n1,2,7,0,0\n";
constexpr double side = 48.2842712474619;

std::vector<Call> drawn(const PrintView& view) {
  RecordingPainter painter;
  view.drawDocument(painter, view.frame);
  return painter.calls();
}

PrintView viewOf(const testing::LiveDocument& live, double scale = 1.0) {
  const Rect page = live.editor->snappedPageBounds();
  PrintView view({page.origin * scale, page.size * scale});
  view.document = live.document;
  view.scale = scale;
  return view;
}

// The band strokes: those wider than the tiles' hairline.
std::vector<Call> bandStrokes(const std::vector<Call>& calls) {
  std::vector<Call> out;
  for (const Call& c : calls) {
    if (c.kind == Call::Kind::stroke && c.style != StrokeStyle{})
      out.push_back(c);
  }
  return out;
}

// The fills after the last band stroke: the crossing pieces.
std::vector<Call> crossingFills(const std::vector<Call>& calls) {
  std::vector<Call> out;
  bool afterBands = false;
  for (const Call& c : calls) {
    if (c.kind == Call::Kind::stroke && c.style != StrokeStyle{})
      afterBands = true;
    else if (afterBands && c.kind == Call::Kind::fill)
      out.push_back(c);
  }
  return out;
}

TEST(PrintViewTest, BandsAreStrokedWidestFirstAndCrossingsFilledOverThem) {
  struct Case {
    const char* name;
    std::string settings;
    std::vector<std::pair<double, Color>> strokes;  // width at scale 3, colour
    std::vector<Color> crossings;
  };
  const Color red{1, 0, 0, 1}, green{0, 1, 0, 1}, blue{0, 0, 1, 1};
  const std::vector<Case> cases = {
      {"no bands", "borderWidth: 0.0,0.0,0.0\ncrossings: 1\n", {}, {}},
      {"one band", "borderColor: FF0000FF,00FF00FF,0000FFFF\nborderWidth: 2.0,0.0,0.0\ncrossings: 1\n",
       {{6.0, red}}, {red}},
      {"three bands", "borderColor: FF0000FF,00FF00FF,0000FFFF\nborderWidth: 1.0,3.0,2.0\ncrossings: 2\n",
       {{9.0, green}, {6.0, blue}, {3.0, red}}, {blue, green}},
      {"crossings off", "borderColor: FF0000FF,00FF00FF,0000FFFF\nborderWidth: 1.0,3.0,2.0\n",
       {{9.0, green}, {6.0, blue}, {3.0, red}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto live = testing::liveDocument(testing::documentText(fourSquares, c.settings));
    const auto calls = drawn(viewOf(live, 3.0));
    const auto strokes = bandStrokes(calls);
    ASSERT_EQ(strokes.size(), c.strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i) {
      EXPECT_EQ(strokes[i].style.width, c.strokes[i].first);
      EXPECT_EQ(strokes[i].color, c.strokes[i].second);
      EXPECT_EQ(strokes[i].style.cap, LineCap::round);
      EXPECT_EQ(strokes[i].style.join, LineJoin::miter);
      // One outline for all tiles: four squares of five elements.
      EXPECT_EQ(strokes[i].path.elements().size(), 20u);
    }
    const auto fills = crossingFills(calls);
    ASSERT_EQ(fills.size(), c.crossings.size());
    for (std::size_t i = 0; i < fills.size(); ++i)
      EXPECT_EQ(fills[i].color, c.crossings[i]);
  }
}

TEST(PrintViewTest, RoundLineStyleJoinsTheBandsRound) {
  const auto live = testing::liveDocument(testing::documentText(fourSquares, "borderLineStyle: 1\n"));
  const auto strokes = bandStrokes(drawn(viewOf(live)));
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0].style.join, LineJoin::round);
}

// Opaque tiles get a hairline of their own colour before the fill; a
// translucent tile would show it, and gets none.
TEST(PrintViewTest, OnlyOpaqueTilesGetAHairline) {
  const auto live = testing::liveDocument("Ornival 0.2\n\ncolors:\nFF0000FF\n00FF0080\n\nshapes:\n7,0\n0,1,7,3,1\n\n");
  const auto calls = drawn(viewOf(live));
  // Background, then stroke and fill of the red tile, then the fill of the
  // translucent one.
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[1].kind, Call::Kind::stroke);
  EXPECT_EQ(calls[1].style, StrokeStyle{});
  EXPECT_EQ(calls[1].color, (Color{1, 0, 0, 1}));
  EXPECT_EQ(calls[2].kind, Call::Kind::fill);
  EXPECT_EQ(calls[3].kind, Call::Kind::fill);
  EXPECT_EQ(calls[3].color.alpha, 128.0 / 255.0);
  EXPECT_EQ(calls[2].path, calls[1].path);
}

TEST(PrintViewTest, BackgroundKeepsItsAlphaOrIsLaidOverWhite) {
  struct Case {
    std::string background;
    bool exportAlpha;
    Color expected;
  };
  const std::vector<Case> cases = {
      {"1A4DCC00", false, Color::white()},
      {"1A4DCCFF", false, {26 / 255.0, 77 / 255.0, 204 / 255.0, 1.0}},
      {"1A4DCC00", true, {26 / 255.0, 77 / 255.0, 204 / 255.0, 0.0}},
      {"00000080", false, {127 / 255.0, 127 / 255.0, 127 / 255.0, 1.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.background);
    const auto live = testing::liveDocument(testing::documentText(fourSquares, "backgroundColor: " + c.background + "\n"));
    PrintView view = viewOf(live);
    view.exportAlpha = c.exportAlpha;
    const auto calls = drawn(view);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].kind, Call::Kind::fill);
    EXPECT_NEAR(calls[0].color.red, c.expected.red, 1e-12);
    EXPECT_NEAR(calls[0].color.green, c.expected.green, 1e-12);
    EXPECT_NEAR(calls[0].color.blue, c.expected.blue, 1e-12);
    EXPECT_EQ(calls[0].color.alpha, c.expected.alpha);
    EXPECT_EQ(calls[0].path.boundingBox(), (Rect{{0, 0}, view.frame.size}));
  }
}

TEST(PrintViewTest, WithoutAnEditorOnlyTheBackgroundIsDrawn) {
  const auto live = testing::liveDocument(testing::documentText(fourSquares));
  PrintView view = viewOf(live);
  live.document->setViewController({});
  EXPECT_EQ(drawn(view).size(), 1u);
}

// Scaled, then turned, then moved: the page frame, measured in turned
// canvas units, lands on the view whatever the rotation.
TEST(PrintViewTest, PageTransformScalesTurnsThenMoves) {
  const auto live = testing::liveDocument(testing::documentText(fourSquares, "rotation: 90.0\n"), 13.0, 2.0);
  const PrintView view = viewOf(live, 2.0);
  const AffineTransform m = view.pageTransform(view.frame);
  // Turned a quarter left, the tiling spans x from -2 side to 0 and y from 0
  // to 2 side; with the margin the page's corner is (-2 side - 13, -13).
  const Vec2 corner = m.apply({-13.0, 2 * side + 13.0});
  EXPECT_NEAR(corner.x, 0.0, 1e-9);
  EXPECT_NEAR(corner.y, 0.0, 1e-9);
  const Vec2 far = m.apply({2 * side + 13.0, -13.0});
  EXPECT_NEAR(far.x, view.frame.size.x, 1e-9);
  EXPECT_NEAR(far.y, view.frame.size.y, 1e-9);
}

// A print draws no background and puts the page frame's middle in the
// middle of the view.
TEST(PrintViewTest, PrintingCentresThePageWithoutBackground) {
  const auto live = testing::liveDocument(testing::documentText(fourSquares, "rotation: 30.0\n"));
  PrintView view({{0, 0}, {800, 600}});
  view.document = live.document;
  view.printing = true;
  for (const double scale : {1.0, 2.5}) {
    view.scale = scale;
    const auto calls = drawn(view);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].kind, Call::Kind::stroke) << "the first tile's hairline, no background";
    const Vec2 middle = live.editor->snappedPageBounds().center();
    // The page's middle in canvas units, turned back.
    const double r = -30.0 * std::acos(-1.0) / 180.0;
    const Vec2 canvas{middle.x * std::cos(r) - middle.y * std::sin(r), middle.x * std::sin(r) + middle.y * std::cos(r)};
    const Vec2 p = view.pageTransform(view.frame).apply(canvas);
    EXPECT_NEAR(p.x, 400.0, 1e-9);
    EXPECT_NEAR(p.y, 300.0, 1e-9);
  }
}

// The printable area's size already leaves out the unprintable margin: the
// view takes all of it, larger in points as the scaling shrinks.
TEST(PrintViewTest, PaginatedFrameCoversThePrintableAreaAtTheScaling) {
  struct Case {
    Rect imageable;
    double scaling;
    Vec2 size;
  };
  const std::vector<Case> cases = {
      {{{0.0, 0.0}, {842.0, 595.0}}, 1.0, {842.0, 595.0}},
      {{{18.0, 12.0}, {806.0, 571.0}}, 1.0, {806.0, 571.0}},
      {{{18.0, 12.0}, {806.0, 571.0}}, 0.5, {1612.0, 1142.0}},
      {{{18.0, 12.0}, {806.0, 571.0}}, 2.0, {403.0, 285.5}},
      {{{18.0, 12.0}, {806.0, 571.0}}, 0.0, {806.0, 571.0}},
      {{{18.0, 12.0}, {806.0, 571.0}}, std::nan(""), {806.0, 571.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "scaling " << c.scaling << ", margin " << c.imageable.origin.x);
    const Rect frame = PrintView::paginatedFrame(c.imageable, c.scaling);
    EXPECT_EQ(frame.origin, (Vec2{0.0, 0.0}));
    EXPECT_DOUBLE_EQ(frame.size.x, c.size.x);
    EXPECT_DOUBLE_EQ(frame.size.y, c.size.y);
  }
}

TEST(PrintViewTest, EqualWidthsGiveNoBandPath) {
  auto graph = Graph::create();
  EXPECT_TRUE(PrintView::bandPath(2.0, 2.0, 1.0, *graph, CrossingStatus::on, false).isEmpty());
}

}  // namespace
}  // namespace ornival
