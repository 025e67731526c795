#include "figures/catalogue/CatalogueEntry.h"

#include "figures/Figure.h"
#include "figures/FractionText.h"
#include "platform/NumberText.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <span>
#include <string>
#include <type_traits>
#include <utility>

namespace ornival {

namespace {

using Int = std::int64_t;

// How an entry's dividends and lengths come about. Families that follow a rule
// are written by their rule's parameters, so that a line reads like the
// figure's description; everything else is written out.
struct Recipe {
  enum class Kind { given, mirror };

  Kind kind = Kind::given;
  std::vector<Int> dividends;
  std::vector<double> lengths;
  int source = 0;   // mirror: the raw value of the Left entry
  int start = 0;   // mirror: where both mirrored sequences begin
};

// One line of the table. The recipe stays text until the catalogue is first
// built: as calls, the table made the compiler write code for every line, and
// it took longer to compile than all the rest of the program.
struct Row {
  int rawValue;
  std::string_view displayName;
  Heading heading;
  bool scaleable;
  std::optional<Axis> axis;
  std::string_view recipe;
};

// The sequences started at position start; the elements before it move to
// the end.
template <typename T>
std::vector<T> startingAt(std::vector<T> values, int start) {
  ORNIVAL_PRECONDITION(start >= 0 && (values.empty() || std::size_t(start) < values.size()));
  std::rotate(values.begin(), values.begin() + start, values.end());
  return values;
}

Recipe polygon(std::vector<Int> dividends, std::vector<double> lengths) {
  return {Recipe::Kind::given, std::move(dividends), std::move(lengths)};
}

// Every corner alike, every side length.
Recipe regular(int corners, double length) {
  return polygon(std::vector<Int>(std::size_t(corners), 1), std::vector<double>(std::size_t(corners), length));
}

// The pair a, b repeated, every side length.
Recipe repeatedPair(Int a, Int b, Int times, double length) {
  std::vector<Int> dividends;
  for (Int i = 0; i < times; ++i) {
    dividends.push_back(a);
    dividends.push_back(b);
  }
  return polygon(std::move(dividends), std::vector<double>(std::size_t(2 * times), length));
}

// A rhombus whose acute corner is p/q of a turn: a : b = p/q : (1/2 − p/q) in
// lowest terms, so the named corner comes first.
Recipe rhombus(Int p, Int q, double length) {
  const Int a = 2 * p;
  const Int b = q - 2 * p;
  const Int g = gcd(a, b);
  return repeatedPair(a / g, b / g, 2, length);
}

// A regular star of k tips, each p/q of a turn, with the reflex corner between
// two tips (k − 1)/k − p/q. In units of 1/m turn, m = lcm(k, q): a = p·m/q and
// b = (k − 1)·m/k − a.
std::pair<Int, Int> starPair(Int k, Int p, Int q) {
  const Int m = std::lcm(k, q);
  const Int a = p * m / q;
  return {a, (k - 1) * m / k - a};
}

Recipe star(Int k, Int p, Int q, double length) {
  const auto [a, b] = starPair(k, p, q);
  return repeatedPair(a, b, k, length);
}

// The same star with its pair reduced to lowest terms, as a few entries have
// always stored it. The corners are the same; the canonical texts differ, and
// those are what the mirror map and stored identities compare.
Recipe reducedStar(Int k, Int p, Int q, double length) {
  const auto [a, b] = starPair(k, p, q);
  const Int g = gcd(a, b);
  return repeatedPair(a / g, b / g, k, length);
}

// The piece of a k-pointed star with tips of 2/k turn cut out by two radii
// through tips, with a centre corner of j/k turn; s is the star's side and c
// the distance from its centre to a tip. Corners in units of 1/k turn.
Recipe sector(Int k, Int j, double s, double c, int start = 0) {
  std::vector<Int> dividends{1, j, 1, k - 3};
  for (Int i = 1; i < j; ++i) {
    dividends.push_back(2);
    dividends.push_back(k - 3);
  }
  std::vector<double> lengths{s, c, c};
  lengths.insert(lengths.end(), std::size_t(2 * j - 1), s);
  return polygon(startingAt(std::move(dividends), start), startingAt(std::move(lengths), start));
}

// A Right entry: the mirror image of its Left entry, both mirrored sequences
// begun at start.
Recipe mirrorOf(int source, int start = 0) {
  Recipe recipe;
  recipe.kind = Recipe::Kind::mirror;
  recipe.source = source;
  recipe.start = start;
  return recipe;
}

// Reads a recipe as the table writes it: a call of one of the recipes above,
// with whole numbers, decimals and lists of them in braces as arguments, such
// as "star(8, 1, 4, 1.0)" or "polygon({1, 1, 2}, {2.4, 3.4, 2.4})". The table
// is ours, so a line it cannot read is a programming error.
class RecipeReader {
public:
  explicit RecipeReader(std::string_view text) : text_(text) {}

  Recipe read() {
    const std::string_view name = token();
    expect('(');
    Recipe recipe = call(name);
    expect(')');
    ORNIVAL_PRECONDITION(at_ == text_.size());
    return recipe;
  }

private:
  Recipe call(std::string_view name) {
    if (name == "polygon") {
      std::vector<Int> dividends = list<Int>();
      expect(',');
      return polygon(std::move(dividends), list<double>());
    }
    if (name == "regular") {
      const Int corners = integer();
      expect(',');
      return regular(int(corners), number());
    }
    if (name == "rhombus") {
      const Int p = integer();
      expect(',');
      const Int q = integer();
      expect(',');
      return rhombus(p, q, number());
    }
    if (name == "star" || name == "reducedStar") {
      const Int k = integer();
      expect(',');
      const Int p = integer();
      expect(',');
      const Int q = integer();
      expect(',');
      const double length = number();
      return name == "star" ? star(k, p, q, length) : reducedStar(k, p, q, length);
    }
    if (name == "sector") {
      const Int k = integer();
      expect(',');
      const Int j = integer();
      expect(',');
      const double s = number();
      expect(',');
      const double c = number();
      const Int start = take(',') ? integer() : 0;
      return sector(k, j, s, c, int(start));
    }
    ORNIVAL_PRECONDITION(name == "mirrorOf");
    const Int source = integer();
    const Int start = take(',') ? integer() : 0;
    return mirrorOf(int(source), int(start));
  }

  template <typename T>
  std::vector<T> list() {
    expect('{');
    std::vector<T> values;
    do
      values.push_back(value<T>());
    while (take(','));
    expect('}');
    return values;
  }

  template <typename T>
  T value() {
    if constexpr (std::is_same_v<T, Int>)
      return integer();
    else
      return number();
  }

  Int integer() {
    const auto value = parseInteger(token());
    ORNIVAL_PRECONDITION(value.has_value());
    return *value;
  }

  double number() {
    const auto value = parseNumber(token());
    ORNIVAL_PRECONDITION(value.has_value());
    return *value;
  }

  // A name or a number: the characters up to the next punctuation or blank.
  std::string_view token() {
    skipBlanks();
    const std::size_t start = at_;
    while (at_ < text_.size() && !isPunctuation(text_[at_]) && text_[at_] != ' ')
      ++at_;
    ORNIVAL_PRECONDITION(at_ > start);
    return text_.substr(start, at_ - start);
  }

  static bool isPunctuation(char c) { return c == '(' || c == ')' || c == '{' || c == '}' || c == ','; }

  bool take(char c) {
    skipBlanks();
    if (at_ == text_.size() || text_[at_] != c)
      return false;
    ++at_;
    return true;
  }

  void expect(char c) { ORNIVAL_PRECONDITION(take(c)); }

