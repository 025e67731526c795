#include "model/MirrorIndex.h"

#include "figures/Figure.h"
#include "platform/Arithmetic.h"

namespace ornival {

int mirroredEdgeIndex(const Figure& figure, int index) {
  const int n = static_cast<int>(figure.vertices().size());
  const Axis axis = figure.mirrorAxis();
  // Reflecting across the line through vertex a swaps the sides that meet
  // there (a − 1 and a); across the midpoint of side a, side a stays put.
  const int offset = axis.kind == Axis::Kind::vertex ? -1 : 0;
  return positiveModulo(2 * axis.index + n - index + offset, n);
}

}  // namespace ornival
