#include "figures/catalogue/CatalogueCategories.h"

#include "figures/Figure.h"
#include "figures/FractionText.h"
#include "platform/DecimalFormat.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

namespace ornival::catalogueCategories {

namespace {

// The family lists as raw values in display order; a run "43-44" stands for
// 43, 44.
struct FamilyEntry {
  std::string_view title;
  std::string_view rawValues;
};

// clang-format off
constexpr FamilyEntry familyEntries[] = {
    {ORNIVAL_TEXT("Catalogue", "Ornival 8"), "4-5, 1-2, 11, 30, 3, 10, 17, 16, 26, 7, 6, 18, 8, 12, 40, 29, 9, 51, 21-23, 41-42, 55, 245, 20, 37, 56, 19, 101, 81, 34-36, 39, 52, 513, 13, 54, 33, 59, 32, 108, 49, 38, 88, 50, 82, 80, 232, 231, 83, 99-100, 107, 106, 14, 110, 27, 31, 15, 60, 28, 48, 24, 85, 45, 233, 201, 25, 505, 84"},
    {ORNIVAL_TEXT("Catalogue", "Rosette 16"), "43-44, 91, 47, 46, 92, 90, 93-94, 89, 131, 225, 53, 124, 216-219, 221, 220"},
    {ORNIVAL_TEXT("Catalogue", "Small Rosette 16"), "146-150, 152, 151"},
    {ORNIVAL_TEXT("Catalogue", "Inner Rosette 16"), "97-98, 96, 95"},
    {ORNIVAL_TEXT("Catalogue", "Rosette 24"), "113, 116, 115, 114, 117-122, 140-142"},
    {ORNIVAL_TEXT("Catalogue", "Ornival 10 ¹⁄₁₀"), "61-63, 67-68, 72, 70, 69, 64, 66, 86, 111-112, 157, 71, 128, 469, 372, 158, 130, 373, 466, 65"},
    {ORNIVAL_TEXT("Catalogue", "Ornival 10 ¹⁄₅"), "184, 153, 105, 185, 129, 155, 79, 154, 156, 209, 352, 260, 257, 78, 87, 104, 258, 396, 302"},
    {ORNIVAL_TEXT("Catalogue", "Rosette 20"), "77, 74-76, 103, 102"},
    {ORNIVAL_TEXT("Catalogue", "Rosette 12"), "163-164, 193-194, 191-192, 189, 188, 170, 169, 342, 204, 379, 291, 271, 171, 165, 168, 270, 276, 172, 385, 383, 174, 275, 268, 222, 1018, 223, 227-230, 333-334, 355-356, 358-360, 190, 378, 261, 305-306, 203, 202, 166, 414-415, 173, 175, 422, 200, 602, 601, 599-600, 310, 308-309, 1049-1052, 1039, 1041-1043"},
    {ORNIVAL_TEXT("Catalogue", "Ornival 12"), "380, 382, 375, 387, 264, 708, 162, 167, 262-263, 139, 265-266, 269, 290, 301, 339-340, 357, 376-377, 381, 384, 386, 389-390, 392, 394-395, 399, 402-411, 426-430, 433, 442-447, 450, 470, 501-502, 511-512, 517, 524-525, 530-532, 534, 536, 538-546, 554, 558-559, 565-567, 593, 598, 603-606, 622, 688-691, 693, 707, 713, 724-725, 866-867, 870, 655-656, 661, 657, 659, 658, 663-664, 738, 670-671, 673-674, 672, 660, 882-883, 706, 868-869, 726, 734, 662, 533, 675-676, 665, 535, 710, 267, 709, 711-712, 596-597, 607-608, 537, 666-669, 735-736, 876-877, 205, 307, 715-716, 727, 871-872, 878-879, 717, 720-723, 729-732, 886-887, 875, 719, 881, 880, 884-885, 718, 391, 742, 888, 865, 728, 733, 737, 873-874, 714, 311"},
    {ORNIVAL_TEXT("Catalogue", "Rosette 32"), "235-237, 273, 238-241, 243, 274, 351, 343-348, 242"},
    {ORNIVAL_TEXT("Catalogue", "Bagdad"), "312-316, 364, 927-930"},
    {ORNIVAL_TEXT("Catalogue", "Ornival 7"), "743-744, 821, 781, 745, 810-811, 768, 747, 769, 827, 807, 746, 775, 767, 813, 1028, 780, 800, 772, 785, 789, 748, 794, 846, 828, 749, 751-752, 791-792, 847, 856, 797, 822, 855, 753, 853, 756, 773, 801, 815, 755, 809, 831, 750, 771, 759, 761, 845, 770, 766, 757, 803, 790, 894, 814, 758, 818, 760, 776, 787, 943-946, 825, 824, 841, 826, 836-837, 835, 857-858, 839, 834, 762-764, 829, 951, 859, 754, 812, 765, 779, 777, 854, 823, 838, 784, 778, 817, 782, 860, 774, 1031, 783, 786, 840, 931, 833, 895, 830, 798, 942, 795, 788, 799, 808, 842-844, 861-862, 819, 816, 850, 793, 796, 802, 804-806, 832, 820, 851-852, 863-864, 903, 914, 932, 941, 947-950, 1025-1027, 1029-1030, 1032, 1120-1121"},
    {ORNIVAL_TEXT("Catalogue", "Ornival 9"), "583-589, 961, 966, 590, 952-960, 968, 962-965, 967, 969-972, 974-981, 983-990, 1033-1038, 1045-1048, 1110-1113"},
    {ORNIVAL_TEXT("Catalogue", "Other Ornival 10"), "259, 210, 439, 592, 638, 318, 321, 371, 400-401, 420-421, 423, 436-438, 461-464, 471-473, 497, 510, 515-516, 591, 625-630, 633-637, 639, 641-644, 683-687, 319-320, 349, 303-304"},
    {ORNIVAL_TEXT("Catalogue", "Edge Pieces 8"), "57-58, 467-468, 132, 575, 256, 198, 255, 137, 522, 249-250, 702-703, 248, 299, 701, 1092, 679, 1090, 1087, 1093, 1088, 1096-1097, 353, 1098-1101, 548, 180, 213, 692, 388, 1106-1107, 1103, 1108-1109, 1094-1095, 1104-1105, 1089, 1086, 1091, 1102, 695-700, 1115-1119"},
    {ORNIVAL_TEXT("Catalogue", "Edge Pieces 10"), "317, 326-327, 324-325, 328-329, 331-332, 330, 474-475, 890-891, 476-479, 441, 480, 892-893, 481-485, 609, 518-519, 127, 486-496, 568, 631-632, 569-570, 125-126, 615-616, 623-624, 640, 645-651, 677-678, 652-654, 904, 924, 612-613, 617-621, 520, 362-363, 365-370, 1008-1014"},
    {ORNIVAL_TEXT("Catalogue", "Edge Pieces 12"), "341, 292, 206-207, 277, 560, 547, 551-553, 555-557, 549-550, 933-934, 694"},
    {ORNIVAL_TEXT("Catalogue", "Edge Pieces 16"), "251-252, 704-705"},
};

// The side lengths the catalogue has in closed form, by their four-decimal
// key rounded down.
constexpr std::pair<std::string_view, std::string_view> closedForms[] = {
    {"0.4142", "√2 - 1"},
    {"0.4641", "2√3 - 3"},
    {"0.5176", "√(2 - √3)"},
    {"0.5773", "¹⁄√3"},
    {"0.618", "𝜑 - 1"},
    {"0.683", "(1 + √3)/4"},
    {"0.7071", "¹⁄√2"},
    {"0.732", "√3 - 1"},
    {"0.7653", "√(2 - √2)"},
    {"0.8284", "2√2 - 2"},
    {"0.866", "√3 / 2"},
    {"1.0823", "√(2 (2 - √2))"},
    {"1.098", "³⁄₂ (√3 - 1)"},
    {"1.118", "√5 / 2"},
    {"1.138", "(2 + √2)/3"},
    {"1.1547", "²⁄√3"},
    {"1.1715", "4 - 2√2"},
    {"1.1815", "-3 + √3 + √6"},
    {"1.183", "(3 + √3)/4"},
    {"1.2679", "3 - √3"},
    {"1.3065", "√(1 + ¹⁄√2)"},
    {"1.366", "(1 + √3)/2"},
    {"1.3938", "(√3 + √6)/3"},
    {"1.4142", "√2"},
    {"1.5773", "1 + 1/√3"},
    {"1.5857", "3 - √2"},
    {"1.618", "𝜑"},
    {"1.7071", "1 + ¹⁄√2"},
    {"1.7174", "1 + √6 - √3"},
    {"1.7639", "4 - √5"},
    {"1.8477", "√(2 + √2)"},
    {"1.8541", "6/(1 + √5)"},
    {"1.9318", "√(2 + √3)"},
    {"2.1961", "3 (√3 - 1)"},
    {"2.236", "√5"},
    {"2.3416", "1 + 3/√5"},
    {"2.4142", "1 + √2"},
    {"2.6131", "√(4 + 2√2)"},
    {"2.618", "1 + 𝜑"},
    {"2.732", "1 + √3"},
    {"3.4142", "2 + √2"},
    {"3.4721", "2√5 - 1"},
    {"3.6955", "2 √(2 + √2)"},
    {"3.732", "2 + √3"},
    {"3.8284", "1 + 2√2"},
    {"4.098", "³⁄₂ (1 + √3)"},
    {"4.236", "𝜑³"},
    {"4.4608", "√(10 + 7√2)"},
    {"4.8284", "2 (1 + √2)"},
    {"5.236", "3 + √5"},
    {"5.4142", "4 + √2"},
    {"5.8284", "3 + 2√2"},
    {"5.9135", "2√3 + √6"},
    {"6.8284", "4 + 2√2"},
    {"8.2426", "4 + 3√2"},
};

constexpr int dualRawValues[] = {333, 334, 1, 339, 167, 261, 404, 405, 406, 164, 407, 408, 342, 394, 340};
// clang-format on

std::vector<Shapes> parseRuns(std::string_view text) {
  std::vector<Shapes> tools;
  while (!text.empty()) {
    const auto comma = text.find(',');
    std::string_view run = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    while (!run.empty() && run.front() == ' ')
      run.remove_prefix(1);
    const auto dash = run.find('-');
    int first = 0;
    int last = 0;
    std::from_chars(run.data(), run.data() + run.size(), first);
    if (dash == std::string_view::npos)
      last = first;
    else
      std::from_chars(run.data() + dash + 1, run.data() + run.size(), last);
    ORNIVAL_PRECONDITION(first >= 1 && first <= last);
    for (int raw = first; raw <= last; ++raw) {
      const auto tool = Shapes::init(raw);
      ORNIVAL_PRECONDITION(tool.has_value());
      tools.push_back(*tool);
    }
  }
  return tools;
}

// The words of the titles, looked up once: a process shows one language.
// Titles with a number are whole sentences, looked up as each is built.
struct Words {
  std::string used = localized("Catalogue", "Used"), recent = localized("Catalogue", "Recent"),
              removed = localized("Catalogue", "Removed"), unused = localized("Catalogue", "Unused"),
              allTiles = localized("Catalogue", "All Tiles");
  std::string regular = localized("Catalogue", "Regular Polygons"), dual = localized("Catalogue", "Dual Polygons"),
              isotoxal = localized("Catalogue", "Isotoxal Polygons");
  std::string convex = localized("Catalogue", "Convex");
  std::string oneAxis = localized("Catalogue", "Polygons with 1 Symmetry Axis");
  std::vector<std::string> families;