  void skipBlanks() {
    while (at_ < text_.size() && text_[at_] == ' ')
      ++at_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

constexpr bool scaleable = true;
constexpr bool fixedSize = false;
constexpr std::optional<Axis> setupAxis = std::nullopt;
constexpr Axis vertex(int index) { return Axis::vertex(index); }
constexpr Axis edge(int index) { return Axis::edge(index); }

// The catalogue, one figure a line: raw value, display name (the system's own
// text, typos included), heading, scaleable declaration, given axis, and the
// corners and sides.
std::span<const Row> rows() {
  using enum Heading;
  static constexpr Row table[] = {
      {1, "Right Triangle", south, scaleable, setupAxis, "polygon({1, 1, 2}, {2.414213562373095, 3.414213562373095, 2.414213562373095})"},
      {2, "Right Hexagon", south, scaleable, setupAxis, "polygon({2, 3, 3, 3, 3, 2}, {2.414213562373095, 1.7071067811865475, 1.0, 1.0, 1.0, 1.7071067811865475})"},
      {3, "Rhombus ¹⁄₈", south, scaleable, setupAxis, "rhombus(1, 8, 3.414213562373095)"},
      {4, "Sun", south, scaleable, vertex(1), "star(8, 1, 4, 1.0)"},
      {5, "Sunray ¹⁄₈", south, scaleable, setupAxis, "polygon({1, 2, 3, 2}, {2.414213562373095, 2.414213562373095, 1.0, 1.0})"},
      {6, "House", south, scaleable, setupAxis, "polygon({2, 3, 2, 3, 2}, {2.414213562373095, 2.414213562373095, 1.7071067811865475, 1.7071067811865475, 2.414213562373095})"},
      {7, "Square", south, scaleable, setupAxis, "regular(4, 2.414213562373095)"},
      {8, "Skirt", south, scaleable, setupAxis, "polygon({3, 5, 5, 3}, {3.414213562373095, 1.8477590650225735, 2.0, 1.8477590650225735})"},
      {9, "Compass", south, scaleable, vertex(1), "star(4, 1, 8, 1.4142135623730951)"},
      {10, "Acorn A ¹⁄₄", north, fixedSize, setupAxis, "polygon({2, 5, 2, 5, 2, 3, 2, 3}, {2.414213562373095, 1.0, 1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {11, "Arrowhead", south, scaleable, setupAxis, "polygon({1, 5, 1, 1}, {2.414213562373095, 1.0, 1.0, 2.414213562373095})"},
      {12, "V", north, fixedSize, setupAxis, "polygon({1, 1, 1, 1, 1, 3}, {1.0, 1.4142135623730951, 2.414213562373095, 2.414213562373095, 1.4142135623730951, 1.0})"},
      {13, "Cross", southWest, scaleable, setupAxis, "polygon({3, 2, 3, 6, 3, 2, 3, 6, 3, 2, 3, 6, 3, 2, 3, 6}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {14, "Sunrise", south, scaleable, setupAxis, "polygon({3, 10, 4, 10, 4, 10, 4, 10, 4, 10, 3}, {4.460884994775326, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {15, "Petal C", south, scaleable, setupAxis, "polygon({7, 7, 6, 4, 6, 7, 7, 4}, {1.0, 1.8477590650225735, 0.8477590650225735, 2.0, 2.0, 0.8477590650225735, 1.8477590650225735, 1.0})"},
      {16, "Right Bird", south, fixedSize, vertex(3), "mirrorOf(17)"},
      {17, "Left Bird", south, fixedSize, vertex(6), "polygon({1, 6, 3, 2, 3, 2, 3}, {3.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {18, "Notch", south, fixedSize, setupAxis, "polygon({2, 2, 3, 6, 3, 2, 2}, {4.82842712474619, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951})"},
      {19, "Sailboat", south, fixedSize, setupAxis, "polygon({3, 1, 5, 2, 5, 1, 3}, {2.414213562373095, 1.4142135623730951, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 1.4142135623730951})"},
      {20, "Triplet", south, fixedSize, setupAxis, "polygon({2, 3, 2, 6, 2, 6, 2, 3, 2}, {4.82842712474619, 1.0, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.0})"},
      {21, "Twins", west, scaleable, setupAxis, "polygon({1, 3, 1, 1, 1, 3, 1, 1}, {1.4142135623730951, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.4142135623730951})"},
      {22, "Twins ³⁄₈", west, scaleable, setupAxis, "polygon({2, 5, 2, 3, 2, 5, 2, 3}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {23, "Bag", north, fixedSize, setupAxis, "polygon({1, 6, 3, 2, 2, 3, 6, 1}, {1.4142135623730951, 0.7071067811865476, 2.414213562373095, 2.414213562373095, 3.8284271247461903, 2.414213562373095, 2.414213562373095, 0.7071067811865476})"},
      {24, "Pentastar C", south, fixedSize, setupAxis, "polygon({4, 13, 3, 13, 2, 13, 3, 13, 4, 12}, {1.0, 1.618033988749895, 1.1755705045849463, 1.618033988749895, 1.1755705045849463, 1.1755705045849463, 1.618033988749895, 1.1755705045849463, 1.618033988749895, 1.0})"},
      {25, "Shield A", south, scaleable, setupAxis, "polygon({6, 3, 10, 3, 6, 4}, {1.8477590650225735, 1.7071067811865475, 1.4142135623730951, 1.4142135623730951, 1.7071067811865475, 1.8477590650225735})"},
      {26, "Octagon", south, scaleable, setupAxis, "regular(8, 2.0)"},
      {27, "Petal A", south, scaleable, setupAxis, "polygon({7, 6, 4, 6, 7, 2}, {1.8477590650225735, 1.0, 1.0, 1.0, 1.0, 1.8477590650225735})"},
      {28, "Pentastar A", south, fixedSize, setupAxis, "polygon({2, 14, 2, 13, 3, 13, 2, 14, 2, 15}, {0.6180339887498949, 1.0, 1.618033988749895, 1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.618033988749895, 1.0, 0.6180339887498949})"},
      {29, "Long V", north, scaleable, setupAxis, "polygon({2, 2, 1, 2, 2, 7}, {0.7071067811865476, 1.7071067811865475, 4.82842712474619, 4.82842712474619, 1.7071067811865475, 0.7071067811865476})"},
      {30, "Octastar", south, scaleable, setupAxis, "star(8, 1, 8, 2.414213562373095)"},
      {31, "Petal B", south, scaleable, setupAxis, "polygon({7, 7, 7, 4, 7, 7, 7, 2}, {3.695518130045147, 1.0, 1.8477590650225735, 1.0, 1.0, 1.8477590650225735, 1.0, 3.695518130045147})"},
      {32, "Wings A", north, fixedSize, setupAxis, "polygon({1, 3, 5, 3, 1, 3}, {2.414213562373095, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 2.414213562373095})"},
      {33, "Cross Boat A", south, fixedSize, setupAxis, "polygon({3, 1, 1, 3}, {3.414213562373095, 1.0, 4.82842712474619, 1.0})"},
      {34, "Kink √2", south, fixedSize, setupAxis, "polygon({2, 2, 5, 2, 2, 3}, {2.8284271247461903, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 2.8284271247461903})"},
      {35, "Venus", south, fixedSize, setupAxis, "polygon({2, 6, 2, 2, 6, 5, 3, 3, 3, 3, 3, 3, 5, 6, 2, 2, 6, 2}, {1.0, 1.0, 1.0, 1.0, 1.0, 0.7071067811865476, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.7071067811865476, 1.0, 1.0, 1.0, 1.0})"},
      {36, "Column", south, fixedSize, setupAxis, "polygon({2, 3, 5, 5, 3, 2, 2, 3, 5, 5, 3, 2}, {3.414213562373095, 1.0, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.0, 3.414213562373095, 1.0, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.0})"},
      {37, "Ship", south, fixedSize, setupAxis, "polygon({3, 1, 6, 2, 2, 6, 1, 3}, {2.414213562373095, 1.4142135623730951, 1.0, 1.0, 2.414213562373095, 1.0, 1.0, 1.4142135623730951})"},
      {38, "Mushroom", north, fixedSize, setupAxis, "polygon({3, 3, 2, 6, 2, 2, 6, 2, 3, 3}, {2.0, 2.8284271247461903, 0.5, 2.0, 2.414213562373095, 2.0, 2.414213562373095, 2.0, 0.5, 2.8284271247461903})"},
      {39, "Tent", south, fixedSize, setupAxis, "polygon({6, 3, 2, 3, 6, 12}, {0.7653668647301796, 1.3065629648763766, 4.82842712474619, 4.82842712474619, 1.3065629648763766, 0.7653668647301796})"},
      {40, "v 2", south, fixedSize, setupAxis, "polygon({1, 3, 6, 3, 1, 2}, {3.414213562373095, 1.0, 2.0, 2.0, 1.0, 3.414213562373095})"},
      {41, "Right Rooster", east, fixedSize, vertex(7), "mirrorOf(42)"},
      {42, "Left Rooster", west, fixedSize, vertex(6), "polygon({1, 5, 5, 3, 3, 1, 7, 2, 3, 3, 3}, {2.0, 1.4142135623730951, 2.0, 1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951, 2.8284271247461903, 2.0, 2.8284271247461903})"},
      {43, "Star 16", south, scaleable, setupAxis, "star(16, 1, 8, 1.5664544973505214)"},
      {44, "Sunray ¹⁄₁₆", south, scaleable, setupAxis, "polygon({6, 3, 6, 1}, {4.460884994775326, 1.5664544973505214, 1.5664544973505214, 4.460884994775326})"},
      {45, "Twin Star B", south, scaleable, setupAxis, "polygon({1, 5, 1, 5, 1, 7, 1, 5, 1, 5, 1, 7}, {1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0})"},
      {46, "Palm 16 B", south, fixedSize, setupAxis, "polygon({4, 14, 2, 9, 2, 10, 2, 9, 2, 14, 4}, {1.4142135623730951, 4.82842712474619, 1.5664544973505214, 1.0, 1.5664544973505214, 2.613125929752753, 2.613125929752753, 1.5664544973505214, 1.0, 1.5664544973505214, 4.82842712474619})"},
      {47, "Candle 16 B", north, fixedSize, setupAxis, "polygon({11, 4, 6, 4, 6, 4, 11, 2}, {1.8477590650225735, 0.7071067811865476, 3.414213562373095, 2.0, 2.0, 3.414213562373095, 0.7071067811865476, 1.8477590650225735})"},
      {48, "Pentastar B", south, scaleable, setupAxis, "polygon({4, 12, 4, 12, 5, 12, 4, 12, 4, 11}, {0.6180339887498949, 1.0, 1.902113032590307, 0.6180339887498949, 1.0, 1.0, 0.6180339887498949, 1.902113032590307, 1.0, 0.6180339887498949})"},
      {49, "Lid", south, fixedSize, setupAxis, "polygon({2, 3, 5, 2, 2, 5, 3, 2}, {3.414213562373095, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476})"},
      {50, "T", north, fixedSize, setupAxis, "polygon({1, 1, 3, 1, 1, 3, 1, 1}, {3.414213562373095, 1.0, 1.0, 2.414213562373095, 1.4142135623730951, 2.414213562373095, 1.0, 1.0})"},
      {51, "Tack ³⁄₈", south, scaleable, setupAxis, "polygon({11, 4, 5, 6, 5, 4, 11, 2}, {1.8477590650225735, 1.0, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 1.0, 1.8477590650225735})"},
      {52, "Bow", south, fixedSize, setupAxis, "polygon({5, 1, 1, 5, 5, 1, 1, 5}, {1.0, 1.4142135623730951, 3.414213562373095, 1.4142135623730951, 1.0, 1.4142135623730951, 3.414213562373095, 1.4142135623730951})"},
      {53, "Kite ¹⁄₈", south, scaleable, setupAxis, "polygon({5, 4, 5, 2}, {1.8477590650225735, 1.0, 1.0, 1.8477590650225735})"},
      {54, "Bouquet", north, scaleable, setupAxis, "polygon({11, 3, 7, 2, 7, 3, 11, 4}, {1.3065629648763766, 1.0, 1.0, 4.82842712474619, 4.82842712474619, 1.0, 1.0, 1.3065629648763766})"},
      {55, "Mask", north, scaleable, setupAxis, "polygon({3, 2, 2, 6, 2, 2, 3}, {1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951})"},
      {56, "Flat Ship", south, fixedSize, setupAxis, "polygon({3, 1, 6, 2, 2, 6, 1, 3}, {3.414213562373095, 0.7071067811865476, 1.0, 0.7071067811865476, 2.414213562373095, 0.7071067811865476, 1.0, 0.7071067811865476})"},
      {57, "Sun Edge", south, fixedSize, setupAxis, "polygon({2, 2, 3, 6, 3, 2, 2}, {3.414213562373095, 1.4142135623730951, 1.0, 1.0, 1.0, 1.0, 1.4142135623730951})"},
      {58, "Sun Corner", south, scaleable, setupAxis, "polygon({1, 3, 6, 3, 1, 2}, {2.414213562373095, 1.0, 1.0, 1.0, 1.0, 2.414213562373095})"},
      {59, "Cross Boat D", south, fixedSize, setupAxis, "polygon({2, 6, 3, 1, 1, 3, 6, 2}, {1.4142135623730951, 1.0, 1.0, 1.0, 4.82842712474619, 1.0, 1.0, 1.0})"},
      {60, "Petal D", south, scaleable, setupAxis, "polygon({3, 3, 3, 3, 3, 1}, {3.414213562373095, 1.0, 1.0, 1.0, 1.0, 3.414213562373095})"},
      {61, "Sun 10", south, scaleable, setupAxis, "star(10, 1, 5, 1.0)"},
      {62, "Sunray ¹⁄₁₀", south, scaleable, setupAxis, "polygon({3, 3, 3, 1}, {2.618033988749895, 1.0, 1.0, 2.618033988749895})"},
      {63, "Petal ¹⁄₅", south, scaleable, setupAxis, "polygon({7, 8, 6, 8, 7, 4}, {1.902113032590307, 1.0, 1.0, 1.0, 1.0, 1.902113032590307})"},
      {64, "Star", south, scaleable, setupAxis, "star(5, 1, 10, 1.618033988749895)"},
      {65, "Rhombus ¹⁄₅", south, scaleable, setupAxis, "rhombus(1, 5, 1.618033988749895)"},
      {66, "Shield ¹⁄₁₀", south, scaleable, setupAxis, "polygon({4, 2, 7, 2, 4, 1}, {3.618033988749895, 1.0, 1.0, 1.0, 1.0, 3.618033988749895})"},
      {67, "Acorn ¹⁄₅", south, fixedSize, setupAxis, "polygon({13, 5, 8, 9, 6, 9, 8, 5, 13, 4}, {3.0776835371752536, 0.6180339887498949, 1.0, 1.902113032590307, 1.618033988749895, 1.618033988749895, 1.902113032590307, 1.0, 0.6180339887498949, 3.0776835371752536})"},
      {68, "Sprout", north, scaleable, setupAxis, "polygon({4, 4, 9, 2, 9, 4, 4, 12}, {0.8477590650225735, 0.7071067811865476, 0.7071067811865476, 1.5664544973505214, 1.5664544973505214, 0.7071067811865476, 0.7071067811865476, 0.8477590650225735})"},
      {69, "Sunrise ²⁄₅", south, fixedSize, setupAxis, "polygon({4, 2, 7, 2, 7, 2, 7, 2, 7, 2, 7, 2, 4}, {3.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {70, "Twins ¹⁄₅", west, scaleable, setupAxis, "polygon({3, 7, 3, 2, 3, 7, 3, 2}, {1.618033988749895, 1.0, 1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.0, 1.618033988749895})"},
      {71, "Helmet", south, fixedSize, setupAxis, "polygon({1, 5, 3, 3, 3, 3, 5, 1}, {4.82842712474619, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0})"},
      {72, "Fork", south, fixedSize, setupAxis, "polygon({2, 5, 3, 2, 2, 6, 6, 2, 2, 6, 6, 2, 2, 3, 5, 2}, {0.7071067811865476, 3.414213562373095, 3.0, 2.414213562373095, 0.7071067811865476, 2.414213562373095, 1.4142135623730951, 2.414213562373095, 0.7071067811865476, 2.414213562373095, 1.4142135623730951, 2.414213562373095, 0.7071067811865476, 2.414213562373095, 3.0, 3.414213562373095})"},
      {73, "Wide Kink", south, fixedSize, setupAxis, "polygon({2, 2, 5, 2, 2, 3}, {3.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 3.414213562373095})"},
      {74, "Candle 20", north, fixedSize, setupAxis, "polygon({14, 5, 6, 8, 6, 5, 14, 2}, {1.618033988749895, 0.6180339887498949, 2.618033988749895, 1.1755705045849463, 1.1755705045849463, 2.618033988749895, 0.6180339887498949, 1.618033988749895})"},
      {75, "Sunray ¹⁄₂₀", south, fixedSize, setupAxis, "polygon({15, 8, 15, 2}, {3.3895902435633705, 0.9021130325903072, 0.9021130325903072, 3.3895902435633705})"},
      {76, "Sunray ²⁄₂₀", south, scaleable, setupAxis, "polygon({7, 4, 7, 2}, {1.902113032590307, 1.0, 1.0, 1.902113032590307})"},
      {77, "Star 20", south, scaleable, setupAxis, "star(20, 3, 20, 0.9021130325903072)"},
      {78, "Rhombus ¹⁄₁₀", south, scaleable, setupAxis, "rhombus(1, 10, 1.0)"},
      {79, "Leaf", south, scaleable, setupAxis, "polygon({2, 5, 2, 2, 2, 5, 2}, {1.0, 1.0, 1.7071067811865475, 2.414213562373095, 2.414213562373095, 1.7071067811865475, 1.0})"},
      {80, "Swallow A", south, fixedSize, setupAxis, "polygon({1, 5, 1, 5, 2, 5, 1, 5, 1, 6}, {1.0, 0.7071067811865476, 2.0, 1.4142135623730951, 1.0, 1.0, 1.4142135623730951, 2.0, 0.7071067811865476, 1.0})"},
      {81, "Hand", south, fixedSize, setupAxis, "polygon({4, 9, 1, 14, 1, 14, 1, 14, 1, 9, 4}, {3.414213562373095, 2.0, 2.414213562373095, 2.414213562373095, 3.414213562373095, 2.414213562373095, 2.414213562373095, 3.414213562373095, 2.414213562373095, 2.414213562373095, 2.0})"},
      {82, "Fin A", south, fixedSize, setupAxis, "polygon({2, 3, 1, 3, 2, 5}, {1.0, 1.0, 3.414213562373095, 3.414213562373095, 1.0, 1.0})"},
      {83, "Rosebud", south, fixedSize, setupAxis, "polygon({4, 10, 2, 13, 5, 4, 5, 13, 2, 10, 4}, {1.0, 2.0, 1.4142135623730951, 1.0, 1.8477590650225735, 1.7071067811865475, 1.7071067811865475, 1.8477590650225735, 1.0, 1.4142135623730951, 2.0})"},
      {84, "Shield C", south, scaleable, setupAxis, "polygon({6, 5, 6, 5, 6, 4}, {2.414213562373095, 0.8477590650225735, 1.8477590650225735, 1.8477590650225735, 0.8477590650225735, 2.414213562373095})"},
      {85, "Twin Star A", south, fixedSize, setupAxis, "polygon({1, 5, 1, 5, 1, 7, 1, 5, 1, 5, 1, 7}, {0.7071067811865476, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 0.7071067811865476, 0.7071067811865476, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 0.7071067811865476})"},
      {86, "Crest", south, scaleable, setupAxis, "polygon({3, 1, 6, 1, 3, 2}, {1.4142135623730951, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.4142135623730951})"},
      {87, "Twins 10", south, scaleable, setupAxis, "polygon({3, 3, 3, 7, 3, 3, 3}, {4.23606797749979, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895})"},
      {88, "Knob", south, fixedSize, setupAxis, "polygon({2, 2, 6, 5, 3, 3, 3, 3, 3, 3, 5, 6, 2, 2}, {2.414213562373095, 0.7071067811865476, 0.7071067811865476, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.7071067811865476, 0.7071067811865476})"},
      {89, "Swallow 16", south, fixedSize, setupAxis, "polygon({1, 11, 2, 10, 4, 10, 2, 11, 1, 12}, {1.4142135623730951, 1.5664544973505214, 1.8477590650225735, 1.0, 1.0, 1.0, 1.0, 1.8477590650225735, 1.5664544973505214, 1.4142135623730951})"},
      {90, "Petal 16", south, fixedSize, setupAxis, "polygon({6, 7, 3, 7, 6, 3}, {1.8477590650225735, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.8477590650225735})"},
      {91, "Candle 16", north, fixedSize, setupAxis, "polygon({11, 4, 6, 4, 6, 4, 11, 2}, {1.5664544973505214, 0.7071067811865476, 2.414213562373095, 1.8477590650225735, 1.8477590650225735, 2.414213562373095, 0.7071067811865476, 1.5664544973505214})"},
      {92, "Palm 16", south, fixedSize, setupAxis, "polygon({4, 13, 2, 10, 2, 10, 2, 10, 2, 13, 4}, {0.7653668647301796, 4.82842712474619, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.8284271247461903, 2.8284271247461903, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 4.82842712474619})"},
      {93, "Petal Left 16", south, fixedSize, setupAxis, "polygon({2, 6, 7, 3, 7, 7}, {0.7653668647301796, 2.414213562373095, 0.7653668647301796, 0.7653668647301796, 1.0, 1.8477590650225735})"},
      {94, "Petal Right 16", south, fixedSize, setupAxis, "mirrorOf(93)"},
      {95, "Hexagon 16", south, fixedSize, setupAxis, "polygon({5, 6, 5, 5, 6, 5}, {1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.4142135623730951, 1.4142135623730951})"},
      {96, "U 16 A", north, fixedSize, setupAxis, "polygon({5, 5, 2, 2, 3, 3, 3, 3, 2, 2, 5, 5}, {2.414213562373095, 0.7071067811865476, 1.0, 1.7071067811865475, 3.414213562373095, 2.414213562373095, 3.414213562373095, 2.414213562373095, 3.414213562373095, 1.7071067811865475, 1.0, 0.7071067811865476})"},
      {97, "Petal E", south, scaleable, setupAxis, "polygon({6, 7, 4, 7, 6, 2}, {3.695518130045147, 1.8477590650225735, 1.0, 1.0, 1.8477590650225735, 3.695518130045147})"},
      {98, "Pentastar E", south, fixedSize, setupAxis, "polygon({3, 13, 2, 13, 4, 13, 2, 13, 3, 14}, {0.6180339887498949, 1.0, 1.618033988749895, 1.0, 1.3763819204711736, 1.3763819204711736, 1.0, 1.618033988749895, 1.0, 0.6180339887498949})"},
      {99, "Slash", southWest, fixedSize, edge(1), "polygon({1, 3, 3, 2, 3}, {4.82842712474619, 3.414213562373095, 3.414213562373095, 1.0, 2.414213562373095})"},
      {100, "Backslash", southEast, fixedSize, setupAxis, "mirrorOf(99)"},
      {101, "Sailboat 2", south, fixedSize, setupAxis, "polygon({3, 1, 5, 2, 6, 2, 5, 1, 3}, {4.82842712474619, 1.4142135623730951, 0.7071067811865476, 2.8284271247461903, 1.0, 1.0, 2.8284271247461903, 0.7071067811865476, 1.4142135623730951})"},
      {102, "Right Palm 20", south, fixedSize, vertex(1), "mirrorOf(103)"},
      {103, "Left Palm 20", south, fixedSize, vertex(1), "polygon({4, 16, 5, 4, 14, 4, 14, 4, 5, 14, 6}, {1.1755705045849463, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.9021130325903072, 2.618033988749895})"},
      {104, "Gem ³⁄₁₀", south, fixedSize, setupAxis, "polygon({7, 7, 6, 6, 7, 7}, {0.6180339887498949, 1.1755705045849463, 0.6180339887498949, 1.618033988749895, 0.6180339887498949, 1.1755705045849463})"},
      {105, "Pentagon", south, scaleable, setupAxis, "regular(5, 1.618033988749895)"},
      {106, "Right Boat", south, fixedSize, edge(2), "mirrorOf(107, 5)"},
      {107, "Left Boat", south, fixedSize, edge(2), "polygon({2, 2, 3, 1, 6, 2, 2, 6}, {0.41421356237309515, 1.0, 2.8284271247461903, 1.4142135623730951, 2.0, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476})"},
      {108, "Dragonfly", south, fixedSize, setupAxis, "polygon({4, 13, 1, 10, 11, 1, 12, 4, 4, 12, 1, 11, 10, 1, 13, 4}, {0.7071067811865476, 3.414213562373095, 2.414213562373095, 2.613125929752753, 1.0, 2.414213562373095, 2.613125929752753, 1.0, 0.7071067811865476, 1.0, 2.613125929752753, 2.414213562373095, 1.0, 2.613125929752753, 2.414213562373095, 3.414213562373095})"},
      {109, "Tooth ³⁄₁₆", south, fixedSize, setupAxis, "polygon({3, 9, 6, 4, 10, 4, 6, 9, 3, 10}, {1.0, 1.4142135623730951, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.4142135623730951, 1.0})"},
      {110, "Seven Sun", north, scaleable, setupAxis, "polygon({4, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 4}, {1.1380711874576983, 1.1380711874576983, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.1380711874576983})"},
      {111, "Left Spark", south, scaleable, edge(1), "polygon({1, 3, 6, 1, 3, 6, 1, 3, 6, 1, 3, 6}, {2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.4142135623730951})"},
      {112, "Right Spark", south, scaleable, setupAxis, "mirrorOf(111)"},
      {113, "Star 24", south, scaleable, setupAxis, "star(24, 1, 8, 1.1645246645991763)"},
      {114, "Sunray ²⁄₂₄", south, scaleable, setupAxis, "polygon({9, 4, 9, 2}, {2.2496888977739187, 1.1645246645991763, 1.1645246645991763, 2.2496888977739187})"},
      {115, "Sunray ³⁄₂₄", south, fixedSize, setupAxis, "polygon({17, 8, 17, 6}, {1.5215247984503677, 1.1645246645991763, 1.1645246645991763, 1.5215247984503677})"},
      {116, "Candle 24", north, fixedSize, setupAxis, "polygon({16, 6, 9, 6, 9, 6, 16, 4}, {1.4142135623730951, 1.0, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 1.0, 1.4142135623730951})"},
      {117, "Palm 24", south, fixedSize, setupAxis, "polygon({9, 18, 6, 3, 20, 3, 20, 3, 20, 3, 6, 18, 9, 6}, {1.0, 2.414213562373095, 1.0, 1.1645246645991763, 1.1645246645991763, 1.1645246645991763, 1.1645246645991763, 1.1645246645991763, 1.1645246645991763, 1.1645246645991763, 1.1645246645991763, 1.0, 2.414213562373095, 1.0})"},
      {118, "Petal Left 24", south, fixedSize, vertex(1), "polygon({3, 10, 11, 4, 10, 10}, {1.7673269879789604, 2.2496888977739187, 0.5176380902050415, 1.249688897773919, 1.4142135623730951, 1.0})"},
      {119, "Petal Right 24", south, fixedSize, vertex(1), "mirrorOf(118)"},
      {120, "Gem 24", south, fixedSize, vertex(1), "polygon({2, 9, 8, 8, 9}, {3.414213562373095, 3.414213562373095, 0.5176380902050415, 1.249688897773919, 0.5176380902050415})"},
      {121, "Swallow Left 24", south, fixedSize, vertex(2), "polygon({3, 10, 2, 20, 2, 20, 2, 13}, {1.4142135623730951, 2.0, 2.0, 0.7320508075688771, 1.0, 1.7320508075688772, 1.7320508075688772, 2.0})"},
      {122, "Swallow Right 24", south, fixedSize, vertex(2), "mirrorOf(121, 6)"},
      {123, "Book 16", north, fixedSize, setupAxis, "polygon({3, 5, 6, 5, 3, 10}, {1.7071067811865475, 1.4142135623730951, 1.7071067811865475, 1.7071067811865475, 1.4142135623730951, 1.7071067811865475})"},
      {124, "Kite ¹⁄₄", north, scaleable, setupAxis, "polygon({3, 6, 3, 4}, {1.8477590650225735, 1.4142135623730951, 1.4142135623730951, 1.8477590650225735})"},
      {125, "Golden Triangle", south, scaleable, setupAxis, "polygon({2, 1, 2}, {1.0, 1.618033988749895, 1.618033988749895})"},
      {126, "Golden Gnomon", south, scaleable, setupAxis, "polygon({1, 3, 1}, {1.618033988749895, 1.0, 1.0})"},
      {127, "Sun Edge 10", south, fixedSize, setupAxis, "polygon({5, 6, 6, 16, 6, 6, 5}, {3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {128, "Bracket", south, scaleable, setupAxis, "polygon({3, 1, 3, 5, 5, 3, 1, 3}, {4.82842712474619, 2.414213562373095, 1.0, 2.0, 3.414213562373095, 2.0, 1.0, 2.414213562373095})"},
      {129, "Kite ¹⁄₅", north, scaleable, setupAxis, "polygon({1, 2, 1, 1}, {1.618033988749895, 1.0, 1.0, 1.618033988749895})"},
      {130, "Dart ¹⁄₁₀", south, scaleable, setupAxis, "polygon({1, 6, 1, 2}, {1.618033988749895, 1.0, 1.0, 1.618033988749895})"},
      {131, "Orchid", north, fixedSize, setupAxis, "polygon({5, 1, 5, 1, 7, 1, 5, 1, 5, 1}, {3.414213562373095, 1.4142135623730951, 2.0, 1.0, 1.0, 1.0, 1.0, 2.0, 1.4142135623730951, 3.414213562373095})"},
      {132, "Houses Edge", south, fixedSize, setupAxis, "polygon({2, 3, 2, 6, 2, 3, 2}, {4.82842712474619, 1.0, 1.7071067811865475, 1.7071067811865475, 1.7071067811865475, 1.7071067811865475, 1.0})"},
      {133, "Rectangle 1+√2", west, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {1.0, 2.414213562373095, 1.0, 2.414213562373095})"},
      {134, "Trisosceles ¹⁄₈", south, scaleable, setupAxis, "polygon({4, 7, 2, 7, 4}, {1.0, 1.0, 1.3065629648763766, 1.3065629648763766, 1.0})"},
      {135, "Rectangle √2", west, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {1.0, 1.4142135623730951, 1.0, 1.4142135623730951})"},
      {136, "Rectangle 2+√2", west, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {1.0, 3.414213562373095, 1.0, 3.414213562373095})"},
      {137, "Cross Corner", south, fixedSize, setupAxis, "polygon({3, 2, 3, 6, 3, 2, 3, 2}, {2.414213562373095, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.414213562373095})"},
      {138, "Rhombus ¹⁄₁₆", south, scaleable, setupAxis, "rhombus(1, 16, 3.414213562373095)"},
      {139, "Doll 24", south, fixedSize, setupAxis, "polygon({6, 9, 15, 16, 8, 8, 10, 10, 8, 8, 16, 15, 9, 6}, {3.8284271247461903, 2.414213562373095, 2.0, 0.5176380902050415, 0.5176380902050415, 1.249688897773919, 0.5176380902050415, 1.0, 0.5176380902050415, 1.249688897773919, 0.5176380902050415, 0.5176380902050415, 2.0, 2.414213562373095})"},
      {140, "U 24", north, fixedSize, setupAxis, "polygon({7, 7, 7, 3, 3, 5, 5, 5, 5, 5, 5, 3, 3, 7, 7, 7}, {2.0, 0.5176380902050415, 0.5176380902050415, 0.9148357668252574, 1.249688897773919, 3.414213562373095, 0.9148357668252574, 0.9148357668252574, 3.414213562373095, 0.9148357668252574, 0.9148357668252574, 3.414213562373095, 1.249688897773919, 0.9148357668252574, 0.5176380902050415, 0.5176380902050415})"},
      {141, "Kite 24", north, scaleable, setupAxis, "polygon({10, 1, 10, 3}, {1.1645246645991763, 3.414213562373095, 3.414213562373095, 1.1645246645991763})"},
      {142, "Arrowhead 24", north, scaleable, setupAxis, "polygon({2, 17, 2, 3}, {2.414213562373095, 1.1645246645991763, 1.1645246645991763, 2.414213562373095})"},
      {143, "Flat Boat", south, fixedSize, setupAxis, "polygon({3, 1, 1, 3}, {2.414213562373095, 1.0, 3.8284271247461903, 1.0})"},
      {144, "Short Acorn", north, fixedSize, setupAxis, "polygon({5, 2, 3, 2, 3, 2, 5, 2}, {1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 1.0})"},
      {145, "Arrow Bow", south, fixedSize, setupAxis, "polygon({5, 2, 2, 2, 5, 5, 2, 2, 2, 5}, {1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0})"},
      {146, "Short Candle 16", north, fixedSize, setupAxis, "polygon({11, 4, 6, 4, 6, 4, 11, 2}, {1.5664544973505214, 0.7071067811865476, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 0.7071067811865476, 1.5664544973505214})"},
      {147, "Short Sprout 16", south, fixedSize, setupAxis, "polygon({6, 9, 2, 10, 2, 9, 6, 4}, {1.3065629648763766, 0.7071067811865476, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 0.7071067811865476, 1.3065629648763766})"},
      {148, "Left Triangle ¹⁄₁₆", south, scaleable, vertex(1), "polygon({1, 5, 2}, {2.414213562373095, 1.8477590650225735, 1.0})"},
      {149, "Right Triangle ¹⁄₁₆", south, scaleable, vertex(1), "mirrorOf(148)"},
      {150, "Bell", south, fixedSize, setupAxis, "polygon({1, 5, 3, 3, 3, 3, 5, 1}, {3.8284271247461903, 1.0, 2.414213562373095, 1.0, 1.0, 1.0, 2.414213562373095, 1.0})"},
      {151, "Right v", northWest, fixedSize, vertex(3), "mirrorOf(152)"},
      {152, "Left v", northEast, fixedSize, vertex(6), "polygon({6, 2, 2, 2, 3, 2, 3}, {2.0, 1.0, 1.4142135623730951, 2.414213562373095, 3.414213562373095, 1.0, 1.0})"},
      {153, "Star ¹⁄₅", south, scaleable, setupAxis, "star(5, 1, 5, 1.618033988749895)"},
      {154, "Drum ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 1, 2, 2, 1, 2}, {1.618033988749895, 1.0, 1.0, 1.618033988749895, 1.0, 1.0})"},
      {155, "Baluster", south, scaleable, setupAxis, "polygon({3, 3, 3, 5, 5, 1, 1, 5, 5, 3, 3, 3}, {2.0, 1.0, 2.414213562373095, 1.4142135623730951, 1.0, 0.7071067811865476, 2.414213562373095, 0.7071067811865476, 1.0, 1.4142135623730951, 2.414213562373095, 1.0})"},
      {156, "Wide Barrel", south, scaleable, setupAxis, "polygon({1, 1, 1, 1, 1, 1, 1, 1}, {2.414213562373095, 1.0, 1.0, 1.0, 2.414213562373095, 1.0, 1.0, 1.0})"},
      {157, "Bonnet", south, scaleable, setupAxis, "polygon({6, 2, 2, 3, 3, 3, 3, 2, 2, 6}, {1.0, 1.0, 0.7071067811865476, 2.414213562373095, 1.0, 1.0, 1.0, 2.414213562373095, 0.7071067811865476, 1.0})"},
      {158, "Book ¹⁄₅", north, scaleable, setupAxis, "polygon({2, 3, 4, 3, 2, 6}, {1.618033988749895, 1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.618033988749895})"},
      {159, "Wings B", north, fixedSize, setupAxis, "polygon({3, 1, 2, 1, 3, 6}, {1.0, 1.7071067811865475, 3.414213562373095, 3.414213562373095, 1.7071067811865475, 1.0})"},
      {160, "Acorn B ¹⁄₄", north, fixedSize, setupAxis, "polygon({3, 3, 2, 6, 3, 2, 3, 6, 2, 3, 3}, {3.414213562373095, 1.0, 1.0, 0.7071067811865476, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 0.7071067811865476, 1.0, 1.0})"},
      {161, "Cross Boat B", south, fixedSize, setupAxis, "polygon({3, 1, 6, 3, 2, 3, 6, 1, 3}, {3.414213562373095, 1.0, 1.7071067811865475, 1.0, 1.0, 1.0, 1.0, 1.7071067811865475, 1.0})"},
      {162, "Rhombus ¹⁄₁₂", south, scaleable, setupAxis, "rhombus(1, 12, 2.414213562373095)"},
      {163, "Sun 12", south, scaleable, vertex(1), "star(12, 1, 6, 1.249688897773919)"},
      {164, "Sunray ¹⁄₁₂", south, scaleable, setupAxis, "polygon({4, 3, 4, 1}, {3.414213562373095, 1.249688897773919, 1.249688897773919, 3.414213562373095})"},
      {165, "Candle 12 A", north, fixedSize, setupAxis, "polygon({10, 9, 6, 9, 10, 4}, {1.7673269879789604, 2.414213562373095, 1.249688897773919, 1.249688897773919, 2.414213562373095, 1.7673269879789604})"},
      {166, "Hexstar", south, scaleable, setupAxis, "star(6, 1, 6, 1.9711971193069775)"},
      {167, "Rhombus ¹⁄₆", south, scaleable, setupAxis, "rhombus(1, 6, 1.9711971193069775)"},
      {168, "Shield ¹⁄₁₂", south, fixedSize, setupAxis, "polygon({11, 5, 14, 5, 11, 2}, {3.414213562373095, 1.249688897773919, 0.9148357668252574, 0.9148357668252574, 1.249688897773919, 3.414213562373095})"},
      {169, "Triangle", south, scaleable, setupAxis, "regular(3, 1.0)"},
      {170, "Hexagon", south, scaleable, setupAxis, "regular(6, 1.9711971193069775)"},
      {171, "Sprout 12", south, scaleable, setupAxis, "polygon({5, 7, 1, 8, 1, 7, 5, 2}, {1.0, 1.0, 2.414213562373095, 1.9711971193069775, 1.9711971193069775, 2.414213562373095, 1.0, 1.0})"},
      {172, "Quasar", south, fixedSize, setupAxis, "polygon({2, 11, 4, 11, 2, 11, 4, 11, 2, 11, 4, 11, 2, 11, 4, 11}, {2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0})"},
      {173, "Pentastar ¹⁄₁₂ a", south, fixedSize, setupAxis, "polygon({2, 17, 2, 17, 2, 17, 2, 17, 2, 18}, {2.414213562373095, 2.414213562373095, 3.414213562373095, 3.414213562373095, 2.414213562373095, 2.414213562373095, 3.414213562373095, 3.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {174, "Delta ¹⁄₄", south, scaleable, setupAxis, "star(3, 1, 4, 1.7673269879789604)"},
      {175, "Pentastar ¹⁄₁₂ b", south, fixedSize, setupAxis, "polygon({2, 17, 2, 17, 4, 17, 2, 17, 2, 16}, {2.414213562373095, 2.414213562373095, 2.414213562373095, 1.7673269879789604, 1.7673269879789604, 1.7673269879789604, 1.7673269879789604, 2.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {176, "Twin Star 16", south, fixedSize, setupAxis, "polygon({11, 1, 11, 1, 11, 1, 11, 9, 11, 1, 11, 1, 11, 1, 11, 9}, {0.7071067811865476, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 0.7071067811865476, 0.7071067811865476, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 0.7071067811865476})"},
      {177, "Butterfly", south, fixedSize, setupAxis, "polygon({6, 2, 2, 6, 3, 2, 3, 6, 3, 2, 3, 6, 2, 2, 6, 2}, {1.0, 1.0, 1.0, 1.0, 2.0, 1.4142135623730951, 1.4142135623730951, 2.0, 2.0, 1.4142135623730951, 1.4142135623730951, 2.0, 1.0, 1.0, 1.0, 1.0})"},
      {178, "Left Lid", south, fixedSize, vertex(2), "polygon({2, 4, 2, 2, 2, 5, 3}, {0.7071067811865476, 1.0, 1.0, 2.414213562373095, 1.0, 0.7071067811865476, 1.4142135623730951})"},
      {179, "Right Lid", south, fixedSize, vertex(0), "mirrorOf(178)"},
      {180, "Sun ⁻³⁄₈", south, fixedSize, setupAxis, "sector(8, 5, 1.0, 2.414213562373095)"},
      {181, "Canoe", north, fixedSize, setupAxis, "polygon({5, 1, 3, 3, 3, 3, 1, 5}, {6.82842712474619, 1.4142135623730951, 1.0, 2.8284271247461903, 4.82842712474619, 2.8284271247461903, 1.0, 1.4142135623730951})"},
      {182, "Tower D", south, fixedSize, setupAxis, "polygon({1, 1, 1, 3, 3, 1, 1, 3, 3, 1, 1, 1}, {4.82842712474619, 3.414213562373095, 0.5, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 0.5, 3.414213562373095})"},
      {183, "Paw", south, fixedSize, setupAxis, "polygon({3, 3, 5, 2, 2, 7, 2, 2, 7, 2, 2, 5, 3, 3}, {2.0, 1.4142135623730951, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 2.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.4142135623730951})"},
      {184, "Decastar", south, scaleable, setupAxis, "reducedStar(10, 3, 10, 1.0)"},
      {185, "Twins ³⁄₁₀", south, scaleable, setupAxis, "polygon({5, 6, 5, 14, 5, 6, 5, 14}, {1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.0, 1.618033988749895, 1.618033988749895, 1.0})"},
      {186, "Sail Canoe", north, fixedSize, setupAxis, "polygon({2, 6, 5, 1, 3, 3, 3, 3, 1, 5, 6, 2}, {2.0, 2.0, 2.414213562373095, 1.4142135623730951, 1.0, 2.8284271247461903, 4.82842712474619, 2.8284271247461903, 1.0, 1.4142135623730951, 2.414213562373095, 2.0})"},
      {187, "Jingle", north, fixedSize, setupAxis, "polygon({3, 5, 3, 3, 2, 6, 2, 3, 3, 5, 3, 2}, {0.7071067811865476, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951, 0.7071067811865476, 0.7071067811865476, 1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 0.7071067811865476})"},
      {188, "V ¹⁄₆", north, fixedSize, setupAxis, "polygon({3, 3, 2, 3, 3, 10}, {0.5176380902050415, 1.0, 2.2496888977739187, 2.2496888977739187, 1.0, 0.5176380902050415})"},
      {189, "Swallow ¹⁄₃", south, fixedSize, setupAxis, "polygon({2, 19, 2, 11, 8, 11, 2, 19, 2, 20}, {1.0, 1.4142135623730951, 3.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 3.414213562373095, 1.4142135623730951, 1.0})"},
      {190, "Tooth ¹⁄₄", south, fixedSize, setupAxis, "polygon({2, 3, 2, 3, 6, 3, 2, 3, 2, 6}, {1.4142135623730951, 1.4142135623730951, 3.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 3.0, 1.4142135623730951, 1.4142135623730951})"},
      {191, "Left Petal 12", south, fixedSize, vertex(1), "polygon({6, 7, 2, 9}, {1.249688897773919, 2.1645246645991763, 4.82842712474619, 4.82842712474619})"},
      {192, "Right Petal 12", south, fixedSize, vertex(1), "mirrorOf(191)"},
      {193, "Candle 12 B", north, fixedSize, setupAxis, "polygon({5, 4, 4, 4, 5, 2}, {1.7320508075688772, 3.414213562373095, 1.0, 1.0, 3.414213562373095, 1.7320508075688772})"},
      {194, "Palm 12", south, fixedSize, setupAxis, "polygon({4, 10, 1, 8, 1, 8, 1, 8, 1, 10, 4, 4}, {1.0, 4.82842712474619, 1.4142135623730951, 1.7673269879789604, 1.7673269879789604, 2.414213562373095, 2.414213562373095, 1.7673269879789604, 1.7673269879789604, 1.4142135623730951, 4.82842712474619, 1.0})"},
      {195, "Crown", north, fixedSize, setupAxis, "polygon({2, 7, 2, 6, 1, 2, 2, 1, 6, 2, 7, 2}, {1.0, 1.5, 0.7071067811865476, 1.0, 1.0, 2.0, 4.82842712474619, 2.0, 1.0, 1.0, 0.7071067811865476, 1.5})"},
      {196, "Spade", north, fixedSize, setupAxis, "polygon({2, 2, 6, 6, 2, 3, 3, 3, 3, 2, 6, 6, 2, 2}, {3.414213562373095, 0.7071067811865476, 1.0, 2.0, 1.0, 2.414213562373095, 1.0, 2.0, 1.0, 2.414213562373095, 1.0, 2.0, 1.0, 0.7071067811865476})"},
      {197, "Bellflower", south, fixedSize, setupAxis, "polygon({3, 5, 3, 1, 6, 2, 6, 1, 3, 5, 3, 2}, {1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0})"},
      {198, "Twin Peaks", south, fixedSize, setupAxis, "polygon({1, 2, 6, 2, 1}, {4.82842712474619, 2.414213562373095, 1.0, 1.0, 2.414213562373095})"},
      {199, "Wings D", north, fixedSize, setupAxis, "polygon({1, 1, 1, 1, 1, 3}, {2.0, 1.4142135623730951, 3.414213562373095, 3.414213562373095, 1.4142135623730951, 2.0})"},
      {200, "Twins ¹⁄₆", west, fixedSize, setupAxis, "polygon({1, 1, 4, 1, 1, 4}, {2.0, 2.5, 2.0, 2.0, 2.5, 2.0})"},
      {201, "Twin Star D", south, fixedSize, setupAxis, "polygon({5, 1, 5, 1, 5, 1, 5, 5, 5, 1, 5, 1, 5, 1, 5, 5}, {0.7071067811865476, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 0.7071067811865476, 0.7071067811865476, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 0.7071067811865476})"},
      {202, "Bonnet ¹⁄₆", south, scaleable, setupAxis, "polygon({9, 3, 3, 5, 2, 5, 3, 3, 9}, {1.4142135623730951, 1.0, 1.0, 2.414213562373095, 3.414213562373095, 3.414213562373095, 2.414213562373095, 1.0, 1.0})"},
      {203, "Octagon ¹⁄₃", south, scaleable, setupAxis, "star(4, 1, 3, 2.499377795547838)"},
      {204, "Acorn ¹⁄₆", south, fixedSize, setupAxis, "polygon({4, 3, 8, 2, 8, 3, 4, 4}, {1.0, 1.4142135623730951, 0.5, 0.7320508075688771, 0.7320508075688771, 0.5, 1.4142135623730951, 1.0})"},
      {205, "Sunrise 12", south, fixedSize, setupAxis, "polygon({9, 4, 18, 4, 18, 4, 18, 4, 18, 4, 18, 4, 9, 12}, {2.414213562373095, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.414213562373095})"},
      {206, "Sun Edge 12", south, fixedSize, setupAxis, "polygon({3, 4, 3, 10, 3, 4, 3}, {3.414213562373095, 1.0, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.0})"},
      {207, "Sun Corner 12", south, fixedSize, setupAxis, "polygon({2, 3, 10, 3, 10, 3, 2, 3}, {3.414213562373095, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 3.414213562373095})"},
      {208, "Spindle", east, fixedSize, setupAxis, "polygon({3, 5, 3, 3, 5, 3, 2, 3, 5, 3, 3, 5, 3, 2}, {1.0, 2.0, 1.4142135623730951, 1.0, 1.4142135623730951, 2.0, 1.0, 1.0, 2.0, 1.4142135623730951, 1.0, 1.4142135623730951, 2.0, 1.0})"},
      {209, "Ginkgo", north, scaleable, setupAxis, "polygon({5, 7, 4, 4, 4, 7, 5, 12}, {1.4142135623730951, 1.8477590650225735, 1.0, 4.82842712474619, 4.82842712474619, 1.0, 1.8477590650225735, 1.4142135623730951})"},
      {210, "Tree", south, scaleable, setupAxis, "polygon({2, 6, 1, 7, 1, 2, 1, 7, 1, 6, 2}, {1.4142135623730951, 1.0, 1.0, 1.4142135623730951, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.4142135623730951, 1.0, 1.0})"},
      {211, "Left Cross Boat C", south, fixedSize, setupAxis, "polygon({3, 3, 3, 2, 3, 6, 6, 3, 2, 3, 3, 3}, {3.414213562373095, 1.0, 0.7071067811865476, 1.0, 1.0, 0.7071067811865476, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {212, "Right Cross Boat C", south, fixedSize, setupAxis, "mirrorOf(211, 4)"},
      {213, "Sun ⁻¹⁄₄", south, fixedSize, setupAxis, "sector(8, 6, 1.0, 2.414213562373095, 12)"},
      {214, "Twins C", west, fixedSize, setupAxis, "polygon({3, 10, 3, 3, 10, 3}, {2.8284271247461903, 2.613125929752753, 2.613125929752753, 2.8284271247461903, 2.613125929752753, 2.613125929752753})"},
      {215, "Canoe C", north, fixedSize, setupAxis, "polygon({5, 1, 3, 3, 3, 3, 1, 5}, {3.414213562373095, 1.0, 1.0, 2.0, 2.0, 2.0, 1.0, 1.0})"},
      {216, "Sprout 16", south, fixedSize, setupAxis, "polygon({6, 9, 2, 10, 2, 9, 6, 4}, {1.3065629648763766, 1.8477590650225735, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 1.8477590650225735, 1.3065629648763766})"},
      {217, "Palm Stem 16", south, scaleable, setupAxis, "polygon({1, 3, 1, 1, 1, 1, 3, 1}, {1.4142135623730951, 3.414213562373095, 0.7071067811865476, 0.7071067811865476, 2.8284271247461903, 0.7071067811865476, 0.7071067811865476, 3.414213562373095})"},
      {218, "Palm Crown 16", south, fixedSize, setupAxis, "polygon({4, 2, 13, 2, 13, 2, 4}, {3.414213562373095, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214})"},
      {219, "Mask 16", north, scaleable, setupAxis, "polygon({6, 5, 3, 12, 3, 5, 6}, {1.8477590650225735, 1.0, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.0})"},
      {220, "Arrowhead 16", north, scaleable, setupAxis, "polygon({1, 12, 1, 2}, {2.414213562373095, 1.3065629648763766, 1.3065629648763766, 2.414213562373095})"},
      {221, "Long Sprout 16", south, fixedSize, setupAxis, "polygon({6, 9, 2, 10, 2, 9, 6, 4}, {1.3065629648763766, 3.414213562373095, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 3.414213562373095, 1.3065629648763766})"},
      {222, "Notch 12 ¹⁄₄", north, fixedSize, setupAxis, "polygon({2, 1, 6, 1, 2}, {1.7673269879789604, 1.0, 1.249688897773919, 1.249688897773919, 1.0})"},
      {223, "Hat", south, fixedSize, setupAxis, "polygon({1, 1, 3, 1, 1, 3, 1, 1}, {3.414213562373095, 0.7071067811865476, 1.0, 2.414213562373095, 1.4142135623730951, 2.414213562373095, 1.0, 0.7071067811865476})"},
      {224, "Small Column", south, scaleable, setupAxis, "polygon({2, 3, 5, 5, 3, 2, 2, 3, 5, 5, 3, 2}, {2.414213562373095, 0.7071067811865476, 1.0, 1.0, 1.0, 0.7071067811865476, 2.414213562373095, 0.7071067811865476, 1.0, 1.0, 1.0, 0.7071067811865476})"},
      {225, "U 16 B", north, fixedSize, setupAxis, "polygon({12, 4, 4, 7, 7, 6, 6, 7, 7, 4, 4, 12}, {2.414213562373095, 1.0, 1.7071067811865475, 1.0, 1.8477590650225735, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 1.8477590650225735, 1.0, 1.7071067811865475, 1.0})"},
      {226, "Truncated Star", south, fixedSize, setupAxis, "polygon({3, 7, 3, 3, 7, 3, 3, 7, 3, 3, 7, 3, 3, 7, 3}, {0.6180339887498949, 1.618033988749895, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 1.618033988749895})"},
      {227, "Notch Candle 12", south, fixedSize, setupAxis, "polygon({3, 10, 4, 10, 3, 18}, {1.249688897773919, 2.414213562373095, 1.7673269879789604, 1.7673269879789604, 2.414213562373095, 1.249688897773919})"},
      {228, "Left Wedge 12", south, scaleable, vertex(1), "polygon({1, 5, 3, 3}, {3.414213562373095, 2.499377795547838, 1.249688897773919, 1.249688897773919})"},
      {229, "Right Wedge 12", south, scaleable, vertex(1), "mirrorOf(228)"},
      {230, "Nail", north, fixedSize, setupAxis, "polygon({2, 2, 6, 3, 2, 3, 6, 2, 2}, {2.414213562373095, 0.7071067811865476, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 0.7071067811865476})"},
      {231, "Swallow B", south, fixedSize, setupAxis, "polygon({2, 13, 1, 9, 2, 9, 1, 13, 2, 12}, {1.0, 1.0, 1.8477590650225735, 2.414213562373095, 1.8477590650225735, 1.8477590650225735, 2.414213562373095, 1.8477590650225735, 1.0, 1.0})"},
      {232, "Fin B", south, fixedSize, setupAxis, "polygon({4, 5, 3, 5, 4, 11}, {1.23463313526982, 1.8477590650225735, 3.695518130045147, 3.695518130045147, 1.8477590650225735, 1.23463313526982})"},
      {233, "Small Twin Star B", south, fixedSize, setupAxis, "polygon({1, 5, 1, 5, 1, 7, 1, 5, 1, 5, 1, 7}, {0.7071067811865476, 1.0, 1.0, 1.0, 1.0, 0.7071067811865476, 0.7071067811865476, 1.0, 1.0, 1.0, 1.0, 0.7071067811865476})"},
      {234, "Sailboat 3", south, fixedSize, setupAxis, "polygon({3, 1, 5, 2, 6, 3, 3, 6, 2, 5, 1, 3}, {6.82842712474619, 1.4142135623730951, 1.0, 2.414213562373095, 1.0, 0.7071067811865476, 1.0, 0.7071067811865476, 1.0, 2.414213562373095, 1.0, 1.4142135623730951})"},
      {235, "Sun 32", south, scaleable, setupAxis, "star(32, 1, 16, 2.95462846528022)"},
      {236, "Sunray 32", south, fixedSize, setupAxis, "polygon({14, 3, 14, 1}, {8.750340680894675, 2.95462846528022, 2.95462846528022, 8.750340680894675})"},
      {237, "Candle 32", north, fixedSize, setupAxis, "polygon({22, 9, 12, 8, 12, 9, 22, 2}, {2.95462846528022, 1.152838837459074, 4.82842712474619, 2.414213562373095, 2.414213562373095, 4.82842712474619, 1.152838837459074, 2.95462846528022})"},
      {238, "Palm 32", south, fixedSize, setupAxis, "polygon({12, 26, 3, 22, 3, 20, 3, 22, 3, 26, 12, 8}, {0.7653668647301796, 4.82842712474619, 1.4142135623730951, 1.5, 1.5, 2.0, 2.0, 1.5, 1.5, 1.4142135623730951, 4.82842712474619, 0.7653668647301796})"},
      {239, "Petal Left 32", south, fixedSize, vertex(1), "polygon({2, 6, 1, 7}, {1.0, 0.8477590650225735, 1.8477590650225735, 1.5664544973505214})"},
      {240, "Petal Right 32", south, fixedSize, vertex(1), "mirrorOf(239)"},
      {241, "U 32", north, fixedSize, setupAxis, "polygon({12, 1, 3, 3, 1, 12}, {1.5664544973505214, 0.8477590650225735, 2.414213562373095, 3.414213562373095, 2.414213562373095, 0.8477590650225735})"},
      {242, "Kite ¹⁄₁₆", south, fixedSize, setupAxis, "polygon({11, 8, 11, 2}, {1.4142135623730951, 0.3901806440322565, 0.3901806440322565, 1.4142135623730951})"},
      {243, "v 32", south, fixedSize, setupAxis, "polygon({3, 5, 14, 5, 3, 2}, {4.460884994775326, 0.7071067811865476, 2.613125929752753, 2.613125929752753, 0.7071067811865476, 4.460884994775326})"},
      {244, "v √2", south, fixedSize, setupAxis, "polygon({1, 3, 6, 3, 1, 2}, {2.8284271247461903, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 2.8284271247461903})"},
      {245, "Mask √2", north, scaleable, setupAxis, "polygon({3, 2, 2, 6, 2, 2, 3}, {2.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951})"},
      {246, "Moth", south, fixedSize, setupAxis, "polygon({10, 3, 12, 1, 12, 9, 1, 12, 1, 9, 12, 1, 12, 3, 10, 4}, {0.7071067811865476, 1.0, 0.7653668647301796, 1.8477590650225735, 2.414213562373095, 0.5, 1.3065629648763766, 1.4142135623730951, 1.4142135623730951, 1.3065629648763766, 0.5, 2.414213562373095, 1.8477590650225735, 0.7653668647301796, 1.0, 0.7071067811865476})"},
      {247, "Ship Star", south, fixedSize, setupAxis, "polygon({7, 4, 10, 4, 10, 4, 10, 4, 10, 4, 7, 6}, {1.8477590650225735, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.8477590650225735})"},
      {248, "Triangle ¹⁄₈", south, scaleable, setupAxis, "polygon({3, 2, 3}, {1.8477590650225735, 2.414213562373095, 2.414213562373095})"},
      {249, "Left Sailboat", south, fixedSize, edge(2), "polygon({7, 5, 6, 2, 10, 2}, {3.0, 0.7653668647301796, 2.8284271247461903, 1.4142135623730951, 1.4142135623730951, 3.8284271247461903})"},
      {250, "Right Sailboat", south, fixedSize, edge(2), "mirrorOf(249, 3)"},
      {251, "Sun Edge 16", south, fixedSize, setupAxis, "polygon({4, 6, 3, 14, 3, 6, 4}, {3.414213562373095, 1.0, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.0})"},
      {252, "Sun Corner 16", south, fixedSize, setupAxis, "polygon({3, 3, 14, 3, 14, 3, 14, 3, 3, 4}, {4.460884994775326, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 1.5664544973505214, 4.460884994775326})"},
      {253, "Double Notch", south, fixedSize, setupAxis, "polygon({2, 2, 3, 6, 3, 3, 6, 3, 2, 2}, {6.82842712474619, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951})"},
      {254, "Short Double Notch", south, fixedSize, setupAxis, "polygon({2, 2, 3, 6, 3, 3, 6, 3, 2, 2}, {6.82842712474619, 1.0, 1.0, 1.0, 1.0, 2.0, 1.0, 1.0, 1.0, 1.0})"},
      {255, "Bouquet Corner", south, scaleable, setupAxis, "polygon({5, 2, 3, 2, 6, 2, 3, 2, 5, 2}, {1.4142135623730951, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.4142135623730951})"},
      {256, "Cross Edge", south, fixedSize, setupAxis, "polygon({2, 3, 2, 3, 2}, {1.4142135623730951, 1.0, 1.0, 1.0, 1.0})"},
      {257, "Kite Bracket", south, scaleable, setupAxis, "polygon({3, 2, 2, 5, 5, 2, 2, 3}, {3.414213562373095, 1.0, 1.0, 1.0, 2.0, 1.0, 1.0, 1.0})"},
      {258, "Big Twins ³⁄₁₀", south, scaleable, setupAxis, "polygon({6, 1, 13, 13, 1, 6}, {2.0, 4.23606797749979, 3.0776835371752536, 1.0, 3.0776835371752536, 4.23606797749979})"},
      {259, "Decagon", south, scaleable, setupAxis, "regular(10, 1.0)"},
      {260, "Tri Bracket", south, scaleable, setupAxis, "polygon({1, 3, 3, 1, 1, 1, 1, 1, 1, 3, 3, 1}, {1.4142135623730951, 1.7071067811865475, 2.0, 1.7071067811865475, 0.7071067811865476, 2.0, 6.82842712474619, 2.0, 0.7071067811865476, 1.7071067811865475, 2.0, 1.7071067811865475})"},
      {261, "Kite ¹⁄₆", south, scaleable, setupAxis, "polygon({3, 4, 3, 2}, {1.7320508075688772, 1.0, 1.0, 1.7320508075688772})"},
      {262, "Dart ¹⁄₁₂", north, scaleable, setupAxis, "polygon({1, 9, 1, 1}, {3.414213562373095, 1.249688897773919, 1.249688897773919, 3.414213562373095})"},
      {263, "Book ¹⁄₆", north, fixedSize, setupAxis, "polygon({1, 2, 2, 2, 1, 4}, {1.9711971193069775, 2.414213562373095, 1.9711971193069775, 1.9711971193069775, 2.414213562373095, 1.9711971193069775})"},
      {264, "Compass ¹⁄₁₂", south, scaleable, vertex(1), "star(4, 1, 12, 1.9711971193069775)"},
      {265, "Notch ¹⁄₃", south, fixedSize, setupAxis, "polygon({3, 3, 4, 10, 4, 3, 3}, {2.414213562373095, 1.249688897773919, 0.7071067811865476, 1.0, 1.0, 0.7071067811865476, 1.249688897773919})"},
      {266, "Kite ¹⁄₄ ¹⁄₆", north, scaleable, setupAxis, "polygon({2, 5, 2, 3}, {2.414213562373095, 1.7673269879789604, 1.7673269879789604, 2.414213562373095})"},
      {267, "Bend", south, fixedSize, setupAxis, "polygon({7, 4, 4, 12, 4, 4, 7, 6}, {1.4142135623730951, 1.0, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 1.0, 1.4142135623730951})"},
      {268, "Shield ¹⁄₁₂ ¹⁄₄", south, fixedSize, setupAxis, "polygon({11, 2, 16, 2, 11, 6}, {1.4142135623730951, 1.4142135623730951, 1.9711971193069775, 1.9711971193069775, 1.4142135623730951, 1.4142135623730951})"},
      {269, "Petal ¹⁄₃", south, fixedSize, setupAxis, "polygon({5, 4, 2, 4, 5, 4}, {1.1547005383792515, 1.4142135623730951, 3.414213562373095, 3.414213562373095, 1.4142135623730951, 1.1547005383792515})"},
      {270, "Arrow Bow ¹⁄₁₂", south, scaleable, setupAxis, "polygon({13, 10, 2, 10, 13, 13, 10, 2, 10, 13}, {1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0})"},
      {271, "Acorn 12", south, fixedSize, setupAxis, "polygon({5, 3, 8, 2, 8, 3, 5, 2}, {3.0, 1.5773502691896257, 1.0, 1.0, 1.0, 1.0, 1.5773502691896257, 3.0})"},
      {272, "Arrow", south, scaleable, setupAxis, "polygon({1, 6, 1, 2, 1, 6, 1, 6}, {1.0, 3.414213562373095, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 3.414213562373095, 1.0})"},
      {273, "Candle Stump 32", north, fixedSize, setupAxis, "polygon({22, 9, 12, 8, 12, 9, 22, 2}, {2.95462846528022, 1.152838837459074, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.152838837459074, 2.95462846528022})"},
      {274, "Mask 32", south, fixedSize, setupAxis, "polygon({8, 8, 13, 14, 13, 8, 8, 24}, {1.0, 0.8477590650225735, 1.3065629648763766, 0.3901806440322565, 0.3901806440322565, 1.3065629648763766, 0.8477590650225735, 1.0})"},
      {275, "Short Acorn 12", south, fixedSize, setupAxis, "polygon({5, 3, 8, 2, 8, 3, 5, 2}, {1.7673269879789604, 0.5, 0.5176380902050415, 0.7320508075688771, 0.7320508075688771, 0.5176380902050415, 0.5, 1.7673269879789604})"},
      {276, "Long Shield ¹⁄₁₂ ¹⁄₄", south, fixedSize, setupAxis, "polygon({5, 1, 9, 1, 5, 3}, {1.0, 5.464101615137754, 3.0, 3.0, 5.464101615137754, 1.0})"},
      {277, "Sun Corner 12 ¹⁄₃", south, fixedSize, setupAxis, "polygon({2, 3, 10, 3, 2, 4}, {1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.9711971193069775})"},
      {278, "Bellstar", south, fixedSize, setupAxis, "polygon({1, 5, 1, 6, 2, 6, 1, 5, 1}, {4.82842712474619, 1.4142135623730951, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 2.414213562373095, 1.4142135623730951})"},
      {279, "L", south, fixedSize, edge(3), "polygon({1, 1, 1, 1, 1, 3}, {2.414213562373095, 1.0, 3.414213562373095, 2.0, 1.0, 1.0})"},
      {280, "⅃", south, fixedSize, edge(5), "mirrorOf(279, 5)"},
      {281, "Sailboat 4", north, fixedSize, setupAxis, "polygon({11, 2, 6, 10, 4, 10, 6, 2, 11, 2}, {2.414213562373095, 1.7071067811865475, 1.4142135623730951, 0.7071067811865476, 1.3065629648763766, 1.3065629648763766, 0.7071067811865476, 1.4142135623730951, 1.7071067811865475, 2.414213562373095})"},
      {282, "Dwarf", north, fixedSize, setupAxis, "polygon({11, 4, 4, 12, 6, 4, 6, 12, 4, 4, 11, 2}, {3.414213562373095, 1.0, 0.7071067811865476, 1.0, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 1.0, 0.7071067811865476, 1.0, 3.414213562373095})"},
      {283, "Left Bud", south, fixedSize, vertex(4), "polygon({7, 1, 3, 5, 2, 2, 5, 3, 3, 2, 3, 3, 5}, {0.7071067811865476, 2.414213562373095, 0.7071067811865476, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 0.7071067811865476, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 0.7071067811865476})"},
      {284, "Right Bud", south, fixedSize, vertex(5), "mirrorOf(283, 6)"},
      {285, "Double Star B", south, fixedSize, setupAxis, "polygon({2, 13, 2, 11, 2, 13, 2, 11, 2, 13, 2, 11, 2, 13, 2, 11}, {2.0, 2.414213562373095, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 2.414213562373095, 2.0})"},
      {286, "Rectangle 1+1/√2", west, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {1.0, 1.7071067811865475, 1.0, 1.7071067811865475})"},
      {287, "Roof", south, scaleable, setupAxis, "polygon({1, 3, 3, 1}, {3.414213562373095, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951})"},
      {288, "Fin Roof", north, fixedSize, setupAxis, "polygon({2, 5, 1, 1, 5, 2}, {1.4142135623730951, 1.0, 2.414213562373095, 4.82842712474619, 2.414213562373095, 1.0})"},
      {289, "Triangle ³⁄₈", south, scaleable, setupAxis, "polygon({1, 6, 1}, {1.8477590650225735, 1.0, 1.0})"},
      {290, "Bow ¹⁄₃", south, scaleable, setupAxis, "polygon({7, 4, 2, 4, 7, 7, 4, 2, 4, 7}, {1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0})"},
      {291, "Compass ¹⁄₆", south, scaleable, vertex(1), "star(4, 1, 6, 2.6821627548042177)"},
      {292, "Hexstar Edge", south, fixedSize, setupAxis, "polygon({1, 8, 2, 8, 2, 8, 1}, {6.82842712474619, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {293, "Cross Ship", north, fixedSize, setupAxis, "polygon({2, 6, 2, 2, 6, 6, 1, 3, 3, 1, 6, 6, 2, 2, 6, 2}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.414213562373095, 1.4142135623730951, 3.8284271247461903, 1.4142135623730951, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {294, "Wrist", south, fixedSize, setupAxis, "polygon({2, 3, 6, 3, 3, 3, 3, 3, 3, 6, 3, 2}, {3.414213562373095, 2.414213562373095, 1.0, 1.0, 1.0, 0.7071067811865476, 2.414213562373095, 0.7071067811865476, 1.0, 1.0, 1.0, 2.414213562373095})"},
      {295, "Sharp Cross", south, fixedSize, setupAxis, "polygon({7, 2, 7, 12, 7, 2, 7, 12, 7, 2, 7, 12, 7, 2, 7, 12}, {1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0})"},
      {296, "Belt", east, fixedSize, setupAxis, "polygon({7, 6, 4, 6, 7, 2}, {2.613125929752753, 4.82842712474619, 1.4142135623730951, 1.4142135623730951, 4.82842712474619, 2.613125929752753})"},
      {297, "Left Arrowhead", south, scaleable, vertex(0), "polygon({3, 10, 1, 2}, {2.0, 0.7653668647301796, 1.8477590650225735, 3.414213562373095})"},
      {298, "Right Arrowhead", south, scaleable, vertex(0), "mirrorOf(297, 2)"},
      {299, "Belt Edge", south, fixedSize, setupAxis, "polygon({7, 2, 7, 7, 2, 7}, {4.460884994775326, 2.414213562373095, 2.414213562373095, 4.460884994775326, 2.414213562373095, 2.414213562373095})"},
      {300, "Comet", north, fixedSize, setupAxis, "polygon({3, 3, 1, 7, 1, 7, 1, 3, 3, 3}, {2.0, 1.0, 2.0, 1.0, 2.8284271247461903, 2.8284271247461903, 1.0, 2.0, 1.0, 2.0})"},
      {301, "Roof ¹⁄₃", north, fixedSize, setupAxis, "polygon({2, 1, 1, 2}, {2.414213562373095, 1.0, 3.414213562373095, 1.0})"},
      {302, "Belt ³⁄₁₀", east, scaleable, setupAxis, "polygon({7, 6, 8, 6, 7, 6}, {1.618033988749895, 5.23606797749979, 1.3763819204711736, 1.3763819204711736, 5.23606797749979, 1.618033988749895})"},
      {303, "Triangle ¹⁄₅", south, scaleable, setupAxis, "polygon({3, 4, 3}, {1.902113032590307, 1.618033988749895, 1.618033988749895})"},
      {304, "Triangle ²⁄₅", south, scaleable, setupAxis, "polygon({1, 8, 1}, {1.902113032590307, 1.0, 1.0})"},
      {305, "Shield 12", south, scaleable, setupAxis, "polygon({10, 5, 14, 5, 10, 4}, {1.0, 1.0, 0.5176380902050415, 0.5176380902050415, 1.0, 1.0})"},
      {306, "Petal 12", south, scaleable, setupAxis, "polygon({9, 10, 4, 10, 9, 6}, {1.249688897773919, 1.0, 1.7673269879789604, 1.7673269879789604, 1.0, 1.249688897773919})"},
      {307, "Crest 12 a", south, fixedSize, setupAxis, "polygon({9, 2, 20, 2, 9, 6}, {1.249688897773919, 1.0, 1.7673269879789604, 1.7673269879789604, 1.0, 1.249688897773919})"},
      {308, "Left Spark 12 a", south, scaleable, edge(3), "polygon({1, 8, 1, 4, 4}, {1.249688897773919, 1.249688897773919, 3.414213562373095, 2.499377795547838, 2.1645246645991763})"},
      {309, "Right Spark 12 a", south, scaleable, edge(0), "mirrorOf(308, 3)"},
      {310, "Twins 12 a", west, scaleable, setupAxis, "polygon({1, 2, 1, 1, 1, 1, 2, 1, 1, 1}, {1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775})"},
      {311, "Square Compass a", south, fixedSize, setupAxis, "polygon({1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2}, {1.4142135623730951, 0.7653668647301796, 1.4142135623730951, 1.4142135623730951, 0.7653668647301796, 1.4142135623730951, 1.4142135623730951, 0.7653668647301796, 1.4142135623730951, 1.4142135623730951, 0.7653668647301796, 1.4142135623730951})"},
      {312, "Triple", south, scaleable, setupAxis, "polygon({3, 1, 1, 1, 3, 1, 3, 1, 1, 1, 3, 1}, {1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0})"},
      {313, "Kite ¹⁄₆ ³⁄₁₀", south, scaleable, setupAxis, "polygon({8, 9, 8, 5}, {1.618033988749895, 1.0, 1.0, 1.618033988749895})"},
      {314, "Wing Bolt", south, scaleable, setupAxis, "polygon({6, 6, 21, 6, 17, 6, 21, 6, 6, 25}, {1.0, 1.0, 1.0, 1.0, 0.3681587642946257, 0.3681587642946257, 1.0, 1.0, 1.0, 1.0})"},
      {315, "Hexagon Wedge", south, scaleable, setupAxis, "polygon({1, 1, 1, 1, 1, 1}, {3.414213562373095, 1.0, 2.414213562373095, 2.0, 2.414213562373095, 1.0})"},
      {316, "Hexstar ¹⁄₅", south, scaleable, setupAxis, "star(6, 1, 5, 0.5086140720906989)"},
      {317, "Pentagon Edge", south, scaleable, setupAxis, "polygon({1, 1, 1, 1, 1}, {2.0, 1.0, 1.618033988749895, 1.618033988749895, 1.0})"},
      {318, "Propeller\u00a05", south, scaleable, setupAxis, "polygon({1, 1, 3, 1, 1, 3}, {2.618033988749895, 3.23606797749979, 2.618033988749895, 2.618033988749895, 3.23606797749979, 2.618033988749895})"},
      {319, "Trisosceles ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 3, 3, 2}, {1.0, 1.0, 0.3819660112501051, 1.0})"},
      {320, "Trapezoid ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 3, 3, 2}, {2.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895})"},
      {321, "Hexagon ²⁄₅", south, scaleable, setupAxis, "polygon({2, 1, 2, 2, 1, 2}, {2.0, 1.0, 1.0, 2.0, 1.0, 1.0})"},
      {322, "Short Right Hexagon", south, scaleable, setupAxis, "polygon({2, 3, 3, 3, 3, 2}, {2.414213562373095, 0.7071067811865476, 1.0, 1.0, 1.0, 0.7071067811865476})"},
      {323, "Flask", south, scaleable, setupAxis, "polygon({1, 5, 2, 2, 5, 1}, {3.414213562373095, 1.7071067811865475, 1.0, 1.0, 1.0, 1.7071067811865475})"},
      {324, "Left Sunray ¹⁄₁₀ Edge", south, scaleable, vertex(1), "polygon({1, 3, 6}, {2.618033988749895, 3.0776835371752536, 1.0})"},
      {325, "Right Sunray ¹⁄₁₀ Edge", south, scaleable, vertex(1), "mirrorOf(324)"},
      {326, "Left Half Pentagon", south, scaleable, edge(3), "polygon({6, 3, 5, 6}, {2.0, 2.0, 3.0776835371752536, 1.0})"},
      {327, "Right Half Pentagon", south, scaleable, edge(2), "mirrorOf(326)"},
      {328, "Baluster Edge", south, scaleable, setupAxis, "polygon({3, 3, 2, 2, 3, 3}, {2.0, 1.0, 1.7071067811865475, 3.414213562373095, 1.7071067811865475, 1.0})"},
      {329, "Anvil", north, scaleable, setupAxis, "polygon({1, 5, 6, 2, 2, 2, 2, 6, 5, 1}, {4.82842712474619, 2.0, 1.0, 0.7071067811865476, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 0.7071067811865476, 1.0, 2.0})"},
      {330, "Twins ³⁄₁₀ Edge", south, scaleable, setupAxis, "polygon({5, 8, 6, 12, 6, 8, 5}, {3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {331, "Left Baluster Corner", south, fixedSize, edge(1), "polygon({2, 2, 2, 3, 3}, {1.7071067811865475, 1.7071067811865475, 2.414213562373095, 1.0, 1.0})"},
      {332, "Right Baluster Corner", south, fixedSize, edge(0), "mirrorOf(331)"},
      {333, "Left Triangle ¹⁄₁₂", south, scaleable, edge(2), "polygon({1, 2, 3}, {1.7320508075688772, 2.0, 1.0})"},
      {334, "Right Triangle ¹⁄₁₂", south, scaleable, edge(2), "mirrorOf(333)"},
      {335, "Left Parallelogram ¹⁄₈", south, scaleable, setupAxis, "polygon({1, 3, 1, 3}, {1.0, 2.414213562373095, 1.0, 2.414213562373095})"},
      {336, "Right Parallelogram ¹⁄₈", south, scaleable, setupAxis, "mirrorOf(335)"},
      {337, "Left Trapezoid", west, scaleable, setupAxis, "polygon({2, 1, 3, 2}, {1.0, 2.414213562373095, 1.4142135623730951, 1.4142135623730951})"},
      {338, "Right Trapezoid", east, scaleable, edge(1), "mirrorOf(337)"},
      {339, "Triangle ¹⁄₃", south, scaleable, setupAxis, "polygon({1, 4, 1}, {3.414213562373095, 1.9711971193069775, 1.9711971193069775})"},
      {340, "Drop ¹⁄₆", south, scaleable, setupAxis, "polygon({4, 5, 5, 2, 5, 5, 4}, {1.0, 1.0, 1.0, 2.0, 2.0, 1.0, 1.0})"},
      {341, "Small House ¹⁄₃", south, scaleable, setupAxis, "polygon({3, 4, 4, 4, 3}, {1.7320508075688772, 1.0, 1.0, 1.0, 1.0})"},
      {342, "Cairo", south, scaleable, setupAxis, "polygon({4, 3, 4, 3, 4}, {1.7673269879789604, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {343, "Orchid 32", north, scaleable, setupAxis, "polygon({11, 1, 10, 3, 12, 3, 10, 1, 11, 2}, {1.5664544973505214, 1.4142135623730951, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.4142135623730951, 1.5664544973505214})"},
      {344, "Swallow 32", south, fixedSize, setupAxis, "polygon({3, 25, 2, 18, 6, 18, 2, 25, 3, 26}, {1.8477590650225735, 2.0, 1.5664544973505214, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.5664544973505214, 2.0, 1.8477590650225735})"},
      {345, "Left Bird 32", south, fixedSize, vertex(6), "polygon({1, 12, 7, 4, 6, 4, 6}, {3.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.4142135623730951, 2.613125929752753})"},
      {346, "Right Bird 32", south, fixedSize, vertex(3), "mirrorOf(345)"},
      {347, "Left V 32", south, fixedSize, vertex(5), "polygon({2, 7, 2, 2, 1, 2}, {1.0, 2.414213562373095, 1.0, 1.0, 3.414213562373095, 4.82842712474619})"},
      {348, "Right V 32", south, fixedSize, vertex(3), "mirrorOf(347)"},
      {349, "Wide Trapezoid ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 3, 3, 2}, {3.618033988749895, 1.618033988749895, 2.618033988749895, 1.618033988749895})"},
      {350, "Rectangle √3", south, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {3.414213562373095, 1.9711971193069775, 3.414213562373095, 1.9711971193069775})"},
      {351, "Kite 32", north, fixedSize, setupAxis, "polygon({2, 7, 2, 5}, {1.8477590650225735, 1.5664544973505214, 1.5664544973505214, 1.8477590650225735})"},
      {352, "Axle", south, scaleable, setupAxis, "polygon({3, 1, 1, 1, 1, 3, 3, 1, 1, 1, 1, 3}, {2.414213562373095, 0.7071067811865476, 1.0, 2.414213562373095, 1.0, 0.7071067811865476, 2.414213562373095, 0.7071067811865476, 1.0, 2.414213562373095, 1.0, 0.7071067811865476})"},
      {353, "Sun ¹⁄₄", south, fixedSize, setupAxis, "sector(8, 2, 1.0, 2.414213562373095)"},
      {354, "Sun ³⁄₈", south, fixedSize, setupAxis, "sector(8, 3, 1.0, 2.414213562373095)"},
      {355, "Left Podium", south, fixedSize, edge(1), "polygon({4, 4, 4, 7, 5}, {2.8284271247461903, 2.8284271247461903, 3.414213562373095, 1.4142135623730951, 1.530733729460359})"},
      {356, "Right Podium", south, fixedSize, edge(2), "mirrorOf(355, 3)"},
      {357, "Acorn 12 C", south, fixedSize, setupAxis, "polygon({10, 5, 16, 4, 16, 5, 10, 6}, {0.7071067811865476, 2.414213562373095, 0.5, 1.249688897773919, 1.249688897773919, 0.5, 2.414213562373095, 0.7071067811865476})"},
      {358, "Petal 12 C", south, fixedSize, setupAxis, "polygon({10, 7, 8, 7, 10, 6}, {1.249688897773919, 2.499377795547838, 1.7673269879789604, 1.7673269879789604, 2.499377795547838, 1.249688897773919})"},
      {359, "Roof 12 C", south, fixedSize, setupAxis, "polygon({3, 9, 1, 4, 1, 9, 3}, {2.0, 1.0, 0.5, 1.7320508075688772, 1.7320508075688772, 0.5, 1.0})"},
      {360, "Tent 12 C", south, fixedSize, setupAxis, "polygon({9, 3, 2, 2, 2, 3, 9}, {1.0, 0.25, 1.0, 3.0, 3.0, 1.0, 0.25})"},
      {361, "Triangle ¹⁄₁₂", south, scaleable, setupAxis, "polygon({5, 2, 5}, {0.5176380902050415, 1.0, 1.0})"},
      {362, "Left Half Ginkgo", south, scaleable, setupAxis, "polygon({1, 3, 3, 3, 3, 3}, {3.414213562373095, 2.8284271247461903, 1.4142135623730951, 0.7071067811865476, 1.0, 0.7071067811865476})"},
      {363, "Right Half Ginkgo", south, scaleable, vertex(1), "mirrorOf(362)"},
      {364, "Y", north, fixedSize, setupAxis, "polygon({11, 4, 4, 9, 4, 4, 9, 4, 4, 11}, {1.0, 1.8477590650225735, 1.0, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 1.0, 1.8477590650225735})"},
      {365, "Left Ginkgo Edge", southEast, scaleable, vertex(0), "polygon({3, 3, 2, 6, 2, 3, 1}, {2.8284271247461903, 1.4142135623730951, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 3.414213562373095})"},
      {366, "Right Ginkgo Edge", southWest, scaleable, vertex(3), "mirrorOf(365, 6)"},
      {367, "Left Half Leaf", south, scaleable, edge(0), "polygon({2, 7, 6, 7, 2}, {4.82842712474619, 2.0, 0.7653668647301796, 1.8477590650225735, 1.4142135623730951})"},
      {368, "Right Half Leaf", north, scaleable, setupAxis, "mirrorOf(367, 3)"},
      {369, "Left Leaf Edge", north, scaleable, edge(1), "polygon({1, 2, 3, 3, 3}, {2.414213562373095, 3.414213562373095, 1.0, 1.0, 1.0})"},
      {370, "Right Leaf Edge", north, scaleable, setupAxis, "mirrorOf(369)"},
      {371, "Trifolium ³⁄₁₀", north, scaleable, setupAxis, "polygon({7, 13, 5, 5, 14, 5, 5, 13, 7, 6}, {1.0, 1.3763819204711736, 1.3763819204711736, 1.3763819204711736, 1.3763819204711736, 1.3763819204711736, 1.3763819204711736, 1.3763819204711736, 1.3763819204711736, 1.0})"},
      {372, "Skirt ¹⁄₅", south, fixedSize, setupAxis, "polygon({4, 11, 5, 5, 11, 4}, {2.0, 1.618033988749895, 0.6180339887498949, 1.0, 0.6180339887498949, 1.618033988749895})"},
      {373, "Onion", south, scaleable, setupAxis, "polygon({2, 5, 3, 3, 2, 3, 3, 5, 2}, {1.0, 0.7071067811865476, 1.0, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 1.0, 0.7071067811865476})"},
      {374, "Candy", west, fixedSize, setupAxis, "polygon({1, 6, 3, 3, 6, 1, 1, 6, 3, 3, 6, 1}, {2.8284271247461903, 1.0, 2.414213562373095, 1.0, 2.414213562373095, 1.0, 2.8284271247461903, 1.0, 2.414213562373095, 1.0, 2.414213562373095, 1.0})"},
      {375, "Hexstar ¹⁄₄", south, scaleable, setupAxis, "star(6, 1, 4, 1.0)"},
      {376, "Roof ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({1, 5, 5, 1}, {3.414213562373095, 1.1547005383792515, 1.4142135623730951, 1.1547005383792515})"},
      {377, "Trifolium ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({3, 5, 3, 9, 3, 5, 3, 9, 3, 5, 3, 9}, {1.0, 1.249688897773919, 1.249688897773919, 1.0, 1.0, 1.249688897773919, 1.249688897773919, 1.0, 1.0, 1.249688897773919, 1.249688897773919, 1.0})"},
      {378, "Dodecastar ¹⁄₄", south, scaleable, setupAxis, "star(12, 1, 4, 1.0)"},
      {379, "Leaf ¹⁄₄", south, scaleable, setupAxis, "polygon({5, 5, 5, 3, 5, 5, 5, 3}, {1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0})"},
      {380, "Dodecagon", south, scaleable, setupAxis, "regular(12, 1.0)"},
      {381, "Y ¹⁄₆", north, scaleable, setupAxis, "polygon({8, 4, 2, 7, 3, 3, 7, 2, 4, 8}, {1.0, 1.0, 1.0, 2.0, 2.414213562373095, 2.0, 2.414213562373095, 2.0, 1.0, 1.0})"},
      {382, "Dodecastar ¹⁄₃", south, scaleable, setupAxis, "star(12, 1, 3, 1.0)"},
      {383, "Shield ¹⁄₁₂ ¹⁄₆", south, fixedSize, setupAxis, "polygon({11, 4, 16, 4, 11, 2}, {1.7320508075688772, 1.0, 0.5176380902050415, 0.5176380902050415, 1.0, 1.7320508075688772})"},
      {384, "House ¹⁄₃", south, scaleable, setupAxis, "polygon({3, 4, 4, 4, 3}, {3.414213562373095, 2.414213562373095, 1.9711971193069775, 1.9711971193069775, 2.414213562373095})"},
      {385, "Petal 12 B", south, fixedSize, setupAxis, "polygon({9, 11, 2, 11, 9, 6}, {1.249688897773919, 2.414213562373095, 3.414213562373095, 3.414213562373095, 2.414213562373095, 1.249688897773919})"},
      {386, "Trinotch", south, fixedSize, setupAxis, "polygon({2, 5, 2, 1, 2, 5, 2, 1, 2, 5, 2, 1}, {2.0, 1.0, 1.0, 2.0, 2.0, 1.0, 1.0, 2.0, 2.0, 1.0, 1.0, 2.0})"},
      {387, "Hexstar ¹⁄₁₂", south, scaleable, setupAxis, "star(6, 1, 12, 2.1645246645991763)"},
      {388, "Shield B", south, scaleable, setupAxis, "polygon({3, 1, 6, 1, 3, 2}, {1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 1.4142135623730951})"},
      {389, "Crest 12 4", south, fixedSize, setupAxis, "polygon({9, 2, 22, 2, 20, 2, 22, 2, 9, 6}, {1.249688897773919, 1.0, 1.249688897773919, 1.0, 0.5176380902050415, 0.5176380902050415, 1.0, 1.249688897773919, 1.0, 1.249688897773919})"},
      {390, "Pentastar ¹⁄₁₂ ¹⁄₄", south, fixedSize, setupAxis, "polygon({2, 17, 2, 15, 6, 15, 2, 17, 2, 18}, {1.0, 1.249688897773919, 2.414213562373095, 1.249688897773919, 1.7320508075688772, 1.7320508075688772, 1.249688897773919, 2.414213562373095, 1.249688897773919, 1.0})"},
      {391, "Hat 12", south, fixedSize, setupAxis, "polygon({6, 7, 17, 6, 6, 17, 7, 6}, {2.414213562373095, 0.5176380902050415, 0.5176380902050415, 1.0, 1.4142135623730951, 1.0, 0.5176380902050415, 0.5176380902050415})"},
      {392, "Trifolium ¹⁄₄ a", north, scaleable, setupAxis, "polygon({3, 3, 8, 3, 3, 8, 3, 3, 8}, {1.0, 1.7320508075688772, 1.0, 1.0, 1.7320508075688772, 1.0, 1.0, 1.7320508075688772, 1.0})"},
      {393, "Square Roof", south, fixedSize, setupAxis, "polygon({2, 6, 1, 2, 1, 6, 2}, {2.0, 1.0, 1.4142135623730951, 3.414213562373095, 3.414213562373095, 1.4142135623730951, 1.0})"},
      {394, "Narrow House ¹⁄₃", south, scaleable, setupAxis, "polygon({3, 4, 4, 4, 3}, {2.0, 3.414213562373095, 1.1547005383792515, 1.1547005383792515, 3.414213562373095})"},
      {395, "Twins ¹⁄₃", south, scaleable, setupAxis, "polygon({5, 8, 5, 18, 5, 8, 5, 18}, {1.0, 1.249688897773919, 1.249688897773919, 1.0, 1.0, 1.249688897773919, 1.249688897773919, 1.0})"},
      {396, "Long Twins ³⁄₁₀", south, scaleable, setupAxis, "polygon({3, 4, 1, 9, 1, 4, 3}, {1.618033988749895, 3.23606797749979, 1.618033988749895, 4.23606797749979, 4.23606797749979, 1.618033988749895, 3.23606797749979})"},
      {397, "Right Y", south, fixedSize, setupAxis, "polygon({2, 5, 2, 2, 5, 5, 2, 2, 5, 2}, {2.414213562373095, 2.414213562373095, 1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951, 2.414213562373095})"},
      {398, "Kink", south, fixedSize, setupAxis, "polygon({2, 2, 5, 2, 2, 3}, {2.0, 0.7071067811865476, 1.7071067811865475, 1.7071067811865475, 0.7071067811865476, 2.0})"},
      {399, "Twins ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({5, 10, 5, 16, 5, 10, 5, 16}, {1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775})"},
      {400, "Navette Star", south, fixedSize, setupAxis, "polygon({9, 4, 9, 2, 9, 4, 9, 2}, {2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095})"},
      {401, "Drop ¹⁄₅", north, fixedSize, setupAxis, "polygon({7, 7, 8, 7, 7, 4}, {1.618033988749895, 1.1755705045849463, 0.6180339887498949, 0.6180339887498949, 1.1755705045849463, 1.618033988749895})"},
      {402, "Short Twins ¹⁄₃", south, scaleable, setupAxis, "polygon({2, 1, 4, 1, 2, 2}, {1.9711971193069775, 1.0, 1.9711971193069775, 1.9711971193069775, 1.0, 1.9711971193069775})"},
      {403, "Groove", south, scaleable, setupAxis, "polygon({1, 1, 1, 3, 3, 1, 1, 1}, {3.414213562373095, 1.0, 1.0, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 1.0, 1.0})"},
      {404, "Trapezoid 1 2 3", south, scaleable, setupAxis, "polygon({1, 2, 2, 1}, {3.0, 2.0, 1.0, 2.0})"},
      {405, "Left Trapezoid ¹⁄₆", west, scaleable, setupAxis, "polygon({3, 2, 4, 3}, {1.7320508075688772, 2.0, 2.0, 1.0})"},
      {406, "Right Trapezoid ¹⁄₆", east, scaleable, edge(1), "mirrorOf(405)"},
      {407, "Left Wedge ¹⁄₁₂", south, scaleable, vertex(1), "polygon({2, 1, 5, 4}, {1.249688897773919, 3.414213562373095, 2.1645246645991763, 0.9148357668252574})"},
      {408, "Right Wedge ¹⁄₁₂", south, scaleable, vertex(1), "mirrorOf(407)"},
      {409, "Small Groove", south, scaleable, setupAxis, "polygon({1, 1, 1, 3, 3, 1, 1, 1}, {2.414213562373095, 1.0, 0.7071067811865476, 0.7071067811865476, 1.0, 0.7071067811865476, 0.7071067811865476, 1.0})"},
      {410, "Big Groove", south, scaleable, setupAxis, "polygon({1, 1, 1, 3, 3, 1, 1, 1}, {4.82842712474619, 2.414213562373095, 1.4142135623730951, 1.0, 2.0, 1.0, 1.4142135623730951, 2.414213562373095})"},
      {411, "Heptagon ¹⁄₃", south, scaleable, setupAxis, "polygon({5, 4, 4, 4, 4, 4, 5}, {1.7320508075688772, 1.0, 2.0, 2.0, 2.0, 2.0, 1.0})"},
      {412, "Small Notch", south, fixedSize, setupAxis, "polygon({2, 1, 6, 1, 2}, {1.4142135623730951, 1.0, 1.0, 1.0, 1.0})"},
      {413, "Candy ¹⁄₄", west, fixedSize, setupAxis, "polygon({1, 6, 2, 6, 1, 1, 6, 2, 6, 1}, {2.8284271247461903, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 2.8284271247461903, 1.0, 2.414213562373095, 2.414213562373095, 1.0})"},
      {414, "Left Leaf", south, scaleable, vertex(1), "polygon({3, 3, 3, 1, 3, 3}, {1.0, 1.0, 1.4142135623730951, 3.414213562373095, 3.8284271247461903, 1.0})"},
      {415, "Right Leaf", south, scaleable, vertex(1), "mirrorOf(414)"},
      {416, "Drop ¹⁄₄", south, scaleable, setupAxis, "polygon({3, 3, 3, 2, 3, 3, 3}, {1.0, 1.0, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 1.0})"},
      {417, "Flat Octagon", south, scaleable, vertex(1), "polygon({1, 1, 1, 1, 1, 1, 1, 1}, {2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0})"},
      {418, "Right Pentagon", south, scaleable, setupAxis, "polygon({2, 2, 3, 3, 2}, {2.414213562373095, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951})"},
      {419, "Triangle ¹⁄₁₆", south, scaleable, setupAxis, "polygon({7, 2, 7}, {1.152838837459074, 2.95462846528022, 2.95462846528022})"},
      {420, "Crest ¹⁄₁₀", south, fixedSize, setupAxis, "polygon({4, 1, 8, 1, 4, 2}, {1.618033988749895, 1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.618033988749895})"},
      {421, "Long Leaf", south, scaleable, setupAxis, "polygon({2, 5, 3, 3, 2, 3, 3, 5, 2}, {1.0, 1.0, 1.0, 2.414213562373095, 1.7071067811865475, 1.7071067811865475, 2.414213562373095, 1.0, 1.0})"},
      {422, "Pentastar ¹⁄₁₂ c", south, fixedSize, setupAxis, "polygon({17, 2, 17, 2, 18, 2, 17, 2, 17, 2}, {1.0, 2.414213562373095, 2.414213562373095, 2.414213562373095, 1.7071067811865475, 1.7071067811865475, 2.414213562373095, 2.414213562373095, 2.414213562373095, 1.0})"},
      {423, "Navette", west, scaleable, setupAxis, "polygon({14, 13, 6, 13, 14, 4}, {4.460884994775326, 1.0, 3.0727110268456648, 3.0727110268456648, 1.0, 4.460884994775326})"},
      {424, "Arrowhead 10", south, scaleable, setupAxis, "polygon({1, 7, 1, 1}, {2.618033988749895, 1.0, 1.0, 2.618033988749895})"},
      {425, "Cone", south, fixedSize, setupAxis, "polygon({5, 2, 3, 3, 3, 2, 5, 1}, {3.414213562373095, 0.7071067811865476, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 0.7071067811865476, 3.414213562373095})"},
      {426, "Small Book ¹⁄₆", north, scaleable, setupAxis, "polygon({1, 2, 2, 2, 1, 4}, {1.0, 1.249688897773919, 1.0, 1.0, 1.249688897773919, 1.0})"},
      {427, "Bracket ¹⁄₃", south, scaleable, setupAxis, "polygon({2, 1, 2, 4, 4, 2, 1, 2}, {1.0, 3.414213562373095, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 3.414213562373095})"},
      {428, "Big House ¹⁄₃", south, scaleable, setupAxis, "polygon({3, 4, 4, 4, 3}, {3.414213562373095, 3.414213562373095, 1.9711971193069775, 1.9711971193069775, 3.414213562373095})"},
      {429, "Wings ¹⁄₆", south, scaleable, setupAxis, "polygon({2, 4, 7, 4, 2, 5}, {3.414213562373095, 1.0, 2.6821627548042177, 2.6821627548042177, 1.0, 3.414213562373095})"},
      {430, "Triple ¹⁄₆", south, scaleable, setupAxis, "polygon({3, 5, 2, 10, 2, 10, 2, 5, 3}, {3.414213562373095, 1.0, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.0})"},
      {431, "Compass ¹⁄₁₀", south, scaleable, vertex(1), "star(4, 1, 10, 1.0)"},
      {432, "Rectangle 1+1/√3", south, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {1.5773502691896257, 1.0, 1.5773502691896257, 1.0})"},
      {433, "Triangle ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({1, 10, 1}, {2.414213562373095, 1.249688897773919, 1.249688897773919})"},
      {434, "Hexadecastar ³⁄₁₆", south, scaleable, setupAxis, "star(16, 3, 16, 0.8477590650225735)"},
      {435, "Bracket ³⁄₈", south, fixedSize, setupAxis, "polygon({3, 1, 3, 5, 5, 3, 1, 3}, {2.414213562373095, 2.414213562373095, 1.0, 2.0, 1.0, 2.0, 1.0, 2.414213562373095})"},
      {436, "Twin Peaks ¹⁄₅", south, fixedSize, setupAxis, "polygon({2, 2, 7, 2, 2}, {2.618033988749895, 1.618033988749895, 1.0, 1.0, 1.618033988749895})"},
      {437, "Wide Drum ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 1, 2, 2, 1, 2}, {2.618033988749895, 1.0, 1.0, 2.618033988749895, 1.0, 1.0})"},
      {438, "Cap", south, scaleable, setupAxis, "polygon({2, 2, 6, 3, 3, 3, 3, 6, 2, 2}, {4.82842712474619, 0.7071067811865476, 1.0, 1.0, 1.0, 1.4142135623730951, 1.0, 1.0, 1.0, 0.7071067811865476})"},
      {439, "Long Tree", south, scaleable, setupAxis, "polygon({2, 6, 1, 7, 1, 2, 1, 7, 1, 6, 2}, {1.4142135623730951, 3.414213562373095, 1.4142135623730951, 2.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 2.0, 1.4142135623730951, 3.414213562373095})"},
      {440, "Fin", south, fixedSize, setupAxis, "polygon({3, 2, 1, 2, 3, 5}, {0.7071067811865476, 0.7071067811865476, 3.414213562373095, 3.414213562373095, 0.7071067811865476, 0.7071067811865476})"},
      {441, "Sunrise ³⁄₁₀", south, fixedSize, setupAxis, "polygon({1, 6, 3, 6, 3, 6, 3, 6, 1}, {5.854101966249685, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {442, "Arrowhead 12", south, scaleable, setupAxis, "polygon({1, 8, 1, 2}, {3.414213562373095, 1.9711971193069775, 1.9711971193069775, 3.414213562373095})"},
      {443, "Swallow 12", south, fixedSize, setupAxis, "polygon({3, 10, 4, 10, 3, 18}, {1.9711971193069775, 2.0, 2.787693700234703, 2.787693700234703, 2.0, 1.9711971193069775})"},
      {444, "Gem 12", south, fixedSize, setupAxis, "polygon({4, 3, 5, 5, 3, 4}, {1.0, 3.414213562373095, 1.1547005383792515, 2.414213562373095, 1.1547005383792515, 3.414213562373095})"},
      {445, "Fin ¹⁄₆", south, scaleable, setupAxis, "polygon({3, 4, 2, 4, 3, 8}, {1.249688897773919, 1.249688897773919, 3.414213562373095, 3.414213562373095, 1.249688897773919, 1.249688897773919})"},
      {446, "Gem ⁵⁄₁₂", south, fixedSize, setupAxis, "polygon({9, 5, 10, 10, 5, 9}, {1.0, 2.414213562373095, 1.1547005383792515, 2.414213562373095, 1.1547005383792515, 2.414213562373095})"},
      {447, "Obtuse Trifolium ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({10, 7, 10, 13, 10, 7, 10, 13, 10, 7, 10, 13}, {2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095})"},
      {448, "Hexadecastar ¹⁄₄", south, scaleable, setupAxis, "star(16, 1, 4, 1.0)"},
      {449, "Kite ³⁄₁₆", south, scaleable, setupAxis, "polygon({9, 8, 9, 6}, {3.0727110268456648, 2.414213562373095, 2.414213562373095, 3.0727110268456648})"},
      {450, "Cupcake", south, scaleable, setupAxis, "polygon({3, 5, 2, 3, 3, 3, 3, 2, 5, 3}, {1.0, 1.0, 0.7071067811865476, 0.7071067811865476, 1.7071067811865475, 1.4142135623730951, 1.7071067811865475, 0.7071067811865476, 0.7071067811865476, 1.0})"},
      {451, "Small Roof", south, scaleable, setupAxis, "polygon({1, 3, 3, 1}, {2.414213562373095, 1.0, 1.0, 1.0})"},
      {452, "Seven Star", south, fixedSize, setupAxis, "polygon({9, 2, 12, 2, 12, 2, 12, 2, 12, 2, 12, 2, 12, 2, 9}, {1.8477590650225735, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {453, "Long Twins", south, scaleable, setupAxis, "polygon({3, 6, 3, 3, 2, 3, 3, 6, 3, 3, 2, 3}, {2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.4142135623730951, 1.4142135623730951})"},
      {454, "Accordion", south, fixedSize, setupAxis, "polygon({3, 2, 6, 2, 6, 2, 3, 3, 2, 6, 2, 6, 2, 3}, {2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {455, "Wings ¹⁄₈", north, scaleable, setupAxis, "polygon({3, 1, 5, 1, 3, 3}, {1.0, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 1.0})"},
      {456, "Pointy Acorn", south, fixedSize, setupAxis, "polygon({7, 4, 10, 4, 10, 4, 7, 2}, {3.414213562373095, 0.5, 0.7653668647301796, 0.7653668647301796, 0.7653668647301796, 0.7653668647301796, 0.5, 3.414213562373095})"},
      {457, "Wide Arrow Bow", south, fixedSize, setupAxis, "polygon({5, 2, 2, 2, 5, 5, 2, 2, 2, 5}, {1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0})"},
      {458, "Wide Twin Star", west, fixedSize, setupAxis, "polygon({5, 1, 7, 1, 5, 1, 5, 1, 7, 1, 5, 1}, {1.4142135623730951, 1.4142135623730951, 1.3065629648763766, 1.3065629648763766, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.3065629648763766, 1.3065629648763766, 1.4142135623730951, 1.4142135623730951})"},
      {459, "Wide Tower", south, fixedSize, setupAxis, "polygon({1, 1, 1, 3, 3, 1, 1, 3, 3, 1, 1, 1}, {6.82842712474619, 2.414213562373095, 0.7071067811865476, 2.0, 2.0, 2.0, 1.4142135623730951, 2.0, 2.0, 2.0, 0.7071067811865476, 2.414213562373095})"},
      {460, "Pin", south, fixedSize, setupAxis, "polygon({3, 5, 3, 3, 2, 3, 3, 5, 3, 2}, {0.7071067811865476, 3.414213562373095, 0.7071067811865476, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 0.7071067811865476, 3.414213562373095, 0.7071067811865476})"},
      {461, "Barrel", south, scaleable, setupAxis, "polygon({1, 1, 1, 1, 1, 1, 1, 1}, {1.4142135623730951, 1.0, 2.414213562373095, 1.0, 1.4142135623730951, 1.0, 2.414213562373095, 1.0})"},
      {462, "Bouquet ¹⁄₅", south, fixedSize, setupAxis, "polygon({4, 2, 7, 2, 7, 2, 4, 2}, {2.618033988749895, 1.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.618033988749895, 2.618033988749895})"},
      {463, "Hourglass", south, scaleable, setupAxis, "polygon({1, 6, 1, 1, 6, 1}, {3.414213562373095, 2.0, 2.0, 3.414213562373095, 2.0, 2.0})"},
      {464, "Hand Fan", south, fixedSize, setupAxis, "polygon({2, 5, 2, 3, 3, 2, 5, 2}, {1.0, 1.4142135623730951, 3.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 3.414213562373095, 1.4142135623730951})"},
      {465, "Fin -A", south, fixedSize, setupAxis, "polygon({1, 5, 1, 5, 1, 3}, {2.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 2.0})"},
      {466, "Hand ¹⁄₅", south, fixedSize, setupAxis, "polygon({7, 4, 14, 1, 18, 1, 14, 4, 7}, {2.0, 2.618033988749895, 1.618033988749895, 2.618033988749895, 3.23606797749979, 3.23606797749979, 2.618033988749895, 1.618033988749895, 2.618033988749895})"},
      {467, "Left Sun", southWest, fixedSize, setupAxis, "polygon({11, 2, 10, 4, 10, 4, 10, 4, 10, 4, 10, 4, 5}, {1.8477590650225735, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {468, "Right Sun", southEast, fixedSize, edge(2), "mirrorOf(467, 12)"},
      {469, "Bracket Sun", south, fixedSize, setupAxis, "polygon({3, 1, 3, 6, 3, 1, 3}, {1.0, 2.414213562373095, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 2.414213562373095})"},
      {470, "Drum ¹⁄₆", south, fixedSize, setupAxis, "polygon({5, 2, 5, 5, 2, 5}, {1.9711971193069775, 1.0, 1.0, 1.9711971193069775, 1.0, 1.0})"},
      {471, "Bracket ³⁄₁₀", south, scaleable, setupAxis, "polygon({3, 2, 3, 7, 7, 3, 2, 3}, {2.618033988749895, 1.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.618033988749895})"},
      {472, "Petal ³⁄₁₀", south, scaleable, setupAxis, "polygon({4, 4, 3, 4, 4, 1}, {3.618033988749895, 1.0, 1.0, 1.0, 1.0, 3.618033988749895})"},
      {473, "Cork", south, scaleable, setupAxis, "polygon({2, 5, 3, 2, 2, 3, 5, 2}, {2.414213562373095, 1.4142135623730951, 0.7071067811865476, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 0.7071067811865476, 1.4142135623730951})"},
      {474, "Left Petal ¹⁄₅", south, scaleable, setupAxis, "polygon({6, 7, 4, 6, 7}, {0.6180339887498949, 1.618033988749895, 1.0, 1.902113032590307, 1.0})"},
      {475, "Right Petal ¹⁄₅", south, scaleable, edge(1), "mirrorOf(474)"},
      // 476 runs its longer side first: in the other order the walk draws its
      // partner's triangle, with the 1/10 and 7/20 corners swapped against the
      // dividends. The dividends stay as the name has them; 477 mirrors 476.
      {476, "Left Sunray ²⁄₂₀ Edge", south, scaleable, vertex(1), "polygon({1, 7, 2}, {2.618033988749895, 1.902113032590307, 1.0})"},
      {477, "Right Sunray ²⁄₂₀ Edge", south, scaleable, vertex(1), "mirrorOf(476)"},
      {478, "Sun 10 ¹⁄₅", south, scaleable, setupAxis, "sector(10, 2, 1.0, 2.618033988749895)"},
      {479, "Sun 10 ³⁄₁₀", south, scaleable, setupAxis, "sector(10, 3, 1.0, 2.618033988749895)"},
      {480, "Sun 10 ²⁄₅", south, scaleable, setupAxis, "sector(10, 4, 1.0, 2.618033988749895)"},
      {481, "Sun 10 ¹⁄₂", south, scaleable, setupAxis, "sector(10, 5, 1.0, 2.618033988749895)"},
      {482, "Sun 10 ³⁄₅", south, scaleable, setupAxis, "sector(10, 6, 1.0, 2.618033988749895)"},
      {483, "Sun 10 ⁷⁄₁₀", south, scaleable, setupAxis, "sector(10, 7, 1.0, 2.618033988749895)"},
      {484, "Sun 10 ⁴⁄₅", south, scaleable, setupAxis, "sector(10, 8, 1.0, 2.618033988749895)"},
      {485, "Sun 10 ⁹⁄₁₀", south, scaleable, setupAxis, "sector(10, 9, 1.0, 2.618033988749895)"},
      {486, "Decastar ¹⁄₅", south, scaleable, setupAxis, "polygon({3, 5, 2, 5, 3, 3, 6, 3}, {1.0, 1.3090169943749475, 1.3090169943749475, 1.3090169943749475, 1.3090169943749475, 1.0, 1.0, 1.0})"},
      {487, "Decastar ³⁄₁₀", south, scaleable, setupAxis, "polygon({1, 1, 1, 1, 2, 1, 2, 1}, {1.0, 2.618033988749895, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {488, "Decastar ²⁄₅", south, scaleable, setupAxis, "polygon({3, 4, 3, 3, 6, 3, 6, 3, 6, 3}, {1.0, 2.618033988749895, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {489, "Decastar ¹⁄₂", south, scaleable, setupAxis, "polygon({3, 10, 3, 12, 6, 12, 6, 12, 6, 12, 6, 12}, {1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {490, "Decastar ³⁄₅", south, scaleable, setupAxis, "polygon({1, 2, 1, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1}, {1.0, 2.618033988749895, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {491, "Decastar ⁷⁄₁₀", south, scaleable, setupAxis, "polygon({3, 7, 3, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3}, {1.0, 2.618033988749895, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {492, "Decastar ⁴⁄₅", south, scaleable, setupAxis, "polygon({3, 8, 3, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3, 6, 3}, {1.0, 2.618033988749895, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {493, "Decastar ⁹⁄₁₀", south, scaleable, setupAxis, "polygon({2, 1, 2, 1, 2, 1, 2, 1, 1, 3, 1, 1, 2, 1, 2, 1, 2, 1, 2, 1}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.618033988749895, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {494, "Acorn ¹⁄₅ Top", south, fixedSize, setupAxis, "polygon({5, 4, 14, 4, 14, 4, 5}, {3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {495, "Petal ¹⁄₅ Top", south, scaleable, setupAxis, "polygon({5, 8, 4, 8, 5}, {1.1755705045849463, 1.0, 1.0, 1.0, 1.0})"},
      {496, "Sprout Top", west, scaleable, setupAxis, "polygon({1, 1, 1, 1, 1, 3}, {0.41421356237309515, 1.0, 1.4142135623730951, 1.4142135623730951, 1.0, 0.41421356237309515})"},
      {497, "Scepter", south, fixedSize, setupAxis, "polygon({2, 5, 2, 2, 2, 5, 2}, {1.0, 3.414213562373095, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 3.414213562373095})"},
      {498, "Wide Tower ¹⁄₄", south, fixedSize, setupAxis, "polygon({2, 3, 2, 6, 2, 3, 2}, {4.82842712474619, 3.414213562373095, 1.7071067811865475, 1.7071067811865475, 1.7071067811865475, 1.7071067811865475, 3.414213562373095})"},
      {499, "Wide Twin Star ¹⁄₄", west, fixedSize, setupAxis, "polygon({5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5}, {2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {500, "Icing", north, fixedSize, setupAxis, "polygon({3, 3, 2, 6, 2, 2, 6, 6, 2, 2, 6, 2, 3, 3}, {2.414213562373095, 1.0, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 1.0, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 1.0})"},
      {501, "Acorn ¹⁄₃", south, scaleable, setupAxis, "polygon({8, 6, 15, 6, 15, 6, 8, 8}, {1.9711971193069775, 1.7320508075688772, 0.7071067811865476, 1.4142135623730951, 1.4142135623730951, 0.7071067811865476, 1.7320508075688772, 1.9711971193069775})"},
      {502, "Tri Acorn", south, fixedSize, setupAxis, "polygon({6, 2, 3, 2, 6, 3, 2, 3, 6, 2, 3, 2, 6, 2}, {1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 2.0, 0.7071067811865476, 1.4142135623730951, 1.4142135623730951, 0.7071067811865476, 2.0, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951})"},
      {503, "Twin Acorn", south, scaleable, setupAxis, "polygon({2, 3, 2, 5, 2, 6, 2, 5, 2, 3, 2, 6}, {2.414213562373095, 2.414213562373095, 3.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 3.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {504, "Star ⁵⁄₈", south, fixedSize, setupAxis, "polygon({5, 1, 5, 3, 5, 1, 5, 3, 5, 1, 5, 3, 5, 1, 5, 3}, {1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0})"},
      {505, "Shield A2", south, scaleable, setupAxis, "polygon({6, 5, 6, 5, 6, 4}, {2.414213562373095, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 2.414213562373095})"},
      {506, "Bow 2", south, fixedSize, setupAxis, "polygon({5, 2, 2, 6, 2, 2, 5, 5, 2, 2, 6, 2, 2, 5}, {1.0, 1.4142135623730951, 1.0, 0.7071067811865476, 0.7071067811865476, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 0.7071067811865476, 0.7071067811865476, 1.0, 1.4142135623730951})"},
      {507, "Pawn", south, fixedSize, setupAxis, "polygon({2, 2, 5, 5, 5, 3, 3, 3, 3, 3, 3, 5, 5, 5, 2, 2}, {3.414213562373095, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476})"},
      {508, "Flat Sailboat", south, fixedSize, setupAxis, "polygon({3, 1, 5, 2, 5, 1, 3}, {3.414213562373095, 0.7071067811865476, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 0.7071067811865476})"},
      {509, "Alhambra Skirt", south, fixedSize, setupAxis, "polygon({5, 12, 2, 5, 5, 2, 12, 5}, {1.0, 0.7071067811865476, 0.7071067811865476, 2.414213562373095, 1.0, 2.414213562373095, 0.7071067811865476, 0.7071067811865476})"},
      {510, "Roof ²⁄₅", north, scaleable, setupAxis, "polygon({4, 1, 1, 4}, {1.0, 1.618033988749895, 3.618033988749895, 1.618033988749895})"},
      {511, "Flat Pentagon", south, scaleable, setupAxis, "polygon({1, 1, 1, 1, 1}, {2.618033988749895, 1.0, 2.0, 2.0, 1.0})"},
      {512, "Kite ¹⁄₁₂", south, scaleable, setupAxis, "polygon({3, 5, 3, 1}, {3.414213562373095, 0.9148357668252574, 0.9148357668252574, 3.414213562373095})"},
      {513, "Long Bow", south, fixedSize, setupAxis, "polygon({5, 1, 1, 5, 5, 1, 1, 5}, {1.0, 2.414213562373095, 4.82842712474619, 2.414213562373095, 1.0, 2.414213562373095, 4.82842712474619, 2.414213562373095})"},
      {514, "Long Mask", north, fixedSize, setupAxis, "polygon({3, 2, 2, 6, 2, 2, 3}, {2.8284271247461903, 1.4142135623730951, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.4142135623730951})"},
      {515, "Long Cork", south, scaleable, setupAxis, "polygon({2, 5, 3, 2, 2, 3, 5, 2}, {2.414213562373095, 3.414213562373095, 0.7071067811865476, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 0.7071067811865476, 3.414213562373095})"},
      {516, "Cork ³⁄₁₀", south, scaleable, setupAxis, "polygon({6, 14, 5, 5, 5, 5, 14, 6}, {1.0, 2.0, 1.0, 1.0, 4.23606797749979, 1.0, 1.0, 2.0})"},
      {517, "Wings ¹⁄₆ b", south, scaleable, setupAxis, "polygon({1, 2, 4, 2, 1, 2}, {3.414213562373095, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 3.414213562373095})"},
      {518, "Left Decastar ¹⁄₄", south, scaleable, setupAxis, "polygon({12, 6, 12, 6, 6, 5, 3}, {1.0, 1.0, 1.0, 1.0, 1.0, 2.618033988749895, 3.0776835371752536})"},
      {519, "Right Decastar ¹⁄₄", south, scaleable, edge(1), "mirrorOf(518)"},
      {520, "Short Trapezoid ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 3, 3, 2}, {2.618033988749895, 1.0, 2.0, 1.0})"},
      {521, "Long Sun", south, fixedSize, vertex(13), "polygon({2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5}, {1.0, 1.0, 2.0, 1.0, 1.0, 1.0, 1.0, 2.0, 1.0, 1.0, 3.414213562373095, 1.0, 1.0, 1.0, 1.0, 3.414213562373095})"},
      {522, "Corner", south, fixedSize, setupAxis, "polygon({2, 2, 5, 5, 2, 2, 2}, {2.414213562373095, 1.0, 0.7071067811865476, 1.0, 0.7071067811865476, 1.0, 2.414213562373095})"},
      {523, "Half Cross", south, fixedSize, setupAxis, "polygon({1, 3, 6, 3, 2, 3, 6, 3, 1}, {4.82842712474619, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {524, "Shovel", north, scaleable, setupAxis, "polygon({2, 6, 2, 3, 2, 3, 2, 6, 2}, {1.0, 3.414213562373095, 0.7071067811865476, 2.414213562373095, 1.7071067811865475, 1.7071067811865475, 2.414213562373095, 0.7071067811865476, 3.414213562373095})"},
      {525, "Serrated Leaf", south, scaleable, setupAxis, "polygon({3, 3, 6, 2, 6, 2, 2, 2, 6, 2, 6, 3, 3, 2}, {2.414213562373095, 1.0, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 1.0, 1.0, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951, 1.0, 2.414213562373095})"},
      {526, "Quasar ¹⁄₄", south, fixedSize, setupAxis, "polygon({5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2, 5, 2}, {2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095})"},
      {527, "Twin Bud", south, fixedSize, setupAxis, "polygon({3, 6, 2, 3, 3, 2, 6, 3, 3, 6, 2, 3, 3, 2, 6, 3}, {1.0, 1.0, 1.0, 1.0, 2.414213562373095, 1.0, 1.0, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 1.0, 1.0, 2.414213562373095, 1.0, 1.0, 1.0})"},
      {528, "Notch Bouquet", north, scaleable, setupAxis, "polygon({4, 10, 4, 7, 2, 7, 4, 10, 4, 12}, {0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 1.0, 4.460884994775326, 4.460884994775326, 1.0, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476})"},
      {529, "Ship Star ⁵⁄₈", south, fixedSize, setupAxis, "polygon({3, 1, 5, 2, 6, 2, 5, 1, 3}, {1.4142135623730951, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.414213562373095})"},
      {530, "Small Shield ¹⁄₁₂ ¹⁄₆", south, fixedSize, setupAxis, "polygon({11, 4, 16, 4, 11, 2}, {1.7320508075688772, 0.5, 0.5176380902050415, 0.5176380902050415, 0.5, 1.7320508075688772})"},
      {531, "Arrow Bow ¹⁄₁₂ ¹⁄₃", south, scaleable, setupAxis, "polygon({15, 8, 2, 8, 15, 15, 8, 2, 8, 15}, {1.0, 0.5176380902050415, 3.414213562373095, 3.414213562373095, 0.5176380902050415, 1.0, 0.5176380902050415, 3.414213562373095, 3.414213562373095, 0.5176380902050415})"},
      {532, "Acorn 12 ¹⁄₆", south, fixedSize, setupAxis, "polygon({9, 7, 15, 6, 15, 7, 9, 4}, {3.414213562373095, 0.5176380902050415, 1.073132184970986, 0.7071067811865476, 0.7071067811865476, 1.073132184970986, 0.5176380902050415, 3.414213562373095})"},
      {533, "Star ¹⁄₆ 2", north, fixedSize, setupAxis, "polygon({4, 15, 2, 15, 4, 15, 2, 15}, {1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 2.414213562373095})"},
      {534, "Trifolium ¹⁄₃", south, scaleable, setupAxis, "polygon({1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2}, {1.9711971193069775, 1.0, 1.0, 1.9711971193069775, 1.9711971193069775, 1.0, 1.0, 1.9711971193069775, 1.9711971193069775, 1.0, 1.0, 1.9711971193069775})"},
      {535, "Acorn Compass", south, fixedSize, setupAxis, "polygon({6, 4, 11, 2, 11, 4, 6, 4}, {2.414213562373095, 1.0, 1.0, 1.8477590650225735, 1.8477590650225735, 1.0, 1.0, 2.414213562373095})"},
      {536, "T ¹⁄₃", north, fixedSize, setupAxis, "polygon({2, 4, 9, 3, 3, 9, 4, 2}, {4.82842712474619, 1.0, 1.4142135623730951, 2.414213562373095, 1.0, 2.414213562373095, 1.4142135623730951, 1.0})"},
      {537, "Headdress", south, fixedSize, setupAxis, "polygon({2, 3, 5, 2, 5, 2, 5, 2, 5, 3, 2}, {4.82842712474619, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {538, "Small Heptastar", south, fixedSize, setupAxis, "polygon({5, 9, 5, 5, 9, 5, 5, 9, 5, 5, 9, 5, 5, 9, 5, 5, 9, 5, 5, 9, 5}, {0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0})"},
      {539, "Trifolium ⁵⁄₁₂ √2", south, scaleable, setupAxis, "polygon({5, 3, 5, 7, 5, 3, 5, 7, 5, 3, 5, 7}, {2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095})"},
      {540, "Small Trifolium ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({5, 3, 5, 7, 5, 3, 5, 7, 5, 3, 5, 7}, {1.0, 0.5176380902050415, 0.5176380902050415, 1.0, 1.0, 0.5176380902050415, 0.5176380902050415, 1.0, 1.0, 0.5176380902050415, 0.5176380902050415, 1.0})"},
      {541, "Big Trifolium ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({5, 5, 5, 5, 5, 7, 5, 5, 5, 5, 5, 7, 5, 5, 5, 5, 5, 7}, {2.414213562373095, 1.0, 1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 2.414213562373095})"},
      {542, "Heptastar 3 3", north, fixedSize, setupAxis, "polygon({1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1}, {2.6038754716096766, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383})"},
      {543, "Hand Heptastar", south, fixedSize, setupAxis, "polygon({1, 3, 1, 3, 1, 3, 1, 1}, {2.6038754716096766, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 2.6038754716096766})"},
      {544, "Left Hand", south, scaleable, vertex(2), "polygon({2, 2, 5, 2, 2, 7, 3, 3, 3, 3}, {3.8284271247461903, 1.4142135623730951, 0.5, 2.414213562373095, 1.0, 0.7071067811865476, 1.4142135623730951, 1.0, 0.5, 1.0})"},
      {545, "Right Hand", south, scaleable, vertex(2), "mirrorOf(544, 8)"},
      {546, "Bracket 12", south, scaleable, setupAxis, "polygon({5, 1, 5, 7, 7, 5, 1, 5}, {2.0, 3.414213562373095, 0.5176380902050415, 2.0, 3.414213562373095, 2.0, 0.5176380902050415, 3.414213562373095})"},
      {547, "Half Sun 12", south, scaleable, setupAxis, "sector(12, 6, 1.249688897773919, 3.414213562373095)"},
      {548, "Half Sun", south, fixedSize, setupAxis, "sector(8, 4, 1.0, 2.414213562373095)"},
      {549, "Left Half Petal 12", south, scaleable, setupAxis, "polygon({3, 2, 10, 9}, {1.249688897773919, 3.414213562373095, 1.7673269879789604, 1.0})"},
      {550, "Right Half Petal 12", south, scaleable, edge(1), "mirrorOf(549)"},
      {551, "Left Half Bracket 12", west, fixedSize, vertex(1), "polygon({3, 5, 1, 5, 7, 3}, {0.7071067811865476, 1.0, 3.414213562373095, 0.5176380902050415, 2.0, 1.7071067811865475})"},
      {552, "Right Half Bracket 12", east, fixedSize, vertex(1), "mirrorOf(551)"},
      {553, "Big Folium ⁵⁄₁₂", south, fixedSize, setupAxis, "polygon({5, 5, 2, 5, 5, 2}, {1.9711971193069775, 3.414213562373095, 1.9711971193069775, 1.9711971193069775, 3.414213562373095, 1.9711971193069775})"},
      {554, "Kite ¹⁄₆ ⁷⁄₂₄", south, scaleable, setupAxis, "polygon({7, 6, 7, 4}, {1.7673269879789604, 1.249688897773919, 1.249688897773919, 1.7673269879789604})"},
      {555, "Fingers", south, fixedSize, setupAxis, "polygon({1, 1, 1, 3, 3, 1, 1, 3, 3, 1, 1, 1}, {6.82842712474619, 3.0, 0.7071067811865476, 2.0, 2.0, 3.0, 1.4142135623730951, 3.0, 2.0, 2.0, 0.7071067811865476, 3.0})"},
      {556, "Fedora", south, fixedSize, setupAxis, "polygon({2, 2, 6, 1, 6, 1, 6, 2, 2}, {4.82842712474619, 0.7071067811865476, 1.0, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 1.0, 0.7071067811865476})"},
      {557, "Hand Heptastar ⁻¹⁄₄", south, fixedSize, setupAxis, "polygon({6, 18, 6, 18, 6, 18, 6, 10, 21, 7, 7, 21, 10}, {1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383, 0.25, 1.0, 0.5, 1.0, 0.25})"},
      {558, "Helmet ¹⁄₃", south, scaleable, vertex(2), "polygon({15, 6, 15, 6, 8, 8, 8, 6}, {1.0, 1.0, 1.0, 1.0, 2.414213562373095, 1.9711971193069775, 1.9711971193069775, 2.414213562373095})"},
      {559, "Heptastar 3", south, fixedSize, setupAxis, "polygon({3, 9, 3, 9, 3, 5, 5, 5}, {1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383, 1.0, 1.0})"},
      {560, "Sun 12 ⁵⁄₁₂", south, scaleable, setupAxis, "sector(12, 5, 1.249688897773919, 3.414213562373095)"},
      {561, "Venus ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({3, 9, 3, 3, 10, 5, 5, 5, 5, 5, 5, 5, 5, 10, 3, 3, 9, 3}, {1.4142135623730951, 1.0, 2.0, 1.0, 1.0, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.0, 1.0, 2.0, 1.0})"},
      {562, "Wide Roof ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({2, 11, 10, 11, 2}, {3.414213562373095, 1.1547005383792515, 0.7320508075688771, 0.7320508075688771, 1.1547005383792515})"},
      {563, "Wide Trifolium ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({6, 10, 6, 18, 7, 8, 7, 18, 6, 10, 6, 18}, {3.414213562373095, 1.9711971193069775, 1.9711971193069775, 3.414213562373095, 0.5, 1.3276472373473165, 1.3276472373473165, 0.5, 3.414213562373095, 1.9711971193069775, 1.9711971193069775, 3.414213562373095})"},
      {564, "Rectangle 2/√3", west, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {1.0, 1.1547005383792515, 1.0, 1.1547005383792515})"},
      {565, "Long Sprout 12", north, fixedSize, setupAxis, "polygon({1, 7, 5, 2, 5, 7, 1, 8}, {1.9711971193069775, 2.414213562373095, 1.9711971193069775, 1.0, 1.0, 1.9711971193069775, 2.414213562373095, 1.9711971193069775})"},
      {566, "Candle 12 S", north, fixedSize, setupAxis, "polygon({10, 9, 6, 9, 10, 4}, {1.7673269879789604, 2.0, 1.249688897773919, 1.249688897773919, 2.0, 1.7673269879789604})"},
      {567, "Shield ¹⁄₁₂ ¹⁄₆ S", south, fixedSize, setupAxis, "polygon({11, 4, 16, 4, 11, 2}, {2.414213562373095, 0.5, 0.7215082215330587, 0.7215082215330587, 0.5, 2.414213562373095})"},
      {568, "Half Sun 10", south, scaleable, setupAxis, "polygon({7, 4, 14, 4, 14, 4, 14, 4, 14, 4, 7, 10}, {1.902113032590307, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.902113032590307})"},
      {569, "Left Half Shield ¹⁄₁₀", east, scaleable, setupAxis, "polygon({2, 5, 9, 9, 5}, {2.6722882583776277, 2.618033988749895, 0.6180339887498949, 0.6180339887498949, 0.45105651629515386})"},
      {570, "Right Half Shield ¹⁄₁₀", east, scaleable, edge(3), "mirrorOf(569)"},
      {571, "Left Half Gnomon", south, scaleable, edge(1), "polygon({2, 5, 3}, {2.0, 1.618033988749895, 1.1755705045849463})"},
      {572, "Right Half Gnomon", south, scaleable, setupAxis, "mirrorOf(571)"},
      {573, "Fin C", south, fixedSize, setupAxis, "polygon({2, 3, 1, 3, 2, 5}, {1.0, 1.4142135623730951, 3.8284271247461903, 3.8284271247461903, 1.4142135623730951, 1.0})"},
      {574, "Twin Star C", south, fixedSize, setupAxis, "polygon({13, 2, 10, 2, 10, 2, 10, 2, 13, 13, 2, 10, 2, 10, 2, 10, 2, 13}, {1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.0, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0})"},
      {575, "Octastar Edge", south, fixedSize, setupAxis, "polygon({8, 1, 12, 2, 12, 2, 12, 2, 12, 1}, {4.460884994775326, 4.460884994775326, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095})"},
      {576, "Twin Star ¹⁄₄", west, fixedSize, setupAxis, "polygon({7, 3, 7, 3, 9, 3, 7, 3, 7, 3, 7, 3, 9, 3, 7, 3}, {1.0, 1.0, 1.0, 1.0, 2.0, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.0, 2.0, 1.0, 1.0})"},
      {577, "Octa Bow", south, scaleable, setupAxis, "polygon({5, 3, 3, 3, 3, 3, 3, 5, 5, 3, 3, 3, 3, 3, 3, 5}, {1.0, 1.0, 1.4142135623730951, 1.0, 1.0, 1.0, 1.4142135623730951, 1.0, 1.0, 1.0, 1.4142135623730951, 1.0, 1.0, 1.0, 1.4142135623730951, 1.0})"},
      {578, "Double V", north, fixedSize, setupAxis, "polygon({6, 3, 1, 2, 6, 2, 1, 3, 6, 2}, {1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 3.414213562373095, 1.4142135623730951, 1.4142135623730951, 3.414213562373095, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951})"},
      {579, "Left V", south, fixedSize, vertex(4), "polygon({6, 2, 2, 3, 3, 2, 2}, {3.414213562373095, 4.82842712474619, 1.4142135623730951, 4.82842712474619, 2.0, 3.414213562373095, 1.4142135623730951})"},
      {580, "Right V", south, fixedSize, vertex(3), "mirrorOf(579, 2)"},
      {581, "Left Octa Bow", south, fixedSize, vertex(2), "polygon({2, 6, 1, 1, 6, 2, 3, 3}, {1.0, 0.7071067811865476, 2.414213562373095, 3.8284271247461903, 2.0, 1.4142135623730951, 0.7071067811865476, 1.0})"},
      {582, "Right Octa Bow", south, fixedSize, vertex(0), "mirrorOf(581)"},
      {583, "Sun 9", south, scaleable, setupAxis, "reducedStar(9, 2, 9, 1.0)"},
      {584, "Sunray 9", south, scaleable, setupAxis, "polygon({5, 6, 5, 2}, {2.5320888862379562, 1.0, 1.0, 2.5320888862379562})"},
      {585, "Left House 9", south, scaleable, setupAxis, "polygon({4, 6, 6, 7, 4}, {3.0, 1.8793852415718169, 1.3472963553338604, 1.532088886237956, 1.3472963553338604})"},
      {586, "Right House 9", south, scaleable, edge(1), "mirrorOf(585)"},
      {587, "Rhombus ²⁄₉", south, scaleable, setupAxis, "rhombus(2, 9, 1.7587704831436335)"},
      {588, "Crest 9", south, scaleable, setupAxis, "polygon({7, 3, 12, 3, 7, 4}, {2.5320888862379562, 1.532088886237956, 1.8793852415718169, 1.8793852415718169, 1.532088886237956, 2.5320888862379562})"},
      {589, "Hexstar ¹⁄₉", south, scaleable, setupAxis, "star(6, 1, 9, 1.958110933998418)"},
      {590, "Rhombus ¹⁄₉", south, scaleable, setupAxis, "rhombus(1, 9, 2.5320888862379562)"},
      {591, "Golden Barrel", south, scaleable, setupAxis, "polygon({7, 8, 8, 7, 7, 8, 8, 7}, {1.618033988749895, 1.0, 2.618033988749895, 1.0, 1.618033988749895, 1.0, 2.618033988749895, 1.0})"},
      {592, "Short Tree", south, scaleable, setupAxis, "polygon({2, 6, 1, 3, 3, 1, 6, 2}, {1.0, 1.0, 1.7071067811865475, 2.8284271247461903, 0.41421356237309515, 2.8284271247461903, 1.7071067811865475, 1.0})"},
      {593, "Fork 12", south, scaleable, setupAxis, "polygon({6, 16, 7, 2, 17, 17, 2, 17, 17, 2, 17, 17, 2, 7, 16, 6}, {1.249688897773919, 3.414213562373095, 3.0, 2.0, 2.0, 0.5, 2.0, 2.0, 1.304736598840219, 2.0, 2.0, 0.5, 2.0, 2.0, 3.0, 3.414213562373095})"},
      {594, "Left Triangle ¹⁄₁₆ ¹⁄₄", south, scaleable, edge(2), "polygon({1, 4, 3}, {2.613125929752753, 2.414213562373095, 1.0})"},
      {595, "Right Triangle ¹⁄₁₆ ¹⁄₄", south, scaleable, edge(2), "mirrorOf(594)"},
      {596, "Left Fire", south, scaleable, vertex(2), "polygon({7, 6, 6, 6, 6, 2, 14, 2, 12, 3}, {2.613125929752753, 1.4142135623730951, 1.4142135623730951, 1.0, 1.8477590650225735, 1.4142135623730951, 0.7071067811865476, 3.414213562373095, 1.8477590650225735, 0.7071067811865476})"},
      {597, "Right Fire", south, scaleable, vertex(2), "mirrorOf(596, 8)"},
      {598, "Pentastar ¹⁄₁₂", south, scaleable, setupAxis, "polygon({1, 8, 1, 9, 1, 9, 1, 8, 1, 9}, {1.7320508075688772, 1.7320508075688772, 2.0, 1.7320508075688772, 2.0, 2.0, 1.7320508075688772, 2.0, 1.7320508075688772, 1.7320508075688772})"},
      {599, "Left Spark 12", south, scaleable, edge(3), "polygon({1, 7, 2, 4, 4}, {2.414213562373095, 2.1645246645991763, 2.414213562373095, 1.1645246645991763, 2.499377795547838})"},
      {600, "Right Spark 12", south, scaleable, edge(0), "mirrorOf(599, 3)"},
      {601, "Twins 12", west, scaleable, setupAxis, "polygon({5, 14, 5, 5, 14, 5}, {2.499377795547838, 1.9711971193069775, 1.9711971193069775, 2.499377795547838, 1.9711971193069775, 1.9711971193069775})"},
      {602, "Crest 12", south, fixedSize, setupAxis, "polygon({9, 4, 16, 4, 9, 6}, {1.249688897773919, 1.0, 1.020366712255743, 1.020366712255743, 1.0, 1.249688897773919})"},
      {603, "Square Compass", south, scaleable, setupAxis, "polygon({1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {604, "Blazon 12", north, scaleable, setupAxis, "polygon({5, 8, 8, 8, 5, 14}, {1.7931509443361076, 2.0, 2.0, 2.0, 2.0, 1.7931509443361076})"},
      {605, "Pentastar ¹⁄₁₂ d", south, scaleable, setupAxis, "polygon({1, 9, 1, 8, 1, 8, 1, 9, 1, 9}, {2.499377795547838, 2.414213562373095, 1.7673269879789604, 2.414213562373095, 2.0, 2.0, 2.414213562373095, 1.7673269879789604, 2.414213562373095, 2.499377795547838})"},
      {606, "Pentastar ¹⁄₁₂ e", south, scaleable, setupAxis, "polygon({2, 17, 2, 18, 2, 18, 2, 17, 2, 16}, {1.9711971193069775, 1.7673269879789604, 1.9711971193069775, 1.7673269879789604, 1.9711971193069775, 1.9711971193069775, 1.7673269879789604, 1.9711971193069775, 1.7673269879789604, 1.9711971193069775})"},
      {607, "Left Low Fire", south, scaleable, vertex(2), "polygon({7, 6, 6, 6, 6, 2, 14, 2, 12, 3}, {1.8477590650225735, 1.4142135623730951, 1.0, 1.0, 1.8477590650225735, 1.4142135623730951, 0.7071067811865476, 2.414213562373095, 1.8477590650225735, 0.7071067811865476})"},
      {608, "Right Low Fire", south, scaleable, vertex(2), "mirrorOf(607, 8)"},
      {609, "Half Decastar", south, scaleable, setupAxis, "polygon({3, 3, 6, 3, 6, 3, 6, 3, 6, 3, 3, 5}, {2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.618033988749895})"},
      {610, "Thin Column", south, fixedSize, setupAxis, "polygon({2, 3, 5, 5, 3, 2, 2, 3, 5, 5, 3, 2}, {3.414213562373095, 1.0, 1.7071067811865475, 3.414213562373095, 1.7071067811865475, 1.0, 3.414213562373095, 1.0, 1.7071067811865475, 3.414213562373095, 1.7071067811865475, 1.0})"},
      {611, "Tooth Skirt", south, scaleable, setupAxis, "polygon({6, 10, 10, 6, 3, 13, 4, 4, 4, 4, 13, 3, 6, 10, 10, 6}, {1.0, 1.0, 0.5, 1.0, 0.5, 2.613125929752753, 0.38268343236508967, 0.7653668647301796, 4.593793989476367, 0.7653668647301796, 0.38268343236508967, 2.613125929752753, 0.5, 1.0, 0.5, 1.0})"},
      {612, "Left Sun 10 ¹⁄₄", south, scaleable, edge(2), "polygon({4, 7, 5, 2, 14, 4, 14}, {1.0, 1.0, 1.902113032590307, 2.618033988749895, 1.0, 1.0, 1.0})"},
      {613, "Right Sun 10 ¹⁄₄", south, scaleable, edge(6), "mirrorOf(612)"},
      {614, "Trapezoid ³⁄₁₆", south, scaleable, setupAxis, "polygon({3, 5, 5, 3}, {2.0, 1.0, 1.23463313526982, 1.0})"},
      {615, "Left Half Star ¹⁄₅", south, fixedSize, edge(5), "polygon({1, 6, 2, 6, 2, 3}, {4.23606797749979, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895})"},
      {616, "Right Half Star ¹⁄₅", south, fixedSize, edge(2), "mirrorOf(615)"},
      {617, "Left Half Sprout", south, scaleable, setupAxis, "polygon({4, 5, 1, 10, 4}, {1.4142135623730951, 2.0, 2.613125929752753, 1.4142135623730951, 2.0})"},
      {618, "Right Half Sprout", south, scaleable, edge(1), "mirrorOf(617)"},
      {619, "Left Page ¹⁄₅", south, fixedSize, edge(0), "polygon({2, 4, 4, 2, 3}, {2.0, 2.618033988749895, 0.6180339887498949, 1.618033988749895, 3.0})"},
      {620, "Right Page ¹⁄₅", south, fixedSize, edge(1), "mirrorOf(619)"},
      {621, "Bottom Half Wide Barrel", south, scaleable, setupAxis, "polygon({3, 3, 2, 2, 3, 3}, {2.414213562373095, 1.0, 0.5, 3.8284271247461903, 0.5, 1.0})"},
      {622, "Trapezoid 1 1 2", south, scaleable, setupAxis, "polygon({1, 2, 2, 1}, {2.0, 1.0, 1.0, 1.0})"},
      {623, "Left Half Bracket ¹⁄₅", west, fixedSize, vertex(2), "polygon({5, 4, 6, 5}, {1.1755705045849463, 3.618033988749895, 1.2360679774997898, 3.23606797749979})"},
      {624, "Right Half Bracket ¹⁄₅", east, fixedSize, vertex(2), "mirrorOf(623, 2)"},
      {625, "Wide Twin Peaks ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 2, 7, 2, 2}, {3.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895})"},
      {626, "Wide Wings ¹⁄₅", north, fixedSize, setupAxis, "polygon({4, 7, 12, 7, 4, 6}, {3.0, 1.618033988749895, 1.1755705045849463, 1.1755705045849463, 1.618033988749895, 3.0})"},
      {627, "Wings ¹⁄₅", north, fixedSize, setupAxis, "polygon({4, 7, 12, 7, 4, 6}, {2.618033988749895, 1.0, 1.3763819204711736, 1.3763819204711736, 1.0, 2.618033988749895})"},
      {628, "Hexagon ³⁄₁₀", south, scaleable, setupAxis, "polygon({6, 7, 7, 6, 7, 7}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {629, "Sunrise 10", south, scaleable, setupAxis, "polygon({5, 14, 4, 14, 4, 14, 4, 14, 4, 14, 4, 14, 4, 14, 4, 14, 5, 10}, {1.538841768587627, 0.6180339887498949, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.6180339887498949, 1.538841768587627})"},
      {630, "Crest Kite", south, scaleable, setupAxis, "polygon({3, 2, 5, 2, 3, 1}, {3.414213562373095, 1.4142135623730951, 0.8284271247461903, 0.8284271247461903, 1.4142135623730951, 3.414213562373095})"},
      {631, "Sun ³⁄₁₀", south, scaleable, setupAxis, "polygon({7, 4, 14, 4, 14, 4, 7, 6}, {1.902113032590307, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.902113032590307})"},
      {632, "Sun ⁴⁄₁₀", south, scaleable, setupAxis, "polygon({7, 4, 14, 4, 14, 4, 14, 4, 7, 8}, {1.902113032590307, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.902113032590307})"},
      {633, "Crest Hand", south, scaleable, setupAxis, "polygon({10, 3, 10, 2, 14, 2, 12, 2, 14, 2, 10, 3, 10, 2}, {3.414213562373095, 0.7071067811865476, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951, 1.3574250351607648, 1.3574250351607648, 1.4142135623730951, 0.7071067811865476, 1.4142135623730951, 0.7071067811865476, 0.7071067811865476, 3.414213562373095})"},
      {634, "Thumbtack", south, scaleable, setupAxis, "polygon({23, 8, 8, 24, 24, 8, 9, 14, 9, 8, 24, 24, 8, 8, 23, 2}, {2.0, 1.0, 0.3901806440322565, 0.7653668647301796, 1.0, 1.3065629648763766, 0.3901806440322565, 1.969214651533521, 1.969214651533521, 0.3901806440322565, 1.3065629648763766, 1.0, 0.7653668647301796, 0.3901806440322565, 1.0, 2.0})"},
      {635, "Hexagon ¹⁄₅", south, scaleable, setupAxis, "polygon({1, 2, 2, 1, 2, 2}, {1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895})"},
      {636, "Dart Kite ¹⁄₅", south, scaleable, setupAxis, "polygon({7, 11, 3, 14, 3, 11, 7, 4}, {2.618033988749895, 0.6180339887498949, 1.618033988749895, 1.666045055090517, 1.666045055090517, 1.618033988749895, 0.6180339887498949, 2.618033988749895})"},
      {637, "Candle ¹⁄₅", south, scaleable, setupAxis, "polygon({3, 3, 6, 2, 6, 3, 3, 4}, {0.6180339887498949, 1.618033988749895, 0.25, 0.595491502812526, 0.595491502812526, 0.25, 1.618033988749895, 0.6180339887498949})"},
      {638, "Leaf Star", south, scaleable, setupAxis, "polygon({12, 7, 2, 7, 12, 7, 2, 7, 12, 7, 2, 7, 12, 7, 2, 7}, {0.7071067811865476, 0.7071067811865476, 2.414213562373095, 2.414213562373095, 0.7071067811865476, 0.7071067811865476, 2.414213562373095, 2.414213562373095, 0.7071067811865476, 0.7071067811865476, 2.414213562373095, 2.414213562373095, 0.7071067811865476, 0.7071067811865476, 2.414213562373095, 2.414213562373095})"},
      {639, "Long Book ¹⁄₅", north, scaleable, setupAxis, "polygon({3, 2, 6, 2, 3, 4}, {2.618033988749895, 1.0, 2.618033988749895, 2.618033988749895, 1.0, 2.618033988749895})"},
      {640, "Half Twins 10", south, scaleable, setupAxis, "polygon({1, 2, 4, 2, 1}, {3.618033988749895, 1.1755705045849463, 1.1755705045849463, 1.1755705045849463, 1.1755705045849463})"},
      {641, "Octastar ¹⁄₅", south, fixedSize, setupAxis, "polygon({4, 13, 4, 14, 4, 13, 4, 14, 4, 13, 4, 14, 4, 13, 4, 14}, {1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.0, 1.618033988749895, 1.618033988749895, 1.0, 1.0, 1.618033988749895, 1.618033988749895, 1.0})"},
      {642, "Notch ¹⁄₅", south, scaleable, setupAxis, "polygon({5, 4, 7, 14, 14, 7, 4, 5}, {5.23606797749979, 1.618033988749895, 1.3763819204711736, 1.0, 2.0, 1.0, 1.3763819204711736, 1.618033988749895})"},
      {643, "Jar", south, scaleable, setupAxis, "polygon({3, 3, 3, 5, 6, 2, 2, 2, 2, 6, 5, 3, 3, 3}, {2.0, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 0.5, 0.5, 0.5, 3.0, 0.5, 0.5, 0.5, 1.4142135623730951, 2.414213562373095, 1.4142135623730951})"},
      {644, "Wings ¹⁄₁₀", south, scaleable, setupAxis, "polygon({1, 4, 7, 4, 1, 3}, {3.0, 1.618033988749895, 1.0, 1.0, 1.618033988749895, 3.0})"},
      {645, "Left Fork", south, fixedSize, setupAxis, "polygon({4, 9, 6, 4, 4, 12, 12, 4, 4, 12, 12, 4, 4, 6, 11, 4}, {0.7071067811865476, 2.414213562373095, 2.414213562373095, 1.0, 0.7071067811865476, 1.0, 1.0, 1.0, 0.7071067811865476, 1.0, 1.0, 1.0, 0.7071067811865476, 1.0, 2.355953478829463, 2.1659106810403497})"},
      {646, "Right Fork", south, fixedSize, edge(1), "mirrorOf(645)"},
      {647, "Arrowhead ¹⁄₁₀ ³⁄₂₀", north, scaleable, setupAxis, "polygon({3, 12, 3, 2}, {1.618033988749895, 0.5257311121191335, 0.5257311121191335, 1.618033988749895})"},
      {648, "Decastar ¹⁄₅ ³⁄₂₀", south, scaleable, setupAxis, "polygon({3, 4, 3, 12, 6, 12}, {1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0})"},
      {649, "Decastar ³⁄₁₀ ³⁄₂₀", south, scaleable, setupAxis, "polygon({1, 2, 1, 4, 2, 4, 2, 4}, {1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {650, "Decastar ²⁄₅ ³⁄₂₀", south, scaleable, setupAxis, "polygon({3, 8, 3, 12, 6, 12, 6, 12, 6, 12}, {1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {651, "Decastar ⁻²⁄₅ ³⁄₂₀", south, scaleable, setupAxis, "polygon({1, 4, 1, 4, 2, 4, 2, 4, 2, 4, 2, 4, 2, 4}, {1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {652, "Decastar ⁻³⁄₁₀ ³⁄₂₀", south, scaleable, setupAxis, "polygon({3, 14, 3, 12, 6, 12, 6, 12, 6, 12, 6, 12, 6, 12, 6, 12}, {1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {653, "Decastar ⁻¹⁄₅ ³⁄₂₀", south, scaleable, setupAxis, "polygon({3, 16, 3, 12, 6, 12, 6, 12, 6, 12, 6, 12, 6, 12, 6, 12, 6, 12}, {1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {654, "Decastar ⁻¹⁄₅ ³⁄₂₀", south, scaleable, setupAxis, "polygon({2, 4, 2, 4, 2, 4, 2, 4, 1, 6, 1, 4, 2, 4, 2, 4, 2, 4, 2, 4}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 3.0776835371752536, 3.0776835371752536, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {655, "Star ¹⁄₆ 3", south, scaleable, setupAxis, "polygon({4, 13, 4, 13, 4, 10}, {2.414213562373095, 2.414213562373095, 1.249688897773919, 1.249688897773919, 2.414213562373095, 2.414213562373095})"},
      {656, "Star ¹⁄₆ 2 2", south, scaleable, setupAxis, "polygon({2, 5, 2, 9, 2, 5, 2, 9}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {657, "Star ¹⁄₆ 3 3", south, scaleable, setupAxis, "polygon({4, 15, 4, 15, 4, 18, 4, 15, 4, 15, 4, 18}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {658, "Star ¹⁄₆ 2 4", south, scaleable, setupAxis, "polygon({2, 5, 2, 11, 2, 6, 2, 9, 2, 6, 2, 11}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {659, "Star ¹⁄₆ 3,3", south, scaleable, setupAxis, "polygon({2, 7, 2, 9, 2, 7, 2, 9, 2, 7, 2, 9}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {660, "Tri Acorn ¹⁄₆", south, scaleable, setupAxis, "polygon({10, 2, 8, 3, 5, 5, 4, 5, 5, 3, 8, 2, 10, 2}, {1.9711971193069775, 1.9711971193069775, 1.249688897773919, 0.5, 1.249688897773919, 1.249688897773919, 2.8534926441050223, 2.8534926441050223, 1.249688897773919, 1.249688897773919, 0.5, 1.249688897773919, 1.9711971193069775, 1.9711971193069775})"},
      {661, "Star ¹⁄₆ 2,2", south, scaleable, setupAxis, "polygon({4, 13, 4, 15, 4, 13, 4, 15}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {662, "Star ¹⁄₆ 11", south, scaleable, setupAxis, "polygon({4, 17, 4, 18, 4, 18, 4, 18, 4, 18, 4, 18, 4, 18, 4, 18, 4, 18, 4, 18, 4, 17}, {2.414213562373095, 2.414213562373095, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {663, "Star ¹⁄₆ 2,2,3", north, scaleable, vertex(3), "polygon({4, 15, 4, 20, 4, 15, 4, 19, 4, 15, 4, 15, 4, 17}, {1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.414213562373095, 2.414213562373095, 1.4142135623730951, 1.4142135623730951})"},
      {664, "Star ¹⁄₆ 3,2,2", north, scaleable, vertex(3), "mirrorOf(663, 10)"},
      {665, "Pentastar ¹⁄₆", south, scaleable, setupAxis, "star(5, 1, 6, 1.9711971193069775)"},
      {666, "Star ¹⁄₆ 2 3", south, scaleable, vertex(2), "polygon({2, 7, 2, 9, 2, 7, 2, 7, 2, 8}, {1.7320508075688772, 1.7320508075688772, 1.0, 1.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0})"},
      {667, "Star ¹⁄₆ 3 2", south, scaleable, vertex(2), "mirrorOf(666, 8)"},
      {668, "Left Fire 4", south, scaleable, vertex(2), "polygon({7, 6, 6, 6, 6, 2, 14, 2, 14, 2, 12, 3}, {1.8477590650225735, 1.0, 3.0, 1.0, 1.8477590650225735, 1.4142135623730951, 0.7071067811865476, 3.414213562373095, 1.8477590650225735, 1.4142135623730951, 2.0, 0.7071067811865476})"},
      {669, "Right Fire 4", south, scaleable, vertex(2), "mirrorOf(668, 10)"},
      {670, "Star ¹⁄₆ 5", south, scaleable, setupAxis, "polygon({2, 7, 2, 9, 2, 6, 2, 9, 2, 7}, {1.9711971193069775, 1.9711971193069775, 1.0, 1.0, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.0, 1.0})"},
      {671, "Star ¹⁄₆ 4 4", south, scaleable, setupAxis, "polygon({1, 4, 1, 4, 1, 4, 1, 5, 1, 4, 1, 4, 1, 4, 1, 5}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {672, "Star ¹⁄₆ 7", south, scaleable, setupAxis, "polygon({2, 7, 2, 9, 2, 8, 2, 8, 2, 9, 2, 7, 2, 10}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {673, "Star ¹⁄₆ 3 5", north, scaleable, vertex(3), "polygon({4, 16, 4, 16, 4, 21, 4, 16, 4, 16, 4, 16, 4, 16, 4, 19}, {1.0, 1.0, 1.0, 1.0, 1.7320508075688772, 1.7320508075688772, 2.0, 2.0, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 3.414213562373095, 3.414213562373095})"},
      {674, "Star ¹⁄₆ 5 3", north, scaleable, vertex(3), "mirrorOf(673, 12)"},
      {675, "Star ¹⁄₆ 2,3", south, scaleable, vertex(2), "polygon({4, 16, 4, 15, 4, 16, 4, 16, 4, 13}, {1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.0, 1.0, 1.0, 1.0, 1.7320508075688772, 1.7320508075688772})"},
      {676, "Star ¹⁄₆ 3,2", south, scaleable, vertex(2), "mirrorOf(675, 8)"},
      {677, "Decastar ⁻⁷⁄₂₀ ³⁄₂₀ ³⁄₁₀", north, scaleable, edge(7), "polygon({3, 12, 6, 12, 6, 12, 6, 12, 6, 12, 6, 12, 6, 6, 13, 10}, {1.538841768587627, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.618033988749895, 1.538841768587627})"},
      {678, "Decastar ⁻⁷⁄₂₀ ³⁄₁₀ ³⁄₂₀", north, scaleable, edge(7), "mirrorOf(677, 3)"},
      {679, "Acorn A Top", north, fixedSize, setupAxis, "polygon({3, 3, 2, 2, 3, 3}, {1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 3.414213562373095, 1.4142135623730951, 1.4142135623730951})"},
      {680, "Short Wings A", south, fixedSize, setupAxis, "polygon({1, 3, 5, 3, 1, 3}, {2.0, 1.0, 1.0, 1.0, 1.0, 2.0})"},
      {681, "Hammer", south, fixedSize, setupAxis, "polygon({4, 12, 3, 5, 5, 3, 12, 4}, {1.0, 3.414213562373095, 1.7071067811865475, 1.8477590650225735, 3.0, 1.8477590650225735, 1.7071067811865475, 3.414213562373095})"},
      {682, "Bolt", south, fixedSize, setupAxis, "polygon({3, 3, 5, 5, 2, 3, 3, 3, 3, 2, 5, 5, 3, 3}, {1.0, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 0.7071067811865476, 1.0, 0.7071067811865476, 3.414213562373095, 0.7071067811865476, 1.0, 0.7071067811865476, 0.7071067811865476, 3.414213562373095, 0.7071067811865476})"},
      {683, "Y ¹⁄₁₀", south, fixedSize, setupAxis, "polygon({5, 12, 8, 2, 13, 13, 2, 8, 12, 5}, {1.0, 1.618033988749895, 1.0, 1.0, 1.3249196962329057, 0.6180339887498949, 1.3249196962329057, 1.0, 1.0, 1.618033988749895})"},
      {684, "Long Navette", east, fixedSize, setupAxis, "polygon({14, 13, 6, 13, 14, 4}, {4.460884994775326, 3.414213562373095, 3.0727110268456648, 3.0727110268456648, 3.414213562373095, 4.460884994775326})"},
      {685, "x", east, fixedSize, setupAxis, "polygon({3, 3, 8, 3, 3, 10, 3, 3, 8, 3, 3, 10}, {1.0, 1.7320508075688772, 2.0, 2.0, 1.7320508075688772, 1.0, 1.0, 1.7320508075688772, 2.0, 2.0, 1.7320508075688772, 1.0})"},
      {686, "Left Bracket", south, fixedSize, edge(5), "polygon({3, 2, 2, 3, 3, 2, 2, 6, 6, 3}, {1.4142135623730951, 1.0, 4.82842712474619, 3.414213562373095, 1.4142135623730951, 2.8284271247461903, 1.0, 2.414213562373095, 1.4142135623730951, 2.414213562373095})"},
      {687, "Right Bracket", south, fixedSize, edge(4), "mirrorOf(686, 2)"},
      {688, "Skirt ⁷⁄₂₄", south, fixedSize, setupAxis, "polygon({4, 13, 7, 7, 13, 4}, {2.414213562373095, 1.0, 1.7320508075688772, 0.5176380902050415, 1.7320508075688772, 1.0})"},
      {689, "Kite ¹⁄₆ ⁵⁄₁₂", south, scaleable, setupAxis, "polygon({5, 10, 5, 4}, {1.9711971193069775, 1.020366712255743, 1.020366712255743, 1.9711971193069775})"},
      {690, "Sun ⁷⁄₂₄", south, scaleable, setupAxis, "reducedStar(8, 7, 24, 0.5176380902050415)"},
      {691, "Kite ¹⁄₈ ⁷⁄₂₄", south, scaleable, setupAxis, "polygon({7, 7, 7, 3}, {2.414213562373095, 1.1645246645991763, 1.1645246645991763, 2.414213562373095})"},
      {692, "Sun ⁻¹⁄₈ ¹⁄₈", south, fixedSize, setupAxis, "sector(8, 7, 1.0, 2.414213562373095, 14)"},
      {693, "Candy ¹⁄₆", west, fixedSize, setupAxis, "polygon({4, 17, 9, 9, 17, 4, 4, 17, 9, 9, 17, 4}, {2.0, 1.249688897773919, 1.249688897773919, 1.0, 1.249688897773919, 1.249688897773919, 2.0, 1.249688897773919, 1.249688897773919, 1.0, 1.249688897773919, 1.249688897773919})"},
      {694, "Half Compass ¹⁄₆", south, scaleable, setupAxis, "polygon({6, 1, 7, 2, 7, 1}, {3.6639024601470145, 3.6639024601470145, 2.6821627548042177, 2.6821627548042177, 2.6821627548042177, 2.6821627548042177})"},
      {695, "Sun ⁷⁄₂₄ ¹⁄₄", south, fixedSize, setupAxis, "polygon({12, 7, 28, 14, 28, 7}, {1.3065629648763766, 1.3065629648763766, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415})"},
      {696, "Sun ⁷⁄₂₄ ³⁄₈", south, fixedSize, setupAxis, "polygon({18, 7, 28, 14, 28, 14, 28, 7}, {1.3065629648763766, 1.3065629648763766, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415})"},
      {697, "Sun ⁷⁄₂₄ ¹⁄₂", south, fixedSize, setupAxis, "polygon({24, 7, 28, 14, 28, 14, 28, 14, 28, 7}, {1.3065629648763766, 1.3065629648763766, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415})"},
      {698, "Sun ⁷⁄₂₄ ⁻³⁄₈", south, fixedSize, setupAxis, "polygon({30, 7, 28, 14, 28, 14, 28, 14, 28, 14, 28, 7}, {1.3065629648763766, 1.3065629648763766, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415})"},
      {699, "Sun ⁷⁄₂₄ ⁻¹⁄₄", south, fixedSize, setupAxis, "polygon({36, 7, 28, 14, 28, 14, 28, 14, 28, 14, 28, 14, 28, 7}, {1.3065629648763766, 1.3065629648763766, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415})"},
      {700, "Sun ⁷⁄₂₄ ⁻¹⁄₈", south, fixedSize, setupAxis, "polygon({2, 4, 2, 4, 2, 4, 1, 6, 1, 4, 2, 4, 2, 4, 2, 4}, {0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 1.3065629648763766, 1.3065629648763766, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415, 0.5176380902050415})"},
      {701, "Square House", south, scaleable, setupAxis, "polygon({2, 6, 1, 3, 3, 1, 6, 2}, {2.0, 2.0, 0.7071067811865476, 2.0, 0.5857864376269049, 2.0, 0.7071067811865476, 2.0})"},
      {702, "Left Sailboat 3", south, fixedSize, vertex(4), "polygon({11, 4, 5, 6, 9, 3, 2, 14, 2, 14, 2}, {4.124893110613835, 0.7071067811865476, 0.7071067811865476, 3.6791494182327344, 3.414213562373095, 0.7071067811865476, 3.0, 2.0, 3.0, 2.0, 3.0})"},
      {703, "Right Sailboat 3", south, fixedSize, vertex(9), "mirrorOf(702)"},
      {704, "Hexadecastar Edge ¹⁄₄", south, fixedSize, setupAxis, "polygon({11, 8, 22, 8, 22, 8, 22, 8, 22, 8, 22, 8, 22, 8, 22, 8, 11}, {7.249019570823104, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {705, "Hexadecastar Corner ¹⁄₄", south, fixedSize, setupAxis, "polygon({11, 2, 11, 4, 11, 4, 11, 4, 11, 4, 11, 4, 11, 4, 11, 4, 11, 4, 11, 4, 11, 4, 11, 2}, {4.26197262739567, 4.26197262739567, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {706, "Star ¹⁄₆ 10", south, fixedSize, setupAxis, "polygon({2, 8, 2, 9, 2, 9, 2, 9, 2, 9, 2, 8, 2, 9, 2, 9, 2, 9, 2, 9}, {2.0, 2.0, 2.0, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.0, 2.0, 2.0, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {707, "Ship ¹⁄₆", south, fixedSize, setupAxis, "polygon({4, 2, 9, 3, 3, 9, 2, 4}, {2.0, 2.0, 1.249688897773919, 1.0, 1.5006222044521622, 1.0, 1.249688897773919, 2.0})"},
      {708, "Tristar ¹⁄₁₂", south, scaleable, setupAxis, "star(3, 1, 12, 0.9148357668252574)"},
      {709, "Skirt ¹⁄₆", south, fixedSize, setupAxis, "polygon({4, 9, 10, 9, 4}, {4.385410681680073, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775})"},
      {710, "Thin Y ¹⁄₆", south, fixedSize, setupAxis, "polygon({3, 7, 2, 4, 8, 8, 4, 2, 7, 3}, {1.0, 2.414213562373095, 3.0, 0.5, 2.0, 1.0, 2.0, 0.5, 3.0, 2.414213562373095})"},
      {711, "Left Bonnet ¹⁄₆", south, scaleable, vertex(2), "polygon({9, 18, 9, 6, 10, 4, 10, 6}, {1.249688897773919, 0.5, 0.5, 1.0, 2.414213562373095, 1.9711971193069775, 3.942394238613955, 0.7071067811865476})"},
      {712, "Right Bonnet ¹⁄₆", south, scaleable, vertex(2), "mirrorOf(711, 6)"},
      {713, "Cap 12", south, fixedSize, setupAxis, "polygon({3, 3, 9, 5, 5, 5, 5, 5, 5, 9, 3, 3}, {4.732050807568878, 0.5, 0.5, 0.5, 1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 0.5})"},
      {714, "Square Y ¹⁄₆", south, fixedSize, setupAxis, "polygon({3, 9, 4, 2, 4, 8, 8, 4, 2, 4, 9, 3}, {1.0, 2.414213562373095, 0.5, 2.414213562373095, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 2.414213562373095, 0.5, 2.414213562373095})"},
      {715, "Left Square Bonnet ¹⁄₆", south, scaleable, vertex(2), "polygon({8, 20, 8, 6, 9, 9, 9, 9, 14, 4}, {1.0, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.499377795547838, 0.5, 2.499377795547838, 0.5, 1.9920718593705513, 0.5857864376269049})"},
      {716, "Right Square Bonnet ¹⁄₆", south, scaleable, vertex(2), "mirrorOf(715, 8)"},
      {717, "Square Bonstar ¹⁄₆", north, scaleable, setupAxis, "polygon({13, 4, 13, 4, 8, 18, 18, 8, 4, 13, 4, 13}, {1.3178372451957825, 1.0, 1.0, 2.0, 1.0, 0.5, 1.0, 0.5, 1.0, 2.0, 1.0, 1.0})"},
      {718, "Square Star ¹⁄₆ 10", south, scaleable, setupAxis, "polygon({2, 10, 2, 10, 2, 7, 2, 10, 2, 7, 2, 10, 2, 10, 2, 7, 2, 10, 2, 7}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {719, "Square Star ¹⁄₆ 6", south, scaleable, setupAxis, "polygon({2, 10, 2, 7, 2, 7, 2, 10, 2, 7, 2, 7}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {720, "Left Square Star ¹⁄₆ 2", south, scaleable, vertex(13), "polygon({3, 3, 8, 2, 10, 2, 8, 3, 3, 8, 2, 10, 2, 8}, {1.249688897773919, 1.249688897773919, 0.6248444488869594, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 0.6248444488869594, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {721, "Right Square Star ¹⁄₆ 2", south, scaleable, vertex(11), "mirrorOf(720, 6)"},
      {722, "Square Star ¹⁄₆ 1 2", south, scaleable, vertex(13), "polygon({2, 8, 3, 3, 9, 3, 3, 8, 2, 8, 3, 8, 2, 10}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 3.7490666933217565, 1.249688897773919, 1.249688897773919, 3.7490666933217565, 1.249688897773919, 2.499377795547838, 2.499377795547838, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {723, "Square Star ¹⁄₆ 2 1", south, scaleable, vertex(9), "mirrorOf(722, 8)"},
      {724, "Triplet ¹⁄₆", south, scaleable, setupAxis, "polygon({3, 5, 2, 10, 2, 10, 2, 5, 3}, {3.0, 0.5, 1.0, 0.5, 1.5, 1.5, 0.5, 1.0, 0.5})"},
      {725, "Fork ¹⁄₆", south, scaleable, setupAxis, "polygon({3, 8, 3, 2, 8, 8, 2, 8, 8, 2, 8, 8, 2, 3, 8, 3}, {1.249688897773919, 3.414213562373095, 3.0, 1.249688897773919, 1.249688897773919, 0.5, 1.249688897773919, 1.249688897773919, 0.4470857293848732, 1.249688897773919, 1.249688897773919, 0.5, 1.249688897773919, 1.249688897773919, 3.0, 3.414213562373095})"},
      {726, "Star ¹⁄₆ 4 6", south, scaleable, setupAxis, "polygon({4, 17, 4, 17, 4, 17, 4, 20, 4, 17, 4, 17, 4, 17, 4, 17, 4, 17, 4, 20}, {1.0, 1.0, 2.0, 2.0, 2.0, 2.0, 1.0, 1.0, 1.0, 1.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 1.0, 1.0})"},
      {727, "Square Bonnet ¹⁄₆", south, scaleable, setupAxis, "polygon({18, 8, 4, 9, 9, 9, 9, 4, 8, 18}, {1.0, 0.5, 1.0, 2.0, 1.0, 1.3178372451957825, 1.0, 2.0, 1.0, 0.5})"},
      {728, "Square Star ¹⁄₆ 2 2", south, scaleable, vertex(5), "polygon({10, 2, 8, 3, 3, 3, 8, 2, 10, 2, 7, 2}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 3.7490666933217565, 3.7490666933217565, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {729, "Square Star ¹⁄₆ 2 1 3 1", south, scaleable, vertex(3), "polygon({5, 2, 10, 2, 7, 2, 8, 5, 2, 10, 2, 10, 2, 7, 2, 8}, {1.249688897773919, 1.8745333466608782, 1.8745333466608782, 1.8745333466608782, 1.8745333466608782, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {730, "Square Star ¹⁄₆ 1 3 1 2", south, scaleable, vertex(5), "mirrorOf(729, 10)"},
      {731, "Square Star ¹⁄₆ 1 2 1 3", south, scaleable, vertex(5), "polygon({2, 10, 2, 7, 2, 7, 2, 10, 2, 8, 5, 2, 8, 5, 2, 10}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.499377795547838, 2.499377795547838, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {732, "Square Star ¹⁄₆ 3 1 2 1", south, scaleable, vertex(3), "mirrorOf(731, 10)"},
      {733, "Square Star ¹⁄₆ 1 2 1", south, scaleable, setupAxis, "polygon({4, 10, 4, 5, 2, 7, 2, 10, 2, 7, 2, 5}, {0.9372666733304391, 0.6248444488869594, 0.6248444488869594, 0.9372666733304391, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {734, "Star ¹⁄₆ 5 5", south, scaleable, setupAxis, "polygon({4, 17, 4, 17, 4, 17, 4, 17, 4, 20, 4, 17, 4, 17, 4, 17, 4, 17, 4, 20}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {735, "Star ¹⁄₆ 1 3 2", south, scaleable, vertex(2), "polygon({4, 11, 4, 17, 4, 17, 4, 14, 4, 14, 4, 23}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {736, "Star ¹⁄₆ 2 3 1", south, scaleable, vertex(2), "mirrorOf(735, 10)"},
      {737, "Square Star ¹⁄₆ 3", south, scaleable, setupAxis, "polygon({4, 10, 4, 3, 5, 2, 10, 2, 10, 2, 5, 3}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.499377795547838, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.499377795547838})"},
      {738, "Star ¹⁄₆ 2 3 2", south, scaleable, setupAxis, "polygon({2, 6, 2, 10, 2, 6, 2, 11, 2, 7, 2, 7, 2, 11}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775})"},
      {739, "Pointy Acorn 16 B", south, fixedSize, setupAxis, "polygon({23, 5, 12, 12, 12, 5, 23, 4}, {2.613125929752753, 0.7653668647301796, 1.0, 1.4806877677571328, 1.4806877677571328, 1.0, 0.7653668647301796, 2.613125929752753})"},
      {740, "Airplane 16 B", south, fixedSize, setupAxis, "polygon({5, 18, 22, 6, 18, 4, 18, 6, 22, 18, 5, 18}, {1.3065629648763766, 1.0, 1.0, 2.0, 2.5664544973505214, 2.43484796842742, 2.43484796842742, 2.5664544973505214, 2.0, 1.0, 1.0, 1.3065629648763766})"},
      {741, "Tent 16 B", south, fixedSize, setupAxis, "polygon({14, 5, 6, 5, 14, 20}, {0.7653668647301796, 1.0, 3.0727110268456648, 3.0727110268456648, 1.0, 0.7653668647301796})"},
      {742, "Square Star ¹⁄₆ 1", south, scaleable, setupAxis, "polygon({3, 5, 2, 5, 3}, {1.249688897773919, 1.8745333466608782, 1.249688897773919, 1.249688897773919, 1.8745333466608782})"},
      {743, "Heptagon", south, scaleable, setupAxis, "regular(7, 1.0)"},
      {744, "Petal 7", south, scaleable, setupAxis, "polygon({6, 5, 3, 5, 6, 3}, {1.0, 0.8019377358048383, 1.2862082642155812, 1.2862082642155812, 0.8019377358048383, 1.0})"},
      {745, "Shield ¹⁄₇", south, scaleable, setupAxis, "polygon({6, 3, 8, 3, 6, 2}, {1.8019377358048383, 1.0, 0.8019377358048383, 0.8019377358048383, 1.0, 1.8019377358048383})"},
      {746, "Sunray ¹⁄₇", south, scaleable, setupAxis, "polygon({2, 2, 2, 1}, {1.445041867912629, 0.8019377358048383, 0.8019377358048383, 1.445041867912629})"},
      {747, "Sun 14", south, scaleable, setupAxis, "star(14, 3, 14, 1.0)"},
      {748, "Big Twins ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({7, 10, 7, 18, 7, 10, 7, 18}, {2.246979603717467, 1.5, 1.5, 2.246979603717467, 2.246979603717467, 1.5, 1.5, 2.246979603717467})"},
      {749, "Wide Pentagon 7", south, scaleable, setupAxis, "polygon({4, 4, 5, 4, 4}, {2.246979603717467, 0.8019377358048383, 1.445041867912629, 1.445041867912629, 0.8019377358048383})"},
      {750, "Arrowhead 7", south, scaleable, setupAxis, "polygon({1, 4, 1, 1}, {1.0, 0.4450418679126286, 0.4450418679126286, 1.0})"},
      {751, "Octagon 7", south, scaleable, setupAxis, "polygon({5, 6, 5, 5, 5, 6, 5, 5}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {752, "Pentastar 7 a", south, scaleable, setupAxis, "polygon({3, 8, 3, 8, 3, 8, 3, 8, 3, 9}, {0.8019377358048383, 0.8019377358048383, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.8019377358048383, 0.8019377358048383})"},
      {753, "Twin Star 7", south, scaleable, setupAxis, "polygon({17, 6, 18, 6, 18, 6, 18, 6, 17, 17, 6, 18, 6, 18, 6, 18, 6, 17}, {1.0, 1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383, 1.0, 1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383})"},
      {754, "Hexagon 7", south, scaleable, setupAxis, "polygon({4, 5, 5, 4, 5, 5}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {755, "Triangle 7", south, scaleable, setupAxis, "polygon({2, 3, 2}, {1.0, 0.8019377358048383, 0.8019377358048383})"},
      {756, "Heptastar ¹⁄₇", south, scaleable, setupAxis, "star(7, 1, 7, 0.8019377358048383)"},
      {757, "Drop 7", south, scaleable, setupAxis, "polygon({5, 5, 3, 5, 5, 5}, {1.0, 1.0, 1.8019377358048383, 1.8019377358048383, 1.0, 1.0})"},
      {758, "U ²⁄₇", north, scaleable, setupAxis, "polygon({9, 8, 3, 4, 6, 5, 5, 6, 4, 3, 8, 9}, {1.0, 0.4450418679126286, 0.5549581320873711, 0.8019377358048383, 1.8019377358048383, 0.8019377358048383, 1.445041867912629, 0.8019377358048383, 1.8019377358048383, 0.8019377358048383, 0.5549581320873711, 0.4450418679126286})"},
      {759, "Leaf 7", south, scaleable, setupAxis, "polygon({8, 4, 3, 4, 8, 1}, {1.0, 1.445041867912629, 1.8019377358048383, 1.8019377358048383, 1.445041867912629, 1.0})"},
      {760, "Shovel ³⁄₁₄", south, scaleable, setupAxis, "polygon({6, 10, 19, 7, 7, 19, 10, 6}, {3.405813207414515, 1.8019377358048383, 1.0, 2.246979603717467, 0.8019377358048383, 2.246979603717467, 1.0, 1.8019377358048383})"},
      {761, "Petal ³⁄₇", north, scaleable, setupAxis, "polygon({5, 5, 2, 5, 5, 6}, {0.5549581320873711, 1.0, 2.246979603717467, 2.246979603717467, 1.0, 0.5549581320873711})"},
      {762, "Fin 7", south, scaleable, setupAxis, "polygon({3, 5, 3, 5, 3, 9}, {1.0, 1.0, 1.8019377358048383, 1.8019377358048383, 1.0, 1.0})"},
      {763, "Drum 7", south, scaleable, setupAxis, "polygon({5, 4, 5, 5, 4, 5}, {2.0, 0.8019377358048383, 0.8019377358048383, 2.0, 0.8019377358048383, 0.8019377358048383})"},
      {764, "Quadstar 7", south, scaleable, setupAxis, "polygon({2, 8, 2, 9, 2, 8, 2, 9}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {765, "Long Hexagon 7", south, scaleable, setupAxis, "polygon({5, 5, 4, 5, 5, 4}, {1.0, 2.0, 1.0, 1.0, 2.0, 1.0})"},
      {766, "Cupcake 7", south, scaleable, setupAxis, "polygon({4, 10, 5, 4, 5, 5, 4, 5, 10, 4}, {2.0, 1.8019377358048383, 0.5549581320873711, 1.8019377358048383, 1.0, 4.911853999979578, 1.0, 1.8019377358048383, 0.5549581320873711, 1.8019377358048383})"},
      {767, "Kite 7", north, scaleable, setupAxis, "polygon({3, 5, 3, 3}, {0.8019377358048383, 0.5549581320873711, 0.5549581320873711, 0.8019377358048383})"},
      {768, "Tetradecastar ¹⁄₇", south, scaleable, setupAxis, "star(14, 1, 7, 1.8019377358048383)"},
      {769, "Tetradecastar ²⁄₇", south, scaleable, setupAxis, "star(14, 2, 7, 0.6920214716300959)"},
      {770, "Skirt 7", south, scaleable, setupAxis, "polygon({3, 6, 5, 5, 6, 3}, {2.246979603717467, 1.0, 1.0, 0.5549581320873711, 1.0, 1.0})"},
      {771, "Pentagon 7", south, scaleable, setupAxis, "polygon({3, 5, 5, 5, 3}, {2.246979603717467, 1.0, 1.0, 1.0, 1.0})"},
      {772, "Twins ²⁄₇", south, scaleable, setupAxis, "polygon({4, 4, 4, 9, 4, 4, 4, 9}, {1.8019377358048383, 1.445041867912629, 1.445041867912629, 1.8019377358048383, 1.8019377358048383, 1.445041867912629, 1.445041867912629, 1.8019377358048383})"},
      {773, "Heptastar", south, scaleable, setupAxis, "reducedStar(7, 3, 14, 0.8019377358048383)"},
      {774, "Belt 7", west, scaleable, setupAxis, "polygon({5, 6, 3, 6, 5, 3}, {1.8019377358048383, 2.246979603717467, 1.0, 1.0, 2.246979603717467, 1.8019377358048383})"},
      {775, "Kite ¹⁄₇", south, scaleable, setupAxis, "polygon({3, 6, 3, 2}, {1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383})"},
      {776, "Shovel ²⁄₇", north, scaleable, setupAxis, "polygon({7, 19, 8, 8, 8, 8, 19, 7}, {0.8019377358048383, 2.246979603717467, 1.0, 1.8019377358048383, 1.8019377358048383, 1.8019377358048383, 1.0, 2.246979603717467})"},
      {777, "Petal ³⁄₁₄ ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({5, 6, 3, 6, 5, 3}, {1.0, 0.5549581320873711, 0.8019377358048383, 0.8019377358048383, 0.5549581320873711, 1.0})"},
      {778, "Long Cork 7", south, scaleable, setupAxis, "polygon({4, 9, 4, 4, 4, 4, 9, 4}, {1.0, 1.8019377358048383, 0.8019377358048383, 2.246979603717467, 2.246979603717467, 2.246979603717467, 0.8019377358048383, 1.8019377358048383})"},
      {779, "Wide Skirt 7", south, scaleable, setupAxis, "polygon({3, 6, 5, 5, 6, 3}, {2.6038754716096766, 0.8019377358048383, 1.0, 1.0, 1.0, 0.8019377358048383})"},
      {780, "Wide Twins 7", south, scaleable, setupAxis, "polygon({7, 7, 21, 10, 6, 12, 21, 21, 12, 6, 10, 21, 7, 7}, {6.381286267534822, 1.0, 0.5, 1.0, 1.8019377358048383, 1.8019377358048383, 1.0, 1.0, 1.0, 1.8019377358048383, 1.8019377358048383, 1.0, 0.5, 1.0})"},
      {781, "Crest 7", south, scaleable, setupAxis, "polygon({4, 1, 9, 9, 1, 4}, {2.0, 1.8019377358048383, 1.445041867912629, 1.0, 1.445041867912629, 1.8019377358048383})"},
      {782, "Twin Peaks 7", south, scaleable, setupAxis, "polygon({1, 1, 3, 1, 1}, {1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383})"},
      {783, "Thin Belt 7", west, scaleable, setupAxis, "polygon({6, 6, 3, 6, 6, 1}, {2.246979603717467, 0.6920214716300959, 0.5549581320873711, 0.5549581320873711, 0.6920214716300959, 2.246979603717467})"},
      {784, "Cork 7", south, scaleable, setupAxis, "polygon({4, 9, 4, 4, 4, 4, 9, 4}, {1.0, 1.0, 0.8019377358048383, 2.0, 2.0, 2.0, 0.8019377358048383, 1.0})"},
      {785, "Big Twins ²⁄₇", south, scaleable, setupAxis, "polygon({11, 13, 8, 10, 11, 11, 20, 11, 11, 10, 8, 13, 11, 20}, {1.0, 1.0, 1.8019377358048383, 1.8019377358048383, 1.0, 1.0, 2.246979603717467, 2.246979603717467, 1.0, 1.0, 1.8019377358048383, 1.8019377358048383, 1.0, 1.0})"},
      {786, "Candy ³⁄₁₄", west, scaleable, setupAxis, "polygon({3, 9, 5, 6, 9, 3, 3, 9, 6, 5, 9, 3}, {1.0, 1.0, 1.445041867912629, 0.8019377358048383, 0.8019377358048383, 1.0, 1.445041867912629, 1.0, 0.8019377358048383, 0.8019377358048383, 1.445041867912629, 1.0})"},
      {787, "Bag 7", north, scaleable, setupAxis, "polygon({2, 9, 4, 6, 6, 4, 9, 2}, {3.0, 0.8019377358048383, 1.8019377358048383, 1.0, 1.0, 1.0, 1.8019377358048383, 0.8019377358048383})"},
      {788, "Bonnet 7", south, scaleable, setupAxis, "polygon({10, 4, 3, 6, 5, 5, 6, 3, 4, 10}, {1.0, 0.5549581320873711, 0.8019377358048383, 1.8019377358048383, 1.0, 0.8019377358048383, 1.0, 1.8019377358048383, 0.8019377358048383, 0.5549581320873711})"},
      {789, "Long Twins 7", south, scaleable, setupAxis, "polygon({1, 3, 1, 2, 1, 3, 1, 2}, {2.246979603717467, 1.0, 1.0, 2.246979603717467, 2.246979603717467, 1.0, 1.0, 2.246979603717467})"},
      {790, "Flat Gem 7", south, scaleable, setupAxis, "polygon({6, 3, 5, 5, 3, 6}, {1.0, 1.0, 1.445041867912629, 1.0, 1.445041867912629, 1.0})"},
      {791, "Pentastar 7 b", south, scaleable, setupAxis, "polygon({2, 9, 2, 9, 2, 9, 2, 9, 2, 10}, {0.8019377358048383, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.8019377358048383})"},
      {792, "Pentastar 7 c", north, scaleable, setupAxis, "polygon({9, 3, 8, 3, 8, 3, 8, 3, 9, 2}, {1.0, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.0, 1.0, 1.0})"},
      {793, "Crown 7", south, scaleable, setupAxis, "polygon({4, 3, 10, 3, 10, 4, 10, 3, 10, 3, 4, 6}, {1.8019377358048383, 1.0, 0.5549581320873711, 0.5549581320873711, 0.5549581320873711, 0.6920214716300959, 0.6920214716300959, 0.5549581320873711, 0.5549581320873711, 0.5549581320873711, 1.0, 1.8019377358048383})"},
      {794, "Narrow Twins ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({5, 2, 10, 2, 5, 4}, {1.0, 1.8019377358048383, 1.0, 1.0, 1.8019377358048383, 1.0})"},
      {795, "Ginkgo 7", north, scaleable, setupAxis, "polygon({2, 5, 8, 3, 8, 5, 2, 9}, {1.8290848111728217, 1.8019377358048383, 1.0, 0.5549581320873711, 0.5549581320873711, 1.0, 1.8019377358048383, 1.8290848111728217})"},
      {796, "Rhombus ³⁄₁₄", south, scaleable, setupAxis, "rhombus(3, 14, 0.5724165284311622)"},
      {797, "Pentastar ³⁄₇", north, scaleable, setupAxis, "polygon({9, 3, 8, 3, 9, 3, 8, 3, 9, 1}, {2.246979603717467, 2.246979603717467, 1.445041867912629, 1.445041867912629, 1.445041867912629, 1.445041867912629, 1.445041867912629, 1.445041867912629, 2.246979603717467, 2.246979603717467})"},
      {798, "Twin Star ²⁄₇", south, scaleable, setupAxis, "polygon({19, 2, 22, 2, 22, 2, 22, 2, 19, 19, 2, 22, 2, 22, 2, 22, 2, 19}, {1.0, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 1.0, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717})"},
      {799, "Small Bonnet 7", south, scaleable, setupAxis, "polygon({10, 4, 3, 4, 4, 3, 4, 10}, {0.5549581320873711, 0.25, 0.4450418679126286, 1.8019377358048383, 0.754364599085947, 1.8019377358048383, 0.4450418679126286, 0.25})"},
      {800, "Twins ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({7, 10, 7, 18, 7, 10, 7, 18}, {1.445041867912629, 1.0, 1.0, 1.445041867912629, 1.445041867912629, 1.0, 1.0, 1.445041867912629})"},
      {801, "Heptastar ²⁄₇", south, scaleable, setupAxis, "reducedStar(7, 2, 7, 0.9293123963233717)"},
      {802, "Pentagon ³⁄₇", south, scaleable, setupAxis, "polygon({4, 5, 3, 5, 4}, {0.4450418679126286, 1.8019377358048383, 1.0, 1.0, 1.8019377358048383})"},
      {803, "Gem 7", south, scaleable, setupAxis, "polygon({5, 5, 4, 4, 5, 5}, {1.0, 1.0, 1.0, 1.8019377358048383, 1.0, 1.0})"},
      {804, "Petal ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({4, 1, 4, 5}, {0.5549581320873711, 2.246979603717467, 2.246979603717467, 0.5549581320873711})"},
      {805, "Palm 7", south, scaleable, setupAxis, "polygon({5, 5, 12, 2, 8, 2, 8, 8, 2, 8, 2, 12, 5, 5}, {1.445041867912629, 0.25, 2.246979603717467, 1.8019377358048383, 1.0, 1.8019377358048383, 2.246979603717467, 0.31174490092936535, 2.246979603717467, 1.8019377358048383, 1.0, 1.8019377358048383, 2.246979603717467, 0.25})"},
      {806, "Candle 7", north, scaleable, setupAxis, "polygon({5, 4, 8, 3, 8, 4, 5, 5}, {1.0, 1.8019377358048383, 0.5549581320873711, 1.2862082642155812, 1.2862082642155812, 0.5549581320873711, 1.8019377358048383, 1.0})"},
      {807, "Sunray ¹⁄₁₄", south, scaleable, setupAxis, "polygon({5, 3, 5, 1}, {2.6038754716096766, 0.9293123963233717, 0.9293123963233717, 2.6038754716096766})"},
      {808, "Bonnet ¹⁄₇", south, scaleable, setupAxis, "polygon({10, 5, 2, 6, 5, 5, 6, 2, 5, 10}, {1.0, 0.5549581320873711, 0.8019377358048383, 2.246979603717467, 1.0, 0.4450418679126286, 1.0, 2.246979603717467, 0.8019377358048383, 0.5549581320873711})"},
      {809, "Triangle ¹⁄₇", south, scaleable, setupAxis, "polygon({5, 4, 5}, {0.8677674782351164, 1.0, 1.0})"},
      {810, "Shield ¹⁄₁₄", south, scaleable, setupAxis, "polygon({6, 2, 11, 2, 6, 1}, {2.246979603717467, 1.0, 0.4450418679126286, 0.4450418679126286, 1.0, 2.246979603717467})"},
      {811, "Petal 14", south, scaleable, setupAxis, "polygon({6, 6, 3, 6, 6, 1}, {2.6038754716096766, 1.0, 0.5724165284311622, 0.5724165284311622, 1.0, 2.6038754716096766})"},
      {812, "Big Hexagon 7", south, scaleable, setupAxis, "polygon({4, 5, 5, 4, 5, 5}, {1.8019377358048383, 1.8019377358048383, 1.8019377358048383, 1.8019377358048383, 1.8019377358048383, 1.8019377358048383})"},
      {813, "Kite ²⁄₇", north, scaleable, setupAxis, "polygon({1, 3, 1, 2}, {1.0, 0.8019377358048383, 0.8019377358048383, 1.0})"},
      {814, "V 7", south, scaleable, setupAxis, "polygon({4, 3, 11, 3, 4, 3}, {1.8019377358048383, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 1.8019377358048383})"},
      {815, "Sunrise ¹⁄₇", south, scaleable, setupAxis, "polygon({7, 20, 4, 20, 4, 20, 4, 20, 4, 20, 4, 20, 7, 14}, {0.6269801688313519, 0.5, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.5, 0.6269801688313519})"},
      {816, "Bonnet ²⁄₇", south, scaleable, setupAxis, "polygon({5, 2, 2, 2, 3, 3, 2, 2, 2, 5}, {1.0, 0.5549581320873711, 0.8019377358048383, 1.8019377358048383, 1.8019377358048383, 0.4058132074145127, 1.8019377358048383, 1.8019377358048383, 0.8019377358048383, 0.5549581320873711})"},
      {817, "Fin Cork 7", south, scaleable, setupAxis, "polygon({5, 10, 3, 3, 3, 10, 5, 3}, {1.0, 1.0, 0.8019377358048383, 1.8019377358048383, 1.8019377358048383, 0.8019377358048383, 1.0, 1.0})"},
      {818, "U ³⁄₇", north, scaleable, setupAxis, "polygon({8, 9, 3, 4, 5, 6, 6, 5, 4, 3, 9, 8}, {1.0, 0.4450418679126286, 0.5549581320873711, 0.8019377358048383, 1.8019377358048383, 1.0, 0.8900837358252583, 1.0, 1.8019377358048383, 0.8019377358048383, 0.5549581320873711, 0.4450418679126286})"},
      {819, "Bonnet ³⁄₇", south, scaleable, setupAxis, "polygon({10, 4, 3, 6, 5, 5, 6, 3, 4, 10}, {2.0, 0.5549581320873711, 0.8019377358048383, 1.0, 1.8019377358048383, 1.1588336036970468, 1.8019377358048383, 1.0, 0.8019377358048383, 0.5549581320873711})"},
      {820, "Handle ³⁄₇", south, scaleable, setupAxis, "polygon({6, 1, 6, 8, 8, 6, 1, 6}, {3.198062264195163, 2.246979603717467, 1.0, 1.8019377358048383, 2.0, 1.8019377358048383, 1.0, 2.246979603717467})"},
      {821, "Bag ³⁄₁₄", south, scaleable, setupAxis, "polygon({5, 4, 9, 3, 3, 9, 4, 5}, {1.0, 1.0, 1.0, 1.0, 1.445041867912629, 1.0, 1.0, 1.0})"},
      {822, "Pentastar ¹⁄₁₄", south, scaleable, setupAxis, "polygon({2, 9, 2, 10, 1, 10, 2, 9, 2, 9}, {1.0, 0.8019377358048383, 0.8019377358048383, 1.0, 1.0, 1.0, 1.0, 0.8019377358048383, 0.8019377358048383, 1.0})"},
      {823, "Sprout ³⁄₁₄", north, scaleable, setupAxis, "polygon({9, 3, 4, 9, 4, 3, 9, 1}, {1.0, 1.0, 0.8019377358048383, 0.6920214716300959, 0.6920214716300959, 0.8019377358048383, 1.0, 1.0})"},
      {824, "Small Twins ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({4, 5, 4, 8, 4, 5, 4, 8}, {1.1588336036970468, 0.8019377358048383, 0.8019377358048383, 1.1588336036970468, 1.1588336036970468, 0.8019377358048383, 0.8019377358048383, 1.1588336036970468})"},
      {825, "Acorn 7", south, scaleable, setupAxis, "polygon({2, 3, 1, 1, 1, 3, 2, 1}, {0.8019377358048383, 1.0, 1.0, 2.6038754716096766, 2.6038754716096766, 1.0, 1.0, 0.8019377358048383})"},
      {826, "Acorn Bag 7", north, scaleable, setupAxis, "polygon({3, 11, 4, 6, 3, 6, 4, 11, 3, 5}, {1.137063339542725, 0.8019377358048383, 0.5549581320873711, 1.8019377358048383, 1.0, 1.0, 1.8019377358048383, 0.5549581320873711, 0.8019377358048383, 1.137063339542725})"},
      {827, "Tetradecastar ⁵⁄₁₄", south, scaleable, setupAxis, "star(14, 5, 14, 1.445041867912629)"},
      {828, "Big Twins ³⁄₇", south, scaleable, setupAxis, "polygon({6, 4, 6, 5, 5, 6, 10, 6, 5, 5, 6, 4, 6, 10}, {0.8019377358048383, 1.8019377358048383, 1.0, 0.8019377358048383, 1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383, 0.8019377358048383, 1.0, 1.8019377358048383, 0.8019377358048383})"},
      {829, "Hexagon ³⁄₇", south, scaleable, setupAxis, "polygon({3, 2, 2, 3, 2, 2}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {830, "Tree 7", south, scaleable, setupAxis, "polygon({4, 5, 11, 2, 12, 2, 3, 2, 12, 2, 11, 5, 4, 9}, {0.5549581320873711, 0.8019377358048383, 1.0, 1.0, 1.8019377358048383, 0.8019377358048383, 2.335125603737886, 2.335125603737886, 0.8019377358048383, 1.8019377358048383, 1.0, 1.0, 0.8019377358048383, 0.5549581320873711})"},
      {831, "Triangle ¹⁄₁₄", south, scaleable, setupAxis, "polygon({3, 1, 3}, {0.4135829247341146, 0.9293123963233717, 0.9293123963233717})"},
      {832, "Candle ¹⁄₇", south, scaleable, setupAxis, "polygon({4, 4, 9, 2, 9, 4, 4, 6}, {1.0, 1.8019377358048383, 0.5549581320873711, 1.0, 1.0, 0.5549581320873711, 1.8019377358048383, 1.0})"},
      {833, "Columnn 7", south, scaleable, setupAxis, "polygon({4, 5, 8, 10, 5, 3, 3, 5, 10, 8, 5, 4}, {2.0, 0.8019377358048383, 0.5549581320873711, 2.6038754716096766, 0.5549581320873711, 0.8019377358048383, 1.8629366604572732, 0.8019377358048383, 0.5549581320873711, 2.6038754716096766, 0.5549581320873711, 0.8019377358048383})"},
      {834, "Sunrise 7 ³⁄₇", south, scaleable, setupAxis, "polygon({12, 11, 16, 8, 16, 8, 16, 8, 16, 8, 16, 8, 16, 11, 12, 14}, {0.4555281603610223, 0.5, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.5, 0.4555281603610223})"},
      {835, "Sunrise ²⁄₇", south, scaleable, setupAxis, "polygon({9, 16, 8, 16, 8, 16, 8, 16, 8, 16, 8, 16, 9, 14}, {1.0922842620785356, 0.5, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.9293123963233717, 0.5, 1.0922842620785356})"},
      {836, "Left Rosebud 7", south, scaleable, edge(1), "polygon({7, 7, 17, 6, 21, 9, 6, 9, 16}, {3.7161696338975894, 0.5, 2.0, 1.5, 1.252460881112459, 1.8019377358048383, 1.5, 1.5, 1.8019377358048383})"},
      {837, "Right Rosebud 7", south, scaleable, edge(1), "mirrorOf(836, 8)"},
      {838, "Cap 7", south, scaleable, setupAxis, "polygon({7, 7, 21, 12, 12, 11, 11, 12, 12, 21, 7, 7}, {3.949855824363647, 0.5, 0.5, 1.0, 0.8019377358048383, 0.8019377358048383, 1.0, 0.8019377358048383, 0.8019377358048383, 1.0, 0.5, 0.5})"},
      {839, "Label 7", south, scaleable, setupAxis, "polygon({5, 6, 5, 5, 5, 5, 6, 5}, {1.0, 1.0, 1.0, 1.0, 1.445041867912629, 1.0, 1.0, 1.0})"},
      {840, "Candy ¹⁄₇", west, scaleable, setupAxis, "polygon({2, 10, 5, 6, 10, 2, 2, 10, 6, 5, 10, 2}, {2.0, 1.0, 1.8019377358048383, 1.445041867912629, 1.445041867912629, 1.0, 1.8019377358048383, 1.0, 1.445041867912629, 1.445041867912629, 1.8019377358048383, 1.0})"},
      {841, "Cottage ²⁄₇", north, scaleable, setupAxis, "polygon({3, 21, 7, 7, 17, 22, 17, 7, 7, 21, 3, 8}, {3.9700057380800096, 0.8019377358048383, 4.493959207434934, 1.8019377358048383, 1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383, 1.8019377358048383, 4.493959207434934, 0.8019377358048383, 3.9700057380800096})"},
      {842, "Flat Bonnet 7", south, scaleable, setupAxis, "polygon({5, 5, 5, 6, 6, 5, 5, 5}, {2.6038754716096766, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383})"},
      {843, "Left Bonnet 7", south, scaleable, vertex(2), "polygon({5, 11, 5, 3, 5, 5, 5, 3}, {0.8019377358048383, 1.0, 1.0, 1.0, 1.8019377358048383, 2.0, 0.3079785283699043, 2.5549581320873713})"},
      {844, "Right Bonnet 7", south, scaleable, vertex(2), "mirrorOf(843, 6)"},
      {845, "Short Petal ³⁄₇", north, scaleable, setupAxis, "polygon({5, 5, 2, 5, 5, 6}, {0.2862082642155812, 0.8019377358048383, 1.445041867912629, 1.445041867912629, 0.8019377358048383, 0.2862082642155812})"},
      {846, "Twins ³⁄₇", south, scaleable, setupAxis, "polygon({1, 3, 1, 2, 1, 3, 1, 2}, {1.8019377358048383, 1.0, 1.0, 1.8019377358048383, 1.8019377358048383, 1.0, 1.0, 1.8019377358048383})"},
      {847, "Pentastar 7 d", south, scaleable, setupAxis, "polygon({3, 8, 3, 8, 2, 8, 3, 8, 3, 10}, {0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 2.246979603717467, 2.246979603717467, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383})"},
      {848, "Bread", south, fixedSize, setupAxis, "polygon({1, 1, 1, 1, 1, 1, 1, 1}, {4.82842712474619, 0.7071067811865476, 1.0, 2.414213562373095, 2.414213562373095, 2.414213562373095, 1.0, 0.7071067811865476})"},
      {849, "Square Compass ¹⁄₈", south, fixedSize, setupAxis, "polygon({9, 9, 2, 9, 9, 2, 9, 9, 2, 9, 9, 2}, {2.414213562373095, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 2.414213562373095})"},
      {850, "Dress ¹⁄₇", north, scaleable, setupAxis, "polygon({6, 3, 10, 2, 2, 10, 3, 6}, {0.9118539999795812, 0.5549581320873711, 1.2469796037174672, 1.8019377358048383, 2.6038754716096766, 1.8019377358048383, 1.2469796037174672, 0.5549581320873711})"},
      {851, "Venus 7", south, scaleable, setupAxis, "polygon({7, 21, 7, 7, 21, 19, 10, 10, 10, 10, 10, 10, 19, 21, 7, 7, 21, 7}, {1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.8900837358252583, 1.0, 1.0, 1.8019377358048383, 1.0, 1.0, 0.8900837358252583, 0.5, 1.0, 1.0, 1.0, 1.0})"},
      {852, "Sunrise 14 ³⁄₇", south, scaleable, setupAxis, "polygon({6, 3, 10, 3, 10, 3, 10, 3, 10, 3, 11, 3, 11, 3, 11, 3, 10, 3, 10, 3, 10, 3, 10, 3, 6}, {6.692021471630096, 1.0, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.0})"},
      {853, "Heptastar ¹⁄₁₄", south, scaleable, setupAxis, "star(7, 1, 14, 0.9293123963233717)"},
      {854, "Petal ³⁄₁₄ ³⁄₇", south, scaleable, setupAxis, "polygon({9, 10, 6, 10, 9, 12}, {0.45648694878029966, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 0.45648694878029966})"},
      {855, "Pentastar ¹⁄₁₄ b", north, scaleable, setupAxis, "polygon({9, 2, 9, 2, 11, 2, 9, 2, 9, 1}, {1.8019377358048383, 1.0, 1.0, 1.0, 0.2862082642155812, 0.2862082642155812, 1.0, 1.0, 1.0, 1.8019377358048383})"},
      {856, "Pentastar 7 e", north, scaleable, setupAxis, "polygon({8, 3, 9, 2, 9, 2, 9, 3, 8, 3}, {0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.0, 1.0, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383})"},
      {857, "Accordion 7", south, scaleable, setupAxis, "polygon({5, 4, 10, 4, 10, 4, 5, 5, 4, 10, 4, 10, 4, 5}, {1.8019377358048383, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.8019377358048383, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {858, "Short Label 7", south, scaleable, setupAxis, "polygon({4, 6, 5, 6, 6, 5, 6, 4}, {1.8019377358048383, 1.0, 0.8019377358048383, 0.7714382734786193, 0.5, 0.7714382734786193, 0.8019377358048383, 1.0})"},
      {859, "Short Hexagon 7", south, scaleable, setupAxis, "polygon({5, 4, 5, 5, 4, 5}, {1.8019377358048383, 1.0, 1.0, 1.8019377358048383, 1.0, 1.0})"},
      {860, "Belt ³⁄₁₄", west, scaleable, setupAxis, "polygon({11, 10, 8, 10, 11, 6}, {0.8019377358048383, 4.493959207434934, 0.6395240038449674, 0.6395240038449674, 4.493959207434934, 0.8019377358048383})"},
      {861, "Left Bonnet ¹⁄₇", south, scaleable, vertex(2), "polygon({5, 11, 5, 3, 5, 5, 6, 2}, {1.8019377358048383, 1.0, 1.0, 0.9293123963233717, 2.6038754716096766, 0.8019377358048383, 0.6745630752863039, 3.3176672073940967})"},
      {862, "Right Bonnet ¹⁄₇", south, scaleable, vertex(2), "mirrorOf(861, 6)"},
      {863, "Sunrise 7 ³⁄₁₄", south, scaleable, setupAxis, "polygon({5, 3, 9, 3, 9, 3, 9, 3, 5}, {2.0, 1.0, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.0})"},
      {864, "Tri Bracket 7", south, scaleable, setupAxis, "polygon({7, 21, 21, 7, 6, 8, 8, 6, 7, 21, 21, 7}, {0.8019377358048383, 1.8019377358048383, 2.246979603717467, 1.8019377358048383, 0.8019377358048383, 2.246979603717467, 5.8997724148494495, 2.246979603717467, 0.8019377358048383, 1.8019377358048383, 2.246979603717467, 1.8019377358048383})"},
      {865, "Square Star ¹⁄₆ 2 1 2", south, fixedSize, setupAxis, "polygon({16, 74, 16, 59, 16, 59, 16, 74, 16, 38}, {1.909552207034256, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.909552207034256})"},
      {866, "Left Crest 12", south, fixedSize, vertex(3), "polygon({6, 9, 9, 9, 4, 16, 4, 15}, {1.0, 1.249688897773919, 1.0, 1.249688897773919, 1.5176380902050417, 1.0, 1.3789373819630113, 1.0})"},
      {867, "Right Crest 12", south, fixedSize, vertex(3), "mirrorOf(866, 4)"},
      {868, "Star ¹⁄₆ 2 8", south, fixedSize, setupAxis, "polygon({2, 8, 2, 9, 2, 9, 2, 9, 2, 9, 2, 9, 2, 9, 2, 9, 2, 8, 2, 9}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 4.663902460147017, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 4.663902460147017, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {869, "Star ¹⁄₆ 3 7", south, fixedSize, setupAxis, "polygon({9, 2, 8, 2, 9, 2, 9, 2, 9, 2, 9, 2, 9, 2, 9, 2, 8, 2, 9, 2}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 0.5281806762408592, 1.249688897773919, 1.249688897773919, 0.5281806762408592, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {870, "Acorn Cap 12", south, fixedSize, setupAxis, "polygon({8, 7, 15, 6, 6, 15, 7, 8}, {3.942394238613955, 1.249688897773919, 1.9711971193069775, 0.9148357668252574, 2.40438943615317, 0.9148357668252574, 1.9711971193069775, 1.249688897773919})"},
      {871, "Left Fork ¹⁄₆", south, fixedSize, vertex(3), "polygon({3, 9, 3, 3, 9, 3, 2, 7, 7, 2}, {1.9711971193069775, 2.414213562373095, 3.414213562373095, 0.5, 3.414213562373095, 1.5, 1.9711971193069775, 1.9711971193069775, 1.0, 1.9711971193069775})"},
      {872, "Right Fork ¹⁄₆", south, fixedSize, vertex(3), "mirrorOf(871, 6)"},
      {873, "Square Star ¹⁄₆ 2 1 1", north, fixedSize, vertex(11), "polygon({24, 67, 16, 74, 16, 59, 16, 64, 40, 16, 64, 24}, {2.1645246645991763, 0.9148357668252574, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 0.9148357668252574, 1.249688897773919, 1.249688897773919, 2.1164998210913324})"},
      {874, "Square Star ¹⁄₆ 1 1 2", north, fixedSize, vertex(5), "mirrorOf(873, 10)"},
      {875, "Square Star ¹⁄₆ 3 2 3", south, fixedSize, setupAxis, "polygon({16, 74, 16, 74, 16, 65, 16, 74, 16, 65, 16, 74, 16, 74, 16, 44}, {2.4859416877895186, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.4859416877895186})"},
      {876, "Star ¹⁄₆ 1 2 3", south, fixedSize, vertex(2), "polygon({4, 15, 4, 17, 4, 15, 4, 17, 4, 17, 4, 15}, {0.6028023233797852, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.1645246645991763})"},
      {877, "Star ¹⁄₆ 3 2 1", south, fixedSize, vertex(2), "mirrorOf(876, 10)"},
      {878, "Square Star ¹⁄₆ 1 3", south, fixedSize, vertex(2), "polygon({8, 37, 8, 37, 8, 35, 12, 12, 12, 32, 8, 32, 12, 35}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 0.9148357668252574, 3.0793604314244356, 5.388484420744261, 0.9148357668252574, 1.249688897773919, 1.249688897773919, 0.9148357668252574, 0.9148357668252574})"},
      {879, "Square Star ¹⁄₆ 3 1", south, fixedSize, vertex(2), "mirrorOf(878, 12)"},
      {880, "Square Star ¹⁄₆ 2 5 1", south, fixedSize, vertex(3), "polygon({16, 68, 16, 64, 24, 43, 16, 74, 16, 71, 16, 74, 16, 74, 16, 74, 16, 74}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.8233454726555574, 0.9148357668252574, 4.8293387081772385, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {881, "Square Star ¹⁄₆ 1 5 2", south, fixedSize, vertex(3), "mirrorOf(880, 14)"},
      {882, "Star ¹⁄₆ 2 3 4", south, fixedSize, vertex(6), "polygon({2, 9, 2, 8, 2, 9, 2, 9, 2, 8, 2, 9, 2, 9, 2, 9, 2, 8}, {0.7215082215330587, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.9711971193069775})"},
      {883, "Star ¹⁄₆ 4 3 2", south, fixedSize, vertex(2), "mirrorOf(882, 12)"},
      {884, "Square Star ¹⁄₆ 1 2 5", south, fixedSize, vertex(5), "polygon({74, 16, 71, 16, 74, 16, 74, 16, 74, 16, 74, 16, 76, 24, 40, 16, 59, 16}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 0.9148357668252574, 1.0, 4.286771978588185, 1.249688897773919, 4.917061067638811})"},
      {885, "Square Star ¹⁄₆ 5 2 1", south, fixedSize, vertex(13), "mirrorOf(884, 2)"},
      {886, "Square Star ¹⁄₆ 2 3", south, fixedSize, vertex(5), "polygon({16, 74, 16, 17, 16, 74, 16, 65, 16, 74}, {1.249688897773919, 1.249688897773919, 1.249688897773919, 5.11333946868221, 5.540523414096314, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {887, "Square Star ¹⁄₆ 3 2", south, fixedSize, vertex(5), "mirrorOf(886, 2)"},
      {888, "Square Star ¹⁄₆ 1 1", south, fixedSize, setupAxis, "polygon({2, 7, 2, 5, 3, 5}, {1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 0.9855985596534886, 0.9855985596534886})"},
      {889, "Skirt ⁷⁄₁₆", south, scaleable, setupAxis, "polygon({1, 7, 7, 1}, {6.82842712474619, 2.414213562373095, 2.3675421299708637, 2.414213562373095})"},
      {890, "Left Acorn ¹⁄₅", south, scaleable, setupAxis, "polygon({2, 7, 3, 3, 7, 2, 3, 3}, {2.618033988749895, 1.0, 1.0, 0.5, 1.618033988749895, 0.6180339887498949, 2.0, 1.5})"},
      {891, "Right Acorn ¹⁄₅", south, scaleable, edge(2), "mirrorOf(890, 4)"},
      {892, "Left Sun 10 ⁹⁄₂₀", south, scaleable, vertex(0), "polygon({10, 2, 14, 4, 14, 4, 14, 4, 14, 4, 7, 9}, {1.3090169943749475, 1.3090169943749475, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.902113032590307})"},
      {893, "Right Sun 10 ⁹⁄₂₀", south, scaleable, vertex(2), "mirrorOf(892)"},
      {894, "Thin Gem 7", south, scaleable, setupAxis, "polygon({2, 3, 2, 2, 3, 2}, {0.8019377358048383, 2.246979603717467, 2.246979603717467, 0.8019377358048383, 2.246979603717467, 2.246979603717467})"},
      {895, "Thin Columnn 7", south, scaleable, setupAxis, "polygon({7, 11, 17, 17, 11, 7, 7, 11, 17, 17, 11, 7}, {1.8019377358048383, 0.5549581320873711, 0.8019377358048383, 4.493959207434934, 0.8019377358048383, 0.5549581320873711, 1.8019377358048383, 0.5549581320873711, 0.8019377358048383, 4.493959207434934, 0.8019377358048383, 0.5549581320873711})"},
      {896, "Left Small Shield ¹⁄₁₂ ¹⁄₆", west, fixedSize, setupAxis, "polygon({2, 11, 4, 16, 4, 11}, {1.4732317624663573, 1.990869852671399, 0.5, 0.5176380902050415, 0.5176380902050415, 1.0})"},
      {897, "Right Small Shield ¹⁄₁₂ ¹⁄₆", east, fixedSize, vertex(1), "mirrorOf(896)"},
      {898, "Pointy Y", south, fixedSize, setupAxis, "polygon({3, 5, 3, 1, 6, 1, 3, 5, 3, 2}, {1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.0, 2.8284271247461903, 2.8284271247461903, 1.0, 1.4142135623730951, 2.414213562373095, 1.4142135623730951})"},
      {899, "Belt √2", east, fixedSize, setupAxis, "polygon({7, 5, 6, 5, 7, 2}, {1.4142135623730951, 6.82842712474619, 0.5857864376269049, 0.5857864376269049, 6.82842712474619, 1.4142135623730951})"},
      {900, "Short Pointy Y", south, fixedSize, setupAxis, "polygon({3, 5, 3, 1, 6, 1, 3, 5, 3, 2}, {1.4142135623730951, 1.0, 1.4142135623730951, 1.0, 2.8284271247461903, 2.8284271247461903, 1.0, 1.4142135623730951, 1.0, 1.4142135623730951})"},
      {901, "Thin Belt √2", east, fixedSize, setupAxis, "polygon({7, 5, 6, 5, 7, 2}, {1.0, 8.242640687119286, 0.41421356237309515, 0.41421356237309515, 8.242640687119286, 1.0})"},
      {902, "Necktie", south, fixedSize, setupAxis, "polygon({3, 5, 2, 2, 2, 5, 3, 2}, {1.4142135623730951, 4.82842712474619, 1.0, 2.414213562373095, 2.414213562373095, 1.0, 4.82842712474619, 1.4142135623730951})"},
      {903, "Shovel ⁵⁄₁₄", north, scaleable, setupAxis, "polygon({7, 19, 6, 10, 10, 6, 19, 7}, {0.8019377358048383, 2.246979603717467, 2.246979603717467, 1.8019377358048383, 2.6038754716096766, 1.8019377358048383, 2.246979603717467, 2.246979603717467})"},
      {904, "Left Decastar ³⁄₂₀", south, scaleable, setupAxis, "polygon({1, 4, 2, 2, 1}, {3.0776835371752536, 1.0, 1.0, 1.0, 2.618033988749895})"},
      {905, "Short Acorn ¹⁄₅ Top", south, scaleable, setupAxis, "polygon({5, 4, 14, 7, 7, 14, 4, 5}, {3.0776835371752536, 0.6180339887498949, 0.6180339887498949, 0.6180339887498949, 1.1755705045849463, 0.6180339887498949, 0.6180339887498949, 0.6180339887498949})"},
      {906, "Octastar Corner", south, fixedSize, setupAxis, "polygon({11, 2, 12, 2, 12, 2, 12, 2, 12, 2, 12, 2, 12, 2, 11, 4}, {1.3065629648763766, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 1.3065629648763766})"},
      {907, "Brilliant", north, scaleable, setupAxis, "polygon({15, 14, 15, 12, 14, 14, 15, 13, 13, 15, 14, 14, 12, 15, 14, 15}, {4.525785092079037, 0.3901806440322565, 0.7653668647301796, 0.7653668647301796, 0.3901806440322565, 0.3901806440322565, 4.460884994775326, 0.3901806440322565, 0.3901806440322565, 0.3901806440322565, 4.460884994775326, 0.3901806440322565, 0.3901806440322565, 0.7653668647301796, 0.7653668647301796, 0.3901806440322565})"},
      {908, "Double Brilliant", south, scaleable, setupAxis, "polygon({13, 15, 15, 14, 14, 14, 15, 15, 13, 13, 15, 15, 14, 14, 14, 15, 15, 13}, {0.3901806440322565, 0.3901806440322565, 3.414213562373095, 0.3901806440322565, 0.3901806440322565, 0.3901806440322565, 0.3901806440322565, 3.414213562373095, 0.3901806440322565, 0.3901806440322565, 0.3901806440322565, 3.414213562373095, 0.3901806440322565, 0.3901806440322565, 0.3901806440322565, 0.3901806440322565, 3.414213562373095, 0.3901806440322565})"},
      {909, "Chisel", north, scaleable, setupAxis, "polygon({9, 7, 23, 9, 9, 23, 7, 9}, {2.2998926876885855, 1.5664544973505214, 0.3901806440322565, 4.460884994775326, 0.3901806440322565, 4.460884994775326, 0.3901806440322565, 1.5664544973505214})"},
      {910, "Handle", west, scaleable, setupAxis, "polygon({3, 1, 3, 5, 5, 3, 1, 3}, {2.414213562373095, 3.1213203435596424, 0.7071067811865476, 1.4142135623730951, 3.414213562373095, 1.4142135623730951, 0.7071067811865476, 3.1213203435596424})"},
      {911, "Rectangle 2", west, scaleable, setupAxis, "polygon({1, 1, 1, 1}, {1.0, 2.0, 1.0, 2.0})"},
      {912, "House 2", south, scaleable, setupAxis, "polygon({2, 6, 1, 3, 3, 1, 6, 2}, {2.0, 2.0, 0.7071067811865476, 1.7071067811865475, 1.0, 1.7071067811865475, 0.7071067811865476, 2.0})"},
      {913, "Octagon √2", south, fixedSize, setupAxis, "polygon({1, 1, 1, 1, 1, 1, 1, 1}, {3.414213562373095, 4.82842712474619, 3.414213562373095, 4.82842712474619, 3.414213562373095, 4.82842712474619, 3.414213562373095, 4.82842712474619})"},
      {914, "Hexstar ¹⁄₇", north, scaleable, setupAxis, "star(6, 1, 7, 1.0)"},
      {915, "Baluster ¹⁄₆", south, scaleable, setupAxis, "polygon({6, 9, 18, 4, 17, 6, 6, 17, 4, 18, 9, 6}, {3.942394238613955, 0.9148357668252574, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.1547005383792515, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 0.9148357668252574})"},
      {916, "Trifolium ¹⁄₄ b", north, scaleable, setupAxis, "polygon({5, 3, 9, 3, 5, 3, 9, 3, 5, 3, 9, 3}, {1.7320508075688772, 1.7320508075688772, 1.0, 1.0, 1.7320508075688772, 1.7320508075688772, 1.0, 1.0, 1.7320508075688772, 1.7320508075688772, 1.0, 1.0})"},
      {917, "Short Left Trapezoid", west, scaleable, setupAxis, "polygon({2, 3, 1, 2}, {2.414213562373095, 1.0, 3.414213562373095, 3.414213562373095})"},
      {918, "Short Right Trapezoid", east, scaleable, edge(1), "mirrorOf(917)"},
      {919, "Thin Roof", south, fixedSize, setupAxis, "polygon({2, 7, 6, 7, 2}, {4.82842712474619, 1.4142135623730951, 1.530733729460359, 1.530733729460359, 1.4142135623730951})"},
      {920, "Big Twins ³⁄₈", south, fixedSize, setupAxis, "polygon({7, 6, 6, 6, 6, 6, 12, 6, 6, 6, 6, 6, 7, 10}, {1.0, 2.414213562373095, 1.0, 2.414213562373095, 1.0, 1.0, 3.306562964876376, 3.306562964876376, 1.0, 1.0, 2.414213562373095, 1.0, 2.414213562373095, 1.0})"},
      {921, "Queen", south, fixedSize, setupAxis, "polygon({4, 6, 9, 13, 5, 2, 12, 2, 15, 6, 6, 6, 6, 15, 2, 12, 2, 5, 13, 9, 6, 4}, {3.414213562373095, 0.5, 0.7071067811865476, 2.0, 1.0, 1.5, 1.0, 1.0, 0.5, 0.5, 0.5, 0.3286139867036134, 0.5, 0.5, 0.5, 1.0, 1.0, 1.5, 1.0, 2.0, 0.7071067811865476, 0.5})"},
      {922, "Mitosis", south, fixedSize, setupAxis, "polygon({4, 4, 7, 7, 4, 4, 4, 4, 7, 7, 4, 4}, {1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 0.9148357668252574, 2.499377795547838, 2.499377795547838, 1.9711971193069775, 2.499377795547838, 2.499377795547838, 0.9148357668252574, 1.9711971193069775, 1.9711971193069775})"},
      {923, "Bookmark", north, fixedSize, setupAxis, "polygon({1, 2, 2, 1, 6}, {1.4142135623730951, 5.82842712474619, 2.0, 5.82842712474619, 1.4142135623730951})"},
      {924, "Right Decastar ³⁄₂₀", south, scaleable, edge(2), "mirrorOf(904, 4)"},
      {925, "Left Pentastar ¹⁄₁₂", north, scaleable, vertex(3), "polygon({8, 1, 9, 1, 10, 1, 8, 1, 8, 1}, {2.0, 1.7320508075688772, 1.0, 2.0, 2.0, 1.7320508075688772, 1.7320508075688772, 2.0, 2.0, 2.1961524227066334})"},
      {926, "Right Pentastar ¹⁄₁₂", north, scaleable, vertex(1), "mirrorOf(925, 8)"},
      {927, "Bracket ¹¹⁄₃₀", south, scaleable, setupAxis, "polygon({11, 4, 11, 19, 19, 11, 4, 11}, {3.618033988749895, 1.7944330170235951, 0.6180339887498949, 1.618033988749895, 2.618033988749895, 1.618033988749895, 0.6180339887498949, 1.7944330170235951})"},
      {928, "Wings ²⁄₁₅", south, scaleable, setupAxis, "polygon({4, 11, 19, 11, 4, 11}, {3.618033988749895, 1.618033988749895, 2.0, 2.0, 1.618033988749895, 3.618033988749895})"},
      {929, "Delta ³⁄₁₀", south, scaleable, setupAxis, "star(3, 3, 10, 0.9562952014676113)"},
      {930, "Hexstar ²⁄₁₅", south, scaleable, setupAxis, "star(6, 2, 15, 0.9562952014676113)"},
      {931, "Candy ¹⁄₁₄", east, scaleable, setupAxis, "polygon({1, 11, 5, 6, 11, 1, 1, 11, 6, 5, 11, 1}, {2.0, 0.8019377358048383, 1.8019377358048383, 1.445041867912629, 1.445041867912629, 0.8019377358048383, 1.8019377358048383, 0.8019377358048383, 1.445041867912629, 1.445041867912629, 1.8019377358048383, 0.8019377358048383})"},
      {932, "Shield ¹⁄₁₄ ²⁄₇", south, scaleable, setupAxis, "polygon({11, 8, 16, 8, 11, 2}, {4.493959207434934, 0.8019377358048383, 0.6688209953803445, 0.6688209953803445, 0.8019377358048383, 4.493959207434934})"},
      {933, "Left Delta ¹⁄₄", south, scaleable, setupAxis, "polygon({3, 10, 6, 5}, {3.414213562373095, 1.7673269879789604, 1.7673269879789604, 1.7673269879789604})"},
      {934, "Right Delta ¹⁄₄", south, scaleable, edge(1), "mirrorOf(933)"},
      {935, "Left Quadrilateral ⁵⁄₂₄", south, scaleable, setupAxis, "polygon({5, 7, 5, 7}, {1.249688897773919, 1.0, 1.249688897773919, 1.0})"},
      {936, "Right Quadrilateral ⁵⁄₂₄", south, scaleable, setupAxis, "mirrorOf(935)"},
      {937, "Left Cairo", south, scaleable, edge(3), "polygon({2, 3, 4, 3}, {3.297877056362575, 2.414213562373095, 2.414213562373095, 0.8836634939894802})"},
      {938, "Right Cairo", south, scaleable, edge(2), "mirrorOf(937)"},
      {939, "Kite ⁷⁄₂₄", north, scaleable, setupAxis, "polygon({4, 9, 4, 7}, {1.249688897773919, 1.073132184970986, 1.073132184970986, 1.249688897773919})"},
      {940, "Kite ⁵⁄₂₄", north, scaleable, setupAxis, "polygon({4, 11, 4, 5}, {1.249688897773919, 0.7673269879789604, 0.7673269879789604, 1.249688897773919})"},
      {941, "Bread 7", south, scaleable, setupAxis, "polygon({4, 5, 6, 6, 6, 6, 5, 4}, {2.6038754716096766, 1.0, 0.8019377358048383, 0.8019377358048383, 0.6038754716096754, 0.8019377358048383, 0.8019377358048383, 1.0})"},
      {942, "Twin Star ¹⁄₇", west, scaleable, setupAxis, "polygon({10, 2, 10, 2, 11, 2, 10, 2, 10, 2, 10, 2, 11, 2, 10, 2}, {0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.445041867912629, 1.445041867912629, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.445041867912629, 1.445041867912629, 0.8019377358048383, 0.8019377358048383})"},
      {943, "Left Bag 7", north, scaleable, vertex(3), "polygon({9, 3, 4, 3, 10, 3, 3}, {1.8019377358048383, 0.6920214716300959, 1.0, 2.0, 0.9293123963233717, 0.7844793394610469, 1.4547305469368204})"},
      {944, "Right Bag 7", north, scaleable, vertex(0), "mirrorOf(943, 6)"},
      {945, "Flat Left Bag 7", north, scaleable, vertex(6), "polygon({1, 5, 4, 11, 2, 4, 4, 11}, {1.0, 1.8019377358048383, 0.5, 1.0, 0.5549581320873711, 0.8019377358048383, 1.143104132107791, 0.5549581320873711})"},
      {946, "Flat Right Bag 7", north, scaleable, vertex(0), "mirrorOf(945, 4)"},
      {947, "Shovel ³⁄₇", north, scaleable, vertex(0), "polygon({20, 7, 8, 12, 8, 7, 20, 2}, {5.350701673763247, 1.0, 1.8019377358048383, 2.246979603717467, 2.246979603717467, 1.8019377358048383, 1.0, 5.350701673763247})"},
      {948, "Octastar ³⁄₁₄", south, scaleable, setupAxis, "polygon({19, 5, 19, 6, 19, 5, 19, 6, 19, 5, 19, 6, 19, 5, 19, 6}, {2.246979603717467, 1.8019377358048383, 1.8019377358048383, 2.246979603717467, 2.246979603717467, 1.8019377358048383, 1.8019377358048383, 2.246979603717467, 2.246979603717467, 1.8019377358048383, 1.8019377358048383, 2.246979603717467, 2.246979603717467, 1.8019377358048383, 1.8019377358048383, 2.246979603717467})"},
      {949, "Wings 7", north, scaleable, setupAxis, "polygon({2, 4, 11, 4, 2, 5}, {1.5549581320873722, 1.0, 0.8019377358048383, 0.8019377358048383, 1.0, 1.5549581320873722})"},
      {950, "Agave", south, scaleable, setupAxis, "polygon({21, 2, 32, 2, 32, 2, 32, 2, 32, 2, 32, 2, 32, 2, 32, 2, 21, 6}, {4.987241532966369, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 4.987241532966369})"},
      {951, "Short Hexagon ³⁄₇", south, scaleable, setupAxis, "polygon({3, 2, 2, 2, 2, 3}, {1.8019377358048383, 0.8019377358048383, 1.2469796037174672, 2.692021471630096, 1.2469796037174672, 0.8019377358048383})"},
      {952, "Petal 9", south, scaleable, setupAxis, "polygon({7, 6, 4, 6, 7, 6}, {1.0, 1.0, 1.8793852415718169, 1.8793852415718169, 1.0, 1.0})"},
      {953, "Twin Star 9", south, scaleable, setupAxis, "polygon({8, 4, 12, 4, 12, 4, 12, 4, 11, 4, 12, 4, 12, 4, 12, 4, 8, 13}, {1.8793852415718169, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.5320888862379562, 2.5320888862379562, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.8793852415718169})"},
      {954, "Palm ¹⁄₉", south, scaleable, setupAxis, "polygon({10, 29, 4, 28, 4, 28, 4, 26, 6, 26, 4, 28, 4, 28, 4, 29, 10, 16}, {0.5739779522395381, 4.758770483143637, 2.5320888862379562, 1.614543993253255, 2.5320888862379562, 1.614543993253255, 2.5320888862379562, 1.614543993253255, 5.4969014285419195, 5.4969014285419195, 1.614543993253255, 2.5320888862379562, 1.614543993253255, 2.5320888862379562, 1.614543993253255, 2.5320888862379562, 4.758770483143637, 0.5739779522395381})"},
      {955, "Petal 12 9", south, scaleable, setupAxis, "polygon({13, 11, 18, 11, 13, 6}, {2.684040286651339, 1.0, 1.0, 1.0, 1.0, 2.684040286651339})"},
      {956, "Pentastar ¹⁄₉", south, scaleable, setupAxis, "polygon({4, 25, 4, 25, 4, 25, 4, 25, 4, 24}, {3.0626732839703976, 1.7587704831436335, 1.7587704831436335, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 1.7587704831436335, 1.7587704831436335, 3.0626732839703976})"},
      {957, "Pentastar ¹⁄₉ b", south, scaleable, setupAxis, "polygon({4, 11, 4, 11, 2, 11, 4, 11, 4, 10}, {1.4533631938113558, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 2.5320888862379562, 1.4533631938113558})"},
      {958, "Octagon ⁴⁄₉", south, scaleable, setupAxis, "polygon({8, 6, 8, 5, 8, 6, 8, 5}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {959, "Delta ⁵⁄₁₈", south, scaleable, setupAxis, "star(3, 5, 18, 1.614543993253255)"},
      {960, "Dart ²⁄₉", south, scaleable, setupAxis, "polygon({1, 5, 1, 2}, {1.614543993253255, 1.05381874887022, 1.05381874887022, 1.614543993253255})"},
      {961, "Hexstar ²⁄₉", south, scaleable, setupAxis, "star(6, 2, 9, 1.614543993253255)"},
      {962, "Dodecacon ⁷⁄₁₈", south, scaleable, setupAxis, "star(6, 7, 18, 1.05381874887022)"},
      {963, "Heptagon ¹¹⁄₃₆", south, scaleable, setupAxis, "polygon({11, 14, 14, 12, 14, 14, 11}, {1.7320508075688772, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {964, "Triangle ¹⁄₉", south, scaleable, setupAxis, "polygon({7, 4, 7}, {1.7320508075688772, 2.5320888862379562, 2.5320888862379562})"},
      {965, "Gem ²⁄₉", south, scaleable, setupAxis, "polygon({3, 2, 4, 4, 2, 3}, {1.0, 2.0, 1.0, 1.1206147584281818, 1.0, 2.0})"},
      {966, "Hexstar ⁵⁄₁₈", south, scaleable, setupAxis, "reducedStar(6, 5, 18, 2.00243420249451)"},
      {967, "Skirt ²⁄₉", south, scaleable, setupAxis, "polygon({8, 11, 16, 11, 8}, {3.180030884270192, 1.7587704831436335, 1.30442530420137, 1.30442530420137, 1.7587704831436335})"},
      {968, "Dart ¹⁄₆ ¹⁄₉", south, scaleable, setupAxis, "polygon({2, 11, 2, 3}, {2.5320888862379562, 1.3472963553338604, 1.3472963553338604, 2.5320888862379562})"},
      {969, "Petal ²⁄₉ ¹⁄₃", south, scaleable, setupAxis, "polygon({2, 3, 2, 2}, {1.614543993253255, 1.198358465723876, 1.198358465723876, 1.614543993253255})"},
      {970, "Nonagon", south, scaleable, setupAxis, "regular(9, 1.0)"},
      {971, "Octadecagon", south, scaleable, setupAxis, "regular(18, 1.0)"},
      {972, "Kite ²⁄₉ ¹⁄₆", north, scaleable, setupAxis, "polygon({11, 6, 11, 8}, {1.614543993253255, 2.0756177483140394, 2.0756177483140394, 1.614543993253255})"},
      {973, "Sun ¹⁄₃", south, scaleable, setupAxis, "star(9, 1, 3, 1.0)"},
      {974, "Hexagon ²⁄₉", north, scaleable, setupAxis, "polygon({4, 7, 7, 4, 7, 7}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {975, "Arrowhead 9", north, scaleable, setupAxis, "polygon({1, 6, 1, 1}, {2.5320888862379562, 1.0, 1.0, 2.5320888862379562})"},
      {976, "Acorn ²⁄₉", south, scaleable, setupAxis, "polygon({14, 27, 3, 12, 3, 27, 14, 8}, {2.5320888862379562, 1.532088886237956, 0.5739779522395381, 2.5421578920406316, 2.5421578920406316, 0.5739779522395381, 1.532088886237956, 2.5320888862379562})"},
      {977, "Twins 9", west, scaleable, setupAxis, "polygon({5, 13, 5, 4, 5, 13, 5, 4}, {1.7587704831436335, 1.0, 1.0, 1.7587704831436335, 1.7587704831436335, 1.0, 1.0, 1.7587704831436335})"},
      {978, "V 9", north, scaleable, setupAxis, "polygon({5, 4, 4, 4, 5, 14}, {0.5739779522395381, 0.8793852415718162, 1.7587704831436335, 1.7587704831436335, 0.8793852415718162, 0.5739779522395381})"},
      {979, "Left Bird 9", south, scaleable, vertex(6), "polygon({2, 14, 7, 4, 7, 5, 6}, {5.0641777724759125, 2.5320888862379562, 1.0, 1.0, 2.5320888862379562, 3.0, 1.532088886237956})"},
      {980, "Right Bird 9", south, scaleable, vertex(3), "mirrorOf(979)"},
      {981, "Notch ²⁄₉", south, scaleable, setupAxis, "polygon({9, 8, 20, 8, 9}, {3.180030884270192, 1.7587704831436335, 1.614543993253255, 1.614543993253255, 1.7587704831436335})"},
      {982, "Sunray ¹⁄₂₀ ¹⁄₁₀", south, scaleable, setupAxis, "polygon({2, 15, 2, 1}, {2.618033988749895, 0.579192220162267, 0.579192220162267, 2.618033988749895})"},
      {983, "Wings 9", north, scaleable, setupAxis, "polygon({2, 7, 11, 7, 2, 7}, {3.0, 1.0, 2.0, 2.0, 1.0, 3.0})"},
      {984, "Pentastar ¹⁄₉ c", north, scaleable, setupAxis, "polygon({23, 8, 23, 4, 20, 4, 23, 8, 23, 8}, {1.532088886237956, 1.532088886237956, 2.5320888862379562, 2.5320888862379562, 3.761951883330754, 3.761951883330754, 2.5320888862379562, 2.5320888862379562, 1.532088886237956, 1.532088886237956})"},
      {985, "Tristar ¹⁄₉", south, scaleable, setupAxis, "star(3, 1, 9, 1.05381874887022)"},
      {986, "Navette ⁵⁄₁₈", west, scaleable, setupAxis, "polygon({13, 13, 10, 13, 13, 10}, {1.0, 2.0, 1.0, 1.0, 2.0, 1.0})"},
      {987, "Sunray ¹⁄₉ ²⁄₉", south, scaleable, setupAxis, "polygon({3, 2, 3, 1}, {4.758770483143637, 2.5320888862379562, 2.5320888862379562, 4.758770483143637})"},
      {988, "Arrowhead ¹⁄₉ ¹⁄₆", north, scaleable, setupAxis, "polygon({3, 10, 3, 2}, {2.5320888862379562, 0.8793852415718162, 0.8793852415718162, 2.5320888862379562})"},
      {989, "Twins ⁷⁄₁₈", west, scaleable, setupAxis, "polygon({16, 2, 7, 2, 16, 2, 7, 2}, {1.0, 1.0, 2.5320888862379562, 2.5320888862379562, 1.0, 1.0, 2.5320888862379562, 2.5320888862379562})"},
      {990, "Pentastar ¹⁄₉ d", south, scaleable, setupAxis, "polygon({8, 23, 4, 23, 8, 23, 4, 23, 8, 20}, {1.7494908372008178, 1.7587704831436335, 2.5320888862379562, 2.5320888862379562, 1.7587704831436335, 1.7587704831436335, 2.5320888862379562, 2.5320888862379562, 1.7587704831436335, 1.7494908372008178})"},
      {991, "Long Petal ¹⁄₃", south, fixedSize, setupAxis, "polygon({5, 4, 2, 4, 5, 4}, {1.7778695740147803, 1.249688897773919, 4.329049329198353, 4.329049329198353, 1.249688897773919, 1.7778695740147803})"},
      {992, "Heptastar ¹⁄₈", north, fixedSize, setupAxis, "polygon({41, 8, 41, 7, 41, 6, 41, 6, 41, 7, 41, 8, 41, 7}, {2.414213562373095, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 2.490907738305701, 2.490907738305701, 1.4142135623730951, 2.414213562373095, 1.4142135623730951, 1.4142135623730951, 2.414213562373095, 2.414213562373095})"},
      {993, "Petal ¹⁄₈", south, scaleable, setupAxis, "polygon({7, 6, 4, 6, 7, 2}, {1.8477590650225735, 1.5664544973505214, 1.0, 1.0, 1.5664544973505214, 1.8477590650225735})"},
      {994, "Shield ¹⁄₁₆", south, scaleable, setupAxis, "polygon({17, 5, 18, 5, 17, 2}, {0.7653668647301796, 2.0, 0.9326022230419394, 0.9326022230419394, 2.0, 0.7653668647301796})"},
      {995, "Bonnet ¹⁄₈", south, scaleable, setupAxis, "polygon({10, 2, 7, 6, 7, 7, 6, 7, 2, 10}, {1.8477590650225735, 0.7653668647301796, 1.8477590650225735, 0.7653668647301796, 0.7653668647301796, 0.9301512653149666, 0.7653668647301796, 0.7653668647301796, 1.8477590650225735, 0.7653668647301796})"},
      {996, "Shield ³⁄₃₂", south, scaleable, setupAxis, "polygon({35, 26, 14, 38, 24, 40, 24, 38, 14, 26, 35, 6}, {0.7653668647301796, 2.0, 0.5, 0.5, 0.5, 0.41237230557085713, 0.41237230557085713, 0.5, 0.5, 0.5, 2.0, 0.7653668647301796})"},
      {997, "V ³⁄₁₆", north, scaleable, setupAxis, "polygon({5, 3, 4, 3, 5, 12}, {0.5664544973505204, 1.4142135623730951, 2.414213562373095, 2.414213562373095, 1.4142135623730951, 0.5664544973505204})"},
      {998, "Pentastar ¹⁄₃₂", south, scaleable, setupAxis, "polygon({2, 11, 2, 11, 1, 11, 2, 11, 2, 11}, {1.4142135623730951, 1.5664544973505214, 1.8477590650225735, 1.5664544973505214, 4.460884994775326, 4.460884994775326, 1.5664544973505214, 1.8477590650225735, 1.5664544973505214, 1.4142135623730951})"},
      {999, "Sprout ³⁄₁₆", north, scaleable, setupAxis, "polygon({3, 5, 10, 2, 10, 5, 3, 10}, {1.5664544973505214, 0.7653668647301796, 0.7653668647301796, 1.9339966273213847, 1.9339966273213847, 0.7653668647301796, 0.7653668647301796, 1.5664544973505214})"},
      {1000, "Skirt ⁵⁄₁₆", south, scaleable, setupAxis, "polygon({7, 10, 14, 10, 7}, {3.414213562373095, 1.8477590650225735, 1.3730088502444022, 1.3730088502444022, 1.8477590650225735})"},
      {1001, "Bonnet ¹⁄₈ b", south, scaleable, setupAxis, "polygon({9, 2, 7, 7, 7, 7, 7, 7, 2, 9}, {3.414213562373095, 0.7653668647301796, 1.8477590650225735, 0.7653668647301796, 0.7653668647301796, 0.9176077997076054, 0.7653668647301796, 0.7653668647301796, 1.8477590650225735, 0.7653668647301796})"},
      {1002, "Notch ²⁄₅", south, scaleable, setupAxis, "polygon({8, 1, 12, 1, 8}, {2.645841624856079, 2.618033988749895, 3.618033988749895, 3.618033988749895, 2.618033988749895})"},
      {1003, "Star 20 ¹⁄₁₀", south, scaleable, setupAxis, "star(20, 1, 10, 1.3763819204711736)"},
      {1004, "Nonastar ¹⁄₅", south, fixedSize, setupAxis, "polygon({9, 31, 8, 31, 9, 31, 10, 31, 9, 31, 10, 31, 9, 31, 8, 31, 9, 31}, {4.250908796837778, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 4.250908796837778})"},
      {1005, "Left Quadrilateral ⁵⁄₂₄ ¹⁄₃", south, scaleable, edge(1), "polygon({5, 8, 5, 6}, {2.0, 1.0, 1.8026031683890433, 1.4324738570302995})"},
      {1006, "Right Quadrilateral ⁵⁄₂₄ ¹⁄₃", south, scaleable, edge(1), "mirrorOf(1005, 3)"},
      {1007, "Pawn B", south, fixedSize, setupAxis, "polygon({4, 5, 11, 12, 2, 12, 5, 5, 5, 5, 12, 2, 12, 11, 5, 4}, {3.414213562373095, 0.3901806440322565, 1.3065629648763766, 1.8477590650225735, 0.3901806440322565, 0.3901806440322565, 1.3065629648763766, 1.3065629648763766, 2.0763215945211986, 1.3065629648763766, 1.3065629648763766, 0.3901806440322565, 0.3901806440322565, 1.8477590650225735, 1.3065629648763766, 0.3901806440322565})"},
      {1008, "Half Drum ¹⁄₅", south, scaleable, setupAxis, "polygon({5, 8, 4, 8, 5}, {1.1755705045849463, 0.8090169943749475, 1.0, 1.0, 0.8090169943749475})"},
      {1009, "Half Wide Barrel", south, scaleable, setupAxis, "polygon({2, 3, 3, 3, 3, 2}, {2.414213562373095, 1.2071067811865475, 1.0, 1.0, 1.0, 1.2071067811865475})"},
      {1010, "Left Cork", south, scaleable, edge(4), "polygon({2, 6, 3, 3, 2, 6, 2, 3, 3, 2}, {0.5, 0.7071067811865476, 2.414213562373095, 0.7071067811865476, 2.0, 2.414213562373095, 1.0, 0.5, 0.7071067811865476, 3.7071067811865475})"},
      {1011, "Right Cork", south, scaleable, edge(3), "mirrorOf(1010, 4)"},
      {1012, "Bottom Half Drum ¹⁄₅", south, scaleable, setupAxis, "polygon({8, 5, 5, 8, 4}, {1.0, 1.618033988749895, 1.1755705045849463, 1.618033988749895, 1.0})"},
      {1013, "Left Petal ³⁄₁₀", south, scaleable, setupAxis, "polygon({6, 7, 4, 7, 6}, {0.5, 2.0, 1.618033988749895, 1.4228363195532998, 2.166045055090518})"},
      {1014, "Right Petal ³⁄₁₀", south, scaleable, edge(1), "mirrorOf(1013)"},
      {1015, "Acorn Star ¹⁄₅", south, fixedSize, setupAxis, "polygon({11, 4, 12, 4, 12, 7, 7, 12, 4, 12, 4, 11}, {0.6180339887498949, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.0, 1.3445765167552552, 1.0, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895})"},
      {1016, "Twin Star ¹⁄₅", south, fixedSize, setupAxis, "polygon({9, 4, 14, 4, 14, 4, 14, 4, 12, 4, 14, 4, 14, 4, 14, 4, 9, 14}, {1.902113032590307, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 2.618033988749895, 2.618033988749895, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.902113032590307})"},
      {1017, "Heptastar ¹⁄₅", south, fixedSize, setupAxis, "polygon({6, 23, 7, 23, 8, 23, 7, 23, 8, 23, 7, 23, 6, 23}, {3.440031080572679, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 3.440031080572679})"},
      {1018, "Notch 12", south, fixedSize, setupAxis, "polygon({3, 2, 8, 2, 3}, {4.329049329198353, 1.9711971193069775, 2.499377795547838, 2.499377795547838, 1.9711971193069775})"},
      {1019, "Petal 12 D", south, fixedSize, setupAxis, "polygon({8, 11, 4, 11, 8, 6}, {1.249688897773919, 1.7673269879789604, 0.8524912211537026, 0.8524912211537026, 1.7673269879789604, 1.249688897773919})"},
      {1020, "Short Notch ¹⁄₃", south, fixedSize, setupAxis, "polygon({8, 3, 14, 3, 8}, {3.414213562373095, 1.9711971193069775, 2.787693700234703, 2.787693700234703, 1.9711971193069775})"},
      {1021, "Spinning Top ¹⁄₅", south, fixedSize, setupAxis, "polygon({9, 9, 8, 8, 14, 8, 9, 6, 9, 8, 14, 8, 8, 9, 9, 4}, {2.618033988749895, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 0.3681587642946257, 0.350550989431947, 0.350550989431947, 0.3681587642946257, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 2.618033988749895})"},
      {1022, "Acorn Ginkgo ¹⁄₅", south, fixedSize, setupAxis, "polygon({5, 13, 7, 4, 12, 4, 7, 13, 5}, {1.0, 1.0, 2.618033988749895, 1.618033988749895, 2.7527638409423467, 2.7527638409423467, 1.618033988749895, 2.618033988749895, 1.0})"},
      {1023, "Triplet ¹⁄₅", north, fixedSize, setupAxis, "polygon({4, 1, 2, 1, 3, 1, 2, 1, 4, 1}, {1.618033988749895, 1.618033988749895, 2.618033988749895, 1.618033988749895, 3.618033988749895, 3.618033988749895, 1.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895})"},
      {1024, "Truncated Paw", south, fixedSize, setupAxis, "polygon({6, 7, 4, 4, 15, 4, 4, 15, 4, 4, 7, 6}, {2.0, 1.4142135623730951, 2.0, 1.0, 1.0, 2.0, 2.9176077997076053, 2.0, 1.0, 1.0, 2.0, 1.4142135623730951})"},
      {1025, "Arrowhead ¹⁄₇ ¹⁄₁₄", north, scaleable, setupAxis, "polygon({1, 10, 1, 2}, {1.8019377358048383, 1.0, 1.0, 1.8019377358048383})"},
      {1026, "Long Leaf 7", south, scaleable, setupAxis, "polygon({7, 20, 10, 10, 4, 10, 10, 20, 7}, {0.5549581320873711, 0.8019377358048383, 1.2469796037174672, 2.246979603717467, 5.68844134336727, 5.68844134336727, 2.246979603717467, 1.2469796037174672, 0.8019377358048383})"},
      {1027, "Pentastar ³⁄₁₄", south, scaleable, setupAxis, "polygon({6, 16, 6, 17, 6, 17, 6, 16, 6, 16}, {3.467178602922359, 1.8019377358048383, 1.8019377358048383, 2.6038754716096766, 2.6038754716096766, 2.6038754716096766, 2.6038754716096766, 1.8019377358048383, 1.8019377358048383, 3.467178602922359})"},
      {1028, "Thin Twins ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({5, 2, 10, 2, 5, 4}, {2.246979603717467, 0.5549581320873711, 2.246979603717467, 2.246979603717467, 0.5549581320873711, 2.246979603717467})"},
      {1029, "Tack ¹⁄₇", south, scaleable, setupAxis, "polygon({19, 7, 10, 8, 10, 7, 19, 4}, {2.6038754716096766, 0.5549581320873711, 0.8019377358048383, 2.154859961110307, 2.154859961110307, 0.8019377358048383, 0.5549581320873711, 2.6038754716096766})"},
      {1030, "Decagon ⁵⁄₁₄", south, scaleable, setupAxis, "polygon({5, 6, 6, 5, 6, 5, 6, 6, 5, 6}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {1031, "Wide Belt 7", west, scaleable, setupAxis, "polygon({5, 6, 3, 6, 5, 3}, {2.6038754716096766, 2.246979603717467, 1.8019377358048383, 1.8019377358048383, 2.246979603717467, 2.6038754716096766})"},
      {1032, "Drum ¹⁄₇", south, scaleable, setupAxis, "polygon({3, 1, 3, 3, 1, 3}, {2.246979603717467, 1.8019377358048383, 1.8019377358048383, 2.246979603717467, 1.8019377358048383, 1.8019377358048383})"},
      {1033, "Nonastar ¹⁄₉", south, scaleable, setupAxis, "star(9, 1, 9, 2.5320888862379562)"},
      {1034, "Pentagon ⁵⁄₁₈", south, scaleable, setupAxis, "polygon({5, 6, 5, 6, 5}, {1.0, 1.532088886237956, 1.0, 1.0, 1.532088886237956})"},
      {1035, "Kite ²⁄₉", north, scaleable, setupAxis, "polygon({3, 8, 3, 4}, {1.7587704831436335, 1.1479559044790766, 1.1479559044790766, 1.7587704831436335})"},
      {1036, "Bread 9", south, scaleable, setupAxis, "polygon({6, 7, 7, 7, 7, 7, 7, 6}, {3.180030884270192, 0.8793852415718162, 1.532088886237956, 1.078725692426601, 1.8746235949379129, 1.078725692426601, 1.532088886237956, 0.8793852415718162})"},
      {1037, "Delta ²⁄₉", south, scaleable, setupAxis, "reducedStar(3, 2, 9, 1.078725692426601)"},
      {1038, "Shovel ⁵⁄₁₈", south, scaleable, setupAxis, "polygon({10, 11, 24, 9, 9, 24, 11, 10}, {3.180030884270192, 1.7587704831436335, 1.6809323425387763, 2.5320888862379562, 0.8793852415718162, 2.5320888862379562, 1.6809323425387763, 1.7587704831436335})"},
      {1039, "Hand ¹⁄₆", south, scaleable, setupAxis, "polygon({3, 7, 2, 4, 11, 2, 4, 9, 9, 4, 2, 11, 4, 2, 7, 3}, {3.942394238613955, 1.9711971193069775, 2.499377795547838, 0.9148357668252574, 2.499377795547838, 3.942394238613955, 0.9148357668252574, 3.942394238613955, 0.5281806762408592, 3.942394238613955, 0.9148357668252574, 3.942394238613955, 2.499377795547838, 0.9148357668252574, 2.499377795547838, 1.9711971193069775})"},
      {1040, "Petal 12 E", south, fixedSize, setupAxis, "polygon({10, 9, 4, 9, 10, 6}, {1.249688897773919, 1.9711971193069775, 2.787693700234703, 2.787693700234703, 1.9711971193069775, 1.249688897773919})"},
      {1041, "Left Headdress", south, fixedSize, vertex(2), "polygon({10, 4, 4, 4, 12, 2, 13, 2, 13, 2, 13, 2, 13, 2}, {3.414213562373095, 1.0, 11.289312119521517, 5.261972627395667, 1.0, 3.414213562373095, 3.414213562373095, 3.414213562373095, 3.414213562373095, 3.414213562373095, 3.414213562373095, 3.414213562373095, 3.414213562373095, 3.414213562373095})"},
      {1042, "Right Headdress", south, fixedSize, vertex(2), "mirrorOf(1041, 12)"},
      {1043, "Square Star ¹⁄₆ 3 3", south, fixedSize, setupAxis, "polygon({8, 37, 8, 37, 8, 34, 8, 37, 8, 37, 8, 10}, {5.383427675435558, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 5.383427675435558})"},
      {1044, "Square Cork", south, fixedSize, setupAxis, "polygon({1, 3, 1, 1, 1, 1, 3, 1}, {2.414213562373095, 3.414213562373095, 0.7071067811865476, 1.4142135623730951, 3.8284271247461903, 1.4142135623730951, 0.7071067811865476, 3.414213562373095})"},
      {1045, "Baluster ²⁄₉", south, scaleable, setupAxis, "polygon({9, 14, 26, 8, 24, 9, 9, 24, 8, 26, 14, 9}, {3.180030884270192, 0.5739779522395381, 1.532088886237956, 2.5320888862379562, 1.7587704831436335, 2.5320888862379562, 1.419326267986036, 2.5320888862379562, 1.7587704831436335, 2.5320888862379562, 1.532088886237956, 0.5739779522395381})"},
      {1046, "Sunrise 9", south, fixedSize, setupAxis, "polygon({11, 24, 8, 24, 8, 24, 8, 24, 8, 24, 8, 24, 8, 24, 8, 24, 11, 18}, {0.8660254037844384, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.8660254037844384})"},
      {1047, "Kite ¹⁄₁₈", south, scaleable, setupAxis, "polygon({6, 5, 6, 1}, {2.5320888862379562, 0.5739779522395381, 0.5739779522395381, 2.5320888862379562})"},
      {1048, "Twin Peaks ²⁄₉", south, scaleable, setupAxis, "polygon({3, 4, 13, 4, 3}, {5.226681596905678, 2.5320888862379562, 1.7587704831436335, 1.7587704831436335, 2.5320888862379562})"},
      {1049, "Square Star ¹⁄₆ 5 1 2", south, fixedSize, vertex(3), "polygon({16, 67, 24, 52, 16, 74, 16, 74, 16, 74, 16, 74, 16, 68, 16, 59, 16, 74}, {1.249688897773919, 1.249688897773919, 0.9148357668252574, 1.0, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 2.5842704787585804, 1.249688897773919, 2.4693365928607345})"},
      {1050, "Square Star ¹⁄₆ 2 1 5", south, fixedSize, vertex(3), "mirrorOf(1049, 14)"},
      {1051, "Square Star ¹⁄₆ 2 1 1 3", south, scaleable, vertex(11), "polygon({16, 59, 16, 56, 16, 62, 16, 74, 16, 74, 16, 65, 16, 74}, {1.249688897773919, 1.40117116263667, 1.249688897773919, 1.249688897773919, 3.750401762746858, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919, 1.249688897773919})"},
      {1052, "Square Star ¹⁄₆ 3 1 1 2", south, scaleable, vertex(11), "mirrorOf(1051, 8)"},
      {1053, "Dodecastar ⁵⁄₂₄", south, scaleable, setupAxis, "star(12, 5, 24, 1.543757124589647)"},
      {1054, "Petal ⁵⁄₂₄", south, scaleable, setupAxis, "polygon({6, 7, 6, 5}, {1.249688897773919, 0.9589200178396083, 0.9589200178396083, 1.249688897773919})"},
      {1055, "Tack ⁷⁄₂₄", south, scaleable, setupAxis, "polygon({17, 6, 7, 10, 7, 6, 17, 2}, {2.499377795547838, 0.9148357668252574, 1.249688897773919, 1.6168139402787043, 1.6168139402787043, 1.249688897773919, 0.9148357668252574, 2.499377795547838})"},
      {1056, "Pentastar F", south, scaleable, setupAxis, "polygon({4, 13, 3, 13, 2, 13, 3, 13, 4, 12}, {1.143765100869029, 1.1755705045849463, 1.1755705045849463, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.1755705045849463, 1.1755705045849463, 1.143765100869029})"},
      {1057, "Pentastar G", south, scaleable, setupAxis, "polygon({3, 13, 2, 13, 4, 13, 2, 13, 3, 14}, {1.2360679774997898, 1.1755705045849463, 1.618033988749895, 1.618033988749895, 1.1755705045849463, 1.1755705045849463, 1.618033988749895, 1.618033988749895, 1.1755705045849463, 1.2360679774997898})"},
      {1058, "Delta ⁷⁄₂₄", south, scaleable, setupAxis, "star(3, 7, 24, 1.0)"},
      {1059, "Venus 5", south, scaleable, setupAxis, "polygon({5, 15, 5, 5, 15, 13, 7, 7, 8, 8, 7, 7, 13, 15, 5, 5, 15, 5}, {0.6180339887498949, 1.618033988749895, 0.6180339887498949, 0.6180339887498949, 0.6180339887498949, 0.3681587642946257, 2.2360679774997902, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 1.618033988749895, 2.2360679774997902, 0.3681587642946257, 0.6180339887498949, 0.6180339887498949, 0.6180339887498949, 1.618033988749895})"},
      {1060, "Thin Belt ³⁄₁₀", east, scaleable, setupAxis, "polygon({7, 6, 8, 6, 7, 6}, {0.6180339887498949, 3.618033988749895, 0.5257311121191335, 0.5257311121191335, 3.618033988749895, 0.6180339887498949})"},
      {1061, "Fork ³⁄₁₀", south, fixedSize, setupAxis, "polygon({9, 13, 11, 6, 2, 18, 2, 16, 2, 18, 2, 6, 11, 13, 9, 2}, {1.0, 3.0, 0.6180339887498949, 1.0, 1.618033988749895, 1.618033988749895, 2.0, 1.3763819204711736, 1.3763819204711736, 2.0, 1.618033988749895, 1.618033988749895, 1.0, 0.6180339887498949, 3.0, 1.0})"},
      {1062, "Hand ³⁄₁₀", south, fixedSize, setupAxis, "polygon({5, 12, 3, 6, 19, 4, 6, 15, 15, 6, 4, 19, 6, 3, 12, 5}, {3.618033988749895, 2.0, 2.618033988749895, 1.0, 2.618033988749895, 3.618033988749895, 0.6180339887498949, 3.618033988749895, 1.902113032590307, 3.618033988749895, 0.6180339887498949, 3.618033988749895, 2.618033988749895, 1.0, 2.618033988749895, 2.0})"},
      {1063, "Serrated Leaf ³⁄₁₀", south, scaleable, setupAxis, "polygon({6, 13, 6, 13, 6, 12, 4, 12, 6, 13, 6, 13, 6, 4}, {2.618033988749895, 0.6180339887498949, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 0.6180339887498949, 1.0, 1.0, 0.6180339887498949, 1.618033988749895, 0.6180339887498949, 1.618033988749895, 0.6180339887498949, 2.618033988749895})"},
      {1064, "Right Arrow", south, fixedSize, setupAxis, "polygon({2, 6, 1, 2, 1, 6, 2}, {1.4142135623730951, 3.414213562373095, 0.7071067811865476, 2.0, 2.0, 0.7071067811865476, 3.414213562373095})"},
      {1065, "Long Right Arrow", south, fixedSize, setupAxis, "polygon({1, 15, 1, 9, 12, 2, 4, 2, 12, 9, 1, 15, 1, 12}, {1.8477590650225735, 3.0, 1.8477590650225735, 3.0, 4.460884994775326, 1.5664544973505214, 2.663642724161403, 2.663642724161403, 1.5664544973505214, 4.460884994775326, 3.0, 1.8477590650225735, 3.0, 1.8477590650225735})"},
      {1066, "Cottage ¹⁄₃", north, scaleable, vertex(2), "polygon({4, 4, 4, 3, 3}, {0.9148357668252574, 1.9711971193069775, 1.9711971193069775, 0.9148357668252574, 3.414213562373095})"},
      {1067, "Left Fist", south, scaleable, edge(2), "polygon({3, 3, 3, 3, 3, 2, 6, 3, 3, 6, 2, 3}, {1.4393398282201788, 2.0, 2.0, 1.5, 2.0, 0.7071067811865476, 0.7071067811865476, 0.7071067811865476, 0.8535533905932737, 1.0, 1.0, 1.0})"},
      {1068, "Right Fist", south, scaleable, setupAxis, "mirrorOf(1067, 6)"},
      {1069, "Hat ¹⁄₃", south, scaleable, vertex(2), "polygon({2, 10, 2, 18, 7, 8, 7, 18}, {1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.1782179919859732, 1.1782179919859732, 1.249688897773919})"},
      {1070, "Left Notch Fist", south, scaleable, edge(1), "polygon({3, 3, 3, 3, 2, 6, 2, 3, 5, 2}, {1.4142135623730951, 2.0, 1.0, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 1.2426406871192857, 1.2426406871192857})"},
      {1071, "Right Notch Fist", south, scaleable, edge(2), "mirrorOf(1070, 8)"},
      {1072, "Twins ³⁄₈ ⁵⁄₂₄", west, scaleable, setupAxis, "polygon({17, 5, 9, 5, 17, 5, 9, 5}, {1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775})"},
      {1073, "Pentastar H", south, scaleable, setupAxis, "polygon({2, 13, 4, 13, 3, 13, 4, 13, 2, 13}, {2.3530058438983406, 1.618033988749895, 1.1755705045849463, 1.1755705045849463, 1.618033988749895, 1.618033988749895, 1.1755705045849463, 1.1755705045849463, 1.618033988749895, 2.3530058438983406})"},
      {1074, "Skirt ⁵⁄₂₄", south, fixedSize, setupAxis, "polygon({5, 8, 10, 8, 5}, {4.329049329198353, 1.9711971193069775, 1.7127001509287922, 1.7127001509287922, 1.9711971193069775})"},
      {1075, "Tristar ¹⁄₈", south, scaleable, setupAxis, "star(3, 1, 8, 1.0172103181602914)"},
      {1076, "Leaf ¹⁄₄ B", south, scaleable, setupAxis, "polygon({11, 8, 11, 6, 11, 8, 11, 6}, {1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919})"},
      {1077, "Triangle ⁷⁄₂₄", south, scaleable, setupAxis, "polygon({5, 14, 5}, {1.982889722747621, 1.249688897773919, 1.249688897773919})"},
      {1078, "Octa Gem", south, scaleable, setupAxis, "polygon({2, 3, 3, 2, 2}, {2.414213562373095, 1.0, 2.0, 1.0, 2.414213562373095})"},
      {1079, "Flat Brilliant", north, scaleable, setupAxis, "polygon({12, 12, 13, 11, 11, 13, 12, 12}, {1.0483394239551282, 0.7653668647301796, 0.3901806440322565, 1.5664544973505214, 0.3901806440322565, 1.5664544973505214, 0.3901806440322565, 0.7653668647301796})"},
      {1080, "Pentastar ¹⁄₁₂ f", south, scaleable, setupAxis, "polygon({3, 16, 4, 16, 2, 16, 4, 16, 3, 16}, {2.1408071258405696, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 2.1408071258405696})"},
      {1081, "Navette ¹⁄₄", east, scaleable, setupAxis, "polygon({3, 3, 2, 3, 3, 2}, {1.0, 2.414213562373095, 1.0, 1.0, 2.414213562373095, 1.0})"},
      {1082, "Cork ¹⁄₄", south, scaleable, setupAxis, "polygon({4, 12, 3, 5, 5, 3, 12, 4}, {1.5664544973505214, 1.8477590650225735, 0.7653668647301796, 1.5664544973505214, 1.8982758594312217, 1.5664544973505214, 0.7653668647301796, 1.8477590650225735})"},
      {1083, "Bread 8", south, scaleable, setupAxis, "polygon({5, 6, 6, 7, 7, 6, 6, 5}, {3.414213562373095, 0.7653668647301796, 1.5664544973505214, 0.7653668647301796, 1.386874070247246, 0.7653668647301796, 1.5664544973505214, 0.7653668647301796})"},
      {1084, "Belt ¹⁄₄", west, scaleable, setupAxis, "polygon({6, 5, 6, 5, 6, 4}, {1.0, 3.414213562373095, 0.7653668647301796, 0.7653668647301796, 3.414213562373095, 1.0})"},
      {1085, "Quasar ¹⁄₄ ⁻¹⁄₃", south, scaleable, setupAxis, "polygon({8, 3, 7, 3, 8, 3, 7, 3, 8, 3, 7, 3, 8, 3, 7, 3}, {1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919, 1.9711971193069775, 1.9711971193069775, 1.249688897773919, 1.249688897773919})"},
      {1086, "Half Compass", south, fixedSize, setupAxis, "polygon({8, 1, 10, 2, 10, 1}, {1.8477590650225735, 1.8477590650225735, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951})"},
      {1087, "Sun ¹⁄₄ ⁻³⁄₈", south, fixedSize, setupAxis, "polygon({5, 4, 10, 4, 10, 4, 10, 4, 10, 4, 5, 10}, {1.8477590650225735, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.8477590650225735})"},
      {1088, "Sun ⁻¹⁄₈ ⁵⁄₁₆", south, fixedSize, setupAxis, "polygon({5, 4, 10, 4, 10, 4, 10, 4, 10, 4, 10, 4, 10, 4, 5, 14}, {1.8477590650225735, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.8477590650225735})"},
      {1089, "Quarter Compass", south, fixedSize, setupAxis, "polygon({4, 1, 10, 1}, {1.8477590650225735, 1.8477590650225735, 1.4142135623730951, 1.4142135623730951})"},
      {1090, "Half Sun ⁵⁄₁₆", south, fixedSize, setupAxis, "polygon({5, 4, 10, 4, 10, 4, 10, 4, 5, 8}, {1.8477590650225735, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.8477590650225735})"},
      {1091, "Three Quarters Compass", south, fixedSize, setupAxis, "polygon({10, 2, 10, 1, 12, 1, 10, 2}, {1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.4142135623730951, 1.8477590650225735, 1.8477590650225735, 1.4142135623730951, 1.4142135623730951})"},
      {1092, "Quarter Sun", north, fixedSize, setupAxis, "polygon({4, 3, 8, 3, 4, 10}, {1.0, 1.0, 1.3065629648763766, 1.3065629648763766, 1.0, 1.0})"},
      {1093, "Three Quarters Sun", south, fixedSize, setupAxis, "polygon({5, 4, 10, 4, 10, 4, 10, 4, 10, 4, 10, 4, 5, 12}, {1.8477590650225735, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.8477590650225735})"},
      {1094, "Left Acorn A ¹⁄₄", south, fixedSize, setupAxis, "polygon({2, 5, 3, 3, 5, 2, 2, 2}, {2.560660171779821, 0.7071067811865476, 1.5, 0.5, 1.7071067811865475, 0.5, 2.414213562373095, 3.974873734152917})"},
      {1095, "Right Acorn A ¹⁄₄", south, fixedSize, edge(2), "mirrorOf(1094, 4)"},
      {1096, "Left Sun ³⁄₁₆", south, fixedSize, edge(1), "polygon({3, 2, 10, 4, 5}, {1.8477590650225735, 2.414213562373095, 1.0, 1.0, 1.0})"},
      {1097, "Right Sun ³⁄₁₆", south, fixedSize, setupAxis, "mirrorOf(1096)"},
      {1098, "Left Sun ⁵⁄₁₆", south, fixedSize, edge(1), "polygon({8, 5, 8, 2, 10, 4, 10, 4, 5}, {0.9238795325112867, 0.9238795325112867, 1.2071067811865475, 1.2071067811865475, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {1099, "Right Sun ⁵⁄₁₆", south, fixedSize, setupAxis, "mirrorOf(1098)"},
      {1100, "Left Sun ⁷⁄₁₆", south, fixedSize, edge(1), "polygon({5, 7, 2, 10, 4, 10, 4, 10, 4}, {1.0, 1.8477590650225735, 2.414213562373095, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {1101, "Right Sun ⁷⁄₁₆", south, fixedSize, setupAxis, "mirrorOf(1100)"},
      {1102, "Three Quarters Square", south, fixedSize, setupAxis, "polygon({1, 1, 3, 1, 1, 1}, {2.414213562373095, 1.2071067811865475, 1.2071067811865475, 1.2071067811865475, 1.2071067811865475, 2.414213562373095})"},
      {1103, "Sunrise ⁵⁄₈", north, fixedSize, setupAxis, "polygon({5, 2, 5, 2, 3, 4, 3, 2, 5, 2, 5, 2}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.7071067811865475, 1.7071067811865475, 1.0, 1.0, 1.0, 1.0, 1.0})"},
      {1104, "Left Acorn A ⁵⁄₈", south, fixedSize, edge(7), "polygon({3, 3, 3, 3, 2, 5, 3, 3, 5, 2}, {2.0, 1.0, 2.560660171779821, 1.0, 2.1464466094067256, 0.7071067811865476, 1.5, 0.5, 1.7071067811865475, 0.5})"},
      {1105, "Right Acorn A ⁵⁄₈", south, fixedSize, setupAxis, "mirrorOf(1104, 2)"},
      {1106, "Left ³⁄₄ Sunrise", south, fixedSize, vertex(8), "polygon({6, 1, 6, 1, 6, 1, 3, 4, 2, 2}, {2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 2.414213562373095, 3.267766952966369, 3.267766952966369, 1.7071067811865475})"},
      {1107, "Right ³⁄₄ Sunrise", south, fixedSize, vertex(2), "mirrorOf(1106, 2)"},
      {1108, "Left Sunrise ⁵⁄₁₆", south, fixedSize, edge(3), "polygon({4, 10, 1, 4, 5}, {2.414213562373095, 1.8477590650225735, 0.5664544973505204, 3.460884994775325, 1.0})"},
      {1109, "Right Sunrise ⁵⁄₁₆", south, fixedSize, edge(3), "mirrorOf(1108)"},
      {1110, "Cork 9", north, scaleable, setupAxis, "polygon({5, 4, 13, 5, 5, 13, 4, 5}, {2.916221867996836, 1.078725692426601, 0.5739779522395381, 1.7587704831436335, 1.532088886237956, 1.7587704831436335, 0.5739779522395381, 1.078725692426601})"},
      {1111, "Small Twins ⁷⁄₁₈", south, scaleable, setupAxis, "polygon({6, 2, 13, 2, 6, 7}, {1.7391701236163812, 1.7587704831436335, 2.5320888862379562, 2.5320888862379562, 1.7587704831436335, 1.7391701236163812})"},
      {1112, "Cottage ⁵⁄₁₈", north, scaleable, vertex(2), "polygon({13, 10, 13, 9, 9}, {1.532088886237956, 2.0756177483140394, 2.0756177483140394, 1.532088886237956, 3.180030884270192})"},
      {1113, "Kite ⁷⁄₁₈", north, scaleable, setupAxis, "polygon({4, 3, 4, 7}, {1.614543993253255, 3.0343501527885928, 3.0343501527885928, 1.614543993253255})"},
      {1114, "Octastar ³⁄₁₀", west, fixedSize, setupAxis, "polygon({12, 6, 12, 5, 12, 6, 12, 5, 12, 6, 12, 5, 12, 6, 12, 5}, {1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895, 1.618033988749895, 2.618033988749895, 2.618033988749895, 1.618033988749895})"},
      {1115, "Half Octagon", south, fixedSize, setupAxis, "polygon({2, 3, 3, 3, 3, 2}, {4.82842712474619, 1.0, 2.0, 2.0, 2.0, 1.0})"},
      {1116, "Left Half Pentastar A", south, fixedSize, edge(5), "polygon({4, 28, 4, 15, 3, 26}, {1.0, 1.618033988749895, 1.0, 0.6180339887498949, 2.883357680669369, 1.618033988749895})"},
      {1117, "Right Half Pentastar A", south, fixedSize, edge(2), "mirrorOf(1116)"},
      {1118, "Left Half Wings A", west, fixedSize, edge(4), "polygon({6, 5, 8, 3, 2}, {1.0, 1.4142135623730951, 0.38268343236508967, 0.38268343236508967, 2.414213562373095})"},
      {1119, "Right Half Wings A", east, fixedSize, edge(2), "mirrorOf(1118)"},
      {1120, "Venus ³⁄₁₄", south, scaleable, setupAxis, "polygon({7, 21, 6, 8, 21, 19, 10, 10, 10, 10, 10, 10, 19, 21, 8, 6, 21, 7}, {0.8019377358048383, 1.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 0.5549581320873711, 1.5549581320873722, 1.8019377358048383, 1.8019377358048383, 1.8019377358048383, 1.8019377358048383, 1.8019377358048383, 1.5549581320873722, 0.5549581320873711, 0.8019377358048383, 0.8019377358048383, 0.8019377358048383, 1.8019377358048383})"},
      {1121, "Lotus", south, scaleable, setupAxis, "polygon({3, 4, 5, 4, 3, 10, 3, 10}, {1.0, 1.2862082642155812, 2.0096886790241912, 2.0096886790241912, 1.2862082642155812, 1.0, 1.0, 1.0})"},
      {1122, "Multi", south, scaleable, setupAxis, "regular(3, 1.0)"},
  };
  return table;
}

}  // namespace

std::pair<std::vector<Int>, std::vector<double>> mirroredOutline(const std::vector<Int>& dividends,
                                                                const std::vector<double>& lengths, int start) {
  const std::size_t n = dividends.size();
  ORNIVAL_PRECONDITION(n >= 3 && lengths.size() == n);
  std::vector<Int> d{dividends[0]};
  for (std::size_t i = n - 1; i >= 1; --i)
    d.push_back(dividends[i]);
  std::vector<double> l{lengths[1], lengths[0]};
  for (std::size_t i = n - 1; i >= 2; --i)
    l.push_back(lengths[i]);
  return {startingAt(std::move(d), start), startingAt(std::move(l), start)};
}

std::vector<CatalogueEntry> makeCatalogueEntries() {
  const std::span<const Row> table = rows();
  ORNIVAL_PRECONDITION(table.size() == std::size_t(Shapes::caseCount));

  std::vector<Recipe> recipes;
  recipes.reserve(table.size());
  std::vector<CatalogueEntry> entries;
  entries.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Row& row = table[i];
    const auto tool = Shapes::init(row.rawValue);
    ORNIVAL_PRECONDITION(tool && tool->rawValue() == Shapes::firstRawValue + int(i));
    const Recipe& recipe = recipes.emplace_back(RecipeReader(row.recipe).read());
    CatalogueEntry entry{*tool, row.displayName, row.heading, row.scaleable, row.axis, {}, {}};
    if (recipe.kind == Recipe::Kind::given) {
      ORNIVAL_PRECONDITION(recipe.dividends.size() >= 3 && recipe.lengths.size() == recipe.dividends.size());
      entry.dividends = recipe.dividends;
      entry.lengths = recipe.lengths;
    }
    entries.push_back(std::move(entry));
  }

  // Right entries follow their Left entries, wherever those stand.
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Recipe& recipe = recipes[i];
    if (recipe.kind != Recipe::Kind::mirror)
      continue;
    const auto source = std::size_t(recipe.source - Shapes::firstRawValue);
    ORNIVAL_PRECONDITION(source < table.size() && recipes[source].kind != Recipe::Kind::mirror);
    const CatalogueEntry& left = entries[source];
    CatalogueEntry& right = entries[i];
    auto [dividends, lengths] = mirroredOutline(left.dividends, left.lengths, recipe.start);
    right.dividends = std::move(dividends);
    right.lengths = std::move(lengths);
  }
  return entries;
}

const std::vector<CatalogueEntry>& catalogueEntries() {
  static const std::vector<CatalogueEntry> entries = makeCatalogueEntries();
  return entries;
}

std::shared_ptr<Figure> makeCatalogueFigure(const CatalogueEntry& entry) {
  auto figure = Figure::create(entry.tool, std::string(entry.displayName));
  figure->setup(entry.dividends, entry.lengths);
  figure->setHeading(entry.heading);
  // After setup, so that a declaration wins over setup's verdict.
  if (entry.scaleable)
    figure->setScaleable(true);
  // A finished figure has its smallest angle ready: the browser sorts by it.
  figure->angle();
  // Last, so that a given axis wins over the one setup found.
  if (entry.axis)
    figure->setAxis(*entry.axis);
  return figure;
}

std::unordered_map<Shapes, Shapes> makeMirrorMap(const std::vector<std::shared_ptr<Figure>>& figures) {
  const auto figureOf = [&](Shapes s) -> const Figure& {
    return *figures[std::size_t(s.rawValue() - Shapes::firstRawValue)];
  };
  // The text of each figure's mirror image, pointing back at the figure; a
  // later figure with the same text replaces an earlier one.
  std::unordered_map<std::string, Shapes> reversed;
  for (Shapes s : Shapes::allButLast())
    reversed.insert_or_assign(figureOf(s).reversedCanonicalName(), s);

  std::unordered_map<Shapes, Shapes> mirrors;
  for (Shapes s : Shapes::allButLast()) {
    const auto m = reversed.find(figureOf(s).canonicalName());
    if (m != reversed.end() && m->second != s)
      mirrors.emplace(s, m->second);
  }
  return mirrors;
}

}  // namespace ornival
