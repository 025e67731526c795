#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace ornival {

class Figure;

// A case of the figure catalogue, by its raw value: the figure number of
// document files, menu tags and restoration data. Raw values run from 1 to
// 1122 in catalogue order; the last case, multi, is the group tile.
class Shapes {
public:
  static constexpr int firstRawValue = 1;
  static constexpr int caseCount = 1122;

  constexpr int rawValue() const { return rawValue_; }
  constexpr bool operator==(const Shapes&) const = default;

  // The figure table: one shared figure per case, at raw value − 1, built once
  // on first use by whichever thread comes first.
  static const std::vector<std::shared_ptr<Figure>>& figures();

  // Every chiral figure's case to the case of its mirror image.
  static const std::unordered_map<Shapes, Shapes>& mirrors();

  static const Shapes multi;

private:
  constexpr explicit Shapes(int rawValue) : rawValue_(rawValue) {}

  int rawValue_;
};

inline constexpr Shapes Shapes::multi{1122};

}  // namespace ornival

template <>
struct std::hash<ornival::Shapes> {
  std::size_t operator()(ornival::Shapes s) const noexcept { return std::hash<int>{}(s.rawValue()); }
};
