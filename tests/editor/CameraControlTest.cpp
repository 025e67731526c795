#include "editor/CameraControl.h"

#include "platform/Scene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ornival {
namespace {

void expectNear(Vec3 actual, Vec3 expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// The editor's camera over the middle of a window of 1080 × 800 points.
struct Home {
  std::shared_ptr<SceneNode> root = SceneNode::create();
  std::shared_ptr<SceneNode> camera = SceneNode::create();
  Camera lens{400.0, 1.0, 3000.0};
  static constexpr Vec3 target{540.0, 400.0, 0.0};

  Home() {
    camera->setTransform(Transform3D::translation(540.0, 400.0, 900.0));
    root->addChildNode(camera);
  }
};

// Where a node's -z axis points.
Vec3 forward(const SceneNode& node) {
  const auto& m = node.transform().m;
  return {-m[2][0], -m[2][1], -m[2][2]};
}

TEST(CameraControl, StartsAtHomeBesideTheEditorsCamera) {
  Home home;
  CameraControl control;
  EXPECT_EQ(control.pointOfView(), nullptr);
  control.drag({100.0, 0.0}, 800.0, false);
  EXPECT_EQ(control.pointOfView(), nullptr);

  control.turnOn(home.camera, home.lens);
  const auto free = control.pointOfView();
  ASSERT_TRUE(free);
  EXPECT_EQ(free->parentNode(), home.root);
  EXPECT_EQ(free->transform(), home.camera->transform());
  EXPECT_EQ(control.camera(), home.lens);
}

// Turning keeps the camera looking at the middle of the tiling from the same
// distance; a drag across half the view's height turns a quarter turn.
TEST(CameraControl, TurnsAboutThePointItLooksAt) {
  struct Case {
    Vec2 drag;
    Vec3 eye;
  };
  const Case cases[] = {
      {{400.0, 0.0}, {540.0, 400.0, 900.0}},            // about the upright: the view spins
      {{0.0, -400.0 * 0.5}, {540.0, 400.0 - 900.0 * std::sqrt(0.5), 900.0 * std::sqrt(0.5)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.drag.x << ", " << c.drag.y);
    Home home;
    CameraControl control;
    control.turnOn(home.camera, home.lens);
    control.drag(c.drag, 800.0, false);
    const auto& free = *control.pointOfView();
    expectNear(position(free), c.eye);
    const Vec3 toTarget = Home::target - position(free);
    EXPECT_NEAR(toTarget.length(), 900.0, 1e-9);
    expectNear(forward(free), toTarget / 900.0);
  }
  // Half a turn about the upright: right now points left.
  Home home;
  CameraControl control;
  control.turnOn(home.camera, home.lens);
  control.drag({800.0, 0.0}, 800.0, false);
  expectNear(control.pointOfView()->transform().apply({1.0, 0.0, 0.0}) - position(*control.pointOfView()),
             {-1.0, 0.0, 0.0});
  // The tilt stops short of looking along the tiling.
  control.drag({0.0, -4000.0}, 800.0, false);
  EXPECT_LT(std::abs(control.tilt()), std::acos(0.0));
  EXPECT_GT(position(*control.pointOfView()).z, 0.0);
}

TEST(CameraControl, PanFollowsThePointerAndTheWheelZooms) {
  Home home;
  CameraControl control;
  control.turnOn(home.camera, home.lens);
  // 800 points show 800 canvas units: the tiling moves with the pointer, so
  // the camera moves the other way.
  control.drag({100.0, -50.0}, 800.0, true);
  expectNear(position(*control.pointOfView()), {440.0, 450.0, 900.0});
  expectNear(forward(*control.pointOfView()), {0.0, 0.0, -1.0});
  // Turning then happens about the new middle.
  control.drag({0.0, -200.0}, 800.0, false);
  const Vec3 toTarget = Vec3{440.0, 450.0, 0.0} - position(*control.pointOfView());
  expectNear(forward(*control.pointOfView()), toTarget / toTarget.length());

  // A notch of the wheel (15 points) zooms by a twentieth, as the flat
  // view's step does: three notches go a little way, not to a roof facet.
  control.zoom(15.0);
  EXPECT_NEAR(control.camera().orthographicScale, 400.0 * 20.0 / 21.0, 1e-9);
  control.zoom(-30.0);
  EXPECT_NEAR(control.camera().orthographicScale, 400.0 * 21.0 / 20.0, 1e-9);
  control.zoom(15.0);
  for (int notch = 0; notch < 3; ++notch)
    control.zoom(15.0);
  EXPECT_GT(control.camera().orthographicScale, 400.0 * 0.85);
  EXPECT_LT(control.camera().orthographicScale, 400.0 * 0.87);
  for (int i = 0; i < 1000; ++i)
    control.zoom(10.0);
  EXPECT_GT(control.camera().orthographicScale, 0.0);
  EXPECT_EQ(home.lens.orthographicScale, 400.0);
}

TEST(CameraControl, TurnedOffItGlidesHomeAndLeaves) {
  Home home;
  CameraControl control;
  control.turnOn(home.camera, home.lens);
  control.drag({400.0, 200.0}, 800.0, false);
  control.drag({40.0, 20.0}, 800.0, true);
  control.zoom(45.0);
  const double tilt = control.tilt();
  const auto free = control.pointOfView();

  control.turnOff(1.0);
  EXPECT_FALSE(control.isOn());
  EXPECT_EQ(control.pointOfView(), free);
  control.drag({400.0, 0.0}, 800.0, false);  // the mouse is the editor's again
  control.advance(0.5);
  EXPECT_NEAR(control.tilt(), tilt * 0.25, 1e-12);
  EXPECT_GT(control.zoomFactor(), std::pow(20.0 / 21.0, 3));
  EXPECT_LT(control.zoomFactor(), 1.0);
  control.advance(0.5);
  EXPECT_FALSE(control.isGliding());
  EXPECT_EQ(control.pointOfView(), nullptr);
  EXPECT_EQ(free->parentNode(), nullptr);
  EXPECT_EQ(control.camera(), home.lens);

  // Without a glide it is home at once, and turned on again it starts there.
  control.turnOn(home.camera, home.lens);
  control.drag({400.0, 0.0}, 800.0, false);
  control.turnOff(0.0);
  EXPECT_EQ(control.pointOfView(), nullptr);
  control.turnOn(home.camera, home.lens);
  EXPECT_EQ(control.pointOfView()->transform(), home.camera->transform());
}

}  // namespace
}  // namespace ornival
