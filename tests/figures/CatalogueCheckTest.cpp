// The catalogue's data held against what every figure must be: a closed,
// simple, counter-clockwise polygon whose corners have their dividends'
// angles, named truthfully, with a roof that triangulates; and, over the whole
// table, the shape the catalogue is known to have.

#include "figures/Figure.h"
#include "figures/FractionText.h"
#include "figures/Roof.h"
#include "figures/Triangulation.h"
#include "figures/Vertex.h"
#include "figures/catalogue/CatalogueEntry.h"
#include "figures/catalogue/Shapes.h"
#include "platform/DecimalFormat.h"
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <iostream>
#include <iterator>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornival {
namespace {

using Int = std::int64_t;

struct Item {
  const CatalogueEntry& entry;
  const Figure& figure;
};

const Figure& figureOf(Shapes s) { return *Shapes::figures()[std::size_t(s.rawValue() - Shapes::firstRawValue)]; }

std::vector<Item> allItems() {
  std::vector<Item> items;
  for (const CatalogueEntry& entry : catalogueEntries())
    items.push_back({entry, figureOf(entry.tool)});
  return items;
}

std::string label(const CatalogueEntry& entry) {
  return formatInteger(entry.tool.rawValue()) + " " + std::string(entry.displayName);
}

void report(const std::string& key, const std::string& value) {
  testing::Test::RecordProperty(key, value);
  std::cout << "[ catalogue ] " << key << ": " << value << "\n";
}

// A fraction of a turn in a display name: superscript numerator, fraction
// slash, subscript denominator, perhaps led by a superscript minus for a
// reflex corner.
struct NameFraction {
  bool reflex = false;
  Int numerator = 0;
  Int denominator = 0;
};

std::vector<char32_t> codePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int extra = byte < 0x80 ? 0 : byte < 0xE0 ? 1 : byte < 0xF0 ? 2 : 3;
    char32_t point = extra == 0 ? byte : byte & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
      point = (point << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3F);
    points.push_back(point);
    i += std::size_t(extra) + 1;
  }
  return points;
}

std::optional<int> superscriptDigit(char32_t c) {
  switch (c) {
    case U'\u2070': return 0;
    case U'\u00b9': return 1;
    case U'\u00b2': return 2;
    case U'\u00b3': return 3;
    default: return c >= U'\u2074' && c <= U'\u2079' ? std::optional<int>(int(c - U'\u2070')) : std::nullopt;
  }
}

std::optional<int> subscriptDigit(char32_t c) {
  return c >= U'\u2080' && c <= U'\u2089' ? std::optional<int>(int(c - U'\u2080')) : std::nullopt;
}

std::vector<NameFraction> nameFractions(std::string_view name) {
  const std::vector<char32_t> points = codePoints(name);
  std::vector<NameFraction> fractions;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (points[i] != U'\u2044')
      continue;
    NameFraction f;
    Int scale = 1;
    std::size_t j = i;
    while (j > 0 && superscriptDigit(points[j - 1])) {
      f.numerator += *superscriptDigit(points[j - 1]) * scale;
      scale *= 10;
      --j;
    }
    f.reflex = j > 0 && points[j - 1] == U'\u207b';
    for (std::size_t k = i + 1; k < points.size() && subscriptDigit(points[k]); ++k)
      f.denominator = f.denominator * 10 + *subscriptDigit(points[k]);
    EXPECT_TRUE(scale > 1 && f.denominator > 0) << name;
    fractions.push_back(f);
  }
  return fractions;
}

// The interior angle at vertices[k] from the coordinates, in radians.
double cornerAngle(const std::vector<Vec2>& v, std::size_t k) {
  const std::size_t n = v.size();
  const Vec2 a = v[(k + n - 1) % n], b = v[k], c = v[(k + 1) % n];
  double theta = std::atan2(a.y - b.y, a.x - b.x) - std::atan2(c.y - b.y, c.x - b.x);
  if (theta < 0)
    theta += 2 * std::numbers::pi;
  return theta;
}

