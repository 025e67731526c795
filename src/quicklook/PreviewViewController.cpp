#include "quicklook/PreviewViewController.h"

#include "document/OrnivalModel.h"
#include "quicklook/DocumentText.h"
#include "quicklook/ReliefPointOfView.h"

namespace ornival {

void PreviewViewController::loadPreview(const std::string& path, const Handler& handler) {
  DocumentFileError error = DocumentFileError::none;
  ornival = readDocumentFile(path, error);
  const auto scene = sceneView.lock();
  if (!ornival) {
    if (view)
      view->setOrnival(nullptr);
    if (scene)
      scene->setScene(std::nullopt, {});
  } else if (ornival->is3D()) {
    if (scene) {
      scene->setBackgroundColor(ornival->settings.backgroundColor);
      scene->setScene(OrnivalQuickLook::makeScene(*ornival), reliefBounds(*ornival));
    }
  } else if (view) {
    ornival->collectBorderEdges();
    view->setOrnival(ornival);
  }
  if (handler)
    handler(std::nullopt);
}

}  // namespace ornival
