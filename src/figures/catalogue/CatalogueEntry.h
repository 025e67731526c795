#pragma once

#include "figures/Axis.h"
#include "figures/Heading.h"
#include "figures/catalogue/Shapes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ornival {

// What the catalogue declares about one figure; the figure table is built from
// these, in raw-value order.
struct CatalogueEntry {
  Shapes tool;
  std::string_view displayName;
  Heading heading;
  // Declared scaleable although, or whether or not, its sides differ; an
  // equilateral figure is scaleable anyway.
  bool scaleable;
  // Replaces the axis that setup computes from the dividends.
  std::optional<Axis> axis;
  std::vector<std::int64_t> dividends;
  std::vector<double> lengths;
};

// All 1122 entries, entry i for raw value i + 1. Built once, on first use.
const std::vector<CatalogueEntry>& catalogueEntries();

// The steps behind Shapes::figures() and Shapes::mirrors(), each a fresh
// build, for measuring them.
std::vector<CatalogueEntry> makeCatalogueEntries();
std::shared_ptr<Figure> makeCatalogueFigure(const CatalogueEntry& entry);
std::unordered_map<Shapes, Shapes> makeMirrorMap(const std::vector<std::shared_ptr<Figure>>& figures);

// A Right entry's corners and sides from its Left entry's: dividends d₀, dₙ₋₁,
// …, d₁ and lengths l₁, l₀, lₙ₋₁, …, l₂, both begun at position start (the
// elements before it move to the end).
std::pair<std::vector<std::int64_t>, std::vector<double>> mirroredOutline(const std::vector<std::int64_t>& dividends,
                                                                         const std::vector<double>& lengths,
                                                                         int start);

}  // namespace ornival
