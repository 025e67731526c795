#include "app/core/SurfacePreview.h"
#include "document/Document.h"
#include "model/Materials.h"
#include "platform/gl/GlSceneRenderer.h"
#include "platform/gl/OsMesaContext.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(SurfacePreviewGl, DrawsALitSphereInTheToolColourOnTheBackground) {
  OsMesaContext context;
  if (!context.valid())
    GTEST_SKIP() << "no OpenGL 3.3 core context";
  std::string error;
  const auto renderer = GlSceneRenderer::create(OsMesaContext::procAddress, error);
  ASSERT_NE(renderer, nullptr) << error;
  Materials::resetForTesting();
  auto document = Document::create();
  document->setShapeColor({0.9, 0.2, 0.1, 1});
  SurfacePreview preview;
  preview.update(*document);
  const Color background{0, 0, 1, 1};
  const auto image = preview.render(*renderer, 80, 80, background);
  ASSERT_TRUE(image);
  // The corner is background; the sphere's middle is red, brighter on the
  // side of the light (up) than away from it.
  EXPECT_EQ(image->pixel(1, 1), (RgbaImage::Pixel{0, 0, 255, 255}));
  const auto& middle = image->pixel(40, 40);
  EXPECT_GT(middle[0], middle[2]);
  EXPECT_GT(middle[0], 60);
  const auto& top = image->pixel(40, 15);
  const auto& bottom = image->pixel(40, 65);
  EXPECT_GT(int(top[0]) + top[1] + top[2], int(bottom[0]) + bottom[1] + bottom[2]);
  Materials::resetForTesting();
}

}  // namespace
}  // namespace ornival
