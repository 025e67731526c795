#include "document/qt/DocumentPrinter.h"

#include "document/Document.h"
#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/gl/GlOffscreenRenderer.h"
#include "platform/gl/OsMesaContext.h"
#include "support/DocumentFakes.h"
#include "support/PrintedPages.h"
#include "support/QtApplication.h"
#include "support/ReliefLights.h"
#include "support/TileGrids.h"
#include "support/TemporaryFolder.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <filesystem>

namespace ornival {
namespace {

namespace fs = std::filesystem;

// An editor that lends a relief scene, as the real one does.
class ReliefEditor : public testing::FakeDocumentEditor {
public:
  ReliefScene relief;
  ReliefScene reliefScene() override { return relief; }
};

// Two squares of 20 units side by side, blue on a sand background, lit from
// above as the editor lights them; the page runs from (-10, -10) to (50, 30).
class ReliefPrint : public ::testing::Test {
protected:
  void SetUp() override {
    testing::qtApplication();
    if (!context_.valid())
      GTEST_SKIP() << "no OpenGL 3.3 core context";
    std::string error;
    renderer_ = GlSceneRenderer::create(OsMesaContext::procAddress, error);
    ASSERT_NE(renderer_, nullptr) << error;
    Materials::resetForTesting();
    scene->rootNode()->addChildNode(content);
    scene->rootNode()->addChildNode(cameraNode);
    cameraNode->setTransform(Transform3D::translation(0.0, 0.0, 900.0));
    testing::addReliefLights(*scene);
    tiles = testing::squareGrid(2, 1);
    for (const auto& tile : tiles) {
      tile->setShapeColor({0.2, 0.4, 0.8, 1.0});
      content->addChildNode(tile->node());
    }

    editor->relief = {scene, cameraNode, &camera, content};
    editor->snappedPage = {{-10.0, -10.0}, {60.0, 40.0}};
    editor->document = document;
    document->setViewController(editor);
    document->setBackgroundColor(background);
    document->setDisplayMode(3);
  }
  void TearDown() override {
    tiles.clear();
    Materials::resetForTesting();
  }

  SnapshotRendererMaker maker() {
    return [this](std::shared_ptr<const Scene> s, std::shared_ptr<const SceneNode> pointOfView, const Camera& c,
                  Color b) -> std::unique_ptr<SnapshotRenderer> {
      ++made;
      return std::make_unique<GlOffscreenRenderer>(*renderer_, std::move(s), std::move(pointOfView), c, b);
    };
  }

  static constexpr Color background{0.9, 0.85, 0.7, 1.0};
  std::shared_ptr<Scene> scene = Scene::create();
  std::shared_ptr<SceneNode> content = SceneNode::create();
  std::shared_ptr<SceneNode> cameraNode = SceneNode::create();
  Camera camera{100.0, 1.0, 3000.0};
  std::vector<std::shared_ptr<Shape>> tiles;
  std::shared_ptr<ReliefEditor> editor = std::make_shared<ReliefEditor>();
  std::shared_ptr<Document> document = Document::create();
  int made = 0;

private:
  OsMesaContext context_;
  std::unique_ptr<GlSceneRenderer> renderer_;
};

// The relief fills the printable area at any scaling, the page whole and
// centred on the document's background, rendered at the printer's
// resolution rather than at one pixel a point.
TEST_F(ReliefPrint, ReliefFillsTheSheetAtThePrintersResolution) {
  const testing::TemporaryFolder folder("ornival-print-relief");
  const QColor sand = QColor::fromRgbF(0.9f, 0.85f, 0.7f);
  const Transform3D contentBefore = content->transform();
  const Transform3D cameraBefore = cameraNode->transform();
  for (const double scaling : {1.0, 0.5}) {
    SCOPED_TRACE(::testing::Message() << "scaling " << scaling);
    const fs::path pdf = folder / ("relief-" + std::to_string(int(scaling * 100)) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(150);
    preparePrinter(printer);
    ASSERT_EQ(printDocument(*document, printer, scaling, maker()), "");

    // One picture of the whole landscape sheet at 150 pixels an inch.
    const std::vector<QSize> images = testing::embeddedImageSizes(pdf);
    ASSERT_EQ(images.size(), 1u) << "pdfimages (Debian package poppler-utils) listed none in " << pdf;
    EXPECT_NEAR(images[0].width(), 297.0 / 25.4 * 150, 2);
    EXPECT_NEAR(images[0].height(), 210.0 / 25.4 * 150, 2);

    const QImage page = testing::rasterisedPage(pdf, 72);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    // The background reaches every corner of the sheet.
    for (const QPoint corner : {QPoint(2, 2), QPoint(page.width() - 3, page.height() - 3)})
      EXPECT_TRUE(testing::near(page.pixelColor(corner), sand, 6)) << page.pixelColor(corner).name().toStdString();
    // The page is 60 units wide on a wider sheet: 14 pixels a unit, the tiles
    // from a sixth to five sixths of the width, on the middle line.
    const QRect tiles = testing::boxOf(page, [&](const QColor& c) { return !testing::near(c, sand, 24); });
    EXPECT_NEAR(tiles.center().x() + 0.5, page.width() / 2.0, 3);
    EXPECT_NEAR(tiles.center().y() + 0.5, page.height() / 2.0, 3);
    EXPECT_NEAR(tiles.width(), page.width() * 40.0 / 60.0, 4);
    const QColor top = page.pixelColor(page.width() / 3, page.height() / 2);
    EXPECT_GT(top.blue(), top.red() + 40) << top.name().toStdString();
    page.save(QString::fromStdString((folder / ("relief-" + std::to_string(int(scaling * 100)) + ".png")).string()));
  }
  EXPECT_EQ(made, 2);
  // The editor's camera and content are given back.
  EXPECT_EQ(content->transform(), contentBefore);
  EXPECT_EQ(cameraNode->transform(), cameraBefore);
}

}  // namespace
}  // namespace ornival
