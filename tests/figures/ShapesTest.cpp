#include "figures/Figure.h"
#include "figures/catalogue/CatalogueEntry.h"
#include "figures/catalogue/Shapes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>

namespace ornival {
namespace {

const Figure& figureOf(Shapes s) { return *Shapes::figures()[std::size_t(s.rawValue() - Shapes::firstRawValue)]; }

TEST(Shapes, RawValuesOutsideTheCatalogueHaveNoCase) {
  EXPECT_EQ(Shapes::init(1), Shapes::rightTriangle);
  EXPECT_EQ(Shapes::init(1122), Shapes::multi);
  for (std::int64_t raw : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1123},
                           std::int64_t{1} << 32, std::numeric_limits<std::int64_t>::min()})
    EXPECT_FALSE(Shapes::init(raw).has_value()) << raw;
}

TEST(Shapes, CasesRunInRawValueOrderAndEachSlotHoldsItsOwnFigure) {
  const std::vector<Shapes> all = Shapes::allCases();
  ASSERT_EQ(all.size(), 1122u);
  ASSERT_EQ(Shapes::figures().size(), 1122u);
  for (std::size_t i = 0; i < all.size(); ++i) {
    ASSERT_EQ(all[i].rawValue(), int(i) + 1);
    ASSERT_EQ(Shapes::init(all[i].rawValue()), all[i]);
    ASSERT_EQ(Shapes::figures()[i]->tool(), all[i]);
    ASSERT_EQ(Shapes::figures()[i]->name(), catalogueEntries()[i].displayName);
  }
  EXPECT_EQ(&Shapes::figures(), &Shapes::figures());

  const std::vector<Shapes>& real = Shapes::allButLast();
  ASSERT_EQ(real.size(), 1121u);
  EXPECT_EQ(real.front(), Shapes::rightTriangle);
  EXPECT_EQ(real.back(), Shapes::lotus);
  EXPECT_EQ(Shapes::caseCount, 1122);
  EXPECT_EQ(Shapes::firstRawValue, 1);
}

// Case names that the spelling rule does not give, and display names with
// unusual characters, checked code point by code point.
TEST(Shapes, CaseNamesAndDisplayNamesMatchTheirRawValues) {
  const struct {
    Shapes tool;
    int rawValue;
    const char* name;
  } cases[] = {
      {Shapes::rightTriangle, 1, "Right Triangle"},
      {Shapes::rhombus18, 3, "Rhombus \u00b9\u2044\u2088"},
      {Shapes::sun8, 4, "Sun"},
      {Shapes::kinkRoot2, 34, "Kink \u221a2"},
      {Shapes::candle12b, 193, "Candle 12 B"},
      {Shapes::sun814, 213, "Sun \u207b\u00b9\u2044\u2084"},
      {Shapes::l, 279, "L"},
      {Shapes::reverseL, 280, "\u2143"},
      {Shapes::rectangle_1_707, 286, "Rectangle 1+1/\u221a2"},
      {Shapes::wingBolt, 314, "Wing Bolt"},
      {Shapes::propeller5, 318, "Propeller\u00a05"},
      {Shapes::reverseFinA, 465, "Fin -A"},
      {Shapes::decastar45320, 653, "Decastar \u207b\u00b9\u2044\u2085 \u00b3\u2044\u2082\u2080"},
      {Shapes::decastar910320, 654, "Decastar \u207b\u00b9\u2044\u2085 \u00b3\u2044\u2082\u2080"},
      {Shapes::star16_33, 659, "Star \u00b9\u2044\u2086 3,3"},
      {Shapes::column7, 833, "Columnn 7"},
      {Shapes::leftDecastar320, 904, "Left Decastar \u00b3\u2044\u2082\u2080"},
      {Shapes::rightDecastar320, 924, "Right Decastar \u00b3\u2044\u2082\u2080"},
      {Shapes::bottonHalfDrum15, 1012, "Bottom Half Drum \u00b9\u2044\u2085"},
      {Shapes::left34sunrise, 1106, "Left \u00b3\u2044\u2084 Sunrise"},
      {Shapes::lotus, 1121, "Lotus"},
      {Shapes::multi, 1122, "Multi"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.tool.rawValue(), c.rawValue) << c.name;
    EXPECT_EQ(figureOf(c.tool).name(), c.name) << c.rawValue;
  }
}