double pointSegmentDistance(Vec2 p, Vec2 a, Vec2 b) {
  const Vec2 ab = b - a;
  const double t = std::clamp((p - a).dot(ab) / ab.lengthSquared(), 0.0, 1.0);
  return (p - (a + ab * t)).length();
}

double segmentDistance(Vec2 a, Vec2 b, Vec2 c, Vec2 d) {
  const double d1 = (b - a).cross(c - a), d2 = (b - a).cross(d - a);
  const double d3 = (d - c).cross(a - c), d4 = (d - c).cross(b - c);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
    return 0.0;
  return std::min({pointSegmentDistance(a, c, d), pointSegmentDistance(b, c, d), pointSegmentDistance(c, a, b),
                   pointSegmentDistance(d, a, b)});
}

TEST(CatalogueCheck, EveryEntryClosesWithItsAngles) {
  for (const auto& [entry, figure] : allItems()) {
    const std::size_t n = entry.dividends.size();
    ASSERT_GE(n, 3u) << label(entry);
    ASSERT_EQ(entry.lengths.size(), n) << label(entry);
    const std::vector<Vec2>& v = figure.vertices();
    ASSERT_EQ(v.size(), n) << label(entry);

    // The walk uses all but the closing side; that one, turned at its corner
    // like every other side, must lead back to the origin. Its length alone
    // would also fit a last corner that lies a little off to one side.
    const Int divisor = figure.divisor();
    Int direction = 0;  // in half divisor units
    for (std::size_t i = 0; i + 1 < n; ++i)
      direction = (direction + 3 * divisor - 2 * entry.dividends[i] * Int(n - 2)) % (2 * divisor);
    const double turn = std::numbers::pi * double(direction) / double(divisor);
    const Vec2 end = v.back() + Vec2{std::cos(turn), std::sin(turn)} * entry.lengths.back();
    EXPECT_LE(end.length(), 5e-13) << label(entry) << ": the closing side ends " << formatNumber(end.x) << ", "
                                   << formatNumber(end.y) << " from the origin";

    for (std::size_t k = 0; k < n; ++k) {
      const Int dividend = entry.dividends[(k + n - 1) % n];
      const double expected = 2 * std::numbers::pi * double(dividend * Int(n - 2)) / double(divisor);
      EXPECT_NEAR(cornerAngle(v, k), expected, 1e-9) << label(entry) << ", corner " << k;
    }
  }
}

TEST(CatalogueCheck, EveryEntryIsASimplePolygonOfPositiveArea) {
  for (const auto& [entry, figure] : allItems()) {
    EXPECT_GT(figure.area(), 0.0) << label(entry);
    const std::vector<Vec2>& v = figure.vertices();
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j) {
        EXPECT_FALSE(Vertex2(v[i]) == Vertex2(v[j])) << label(entry) << ", vertices " << i << " and " << j;
        const bool adjacent = j == i + 1 || (i == 0 && j == n - 1);
        if (!adjacent) {
          EXPECT_GT(segmentDistance(v[i], v[(i + 1) % n], v[j], v[(j + 1) % n]), 1e-9)
              << label(entry) << ", sides " << i << " and " << j;
        }
      }
  }
}

// What a fraction of a turn in a name stands for: a corner of that angle,
// a reflex corner (⁻p/q names the corner of 1 − p/q), or no corner at all.
enum class Named { corner, reflex, none };

Named whatFractionNames(const CatalogueEntry& entry, const Figure& figure, const NameFraction& f) {
  // A corner of dividend d is d·(n − 2)/divisor of a turn.
  const Int n = Int(entry.dividends.size());
  const Int divisor = figure.divisor();
  const Int turns = f.reflex ? f.denominator - f.numerator : f.numerator;
  const bool found = std::any_of(entry.dividends.begin(), entry.dividends.end(),
                                 [&](Int d) { return d * (n - 2) * f.denominator == turns * divisor; });
  return !found ? Named::none : f.reflex ? Named::reflex : Named::corner;
}