  Words() {
    for (const auto& entry : familyEntries)
      families.push_back(localized("Catalogue", std::string(entry.title).c_str()));
    families.push_back(localized("Catalogue", "Other"));
  }
};

const Words& words() {
  static const Words instance;
  return instance;
}

// A figure's smallest corner as the exact fraction of a turn its dividend
// gives: the degrees of two equal corners may differ in the last bit.
struct Turn {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;

  friend bool operator<(Turn x, Turn y) { return x.numerator * y.denominator < y.numerator * x.denominator; }
};

Turn smallestTurn(const Figure& f) {
  const auto& dividends = f.dividends();
  const std::int64_t smallest = *std::min_element(dividends.begin(), dividends.end());
  return {smallest * std::int64_t(dividends.size() - 2), f.divisor()};
}

// What the sorts compare, read once per figure.
struct Properties {
  Shapes tool;
  int n = 0;  // corners
  int v = 0;  // period of angles and sides
  int c = 0;  // reflex corners
  int e = 0;  // equilateral count
  int m = 0;  // mirror axes
  int r = 0;  // rotations
  double a = 0.0;  // smallest angle in degrees, for titles and groups
  Turn turn;       // the same, exactly, for sorting
  double d = 0.0;  // density
  int densityRank = 0;  // densities equal but for rounding share a rank
  const std::vector<double>* angles = nullptr;
  const std::vector<double>* lengths = nullptr;
};

// Area over squared perimeter is computed from vertices that a figure and its
// mirror image reach along different walks, so their densities, equal in
// exact arithmetic, may differ in the last bits. Values that close share one
// rank; distinct figures lie many orders of magnitude further apart.
void rankDensities(std::vector<Properties>& all) {
  constexpr double sameWithin = 1e-12;
  std::vector<double> values;
  for (const auto& p : all)
    values.push_back(p.d);
  std::sort(values.begin(), values.end());
  std::vector<int> ranks(values.size());
  for (std::size_t i = 1; i < values.size(); ++i)
    ranks[i] = ranks[i - 1] + (values[i] - values[i - 1] > sameWithin * std::abs(values[i]) ? 1 : 0);
  for (auto& p : all)
    p.densityRank = ranks[std::size_t(std::lower_bound(values.begin(), values.end(), p.d) - values.begin())];
}

std::vector<Properties> readProperties() {
  std::vector<Properties> all;
  const auto& figures = Shapes::figures();
  for (Shapes tool : Shapes::allButLast()) {
    const Figure& f = *figures[std::size_t(tool.rawValue() - Shapes::firstRawValue)];
    Properties p{tool};
    p.n = int(f.vertices().size());
    p.v = f.variantCount();
    p.a = f.angle();
    p.turn = smallestTurn(f);
    p.angles = &f.angles();
    p.c = f.concave();
    p.e = f.equilateralCount();
    p.d = f.density();
    p.m = tool.mirrorAxisCount();
    p.r = tool.rotationCount();
    p.lengths = &f.lengths();
    all.push_back(p);
  }
  rankDensities(all);
  return all;
}

// Keys applied in turn until one differs: each gives -1, 0 or 1.
template <typename T>
int smallerFirst(T x, T y) { return x < y ? -1 : (y < x ? 1 : 0); }
template <typename T>
int largerFirst(T x, T y) { return smallerFirst(y, x); }

template <typename... Keys>
void sortBy(std::vector<const Properties*>& list, Keys... keys) {
  std::stable_sort(list.begin(), list.end(), [&](const Properties* x, const Properties* y) {
    int order = 0;
    ((order = order != 0 ? order : keys(*x, *y)), ...);
    return order < 0;
  });
}

std::vector<Shapes> toolsOf(const std::vector<const Properties*>& list) {
  std::vector<Shapes> tools;
  tools.reserve(list.size());
  for (const auto* p : list)
    tools.push_back(p->tool);
  return tools;
}

SectionName titled(std::string name, std::string symbol = {}) {
  SectionName section{std::move(name), std::move(symbol), {}};
  section.menuName = section.name;
  return section;
}

// The sections of one integer property, ascending or descending, each sorted;
// values no figure has give no section.
template <typename Key, typename Sort, typename Title>
void addSectionsBy(CatalogueCategory& category, const std::vector<Properties>& all, Key key, bool descending,
                   Sort sort, Title title) {
  std::map<int, std::vector<const Properties*>> byValue;
  for (const auto& p : all)
    if (auto k = key(p))
      byValue[*k].push_back(&p);
  auto add = [&](auto& entry) {
    sort(entry.second);
    category.items.push_back(toolsOf(entry.second));
    category.sectionNames.push_back(title(entry.first));
  };
  if (descending)
    for (auto it = byValue.rbegin(); it != byValue.rend(); ++it)
      add(*it);
  else
    for (auto& entry : byValue)
      add(entry);
}

std::string angleTitle(double degrees) { return formatDecimal(degrees, 2) + "\u00B0"; }

CatalogueCategory familiesOf() {
  const Words& w = words();
  CatalogueCategory category;
  std::set<int> listed;
  for (std::size_t i = 0; i < familyLists().size(); ++i) {
    category.items.push_back(familyLists()[i].tools);
    category.sectionNames.push_back(titled(w.families[i]));
    for (Shapes tool : familyLists()[i].tools)
      listed.insert(tool.rawValue());
  }
  std::vector<Shapes> other;
  for (Shapes tool : Shapes::allButLast())
    if (!listed.contains(tool.rawValue()))
      other.push_back(tool);
  category.items.push_back(std::move(other));
  category.sectionNames.push_back(titled(w.families.back()));
  return category;
}

// The dual polygons stand as the second section whatever their period. The
// titles follow the sections as built: a period whose figures all lie in the
// dual list has no section, so it has no title either.
CatalogueCategory edgeVariantsOf(const std::vector<Properties>& all) {
  const Words& w = words();
  std::set<int> dual;
  for (Shapes tool : dualList())
    dual.insert(tool.rawValue());
  CatalogueCategory category;
  addSectionsBy(
      category, all,
      [&](const Properties& p) { return dual.contains(p.tool.rawValue()) ? std::nullopt : std::optional<int>(p.v); },
      false,
      [](auto& list) {
        sortBy(list, [](auto& x, auto& y) { return smallerFirst(x.n, y.n); },
               [](auto& x, auto& y) { return largerFirst(x.m, y.m); },
               [](auto& x, auto& y) { return smallerFirst(x.c, y.c); },
               [](auto& x, auto& y) { return largerFirst(x.e, y.e); },
               [](auto& x, auto& y) { return largerFirst(x.densityRank, y.densityRank); },
               [](auto& x, auto& y) { return largerFirst(x.turn, y.turn); });
      },
      [&](int v) {
        if (v == 1)
          return titled(w.regular);
        if (v == 2)
          return titled(w.isotoxal);
        return titled(localized("Catalogue", "Polygons with %n Edge Variants", nullptr, v));
      });
  const auto at = std::min<std::size_t>(1, category.items.size());
  category.items.insert(category.items.begin() + std::ptrdiff_t(at), dualList());
  category.sectionNames.insert(category.sectionNames.begin() + std::ptrdiff_t(at), titled(w.dual));
  return category;
}

std::vector<const Properties*> byAngle(const std::vector<Properties>& all) {
  std::vector<const Properties*> list;
  for (const auto& p : all)
    list.push_back(&p);
  sortBy(list, [](auto& x, auto& y) { return smallerFirst(x.turn, y.turn); });
  return list;
}

CatalogueCategory edgeLengthsOf(const std::vector<Properties>& all) {
  // Each figure once under each of its distinct lengths, walked in angle
  // order; exact values, so lengths that differ in the last bit stay apart.
  std::map<double, std::vector<Shapes>> byLength;
  for (const auto* p : byAngle(all)) {
    std::vector<double> own = *p->lengths;
    std::sort(own.begin(), own.end());
    own.erase(std::unique(own.begin(), own.end()), own.end());
    for (double x : own)
      byLength[x].push_back(p->tool);
  }
  CatalogueCategory category;
  for (auto& [x, tools] : byLength) {
    category.items.push_back(std::move(tools));
    category.sectionNames.push_back(
        {formatDecimal(x, 2), closedForm(x), formatDecimal(x, 1, DecimalRounding::floor)});
  }
  return category;
}

CatalogueCategory smallestAngleOf(const std::vector<Properties>& all) {
  constexpr double tolerance = 1.0 / 512.0;
  const auto sorted = byAngle(all);
  CatalogueCategory category;
  std::size_t start = 0;
  while (start < sorted.size()) {
    const double first = sorted[start]->a;
    std::size_t end = start + 1;
    while (end < sorted.size() && std::abs(sorted[end]->a - first) <= tolerance)
      ++end;
    std::vector<const Properties*> group(sorted.begin() + std::ptrdiff_t(start), sorted.begin() + std::ptrdiff_t(end));
    sortBy(group, [](auto& x, auto& y) { return smallerFirst(x.n, y.n); });
    category.items.push_back(toolsOf(group));
    SectionName name{angleTitle(first), fractionText(fractionOfTurn(first)), {}};
    name.menuName = name.name + "    \t" + name.symbol;
    category.sectionNames.push_back(std::move(name));
    start = end;
  }
  return category;
}

CatalogueCategory edgeCountOf(const std::vector<Properties>& all) {
  CatalogueCategory category;
  addSectionsBy(
      category, all, [](const Properties& p) { return std::optional<int>(p.n); }, false,
      [](auto& list) {
        sortBy(list, [](auto& x, auto& y) { return smallerFirst(x.c, y.c); },
               [](auto& x, auto& y) { return smallerFirst(x.v, y.v); },
               [](auto& x, auto& y) { return largerFirst(x.m, y.m); },
               [](auto& x, auto& y) { return largerFirst(x.e, y.e); },
               [](auto& x, auto& y) { return largerFirst(x.turn, y.turn); },
               [](auto& x, auto& y) { return smallerFirst(x.densityRank, y.densityRank); });
      },
      [](int n) { return titled(localized("Catalogue", "Polygons with %n Edges", nullptr, n)); });
  return category;
}

CatalogueCategory concavityOf(const std::vector<Properties>& all) {
  const Words& w = words();
  CatalogueCategory category;
  addSectionsBy(
      category, all, [](const Properties& p) { return std::optional<int>(p.c); }, false,
      [](auto& list) {
        sortBy(list, [](auto& x, auto& y) { return smallerFirst(x.n, y.n); },
               [](auto& x, auto& y) { return smallerFirst(x.v, y.v); },
               [](auto& x, auto& y) { return largerFirst(x.m, y.m); },
               [](auto& x, auto& y) { return largerFirst(x.e, y.e); },
               [](auto& x, auto& y) { return largerFirst(x.densityRank, y.densityRank); },
               [](auto& x, auto& y) { return largerFirst(x.turn, y.turn); });
      },
      [&](int c) { return titled(c == 0 ? w.convex : localized("Catalogue", "Concave %n", nullptr, c)); });
  return category;
}

CatalogueCategory angleFamilyOf(const std::vector<Properties>& all) {
  // Every corner's denominator, per figure, once.
  std::vector<std::vector<std::int64_t>> denominators;
  std::set<std::int64_t> sections;
  for (const auto& p : all) {
    sections.insert(fractionOfTurn(p.a).denominator);
    std::vector<std::int64_t> own;
    for (double angle : *p.angles)
      own.push_back(fractionOfTurn(angle).denominator);
    std::sort(own.begin(), own.end());
    own.erase(std::unique(own.begin(), own.end()), own.end());
    denominators.push_back(std::move(own));
  }
  CatalogueCategory category;
  for (std::int64_t d : sections) {
    std::vector<const Properties*> list;
    for (std::size_t i = 0; i < all.size(); ++i)
      if (std::any_of(denominators[i].begin(), denominators[i].end(), [&](std::int64_t own) { return d % own == 0; }))
        list.push_back(&all[i]);
    sortBy(list, [](auto& x, auto& y) { return smallerFirst(x.n, y.n); },
           [](auto& x, auto& y) { return smallerFirst(x.v, y.v); },
           [](auto& x, auto& y) { return largerFirst(x.m, y.m); },
           [](auto& x, auto& y) { return smallerFirst(x.c, y.c); },
           [](auto& x, auto& y) { return largerFirst(x.turn, y.turn); },
           [](auto& x, auto& y) { return smallerFirst(x.densityRank, y.densityRank); });
    category.items.push_back(toolsOf(list));
    category.sectionNames.push_back(
        titled(formatText(localized("Catalogue", "Family %1"), {fractionText(fractionOfTurn(360.0 / double(d)))})));
  }
  return category;
}

CatalogueCategory symmetryOf(const std::vector<Properties>& all) {
  const Words& w = words();
  CatalogueCategory category;
  auto withSymbol = [](std::string name, std::string symbol) {
    SectionName section{std::move(name), std::move(symbol), {}};
    section.menuName = section.name + "   \t" + section.symbol;
    return section;
  };
  addSectionsBy(
      category, all, [](const Properties& p) { return p.m > 0 ? std::optional<int>(p.m) : std::nullopt; }, true,
      [](auto& list) {
        sortBy(list, [](auto& x, auto& y) { return smallerFirst(x.n, y.n); },
               [](auto& x, auto& y) { return largerFirst(x.turn, y.turn); },
               [](auto& x, auto& y) { return smallerFirst(x.densityRank, y.densityRank); });
      },
      [&](int m) {
        return withSymbol(m == 1 ? w.oneAxis : localized("Catalogue", "Polygons with %n Symmetry Axes", nullptr, m),
                          "D" + subscriptText(m));
      });
  addSectionsBy(
      category, all, [](const Properties& p) { return p.m == 0 ? std::optional<int>(p.r) : std::nullopt; }, true,
      [](auto& list) {
        sortBy(list, [](auto& x, auto& y) { return smallerFirst(x.n, y.n); },
               [](auto& x, auto& y) { return largerFirst(x.turn, y.turn); });
      },
      [&](int r) {
        return withSymbol(localized("Catalogue", "Polygons with %n-fold Symmetry", nullptr, r), "C" + subscriptText(r));
      });
  return category;
}

}  // namespace

const std::vector<Family>& familyLists() {
  static const std::vector<Family> lists = [] {
    std::vector<Family> result;
    for (const auto& entry : familyEntries)
      result.push_back({entry.title, parseRuns(entry.rawValues)});
    return result;
  }();
  return lists;
}

const std::vector<Shapes>& dualList() {
  static const std::vector<Shapes> list = [] {
    std::vector<Shapes> result;
    for (int raw : dualRawValues)
      result.push_back(*Shapes::init(raw));
    return result;
  }();
  return list;
}

std::string closedForm(double length) {
  static const std::unordered_map<std::string_view, std::string_view> table(std::begin(closedForms),
                                                                            std::end(closedForms));
  const auto found = table.find(formatDecimal(length, 4, DecimalRounding::floor));
  return found == table.end() ? std::string() : std::string(found->second);
}

CatalogueCategory byUse(const ToolUsage& usage) {
  const Words& w = words();
  auto countOf = [&](Shapes tool) {
    const auto i = std::size_t(tool.rawValue());
    return i < usage.counts.size() ? usage.counts[i] : 0;
  };
  auto holds = [](const std::vector<Shapes>& list, Shapes tool) {
    return std::find(list.begin(), list.end(), tool) != list.end();
  };
  const auto& figures = Shapes::figures();
  std::vector<std::pair<Shapes, Turn>> used;
  std::vector<Shapes> recent, removed, unused;
  for (Shapes tool : Shapes::allButLast()) {
    if (countOf(tool) >= 1)
      used.emplace_back(tool, smallestTurn(*figures[std::size_t(tool.rawValue() - Shapes::firstRawValue)]));
    else if (holds(usage.recent, tool))
      recent.push_back(tool);
    else if (holds(usage.removed, tool))
      removed.push_back(tool);
    else
      unused.push_back(tool);
  }
  std::stable_sort(used.begin(), used.end(), [&](const auto& x, const auto& y) {
    const int cx = countOf(x.first), cy = countOf(y.first);
    return cx != cy ? cx > cy : x.second < y.second;
  });

  CatalogueCategory category;
  if (!used.empty()) {
    std::vector<Shapes> tools;
    for (const auto& entry : used)
      tools.push_back(entry.first);
    category.items.push_back(std::move(tools));
    category.sectionNames.push_back(titled(w.used));
  }
  if (!recent.empty()) {
    category.items.push_back(std::move(recent));
    category.sectionNames.push_back(titled(w.recent));
  }
  if (!removed.empty()) {
    category.items.push_back(std::move(removed));
    category.sectionNames.push_back(titled(w.removed));
  }
  if (!unused.empty()) {
    category.sectionNames.push_back(titled(category.items.empty() ? w.allTiles : w.unused));
    category.items.push_back(std::move(unused));
  }
  return category;
}

std::array<CatalogueCategory, count> buildFixed() {
  const auto all = readProperties();
  std::array<CatalogueCategory, count> result;
  result[families] = familiesOf();
  result[edgeVariants] = edgeVariantsOf(all);
  result[edgeLengths] = edgeLengthsOf(all);
  result[smallestAngle] = smallestAngleOf(all);
  result[edgeCount] = edgeCountOf(all);
  result[concavity] = concavityOf(all);
  result[angleFamily] = angleFamilyOf(all);
  result[symmetry] = symmetryOf(all);
  return result;
}

const std::array<CatalogueCategory, count>& fixed() {
  static const std::array<CatalogueCategory, count> categories = buildFixed();
  return categories;
}

}  // namespace ornival::catalogueCategories