TEST(Shapes, MetadataListsHaveTheirSizes) {
  std::map<Heading, int> headings;
  int givenAxes = 0;
  int declaredScaleable = 0;
  for (const CatalogueEntry& entry : catalogueEntries()) {
    ++headings[entry.heading];
    givenAxes += entry.axis.has_value();
    declaredScaleable += entry.scaleable;
  }
  const std::map<Heading, int> expected{
      {Heading::east, 20},  {Heading::northEast, 1}, {Heading::north, 150},    {Heading::northWest, 1},
      {Heading::west, 43},  {Heading::southWest, 4}, {Heading::south, 900},    {Heading::southEast, 3}};
  EXPECT_EQ(headings, expected);
  EXPECT_EQ(givenAxes, 209);
  // 99 equilateral and 590 declared; the equilateral ones may declare it too.
  EXPECT_EQ(declaredScaleable, 1122 - 433);

  EXPECT_EQ(figureOf(Shapes::init(152).value()).heading(), Heading::northEast);
  EXPECT_EQ(figureOf(Shapes::init(151).value()).heading(), Heading::northWest);
  EXPECT_EQ(figureOf(Shapes::slash).heading(), Heading::southWest);
  EXPECT_EQ(figureOf(Shapes::backslash).heading(), Heading::southEast);
}

TEST(Shapes, GivenAxesWinOverTheComputedOnes) {
  for (const auto& [tool, given] : {std::pair{Shapes::sun8, Axis::vertex(1)}, std::pair{Shapes::slash, Axis::edge(1)}}) {
    const CatalogueEntry& entry = catalogueEntries()[std::size_t(tool.rawValue() - 1)];
    auto bare = Figure::create(tool, "bare");
    bare->setup(entry.dividends, entry.lengths);
    EXPECT_NE(bare->axis(), given) << "the given axis would not show";
    EXPECT_EQ(figureOf(tool).axis(), given);
  }
}

TEST(Shapes, ScaleableDeclarationsWinOverUnequalSides) {
  EXPECT_TRUE(figureOf(Shapes::rightTriangle).scaleable());
  EXPECT_FALSE(figureOf(Shapes::rightTriangle).equilateral());
  EXPECT_FALSE(figureOf(Shapes::acornA).scaleable());
  EXPECT_FALSE(figureOf(Shapes::acornA).equilateral());
  EXPECT_TRUE(figureOf(Shapes::sun8).scaleable());
  EXPECT_TRUE(figureOf(Shapes::sun8).equilateral());
}

TEST(Shapes, TheGroupTileEntryIsAUnitTriangle) {
  const Figure& multi = figureOf(Shapes::multi);
  EXPECT_EQ(multi.name(), "Multi");
  EXPECT_EQ(multi.dividends(), (std::vector<std::int64_t>{1, 1, 1}));
  EXPECT_EQ(multi.lengths(), (std::vector<double>{1.0, 1.0, 1.0}));
}

// Families written by their rule's parameters give the sequences the rule
// describes, including the stars stored in lowest terms and the two sectors
// that begin later.
TEST(Shapes, FamilyRulesGiveTheirSequences) {
  using D = std::vector<std::int64_t>;
  const double c = 2.414213562373095;
  const struct {
    Shapes tool;
    D dividends;
    std::vector<double> lengths;
  } cases[] = {
      {Shapes::rhombus18, {1, 3, 1, 3}, {3.414213562373095, 3.414213562373095, 3.414213562373095, 3.414213562373095}},
      {Shapes::init(796).value(), {3, 4, 3, 4}, std::vector<double>(4, 0.5724165284311622)},
      {Shapes::sun8, {2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5}, std::vector<double>(16, 1.0)},
      {Shapes::init(184).value(), {1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}, std::vector<double>(20, 1.0)},
      {Shapes::init(353).value(), {1, 2, 1, 5, 2, 5}, {1.0, c, c, 1.0, 1.0, 1.0}},
      {Shapes::sun814, {2, 5, 1, 6, 1, 5, 2, 5, 2, 5, 2, 5, 2, 5}, {1.0, 1.0, 1.0, c, c, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0}},
      {Shapes::sun78, {2, 5, 1, 7, 1, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5},
       {1.0, 1.0, 1.0, c, c, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0}},
  };
  for (const auto& e : cases) {
    const Figure& figure = figureOf(e.tool);
    EXPECT_EQ(figure.dividends(), e.dividends) << figure.name();
    EXPECT_EQ(figure.lengths(), e.lengths) << figure.name();
  }
}