// Almost every fraction in a name is a corner of its figure; a handful of
// names use theirs otherwise, and the catalogue counts exactly how many of
// each there are, and which figures hold the ones that name no corner.
TEST(CatalogueCheck, NameFractionsKeepTheCataloguesTally) {
  std::map<Named, int> tally;
  std::set<int> namingNoCorner;
  for (const auto& [entry, figure] : allItems())
    for (const NameFraction& f : nameFractions(entry.displayName)) {
      const Named named = whatFractionNames(entry, figure, f);
      ++tally[named];
      if (named == Named::none)
        namingNoCorner.insert(entry.tool.rawValue());
    }
  EXPECT_EQ(tally[Named::corner], 567);
  EXPECT_EQ(tally[Named::reflex], 15);
  EXPECT_EQ(tally[Named::none], 7);
  EXPECT_EQ(namingNoCorner, (std::set<int>{324, 325, 654, 797, 798, 802, 998}));
}

TEST(CatalogueCheck, GivenAxesAndScaleableDeclarationsFitEveryEntry) {
  for (const CatalogueEntry& entry : catalogueEntries()) {
    const Figure& figure = figureOf(entry.tool);
    if (entry.axis) {
      EXPECT_LT(std::size_t(entry.axis->index), entry.dividends.size()) << label(entry);
      EXPECT_EQ(figure.axis(), *entry.axis) << label(entry);
    }
    if (!entry.scaleable) {
      EXPECT_FALSE(figure.equilateral()) << label(entry);
      EXPECT_FALSE(figure.scaleable()) << label(entry);
    } else {
      EXPECT_TRUE(figure.scaleable()) << label(entry);
    }
  }
}

TEST(CatalogueCheck, EveryRoofTriangulatesFully) {
  for (const auto& [entry, figure] : allItems()) {
    // Straight corners are dropped before the roof is built, so there may be
    // fewer faces than sides, but never none.
    const Roof roof = makeRoof(figure.vertices(), entry.tool == Shapes::wingBolt);
    EXPECT_GE(roof.faces.size(), 3u) << label(entry);
    for (std::size_t i = 0; i < roof.faces.size(); ++i) {
      const std::vector<Vertex3> points = roof.faces[i].vertices();
      ASSERT_GE(points.size(), 3u) << label(entry) << ", face " << i;
      EXPECT_EQ(Triangulation::triangulate(points).size(), 3 * (points.size() - 2)) << label(entry) << ", face " << i;
    }
  }
}

// The name with its word Left, wherever it stands, replaced by Right; none for
// a name without that word ("Petal Left 16" has one, "Leftover" would not).
std::optional<std::string> withRightForLeft(std::string_view name) {
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t end = std::min(name.find(' ', start), name.size());
    if (name.substr(start, end - start) == "Left")
      return std::string(name.substr(0, start)) + "Right" + std::string(name.substr(end));
    start = end + 1;
  }
  return std::nullopt;
}

TEST(CatalogueCheck, CornerCountsFollowTheCataloguesHistogram) {
  std::map<std::size_t, int> histogram;
  std::size_t sides = 0;
  for (const auto& figure : Shapes::figures()) {
    ++histogram[figure->dividends().size()];
    sides += figure->dividends().size();
  }
  const std::map<std::size_t, int> expected{
      {3, 30},  {4, 121}, {5, 77}, {6, 201}, {7, 53}, {8, 181}, {9, 27}, {10, 123}, {11, 16},
      {12, 107}, {13, 6}, {14, 54}, {15, 3}, {16, 58}, {17, 1}, {18, 32}, {20, 11}, {21, 1},
      {22, 3},  {24, 5},  {25, 1}, {28, 4}, {32, 3}, {40, 2}, {48, 1}, {64, 1}};
  for (const auto& [corners, count] : expected)
    EXPECT_EQ(histogram[corners], count) << "figures of " << corners << " corners";
  for (const auto& [corners, count] : histogram)
    EXPECT_TRUE(expected.contains(corners) || count == 0) << count << " figures of " << corners << " corners";
  EXPECT_EQ(sides, 10169u);
}

