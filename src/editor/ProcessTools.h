#pragma once

#include "figures/catalogue/Shapes.h"

#include <vector>

namespace ornival {

// What every window of the process shares: the figures placed and removed in
// any window since launch. Whether the relief is drawn with physically based
// materials is the material cache's flag, metalRenderingEnabled. Main thread
// only.

// Figures inserted anywhere since launch, each once, in order of first use.
std::vector<Shapes>& recentTools();
// Figures removed anywhere since launch, each once.
std::vector<Shapes>& removedTools();

// Back to the state at launch, for tests.
void resetProcessTools();

}  // namespace ornival
