#pragma once

// Stand-ins for what the editor reaches the outside through: a view in a
// window of 1080 × 800 points, the window controller, and the keys held. They
// keep what the editor gives them so that a test can look, and take what a
// test sets so that the editor reads it.

#include "editor/EditorWindowController.h"
#include "editor/InputState.h"
#include "editor/ViewPort.h"
#include "platform/Clipboard.h"
#include "platform/ImageDecoder.h"
#include "platform/Layer.h"
#include "platform/Scene.h"
#include "platform/PictureRenderer.h"
#include "platform/RecordingPainter.h"
#include "platform/SceneNode.h"
#include "platform/UndoManager.h"
#include "support/DocumentFakes.h"

#include <filesystem>
#include <map>
#include <optional>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ornival::testing {

class FakeInputState : public InputState {
public:
  ModifierFlags flags;
  ModifierFlags modifierFlags() const override { return flags; }
};

// The window controller of a document window: both what the document and
// what the editor tell it.
class FakeEditorWindowController : public FakeDocumentWindow, public EditorWindowController {
public:
  std::vector<Shapes> tools{Shapes::sun8};
  Color toolColor = Color::white();
  int dimension = 2;
  std::string countTitle;
  // Figure number to the count its toolbar item shows.
  std::map<int, int> toolLabels;
  int catalogueRefreshes = 0;
  int surfaceSceneUpdates = 0;

  std::vector<Shapes> selectedTools() const override { return tools; }
  void setSelectedTools(const std::vector<Shapes>& selected) override { tools = selected; }
  void setShapeColor(const Color& color) override { toolColor = color; }
  void setDimension(int value) override { dimension = value; }
  void setCountTitle(const std::string& title) override { countTitle = title; }
  void updateToolLabel(Shapes kind, int count) override { toolLabels[kind.rawValue()] = count; }
  void refreshCatalogueBrowser() override { ++catalogueRefreshes; }
  void updateSurfaceScene() override { ++surfaceSceneUpdates; }

  // Times the toolbar's colour well was told to let go of the colour panel.
  int colorWellDeactivations = 0;
  void deactivateColorWell() override { ++colorWellDeactivations; }

  // The snapshots the window was asked to offer for saving.
  std::vector<std::shared_ptr<const RgbaImage>> offeredSnapshots;
  void offerSaveSnapshot(std::shared_ptr<const RgbaImage> image) override {
    offeredSnapshots.push_back(std::move(image));
  }

  bool colorWellActive = false;
  int colorPopovers = 0;
  int changeColorsPopovers = 0;
  bool colorWellIsActive() const override { return colorWellActive; }
  void showColorPopover() override { ++colorPopovers; }
  void showChangeColors() override { ++changeColorsPopovers; }
};

// Picture files by name: a file the test did not give is no picture.
class FakeImageDecoder : public ImageDecoder {
public:
  std::map<std::filesystem::path, RgbaImage> files;
  std::optional<RgbaImage> decode(const std::filesystem::path& file) override {
    const auto found = files.find(file);
    return found == files.end() ? std::nullopt : std::optional<RgbaImage>(found->second);
  }
};

// Keeps the calls of every drawing and gives back a blank picture of the
// size asked for.
class FakePictureRenderer : public PictureRenderer {
public:
  RecordingPainter painter;
  RgbaImage render(int width, int height, const std::function<void(Painter&)>& draw) override {
    painter = RecordingPainter();
    draw(painter);
    return RgbaImage(width, height);
  }
};

class FakeClipboard : public Clipboard {
public:
  std::optional<RgbaImage> image;
  std::optional<std::string> text;
  int copies = 0;
  void copy(const RgbaImage& picture, const std::optional<std::string>& caption) override {
    image = picture;
    text = caption;
    ++copies;
  }
};

class FakeViewPort : public ViewPort {
public:
  bool window = true;
  Vec2 size{1080.0, 800.0};
  // The pointer in window points.
  Vec2 pointer{540.0, 400.0};
  std::shared_ptr<Layer> viewLayer = Layer::create();
  std::shared_ptr<UndoManager> undo;
  std::shared_ptr<EditorWindowController> controller;
  std::shared_ptr<Scene> shownScene;
  Color background = Color::clear();
  bool continuousRedraw = false;
  int cursorInvalidations = 0;

  bool hasWindow() const override { return window; }
  Vec2 contentSize() const override { return size; }
  Vec2 mouseLocationOutsideOfEventStream() const override { return pointer; }
  std::shared_ptr<Layer> rootLayer() const override { return viewLayer; }
  std::shared_ptr<UndoManager> undoManager() const override { return undo; }
  std::shared_ptr<EditorWindowController> windowController() const override { return controller; }
  void setScene(std::shared_ptr<Scene> scene) override { shownScene = std::move(scene); }
  std::shared_ptr<Scene> scene() const override { return shownScene; }
  void setBackgroundColor(const Color& color) override { background = color; }
  void setContinuousRedraw(bool continuous) override { continuousRedraw = continuous; }
  void invalidateCursorRects() override { ++cursorInvalidations; }
  // While set, work waiting for a paint stays here until paint() runs it, as
  // a view with no paint yet would keep it; else it runs through the main
  // queue.
  bool holdAfterPaint = false;
  std::vector<std::function<bool()>> waitingForPaint;
  void afterPaint(std::function<bool()> step) override {
    if (holdAfterPaint)
      waitingForPaint.push_back(std::move(step));
    else
      ViewPort::afterPaint(std::move(step));
  }
  // Runs the waiting steps to their end, as the turns after a paint would.
  void paint() {
    auto steps = std::move(waitingForPaint);
    waitingForPaint.clear();
    for (auto& step : steps)
      while (step()) {
      }
  }
};

}  // namespace ornival::testing
