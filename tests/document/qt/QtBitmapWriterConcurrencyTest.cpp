// Relief bitmap exports drawn by their work on another thread, from a copy
// of the relief taken on the main thread.

#include "document/qt/QtBitmapWriter.h"

#include "document/Document.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "support/DocumentFakes.h"

#include <QImage>

#include <gtest/gtest.h>

#include <thread>

namespace ornival {
namespace {

// An editor lending a relief of one blue triangle, as the real one lends its
// scene.
class ReliefEditor : public testing::FakeDocumentEditor {
public:
  ReliefEditor() {
    scene->rootNode()->addChildNode(content);
    scene->rootNode()->addChildNode(cameraNode);
    cameraNode->setTransform(Transform3D::translation(0.0, 0.0, 900.0));
    material->diffuse = {0.0, 0.0, 1.0, 1.0};
    const auto geometry = Geometry::create({{{0, 0, 0}, {10, 0, 0}, {0, 10, 0}}, {}, {}, {0, 1, 2}});
    geometry->setFirstMaterial(material);
    content->addChildNode(SceneNode::create(geometry));
    snappedPage = {{0.0, 0.0}, {40.0, 30.0}};
  }
  ReliefScene reliefScene() override { return {scene, cameraNode, &camera, content}; }

  std::shared_ptr<Scene> scene = Scene::create();
  std::shared_ptr<SceneNode> content = SceneNode::create();
  std::shared_ptr<SceneNode> cameraNode = SceneNode::create();
  std::shared_ptr<Material> material = Material::create();
  Camera camera{100.0, 1.0, 3000.0};
};

// Paints the whole picture in the colour of the first material of its scene.
class MaterialRenderer : public SnapshotRenderer {
public:
  explicit MaterialRenderer(std::shared_ptr<const Scene> scene) : scene_(std::move(scene)) {}
  std::optional<RgbaImage> snapshot(int width, int height, bool) override {
    Color color = Color::clear();
    const auto find = [&](const auto& self, const SceneNode& node) -> void {
      if (node.geometry() && node.geometry()->firstMaterial() && color == Color::clear())
        color = node.geometry()->firstMaterial()->diffuse;
      for (const auto& child : node.childNodes())
        self(self, *child);
    };
    find(find, *scene_->rootNode());
    RgbaImage image(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        image.pixel(x, y) = {std::uint8_t(color.red * 255), std::uint8_t(color.green * 255),
                             std::uint8_t(color.blue * 255), std::uint8_t(color.alpha * 255)};
    return image;
  }

private:
  std::shared_ptr<const Scene> scene_;
};

struct Stopped : Progress {
  bool shouldStop() const override { return true; }
  void report(double) override {}
};

class ReliefBitmap : public ::testing::Test {
protected:
  void SetUp() override {
    editor->document = document;
    document->setViewController(editor);
    document->setExportScale(2.0);
    document->setExportScale(4.0);
    document->setDisplayMode(3);
    writer.reliefRenderers = [] {
      ADD_FAILURE() << "a relief picture drawn on the main thread";
      return SnapshotRendererMaker();
    };
    writer.workerReliefRenderers = [this] {
      return [this](std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode>, const Camera&,
                    Color) -> std::unique_ptr<SnapshotRenderer> {
        madeOn.push_back(std::this_thread::get_id());
        drawn = scene;
        return std::make_unique<MaterialRenderer>(std::move(scene));
      };
    };
  }

  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<ReliefEditor> editor = std::make_shared<ReliefEditor>();
  QtBitmapWriter writer;
  std::vector<std::thread::id> madeOn;
  std::shared_ptr<const Scene> drawn;
};

// The main thread takes a copy of the relief; the work draws it on its own
// thread, with a renderer made there, as the relief stood when the export
// was asked for, and leaves the editor's camera as it was.
TEST_F(ReliefBitmap, TheWorkDrawsACopyOfTheReliefOnItsOwnThread) {
  std::string error;
  const BitmapWork work = writer.prepareBitmap(*document, BitmapFileType::png, error);
  ASSERT_TRUE(work) << error;
  EXPECT_TRUE(madeOn.empty());
  // An edit after the export was asked for does not reach its picture.
  editor->material->diffuse = Color::black();
  const Transform3D cameraBefore = editor->cameraNode->transform();

  EncodedBitmap encoded;
  std::thread::id worker;
  std::thread thread([&] {
    worker = std::this_thread::get_id();
    encoded = work(Progress::none());
  });
  thread.join();
  ASSERT_EQ(encoded.error, "");
  ASSERT_EQ(madeOn, std::vector<std::thread::id>{worker});
  EXPECT_NE(drawn, editor->scene);
  const QImage image = QImage::fromData(QByteArray(encoded.bytes.data(), qsizetype(encoded.bytes.size())));
  ASSERT_EQ(image.size(), QSize(document->exportWidth(), document->exportHeight()));
  EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(0, 0, 255, 255));
  EXPECT_EQ(editor->cameraNode->transform(), cameraBefore);
}

// Stopped before it starts, the work makes no renderer and gives back no
// picture and no error: the export writes nothing.
TEST_F(ReliefBitmap, AStoppedReliefPictureDrawsNothing) {
  std::string error;
  const BitmapWork work = writer.prepareBitmap(*document, BitmapFileType::png, error);
  ASSERT_TRUE(work) << error;
  Stopped stopped;
  const EncodedBitmap encoded = work(stopped);
  EXPECT_TRUE(encoded.bytes.empty());
  EXPECT_EQ(encoded.error, "");
  EXPECT_TRUE(madeOn.empty());
}

// A relief picture beyond the flat picture's limits is refused at once, with
// the reason, on the worker's path and on the main thread's alike.
TEST_F(ReliefBitmap, TooLargeAReliefPictureIsRefusedBeforeAnythingIsDrawn) {
  document->setExportWidth(maximumExportSide + 1);
  for (const bool onWorker : {true, false}) {
    SCOPED_TRACE(onWorker ? "on the worker" : "on the main thread");
    if (!onWorker) {
      writer.workerReliefRenderers = nullptr;
      writer.reliefRenderers = [] { return SnapshotRendererMaker(); };
    }
    std::string error;
    EXPECT_FALSE(writer.prepareBitmap(*document, BitmapFileType::png, error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_TRUE(madeOn.empty());
  }
}

}  // namespace
}  // namespace ornival