TEST(CatalogueCheck, NinetyNineEntriesHaveAllSidesEqual) {
  int equilateral = 0;
  for (const auto& figure : Shapes::figures())
    equilateral += figure->equilateral();
  EXPECT_EQ(equilateral, 99);
}

// A corner of half a turn does not show: between two sides of one length it
// marks where a figure meets the middle of another's side, but between sides
// of different lengths it only makes the figure look like one of fewer
// corners than it has.
TEST(CatalogueCheck, StraightCornersJoinOnlySidesOfOneLength) {
  for (const auto& [entry, figure] : allItems()) {
    const std::size_t n = entry.dividends.size();
    for (std::size_t i = 0; i < n; ++i) {
      const bool straight = 2 * entry.dividends[i] * Int(n - 2) == figure.divisor();
      EXPECT_TRUE(!straight || entry.lengths[i] == entry.lengths[(i + 1) % n]) << label(entry) << ", corner " << i;
    }
  }
}

// A figure's outline as seen: its corners as exact fractions of a turn, each
// at the end of its side, straight corners merged away, and the sides as
// shares of the perimeter, so that one shape at any size reads the same.
struct Outline {
  std::vector<std::pair<Int, Int>> corners;  // numerator, denominator, reduced
  std::vector<double> sides;
};

Outline outlineOf(const CatalogueEntry& entry, const Figure& figure) {
  const std::size_t n = entry.dividends.size();
  const Int divisor = figure.divisor();
  auto straight = [&](std::size_t i) { return 2 * entry.dividends[i % n] * Int(n - 2) == divisor; };
  std::size_t first = 0;
  while (straight(first))
    ++first;
  Outline outline;
  double side = 0.0, perimeter = 0.0;
  for (std::size_t k = 1; k <= n; ++k) {
    const std::size_t i = (first + k) % n;
    side += entry.lengths[i];
    perimeter += entry.lengths[i];
    if (straight(i))
      continue;
    const Int numerator = entry.dividends[i] * Int(n - 2);
    const Int g = gcd(numerator, divisor);
    outline.corners.emplace_back(numerator / g, divisor / g);
    outline.sides.push_back(side);
    side = 0.0;
  }
  for (double& x : outline.sides)
    x /= perimeter;
  return outline;
}

// Whether b, walked from some corner in either direction, is a.
bool similar(const Outline& a, const Outline& b) {
  const std::size_t n = a.corners.size();
  if (b.corners.size() != n)
    return false;
  for (bool mirrored : {false, true})
    for (std::size_t shift = 0; shift < n; ++shift) {
      bool same = true;
      for (std::size_t i = 0; i < n && same; ++i) {
        // Walked backwards, side j ends at the corner that began it.
        const std::size_t side = mirrored ? (2 * n - 1 - i - shift) % n : (i + shift) % n;
        const std::size_t corner = mirrored ? (3 * n - 2 - i - shift) % n : side;
        same = a.corners[i] == b.corners[corner] && std::abs(a.sides[i] - b.sides[side]) <= 1e-9;
      }
      if (same)
        return true;
    }
  return false;
}

// The name without the words that make one shape two sizes of itself.
std::string withoutSizeWords(std::string_view name) {
  std::string result;
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t end = std::min(name.find(' ', start), name.size());
    const std::string_view word = name.substr(start, end - start);
    if (word != "Big" && word != "Small" && word != "\u221a2")
      result += (result.empty() ? "" : " ") + std::string(word);
    start = end + 1;
  }
  return result;
}