TEST(Shapes, RightEntriesAreTheirLeftEntriesMirrored) {
  // Where both sides of a pair were written down, the rule reproduces them.
  EXPECT_EQ(figureOf(Shapes::rightSunray110).dividends(), (std::vector<std::int64_t>{1, 6, 3}));
  EXPECT_EQ(figureOf(Shapes::rightSunray110).lengths(),
            (std::vector<double>{3.0776835371752536, 2.618033988749895, 1.0}));

  // The start moves the leading elements of both sequences to the end.
  const std::vector<std::int64_t> d{1, 6, 3, 2, 3, 2, 3};
  const std::vector<double> l{10, 11, 12, 13, 14, 15, 16};
  const auto [d0, l0] = mirroredOutline(d, l, 0);
  EXPECT_EQ(d0, (std::vector<std::int64_t>{1, 3, 2, 3, 2, 3, 6}));
  EXPECT_EQ(l0, (std::vector<double>{11, 10, 16, 15, 14, 13, 12}));
  const auto [d2, l2] = mirroredOutline(d, l, 2);
  EXPECT_EQ(d2, (std::vector<std::int64_t>{2, 3, 2, 3, 6, 1, 3}));
  EXPECT_EQ(l2, (std::vector<double>{16, 15, 14, 13, 12, 11, 10}));
}

TEST(Shapes, MirrorMapPairsMirrorImagesAndLeavesTheRestOut) {
  const auto& mirrors = Shapes::mirrors();
  for (const auto& [s, m] : mirrors) {
    ASSERT_TRUE(mirrors.contains(m)) << s.rawValue();
    EXPECT_EQ(mirrors.at(m), s) << s.rawValue();
    EXPECT_NE(s, Shapes::multi);
    EXPECT_NE(m, Shapes::multi);
  }
  for (Shapes s : {Shapes::multi, Shapes::rightTriangle, Shapes::wingBolt, Shapes::flatOctagon})
    EXPECT_FALSE(mirrors.contains(s)) << s.rawValue();

  // The telling pairs.
  const std::pair<Shapes, Shapes> pairs[] = {
      {Shapes::rightBird, Shapes::leftBird},           {Shapes::slash, Shapes::backslash},
      {Shapes::l, Shapes::reverseL},                   {Shapes::leftSunray220, Shapes::rightSunray220},
      {Shapes::star16_2_2_3, Shapes::star16_3_2_2},     {Shapes::decastar1320320310, Shapes::decastar1320310320},
      {Shapes::leftDecastar320, Shapes::rightDecastar320}, {Shapes::leftHalfWingsA, Shapes::rightHalfWingsA},
      {Shapes::leftSunray110, Shapes::rightSunray110}};
  for (const auto& [a, b] : pairs) {
    ASSERT_TRUE(mirrors.contains(a)) << a.rawValue();
    EXPECT_EQ(mirrors.at(a), b);
    EXPECT_EQ(mirrors.at(b), a);
  }
}

// The axis a figure mirrors across comes from lining it up with its partner in
// the mirror map, not from the axis the catalogue stores; figures without a
// partner keep their stored axis.
TEST(Shapes, MirrorAxisLinesAFigureUpWithItsPartner) {
  // Left Bird 1, 6, 3, 2, 3, 2, 3 and Right Bird 1, 3, 2, 3, 2, 3, 6 line up
  // at the half-position t = 2 either way round: vertex 1.
  EXPECT_EQ(figureOf(Shapes::rightBird).axis(), Axis::vertex(3));
  EXPECT_EQ(figureOf(Shapes::rightBird).mirrorAxis(), Axis::vertex(1));
  EXPECT_EQ(figureOf(Shapes::leftBird).axis(), Axis::vertex(6));
  EXPECT_EQ(figureOf(Shapes::leftBird).mirrorAxis(), Axis::vertex(1));

  for (Shapes s : {Shapes::sun8, Shapes::rightTriangle, Shapes::wingBolt, Shapes::multi})
    EXPECT_EQ(figureOf(s).mirrorAxis(), figureOf(s).axis()) << s.rawValue();
}

TEST(Shapes, NameModifiers) {
  const auto& words = Shapes::nameModifiers();
  ASSERT_EQ(words.size(), 20u);
  EXPECT_EQ(words.front(), "Right");
  EXPECT_EQ(words[1], "Left");
  EXPECT_EQ(words.back(), "Three Quarters");
}

TEST(Shapes, BrowserCountsComeFromTheFigure) {
  EXPECT_EQ(Shapes::init(7)->mirrorAxisCount(), 4);  // Square
  EXPECT_EQ(Shapes::init(7)->rotationCount(), 4);
  EXPECT_EQ(Shapes::sun8.rotationCount(), 8);
  EXPECT_EQ(Shapes::rightTriangle.mirrorAxisCount(), 1);
  EXPECT_EQ(Shapes::rightTriangle.rotationCount(), 1);
}

}  // namespace
}  // namespace ornival
