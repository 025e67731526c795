#pragma once

#include "platform/Camera.h"
#include "platform/SceneNode.h"
#include "platform/Vec2.h"
#include "platform/Vec3.h"

#include <memory>

namespace ornival {

// The mouse steering the relief view's camera: while it is on, drags turn the
// view about the middle of the tiling, drags with a modifier move it across,
// and the wheel zooms. It steers a free camera of its own, placed beside the
// editor's camera node and starting where that one is, so the editor's camera
// never moves; turning it off brings the free camera back home over a glide,
// after which the view draws from the editor's camera again.
//
// The free camera turns like a turntable: the tilt about the view's
// horizontal axis first, then the turn about the tiling's upright, both
// through the point the editor's camera looks at on the tiling.
//
// Main thread only.
class CameraControl {
public:
  CameraControl();

  bool isOn() const { return on_; }
  // Takes the mouse from the home camera: home is the editor's camera node,
  // camera its camera. A control that is on already keeps its place.
  void turnOn(const std::shared_ptr<SceneNode>& home, const Camera& camera);
  // Gives the mouse back; the free camera glides home over `duration`
  // seconds (at once for 0), advanced by advance().
  void turnOff(double duration);

  // A drag of delta points (y up) in a view of viewHeight points: turns the
  // view, or moves it across with `pan`, so that the tiling follows the
  // pointer. Nothing while off.
  void drag(Vec2 delta, double viewHeight, bool pan);
  // A wheel's scrolling of delta points (15 a notch); positive deltas (away
  // from the user) zoom in.
  void zoom(double delta);

  // Moves a glide home on by seconds; once it arrives the free camera leaves
  // the scene.
  void advance(double seconds);
  bool isGliding() const { return glide_ > 0.0; }

  // What the view draws from: the free camera while on or gliding home, else
  // none, and the view draws from the editor's camera.
  std::shared_ptr<SceneNode> pointOfView() const;
  // The free camera's camera: the home camera zoomed.
  Camera camera() const;

  // The free camera's state, for the view's status and for tests.
  double tilt() const { return tilt_; }
  double turn() const { return turn_; }
  Vec2 panOffset() const { return pan_; }
  double zoomFactor() const { return zoom_; }

private:
  void place();
  void leave();

  bool on_ = false;
  std::weak_ptr<SceneNode> home_;
  Camera homeCamera_;
  std::shared_ptr<SceneNode> free_;
  // Radians, canvas units across the view, and the factor on the camera's
  // height seen.
  double tilt_ = 0.0;
  double turn_ = 0.0;
  Vec2 pan_;
  double zoom_ = 1.0;
  // Seconds left and the glide's length, with the state it started from.
  double glide_ = 0.0;
  double glideLength_ = 0.0;
  double startTilt_ = 0.0;
  double startTurn_ = 0.0;
  Vec2 startPan_;
  double startZoom_ = 1.0;
};

}  // namespace ornival
