#pragma once

namespace ornival {

// A case of the figure catalogue, by its raw value: the figure number of
// document files, menu tags and restoration data. Raw values run from 1 to
// 1122 in catalogue order; the last case, multi, is the group tile.
class Shapes {
public:
  static constexpr int firstRawValue = 1;
  static constexpr int caseCount = 1122;

  constexpr int rawValue() const { return rawValue_; }
  constexpr bool operator==(const Shapes&) const = default;

  static const Shapes multi;

private:
  constexpr explicit Shapes(int rawValue) : rawValue_(rawValue) {}

  int rawValue_;
};

inline constexpr Shapes Shapes::multi{1122};

}  // namespace ornival
