#pragma once

#include "figures/catalogue/Shapes.h"
#include "platform/Color.h"
#include "platform/RgbaImage.h"

#include <memory>

#include <string>
#include <vector>

namespace ornival {

// The document window's controller as the editor sees it: the toolbar, the
// figure strip, the popovers and the catalogue browser that show the
// editor's state. The Qt window controller implements it. Main thread only.
class EditorWindowController {
public:
  virtual ~EditorWindowController() = default;

  // The current tools as the toolbar and the catalogue browser show them;
  // the editor writes them on every change, the window reads them back when
  // it restores a window.
  virtual std::vector<Shapes> selectedTools() const = 0;
  virtual void setSelectedTools(const std::vector<Shapes>& tools) = 0;

  // The tool colour for the colour well and the toolbar's tool images, which
  // are drawn again.
  virtual void setShapeColor(const Color& color) = 0;
  // 2 or 3: the toolbar's title of the view switch and the document's display
  // mode.
  virtual void setDimension(int dimension) = 0;

  // The count button's title: the number of tiles.
  virtual void setCountTitle(const std::string& title) = 0;
  // The toolbar item of a figure shows its count when at least 1, else the
  // figure's name.
  virtual void updateToolLabel(Shapes kind, int count) = 0;
  // The catalogue browser lays out its items and sections again and shows
  // the selection, when it is open.
  virtual void refreshCatalogueBrowser() = 0;

  // The surface popover draws its preview again.
  virtual void updateSurfaceScene() = 0;

  // Offers to save the share command's snapshot as a picture file, under the
  // title "Save Snapshot…". A window that cannot offers nothing.
  virtual void offerSaveSnapshot(std::shared_ptr<const RgbaImage> image) { static_cast<void>(image); }

  // Whether the toolbar's colour well is active: dragging over tiles then
  // paints them.
  virtual bool colorWellIsActive() const { return false; }
  // Shows the colour popover by the editor's view (a right click on a tile).
  virtual void showColorPopover() {}
  // Shows the popover that recolours the tiles from the underlay.
  virtual void showChangeColors() {}
  // Closes the change-colours popover, when it is shown.
  virtual void closeChangeColors() {}
  // Opens a new untitled document in a window of its own. A window that
  // cannot opens nothing.
  virtual void openUntitledDocument() {}
  // The toolbar's colour well stops taking the colour panel's picks.
  virtual void deactivateColorWell() {}
};

}  // namespace ornival
