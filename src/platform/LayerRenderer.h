#pragma once

#include "platform/AffineTransform.h"

namespace ornival {

class Layer;
class Painter;

// Draws a layer tree onto a painter: every visible layer its picture over its
// bounds, a shape layer then fills and strokes its path; sublayers are drawn above their layer, lower z positions
// first and, among equal ones, in order of addition. Opacity multiplies down
// the tree into the colours. Shadows and rasterization are left out: they
// only dress the picture, and the flat view stays fast without them.
//
// `toDevice` maps the root's superlayer coordinates (y up) to the painter's;
// the painter's own transform is overwritten. Main thread only.
void renderLayerTree(const Layer& root, Painter& painter,
                     const AffineTransform& toDevice = AffineTransform::identity());

}  // namespace ornival
