// Kept apart from the rest of the figure: the mirror axis is the only part of a
// figure that reads the catalogue, so nothing else links against it.
#include "figures/Figure.h"

#include "platform/Precondition.h"

namespace ornival {

Axis Figure::mirrorAxis() const {
  return mirrorAxis_.get([&] {
    const auto& mirrors = Shapes::mirrors();
    const auto entry = mirrors.find(tool_);
    if (entry == mirrors.end() || entry->second == tool_)
      return axis_;
    const auto& table = Shapes::figures();
    const int slot = entry->second.rawValue() - Shapes::firstRawValue;
    ORNIVAL_PRECONDITION(slot >= 0 && std::size_t(slot) < table.size() && table[std::size_t(slot)]);
    return mirrorAxis(table[std::size_t(slot)].get());
  });
}

}  // namespace ornival
