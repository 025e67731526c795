#pragma once

#include "platform/Camera.h"
#include "platform/Color.h"
#include "platform/Path.h"
#include "platform/Progress.h"
#include "platform/RgbaImage.h"
#include "platform/Scene.h"
#include "platform/SceneNode.h"
#include "platform/SnapshotRenderer.h"

#include <functional>
#include <memory>
#include <optional>

namespace ornival {

// How a picture of width × height pixels is taken: in one pass when both sides
// are at most 2048, else in passes × passes renders of tileWidth × tileHeight
// whose pixels interleave into width × height (at least the size asked for;
// the rest is taken up by one final scaling).
struct ReliefPasses {
  static constexpr int largestPass = 2048;

  int passes = 1;
  int tileWidth = 0;
  int tileHeight = 0;
  int width = 0;
  int height = 0;

  bool operator==(const ReliefPasses&) const = default;
};
// Sizes below 1 are programming errors; so is a largest pass below 1.
ReliefPasses reliefPasses(int width, int height, int largestPass = ReliefPasses::largestPass);

// The parts of the editor's relief view that a snapshot borrows and gives
// back: its camera, the camera's node and the node holding the tiles.
struct ReliefView {
  Camera& camera;
  SceneNode& cameraNode;
  SceneNode& contentNode;
};

// What to show: the page rectangle P in canvas units, the document's rotation
// in degrees and its surface z scale, and the picture's size in pixels.
struct ReliefFraming {
  Rect page;
  double rotation = 0.0;
  double surfaceZScale = 1.0;
  int width = 0;
  int height = 0;
  // The largest side of one render; smaller only to try the passes on small
  // pictures.
  int largestPass = ReliefPasses::largestPass;
  // Told how far the passes have come, and asked before each whether to
  // stop; none, when nobody watches.
  Progress* progress = nullptr;
};

// A picture of exactly the page, of framing.width × framing.height pixels,
// drawn by renderer from view's camera. The camera is set so that the page
// fills the picture and the content so that the page starts at the origin;
// both are given back exactly as they were when the snapshot ends, with or
// without a picture.
//
// No picture for a size below 1, for an empty page, when a pass draws none,
// or when the framing's progress says to stop.
std::optional<RgbaImage> reliefSnapshot(SnapshotRenderer& renderer, const ReliefView& view,
                                        const ReliefFraming& framing);

class Document;

// What the editor lends a relief snapshot: its scene, and in it the camera's
// node, the camera and the node holding the tiles. An editor without a relief
// view lends no scene.
struct ReliefScene {
  std::shared_ptr<Scene> scene;
  std::shared_ptr<SceneNode> cameraNode;
  Camera* camera = nullptr;
  std::shared_ptr<SceneNode> contentNode;
  // What the scene exports write: every tile's node, kept current by every
  // edit, and the crossings' node while crossings show (none otherwise).
  std::shared_ptr<const SceneNode> shapesNode;
  std::shared_ptr<const SceneNode> crossingsNode;
};

// Makes the renderer a snapshot draws with: the scene as seen from
// pointOfView through camera, on the background. None when there is no way to
// draw (no OpenGL context could be made, say).
using SnapshotRendererMaker = std::function<std::unique_ptr<SnapshotRenderer>(
    std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode> pointOfView, const Camera& camera,
    Color background)>;

// A snapshot of the relief of the document's editor, drawn by a renderer of
// makeRenderer on background. None without an editor or its scene, without a
// renderer, or when the rendering fails; the editor's camera and content are
// as before in every case.
std::optional<RgbaImage> documentReliefSnapshot(const Document& document, const SnapshotRendererMaker& makeRenderer,
                                                Color background, const ReliefFraming& framing);

// The bitmap export in relief: the document's page (its editor's snapped page
// bounds) at exportWidth × exportHeight pixels, the whole page centred where
// the picture's proportions differ from it, on a transparent background
// when exportAlpha is set, else on the document's background colour. None
// without an editor or its scene, without a renderer, or when the rendering
// fails; the editor's camera and content are as before in every case.
std::optional<RgbaImage> snapshot3DImage(const Document& document, const SnapshotRendererMaker& makeRenderer);

// The bitmap export in relief taken apart from the editor on the main thread,
// so that another thread may draw it while the window goes on: a copy of the
// relief's scene that no edit reaches, the copies of its camera's node and
// content node, the camera, the background and the framing, as
// snapshot3DImage would draw them.
struct DetachedRelief {
  DetachedScene scene;
  std::shared_ptr<SceneNode> cameraNode;
  std::shared_ptr<SceneNode> contentNode;
  Camera camera;
  Color background;
  ReliefFraming framing;
};

// Main thread. None without an editor or its scene, or for a picture without
// size.
std::optional<DetachedRelief> takeRelief3DImage(const Document& document);

// Any one thread at a time: the picture of snapshot3DImage, pixel for pixel,
// drawn by a renderer of makeRenderer, made and dropped on this thread. None
// without a renderer or when the rendering fails.
std::optional<RgbaImage> drawRelief3DImage(DetachedRelief& relief, const SnapshotRendererMaker& makeRenderer);

}  // namespace ornival
