#include "document/ReliefSnapshot.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "document/PrintView3D.h"

#include "platform/AffineTransform.h"
#include "platform/Precondition.h"
#include "platform/Scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ornival {

ReliefPasses reliefPasses(int width, int height, int largest) {
  ORNIVAL_PRECONDITION(width >= 1 && height >= 1 && largest >= 1);
  if (width <= largest && height <= largest)
    return {1, width, height, width, height};
  const int passes = std::max((width - 1) / largest, (height - 1) / largest) + 1;
  const int tileWidth = (width + passes - 1) / passes;
  const int tileHeight = (height + passes - 1) / passes;
  return {passes, tileWidth, tileHeight, passes * tileWidth, passes * tileHeight};
}

namespace {

// Gives the borrowed camera and content back however the snapshot ends.
class BorrowedView {
public:
  explicit BorrowedView(const ReliefView& view)
      : view_(view),
        camera_(view.camera),
        cameraTransform_(view.cameraNode.transform()),
        contentTransform_(view.contentNode.transform()) {}
  ~BorrowedView() {
    view_.contentNode.setTransform(contentTransform_);
    view_.camera = camera_;
    view_.cameraNode.setTransform(cameraTransform_);
  }
  BorrowedView(const BorrowedView&) = delete;
  BorrowedView& operator=(const BorrowedView&) = delete;

private:
  const ReliefView& view_;
  Camera camera_;
  Transform3D cameraTransform_;
  Transform3D contentTransform_;
};

// Bilinear, on premultiplied samples so that transparent pixels lend no colour
// to their neighbours; pixel centres map onto pixel centres.
RgbaImage scaledImage(const RgbaImage& source, int width, int height) {
  RgbaImage result(width, height);
  const double fx = double(source.width()) / width;
  const double fy = double(source.height()) / height;
  for (int y = 0; y < height; ++y) {
    const double sy = std::clamp((y + 0.5) * fy - 0.5, 0.0, double(source.height() - 1));
    const int y0 = int(sy);
    const int y1 = std::min(y0 + 1, source.height() - 1);
    const double ty = sy - y0;
    for (int x = 0; x < width; ++x) {
      const double sx = std::clamp((x + 0.5) * fx - 0.5, 0.0, double(source.width() - 1));
      const int x0 = int(sx);
      const int x1 = std::min(x0 + 1, source.width() - 1);
      const double tx = sx - x0;
      double sum[4] = {};
      const auto add = [&](int px, int py, double weight) {
        const auto& p = source.pixel(px, py);
        const double alpha = p[3] / 255.0;
        for (int c = 0; c < 3; ++c)
          sum[c] += weight * p[std::size_t(c)] * alpha;
        sum[3] += weight * p[3];
      };
      add(x0, y0, (1 - tx) * (1 - ty));
      add(x1, y0, tx * (1 - ty));
      add(x0, y1, (1 - tx) * ty);
      add(x1, y1, tx * ty);
      auto& out = result.pixel(x, y);
      const double alpha = sum[3] / 255.0;
      for (int c = 0; c < 3; ++c)
        out[std::size_t(c)] = std::uint8_t(std::lround(alpha > 0 ? std::clamp(sum[c] / alpha, 0.0, 255.0) : 0.0));
      out[3] = std::uint8_t(std::lround(std::clamp(sum[3], 0.0, 255.0)));
    }
  }
  return result;
}

}  // namespace

std::optional<RgbaImage> reliefSnapshot(SnapshotRenderer& renderer, const ReliefView& view,
                                        const ReliefFraming& framing) {
  const Rect& page = framing.page;
  if (framing.width < 1 || framing.height < 1 || framing.largestPass < 1 || !(page.size.x > 0.0) || !(page.size.y > 0.0))
    return std::nullopt;
  const BorrowedView borrowed(view);

  view.camera.orthographicScale = page.size.y * 0.5;
  Transform3D content =
      Transform3D::affine(AffineTransform::rotation(framing.rotation * std::numbers::pi / 180.0))
          .concatenating(Transform3D::translation(-page.minX(), -page.minY(), 0.0));
  content.m[2][2] *= framing.surfaceZScale;
  view.contentNode.setTransform(content);

  const double cameraZ = position(view.cameraNode).z;
  const ReliefPasses passes = reliefPasses(framing.width, framing.height, framing.largestPass);
  const auto stopped = [&framing] { return framing.progress && framing.progress->shouldStop(); };
  if (passes.passes == 1) {
    if (stopped())
      return std::nullopt;
    setPosition(view.cameraNode, {page.size.x * 0.5, page.size.y * 0.5, cameraZ});
    auto image = renderer.snapshot(framing.width, framing.height, true);
    if (framing.progress)
      framing.progress->report(1.0);
    return image;
  }

  // Pass (i, j) is moved by (i, j) output pixels from the first and shifted
  // back by half the span, so that its samples fall on the centres of the
  // output pixels (c·k + i, r·k + j) and the picture sits where a single pass
  // would put it. The pixel is square: the camera fixes the height seen, and
  // the width follows.
  const int k = passes.passes;
  const double pixel = page.size.y / passes.height;
  RgbaImage assembled(passes.width, passes.height);
  for (int j = 0; j < k; ++j) {
    for (int i = 0; i < k; ++i) {
      if (stopped())
        return std::nullopt;
      setPosition(view.cameraNode, {page.size.x * 0.5 + (i - (k - 1) * 0.5) * pixel,
                                    page.size.y * 0.5 + (j - (k - 1) * 0.5) * pixel, cameraZ});
      const std::optional<RgbaImage> pass = renderer.snapshot(passes.tileWidth, passes.tileHeight, false);
      if (!pass || pass->width() != passes.tileWidth || pass->height() != passes.tileHeight)
        return std::nullopt;
      // Rows counted upwards, as the camera moved: row j of the output's
      // every k rows comes from the pass moved up by j.
      for (int r = 0; r < passes.tileHeight; ++r)
        for (int c = 0; c < passes.tileWidth; ++c)
          assembled.pixelUp(c * k + i, r * k + j) = pass->pixelUp(c, r);
      if (framing.progress)
        framing.progress->report(double(j * k + i + 1) / (k * k));
    }
  }
  if (passes.width == framing.width && passes.height == framing.height)
    return assembled;
  return scaledImage(assembled, framing.width, framing.height);
}

