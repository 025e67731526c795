#pragma once

#include "document/ReliefSnapshot.h"
#include "platform/Path.h"
#include "platform/RgbaImage.h"

#include <memory>
#include <optional>

namespace ornival {

class Document;

// The relief of a live document drawn for a print: the editor's scene seen
// through relief snapshots, the page rectangle fitted into the view and
// centred, the rest of the view on the document's background.
//
// Main thread only: it borrows the editor's camera and content.
class PrintView3D {
public:
  explicit PrintView3D(Rect frame) : frame(frame) {}

  // The view's place and size, in the pixels the picture is made of.
  Rect frame;
  // The document drawn, on its background colour; nothing is drawn without
  // one or without its editor.
  std::shared_ptr<const Document> document;

  // A picture of the frame's size (truncated to whole pixels) through
  // renderers of makeRenderer. None without a document, its editor, the
  // editor's scene or a renderer, for a frame under a pixel, or when the
  // rendering fails; the editor's camera and content are as before in every
  // case.
  std::optional<RgbaImage> image(const SnapshotRendererMaker& makeRenderer) const;

  // The page widened about its centre, along one side, to the proportions of
  // width × height: what a picture of that size shows of it, whole and
  // centred. An empty page or size gives the page back.
  static Rect fittedPage(const Rect& page, double width, double height);
};

}  // namespace ornival
