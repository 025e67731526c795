#pragma once

#include "document/DocumentSettings.h"
#include "model/CrossingStatus.h"
#include "platform/Path.h"

#include <memory>

namespace ornival {

class Document;
class Graph;
class Painter;

// The flat drawing of a live document: background, tile fills, the three
// border bands and the interlaced crossing bands, drawn through a painter.
// Printing, the bitmap export and snapshots draw the document with it.
//
// Coordinates are those of the view: y points up, (0, 0) is the lower left
// corner of the frame; a painter that shows y downwards flips once, itself.
//
// A view of a document reads the editor's tiles, on the main thread; a view
// of content taken beforehand may draw on any thread.
class PrintView {
public:
  // What a page shows: the document's settings, its tiles (glued) and the
  // page frame, for a drawing away from the document.
  struct Content {
    DocumentSettings settings;
    std::shared_ptr<Graph> graph;
    Rect page;
  };

  explicit PrintView(Rect frame) : frame(frame) {}

  // The view's place and size; the size is its bounds.
  Rect frame;
  // The document drawn; without one, the content.
  std::shared_ptr<const Document> document;
  // Drawn when there is no document; nothing is drawn without either.
  std::shared_ptr<const Content> content;
  // Drawn for a print: no background, and the page frame centred in the view.
  bool printing = false;
  // The background keeps its own opacity; else it is laid over white.
  bool exportAlpha = true;
  // View units per canvas unit; band widths grow with it.
  double scale = 1.0;

  // Draws the document as the rectangle `rect` of the view shows it: the
  // drawing is moved by the negated origin of rect (or centred when printing).
  void drawDocument(Painter& painter, const Rect& rect) const;

  // The map from canvas units to view units: scaled, turned by the
  // document's rotation, then moved into place.
  AffineTransform pageTransform(const Rect& rect) const;

  // The frame a print view takes on a sheet whose printable area is
  // `imageable` (in points, its origin the unprintable margin) at a scaling
  // of `scaling` (1 for 100 %): the whole printable area, no less, so that
  // the drawing centred in it is centred on what the printer prints. Larger
  // in points as the scaling shrinks, so that it still fills one page. A
  // scaling that is not positive counts as 1.
  static Rect paginatedFrame(const Rect& imageable, double scaling);

  // The pieces of the band of width w1 that cross over at the tiling's
  // crossings, reaching out to where a band of width w0 would end; empty
  // when the widths are equal.
  static Path bandPath(double w1, double w0, double radiusLimit, Graph& graph, CrossingStatus crossings,
                       bool rounded);
};

}  // namespace ornival
