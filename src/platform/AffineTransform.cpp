#include "platform/AffineTransform.h"

#include <cmath>

namespace ornival {

AffineTransform AffineTransform::rotation(double angle) {
  const double s = std::sin(angle);
  const double co = std::cos(angle);
  return {co, s, -s, co, 0.0, 0.0};
}

std::optional<AffineTransform> AffineTransform::inverted() const {
  const double det = determinant();
  if (det == 0.0 || !std::isfinite(det))
    return std::nullopt;
  const double ia = d / det;
  const double ib = -b / det;
  const double ic = -c / det;
  const double id = a / det;
  return AffineTransform{ia, ib, ic, id, -(tx * ia + ty * ic), -(tx * ib + ty * id)};
}

}  // namespace ornival
