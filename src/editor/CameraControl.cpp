#include "editor/CameraControl.h"

#include "platform/Precondition.h"
#include "platform/Scene.h"
#include "platform/Transform3D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ornival {

namespace {

// Beyond a quarter turn the view would look at the tiling from below.
constexpr double largestTilt = std::numbers::pi / 2 * 0.99;
// A drag across the view's height turns it by half a turn.
constexpr double turnPerHeight = std::numbers::pi;
// A notch of the wheel, 15 points of scrolling, zooms by a twentieth, as a
// step of the flat view's zoom does at its usual zoom of 20: a user steers it
// notch by notch, and a touchpad's finer scrolling zooms as finely. The zoom
// stays within these factors.
constexpr double pointsPerNotch = 15.0;
const double zoomPerPoint = std::log(21.0 / 20.0) / pointsPerNotch;
constexpr double smallestZoom = 1.0 / 64.0;
constexpr double largestZoom = 64.0;

// Eased, so that the glide starts fast and settles: the share of the way
// still to go after `done` of it.
double remaining(double done) {
  const double t = std::clamp(done, 0.0, 1.0);
  return (1.0 - t) * (1.0 - t);
}

}  // namespace

CameraControl::CameraControl() : free_(SceneNode::create()) { free_->setName("freeCamera"); }

void CameraControl::turnOn(const std::shared_ptr<SceneNode>& home, const Camera& camera) {
  ORNIVAL_PRECONDITION(home != nullptr);
  if (on_)
    return;
  on_ = true;
  // Turned on again during a glide home, the camera is taken up where it is.
  if (!isGliding() || home_.lock() != home) {
    tilt_ = turn_ = 0.0;
    pan_ = {};
    zoom_ = 1.0;
  }
  glide_ = 0.0;
  home_ = home;
  homeCamera_ = camera;
  if (const auto parent = home->parentNode(); parent && free_->parentNode() != parent)
    parent->addChildNode(free_);
  place();
}

void CameraControl::turnOff(double duration) {
  if (!on_)
    return;
  on_ = false;
  startTilt_ = tilt_;
  startTurn_ = turn_;
  startPan_ = pan_;
  startZoom_ = zoom_;
  glideLength_ = duration;
  glide_ = duration;
  if (!(duration > 0.0))
    leave();
}

void CameraControl::drag(Vec2 delta, double viewHeight, bool pan) {
  if (!on_ || !(viewHeight > 0.0))
    return;
  if (pan) {
    // The height seen spans 2 × orthographicScale × zoom canvas units.
    const double unit = 2.0 * homeCamera_.orthographicScale * zoom_ / viewHeight;
    pan_ = pan_ - delta * unit;
  } else {
    turn_ -= delta.x / viewHeight * turnPerHeight;
    tilt_ = std::clamp(tilt_ - delta.y / viewHeight * turnPerHeight, -largestTilt, largestTilt);
  }
  place();
}

void CameraControl::zoom(double delta) {
  if (!on_)
    return;
  zoom_ = std::clamp(zoom_ * std::exp(-delta * zoomPerPoint), smallestZoom, largestZoom);
  place();
}

void CameraControl::advance(double seconds) {
  if (on_ || !isGliding())
    return;
  glide_ = std::max(0.0, glide_ - std::max(seconds, 0.0));
  if (glide_ == 0.0) {
    leave();
    return;
  }
  const double left = remaining(1.0 - glide_ / glideLength_);
  tilt_ = startTilt_ * left;
  turn_ = startTurn_ * left;
  pan_ = startPan_ * left;
  zoom_ = std::exp(std::log(startZoom_) * left);
  place();
}

std::shared_ptr<SceneNode> CameraControl::pointOfView() const {
  return on_ || isGliding() ? free_ : nullptr;
}

Camera CameraControl::camera() const {
  Camera result = homeCamera_;
  result.orthographicScale *= zoom_;
  return result;
}

void CameraControl::place() {
  const auto home = home_.lock();
  if (!home)
    return;
  // The home camera looks down its own -z axis; what it looks at is where
  // that axis meets the tiling's plane, or a fixed distance ahead when it
  // runs along the plane.
  const Transform3D& at = home->transform();
  const Vec3 eye = position(*home);
  const Vec3 forward{-at.m[2][0], -at.m[2][1], -at.m[2][2]};
  const double distance = std::abs(forward.z) > 1e-9 && -eye.z / forward.z > 0.0 ? -eye.z / forward.z : 900.0;
  const Vec3 right{at.m[0][0], at.m[0][1], at.m[0][2]};
  const Vec3 up{at.m[1][0], at.m[1][1], at.m[1][2]};
  const Vec3 shift = right * pan_.x + up * pan_.y;
  const Vec3 target = eye + forward * distance + shift;
  const Vec3 upright{0.0, 0.0, 1.0};
  free_->setTransform(at.concatenating(Transform3D::translation(shift.x, shift.y, shift.z))
                          .concatenating(Transform3D::translation(-target.x, -target.y, -target.z))
                          .concatenating(Transform3D::rotation(right, tilt_))
                          .concatenating(Transform3D::rotation(upright, turn_))
                          .concatenating(Transform3D::translation(target.x, target.y, target.z)));
}

void CameraControl::leave() {
  glide_ = 0.0;
  tilt_ = turn_ = 0.0;
  pan_ = {};
  zoom_ = 1.0;
  free_->removeFromParentNode();
}

}  // namespace ornival