// A figure is known by its shape: two names for one shape, at whatever size,
// turned or mirrored, would leave the user picking between twins. Mirror
// images are one another's partners, and a size word or a stated scale
// says that one shape comes twice on purpose.
TEST(CatalogueCheck, NoTwoNamesShareOneShape) {
  const auto items = allItems();
  std::map<std::vector<std::pair<Int, Int>>, std::vector<std::size_t>> byCorners;
  std::vector<Outline> outlines;
  for (std::size_t k = 0; k < items.size(); ++k) {
    outlines.push_back(outlineOf(items[k].entry, items[k].figure));
    auto corners = outlines.back().corners;
    std::sort(corners.begin(), corners.end());
    if (items[k].entry.tool != Shapes::multi)
      byCorners[corners].push_back(k);
  }
  const auto& mirrors = Shapes::mirrors();
  for (const auto& [corners, members] : byCorners)
    for (std::size_t x = 0; x < members.size(); ++x)
      for (std::size_t y = x + 1; y < members.size(); ++y) {
        const CatalogueEntry& a = items[members[x]].entry;
        const CatalogueEntry& b = items[members[y]].entry;
        const auto mirror = mirrors.find(a.tool);
        if ((mirror != mirrors.end() && mirror->second == b.tool) ||
            withoutSizeWords(a.displayName) == withoutSizeWords(b.displayName))
          continue;
        EXPECT_FALSE(similar(outlines[members[x]], outlines[members[y]]))
            << label(a) << " and " << label(b) << " are one shape";
      }
}

// Figures glue along sides of equal length, compared exactly: one length
// written twice, a few bits apart, would keep apart sides that belong
// together and show one length twice in the browser.
TEST(CatalogueCheck, EveryLengthIsWrittenOnce) {
  std::set<double> lengths;
  for (const CatalogueEntry& entry : catalogueEntries())
    lengths.insert(entry.lengths.begin(), entry.lengths.end());
  for (auto it = lengths.begin(); std::next(it) != lengths.end(); ++it)
    EXPECT_GT(*std::next(it) - *it, 1e-9 * *it) << formatNumber(*it) << " and " << formatNumber(*std::next(it));
}

// Two figures with one text would be one figure twice, and the mirror map
// would pair the wrong ones.
TEST(CatalogueCheck, NoTwoFiguresShareACanonicalText) {
  std::map<std::string, int> firstWithText;
  for (Shapes s : Shapes::allButLast()) {
    const auto [known, added] = firstWithText.emplace(figureOf(s).canonicalName(), s.rawValue());
    EXPECT_TRUE(added) << s.rawValue() << " has the text of " << known->second;
  }
}

// The 95 Left and Right pairs, and the neighbours whose names read the same
// sequence backwards.
std::map<int, int> expectedMirrors() {
  const auto& entries = catalogueEntries();
  std::map<std::string, int> byName;
  for (const CatalogueEntry& entry : entries)
    byName.emplace(std::string(entry.displayName), entry.tool.rawValue());
  std::map<int, int> pairs;
  int leftRight = 0;
  for (const CatalogueEntry& entry : entries) {
    const std::optional<std::string> rightName = withRightForLeft(entry.displayName);
    if (!rightName)
      continue;
    const auto right = byName.find(*rightName);
    EXPECT_NE(right, byName.end()) << label(entry);
    if (right == byName.end())
      continue;
    pairs[entry.tool.rawValue()] = right->second;
    pairs[right->second] = entry.tool.rawValue();
    ++leftRight;
  }
  EXPECT_EQ(leftRight, 95);
  for (int first : {99, 279, 663, 666, 673, 675, 677, 722, 729, 731, 735, 873, 876, 878, 880, 882, 884, 886, 1049,
                    1051}) {
    pairs[first] = first + 1;
    pairs[first + 1] = first;
  }
  return pairs;
}

TEST(CatalogueCheck, TheMirrorMapHoldsExactlyTheChiralPairs) {
  const std::map<int, int> expected = expectedMirrors();
  ASSERT_EQ(expected.size(), 230u);

  std::map<int, int> mirrors;
  for (const auto& [s, m] : Shapes::mirrors())
    mirrors[s.rawValue()] = m.rawValue();
  for (const auto& [s, m] : expected) {
    const auto found = mirrors.find(s);
    EXPECT_TRUE(found != mirrors.end() && found->second == m)
        << label(catalogueEntries()[std::size_t(s - 1)]) << " should pair with " << m << ", not "
        << (found == mirrors.end() ? "none" : formatInteger(found->second));
  }
  for (const auto& [s, m] : mirrors)
    EXPECT_TRUE(expected.contains(s)) << label(catalogueEntries()[std::size_t(s - 1)]) << " pairs with " << m
                                      << " although it is its own mirror image";
  EXPECT_EQ(mirrors.size(), 230u);
}

