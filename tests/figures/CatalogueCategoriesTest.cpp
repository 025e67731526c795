#include "figures/catalogue/CatalogueCategories.h"

#include "figures/Figure.h"
#include "figures/FractionText.h"
#include "platform/DecimalFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace ornival {
namespace {

namespace cc = catalogueCategories;

const Figure& figureOf(Shapes tool) { return *Shapes::figures()[std::size_t(tool.rawValue() - 1)]; }
int n(Shapes t) { return int(figureOf(t).vertices().size()); }
int v(Shapes t) { return figureOf(t).variantCount(); }
int c(Shapes t) { return figureOf(t).concave(); }
int e(Shapes t) { return figureOf(t).equilateralCount(); }
int m(Shapes t) { return t.mirrorAxisCount(); }
double degrees(Shapes t) { return figureOf(t).angle(); }

// The smallest corner exactly, as the fraction of a turn its dividend gives.
struct Turn {
  std::int64_t numerator, denominator;
  friend bool operator<(Turn x, Turn y) { return x.numerator * y.denominator < y.numerator * x.denominator; }
  friend Turn operator-(Turn x) { return {-x.numerator, x.denominator}; }
};
Turn a(Shapes t) {
  const Figure& f = figureOf(t);
  const auto smallest = *std::min_element(f.dividends().begin(), f.dividends().end());
  return {smallest * std::int64_t(f.dividends().size() - 2), f.divisor()};
}

// Density as computed: one figure and its mirror image may differ in the last
// bits, so values this close count as one.
struct Near {
  double value;
  friend bool operator<(Near x, Near y) { return x.value < y.value - 1e-12 * std::abs(y.value); }
  friend Near operator-(Near x) { return {-x.value}; }
};
Near d(Shapes t) { return {figureOf(t).density()}; }

// How often each tool stands in the category.
std::map<int, int> occurrences(const CatalogueCategory& category) {
  std::map<int, int> result;
  for (const auto& section : category.items)
    for (Shapes tool : section)
      ++result[tool.rawValue()];
  return result;
}

void expectEveryToolOnce(const CatalogueCategory& category) {
  const auto seen = occurrences(category);
  EXPECT_EQ(seen.size(), Shapes::allButLast().size());
  for (const auto& [raw, times] : seen)
    EXPECT_EQ(times, 1) << "figure " << raw;
}

void expectAligned(const CatalogueCategory& category) {
  EXPECT_EQ(category.sectionNames.size(), category.items.size());
  for (const auto& section : category.items)
    EXPECT_FALSE(section.empty());
}

// Within each section the order is the key's, ties in catalogue order: the
// key with the raw value appended rises strictly.
template <typename Key>
void expectSortedBy(const CatalogueCategory& category, Key key) {
  for (std::size_t s = 0; s < category.items.size(); ++s) {
    const auto& section = category.items[s];
    for (std::size_t i = 1; i < section.size(); ++i)
      EXPECT_LT(std::tuple_cat(key(section[i - 1]), std::tuple(section[i - 1].rawValue())),
                std::tuple_cat(key(section[i]), std::tuple(section[i].rawValue())))
          << "section " << s << " item " << i;
  }
}

// Every tool of a section shares the value of the property that titles it.
template <typename Property>
std::vector<int> sectionValues(const CatalogueCategory& category, Property property) {
  std::vector<int> values;
  for (const auto& section : category.items) {
    values.push_back(property(section.front()));
    for (Shapes tool : section)
      EXPECT_EQ(property(tool), values.back()) << "figure " << tool.rawValue();
  }
  return values;
}

TEST(CatalogueCategoriesTest, FamiliesHoldTheNineteenListsAndTheRest) {
  const auto& category = cc::fixed()[cc::families];
  expectAligned(category);
  expectEveryToolOnce(category);
  ASSERT_EQ(category.items.size(), 20u);
  const std::vector<std::size_t> sizes = {74, 20, 7, 4, 13, 23, 19, 6, 69, 184, 18, 10, 147, 59, 54, 60, 91, 18, 4, 241};
  const std::vector<std::string> titles = {"Ornival 8", "Rosette 16", "Small Rosette 16", "Inner Rosette 16",
                                           "Rosette 24", "Ornival 10 ¹⁄₁₀", "Ornival 10 ¹⁄₅", "Rosette 20",
                                           "Rosette 12", "Ornival 12", "Rosette 32", "Bagdad", "Ornival 7",
                                           "Ornival 9", "Other Ornival 10", "Edge Pieces 8", "Edge Pieces 10",
                                           "Edge Pieces 12", "Edge Pieces 16", "Other"};
  for (std::size_t s = 0; s < 20; ++s) {
    EXPECT_EQ(category.items[s].size(), sizes[s]) << titles[s];
    EXPECT_EQ(category.sectionNames[s], (SectionName{titles[s], "", titles[s]}));
  }
  // The first tools of a few lists, by name, against the transcription.
  EXPECT_EQ(category.items[0][0], Shapes::sun8);
  EXPECT_EQ(category.items[0][1], Shapes::sunray18);
  EXPECT_EQ(category.items[0][2], Shapes::rightTriangle);
  EXPECT_EQ(category.items[1][0], Shapes::star16);
  EXPECT_EQ(category.items[1][1], Shapes::sunray116);
  EXPECT_EQ(category.items[5][0], Shapes::sun10);
  EXPECT_EQ(category.items[5][2], Shapes::petal15);
  EXPECT_EQ(category.items[15][0], Shapes::sunEdge);
  EXPECT_EQ(category.items[15][1], Shapes::sunCorner);
  EXPECT_EQ(category.items[18][0].rawValue(), 251);
  EXPECT_EQ(category.items[18][3].rawValue(), 705);
  // The rest in catalogue order.
  EXPECT_TRUE(std::is_sorted(category.items[19].begin(), category.items[19].end(),
                             [](Shapes x, Shapes y) { return x.rawValue() < y.rawValue(); }));
}

TEST(CatalogueCategoriesTest, EdgeVariantsGroupByPeriodWithTheDualPolygonsSecond) {
  const auto& category = cc::fixed()[cc::edgeVariants];
  expectAligned(category);
  expectEveryToolOnce(category);
  EXPECT_EQ(category.items[1], cc::dualList());
  EXPECT_EQ(category.sectionNames[1].name, "Dual Polygons");
  CatalogueCategory periods = category;
  periods.items.erase(periods.items.begin() + 1);
  periods.sectionNames.erase(periods.sectionNames.begin() + 1);
  const auto values = sectionValues(periods, v);
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  EXPECT_EQ(std::set<int>(values.begin(), values.end()).size(), values.size());
  // Each title names the period its section holds.
  for (std::size_t s = 0; s < values.size(); ++s) {
    const std::string expected = values[s] == 1   ? "Regular Polygons"
                                 : values[s] == 2 ? "Isotoxal Polygons"
                                                  : "Polygons with " + std::to_string(values[s]) + " Edge Variants";
    EXPECT_EQ(periods.sectionNames[s].name, expected);
  }
  expectSortedBy(periods, [](Shapes t) { return std::tuple(n(t), -m(t), c(t), -e(t), -d(t), -a(t)); });
}

TEST(CatalogueCategoriesTest, EdgeLengthsListEveryFigureUnderEachOfItsLengths) {
  const auto& category = cc::fixed()[cc::edgeLengths];
  expectAligned(category);
  std::set<double> lengths;
  for (Shapes tool : Shapes::allButLast())
    lengths.insert(figureOf(tool).lengths().begin(), figureOf(tool).lengths().end());
  ASSERT_EQ(category.items.size(), lengths.size());
  const auto seen = occurrences(category);
  for (Shapes tool : Shapes::allButLast()) {
    const auto& own = figureOf(tool).lengths();
    EXPECT_EQ(seen.at(tool.rawValue()), int(std::set<double>(own.begin(), own.end()).size())) << tool.rawValue();
  }
  std::size_t s = 0;
  bool sharedMenuName = false;
  for (double x : lengths) {
    for (Shapes tool : category.items[s]) {
      const auto& own = figureOf(tool).lengths();
      EXPECT_NE(std::find(own.begin(), own.end(), x), own.end());
    }
    EXPECT_EQ(category.sectionNames[s].name, formatDecimal(x, 2));
    EXPECT_EQ(category.sectionNames[s].menuName, formatDecimal(x, 1, DecimalRounding::floor));
    sharedMenuName = sharedMenuName || (s > 0 && category.sectionNames[s].menuName == category.sectionNames[s - 1].menuName);
    ++s;
  }
  EXPECT_TRUE(sharedMenuName);
  expectSortedBy(category, [](Shapes t) { return std::tuple(a(t)); });
  // √2 and 1 by name, symbol and menu entry.
  const auto root2 = std::find_if(category.sectionNames.begin(), category.sectionNames.end(),
                                  [](const SectionName& name) { return name.name == "1.41"; });
  ASSERT_NE(root2, category.sectionNames.end());
  EXPECT_EQ(*root2, (SectionName{"1.41", "√2", "1.4"}));
  EXPECT_TRUE(std::any_of(category.sectionNames.begin(), category.sectionNames.end(),
                          [](const SectionName& name) { return name == SectionName{"1", "", "1"}; }));
}

TEST(CatalogueCategoriesTest, ClosedFormsAreLookedUpByTheFourDecimalsRoundedDown) {
  EXPECT_EQ(cc::closedForm(std::sqrt(2.0)), "√2");
  EXPECT_EQ(cc::closedForm((1.0 + std::sqrt(5.0)) / 2.0), "\U0001D711");
  EXPECT_EQ(cc::closedForm((1.0 + std::sqrt(5.0)) / 2.0 - 1.0), "\U0001D711 - 1");
  EXPECT_EQ(cc::closedForm(std::sqrt(3.0) / 2.0), "√3 / 2");
  EXPECT_EQ(cc::closedForm(1.41429), "√2");  // 1.4142 after flooring
  EXPECT_EQ(cc::closedForm(1.41419), "");
  EXPECT_EQ(cc::closedForm(1.0), "");
}

TEST(CatalogueCategoriesTest, SmallestAngleGroupsWithinAFiveHundredTwelfthOfTheFirst) {
  const auto& category = cc::fixed()[cc::smallestAngle];
  expectAligned(category);
  expectEveryToolOnce(category);
  double previousFirst = -1.0;
  for (std::size_t s = 0; s < category.items.size(); ++s) {
    const auto& section = category.items[s];
    double first = degrees(section.front());
    for (Shapes tool : section)
      first = std::min(first, degrees(tool));
    for (Shapes tool : section)
      EXPECT_LE(degrees(tool) - first, 1.0 / 512.0);
    // The next group starts more than the tolerance above this one's first.
    EXPECT_GT(first - previousFirst, s == 0 ? 0.0 : 1.0 / 512.0);
    previousFirst = first;
    const auto& title = category.sectionNames[s];
    EXPECT_EQ(title.name, formatDecimal(first, 2) + "°");
    EXPECT_EQ(title.symbol, fractionText(fractionOfTurn(first)));
    EXPECT_EQ(title.menuName, title.name + "    \t" + title.symbol);
  }
  expectSortedBy(category, [](Shapes t) { return std::tuple(n(t), a(t)); });
  const auto right = std::find_if(category.sectionNames.begin(), category.sectionNames.end(),
                                  [](const SectionName& name) { return name.name == "45°"; });
  ASSERT_NE(right, category.sectionNames.end());
  EXPECT_EQ(*right, (SectionName{"45°", "¹⁄₈", "45°    \t¹⁄₈"}));
}

TEST(CatalogueCategoriesTest, EdgeCountAndConcavityTitleWhatTheirSectionsHold) {
  const auto& edges = cc::fixed()[cc::edgeCount];
  expectAligned(edges);
  expectEveryToolOnce(edges);
  const auto counts = sectionValues(edges, n);
  EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
  for (std::size_t s = 0; s < counts.size(); ++s)
    EXPECT_EQ(edges.sectionNames[s].name, "Polygons with " + std::to_string(counts[s]) + " Edges");
  expectSortedBy(edges, [](Shapes t) { return std::tuple(c(t), v(t), -m(t), -e(t), -a(t), d(t)); });

  const auto& concavity = cc::fixed()[cc::concavity];
  expectAligned(concavity);
  expectEveryToolOnce(concavity);
  const auto reflex = sectionValues(concavity, c);
  EXPECT_EQ(reflex.front(), 0);
  EXPECT_TRUE(std::is_sorted(reflex.begin(), reflex.end()));
  EXPECT_EQ(concavity.sectionNames[0].name, "Convex");
  for (std::size_t s = 1; s < reflex.size(); ++s)
    EXPECT_EQ(concavity.sectionNames[s].name, "Concave " + std::to_string(reflex[s]));
  expectSortedBy(concavity, [](Shapes t) { return std::tuple(n(t), v(t), -m(t), -e(t), -d(t), -a(t)); });
}

TEST(CatalogueCategoriesTest, AngleFamiliesHoldEveryFigureWithACornerOfADivisor) {
  const auto& category = cc::fixed()[cc::angleFamily];
  expectAligned(category);
  std::set<std::int64_t> denominators;
  for (Shapes tool : Shapes::allButLast())
    denominators.insert(fractionOfTurn(degrees(tool)).denominator);
  ASSERT_EQ(category.items.size(), denominators.size());
  std::size_t s = 0;
  for (std::int64_t family : denominators) {
    std::set<int> expected;
    for (Shapes tool : Shapes::allButLast())
      for (double angle : figureOf(tool).angles())
        if (family % fractionOfTurn(angle).denominator == 0)
          expected.insert(tool.rawValue());
    std::set<int> actual;
    for (Shapes tool : category.items[s])
      actual.insert(tool.rawValue());
    EXPECT_EQ(actual, expected) << "family " << family;
    EXPECT_EQ(category.sectionNames[s].name, "Family " + fractionText(1, family, 1));
    ++s;
  }
  expectSortedBy(category, [](Shapes t) { return std::tuple(n(t), v(t), -m(t), c(t), -a(t), d(t)); });
  // The right isosceles triangle, of eighth and quarter turns, stands in
  // every family of a multiple of 4 and only there.
  for (std::size_t i = 0; i < category.items.size(); ++i) {
    const auto& names = category.sectionNames[i].name;
    const bool holds = std::find(category.items[i].begin(), category.items[i].end(), Shapes::rightTriangle) !=
                       category.items[i].end();
    const bool multipleOf4 = *std::next(denominators.begin(), std::ptrdiff_t(i)) % 4 == 0;
    EXPECT_EQ(holds, multipleOf4) << names;
  }
  EXPECT_NE(std::find_if(category.sectionNames.begin(), category.sectionNames.end(),
                         [](const SectionName& name) { return name.name == "Family ¹⁄₈"; }),
            category.sectionNames.end());
}

TEST(CatalogueCategoriesTest, SymmetryListsMirrorGroupsBeforeRotationGroups) {
  const auto& category = cc::fixed()[cc::symmetry];
  expectAligned(category);
  expectEveryToolOnce(category);
  std::vector<std::pair<int, int>> keys;  // (mirror axes, rotations) per section
  for (std::size_t s = 0; s < category.items.size(); ++s) {
    const Shapes first = category.items[s].front();
    const int axes = m(first);
    const int r = first.rotationCount();
    for (Shapes tool : category.items[s])
      EXPECT_EQ(axes > 0 ? m(tool) : -tool.rotationCount(), axes > 0 ? axes : -r);
    const auto& title = category.sectionNames[s];
    if (axes > 0) {
      EXPECT_EQ(title.name,
                "Polygons with " + std::to_string(axes) + " Symmetry " + (axes == 1 ? "Axis" : "Axes"));
      EXPECT_EQ(title.symbol, "D" + subscriptText(axes));
    } else {
      EXPECT_EQ(title.name, "Polygons with " + std::to_string(r) + "-fold Symmetry");
      EXPECT_EQ(title.symbol, "C" + subscriptText(r));
    }
    EXPECT_EQ(title.menuName, title.name + "   \t" + title.symbol);
    keys.emplace_back(axes > 0 ? 1 : 0, axes > 0 ? axes : r);
  }
  // Mirror sections first, each kind descending, no value twice.
  EXPECT_TRUE(std::is_sorted(keys.rbegin(), keys.rend()));
  EXPECT_EQ(std::set(keys.begin(), keys.end()).size(), keys.size());
  EXPECT_EQ(category.sectionNames.front().symbol.substr(0, 1), "D");
  EXPECT_EQ(category.sectionNames.back().symbol.substr(0, 1), "C");
  for (std::size_t s = 0; s < category.items.size(); ++s) {
    if (keys[s].first == 1)
      expectSortedBy(CatalogueCategory{{}, {category.items[s]}},
                     [](Shapes t) { return std::tuple(n(t), -a(t), d(t)); });
    else
      expectSortedBy(CatalogueCategory{{}, {category.items[s]}}, [](Shapes t) { return std::tuple(n(t), -a(t)); });
  }
}

// A figure and its mirror image tie on every key of every sorted section, so
// they stand in catalogue order wherever they meet, however the last bits of
// their computed angles and densities fall.
TEST(CatalogueCategoriesTest, MirrorImagesStandInCatalogueOrderWhereverTheyMeet) {
  int pairs = 0;
  for (int category : {cc::edgeVariants, cc::edgeLengths, cc::smallestAngle, cc::edgeCount, cc::concavity,
                       cc::angleFamily, cc::symmetry})
    for (const auto& section : cc::fixed()[std::size_t(category)].items) {
      std::map<int, std::size_t> position;
      for (std::size_t i = 0; i < section.size(); ++i)
        position[section[i].rawValue()] = i;
      for (const auto& [tool, image] : Shapes::mirrors()) {
        const auto first = position.find(tool.rawValue()), second = position.find(image.rawValue());
        if (tool.rawValue() > image.rawValue() || first == position.end() || second == position.end())
          continue;
        ++pairs;
        EXPECT_LT(first->second, second->second) << "category " << category << ": " << tool.rawValue() << " and "
                                                  << image.rawValue();
      }
    }
  EXPECT_GT(pairs, 1000);

  ToolUsage usage;
  usage.counts.assign(std::size_t(Shapes::caseCount) + 1, 0);
  for (const auto& [tool, image] : Shapes::mirrors())
    usage.counts[std::size_t(tool.rawValue())] = 1;
  const auto used = cc::byUse(usage).items.front();
  expectSortedBy(CatalogueCategory{{}, {used}}, [](Shapes t) { return std::tuple(a(t)); });
}

TEST(CatalogueCategoriesTest, UsageSeparatesUsedRecentRemovedAndUnused) {
  const auto& all = Shapes::allButLast();
  {
    const auto category = cc::byUse({});
    ASSERT_EQ(category.items.size(), 1u);
    EXPECT_EQ(category.sectionNames[0].name, "All Tiles");
    EXPECT_EQ(category.items[0], all);
  }
  ToolUsage usage;
  usage.counts.assign(std::size_t(Shapes::caseCount) + 1, 0);
  usage.counts[std::size_t(Shapes::square.rawValue())] = 2;
  usage.counts[std::size_t(Shapes::octagon.rawValue())] = 5;
  usage.counts[std::size_t(Shapes::rightTriangle.rawValue())] = 2;
  // A used figure stays used whatever the lists say; recent wins over removed.
  usage.recent = {Shapes::square, Shapes::star16, Shapes::sun10};
  usage.removed = {Shapes::sun10, Shapes::octagon, Shapes::house};
  const auto category = cc::byUse(usage);
  ASSERT_EQ(category.items.size(), 4u);
  std::vector<std::string> titles;
  for (const auto& name : category.sectionNames)
    titles.push_back(name.name);
  EXPECT_EQ(titles, (std::vector<std::string>{"Used", "Recent", "Removed", "Unused"}));
  // By count, then the smaller smallest angle (45° before 90°).
  EXPECT_EQ(category.items[0], (std::vector<Shapes>{Shapes::octagon, Shapes::rightTriangle, Shapes::square}));
  EXPECT_EQ(category.items[1], (std::vector<Shapes>{Shapes::star16, Shapes::sun10}));
  EXPECT_EQ(category.items[2], (std::vector<Shapes>{Shapes::house}));
  EXPECT_EQ(category.items[3].size(), all.size() - 6);
  // Only removed figures: the rest is "Unused", not "All Tiles".
  const auto removedOnly = cc::byUse({{}, {}, {Shapes::house}});
  ASSERT_EQ(removedOnly.items.size(), 2u);
  EXPECT_EQ(removedOnly.sectionNames[1].name, "Unused");
}

}  // namespace
}  // namespace ornival
