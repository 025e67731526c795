#include "app/core/ExportMenu.h"

#include "document/ExportFileFormat.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

// Every item exports a scene format that can be written; abc, usdc and scn
// are left out rather than offered and refused.
TEST(ExportMenu, OffersTheWritableSceneFormatsOnly) {
  std::vector<std::string> extensions;
  for (const MenuItem& item : sceneExportMenu()) {
    EXPECT_EQ(item.action, "export");
    const auto format = exportFileFormat(item.tag);
    ASSERT_TRUE(format && isScene(*format)) << item.title;
    const std::string extension(pathExtension(*format));
    EXPECT_NE(item.title.find("(." + extension + ")"), std::string::npos) << item.title;
    extensions.push_back(extension);
  }
  EXPECT_EQ(extensions, (std::vector<std::string>{"dae", "obj", "stl", "ply", "usd", "usda", "usdz"}));
}

}  // namespace
}  // namespace ornival