// Each is its own mirror image, but its dividends repeat with a shorter
// period than its lengths, and the rotation the texts start at is chosen by
// the dividends alone: the two texts start at different places.
TEST(CatalogueCheck, ExactlyFiveAchiralFiguresHaveUnequalTexts) {
  std::set<int> unequal;
  for (Shapes s : Shapes::allButLast())
    if (!Shapes::mirrors().contains(s) && figureOf(s).canonicalName() != figureOf(s).reversedCanonicalName())
      unequal.insert(s.rawValue());
  EXPECT_EQ(unequal, (std::set<int>{417, 521, 526, 527, 922}));
}

// The outline traced at equal steps along its edge, centred on the trace's
// mean and scaled to a mean square radius of 1: a description of the shape
// that a turn, a shift of the starting point and a change of size leave alone
// but for a rotation and a cyclic shift of the samples.
using Trace = std::vector<std::complex<double>>;
constexpr std::size_t tracePoints = 128;

Trace traceOf(const std::vector<Vec2>& v) {
  const std::size_t n = v.size();
  double perimeter = 0.0;
  for (std::size_t i = 0; i < n; ++i)
    perimeter += (v[(i + 1) % n] - v[i]).length();
  Trace trace;
  std::size_t side = 0;
  double walked = 0.0;  // arc length at the start of the current side
  for (std::size_t k = 0; k < tracePoints; ++k) {
    const double at = perimeter * double(k) / double(tracePoints);
    while ((v[(side + 1) % n] - v[side]).length() + walked < at) {
      walked += (v[(side + 1) % n] - v[side]).length();
      ++side;
    }
    const Vec2 a = v[side], b = v[(side + 1) % n];
    const Vec2 p = a + (b - a) * ((at - walked) / (b - a).length());
    trace.emplace_back(p.x, p.y);
  }
  std::complex<double> mean;
  for (const auto& z : trace)
    mean += z;
  mean /= double(tracePoints);
  double squares = 0.0;
  for (auto& z : trace) {
    z -= mean;
    squares += std::norm(z);
  }
  for (auto& z : trace)
    z /= std::sqrt(squares / double(tracePoints));
  return trace;
}

// The N-th roots of unity, e^(2πik/N).
const std::vector<std::complex<double>>& roots() {
  static const std::vector<std::complex<double>> table = [] {
    std::vector<std::complex<double>> r;
    for (std::size_t k = 0; k < tracePoints; ++k)
      r.push_back(std::polar(1.0, 2.0 * std::numbers::pi * double(k) / double(tracePoints)));
    return r;
  }();
  return table;
}

std::vector<std::complex<double>> spectrumOf(const Trace& trace) {
  std::vector<std::complex<double>> spectrum(tracePoints);
  for (std::size_t f = 0; f < tracePoints; ++f)
    for (std::size_t k = 0; k < tracePoints; ++k)
      spectrum[f] += trace[k] * std::conj(roots()[f * k % tracePoints]);
  return spectrum;
}

// How far apart two traced outlines lie at the best turn and starting point,
// either one mirrored: the root mean square distance of matched samples, in
// units of the mean radius (0 for one shape; a notch a tenth of the radius
// deep along a tenth of the edge gives about 0.03).
double outlineDistance(const std::vector<std::complex<double>>& a, const std::vector<std::complex<double>>& b,
                       const std::vector<std::complex<double>>& bMirrored) {
  double best = 0.0;
  for (const auto* other : {&b, &bMirrored})
    for (std::size_t shift = 0; shift < tracePoints; ++shift) {
      // The correlation at this shift, from the spectra.
      std::complex<double> c;
      for (std::size_t f = 0; f < tracePoints; ++f)
        c += std::conj(a[f]) * (*other)[f] * roots()[f * shift % tracePoints];
      best = std::max(best, std::abs(c) / double(tracePoints * tracePoints));
    }
  return std::sqrt(std::max(0.0, 2.0 - 2.0 * best));
}

