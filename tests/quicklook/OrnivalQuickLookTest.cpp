#include "quicklook/OrnivalQuickLook.h"

#include "document/OrnivalModel.h"
#include "model/Shape.h"
#include "support/ExportDocuments.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ornival {
namespace {

std::shared_ptr<OrnivalModel> model(std::string_view shapes, std::string_view settings) {
  auto m = OrnivalModel::create();
  EXPECT_EQ(m->read(testing::documentText(shapes, settings)), TextKind::document);
  return m;
}

TEST(OrnivalQuickLookTest, SceneHasTheDocumentsLightsAndBackgroundAndItsTilesInOrder) {
  const auto m = model("7,0\n0,1,7,3,0\n", "backgroundColor: 3A5A8C00\nambientColor: 204060FF\ndisplayMode: 3\n");
  const QuickLookScene made = OrnivalQuickLook::makeScene(*m);
  // A transparent background is handed on as it is.
  EXPECT_EQ(made.background, m->settings.backgroundColor);
  EXPECT_EQ(made.background.alpha, 0.0);
  const auto& lights = made.scene->lights();
  ASSERT_EQ(lights.size(), 2u);
  EXPECT_EQ(lights[0].light->type, LightType::ambient);
  EXPECT_EQ(lights[0].light->color, m->settings.ambientColor);
  EXPECT_EQ(lights[1].light->type, LightType::omni);
  EXPECT_EQ(lights[1].light->color, Color::white());
  EXPECT_EQ(position(*lights[1].node), (Vec3{-200.0, 1000.0, 200.0}));
  ASSERT_EQ(made.container->childNodes().size(), 2u);
  EXPECT_EQ(made.container->childNodes()[0], m->shapes[0]->node());
  EXPECT_EQ(made.container->childNodes()[1], m->shapes[1]->node());
  EXPECT_EQ(made.container->parentNode(), made.scene->rootNode());

  const QuickLookScene empty = OrnivalQuickLook::makeScene(*model("", ""));
  EXPECT_EQ(empty.scene->lights().size(), 2u);
  EXPECT_TRUE(empty.container->childNodes().empty());
}

TEST(OrnivalQuickLookTest, ContainerTurnsByTheRotationAndScalesOnlyTheHeights) {
  for (const double zScale : {0.0, 1.0, 2.0}) {
    const auto m = model("7,0\n", "rotation: 90.0\nsurfaceZscale: " + std::to_string(zScale) + "\n");
    const auto container = OrnivalQuickLook::makeScene(*m).container;
    const Vec3 x = container->transform().apply({1.0, 0.0, 0.0});
    const Vec3 z = container->transform().apply({0.0, 0.0, 1.0});
    EXPECT_NEAR(x.x, 0.0, 1e-12);
    EXPECT_NEAR(x.y, 1.0, 1e-12);
    EXPECT_NEAR(z.z, zScale, 1e-12) << zScale;
    EXPECT_NEAR(std::hypot(z.x, z.y), 0.0, 1e-12);
  }
}

}  // namespace
}  // namespace ornival
