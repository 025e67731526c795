#pragma once

// Live documents for the drawing and export tests: a document with a fake
// editor whose tiles come from a document text, glued as the editor glues
// them, and whose page is the drawing's box with a margin.

#include "DocumentFakes.h"
#include "document/Document.h"
#include "document/OrnivalModel.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"

#include <memory>
#include <string>
#include <string_view>

namespace ornival::testing {

struct LiveDocument {
  std::shared_ptr<Document> document;
  std::shared_ptr<FakeDocumentEditor> editor;
};

// The header and settings of a document text around some shape lines: two
// squares (figure 7) side by side when none are given.
inline std::string documentText(std::string_view shapes = "7,0\n0,1,7,3,0\n", std::string_view settings = "") {
  return "Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n" + std::string(shapes) + "\n" +
         std::string(settings);
}

// The document of the text with its tiles in the editor. The page is the
// tiles' box, turned by the rotation, widened by `margin` on every side, and
// the export scale is `exportScale`, which sets the export size to match.
inline LiveDocument liveDocument(std::string_view text, double margin = 13.0, double exportScale = 4.0) {
  auto model = OrnivalModel::create();
  model->read(text);
  model->collectBorderEdges();
  LiveDocument live{Document::create(), std::make_shared<FakeDocumentEditor>()};
  live.editor->document = live.document;
  live.editor->tiles = Graph::create(model->shapes);
  live.document->setViewController(live.editor);
  live.document->applyFileSettings(model->settings);
  Rect box = rotatedBounds(model->borderEdges, live.document->rotation());
  box.origin = box.origin - Vec2{margin, margin};
  box.size = box.size + Vec2{2 * margin, 2 * margin};
  live.editor->snappedPage = box;
  // A new scale sets the export size from the page.
  live.document->setExportScale(exportScale / 2);
  live.document->setExportScale(exportScale);
  return live;
}

}  // namespace ornival::testing