// Not a rule but a list for the designer: pairs of differently named figures
// whose outlines come so close that an icon would hardly tell them apart.
TEST(CatalogueCheck, ListsNearlyAlikeOutlinesForReview) {
  constexpr double nearlyAlike = 0.03;
  const auto items = allItems();
  std::vector<std::vector<std::complex<double>>> spectra, mirrored;
  std::vector<std::vector<double>> magnitudes;  // a cheap first sieve, blind to turns and shifts
  for (const auto& item : items) {
    const Trace trace = traceOf(item.figure.vertices());
    Trace reflected(trace.rbegin(), trace.rend());
    for (auto& z : reflected)
      z = std::conj(z);
    spectra.push_back(spectrumOf(trace));
    mirrored.push_back(spectrumOf(reflected));
    std::vector<double> m;
    for (std::size_t f = 1; f < 12; ++f)
      m.push_back(std::abs(spectra.back()[f]) + std::abs(spectra.back()[tracePoints - f]));
    magnitudes.push_back(m);
  }
  const auto& mirrors = Shapes::mirrors();
  std::vector<std::pair<double, std::string>> alike;
  for (std::size_t x = 0; x < items.size(); ++x)
    for (std::size_t y = x + 1; y < items.size(); ++y) {
      const CatalogueEntry& a = items[x].entry;
      const CatalogueEntry& b = items[y].entry;
      const auto mirror = mirrors.find(a.tool);
      if (a.tool == Shapes::multi || b.tool == Shapes::multi || (mirror != mirrors.end() && mirror->second == b.tool) ||
          withoutSizeWords(a.displayName) == withoutSizeWords(b.displayName))
        continue;
      double sieve = 0.0;
      for (std::size_t f = 0; f < magnitudes[x].size(); ++f)
        sieve += std::pow((magnitudes[x][f] - magnitudes[y][f]) / double(tracePoints), 2);
      if (std::sqrt(sieve) > std::numbers::sqrt2 * nearlyAlike)
        continue;
      const double distance = outlineDistance(spectra[x], spectra[y], mirrored[y]);
      if (distance < nearlyAlike)
        alike.emplace_back(distance, label(a) + " ~ " + label(b));
    }
  std::sort(alike.begin(), alike.end());
  for (const auto& [distance, pair] : alike)
    report("nearly alike", pair + " (" + formatDecimal(distance, 3) + ")");
  report("nearly alike pairs", formatInteger(Int(alike.size())));
}

TEST(CatalogueCheck, ReportsHowLengthsAreShared) {
  std::map<double, int> tally;
  int withUnitSide = 0;
  int sides = 0;
  for (const CatalogueEntry& entry : catalogueEntries()) {
    for (double l : entry.lengths)
      ++tally[l];
    sides += int(entry.lengths.size());
    withUnitSide += std::find(entry.lengths.begin(), entry.lengths.end(), 1.0) != entry.lengths.end();
  }
  std::vector<std::pair<int, double>> commonest;
  for (const auto& [length, count] : tally)
    commonest.emplace_back(count, length);
  std::sort(commonest.begin(), commonest.end(), [](auto a, auto b) { return a.first > b.first; });
  commonest.resize(std::min<std::size_t>(commonest.size(), 10));
  int commonestSides = 0;
  std::string list;
  for (const auto& [count, length] : commonest) {
    commonestSides += count;
    list += (list.empty() ? "" : ", ") + formatNumber(length) + " (" + formatInteger(count) + ")";
  }

  report("distinct lengths", formatInteger(Int(tally.size())) + ", known to be 287");
  report("entries with a side of length 1", formatInteger(withUnitSide) + ", known to be 495");
  report("ten commonest lengths", list);
  report("their share of all sides", formatNumber(double(commonestSides) / double(sides)) + ", known to be about 2/3");
}

}  // namespace
}  // namespace ornival
