#pragma once

#include "platform/Color.h"
#include "platform/Path.h"
#include "quicklook/OrnivalQuickLook.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ornival {

class OrnivalModel;

// Where the preview draws a flat document: the 2D view fitted to its size.
class PreviewContentView {
public:
  virtual ~PreviewContentView() = default;
  // None clears the view.
  virtual void setOrnival(std::shared_ptr<OrnivalModel> model) = 0;
};

// Where the preview shows a relief document.
class PreviewSceneView {
public:
  virtual ~PreviewSceneView() = default;
  virtual void setBackgroundColor(const Color& color) = 0;
  // None clears the view. bounds: the tiles' box in the scene, to look at.
  virtual void setScene(std::optional<QuickLookScene> scene, const Rect& bounds) = 0;
};

// Shows a document file read-only: a flat document in the content view, a
// relief one in the scene view on the document's own background (unlike the
// thumbnail's white). Either view may be missing; what would go to a missing
// view is not shown.
//
// One thread, the one the window runs on.
class PreviewViewController {
public:
  std::shared_ptr<PreviewContentView> view;
  std::weak_ptr<PreviewSceneView> sceneView;
  // The model of the file shown last; none when it could not be shown.
  std::shared_ptr<OrnivalModel> ornival;

  // Called once when the preview is ready; the error is always none, since a
  // file that cannot be shown gives an empty preview rather than a report.
  using Handler = std::function<void(const std::optional<std::string>& error)>;

  // Reads path and shows it. A file that cannot be read or is not a document
  // clears both views, so a preview never goes on showing an earlier file.
  void loadPreview(const std::string& path, const Handler& handler);
};

}  // namespace ornival
