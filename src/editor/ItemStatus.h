#pragma once

namespace ornival {

// How a catalogue figure is in use, for the catalogue browser and the figure
// strip: placed in this window, placed in any window since launch, removed in
// one, or never touched.
enum class ItemStatus : int { unused = 0, used = 1, recent = 2, removed = 3 };

}  // namespace ornival
