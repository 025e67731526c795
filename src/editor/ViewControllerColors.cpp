// Colour changes of single tiles.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "model/Shape.h"
#include "platform/Localization.h"
#include "platform/UndoManager.h"

namespace ornival {

void ViewController::setShapeColor(const std::shared_ptr<Shape>& tile, const Color& color) {
  if (tile->shapeColor() == color)
    return;
  UndoManager* undo = undoManager();
  const auto document = this->document();
  if (undo && document) {
    // The document restores a tile's colour by its record and registers the
    // way back itself.
    undo->registerUndo(document.get(), [weakDocument = std::weak_ptr<Document>(document), info = tile->info()] {
      if (const auto target = weakDocument.lock())
        target->changeShapeColors(info);
    });
    if (!undo->isUndoing())
      undo->setActionName(localized("Undo", "Change Shape Color"));
  }
  tile->setShapeColor(color);
}

}  // namespace ornival
