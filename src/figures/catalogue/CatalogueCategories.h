#pragma once

#include "figures/catalogue/Shapes.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// The nine ways the catalogue browser groups the catalogue: usage, families,
// edge variants, edge lengths, smallest angle, edge count, concavity, angle
// family and symmetry. Each category is a list of sections; section s of its
// titles always describes section s of its tools, because both come from one
// pass over the same keys.
//
// Categories 1 to 8 depend only on the figure table and are built once per
// process; the usage category depends on the document and is built on every
// refresh.

// The title of one section: the header's first and second label, and the
// entry of the category's menu.
struct SectionName {
  std::string name;
  std::string symbol;  // a fraction, a closed form or a symmetry group; often empty
  std::string menuName;

  bool operator==(const SectionName&) const = default;
};

struct CatalogueCategory {
  std::vector<SectionName> sectionNames;
  std::vector<std::vector<Shapes>> items;
};

// What the usage category reads of the editor and the process.
struct ToolUsage {
  // Tiles per figure, index = raw value; shorter lists count as zero.
  std::vector<int> counts;
  // Figures inserted and removed in any window since launch.
  std::vector<Shapes> recent;
  std::vector<Shapes> removed;
};

namespace catalogueCategories {

inline constexpr int count = 9;
inline constexpr int usage = 0;
inline constexpr int families = 1;
inline constexpr int edgeVariants = 2;
inline constexpr int edgeLengths = 3;
inline constexpr int smallestAngle = 4;
inline constexpr int edgeCount = 5;
inline constexpr int concavity = 6;
inline constexpr int angleFamily = 7;
inline constexpr int symmetry = 8;

// Category 0 for a document: used, recent, removed and unused figures.
CatalogueCategory byUse(const ToolUsage& usage);

// Categories 1 to 8, built once by whichever thread asks first; entry 0 is
// empty.
const std::array<CatalogueCategory, count>& fixed();
// The same built anew, for measuring.
std::array<CatalogueCategory, count> buildFixed();

// The nineteen family lists with their English titles, and the fifteen dual
// polygons shown as the second section of the edge variants.
struct Family {
  std::string_view title;
  std::vector<Shapes> tools;
};
const std::vector<Family>& familyLists();
const std::vector<Shapes>& dualList();

// A side length written in closed form ("√2"), or the empty text.
std::string closedForm(double length);

}  // namespace catalogueCategories

}  // namespace ornival
