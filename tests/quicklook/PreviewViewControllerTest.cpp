#include "quicklook/PreviewViewController.h"

#include "document/OrnivalModel.h"
#include "support/ExportDocuments.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

struct FakeContentView : PreviewContentView {
  std::vector<std::shared_ptr<OrnivalModel>> shown;
  void setOrnival(std::shared_ptr<OrnivalModel> model) override { shown.push_back(std::move(model)); }
};

struct FakeSceneView : PreviewSceneView {
  std::vector<Color> backgrounds;
  std::vector<std::optional<QuickLookScene>> scenes;
  void setBackgroundColor(const Color& color) override { backgrounds.push_back(color); }
  void setScene(std::optional<QuickLookScene> scene, const Rect&) override { scenes.push_back(std::move(scene)); }
};

class PreviewViewControllerTest : public ::testing::Test {
protected:
  testing::TemporaryFolder folder{"ornival-preview"};
  std::shared_ptr<FakeContentView> content = std::make_shared<FakeContentView>();
  std::shared_ptr<FakeSceneView> scene = std::make_shared<FakeSceneView>();
  PreviewViewController controller;
  int handled = 0;

  void SetUp() override {
    controller.view = content;
    controller.sceneView = scene;
  }

  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
    return (folder / name).string();
  }
  void load(const std::string& path) {
    controller.loadPreview(path, [this](const std::optional<std::string>& error) {
      EXPECT_FALSE(error.has_value());
      ++handled;
    });
  }
};

TEST_F(PreviewViewControllerTest, FlatDocumentGoesToTheContentViewAndASecondReplacesIt) {
  load(write("a.ornival", testing::documentText()));
  EXPECT_EQ(handled, 1);
  ASSERT_EQ(content->shown.size(), 1u);
  EXPECT_EQ(content->shown[0], controller.ornival);
  // Its sides gathered for the drawing.
  EXPECT_FALSE(controller.ornival->borderEdges.empty());
  EXPECT_TRUE(scene->scenes.empty());

  const auto first = controller.ornival;
  load(write("b.ornival", testing::documentText("7,0\n")));
  EXPECT_EQ(handled, 2);
  ASSERT_EQ(content->shown.size(), 2u);
  EXPECT_NE(controller.ornival, first);
  EXPECT_EQ(controller.ornival->shapes.size(), 1u);
}

TEST_F(PreviewViewControllerTest, ReliefDocumentGoesToTheSceneViewOnItsOwnBackground) {
  load(write("r.ornival", testing::documentText("7,0\n", "displayMode: 3\nbackgroundColor: 10203080\n")));
  EXPECT_EQ(handled, 1);
  ASSERT_EQ(scene->backgrounds.size(), 1u);
  EXPECT_EQ(scene->backgrounds[0], controller.ornival->settings.backgroundColor);
  ASSERT_EQ(scene->scenes.size(), 1u);
  ASSERT_TRUE(scene->scenes[0].has_value());
  EXPECT_EQ(scene->scenes[0]->container->childNodes().size(), 1u);
  EXPECT_TRUE(content->shown.empty());

  // Without a scene view the relief is not shown, and nothing fails.
  PreviewViewController bare;
  int calls = 0;
  bare.loadPreview(write("r2.ornival", testing::documentText("7,0\n", "displayMode: 3\n")),
                   [&](const std::optional<std::string>&) { ++calls; });
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(bare.ornival->is3D());
}

TEST_F(PreviewViewControllerTest, FileThatCannotBeShownEmptiesThePreviewAndStillAnswersOnce) {
  load(write("a.ornival", testing::documentText()));
  for (const auto& path : {(folder / "missing.ornival").string(), folder.path().string(), write("n.txt", "no document\n")}) {
    const int before = handled;
    load(path);
    EXPECT_EQ(handled, before + 1) << path;
    EXPECT_EQ(controller.ornival, nullptr) << path;
    // The earlier file is not left on show.
    EXPECT_EQ(content->shown.back(), nullptr) << path;
    ASSERT_FALSE(scene->scenes.empty());
    EXPECT_FALSE(scene->scenes.back().has_value()) << path;
  }
}

}  // namespace
}  // namespace ornival
