#include "document/PrintView3D.h"

#include "support/ExportDocuments.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

// The page grows about its centre along one side to the picture's
// proportions, so that the relief shows all of it, centred.
TEST(PrintView3DTest, FittedPageWidensThePageToThePictureAboutItsCentre) {
  struct Case {
    Rect page;
    double width, height;
    Rect fitted;
  };
  const std::vector<Case> cases = {
      {{{0, 0}, {100, 50}}, 200, 100, {{0, 0}, {100, 50}}},       // same proportions
      {{{0, 0}, {100, 50}}, 300, 100, {{-25, 0}, {150, 50}}},     // wider sheet
      {{{10, 20}, {100, 50}}, 100, 100, {{10, -5}, {100, 100}}},  // taller sheet
      {{{0, 0}, {0, 50}}, 300, 100, {{0, 0}, {0, 50}}},           // empty page
      {{{0, 0}, {100, 50}}, 0, 100, {{0, 0}, {100, 50}}},         // empty picture
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height << " over " << c.page.size.x);
    const Rect fitted = PrintView3D::fittedPage(c.page, c.width, c.height);
    EXPECT_DOUBLE_EQ(fitted.origin.x, c.fitted.origin.x);
    EXPECT_DOUBLE_EQ(fitted.origin.y, c.fitted.origin.y);
    EXPECT_DOUBLE_EQ(fitted.size.x, c.fitted.size.x);
    EXPECT_DOUBLE_EQ(fitted.size.y, c.fitted.size.y);
  }
}

// A document whose editor lends no scene draws nothing, whatever the
// renderer: the print says so instead of a blank page.
TEST(PrintView3DTest, WithoutTheEditorsSceneThereIsNoPicture) {
  const auto live = testing::liveDocument(testing::documentText());
  PrintView3D view({{0, 0}, {200, 100}});
  view.document = live.document;
  int made = 0;
  const SnapshotRendererMaker maker = [&made](auto, auto, const Camera&, Color) {
    ++made;
    return std::unique_ptr<SnapshotRenderer>();
  };
  EXPECT_FALSE(view.image(maker));
  EXPECT_EQ(made, 0);
}

}  // namespace
}  // namespace ornival
