#include "document/PrintView3D.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"

#include <cmath>

namespace ornival {

Rect PrintView3D::fittedPage(const Rect& page, double width, double height) {
  if (!(page.size.x > 0.0) || !(page.size.y > 0.0) || !(width > 0.0) || !(height > 0.0))
    return page;
  Vec2 size = page.size;
  if (size.x / size.y < width / height)
    size.x = size.y * width / height;
  else
    size.y = size.x * height / width;
  return {page.center() - size * 0.5, size};
}

std::optional<RgbaImage> PrintView3D::image(const SnapshotRendererMaker& makeRenderer) const {
  const int width = std::isfinite(frame.size.x) ? int(frame.size.x) : 0;
  const int height = std::isfinite(frame.size.y) ? int(frame.size.y) : 0;
  if (!document || width < 1 || height < 1)
    return std::nullopt;
  const auto editor = document->viewController();
  if (!editor)
    return std::nullopt;
  // The relief snapshot fits the page's height to the picture; a page wider
  // than the sheet would lose its sides, so it is widened to the sheet first.
  const ReliefFraming framing{fittedPage(editor->snappedPageBounds(), width, height), document->rotation(),
                              document->surfaceZscale(), width, height};
  return documentReliefSnapshot(*document, makeRenderer, document->backgroundColor(), framing);
}

}  // namespace ornival
