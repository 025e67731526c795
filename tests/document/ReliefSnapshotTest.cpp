#include "document/ReliefSnapshot.h"

#include "platform/Scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace ornival {
namespace {

TEST(ReliefSnapshot, PassesBySize) {
  struct Case {
    int width, height;
    ReliefPasses expected;
  };
  const Case cases[] = {
      {1, 1, {1, 1, 1, 1, 1}},
      {2048, 2048, {1, 2048, 2048, 2048, 2048}},
      {2049, 100, {2, 1025, 50, 2050, 100}},
      {100, 2049, {2, 50, 1025, 100, 2050}},
      {4096, 4096, {2, 2048, 2048, 4096, 4096}},
      {4097, 10, {3, 1366, 4, 4098, 12}},
      {6144, 6145, {4, 1536, 1537, 6144, 6148}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    EXPECT_EQ(reliefPasses(c.width, c.height), c.expected);
  }
}

// The editor's camera and content as the relief view holds them.
struct View {
  Camera camera{123.25, 1.0, 3000.0};
  std::shared_ptr<SceneNode> cameraNode = SceneNode::create();
  std::shared_ptr<SceneNode> contentNode = SceneNode::create();

  View() {
    cameraNode->setTransform(Transform3D::translation(31.5, -7.25, 900.0));
    contentNode->setTransform(Transform3D::scale(0.5, 0.5, 0.25).concatenating(Transform3D::translation(3, 4, 5)));
  }
  ReliefView borrowed() { return {camera, *cameraNode, *contentNode}; }
};

// Writes into every pixel where its sample lies: the point of the camera
// node's space at the pixel's centre, in quarters, x in red and green, y in
// blue and alpha. Sees what an orthographic camera sees.
class SamplePositions : public SnapshotRenderer {
public:
  explicit SamplePositions(View& view) : view_(view) {}

  std::optional<RgbaImage> snapshot(int width, int height, bool antialiased) override {
    calls.push_back({width, height, antialiased, view_.camera, view_.contentNode->transform()});
    if (failAt == int(calls.size()))
      return std::nullopt;
    RgbaImage image(width, height);
    const Vec3 eye = position(*view_.cameraNode);
    const double pitch = 2.0 * view_.camera.orthographicScale / height;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const long qx = std::lround(4.0 * (eye.x + (x + 0.5 - width * 0.5) * pitch));
        const long qy = std::lround(4.0 * (eye.y + (y + 0.5 - height * 0.5) * pitch));
        image.pixelUp(x, y) = {std::uint8_t(qx >> 8), std::uint8_t(qx & 255), std::uint8_t(qy >> 8),
                               std::uint8_t(qy & 255)};
      }
    return image;
  }

  struct Call {
    int width, height;
    bool antialiased;
    Camera camera;
    Transform3D content;
  };
  std::vector<Call> calls;
  int failAt = 0;

private:
  View& view_;
};

TEST(ReliefSnapshot, InterleavedPassesPutEverySampleOnItsOutputPixel) {
  // Sizes that assemble without a final scaling, so that every pixel still
  // holds its sample's position; one page pixel is one canvas unit.
  const struct {
    int width, height, passes;
  } cases[] = {{4096, 6, 2}, {4101, 9, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    View view;
    SamplePositions renderer(view);
    const ReliefFraming framing{{{-40.0, 12.0}, {double(c.width), double(c.height)}}, 0.0, 1.0, c.width, c.height};
    const std::optional<RgbaImage> image = reliefSnapshot(renderer, view.borrowed(), framing);
    ASSERT_TRUE(image);
    ASSERT_EQ(renderer.calls.size(), std::size_t(c.passes * c.passes));
    EXPECT_FALSE(renderer.calls.front().antialiased);
    ASSERT_EQ(image->width(), c.width);
    ASSERT_EQ(image->height(), c.height);
    int wrong = 0;
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const auto& p = image->pixelUp(x, y);
        // Pixel (x, y) counted upwards from the page's lower left corner has
        // its centre at (x + 1/2, y + 1/2).
        const bool right = (p[0] << 8 | p[1]) == 4 * x + 2 && (p[2] << 8 | p[3]) == 4 * y + 2;
        if (!right && ++wrong <= 3)
          ADD_FAILURE() << "pixel " << x << ", " << y << " shows the sample at "
                        << (p[0] << 8 | p[1]) / 4.0 << ", " << (p[2] << 8 | p[3]) / 4.0;
      }
    EXPECT_EQ(wrong, 0);
  }
}

TEST(ReliefSnapshot, SinglePassFramesThePageAndMultisamples) {
  View view;
  SamplePositions renderer(view);
  const ReliefFraming framing{{{10.0, 20.0}, {200.0, 100.0}}, 90.0, 2.0, 400, 200};
  ASSERT_TRUE(reliefSnapshot(renderer, view.borrowed(), framing));
  ASSERT_EQ(renderer.calls.size(), 1u);
  const auto& call = renderer.calls.front();
  EXPECT_EQ(call.width, 400);
  EXPECT_EQ(call.height, 200);
  EXPECT_TRUE(call.antialiased);
  EXPECT_EQ(call.camera.orthographicScale, 50.0);
  EXPECT_EQ(call.camera.zFar, 3000.0);
  // Turned a quarter about the origin, then moved so the page starts at the
  // origin, heights scaled by the surface z scale.
  const Vec3 corner = call.content.apply({10.0, 20.0, 1.0});
  EXPECT_NEAR(corner.x, -30.0, 1e-12);
  EXPECT_NEAR(corner.y, -10.0, 1e-12);
  EXPECT_EQ(corner.z, 2.0);
}

TEST(ReliefSnapshot, CameraAndContentComeBackExactly) {
  const struct {
    const char* what;
    int width, height, failAt;
    bool pictured;
  } cases[] = {
      {"one pass", 300, 200, 0, true},   {"one failed pass", 300, 200, 1, false},
      {"k x k passes", 2049, 100, 0, true}, {"a failed third pass", 2049, 100, 3, false},
      {"no pixels", 0, 100, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    View view;
    const Camera camera = view.camera;
    const Transform3D cameraTransform = view.cameraNode->transform();
    const Transform3D content = view.contentNode->transform();
    SamplePositions renderer(view);
    renderer.failAt = c.failAt;
    const ReliefFraming framing{{{-5.0, 7.0}, {330.0, 210.0}}, 30.0, 1.5, c.width, c.height};
    const std::optional<RgbaImage> image = reliefSnapshot(renderer, view.borrowed(), framing);
    EXPECT_EQ(image.has_value(), c.pictured);
    if (image) {
      EXPECT_EQ(image->width(), c.width);
      EXPECT_EQ(image->height(), c.height);
    }
    if (c.failAt > 0) {
      EXPECT_EQ(renderer.calls.size(), std::size_t(c.failAt));
    }
    EXPECT_EQ(view.camera, camera);
    EXPECT_EQ(view.cameraNode->transform(), cameraTransform);
    EXPECT_EQ(view.contentNode->transform(), content);
  }
}

// The passes tell how far they have come, and stop between two when asked:
// no picture then, and the camera and content as they were.
TEST(ReliefSnapshot, PassesReportTheirProgressAndStopWhenAsked) {
  struct Watch : Progress {
    int stopAfter = 0;
    std::vector<double> reports;
    bool shouldStop() const override { return stopAfter > 0 && int(reports.size()) >= stopAfter; }
    void report(double fraction) override { reports.push_back(fraction); }
  };
  const struct {
    const char* what;
    int width, stopAfter;
    std::vector<double> reports;
    bool pictured;
  } cases[] = {
      {"one pass", 300, 0, {1.0}, true},
      {"one pass, stopped first", 300, -1, {}, false},
      {"k x k passes", 2049, 0, {0.25, 0.5, 0.75, 1.0}, true},
      {"stopped after the first of four", 2049, 1, {0.25}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    View view;
    const Transform3D cameraTransform = view.cameraNode->transform();
    SamplePositions renderer(view);
    Watch watch;
    watch.stopAfter = c.stopAfter;
    struct Stopped : Progress {
      bool shouldStop() const override { return true; }
      void report(double) override {}
    } stopped;
    ReliefFraming framing{{{-5.0, 7.0}, {330.0, 210.0}}, 30.0, 1.5, c.width, 100};
    framing.progress = c.stopAfter < 0 ? static_cast<Progress*>(&stopped) : &watch;
    EXPECT_EQ(reliefSnapshot(renderer, view.borrowed(), framing).has_value(), c.pictured);
    EXPECT_EQ(watch.reports, c.reports);
    EXPECT_EQ(renderer.calls.size(), c.reports.size());
    EXPECT_EQ(view.cameraNode->transform(), cameraTransform);
  }
}

}  // namespace
}  // namespace ornival