std::optional<RgbaImage> documentReliefSnapshot(const Document& document, const SnapshotRendererMaker& makeRenderer,
                                                Color background, const ReliefFraming& framing) {
  const auto editor = document.viewController();
  if (!editor || !makeRenderer)
    return std::nullopt;
  const ReliefScene relief = editor->reliefScene();
  if (!relief.scene || !relief.camera || !relief.cameraNode || !relief.contentNode)
    return std::nullopt;
  const std::unique_ptr<SnapshotRenderer> renderer =
      makeRenderer(relief.scene, relief.cameraNode, *relief.camera, background);
  if (!renderer)
    return std::nullopt;
  return reliefSnapshot(*renderer, {*relief.camera, *relief.cameraNode, *relief.contentNode}, framing);
}

namespace {

Color exportBackground(const Document& document) {
  return document.exportAlpha() ? Color::clear() : document.backgroundColor();
}

// The camera fits the page's height to the picture; a picture of other
// proportions gets the page widened to its own about the page's centre, as
// the flat bitmap centres the page, so that no side is cut.
ReliefFraming exportFraming(const Document& document, DocumentEditor& editor) {
  const int width = document.exportWidth();
  const int height = document.exportHeight();
  return {PrintView3D::fittedPage(editor.snappedPageBounds(), width, height), document.rotation(),
          document.surfaceZscale(), width, height};
}

}  // namespace

std::optional<RgbaImage> snapshot3DImage(const Document& document, const SnapshotRendererMaker& makeRenderer) {
  const auto editor = document.viewController();
  if (!editor)
    return std::nullopt;
  return documentReliefSnapshot(document, makeRenderer, exportBackground(document), exportFraming(document, *editor));
}

std::optional<DetachedRelief> takeRelief3DImage(const Document& document) {
  const auto editor = document.viewController();
  if (!editor)
    return std::nullopt;
  const ReliefFraming framing = exportFraming(document, *editor);
  if (framing.width < 1 || framing.height < 1)
    return std::nullopt;
  const ReliefScene relief = editor->reliefScene();
  if (!relief.scene || !relief.camera || !relief.cameraNode || !relief.contentNode)
    return std::nullopt;
  DetachedScene scene = detachedCopy(*relief.scene);
  // A camera or content outside the tree is drawn as a node without parent;
  // content outside it shows nothing in either picture.
  const auto copyOrLone = [&scene](const SceneNode& node) {
    auto copy = scene.copyOf(&node);
    if (!copy) {
      copy = SceneNode::create();
      copy->setTransform(node.transform());
    }
    return copy;
  };
  auto cameraNode = copyOrLone(*relief.cameraNode);
  auto contentNode = copyOrLone(*relief.contentNode);
  return DetachedRelief{std::move(scene), std::move(cameraNode), std::move(contentNode), *relief.camera,
                        exportBackground(document), framing};
}

std::optional<RgbaImage> drawRelief3DImage(DetachedRelief& relief, const SnapshotRendererMaker& makeRenderer) {
  // A context costs a good part of a second on some systems: none for work
  // already stopped.
  if (!makeRenderer || (relief.framing.progress && relief.framing.progress->shouldStop()))
    return std::nullopt;
  const std::unique_ptr<SnapshotRenderer> renderer =
      makeRenderer(relief.scene.scene, relief.cameraNode, relief.camera, relief.background);
  if (!renderer)
    return std::nullopt;
  return reliefSnapshot(*renderer, {relief.camera, *relief.cameraNode, *relief.contentNode}, relief.framing);
}

}  // namespace ornival
