#pragma once

namespace ornival {

// An orthographic camera. It looks down the -z axis of the node that carries
// it, y up; what lies between zNear and zFar in front of it is seen.
struct Camera {
  // Half the height of the region seen, in the units of the camera node's
  // parent; the width follows from the picture's aspect ratio.
  double orthographicScale = 1.0;
  double zNear = 1.0;
  double zFar = 100.0;

  bool operator==(const Camera&) const = default;
};

}  // namespace ornival
