// Pictures of the pattern: the snapshot and the share command.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "document/PrintView.h"
#include "editor/EditorWindowController.h"
#include "model/Shape.h"
#include "platform/Clipboard.h"
#include "platform/Localization.h"
#include "platform/PictureRenderer.h"

#include <algorithm>
#include <cmath>

namespace ornival {
namespace {

constexpr double snapshotMargin = 20.0;
constexpr double shareSide = 2048.0;
constexpr char shareText[] = ORNIVAL_TEXT("Editor", "I just created this using the Ornival App.\n#Ornival");

// Larger pictures are not made: a side beyond this is a slip, not a wish.
constexpr double largestSide = 65500.0;

}  // namespace

RgbaImage ViewController::snapshotImage(double width, double height) {
  if (dimension_ == 3 && sceneSnapshot) {
    if (auto picture = sceneSnapshot())
      return std::move(*picture);
  }
  const int pixelsWide = std::isfinite(width) ? int(std::lround(std::clamp(width, 0.0, largestSide))) : 0;
  const int pixelsHigh = std::isfinite(height) ? int(std::lround(std::clamp(height, 0.0, largestSide))) : 0;
  const auto document = this->document();
  if (pixelsWide < 1 || pixelsHigh < 1 || !pictureRenderer || !document)
    return {};
  const double w = pixelsWide;
  const double h = pixelsHigh;
  // The outline's box as the view turns it, with its margin, fitted and
  // centred in w × h.
  const Rect box = rotatedBounds(borderEdges, rotation_);
  const double W = box.size.x + 2.0 * snapshotMargin;
  const double H = box.size.y + 2.0 * snapshotMargin;
  const double s = std::min(w / W, h / H);
  PrintView view({{(box.origin.x - snapshotMargin) * s + (W * s - w) / 2.0,
                   (box.origin.y - snapshotMargin) * s + (H * s - h) / 2.0},
                  {w, h}});
  view.document = document;
  view.scale = s;
  return pictureRenderer->render(pixelsWide, pixelsHigh,
                                 [&view](Painter& painter) { view.drawDocument(painter, view.frame); });
}

// No system sharing picker exists here: sharing puts the snapshot and the
// sharing text on the clipboard, then the window offers to save the snapshot
// as a file.
void ViewController::share() {
  auto picture = std::make_shared<const RgbaImage>(snapshotImage(shareSide, shareSide));
  if (picture->width() == 0)
    return;
  if (clipboard) {
    const bool pictureAlone = modifierFlags().option;
    clipboard->copy(*picture,
                    pictureAlone ? std::nullopt : std::optional<std::string>(localized("Editor", shareText)));
  }
  if (const auto window = windowController())
    window->offerSaveSnapshot(std::move(picture));
}

}  // namespace ornival
